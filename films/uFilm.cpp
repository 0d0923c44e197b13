#include "films/uFilm.h"

#include <QKeyEvent>
#include <limits>

#include "films/ZapisFilmu.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/Katalogi.h"
#include "store/Tlumacz.h"
#include "store/uWspolneDB.h"
#include "ui_uFilm.h"
#include "widgets/LimitZnakow.h"
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

TfFilm::TfFilm(QWidget* parent) : QDialog(parent), ui(new Ui::TfFilm) {
    ui->setupUi(this);
    OgraniczZnakiOkna(this);  // length limits in whole characters
    setObjectName(QStringLiteral("TfFilm"));
    QPalette niebieski = ui->lStatus->palette();
    niebieski.setColor(QPalette::WindowText, Qt::blue);
    ui->lStatus->setPalette(niebieski);

    // The hidden menu "Zapis": its items act through their keys only.
    addAction(ui->miZapisz);
    addAction(ui->miAnuluj);
    connect(ui->miZapisz, &QAction::triggered, this, &TfFilm::bZapiszClick);
    connect(ui->miAnuluj, &QAction::triggered, this, &QDialog::reject);
    connect(ui->bZapisz, &QPushButton::clicked, this, &TfFilm::bZapiszClick);
    connect(ui->bAnuluj, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->bZmien, &QPushButton::clicked, this, &TfFilm::bZmienClick);
    connect(ui->bGatunek, &QPushButton::clicked, this, &TfFilm::bGatunekClick);
    connect(ui->bNosnik, &QPushButton::clicked, this, &TfFilm::bNosnikClick);
    for (QLineEdit* e : {ui->eNr, ui->eIloscWyp})
        connect(e, &QLineEdit::textChanged, this, [this, e] { SprawdzCalkowita(e); });
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

TfFilm::~TfFilm() {
    delete ui;
}

void TfFilm::UstawFilm(int id) {
    Id = id;
    FormShow();
    wypelniony = true;
}

QString TfFilm::NowyTytulOrg() const {
    return TytulZmieniony ? ui->eTytulOrg->text() : QString();
}
QString TfFilm::NowyTytulPol() const {
    return TytulZmieniony ? ui->eTytulPol->text() : QString();
}

void TfFilm::showEvent(QShowEvent* zdarzenie) {
    if (!wypelniony) FormShow();
    wypelniony = true;
    QDialog::showEvent(zdarzenie);
    ui->eNr->setFocus();
}

void TfFilm::done(int r) {
    wypelniony = false;
    QDialog::done(r);
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
        OtworzSQL(Query1, QStringLiteral("select * from film where ID = %1").arg(Id));
        if (Query1.Active() && !Query1.Eof()) {
            auto tekst = [&](const char* nazwa) { return Query1.FieldByName(nazwa).AsString(); };
            auto kwota = [&](const char* nazwa) {
                return KwotaNaEkran(Query1.FieldByName(nazwa).AsFloat());
            };
            numer = Query1.FieldByName("Numer_filmu").AsInteger();
            ui->eNr->setText(Numer4(numer));
            ui->eTytulOrg->setText(tekst("Tytul_oryginalny"));
            ui->eTytulPol->setText(tekst("Tytul_polski"));
            ui->eRola1->setText(tekst("Rola_glowna_1"));
            ui->eRola2->setText(tekst("Rola_glowna_2"));
            ui->eRola3->setText(tekst("Rola_glowna_3"));
            ui->eRola4->setText(tekst("Rola_glowna_4"));
            ui->eRola5->setText(tekst("Rola_glowna_5"));
            ui->eProdukcja->setText(tekst("Produkcja"));
            ui->eCzas->setText(tekst("Czas_trwania"));
            ui->eRezyser1->setText(tekst("Rezyseria_1"));
            ui->eRezyser2->setText(tekst("Rezyseria_2"));
            WybierzWpis(ui->cbGatunek, tekst("Gatunek"));
            WybierzWpis(ui->cbNosnik, tekst("Nosnik"));
            ui->eStawka->setText(kwota("Stawka"));
            ui->eWplywy->setText(kwota("Wplywy"));
            ui->eCena->setText(kwota("Cena_zakupu"));
            ui->eIloscWyp->setText(
                QString::number(Query1.FieldByName("Ilosc_wypozyczen").AsInteger()));
            ui->mOpis->setPlainText(tekst("Opis"));
            ui->lStatus->setText(Query1.FieldByName("Status").AsBoolean()
                                     ? QStringLiteral("NA PÓŁCE")
                                     : QStringLiteral("WYPOŻYCZONY"));
        }
        Query1.Close();
    } else {
        ui->bZapisz->setText(QStringLiteral("Zapisz <F2>"));
        for (QLineEdit* e : pola) e->clear();
        // The next number over every film, withdrawn ones included.
        OtworzSQL(Query1, QStringLiteral("select Max( Numer_filmu ) m from film"));
        if (Query1.Active() && !Query1.Eof()) {
            const qint64 nastepny = Query1.FieldByName("m").AsLargeInt() + 1;
            if (nastepny <= std::numeric_limits<int>::max()) ui->eNr->setText(Numer4(nastepny));
        }
        Query1.Close();
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

void TfFilm::SprawdzCalkowita(QLineEdit* pole) {
    if (TekstCalkowitejPoprawny(pole->text())) return;
    Ostrzezenie(NiepoprawnaWartosc);
    pole->clear();
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
    const auto nr = CalkowitaZEkranu(ui->eNr->text());
    if (!nr || *nr < 0) {
        Ostrzezenie(NiepoprawnaWartosc);
        ui->eNr->clear();
        return;
    }

    // Only current films count: a withdrawn film's number may be used again.
    if (Id == 0 || *nr != numer) {
        OtworzSQL(Query1,
                  QStringLiteral("select ID from film where Numer_filmu = %1 and aktualny = True")
                      .arg(*nr));
        const bool sprawdzony = Query1.Active();
        const bool zajety = sprawdzony && !Query1.Eof();
        Query1.Close();
        if (!sprawdzony) return;  // the store's error has been shown
        if (zajety) {
            Ostrzezenie(QStringLiteral("Film o podanym numerze jest już zapisany w bazie."));
            ui->eNr->clear();
            return;
        }
    }

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
        *kwoty[i] = TKwota(*k);
    }
    if (ui->eIloscWyp->text().isEmpty()) ui->eIloscWyp->setText(QStringLiteral("0"));
    const auto ilosc = CalkowitaZEkranu(ui->eIloscWyp->text());
    if (!ilosc || *ilosc < 0) {
        Ostrzezenie(QStringLiteral("Wprowadź liczbę."));
        ui->eIloscWyp->setText(QStringLiteral("0"));
        return;
    }

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
    bool zapisany = false;
    {
        TfDialog edytor(this);
        zapisany = edytor.ZmienZawartoscPliku(PlikGatunkow(), 25);
    }
    if (zapisany) WczytajComboBox(PlikGatunkow(), ui->cbGatunek);
}

void TfFilm::bNosnikClick() {
    bool zapisany = false;
    {
        TfDialog edytor(this);
        zapisany = edytor.ZmienZawartoscPliku(PlikNosnikow(), 15);
    }
    if (zapisany) WczytajComboBox(PlikNosnikow(), ui->cbNosnik);
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
