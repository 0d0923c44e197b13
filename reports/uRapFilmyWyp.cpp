#include "reports/uRapFilmyWyp.h"

#include "reports/OdczytRaportow.h"
#include "reports/PasmoKolumn.h"

namespace {

// Left edges of the columns: the headers and the lines are set slightly apart.
constexpr double NaglowekFilm = 2.1, NaglowekKlient = 69.9, NaglowekDataOd = 128.1,
                 NaglowekDataDo = 163.0;
constexpr double PoleFilm = 3.2, PoleKlient = 69.9, PoleDataOd = 128.6, PoleDataDo = 164.0;
constexpr double Odstep = 2;

}  // namespace

TfRapFilmyWyp::TfRapFilmyWyp() {
    TytulZadania = QStringLiteral("Wirdolan - filmy wypożyczone");
    const TCzcionka p12 = TCzcionka::Pogrubiona(12);

    auto& tytul = Pasmo(TRodzajPasma::Tytul, 9);
    tytul.odstepPo = 1;
    tytul.Etykieta(QStringLiteral("Filmy wypożyczone"), 3.2, p12)
        .Nazwa(QStringLiteral("lTytul"))
        .Szerokosc(130.2 - 3.2 - Odstep);
    tytul.StanNaDzien(QStringLiteral("Stan na dzień"), 130.2, 159.8, p12);

    PasmoKolumn(*this, {{QStringLiteral("Film"), NaglowekFilm},
                        {QStringLiteral("Klient"), NaglowekKlient},
                        {QStringLiteral("Data wypożyczenia"), NaglowekDataOd},
                        {QStringLiteral("Termin zwrotu"), NaglowekDataDo}});

    auto& wiersz = Pasmo(TRodzajPasma::Szczegoly, 5);
    wiersz.Pole(QStringLiteral("tytul"), PoleFilm).Y(0.4).Szerokosc(PoleKlient - PoleFilm - Odstep);
    wiersz.Pole(QStringLiteral("klient"), PoleKlient)
        .Y(0.4)
        .Szerokosc(PoleDataOd - PoleKlient - Odstep);
    wiersz.Pole(QStringLiteral("dataOD"), PoleDataOd, TFormat::Data).Y(0.4);
    wiersz.Pole(QStringLiteral("dataDO"), PoleDataDo, TFormat::Data).Y(0.4);
}

void TfRapFilmyWyp::Przygotuj(int rodzaj) {
    Rodzaj = rodzaj;
    const bool przeterminowane = rodzaj == 1;
    ZnajdzPasmo(TRodzajPasma::Tytul)->Element(QStringLiteral("lTytul"))->tekst =
        przeterminowane ? QStringLiteral("Wypożyczenia przeterminowane")
                        : QStringLiteral("Filmy wypożyczone");
    OtworzWypozyczone(Dane, przeterminowane);
}
