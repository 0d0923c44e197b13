#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "films/uFilm.h"
#include "films/uFilmy.h"
#include "reports/FakeDrukarka.h"
#include "reports/Pomocnicze.h"
#include "reports/uRapArchiwum.h"
#include "store/Katalogi.h"
#include "support/FakeInterakcja.h"
#include "support/OknoGlobalne.h"
#include "support/Rekordy.h"
#include "support/TestowaBaza.h"
#include "widgets/uDialog.h"

namespace {

const QString PytanieWycofaj = QStringLiteral("Czy na pewno usunąć wskazany film?");

class Filmy : public TBazaTestu {
protected:
    void SetUp() override { PolaczArchiwum(okno); }

    int Dodaj(int numer, const QString& org, const QString& pol, bool aktualny = true,
              const QString& reszta = QString()) {
        return DodajWiersz(
            baza, "film",
            QStringLiteral("insert into film (Numer_filmu, Tytul_oryginalny, "
                           "Tytul_polski, Stawka, Wplywy, Cena_zakupu, Ilosc_wypozyczen, "
                           "Status, Aktualny) values (%1, '%2', '%3', 4, 30, 20, 7, True, %4)")
                .arg(numer)
                .arg(org, pol)
                .arg(aktualny ? "True" : "False"),
            reszta);
    }
    int Aktualny(int id) {
        return baza.Ile(QStringLiteral("select Aktualny from film where ID = %1").arg(id));
    }
    QTableView* Siatka() { return okno.findChild<QTableView*>("sgFilmy"); }
    QString Pole(const char* nazwa) { return okno.findChild<QLineEdit*>(nazwa)->text(); }
    QPushButton* B(const char* nazwa) { return okno.findChild<QPushButton*>(nazwa); }
    std::vector<QString> Numery() {
        std::vector<QString> t;
        for (int w = 0; w < Wierszy(Siatka()); ++w) t.push_back(Wiersz(Siatka(), w)[0]);
        return t;
    }
    void Pokaz() {
        okno.resize(800, 520);
        okno.show();
    }

    TKatalogProgramu program;
    TOknoGlobalne<TfFilm> film{fFilm};
    TfFilmy okno;
};

}  // namespace

TEST_F(Filmy, ListaWKolejnosciNumerowISzczegoly) {
    Dodaj(7, "Jaws", "Szczęki", true, "Status = False");
    Dodaj(3, "Cold River", "Zimna rzeka", true,
          "Rezyseria_1 = 'Jan Nowak', Rezyseria_2 = 'Ewa Lis', Rola_glowna_1 = 'A1', "
          "Rola_glowna_5 = 'A5', Gatunek = 'dramat', Nosnik = 'DVD', Produkcja = 'USA 1990', "
          "Czas_trwania = '95 min', Stawka = 4.5, Wplywy = 1234.5, Ilosc_wypozyczen = 12, "
          "Cena_zakupu = 59.99");
    Dodaj(12, "Heat", "Gorączka");
    Dodaj(5, "Wycofany", "Wycofany", false);
    Pokaz();

    QTableView* sg = Siatka();
    EXPECT_EQ(Naglowek(sg, 0), "Nr kat.");
    EXPECT_EQ(Naglowek(sg, 1), "Tytuł");
    EXPECT_EQ(Numery(), (std::vector<QString>{"0003", "0007", "0012"}));
    EXPECT_EQ(Wiersz(sg, 0), (std::vector<QString>{"0003", "Cold River (Zimna rzeka)", "2"}));
    EXPECT_TRUE(sg->isColumnHidden(2));
    EXPECT_EQ(sg->verticalHeader()->defaultSectionSize(), 18);
    EXPECT_EQ(sg->columnWidth(0), 64);
    EXPECT_EQ(sg->columnWidth(1), sg->width() - 64 - 19);

    EXPECT_EQ(okno.IdWybranego(), 2);
    EXPECT_EQ(okno.windowTitle(), "Cold River (Zimna rzeka)  - NA PÓŁCE");
    EXPECT_EQ(Pole("eRezyser1"), "Jan Nowak");
    EXPECT_EQ(Pole("eRezyser2"), "Ewa Lis");
    EXPECT_EQ(Pole("eRola1"), "A1");
    EXPECT_EQ(Pole("eRola5"), "A5");
    EXPECT_EQ(Pole("eGatunek"), "dramat");
    EXPECT_EQ(Pole("eNosnik"), "DVD");
    EXPECT_EQ(Pole("eProdukcja"), "USA 1990");
    EXPECT_EQ(Pole("eCzas"), "95 min");
    EXPECT_EQ(Pole("eStawka"), "4,50");
    EXPECT_EQ(Pole("eIloscWyp"), "12");
    EXPECT_EQ(Pole("eWplywy"), "1234,50");
    EXPECT_EQ(Pole("eCena"), "59,99");

    // The next row is out on rent.
    sg->setFocus();
    QTest::keyClick(sg, Qt::Key_Down);
    EXPECT_EQ(okno.IdWybranego(), 1);
    EXPECT_EQ(okno.windowTitle(), "Jaws (Szczęki)  - WYPOŻYCZONY");
    EXPECT_EQ(Pole("eRezyser1"), "");
    EXPECT_EQ(Pole("eStawka"), "4,00");

    // The close button keeps to the right edge.
    auto* panel = okno.findChild<QWidget*>("pPrzyciski");
    okno.resize(1000, 520);
    QApplication::processEvents();
    EXPECT_EQ(B("bZamknij")->x(), panel->width() - B("bZamknij")->width() - 12);
    EXPECT_EQ(sg->columnWidth(1), sg->width() - 64 - 19);
}

TEST_F(Filmy, ZmienionyNumerZostajeWMiejscuDoOdswiezenia) {
    const int id = Dodaj(3, "Cold River", "Zimna rzeka");
    Dodaj(7, "Jaws", "Szczęki");
    Pokaz();
    fake.PrzyOknie([](QDialog& o) {
        o.findChild<QLineEdit*>("eNr")->setText("20");
        return Kliknij("bZapisz")(o);
    });
    B("bEdycja")->click();
    EXPECT_EQ(fake.pokazaneOkna, (std::vector<QString>{"TfFilm"}));
    EXPECT_EQ(baza.Ile(QStringLiteral("select Numer_filmu from film where ID = %1").arg(id)), 20);
    EXPECT_EQ(Numery(), (std::vector<QString>{"0020", "0007"}));
    EXPECT_EQ(Wiersz(Siatka(), 0)[1], "Cold River (Zimna rzeka)");
    okno.WczytajListe();
    EXPECT_EQ(Numery(), (std::vector<QString>{"0007", "0020"}));

    // A changed title is written into the row; a double click edits too.
    fake.PrzyOknie([](QDialog& o) {
        o.findChild<QLineEdit*>("eTytulPol")->setText("Szczęki 2");
        return Kliknij("bZapisz")(o);
    });
    DwuklikWiersza(Siatka(), 0);
    EXPECT_EQ(Wiersz(Siatka(), 0)[1], "Jaws (Szczęki 2)");
    EXPECT_EQ(okno.windowTitle(), "Jaws (Szczęki 2)  - NA PÓŁCE");

    // Cancel leaves the row.
    fake.PrzyOknie(Kliknij("bAnuluj"));
    okno.findChild<QAction*>("miEdycja")->trigger();
    EXPECT_EQ(Wiersz(Siatka(), 0)[1], "Jaws (Szczęki 2)");
}

TEST_F(Filmy, WycofanieKlawiszemDeleteAzDoPustejListy) {
    const int heat = Dodaj(12, "Heat", "Gorączka");
    const int jaws = Dodaj(7, "Jaws", "Szczęki");
    // Out on rent: withdrawal is allowed and the rental stays.
    baza.Wykonaj(QStringLiteral("update film set Status = False where ID = %1").arg(jaws));
    baza.Wykonaj(QStringLiteral("insert into rental (id_filmu, id_klienta, dataOD, dataDO, "
                                "zwrocono) values (%1, 1, '2024-03-01', '2024-03-04', False)")
                     .arg(jaws));
    Pokaz();
    okno.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&okno));

    fake.Odpowiedz(QMessageBox::No);
    QTest::keyClick(okno.findChild<QLineEdit*>("eRezyser1"), Qt::Key_Delete);
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_EQ(fake.komunikaty[0].tekst, PytanieWycofaj);
    EXPECT_EQ(fake.komunikaty[0].domyslny, QMessageBox::No);
    EXPECT_EQ(Aktualny(jaws), 1);
    EXPECT_EQ(Numery(), (std::vector<QString>{"0007", "0012"}));

    fake.Odpowiedz(QMessageBox::Yes);
    QTest::keyClick(Siatka(), Qt::Key_Delete);
    EXPECT_EQ(Aktualny(jaws), 0);
    EXPECT_EQ(Aktualny(heat), 1);
    EXPECT_EQ(baza.Ile("select count(*) from rental where zwrocono = False"), 1);
    EXPECT_EQ(Numery(), (std::vector<QString>{"0012"}));
    EXPECT_EQ(okno.IdWybranego(), heat);
    EXPECT_EQ(okno.windowTitle(), "Heat (Gorączka)  - NA PÓŁCE");

    // The last current film withdrawn: the list shows that none is left.
    fake.Odpowiedz(QMessageBox::Yes);
    B("bUsun")->click();
    EXPECT_EQ(Aktualny(heat), 0);
    EXPECT_EQ(Wierszy(Siatka()), 0);
    EXPECT_EQ(okno.IdWybranego(), 0);
    EXPECT_EQ(okno.windowTitle(), "Filmy");
    EXPECT_EQ(Pole("eStawka"), "");
    EXPECT_FALSE(B("bUsun")->isEnabled());
    EXPECT_EQ(baza.Ile("select count(*) from film"), 2);  // the rows stay
}

TEST_F(Filmy, NowyFilmIZamkniecieZOK) {
    Dodaj(3, "Heat", "Gorączka");
    Pokaz();
    fake.PrzyOknie([](QDialog& o) {
        o.findChild<QLineEdit*>("eTytulOrg")->setText("Schindler's List");
        o.findChild<QLineEdit*>("eTytulPol")->setText("Lista Schindlera");
        o.findChild<QLineEdit*>("eStawka")->setText("5,00");
        return Kliknij("bZapisz")(o);
    });
    okno.findChild<QAction*>("miNowy")->trigger();
    EXPECT_EQ(Numery(), (std::vector<QString>{"0003", "0004"}));
    EXPECT_EQ(Wiersz(Siatka(), 1)[1], "Schindler's List (Lista Schindlera)");
    EXPECT_EQ(baza.Ile("select count(*) from film where Tytul_oryginalny = 'Schindler''s List'"),
              1);

    // Cancelled: no refill needed, nothing stored.
    fake.PrzyOknie(Kliknij("bAnuluj"));
    B("bNowy")->click();
    EXPECT_EQ(baza.Ile("select count(*) from film"), 2);

    okno.findChild<QAction*>("miKoniec")->trigger();
    EXPECT_EQ(okno.result(), QDialog::Accepted);
}

TEST_F(Filmy, TrybSzukaniaBezNowegoIZWycofanymNaLiscie) {
    const int id = Dodaj(3, "Heat", "Gorączka");
    Dodaj(4, "Jaws", "Szczęki");
    okno.UstawKryteria({});
    EXPECT_FALSE(B("bNowy")->isEnabled());
    EXPECT_FALSE(okno.findChild<QAction*>("miNowy")->isEnabled());
    Pokaz();
    EXPECT_EQ(Numery(), (std::vector<QString>{"0003", "0004"}));
    fake.Odpowiedz(QMessageBox::Yes);
    B("bUsun")->click();
    EXPECT_EQ(Aktualny(id), 0);
    // The same search again: the withdrawn film is still found.
    EXPECT_EQ(Numery(), (std::vector<QString>{"0003", "0004"}));
    EXPECT_FALSE(B("bNowy")->isEnabled());
}

TEST_F(Filmy, RaportWypozyczenFilmu) {
    Dodaj(3, "Heat", "Gorączka");
    Pokaz();
    FakeDrukarka drukarka;
    fake.PrzyOknie([](QDialog&) { return QDialog::Accepted; });
    fake.Odpowiedz(QMessageBox::No);
    B("bArchiwum")->click();
    EXPECT_EQ(fake.pokazaneOkna, (std::vector<QString>{"TfPodglad"}));
    EXPECT_EQ(fake.Teksty(), (std::vector<QString>{"Czy rozpocząć drukowanie?"}));
    EXPECT_TRUE(drukarka.zadania.empty());
}

TEST_F(Filmy, FunkcjeBiurka) {
    const int id = Dodaj(3, "Heat", "Gorączka");
    fake.Odpowiedz(QMessageBox::No);
    EXPECT_FALSE(WycofajFilm(id));
    EXPECT_EQ(Aktualny(id), 1);
    fake.Odpowiedz(QMessageBox::Yes);
    EXPECT_TRUE(WycofajFilm(id));
    EXPECT_EQ(Aktualny(id), 0);
    EXPECT_EQ(fake.Teksty(), (std::vector<QString>{PytanieWycofaj, PytanieWycofaj}));

    Dodaj(4, "Jaws", "Szczęki");
    int wierszy = -1;
    fake.PrzyOknie([&](QDialog& o) {
        o.show();
        wierszy = Wierszy(o.findChild<QTableView*>("sgFilmy"));
        return QDialog::Accepted;
    });
    PokazFilmy();
    EXPECT_EQ(fake.pokazaneOkna, (std::vector<QString>{"TfFilmy"}));
    EXPECT_EQ(wierszy, 1);
}
