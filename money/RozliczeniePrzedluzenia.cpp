#include "money/RozliczeniePrzedluzenia.h"

#include <algorithm>

#include "money/Cennik.h"

namespace {

bool Przedluzany(const TDanePrzedluzenia& d, int i) {
    return i >= d.Pierwszy && i <= d.Ostatni;
}

}  // namespace

TPrzedPrzedluzeniem PrzygotujPrzedluzenie(const TDanePrzedluzenia& dane) {
    TPrzedPrzedluzeniem p;
    const TKwota nieoplacone = dane.Razem;
    const TKwota wplacono = dane.Wplacono;
    p.Saldo = dane.Saldo + nieoplacone;
    int licznik = dane.LicznikAb - std::max(dane.Ostatni - dane.Pierwszy + 1, 0);
    TKwota naleznosci = wplacono + nieoplacone;  // the charges of all listed rows
    p.DataDO = dane.Ustawienia.Zasady.PierwszyOtwarty(dane.Dzisiaj.addDays(dane.IloscDni));
    for (int i = 0; i < static_cast<int>(dane.Wiersze.size()); ++i) {
        const TWierszListy& r = dane.Wiersze[i];
        TKwota naleznosc = r.Naleznosc;
        if (Przedluzany(dane, i)) {
            naleznosci -= naleznosc;
            ++licznik;
            // The whole rental from its start to the new due date, as one rental.
            const double stawka = r.Stawka.Zlote();
            const double cena = dane.Abonament
                                    ? CenaAbonenta(dane.Ustawienia, dane.RabatKlienta, licznik,
                                                   stawka, dane.DataOD, p.DataDO)
                                    : CenaWypozyczenia(dane.Ustawienia, dane.RabatKlienta,
                                                       CenaNajmu, stawka, dane.DataOD, p.DataDO);
            naleznosc = TKwota::ZeZlotych(cena);
            naleznosci += naleznosc;
        }
        p.Naleznosci.push_back(naleznosc);
    }
    p.Naleznosc = naleznosci;
    p.LicznikAb = licznik;
    if (!dane.Abonament)
        p.Wplata = {true, QStringLiteral("Dopłacono:"), NieUjemna(p.Naleznosc - wplacono)};
    return p;
}

TWynikPrzedluzenia RozliczPrzedluzenie(const TDanePrzedluzenia& dane,
                                       const TPrzedPrzedluzeniem& przed, TKwota wplata) {
    TWynikPrzedluzenia w;
    w.Pobrano = wplata;
    const TKwota naleznosc = przed.Naleznosc;
    TKwota zaplacono = dane.Wplacono;
    if (przed.Wplata.Pokaz) zaplacono += NieUjemna(wplata);
    w.Zaplacono = zaplacono;

    TKwota niezaplacone;
    if (zaplacono > naleznosc) {
        w.Nadplata =
            KomunikatNadplaty(QStringLiteral("Pobrano za wysoką kwotę."), zaplacono - naleznosc,
                              QStringLiteral("zł"), TRodzajKomunikatu::Uwaga);
    } else {
        niezaplacone = naleznosc - zaplacono;
    }
    w.Saldo = przed.Saldo - niezaplacone;
    w.LicznikAb = przed.LicznikAb;

    // What was paid is spread over all listed rows, extended or not.
    for (int i = 0; i < static_cast<int>(dane.Wiersze.size()); ++i) {
        TWierszPoPrzedluzeniu r;
        r.IdFilmu = dane.Wiersze[i].IdFilmu;
        r.Przedluzony = Przedluzany(dane, i);
        r.Naleznosc = przed.Naleznosci[i];
        r.Platnosc = RozlozNaNaleznosc(zaplacono, r.Naleznosc);
        w.Wiersze.push_back(r);
    }
    return w;
}
