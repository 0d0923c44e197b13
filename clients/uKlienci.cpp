#include "clients/uKlienci.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QShowEvent>
#include <QTableView>

#include "clients/ZapisKlienta.h"
#include "clients/uKlient.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/uWspolneDB.h"
#include "ui_uKlienci.h"
#include "widgets/ListaNumerowana.h"
#include "widgets/uEksport.h"

TfKlienci* fKlienci = nullptr;

namespace {

const QString NieMoznaUsunac = QStringLiteral("Nie można usunąć klienta.\n");

// True when the query finds a row; a failing query counts as found, so that nothing is
// archived on a check that could not be made (its error has been shown).
bool Znaleziono(TQuery& query, const QString& sql) {
    OtworzSQL(query, sql);
    const bool jest = !query.Active() || !query.Eof();
    query.Close();
    return jest;
}

}  // namespace

bool UsunKlienta(int idKlienta, bool listaZFilmami) {
    if (idKlienta <= 0) return false;
    if (!Pytanie(QStringLiteral("Czy na pewno usunąć wskazanego klienta?"), false)) return false;
    const QString id = QString::number(idKlienta);
    QString odmowa;
    bool zarchiwizowany = false;
    {
        TQuery query;
        // The checks and the change form one operation, so nothing comes between them.
        TTransakcja transakcja;
        if (listaZFilmami ||
            Znaleziono(query, QStringLiteral("select * from rental where ID_Klienta = ") + id +
                                  QStringLiteral(" and Zwrocono = false")))
            odmowa = QStringLiteral("Klient musi najpier dokonać zwrotu wypożyczenia.");
        else if (Znaleziono(query,
                            QStringLiteral("select * from rental where ID_Klienta = ") + id +
                                QStringLiteral(" and ( ( Zwrocono = False and Platnosc <> 0 ) or "
                                               "( Zwrocono = True and Platnosc1 <> 0 ) )")))
            odmowa = QStringLiteral("Klient musi najpier uregulować zaległe należności.");
        // A check that failed has shown the store's error: no refusal is reported for it.
        if (TTransakcja::Przerwana()) return false;
        if (odmowa.isEmpty()) {
            ArchiwizujKlienta(query, idKlienta);
            zarchiwizowany = transakcja.Zatwierdz();
        }
    }
    if (!odmowa.isEmpty()) Uwaga(NieMoznaUsunac + odmowa);
    return zarchiwizowany;
}

TfKlienci::TfKlienci(QWidget* parent) : QDialog(parent), ui(new Ui::TfKlienci) {
    ui->setupUi(this);
    lista = new TListaNumerowana(QStringLiteral("Nr"), QStringLiteral("Klient"), this);
    PrzygotujListeNumerowana(ui->sgKlienci, lista);
    DodajMenuEksportu(ui->sgKlienci, {TListaNumerowana::KolId});
    setObjectName(QStringLiteral("TfKlienci"));
    setWindowTitle(QStringLiteral("Klienci"));

    // The hidden menu: its items act through their keys only.
    for (QAction* a : {ui->miNowy, ui->miEdytuj, ui->miUsun, ui->miArchiwum, ui->miZamknij})
        addAction(a);
    connect(ui->bNowy, &QPushButton::clicked, this, &TfKlienci::bNowyClick);
    connect(ui->miNowy, &QAction::triggered, this, &TfKlienci::bNowyClick);
    connect(ui->bEdytuj, &QPushButton::clicked, this, &TfKlienci::bEdytujClick);
    connect(ui->miEdytuj, &QAction::triggered, this, &TfKlienci::bEdytujClick);
    connect(ui->bUsun, &QPushButton::clicked, this, &TfKlienci::bUsunClick);
    connect(ui->miUsun, &QAction::triggered, this, &TfKlienci::bUsunClick);
    connect(ui->bArchiwum, &QPushButton::clicked, this, &TfKlienci::bArchiwumClick);
    connect(ui->miArchiwum, &QAction::triggered, this, &TfKlienci::bArchiwumClick);
    connect(ui->bZamknij, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->miZamknij, &QAction::triggered, this, &QDialog::reject);

    QTableView* sg = ui->sgKlienci;
    sg->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    sg->installEventFilter(this);
    // A row chosen by the mouse or the keys becomes the selected client.
    connect(sg->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& biezacy) { WybierzWiersz(biezacy.row()); });
    connect(sg, &QAbstractItemView::doubleClicked, this, [this] { bEdytujClick(); });
    UstawSzerokosciKolumn();
    UstawPolecenia();
}

TfKlienci::~TfKlienci() {
    delete ui;
}

void TfKlienci::showEvent(QShowEvent* zdarzenie) {
    QDialog::showEvent(zdarzenie);
    if (!zdarzenie->spontaneous()) FormShow();
}

void TfKlienci::FormShow() {
    WczytajKlientow();
    WczytajSzczegoly();
    ui->sgKlienci->setFocus();
}

void TfKlienci::WczytajKlientow() {
    OtworzSQL(Query1, QStringLiteral("select ID, Numer_klienta, Nazwisko || ' ' || Imie klient\n"
                                     "from klient\n"
                                     "where aktualny = True"));
    if (!Query1.Active()) return;  // the store's error has been shown; the list stays
    wypelnianie = true;
    Id = WypelnijListeNumerowana(ui->sgKlienci, *lista, Query1, QStringLiteral("Numer_klienta"),
                                 QStringLiteral("klient"));
    wypelnianie = false;
    UstawPolecenia();
}

void TfKlienci::WczytajSzczegoly() {
    if (Id == 0) {
        WyczyscSzczegoly();
        return;
    }
    Query2.UstawParametr(QStringLiteral("ID"), Id);
    OtworzSQL(Query2, QStringLiteral("select *\n"
                                     "from klient \n"
                                     "where ID = :ID"));
    if (!Query2.Active() || Query2.Eof()) {
        Query2.Close();
        WyczyscSzczegoly();
        return;
    }
    auto tekst = [&](const char* nazwa) { return Query2.FieldByName(nazwa).AsString(); };
    auto dzien = [&](const char* nazwa) { return DataDluga(Query2.FieldByName(nazwa).AsDate()); };
    ui->eFirma->setText(tekst("Firma"));
    ui->eUpowazniony->setText(tekst("Upowazniony"));
    ui->eMiejscowosc->setText(tekst("Miejscowosc"));
    ui->eKod->setText(tekst("Kod"));
    ui->eUlica->setText(tekst("Ulica"));
    ui->eNrPosesji->setText(tekst("Nr_Posesji"));
    ui->eNrLokalu->setText(tekst("Nr_lokalu"));
    ui->eTelefon->setText(tekst("Telefon"));
    ui->eNIP->setText(tekst("NIP"));
    ui->eOstWypozyczenie->setText(dzien("Ostatnie_wypozyczenie"));
    ui->eLicznik->setText(QString::number(Query2.FieldByName("Licznik").AsLargeInt()));
    ui->eRabat->setText(QString::number(Query2.FieldByName("Rabat").AsLargeInt()));
    const bool abonament = Query2.FieldByName("Abonament").AsBoolean();
    ui->cbAbonament->setChecked(abonament);
    ui->eAbonamentOD->setText(abonament ? dzien("Abonament_OD") : QString());
    ui->eAbonamentDO->setText(abonament ? dzien("Abonament_DO") : QString());
    ui->eSaldo->setText(KwotaNaEkran(Query2.FieldByName("Saldo").AsFloat()));
    Query2.Close();
}

void TfKlienci::WyczyscSzczegoly() {
    for (QLineEdit* e :
         {ui->eFirma, ui->eUpowazniony, ui->eMiejscowosc, ui->eKod, ui->eUlica, ui->eNrPosesji,
          ui->eNrLokalu, ui->eTelefon, ui->eNIP, ui->eOstWypozyczenie, ui->eLicznik, ui->eRabat,
          ui->eAbonamentOD, ui->eAbonamentDO, ui->eSaldo})
        e->clear();
    ui->cbAbonament->setChecked(false);
}

void TfKlienci::WybierzWiersz(int wiersz) {
    if (wypelnianie) return;
    const int id = lista->Id(wiersz);
    if (id == 0) return;
    Id = id;
    WczytajSzczegoly();
}

// Edit, archive and report need a selected client.
void TfKlienci::UstawPolecenia() {
    const bool jest = Id != 0;
    for (QPushButton* b : {ui->bEdytuj, ui->bUsun, ui->bArchiwum}) b->setEnabled(jest);
    for (QAction* a : {ui->miEdytuj, ui->miUsun, ui->miArchiwum}) a->setEnabled(jest);
}

void TfKlienci::bNowyClick() {
    if (!fKlient) return;
    fKlient->UstawKlienta(0);
    if (PokazModalnie(*fKlient) == QDialog::Accepted && !fKlient->NazwaKlienta().isEmpty())
        WczytajKlientow();
}

void TfKlienci::bEdytujClick() {
    if (!fKlient || Id == 0) return;
    const int wiersz = ui->sgKlienci->currentIndex().row();
    fKlient->UstawKlienta(Id);
    if (PokazModalnie(*fKlient) != QDialog::Accepted) return;
    const QString nazwa = fKlient->NazwaKlienta();
    if (!nazwa.isEmpty() && wiersz >= 0) lista->UstawWiersz(wiersz, fKlient->Numer(), nazwa);
    WczytajSzczegoly();
}

void TfKlienci::bUsunClick() {
    if (Id == 0) return;
    // Archived, refused or failed: the list shows the stored state.
    UsunKlienta(Id);
    WczytajKlientow();
    WczytajSzczegoly();
}

void TfKlienci::bArchiwumClick() {
    if (Id == 0) return;
    emit PokazArchiwum(Id);
}

void TfKlienci::mouseDoubleClickEvent(QMouseEvent* zdarzenie) {
    QDialog::mouseDoubleClickEvent(zdarzenie);
    bEdytujClick();
}

bool TfKlienci::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (obiekt == ui->sgKlienci && zdarzenie->type() == QEvent::Resize) UstawSzerokosciKolumn();
    return QDialog::eventFilter(obiekt, zdarzenie);
}

void TfKlienci::UstawSzerokosciKolumn() {
    QTableView* sg = ui->sgKlienci;
    sg->setColumnWidth(TListaNumerowana::KolNr, 64);
    sg->setColumnWidth(TListaNumerowana::KolTekst, std::max(0, sg->width() - 64 - 19));
}
