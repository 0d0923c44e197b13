#include "clients/uKlienciArchiwum.h"

#include <QEvent>
#include <QHeaderView>
#include <QShowEvent>
#include <array>
#include <vector>

#include "clients/ZapisKlienta.h"
#include "store/Interakcja.h"
#include "store/uWspolneDB.h"
#include "ui_uKlienciArchiwum.h"
#include "widgets/uEksport.h"

namespace {

enum Kolumna { KolId, KolNazwisko, KolImie, KolFirma };

}  // namespace

void PokazArchiwumKlientow() {
    TfKlienciArchiwum okno;
    PokazModalnie(okno);
}

TfKlienciArchiwum::TfKlienciArchiwum(QWidget* parent)
    : QDialog(parent), ui(new Ui::TfKlienciArchiwum) {
    ui->setupUi(this);
    DodajMenuEksportu(ui->sgKlienci, {KolId});
    setObjectName(QStringLiteral("TfKlienciArchiwum"));
    setWindowTitle(QStringLiteral("Usunięci klienci"));
    addAction(ui->miPrzywroc);
    addAction(ui->miZamknij);
    connect(ui->bPrzywroc, &QPushButton::clicked, this, &TfKlienciArchiwum::bPrzywrocClick);
    connect(ui->miPrzywroc, &QAction::triggered, this, &TfKlienciArchiwum::bPrzywrocClick);
    connect(ui->bZamknij, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->miZamknij, &QAction::triggered, this, &QDialog::reject);

    QTableWidget* sg = ui->sgKlienci;
    sg->setHorizontalHeaderLabels({QStringLiteral("ID"), QStringLiteral("Nazwisko"),
                                   QStringLiteral("Imię"), QStringLiteral("Firma")});
    sg->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    sg->setColumnHidden(KolId, true);
    sg->installEventFilter(this);
    UstawSzerokosciKolumn();
}

TfKlienciArchiwum::~TfKlienciArchiwum() {
    delete ui;
}

void TfKlienciArchiwum::showEvent(QShowEvent* zdarzenie) {
    QDialog::showEvent(zdarzenie);
    if (!zdarzenie->spontaneous()) Otworz();
}

void TfKlienciArchiwum::done(int r) {
    Query1.Close();
    QDialog::done(r);
}

void TfKlienciArchiwum::Otworz() {
    QTableWidget* sg = ui->sgKlienci;
    sg->clearContents();
    sg->setRowCount(0);
    OtworzSQL(Query1, QStringLiteral("select ID, Imie, Nazwisko, Firma\n"
                                     "from klient\n"
                                     "where Aktualny = False\n"
                                     "order by Nazwisko"));
    if (!Query1.Active()) return;  // the store's error has been shown
    std::vector<std::array<QString, 4>> linie;
    for (; !Query1.Eof(); Query1.Next())
        linie.push_back({QString::number(Query1.FieldByName(QStringLiteral("ID")).AsLargeInt()),
                         Query1.FieldByName(QStringLiteral("Nazwisko")).AsString(),
                         Query1.FieldByName(QStringLiteral("Imie")).AsString(),
                         Query1.FieldByName(QStringLiteral("Firma")).AsString()});
    // The rows are all read: the query lets go of the store.
    Query1.Close();
    // The grid grows once, not a row at a time.
    sg->setRowCount(static_cast<int>(linie.size()));
    for (int w = 0; w < static_cast<int>(linie.size()); ++w)
        for (int k = KolId; k <= KolFirma; ++k)
            sg->setItem(w, k, new QTableWidgetItem(linie[static_cast<size_t>(w)][k]));
    if (sg->rowCount() > 0) sg->setCurrentCell(0, KolNazwisko);
    ui->bPrzywroc->setEnabled(sg->rowCount() > 0);
    ui->miPrzywroc->setEnabled(sg->rowCount() > 0);
}

void TfKlienciArchiwum::bPrzywrocClick() {
    QTableWidget* sg = ui->sgKlienci;
    const QTableWidgetItem* komorka =
        sg->currentRow() >= 0 ? sg->item(sg->currentRow(), KolId) : nullptr;
    if (!komorka) return;
    if (!Pytanie(QStringLiteral("Czy na pewno chcesz przywrócić klienta do bazy?"), true)) return;
    {
        TTransakcja transakcja;
        PrzywrocKlienta(Query2, komorka->text().toInt());
        transakcja.Zatwierdz();
    }
    // Restored or not, the grid shows the stored state.
    Otworz();
}

bool TfKlienciArchiwum::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (obiekt == ui->sgKlienci && zdarzenie->type() == QEvent::Resize) UstawSzerokosciKolumn();
    return QDialog::eventFilter(obiekt, zdarzenie);
}

// The visible columns take a third of the grid each, the last one 20 pixels less.
void TfKlienciArchiwum::UstawSzerokosciKolumn() {
    QTableWidget* sg = ui->sgKlienci;
    const int trzecia = sg->width() / 3;
    sg->setColumnWidth(KolNazwisko, trzecia);
    sg->setColumnWidth(KolImie, trzecia);
    sg->setColumnWidth(KolFirma, std::max(0, trzecia - 20));
}
