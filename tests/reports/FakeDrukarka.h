// A printing for tests: says whether a printer exists, records what it printed.
#pragma once

#include <QString>
#include <vector>

#include "reports/Druk.h"

class FakeDrukarka : public TDrukarka {
public:
    explicit FakeDrukarka(bool dostepna = true, bool drukuje = true)
        : jest(dostepna), udane(drukuje) {
        UstawDrukarke(this);
    }
    ~FakeDrukarka() override { UstawDrukarke(nullptr); }

    bool JestDrukarka() override { return jest; }
    bool Drukuj(TRaport& raport) override {
        zadania.push_back(raport.TytulZadania);
        strony.push_back(static_cast<int>(raport.Strony().size()));
        std::vector<QString> t;
        for (const TStrona& s : raport.Strony())
            for (const TUlozonyTekst& u : s.teksty) t.push_back(u.tekst);
        teksty.push_back(t);
        return udane;
    }

    bool jest;
    bool udane;
    std::vector<QString> zadania;              // the job titles printed
    std::vector<int> strony;                   // their page counts
    std::vector<std::vector<QString>> teksty;  // the texts of every page, in order placed
};
