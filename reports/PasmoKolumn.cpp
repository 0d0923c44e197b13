#include "reports/PasmoKolumn.h"

TPasmo& PasmoKolumn(TRaport& raport, std::initializer_list<std::pair<QString, double>> kolumny) {
    auto& pasmo = raport.Pasmo(TRodzajPasma::NaglowekKolumn, 6);
    pasmo.ramka = true;
    pasmo.Kolumny(kolumny);
    return pasmo;
}
