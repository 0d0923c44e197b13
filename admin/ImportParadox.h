// Bringing a shop over from its old Paradox tables (klient.db, film.db, rental.db,
// dictionary.db): reading them into the store's columns and writing them in one step.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

// What came of one table file.
struct TOdczytTabeli {
    QString plik;       // "klient.db", ...
    bool jest = false;  // the file was found in the folder
    // The rows read, each with one value per column of the store's table, in the order
    // of KolumnyImportu; the columns an old table lacks hold what the upgrade would give.
    std::vector<std::vector<QVariant>> wiersze;
    int nieczytelne = 0;   // rows that could not be read
    qint64 autonumer = 0;  // the table's autoincrement counter
};

struct TOdczytParadox {
    // Set when a table cannot be opened or brought over: nothing is imported.
    QString blad;
    TOdczytTabeli klient, film, rental, dictionary;
    int nieczytelne = 0;
    QStringList powody;  // the first reasons of the rows that could not be read
};

// How many reasons of unreadable rows are kept.
inline constexpr int NajwyzejPowodow = 5;

// The store's columns that the import fills, for "klient", "film", "rental", "dictionary".
QStringList KolumnyImportu(const QString& tabela);

// Reads the four tables of the folder (file names in any letter case).
TOdczytParadox CzytajTabeleParadox(const QString& katalog);

// True when the store already holds clients, films or rentals.
bool BazaMaDane();

// Writes what was read into the store in one transaction: clients and films with their
// own keys, the rentals when zWypozyczeniami, the settings rows of dictionary.db in place
// of the store's rows of the same names. The empty text when stored; otherwise the
// reason, and the store is as it was.
QString ZapiszOdczytParadox(const TOdczytParadox& odczyt, bool zWypozyczeniami);

// The closing report: the rows of each table that came over and that could not be read,
// with the first reasons.
QString PodsumowanieImportu(const TOdczytParadox& odczyt, bool zWypozyczeniami);
