#include "app/ZmianyKlienta.h"

#include "money/OdczytPulpitu.h"

TStanKlientaPulpitu::TStanKlientaPulpitu(const TKlientPulpitu& k,
                                         const std::vector<TWypozyczenieNaLiscie>& lista, TKwota z)
    : klient(k), zaleglosci(z) {
    for (const TWypozyczenieNaLiscie& w : lista)
        otwarte.push_back({w.IdFilmu, w.Rozliczenie.Naleznosc, w.Rozliczenie.Platnosc,
                           w.Rozliczenie.DataOD, w.Rozliczenie.DataDO, w.Rozliczenie.Stawka});
}

void TZmianyKlienta::Zapamietaj(const TStanKlientaPulpitu& stan) {
    pokazany = stan;
    znacznik = TBaza::Znacznik();
}

bool TZmianyKlienta::Zmieniony() {
    if (!pokazany) return false;
    const TZnacznikBazy teraz = TBaza::Znacznik();
    if (teraz == znacznik) return false;
    znacznik = teraz;
    const std::optional<TKlientPulpitu> klient = KlientONumerze(query, pokazany->klient.Numer);
    if (!klient) return true;
    return TStanKlientaPulpitu(*klient, OtwarteWypozyczenia(query, klient->Id),
                               SumaZaleglosci(query, klient->Id).value_or(TKwota())) != *pokazany;
}
