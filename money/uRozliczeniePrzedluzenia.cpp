#include "money/uRozliczeniePrzedluzenia.h"

#include <algorithm>

#include "money/uCennik.h"
#include "store/Formaty.h"

namespace {

bool Przedluzany(const TDanePrzedluzenia& d, int i) {
    return i >= d.Pierwszy && i <= d.Ostatni;
}

}  // namespace

TPrzedPrzedluzeniem PrzygotujPrzedluzenie(const TDanePrzedluzenia& dane) {
    TPrzedPrzedluzeniem p;
    const double u = ZaokraglijDoGroszy(dane.Razem);
    const double w = ZaokraglijDoGroszy(dane.Wplacono);
    p.Saldo = ZaokraglijDoGroszy(dane.Saldo + u);
    int licznik = dane.LicznikAb - std::max(dane.Ostatni - dane.Pierwszy + 1, 0);
    double c = w + u;
    p.DataDO = dane.Dzisiaj.addDays(dane.IloscDni);
    for (int i = 0; i < static_cast<int>(dane.Wiersze.size()); ++i) {
        const TWierszListy& r = dane.Wiersze[i];
        double naleznosc = ZaokraglijDoGroszy(r.Naleznosc);
        if (Przedluzany(dane, i)) {
            c -= naleznosc;
            ++licznik;
            // The whole rental from its start to the new due date, as one rental.
            const double cena = dane.Abonament
                                    ? CenaAbonenta(dane.Ustawienia, dane.RabatKlienta, licznik,
                                                   r.Stawka, dane.DataOD, p.DataDO)
                                    : CenaWypozyczenia(dane.Ustawienia, dane.RabatKlienta,
                                                       CenaNajmu, r.Stawka, dane.DataOD, p.DataDO);
            naleznosc = ZaokraglijDoGroszy(cena);
            c += naleznosc;
        }
        p.Naleznosci.push_back(naleznosc);
    }
    p.Naleznosc = ZaokraglijDoGroszy(c);
    p.LicznikAb = licznik;
    if (!dane.Abonament) {
        p.Wplata.Pokaz = true;
        p.Wplata.Etykieta = QStringLiteral("Dopłacono:");
        p.Wplata.Kwota = std::max(ZaokraglijDoGroszy(p.Naleznosc - w), 0.0);
    }
    return p;
}

TWynikPrzedluzenia RozliczPrzedluzenie(const TDanePrzedluzenia& dane,
                                       const TPrzedPrzedluzeniem& przed, double wplata) {
    TWynikPrzedluzenia w;
    const double c = przed.Naleznosc;
    double p = ZaokraglijDoGroszy(dane.Wplacono);
    if (przed.Wplata.Pokaz) p = ZaokraglijDoGroszy(p + std::max(wplata, 0.0));
    w.Zaplacono = p;

    double niezaplacone = 0;
    if (KwotaDodatnia(p - c)) {
        const double nadwyzka = ZaokraglijDoGroszy(p - c);
        w.Nadplata = KomunikatNadplaty(QStringLiteral("Pobrano za wysoką kwotę."), nadwyzka,
                                       QStringLiteral("zł"), TRodzajKomunikatu::Uwaga);
    } else {
        niezaplacone = ZaokraglijDoGroszy(c - p);
    }
    w.Saldo = ZaokraglijDoGroszy(przed.Saldo - niezaplacone);
    w.LicznikAb = przed.LicznikAb;

    // What was paid is spread over all listed rows, extended or not.
    for (int i = 0; i < static_cast<int>(dane.Wiersze.size()); ++i) {
        TWierszPoPrzedluzeniu r;
        r.IdFilmu = dane.Wiersze[i].IdFilmu;
        r.Przedluzony = Przedluzany(dane, i);
        r.Naleznosc = przed.Naleznosci[i];
        r.Platnosc = RozlozNaNaleznosc(p, r.Naleznosc);
        w.Wiersze.push_back(r);
    }
    return w;
}
