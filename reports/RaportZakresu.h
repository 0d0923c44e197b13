// The shape shared by the reports of a date range (the cash-up, the takings): the page
// header with the report's name and the printing date, and the heading of the range.
#pragma once

#include <QDate>
#include <QString>

#include "reports/Raport.h"

// "<name> w dniu dd.mm.yyyy" for one day, otherwise
// "<name> za okres od dd.mm.yyyy do dd.mm.yyyy".
QString NaglowekZakresu(const QString& nazwa, const QDate& od, const QDate& do_);

class TRaportZakresu : public TRaport {
protected:
    // The print job is "Wirdolan - <name in lower case>".
    explicit TRaportZakresu(const QString& nazwa);
};
