#include <gtest/gtest.h>

#include "money/RozliczeniePrzedluzenia.h"
#include "support/Kwoty.h"

namespace {

const QDate Poniedzialek(2024, 4, 1);
const QDate Czwartek(2024, 4, 4);

// Rented on Monday for 2 days (7.50), paid in full, today Thursday (a day overdue).
TDanePrzedluzenia Przedluzenie(int dni) {
    TDanePrzedluzenia d;
    d.Wiersze = {{5, 7.50_zl, 2, 5.00_zl}};
    d.Pierwszy = d.Ostatni = 0;
    d.IloscDni = dni;
    d.DataOD = Poniedzialek;
    d.Dzisiaj = Czwartek;
    d.Wplacono = 7.50_zl;
    d.Ustawienia.KolejnaDoba = 50;
    return d;
}

}  // namespace

TEST(Przedluzenie, ODwaDniZaplataRoznicy) {
    const TDanePrzedluzenia d = Przedluzenie(2);
    const TPrzedPrzedluzeniem p = PrzygotujPrzedluzenie(d);
    EXPECT_EQ(p.DataDO, Czwartek.addDays(2));
    ASSERT_EQ(p.Naleznosci.size(), 1u);
    EXPECT_KWOTA(p.Naleznosci[0], 15.00_zl);
    ASSERT_TRUE(p.Wplata.Pokaz);
    EXPECT_EQ(p.Wplata.Etykieta, "Dopłacono:");
    EXPECT_KWOTA(p.Wplata.Kwota, 7.50_zl);

    TWynikPrzedluzenia w = RozliczPrzedluzenie(d, p, 7.50_zl);
    EXPECT_FALSE(w.Nadplata);
    EXPECT_KWOTA(w.Saldo, 0_zl);
    ASSERT_EQ(w.Wiersze.size(), 1u);
    EXPECT_TRUE(w.Wiersze[0].Przedluzony);
    EXPECT_KWOTA(w.Wiersze[0].Naleznosc, 15.00_zl);
    EXPECT_EQ(w.Wiersze[0].Platnosc, 0_zl);

    w = RozliczPrzedluzenie(d, p, 0_zl);  // "Nie wpłacono"
    EXPECT_KWOTA(w.Wiersze[0].Platnosc, 7.50_zl);
    EXPECT_KWOTA(w.Saldo, -7.50_zl);
}

TEST(Przedluzenie, OZeroDniDzisTerminem) {
    const TPrzedPrzedluzeniem p = PrzygotujPrzedluzenie(Przedluzenie(0));
    EXPECT_EQ(p.DataDO, Czwartek);
    EXPECT_KWOTA(p.Naleznosci[0], 10.00_zl);  // Monday to Thursday, no late charge
    EXPECT_KWOTA(p.Wplata.Kwota, 2.50_zl);
}

TEST(Przedluzenie, ZaplataWiekszaNizRoznica) {
    const TDanePrzedluzenia d = Przedluzenie(2);
    const TWynikPrzedluzenia w = RozliczPrzedluzenie(d, PrzygotujPrzedluzenie(d), 10.00_zl);
    ASSERT_TRUE(w.Nadplata);
    EXPECT_EQ(w.Nadplata->Tekst, QStringLiteral("Pobrano za wysoką kwotę.\nDo zwrotu 2,50zł"));
    EXPECT_EQ(w.Nadplata->Rodzaj, TRodzajKomunikatu::Uwaga);
    EXPECT_EQ(w.Wiersze[0].Platnosc, 0_zl);
    EXPECT_KWOTA(w.Saldo, 0_zl);
}

TEST(Przedluzenie, KrotszyTerminNizZaplaconyProponujeZero) {
    // Booked 4 days (12.50, paid); on Tuesday shortened to end today: 5.00.
    TDanePrzedluzenia d = Przedluzenie(0);
    d.Wiersze = {{5, 12.50_zl, 4, 5.00_zl}};
    d.Wplacono = 12.50_zl;
    d.Dzisiaj = Poniedzialek.addDays(1);
    const TPrzedPrzedluzeniem p = PrzygotujPrzedluzenie(d);
    EXPECT_KWOTA(p.Naleznosci[0], 5.00_zl);
    EXPECT_EQ(p.Wplata.Kwota, 0_zl);
    const TWynikPrzedluzenia w = RozliczPrzedluzenie(d, p, 0_zl);
    ASSERT_TRUE(w.Nadplata);
    EXPECT_KWOTA(w.Nadplata->Kwota, 7.50_zl);
    EXPECT_KWOTA(w.Saldo, 0_zl);
}

TEST(Przedluzenie, JedenZDwochZaznaczony) {
    // A paid, B unpaid (the balance carries B's 7.50); only A is extended.
    TDanePrzedluzenia d = Przedluzenie(2);
    d.Wiersze = {{5, 7.50_zl, 2, 5.00_zl}, {6, 7.50_zl, 2, 5.00_zl}};
    d.Razem = 7.50_zl;
    d.Saldo = -7.50_zl;
    const TPrzedPrzedluzeniem p = PrzygotujPrzedluzenie(d);
    EXPECT_KWOTA(p.Naleznosci[1], 7.50_zl);
    EXPECT_KWOTA(p.Naleznosc, 22.50_zl);
    EXPECT_KWOTA(p.Wplata.Kwota, 15.00_zl);
    const TWynikPrzedluzenia w = RozliczPrzedluzenie(d, p, 0_zl);
    EXPECT_KWOTA(w.Saldo, -15.00_zl);
    EXPECT_FALSE(w.Wiersze[1].Przedluzony);
    EXPECT_KWOTA(w.Wiersze[1].Naleznosc, 7.50_zl);
    // The 7.50 paid goes to the first row in list order.
    EXPECT_KWOTA(w.Wiersze[0].Platnosc, 7.50_zl);
    EXPECT_KWOTA(w.Wiersze[1].Platnosc, 7.50_zl);
}

TEST(Przedluzenie, AbonentBezOknaZLicznikiemKazdegoFilmu) {
    TDanePrzedluzenia d = Przedluzenie(2);
    d.Wiersze = {{5, 5.00_zl, 2, 5.00_zl}, {6, 5.00_zl, 2, 5.00_zl}};
    d.Ostatni = 1;
    d.Wplacono = 0_zl;
    d.Razem = 10.00_zl;
    d.Saldo = -10.00_zl;
    d.Abonament = true;
    d.LicznikAb = 4;
    d.Ustawienia.TypAb = 1;
    d.Ustawienia.AbGratis = 3;
    const TPrzedPrzedluzeniem p = PrzygotujPrzedluzenie(d);
    EXPECT_FALSE(p.Wplata.Pokaz);
    EXPECT_EQ(p.Naleznosci[0], 0_zl);  // counter 3: free
    EXPECT_KWOTA(p.Naleznosci[1], 15.00_zl);
    EXPECT_EQ(p.LicznikAb, 4);
    const TWynikPrzedluzenia w = RozliczPrzedluzenie(d, p, 99_zl);  // no dialog: ignored
    EXPECT_FALSE(w.Nadplata);
    EXPECT_KWOTA(w.Saldo, -15.00_zl);
    EXPECT_EQ(w.LicznikAb, 4);
    EXPECT_EQ(w.Wiersze[0].Platnosc, 0_zl);
    EXPECT_KWOTA(w.Wiersze[1].Platnosc, 15.00_zl);
}
