// The operations on the listed open rentals: the return, the undo and the extension.
//
// They work on the rentals as listed from the store (WypozyczeniaNaLiscie, SumaPlatnosci,
// WplaconoWczesniej), not on column 2 and the total row as the days box may have
// re-priced them, and on nothing added below the rentals. Each one's statements run in
// its write function (money/Zapis.h), after its payment dialog.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTableWidget>

#include "app/uIloscDni.h"
#include "app/uMain.h"
#include "app/uMainLista.h"
#include "money/Zapis.h"
#include "money/uRozliczeniePrzedluzenia.h"
#include "money/uRozliczenieWycofania.h"
#include "money/uRozliczenieZwrotu.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/Zegar.h"
#include "ui_uMain.h"

// ---------------------------------------------------------------- return

void TfMain::bZwrotClick() {
    ZapiszZwrot();
}

void TfMain::ZapiszZwrot() {
    // The returned rows.
    const auto zakres = WybierzWiersze();
    if (!zakres) return;
    QTableWidget* sg = ui->sgWypozyczenie;
    TDaneZwrotu dane;
    dane.Pierwszy = zakres->first;
    dane.Ostatni = zakres->second;
    dane.Ustawienia = UstawieniaProgramu();
    dane.RabatKlienta = RabatKlienta;
    dane.Abonament = ui->cbAbonament->isChecked();
    dane.AbonamentDo = DataZTekstu(ui->eAbonamentDO->text());
    dane.Saldo = KwotaZEkranu(ui->eSaldo->text()).value_or(TKwota());
    dane.Wplacono = WplaconoWczesniej;
    dane.Dzisiaj = Dzisiaj();
    // What the balance was charged and the term of every listed rental. A rental no
    // longer open (the list is out of date) or a failed read: nothing is written.
    bool zapisano = false;
    if (WczytajDoZwrotu(IdKlienta, WypozyczeniaNaLiscie, dane)) {
        // The new charges on screen: every listed row, the total and what was paid.
        const TPrzedZwrotem przed = PrzygotujZwrot(dane);
        for (int i = 0; i < static_cast<int>(przed.Naleznosci.size()); ++i)
            UstawKomorke(sg, i, 2, KwotaNaEkran(przed.Naleznosci[i]));
        UstawKomorke(sg, sg->rowCount() - 1, 2, KwotaNaEkran(przed.Razem));  // the total row
        ui->eWplata->setText(KwotaNaEkran(przed.Wplacono));
        if (przed.Nadplata) PokazKomunikatRozliczenia(*przed.Nadplata);
        // The payment for the returned rows; a surplus is handed back.
        const TWynikZwrotu wynik = RozliczZwrot(dane, przed, PokazWplate(przed.Wplata));
        if (wynik.Nadplata) PokazKomunikatRozliczenia(*wynik.Nadplata);
        ui->eWplata->setText(KwotaNaEkran(wynik.Wplacono));
        zapisano = ::ZapiszZwrot(IdKlienta, dane.Dzisiaj, wynik);
    }
    // The operator is told when it is stored; the client is loaded again either way.
    if (zapisano) Informacja(QStringLiteral("Zwrot został zapisany."));
    WczytajKLIENTA();
    ZaznaczPole(ui->eKlientNr);  // ready for the next client
}

// ---------------------------------------------------------------- undo

void TfMain::bCofnijClick() {
    // The withdrawn rows.
    const auto zakres = WybierzWiersze();
    if (!zakres) return;
    QTableWidget* sg = ui->sgWypozyczenie;
    TDaneWycofania dane;
    dane.Wiersze = WypozyczeniaNaLiscie;
    dane.Pierwszy = zakres->first;
    dane.Ostatni = zakres->second;
    dane.Razem = SumaPlatnosci;
    dane.Wplacono = WplaconoWczesniej;
    dane.Saldo = KwotaZEkranu(ui->eSaldo->text()).value_or(TKwota());
    dane.LicznikAb = LicznikAbKlienta;
    const TWynikWycofania wynik = RozliczWycofanie(dane);
    // What stays paid; a surplus is handed back.
    if (wynik.Nadplata) PokazKomunikatRozliczenia(*wynik.Nadplata);
    ui->eWplata->setText(KwotaNaEkran(wynik.Wplacono));
    UstawKomorke(sg, sg->rowCount() - 1, 2, KwotaNaEkran(wynik.Razem));  // the total row
    // The operator is told when it is stored; the client is loaded again either way.
    if (ZapiszWycofanie(IdKlienta, wynik)) {
        LicznikAbKlienta = wynik.LicznikAb;
        Informacja(QStringLiteral("Wypożyczenie zostało wycofane."));
    }
    WczytajKLIENTA();
    ZaznaczPole(ui->eKlientNr);  // ready for the next client
}

// ---------------------------------------------------------------- extension

void TfMain::bPrzedluzenieClick() {
    // The days.
    if (!fIloscDni || PokazModalnie(*fIloscDni) != QDialog::Accepted) return;
    const int n = fIloscDni->IloscDni();
    // The desk's days box shows them; a listed rental is not re-priced as a basket row.
    {
        const QSignalBlocker blokada(ui->eIleDni);
        ui->eIleDni->setText(QString::number(n));
    }
    // The extended rows.
    const auto zakres = WybierzWiersze();
    if (!zakres) return;
    QTableWidget* sg = ui->sgWypozyczenie;
    TDanePrzedluzenia dane;
    dane.Wiersze = WypozyczeniaNaLiscie;
    dane.Pierwszy = zakres->first;
    dane.Ostatni = zakres->second;
    dane.IloscDni = n;
    dane.Dzisiaj = Dzisiaj();
    dane.Razem = SumaPlatnosci;
    dane.Wplacono = WplaconoWczesniej;
    dane.Saldo = KwotaZEkranu(ui->eSaldo->text()).value_or(TKwota());
    dane.Abonament = ui->cbAbonament->isChecked();
    dane.LicznikAb = LicznikAbKlienta;
    dane.Ustawienia = UstawieniaProgramu();
    dane.RabatKlienta = RabatKlienta;
    // One start date prices every extended row: that of the first open rental.
    bool zapisano = false;
    int licznik = LicznikAbKlienta;
    if (const std::optional<QDate> poczatek = PoczatekPrzedluzenia(IdKlienta)) {
        dane.DataOD = *poczatek;
        // The new due date and charges on screen.
        const TPrzedPrzedluzeniem przed = PrzygotujPrzedluzenie(dane);
        for (int i = 0; i < static_cast<int>(przed.Naleznosci.size()); ++i)
            UstawKomorke(sg, i, 2, KwotaNaEkran(przed.Naleznosci[i]));
        // The payment; a surplus is handed back.
        const TWynikPrzedluzenia wynik =
            RozliczPrzedluzenie(dane, przed, PokazWplate(przed.Wplata));
        if (wynik.Nadplata) PokazKomunikatRozliczenia(*wynik.Nadplata);
        licznik = wynik.LicznikAb;
        zapisano = ZapiszPrzedluzenie(IdKlienta, dane, przed, wynik);
    }
    // The operator is told when it is stored; the client is loaded again either way.
    if (zapisano) {
        LicznikAbKlienta = licznik;
        Informacja(QStringLiteral("Przedłużenie zostało zapisane."));
    }
    WczytajKLIENTA();
    ZaznaczPole(ui->eKlientNr);  // ready for the next client
}
