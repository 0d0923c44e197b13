#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/uIloscDni.h"
#include "store/Zegar.h"
#include "support/FakeInterakcja.h"
#include "support/TestowaBaza.h"

namespace {

QLineEdit* Pole(QDialog& okno) {
    return okno.findChild<QLineEdit*>("eIleDni");
}

// Shows the dialog as the operator gets it: active, the focus in the days box.
void Pokaz(QDialog& okno) {
    okno.show();
    okno.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&okno));
}

// Replaces the box's text key by key, as typed.
void Wpisz(QDialog& okno, const QString& tekst) {
    Pole(okno)->clear();
    QTest::keyClicks(Pole(okno), tekst);
}

const QString Niepoprawna = QStringLiteral("Niepoprawna wartość.");

}  // namespace

TEST(IloscDni, DomyslnieJedenDzienIKlawiszF2) {
    UstawDzisiaj(QDate(2024, 3, 5));
    TfIloscDni okno;
    EXPECT_EQ(okno.objectName(), "TfIloscDni");
    EXPECT_EQ(okno.windowTitle(), "Przedłużenie");
    EXPECT_EQ(okno.findChild<QLabel*>()->text(), "Wprowadź liczbę dni: ");
    EXPECT_EQ(okno.findChild<QPushButton*>("bOK")->text(), "OK <F2>");
    EXPECT_EQ(okno.findChild<QPushButton*>("bAnuluj")->text(), "Anuluj <F10>");
    FakeInterakcja f;
    Pokaz(okno);
    EXPECT_EQ(Pole(okno)->text(), "1");
    EXPECT_EQ(QApplication::focusWidget(), Pole(okno));
    QTest::keyClick(&okno, Qt::Key_F2);
    EXPECT_EQ(okno.result(), QDialog::Accepted);
    EXPECT_FALSE(okno.isVisible());
    EXPECT_EQ(okno.IloscDni(), 1);
    EXPECT_TRUE(f.komunikaty.empty());
    UstawDzisiaj(QDate());
}

TEST(IloscDni, TekstZostajeMiedzyPokazaniamiIPusteToJeden) {
    TfIloscDni okno;
    FakeInterakcja f;
    Pokaz(okno);
    QTest::keyClicks(Pole(okno), "3");  // the "1" is selected on showing: typed over
    EXPECT_EQ(Pole(okno)->text(), "3");
    okno.findChild<QPushButton*>("bOK")->click();
    EXPECT_EQ(okno.IloscDni(), 3);

    Pokaz(okno);
    EXPECT_EQ(Pole(okno)->text(), "3");
    EXPECT_EQ(Pole(okno)->selectedText(), "3");
    Wpisz(okno, "0");
    QTest::keyClick(&okno, Qt::Key_F2);
    EXPECT_EQ(okno.result(), QDialog::Accepted);
    EXPECT_EQ(okno.IloscDni(), 0);

    Pokaz(okno);
    Pole(okno)->clear();
    okno.findChild<QPushButton*>("bOK")->click();
    EXPECT_EQ(okno.result(), QDialog::Accepted);
    EXPECT_EQ(okno.IloscDni(), 1);
    EXPECT_TRUE(f.komunikaty.empty());
}

TEST(IloscDni, LiteraIMinusOdrzuconeOdRazu) {
    TfIloscDni okno;
    FakeInterakcja f;
    Pokaz(okno);
    Wpisz(okno, "12");
    QTest::keyClicks(Pole(okno), "x");
    ASSERT_EQ(f.komunikaty.size(), 1u);
    EXPECT_EQ(f.komunikaty[0].tekst, Niepoprawna);
    EXPECT_EQ(f.komunikaty[0].tytul, "Ostrzeżenie");
    EXPECT_EQ(f.komunikaty[0].ikona, TIkona::Ostrzezenie);
    EXPECT_EQ(Pole(okno)->text(), "1");

    Pole(okno)->clear();
    QTest::keyClicks(Pole(okno), "-");
    EXPECT_EQ(f.komunikaty.size(), 2u);
    EXPECT_EQ(Pole(okno)->text(), "1");
    EXPECT_TRUE(okno.isVisible());
}

TEST(IloscDni, UlamekPrzechodziPrzyPisaniuAleNiePrzyOK) {
    TfIloscDni okno;
    FakeInterakcja f;
    Pokaz(okno);
    Wpisz(okno, "2,5");
    EXPECT_TRUE(f.komunikaty.empty()) << "a fraction is a number while typing";
    okno.findChild<QPushButton*>("bOK")->click();
    EXPECT_EQ(f.Teksty(), (std::vector<QString>{Niepoprawna}));
    EXPECT_TRUE(okno.isVisible()) << "the dialog stays open";
    EXPECT_EQ(Pole(okno)->text(), "2,5") << "the typed text is kept for correction";
    EXPECT_EQ(okno.IloscDni(), 1);

    // Beyond the last date the store keeps: refused the same way.
    Wpisz(okno, "99999999");
    QTest::keyClick(&okno, Qt::Key_F2);
    EXPECT_EQ(f.komunikaty.size(), 2u);
    EXPECT_TRUE(okno.isVisible());

    // A trailing comma still reads as a whole number.
    Wpisz(okno, "4,");
    QTest::keyClick(&okno, Qt::Key_F2);
    EXPECT_EQ(f.komunikaty.size(), 2u);
    EXPECT_EQ(okno.result(), QDialog::Accepted);
    EXPECT_EQ(okno.IloscDni(), 4);
}

TEST(IloscDni, EscF10IAnulujToAnulowanie) {
    TfIloscDni okno;
    FakeInterakcja f;
    for (auto zamknij : {+[](QDialog& o) { QTest::keyClick(&o, Qt::Key_Escape); },
                         +[](QDialog& o) { QTest::keyClick(&o, Qt::Key_F10); },
                         +[](QDialog& o) { o.findChild<QPushButton*>("bAnuluj")->click(); }}) {
        Pokaz(okno);
        Wpisz(okno, "7");
        zamknij(okno);
        EXPECT_FALSE(okno.isVisible());
        EXPECT_EQ(okno.result(), QDialog::Rejected);
        EXPECT_EQ(okno.IloscDni(), 1) << "only OK takes the number";
    }
    EXPECT_TRUE(f.komunikaty.empty());
}
