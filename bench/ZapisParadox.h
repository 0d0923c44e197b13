// Paradox table files written through pxlib, as the old program's engine left them: the
// old shop's tables for the import's tests, its fuzzing seeds and its benchmark.
#pragma once

#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

struct TPoleZapisu {
    const char* nazwa;
    int typ;  // pxfAlpha, pxfLong, ...
    int dlugosc;
    int miejsca = 0;  // decimal places of a BCD field
};
using TWierszZapisu = std::vector<QVariant>;

// One table file being written, row after row; closed when destroyed.
class TZapisParadox {
public:
    // Creates the file (replacing one of that name) with the fields; texts go in the code
    // page.
    TZapisParadox(const QString& plik, const std::vector<TPoleZapisu>& pola, int stronaKodowa);
    ~TZapisParadox();
    TZapisParadox(const TZapisParadox&) = delete;
    TZapisParadox& operator=(const TZapisParadox&) = delete;

    // Appends a row: texts in the code page (a QByteArray as it stands), integers, doubles
    // (BCD fields too), bools, dates and timestamps (from QDate, at midnight; a double as it
    // stands); a null value leaves the field empty. Only the first pola.size() values are
    // used. False, with Blad() saying why, when the row cannot be written.
    bool Dopisz(const TWierszZapisu& w);
    // Empty while every row has been written.
    const QString& Blad() const { return blad; }

private:
    struct TStan;
    std::unique_ptr<TStan> stan;
    std::vector<TPoleZapisu> pola;
    QString blad;
};

// The whole table at once; the empty text when written, otherwise what went wrong.
QString ZapiszTabeleParadox(const QString& plik, const std::vector<TPoleZapisu>& pola,
                            int stronaKodowa, const std::vector<TWierszZapisu>& wiersze);

// One of the old shop's tables as the old program made it.
struct TKsztaltTabeli {
    const char* nazwa;  // the store's table
    const char* plik;
    std::vector<TPoleZapisu> pola;  // the current shape, in the store's column order
    int starychPol;                 // how many of them the old shape (before the later columns) has
};
// klient.db, film.db, rental.db and dictionary.db.
const std::vector<TKsztaltTabeli>& KsztaltSklepuParadox();
