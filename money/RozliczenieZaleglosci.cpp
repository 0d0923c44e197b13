#include "money/RozliczenieZaleglosci.h"

#include "money/Cennik.h"

TPropozycjaWplaty WplataZaleglosci(TKwota naleznosc) {
    return {true, QStringLiteral("Do zapłaty:"), naleznosc};
}

TOcenaWplatyZaleglosci OcenWplateZaleglosci(TKwota naleznosc, TKwota wplata) {
    TOcenaWplatyZaleglosci o;
    o.Wplata = wplata;
    o.Pobrano = wplata;
    if (o.Wplata > naleznosc) {
        o.Nadplata = TKomunikatRozliczenia{QStringLiteral("Pobrano za wysoką kwotę."),
                                           TRodzajKomunikatu::Ostrzezenie, o.Wplata - naleznosc};
        o.Wplata = naleznosc;
    } else if (o.Wplata < naleznosc) {
        o.Pytaj = true;
        o.Pytanie = QStringLiteral("Pobrano kwotę niższą niż należność. Czy zaksięgować wpłatę?");
    }
    return o;
}

TWynikZaleglosci RozliczZaleglosci(const std::vector<TKwota>& zaleglosci, TKwota wplata) {
    TWynikZaleglosci w;
    // Never more is booked than the rows owe, so the balance and the rows agree.
    TKwota pieniadze = Min(NieUjemna(wplata), Suma(zaleglosci));
    w.ZmianaSalda = pieniadze;
    for (TKwota x : zaleglosci) w.Zaleglosci.push_back(RozlozNaNaleznosc(pieniadze, x));
    w.Razem = Suma(w.Zaleglosci);
    return w;
}
