// The program's own schema, and the objects of a store beyond it. A trigger, a view, an
// index or a table the program never made (or a column its tables never had) can run on
// the program's own writes, so a store holding one is never written through.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct sqlite3;

// In the order they are removed: what depends on a table goes before the table.
enum class TRodzajObiektu { Wyzwalacz, Widok, Indeks, Tabela, Kolumna };

struct TObcyObiekt {
    TRodzajObiektu rodzaj;
    QString nazwa;
    QString tabela;  // the table it belongs to; empty for a table or a view
    // false: a column of the program's name made another way (a computed one); removing
    // it would remove the program's own column, so only a copy mends the store
    bool usuwalny = true;
    bool operator==(const TObcyObiekt&) const = default;
};

// Turns on SQLite's defensive mode and turns off trust in the schema (as PRAGMA
// trusted_schema = off): the schema's own code may call harmless functions only.
void ZabezpieczPolaczenie(sqlite3* uchwyt);

// The objects of the store on the connection that the program's schema has not, compared
// with what the creation of a store and its upgrade make: every trigger and view; an index
// not of the program's name, table and definition; a table beyond the program's; a column
// a program's table never had, or one computed. A store of an older shape (fewer columns,
// fewer indexes) has none. Nothing when the list of objects cannot be read.
std::optional<std::vector<TObcyObiekt>> ObceObiekty(sqlite3* uchwyt);

// The names of the program's tables and indexes, as a new store has them after the upgrade.
QStringList ObiektySchematu();

// One object for the operator: "wyzwalacz „x” (tabela rental)".
QString OpisObiektu(const TObcyObiekt& obiekt);
// All of them, separated by commas.
QString OpisObcychObiektow(const std::vector<TObcyObiekt>& obiekty);

// Removes the removable ones in one transaction on the connection: SQLite's error text, empty
// on success (nothing removed then).
QString UsunObceObiekty(sqlite3* uchwyt, const std::vector<TObcyObiekt>& obiekty);
