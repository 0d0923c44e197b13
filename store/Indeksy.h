// Indexes for the statements that read many rows: the rented and overdue films, the
// periodic report, the histories and both rankings. Plain column indexes only (no
// collation of their own), so that any SQLite tool reads and sorts the store.
#pragma once

#include <QStringList>

class TQuery;

// The names of the indexes UtworzIndeksyOdczytu creates.
const QStringList& IndeksyOdczytu();

// Creates them through UruchomSQL: a step of the schema's upgrade.
void UtworzIndeksyOdczytu(TQuery& query);
