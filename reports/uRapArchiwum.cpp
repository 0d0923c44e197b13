#include "reports/uRapArchiwum.h"

#include "clients/uKlienci.h"
#include "films/uFilmy.h"
#include "store/uWspolneDB.h"

namespace {

// Columns of the lines: number, name, rental date, return date.
constexpr double KolNumer = 2;
constexpr double KolNazwa = 22;
constexpr double KolDataOd = 130;
constexpr double KolDataZwrotu = 165;

}  // namespace

TfRapArchiwum::TfRapArchiwum() {
    TytulZadania = QStringLiteral("Wirdolan - archiwum klienta");
    const TCzcionka pk = TCzcionka::PogrubionaKursywa();
    const TCzcionka pogrubiona = TCzcionka::Pogrubiona();

    auto& naglowek = Pasmo(TRodzajPasma::NaglowekStrony, 8);
    naglowek.Etykieta(QStringLiteral("Archiwum klienta"), 0, pk).Nazwa(QStringLiteral("lTytul"));
    naglowek.Etykieta(QStringLiteral("Stan na dzień"), 138, pk);
    naglowek.DataWydruku(165, pk);

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

    auto& kolumny = Pasmo(TRodzajPasma::NaglowekKolumn, 6);
    kolumny.ramka = true;
    kolumny.Etykieta(QStringLiteral("Nr filmu"), KolNumer, pogrubiona)
        .Y(0.5)
        .Nazwa(QStringLiteral("lNumer"));
    kolumny.Etykieta(QStringLiteral("Tytuł"), KolNazwa, pogrubiona)
        .Y(0.5)
        .Nazwa(QStringLiteral("lKolumnaNazwy"));
    kolumny.Etykieta(QStringLiteral("Data wypożyczenia"), KolDataOd, pogrubiona).Y(0.5);
    kolumny.Etykieta(QStringLiteral("Data zwrotu"), KolDataZwrotu, pogrubiona).Y(0.5);

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
    const QString nr = QString::number(id);
    if (rodzaj == 1) {
        Tekst(TRodzajPasma::NaglowekStrony, QStringLiteral("lTytul"))->tekst =
            QStringLiteral("Archiwum klienta");
        Tekst(TRodzajPasma::Tytul, QStringLiteral("lNazwa"))->tekst = QStringLiteral("Klient:");
        Tekst(TRodzajPasma::Tytul, QStringLiteral("eNazwa"))->pole = QStringLiteral("KLIENT");
        Tekst(TRodzajPasma::Tytul, QStringLiteral("lIlosc"))->tekst =
            QStringLiteral("Liczba wypożyczeń:");
        Tekst(TRodzajPasma::Tytul, QStringLiteral("eIlosc"))->pole = QStringLiteral("LICZNIK");
        Tekst(TRodzajPasma::Tytul, QStringLiteral("eIlosc"))->format = TFormat::Tekst;
        Tekst(TRodzajPasma::NaglowekKolumn, QStringLiteral("lNumer"))->tekst =
            QStringLiteral("Nr filmu");
        Tekst(TRodzajPasma::NaglowekKolumn, QStringLiteral("lKolumnaNazwy"))->tekst =
            QStringLiteral("Tytuł");
        Tekst(TRodzajPasma::Szczegoly, QStringLiteral("eNazwa"))->pole = QStringLiteral("TYTUL");
        OtworzSQL(QueryNaglowek,
                  QStringLiteral(" select Imie || ' ' || Nazwisko Klient, Numer_klienta nr, "
                                 "Licznik  from klient where ID = ") +
                      nr);
        OtworzSQL(Dane, QStringLiteral(" select f.Numer_filmu nr, f.Tytul_oryginalny || ' (' || "
                                       "f.Tytul_polski || ')' tytul, r.dataOD dataod, r.dataZwrotu "
                                       "dataZwrotu  from rental r left outer join film f on f.ID = "
                                       "r.id_filmu where r.Id_klienta = ") +
                            nr + QStringLiteral(" order by dataOD DESC"));
    } else {
        Tekst(TRodzajPasma::NaglowekStrony, QStringLiteral("lTytul"))->tekst =
            QStringLiteral("Archiwum filmu");
        Tekst(TRodzajPasma::Tytul, QStringLiteral("lNazwa"))->tekst = QStringLiteral("Tytuł:");
        Tekst(TRodzajPasma::Tytul, QStringLiteral("eNazwa"))->pole = QStringLiteral("TYTUL");
        Tekst(TRodzajPasma::Tytul, QStringLiteral("lIlosc"))->tekst = QStringLiteral("Wpływy:");
        Tekst(TRodzajPasma::Tytul, QStringLiteral("eIlosc"))->pole = QStringLiteral("WPLYWY");
        Tekst(TRodzajPasma::Tytul, QStringLiteral("eIlosc"))->format = TFormat::Kwota;
        Tekst(TRodzajPasma::NaglowekKolumn, QStringLiteral("lNumer"))->tekst =
            QStringLiteral("Nr klienta");
        Tekst(TRodzajPasma::NaglowekKolumn, QStringLiteral("lKolumnaNazwy"))->tekst =
            QStringLiteral("Klient");
        Tekst(TRodzajPasma::Szczegoly, QStringLiteral("eNazwa"))->pole = QStringLiteral("KLIENT");
        OtworzSQL(QueryNaglowek,
                  QStringLiteral(" select Numer_filmu nr, Tytul_oryginalny || ' (' || "
                                 "Tytul_polski || ')' Tytul, Wplywy  from film where ID = ") +
                      nr);
        OtworzSQL(Dane,
                  QStringLiteral(" select k.nazwisko || ' ' || k.imie klient, k.numer_klienta nr, "
                                 "r.dataOD dataOD, r.dataZwrotu dataZwrotu  from rental r left "
                                 "outer join klient k on k.id = r.id_klienta where r.id_filmu = ") +
                      nr + QStringLiteral(" order by dataOD DESC"));
    }
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
