#include "reports/uRapAbonenci.h"

#include "store/uWspolneDB.h"

namespace {

constexpr double KolNumer = 2;
constexpr double KolKlient = 25;
constexpr double KolOd = 130;
constexpr double KolDo = 160;

}  // namespace

TfRapAbonenci::TfRapAbonenci() {
    TytulZadania = QStringLiteral("Wirdolan - raport klientów");
    const TCzcionka pk12 = TCzcionka::PogrubionaKursywa(12);
    const TCzcionka pogrubiona = TCzcionka::Pogrubiona();

    auto& tytul = Pasmo(TRodzajPasma::Tytul, 9);
    tytul.odstepPo = 2;
    tytul.Etykieta(QStringLiteral("Abonenci"), 0, pk12);
    tytul.Etykieta(QStringLiteral("Stan na dzień "), 113, pk12);
    tytul.DataWydruku(148, pk12);

    auto& kolumny = Pasmo(TRodzajPasma::NaglowekKolumn, 6);
    kolumny.ramka = true;
    kolumny.Etykieta(QStringLiteral("Nr klienta"), KolNumer, pogrubiona).Y(0.5);
    kolumny.Etykieta(QStringLiteral("Dane klienta"), KolKlient, pogrubiona).Y(0.5);
    kolumny.Etykieta(QStringLiteral("Ważny od"), KolOd, pogrubiona).Y(0.5);
    kolumny.Etykieta(QStringLiteral("Ważny do"), KolDo, pogrubiona).Y(0.5);

    auto& wiersz = Pasmo(TRodzajPasma::Szczegoly, 5);
    wiersz.Pole(QStringLiteral("NR"), KolNumer, TFormat::NumerGdyJest).Y(0.4);
    wiersz.Pole(QStringLiteral("KLIENT"), KolKlient).Y(0.4).Szerokosc(KolOd - KolKlient - 3);
    wiersz.Pole(QStringLiteral("ABONAMENT_OD"), KolOd, TFormat::Data).Y(0.4);
    wiersz.Pole(QStringLiteral("ABONAMENT_DO"), KolDo, TFormat::Data).Y(0.4);
}

void TfRapAbonenci::Przygotuj() {
    OtworzSQL(Dane, QStringLiteral("select Numer_klienta NR, Nazwisko || ' ' || Imie KLIENT, "
                                   "Abonament_OD, Abonament_DO  \n"
                                   "from klient\n"
                                   "where abonament = True"));
}
