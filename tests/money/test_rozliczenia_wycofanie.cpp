#include <gtest/gtest.h>

#include "money/RozliczenieWycofania.h"
#include "support/Kwoty.h"

namespace {

// A charged 12.00 of which 5.00 unpaid, B charged 8.00 and paid; the balance carries
// the 5.00 debit. Unpaid: nothing was paid and the balance carries all 20.00.
TDaneWycofania DwaWypozyczenia(int pierwszy, int ostatni, bool zaplacone = true) {
    TDaneWycofania d;
    d.Wiersze = {{1, 12.00_zl, 3, 4.00_zl}, {2, 8.00_zl, 2, 4.00_zl}};
    d.Pierwszy = pierwszy;
    d.Ostatni = ostatni;
    d.Razem = zaplacone ? 5.00_zl : 20.00_zl;
    d.Wplacono = zaplacone ? 15.00_zl : 0_zl;
    d.Saldo = -d.Razem;
    d.LicznikAb = 4;
    return d;
}

}  // namespace

TEST(Wycofanie, WycofanieBZwrotemNadwyzki) {
    const TWynikWycofania w = RozliczWycofanie(DwaWypozyczenia(1, 1));
    EXPECT_EQ(w.Wycofane, std::vector<int>{2});
    ASSERT_TRUE(w.Nadplata);
    EXPECT_EQ(w.Nadplata->Tekst, QStringLiteral("Pobrano za wysoką kwotę.\nDo zwrotu 3,00"));
    EXPECT_EQ(w.Nadplata->Rodzaj, TRodzajKomunikatu::Uwaga);
    EXPECT_KWOTA(w.Wplacono, 12.00_zl);
    EXPECT_EQ(w.Razem, 0_zl);
    EXPECT_KWOTA(w.Saldo, 0_zl);  // the 5.00 debit for A is taken back
    EXPECT_EQ(w.LicznikAb, 3);
    ASSERT_EQ(w.Pozostale.size(), 1u);
    EXPECT_EQ(w.Pozostale[0].IdFilmu, 1);
    EXPECT_EQ(w.Pozostale[0].Platnosc, 0_zl);
}

TEST(Wycofanie, WycofanieA) {
    const TWynikWycofania w = RozliczWycofanie(DwaWypozyczenia(0, 0));
    EXPECT_EQ(w.Wycofane, std::vector<int>{1});
    ASSERT_TRUE(w.Nadplata);
    EXPECT_KWOTA(w.Nadplata->Kwota, 7.00_zl);
    EXPECT_KWOTA(w.Saldo, 0_zl);
    ASSERT_EQ(w.Pozostale.size(), 1u);
    EXPECT_EQ(w.Pozostale[0].IdFilmu, 2);
    EXPECT_EQ(w.Pozostale[0].Platnosc, 0_zl);
}

TEST(Wycofanie, NicNieZaplaconoWycofanieA) {
    const TWynikWycofania w = RozliczWycofanie(DwaWypozyczenia(0, 0, false));
    EXPECT_FALSE(w.Nadplata);
    EXPECT_KWOTA(w.Razem, 8.00_zl);
    EXPECT_KWOTA(w.Saldo, -8.00_zl);  // rises by 12.00
    EXPECT_KWOTA(w.Pozostale[0].Platnosc, 8.00_zl);
}

TEST(Wycofanie, CalaLista) {
    TWynikWycofania w = RozliczWycofanie(DwaWypozyczenia(0, 1));
    EXPECT_EQ(w.Wycofane, (std::vector<int>{1, 2}));
    EXPECT_TRUE(w.Pozostale.empty());
    ASSERT_TRUE(w.Nadplata);
    EXPECT_KWOTA(w.Nadplata->Kwota, 15.00_zl);  // all that was paid goes back
    EXPECT_KWOTA(w.Saldo, 0_zl);
    EXPECT_EQ(w.LicznikAb, 2);

    w = RozliczWycofanie(DwaWypozyczenia(0, 1, false));
    EXPECT_FALSE(w.Nadplata);
    EXPECT_KWOTA(w.Saldo, 0_zl);
}

TEST(Wycofanie, PieniadzeRozkladaneNaWierszePrzedIPoWycofanych) {
    // Three at 5.00; 10.00 paid (the third unpaid). The middle one is withdrawn: its
    // money now pays the third.
    TDaneWycofania d;
    d.Wiersze = {{1, 5.00_zl, 1, 5.00_zl}, {2, 5.00_zl, 1, 5.00_zl}, {3, 5.00_zl, 1, 5.00_zl}};
    d.Pierwszy = d.Ostatni = 1;
    d.Razem = 5.00_zl;
    d.Wplacono = 10.00_zl;
    d.Saldo = -5.00_zl;
    const TWynikWycofania w = RozliczWycofanie(d);
    EXPECT_FALSE(w.Nadplata);
    EXPECT_EQ(w.Razem, 0_zl);
    EXPECT_KWOTA(w.Saldo, 0_zl);
    ASSERT_EQ(w.Pozostale.size(), 2u);
    EXPECT_EQ(w.Pozostale[0].IdFilmu, 1);
    EXPECT_EQ(w.Pozostale[1].IdFilmu, 3);
    EXPECT_EQ(w.Pozostale[1].Platnosc, 0_zl);

    d.Wplacono = 5.00_zl;  // only the first was paid: the third stays owed
    d.Razem = 10.00_zl;
    d.Saldo = -10.00_zl;
    const TWynikWycofania w2 = RozliczWycofanie(d);
    EXPECT_KWOTA(w2.Pozostale[1].Platnosc, 5.00_zl);
    EXPECT_KWOTA(w2.Saldo, -5.00_zl);
}
