#include "money/uRozliczenia.h"

#include "money/uCennik.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"

TKomunikatRozliczenia KomunikatNadplaty(const QString& naglowek, double nadwyzka,
                                        const QString& poKwocie, TRodzajKomunikatu rodzaj) {
    return {naglowek + NowaLinia + QStringLiteral("Do zwrotu ") + KwotaNaEkran(nadwyzka) + poKwocie,
            rodzaj, nadwyzka};
}

void PokazKomunikatRozliczenia(const TKomunikatRozliczenia& komunikat) {
    switch (komunikat.Rodzaj) {
        case TRodzajKomunikatu::Informacja:
            Informacja(komunikat.Tekst);
            break;
        case TRodzajKomunikatu::Ostrzezenie:
            Ostrzezenie(komunikat.Tekst);
            break;
        case TRodzajKomunikatu::Uwaga:
            Uwaga(komunikat.Tekst);
            break;
    }
}

double RozlozNaNaleznosc(double& pieniadze, double naleznosc) {
    if (KwotaDodatnia(naleznosc - pieniadze)) {
        const double niezaplacone = ZaokraglijDoGroszy(naleznosc - pieniadze);
        pieniadze = 0;
        return niezaplacone;
    }
    pieniadze = ZaokraglijDoGroszy(pieniadze - naleznosc);
    return 0;
}

// ---------------------------------------------------------------- open rentals

TWykazOtwartych PodsumujOtwarte(const std::vector<TOtwarteWypozyczenie>& wiersze,
                                const QDate& dzisiaj) {
    TWykazOtwartych w;
    std::vector<double> naleznosci, platnosci;
    for (const TOtwarteWypozyczenie& r : wiersze) {
        TWierszOtwarty wiersz;
        wiersz.Naleznosc = ZaokraglijDoGroszy(r.Naleznosc);
        wiersz.IloscDni = LiczbaDni(r.DataOD, r.DataDO);
        wiersz.Stawka = ZaokraglijDoGroszy(r.Stawka.value_or(r.StawkaFilmu));
        w.Wiersze.push_back(wiersz);
        naleznosci.push_back(wiersz.Naleznosc);
        platnosci.push_back(r.Platnosc);
        w.PoTerminie = r.DataDO.isValid() && dzisiaj > r.DataDO;
    }
    w.SumaPlatnosci = SumaKwot(platnosci);
    w.Razem = w.SumaPlatnosci;
    w.Wplacono = ZaokraglijDoGroszy(SumaKwot(naleznosci) - w.SumaPlatnosci);
    w.WplaconoWczesniej = w.Wplacono;
    return w;
}

// ---------------------------------------------------------------- rental commit

TPrzedWypozyczeniem PrzygotujWypozyczenie(const TDaneWypozyczenia& dane) {
    TPrzedWypozyczeniem p;
    double s = ZaokraglijDoGroszy(dane.Saldo);
    double d = ZaokraglijDoGroszy(dane.Razem);
    // A regular client's credit is spent first; a subscriber's balance never is.
    if (KwotaDodatnia(s) && !dane.Abonament) {
        if (KwotaDodatnia(s - d)) {
            s = ZaokraglijDoGroszy(s - d);
            d = 0;
        } else {
            d = ZaokraglijDoGroszy(d - s);
            s = 0;
        }
        p.ZapiszSaldo = true;
    }
    p.Saldo = s;
    p.DoZaplaty = d;
    if (!KwotaZerowa(d)) {
        p.Wplata.Pokaz = true;
        p.Wplata.Etykieta = QStringLiteral("Pobrano:");
        p.Wplata.Kwota = dane.Abonament ? 0 : d;
    }
    return p;
}

TWynikWypozyczenia RozliczWypozyczenie(const TDaneWypozyczenia& dane,
                                       const TPrzedWypozyczeniem& przed, double pobrano) {
    TWynikWypozyczenia w;
    const double razem = ZaokraglijDoGroszy(dane.Razem);
    const double wczesniej = ZaokraglijDoGroszy(dane.WplaconoWczesniej);
    const double a = przed.Wplata.Pokaz ? ZaokraglijDoGroszy(pobrano) : 0;

    // eWplata: the money taken (added to what the listing had paid), then the part of
    // the total that the credit paid.
    const double wplata = dane.TrybZwrot ? ZaokraglijDoGroszy(dane.Wplata) + a : a;
    w.Wplata = ZaokraglijDoGroszy(wplata + razem - przed.DoZaplaty);

    double saldo = przed.Saldo;
    // An invalid end date never ends a subscription: the zeroing of the balance is
    // done only on a known past date.
    if (dane.Abonament && dane.AbonamentDo.isValid() && dane.AbonamentDo < dane.Dzien) {
        w.KoniecAbonamentu = TKomunikatRozliczenia{
            QStringLiteral("Upłynął termin ważności abonamentu.") + NowaLinia +
                QStringLiteral("Saldo klienta zostanie wyzerowane."),
            TRodzajKomunikatu::Informacja, 0};
        saldo = 0;
    }

    double p = razem;  // what is to be paid, later the part left unpaid
    double pieniadze = ZaokraglijDoGroszy(w.Wplata - wczesniej);  // the money taken now
    if (!KwotaDodatnia(pieniadze - p)) {
        p = ZaokraglijDoGroszy(p - pieniadze);
    } else if (!KwotaZerowa(pieniadze)) {
        const double nadwyzka = ZaokraglijDoGroszy(pieniadze - p);
        w.Nadplata = KomunikatNadplaty(QStringLiteral("Pobrano za wysoką kwotę."), nadwyzka,
                                       QStringLiteral("zł."), TRodzajKomunikatu::Ostrzezenie);
        pieniadze = p;
        p = 0;
    }
    pieniadze = ZaokraglijDoGroszy(pieniadze + wczesniej);

    for (const TWierszListy& r : dane.Wiersze) {
        TWierszWypozyczenia wiersz;
        wiersz.IdFilmu = r.IdFilmu;
        wiersz.Naleznosc = ZaokraglijDoGroszy(r.Naleznosc);
        wiersz.Stawka = ZaokraglijDoGroszy(r.Stawka);
        wiersz.Platnosc = RozlozNaNaleznosc(pieniadze, wiersz.Naleznosc);
        wiersz.DataOD = dane.Dzien;
        wiersz.DataDO = dane.Dzien.addDays(r.IloscDni);
        w.Wiersze.push_back(wiersz);
    }

    // In mode Zwrot the listed rentals' unpaid parts were charged when they were rented
    // and are part of p again.
    w.ZmianaSalda = dane.TrybZwrot ? ZaokraglijDoGroszy(dane.SumaPlatnosci - p) : -p;
    w.NoweSaldo = ZaokraglijDoGroszy(saldo + w.ZmianaSalda);
    w.LicznikAb = dane.LicznikAb;
    return w;
}
