#include "reports/uRapArchiwum.h"

#include "clients/uKlienci.h"
#include "films/uFilmy.h"
#include "reports/OdczytRaportow.h"
#include "reports/PasmoKolumn.h"

namespace {

// Columns of the lines: number, name, rental date, return date.
constexpr double KolNumer = 2, KolNazwa = 22, KolDataOd = 130, KolDataZwrotu = 165;

}  // namespace

TfRapArchiwum::TfRapArchiwum() {
    TytulZadania = QStringLiteral("Wirdolan - archiwum klienta");
    const TCzcionka pk = TCzcionka::PogrubionaKursywa();
    const TCzcionka pogrubiona = TCzcionka::Pogrubiona();

    auto& naglowek = Pasmo(TRodzajPasma::NaglowekStrony, 8);
    naglowek.Etykieta(QStringLiteral("Archiwum klienta"), 0, pk).Nazwa(QStringLiteral("lTytul"));
    naglowek.StanNaDzien(QStringLiteral("Stan na dzień"), 138, 165, pk);

    auto& tytul = Pasmo(TRodzajPasma::Tytul, 18);
    tytul.ramka = true;
    tytul.odstepPo = 3;
    tytul.zrodlo = &QueryNaglowek;
    tytul.Etykieta(QStringLiteral("Nr:"), 3).Y(1.5);
    tytul.Pole(QStringLiteral("nr"), 42, TFormat::Numer, pogrubiona).Y(1.5);
    tytul.Etykieta(QStringLiteral("Klient:"), 3).Y(6.5).Nazwa(QStringLiteral("lNazwa"));
    tytul.Pole(QStringLiteral("klient"), 42, TFormat::Tekst, pogrubiona)
        .Y(6.5)
        .Nazwa(QStringLiteral("eNazwa"));
    tytul.Etykieta(QStringLiteral("Liczba wypożyczeń:"), 3).Y(11.5).Nazwa(QStringLiteral("lIlosc"));
    tytul.Pole(QStringLiteral("licznik"), 42, TFormat::Tekst, pogrubiona)
        .Y(11.5)
        .Nazwa(QStringLiteral("eIlosc"));

    auto& kolumny = PasmoKolumn(*this, {{QStringLiteral("Nr filmu"), KolNumer},
                                        {QStringLiteral("Tytuł"), KolNazwa},
                                        {QStringLiteral("Data wypożyczenia"), KolDataOd},
                                        {QStringLiteral("Data zwrotu"), KolDataZwrotu}});
    // The captions of the number and the name follow the kind.
    kolumny.elementy[0].Nazwa(QStringLiteral("lNumer"));
    kolumny.elementy[1].Nazwa(QStringLiteral("lKolumnaNazwy"));

    auto& wiersz = Pasmo(TRodzajPasma::Szczegoly, 5);
    wiersz.Pole(QStringLiteral("nr"), KolNumer, TFormat::NumerGdyJest).Y(0.4);
    wiersz.Pole(QStringLiteral("tytul"), KolNazwa)
        .Y(0.4)
        .Szerokosc(KolDataOd - KolNazwa - 3)
        .Nazwa(QStringLiteral("eNazwa"));
    wiersz.Pole(QStringLiteral("dataod"), KolDataOd, TFormat::Data).Y(0.4);
    wiersz.Pole(QStringLiteral("datazwrotu"), KolDataZwrotu, TFormat::Data).Y(0.4);

    ZnajdzPasmo(TRodzajPasma::StopkaStrony)->liniaNad = true;
}

TElement* TfRapArchiwum::Tekst(TRodzajPasma pasmo, const QString& nazwa) {
    return ZnajdzPasmo(pasmo)->Element(nazwa);
}

void TfRapArchiwum::Przygotuj(int rodzaj, int id) {
    Rodzaj = rodzaj;
    const bool klient = rodzaj == 1;
    auto wybor = [klient](const char* klienta, const char* filmu) {
        return QString::fromUtf8(klient ? klienta : filmu);
    };
    Tekst(TRodzajPasma::NaglowekStrony, QStringLiteral("lTytul"))->tekst =
        wybor("Archiwum klienta", "Archiwum filmu");
    Tekst(TRodzajPasma::Tytul, QStringLiteral("lNazwa"))->tekst = wybor("Klient:", "Tytuł:");
    Tekst(TRodzajPasma::Tytul, QStringLiteral("eNazwa"))->pole = wybor("KLIENT", "TYTUL");
    Tekst(TRodzajPasma::Tytul, QStringLiteral("lIlosc"))->tekst =
        wybor("Liczba wypożyczeń:", "Wpływy:");
    TElement* ilosc = Tekst(TRodzajPasma::Tytul, QStringLiteral("eIlosc"));
    ilosc->pole = wybor("LICZNIK", "WPLYWY");
    ilosc->format = klient ? TFormat::Tekst : TFormat::Kwota;
    Tekst(TRodzajPasma::NaglowekKolumn, QStringLiteral("lNumer"))->tekst =
        wybor("Nr filmu", "Nr klienta");
    Tekst(TRodzajPasma::NaglowekKolumn, QStringLiteral("lKolumnaNazwy"))->tekst =
        wybor("Tytuł", "Klient");
    Tekst(TRodzajPasma::Szczegoly, QStringLiteral("eNazwa"))->pole = wybor("TYTUL", "KLIENT");
    OtworzArchiwum(QueryNaglowek, Dane, klient, id);
}

void DrukujArchiwum(int rodzaj, int id) {
    TfRapArchiwum raport;
    raport.Przygotuj(rodzaj, id);
    raport.Pokaz();
}

void PolaczArchiwum(TfKlienci& okno) {
    QObject::connect(&okno, &TfKlienci::PokazArchiwum, &okno,
                     [](int id) { DrukujArchiwum(1, id); });
}

void PolaczArchiwum(TfFilmy& okno) {
    QObject::connect(&okno, &TfFilmy::PokazArchiwum, &okno, [](int id) { DrukujArchiwum(2, id); });
}
