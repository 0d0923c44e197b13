#include "reports/uRapAbonenci.h"

#include "reports/OdczytRaportow.h"
#include "reports/PasmoKolumn.h"

namespace {

// Left edges of the columns.
constexpr double KolNumer = 2, KolKlient = 25, KolOd = 130, KolDo = 160;

}  // namespace

TfRapAbonenci::TfRapAbonenci() {
    TytulZadania = QStringLiteral("Wirdolan - raport klientów");
    const TCzcionka pk12 = TCzcionka::PogrubionaKursywa(12);

    auto& tytul = Pasmo(TRodzajPasma::Tytul, 9);
    tytul.odstepPo = 2;
    tytul.Etykieta(QStringLiteral("Abonenci"), 0, pk12);
    tytul.StanNaDzien(QStringLiteral("Stan na dzień "), 113, 148, pk12);

    PasmoKolumn(*this, {{QStringLiteral("Nr klienta"), KolNumer},
                        {QStringLiteral("Dane klienta"), KolKlient},
                        {QStringLiteral("Ważny od"), KolOd},
                        {QStringLiteral("Ważny do"), KolDo}});

    auto& wiersz = Pasmo(TRodzajPasma::Szczegoly, 5);
    wiersz.Pole(QStringLiteral("NR"), KolNumer, TFormat::NumerGdyJest).Y(0.4);
    wiersz.Pole(QStringLiteral("KLIENT"), KolKlient).Y(0.4).Szerokosc(KolOd - KolKlient - 3);
    wiersz.Pole(QStringLiteral("ABONAMENT_OD"), KolOd, TFormat::Data).Y(0.4);
    wiersz.Pole(QStringLiteral("ABONAMENT_DO"), KolDo, TFormat::Data).Y(0.4);
}

void TfRapAbonenci::Przygotuj() {
    OtworzAbonentow(Dane);
}
