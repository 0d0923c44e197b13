// Labels for the copies: each with a Code 128 barcode of the film number as the desk's
// number field takes it, the number in print and the title. Either A4 sheets of 3 x 8
// labels, their size following from the sheet's margins and the gaps between labels, or
// one label per page of a label printer.
#pragma once

#include <QDate>
#include <QString>
#include <vector>

#include "reports/OdczytRaportow.h"
#include "reports/Raport.h"

struct TUkladEtykiet {
    static constexpr int Kolumny = 3;
    static constexpr int Wiersze = 8;

    bool Arkusz = true;  // A4 sheets; false: a label printer
    // Sheet: margins at the top and bottom and at the left and right, gaps between
    // labels across and down, mm.
    double MarginesGorny = 0;
    double MarginesLewy = 0;
    double OdstepPoziomy = 0;
    double OdstepPionowy = 0;
    // Label printer: the label's size, mm.
    double Szerokosc = 50;
    double Wysokosc = 30;

    // The size of one label: on a sheet what the margins and gaps leave.
    double SzerokoscEtykiety() const;
    double WysokoscEtykiety() const;
    // Why the layout cannot be printed (in Polish), empty when it can.
    QString Blad() const;
    bool operator==(const TUkladEtykiet&) const = default;
};

// The layout the shop saved in the store (group ETYKIETY); defaults when none.
TUkladEtykiet WczytajUkladEtykiet();
// False when it is not stored (the store's error text has been shown).
bool ZapiszUkladEtykiet(const TUkladEtykiet& uklad);

class TRapEtykiety : public TRaport {
public:
    TRapEtykiety(std::vector<TEtykieta> drukowane, const TUkladEtykiet& ulozenie);
    std::vector<TStrona> Uloz() override;

    // The box of the n-th label of a page, mm from the paper's corner.
    QRectF MiejsceEtykiety(int n) const;

private:
    std::vector<TEtykieta> etykiety;
    TUkladEtykiet uklad;
};
