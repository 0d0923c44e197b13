#include <gtest/gtest.h>

#include "FakeDrukarka.h"
#include "Pomocnicze.h"
#include "reports/uRapRentownosc.h"
#include "reports/uRaporty.h"
#include "store/Katalogi.h"
#include "support/FakeInterakcja.h"
#include "support/TestowaBaza.h"

namespace {

class Rentownosc : public ::testing::Test {
protected:
    void SetUp() override { KatalogBazy = baza.Katalog(); }
    void TearDown() override { KatalogBazy.clear(); }

    // The detail texts line by line (number, name, amount).
    static std::vector<std::vector<QString>> Linie(const TStrona& s) {
        const auto t = Teksty(s, TRodzajPasma::Szczegoly);
        std::vector<std::vector<QString>> linie;
        for (size_t i = 0; i + 2 < t.size(); i += 3) linie.push_back({t[i], t[i + 1], t[i + 2]});
        return linie;
    }

    TestowaBaza baza{QDate(2024, 3, 5)};
};

void Filmy(const TestowaBaza& baza) {
    baza.Wykonaj(
        "insert into film (ID, Numer_filmu, Tytul_oryginalny, Tytul_polski, Wplywy, Aktualny) "
        "values (1, 1, 'Alien', 'Obcy', 120, 1), (2, 2, 'Heat', 'Gorączka', 45.5, 1), "
        "(3, 3, 'Jaws', 'Szczęki', 300, 1), (4, 4, 'Up', 'Odlot', 1000, 0)");
}

// Nowak: two returned rentals and one out; Żak (archived): one returned; Kot: only out;
// Lis: returned before the charge was kept.
void Klienci(const TestowaBaza& baza) {
    baza.Wykonaj(
        "insert into klient (ID, Numer_klienta, Imie, Nazwisko, Aktualny) values "
        "(1, 3, 'Anna', 'Nowak', 1), (2, 8, 'Łukasz', 'Żak', 0), (3, 9, 'Ewa', 'Kot', 1), "
        "(4, 12, 'Jan', 'Lis', 1)");
    baza.Wykonaj(
        "insert into rental (id_filmu, id_klienta, dataOD, dataDO, zwrocono, naleznosc) values "
        "(1, 1, '2024-02-01', '2024-02-02', 1, 10), (2, 1, '2024-02-05', '2024-02-06', 1, 20.25),"
        "(3, 1, '2024-03-01', '2024-03-08', 0, 99), (1, 2, '2024-02-10', '2024-02-11', 1, 7.5),"
        "(2, 3, '2024-03-02', '2024-03-09', 0, 500)");
    baza.Wykonaj(
        "insert into rental (id_filmu, id_klienta, dataOD, dataDO, zwrocono) values "
        "(3, 4, '2023-01-01', '2023-01-02', 1), (1, 4, '2023-02-01', '2023-02-02', 1)");
}

}  // namespace

TEST(KwotaRankingu, Zlotowki) {
    EXPECT_EQ(KwotaRankingu(TKwota::ZGroszy(4550)), QString::fromUtf8("45,50 zł"));
    EXPECT_EQ(KwotaRankingu(TKwota::ZGroszy(123400)), QString::fromUtf8("1234,00 zł"));
}

TEST(RodzajRentownosci, PoNazwiePozycjiMenu) {
    EXPECT_EQ(RodzajRentownosci("miRapRentownoscF"), 1);
    EXPECT_EQ(RodzajRentownosci("miRapRentownoscK"), 2);
    EXPECT_EQ(RodzajRentownosci("miCokolwiek"), 2);
}

TEST_F(Rentownosc, FilmyWedlugWplywowBezWycofanych) {
    Filmy(baza);
    TfRapRentownosc r;
    r.Przygotuj(1);
    EXPECT_EQ(r.Rodzaj, 1);
    const auto& strony = r.Strony();
    ASSERT_EQ(strony.size(), 1u);
    const TStrona& s = strony[0];
    EXPECT_EQ(Teksty(s, TRodzajPasma::NaglowekStrony),
              (std::vector<QString>{QString::fromUtf8("Najczęściej wypożyczane filmy"),
                                    QString::fromUtf8("Stan na dzień"), "05.03.2024"}));
    EXPECT_EQ(Teksty(s, TRodzajPasma::NaglowekKolumn),
              (std::vector<QString>{"Nr filmu", QString::fromUtf8("Tytuł"),
                                    QString::fromUtf8("Wpływy")}));
    // Highest first; the withdrawn film never appears, however much it earned.
    EXPECT_EQ(Linie(s),
              (std::vector<std::vector<QString>>{
                  {"0003", QString::fromUtf8("Jaws (Szczęki)"), QString::fromUtf8("300,00 zł")},
                  {"0001", "Alien (Obcy)", QString::fromUtf8("120,00 zł")},
                  {"0002", QString::fromUtf8("Heat (Gorączka)"), QString::fromUtf8("45,50 zł")}}));
}

TEST_F(Rentownosc, KlienciWedlugSumyZwroconych) {
    Klienci(baza);
    TfRapRentownosc r;
    r.Przygotuj(2);
    const TStrona& s = r.Strony().at(0);
    EXPECT_EQ(Teksty(s, TRodzajPasma::NaglowekStrony)[0],
              QString::fromUtf8("Najczęściej wypożyczający klienci"));
    EXPECT_EQ(
        Teksty(s, TRodzajPasma::NaglowekKolumn),
        (std::vector<QString>{"Nr klienta", "Dane klienta", QString::fromUtf8("Suma płatności")}));
    // Open rentals never count: Kot is left out and Nowak's 99.00 is not added. The
    // archived Żak is ranked; Lis's missing charges read 0,00 zł.
    EXPECT_EQ(Linie(s), (std::vector<std::vector<QString>>{
                            {"0003", "Nowak Anna", QString::fromUtf8("30,25 zł")},
                            {"0008", QString::fromUtf8("Żak Łukasz"), QString::fromUtf8("7,50 zł")},
                            {"0012", "Lis Jan", QString::fromUtf8("0,00 zł")}}));
}

TEST_F(Rentownosc, RowneKwotyAlfabetycznie) {
    baza.Wykonaj(QString::fromUtf8(
        "insert into film (ID, Numer_filmu, Tytul_oryginalny, Tytul_polski, Wplywy, Aktualny) "
        "values (1, 1, 'Żmija', 'Ż', 50, 1), (2, 2, 'Zorro', 'Z', 50, 1), (3, 3, 'Łowca', 'Ł', "
        "50, 1), (4, 4, 'Lot', 'L', 50, 1), (5, 5, 'Heat', 'H', 90, 1)"));
    baza.Wykonaj(QString::fromUtf8(
        "insert into klient (ID, Numer_klienta, Imie, Nazwisko) values (1, 1, 'Jan', 'Śliwa'), "
        "(2, 2, 'Jan', 'Sowa'), (3, 3, 'Ósma', 'Łoś'), (4, 4, 'Ola', 'Łoś')"));
    baza.Wykonaj(
        "insert into rental (id_filmu, id_klienta, dataOD, dataDO, zwrocono, naleznosc) values "
        "(1, 1, '2024-02-01', '2024-02-02', 1, 10), (1, 2, '2024-02-01', '2024-02-02', 1, 10), "
        "(1, 3, '2024-02-01', '2024-02-02', 1, 10), (1, 4, '2024-02-01', '2024-02-02', 1, 10)");
    const auto kolumna = [&](int rodzaj) {
        TfRapRentownosc r;
        r.Przygotuj(rodzaj);
        QStringList t;
        for (const auto& l : Linie(r.Strony().at(0))) t << l[1];
        return t;
    };
    EXPECT_EQ(kolumna(1),
              QStringList({"Heat (H)", "Lot (L)", "Łowca (Ł)", "Zorro (Z)", "Żmija (Ż)"}));
    EXPECT_EQ(kolumna(2), QStringList({"Łoś Ola", "Łoś Ósma", "Sowa Jan", "Śliwa Jan"}));
}

TEST_F(Rentownosc, BezCiecia) {
    for (int i = 1; i <= 70; ++i)
        baza.Wykonaj(QStringLiteral("insert into film (Numer_filmu, Tytul_oryginalny, "
                                    "Tytul_polski, Wplywy, Aktualny) values (%1, 'F%1', 'P%1', "
                                    "%1, 1)")
                         .arg(i));
    TfRapRentownosc r;
    r.Przygotuj(1);
    const auto& strony = r.Strony();
    ASSERT_GE(strony.size(), 2u);
    size_t linii = 0;
    for (const auto& s : strony) {
        linii += Linie(s).size();
        EXPECT_EQ(Teksty(s, TRodzajPasma::NaglowekKolumn).size(), 3u);
        EXPECT_EQ(Teksty(s, TRodzajPasma::NaglowekStrony).size(), 3u);
    }
    EXPECT_EQ(linii, 70u);
    EXPECT_EQ(Linie(strony.back()).back()[2], QString::fromUtf8("1,00 zł"));
}

TEST_F(Rentownosc, UkladPasm) {
    Filmy(baza);
    TfRapRentownosc r;
    r.Przygotuj(1);
    const TStrona& s = r.Strony().at(0);
    const auto naglowek = s.TekstyPasma(TRodzajPasma::NaglowekStrony);
    ASSERT_EQ(naglowek.size(), 3u);
    const double xNaglowka[] = {0, 139.7, 165.1};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_DOUBLE_EQ(naglowek[i].prostokat.x(), xNaglowka[i]);
        EXPECT_EQ(naglowek[i].czcionka, TCzcionka::PogrubionaKursywa(10));
    }
    const auto kolumny = s.TekstyPasma(TRodzajPasma::NaglowekKolumn);
    ASSERT_EQ(kolumny.size(), 3u);
    EXPECT_EQ(kolumny[0].wyrownanie, TWyrownanie::DoPrawej);
    EXPECT_DOUBLE_EQ(kolumny[0].prostokat.right(), 18.3);
    EXPECT_DOUBLE_EQ(kolumny[1].prostokat.x(), 25.4);
    EXPECT_DOUBLE_EQ(kolumny[2].prostokat.x(), 147.1);
    for (const auto& t : kolumny) EXPECT_EQ(t.czcionka, TCzcionka::Pogrubiona(10));

    const auto wiersz = s.TekstyPasma(TRodzajPasma::Szczegoly);
    ASSERT_EQ(wiersz.size(), 9u);
    EXPECT_DOUBLE_EQ(wiersz[0].prostokat.x(), 5.3);
    EXPECT_DOUBLE_EQ(wiersz[1].prostokat.x(), 24.9);
    EXPECT_EQ(wiersz[2].wyrownanie, TWyrownanie::DoPrawej);
    EXPECT_DOUBLE_EQ(wiersz[2].prostokat.right(), 162.9);
    for (const auto& t : wiersz) EXPECT_EQ(t.czcionka, TCzcionka::Zwykla(10));
    EXPECT_TRUE(s.TekstyPasma(TRodzajPasma::Tytul).empty());
    EXPECT_EQ(Teksty(s, TRodzajPasma::StopkaStrony),
              (std::vector<QString>{"Wydruk z programu Wirdolan"}));
    EXPECT_TRUE(s.linie.empty()) << "the footer has no rule above it";
}

TEST_F(Rentownosc, BezWierszyTylkoNaglowkiIStopka) {
    for (int rodzaj : {1, 2}) {
        TfRapRentownosc r;
        r.Przygotuj(rodzaj);
        EXPECT_EQ(LiczbyTekstow(r), (std::vector<size_t>{1, 3, 0, 3, 0, 1})) << rodzaj;
    }
}

TEST_F(Rentownosc, MenuPodgladPytanieIDruk) {
    Filmy(baza);
    Klienci(baza);
    FakeDrukarka drukarka;
    FakeInterakcja f;
    f.PrzyOknie([](QDialog&) { return QDialog::Accepted; });
    f.Odpowiedz(QMessageBox::Yes);
    RaportRentownosci("miRapRentownoscF");
    f.PrzyOknie([](QDialog&) { return QDialog::Accepted; });
    f.Odpowiedz(QMessageBox::No);
    RaportRentownosci("miRapRentownoscK");
    f.PrzyOknie([](QDialog&) { return QDialog::Accepted; });
    f.Odpowiedz(QMessageBox::Yes);
    RaportRentownosci("miRapRentownoscK");
    EXPECT_EQ(f.pokazaneOkna, (std::vector<QString>{"TfPodglad", "TfPodglad", "TfPodglad"}));
    EXPECT_EQ(f.Teksty(),
              (std::vector<QString>(3, QString::fromUtf8("Czy rozpocząć drukowanie?"))));
    EXPECT_EQ(drukarka.zadania,
              (std::vector<QString>{QString::fromUtf8("Wirdolan - najczęściej wypożyczane filmy"),
                                    "Wirdolan - najlepsi klienci"}));
}

TEST_F(Rentownosc, BladPoleceniaPustyRanking) {
    Filmy(baza);
    baza.Wykonaj("drop table rental");
    FakeInterakcja f;
    TfRapRentownosc r;
    r.Przygotuj(2);
    ASSERT_EQ(f.komunikaty.size(), 1u);  // the store's error text
    const auto& strony = r.Strony();
    ASSERT_EQ(strony.size(), 1u);
    EXPECT_TRUE(strony[0].TekstyPasma(TRodzajPasma::Szczegoly).empty());
    EXPECT_EQ(Teksty(strony[0], TRodzajPasma::NaglowekKolumn).size(), 3u);
}
