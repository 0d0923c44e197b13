#include "reports/uFilmyWyp.h"

#include <QHideEvent>
#include <QMenu>
#include <array>

#include "clients/uKlient.h"
#include "reports/OdczytRaportow.h"
#include "reports/uRapFilmyWyp.h"
#include "reports/uSiatka.h"
#include "store/Formaty.h"
#include "ui_uFilmyWyp.h"

TfFilmyWyp* fFilmyWyp = nullptr;

namespace {

enum Kolumna { KolFilm, KolKlient, KolDataOd, KolDataDo, KolId };

}  // namespace

TfFilmyWyp::TfFilmyWyp(QWidget* parent)
    : TOknoZestawienia(parent), ui(std::make_unique<Ui::TfFilmyWyp>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("TfFilmyWyp"));
    setWindowTitle(QStringLiteral("Filmy wypożyczone"));
    PolaczListe(ui->sgFilmy, KolId);
    // The hidden menu "Menu" holds the keys of the buttons.
    auto* menu = new QMenu(QStringLiteral("Menu"), this);
    menu->setObjectName(QStringLiteral("menuMenu"));
    menu->addAction(ui->miRaport);
    menu->addAction(ui->miZamknij);
}

TfFilmyWyp::~TfFilmyWyp() = default;

void TfFilmyWyp::WczytajWypozyczone(int rodzaj) {
    Rodzaj = rodzaj;
    QTableWidget* sg = ui->sgFilmy;

    const bool przeterminowane = rodzaj == 1;
    setWindowTitle(przeterminowane ? QStringLiteral("Wypożyczenia przeterminowane")
                                   : QStringLiteral("Filmy wypożyczone"));
    // A failed statement leaves the headings and one empty line.
    std::vector<std::array<QString, 5>> linie;
    for (const TWypozyczony& w :
         Wypozyczone(Query1, przeterminowane).value_or(std::vector<TWypozyczony>{}))
        linie.push_back(
            {w.tytul, w.klient, DataDluga(w.od), DataDluga(w.do_), QString::number(w.idKlienta)});

    WypelnijSiatke(
        sg,
        {QStringLiteral("Film"), QStringLiteral("Klient"), QStringLiteral("Data wypożyczenia"),
         QStringLiteral("Termin zwrotu"), QString()},
        linie);
    sg->setCurrentCell(0, KolFilm);
    UstawSzerokosciKolumn();
    sg->setFocus();
}

void TfFilmyWyp::hideEvent(QHideEvent* e) {
    // Thousands of lines are not kept while the window is closed; each opening refills it.
    // A hiding by the system (the program minimised) keeps them.
    if (!e->spontaneous()) {
        ui->sgFilmy->clearContents();
        ui->sgFilmy->setRowCount(1);
    }
    TOknoZestawienia::hideEvent(e);
}

void TfFilmyWyp::Dwuklik(int wiersz) {
    // The empty line of an empty list holds no client.
    const std::optional<int> id = IdWiersza(wiersz);
    if (!id || !PokazKlienta(*id)) return;
    // Only this line: other lines of the same client keep their name until the next filling.
    if (!fKlient->NazwaKlienta().isEmpty())
        ui->sgFilmy->item(wiersz, KolKlient)->setText(fKlient->NazwaKlienta());
}

void TfFilmyWyp::Raport() {
    TfRapFilmyWyp raport;
    raport.Przygotuj(Rodzaj);
    raport.Pokaz();
}

void TfFilmyWyp::UstawSzerokosciKolumn() {
    QTableWidget* sg = ui->sgFilmy;
    const int polowa = std::max(0, sg->width() - 220) / 2;
    sg->setColumnWidth(KolFilm, polowa);
    sg->setColumnWidth(KolKlient, polowa);
    sg->setColumnWidth(KolDataOd, 100);
    sg->setColumnWidth(KolDataDo, 100);
    sg->setColumnHidden(KolId, true);
}
