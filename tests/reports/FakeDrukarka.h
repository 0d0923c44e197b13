// A printing for tests: says whether a printer exists, records what it printed.
#pragma once

#include <QString>
#include <vector>

#include "reports/Druk.h"

class FakeDrukarka : public TDrukarka {
public:
    explicit FakeDrukarka(bool jest = true, bool udane = true) : jest(jest), udane(udane) {
        UstawDrukarke(this);
    }
    ~FakeDrukarka() override { UstawDrukarke(nullptr); }

    bool JestDrukarka() override { return jest; }
    bool Drukuj(TRaport& raport) override {
        zadania.push_back(raport.TytulZadania);
        strony.push_back(static_cast<int>(raport.Strony().size()));
        return udane;
    }

    bool jest;
    bool udane;
    std::vector<QString> zadania;  // the job titles printed
    std::vector<int> strony;       // their page counts
};
