// The film's write function, on a store without the dialog.
#include <gtest/gtest.h>

#include "films/ZapisFilmu.h"
#include "store/TQuery.h"
#include "support/Rekordy.h"

using ZapisFilmu = TBazaTestu;

TEST_F(ZapisFilmu, NowyIPoprawiony) {
    TDaneFilmu f;
    f.Numer = 3;
    f.TytulOrg = "Schindler's List";
    f.Role[4] = "Ben Kingsley";
    f.Stawka = 6.50_zl;
    f.Cena = 49.99_zl;
    ASSERT_TRUE(ZapiszFilm(0, f));
    const int id = baza.Ile("select ID from film where Numer_filmu = 3");
    ASSERT_GT(id, 0);
    EXPECT_EQ(baza.Wartosc("select Tytul_oryginalny from film").toString(), "Schindler's List");
    EXPECT_EQ(baza.Wartosc("select Rola_glowna_5 from film").toString(), "Ben Kingsley");
    EXPECT_DOUBLE_EQ(baza.Wartosc("select Cena_zakupu from film").toDouble(), 49.99);
    EXPECT_EQ(baza.Ile("select Status from film"), 1);
    EXPECT_EQ(baza.Ile("select Aktualny from film"), 1);

    f.TytulPol = "Lista Schindlera";
    f.Wplywy = 13_zl;
    f.IloscWypozyczen = 2;
    ASSERT_TRUE(ZapiszFilm(id, f));
    EXPECT_EQ(baza.Ile("select count(*) from film"), 1);
    EXPECT_EQ(baza.Wartosc("select Tytul_polski from film").toString(), "Lista Schindlera");
    EXPECT_DOUBLE_EQ(baza.Wartosc("select Wplywy from film").toDouble(), 13);
    EXPECT_EQ(baza.Ile("select Ilosc_wypozyczen from film"), 2);
    EXPECT_TRUE(fake.komunikaty.empty());

    // A failed insert is reported and stores nothing.
    baza.Zablokuj("insert", "film", "zablokowane");
    f.Numer = 4;
    EXPECT_FALSE(ZapiszFilm(0, f));
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_EQ(baza.Ile("select count(*) from film"), 1);
}

TEST_F(ZapisFilmu, StatusIWycofanieDotyczaTylkoTegoFilmu) {
    baza.Wykonaj(
        "insert into film (ID, Numer_filmu, Status, Aktualny) values (1, 1, True, True), (2, 2, "
        "True, True)");
    TQuery q;
    UstawStatusFilmu(q, 1, false);
    EXPECT_EQ(baza.Ile("select Status from film where ID = 1"), 0);
    UstawStatusFilmu(q, 1, true);
    EXPECT_EQ(baza.Ile("select Status from film where ID = 1"), 1);
    WycofajFilmZBazy(q, 2);
    EXPECT_EQ(baza.Ile("select Aktualny from film where ID = 2"), 0);
    EXPECT_EQ(baza.Ile("select count(*) from film where Aktualny = True and Status = True"), 1);
    EXPECT_TRUE(fake.komunikaty.empty());
}
