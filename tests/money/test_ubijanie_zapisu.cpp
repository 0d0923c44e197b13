// Each write function of the desk's money operations run in a child process killed at
// every statement boundary in turn: the store holds the state before the operation or the
// state after it, never a part. The overpaid variants write the most statements.
#include <gtest/gtest.h>

#include <iostream>

#include "SklepZapisu.h"
#include "money/Zapis.h"
#include "support/Ubijanie.h"

namespace {

class UbijanieZapisu : public SklepZapisu {
protected:
    UbijanieZapisu() : SklepZapisu(2) {}
    // The operation must be stored when it runs whole; a kill must leave before or after.
    void Sprawdz(const char* nazwa, const std::function<bool()>& zapis) {
        bool zapisane = false;
        const int ubite = SprawdzUbijanie(
            baza, [] {}, [&] { zapisane = zapis(); });
        EXPECT_TRUE(zapisane) << nazwa;
        EXPECT_TRUE(fake.komunikaty.empty()) << nazwa;
        EXPECT_GT(ubite, 4) << nazwa;
        std::cout << "[ kill points ] " << nazwa << ": " << ubite << std::endl;
    }
};

}  // namespace

TEST_F(UbijanieZapisu, Wypozyczenie) {
    Otwarte(1, "2024-03-05", "2024-03-07", 6.00, 6.00);  // re-rented: its row is updated
    const TDaneWypozyczenia d = Koszyk();
    const TPrzedWypozyczeniem przed = PrzygotujWypozyczenie(d);
    const TWynikWypozyczenia wynik = RozliczWypozyczenie(d, przed, 10.00_zl);
    ASSERT_TRUE(wynik.Nadplata);
    Sprawdz("rental commit", [&] { return ZapiszWypozyczenie(1, d, przed, wynik, "0001, 0002"); });
}

TEST_F(UbijanieZapisu, Zwrot) {
    Otwarte(1, "2024-03-01", "2024-03-03", 7.50, 7.50);
    Otwarte(2, "2024-03-01", "2024-03-08", 5.00, 5.00);
    baza.Wykonaj("update klient set Saldo = -12.5 where ID = 1");  // as the desk shows it
    // The reads belong to the operation: each run reads the store as restored.
    Sprawdz("return", [] {
        TDaneZwrotu dane;
        dane.Pierwszy = dane.Ostatni = 0;
        dane.Saldo = -12.50_zl;
        dane.Dzisiaj = Dzis;
        if (!WczytajDoZwrotu(1, {{1, 7.50_zl, 2, 5.00_zl}, {2, 5.00_zl, 7, 5.00_zl}}, dane))
            return false;
        const TPrzedZwrotem przed = PrzygotujZwrot(dane);
        const TWynikZwrotu wynik = RozliczZwrot(dane, przed, przed.Wplata.Kwota + TKwota(5.00));
        return ZapiszZwrot(1, dane, przed, wynik, "0001");
    });
}

TEST_F(UbijanieZapisu, Wycofanie) {
    Otwarte(1, "2024-03-05", "2024-03-07", 6.00, 0);
    Otwarte(2, "2024-03-05", "2024-03-06", 5.00, 5.00);
    const TWynikWycofania wynik = RozliczWycofanie(WycofaniePierwszego());
    ASSERT_TRUE(wynik.Nadplata);
    Sprawdz("undo", [&] { return ZapiszWycofanie(1, wynik, "0001"); });
}

TEST_F(UbijanieZapisu, Przedluzenie) {
    Otwarte(1, "2024-03-04", "2024-03-05", 5.00, 5.00);
    Otwarte(2, "2024-03-04", "2024-03-05", 5.00, 5.00);
    baza.Wykonaj("update klient set Saldo = -10 where ID = 1");  // as the desk shows it
    Sprawdz("extension", [] {
        TDanePrzedluzenia d;
        d.Wiersze = {{1, 5.00_zl, 1, 5.00_zl}, {2, 5.00_zl, 1, 5.00_zl}};
        d.Pierwszy = 0;
        d.Ostatni = 1;
        d.IloscDni = 2;
        d.Dzisiaj = Dzis;
        d.Razem = 10.00_zl;
        d.Saldo = -10.00_zl;
        const std::optional<QDate> poczatek = PoczatekPrzedluzenia(1);
        if (!poczatek) return false;
        d.DataOD = *poczatek;
        const TPrzedPrzedluzeniem przed = PrzygotujPrzedluzenie(d);
        return ZapiszPrzedluzenie(1, d, przed, RozliczPrzedluzenie(d, przed, 30.00_zl),
                                  "0001, 0002");
    });
}

TEST_F(UbijanieZapisu, Zaleglosci) {
    const std::vector<TZaleglosc> wiersze = DwieZaleglosci();
    const TOcenaWplatyZaleglosci ocena = OcenWplateZaleglosci(3.50_zl, 4.00_zl);
    ASSERT_TRUE(ocena.Nadplata);
    const TWynikZaleglosci wynik = RozliczZaleglosci({2.00_zl, 1.50_zl}, ocena.Wplata);
    Sprawdz("arrears payment", [&] { return ZapiszZaleglosci(1, wiersze, ocena, wynik); });
}
