// Paradox table files written with pxlib itself, as the old program's engine left them.
#pragma once

#include <QString>
#include <vector>

#include "bench/ZapisParadox.h"

using TPoleTestowe = TPoleZapisu;
using TWierszTestowy = TWierszZapisu;

// Writes the table (see TZapisParadox::Dopisz); a row that cannot be written fails the test.
void ZapiszTabeleTestowa(const QString& plik, const std::vector<TPoleTestowe>& pola,
                         int stronaKodowa, const std::vector<TWierszTestowy>& wiersze);
