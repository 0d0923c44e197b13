// The generated shop as the old program's Paradox tables (klient.db, film.db, rental.db,
// dictionary.db): what the import of old tables brings over, at a chosen size.
#pragma once

#include <QDate>
#include <QString>

#include "bench/Generator.h"

struct TTabeleSklepu {
    int klienci = 0;
    int filmy = 0;
    int wypozyczenia = 0;
    int ustawienia = 0;  // rows of dictionary.db
};

// Generates the shop (GenerujSklep, the same seed giving the same shop) in a store of its
// own under `roboczy`, then writes its tables into `katalog` in the current shape, texts in
// code page 1250, with the shop's settings in dictionary.db. Throws TBladBazy.
TTabeleSklepu GenerujTabeleParadox(const QString& katalog, const QString& roboczy,
                                   const TRozmiarSklepu& rozmiar, const QDate& dzis,
                                   unsigned ziarno = 2026);

// Writes the four tables of the store in `katalogBazy` (its file PlikBazy, read directly)
// into `katalog` as above. Throws TBladBazy.
TTabeleSklepu ZapiszBazeJakoParadox(const QString& katalogBazy, const QString& katalog);
