#include "money/uRozliczenieWycofania.h"

#include "store/Formaty.h"

TWynikWycofania RozliczWycofanie(const TDaneWycofania& dane) {
    TWynikWycofania w;
    double wycofano = 0;
    for (int i = 0; i < static_cast<int>(dane.Wiersze.size()); ++i) {
        if (i < dane.Pierwszy || i > dane.Ostatni) continue;
        w.Wycofane.push_back(dane.Wiersze[i].IdFilmu);
        wycofano += ZaokraglijDoGroszy(dane.Wiersze[i].Naleznosc);
    }
    w.LicznikAb = dane.LicznikAb - static_cast<int>(w.Wycofane.size());

    const double u = ZaokraglijDoGroszy(dane.Razem);
    double wplacono = ZaokraglijDoGroszy(dane.Wplacono);
    // q: the charges of the remaining rentals; the provisional debit of every unpaid
    // part is taken back.
    const double q = ZaokraglijDoGroszy(wplacono + u - wycofano);
    double saldo = ZaokraglijDoGroszy(dane.Saldo + u);
    if (KwotaDodatnia(wplacono - q)) {
        const double nadwyzka = ZaokraglijDoGroszy(wplacono - q);
        w.Nadplata = KomunikatNadplaty(QStringLiteral("Pobrano za wysoką kwotę."), nadwyzka,
                                       QString(), TRodzajKomunikatu::Uwaga);
        wplacono = q;
        w.Razem = 0;
    } else {
        w.Razem = ZaokraglijDoGroszy(q - wplacono);
        saldo = ZaokraglijDoGroszy(saldo - w.Razem);
    }
    w.Wplacono = wplacono;
    w.Saldo = saldo;

    // What stays paid is spread again over the remaining rows in list order.
    double pieniadze = wplacono;
    for (int i = 0; i < static_cast<int>(dane.Wiersze.size()); ++i) {
        if (i >= dane.Pierwszy && i <= dane.Ostatni) continue;
        const TWierszListy& r = dane.Wiersze[i];
        w.Pozostale.push_back(
            {r.IdFilmu, RozlozNaNaleznosc(pieniadze, ZaokraglijDoGroszy(r.Naleznosc))});
    }
    return w;
}
