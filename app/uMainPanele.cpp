// The client panel, the film panel and the rental basket of the desk.
#include <QEvent>
#include <QTableWidget>
#include <functional>

#include "app/ListaWyboru.h"
#include "app/uMain.h"
#include "app/uMainLista.h"
#include "films/uFilm.h"
#include "money/Cennik.h"
#include "money/Koszyk.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/Tlumacz.h"
#include "store/Zegar.h"
#include "ui_uMain.h"

namespace {

const QString NaPolce = QStringLiteral("NA PÓŁCE");
const QString Wypozyczony = QStringLiteral("WYPOŻYCZONY");

// Runs a handler for the chosen events of the watched object; the event goes on.
class TObserwator : public QObject {
public:
    TObserwator(QObject* rodzic, QEvent::Type zdarzenie, std::function<void()> reakcja)
        : QObject(rodzic), typ(zdarzenie), obsluga(std::move(reakcja)) {}

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override {
        if (zdarzenie->type() == typ) obsluga();
        return QObject::eventFilter(obiekt, zdarzenie);
    }

private:
    QEvent::Type typ;
    std::function<void()> obsluga;
};

void Obserwuj(QObject* obiekt, QEvent::Type typ, std::function<void()> obsluga) {
    obiekt->installEventFilter(new TObserwator(obiekt, typ, std::move(obsluga)));
}

// The prices of rows 0 ... ostatni.
QStringList CenyWierszy(const QTableWidget* lista, int ostatni) {
    QStringList ceny;
    for (int w = 0; w <= ostatni; ++w) ceny << TekstKomorki(lista, w, 2);
    return ceny;
}

}  // namespace

void TfMain::PolaczPanele() {
    connect(ui->eIleDni, &QLineEdit::textChanged, this, &TfMain::eIleDniChange);
    Obserwuj(ui->eIleDni, QEvent::FocusOut, [this] { eIleDniExit(); });
    Obserwuj(ui->eCena, QEvent::FocusOut, [this] { eCenaExit(); });
    Obserwuj(ui->eWplata, QEvent::FocusOut, [this] { eWplataExit(); });
    Obserwuj(ui->sgWypozyczenie->viewport(), QEvent::MouseButtonRelease,
             [this] { sgWypozyczenieMouseUp(); });
    Obserwuj(ui->sgWypozyczenie, QEvent::KeyRelease, [this] { sgWypozyczenieKeyUp(); });
    ui->pKlient->setAutoFillBackground(true);
    // The separator rows are cut at the column's edge, as the titles are.
    ui->sgWypozyczenie->setTextElideMode(Qt::ElideNone);
}

// ---------------------------------------------------------------- client panel

void TfMain::PokazKlienta(const TQuery& wynik) {
    const auto pole = [&](const char* nazwa) -> const TField& {
        return wynik.FieldByName(QString::fromLatin1(nazwa));
    };
    ui->eUpowazniony->clear();
    ui->eUpowazniony->setText(pole("Upowazniony").AsString());
    const bool abonament = pole("Abonament").AsBoolean();
    ui->cbAbonament->setChecked(abonament);
    const double saldo = pole("Saldo").AsFloat();
    ui->eSaldo->setText(KwotaNaEkran(saldo));
    QPalette p = ui->pKlient->palette();
    p.setColor(QPalette::Window,
               palette().color(KwotaUjemna(saldo) ? QPalette::Dark : QPalette::Button));
    ui->pKlient->setPalette(p);
    ui->eAbonamentOD->setText(abonament ? DataKrotka(pole("Abonament_OD").AsDate()) : QString());
    ui->eAbonamentDO->setText(abonament ? DataKrotka(pole("Abonament_DO").AsDate()) : QString());
    IdKlienta = pole("ID").AsInteger();
    RabatKlienta = pole("Rabat").AsInteger();
    LicznikAbKlienta = pole("LicznikAb").AsInteger();
}

void TfMain::cbKlientChange() {
    const TNazwaKlienta nazwa = PodzielNazweKlienta(ui->cbKlient->currentText());
    OtworzSQL(Query1,
              QStringLiteral(" select ID, Numer_klienta, Abonament, Abonament_OD, Abonament_DO, "
                             "Saldo, Upowazniony, LicznikAb, Rabat  from '") +
                  KatalogBazy + QStringLiteral("klient.db'") + QStringLiteral(" where Imie = ") +
                  TekstSQL(nazwa.imie) + QStringLiteral(" and Nazwisko = ") +
                  TekstSQL(nazwa.nazwisko));
    if (Query1.Active()) {
        const int ile = Query1.RecordCount();
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
            if (PokazKomunikat(pytanie) == QMessageBox::Yes) {
                Query1.Close();
                return;
            }
        }
        if (!Query1.Eof()) {
            PokazKlienta(Query1);
            ui->eKlientNr->setText(
                Numer4(Query1.FieldByName(QStringLiteral("Numer_klienta")).AsLargeInt()));
            WlaczKlienta(true);
        }
    }
    Query1.Close();
    KoszykZmieniony = false;
    WczytajKLIENTA();
}

bool TfMain::WczytajKLIENTA() {
    WlaczKlienta(false);
    if (ui->eKlientNr->text().isEmpty()) return false;
    const auto numer = CalkowitaZEkranu(ui->eKlientNr->text());
    if (!numer || *numer <= 0) {
        ui->eKlientNr->clear();
        ui->cbKlient->setCurrentIndex(-1);
        return false;
    }
    OtworzSQL(Query1,
              QStringLiteral("select ID, Imie, Nazwisko, Abonament, Abonament_OD, Abonament_DO, "
                             "Saldo, Upowazniony, LicznikAb, Rabat  from '") +
                  KatalogBazy + QStringLiteral("klient.db'") +
                  QStringLiteral(" where Numer_klienta = ") + QString::number(*numer) +
                  QStringLiteral(" and Aktualny = True"));
    if (!Query1.Active() || Query1.Eof()) {
        Query1.Close();
        ui->cbKlient->setCurrentIndex(-1);
        return false;
    }
    ui->cbKlient->setCurrentIndex(
        ZnajdzWpis(ui->cbKlient, Query1.FieldByName(QStringLiteral("Nazwisko")).AsString() + ' ' +
                                     Query1.FieldByName(QStringLiteral("Imie")).AsString()));
    PokazKlienta(Query1);
    // Every field is read: the listing runs its own statements.
    Query1.Close();
    WczytajWypozyczenia();
    UstawWlaczWYlaczKLIENTA();
    return true;
}

// ---------------------------------------------------------------- film panel

void TfMain::WlaczFilm(bool wlacz) {
    ui->bFilmDane->setEnabled(wlacz);
    ui->bFilmKonto->setEnabled(wlacz);
    for (QAction* a : {ui->miFilmEdytuj, ui->miFilmUsun, ui->miRaportFilm}) a->setEnabled(wlacz);
}

void TfMain::WlaczDodawanie(bool wlacz) {
    ui->bNastepny->setEnabled(wlacz);
    ui->miNastepny->setEnabled(wlacz);
}

void TfMain::UstawStatus(bool naPolce) {
    FilmNaPolce = naPolce;
    ui->lStatus->setText(naPolce ? NaPolce : Wypozyczony);
}

void TfMain::UstawWlaczWYlaczFILM() {
    if (ui->eFilmNr->text().isEmpty()) {
        WlaczFilm(false);
        WlaczDodawanie(false);
        return;
    }
    WlaczFilm(true);
    if (ui->lStatus->text() == NaPolce && ui->bWypozycz->isEnabled()) WlaczDodawanie(true);
}

void TfMain::cbTytulOrgChange(QComboBox* Sender) {
    IdFilmu = 0;
    {
        const QSignalBlocker b1(ui->cbTytulOrg), b2(ui->cbTytulPol);
        if (Sender == ui->cbTytulPol)
            ui->cbTytulOrg->setCurrentIndex(ui->cbTytulPol->currentIndex());
        else
            ui->cbTytulPol->setCurrentIndex(ui->cbTytulOrg->currentIndex());
    }
    Query1.Close();
    Query1.UstawSQL(
        QStringLiteral("select ID, Stawka, Numer_filmu, Status from film where Tytul_oryginalny "
                       "= :tytul_oryginalny "));
    Query1.UstawParametr(QStringLiteral("tytul_oryginalny"), ui->cbTytulOrg->currentText());
    try {
        Query1.Open();
        if (Query1.Eof()) {
            // The title is no longer in the store: nothing is shown.
            ui->eFilmNr->clear();
        } else {
            ui->eFilmNr->setText(
                Numer4(Query1.FieldByName(QStringLiteral("Numer_filmu")).AsLargeInt()));
            ui->eCena->setText(
                KwotaNaEkran(Query1.FieldByName(QStringLiteral("Stawka")).AsFloat()));
            IdFilmu = Query1.FieldByName(QStringLiteral("ID")).AsInteger();
            const bool naPolce = Query1.FieldByName(QStringLiteral("Status")).AsBoolean();
            UstawStatus(naPolce);
            if (!naPolce)
                WlaczDodawanie(false);
            else if (ui->bWypozycz->isEnabled())
                WlaczDodawanie(true);
        }
    } catch (const TBladBazy& e) {
        Query1.Close();
        BladOgolny(e.Tekst());
        return;
    }
    Query1.Close();
    ui->sgWypozyczenie->clearSelection();
    WczytajFILM();
    UstawWlaczWYlaczFILM();
}

void TfMain::WczytajFILM() {
    IdFilmu = 0;
    const auto numer = CalkowitaZEkranu(ui->eFilmNr->text());
    if (!numer || *numer <= 0) {
        ui->eFilmNr->clear();
        ui->cbTytulOrg->setCurrentIndex(-1);
        ui->cbTytulPol->setCurrentIndex(-1);
        UstawWlaczWYlaczFILM();
        return;
    }
    UstawWlaczWYlaczFILM();
    const QString nr = QString::number(*numer);
    OtworzSQL(Query1, QStringLiteral("select ID, Stawka, Tytul_oryginalny, Tytul_polski, Status "
                                     "from '") +
                          KatalogBazy + QStringLiteral("film.db'") +
                          QStringLiteral(" where Numer_filmu = ") + nr +
                          QStringLiteral(" and Aktualny = True"));
    const bool znaleziony = Query1.Active() && !Query1.Eof();
    if (!znaleziony) {
        WlaczFilm(false);
        WlaczDodawanie(false);
    } else {
        ui->cbTytulOrg->setCurrentIndex(ZnajdzWpis(
            ui->cbTytulOrg, Query1.FieldByName(QStringLiteral("Tytul_oryginalny")).AsString()));
        ui->cbTytulPol->setCurrentIndex(ZnajdzWpis(
            ui->cbTytulPol, Query1.FieldByName(QStringLiteral("Tytul_polski")).AsString()));
        ui->eCena->setText(KwotaNaEkran(Query1.FieldByName(QStringLiteral("Stawka")).AsFloat()));
        IdFilmu = Query1.FieldByName(QStringLiteral("ID")).AsInteger();
        // The add controls follow the film found, as when it is chosen by title.
        const bool naPolce = Query1.FieldByName(QStringLiteral("Status")).AsBoolean();
        UstawStatus(naPolce);
        WlaczDodawanie(naPolce && ui->bWypozycz->isEnabled());
    }
    Query1.Close();
    ui->sgWypozyczenie->clearSelection();

    // A film that is out: who holds it. Only for the film just found, so a failed lookup
    // never changes the client number.
    if (!znaleziony || ui->lStatus->text() != Wypozyczony) return;
    OtworzSQL(Query1, QStringLiteral("select k.numer_klienta nr from '") + KatalogBazy +
                          QStringLiteral("klient.db' k ") +
                          QStringLiteral(" where k.id = ( select r.id_klienta from '") +
                          KatalogBazy + QStringLiteral("rental.db' r ") +
                          QStringLiteral("                where r.zwrocono = false          ") +
                          QStringLiteral("                and r.id_filmu = ( select f.id from '") +
                          KatalogBazy + QStringLiteral("film.db' f where f.numer_filmu = ") + nr +
                          QStringLiteral(" ) )"));
    if (Query1.Active() && !Query1.Eof())
        ui->eKlientNr->setText(
            QString::number(Query1.FieldByName(QStringLiteral("nr")).AsLargeInt()));
    else
        ui->eKlientNr->clear();
    Query1.Close();
}

void TfMain::eCenaExit() {
    if (ui->eFilmNr->text().isEmpty()) {
        ui->eCena->clear();
        return;
    }
    const QString tekst = ui->eCena->text();
    if (!tekst.isEmpty() && !StawkaZEkranu(tekst)) {
        Ostrzezenie(NiepoprawnaWartosc);
        ui->eCena->setText(KwotaNaEkran(0));
        return;
    }
    ui->eCena->setText(KwotaNaEkran(tekst.isEmpty() ? 0.0 : *LiczbaZEkranu(tekst)));
}

// ---------------------------------------------------------------- the basket

int TfMain::WybranyWiersz() const {
    const QTableWidget* lista = ui->sgWypozyczenie;
    const QList<QTableWidgetSelectionRange> zakresy = lista->selectedRanges();
    if (zakresy.isEmpty()) return -1;
    const int biezacy = lista->currentRow();
    for (const auto& z : zakresy)
        if (biezacy >= z.topRow() && biezacy <= z.bottomRow()) return biezacy;
    return zakresy.first().topRow();
}

bool TfMain::KlientAbonent() const {
    return JestAbonentem(ui->cbAbonament->isChecked(), DataZTekstu(ui->eAbonamentDO->text()),
                         Dzisiaj());
}

TKwota TfMain::KwotaWplaty() const {
    return KwotaZEkranu(ui->eWplata->text()).value_or(TKwota());
}

void TfMain::bNastepnyClick() {
    QTableWidget* lista = ui->sgWypozyczenie;
    lista->clearSelection();
    if (ui->lStatus->text() != NaPolce ||
        (ui->cbTytulOrg->currentText().isEmpty() && ui->cbTytulPol->currentText().isEmpty()))
        return;

    // A first row without a film number holds no film.
    const QString pierwszy = TekstKomorki(lista, 0, 1);
    if (!pierwszy.isEmpty() && !CalkowitaZEkranu(pierwszy)) {
        for (int k = 0; k <= 3; ++k) UstawKomorke(lista, 0, k, QString());
        lista->setRowCount(1);
    }

    const TUstawienia& u = UstawieniaProgramu();
    if (LimitFilmowOsiagniety(u.FilmMax, lista->rowCount())) {
        Ostrzezenie(QStringLiteral("Nie można wypożyczyć większej liczby filmów."));
        return;
    }

    const TDniWiersza dni = DniNowegoWiersza(ui->eIleDni->text());
    if (ui->eIleDni->text().isEmpty()) ui->eIleDni->setText(QStringLiteral("1"));
    if (!dni.poprawne) {
        Ostrzezenie(QStringLiteral("Niewłaściwa wartość w polu \"Ilość dni\"."));
        ui->eIleDni->setText(QStringLiteral("1"));
    }

    const auto stawka = StawkaZEkranu(ui->eCena->text());
    if (!stawka) {
        Ostrzezenie(QStringLiteral("Niewłaściwa wartość w polu \"Stawka\"."));
        return;
    }

    // The same film once only; its number may be shown with or without leading zeros.
    const QString numer = ui->eFilmNr->text();
    const auto numerFilmu = CalkowitaZEkranu(numer);
    for (int w = 0; w <= lista->rowCount() - 2; ++w) {
        const QString tekst = TekstKomorki(lista, w, 1);
        if (tekst == numer || (numerFilmu && CalkowitaZEkranu(tekst) == numerFilmu)) return;
    }

    // The film of the number shown; a number typed over a shown film, or of no current
    // film, adds nothing.
    int id = 0;
    if (numerFilmu) {
        OtworzSQL(Query1, QStringLiteral("select ID from film where Numer_filmu = ") +
                              QString::number(*numerFilmu) +
                              QStringLiteral(" and Aktualny = True"));
        if (Query1.Active() && !Query1.Eof())
            id = Query1.FieldByName(QStringLiteral("ID")).AsInteger();
        Query1.Close();
    }
    if (id == 0 || id != IdFilmu) return;

    UstawTloListy(lista, false);
    const int r = lista->rowCount() == 1 ? 0 : lista->rowCount() - 2;
    if (r == 0)
        lista->setRowCount(3);
    else
        lista->setRowCount(lista->rowCount() + 1);

    const bool abonent = KlientAbonent();
    if (abonent) ++LicznikAbKlienta;
    const TKwota cena =
        CenaWKoszyku(u, RabatKlienta, abonent, LicznikAbKlienta, *stawka, Dzisiaj(), dni.dni);
    UstawKomorke(lista, r, 0, ui->cbTytulOrg->currentText());
    UstawKomorke(lista, r, 1, numer);
    UstawKomorke(lista, r, 2, KwotaNaEkran(cena));
    UstawKomorke(lista, r, 3, QString::number(id));
    UstawKomorke(lista, r, 4, ui->eIleDni->text());
    UstawKomorke(lista, r, 5, ui->eCena->text());

    const TKwota suma = SumaCenZEkranu(CenyWierszy(lista, r));
    const bool wlaczona = ui->eWplata->isEnabled();
    const TWplataKoszyka kwoty = WplataPoDodaniu(abonent, wlaczona, suma, KwotaWplaty());
    if (kwoty.wplata) ui->eWplata->setText(KwotaNaEkran(*kwoty.wplata));
    DopiszPodsumowanie(lista, r + 1, kwoty.razem);
    for (int w = r + 1; w <= r + 2; ++w)
        for (int k = 3; k <= 5; ++k) UstawKomorke(lista, w, k, QString());

    if (wlaczona) {
        ui->bUsun->setEnabled(true);
        ui->miDelete->setEnabled(true);
    }
    KoszykZmieniony = true;
    // Ready for the next film's number.
    ZaznaczPole(ui->eFilmNr);
}

void TfMain::eIleDniChange() {
    QLineEdit* pole = ui->eIleDni;
    const QString tekst = pole->text();
    const int wiersz = WybranyWiersz();
    const auto dni = CalkowitaZEkranu(tekst);
    if (wiersz < 0 || !ui->bWypozycz->isEnabled()) {
        if (!tekst.isEmpty() && (!dni || *dni < 0 || tekst.trimmed().startsWith('-'))) {
            Ostrzezenie(NiepoprawnaWartosc);
            pole->clear();
        }
        return;
    }
    if (tekst.isEmpty()) return;
    if (!dni) {
        Ostrzezenie(NiepoprawnaWartosc);
        pole->clear();
        return;
    }
    if (*dni <= 0) {
        pole->clear();
        return;
    }

    QTableWidget* lista = ui->sgWypozyczenie;
    const int filmy = LiczbaWierszyFilmow(lista->rowCount());
    if (lista->rowCount() < 2 || wiersz >= filmy) return;
    UstawKomorke(lista, wiersz, 4, tekst);
    const double stawka = LiczbaZEkranu(TekstKomorki(lista, wiersz, 5)).value_or(0);
    const bool abonent = KlientAbonent();
    const int licznik = abonent ? LicznikWierszaKoszyka(LicznikAbKlienta, filmy, wiersz) : 0;
    const TKwota cena =
        CenaWKoszyku(UstawieniaProgramu(), RabatKlienta, abonent, licznik, stawka, Dzisiaj(), *dni);
    UstawKomorke(lista, wiersz, 2, KwotaNaEkran(cena));
    const TKwota suma = SumaCenZEkranu(CenyWierszy(lista, filmy - 1));
    UstawKomorke(lista, filmy + 1, 2,
                 KwotaNaEkran(RazemPoZmianie(ui->eWplata->isEnabled(), suma, KwotaWplaty())));
}

void TfMain::eIleDniExit() {
    if (ui->eIleDni->text().isEmpty()) ui->eIleDni->setText(QStringLiteral("1"));
}

void TfMain::sgWypozyczenieMouseUp() {
    ui->eIleDni->clear();
    const QTableWidget* lista = ui->sgWypozyczenie;
    const int wiersz = WybranyWiersz();
    if (wiersz < 0 || wiersz >= LiczbaWierszyFilmow(lista->rowCount())) return;
    const QString dni = TekstKomorki(lista, wiersz, 4);
    if (dni != ui->eIleDni->text()) ui->eIleDni->setText(dni);
}

void TfMain::sgWypozyczenieKeyUp() {
    sgWypozyczenieMouseUp();
}

void TfMain::miDeleteClick() {
    QTableWidget* lista = ui->sgWypozyczenie;
    const int filmy = LiczbaWierszyFilmow(lista->rowCount());
    const QList<QTableWidgetSelectionRange> zakresy = lista->selectedRanges();
    if (zakresy.isEmpty() || filmy == 0) return;
    int gora = lista->rowCount();
    for (const auto& z : zakresy) gora = qMin(gora, z.topRow());
    if (gora >= filmy) return;

    // The selected film rows, the separator and total rows left out.
    QList<int> usuwane;
    for (int w = filmy - 1; w >= 0; --w)
        for (const auto& z : zakresy)
            if (w >= z.topRow() && w <= z.bottomRow()) {
                usuwane << w;
                break;
            }

    TKwota suma = KwotaZEkranu(TekstKomorki(lista, filmy + 1, 2)).value_or(TKwota());
    lista->clearSelection();
    for (int w : usuwane) {  // from the bottom up
        suma -= KwotaZEkranu(TekstKomorki(lista, w, 2)).value_or(TKwota());
        lista->removeRow(w);
    }
    const int ostatni = lista->rowCount() - 1;
    UstawKomorke(lista, ostatni, 0, RazemDoZaplaty);
    UstawKomorke(lista, ostatni, 1, QString());
    UstawKomorke(lista, ostatni, 2, KwotaNaEkran(suma));

    const bool pusty = lista->rowCount() <= 2;
    if (ui->eWplata->isEnabled()) ui->eWplata->setText(KwotaNaEkran(pusty ? TKwota() : suma));
    if (pusty) {
        for (int w = 0; w < lista->rowCount(); ++w)
            for (int k = 0; k < lista->columnCount(); ++k) UstawKomorke(lista, w, k, QString());
        lista->setRowCount(1);
    }
}

void TfMain::eWplataExit() {
    if (TekstKomorki(ui->sgWypozyczenie, 0, 0).isEmpty()) return;
    const QString tekst = ui->eWplata->text();
    if (tekst.isEmpty()) return;
    // A number too long to be an amount is refused like any other bad text.
    const std::optional<TKwota> kwota = KwotaZEkranu(tekst);
    if (!StawkaZEkranu(tekst) || !kwota) {
        Ostrzezenie(NiepoprawnaWartosc);
        ui->eWplata->clear();
        return;
    }
    ui->eWplata->setText(KwotaNaEkran(*kwota));
}
