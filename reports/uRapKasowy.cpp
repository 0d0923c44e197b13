#include "reports/uRapKasowy.h"

#include <algorithm>

#include "money/Kasa.h"
#include "store/Formaty.h"

namespace {

constexpr double KolData = 0, KolCzas = 20, KolNr = 35.5, KolKlient = 58, KolRodzaj = 101,
                 KolOpis = 126, KolKoniec = TRaport::SzerokoscObszaru;
constexpr double Odstep = 1.5;
constexpr double WierszSum = 4.5, GoraSum = 14;

const QStringList NaglowkiKolumn = {QStringLiteral("Data"),       QStringLiteral("Czas"),
                                    QStringLiteral("Nr klienta"), QStringLiteral("Klient"),
                                    QStringLiteral("Rodzaj"),     QStringLiteral("Opis"),
                                    QStringLiteral("Kwota")};

}  // namespace

std::vector<std::pair<QString, TKwota>> SumyRodzajow(const std::vector<TRuchKasy>& ruchy) {
    std::vector<std::pair<QString, TKwota>> sumy;
    for (const QString& r :
         {RodzajKasy::Wypozyczenie, RodzajKasy::Zwrot, RodzajKasy::Przedluzenie,
          RodzajKasy::Wycofanie, RodzajKasy::Zaleglosci, RodzajKasy::Wplata, RodzajKasy::Abonament})
        sumy.emplace_back(r, TKwota());
    for (const TRuchKasy& ruch : ruchy) {
        auto it = std::find_if(sumy.begin(), sumy.end(),
                               [&](const auto& s) { return s.first == ruch.rodzaj; });
        if (it == sumy.end())
            sumy.emplace_back(ruch.rodzaj, ruch.kwota);
        else
            it->second += ruch.kwota;
    }
    return sumy;
}

TfRapKasowy::TfRapKasowy() : TRaportZakresu(QStringLiteral("Raport kasowy")) {
    const TCzcionka pogrubiona = TCzcionka::Pogrubiona();

    auto& kolumny = Pasmo(TRodzajPasma::NaglowekKolumn, 6);
    kolumny.ramka = true;
    const double x[] = {KolData, KolCzas, KolNr, KolKlient, KolRodzaj, KolOpis};
    for (int k = 0; k < 6; ++k) kolumny.Etykieta(NaglowkiKolumn[k], x[k] + 1, pogrubiona).Y(0.5);
    kolumny.Etykieta(NaglowkiKolumn[6], KolOpis, pogrubiona).Y(0.5).KonczySieNa(KolKoniec - 1);

    auto& wiersz = Pasmo(TRodzajPasma::Szczegoly, 5);
    const char* nazwy[] = {"lData", "lCzas", "lNr", "lKlient", "lRodzaj", "lOpis"};
    for (int k = 0; k < 6; ++k) {
        const double koniec = k < 5 ? x[k + 1] : KolKoniec - 25;
        wiersz.Etykieta(QString(), x[k] + 1)
            .Y(0.4)
            .Szerokosc(koniec - x[k] - Odstep)
            .Nazwa(QString::fromLatin1(nazwy[k]));
    }
    wiersz.Etykieta(QString(), KolKoniec - 24)
        .Y(0.4)
        .KonczySieNa(KolKoniec - 1)
        .Nazwa(QStringLiteral("lKwota"));

    PrzedSzczegolami = [this] {
        Ruchy.clear();
        Razem = TKwota();
    };
    PrzedSzczegolem = [this](TPasmo& p, const TQuery& q) {
        Ruchy.push_back(RuchKasy(q));
        const TRuchKasy& r = Ruchy.back();
        Razem += r.kwota;
        p.Element(QStringLiteral("lData"))->tekst = DataDluga(r.data);
        p.Element(QStringLiteral("lCzas"))->tekst = r.czas;
        p.Element(QStringLiteral("lNr"))->tekst = r.nr;
        p.Element(QStringLiteral("lKlient"))->tekst = r.klient;
        p.Element(QStringLiteral("lRodzaj"))->tekst = r.rodzaj;
        p.Element(QStringLiteral("lOpis"))->tekst = r.opis;
        p.Element(QStringLiteral("lKwota"))->tekst = KwotaNaEkran(r.kwota);
    };
    // The totals go into the title, and the lines into the CSV, once the lines are laid
    // out.
    PoSzczegolach = [this] {
        UstawTytul();
        WierszeCSV.clear();
        WierszeCSV.emplace_back(NaglowkiKolumn.begin(), NaglowkiKolumn.end());
        for (const TRuchKasy& r : Ruchy)
            WierszeCSV.push_back({DataDluga(r.data), r.czas, r.nr, r.klient, r.rodzaj, r.opis,
                                  KwotaNaEkran(r.kwota)});
    };
}

void TfRapKasowy::UstawTytul() {
    // The operations' totals in two columns.
    const TCzcionka p12 = TCzcionka::Pogrubiona(12);
    const TCzcionka zwykla = TCzcionka::Zwykla();
    const auto sumy = SumyRodzajow(Ruchy);
    const int wierszy = static_cast<int>((sumy.size() + 1) / 2);
    auto& tytul = Pasmo(TRodzajPasma::Tytul, GoraSum + wierszy * WierszSum + 1);
    tytul.elementy.clear();
    tytul.odstepPo = 2;
    tytul.Etykieta(okres, 3.2, p12);
    tytul.Etykieta(QStringLiteral("Stan kasy:"), 3.2, p12).Y(7);
    tytul.Etykieta(KwotaNaEkran(Razem), 30, p12).Y(7).KonczySieNa(70);
    for (int i = 0; i < static_cast<int>(sumy.size()); ++i) {
        const double x = i < wierszy ? 3.2 : 80;
        const double y = GoraSum + (i % wierszy) * WierszSum;
        tytul.Etykieta(sumy[i].first + ':', x, zwykla).Y(y);
        tytul.Etykieta(KwotaNaEkran(sumy[i].second), x + 36, zwykla).Y(y).KonczySieNa(x + 66.8);
    }
}

bool TfRapKasowy::Init(const QDate& od, const QDate& do_, const QString& stanowisko) {
    if (!OtworzRuchyKasy(Dane, od, do_, stanowisko)) return false;
    okres = NaglowekZakresu(QStringLiteral("Raport kasowy"), od, do_);
    if (!stanowisko.isEmpty()) okres += QStringLiteral(", stanowisko: ") + stanowisko;
    // Until the lines are read, the title holds every operation of the journal at 0,00:
    // its height is the one the lines are laid out under (operations of other names may
    // make it taller, and the lines are then laid out again under it).
    Ruchy.clear();
    Razem = TKwota();
    UstawTytul();
    Wyprodukuj();
    return true;
}
