#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>

#include "FakeDrukarka.h"
#include "Pomocnicze.h"
#include "clients/uKlient.h"
#include "clients/uWplata.h"
#include "clients/uZaleglosci.h"
#include "reports/uFilmyWyp.h"
#include "reports/uRapFilmyWyp.h"
#include "settings/uConfig.h"
#include "support/FakeInterakcja.h"
#include "support/OknoGlobalne.h"
#include "support/TestowaBaza.h"

namespace {

// Today is 05.03.2024. Nowak has two films out, one due yesterday and one due today;
// Żak (archived) has a withdrawn film out, due next week, and an overdue one returned.
void Wypelnij(const TestowaBaza& baza) {
    baza.Wykonaj(
        "insert into klient (ID, Numer_klienta, Imie, Nazwisko, Aktualny) values "
        "(1, 3, 'Anna', 'Nowak', 1), (2, 8, 'Łukasz', 'Żak', 0)");
    baza.Wykonaj(
        "insert into film (ID, Numer_filmu, Tytul_oryginalny, Tytul_polski, Aktualny, Status) "
        "values (1, 1, 'Alien', 'Obcy', 1, 0), (2, 2, 'Heat', 'Gorączka', 1, 0), "
        "(3, 3, 'Jaws', 'Szczęki', 0, 0), (4, 4, 'Up', 'Odlot', 1, 1)");
    baza.Wykonaj(
        "insert into rental (id_filmu, id_klienta, dataOD, dataDO, zwrocono) values "
        "(1, 1, '2024-03-01', '2024-03-04', 0), (2, 1, '2024-03-03', '2024-03-05', 0), "
        "(3, 2, '2024-03-04', '2024-03-12', 0), (4, 2, '2024-02-01', '2024-02-03', 1)");
}

QTableWidget* Siatka(QDialog& okno) {
    return okno.findChild<QTableWidget*>("sgFilmy");
}

// Detail texts of the report grouped by line (four texts a line).
std::vector<std::vector<QString>> LinieRaportu(const TStrona& s) {
    const auto t = Teksty(s, TRodzajPasma::Szczegoly);
    std::vector<std::vector<QString>> linie;
    for (size_t i = 0; i + 3 < t.size(); i += 4)
        linie.push_back({t[i], t[i + 1], t[i + 2], t[i + 3]});
    std::sort(linie.begin(), linie.end());
    return linie;
}

}  // namespace

TEST(FilmyWyp, WszystkieOtwarteTakzeZarchiwizowanegoKlientaIWycofanegoFilmu) {
    TestowaBaza baza(QDate(2024, 3, 5));
    Wypelnij(baza);
    TfFilmyWyp okno;
    okno.resize(720, 400);
    okno.WczytajWypozyczone(0);
    okno.show();
    EXPECT_EQ(okno.windowTitle(), QString::fromUtf8("Filmy wypożyczone"));
    QTableWidget* sg = Siatka(okno);
    std::vector<QString> naglowki;
    for (int k = 0; k < 4; ++k) naglowki.push_back(sg->horizontalHeaderItem(k)->text());
    EXPECT_EQ(naglowki,
              (std::vector<QString>{"Film", "Klient", QString::fromUtf8("Data wypożyczenia"),
                                    "Termin zwrotu"}));
    // One client with two films is two lines.
    EXPECT_EQ(
        PosortowaneWiersze(sg),
        (std::vector<std::vector<QString>>{
            {"Alien (Obcy)", "Nowak Anna", "01.03.2024", "04.03.2024", "1"},
            {QString::fromUtf8("Heat (Gorączka)"), "Nowak Anna", "03.03.2024", "05.03.2024", "1"},
            {QString::fromUtf8("Jaws (Szczęki)"), QString::fromUtf8("Żak Łukasz"), "04.03.2024",
             "12.03.2024", "2"}}));

    // Widths: the two dates 100 each, the rest halved (toward zero) between film and client.
    EXPECT_TRUE(sg->isColumnHidden(4));
    EXPECT_EQ(sg->columnWidth(2), 100);
    EXPECT_EQ(sg->columnWidth(3), 100);
    EXPECT_EQ(sg->columnWidth(0), (sg->width() - 220) / 2);
    EXPECT_EQ(sg->columnWidth(1), (sg->width() - 220) / 2);
    okno.resize(801, 400);
    QApplication::processEvents();
    EXPECT_EQ(sg->columnWidth(0), (sg->width() - 220) / 2);
    EXPECT_EQ(sg->columnWidth(1), sg->columnWidth(0));
    EXPECT_EQ(okno.findChild<QAction*>("miRaport")->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(okno.findChild<QAction*>("miZamknij")->shortcut(), QKeySequence(Qt::Key_F10));
    auto* menu = okno.findChild<QMenu*>("menuMenu");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), "Menu");
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[0]->text(), "Raport");
    EXPECT_EQ(menu->actions()[1]->text(), "Zamknij");

    // Minimised with the program, the window keeps its lines; closed, it keeps none, and the
    // next opening fills it again.
    okno.showMinimized();
    QApplication::processEvents();
    EXPECT_EQ(sg->rowCount(), 3);
    okno.showNormal();
    okno.hide();
    EXPECT_EQ(sg->rowCount(), 1);
    EXPECT_EQ(sg->item(0, 0), nullptr);
    okno.WczytajWypozyczone(0);
    EXPECT_EQ(sg->rowCount(), 3);
}

TEST(FilmyWyp, PrzeterminowaneToTerminPrzedDzisiaj) {
    TestowaBaza baza(QDate(2024, 3, 5));
    Wypelnij(baza);
    TfFilmyWyp okno;
    okno.WczytajWypozyczone(1);
    EXPECT_EQ(okno.windowTitle(), QString::fromUtf8("Wypożyczenia przeterminowane"));
    EXPECT_EQ(okno.RodzajListy(), 1);
    // Due yesterday is overdue; due today is not; a returned overdue film is not listed.
    EXPECT_EQ(PosortowaneWiersze(Siatka(okno)),
              (std::vector<std::vector<QString>>{
                  {"Alien (Obcy)", "Nowak Anna", "01.03.2024", "04.03.2024", "1"}}));

    // The same window refilled for all films out lists all three again.
    okno.WczytajWypozyczone(0);
    EXPECT_EQ(Siatka(okno)->rowCount(), 3);
    EXPECT_EQ(okno.windowTitle(), QString::fromUtf8("Filmy wypożyczone"));
}

TEST(FilmyWyp, BezOtwartychJednaPustaLiniaTakzePoWczesniejszymWypelnieniu) {
    TestowaBaza baza;
    Wypelnij(baza);
    TfFilmyWyp okno;
    okno.WczytajWypozyczone(0);
    ASSERT_EQ(Siatka(okno)->rowCount(), 3);
    baza.Wykonaj("update rental set zwrocono = True");
    okno.WczytajWypozyczone(0);
    SprawdzPustaLinie(okno, Siatka(okno));
}

TEST(FilmyWyp, BladZapytaniaZostawiaNaglowekIJednaPustaLinie) {
    TestowaBaza baza;
    Wypelnij(baza);
    TfFilmyWyp okno;
    okno.WczytajWypozyczone(0);
    baza.Wykonaj("drop table rental");
    FakeInterakcja f;
    okno.WczytajWypozyczone(0);
    ASSERT_EQ(f.komunikaty.size(), 1u);  // the store's error text
    ASSERT_EQ(Siatka(okno)->rowCount(), 1);
    EXPECT_EQ(Wiersz(Siatka(okno), 0), (std::vector<QString>(5)));
    EXPECT_EQ(Siatka(okno)->horizontalHeaderItem(0)->text(), "Film");
}

TEST(FilmyWyp, ZmianaNazwiskaPoprawiaTylkoTeLinie) {
    TestowaBaza baza;
    Wypelnij(baza);
    baza.Wykonaj(
        "update klient set Ostatnie_wypozyczenie = '2024-03-03', Licznik = 0, "
        "LicznikAb = 0, Rabat = 0, Saldo = 0, Abonament = False");
    TOknoGlobalne<TfConfig> config{fConfig};
    TOknoGlobalne<TfWplata> wplata{fWplata};
    TOknoGlobalne<TfZaleglosci> zaleglosci{fZaleglosci};
    TOknoGlobalne<TfKlient> klient{fKlient};

    TfFilmyWyp okno;
    okno.WczytajWypozyczone(0);
    okno.show();
    QTableWidget* sg = Siatka(okno);
    const int alien = WierszZTekstem(sg, 0, "Alien (Obcy)");
    const int heat = WierszZTekstem(sg, 0, QString::fromUtf8("Heat (Gorączka)"));
    ASSERT_GE(alien, 0);
    ASSERT_GE(heat, 0);

    FakeInterakcja f;
    // A cancelled client dialog changes nothing.
    f.PrzyOknie([](QDialog&) { return QDialog::Rejected; });
    DwuklikWiersza(sg, alien);
    EXPECT_EQ(Wiersz(sg, alien)[1], "Nowak Anna");

    f.PrzyOknie(ZapiszKlienta(QString::fromUtf8("Nowak-Wiśniewska")));
    DwuklikWiersza(sg, alien);
    EXPECT_EQ(f.pokazaneOkna, (std::vector<QString>{"TfKlient", "TfKlient"}));
    EXPECT_EQ(baza.Wartosc("select Nazwisko from klient where ID = 1").toString(),
              QString::fromUtf8("Nowak-Wiśniewska"));
    EXPECT_EQ(Wiersz(sg, alien)[1], QString::fromUtf8("Nowak-Wiśniewska Anna"));
    EXPECT_EQ(Wiersz(sg, heat)[1], "Nowak Anna") << "other lines wait for the next filling";
    EXPECT_EQ(Wiersz(sg, alien)[0], "Alien (Obcy)");
}

TEST(FilmyWyp, RaportZOknaDlaRodzajuListy) {
    TestowaBaza baza(QDate(2024, 3, 5));
    Wypelnij(baza);
    TfFilmyWyp okno;
    okno.WczytajWypozyczone(1);
    FakeDrukarka drukarka;
    FakeInterakcja f;
    f.PrzyOknie([](QDialog&) { return QDialog::Accepted; });
    f.Odpowiedz(QMessageBox::Yes);
    okno.findChild<QPushButton*>("bRaport")->click();
    EXPECT_EQ(f.pokazaneOkna, (std::vector<QString>{"TfPodglad"}));
    ASSERT_EQ(f.komunikaty.size(), 1u);
    EXPECT_EQ(f.komunikaty[0].tekst, QString::fromUtf8("Czy rozpocząć drukowanie?"));
    EXPECT_EQ(f.komunikaty[0].domyslny, QMessageBox::Yes);
    EXPECT_EQ(drukarka.zadania,
              (std::vector<QString>{QString::fromUtf8("Wirdolan - filmy wypożyczone")}));

    // No: nothing printed.
    f.PrzyOknie([](QDialog&) { return QDialog::Accepted; });
    f.Odpowiedz(QMessageBox::No);
    okno.findChild<QAction*>("miRaport")->trigger();
    EXPECT_EQ(drukarka.zadania.size(), 1u);
}

TEST(RapFilmyWyp, UkladPasm) {
    TestowaBaza baza(QDate(2024, 3, 5));
    Wypelnij(baza);
    TfRapFilmyWyp r;
    r.Przygotuj(0);
    const auto& strony = r.Strony();
    ASSERT_EQ(strony.size(), 1u);
    const TStrona& s = strony[0];
    EXPECT_TRUE(s.TekstyPasma(TRodzajPasma::NaglowekStrony).empty());

    // Title: heading, "Stan na dzień" and today's date, 12-point bold.
    const auto tytul = s.TekstyPasma(TRodzajPasma::Tytul);
    ASSERT_EQ(tytul.size(), 3u);
    const std::vector<std::pair<const char*, double>> tytulOczekiwany = {
        {"Filmy wypożyczone", 3.2}, {"Stan na dzień", 130.2}, {"05.03.2024", 159.8}};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(tytul[i].tekst, QString::fromUtf8(tytulOczekiwany[i].first));
        EXPECT_DOUBLE_EQ(tytul[i].prostokat.x(), tytulOczekiwany[i].second);
        EXPECT_EQ(tytul[i].czcionka, TCzcionka::Pogrubiona(12));
    }

    const auto kolumny = s.TekstyPasma(TRodzajPasma::NaglowekKolumn);
    ASSERT_EQ(kolumny.size(), 4u);
    const std::vector<std::pair<const char*, double>> kolumnyOczekiwane = {
        {"Film", 2.1}, {"Klient", 69.9}, {"Data wypożyczenia", 128.1}, {"Termin zwrotu", 163.0}};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(kolumny[i].tekst, QString::fromUtf8(kolumnyOczekiwane[i].first));
        EXPECT_DOUBLE_EQ(kolumny[i].prostokat.x(), kolumnyOczekiwane[i].second);
        EXPECT_EQ(kolumny[i].czcionka, TCzcionka::Pogrubiona(10));
    }
    // The column header follows the title on the same page.
    EXPECT_GT(kolumny[0].prostokat.y(), tytul[0].prostokat.y());

    const auto szczegoly = s.TekstyPasma(TRodzajPasma::Szczegoly);
    ASSERT_EQ(szczegoly.size(), 12u);
    const double x[] = {3.2, 69.9, 128.6, 164.0};
    for (size_t i = 0; i < szczegoly.size(); ++i) {
        EXPECT_DOUBLE_EQ(szczegoly[i].prostokat.x(), x[i % 4]) << i;
        EXPECT_EQ(szczegoly[i].czcionka, TCzcionka::Zwykla(10));
    }
    EXPECT_EQ(LinieRaportu(s),
              (std::vector<std::vector<QString>>{
                  {"Alien (Obcy)", "Nowak Anna", "01.03.2024", "04.03.2024"},
                  {QString::fromUtf8("Heat (Gorączka)"), "Nowak Anna", "03.03.2024", "05.03.2024"},
                  {QString::fromUtf8("Jaws (Szczęki)"), QString::fromUtf8("Żak Łukasz"),
                   "04.03.2024", "12.03.2024"}}));
    EXPECT_EQ(Teksty(s, TRodzajPasma::StopkaStrony),
              (std::vector<QString>{"Wydruk z programu Wirdolan"}));
    EXPECT_TRUE(s.linie.empty()) << "the footer has no rule above it";
    EXPECT_EQ(r.TytulZadania, QString::fromUtf8("Wirdolan - filmy wypożyczone"));
}

TEST(RapFilmyWyp, PrzeterminowaneINicDoWydruku) {
    TestowaBaza baza(QDate(2024, 3, 5));
    Wypelnij(baza);
    {
        TfRapFilmyWyp r;
        r.Przygotuj(1);
        const TStrona& s = r.Strony().at(0);
        EXPECT_EQ(Teksty(s, TRodzajPasma::Tytul)[0],
                  QString::fromUtf8("Wypożyczenia przeterminowane"));
        EXPECT_EQ(LinieRaportu(s),
                  (std::vector<std::vector<QString>>{
                      {"Alien (Obcy)", "Nowak Anna", "01.03.2024", "04.03.2024"}}));
    }
    baza.Wykonaj("update rental set zwrocono = True");
    TfRapFilmyWyp r;
    r.Przygotuj(0);
    EXPECT_EQ(LiczbyTekstow(r), (std::vector<size_t>{1, 0, 3, 4, 0, 1}));
}
