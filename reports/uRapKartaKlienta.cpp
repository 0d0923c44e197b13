#include "reports/uRapKartaKlienta.h"

#include "reports/KodKreskowy.h"
#include "reports/Uklad.h"
#include "store/Formaty.h"

TRapKartaKlienta::TRapKartaKlienta(const TKartaKlienta& dane, const TWypozyczalnia& sklep)
    : karta(dane), wypozyczalnia(sklep) {
    TytulZadania = QStringLiteral("Wirdolan - karta klienta");
    // A card printer prints to the card's edges.
    Format = {Szerokosc, Wysokosc, 0};
}

std::vector<TStrona> TRapKartaKlienta::Uloz() {
    constexpr double brzeg = 4;  // clear space round the card's contents
    TUkladacz u(Szerokosc - 2 * brzeg, 0);
    const auto srodek = TWyrownanie::DoSrodka;
    u.y = 3;
    u.Tekst(wypozyczalnia.Nazwa, 0, 0, TCzcionka::Pogrubiona(10), srodek);
    u.Dalej(TCzcionka::Pogrubiona(10));
    u.Tekst(QStringLiteral("KARTA KLIENTA"), 0, 0, TCzcionka::Zwykla(7), srodek);
    u.Dalej(TCzcionka::Zwykla(7), 1.5);
    u.Tekst(karta.Klient, 0, 0, TCzcionka::Pogrubiona(12), srodek);
    u.Dalej(TCzcionka::Pogrubiona(12));
    u.Tekst(QStringLiteral("Nr klienta: ") + Numer4(karta.Numer), 0, 0, TCzcionka::Zwykla(9),
            srodek);
    u.Dalej(TCzcionka::Zwykla(9), 1);

    TStrona& s = u.Strona();
    const double dolKodu = Wysokosc - 2 * brzeg - 4;
    const TKodKreskowy kod =
        KodCode128(Numer4(karta.Numer), QRectF(8, u.y, Szerokosc - 2 * brzeg - 16, dolKodu - u.y));
    s.pola = kod.kreski;
    u.y = dolKodu + 0.5;
    u.Tekst(Numer4(karta.Numer), 0, 0, TCzcionka::Zwykla(7), srodek);

    // The card's own margin: everything moves in by the clear space.
    for (TUlozonyTekst& t : s.teksty) t.prostokat.translate(brzeg, brzeg);
    for (QRectF& r : s.pola) r.translate(brzeg, brzeg);
    s.ramki.push_back(QRectF(0.5, 0.5, Szerokosc - 1, Wysokosc - 1));
    return u.Wynik();
}
