#include "films/uFilmy.h"

#include <QEvent>
#include <QHeaderView>
#include <QShowEvent>
#include <QTableView>

#include "films/ZapisFilmu.h"
#include "films/uFilm.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/uWspolneDB.h"
#include "ui_uFilmy.h"
#include "widgets/ListaNumerowana.h"
#include "widgets/uEksport.h"

namespace {

const QString ListaFilmow = QStringLiteral(
    "select ID, Numer_filmu, Tytul_oryginalny || ' (' || Tytul_polski || ')' tytul\n"
    "from film \n"
    "where aktualny = true\n"
    "order by Numer_filmu");

QString TytulWiersza(const QString& org, const QString& pol) {
    return org + QStringLiteral(" (") + pol + QStringLiteral(")");
}

}  // namespace

bool WycofajFilm(int idFilmu) {
    if (idFilmu <= 0) return false;
    if (!Pytanie(QStringLiteral("Czy na pewno usunąć wskazany film?"), false)) return false;
    TQuery query;
    TTransakcja transakcja;
    WycofajFilmZBazy(query, idFilmu);
    return transakcja.Zatwierdz();
}

void PokazFilmy() {
    TfFilmy okno;
    PokazModalnie(okno);
}

TfFilmy::TfFilmy(QWidget* parent) : QDialog(parent), ui(new Ui::TfFilmy), zapytanie(ListaFilmow) {
    ui->setupUi(this);
    lista = new TListaNumerowana(QStringLiteral("Nr kat."), QStringLiteral("Tytuł"), this);
    PrzygotujListeNumerowana(ui->sgFilmy, lista);
    DodajMenuEksportu(ui->sgFilmy, {TListaNumerowana::KolId});
    setObjectName(QStringLiteral("TfFilmy"));
    setWindowTitle(QStringLiteral("Filmy"));

    // The hidden menu "Film": its items act through their keys only.
    for (QAction* a : {ui->miNowy, ui->miEdycja, ui->miUsun, ui->miArchiwum, ui->miKoniec})
        addAction(a);
    connect(ui->bNowy, &QPushButton::clicked, this, &TfFilmy::bNowyClick);
    connect(ui->miNowy, &QAction::triggered, this, &TfFilmy::bNowyClick);
    connect(ui->bEdycja, &QPushButton::clicked, this, &TfFilmy::bEdycjaClick);
    connect(ui->miEdycja, &QAction::triggered, this, &TfFilmy::bEdycjaClick);
    connect(ui->bUsun, &QPushButton::clicked, this, &TfFilmy::bUsunClick);
    connect(ui->miUsun, &QAction::triggered, this, &TfFilmy::bUsunClick);
    connect(ui->bArchiwum, &QPushButton::clicked, this, &TfFilmy::bArchiwumClick);
    connect(ui->miArchiwum, &QAction::triggered, this, &TfFilmy::bArchiwumClick);
    connect(ui->bZamknij, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->miKoniec, &QAction::triggered, this, &QDialog::accept);

    QTableView* sg = ui->sgFilmy;
    sg->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    sg->installEventFilter(this);
    connect(sg->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& biezacy) { WybierzWiersz(biezacy.row()); });
    connect(sg, &QAbstractItemView::doubleClicked, this, [this] { bEdycjaClick(); });
    UstawSzerokosciKolumn();
    UstawPolecenia();
}

TfFilmy::~TfFilmy() {
    delete ui;
}

void TfFilmy::UstawZapytanie(const QString& sql) {
    zapytanie = sql;
    trybSzukania = true;
    UstawPolecenia();
}

void TfFilmy::showEvent(QShowEvent* zdarzenie) {
    QDialog::showEvent(zdarzenie);
    if (zdarzenie->spontaneous()) return;
    WczytajFilmy();
    PokazSzczegoly();
    ui->sgFilmy->setFocus();
}

void TfFilmy::WczytajFilmy() {
    OtworzSQL(Query1, zapytanie);
    if (!Query1.Active()) return;  // the store's error has been shown; the list stays
    wypelnianie = true;
    IdWybranego = WypelnijListeNumerowana(ui->sgFilmy, *lista, Query1,
                                          QStringLiteral("Numer_filmu"), QStringLiteral("tytul"));
    wypelnianie = false;
    UstawPolecenia();
}

void TfFilmy::PokazSzczegoly() {
    if (IdWybranego == 0) {
        WyczyscSzczegoly();
        return;
    }
    Query2.UstawParametr(QStringLiteral("ID"), IdWybranego);
    OtworzSQL(Query2, QStringLiteral("select * \n"
                                     "from film\n"
                                     "where ID = :ID"));
    if (!Query2.Active() || Query2.Eof()) {
        Query2.Close();
        WyczyscSzczegoly();
        return;
    }
    auto tekst = [&](const char* nazwa) { return Query2.FieldByName(nazwa).AsString(); };
    auto kwota = [&](const char* nazwa) {
        return KwotaNaEkran(Query2.FieldByName(nazwa).AsFloat());
    };
    ui->eRezyser1->setText(tekst("Rezyseria_1"));
    ui->eRezyser2->setText(tekst("Rezyseria_2"));
    ui->eRola1->setText(tekst("Rola_glowna_1"));
    ui->eRola2->setText(tekst("Rola_glowna_2"));
    ui->eRola3->setText(tekst("Rola_glowna_3"));
    ui->eRola4->setText(tekst("Rola_glowna_4"));
    ui->eRola5->setText(tekst("Rola_glowna_5"));
    ui->eGatunek->setText(tekst("Gatunek"));
    ui->eNosnik->setText(tekst("Nosnik"));
    ui->eProdukcja->setText(tekst("Produkcja"));
    ui->eCzas->setText(tekst("Czas_trwania"));
    ui->eStawka->setText(kwota("Stawka"));
    ui->eIloscWyp->setText(QString::number(Query2.FieldByName("Ilosc_wypozyczen").AsLargeInt()));
    ui->eWplywy->setText(kwota("Wplywy"));
    ui->eCena->setText(kwota("Cena_zakupu"));
    const bool naPolce = Query2.FieldByName("Status").AsBoolean();
    Query2.Close();

    setWindowTitle(lista->Tekst(ui->sgFilmy->currentIndex().row()) +
                   (naPolce ? QStringLiteral("  - NA PÓŁCE") : QStringLiteral("  - WYPOŻYCZONY")));
}

void TfFilmy::WyczyscSzczegoly() {
    for (QLineEdit* e : {ui->eRezyser1, ui->eRezyser2, ui->eRola1, ui->eRola2, ui->eRola3,
                         ui->eRola4, ui->eRola5, ui->eGatunek, ui->eNosnik, ui->eProdukcja,
                         ui->eCzas, ui->eStawka, ui->eIloscWyp, ui->eWplywy, ui->eCena})
        e->clear();
    setWindowTitle(QStringLiteral("Filmy"));
}

void TfFilmy::WybierzWiersz(int wiersz) {
    if (wypelnianie) return;
    const int id = lista->Id(wiersz);
    if (id == 0) return;
    IdWybranego = id;
    PokazSzczegoly();
}

// "Nowy" is off in search mode; edit, withdraw and report need a selected film.
void TfFilmy::UstawPolecenia() {
    ui->bNowy->setEnabled(!trybSzukania);
    ui->miNowy->setEnabled(!trybSzukania);
    const bool jest = IdWybranego != 0;
    for (QPushButton* b : {ui->bEdycja, ui->bUsun, ui->bArchiwum}) b->setEnabled(jest);
    for (QAction* a : {ui->miEdycja, ui->miUsun, ui->miArchiwum}) a->setEnabled(jest);
}

void TfFilmy::bNowyClick() {
    if (trybSzukania || !fFilm) return;
    fFilm->UstawFilm(0);
    if (PokazModalnie(*fFilm) == QDialog::Accepted && !fFilm->NowyTytulOrg().isEmpty())
        WczytajFilmy();
}

void TfFilmy::bEdycjaClick() {
    if (!fFilm || IdWybranego == 0) return;
    const int wiersz = ui->sgFilmy->currentIndex().row();
    fFilm->UstawFilm(IdWybranego);
    if (PokazModalnie(*fFilm) != QDialog::Accepted) return;
    // The row keeps its place until the next refill, even when its number moved.
    if (wiersz >= 0)
        lista->UstawWiersz(wiersz, fFilm->Numer(),
                           fFilm->NowyTytulOrg().isEmpty()
                               ? lista->Tekst(wiersz)
                               : TytulWiersza(fFilm->NowyTytulOrg(), fFilm->NowyTytulPol()));
    PokazSzczegoly();
}

void TfFilmy::bUsunClick() {
    if (IdWybranego == 0) return;
    // Withdrawn, declined or failed: the list shows the stored state.
    WycofajFilm(IdWybranego);
    WczytajFilmy();
    PokazSzczegoly();
}

void TfFilmy::bArchiwumClick() {
    if (IdWybranego == 0) return;
    emit PokazArchiwum(IdWybranego);
}

bool TfFilmy::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (obiekt == ui->sgFilmy && zdarzenie->type() == QEvent::Resize) UstawSzerokosciKolumn();
    return QDialog::eventFilter(obiekt, zdarzenie);
}

void TfFilmy::UstawSzerokosciKolumn() {
    QTableView* sg = ui->sgFilmy;
    sg->setColumnWidth(TListaNumerowana::KolNr, 64);
    sg->setColumnWidth(TListaNumerowana::KolTekst, std::max(0, sg->width() - 64 - 19));
}
