#include "reports/uAbonenci.h"

#include <QEvent>
#include <QHeaderView>
#include <QShowEvent>
#include <array>

#include "clients/uKlient.h"
#include "reports/uRapAbonenci.h"
#include "reports/uSiatka.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/uWspolneDB.h"
#include "ui_uAbonenci.h"
#include "widgets/uEksport.h"

TfAbonenci* fAbonenci = nullptr;

namespace {

enum Kolumna { KolNumer, KolKlient, KolOd, KolDo, KolId };

}  // namespace

TfAbonenci::TfAbonenci(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TfAbonenci>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("TfAbonenci"));
    setWindowTitle(QStringLiteral("Abonenci"));
    addAction(ui->miRaport);
    addAction(ui->miZamknij);
    ui->sgAbonenci->setColumnHidden(KolId, true);
    ui->sgAbonenci->installEventFilter(this);
    ui->sgAbonenci->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    DodajMenuEksportu(ui->sgAbonenci, {KolId});
    connect(ui->bRaport, &QPushButton::clicked, this, &TfAbonenci::bRaportClick);
    connect(ui->miRaport, &QAction::triggered, this, &TfAbonenci::bRaportClick);
    connect(ui->bZamknij, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->miZamknij, &QAction::triggered, this, &QDialog::reject);
    connect(ui->sgAbonenci, &QTableWidget::cellDoubleClicked, this,
            [this](int wiersz, int) { sgAbonenciDblClick(wiersz); });
}

TfAbonenci::~TfAbonenci() = default;

void TfAbonenci::showEvent(QShowEvent* zdarzenie) {
    QDialog::showEvent(zdarzenie);
    if (!zdarzenie->spontaneous()) FormShow();
}

void TfAbonenci::FormShow() {
    // Archived clients and subscriptions past their end date are listed too.
    OtworzSQL(Query1, QStringLiteral("select Numer_klienta NR, Nazwisko || ' ' || Imie KLIENT, "
                                     "Abonament_OD, Abonament_DO, ID  \n"
                                     "from klient\n"
                                     "where abonament = True"));
    if (!Query1.Active()) return;  // the error is shown; the list stays as it was
    std::vector<std::array<QString, 5>> linie;
    for (; !Query1.Eof(); Query1.Next()) {
        const TField& nr = Query1.FieldByName(QStringLiteral("NR"));
        linie.push_back({nr.IsNull() ? QString() : Numer4(nr.AsLargeInt()),
                         Query1.FieldByName(QStringLiteral("KLIENT")).AsString(),
                         DataDluga(Query1.FieldByName(QStringLiteral("ABONAMENT_OD")).AsDate()),
                         DataDluga(Query1.FieldByName(QStringLiteral("ABONAMENT_DO")).AsDate()),
                         QString::number(Query1.FieldByName(QStringLiteral("ID")).AsLargeInt())});
    }
    Query1.Close();

    QTableWidget* sg = ui->sgAbonenci;
    WypelnijSiatke(sg,
                   {QStringLiteral("Nr klienta"), QStringLiteral("Klient"),
                    QStringLiteral("Abonament od"), QStringLiteral("Abonament do"), QString()},
                   linie);
    sg->setCurrentCell(0, KolNumer);
    UstawSzerokosciKolumn();
    ui->bRaport->setFocus();
}

void TfAbonenci::sgAbonenciDblClick(int wiersz) {
    const QTableWidgetItem* komorka = ui->sgAbonenci->item(wiersz, KolId);
    bool ok = false;
    const int id = komorka ? komorka->text().toInt(&ok) : 0;
    if (!ok || !fKlient) return;  // the empty line of an empty list holds no client
    fKlient->UstawKlienta(id);
    if (PokazModalnie(*fKlient) != QDialog::Accepted) return;
    if (!fKlient->NazwaKlienta().isEmpty())
        ui->sgAbonenci->item(wiersz, KolKlient)->setText(fKlient->NazwaKlienta());
    ui->sgAbonenci->item(wiersz, KolNumer)->setText(Numer4(fKlient->Numer()));
}

void TfAbonenci::bRaportClick() {
    TfRapAbonenci raport;
    raport.Przygotuj();
    raport.Pokaz();
}

bool TfAbonenci::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (obiekt == ui->sgAbonenci && zdarzenie->type() == QEvent::Resize) UstawSzerokosciKolumn();
    return QDialog::eventFilter(obiekt, zdarzenie);
}

void TfAbonenci::UstawSzerokosciKolumn() {
    QTableWidget* sg = ui->sgAbonenci;
    sg->setColumnWidth(KolNumer, 60);
    sg->setColumnWidth(KolKlient, std::max(0, sg->width() - 280));
    sg->setColumnWidth(KolOd, 100);
    sg->setColumnWidth(KolDo, 100);
    sg->setColumnHidden(KolId, true);
}
