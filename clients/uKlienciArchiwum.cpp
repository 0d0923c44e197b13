#include "clients/uKlienciArchiwum.h"

#include <QHeaderView>
#include <array>
#include <vector>

#include "clients/ZapisKlienta.h"
#include "store/Interakcja.h"
#include "ui_uKlienciArchiwum.h"

namespace {

enum Kolumna { KolId, KolNazwisko, KolImie, KolFirma };

}  // namespace

void PokazArchiwumKlientow() {
    TfKlienciArchiwum okno;
    PokazModalnie(okno);
}

TfKlienciArchiwum::TfKlienciArchiwum(QWidget* parent)
    : TOknoListy(parent), ui(std::make_unique<Ui::TfKlienciArchiwum>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("TfKlienciArchiwum"));
    setWindowTitle(QStringLiteral("Usunięci klienci"));
    DodajPolecenie(ui->bPrzywroc, ui->miPrzywroc, [this] { bPrzywrocClick(); });
    DodajPolecenie(ui->bZamknij, ui->miZamknij, [this] { reject(); });

    QTableWidget* sg = ui->sgKlienci;
    sg->setHorizontalHeaderLabels({QStringLiteral("ID"), QStringLiteral("Nazwisko"),
                                   QStringLiteral("Imię"), QStringLiteral("Firma")});
    UstawSiatke(sg, {KolId}, [this] { UstawSzerokosciKolumn(); });
}

TfKlienciArchiwum::~TfKlienciArchiwum() = default;

void TfKlienciArchiwum::FormShow() {
    Otworz();
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

// The visible columns take a third of the grid each, the last one 20 pixels less.
void TfKlienciArchiwum::UstawSzerokosciKolumn() {
    QTableWidget* sg = ui->sgKlienci;
    const int trzecia = sg->width() / 3;
    sg->setColumnWidth(KolNazwisko, trzecia);
    sg->setColumnWidth(KolImie, trzecia);
    sg->setColumnWidth(KolFirma, std::max(0, trzecia - 20));
}
