// The operations on the listed open rentals: the return, the undo and the extension.
//
// They work on the rentals as listed from the store (the list's rows, SumaPlatnosci,
// WplaconoWczesniej), not on column 2 and the total row as the days box may have
// re-priced them, and on nothing added below the rentals. Each gathers its inputs, shows
// its dialogs, settles the money, hands the results to its write function (money/Zapis.h)
// and loads the client again.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTableWidget>

#include "app/ListaWypozyczen.h"
#include "app/PanelKlienta.h"
#include "app/uIloscDni.h"
#include "app/uMain.h"
#include "app/uMainLista.h"
#include "app/uPotwierdzenieOperacji.h"
#include "money/RozliczeniePrzedluzenia.h"
#include "money/RozliczenieWycofania.h"
#include "money/RozliczenieZwrotu.h"
#include "money/Zapis.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/Zegar.h"
#include "ui_uMain.h"
#include "widgets/Komunikaty.h"

// ---------------------------------------------------------------- return

void TfMain::bZwrotClick() {
    if (ListaMaNoweFilmy()) return;
    if (KlientZmienionyPrzedOperacja()) return;
    // The returned rows.
    const auto zakres = wypozyczenia->WybierzWiersze();
    if (!zakres) return;
    TDaneZwrotu dane = DaneZwrotu(*wypozyczenia, *panelKlienta, *zakres);
    std::optional<TPotwierdzenie> potwierdzenie;
    // What the balance was charged and the term of every listed rental. A rental no
    // longer open (the list is out of date) or a failed read: nothing is written.
    if (WczytajDoZwrotu(panelKlienta->Id(), wypozyczenia->Wiersze(), dane)) {
        // The new charges on screen: every listed row, the total and what was paid.
        const TPrzedZwrotem przed = PrzygotujZwrot(dane);
        wypozyczenia->PokazNaleznosci(przed.Naleznosci);
        wypozyczenia->PokazRazem(przed.Razem);
        ui->eWplata->setText(KwotaNaEkran(przed.Wplacono));
        if (przed.Nadplata) PokazKomunikatRozliczenia(*przed.Nadplata);
        // The payment for the returned rows; a surplus is handed back.
        const TWynikZwrotu wynik = RozliczZwrot(
            dane, przed, PokazWplate(przed.Wplata, wypozyczenia->RozliczenieZwrotu(dane, przed)));
        if (wynik.Nadplata) PokazKomunikatRozliczenia(*wynik.Nadplata);
        ui->eWplata->setText(KwotaNaEkran(wynik.Wplacono));
        if (ZapiszZwrot(panelKlienta->Id(), dane, przed, wynik,
                        wypozyczenia->NumeryFilmow(*zakres)))
            potwierdzenie = PotwierdzenieZwrotu(dane, wynik);
    }
    // The operator is told when it is stored; the client is loaded again either way.
    if (potwierdzenie) {
        ZapamietajPotwierdzenie(*potwierdzenie);
        Informacja(QStringLiteral("Zwrot został zapisany."));
    }
    WczytajKLIENTA();
    ZaznaczPole(ui->eKlientNr);  // ready for the next client
}

// ---------------------------------------------------------------- undo

void TfMain::bCofnijClick() {
    if (ListaMaNoweFilmy()) return;
    if (KlientZmienionyPrzedOperacja()) return;
    // The withdrawn rows.
    const auto zakres = wypozyczenia->WybierzWiersze();
    if (!zakres) return;
    const TWynikWycofania wynik =
        RozliczWycofanie(DaneWycofania(*wypozyczenia, *panelKlienta, *zakres));
    // What stays paid; a surplus is handed back.
    if (wynik.Nadplata) PokazKomunikatRozliczenia(*wynik.Nadplata);
    ui->eWplata->setText(KwotaNaEkran(wynik.Wplacono));
    wypozyczenia->PokazRazem(wynik.Razem);
    // The operator is told when it is stored; the client is loaded again either way.
    if (ZapiszWycofanie(panelKlienta->Id(), wynik, wypozyczenia->NumeryFilmow(*zakres))) {
        panelKlienta->UstawLicznikAb(wynik.LicznikAb);
        Informacja(QStringLiteral("Wypożyczenie zostało wycofane."));
    }
    WczytajKLIENTA();
    ZaznaczPole(ui->eKlientNr);  // ready for the next client
}

// ---------------------------------------------------------------- extension

void TfMain::bPrzedluzenieClick() {
    if (ListaMaNoweFilmy()) return;
    if (KlientZmienionyPrzedOperacja()) return;
    // The days.
    if (!fIloscDni || PokazModalnie(*fIloscDni) != QDialog::Accepted) return;
    const int n = fIloscDni->IloscDni();
    // The desk's days box shows them; a listed rental is not re-priced as a basket row.
    {
        const QSignalBlocker bezSygnalow(ui->eIleDni);
        ui->eIleDni->setText(QString::number(n));
    }
    // The extended rows.
    const auto zakres = wypozyczenia->WybierzWiersze();
    if (!zakres) return;
    TDanePrzedluzenia dane = DanePrzedluzenia(*wypozyczenia, *panelKlienta, *zakres, n);
    std::optional<TPotwierdzenie> potwierdzenie;
    QStringList zapisane;
    // One start date prices every extended row: that of the first open rental.
    if (const std::optional<QDate> poczatek = PoczatekPrzedluzenia(panelKlienta->Id())) {
        dane.DataOD = *poczatek;
        // The new due date and charges on screen.
        const TPrzedPrzedluzeniem przed = PrzygotujPrzedluzenie(dane);
        wypozyczenia->PokazNaleznosci(przed.Naleznosci);
        // The payment; a surplus is handed back.
        std::vector<TPozycjaRozliczenia> filmy;
        QStringList zmiany;
        for (int i = dane.Pierwszy; i <= dane.Ostatni; ++i) {
            const auto r = static_cast<size_t>(i);
            filmy.push_back(wypozyczenia->Pozycja(i, przed.Naleznosci[r]));
            zmiany << LiniaPrzedluzenia(filmy.back(), dane.Wiersze[r].Naleznosc, dane.Abonament);
        }
        const TWynikPrzedluzenia wynik = RozliczPrzedluzenie(
            dane, przed,
            PokazWplate(przed.Wplata,
                        LinieRozliczenia(filmy, {}, QStringLiteral("Wpłacono wcześniej i saldo"),
                                         przed.Wplata.Kwota)));
        if (wynik.Nadplata) PokazKomunikatRozliczenia(*wynik.Nadplata);
        if (ZapiszPrzedluzenie(panelKlienta->Id(), dane, przed, wynik,
                               wypozyczenia->NumeryFilmow(*zakres))) {
            panelKlienta->UstawLicznikAb(wynik.LicznikAb);
            potwierdzenie = PotwierdzeniePrzedluzenia(dane, przed, wynik, wynik.Pobrano);
            zapisane = zmiany;
        }
    }
    // The operator is told when it is stored, with each film's old and new charge; the
    // client is loaded again either way.
    if (potwierdzenie) {
        ZapamietajPotwierdzenie(*potwierdzenie);
        Informacja(QStringLiteral("Przedłużenie zostało zapisane.\n\n") +
                   zapisane.join(QLatin1Char('\n')));
    }
    WczytajKLIENTA();
    ZaznaczPole(ui->eKlientNr);  // ready for the next client
}
