#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "FakeDrukarka.h"
#include "Pomocnicze.h"
#include "reports/uArchiwum.h"
#include "reports/uRapArchiwum.h"
#include "support/FakeInterakcja.h"
#include "support/TestowaBaza.h"

namespace {

// Two clients and two films; client 1 rented three times (one film still out, one
// rental of a film row that no longer exists), client 2 never.
void Wypelnij(const TestowaBaza& baza) {
    baza.Wykonaj(
        "insert into klient (ID, Numer_klienta, Imie, Nazwisko, Licznik) values "
        "(1, 12, 'Jan', 'Kowalski', 3), (2, 40, 'Żaneta', 'Wąsowicz', 0), "
        "(3, 7, 'Anna', 'Nowak', 1)");
    baza.Wykonaj(
        "insert into film (ID, Numer_filmu, Tytul_oryginalny, Tytul_polski, Wplywy) values "
        "(10, 101, 'Jaws', 'Szczęki', 45.5), (11, 102, 'Ogniem i mieczem', 'Ogniem i mieczem', 0)");
    baza.Wykonaj(
        "insert into rental (id_filmu, id_klienta, dataOD, dataDO, zwrocono, DataZwrotu) values "
        "(10, 1, '2024-01-10', '2024-01-11', 1, '2024-01-12'),"
        "(11, 1, '2024-03-01', '2024-03-08', 0, null),"
        "(99, 1, '2024-02-15', '2024-02-16', 1, '2024-02-16'),"
        "(10, 3, '2024-02-20', '2024-02-21', 1, '2024-02-21')");
}

QTableView* Siatka(QDialog& okno) {
    return okno.findChild<QTableView*>("sgArchiwum");
}
QString Pole(QDialog& okno, const char* nazwa) {
    return okno.findChild<QLineEdit*>(nazwa)->text();
}
QString Etykieta(QDialog& okno, const char* nazwa) {
    return okno.findChild<QLabel*>(nazwa)->text();
}

std::vector<QString> Naglowki(QTableView* sg) {
    std::vector<QString> t;
    for (int k = 0; k < 4; ++k) t.push_back(Naglowek(sg, k));
    return t;
}

// The history window over the filled store.
class Archiwum : public ::testing::Test {
protected:
    Archiwum() { Wypelnij(baza); }
    // Client 1's history on the screen.
    void PokazKlienta() {
        okno.resize(700, 400);
        okno.UstawArchiwum(1, 1);
        okno.show();
    }

    TestowaBaza baza;
    TfArchiwum okno;
};

}  // namespace

TEST_F(Archiwum, HistoriaKlientaOdNajnowszego) {
    PokazKlienta();
    EXPECT_EQ(okno.windowTitle(), "Archiwum klienta");
    EXPECT_EQ(Etykieta(okno, "lNumer"), "Numer klienta");
    EXPECT_EQ(Etykieta(okno, "lNazwa"), "Klient");
    EXPECT_EQ(Etykieta(okno, "lLicznik"), "Ilość wypożyczeń");
    EXPECT_EQ(Pole(okno, "eNumer"), "0012");
    EXPECT_EQ(Pole(okno, "eNazwa"), "Kowalski Jan");
    EXPECT_EQ(okno.findChild<QLineEdit*>("eNazwa")->cursorPosition(), 0) << "its beginning shows";
    EXPECT_EQ(Pole(okno, "eLicznik"), "3");

    QTableView* sg = Siatka(okno);
    EXPECT_EQ(Naglowki(sg),
              (std::vector<QString>{"Nr filmu", "Tytuł", "Data wypożyczenia", "Data zwrotu"}));
    ASSERT_EQ(Wierszy(sg), 3);
    EXPECT_EQ(Wiersz(sg, 0), (std::vector<QString>{"0102", "Ogniem i mieczem (Ogniem i mieczem)",
                                                   "01.03.2024", "", "11"}));
    EXPECT_EQ(Wiersz(sg, 1), (std::vector<QString>{"", "", "15.02.2024", "16.02.2024", ""}));
    EXPECT_EQ(Wiersz(sg, 2),
              (std::vector<QString>{"0101", "Jaws (Szczęki)", "10.01.2024", "12.01.2024", "10"}));
    EXPECT_TRUE(sg->isColumnHidden(4));
    EXPECT_EQ(sg->selectionBehavior(), QAbstractItemView::SelectRows);

    // The widths follow the grid's width at every resize.
    EXPECT_EQ(sg->columnWidth(0), 55);
    EXPECT_EQ(sg->columnWidth(1), sg->width() - 275);
    EXPECT_EQ(sg->columnWidth(2), 100);
    EXPECT_EQ(sg->columnWidth(3), 100);
    okno.resize(900, 400);
    QApplication::processEvents();
    EXPECT_EQ(sg->columnWidth(1), sg->width() - 275);
    EXPECT_GT(sg->columnWidth(1), 500);
}

TEST_F(Archiwum, PustaHistoriaPoPelnejMaJednaPustaLinie) {
    okno.UstawArchiwum(1, 1);
    okno.FormShow();
    ASSERT_EQ(Wierszy(Siatka(okno)), 3);
    okno.UstawArchiwum(1, 2);
    okno.FormShow();
    QTableView* sg = Siatka(okno);
    ASSERT_EQ(Wierszy(sg), 1);
    EXPECT_EQ(Wiersz(sg, 0), (std::vector<QString>(5)));
    EXPECT_EQ(Pole(okno, "eNazwa"), "Wąsowicz Żaneta");
    EXPECT_EQ(Pole(okno, "eLicznik"), "0");

    // The empty line holds no subject: a double click on it changes nothing.
    okno.show();
    DwuklikWiersza(sg, 0);
    EXPECT_EQ(okno.windowTitle(), "Archiwum klienta");
    EXPECT_EQ(okno.IdArchiwum(), 2);
}

TEST_F(Archiwum, DwuklikPrzechodziOdKlientaDoFilmuIZPowrotem) {
    PokazKlienta();
    QTableView* sg = Siatka(okno);

    DwuklikWiersza(sg, 2);  // Jaws
    EXPECT_EQ(okno.windowTitle(), "Archwium filmu");
    EXPECT_EQ(okno.RodzajArchiwum(), 2);
    EXPECT_EQ(Etykieta(okno, "lNumer"), "Numer filmu");
    EXPECT_EQ(Etykieta(okno, "lNazwa"), "Tytuł");
    EXPECT_EQ(Etykieta(okno, "lLicznik"), "Wpływy");
    EXPECT_EQ(Pole(okno, "eNumer"), "0101");
    EXPECT_EQ(Pole(okno, "eNazwa"), "Jaws (Szczęki)");
    EXPECT_EQ(Pole(okno, "eLicznik"), "45,50");
    EXPECT_EQ(Naglowki(sg),
              (std::vector<QString>{"Nr klienta", "Klient", "Data wypożyczenia", "Data zwrotu"}));
    ASSERT_EQ(Wierszy(sg), 2);
    EXPECT_EQ(Wiersz(sg, 0),
              (std::vector<QString>{"0007", "Nowak Anna", "20.02.2024", "21.02.2024", "3"}));
    EXPECT_EQ(Wiersz(sg, 1),
              (std::vector<QString>{"0012", "Kowalski Jan", "10.01.2024", "12.01.2024", "1"}));

    DwuklikWiersza(sg, 0);  // Anna Nowak
    EXPECT_EQ(okno.windowTitle(), "Archiwum klienta");
    EXPECT_EQ(Pole(okno, "eNazwa"), "Nowak Anna");
    ASSERT_EQ(Wierszy(sg), 1);
    EXPECT_EQ(Wiersz(sg, 0)[1], "Jaws (Szczęki)");
}

TEST_F(Archiwum, FilmONieznanymNumerze) {
    okno.UstawArchiwum(2, 0);
    okno.FormShow();
    EXPECT_EQ(okno.windowTitle(), "Archwium filmu");
    EXPECT_EQ(Pole(okno, "eNumer"), "0000");
    EXPECT_EQ(Pole(okno, "eNazwa"), "");
    EXPECT_EQ(Pole(okno, "eLicznik"), "0,00");
    ASSERT_EQ(Wierszy(Siatka(okno)), 1);
    EXPECT_EQ(Wiersz(Siatka(okno), 0), (std::vector<QString>(5)));
}

TEST_F(Archiwum, BladZapytaniaZostawiaLinie) {
    okno.UstawArchiwum(1, 1);
    okno.FormShow();
    baza.Wykonaj("drop table rental");
    FakeInterakcja f;
    okno.UstawArchiwum(1, 3);
    okno.FormShow();
    ASSERT_EQ(f.komunikaty.size(), 1u);  // the store's own error text
    EXPECT_EQ(f.komunikaty[0].ikona, TIkona::Brak);
    EXPECT_EQ(Wierszy(Siatka(okno)), 3);
    EXPECT_EQ(Wiersz(Siatka(okno), 2)[1], "Jaws (Szczęki)");
}

TEST_F(Archiwum, KlawiaturaZaznaczenieIKopiowanie) {
    PokazKlienta();
    QTableView* sg = Siatka(okno);
    auto zaznaczone = [sg] {
        std::vector<int> w;
        for (const QModelIndex& i : sg->selectionModel()->selectedRows()) w.push_back(i.row());
        return w;
    };
    // The newest line is current and marked whole; the arrow keys move the mark.
    EXPECT_EQ(sg->currentIndex().row(), 0);
    EXPECT_EQ(zaznaczone(), std::vector<int>{0});
    sg->setFocus();
    QTest::keyClick(sg, Qt::Key_Down);
    QTest::keyClick(sg, Qt::Key_Down);
    EXPECT_EQ(zaznaczone(), std::vector<int>{2});
    QTest::keyClick(sg, Qt::Key_Down);
    EXPECT_EQ(zaznaczone(), std::vector<int>{2}) << "the last line stays";

    // The copy takes the cells as shown, without the hidden ID.
    sg->findChild<QAction*>("miKopiuj")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(),
              QString("0101\tJaws (Szczęki)\t10.01.2024\t12.01.2024\n"));

    // In the film's history the first line is current again.
    DwuklikWiersza(sg, 2);
    EXPECT_EQ(okno.RodzajArchiwum(), 2);
    EXPECT_EQ(zaznaczone(), std::vector<int>{0});
    QApplication::clipboard()->clear();
    sg->findChild<QAction*>("miKopiuj")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(),
              QString("0007\tNowak Anna\t20.02.2024\t21.02.2024\n"));
}

TEST_F(Archiwum, PrzejscieZBledemZostawiaPusteLinie) {
    PokazKlienta();
    QTableView* sg = Siatka(okno);
    baza.Wykonaj("drop table rental");
    FakeInterakcja f;
    DwuklikWiersza(sg, 2);  // Jaws: its rentals cannot be read
    EXPECT_EQ(f.komunikaty.size(), 1u);
    EXPECT_EQ(Pole(okno, "eNazwa"), "Jaws (Szczęki)");
    // No line of the client's stays under the film; nothing of them is copied.
    ASSERT_EQ(Wierszy(sg), 3);
    for (int w = 0; w < 3; ++w) EXPECT_EQ(Wiersz(sg, w), std::vector<QString>(5)) << w;
    QApplication::clipboard()->setText("przed");
    sg->selectAll();
    sg->findChild<QAction*>("miKopiuj")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "przed");
    DwuklikWiersza(sg, 0);
    EXPECT_EQ(okno.RodzajArchiwum(), 2) << "an emptied line leads nowhere";
}

TEST_F(Archiwum, RaportZOknaPodgladPytanieDruk) {
    okno.UstawArchiwum(2, 10);
    okno.FormShow();
    EXPECT_EQ(okno.findChild<QPushButton*>("bRaport")->text(), "Raport <F2>");
    EXPECT_EQ(okno.findChild<QPushButton*>("bZamknij")->text(), "Zamknij <F10>");
    auto* miRaport = okno.findChild<QAction*>("miRaport");
    EXPECT_EQ(miRaport->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(okno.findChild<QAction*>("miZamknij")->shortcut(), QKeySequence(Qt::Key_F10));

    FakeDrukarka drukarka;
    FakeInterakcja f;
    f.PrzyOknie([](QDialog&) { return QDialog::Accepted; });
    f.Odpowiedz(QMessageBox::Yes);
    miRaport->trigger();
    EXPECT_EQ(f.pokazaneOkna, (std::vector<QString>{"TfPodglad"}));
    ASSERT_EQ(f.komunikaty.size(), 1u);
    EXPECT_EQ(f.komunikaty[0].tekst, "Czy rozpocząć drukowanie?");
    EXPECT_EQ(drukarka.zadania, (std::vector<QString>{"Wirdolan - archiwum klienta"}));
}

TEST(RapArchiwum, KlientPasmaITeksty) {
    TestowaBaza baza(QDate(2024, 3, 5));
    Wypelnij(baza);
    TfRapArchiwum r;
    r.Przygotuj(1, 1);
    EXPECT_EQ(r.TytulZadania, "Wirdolan - archiwum klienta");
    const auto& strony = r.Strony();
    ASSERT_EQ(strony.size(), 1u);
    const TStrona& s = strony[0];
    EXPECT_EQ(Teksty(s, TRodzajPasma::NaglowekStrony),
              (std::vector<QString>{"Archiwum klienta", "Stan na dzień", "05.03.2024"}));
    for (const auto& t : s.TekstyPasma(TRodzajPasma::NaglowekStrony))
        EXPECT_EQ(t.czcionka, TCzcionka::PogrubionaKursywa(10)) << t.tekst.toStdString();
    EXPECT_EQ(Teksty(s, TRodzajPasma::Tytul),
              (std::vector<QString>{"Nr:", "0012", "Klient:", "Jan Kowalski",
                                    "Liczba wypożyczeń:", "3"}));
    EXPECT_TRUE(s.Znajdz("Jan Kowalski")->czcionka.pogrubiona);
    EXPECT_TRUE(s.Znajdz("0012")->czcionka.pogrubiona);
    EXPECT_EQ(Teksty(s, TRodzajPasma::NaglowekKolumn),
              (std::vector<QString>{"Nr filmu", "Tytuł", "Data wypożyczenia", "Data zwrotu"}));
    for (const auto& t : s.TekstyPasma(TRodzajPasma::NaglowekKolumn))
        EXPECT_EQ(t.czcionka, TCzcionka::Pogrubiona(10));
    // Newest first; the rental still out has no return date, the lost film no number.
    EXPECT_EQ(Teksty(s, TRodzajPasma::Szczegoly),
              (std::vector<QString>{"0102", "Ogniem i mieczem (Ogniem i mieczem)", "01.03.2024",
                                    "15.02.2024", "16.02.2024", "0101", "Jaws (Szczęki)",
                                    "10.01.2024", "12.01.2024"}));
    for (const auto& t : s.TekstyPasma(TRodzajPasma::Szczegoly))
        EXPECT_EQ(t.czcionka, TCzcionka::Zwykla(10));
    // The title and the column header are framed; the footer has a line above it.
    EXPECT_EQ(s.ramki.size(), 2u);
    ASSERT_EQ(s.linie.size(), 1u);
    EXPECT_GT(s.linie[0].y1(), 260);
    EXPECT_FALSE(r.QueryNaglowek.Active());
    EXPECT_FALSE(r.Dane.Active());
}

TEST(RapArchiwum, FilmPasmaITeksty) {
    TestowaBaza baza;
    Wypelnij(baza);
    TfRapArchiwum r;
    r.Przygotuj(2, 10);
    const TStrona& s = r.Strony().at(0);
    EXPECT_EQ(Teksty(s, TRodzajPasma::NaglowekStrony)[0], "Archiwum filmu");
    EXPECT_EQ(
        Teksty(s, TRodzajPasma::Tytul),
        (std::vector<QString>{"Nr:", "0101", "Tytuł:", "Jaws (Szczęki)", "Wpływy:", "45,50"}));
    EXPECT_EQ(Teksty(s, TRodzajPasma::NaglowekKolumn),
              (std::vector<QString>{"Nr klienta", "Klient", "Data wypożyczenia", "Data zwrotu"}));
    EXPECT_EQ(Teksty(s, TRodzajPasma::Szczegoly),
              (std::vector<QString>{"0007", "Nowak Anna", "20.02.2024", "21.02.2024", "0012",
                                    "Kowalski Jan", "10.01.2024", "12.01.2024"}));
}

TEST(RapArchiwum, KlientBezWypozyczenDrukujeNaglowki) {
    TestowaBaza baza;
    Wypelnij(baza);
    TfRapArchiwum r;
    r.Przygotuj(1, 2);
    const auto& strony = r.Strony();
    ASSERT_EQ(strony.size(), 1u);
    const TStrona& s = strony[0];
    EXPECT_EQ(Teksty(s, TRodzajPasma::NaglowekStrony).size(), 3u);
    EXPECT_EQ(Teksty(s, TRodzajPasma::Tytul)[3], "Żaneta Wąsowicz");
    EXPECT_EQ(Teksty(s, TRodzajPasma::NaglowekKolumn).size(), 4u);
    EXPECT_TRUE(s.TekstyPasma(TRodzajPasma::Szczegoly).empty());
    EXPECT_NE(s.Znajdz("Wydruk z programu Wirdolan"), nullptr);
}

TEST(RapArchiwum, PdfZPolskimiLiterami) {
    TestowaBaza baza;
    Wypelnij(baza);
    baza.Wykonaj("drop index rental_otwarty_film");  // film 11 is out already
    baza.Wykonaj(
        "insert into rental (id_filmu, id_klienta, dataOD, zwrocono) values "
        "(11, 2, '2024-03-04', 0)");
    TfRapArchiwum r;
    r.Przygotuj(2, 11);
    QTemporaryDir katalog;
    const QString plik = katalog.filePath("archiwum.pdf");
    ASSERT_TRUE(r.ZapiszPDF(plik));
    QProcess p;
    p.start("pdftotext", {"-layout", plik, "-"});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString tekst = QString::fromUtf8(p.readAllStandardOutput());
    for (const char* oczekiwany :
         {"Archiwum filmu", "Stan na dzień", "Wpływy:", "Data wypożyczenia", "Wąsowicz Żaneta",
          "Kowalski Jan", "04.03.2024", "Wydruk z programu Wirdolan"})
        EXPECT_TRUE(tekst.contains(QString::fromUtf8(oczekiwany))) << oczekiwany << "\n"
                                                                   << tekst.toStdString();
}
