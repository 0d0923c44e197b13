// The copy of a whole store into another, between the two kinds of store: every table of
// the program, row by row, keys kept.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <stop_token>

class TBaza;

// The program's tables in the store, in the order of their names (lower case): the
// engine's own bookkeeping (SQLite's sequences, the server's schema version and day of
// the automatic copy) is left out.
QStringList TabeleDanych(TBaza& baza);
// The schema version recorded in the store, read without telling the operator; throws
// TBladBazy.
int WersjaDanych(TBaza& baza);
// Some table of the program holds a row.
bool BazaZawieraDane(TBaza& baza);

// Replaces every row of the program's tables in cel by the rows of zrodlo, in one
// transaction of cel (a failure leaves cel as it was); zrodlo is read in one snapshot and
// not changed. Both stores must be at the same schema version and cel must hold every
// table and column of zrodlo. Keys are kept, and the server's key sequences go on past the
// highest key; the rentals go in the order zrodlo keeps them (its rowid, or the server's
// KolumnaKolejnosci, which is not copied), so cel's order follows it. Each value is written
// as cel keeps its column: money exact to the grosz, dates, booleans. A stop requested
// through stop ends the copy with cel as it was; postep hears the percent of rows copied.
// Throws TBladBazy (the text in Polish where it is the program's own). On no thread but the
// caller's does it touch the program's state, so it may run beside the desk.
void KopiujDane(TBaza& zrodlo, TBaza& cel, std::stop_token stop = {},
                const std::function<void(int)>& postep = {});
