// The operations on the desk's list: the client's open rentals, the row choice, and the
// rental commit. The return, the undo and the extension are in uMainZwrot.cpp.
//
// The window gathers the inputs, shows the dialogs and calls the money arithmetic; each
// operation's statements run in its write function (money/Zapis.h), in one transaction
// after the payment dialog, so an end of the program while a dialog is open writes
// nothing.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

#include "app/uMain.h"
#include "app/uMainLista.h"
#include "app/uPotwierdzenieOperacji.h"
#include "clients/uWplata.h"
#include "money/Cennik.h"
#include "money/Koszyk.h"
#include "money/Zapis.h"
#include "settings/uConfig.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/Zegar.h"
#include "ui_uMain.h"
#include "widgets/Komunikaty.h"

// ---------------------------------------------------------------- list cells

QString TekstKomorki(const QTableWidget* sg, int wiersz, int kolumna) {
    const QTableWidgetItem* k = sg->item(wiersz, kolumna);
    return k ? k->text() : QString();
}

void UstawKomorke(QTableWidget* sg, int wiersz, int kolumna, const QString& tekst) {
    if (QTableWidgetItem* k = sg->item(wiersz, kolumna))
        k->setText(tekst);
    else
        sg->setItem(wiersz, kolumna, new QTableWidgetItem(tekst));
}

std::optional<TKwota> KwotaKomorki(const QString& tekst) {
    // The list shows amounts with the decimal comma; a point is read the same way.
    return KwotaZEkranu(QString(tekst).replace('.', ','));
}

void UstawTloListy(QTableWidget* sg, bool poTerminie) {
    const QPalette systemowa = QApplication::palette();
    QPalette p = sg->palette();
    p.setColor(QPalette::Base, systemowa.color(poTerminie ? QPalette::Dark : QPalette::Button));
    sg->setPalette(p);
}

void DopiszPodsumowanie(QTableWidget* sg, int wiersz, TKwota razem) {
    UstawKomorke(sg, wiersz, 0, SeparatorTytulu());
    UstawKomorke(sg, wiersz, 1, SeparatorKwoty());
    UstawKomorke(sg, wiersz, 2, SeparatorKwoty());
    UstawKomorke(sg, wiersz + 1, 0, RazemDoZaplaty);
    UstawKomorke(sg, wiersz + 1, 1, QString());
    UstawKomorke(sg, wiersz + 1, 2, KwotaNaEkran(razem));
}

const TUstawienia& UstawieniaProgramu() {
    static const TUstawienia domyslne;
    return fConfig ? fConfig->Ustawienia : domyslne;
}

TKwota PokazWplate(const TPropozycjaWplaty& propozycja) {
    if (!propozycja.Pokaz || !fWplata) return TKwota();
    fWplata->UstawKwote(propozycja.Etykieta, propozycja.Kwota);
    PokazModalnie(*fWplata);
    // The amount is read whatever the result: declining gives 0.
    return fWplata->Kwota();
}

// ---------------------------------------------------------------- open rentals

void TfMain::WczytajWypozyczenia() {
    QTableWidget* sg = ui->sgWypozyczenie;

    // Nothing listed.
    SumaPlatnosci = 0;
    WplaconoWczesniej = 0;
    WypozyczeniaNaLiscie.clear();
    UstawTloListy(sg, false);
    {
        const QSignalBlocker b1(ui->cbTytulOrg), b2(ui->cbTytulPol);
        ui->cbTytulOrg->setCurrentIndex(-1);
        ui->cbTytulPol->setCurrentIndex(-1);
    }
    ui->eFilmNr->clear();
    ui->eCena->clear();
    sg->clearContents();
    sg->clearSelection();
    ui->bUsun->setEnabled(false);
    ui->miDelete->setEnabled(false);
    sg->setRowCount(1);
    ui->eWplata->clear();

    // The client's open rentals.
    OtworzSQL(Query1,
              QStringLiteral(" select f.tytul_oryginalny tytul, f.numer_filmu nr, f.id id,  "
                             "f.stawka stawka1, r.naleznosc, r.dataOD dataOD,  r.dataDO dataDO, "
                             "r.platnosc platnosc, r.stawka stawka  from '") +
                  KatalogBazy + QStringLiteral("rental.db' r, ") + QStringLiteral(" '") +
                  KatalogBazy + QStringLiteral("film.db' f ") +
                  QStringLiteral(" where f.id = r.id_filmu ") +
                  QStringLiteral(" and r.id_klienta = ") + QString::number(IdKlienta) +
                  QStringLiteral(" and r.zwrocono = False"));
    std::vector<TOtwarteWypozyczenie> otwarte;
    QStringList tytuly, numery;
    while (Query1.Active() && !Query1.Eof()) {
        TOtwarteWypozyczenie r;
        r.Naleznosc = TKwota::ZeZlotych(Query1.FieldByName(QStringLiteral("naleznosc")).AsFloat());
        r.Platnosc = TKwota::ZeZlotych(Query1.FieldByName(QStringLiteral("platnosc")).AsFloat());
        r.DataOD = Query1.FieldByName(QStringLiteral("dataOD")).AsDate();
        r.DataDO = Query1.FieldByName(QStringLiteral("dataDO")).AsDate();
        const TField& stawka = Query1.FieldByName(QStringLiteral("stawka"));
        if (!stawka.IsNull()) r.Stawka = TKwota::ZeZlotych(stawka.AsFloat());
        r.StawkaFilmu = TKwota::ZeZlotych(Query1.FieldByName(QStringLiteral("stawka1")).AsFloat());
        otwarte.push_back(r);
        tytuly << Query1.FieldByName(QStringLiteral("tytul")).AsString();
        numery << Numer4(Query1.FieldByName(QStringLiteral("nr")).AsLargeInt());
        WypozyczeniaNaLiscie.push_back(
            {Query1.FieldByName(QStringLiteral("id")).AsInteger(), TKwota(), 0, TKwota()});
        Query1.Next();
    }
    Query1.Close();

    // None: the list is a basket.
    if (otwarte.empty()) {
        for (QWidget* w :
             {static_cast<QWidget*>(ui->bWypozycz), static_cast<QWidget*>(ui->bNastepny),
              static_cast<QWidget*>(ui->eWplata)})
            w->setEnabled(true);
        ui->miWypozycz->setEnabled(true);
        ui->miNastepny->setEnabled(true);
        for (QWidget* w : {ui->bZwrot, ui->bCofnij, ui->bPrzedluzenie}) w->setEnabled(false);
        for (QAction* a : {ui->miZwrot, ui->miCofnij, ui->miPrzedluzenie}) a->setEnabled(false);
        return;
    }

    // One row per rental, the separator and the total.
    const TWykazOtwartych wykaz = PodsumujOtwarte(otwarte, Dzisiaj());
    const int k = static_cast<int>(otwarte.size());
    sg->setRowCount(k + 2);
    for (int i = 0; i < k; ++i) {
        const TWierszOtwarty& w = wykaz.Wiersze[static_cast<size_t>(i)];
        TWierszListy& lista = WypozyczeniaNaLiscie[static_cast<size_t>(i)];
        lista.Naleznosc = w.Naleznosc;
        lista.IloscDni = w.IloscDni;
        lista.Stawka = w.Stawka;
        UstawKomorke(sg, i, 0, tytuly[i]);
        UstawKomorke(sg, i, 1, numery[i]);
        UstawKomorke(sg, i, 2, KwotaNaEkran(w.Naleznosc));
        UstawKomorke(sg, i, 3, QString::number(lista.IdFilmu));
        UstawKomorke(sg, i, 4, QString::number(w.IloscDni));
        UstawKomorke(sg, i, 5, KwotaNaEkran(w.Stawka));
    }
    DopiszPodsumowanie(sg, k, wykaz.Razem);
    UstawTloListy(sg, wykaz.PoTerminie);
    ui->eWplata->setText(KwotaNaEkran(wykaz.Wplacono));
    SumaPlatnosci = wykaz.SumaPlatnosci;
    WplaconoWczesniej = wykaz.WplaconoWczesniej;

    // Mode Zwrot; the rent controls stay as they were.
    for (QWidget* w : {static_cast<QWidget*>(ui->bUsun), static_cast<QWidget*>(ui->bNastepny),
                       static_cast<QWidget*>(ui->eWplata)})
        w->setEnabled(false);
    ui->miDelete->setEnabled(false);
    ui->miNastepny->setEnabled(false);
    for (QWidget* w : {ui->bZwrot, ui->bCofnij, ui->bPrzedluzenie}) w->setEnabled(true);
    for (QAction* a : {ui->miZwrot, ui->miCofnij, ui->miPrzedluzenie}) a->setEnabled(true);
}

std::optional<std::pair<int, int>> TfMain::WybierzWiersze() {
    QTableWidget* sg = ui->sgWypozyczenie;
    const int k = static_cast<int>(WypozyczeniaNaLiscie.size());
    if (k == 0) return std::nullopt;

    int gora = -1, dol = -1;
    for (const QTableWidgetSelectionRange& z : sg->selectedRanges()) {
        gora = gora < 0 ? z.topRow() : std::min(gora, z.topRow());
        dol = std::max(dol, z.bottomRow());
    }
    if (gora >= 0) {
        // A marking that starts on the separator, the total or a film added below the
        // rentals applies to nothing.
        if (gora >= k) return std::nullopt;
        if (dol >= k) {
            dol = k - 1;
            sg->clearSelection();
            sg->setRangeSelected(QTableWidgetSelectionRange(gora, 0, dol, sg->columnCount() - 1),
                                 true);
        }
        const auto odpowiedz = PokazKomunikat(
            {QStringLiteral("Czy wykonać operację tylko dla zaznaczonych wierszy?"), TytulAplikacji,
             TIkona::Pytanie, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
             QMessageBox::Yes});
        if (odpowiedz == QMessageBox::Yes) return std::make_pair(gora, dol);
        if (odpowiedz == QMessageBox::No) return std::make_pair(0, k - 1);
        return std::nullopt;
    }
    if (Pytanie(QStringLiteral("Nie zaznaczono żadnego wiersza.\nCzy wykonać operację dla całej "
                               "listy?"),
                true))
        return std::make_pair(0, k - 1);
    return std::nullopt;
}

// ---------------------------------------------------------------- rental commit

void TfMain::bWypozyczClick() {
    QTableWidget* sg = ui->sgWypozyczenie;
    // A basket with at least one film, for a chosen client.
    if (!KoszykZmieniony || sg->rowCount() < 3 || ui->cbKlient->currentIndex() < 0) return;
    // The paid amount must be a number.
    const QString wplataTekst = ui->eWplata->text().trimmed();
    const std::optional<TKwota> wplata = KwotaZEkranu(wplataTekst);
    if (!wplataTekst.isEmpty() && !wplata) {
        Ostrzezenie(NiepoprawnaWartosc);
        return;
    }
    // Only film rows are written: a row without a film ID is no film.
    const std::optional<TDaneWypozyczenia> dane = DaneWypozyczenia(wplata.value_or(TKwota()));
    if (!dane) return;
    // A regular client's credit is spent first; then the money taken.
    const TPrzedWypozyczeniem przed = PrzygotujWypozyczenie(*dane);
    const TKwota pobrano = PokazWplate(przed.Wplata);
    if (!ZatwierdzKoszyk(*dane, przed, pobrano)) return;
    // Stored: the basket is done and the client loaded again.
    KoszykZmieniony = false;
    ui->eIleDni->setText(QStringLiteral("1"));
    Informacja(QStringLiteral("Wypożyczenie zostało zapisane."));
    WczytajKLIENTA();
    ZaznaczPole(ui->eKlientNr);  // ready for the next client
}

bool TfMain::ZatwierdzKoszyk(const TDaneWypozyczenia& dane, const TPrzedWypozyczeniem& przed,
                             TKwota pobrano) {
    const TWynikWypozyczenia wynik = RozliczWypozyczenie(dane, przed, pobrano);
    const QString wplataPrzed = ui->eWplata->text();
    const bool abonamentPrzed = ui->cbAbonament->isChecked();
    const TKwota sumaPrzed = SumaPlatnosci;
    ui->eWplata->setText(KwotaNaEkran(wynik.Wplata));
    // An expired subscription ends here; the films keep their basket prices.
    if (wynik.KoniecAbonamentu) {
        PokazKomunikatRozliczenia(*wynik.KoniecAbonamentu);
        ui->cbAbonament->setChecked(false);
    }
    // Overpayment: the excess is handed back.
    if (wynik.Nadplata) PokazKomunikatRozliczenia(*wynik.Nadplata);
    SumaPlatnosci = wynik.ZmianaSalda;

    const QString filmy = NumeryFilmow({0, static_cast<int>(dane.Wiersze.size()) - 1});
    if (!ZapiszWypozyczenie(IdKlienta, dane, przed, wynik, filmy)) {
        // Nothing is stored (the store's error has been shown): the basket stays for
        // another try.
        ui->eWplata->setText(wplataPrzed);
        ui->cbAbonament->setChecked(abonamentPrzed);
        SumaPlatnosci = sumaPrzed;
        return false;
    }
    ZapamietajPotwierdzenie(PotwierdzenieWypozyczenia(
        przed, wynik, pobrano, dane.TrybZwrot ? WypozyczeniaNaLiscie.size() : 0));
    return true;
}
