// Paradox table files written with pxlib itself, as the old program's engine left them.
#pragma once

#include <QString>
#include <QVariant>
#include <vector>

struct TPoleTestowe {
    const char* nazwa;
    int typ;  // pxfAlpha, pxfLong, ...
    int dlugosc;
    int miejsca = 0;  // decimal places of a BCD field
};
using TWierszTestowy = std::vector<QVariant>;

// Writes the table: texts in the code page, integers, doubles (BCD fields too), bools,
// dates and timestamps (from QDate, at midnight); a null
// value leaves the field empty. Only the first pola.size() values of each row are used.
void ZapiszTabeleTestowa(const QString& plik, const std::vector<TPoleTestowe>& pola,
                         int stronaKodowa, const std::vector<TWierszTestowy>& wiersze);
