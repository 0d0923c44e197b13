// An old shop in Paradox tables for the import tests: clients, films, a thousand rentals
// and the settings, in the old shape (without the later columns) or the current one.
#pragma once

#include <QString>
#include <QVariant>
#include <vector>

#include "admin/TabelaTestowa.h"

struct TTabelaSklepu {
    const char* nazwa;  // the store's table
    const char* plik;
    std::vector<TPoleTestowe> pola;  // the current shape, in the store's column order
    int starychPol;                  // how many of them the old shape has
    std::vector<TWierszTestowy> wiersze;
};

// The shop's four tables. Client 9 has the two open rentals (films 20 and 21, out).
std::vector<TTabelaSklepu> Sklep();

// Writes the tables into the folder in the code page, old or current shape.
void ZapiszSklep(const QString& katalog, bool staryKsztalt, int stronaKodowa);

// What the store should hold for the table after the import: every row in full, the
// columns an old table lacks as the upgrade fills them.
std::vector<TWierszTestowy> OczekiwaneWiersze(const TTabelaSklepu& t, bool staryKsztalt);
