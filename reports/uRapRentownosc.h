// The rankings: current films by their takings (kind 1), clients by the total charged for
// their returned rentals (kind 2), highest first, every row printed.
#pragma once

#include "reports/Raport.h"
#include "store/Kwota.h"

// An amount of the ranking: two decimals with the decimal comma and " zł".
QString KwotaRankingu(TKwota kwota);

class TfRapRentownosc : public TRaport {
public:
    TfRapRentownosc();
    // Stores the kind, sets the heading and the column captions and opens the statement.
    void Przygotuj(int rodzaj);

    int Rodzaj = 1;
};
