#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStringEncoder>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "films/uFilmy.h"
#include "films/uSzukaj.h"
#include "store/Formaty.h"
#include "store/Katalogi.h"
#include "support/FakeInterakcja.h"
#include "support/Rekordy.h"
#include "support/TestowaBaza.h"
#include "widgets/uDialog.h"

namespace {

const QString NieZnaleziono =
    QStringLiteral("Nie znaleziono filmów spełniających wskazane kryteria.");
const QString Poczatek = QStringLiteral(
    "select ID, Numer_filmu, Tytul_oryginalny || ' (' || Tytul_polski || ')' tytul from film ");

TEST(ZapytanieSzukania, KolejnoscKryteriowIWhereAnd) {
    EXPECT_EQ(ZapytanieSzukania({}), Poczatek + " order by Numer_filmu");
    EXPECT_EQ(ZapytanieSzukania({"", "", "", "dramat", ""}),
              Poczatek + "where Gatunek like 'dramat' order by Numer_filmu");
    EXPECT_EQ(ZapytanieSzukania({"Matrix ŻÓŁW", "JAN NOWAK", "ANNA LIS", "dramat", "DVD"}),
              Poczatek +
                  "where ( Lower( Tytul_oryginalny ) like 'matrix żółw' or Lower( Tytul_polski ) "
                  "like 'matrix żółw' ) and ( Upper( Rezyseria_1 ) like 'JAN NOWAK' or Upper( "
                  "Rezyseria_2 ) like 'JAN NOWAK' ) and ( Upper( Rola_glowna_1 ) like 'ANNA LIS' "
                  "or Upper( Rola_glowna_2 ) like 'ANNA LIS' or Upper( Rola_glowna_3 ) like 'ANNA "
                  "LIS' or Upper( Rola_glowna_4 ) like 'ANNA LIS' or Upper( Rola_glowna_5 ) like "
                  "'ANNA LIS' ) and Gatunek like 'dramat' and Nosnik like 'DVD' order by "
                  "Numer_filmu");
    // Quotes go into the statement as typed, never ending its literal.
    EXPECT_EQ(ZapytanieSzukania({"", "", "O'BRIEN", "", "VHS"}),
              Poczatek +
                  "where ( Upper( Rola_glowna_1 ) like 'O''BRIEN' or Upper( Rola_glowna_2 ) like "
                  "'O''BRIEN' or Upper( Rola_glowna_3 ) like 'O''BRIEN' or Upper( Rola_glowna_4 ) "
                  "like 'O''BRIEN' or Upper( Rola_glowna_5 ) like 'O''BRIEN' ) and Nosnik like "
                  "'VHS' order by Numer_filmu");
}

class Szukaj : public TBazaTestu {
protected:
    int Dodaj(int numer, const QString& org, const QString& pol,
              const QString& reszta = QString()) {
        return DodajWiersz(baza, "film",
                           QStringLiteral("insert into film (Numer_filmu, Tytul_oryginalny, "
                                          "Tytul_polski, Stawka, Status, Aktualny) values (%1, "
                                          "%2, %3, 4, True, True)")
                               .arg(numer)
                               .arg(TekstSQL(org), TekstSQL(pol)),
                           reszta);
    }

    QLineEdit* Tytul() { return okno.findChild<QLineEdit*>("eTytul"); }
    QComboBox* C(const char* nazwa) { return okno.findChild<QComboBox*>(nazwa); }
    std::vector<QString> Wpisy(const char* nazwa) {
        std::vector<QString> t;
        for (int i = 0; i < C(nazwa)->count(); ++i) t.push_back(C(nazwa)->itemText(i));
        return t;
    }
    void Wybierz(const char* nazwa, const QString& tekst) {
        const int i = C(nazwa)->findText(tekst);
        ASSERT_GE(i, 0) << tekst.toStdString();
        C(nazwa)->setCurrentIndex(i);
    }
    // Searches; returns the numbers listed by the result window (none when it did not
    // open).
    std::vector<QString> Znajdz() {
        std::vector<QString> numery;
        bool otwarte = false;
        fake.PrzyOknie([&](QDialog& o) {
            otwarte = true;
            EXPECT_EQ(o.objectName(), "TfFilmy");
            EXPECT_FALSE(o.findChild<QPushButton*>("bNowy")->isEnabled());
            o.show();
            const QAbstractItemModel* m = o.findChild<QTableView*>("sgFilmy")->model();
            for (int w = 0; w < m->rowCount(); ++w)
                numery.push_back(m->index(w, 0).data().toString());
            return QDialog::Accepted;
        });
        okno.findChild<QPushButton*>("bSzukaj")->click();
        if (!otwarte) fake.okna.clear();
        return numery;
    }
    void Otworz() {
        okno.setResult(0);
        okno.show();
    }

    TKatalogProgramu program{ListyFilmow};
    TfSzukaj okno;
};

}  // namespace

TEST_F(Szukaj, TytulJakoWzorzec) {
    Dodaj(1, "Matrix", "");
    Dodaj(2, "The Matrix", "Matrix");
    Dodaj(3, "Heat", "Gorączka");
    Otworz();
    Tytul()->setText("matrix");
    EXPECT_EQ(Znajdz(), (std::vector<QString>{"0001", "0002"}));
    EXPECT_EQ(okno.result(), QDialog::Accepted);
    EXPECT_TRUE(fake.komunikaty.empty());

    Otworz();
    Tytul()->setText("matr");
    EXPECT_EQ(Znajdz(), std::vector<QString>{});
    EXPECT_EQ(fake.Teksty(), (std::vector<QString>{NieZnaleziono}));
    EXPECT_EQ(fake.komunikaty[0].ikona, TIkona::Informacja);
    EXPECT_EQ(fake.komunikaty[0].tytul, "Wirdolan");
    EXPECT_NE(okno.result(), QDialog::Accepted);
    EXPECT_TRUE(okno.isVisible());
    EXPECT_EQ(Tytul()->text(), "matr");

    fake.Wyczysc();
    Tytul()->setText("MATR%");
    EXPECT_EQ(Znajdz(), (std::vector<QString>{"0001", "0002"}));
    EXPECT_TRUE(fake.komunikaty.empty());
}

TEST_F(Szukaj, TytulZWielkimiPolskimiLiterami) {
    Dodaj(1, "Żółw", "Żółw");
    Dodaj(2, "Łódź", "Miasto");
    Otworz();
    Tytul()->setText("ŻÓŁW");
    EXPECT_EQ(Znajdz(), (std::vector<QString>{"0001"}));
    Otworz();
    Tytul()->setText("ŁÓ%");
    EXPECT_EQ(Znajdz(), (std::vector<QString>{"0002"}));
    EXPECT_TRUE(fake.komunikaty.empty());
}

TEST_F(Szukaj, CudzyslowIApostrofWyszukiwaneJakWpisane) {
    Dodaj(1, "Dr. \"No\"", "Doktor No");
    Dodaj(2, "Schindler's List", "Lista Schindlera", "Rezyseria_1 = 'Steven O''Brien'");
    Dodaj(3, "05.03.24", "Data");
    Otworz();
    Tytul()->setText("dr. \"no\"");
    EXPECT_EQ(Znajdz(), (std::vector<QString>{"0001"}));
    Otworz();
    Tytul()->setText("schindler's%");
    EXPECT_EQ(Znajdz(), (std::vector<QString>{"0002"}));
    // A title that looks like a date is still a title.
    Otworz();
    Tytul()->setText("05.03.24");
    EXPECT_EQ(Znajdz(), (std::vector<QString>{"0003"}));
    Otworz();
    Tytul()->clear();
    Wybierz("cbRezyser", "STEVEN O'BRIEN");
    EXPECT_EQ(Znajdz(), (std::vector<QString>{"0002"}));
    EXPECT_TRUE(fake.komunikaty.empty());
}

TEST_F(Szukaj, RezyserIGatunekRazem) {
    Dodaj(1, "A", "A", "Rezyseria_1 = 'Jan Nowak', Gatunek = 'dramat'");
    Dodaj(2, "B", "B", "Rezyseria_2 = 'jan nowak', Gatunek = 'dramat'");
    Dodaj(3, "C", "C", "Rezyseria_1 = 'Jan Nowak', Gatunek = 'komedia'");
    Dodaj(4, "D", "D", "Rezyseria_1 = 'Ewa Lis', Gatunek = 'dramat'");
    Dodaj(5, "E", "E", "Rezyseria_1 = 'Jan Nowak', Gatunek = 'Dramat'");
    Otworz();
    EXPECT_EQ(Wpisy("cbRezyser"), (std::vector<QString>{"EWA LIS", "JAN NOWAK"}));
    Wybierz("cbRezyser", "JAN NOWAK");
    Wybierz("cbGatunek", "dramat");
    // The genre is compared as stored: "Dramat" is another genre.
    EXPECT_EQ(Znajdz(), (std::vector<QString>{"0001", "0002"}));
}

TEST_F(Szukaj, AktorWDowolnejKolumnieRoli) {
    Dodaj(1, "A", "A", "Rola_glowna_1 = 'Anna Lis'");
    Dodaj(2, "B", "B", "Rola_glowna_5 = 'Anna Lis', Rola_glowna_1 = 'Piotr Bąk'");
    Dodaj(3, "C", "C", "Rola_glowna_3 = 'anna lis'");
    Dodaj(4, "D", "D", "Rola_glowna_2 = 'Piotr Bąk'");
    Otworz();
    EXPECT_EQ(Wpisy("cbAktor"), (std::vector<QString>{"ANNA LIS", "PIOTR BĄK"}));
    Wybierz("cbAktor", "ANNA LIS");
    EXPECT_EQ(Znajdz(), (std::vector<QString>{"0001", "0002", "0003"}));
    Otworz();
    Wybierz("cbAktor", "PIOTR BĄK");
    Wybierz("cbNosnik", "DVD");
    EXPECT_EQ(Znajdz(), std::vector<QString>{});
    EXPECT_EQ(fake.Teksty(), (std::vector<QString>{NieZnaleziono}));
}

TEST_F(Szukaj, BezKryteriowWszystkieFilmyZWycofanymi) {
    Dodaj(12, "A", "A");
    Dodaj(3, "B", "B", "Aktualny = False");
    Dodaj(7, "C", "C");
    Otworz();
    EXPECT_EQ(C("cbGatunek")->currentIndex(), -1);
    EXPECT_EQ(C("cbNosnik")->currentIndex(), -1);
    EXPECT_EQ(C("cbRezyser")->currentIndex(), -1);
    EXPECT_EQ(Znajdz(), (std::vector<QString>{"0003", "0007", "0012"}));
    EXPECT_EQ(okno.result(), QDialog::Accepted);
}

TEST_F(Szukaj, PonowneOtwarcieZachowujeTytulINazwyAleNieGatunekINosnik) {
    const int id = Dodaj(1, "A", "A", "Rezyseria_1 = 'Jan Nowak', Rola_glowna_2 = 'Anna Lis'");
    Otworz();
    Tytul()->setText("a");
    Wybierz("cbRezyser", "JAN NOWAK");
    Wybierz("cbAktor", "ANNA LIS");
    Wybierz("cbGatunek", "komedia");
    Wybierz("cbNosnik", "VHS");
    okno.findChild<QPushButton*>("bAnuluj")->click();
    EXPECT_EQ(okno.result(), QDialog::Rejected);

    // The film's names are gone from the store and new ones have come: the lists grow.
    baza.Wykonaj(QStringLiteral("delete from film where ID = %1").arg(id));
    Dodaj(2, "B", "B", "Rezyseria_2 = 'Adam Kot', Rola_glowna_4 = 'ZOFIA ŻAK'");
    Otworz();
    EXPECT_EQ(Tytul()->text(), "a");
    EXPECT_EQ(C("cbRezyser")->currentText(), "JAN NOWAK");
    EXPECT_EQ(C("cbAktor")->currentText(), "ANNA LIS");
    EXPECT_EQ(C("cbGatunek")->currentIndex(), -1);
    EXPECT_EQ(C("cbNosnik")->currentIndex(), -1);
    EXPECT_EQ(Wpisy("cbGatunek"), (std::vector<QString>{"dramat", "komedia", "kryminał"}));
    EXPECT_EQ(Wpisy("cbRezyser"), (std::vector<QString>{"JAN NOWAK", "ADAM KOT"}));
    EXPECT_EQ(Wpisy("cbAktor"), (std::vector<QString>{"ANNA LIS", "ZOFIA ŻAK"}));
    EXPECT_EQ(C("cbRezyser")->maxVisibleItems(), 16);
    EXPECT_FALSE(C("cbRezyser")->isEditable());
}

TEST_F(Szukaj, KlawiszeIEnter) {
    Otworz();
    EXPECT_EQ(okno.windowTitle(), "Wyszukiwanie");
    EXPECT_EQ(okno.findChild<QPushButton*>("bSzukaj")->text(), "Szukaj <F2>");
    EXPECT_EQ(okno.findChild<QPushButton*>("bSzukaj")->toolTip(),
              "Szukaj filmów spełniających powyższe kryteria");
    EXPECT_EQ(okno.findChild<QPushButton*>("bAnuluj")->text(), "Anuluj <F10>");
    EXPECT_EQ(okno.findChild<QAction*>("miSzukaj")->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(okno.findChild<QAction*>("miAnuluj")->shortcut(), QKeySequence(Qt::Key_F10));

    okno.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&okno));
    const std::vector<const char*> lancuch = {"cbRezyser", "cbAktor", "cbGatunek", "cbNosnik",
                                              "cbRezyser"};
    C("cbRezyser")->setFocus();
    for (size_t i = 1; i < lancuch.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), C(lancuch[i])) << lancuch[i];
    }
    QTest::keyClick(C("cbAktor"), Qt::Key_Escape);
    EXPECT_EQ(okno.result(), QDialog::Rejected);
    EXPECT_FALSE(okno.isVisible());
}
