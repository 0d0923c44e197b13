#include "app/PanelKlienta.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>

#include "money/Cennik.h"
#include "money/Koszyk.h"
#include "money/OdczytPulpitu.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/Liczby.h"

TPanelKlienta::TPanelKlienta(const TKontrolkiKlienta& kontrolki, TQuery& q, QObject* rodzic)
    : QObject(rodzic), ui(kontrolki), query(q) {
    ui.pKlient->setAutoFillBackground(true);
}

void TPanelKlienta::Koloruj(bool zadluzony) {
    QPalette p = ui.pKlient->palette();
    p.setColor(QPalette::Window, ui.pKlient->window()->palette().color(
                                     zadluzony ? QPalette::Dark : QPalette::Button));
    ui.pKlient->setPalette(p);
}

void TPanelKlienta::PokazKlienta(const TKlientPulpitu& k) {
    ui.eUpowazniony->clear();
    ui.eUpowazniony->setText(k.Upowazniony);
    ui.cbAbonament->setChecked(k.Abonament);
    ui.eSaldo->setText(KwotaNaEkran(k.Saldo));
    Koloruj(k.Saldo.Ujemna());
    ui.eAbonamentOD->setText(k.Abonament ? DataKrotka(k.AbonamentOD) : QString());
    ui.eAbonamentDO->setText(k.Abonament ? DataKrotka(k.AbonamentDO) : QString());
    klient = k;
}

bool TPanelKlienta::cbKlientChange() {
    const TNazwaKlienta nazwa = PodzielNazweKlienta(ui.cbKlient->currentText());
    const auto klienci = KlienciONazwie(query, nazwa.imie, nazwa.nazwisko);
    if (!klienci) return true;
    const int ile = static_cast<int>(klienci->size());
    if (ile > 1) {
        TKomunikat pytanie;
        pytanie.tekst = QStringLiteral("Istnieje ") + QString::number(ile) +
                        QStringLiteral(
                            " klientów o podanym imieniu i nazwisku. Możesz wprowadzić "
                            "numer klienta") +
                        QStringLiteral(
                            " lub zatwierdzić jeden ze wskazanych przez program. Czy "
                            "chcesz wprowadzić numer?");
        pytanie.tytul = QStringLiteral("Ostrzeżenie");
        pytanie.ikona = TIkona::Pytanie;
        pytanie.przyciski = QMessageBox::Yes | QMessageBox::No;
        pytanie.domyslny = QMessageBox::No;
        if (PokazKomunikat(pytanie) == QMessageBox::Yes) return false;
    }
    if (!klienci->empty()) {
        PokazKlienta(klienci->front());
        ui.eKlientNr->setText(Numer4(klienci->front().Numer));
        WlaczKlienta(true);
    }
    return true;
}

bool TPanelKlienta::Wczytaj() {
    WlaczKlienta(false);
    if (ui.eKlientNr->text().isEmpty()) return false;
    const auto numer = CalkowitaZEkranu(ui.eKlientNr->text());
    if (!numer || *numer <= 0) {
        ui.eKlientNr->clear();
        ui.cbKlient->setCurrentIndex(-1);
        return false;
    }
    const std::optional<TKlientPulpitu> k = KlientONumerze(query, *numer);
    if (!k) {
        ui.cbKlient->setCurrentIndex(-1);
        return false;
    }
    ui.cbKlient->setCurrentIndex(ZnajdzWpis(ui.cbKlient, k->Nazwisko + ' ' + k->Imie));
    PokazKlienta(*k);
    zaleglosci = SumaZaleglosci(query, k->Id).value_or(TKwota());
    return true;
}

void TPanelKlienta::WczytajKlientow() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool bylWybrany = ui.cbKlient->currentIndex() >= 0;
    bool odPoczatku = ui.cbKlient->count() == 0;
    {
        const QSignalBlocker blokadaListy(ui.cbKlient);
        const std::optional<QStringList> wpisy = NazwyKlientow(query);
        odPoczatku = odPoczatku && wpisy;
        DodajWpisy(ui.cbKlient, wpisy.value_or(QStringList()));
        if (!bylWybrany) ui.cbKlient->setCurrentIndex(-1);
    }
    PosortujListe(ui.cbKlient);
    stanKlientow = StanListy(odPoczatku, ui.cbKlient->count());
    ui.bKlientDane->setEnabled(false);
    ui.miZaleglosci->setEnabled(false);
    QGuiApplication::restoreOverrideCursor();
}

void TPanelKlienta::OdswiezKlientow() {
    if (!ListaAktualna(stanKlientow, ui.cbKlient->count())) {
        ui.cbKlient->clear();
        ui.eKlientNr->clear();
        WczytajKlientow();
        return;
    }
    ui.cbKlient->setCurrentIndex(-1);
    ui.eKlientNr->clear();
    ui.bKlientDane->setEnabled(false);
    ui.miZaleglosci->setEnabled(false);
}

void TPanelKlienta::DodajKlienta(const QString& nazwa) {
    const QSignalBlocker blokadaListy(ui.cbKlient);
    ui.cbKlient->addItem(nazwa);
    PosortujListe(ui.cbKlient);
    ui.cbKlient->setCurrentIndex(ZnajdzWpis(ui.cbKlient, nazwa));
}

void TPanelKlienta::ZmienNazwe(const QString& nazwa) {
    const QSignalBlocker blokadaListy(ui.cbKlient);
    ui.cbKlient->setItemText(ui.cbKlient->currentIndex(), nazwa);
}

void TPanelKlienta::Usun() {
    {
        const QSignalBlocker blokadaListy(ui.cbKlient);
        if (ui.cbKlient->currentIndex() >= 0) ui.cbKlient->removeItem(ui.cbKlient->currentIndex());
        ui.cbKlient->setCurrentIndex(-1);
    }
    ui.eKlientNr->clear();
    ui.eUpowazniony->clear();
    ui.eAbonamentOD->clear();
    ui.eAbonamentDO->clear();
    ui.eSaldo->clear();
    ui.cbAbonament->setChecked(false);
}

void TPanelKlienta::Wyczysc() {
    klient = TKlientPulpitu();
    zaleglosci = TKwota();
    {
        const QSignalBlocker blokadaListy(ui.cbKlient);
        ui.cbKlient->clear();
    }
    for (QLineEdit* pole :
         {ui.eKlientNr, ui.eUpowazniony, ui.eAbonamentOD, ui.eAbonamentDO, ui.eSaldo})
        pole->clear();
    ui.cbAbonament->setChecked(false);
    Koloruj(false);
}

void TPanelKlienta::WlaczKlienta(bool wlacz) {
    ui.bKlientDane->setEnabled(wlacz);
    ui.bKlientKonto->setEnabled(wlacz);
    for (QAction* a : ui.akcje) a->setEnabled(wlacz);
}

void TPanelKlienta::UstawWlaczWYlaczKLIENTA() {
    WlaczKlienta(!ui.cbKlient->currentText().isEmpty());
}

bool TPanelKlienta::Wybrany() const {
    return ui.cbKlient->currentIndex() >= 0;
}

bool TPanelKlienta::Abonament() const {
    return ui.cbAbonament->isChecked();
}

void TPanelKlienta::UstawAbonament(bool abonament) {
    ui.cbAbonament->setChecked(abonament);
}

QDate TPanelKlienta::AbonamentDo() const {
    return DataZTekstu(ui.eAbonamentDO->text());
}

bool TPanelKlienta::Abonent(const QDate& dzien) const {
    return JestAbonentem(Abonament(), AbonamentDo(), dzien);
}
