#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "clients/uWplata.h"
#include "support/FakeInterakcja.h"
#include "support/Kwoty.h"

namespace {

QLineEdit* Kwota(TfWplata& okno) {
    return okno.findChild<QLineEdit*>("eKwota");
}
QPushButton* Przycisk(TfWplata& okno, const char* nazwa) {
    return okno.findChild<QPushButton*>(nazwa);
}

}  // namespace

TEST(Wplata, ProponowanaKwotaPotwierdzona) {
    FakeInterakcja fake;
    TfWplata okno;
    okno.UstawKwote(QString::fromUtf8("Do zapłaty: "), 7.50_zl);
    EXPECT_EQ(Kwota(okno)->text(), "7,50");
    EXPECT_EQ(okno.findChild<QLabel*>("Label1")->text(), QString::fromUtf8("Do zapłaty: "));
    EXPECT_EQ(Przycisk(okno, "bZapisz")->text(), QString::fromUtf8("Zapłacono <F2>"));
    EXPECT_EQ(Przycisk(okno, "bAnuluj")->text(), QString::fromUtf8("Nie wpłacono <F10>"));
    Przycisk(okno, "bZapisz")->click();
    EXPECT_EQ(okno.result(), QDialog::Accepted);
    EXPECT_KWOTA(okno.Kwota(), 7.50_zl);
    EXPECT_TRUE(fake.komunikaty.empty());
}

TEST(Wplata, WpisanaKwotaZPrzecinkiem) {
    FakeInterakcja fake;
    TfWplata okno;
    okno.UstawKwote("Pobrano:", 0_zl);
    Kwota(okno)->clear();
    QTest::keyClicks(Kwota(okno), "12,5");  // "12," on the way passes
    okno.findChild<QAction*>("miWplacono")->trigger();
    EXPECT_EQ(okno.result(), QDialog::Accepted);
    EXPECT_KWOTA(okno.Kwota(), 12.50_zl);
    EXPECT_TRUE(fake.komunikaty.empty());
    EXPECT_EQ(okno.findChild<QAction*>("miWplacono")->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(okno.findChild<QAction*>("miAnuluj")->shortcut(), QKeySequence(Qt::Key_F10));
}

TEST(Wplata, MinusLubLiteraSaOdrzucane) {
    for (const char* tekst : {"-", "x", "-3", "1,2,3"}) {
        FakeInterakcja fake;
        TfWplata okno;
        okno.UstawKwote("Do zapłaty:", 4_zl);
        Kwota(okno)->setText(tekst);
        ASSERT_EQ(fake.komunikaty.size(), 1u) << tekst;
        EXPECT_EQ(fake.komunikaty[0].tekst, QString::fromUtf8("Niepoprawna wartość."));
        EXPECT_EQ(fake.komunikaty[0].tytul, QString::fromUtf8("Ostrzeżenie"));
        EXPECT_EQ(fake.komunikaty[0].ikona, TIkona::Ostrzezenie);
        EXPECT_EQ(Kwota(okno)->text(), "0,00");
    }
}

// Declined after typing an amount, or the window closed: cancelled, and the amount is zero.
TEST(Wplata, OdmowaIZamkniecieDajaZero) {
    const std::function<void(TfWplata&)> odmowy[] = {
        [](TfWplata& okno) {
            Kwota(okno)->setText("20,00");
            Przycisk(okno, "bAnuluj")->click();
        },
        [](TfWplata& okno) {
            okno.show();
            okno.close();
        },
    };
    for (const auto& odmowa : odmowy) {
        FakeInterakcja fake;
        TfWplata okno;
        okno.UstawKwote("Do zapłaty:", 7.50_zl);
        odmowa(okno);
        EXPECT_EQ(okno.result(), QDialog::Rejected);
        EXPECT_KWOTA(okno.Kwota(), 0_zl);
    }
}

TEST(Wplata, PustaKwotaNieJestPrzyjeta) {
    FakeInterakcja fake;
    TfWplata okno;
    okno.UstawKwote("Do zapłaty:", 7.50_zl);
    okno.show();
    Kwota(okno)->clear();
    EXPECT_TRUE(fake.komunikaty.empty());  // emptying the box while typing is allowed
    Przycisk(okno, "bZapisz")->click();
    EXPECT_TRUE(okno.isVisible());
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_EQ(fake.komunikaty[0].tekst, QString::fromUtf8("Niepoprawna wartość."));
    // Enter does nothing, even with a valid amount; the dialog waits for F2 or a button.
    Kwota(okno)->setText("3");
    QTest::keyClick(Kwota(okno), Qt::Key_Return);
    QTest::keyClick(Kwota(okno), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(okno.isVisible());
    EXPECT_EQ(fake.komunikaty.size(), 1u);
    Przycisk(okno, "bZapisz")->click();
    EXPECT_FALSE(okno.isVisible());
    EXPECT_KWOTA(okno.Kwota(), 3_zl);
}
