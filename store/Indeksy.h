// Indexes for the statements that read many rows of the rental table: the rented and
// overdue films, the periodic report and the clients' ranking. Plain column indexes only (no
// collation of their own), so that any SQLite tool reads and sorts the store. An index a statement
// may choose instead of the one it used before can change the order of rows the statement does not
// sort, so each one here keeps that order (or serves only its own statement).
#pragma once

#include <QStringList>

class TQuery;

// The names of the indexes UtworzIndeksyOdczytu creates.
const QStringList& IndeksyOdczytu();

// Creates them through UruchomSQL: a step of the schema's upgrade.
void UtworzIndeksyOdczytu(TQuery& query);
