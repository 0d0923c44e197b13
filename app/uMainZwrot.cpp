// The operations on the listed open rentals: the return, the undo and the extension.
//
// They work on the rentals as listed from the store (WypozyczeniaNaLiscie, SumaPlatnosci,
// WplaconoWczesniej), not on column 2 and the total row as the days box may have
// re-priced them, and on nothing added below the rentals. Each runs in one TTransakcja,
// opened before its payment dialog.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTableWidget>

#include "app/uIloscDni.h"
#include "app/uMain.h"
#include "app/uMainLista.h"
#include "app/uPotwierdzenieOperacji.h"
#include "money/uKasa.h"
#include "money/uRozliczeniePrzedluzenia.h"
#include "money/uRozliczenieWycofania.h"
#include "money/uRozliczenieZwrotu.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/Zegar.h"
#include "ui_uMain.h"

namespace {

// The client's balance and subscriber counter after the undo or the extension.
QString SaldoILicznikSQL(TKwota saldo, int licznikAb, const QString& klient) {
    return QStringLiteral("update klient set Saldo = ") + KwotaSQL(saldo) +
           QStringLiteral(", licznikAb = ") + QString::number(licznikAb) +
           QStringLiteral(" where id = ") + klient;
}

// A number in general format with a decimal point, as the return writes a returned
// rental's unpaid part ("2.5", "0").
QString LiczbaOgolnaSQL(TKwota kwota) {
    return LiczbaOgolna(kwota.Zlote()).replace(QLatin1Char(','), QLatin1Char('.'));
}

}  // namespace

// ---------------------------------------------------------------- till

void TfMain::ZapiszKaseOperacji(const QString& rodzaj, std::pair<int, int> wiersze,
                                const std::optional<TKomunikatRozliczenia>& zwrotPrzed,
                                TKwota pobrano,
                                const std::optional<TKomunikatRozliczenia>& zwrotPo) {
    QStringList filmy;
    for (int i = wiersze.first; i <= wiersze.second; ++i)
        filmy << Numer4(TekstKomorki(ui->sgWypozyczenie, i, 1).toLongLong());
    const QString opis = filmy.join(QStringLiteral(", "));
    if (zwrotPrzed) ZapiszRuchKasy(Query1, IdKlienta, rodzaj, -zwrotPrzed->Kwota, opis);
    ZapiszRuchKasy(Query1, IdKlienta, rodzaj, pobrano, opis);
    if (zwrotPo) ZapiszRuchKasy(Query1, IdKlienta, rodzaj, -zwrotPo->Kwota, opis);
}

// ---------------------------------------------------------------- return

void TfMain::bZwrotClick() {
    ZapiszZwrot();
}

void TfMain::ZapiszZwrot() {
    // The returned rows.
    const auto zakres = WybierzWiersze();
    if (!zakres) return;
    QTableWidget* sg = ui->sgWypozyczenie;
    const QString klient = QString::number(IdKlienta);
    const int k = static_cast<int>(WypozyczeniaNaLiscie.size());

    std::optional<TPotwierdzenie> potwierdzenie;
    // The reload runs after the guard has ended.
    const bool zapisano = [&] {
        TTransakcja transakcja;
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

        // What the balance was charged for all open rentals.
        OtworzSQL(Query1,
                  QStringLiteral("select sum( platnosc ) p, sum( naleznosc ) n from rental where "
                                 "id_klienta = ") +
                      klient + QStringLiteral(" and zwrocono = False"));
        if (Query1.Active() && !Query1.Eof())
            dane.SumaPlatnosci =
                TKwota::ZeZlotych(Query1.FieldByName(QStringLiteral("P")).AsFloat());
        Query1.Close();

        // The term of every listed rental.
        for (const TWierszListy& r : WypozyczeniaNaLiscie) {
            OtworzSQL(Query1,
                      QStringLiteral("select r.dataOD, r.dataDO, r.stawka from rental r where "
                                     "r.Id_filmu = ") +
                          QString::number(r.IdFilmu) + QStringLiteral(" and r.Id_klienta = ") +
                          klient + QStringLiteral(" and r.Zwrocono = False"));
            const bool jest = Query1.Active() && !Query1.Eof();
            TWierszZwrotu w;
            w.IdFilmu = r.IdFilmu;
            w.Naleznosc = r.Naleznosc;
            if (jest) {
                w.Stawka =
                    TKwota::ZeZlotych(Query1.FieldByName(QStringLiteral("STAWKA")).AsFloat());
                w.DataDO = Query1.FieldByName(QStringLiteral("DATADO")).AsDate();
                w.DataOD = Query1.FieldByName(QStringLiteral("DATAOD")).AsDate();
            }
            Query1.Close();
            // A rental no longer open (the list is out of date) or a failed query: nothing
            // is written; the list is loaded again.
            if (!jest) return false;
            dane.Wiersze.push_back(w);
        }

        // The new charges on screen: every listed row, the total and what was paid.
        const TPrzedZwrotem przed = PrzygotujZwrot(dane);
        for (int i = 0; i < k; ++i) UstawKomorke(sg, i, 2, KwotaNaEkran(przed.Naleznosci[i]));
        UstawKomorke(sg, sg->rowCount() - 1, 2, KwotaNaEkran(przed.Razem));  // the total row
        ui->eWplata->setText(KwotaNaEkran(przed.Wplacono));
        if (przed.Nadplata) PokazKomunikatRozliczenia(*przed.Nadplata);

        // The payment for the returned rows; a surplus is handed back.
        const TKwota wplata = PokazWplate(przed.Wplata);
        const TWynikZwrotu wynik = RozliczZwrot(dane, przed, wplata);
        if (wynik.Nadplata) PokazKomunikatRozliczenia(*wynik.Nadplata);
        ZapiszKaseOperacji(RodzajKasy::Zwrot, *zakres, przed.Nadplata, wplata, wynik.Nadplata);
        ui->eWplata->setText(KwotaNaEkran(wynik.Wplacono));

        // The client.
        UruchomSQL(Query1, QStringLiteral("update klient set Saldo = ") + KwotaSQL(wynik.Saldo) +
                               QStringLiteral(", Licznik = Licznik + ") +
                               QString::number(wynik.Zwrocone) + QStringLiteral(" where id = ") +
                               klient);
        // The returned rentals closed, their films on the shelf; the kept ones re-priced.
        for (const TWierszPoZwrocie& r : wynik.Wiersze) {
            const QString film = QString::number(r.IdFilmu);
            if (r.Zwrocony) {
                UruchomSQL(Query1,
                           QStringLiteral("update rental set zwrocono = True, dataZwrotu = ") +
                               DataSQL(dane.Dzisiaj) + QStringLiteral(", platnosc1 = ") +
                               LiczbaOgolnaSQL(r.Platnosc1) + QStringLiteral(", z_abonamentu = ") +
                               KwotaSQL(r.ZAbonamentu) + QStringLiteral(", naleznosc = ") +
                               KwotaSQL(r.Naleznosc) + QStringLiteral(" where id_filmu = ") + film +
                               QStringLiteral(" and id_klienta = ") + klient +
                               QStringLiteral(" and Zwrocono = False"));
                UruchomSQL(Query1,
                           QStringLiteral("update film set status = True, Ilosc_wypozyczen = "
                                          "Ilosc_wypozyczen + 1, wplywy = wplywy + ") +
                               KwotaSQL(r.Wplywy) + QStringLiteral(" where id = ") + film);
            } else {
                UruchomSQL(Query1, QStringLiteral("update rental set platnosc = ") +
                                       KwotaSQL(r.Platnosc) + QStringLiteral(", naleznosc = ") +
                                       KwotaSQL(r.Naleznosc) +
                                       QStringLiteral(" where id_filmu = ") + film +
                                       QStringLiteral(" and id_klienta = ") + klient +
                                       QStringLiteral(" and zwrocono = False"));
            }
        }

        if (!transakcja.Zatwierdz()) return false;
        potwierdzenie = PotwierdzenieZwrotu(dane, wynik);
        return true;
    }();
    // The operator is told when it is stored; the client is loaded again either way.
    if (zapisano) {
        ZapamietajPotwierdzenie(*potwierdzenie);
        Informacja(QStringLiteral("Zwrot został zapisany."));
    }
    WczytajKLIENTA();
    ZaznaczPole(ui->eKlientNr);  // ready for the next client
}

// ---------------------------------------------------------------- undo

void TfMain::bCofnijClick() {
    // The withdrawn rows.
    const auto zakres = WybierzWiersze();
    if (!zakres) return;
    QTableWidget* sg = ui->sgWypozyczenie;
    const QString klient = QString::number(IdKlienta);

    TDaneWycofania dane;
    dane.Wiersze = WypozyczeniaNaLiscie;
    dane.Pierwszy = zakres->first;
    dane.Ostatni = zakres->second;
    dane.Razem = SumaPlatnosci;
    dane.Wplacono = WplaconoWczesniej;
    dane.Saldo = KwotaZEkranu(ui->eSaldo->text()).value_or(TKwota());
    dane.LicznikAb = LicznikAbKlienta;
    const TWynikWycofania wynik = RozliczWycofanie(dane);

    bool zapisano = false;
    {
        TTransakcja transakcja;
        // The rentals deleted, their films on the shelf.
        for (int id : wynik.Wycofane) {
            const QString film = QString::number(id);
            UruchomSQL(Query1, QStringLiteral("delete from rental where id_filmu = ") + film +
                                   QStringLiteral(" and id_klienta = ") + klient +
                                   QStringLiteral(" and zwrocono = False"));
            UruchomSQL(Query1, QStringLiteral("update film set Status = True where id = ") + film);
        }
        // What stays paid; a surplus is handed back.
        if (wynik.Nadplata) PokazKomunikatRozliczenia(*wynik.Nadplata);
        ZapiszKaseOperacji(RodzajKasy::Wycofanie, *zakres, std::nullopt, TKwota(), wynik.Nadplata);
        ui->eWplata->setText(KwotaNaEkran(wynik.Wplacono));
        UstawKomorke(sg, sg->rowCount() - 1, 2, KwotaNaEkran(wynik.Razem));  // the total row
        // The client.
        UruchomSQL(Query1, SaldoILicznikSQL(wynik.Saldo, wynik.LicznikAb, klient));
        // The money spread again over the remaining rentals.
        for (const TWierszPoWycofaniu& r : wynik.Pozostale)
            UruchomSQL(Query1, PlatnoscSQL(r.IdFilmu, klient, r.Platnosc));

        zapisano = transakcja.Zatwierdz();
    }
    // The operator is told when it is stored; the client is loaded again either way.
    if (zapisano) {
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
    const QString klient = QString::number(IdKlienta);

    int licznik = LicznikAbKlienta;
    std::optional<TPotwierdzenie> potwierdzenie;
    // The reload runs after the guard has ended.
    const bool zapisano = [&] {
        TTransakcja transakcja;
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
        OtworzSQL(Query1, QStringLiteral("select dataOD from rental where Id_klienta = ") + klient +
                              QStringLiteral(" and zwrocono = False"));
        const bool jest = Query1.Active() && !Query1.Eof();
        if (jest) dane.DataOD = Query1.FieldByName(QStringLiteral("DATAOD")).AsDate();
        Query1.Close();
        if (!jest) return false;

        // The new due date and charges.
        const TPrzedPrzedluzeniem przed = PrzygotujPrzedluzenie(dane);
        for (int i = 0; i < static_cast<int>(dane.Wiersze.size()); ++i) {
            UstawKomorke(sg, i, 2, KwotaNaEkran(przed.Naleznosci[i]));
            if (i < dane.Pierwszy || i > dane.Ostatni) continue;
            UruchomSQL(Query1, QStringLiteral("update rental set dataDO = ") +
                                   DataSQL(przed.DataDO) + QStringLiteral(", naleznosc = ") +
                                   KwotaSQL(przed.Naleznosci[i]) +
                                   QStringLiteral(" where id_klienta = ") + klient +
                                   QStringLiteral(" and id_filmu = ") +
                                   QString::number(dane.Wiersze[i].IdFilmu) +
                                   QStringLiteral(" and zwrocono = False"));
        }

        // The payment; a surplus is handed back.
        const TKwota wplata = PokazWplate(przed.Wplata);
        const TWynikPrzedluzenia wynik = RozliczPrzedluzenie(dane, przed, wplata);
        if (wynik.Nadplata) PokazKomunikatRozliczenia(*wynik.Nadplata);
        ZapiszKaseOperacji(RodzajKasy::Przedluzenie, *zakres, std::nullopt, wplata, wynik.Nadplata);

        // The client.
        UruchomSQL(Query1, SaldoILicznikSQL(wynik.Saldo, wynik.LicznikAb, klient));
        // What was paid, spread over every listed rental.
        for (const TWierszPoPrzedluzeniu& r : wynik.Wiersze)
            UruchomSQL(Query1, PlatnoscSQL(r.IdFilmu, klient, r.Platnosc));

        licznik = wynik.LicznikAb;
        if (!transakcja.Zatwierdz()) return false;
        potwierdzenie = PotwierdzeniePrzedluzenia(dane, przed, wynik, wplata);
        return true;
    }();
    // The operator is told when it is stored; the client is loaded again either way.
    if (zapisano) {
        LicznikAbKlienta = licznik;
        ZapamietajPotwierdzenie(*potwierdzenie);
        Informacja(QStringLiteral("Przedłużenie zostało zapisane."));
    }
    WczytajKLIENTA();
    ZaznaczPole(ui->eKlientNr);  // ready for the next client
}
