#include "clients/uKlienci.h"

#include <QLineEdit>
#include <QMouseEvent>

#include "clients/OdczytKlientow.h"
#include "clients/ZapisKlienta.h"
#include "clients/uKlient.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "ui_uKlienci.h"

TfKlienci* fKlienci = nullptr;

namespace {

const QString NieMoznaUsunac = QStringLiteral("Nie można usunąć klienta.\n");

}  // namespace

bool UsunKlienta(int idKlienta, bool listaZFilmami) {
    if (idKlienta <= 0) return false;
    if (!Pytanie(QStringLiteral("Czy na pewno usunąć wskazanego klienta?"), false)) return false;
    const auto odmowa = ArchiwizujKlientaPoSprawdzeniu(idKlienta, listaZFilmami);
    if (!odmowa) return false;
    if (*odmowa == TOdmowaArchiwum::Wypozyczenie)
        Uwaga(NieMoznaUsunac + QStringLiteral("Klient musi najpier dokonać zwrotu wypożyczenia."));
    if (*odmowa == TOdmowaArchiwum::Naleznosci)
        Uwaga(NieMoznaUsunac +
              QStringLiteral("Klient musi najpier uregulować zaległe należności."));
    return *odmowa == TOdmowaArchiwum::Brak;
}

TfKlienci::TfKlienci(QWidget* parent) : TOknoListy(parent), ui(std::make_unique<Ui::TfKlienci>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("TfKlienci"));
    setWindowTitle(QStringLiteral("Klienci"));
    UstawListeNumerowana(ui->sgKlienci, QStringLiteral("Nr"), QStringLiteral("Klient"),
                         [this](int) { bEdytujClick(); });
    // The hidden menu: its items act through their keys only.
    DodajPolecenie(ui->bNowy, ui->miNowy, [this] { bNowyClick(); });
    DodajPolecenie(
        ui->bEdytuj, ui->miEdytuj, [this] { bEdytujClick(); }, true);
    DodajPolecenieUsun(ui->bUsun, ui->miUsun, [](int id) { UsunKlienta(id); });
    DodajPolecenieArchiwum(ui->bArchiwum, ui->miArchiwum);
    DodajPolecenie(ui->bZamknij, ui->miZamknij, [this] { reject(); });
}

TfKlienci::~TfKlienci() = default;

std::optional<TPozycjeListy> TfKlienci::CzytajListe() {
    return ListaKlientow(Query1);
}

void TfKlienci::PokazSzczegoly() {
    const auto k =
        IdWybranego() == 0 ? std::nullopt : OdczytKlienta.Szczegoly(Query2, IdWybranego());
    if (!k) {
        WyczyscSzczegoly();
        return;
    }
    ui->eFirma->setText(k->Firma);
    ui->eUpowazniony->setText(k->Upowazniony);
    ui->eMiejscowosc->setText(k->Miejscowosc);
    ui->eKod->setText(k->Kod);
    ui->eUlica->setText(k->Ulica);
    ui->eNrPosesji->setText(k->NrPosesji);
    ui->eNrLokalu->setText(k->NrLokalu);
    ui->eTelefon->setText(k->Telefon);
    ui->eNIP->setText(k->NIP);
    ui->eOstWypozyczenie->setText(DataDluga(k->OstatnieWypozyczenie));
    ui->eLicznik->setText(QString::number(k->Licznik));
    ui->eRabat->setText(QString::number(k->Rabat));
    ui->cbAbonament->setChecked(k->Abonament);
    ui->eAbonamentOD->setText(k->Abonament ? DataDluga(k->AbonamentOD) : QString());
    ui->eAbonamentDO->setText(k->Abonament ? DataDluga(k->AbonamentDO) : QString());
    ui->eSaldo->setText(KwotaNaEkran(k->Saldo));
}

void TfKlienci::WyczyscSzczegoly() {
    for (QLineEdit* e :
         {ui->eFirma, ui->eUpowazniony, ui->eMiejscowosc, ui->eKod, ui->eUlica, ui->eNrPosesji,
          ui->eNrLokalu, ui->eTelefon, ui->eNIP, ui->eOstWypozyczenie, ui->eLicznik, ui->eRabat,
          ui->eAbonamentOD, ui->eAbonamentDO, ui->eSaldo})
        e->clear();
    ui->cbAbonament->setChecked(false);
}

void TfKlienci::bNowyClick() {
    if (!fKlient) return;
    fKlient->UstawKlienta(0);
    if (PokazModalnie(*fKlient) == QDialog::Accepted && !fKlient->NazwaKlienta().isEmpty())
        WczytajListe();
}

void TfKlienci::bEdytujClick() {
    if (!fKlient || IdWybranego() == 0) return;
    const int wiersz = BiezacyWiersz();
    fKlient->UstawKlienta(IdWybranego());
    if (PokazModalnie(*fKlient) != QDialog::Accepted) return;
    const QString nazwa = fKlient->NazwaKlienta();
    if (!nazwa.isEmpty() && wiersz >= 0) Lista().UstawWiersz(wiersz, fKlient->Numer(), nazwa);
    PokazSzczegoly();
}

void TfKlienci::mouseDoubleClickEvent(QMouseEvent* zdarzenie) {
    QDialog::mouseDoubleClickEvent(zdarzenie);
    bEdytujClick();
}
