// The cash-up: every movement of the till journal in a date range (of every counter or of
// one), in time order, with the totals per operation and the sum the till should hold.
#pragma once

#include <QDate>
#include <QString>
#include <utility>
#include <vector>

#include "reports/OdczytRaportow.h"
#include "reports/RaportZakresu.h"
#include "store/Kwota.h"

// The total of each operation: the journal's operations in their fixed order (every one,
// also at 0,00), then any other operation the movements name, in order of appearance.
std::vector<std::pair<QString, TKwota>> SumyRodzajow(const std::vector<TRuchKasy>& ruchy);

class TfRapKasowy : public TRaportZakresu {
public:
    TfRapKasowy();
    // Sets the heading, opens the movements of the range and lays the report out, reading
    // them once: the totals are added up on the way and go into the title and the CSV
    // lines after the last line. False when the statement failed (its error text has been
    // shown; there is nothing to print). With a counter's name, only that counter's
    // movements, and the heading names it.
    bool Init(const QDate& od, const QDate& do_, const QString& stanowisko = QString());

    // As read by Init.
    std::vector<TRuchKasy> Ruchy;
    TKwota Razem;

private:
    // The title: the period, what the till should hold, and each operation's total.
    void UstawTytul();

    QString okres;
};
