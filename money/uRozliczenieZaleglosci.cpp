#include "money/uRozliczenieZaleglosci.h"

#include <algorithm>

#include "money/uCennik.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"

TPropozycjaWplaty WplataZaleglosci(double naleznosc) {
    return {true, QStringLiteral("Do zapłaty:"), ZaokraglijDoGroszy(naleznosc)};
}

TOcenaWplatyZaleglosci OcenWplateZaleglosci(double naleznosc, double wplata) {
    TOcenaWplatyZaleglosci o;
    const double due = ZaokraglijDoGroszy(naleznosc);
    o.Wplata = ZaokraglijDoGroszy(wplata);
    if (KwotaDodatnia(o.Wplata - due)) {
        o.Nadplata = TKomunikatRozliczenia{QStringLiteral("Pobrano za wysoką kwotę."),
                                           TRodzajKomunikatu::Ostrzezenie,
                                           ZaokraglijDoGroszy(o.Wplata - due)};
        o.Wplata = due;
    } else if (KwotaUjemna(o.Wplata - due)) {
        o.Pytaj = true;
        o.Pytanie = QStringLiteral("Pobrano kwotę niższą niż należność. Czy zaksięgować wpłatę?");
    }
    return o;
}

TWynikZaleglosci RozliczZaleglosci(const std::vector<double>& zaleglosci, double wplata) {
    TWynikZaleglosci w;
    // Never more is booked than the rows owe, so the balance and the rows agree.
    double pieniadze = std::clamp(ZaokraglijDoGroszy(wplata), 0.0, SumaKwot(zaleglosci));
    w.ZmianaSalda = pieniadze;
    for (double x : zaleglosci)
        w.Zaleglosci.push_back(RozlozNaNaleznosc(pieniadze, ZaokraglijDoGroszy(x)));
    w.Razem = SumaKwot(w.Zaleglosci);
    return w;
}
