#include "reports/uRapOkresowy.h"

#include "reports/PasmoKolumn.h"
#include "store/Formaty.h"

namespace {

constexpr double KolNr = 2.1, KolKlient = 24.3, KolFilm = 95.3, KolPlatnosc = 172.5;
constexpr double Odstep = 2;
const QString Nazwa = QStringLiteral("Raport wypożyczeń");

}  // namespace

TKwota KwotaWypozyczenia(const TKwotyWypozyczenia& r) {
    if (!r.jestNaleznosc) return {};
    return r.zwrocono ? r.naleznosc - r.platnosc1 - r.zAbonamentu : r.naleznosc - r.platnosc;
}

TfRapOkresowy::TfRapOkresowy() : TRaportZakresu(Nazwa) {
    const TCzcionka p12 = TCzcionka::Pogrubiona(12);

    auto& tytul = Pasmo(TRodzajPasma::Tytul, 14);
    tytul.odstepPo = 2;
    tytul.Etykieta(QString(), 3.2, p12).Nazwa(QStringLiteral("lOkres"));
    tytul.Etykieta(QStringLiteral("Wpływy:"), 3.2, p12).Y(7);
    tytul.Etykieta(KwotaNaEkran(TKwota()), 24.3, p12).Y(7).Nazwa(QStringLiteral("lWplywy"));

    PasmoKolumn(*this, {{QStringLiteral("Nr klienta"), KolNr},
                        {QStringLiteral("Klient"), KolKlient},
                        {QStringLiteral("Film"), KolFilm},
                        {QStringLiteral("Płatność"), KolPlatnosc}});

    auto& wiersz = Pasmo(TRodzajPasma::Szczegoly, 5);
    wiersz.Etykieta(QString(), KolNr).Y(0.4).Nazwa(QStringLiteral("lNr"));
    wiersz.Etykieta(QString(), KolKlient)
        .Y(0.4)
        .Szerokosc(KolFilm - KolKlient - Odstep)
        .Nazwa(QStringLiteral("lKlient"));
    wiersz.Etykieta(QString(), KolFilm)
        .Y(0.4)
        .Szerokosc(KolPlatnosc - KolFilm - Odstep)
        .Nazwa(QStringLiteral("lFilm"));
    wiersz.Etykieta(QString(), KolPlatnosc).Y(0.4).Nazwa(QStringLiteral("lPlatnosc"));

    PrzedSzczegolem = [this](TPasmo& p, const TQuery& q) {
        const TWypozyczenieOkresu w = WypozyczenieOkresu(q);
        const TKwota kwota = KwotaWypozyczenia(w.kwoty);
        suma += kwota;
        p.Element(QStringLiteral("lNr"))->tekst = w.nr ? Numer4(*w.nr) : QString();
        p.Element(QStringLiteral("lKlient"))->tekst = w.klient;
        p.Element(QStringLiteral("lFilm"))->tekst = w.tytul;
        p.Element(QStringLiteral("lPlatnosc"))->tekst = KwotaNaEkran(kwota);
    };
    // The total goes into the title once the lines are laid out.
    PoSzczegolach = [this] {
        Wplywy = suma;
        ZnajdzPasmo(TRodzajPasma::Tytul)->Element(QStringLiteral("lWplywy"))->tekst =
            KwotaNaEkran(Wplywy);
    };
}

bool TfRapOkresowy::Init(const QDate& od, const QDate& do_) {
    ZnajdzPasmo(TRodzajPasma::Tytul)->Element(QStringLiteral("lOkres"))->tekst =
        NaglowekZakresu(Nazwa, od, do_);
    if (!OtworzWypozyczeniaOkresu(Dane, od, do_)) return false;
    // The rows are read once: each line's amount is added to the total as it is laid out.
    suma = TKwota();
    Wyprodukuj();
    return true;
}
