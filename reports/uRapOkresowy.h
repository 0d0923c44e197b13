// The takings of the rentals of a date range, line by line, with their total.
#pragma once

#include <QDate>

#include "reports/OdczytRaportow.h"
#include "reports/RaportZakresu.h"
#include "store/Kwota.h"

// The money taken for one rental. Returned: the charge minus what is still owed after the
// return minus what the subscription covered; open: the charge minus what is still owed.
// A rental without a charge (written before the charge was kept) counts 0,00.
TKwota KwotaWypozyczenia(const TKwotyWypozyczenia& r);

class TfRapOkresowy : public TRaportZakresu {
public:
    TfRapOkresowy();
    // Sets the heading, opens the rentals of the range and lays the report out, computing
    // their total takings on the way. False when the statement failed (its error text has
    // been shown; there is nothing to print).
    bool Init(const QDate& od, const QDate& do_);

    // The total of the range, as computed by Init.
    TKwota Wplywy;

private:
    TKwota suma;  // of the lines laid out so far
};
