#include "reports/uFilmyWyp.h"

#include <QEvent>
#include <QHeaderView>
#include <QMenu>
#include <array>

#include "clients/uKlient.h"
#include "reports/uRapFilmyWyp.h"
#include "reports/uSiatka.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/Zegar.h"
#include "store/uWspolneDB.h"
#include "ui_uFilmyWyp.h"
#include "widgets/uEksport.h"

TfFilmyWyp* fFilmyWyp = nullptr;

namespace {

enum Kolumna { KolFilm, KolKlient, KolDataOd, KolDataDo, KolId };

}  // namespace

TfFilmyWyp::TfFilmyWyp(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TfFilmyWyp>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("TfFilmyWyp"));
    setWindowTitle(QStringLiteral("Filmy wypożyczone"));
    addAction(ui->miRaport);
    addAction(ui->miZamknij);
    // The hidden menu "Menu" holds the keys of the buttons.
    auto* menu = new QMenu(QStringLiteral("Menu"), this);
    menu->setObjectName(QStringLiteral("menuMenu"));
    menu->addAction(ui->miRaport);
    menu->addAction(ui->miZamknij);
    ui->sgFilmy->setColumnHidden(KolId, true);
    ui->sgFilmy->installEventFilter(this);
    ui->sgFilmy->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    DodajMenuEksportu(ui->sgFilmy, {KolId});
    connect(ui->bRaport, &QPushButton::clicked, this, &TfFilmyWyp::bRaportClick);
    connect(ui->miRaport, &QAction::triggered, this, &TfFilmyWyp::bRaportClick);
    connect(ui->bZamknij, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->miZamknij, &QAction::triggered, this, &QDialog::reject);
    connect(ui->sgFilmy, &QTableWidget::cellDoubleClicked, this,
            [this](int wiersz, int) { sgFilmyDblClick(wiersz); });
}

TfFilmyWyp::~TfFilmyWyp() = default;

void TfFilmyWyp::WczytajWypozyczone(int rodzaj) {
    Rodzaj = rodzaj;
    QTableWidget* sg = ui->sgFilmy;
    sg->clearContents();
    sg->setRowCount(1);

    // Rentals of withdrawn films and of archived clients are listed too.
    QString sql = QStringLiteral(
        "select f.Tytul_oryginalny || ' (' || f.Tytul_polski || ')' tytul, k.nazwisko || ' ' || "
        "k.imie klient, r.dataOD, r.dataDO, k.id from rental r, klient k, film f where "
        "r.id_filmu = f.id and r.id_klienta = k.id and r.zwrocono = False");
    if (rodzaj == 1) {
        setWindowTitle(QStringLiteral("Wypożyczenia przeterminowane"));
        // Due before today: a film due today is not overdue yet.
        sql += QStringLiteral(" and r.dataDO < ") + DataSQL(Dzisiaj());
    } else {
        setWindowTitle(QStringLiteral("Filmy wypożyczone"));
    }
    OtworzSQL(Query1, sql);
    std::vector<std::array<QString, 5>> linie;
    for (; Query1.Active() && !Query1.Eof(); Query1.Next())
        linie.push_back({Query1.FieldByName(QStringLiteral("tytul")).AsString(),
                         Query1.FieldByName(QStringLiteral("klient")).AsString(),
                         DataDluga(Query1.FieldByName(QStringLiteral("dataOD")).AsDate()),
                         DataDluga(Query1.FieldByName(QStringLiteral("dataDO")).AsDate()),
                         QString::number(Query1.FieldByName(QStringLiteral("id")).AsLargeInt())});
    Query1.Close();

    WypelnijSiatke(
        sg,
        {QStringLiteral("Film"), QStringLiteral("Klient"), QStringLiteral("Data wypożyczenia"),
         QStringLiteral("Termin zwrotu"), QString()},
        linie);
    sg->setCurrentCell(0, KolFilm);
    UstawSzerokosciKolumn();
    sg->setFocus();
}

void TfFilmyWyp::sgFilmyDblClick(int wiersz) {
    const QTableWidgetItem* komorka = ui->sgFilmy->item(wiersz, KolId);
    bool ok = false;
    const int id = komorka ? komorka->text().toInt(&ok) : 0;
    if (!ok || !fKlient) return;  // the empty line of an empty list holds no client
    fKlient->UstawKlienta(id);
    if (PokazModalnie(*fKlient) != QDialog::Accepted) return;
    // Only this line: other lines of the same client keep their name until the next filling.
    if (!fKlient->NazwaKlienta().isEmpty())
        ui->sgFilmy->item(wiersz, KolKlient)->setText(fKlient->NazwaKlienta());
}

void TfFilmyWyp::bRaportClick() {
    TfRapFilmyWyp raport;
    raport.Przygotuj(Rodzaj);
    raport.Pokaz();
}

bool TfFilmyWyp::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (obiekt == ui->sgFilmy && zdarzenie->type() == QEvent::Resize) UstawSzerokosciKolumn();
    return QDialog::eventFilter(obiekt, zdarzenie);
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
