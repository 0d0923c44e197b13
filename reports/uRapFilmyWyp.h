// The printed list of the films out (kind 0) or of the overdue ones (kind 1).
#pragma once

#include "reports/Raport.h"

class TfRapFilmyWyp : public TRaport {
public:
    TfRapFilmyWyp();
    // Sets the heading of the kind and opens the query of its open rentals.
    void Przygotuj(int rodzaj);

    int Rodzaj = 0;
};
