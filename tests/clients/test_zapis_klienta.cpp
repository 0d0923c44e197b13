// The client's write function, on a store without the dialog.
#include <gtest/gtest.h>

#include "clients/ZapisKlienta.h"
#include "support/FakeInterakcja.h"
#include "support/TestowaBaza.h"

TEST(ZapisKlienta, NowyIPoprawiony) {
    TestowaBaza baza;
    FakeInterakcja fake;
    TDaneKlienta k;
    k.Numer = 12;
    k.Imie = "Sean";
    k.Nazwisko = "O'Brien";
    k.OstatnieWypozyczenie = QDate(2024, 3, 1);
    k.Saldo = -2.5;
    k.Abonament = true;
    k.AbonamentDO = QDate(2024, 3, 31);
    k.Rabat = 5;
    ASSERT_TRUE(ZapiszKlienta(0, k));
    const int id = baza.Ile("select ID from klient where Numer_klienta = 12");
    ASSERT_GT(id, 0);
    EXPECT_EQ(baza.Wartosc("select Nazwisko from klient").toString(), "O'Brien");
    EXPECT_DOUBLE_EQ(baza.Wartosc("select Saldo from klient").toDouble(), -2.5);
    EXPECT_EQ(baza.Ile("select Aktualny from klient"), 1);
    EXPECT_TRUE(baza.Wartosc("select Abonament_OD from klient").isNull());
    EXPECT_EQ(baza.Wartosc("select Abonament_DO from klient").toString(), "2024-03-31");

    k.Numer = 13;
    k.Abonament = false;
    k.AbonamentDO = QDate();
    ASSERT_TRUE(ZapiszKlienta(id, k));
    EXPECT_EQ(baza.Ile("select count(*) from klient"), 1);
    EXPECT_EQ(baza.Ile("select Numer_klienta from klient"), 13);
    EXPECT_TRUE(baza.Wartosc("select Abonament_DO from klient").isNull());
    EXPECT_TRUE(fake.komunikaty.empty());

    baza.Wykonaj(
        "create trigger blokada before update on klient begin select raise(abort, "
        "'zablokowane'); end");
    k.Numer = 14;
    EXPECT_FALSE(ZapiszKlienta(id, k));
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_EQ(baza.Ile("select Numer_klienta from klient"), 13);
}
