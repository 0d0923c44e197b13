#include "reports/uArchiwum.h"

#include "reports/OdczytRaportow.h"
#include "reports/uRapArchiwum.h"
#include "store/Formaty.h"
#include "ui_uArchiwum.h"

TfArchiwum* fArchiwum = nullptr;

using enum TModelArchiwum::Kolumna;

TfArchiwum::TfArchiwum(QWidget* parent)
    : TOknoZestawienia(parent), ui(std::make_unique<Ui::TfArchiwum>()) {
    ui->setupUi(this);
    ui->sgArchiwum->setModel(&Linie);
    setObjectName(QStringLiteral("TfArchiwum"));
    setWindowTitle(QStringLiteral("Archiwum"));
    PolaczListe(ui->sgArchiwum, KolId);
}

TfArchiwum::~TfArchiwum() = default;

void TfArchiwum::UstawArchiwum(int rodzaj, int id) {
    Rodzaj = rodzaj;
    Id = id;
}

void TfArchiwum::FormShow() {
    const bool klient = Rodzaj == 1;
    setWindowTitle(klient ? QStringLiteral("Archiwum klienta") : QStringLiteral("Archwium filmu"));
    ui->lNumer->setText(klient ? QStringLiteral("Numer klienta") : QStringLiteral("Numer filmu"));
    ui->lNazwa->setText(klient ? QStringLiteral("Klient") : QStringLiteral("Tytuł"));
    ui->lLicznik->setText(klient ? QStringLiteral("Ilość wypożyczeń") : QStringLiteral("Wpływy"));

    // The subject.
    if (const auto podmiot = PodmiotArchiwum(Query1, klient, Id)) {
        ui->eNumer->setText(Numer4(podmiot->numer));
        ui->eNazwa->setText(podmiot->nazwa);
        ui->eLicznik->setText(klient ? podmiot->licznik : KwotaNaEkran(podmiot->wplywy));
        // A name longer than its box shows its beginning.
        ui->eNazwa->setCursorPosition(0);
    }

    // Its rentals, newest first.
    auto linie = LinieArchiwum(Query1, klient, Id);
    if (!linie) return;  // the error is shown; the lines stay as they were
    Linie.Wczytaj(std::move(*linie), klient);
    ui->sgArchiwum->setCurrentIndex(Linie.index(0, KolNumer));
    UstawSzerokosciKolumn();
}

void TfArchiwum::Dwuklik(int wiersz) {
    const std::optional<int> id = Linie.IdDrugiejStrony(wiersz);
    if (!id) return;  // the empty line of an empty history, or a rental of a lost subject
    UstawArchiwum(Rodzaj == 1 ? 2 : 1, *id);
    Linie.Wyczysc();
    FormShow();
}

void TfArchiwum::Raport() {
    TfRapArchiwum raport;
    raport.Przygotuj(Rodzaj, Id);
    raport.Pokaz();
}

void TfArchiwum::UstawSzerokosciKolumn() {
    QTableView* sg = ui->sgArchiwum;
    sg->setColumnWidth(KolNumer, 55);
    sg->setColumnWidth(KolNazwa, std::max(0, sg->width() - 275));
    sg->setColumnWidth(KolDataOd, 100);
    sg->setColumnWidth(KolDataZwrotu, 100);
    sg->setColumnHidden(KolId, true);
}
