#include "money/RozliczenieWycofania.h"

TWynikWycofania RozliczWycofanie(const TDaneWycofania& dane) {
    TWynikWycofania w;
    TKwota wycofano;
    for (int i = 0; i < static_cast<int>(dane.Wiersze.size()); ++i) {
        if (i < dane.Pierwszy || i > dane.Ostatni) continue;
        w.Wycofane.push_back(dane.Wiersze[i].IdFilmu);
        wycofano += dane.Wiersze[i].Naleznosc;
    }
    w.LicznikAb = dane.LicznikAb - static_cast<int>(w.Wycofane.size());

    const TKwota nieoplacone = dane.Razem;
    TKwota wplacono = dane.Wplacono;
    // The charges of the remaining rentals; the provisional debit of every unpaid part is
    // taken back.
    const TKwota pozostale = wplacono + nieoplacone - wycofano;
    TKwota saldo = dane.Saldo + nieoplacone;
    if (wplacono > pozostale) {
        w.Nadplata = KomunikatNadplaty(QStringLiteral("Pobrano za wysoką kwotę."),
                                       wplacono - pozostale, QString(), TRodzajKomunikatu::Uwaga);
        wplacono = pozostale;
        w.Razem = TKwota();
    } else {
        w.Razem = pozostale - wplacono;
        saldo -= w.Razem;
    }
    w.Wplacono = wplacono;
    w.Saldo = saldo;
    w.SaldoPrzed = dane.Saldo;

    // What stays paid is spread again over the remaining rows in list order.
    TKwota pieniadze = wplacono;
    for (int i = 0; i < static_cast<int>(dane.Wiersze.size()); ++i) {
        if (i >= dane.Pierwszy && i <= dane.Ostatni) continue;
        const TWierszListy& r = dane.Wiersze[i];
        w.Pozostale.push_back({r.IdFilmu, RozlozNaNaleznosc(pieniadze, r.Naleznosc)});
    }
    return w;
}
