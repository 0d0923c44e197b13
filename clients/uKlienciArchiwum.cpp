#include "clients/uKlienciArchiwum.h"

#include <QEvent>
#include <QHeaderView>
#include <QShowEvent>
#include <array>
#include <vector>

#include "clients/ZapisKlienta.h"
#include "store/Interakcja.h"
#include "ui_uKlienciArchiwum.h"
#include "widgets/Polecenie.h"
#include "widgets/uEksport.h"

namespace {

enum Kolumna { KolId, KolNazwisko, KolImie, KolFirma };

}  // namespace

void PokazArchiwumKlientow() {
    TfKlienciArchiwum okno;
    PokazModalnie(okno);
}

TfKlienciArchiwum::TfKlienciArchiwum(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfKlienciArchiwum>()) {
    ui->setupUi(this);
    DodajMenuEksportu(ui->sgKlienci, {KolId});
    setObjectName(QStringLiteral("TfKlienciArchiwum"));
    setWindowTitle(QStringLiteral("Usunięci klienci"));
    PolaczPolecenie(this, ui->bPrzywroc, ui->miPrzywroc, [this] { bPrzywrocClick(); });
    PolaczPolecenie(this, ui->bZamknij, ui->miZamknij, [this] { reject(); });

    QTableWidget* sg = ui->sgKlienci;
    sg->setHorizontalHeaderLabels({QStringLiteral("ID"), QStringLiteral("Nazwisko"),
                                   QStringLiteral("Imię"), QStringLiteral("Firma")});
    sg->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    sg->setColumnHidden(KolId, true);
    sg->installEventFilter(this);
    UstawSzerokosciKolumn();
}

TfKlienciArchiwum::~TfKlienciArchiwum() = default;

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
    klienci.clear();
    auto wczytani = KlienciArchiwalni(Query1);
    if (!wczytani) return;  // the store's error has been shown
    klienci = std::move(*wczytani);
    // The grid grows once, not a row at a time.
    sg->setRowCount(static_cast<int>(klienci.size()));
    for (int w = 0; w < sg->rowCount(); ++w) {
        const TKlientArchiwalny& k = klienci[static_cast<size_t>(w)];
        const std::array<QString, 4> komorki = {QString::number(k.Id), k.Nazwisko, k.Imie, k.Firma};
        for (int kol = KolId; kol <= KolFirma; ++kol)
            sg->setItem(w, kol, new QTableWidgetItem(komorki[kol]));
    }
    if (sg->rowCount() > 0) sg->setCurrentCell(0, KolNazwisko);
    ui->bPrzywroc->setEnabled(sg->rowCount() > 0);
    ui->miPrzywroc->setEnabled(sg->rowCount() > 0);
}

void TfKlienciArchiwum::bPrzywrocClick() {
    const int wiersz = ui->sgKlienci->currentRow();
    if (wiersz < 0 || static_cast<size_t>(wiersz) >= klienci.size()) return;
    if (!Pytanie(QStringLiteral("Czy na pewno chcesz przywrócić klienta do bazy?"), true)) return;
    ZapiszPowrotKlienta(static_cast<int>(klienci[static_cast<size_t>(wiersz)].Id));
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
