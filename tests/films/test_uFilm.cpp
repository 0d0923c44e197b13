#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include "films/uFilm.h"
#include "store/Katalogi.h"
#include "support/FakeInterakcja.h"
#include "support/Rekordy.h"
#include "support/TestowaBaza.h"
#include "widgets/LimitZnakow.h"
#include "widgets/uDialog.h"

namespace {

class Film : public TBazaTestu {
protected:
    void TearDown() override {
        IdFilmu = 0;
        FilmNaPolce = false;
    }

    QLineEdit* E(const char* nazwa) { return okno.findChild<QLineEdit*>(nazwa); }
    QPushButton* B(const char* nazwa) { return okno.findChild<QPushButton*>(nazwa); }
    QComboBox* C(const char* nazwa) { return okno.findChild<QComboBox*>(nazwa); }
    QPlainTextEdit* Opis() { return okno.findChild<QPlainTextEdit*>("mOpis"); }

    int Dodaj(int numer, bool aktualny = true, const QString& reszta = QString()) {
        return DodajWiersz(
            baza, "film",
            QStringLiteral("insert into film (Numer_filmu, Tytul_oryginalny, "
                           "Stawka, Wplywy, Cena_zakupu, Ilosc_wypozyczen, Status, "
                           "Aktualny) values (%1, 'Film %1', 4, 30, 20, 7, True, %2)")
                .arg(numer)
                .arg(aktualny ? "True" : "False"),
            reszta);
    }
    QVariant Pole(const QString& kolumna, int id) {
        return baza.Wartosc(
            QStringLiteral("select %1 from film where ID = %2").arg(kolumna).arg(id));
    }
    void Wypelnij(const QString& tytul, const QString& stawka) {
        E("eTytulOrg")->setText(tytul);
        E("eStawka")->setText(stawka);
    }

    TKatalogProgramu program{ListyFilmow};
    TfFilm okno;
};

}  // namespace

TEST_F(Film, NowyFilmWPustejTabeliIZapis) {
    okno.UstawFilm(0);
    EXPECT_EQ(E("eNr")->text(), "0001");
    EXPECT_EQ(B("bZapisz")->text(), "Zapisz <F2>");
    EXPECT_EQ(okno.findChild<QLabel*>("lStatus")->text(), QString::fromUtf8("NA PÓŁCE"));
    EXPECT_EQ(C("cbGatunek")->count(), 3);
    EXPECT_EQ(C("cbGatunek")->currentIndex(), -1);
    EXPECT_EQ(C("cbNosnik")->currentIndex(), -1);
    EXPECT_FALSE(B("bZmien")->isEnabled());

    Wypelnij(QString::fromUtf8("Dr. \"Strangelove\" – Schindler's"), "12,5");
    E("eTytulPol")->setText(QString::fromUtf8("Doktor Dziwów"));
    E("eRola3")->setText("Peter O'Toole");
    C("cbGatunek")->setCurrentIndex(2);
    C("cbNosnik")->setCurrentIndex(1);
    Opis()->setPlainText(QString::fromUtf8("Pierwsza linia\nDruga: 'cytat' i \"cudzysłów\""));
    B("bZapisz")->click();
    EXPECT_TRUE(fake.komunikaty.empty());
    EXPECT_EQ(okno.result(), QDialog::Accepted);
    EXPECT_EQ(E("eIloscWyp")->text(), "0");
    EXPECT_EQ(okno.Numer(), 1);
    EXPECT_EQ(okno.NowyTytulOrg(), QString::fromUtf8("Dr. \"Strangelove\" – Schindler's"));
    EXPECT_EQ(okno.NowyTytulPol(), QString::fromUtf8("Doktor Dziwów"));

    const int id = baza.Ile("select max(ID) from film");
    EXPECT_EQ(Pole("Numer_filmu", id).toInt(), 1);
    EXPECT_EQ(Pole("Tytul_oryginalny", id).toString(),
              QString::fromUtf8("Dr. \"Strangelove\" – Schindler's"));
    EXPECT_EQ(Pole("Rola_glowna_3", id).toString(), "Peter O'Toole");
    EXPECT_EQ(Pole("Rola_glowna_1", id).toString(), "");
    EXPECT_EQ(Pole("Gatunek", id).toString(), QString::fromUtf8("kryminał"));
    EXPECT_EQ(Pole("Nosnik", id).toString(), "VHS");
    EXPECT_EQ(Pole("Opis", id).toString(),
              QString::fromUtf8("Pierwsza linia\nDruga: 'cytat' i \"cudzysłów\""));
    EXPECT_DOUBLE_EQ(Pole("Stawka", id).toDouble(), 12.5);
    EXPECT_DOUBLE_EQ(Pole("Wplywy", id).toDouble(), 0);
    EXPECT_EQ(Pole("Ilosc_wypozyczen", id).toInt(), 0);
    EXPECT_EQ(Pole("Status", id).toInt(), 1);
    EXPECT_EQ(Pole("Aktualny", id).toInt(), 1);

    // Shown again.
    okno.UstawFilm(id);
    EXPECT_EQ(E("eStawka")->text(), "12,50");
    EXPECT_EQ(E("eNr")->text(), "0001");
    EXPECT_EQ(C("cbGatunek")->currentText(), QString::fromUtf8("kryminał"));
    EXPECT_EQ(Opis()->toPlainText(),
              QString::fromUtf8("Pierwsza linia\nDruga: 'cytat' i \"cudzysłów\""));
    EXPECT_EQ(okno.NowyTytulOrg(), QString());
}

TEST_F(Film, ProponowanyNumerPoWszystkichFilmach) {
    Dodaj(40);
    Dodaj(42, false);
    okno.UstawFilm(0);
    EXPECT_EQ(E("eNr")->text(), "0043");
}

TEST_F(Film, NumerBiezacegoFilmuOdrzuconyWycofanegoPrzyjety) {
    Dodaj(7);
    Dodaj(8, false);
    okno.UstawFilm(0);
    E("eNr")->setText("7");
    Wypelnij("Nowy", "3");
    B("bZapisz")->click();
    EXPECT_EQ(fake.Teksty(), std::vector<QString>{QString::fromUtf8(
                                 "Film o podanym numerze jest już zapisany w bazie.")});
    EXPECT_TRUE(E("eNr")->text().isEmpty());
    EXPECT_NE(okno.result(), QDialog::Accepted);
    EXPECT_EQ(baza.Ile("select count(*) from film"), 2);

    E("eNr")->setText("8");
    B("bZapisz")->click();
    EXPECT_EQ(okno.result(), QDialog::Accepted);
    EXPECT_EQ(baza.Ile("select count(*) from film where Numer_filmu = 8"), 2);
    EXPECT_EQ(okno.Numer(), 8);
}

TEST_F(Film, EdycjaNumeru) {
    const int id = Dodaj(5, true, "Status = False, Gatunek = 'DRAMAT', Nosnik = 'Blu-ray'");
    Dodaj(6);
    Dodaj(9, false);
    okno.UstawFilm(id);
    EXPECT_EQ(B("bZapisz")->text(), QString::fromUtf8("Zmień <F2>"));
    EXPECT_EQ(okno.findChild<QLabel*>("lStatus")->text(), QString::fromUtf8("WYPOŻYCZONY"));
    EXPECT_EQ(C("cbGatunek")->currentText(), "dramat");
    EXPECT_EQ(C("cbNosnik")->currentIndex(), -1);  // not in the list
    EXPECT_EQ(E("eWplywy")->text(), "30,00");
    EXPECT_EQ(E("eIloscWyp")->text(), "7");

    B("bZapisz")->click();  // number unchanged: no duplicate message
    EXPECT_TRUE(fake.komunikaty.empty());
    EXPECT_EQ(Pole("Nosnik", id).toString(), "");  // an unknown medium is saved empty
    EXPECT_EQ(Pole("Gatunek", id).toString(), "dramat");
    EXPECT_EQ(Pole("Status", id).toInt(), 0);  // untouched
    EXPECT_EQ(Pole("Aktualny", id).toInt(), 1);

    okno.UstawFilm(id);
    E("eNr")->setText("6");
    B("bZapisz")->click();
    EXPECT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_EQ(Pole("Numer_filmu", id).toInt(), 5);
    E("eNr")->setText("9");
    E("eTytulOrg")->setText("Nowy tytuł");
    B("bZapisz")->click();
    EXPECT_EQ(okno.result(), QDialog::Accepted);
    EXPECT_EQ(Pole("Numer_filmu", id).toInt(), 9);
    EXPECT_EQ(okno.Numer(), 9);
    EXPECT_EQ(okno.NowyTytulOrg(), QString::fromUtf8("Nowy tytuł"));
}

TEST_F(Film, WymaganeDaneIKwoty) {
    okno.UstawFilm(0);
    E("eTytulOrg")->setText("Tytul");
    B("bZapisz")->click();
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_EQ(fake.komunikaty[0].tekst,
              QString::fromUtf8("Dane nie są kompletne. \nNumer, tytuł oryginalny i stawka za dobę "
                                "sa danymi wymaganymi."));
    EXPECT_EQ(fake.komunikaty[0].tytul, QString::fromUtf8("Ostrzeżenie"));
    EXPECT_EQ(baza.Ile("select count(*) from film"), 0);
    EXPECT_EQ(okno.Numer(), 0);
}

TEST_F(Film, SprawdzaniePodczasPisania) {
    okno.UstawFilm(0);
    for (const char* pole : {"eNr", "eIloscWyp", "eStawka", "eWplywy", "eCena"}) {
        for (const char* tekst : {"-", "x", "1-"}) {
            fake.Wyczysc();
            E(pole)->setText("1");
            E(pole)->setText(tekst);
            EXPECT_EQ(fake.Teksty(),
                      std::vector<QString>{QString::fromUtf8("Niepoprawna wartość.")})
                << pole << " " << tekst;
            EXPECT_TRUE(E(pole)->text().isEmpty()) << pole;
        }
    }
    fake.Wyczysc();
    E("eStawka")->setText("5,");
    E("eNr")->setText("12");
    EXPECT_TRUE(fake.komunikaty.empty());
    fake.Wyczysc();
    E("eNr")->setText("1,5");
    EXPECT_TRUE(E("eNr")->text().isEmpty());
}

TEST_F(Film, BladWstawieniaZostawiaOknoOtwarte) {
    baza.Zablokuj("insert", "film", "zapis zablokowany");
    okno.UstawFilm(0);
    Wypelnij("Tytul", "3");
    B("bZapisz")->click();
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_TRUE(fake.komunikaty[0].tekst.contains("zapis zablokowany"));
    EXPECT_NE(okno.result(), QDialog::Accepted);
    EXPECT_EQ(okno.Numer(), 0);
}

TEST_F(Film, ZmianaStatusuBiezacegoFilmu) {
    const int id = Dodaj(5);
    const int inny = Dodaj(6);
    IdFilmu = id;
    FilmNaPolce = true;
    okno.UstawFilm(inny);
    EXPECT_FALSE(B("bZmien")->isEnabled());
    okno.UstawFilm(id);
    ASSERT_TRUE(B("bZmien")->isEnabled());
    E("eTytulOrg")->setText("Nie zapisany");
    B("bZmien")->click();
    EXPECT_EQ(okno.result(), QDialog::Rejected);
    EXPECT_EQ(Pole("Status", id).toInt(), 0);
    EXPECT_EQ(Pole("Status", inny).toInt(), 1);
    EXPECT_EQ(Pole("Tytul_oryginalny", id).toString(), "Film 5");
    FilmNaPolce = false;
    okno.UstawFilm(id);
    B("bZmien")->click();
    EXPECT_EQ(Pole("Status", id).toInt(), 1);
}

namespace {
// The word-list editor's limit, counted in whole characters by its validator.
int LimitEdycji(QDialog& o) {
    const auto* limit =
        dynamic_cast<const TLimitZnakow*>(o.findChild<QLineEdit*>("Edit1")->validator());
    return limit ? limit->Limit() : -1;
}
}  // namespace

TEST_F(Film, EdytorGatunkow) {
    okno.UstawFilm(0);
    fake.PrzyOknie([](QDialog& o) {
        EXPECT_EQ(LimitEdycji(o), 25);
        o.findChild<QLineEdit*>("Edit1")->setText("western");
        o.findChild<QPushButton*>("bDodaj")->click();
        o.findChild<QPushButton*>("bZamknij")->click();
        return o.result();
    });
    fake.Odpowiedz(QMessageBox::Yes);
    B("bGatunek")->click();
    ASSERT_EQ(C("cbGatunek")->count(), 4);
    EXPECT_EQ(C("cbGatunek")->itemText(3), "western");
    EXPECT_EQ(C("cbGatunek")->currentIndex(), 0);

    fake.PrzyOknie([](QDialog& o) {
        EXPECT_EQ(LimitEdycji(o), 15);
        o.findChild<QPushButton*>("bZamknij")->click();
        return o.result();
    });
    B("bNosnik")->click();
    EXPECT_EQ(C("cbNosnik")->currentText(), "DVD");
}

TEST_F(Film, KlawiszEnterIOpis) {
    okno.UstawFilm(0);
    okno.show();
    QApplication::setActiveWindow(&okno);
    E("eRola5")->setFocus();
    QTest::keyClick(E("eRola5"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), C("cbGatunek"));
    QTest::keyClick(C("cbGatunek"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), C("cbNosnik"));
    Opis()->setFocus();
    QTest::keyClicks(Opis(), "ab");
    QTest::keyClick(Opis(), Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(Opis(), "cd");
    EXPECT_EQ(Opis()->toPlainText(), "ab\ncd");
    QTest::keyClick(Opis(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), E("eStawka"));
    E("eCena")->setFocus();
    QTest::keyClick(E("eCena"), Qt::Key_Enter);
    EXPECT_EQ(QApplication::focusWidget(), E("eNr"));
    Opis()->setPlainText(QString(300, 'x'));
    EXPECT_EQ(Opis()->toPlainText().size(), 255);
    okno.reject();
}
