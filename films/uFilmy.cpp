#include "films/uFilmy.h"

#include <QLineEdit>

#include "films/ZapisFilmu.h"
#include "films/uFilm.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "ui_uFilmy.h"

namespace {

QString TytulWiersza(const QString& org, const QString& pol) {
    return org + QStringLiteral(" (") + pol + QStringLiteral(")");
}

}  // namespace

bool WycofajFilm(int idFilmu) {
    if (idFilmu <= 0) return false;
    if (!Pytanie(QStringLiteral("Czy na pewno usunąć wskazany film?"), false)) return false;
    return ZapiszWycofanieFilmu(idFilmu);
}

void PokazFilmy() {
    TfFilmy okno;
    PokazModalnie(okno);
}

TfFilmy::TfFilmy(QWidget* parent) : TOknoListy(parent), ui(std::make_unique<Ui::TfFilmy>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("TfFilmy"));
    setWindowTitle(QStringLiteral("Filmy"));
    UstawListeNumerowana(ui->sgFilmy, QStringLiteral("Nr kat."), QStringLiteral("Tytuł"),
                         [this](int) { bEdycjaClick(); });
    // The hidden menu "Film": its items act through their keys only.
    DodajPolecenie(ui->bNowy, ui->miNowy, [this] { bNowyClick(); });
    DodajPolecenie(
        ui->bEdycja, ui->miEdycja, [this] { bEdycjaClick(); }, true);
    DodajPolecenieUsun(ui->bUsun, ui->miUsun, [](int id) { WycofajFilm(id); });
    DodajPolecenieArchiwum(ui->bArchiwum, ui->miArchiwum);
    DodajPolecenie(ui->bZamknij, ui->miKoniec, [this] { accept(); });
}

TfFilmy::~TfFilmy() = default;

// "Nowy" is off in search mode.
void TfFilmy::UstawKryteria(const TKryteriaSzukania& kryteria) {
    szukane = kryteria;
    ui->bNowy->setEnabled(false);
    ui->miNowy->setEnabled(false);
}

std::optional<TPozycjeListy> TfFilmy::CzytajListe() {
    return szukane ? FilmySzukane(Query1, *szukane) : ListaFilmow(Query1);
}

void TfFilmy::PokazSzczegoly() {
    const auto f = IdWybranego() == 0 ? std::nullopt : OdczytFilmu.Szczegoly(Query2, IdWybranego());
    if (!f) {
        WyczyscSzczegoly();
        return;
    }
    ui->eRezyser1->setText(f->Rezyser1);
    ui->eRezyser2->setText(f->Rezyser2);
    ui->eRola1->setText(f->Role[0]);
    ui->eRola2->setText(f->Role[1]);
    ui->eRola3->setText(f->Role[2]);
    ui->eRola4->setText(f->Role[3]);
    ui->eRola5->setText(f->Role[4]);
    ui->eGatunek->setText(f->Gatunek);
    ui->eNosnik->setText(f->Nosnik);
    ui->eProdukcja->setText(f->Produkcja);
    ui->eCzas->setText(f->Czas);
    ui->eStawka->setText(KwotaNaEkran(f->Stawka));
    ui->eIloscWyp->setText(QString::number(f->IloscWypozyczen));
    ui->eWplywy->setText(KwotaNaEkran(f->Wplywy));
    ui->eCena->setText(KwotaNaEkran(f->Cena));
    setWindowTitle(Lista().Tekst(BiezacyWiersz()) + (f->NaPolce
                                                         ? QStringLiteral("  - NA PÓŁCE")
                                                         : QStringLiteral("  - WYPOŻYCZONY")));
}

void TfFilmy::WyczyscSzczegoly() {
    for (QLineEdit* e : {ui->eRezyser1, ui->eRezyser2, ui->eRola1, ui->eRola2, ui->eRola3,
                         ui->eRola4, ui->eRola5, ui->eGatunek, ui->eNosnik, ui->eProdukcja,
                         ui->eCzas, ui->eStawka, ui->eIloscWyp, ui->eWplywy, ui->eCena})
        e->clear();
    setWindowTitle(QStringLiteral("Filmy"));
}

void TfFilmy::bNowyClick() {
    if (szukane || !fFilm) return;
    fFilm->UstawFilm(0);
    if (PokazModalnie(*fFilm) == QDialog::Accepted && !fFilm->NowyTytulOrg().isEmpty())
        WczytajListe();
}

void TfFilmy::bEdycjaClick() {
    if (!fFilm || IdWybranego() == 0) return;
    const int wiersz = BiezacyWiersz();
    fFilm->UstawFilm(IdWybranego());
    if (PokazModalnie(*fFilm) != QDialog::Accepted) return;
    // The row keeps its place until the next refill, even when its number moved.
    if (wiersz >= 0)
        Lista().UstawWiersz(wiersz, fFilm->Numer(),
                            fFilm->NowyTytulOrg().isEmpty()
                                ? Lista().Tekst(wiersz)
                                : TytulWiersza(fFilm->NowyTytulOrg(), fFilm->NowyTytulPol()));
    PokazSzczegoly();
}
