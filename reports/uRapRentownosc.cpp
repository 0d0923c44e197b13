#include "reports/uRapRentownosc.h"

#include "reports/OdczytRaportow.h"

QString KwotaRankingu(TKwota kwota) {
    return KwotaNaEkran(kwota) + QStringLiteral(" zł");
}

TfRapRentownosc::TfRapRentownosc() {
    const TCzcionka pk = TCzcionka::PogrubionaKursywa();
    const TCzcionka pogrubiona = TCzcionka::Pogrubiona();

    auto& naglowek = Pasmo(TRodzajPasma::NaglowekStrony, 8);
    naglowek.odstepPo = 1;
    naglowek.Etykieta(QString(), 0, pk).Nazwa(QStringLiteral("lTytul")).Szerokosc(137);
    naglowek.StanNaDzien(QStringLiteral("Stan na dzień"), 139.7, 165.1, pk);

    auto& kolumny = Pasmo(TRodzajPasma::NaglowekKolumn, 6);
    kolumny.ramka = true;
    kolumny.Etykieta(QString(), 0, pogrubiona)
        .Y(0.5)
        .KonczySieNa(18.3)
        .Nazwa(QStringLiteral("lKolumna1"));
    kolumny.Etykieta(QString(), 25.4, pogrubiona).Y(0.5).Nazwa(QStringLiteral("lKolumna2"));
    kolumny.Etykieta(QString(), 147.1, pogrubiona).Y(0.5).Nazwa(QStringLiteral("lKolumna3"));

    auto& wiersz = Pasmo(TRodzajPasma::Szczegoly, 5);
    wiersz.Pole(QStringLiteral("nr"), 5.3, TFormat::NumerGdyJest).Y(0.4).Szerokosc(18);
    wiersz.Etykieta(QString(), 24.9).Y(0.4).Szerokosc(120).Nazwa(QStringLiteral("lNazwa"));
    wiersz.Etykieta(QString(), 130).Y(0.4).KonczySieNa(162.9).Nazwa(QStringLiteral("lKwota"));

    PrzedSzczegolem = [this](TPasmo& p, const TQuery& q) {
        const TPozycjaRankingu r = PozycjaRankingu(q, Rodzaj == 1);
        p.Element(QStringLiteral("lNazwa"))->tekst = r.nazwa;
        p.Element(QStringLiteral("lKwota"))->tekst = KwotaRankingu(r.kwota);
    };
}

void TfRapRentownosc::Przygotuj(int rodzaj) {
    Rodzaj = rodzaj;
    const bool filmy = rodzaj == 1;
    TytulZadania = filmy ? QStringLiteral("Wirdolan - najczęściej wypożyczane filmy")
                         : QStringLiteral("Wirdolan - najlepsi klienci");
    ZnajdzPasmo(TRodzajPasma::NaglowekStrony)->Element(QStringLiteral("lTytul"))->tekst =
        filmy ? QStringLiteral("Najczęściej wypożyczane filmy")
              : QStringLiteral("Najczęściej wypożyczający klienci");
    TPasmo* kolumny = ZnajdzPasmo(TRodzajPasma::NaglowekKolumn);
    kolumny->Element(QStringLiteral("lKolumna1"))->tekst =
        filmy ? QStringLiteral("Nr filmu") : QStringLiteral("Nr klienta");
    kolumny->Element(QStringLiteral("lKolumna2"))->tekst =
        filmy ? QStringLiteral("Tytuł") : QStringLiteral("Dane klienta");
    kolumny->Element(QStringLiteral("lKolumna3"))->tekst =
        filmy ? QStringLiteral("Wpływy") : QStringLiteral("Suma płatności");
    OtworzRanking(Dane, filmy);
}
