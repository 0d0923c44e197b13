// A fresh store in a temporary folder for one test, with a fixed clock. With
// WIRDOLAN_TEST_SERWER=1 in the environment the store is a new database of the PostgreSQL
// server that libpq's variables (PGHOST, PGPORT, PGUSER, PGPASSWORD) name, as
// pg_virtualenv sets them, dropped after the test; the folder still holds the local files.
#pragma once

#include <QDate>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <memory>

class TBaza;

class TestowaBaza {
public:
    // Creates and connects a new store in a temporary folder, brought to the current
    // schema by the start-up upgrade as a real store is.
    explicit TestowaBaza(const QDate& dzisiaj = QDate(2024, 3, 5));
    ~TestowaBaza();

    // The folder holding the tables, ending in a separator (as KatalogBazy).
    QString Katalog() const;
    QString Folder() const { return katalog.path(); }

    // Makes every statement of the kind ("insert", "update") on the table fail with the
    // text, on either kind of store (a trigger of the store's own language); one per table.
    void Zablokuj(const char* zdarzenie, const char* tabela, const char* tekst) const;

    // Runs statements of the store's own SQL through a second connection, as another counter
    // does, and gives the first value of the last one's first row (null when none); fails the
    // test on an error.
    QVariant DrugiePolaczenie(const QString& sql) const;

    // A new store file of the current schema in the test's folder (not made active).
    std::unique_ptr<TBaza> NowyPlik(const QString& nazwa) const;

    // The tests run against a server store.
    static bool NaSerwerze();
    // Connects the test's store anew (a new connection to the same file or database).
    void PolaczPonownie() const;
    // A server store's database kept as it is now, and put back so (sequences included);
    // the test's connection is made anew.
    void ZapamietajSerwer() const { KopiujBazeSerwera(bazaSerwera, bazaSerwera + "_wzor"); }
    void PrzywrocSerwer() const { KopiujBazeSerwera(bazaSerwera + "_wzor", bazaSerwera); }

    // Runs statements of the store's own SQL directly (booleans written True and False, as
    // both kinds of store read them); fails the test on an error.
    void Wykonaj(const QString& sql) const;
    // The first column of the first row of a query of the program's SQL on the active store
    // (null when no row); fails the test on an error.
    static QVariant Wartosc(const QString& sql);
    int Ile(const QString& sql) const { return Wartosc(sql).toInt(); }
    // Every row of the program's tables as the program reads them (one line per row, in a
    // fixed order): equal on both kinds of store when they hold the same.
    QString Zawartosc() const;

private:
    void KopiujBazeSerwera(const QString& z, const QString& na) const;

    QTemporaryDir katalog;
    QString bazaSerwera;  // the test's database on the server; empty for a file store
};
