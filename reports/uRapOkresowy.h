// The takings of the rentals of a date range, line by line, with their total.
#pragma once

#include <QDate>
#include <QString>

#include "reports/Raport.h"

// The money taken for one rental. Returned: the charge minus what is still owed after the
// return minus what the subscription covered; open: the charge minus what is still owed.
// A missing value counts as 0, and a rental without a charge (written before the charge
// was kept) counts 0.00.
struct TKwotyWypozyczenia {
    bool zwrocono = false;
    bool jestNaleznosc = false;
    double naleznosc = 0;
    double platnosc = 0;
    double platnosc1 = 0;
    double zAbonamentu = 0;
};
double KwotaWypozyczenia(const TKwotyWypozyczenia& r);
// The amounts of the current row of the report's query.
TKwotyWypozyczenia KwotyWiersza(const TQuery& q);

// "Raport wypożyczeń w dniu dd.mm.yyyy" for one day, otherwise
// "Raport wypożyczeń za okres od dd.mm.yyyy do dd.mm.yyyy".
QString NaglowekOkresu(const QDate& od, const QDate& do_);

class TfRapOkresowy : public TRaport {
public:
    TfRapOkresowy();
    // Sets the heading, opens the rentals of the range and lays the report out, computing
    // their total takings on the way. False when the statement failed (its error text has
    // been shown; there is nothing to print).
    bool Init(const QDate& od, const QDate& do_);

    // The total of the range, as computed by Init.
    double Wplywy = 0;

private:
    double suma = 0;  // of the lines laid out so far
};
