// Each write function of the desk's money operations run in a child process killed at
// every statement boundary in turn: the store holds the state before the operation or the
// state after it, never a part. The overpaid variants write the most statements.
#include <gtest/gtest.h>

#include <iostream>

#include "money/Zapis.h"
#include "support/FakeInterakcja.h"
#include "support/TestowaBaza.h"
#include "support/Ubijanie.h"

namespace {

const QDate Dzis(2024, 3, 5);

class UbijanieZapisu : public ::testing::Test {
protected:
    void SetUp() override {
        baza.Wykonaj(
            "insert into klient (ID, Numer_klienta, Imie, Nazwisko, Saldo, Licznik, LicznikAb, "
            "Abonament) values (1, 7, 'Jan', 'Kowalski', 4, 0, 2, 0)");
        for (int id : {1, 2, 3})
            baza.Wykonaj(QStringLiteral("insert into film (ID, Numer_filmu, Tytul_oryginalny, "
                                        "Status, Wplywy, Ilosc_wypozyczen, Stawka) values (%1, %1, "
                                        "'Film %1', 1, 0, 0, 5)")
                             .arg(id));
    }
    void Otwarte(int id, const char* od, const char* do_, double naleznosc, double platnosc) {
        baza.Wykonaj(QStringLiteral("insert into rental (id_filmu, id_klienta, dataOD, dataDO, "
                                    "zwrocono, platnosc, platnosc1, z_abonamentu, naleznosc, "
                                    "stawka) values (%1, 1, '%2', '%3', 0, %4, 0, 0, %5, 5)")
                         .arg(id)
                         .arg(QLatin1String(od), QLatin1String(do_))
                         .arg(platnosc)
                         .arg(naleznosc));
        baza.Wykonaj(QStringLiteral("update film set Status = 0 where ID = %1").arg(id));
    }
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

    TestowaBaza baza;
    FakeInterakcja fake;
};

}  // namespace

TEST_F(UbijanieZapisu, Wypozyczenie) {
    Otwarte(1, "2024-03-05", "2024-03-07", 6.00, 6.00);  // re-rented: its row is updated
    TDaneWypozyczenia d;
    d.Wiersze = {{1, 6.00, 2, 3.00}, {2, 5.00, 1, 5.00}};
    d.Razem = 11.00;
    d.Saldo = 4.00;
    d.Dzien = Dzis;
    d.LicznikAb = 2;
    const TPrzedWypozyczeniem przed = PrzygotujWypozyczenie(d);
    const TWynikWypozyczenia wynik = RozliczWypozyczenie(d, przed, 10.00);
    ASSERT_TRUE(wynik.Nadplata);
    Sprawdz("rental commit", [&] { return ZapiszWypozyczenie(1, d, przed, wynik, "0001, 0002"); });
}

TEST_F(UbijanieZapisu, Zwrot) {
    Otwarte(1, "2024-03-01", "2024-03-03", 7.50, 7.50);
    Otwarte(2, "2024-03-01", "2024-03-08", 5.00, 5.00);
    // The reads belong to the operation: each run reads the store as restored.
    Sprawdz("return", [] {
        TDaneZwrotu dane;
        dane.Pierwszy = dane.Ostatni = 0;
        dane.Saldo = -12.50;
        dane.Dzisiaj = Dzis;
        if (!WczytajDoZwrotu(1, {{1, 7.50, 2, 5.00}, {2, 5.00, 7, 5.00}}, dane)) return false;
        const TPrzedZwrotem przed = PrzygotujZwrot(dane);
        const TWynikZwrotu wynik = RozliczZwrot(dane, przed, przed.Wplata.Kwota + TKwota(5.00));
        return ZapiszZwrot(1, dane, przed, wynik, "0001");
    });
}

TEST_F(UbijanieZapisu, Wycofanie) {
    Otwarte(1, "2024-03-05", "2024-03-07", 6.00, 0);
    Otwarte(2, "2024-03-05", "2024-03-06", 5.00, 5.00);
    TDaneWycofania d;
    d.Wiersze = {{1, 6.00, 2, 3.00}, {2, 5.00, 1, 5.00}};
    d.Pierwszy = d.Ostatni = 0;
    d.Razem = 5.00;
    d.Wplacono = 6.00;
    d.Saldo = -1.00;
    d.LicznikAb = 2;
    const TWynikWycofania wynik = RozliczWycofanie(d);
    ASSERT_TRUE(wynik.Nadplata);
    Sprawdz("undo", [&] { return ZapiszWycofanie(1, wynik, "0001"); });
}

TEST_F(UbijanieZapisu, Przedluzenie) {
    Otwarte(1, "2024-03-04", "2024-03-05", 5.00, 5.00);
    Otwarte(2, "2024-03-04", "2024-03-05", 5.00, 5.00);
    Sprawdz("extension", [] {
        TDanePrzedluzenia d;
        d.Wiersze = {{1, 5.00, 1, 5.00}, {2, 5.00, 1, 5.00}};
        d.Pierwszy = 0;
        d.Ostatni = 1;
        d.IloscDni = 2;
        d.Dzisiaj = Dzis;
        d.Razem = 10.00;
        d.Saldo = -10.00;
        const std::optional<QDate> poczatek = PoczatekPrzedluzenia(1);
        if (!poczatek) return false;
        d.DataOD = *poczatek;
        const TPrzedPrzedluzeniem przed = PrzygotujPrzedluzenie(d);
        return ZapiszPrzedluzenie(1, d, przed, RozliczPrzedluzenie(d, przed, 30.00), "0001, 0002");
    });
}

TEST_F(UbijanieZapisu, Zaleglosci) {
    baza.Wykonaj(
        "insert into rental (id_filmu, id_klienta, dataOD, dataDO, zwrocono, platnosc, "
        "platnosc1, dataZwrotu) values (3, 1, '2023-12-01', '2023-12-02', 1, 0, 2, null), "
        "(3, 1, '2023-12-01', '2023-12-02', 1, 0, 1.5, '2023-12-20')");
    const std::vector<TZaleglosc> wiersze = {{3, QDate(2023, 12, 1), QDate(), 2.00},
                                             {3, QDate(2023, 12, 1), QDate(2023, 12, 20), 1.50}};
    const TOcenaWplatyZaleglosci ocena = OcenWplateZaleglosci(3.50, 4.00);
    ASSERT_TRUE(ocena.Nadplata);
    const TWynikZaleglosci wynik = RozliczZaleglosci({2.00, 1.50}, ocena.Wplata);
    Sprawdz("arrears payment", [&] { return ZapiszZaleglosci(1, wiersze, ocena, wynik); });
}
