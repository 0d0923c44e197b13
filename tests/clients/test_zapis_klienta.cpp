// The client's write function, on a store without the dialog.
#include <gtest/gtest.h>

#include "clients/ZapisKlienta.h"
#include "money/Kasa.h"
#include "store/TQuery.h"
#include "support/Rekordy.h"

using ZapisKlienta = TBazaTestu;

TEST_F(ZapisKlienta, NowyIPoprawiony) {
    TDaneKlienta k;
    k.Numer = 12;
    k.Imie = "Sean";
    k.Nazwisko = "O'Brien";
    k.OstatnieWypozyczenie = QDate(2024, 3, 1);
    k.Saldo = -2.50_zl;
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

    baza.Zablokuj("update", "klient", "zablokowane");
    k.Numer = 14;
    EXPECT_FALSE(ZapiszKlienta(id, k));
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_EQ(baza.Ile("select Numer_klienta from klient"), 13);
}

TEST_F(ZapisKlienta, WplatyIdaDoKasyNowegoKlienta) {
    baza.Wykonaj("insert into klient (ID, Numer_klienta, Nazwisko) values (4, 4, 'Nowak')");
    // Another counter's client with a higher key than the one this insert gets on a server.
    baza.DrugiePolaczenie(
        "insert into klient (ID, Numer_klienta, Nazwisko) values (1000, 9, 'Kos')");
    TDaneKlienta k;
    k.Numer = 5;
    k.Saldo = 42.50_zl;
    ASSERT_TRUE(ZapiszKlienta(
        0, k, {{RodzajKasy::Abonament, TKwota(30.00)}, {RodzajKasy::Wplata, TKwota(12.50)}}));
    const int id = baza.Ile("select ID from klient where Numer_klienta = 5");
    ASSERT_GT(id, 4);
    EXPECT_EQ(baza.Ile(QStringLiteral("select count(*) from kasa where id_klienta = %1 and "
                                      "Rodzaj = 'Abonament' and Kwota = 30 and Opis = '%2'")
                           .arg(id)
                           .arg(OpisAbonamentu)),
              1);
    EXPECT_EQ(baza.Ile(QStringLiteral("select count(*) from kasa where id_klienta = %1 and "
                                      "Rodzaj = 'Wpłata' and Kwota = 12.5 and Opis = '%2'")
                           .arg(id)
                           .arg(OpisWplaty)),
              1);
    EXPECT_EQ(baza.Ile("select count(*) from kasa"), 2);

    // A save that fails books nothing.
    baza.Zablokuj("update", "klient", "zablokowane");
    EXPECT_FALSE(ZapiszKlienta(id, k, {{RodzajKasy::Wplata, TKwota(5.00)}}));
    EXPECT_EQ(baza.Ile("select count(*) from kasa"), 2);
}

TEST_F(ZapisKlienta, ArchiwumIPowrot) {
    baza.Wykonaj(
        "insert into klient (ID, Numer_klienta, Aktualny) values (1, 1, True), (2, 2, True)");
    TQuery q;
    ArchiwizujKlienta(q, 2);
    EXPECT_EQ(baza.Ile("select count(*) from klient where Aktualny = True"), 1);
    EXPECT_EQ(baza.Ile("select Aktualny from klient where ID = 2"), 0);
    PrzywrocKlienta(q, 2);
    EXPECT_EQ(baza.Ile("select count(*) from klient where Aktualny = True"), 2);
}
