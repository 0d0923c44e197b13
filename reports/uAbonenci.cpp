#include "reports/uAbonenci.h"

#include <array>

#include "clients/uKlient.h"
#include "reports/OdczytRaportow.h"
#include "reports/uRapAbonenci.h"
#include "reports/uSiatka.h"
#include "store/Formaty.h"
#include "ui_uAbonenci.h"

TfAbonenci* fAbonenci = nullptr;

namespace {

enum Kolumna { KolNumer, KolKlient, KolOd, KolDo, KolId };

}  // namespace

TfAbonenci::TfAbonenci(QWidget* parent)
    : TOknoZestawienia(parent), ui(std::make_unique<Ui::TfAbonenci>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("TfAbonenci"));
    setWindowTitle(QStringLiteral("Abonenci"));
    PolaczListe(ui->sgAbonenci, KolId);
}

TfAbonenci::~TfAbonenci() = default;

void TfAbonenci::FormShow() {
    const auto abonenci = Abonenci(Query1);
    if (!abonenci) return;  // the error is shown; the list stays as it was
    std::vector<std::array<QString, 5>> linie;
    for (const TAbonent& a : *abonenci)
        linie.push_back({a.numer ? Numer4(*a.numer) : QString(), a.klient, DataDluga(a.od),
                         DataDluga(a.do_), QString::number(a.id)});

    QTableWidget* sg = ui->sgAbonenci;
    WypelnijSiatke(sg,
                   {QStringLiteral("Nr klienta"), QStringLiteral("Klient"),
                    QStringLiteral("Abonament od"), QStringLiteral("Abonament do"), QString()},
                   linie);
    sg->setCurrentCell(0, KolNumer);
    UstawSzerokosciKolumn();
    ui->bRaport->setFocus();
}

void TfAbonenci::Dwuklik(int wiersz) {
    // The empty line of an empty list holds no client.
    const std::optional<int> id = IdWiersza(wiersz);
    if (!id || !PokazKlienta(*id)) return;
    if (!fKlient->NazwaKlienta().isEmpty())
        ui->sgAbonenci->item(wiersz, KolKlient)->setText(fKlient->NazwaKlienta());
    ui->sgAbonenci->item(wiersz, KolNumer)->setText(Numer4(fKlient->Numer()));
}

void TfAbonenci::Raport() {
    TfRapAbonenci raport;
    raport.Przygotuj();
    raport.Pokaz();
}

void TfAbonenci::UstawSzerokosciKolumn() {
    QTableWidget* sg = ui->sgAbonenci;
    sg->setColumnWidth(KolNumer, 60);
    sg->setColumnWidth(KolKlient, std::max(0, sg->width() - 280));
    sg->setColumnWidth(KolOd, 100);
    sg->setColumnWidth(KolDo, 100);
    sg->setColumnHidden(KolId, true);
}
