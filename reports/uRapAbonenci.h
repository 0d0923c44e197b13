// The printed list of subscribers.
#pragma once

#include "reports/Raport.h"

class TfRapAbonenci : public TRaport {
public:
    TfRapAbonenci();
    // Opens the query of every client holding a subscription.
    void Przygotuj();
};
