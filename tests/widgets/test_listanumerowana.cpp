#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTableView>

#include "store/OdczytWierszy.h"
#include "store/TQuery.h"
#include "store/uWspolneDB.h"
#include "support/FakeInterakcja.h"
#include "support/TestowaBaza.h"
#include "widgets/ListaNumerowana.h"
#include "widgets/uEksport.h"

namespace {

class ListaNumerowana : public ::testing::Test {
protected:
    void SetUp() override {
        for (int nr : {12, 3, 7})
            baza.Wykonaj(QStringLiteral("insert into film (Numer_filmu, Tytul_oryginalny, "
                                        "Tytul_polski, Aktualny) values (%1, 'T%1', 'P', 1)")
                             .arg(nr));
        PrzygotujListeNumerowana(&sg, &model);
    }
    int Wypelnij(const QString& warunek = QString()) {
        auto wiersze = CzytajListeNumerowana(
            query,
            QStringLiteral("select ID, Numer_filmu, Tytul_oryginalny tytul from film") + warunek +
                QStringLiteral(" order by Numer_filmu"),
            QStringLiteral("Numer_filmu"), QStringLiteral("tytul"));
        return WypelnijListeNumerowana(&sg, model, wiersze.value());
    }
    QString Komorka(int w, int k) { return model.index(w, k).data().toString(); }

    TestowaBaza baza;
    TQuery query;
    QTableView sg;
    TListaNumerowana model{QStringLiteral("Nr"), QStringLiteral("Tytuł")};
};

}  // namespace

TEST_F(ListaNumerowana, WierszeNaglowkiIBiezacyWierszPrzyPonownymWczytaniu) {
    EXPECT_EQ(Wypelnij(), 2);  // the first row becomes current
    EXPECT_FALSE(query.Active());
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.columnCount(), 3);
    EXPECT_EQ(Komorka(0, 0), "0003");
    EXPECT_EQ(Komorka(2, 1), "T12");
    EXPECT_EQ(Komorka(1, 2), "3");
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "Nr");
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "Tytuł");
    EXPECT_EQ(model.headerData(2, Qt::Horizontal).toString(), "");
    EXPECT_TRUE(sg.isColumnHidden(2));
    EXPECT_EQ(model.Id(3), 0);
    EXPECT_EQ(model.Tekst(-1), "");

    // The current row keeps its place; past the end it becomes the last.
    sg.setCurrentIndex(model.index(2, 0));
    EXPECT_EQ(Wypelnij(), 1);
    EXPECT_EQ(sg.currentIndex().row(), 2);
    EXPECT_EQ(Wypelnij(" where Numer_filmu < 10"), 3);
    EXPECT_EQ(sg.currentIndex().row(), 1);
    EXPECT_EQ(IdBiezacego(&sg), 3);
    EXPECT_EQ(Wypelnij(" where Numer_filmu > 100"), 0);
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(IdBiezacego(&sg), 0);
}

TEST_F(ListaNumerowana, ZmianaWierszaWMiejscuIEksportBezId) {
    Wypelnij();
    QSignalSpy zmiany(&model, &QAbstractItemModel::dataChanged);
    model.UstawWiersz(1, 20, "Nowy; tytuł");
    model.UstawWiersz(5, 1, "poza listą");
    EXPECT_EQ(zmiany.count(), 1);
    EXPECT_EQ(Komorka(1, 0), "0020");
    EXPECT_EQ(Komorka(1, 1), "Nowy; tytuł");
    EXPECT_EQ(model.Id(1), 3);

    DodajMenuEksportu(&sg, {TListaNumerowana::KolId});
    sg.setCurrentIndex(model.index(1, 0));
    sg.findChild<QAction*>("miKopiuj")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8("0020\tNowy; tytuł\n"));
    const auto kolumny = KolumnyEksportu(sg, {TListaNumerowana::KolId});
    EXPECT_EQ(NaglowekSiatki(sg, kolumny), (std::vector<QString>{"Nr", "Tytuł"}));
    EXPECT_EQ(WierszeSiatki(sg, {2, 0}, kolumny),
              (TWierszeTekstu{{"0012", "T12"}, {"0003", "T3"}}));
}

// A column the statement lacks reads as 0 or the empty text, reported once.
TEST_F(ListaNumerowana, BrakujacaKolumna) {
    FakeInterakcja fake;
    const auto wiersze =
        CzytajListeNumerowana(query, QStringLiteral("select ID from film order by Numer_filmu"),
                              QStringLiteral("Numer_filmu"), QStringLiteral("tytul"));
    ASSERT_TRUE(wiersze);
    ASSERT_EQ(wiersze->Liczba(), 3);
    EXPECT_EQ(wiersze->Numer(0), 0);
    EXPECT_EQ(wiersze->Tekst(2), "");
    EXPECT_EQ(wiersze->Id(1), 3);
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_EQ(fake.komunikaty[0].tekst, "Nie znaleziono pola 'Numer_filmu'.");
}

// Texts longer in all than one block of the buffer come back whole, each from its block.
TEST_F(ListaNumerowana, DlugieTekstyWieluBlokow) {
    baza.Wykonaj(QStringLiteral("delete from film"));
    for (int nr = 1; nr <= 300; ++nr)
        baza.Wykonaj(QStringLiteral("insert into film (Numer_filmu, Tytul_oryginalny, "
                                    "Tytul_polski, Aktualny) values (%1, '%2', 'P', 1)")
                         .arg(nr)
                         .arg(QString(nr * 37 % 9000, QChar(u'a' + nr % 26)) + u'ż'));
    Wypelnij();
    ASSERT_EQ(model.rowCount(), 300);
    for (int w = 0; w < 300; ++w) {
        const int nr = w + 1;
        ASSERT_EQ(model.Tekst(w), QString(nr * 37 % 9000, QChar(u'a' + nr % 26)) + u'ż') << nr;
    }
}
