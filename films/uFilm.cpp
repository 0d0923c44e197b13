#include "films/uFilm.h"

#include <QKeyEvent>

#include "films/OdczytFilmow.h"
#include "films/ZapisFilmu.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/Katalogi.h"
#include "store/Liczby.h"
#include "store/Tlumacz.h"
#include "ui_uFilm.h"
#include "widgets/LimitZnakow.h"
#include "widgets/Polecenie.h"
#include "widgets/uDialog.h"

TfFilm* fFilm = nullptr;
int IdFilmu = 0;
bool FilmNaPolce = false;

namespace {

constexpr int DlugoscOpisu = 255;

QString PlikGatunkow() {
    return KatalogProgramu + QStringLiteral("Config/gatunek.wdn");
}
QString PlikNosnikow() {
    return KatalogProgramu + QStringLiteral("Config/nosnik.wdn");
}

// The entry equal to the text without regard to case; none when the list lacks it.
void WybierzWpis(QComboBox* combo, const QString& tekst) {
    combo->setCurrentIndex(combo->findText(tekst, Qt::MatchFixedString));
}

}  // namespace

TfFilm::TfFilm(QWidget* parent) : TOknoRekordu(parent), ui(std::make_unique<Ui::TfFilm>()) {
    ui->setupUi(this);
    OgraniczZnakiOkna(this);  // length limits in whole characters
    setObjectName(QStringLiteral("TfFilm"));
    UstawPierwszePole(ui->eNr);
    QPalette niebieski = ui->lStatus->palette();
    niebieski.setColor(QPalette::WindowText, Qt::blue);
    ui->lStatus->setPalette(niebieski);

    // The hidden menu "Zapis": its items act through their keys only.
    PolaczPolecenie(this, ui->bZapisz, ui->miZapisz, [this] { bZapiszClick(); });
    PolaczPolecenie(this, ui->bAnuluj, ui->miAnuluj, [this] { reject(); });
    connect(ui->bZmien, &QPushButton::clicked, this, &TfFilm::bZmienClick);
    connect(ui->bGatunek, &QPushButton::clicked, this, &TfFilm::bGatunekClick);
    connect(ui->bNosnik, &QPushButton::clicked, this, &TfFilm::bNosnikClick);
    for (QLineEdit* e : {ui->eNr, ui->eIloscWyp})
        connect(e, &QLineEdit::textChanged, this, [e] { SprawdzCalkowita(e); });
    for (QLineEdit* e : {ui->eStawka, ui->eWplywy, ui->eCena})
        connect(e, &QLineEdit::textChanged, this, [this, e] { SprawdzKwote(e); });
    for (QLineEdit* e : {ui->eTytulOrg, ui->eTytulPol})
        connect(e, &QLineEdit::textChanged, this, [this] {
            if (!wypelnianie) TytulZmieniony = true;
        });
    connect(ui->mOpis, &QPlainTextEdit::textChanged, this, &TfFilm::mOpisChange);

    const QList<QWidget*> lancuch = {ui->eNr,       ui->eTytulOrg, ui->eTytulPol,  ui->eRola1,
                                     ui->eRola2,    ui->eRola3,    ui->eRola4,     ui->eRola5,
                                     ui->cbGatunek, ui->cbNosnik,  ui->eProdukcja, ui->eCzas,
                                     ui->eRezyser1, ui->eRezyser2, ui->mOpis,      ui->eStawka,
                                     ui->eIloscWyp, ui->eWplywy,   ui->eCena,      ui->eNr};
    for (qsizetype i = 0; i + 1 < lancuch.size(); ++i) {
        lancuchEnter.insert(lancuch[i], lancuch[i + 1]);
        lancuch[i]->installEventFilter(this);
        if (i + 2 < lancuch.size()) setTabOrder(lancuch[i], lancuch[i + 1]);
    }
    setTabOrder(ui->eCena, ui->bZapisz);
    setTabOrder(ui->bZapisz, ui->bAnuluj);
    setTabOrder(ui->bAnuluj, ui->bZmien);
}

TfFilm::~TfFilm() = default;

QString TfFilm::NowyTytulOrg() const {
    return TytulZmieniony ? ui->eTytulOrg->text() : QString();
}
QString TfFilm::NowyTytulPol() const {
    return TytulZmieniony ? ui->eTytulPol->text() : QString();
}

void TfFilm::FormShow() {
    wypelnianie = true;
    ui->mOpis->clear();
    WczytajComboBox(PlikGatunkow(), ui->cbGatunek);
    WczytajComboBox(PlikNosnikow(), ui->cbNosnik);

    QList<QLineEdit*> pola = {ui->eNr,     ui->eTytulOrg, ui->eTytulPol, ui->eProdukcja,
                              ui->eCzas,   ui->eRola1,    ui->eRola2,    ui->eRola3,
                              ui->eRola4,  ui->eRola5,    ui->eRezyser1, ui->eRezyser2,
                              ui->eStawka, ui->eIloscWyp, ui->eWplywy,   ui->eCena};
    if (Id != 0) {
        ui->bZapisz->setText(QStringLiteral("Zmień <F2>"));
        if (const auto f = OdczytFilmu.DoEdycji(Query1, Id)) {
            numer = f->Numer;
            ui->eNr->setText(Numer4(numer));
            ui->eTytulOrg->setText(f->TytulOrg);
            ui->eTytulPol->setText(f->TytulPol);
            ui->eRola1->setText(f->Role[0]);
            ui->eRola2->setText(f->Role[1]);
            ui->eRola3->setText(f->Role[2]);
            ui->eRola4->setText(f->Role[3]);
            ui->eRola5->setText(f->Role[4]);
            ui->eProdukcja->setText(f->Produkcja);
            ui->eCzas->setText(f->Czas);
            ui->eRezyser1->setText(f->Rezyser1);
            ui->eRezyser2->setText(f->Rezyser2);
            WybierzWpis(ui->cbGatunek, f->Gatunek);
            WybierzWpis(ui->cbNosnik, f->Nosnik);
            ui->eStawka->setText(KwotaNaEkran(f->Stawka));
            ui->eWplywy->setText(KwotaNaEkran(f->Wplywy));
            ui->eCena->setText(KwotaNaEkran(f->Cena));
            ui->eIloscWyp->setText(QString::number(static_cast<int>(f->IloscWypozyczen)));
            ui->mOpis->setPlainText(f->Opis);
            ui->lStatus->setText(f->NaPolce ? QStringLiteral("NA PÓŁCE")
                                            : QStringLiteral("WYPOŻYCZONY"));
        }
    } else {
        ui->bZapisz->setText(QStringLiteral("Zapisz <F2>"));
        for (QLineEdit* e : pola) e->clear();
        // The next number over every film, withdrawn ones included.
        if (const auto nastepny = OdczytFilmu.Nastepny(Query1)) ui->eNr->setText(Numer4(*nastepny));
        ui->cbGatunek->setCurrentIndex(-1);
        ui->cbNosnik->setCurrentIndex(-1);
        ui->lStatus->setText(QStringLiteral("NA PÓŁCE"));
    }
    // The status button acts on the desk's current film, so only while it is shown here.
    ui->bZmien->setEnabled(Id != 0 && Id == IdFilmu);

    wypelnianie = false;
    TytulZmieniony = false;
    ui->eNr->setFocus();
}

void TfFilm::SprawdzKwote(QLineEdit* pole) {
    if (TekstLiczbyPoprawny(pole->text())) return;
    Ostrzezenie(NiepoprawnaWartosc);
    pole->clear();
}

void TfFilm::mOpisChange() {
    const QString opis = ui->mOpis->toPlainText();
    if (opis.size() <= DlugoscOpisu) return;
    // The description holds at most 255 characters.
    QTextCursor kursor = ui->mOpis->textCursor();
    const int pozycja = std::min(kursor.position(), DlugoscOpisu);
    ui->mOpis->setPlainText(opis.left(DlugoscOpisu));
    kursor = ui->mOpis->textCursor();
    kursor.setPosition(pozycja);
    ui->mOpis->setTextCursor(kursor);
}

void TfFilm::bZapiszClick() {
    if (ui->eNr->text().trimmed().isEmpty() || ui->eTytulOrg->text().trimmed().isEmpty() ||
        ui->eStawka->text().trimmed().isEmpty()) {
        Ostrzezenie(
            QStringLiteral("Dane nie są kompletne. \nNumer, tytuł oryginalny i stawka za "
                           "dobę sa danymi wymaganymi."));
        return;
    }
    const auto nr = NumerZPola(ui->eNr);
    if (!nr) return;
    // Only current films count: a withdrawn film's number may be used again.
    if ((Id == 0 || *nr != numer) &&
        !NumerWolny(ui->eNr, OdczytFilmu.Zajety(Query1, *nr),
                    QStringLiteral("Film o podanym numerze jest już zapisany w bazie.")))
        return;

    TDaneFilmu f;
    TKwota* kwoty[3] = {&f.Stawka, &f.Wplywy, &f.Cena};
    QLineEdit* polaKwot[3] = {ui->eStawka, ui->eWplywy, ui->eCena};
    for (int i = 0; i < 3; ++i) {
        if (polaKwot[i]->text().trimmed().isEmpty()) continue;
        const auto k = LiczbaZEkranu(polaKwot[i]->text());
        if (!k || *k < 0) {
            Ostrzezenie(QStringLiteral("Wprowadź liczbę."));
            polaKwot[i]->setText(QStringLiteral("0,00"));
            return;
        }
        *kwoty[i] = TKwota::ZeZlotych(*k);
    }
    const auto ilosc = LicznikZPola(ui->eIloscWyp);
    if (!ilosc) return;

    f.Numer = *nr;
    f.TytulOrg = ui->eTytulOrg->text();
    f.TytulPol = ui->eTytulPol->text();
    f.Produkcja = ui->eProdukcja->text();
    const QLineEdit* role[5] = {ui->eRola1, ui->eRola2, ui->eRola3, ui->eRola4, ui->eRola5};
    for (int i = 0; i < 5; ++i) f.Role[i] = role[i]->text();
    f.Gatunek = ui->cbGatunek->currentIndex() >= 0 ? ui->cbGatunek->currentText() : QString();
    f.Nosnik = ui->cbNosnik->currentIndex() >= 0 ? ui->cbNosnik->currentText() : QString();
    f.Czas = ui->eCzas->text();
    f.Rezyser1 = ui->eRezyser1->text();
    f.Rezyser2 = ui->eRezyser2->text();
    f.IloscWypozyczen = *ilosc;
    f.Opis = ui->mOpis->toPlainText();

    // A new film that is not stored keeps the dialog open; a failed update closes it with
    // the number read by the caller still the one stored.
    const bool zapisany = ZapiszFilm(Id, f);
    if (Id == 0 && !zapisany) return;
    if (zapisany) numer = *nr;
    accept();
}

void TfFilm::bZmienClick() {
    if (IdFilmu == 0 || Id != IdFilmu) return;
    UstawStatusFilmu(Query1, IdFilmu, !FilmNaPolce);
    emit StatusZmieniony();
    reject();
}

void TfFilm::bGatunekClick() {
    EdytujListeSlow(this, PlikGatunkow(), 25, ui->cbGatunek);
}

void TfFilm::bNosnikClick() {
    EdytujListeSlow(this, PlikNosnikow(), 15, ui->cbNosnik);
}

bool TfFilm::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (zdarzenie->type() == QEvent::KeyPress) {
        const auto* klawisz = static_cast<QKeyEvent*>(zdarzenie);
        const bool enter = klawisz->key() == Qt::Key_Return || klawisz->key() == Qt::Key_Enter;
        // In the description Shift+Enter or Ctrl+Enter starts a new line.
        const bool nowaLinia = obiekt == ui->mOpis &&
                               (klawisz->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier));
        if (enter && nowaLinia) {
            ui->mOpis->insertPlainText(QStringLiteral("\n"));
            return true;
        }
        if (enter) {
            if (QWidget* nastepny = lancuchEnter.value(static_cast<QWidget*>(obiekt), nullptr)) {
                nastepny->setFocus();
                return true;
            }
        }
    }
    return QDialog::eventFilter(obiekt, zdarzenie);
}
