// Translation of the program's local-SQL statements into the embedded store's SQL.
#pragma once

#include <QString>
#include <QStringList>
#include <stdexcept>

// A statement the store cannot accept; the text is shown to the operator as it stands.
class TBladBazy : public std::runtime_error {
public:
    // kod: SQLite's extended result code when the store raised it, 0 otherwise.
    explicit TBladBazy(const QString& tekst, int kodBledu = 0)
        : std::runtime_error(tekst.toStdString()), kod(kodBledu) {}
    QString Tekst() const { return QString::fromStdString(what()); }
    int Kod() const { return kod; }

private:
    int kod;
};

// Works on tokens (identifiers, quoted tokens, numbers, :name parameters, operators):
// - a table named by its file ("klient.db") or by the file's full path, in double or
//   single quotes, where a table reference stands (after FROM, JOIN, TABLE, UPDATE, INTO
//   or a comma of a FROM list), becomes the bare table name; "klient.db"."Col" becomes
//   Col; the same texts elsewhere stay values;
// - a double-quoted date ("05.03.24", "05.03.2024") becomes an ISO date literal, except
//   as a LIKE pattern;
// - any other double-quoted text becomes a string literal ("" inside stands for ");
// - True and False in any letter case become 1 and 0;
// - in ALTER and CREATE statements a MONEY column gets REAL affinity;
// - FOR UPDATE at the end of a statement is dropped (a write holds the whole file).
// Everything else passes unchanged. Throws TBladBazy on an unterminated literal or an
// impossible date.
QString PrzetlumaczSQL(const QString& lokalny);

// The same for the server store (PostgreSQL), with these differences:
// - True and False become true and false;
// - "klient.db"."Col" becomes the bare column name (the server folds it to lower case, as
//   the tables were made);
// - ORDER BY adds no collation: the text columns themselves are in Polish order;
// - each :name parameter becomes $n, numbered in order of first appearance; parametry
//   receives the names in upper case with ':' (the same name twice is one parameter);
// - rowid becomes ctid, or KolumnaKolejnosci in a statement naming rental;
// - a SELECT whose first table is rental and that groups and aggregates nothing gets the
//   ORDER BY giving SQLite's order of its rows (the order of the index SQLite reads, then
//   the rowid): before its LIMIT or FOR UPDATE, else at its end; a subquery before its
//   LIMIT. One with an ORDER BY of its own that reads a client's or a film's rentals gets
//   that order after its terms, for the rows they leave equal;
// - in ALTER and CREATE statements a MONEY column becomes numeric(12,2).
// The server's column of rental that keeps its rows in the order they were written: the
// file store's rowid.
inline constexpr char KolumnaKolejnosci[] = "wiersz";

QString PrzetlumaczSQLSerwera(const QString& lokalny, QStringList& parametry);

// Gathers the statements the program builds (seeds for fuzzing the translator): while
// set, every statement given to PrzetlumaczSQL is passed to it first; nullptr stops it.
void UstawZbieraniePolecen(void (*zbieraj)(const QString& lokalny));
