// Plain routines of the desk's panels and rental basket: the split of a client's
// pick-list entry, and the rules of the basket's rows, limit, days, totals and the
// paid field. Nothing here reads widgets or the store.
//
// The basket's list holds k film rows (0 ... k-1), then a separator row and the total
// row "RAZEM DO ZAPŁATY"; an empty basket is one empty row. Prices are kept in the list
// as screen amounts ("12,50") and every total is the sum of the shown rounded prices.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "store/Kwota.h"

// A client's surname and first name as read from the pick-list entry "surname first".
struct TNazwaKlienta {
    QString nazwisko;
    QString imie;
};
// A hyphenated surname keeps the one character after its first '-' (a blank there is
// part of the surname) and runs on to the next blank; otherwise the surname ends at the
// first blank. The first name is everything after that blank. A hyphen after the first
// blank is a first name's (Nowak Jan-Paweł).
TNazwaKlienta PodzielNazweKlienta(const QString& wpis);

// Texts of the separator and total rows.
QString SeparatorTytulu();  // 80 '='
QString SeparatorKwoty();   // 21 '='
inline const QString RazemDoZaplaty = QStringLiteral("RAZEM DO ZAPŁATY");

// Film rows of a list of liczbaWierszy rows (the separator and total rows excluded).
int LiczbaWierszyFilmow(int liczbaWierszy);
// The limit FilmMax (0 = none) refuses one more film for a list of liczbaWierszy rows.
bool LimitFilmowOsiagniety(int filmMax, int liczbaWierszy);

// Days of a film added to the basket: an empty field gives 1; a text that is not a
// whole number, or is negative, gives 1 and poprawne = false (the desk warns and resets
// the field).
struct TDniWiersza {
    int dni = 1;
    bool poprawne = true;
};
TDniWiersza DniNowegoWiersza(const QString& tekst);

// The rate typed for a film: a non-negative amount, or nothing.
std::optional<TKwota> StawkaZEkranu(const QString& tekst);

// The sum of prices shown as screen amounts, each counted to the grosz; an unreadable
// text counts as 0.
TKwota SumaCenZEkranu(const QStringList& ceny);

// The paid field and the total cell after a film was added. A subscriber's rentals go to
// the balance, so the proposed payment is 0,00; a regular client's is the total. With
// the paid field disabled (open rentals listed) it holds what was paid before, and the
// total cell shows what is still owed.
struct TWplataKoszyka {
    std::optional<TKwota> wplata;  // the new paid amount, when the field is rewritten
    TKwota razem;                  // the total cell
};
TWplataKoszyka WplataPoDodaniu(bool abonent, bool wplataWlaczona, TKwota suma, TKwota wplacono);
// The total cell after a row was re-priced; the paid field is left as it is.
TKwota RazemPoZmianie(bool wplataWlaczona, TKwota suma, TKwota wplacono);
