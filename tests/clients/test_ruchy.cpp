#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QTableWidget>

#include "clients/RuchyKlienta.h"
#include "clients/uKlient.h"
#include "reports/Pomocnicze.h"
#include "settings/uConfig.h"
#include "support/FakeInterakcja.h"
#include "support/OknoGlobalne.h"
#include "support/TestowaBaza.h"

namespace {

class RuchyKlienta : public ::testing::Test {
protected:
    void SetUp() override {
        baza.Wykonaj(
            "insert into klient (ID, Numer_klienta, Imie, Nazwisko, Aktualny, Saldo) values "
            "(1, 3, 'Anna', 'Nowak', True, 0), (2, 8, 'Jan', 'Kos', True, 0)");
        baza.Wykonaj(
            "insert into kasa (Data, Czas, id_klienta, Rodzaj, Kwota, Opis) values "
            "('2024-03-04', '18:00:00', 1, 'Abonament', 50, 'abonament'),"
            "('2024-03-05', '09:15:00', 1, 'Wypożyczenie', 10, '0001'),"
            "('2024-03-05', '09:15:00', 1, 'Wypożyczenie', -0.1, 'zwrot nadpłaty'),"
            "('2024-03-05', '10:00:00', 2, 'Wpłata', 20, 'wpłata na konto')");
    }
    QTableWidget* Siatka() { return okno.findChild<QTableWidget*>("sgRuchy"); }

    TestowaBaza baza;
    FakeInterakcja fake;
    TOknoGlobalne<TfConfig> config{fConfig};
    TfKlient okno;
};

}  // namespace

TEST_F(RuchyKlienta, WlasneRuchyOdNajnowszegoTylkoDoOdczytu) {
    okno.UstawKlienta(1);
    QTableWidget* sg = Siatka();
    ASSERT_NE(sg, nullptr);
    EXPECT_EQ(sg->editTriggers(), QAbstractItemView::NoEditTriggers);
    ASSERT_EQ(sg->rowCount(), 3);
    // The same second: the later journal row first.
    EXPECT_EQ(Wiersz(sg, 0),
              (std::vector<QString>{"05.03.2024", "09:15:00", QString::fromUtf8("Wypożyczenie"),
                                    QString::fromUtf8("zwrot nadpłaty"), "-0,10"}));
    EXPECT_EQ(Wiersz(sg, 1)[4], "10,00");
    EXPECT_EQ(Wiersz(sg, 2),
              (std::vector<QString>{"04.03.2024", "18:00:00", "Abonament", "abonament", "50,00"}));

    // Another client replaces the list; a new client has none.
    okno.UstawKlienta(2);
    ASSERT_EQ(sg->rowCount(), 1);
    EXPECT_EQ(Wiersz(sg, 0)[2], QString::fromUtf8("Wpłata"));
    okno.UstawKlienta(0);
    EXPECT_EQ(sg->rowCount(), 0);
    EXPECT_TRUE(fake.komunikaty.empty());
}

TEST_F(RuchyKlienta, BladOdczytuZostawiaListeIPokazujeBlad) {
    QTableWidget sg;
    PrzygotujSiatkeRuchow(&sg);
    TQuery query;
    PokazRuchyKlienta(&sg, query, 1);
    ASSERT_EQ(sg.rowCount(), 3);
    baza.Wykonaj("drop table kasa");
    PokazRuchyKlienta(&sg, query, 1);
    EXPECT_EQ(sg.rowCount(), 3);
    EXPECT_EQ(fake.komunikaty.size(), 1u) << "the store's error is shown once";
}
