#include "reports/uArchiwum.h"

#include <QEvent>
#include <QHeaderView>
#include <QShowEvent>

#include "reports/uRapArchiwum.h"
#include "store/Formaty.h"
#include "store/uWspolneDB.h"
#include "ui_uArchiwum.h"
#include "widgets/uEksport.h"

TfArchiwum* fArchiwum = nullptr;

using enum TModelArchiwum::Kolumna;

TfArchiwum::TfArchiwum(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TfArchiwum>()) {
    ui->setupUi(this);
    ui->sgArchiwum->setModel(&Linie);
    setObjectName(QStringLiteral("TfArchiwum"));
    setWindowTitle(QStringLiteral("Archiwum"));
    addAction(ui->miRaport);
    addAction(ui->miZamknij);
    ui->sgArchiwum->setColumnHidden(KolId, true);
    ui->sgArchiwum->installEventFilter(this);
    ui->sgArchiwum->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    DodajMenuEksportu(ui->sgArchiwum, {KolId});
    connect(ui->bRaport, &QPushButton::clicked, this, &TfArchiwum::bRaportClick);
    connect(ui->miRaport, &QAction::triggered, this, &TfArchiwum::bRaportClick);
    connect(ui->bZamknij, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->miZamknij, &QAction::triggered, this, &QDialog::reject);
    connect(ui->sgArchiwum, &QTableView::doubleClicked, this,
            [this](const QModelIndex& indeks) { sgArchiwumDblClick(indeks.row()); });
}

TfArchiwum::~TfArchiwum() = default;

void TfArchiwum::UstawArchiwum(int rodzaj, int id) {
    Rodzaj = rodzaj;
    Id = id;
}

void TfArchiwum::showEvent(QShowEvent* zdarzenie) {
    QDialog::showEvent(zdarzenie);
    if (!zdarzenie->spontaneous()) FormShow();
}

void TfArchiwum::FormShow() {
    const bool klient = Rodzaj == 1;
    const QString id = QString::number(Id);
    setWindowTitle(klient ? QStringLiteral("Archiwum klienta") : QStringLiteral("Archwium filmu"));
    ui->lNumer->setText(klient ? QStringLiteral("Numer klienta") : QStringLiteral("Numer filmu"));
    ui->lNazwa->setText(klient ? QStringLiteral("Klient") : QStringLiteral("Tytuł"));
    ui->lLicznik->setText(klient ? QStringLiteral("Ilość wypożyczeń") : QStringLiteral("Wpływy"));

    // The subject.
    if (klient)
        OtworzSQL(Query1, QStringLiteral("select Numer_klienta nr, Nazwisko ||' ' || Imie klient, "
                                         "Licznik from klient where ID = ") +
                              id);
    else
        OtworzSQL(Query1,
                  QStringLiteral("select Numer_filmu nr, Tytul_oryginalny || ' (' || "
                                 "Tytul_polski || ')' tytul, Wplywy from film where ID = ") +
                      id);
    if (Query1.Active()) {
        ui->eNumer->setText(Numer4(Query1.FieldByName(QStringLiteral("nr")).AsLargeInt()));
        if (klient) {
            ui->eNazwa->setText(Query1.FieldByName(QStringLiteral("klient")).AsString());
            ui->eLicznik->setText(Query1.FieldByName(QStringLiteral("Licznik")).AsString());
        } else {
            ui->eNazwa->setText(Query1.FieldByName(QStringLiteral("tytul")).AsString());
            ui->eLicznik->setText(
                KwotaNaEkran(Query1.FieldByName(QStringLiteral("Wplywy")).AsFloat()));
        }
        // A name longer than its box shows its beginning.
        ui->eNazwa->setCursorPosition(0);
        Query1.Close();
    }

    // Its rentals, newest first.
    if (klient)
        OtworzSQL(Query1,
                  QStringLiteral("select f.id, f.Numer_filmu nr, f.Tytul_oryginalny || ' (' || "
                                 "f.Tytul_polski || ')' tytul, r.dataOD dataod, r.dataZwrotu "
                                 "dataZwrotu  from rental r left outer join film f on f.ID = "
                                 "r.id_filmu where r.Id_klienta = ") +
                      id + QStringLiteral(" order by dataOD DESC"));
    else
        OtworzSQL(Query1,
                  QStringLiteral("select k.id, k.nazwisko || ' ' || k.imie klient, k.numer_klienta "
                                 "nr, r.dataOD dataOD, r.dataZwrotu dataZwrotu  from rental r left "
                                 "outer join klient k on k.id = r.id_klienta where r.id_filmu = ") +
                      id + QStringLiteral(" order by dataOD DESC"));
    if (!Query1.Active()) return;  // the error is shown; the lines stay as they were
    Linie.Wczytaj(Query1, klient);
    ui->sgArchiwum->setCurrentIndex(Linie.index(0, KolNumer));
    UstawSzerokosciKolumn();
}

void TfArchiwum::sgArchiwumDblClick(int wiersz) {
    const std::optional<int> id = Linie.IdDrugiejStrony(wiersz);
    if (!id) return;  // the empty line of an empty history, or a rental of a lost subject
    UstawArchiwum(Rodzaj == 1 ? 2 : 1, *id);
    Linie.Wyczysc();
    FormShow();
}

void TfArchiwum::bRaportClick() {
    TfRapArchiwum raport;
    raport.Przygotuj(Rodzaj, Id);
    raport.Pokaz();
}

bool TfArchiwum::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (obiekt == ui->sgArchiwum && zdarzenie->type() == QEvent::Resize) UstawSzerokosciKolumn();
    return QDialog::eventFilter(obiekt, zdarzenie);
}

void TfArchiwum::UstawSzerokosciKolumn() {
    QTableView* sg = ui->sgArchiwum;
    sg->setColumnWidth(KolNumer, 55);
    sg->setColumnWidth(KolNazwa, std::max(0, sg->width() - 275));
    sg->setColumnWidth(KolDataOd, 100);
    sg->setColumnWidth(KolDataZwrotu, 100);
    sg->setColumnHidden(KolId, true);
}
