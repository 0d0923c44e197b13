// Bringing a shop over from its old Paradox tables (klient.db, film.db, rental.db,
// dictionary.db): reading them into the store's columns and writing them in one step.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

class TTabelaParadox;

// One table file: opened and checked first, its rows read while they are written.
struct TOdczytTabeli {
    QString plik;                            // "klient.db", ...
    bool jest = false;                       // the file was found in the folder
    int wierszy = 0;                         // rows in the file
    int przeniesione = 0;                    // rows read and brought over
    int nieczytelne = 0;                     // rows that could not be read
    qint64 autonumer = 0;                    // the table's autoincrement counter
    std::shared_ptr<TTabelaParadox> tabela;  // the open file
    std::vector<int> zrodla;  // for each column of the store, its field in the file or -1
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

// Opens the four tables of the folder (file names in any letter case) and checks their
// columns; their rows are read by PrzeczytajWiersze or ZapiszOdczytParadox.
TOdczytParadox CzytajTabeleParadox(const QString& katalog);

// How far the reading of the rows has gone: the rows gone through so far out of
// WierszeImportu. Called every few thousand rows and once more at the end (and, while the
// store's indexes are made after the rows, again with the end); false stops the import.
using TPostepImportu = std::function<bool(qint64 zrobione)>;
// The rows the import goes through (the rentals' only when zWypozyczeniami).
qint64 WierszeImportu(const TOdczytParadox& odczyt, bool zWypozyczeniami);

// Reads every row of the tables (the rentals' when zWypozyczeniami), each turned into the
// store's columns in the order of KolumnyImportu (the columns an old table lacks hold what
// the upgrade would give), and hands it on with its table's number (0 klient, 1 film,
// 2 rental, 3 dictionary); counts the rows brought over and those that could not be read.
// False when postep stopped it.
bool PrzeczytajWiersze(TOdczytParadox& odczyt, bool zWypozyczeniami,
                       const std::function<void(int tabela, const std::vector<QVariant>&)>& wiersz,
                       const TPostepImportu& postep = {});

// True when the store already holds clients, films or rentals.
bool BazaMaDane();

// Reads the rows and writes them into the store in one transaction: clients and films with
// their own keys, the rentals when zWypozyczeniami, the settings rows of dictionary.db in
// place of the store's rows of the same names. The empty text when stored; otherwise the
// reason (ImportPrzerwany when postep stopped it), and the store is as it was.
QString ZapiszOdczytParadox(TOdczytParadox& odczyt, bool zWypozyczeniami,
                            const TPostepImportu& postep = {});
inline const QString ImportPrzerwany = QStringLiteral("Import został przerwany.");

// The closing report: the rows of each table that came over and that could not be read,
// with the first reasons.
QString PodsumowanieImportu(const TOdczytParadox& odczyt, bool zWypozyczeniami);
