#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "KodZPng.h"
#include "Pomocnicze.h"
#include "films/ZapisFilmu.h"
#include "reports/KodKreskowy.h"
#include "reports/PodgladStron.h"
#include "reports/uEtykiety.h"
#include "reports/uRapEtykiety.h"
#include "reports/uRapKartaKlienta.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/PlikUstawien.h"
#include "store/Zegar.h"
#include "support/FakeInterakcja.h"
#include "support/TestowaBaza.h"

namespace {

std::vector<TEtykieta> Filmy(int ile) {
    std::vector<TEtykieta> e;
    for (int i = 1; i <= ile; ++i)
        e.push_back({i, QStringLiteral("Tytuł filmu numer %1 (Ząb)").arg(i)});
    return e;
}

// The texts and bars placed inside a box.
bool WMiejscu(const QRectF& r, const QRectF& miejsce) {
    return miejsce.adjusted(-1e-9, -1e-9, 1e-9, 1e-9).contains(r);
}

TEST(Etykiety, ArkuszTrzyNaOsiemZMarginesamiIOdstepami) {
    TUkladEtykiet u;
    EXPECT_DOUBLE_EQ(u.SzerokoscEtykiety(), 70);
    EXPECT_DOUBLE_EQ(u.WysokoscEtykiety(), 297.0 / 8);
    u.MarginesGorny = 4.5;
    u.MarginesLewy = 7;
    u.OdstepPoziomy = 2;
    u.OdstepPionowy = 0;
    EXPECT_DOUBLE_EQ(u.SzerokoscEtykiety(), 64);  // (210 - 14 - 4) / 3
    EXPECT_DOUBLE_EQ(u.WysokoscEtykiety(), 36);   // (297 - 9) / 8

    TRapEtykiety raport(Filmy(25), u);
    EXPECT_EQ(raport.MiejsceEtykiety(0), QRectF(7, 4.5, 64, 36));
    EXPECT_EQ(raport.MiejsceEtykiety(2), QRectF(7 + 2 * 66, 4.5, 64, 36));
    EXPECT_EQ(raport.MiejsceEtykiety(3), QRectF(7, 40.5, 64, 36));
    EXPECT_DOUBLE_EQ(raport.MiejsceEtykiety(23).bottom(), 297 - 4.5);
    EXPECT_DOUBLE_EQ(raport.MiejsceEtykiety(23).right(), 210 - 7);

    const auto& strony = raport.Strony();
    ASSERT_EQ(strony.size(), 2u) << "24 labels a sheet";
    EXPECT_EQ(raport.Format, (TFormatStrony{210, 297, 0}));
    // Each label's number and its bars lie inside its own box.
    for (int n : {0, 4, 23}) {
        const QRectF miejsce = raport.MiejsceEtykiety(n);
        const TUlozonyTekst* numer = strony[0].Znajdz(Numer4(n + 1));
        ASSERT_NE(numer, nullptr);
        EXPECT_TRUE(WMiejscu(numer->prostokat, miejsce)) << n;
        int kreski = 0;
        for (const QRectF& k : strony[0].pola)
            if (miejsce.intersects(k)) {
                EXPECT_TRUE(WMiejscu(k, miejsce)) << n;
                ++kreski;
            }
        EXPECT_GT(kreski, 10) << n;
    }
    EXPECT_NE(strony[1].Znajdz(QStringLiteral("0025")), nullptr);
    EXPECT_EQ(strony[1].Znajdz(QStringLiteral("0024")), nullptr);
}

TEST(Etykiety, DrukarkaEtykietJednaNaStronie) {
    TUkladEtykiet u;
    u.Arkusz = false;
    u.Szerokosc = 40;
    u.Wysokosc = 25;
    TRapEtykiety raport(Filmy(3), u);
    EXPECT_EQ(raport.Strony().size(), 3u);
    EXPECT_EQ(raport.Format, (TFormatStrony{40, 25, 0}));
    EXPECT_EQ(raport.MiejsceEtykiety(0), QRectF(0, 0, 40, 25));
    EXPECT_EQ(OdczytajKody(raport.Strony()[2], raport.Format),
              QStringList{QStringLiteral("CODE-128:0003")});
}

TEST(Etykiety, WymiaryNieDoDruku) {
    TUkladEtykiet u;
    EXPECT_TRUE(u.Blad().isEmpty());
    u.OdstepPionowy = -1;
    EXPECT_FALSE(u.Blad().isEmpty());
    u.OdstepPionowy = 0;
    u.MarginesLewy = 90;  // nothing left across the sheet
    EXPECT_FALSE(u.Blad().isEmpty());
    u = {};
    u.Arkusz = false;
    u.Szerokosc = 10;
    EXPECT_FALSE(u.Blad().isEmpty());
}

TEST(Etykiety, UkladZapamietany) {
    TestowaBaza baza;
    EXPECT_EQ(WczytajUkladEtykiet(), TUkladEtykiet{}) << "nothing saved: defaults";
    TUkladEtykiet u;
    u.Arkusz = false;
    u.MarginesGorny = 4.5;
    u.OdstepPoziomy = 2.5;
    u.Szerokosc = 57;
    u.Wysokosc = 32;
    ZapiszUkladEtykiet(u);
    EXPECT_EQ(WczytajUkladEtykiet(), u);
}

TEST(Etykiety, FilmyZZakresuBiezaceWKolejnosciNumerow) {
    TestowaBaza baza;
    baza.Wykonaj(QStringLiteral(
        "insert into film (Numer_filmu, Tytul_oryginalny, Tytul_polski, Aktualny) values "
        "(12, 'Jaws', 'Szczęki', 1), (10, 'Solaris', '', 1), (11, 'Old', 'Stary', 0), "
        "(13, 'Next', 'Następny', 1)"));
    const std::vector<TEtykieta> e = EtykietyZakresu(10, 12);
    ASSERT_EQ(e.size(), 2u) << "a withdrawn copy gets no label";
    EXPECT_EQ(e[0].Numer, 10);
    EXPECT_EQ(e[0].Tytul, QStringLiteral("Solaris"));
    EXPECT_EQ(e[1].Tytul, QStringLiteral("Jaws (Szczęki)"));
}

TEST(Etykiety, FilmyWprowadzoneDanegoDnia) {
    TestowaBaza baza(QDate(2024, 3, 5));
    baza.Wykonaj(QStringLiteral(
        "insert into film (Numer_filmu, Tytul_oryginalny, Aktualny, DataWprowadzenia) values "
        "(7, 'Today', 1, '2024-03-05'), (3, 'Also', 1, '2024-03-05'), "
        "(4, 'Yesterday', 1, '2024-03-04'), (5, 'Withdrawn', 0, '2024-03-05'), "
        "(6, 'Undated', 1, null)"));
    const std::vector<TEtykieta> e = EtykietyDnia(QDate(2024, 3, 5));
    ASSERT_EQ(e.size(), 2u);
    EXPECT_EQ(e[0].Numer, 3);
    EXPECT_EQ(e[1].Numer, 7);
    EXPECT_EQ(EtykietyDnia(QDate(2024, 3, 4)).size(), 1u);
}

// The entry date is written by the film's save: a new film carries the day it was
// entered; an edit keeps it; a failing date write takes the new film back.
TEST(Etykiety, DzisiajWprowadzoneZZapisuFilmu) {
    TestowaBaza baza(QDate(2024, 3, 4));
    FakeInterakcja fake;
    TDaneFilmu f;
    f.TytulOrg = QStringLiteral("Wczoraj");
    f.Numer = 1;
    ASSERT_TRUE(ZapiszFilm(0, f));
    f.Numer = 2;
    ASSERT_TRUE(ZapiszFilm(0, f));
    UstawDzisiaj(QDate(2024, 3, 5));
    f.Numer = 1;
    f.TytulOrg = QStringLiteral("Poprawiony dzisiaj");
    ASSERT_TRUE(ZapiszFilm(baza.Ile("select ID from film where Numer_filmu = 1"), f));
    f.Numer = 3;
    f.TytulOrg = QStringLiteral("Nowy");
    ASSERT_TRUE(ZapiszFilm(0, f));
    const std::vector<TEtykieta> dzis = EtykietyDnia(QDate(2024, 3, 5));
    ASSERT_EQ(dzis.size(), 1u);
    EXPECT_EQ(dzis[0].Numer, 3);
    EXPECT_EQ(EtykietyDnia(QDate(2024, 3, 4)).size(), 2u);

    baza.Zablokuj("update", "film", "zablokowane");
    f.Numer = 4;
    EXPECT_FALSE(ZapiszFilm(0, f));
    EXPECT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_EQ(baza.Ile("select count(*) from film"), 3) << "no film without its date";
}

// What the scanner reads is what the desk's number field takes.
TEST(KodKreskowy, ArkuszOdczytanyZPowrotem) {
    std::vector<TEtykieta> filmy = Filmy(3);
    filmy[2].Numer = 123456;
    TRapEtykiety raport(filmy, TUkladEtykiet{});
    EXPECT_EQ(OdczytajKody(raport.Strony()[0], raport.Format),
              (QStringList{QStringLiteral("CODE-128:0001"), QStringLiteral("CODE-128:0002"),
                           QStringLiteral("CODE-128:123456")}));
}

TEST(KodKreskowy, KreskiWPolu) {
    const QRectF pole(10, 20, 60, 15);
    const TKodKreskowy kod = KodCode128(QStringLiteral("0042"), pole);
    ASSERT_TRUE(kod.blad.isEmpty());
    ASSERT_FALSE(kod.kreski.empty());
    double lewa = 1e9, prawa = 0;
    for (const QRectF& k : kod.kreski) {
        EXPECT_DOUBLE_EQ(k.top(), 20);
        EXPECT_DOUBLE_EQ(k.height(), 15);
        lewa = std::min(lewa, k.left());
        prawa = std::max(prawa, k.right());
    }
    // The quiet zones stay clear on both sides.
    EXPECT_NEAR(lewa - pole.left(), StrefaCiszy * kod.modul, 1e-6);
    EXPECT_NEAR(pole.right() - prawa, StrefaCiszy * kod.modul, 1e-6);
    EXPECT_FALSE(KodCode128(QStringLiteral("Łódź"), pole).blad.isEmpty());
    EXPECT_FALSE(KodCode128(QString(), pole).blad.isEmpty());
}

TEST(KartaKlienta, KartaZNazwaKlientemIKodem) {
    TWypozyczalnia w;
    w.Nazwa = QStringLiteral("Wypożyczalnia Żółw");
    TRapKartaKlienta raport({7, QStringLiteral("Anna Nowak")}, w);
    const auto& strony = raport.Strony();
    ASSERT_EQ(strony.size(), 1u);
    EXPECT_EQ(raport.Format, (TFormatStrony{85, 54, 0}));
    for (const char* t :
         {"Wypożyczalnia Żółw", "Anna Nowak", "Nr klienta: 0007", "KARTA KLIENTA"}) {
        const TUlozonyTekst* u = strony[0].Znajdz(QString::fromUtf8(t));
        ASSERT_NE(u, nullptr) << t;
        EXPECT_TRUE(WMiejscu(u->prostokat, QRectF(0, 0, 85, 54))) << t;
    }
    for (const QRectF& k : strony[0].pola) EXPECT_TRUE(WMiejscu(k, QRectF(0, 0, 85, 54)));
    EXPECT_EQ(OdczytajKody(strony[0], raport.Format), QStringList{QStringLiteral("CODE-128:0007")});
}

TEST(KartaKlienta, KlientZeSklepu) {
    TestowaBaza baza;
    baza.Wykonaj(
        QStringLiteral("insert into klient (ID, Numer_klienta, Imie, Nazwisko) values "
                       "(4, 15, 'Łucja', 'Żak')"));
    TKartaKlienta k;
    ASSERT_TRUE(WczytajKarteKlienta(4, k));
    EXPECT_EQ(k.Numer, 15);
    EXPECT_EQ(k.Klient, QStringLiteral("Łucja Żak"));
    EXPECT_FALSE(WczytajKarteKlienta(5, k));
}

}  // namespace

namespace {

class OknoEtykiet : public ::testing::Test {
protected:
    OknoEtykiet() {
        UstawPlikUstawienProgramu(katalog.filePath(QStringLiteral("w.ini")));
        baza.Wykonaj(
            QStringLiteral("insert into film (Numer_filmu, Tytul_oryginalny, Aktualny) "
                           "values (10, 'Solaris', 1), (11, 'Jaws', 1)"));
    }
    ~OknoEtykiet() override { UstawPlikUstawienProgramu(QString()); }
    void Wpisz(const char* pole, const QString& tekst) {
        okno.findChild<QLineEdit*>(pole)->setText(tekst);
    }

    QTemporaryDir katalog;
    TestowaBaza baza;
    FakeInterakcja fake;
    TfEtykiety okno;
};

TEST_F(OknoEtykiet, ZakresDoPodgladuIUkladZapamietany) {
    Wpisz("eOd", QStringLiteral("10"));
    Wpisz("eDo", QStringLiteral("12"));
    Wpisz("eMarginesGorny", QStringLiteral("4,5"));
    int strony = 0;
    fake.PrzyOknie([&strony](QDialog& p) {
        strony = p.findChild<TPodgladStron*>()->LiczbaStron();
        return static_cast<int>(QDialog::Accepted);
    });
    fake.Odpowiedz(QMessageBox::No);  // not printed
    okno.findChild<QPushButton*>("bPodglad")->click();
    EXPECT_EQ(fake.pokazaneOkna, std::vector<QString>{QStringLiteral("TfPodglad")});
    EXPECT_EQ(strony, 1);
    EXPECT_DOUBLE_EQ(WczytajUkladEtykiet().MarginesGorny, 4.5);
}

TEST_F(OknoEtykiet, FilmyWprowadzoneDzisiaj) {
    auto* dzisiaj = okno.findChild<QRadioButton*>("rbDzisiaj");
    dzisiaj->setChecked(true);
    EXPECT_FALSE(okno.findChild<QLineEdit*>("eOd")->isEnabled());
    okno.findChild<QPushButton*>("bPodglad")->click();
    EXPECT_EQ(fake.Teksty(),
              std::vector<QString>{QStringLiteral("Dzisiaj nie wprowadzono żadnego filmu.")});
    EXPECT_TRUE(fake.pokazaneOkna.empty());

    baza.Wykonaj(
        QStringLiteral("update film set DataWprowadzenia = '2024-03-05' where "
                       "Numer_filmu = 11"));
    std::vector<QString> numery;
    fake.PrzyOknie([&numery](QDialog& p) {
        for (const TStrona& s : p.findChild<TPodgladStron*>()->Strony())
            for (const TUlozonyTekst& t : s.teksty) numery.push_back(t.tekst);
        return static_cast<int>(QDialog::Accepted);
    });
    fake.Odpowiedz(QMessageBox::No);
    okno.findChild<QPushButton*>("bPodglad")->click();
    EXPECT_EQ(fake.pokazaneOkna, std::vector<QString>{QStringLiteral("TfPodglad")});
    EXPECT_NE(std::find(numery.begin(), numery.end(), QStringLiteral("0011")), numery.end());
    EXPECT_EQ(std::find(numery.begin(), numery.end(), QStringLiteral("0010")), numery.end());
}

// Labels whose layout cannot be kept are still shown, after the store's word about it.
TEST_F(OknoEtykiet, UkladNieZapisanyOstrzezenieIPodglad) {
    baza.Zablokuj("insert", "ustawienia", "Zapis zablokowany");
    Wpisz("eOd", QStringLiteral("10"));
    fake.PrzyOknie([](QDialog&) { return static_cast<int>(QDialog::Accepted); });
    fake.Odpowiedz(QMessageBox::No);
    okno.findChild<QPushButton*>("bPodglad")->click();
    ASSERT_EQ(fake.Teksty().size(), 2u);
    EXPECT_TRUE(fake.Teksty()[0].contains(QStringLiteral("Zapis zablokowany")));
    EXPECT_EQ(fake.pokazaneOkna, std::vector<QString>{QStringLiteral("TfPodglad")});
}

TEST_F(OknoEtykiet, ZlyWyborZostajeWOknie) {
    Wpisz("eOd", QStringLiteral("12"));
    Wpisz("eDo", QStringLiteral("10"));
    okno.findChild<QPushButton*>("bPodglad")->click();
    Wpisz("eOd", QStringLiteral("50"));
    Wpisz("eDo", QStringLiteral("60"));
    okno.findChild<QPushButton*>("bPodglad")->click();
    Wpisz("eOd", QStringLiteral("10"));
    Wpisz("eMarginesLewy", QStringLiteral("90"));
    okno.findChild<QPushButton*>("bPodglad")->click();
    EXPECT_EQ(fake.Teksty(),
              (std::vector<QString>{
                  QStringLiteral("Numer początkowy jest większy niż końcowy."),
                  QStringLiteral("Nie znaleziono filmów o podanych numerach."),
                  QStringLiteral("Przy takich marginesach i odstępach etykiety byłyby mniejsze "
                                 "niż 15 × 15 mm.\nZmniejsz marginesy lub odstępy.")}));
    EXPECT_TRUE(fake.pokazaneOkna.empty());
    EXPECT_EQ(WczytajUkladEtykiet(), TUkladEtykiet{}) << "nothing kept";
}

}  // namespace
