// The client card: 85 x 54 mm with the shop's name, the client's name and number, and a
// Code 128 barcode of the number as the desk's number field takes it.
#pragma once

#include <QString>

#include "reports/OdczytRaportow.h"
#include "reports/Raport.h"
#include "settings/Wypozyczalnia.h"

class TRapKartaKlienta : public TRaport {
public:
    static constexpr double Szerokosc = 85;
    static constexpr double Wysokosc = 54;

    TRapKartaKlienta(const TKartaKlienta& dane, const TWypozyczalnia& sklep);
    std::vector<TStrona> Uloz() override;

private:
    TKartaKlienta karta;
    TWypozyczalnia wypozyczalnia;
};
