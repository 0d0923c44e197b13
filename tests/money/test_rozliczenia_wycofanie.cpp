#include <gtest/gtest.h>

#include "money/RozliczenieWycofania.h"
#include "support/Kwoty.h"

namespace {

// A charged 12.00 of which 5.00 unpaid, B charged 8.00 and paid; the balance carries
// the 5.00 debit. Unpaid: nothing was paid and the balance carries all 20.00.
TDaneWycofania DwaWypozyczenia(int pierwszy, int ostatni, bool zaplacone = true) {
    TDaneWycofania d;
    d.Wiersze = {{1, 12.00, 3, 4.00}, {2, 8.00, 2, 4.00}};
    d.Pierwszy = pierwszy;
    d.Ostatni = ostatni;
    d.Razem = zaplacone ? 5.00 : 20.00;
    d.Wplacono = zaplacone ? 15.00 : 0;
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
    EXPECT_KWOTA(w.Wplacono, 12.00);
    EXPECT_EQ(w.Razem, 0);
    EXPECT_KWOTA(w.Saldo, 0);  // the 5.00 debit for A is taken back
    EXPECT_EQ(w.LicznikAb, 3);
    ASSERT_EQ(w.Pozostale.size(), 1u);
    EXPECT_EQ(w.Pozostale[0].IdFilmu, 1);
    EXPECT_EQ(w.Pozostale[0].Platnosc, 0);
}

TEST(Wycofanie, WycofanieA) {
    const TWynikWycofania w = RozliczWycofanie(DwaWypozyczenia(0, 0));
    EXPECT_EQ(w.Wycofane, std::vector<int>{1});
    ASSERT_TRUE(w.Nadplata);
    EXPECT_KWOTA(w.Nadplata->Kwota, 7.00);
    EXPECT_KWOTA(w.Saldo, 0);
    ASSERT_EQ(w.Pozostale.size(), 1u);
    EXPECT_EQ(w.Pozostale[0].IdFilmu, 2);
    EXPECT_EQ(w.Pozostale[0].Platnosc, 0);
}

TEST(Wycofanie, NicNieZaplaconoWycofanieA) {
    const TWynikWycofania w = RozliczWycofanie(DwaWypozyczenia(0, 0, false));
    EXPECT_FALSE(w.Nadplata);
    EXPECT_KWOTA(w.Razem, 8.00);
    EXPECT_KWOTA(w.Saldo, -8.00);  // rises by 12.00
    EXPECT_KWOTA(w.Pozostale[0].Platnosc, 8.00);
}

TEST(Wycofanie, CalaLista) {
    TWynikWycofania w = RozliczWycofanie(DwaWypozyczenia(0, 1));
    EXPECT_EQ(w.Wycofane, (std::vector<int>{1, 2}));
    EXPECT_TRUE(w.Pozostale.empty());
    ASSERT_TRUE(w.Nadplata);
    EXPECT_KWOTA(w.Nadplata->Kwota, 15.00);  // all that was paid goes back
    EXPECT_KWOTA(w.Saldo, 0);
    EXPECT_EQ(w.LicznikAb, 2);

    w = RozliczWycofanie(DwaWypozyczenia(0, 1, false));
    EXPECT_FALSE(w.Nadplata);
    EXPECT_KWOTA(w.Saldo, 0);
}

TEST(Wycofanie, PieniadzeRozkladaneNaWierszePrzedIPoWycofanych) {
    // Three at 5.00; 10.00 paid (the third unpaid). The middle one is withdrawn: its
    // money now pays the third.
    TDaneWycofania d;
    d.Wiersze = {{1, 5.00, 1, 5.00}, {2, 5.00, 1, 5.00}, {3, 5.00, 1, 5.00}};
    d.Pierwszy = d.Ostatni = 1;
    d.Razem = 5.00;
    d.Wplacono = 10.00;
    d.Saldo = -5.00;
    const TWynikWycofania w = RozliczWycofanie(d);
    EXPECT_FALSE(w.Nadplata);
    EXPECT_EQ(w.Razem, 0);
    EXPECT_KWOTA(w.Saldo, 0);
    ASSERT_EQ(w.Pozostale.size(), 2u);
    EXPECT_EQ(w.Pozostale[0].IdFilmu, 1);
    EXPECT_EQ(w.Pozostale[1].IdFilmu, 3);
    EXPECT_EQ(w.Pozostale[1].Platnosc, 0);

    d.Wplacono = 5.00;  // only the first was paid: the third stays owed
    d.Razem = 10.00;
    d.Saldo = -10.00;
    const TWynikWycofania w2 = RozliczWycofanie(d);
    EXPECT_KWOTA(w2.Pozostale[1].Platnosc, 5.00);
    EXPECT_KWOTA(w2.Saldo, -5.00);
}
