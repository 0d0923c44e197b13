#include "money/Rozliczenia.h"

#include "money/Cennik.h"
#include "store/Formaty.h"

TKomunikatRozliczenia KomunikatNadplaty(const QString& naglowek, TKwota nadwyzka,
                                        const QString& poKwocie, TRodzajKomunikatu rodzaj) {
    return {naglowek + NowaLinia + QStringLiteral("Do zwrotu ") + KwotaNaEkran(nadwyzka) + poKwocie,
            rodzaj, nadwyzka};
}

TKwota RozlozNaNaleznosc(TKwota& pieniadze, TKwota naleznosc) {
    if (naleznosc > pieniadze) {
        const TKwota niezaplacone = naleznosc - pieniadze;
        pieniadze = TKwota();
        return niezaplacone;
    }
    pieniadze -= naleznosc;
    return TKwota();
}

// ---------------------------------------------------------------- open rentals

TWykazOtwartych PodsumujOtwarte(const std::vector<TOtwarteWypozyczenie>& wiersze,
                                const QDate& dzisiaj) {
    TWykazOtwartych w;
    TKwota naleznosci;
    for (const TOtwarteWypozyczenie& r : wiersze) {
        TWierszOtwarty wiersz;
        wiersz.Naleznosc = r.Naleznosc;
        wiersz.IloscDni = LiczbaDni(r.DataOD, r.DataDO);
        wiersz.Stawka = r.Stawka.value_or(r.StawkaFilmu);
        w.Wiersze.push_back(wiersz);
        naleznosci += wiersz.Naleznosc;
        w.SumaPlatnosci += r.Platnosc;
        w.PoTerminie = r.DataDO.isValid() && dzisiaj > r.DataDO;
    }
    w.Razem = w.SumaPlatnosci;
    w.Wplacono = naleznosci - w.SumaPlatnosci;
    w.WplaconoWczesniej = w.Wplacono;
    return w;
}

// ---------------------------------------------------------------- rental commit

TPrzedWypozyczeniem PrzygotujWypozyczenie(const TDaneWypozyczenia& dane) {
    TPrzedWypozyczeniem p;
    TKwota saldo = dane.Saldo;
    TKwota doZaplaty = dane.Razem;
    // A regular client's credit is spent first; a subscriber's balance never is.
    if (saldo.Dodatnia() && !dane.Abonament) {
        if (saldo > doZaplaty) {
            saldo -= doZaplaty;
            doZaplaty = TKwota();
        } else {
            doZaplaty -= saldo;
            saldo = TKwota();
        }
        p.ZapiszSaldo = true;
    }
    p.Saldo = saldo;
    p.DoZaplaty = doZaplaty;
    if (!doZaplaty.Zero())
        p.Wplata = {true, QStringLiteral("Pobrano:"), dane.Abonament ? TKwota() : doZaplaty};
    return p;
}

TWynikWypozyczenia RozliczWypozyczenie(const TDaneWypozyczenia& dane,
                                       const TPrzedWypozyczeniem& przed, TKwota pobrano) {
    TWynikWypozyczenia w;
    w.Pobrano = pobrano;
    const TKwota razem = dane.Razem;
    const TKwota wczesniej = dane.WplaconoWczesniej;
    const TKwota pobranoTeraz = przed.Wplata.Pokaz ? pobrano : TKwota();

    // eWplata: the money taken (added to what the listing had paid), then the part of
    // the total that the credit paid.
    const TKwota wplata = dane.TrybZwrot ? dane.Wplata + pobranoTeraz : pobranoTeraz;
    w.Wplata = wplata + razem - przed.DoZaplaty;

    TKwota saldo = przed.Saldo;
    // An invalid end date never ends a subscription: the zeroing of the balance is
    // done only on a known past date.
    if (dane.Abonament && dane.AbonamentDo.isValid() && dane.AbonamentDo < dane.Dzien) {
        w.KoniecAbonamentu = TKomunikatRozliczenia{
            QStringLiteral("Upłynął termin ważności abonamentu.") + NowaLinia +
                QStringLiteral("Saldo klienta zostanie wyzerowane."),
            TRodzajKomunikatu::Informacja, TKwota()};
        saldo = TKwota();
    }

    TKwota nieoplacone = razem;               // what is to be paid, later left unpaid
    TKwota pieniadze = w.Wplata - wczesniej;  // the money taken now
    if (pieniadze <= nieoplacone) {
        nieoplacone -= pieniadze;
    } else if (!pieniadze.Zero()) {
        w.Nadplata =
            KomunikatNadplaty(QStringLiteral("Pobrano za wysoką kwotę."), pieniadze - nieoplacone,
                              QStringLiteral("zł."), TRodzajKomunikatu::Ostrzezenie);
        pieniadze = nieoplacone;
        nieoplacone = TKwota();
    }
    pieniadze += wczesniej;

    for (const TWierszListy& r : dane.Wiersze) {
        TWierszWypozyczenia wiersz;
        wiersz.IdFilmu = r.IdFilmu;
        wiersz.Naleznosc = r.Naleznosc;
        wiersz.Stawka = r.Stawka;
        wiersz.Platnosc = RozlozNaNaleznosc(pieniadze, wiersz.Naleznosc);
        wiersz.DataOD = dane.Dzien;
        // A due date on a closed day moves to the next open day, at no extra charge.
        wiersz.DataDO = dane.Zasady.PierwszyOtwarty(dane.Dzien.addDays(r.IloscDni));
        w.Wiersze.push_back(wiersz);
    }

    // In mode Zwrot the listed rentals' unpaid parts were charged when they were rented
    // and are part of what is unpaid again.
    w.ZmianaSalda = dane.TrybZwrot ? dane.SumaPlatnosci - nieoplacone : -nieoplacone;
    w.NoweSaldo = saldo + w.ZmianaSalda;
    w.LicznikAb = dane.LicznikAb;
    return w;
}
