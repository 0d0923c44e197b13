// The rental commit of the desk's basket. The return, the undo and the extension are in
// uMainZwrot.cpp.
//
// The window gathers the inputs, shows the dialogs and calls the money arithmetic; each
// operation's statements run in its write function (money/Zapis.h), in one transaction
// after the payment dialog, so an end of the program while a dialog is open writes
// nothing.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>

#include "app/KoszykPulpitu.h"
#include "app/ListaWypozyczen.h"
#include "app/PanelKlienta.h"
#include "app/uMain.h"
#include "app/uMainLista.h"
#include "app/uPotwierdzenieOperacji.h"
#include "money/Zapis.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "ui_uMain.h"
#include "widgets/Komunikaty.h"

// ---------------------------------------------------------------- rental commit

void TfMain::bWypozyczClick() {
    QTableWidget* sg = ui->sgWypozyczenie;
    // A basket with at least one film, for a chosen client.
    if (!koszyk->Zmieniony || sg->rowCount() < 3 || !panelKlienta->Wybrany()) return;
    // Below open rentals, at least one film added (they may all have been removed again).
    if (koszyk->NoweFilmy() == 0) return;
    // The paid amount must be a number.
    const QString wplataTekst = ui->eWplata->text().trimmed();
    const std::optional<TKwota> wplata = KwotaZEkranu(wplataTekst);
    if (!wplataTekst.isEmpty() && !wplata) {
        Ostrzezenie(NiepoprawnaWartosc);
        return;
    }
    // Only film rows are written: a row without a film ID is no film.
    const std::optional<TDaneWypozyczenia> dane =
        koszyk->DaneWypozyczenia(wplata.value_or(TKwota()));
    if (!dane) return;
    // A regular client's credit is spent first; then the money taken.
    const TPrzedWypozyczeniem przed = PrzygotujWypozyczenie(*dane);
    const TKwota pobrano =
        PokazWplate(przed.Wplata, wypozyczenia->RozliczenieKoszyka(*dane, przed));
    if (!ZatwierdzKoszyk(*dane, przed, pobrano)) return;
    // Stored: the basket is done and the client loaded again.
    koszyk->Zmieniony = false;
    ui->eIleDni->setText(QStringLiteral("1"));
    Informacja(QStringLiteral("Wypożyczenie zostało zapisane."));
    WczytajKLIENTA();
    ZaznaczPole(ui->eKlientNr);  // ready for the next client
}

bool TfMain::ZatwierdzKoszyk(const TDaneWypozyczenia& dane, const TPrzedWypozyczeniem& przed,
                             TKwota pobrano) {
    const TWynikWypozyczenia wynik = RozliczWypozyczenie(dane, przed, pobrano);
    const QString wplataPrzed = ui->eWplata->text();
    const bool abonamentPrzed = panelKlienta->Abonament();
    const TKwota sumaPrzed = wypozyczenia->SumaPlatnosci();
    ui->eWplata->setText(KwotaNaEkran(wynik.Wplata));
    // An expired subscription ends here; the films keep their basket prices.
    if (wynik.KoniecAbonamentu) {
        PokazKomunikatRozliczenia(*wynik.KoniecAbonamentu);
        panelKlienta->UstawAbonament(false);
    }
    // Overpayment: the excess is handed back.
    if (wynik.Nadplata) PokazKomunikatRozliczenia(*wynik.Nadplata);
    wypozyczenia->UstawSumePlatnosci(wynik.ZmianaSalda);

    const QString filmy =
        wypozyczenia->NumeryFilmow({0, static_cast<int>(dane.Wiersze.size()) - 1});
    if (!ZapiszWypozyczenie(panelKlienta->Id(), dane, przed, wynik, filmy)) {
        // Nothing is stored (the store's error has been shown): the basket stays for
        // another try.
        ui->eWplata->setText(wplataPrzed);
        panelKlienta->UstawAbonament(abonamentPrzed);
        wypozyczenia->UstawSumePlatnosci(sumaPrzed);
        return false;
    }
    ZapamietajPotwierdzenie(PotwierdzenieWypozyczenia(
        przed, wynik, pobrano, dane.TrybZwrot ? wypozyczenia->Wiersze().size() : 0));
    return true;
}
