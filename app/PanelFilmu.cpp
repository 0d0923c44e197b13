#include "app/PanelFilmu.h"

#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>

#include "app/uMainLista.h"
#include "films/uFilm.h"
#include "money/Koszyk.h"
#include "money/OdczytPulpitu.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/Liczby.h"
#include "store/StanBazy.h"
#include "store/TQuery.h"
#include "store/Tlumacz.h"

namespace {

const QString NaPolceTekst = QStringLiteral("NA PÓŁCE");
const QString WypozyczonyTekst = QStringLiteral("WYPOŻYCZONY");

}  // namespace

TPanelFilmu::TPanelFilmu(const TKontrolkiFilmu& kontrolki, TQuery& q,
                         std::function<bool()> czyDodawanie, QObject* rodzic)
    : QObject(rodzic), ui(kontrolki), query(q), dodawanie(std::move(czyDodawanie)) {
    Obserwuj(ui.eCena, QEvent::FocusOut, [this] { eCenaExit(); });
    // A list opened, typed into or scrolled is a list used.
    for (QComboBox* lista : {ui.cbTytulOrg, ui.cbTytulPol})
        for (const QEvent::Type t :
             {QEvent::FocusIn, QEvent::MouseButtonPress, QEvent::KeyPress, QEvent::Wheel})
            Obserwuj(lista, t, [this] { CzekajNaTytuly(); });
}

TPanelFilmu::~TPanelFilmu() {
    PorzucOdczyt();
}

void TPanelFilmu::WczytajTytuly() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    PorzucOdczyt();
    WstawTytuly(TytulyFilmow(query), TBaza::Znacznik());
    ui.bFilmDane->setEnabled(false);
    ui.bFilmKonto->setEnabled(false);
    WlaczDodawanie(false);
    QGuiApplication::restoreOverrideCursor();
}

void TPanelFilmu::WstawTytuly(std::optional<TTytulyFilmow> tytuly, const TZnacznikBazy& znacznik) {
    const bool bylWybrany = ui.cbTytulOrg->currentIndex() >= 0;
    const bool odPoczatku = tytuly && ui.cbTytulOrg->count() == 0 && ui.cbTytulPol->count() == 0;
    {
        const QSignalBlocker b1(ui.cbTytulOrg), b2(ui.cbTytulPol);
        DodajWpisy(ui.cbTytulOrg, tytuly ? std::move(tytuly->Oryginalne) : TTekstyUtf8());
        DodajWpisy(ui.cbTytulPol, tytuly ? std::move(tytuly->Polskie) : TTekstyUtf8());
        if (!bylWybrany) {
            ui.cbTytulOrg->setCurrentIndex(-1);
            ui.cbTytulPol->setCurrentIndex(-1);
        }
    }
    stanTytulow = odPoczatku ? TStanListy{znacznik, ui.cbTytulOrg->count()} : TStanListy{};
}

void TPanelFilmu::WczytajTytulyWTle() {
    PorzucOdczyt();
    ui.bFilmDane->setEnabled(false);
    ui.bFilmKonto->setEnabled(false);
    WlaczDodawanie(false);
    TBaza* baza = TBaza::Aktywna();
    if (!baza || ui.cbTytulOrg->count() > 0 || ui.cbTytulPol->count() > 0) {
        WczytajTytuly();
        return;
    }
    // What the store is now: a change from here on (on any connection) makes the lists
    // read again when they are refreshed.
    znacznikOdczytu = TBaza::Znacznik();
    polaczenieOdczytu = baza->PolaczenieDoOdczytu();
    if (!polaczenieOdczytu) {
        przyUzyciu = true;
        return;
    }
    odczyt = std::async(std::launch::async, [this, polaczenie = polaczenieOdczytu.get()] {
        TOdczytTytulow wynik;
        try {
            TQuery q(polaczenie);
            wynik.tytuly = CzytajTytulyFilmow(q);
        } catch (const TBladBazy& e) {
            wynik.blad = e;
        }
        // Put in by the desk's own thread once it is free.
        QMetaObject::invokeMethod(
            this, [this] { CzekajNaTytuly(); }, Qt::QueuedConnection);
        return wynik;
    });
}

void TPanelFilmu::CzekajNaTytuly() {
    if (przyUzyciu) {
        przyUzyciu = false;
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        WstawTytuly(TytulyFilmow(query), TBaza::Znacznik());
        QGuiApplication::restoreOverrideCursor();
        return;
    }
    if (!odczyt.valid()) return;
    const bool czekanie = odczyt.wait_for(std::chrono::seconds(0)) != std::future_status::ready;
    if (czekanie) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    TOdczytTytulow wynik = odczyt.get();
    polaczenieOdczytu.reset();
    if (wynik.blad) KomunikatBledu(TekstBleduBazy(wynik.blad->Kod(), wynik.blad->Tekst()));
    WstawTytuly(std::move(wynik.tytuly), znacznikOdczytu);
    if (czekanie) QGuiApplication::restoreOverrideCursor();
}

void TPanelFilmu::PorzucOdczyt() {
    przyUzyciu = false;
    if (odczyt.valid()) {
        polaczenieOdczytu->Przerwij();
        odczyt.wait();
        odczyt = {};
    }
    polaczenieOdczytu.reset();
}

void TPanelFilmu::OdswiezTytuly() {
    CzekajNaTytuly();
    const bool aktualna = ListaAktualna(stanTytulow, ui.cbTytulOrg->count()) &&
                          ui.cbTytulPol->count() == stanTytulow.wpisow;
    for (QComboBox* lista : {ui.cbTytulOrg, ui.cbTytulPol}) {
        if (aktualna)
            lista->setCurrentIndex(-1);
        else
            lista->clear();
    }
    ui.eFilmNr->clear();
    ui.eCena->clear();
    ui.eFilmNr->window()->repaint();
    if (!aktualna) {
        WczytajTytuly();
        return;
    }
    ui.bFilmDane->setEnabled(false);
    ui.bFilmKonto->setEnabled(false);
    WlaczDodawanie(false);
}

void TPanelFilmu::WlaczFilm(bool wlacz) {
    ui.bFilmDane->setEnabled(wlacz);
    ui.bFilmKonto->setEnabled(wlacz);
    for (QAction* a : ui.akcje) a->setEnabled(wlacz);
}

void TPanelFilmu::WlaczDodawanie(bool wlacz) {
    ui.bNastepny->setEnabled(wlacz);
    ui.miNastepny->setEnabled(wlacz);
}

void TPanelFilmu::UstawStatus(bool naPolce) {
    FilmNaPolce = naPolce;
    ui.lStatus->setText(naPolce ? NaPolceTekst : WypozyczonyTekst);
}

void TPanelFilmu::UstawWlaczWYlaczFILM() {
    if (ui.eFilmNr->text().isEmpty()) {
        WlaczFilm(false);
        WlaczDodawanie(false);
        return;
    }
    WlaczFilm(true);
    if (NaPolce() && dodawanie()) WlaczDodawanie(true);
}

void TPanelFilmu::cbTytulOrgChange(QComboBox* Sender) {
    CzekajNaTytuly();
    IdFilmu = 0;
    {
        const QSignalBlocker b1(ui.cbTytulOrg), b2(ui.cbTytulPol);
        if (Sender == ui.cbTytulPol)
            ui.cbTytulOrg->setCurrentIndex(ui.cbTytulPol->currentIndex());
        else
            ui.cbTytulPol->setCurrentIndex(ui.cbTytulOrg->currentIndex());
    }
    const auto filmy = FilmyOTytule(query, ui.cbTytulOrg->currentText());
    if (!filmy) return;
    if (filmy->empty()) {
        // The title is no longer in the store: nothing is shown.
        ui.eFilmNr->clear();
    } else {
        const TFilmPulpitu& film = filmy->front();
        ui.eFilmNr->setText(Numer4(film.Numer));
        ui.eCena->setText(KwotaNaEkran(film.Stawka));
        IdFilmu = film.Id;
        UstawStatus(film.NaPolce);
        if (!film.NaPolce)
            WlaczDodawanie(false);
        else if (dodawanie())
            WlaczDodawanie(true);
    }
    emit Pokazany();
    WczytajFILM();
    UstawWlaczWYlaczFILM();
}

void TPanelFilmu::WczytajFILM() {
    CzekajNaTytuly();
    IdFilmu = 0;
    const auto numer = CalkowitaZEkranu(ui.eFilmNr->text());
    if (!numer || *numer <= 0) {
        ui.eFilmNr->clear();
        ui.cbTytulOrg->setCurrentIndex(-1);
        ui.cbTytulPol->setCurrentIndex(-1);
        UstawWlaczWYlaczFILM();
        return;
    }
    UstawWlaczWYlaczFILM();
    const std::optional<TFilmPulpitu> film = BiezacyFilmONumerze(query, *numer);
    if (!film) {
        WlaczFilm(false);
        WlaczDodawanie(false);
    } else {
        ui.cbTytulOrg->setCurrentIndex(ZnajdzWpis(ui.cbTytulOrg, film->TytulOryginalny));
        ui.cbTytulPol->setCurrentIndex(ZnajdzWpis(ui.cbTytulPol, film->TytulPolski));
        ui.eCena->setText(KwotaNaEkran(film->Stawka));
        IdFilmu = film->Id;
        // The add controls follow the film found, as when it is chosen by title.
        UstawStatus(film->NaPolce);
        WlaczDodawanie(film->NaPolce && dodawanie());
    }
    emit Pokazany();

    // A film that is out: who holds it. Only for the film just found, so a failed lookup
    // never changes the client number.
    if (!film || ui.lStatus->text() != WypozyczonyTekst) return;
    const std::optional<qint64> klient = NumerKlientaZFilmem(query, *numer);
    emit Wypozyczajacy(klient ? QString::number(*klient) : QString());
}

void TPanelFilmu::UstawCene(bool zmianaStawki) {
    ui.eCena->setEnabled(zmianaStawki);
    ui.eCena->setFocusPolicy(zmianaStawki ? Qt::StrongFocus : Qt::NoFocus);
}

void TPanelFilmu::eCenaExit() {
    if (ui.eFilmNr->text().isEmpty()) {
        ui.eCena->clear();
        return;
    }
    const QString tekst = ui.eCena->text();
    if (!tekst.isEmpty() && !StawkaZEkranu(tekst)) {
        Ostrzezenie(NiepoprawnaWartosc);
        ui.eCena->setText(KwotaNaEkran(TKwota()));
        return;
    }
    ui.eCena->setText(
        KwotaNaEkran(tekst.isEmpty() ? TKwota() : TKwota::ZeZlotych(*LiczbaZEkranu(tekst))));
}

void TPanelFilmu::DodajTytul(const QString& oryginalny, const QString& polski) {
    CzekajNaTytuly();
    const QSignalBlocker b1(ui.cbTytulOrg), b2(ui.cbTytulPol);
    ui.cbTytulOrg->addItem(oryginalny);
    ui.cbTytulPol->addItem(polski);
    ui.cbTytulOrg->setCurrentIndex(ui.cbTytulOrg->count() - 1);
}

void TPanelFilmu::ZmienTytul(const QString& oryginalny, const QString& polski) {
    CzekajNaTytuly();
    const int i = ui.cbTytulOrg->currentIndex();
    if (i < 0) return;
    const QSignalBlocker b1(ui.cbTytulOrg), b2(ui.cbTytulPol);
    ui.cbTytulOrg->setItemText(i, oryginalny);
    if (i < ui.cbTytulPol->count()) ui.cbTytulPol->setItemText(i, polski);
    ui.cbTytulOrg->setCurrentIndex(i);
    ui.cbTytulPol->setCurrentIndex(i);
}

void TPanelFilmu::Wyczysc(bool wszystko) {
    // Every entry goes: the lists being read are of the store as it was.
    if (wszystko) PorzucOdczyt();
    {
        const QSignalBlocker b1(ui.cbTytulOrg), b2(ui.cbTytulPol);
        for (QComboBox* lista : {ui.cbTytulOrg, ui.cbTytulPol}) {
            if (wszystko)
                lista->clear();
            else
                lista->setCurrentIndex(-1);
        }
    }
    ui.eFilmNr->clear();
    ui.eCena->clear();
    if (!wszystko) return;
    IdFilmu = 0;
    FilmNaPolce = false;
    ui.lStatus->clear();
}

int TPanelFilmu::IdFilmuONumerze() const {
    // Only a whole number reaches the statement.
    const auto n = CalkowitaZEkranu(ui.eFilmNr->text());
    return n ? ::IdFilmuONumerze(query, *n, false).value_or(0) : 0;
}

void TPanelFilmu::ZaznaczNumer() {
    ZaznaczPole(ui.eFilmNr);
}

bool TPanelFilmu::NaPolce() const {
    return ui.lStatus->text() == NaPolceTekst;
}

bool TPanelFilmu::BezTytulu() const {
    return ui.cbTytulOrg->currentText().isEmpty() && ui.cbTytulPol->currentText().isEmpty();
}

QString TPanelFilmu::Tytul() const {
    return ui.cbTytulOrg->currentText();
}

QString TPanelFilmu::Numer() const {
    return ui.eFilmNr->text();
}

QString TPanelFilmu::Stawka() const {
    return ui.eCena->text();
}
