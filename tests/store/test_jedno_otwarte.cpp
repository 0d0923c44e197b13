// One open rental a copy, kept by the store itself; an older store that already holds a
// copy out twice gets the index once the shop has settled them.
#include <gtest/gtest.h>

#include "store/Baza.h"
#include "store/TQuery.h"
#include "store/Tlumacz.h"
#include "store/uStruktura.h"
#include "support/FakeInterakcja.h"
#include "support/TestowaBaza.h"

namespace {

class JednoOtwarte : public ::testing::Test {
protected:
    static bool MaIndeks() { return TBaza::Aktywna()->MaIndeks("rental_otwarty_film"); }
    // A rental of film 1 to the client, open or returned; false when the store refuses it.
    static bool Wypozyczenie(int klient, bool zwrocono) {
        QStringList parametry;
        const QString sql =
            QStringLiteral(
                "insert into rental (id_filmu, id_klienta, dataOD, zwrocono) values "
                "(1, %1, '2024-03-05', %2)")
                .arg(klient)
                .arg(zwrocono ? "True" : "False");
        return TBaza::Aktywna()->WykonajBezWyjatku(TestowaBaza::NaSerwerze()
                                                       ? PrzetlumaczSQLSerwera(sql, parametry)
                                                       : PrzetlumaczSQL(sql));
    }
    void Aktualizuj() {
        TQuery q;
        AktualizujStrukture(q);
    }

    TestowaBaza baza;
    FakeInterakcja fake;
};

}  // namespace

TEST_F(JednoOtwarte, DrugieOtwarteWypozyczenieKopiiOdrzucone) {
    EXPECT_TRUE(MaIndeks());
    EXPECT_TRUE(Wypozyczenie(1, false));
    EXPECT_TRUE(Wypozyczenie(1, true));
    EXPECT_TRUE(Wypozyczenie(2, true));
    EXPECT_FALSE(Wypozyczenie(2, false));
    EXPECT_EQ(baza.Ile("select count(*) from rental where zwrocono = False"), 1);
}

TEST_F(JednoOtwarte, IndeksCzekaNaRozliczenieKopiiWypozyczonejDwa) {
    // A store of version 4 with film 1 out to two clients.
    baza.Wykonaj("drop index rental_otwarty_film");
    TBaza::Aktywna()->ZapiszWersje(4);
    ASSERT_TRUE(Wypozyczenie(1, false));
    ASSERT_TRUE(Wypozyczenie(2, false));
    Aktualizuj();
    EXPECT_EQ(WersjaBazy(), WersjaSchematu()) << "the step does not stop the upgrade";
    EXPECT_FALSE(MaIndeks());
    EXPECT_TRUE(fake.komunikaty.empty());
    // Still twice at the next start; then settled by the shop.
    baza.PolaczPonownie();
    Aktualizuj();
    EXPECT_FALSE(MaIndeks());
    baza.Wykonaj("update rental set zwrocono = True where id_klienta = 2");
    baza.PolaczPonownie();
    Aktualizuj();
    EXPECT_TRUE(MaIndeks());
    EXPECT_TRUE(fake.komunikaty.empty());
    EXPECT_FALSE(Wypozyczenie(2, false));
}
