// The settings record: defaults, conversion, normalisation, the statements that store
// it, and the settings dialog's checks and round trips.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <iostream>

#include "settings/UstawieniaSlownik.h"
#include "settings/uConfig.h"
#include "store/Katalogi.h"
#include "support/FakeInterakcja.h"
#include "support/Kwoty.h"
#include "support/OknoGlobalne.h"
#include "support/TestowaBaza.h"
#include "support/Ubijanie.h"

namespace {

TEST(UstawieniaZTekstow, PustaTabelaDajeUstawieniaDomyslne) {
    const TUstawienia u = UstawieniaZTekstow({});
    EXPECT_EQ(u.KolejnaDoba, 100);
    EXPECT_EQ(u.PoTerminie, 100);
    EXPECT_FALSE(u.PrzedTerminem);
    EXPECT_EQ(u.Weekend, 0);
    EXPECT_KWOTA(u.Kara, 0_zl);
    EXPECT_KWOTA(u.Kaucja, 0_zl);
    EXPECT_EQ(u.FilmMax, 0);
    EXPECT_FALSE(u.ZmianaStawki);
    EXPECT_KWOTA(u.AbOplata, 0_zl);
    EXPECT_EQ(u.TypAb, 1);
    EXPECT_EQ(u.AbGratis, 10);  // every 10th film free
    EXPECT_EQ(u.AbRabat, 100);
    EXPECT_KWOTA(u.AbStawka, 0_zl);
}

TEST(UstawieniaZTekstow, NormalizacjaWedlugRodzajuAbonamentu) {
    TUstawienia cenowy = UstawieniaZTekstow(
        {{"K_TYPAB", "2"}, {"K_ABSTAWKA", "0"}, {"K_ABRABAT", "20"}, {"K_ABGRATIS", "4"}});
    EXPECT_KWOTA(cenowy.AbStawka, 5.00_zl);
    EXPECT_EQ(cenowy.AbRabat, 100);
    EXPECT_EQ(cenowy.AbGratis, 0);

    TUstawienia kwotowy = UstawieniaZTekstow(
        {{"K_TYPAB", "0"}, {"K_ABRABAT", "100"}, {"K_ABGRATIS", "4"}, {"K_ABSTAWKA", "2,5"}});
    EXPECT_EQ(kwotowy.AbRabat, 10);
    EXPECT_EQ(kwotowy.AbGratis, 0);
    EXPECT_KWOTA(kwotowy.AbStawka, 0_zl);

    TUstawienia ilosciowy = UstawieniaZTekstow(
        {{"K_TYPAB", "1"}, {"K_ABGRATIS", "0"}, {"K_ABRABAT", "35"}, {"K_ABSTAWKA", "1"}});
    EXPECT_EQ(ilosciowy.AbGratis, 10);
    EXPECT_EQ(ilosciowy.AbRabat, 100);
    EXPECT_KWOTA(ilosciowy.AbStawka, 0_zl);

    // Values already of their kind are kept; an unknown kind changes nothing.
    EXPECT_KWOTA(UstawieniaZTekstow({{"K_TYPAB", "2"}, {"K_ABSTAWKA", "3,5"}}).AbStawka, 3.50_zl);
    EXPECT_EQ(UstawieniaZTekstow({{"K_TYPAB", "0"}, {"K_ABRABAT", "65"}}).AbRabat, 65);
    const TUstawienia inny = UstawieniaZTekstow(
        {{"K_TYPAB", "7"}, {"K_ABRABAT", "30"}, {"K_ABGRATIS", "0"}, {"K_ABSTAWKA", "2"}});
    EXPECT_EQ(inny.AbRabat, 30);
    EXPECT_EQ(inny.AbGratis, 0);
    EXPECT_KWOTA(inny.AbStawka, 2_zl);
}

TEST(UstawieniaZTekstow, ZamianaTekstowNaPola) {
    const TUstawienia u = UstawieniaZTekstow({{"K_KOLEJNADOBA", "-0,5"},
                                              {"K_PRZEDTERMINEM", "tak"},
                                              {"K_STAWKA", "Yes"},
                                              {"K_KARA", "12,75"},
                                              {"K_FILMMAX", "3"},
                                              {"K_POTERMINIE", "0"}});
    EXPECT_EQ(u.KolejnaDoba, -0.5);
    EXPECT_TRUE(u.PrzedTerminem);
    EXPECT_TRUE(u.ZmianaStawki);
    EXPECT_KWOTA(u.Kara, 12.75_zl);
    EXPECT_EQ(u.FilmMax, 3);
    EXPECT_EQ(u.PoTerminie, 0);

    for (const char* prawda : {"True", "t", "Y", "yes"}) EXPECT_TRUE(LogicznaZTekstu(prawda));
    for (const char* falsz : {"False", "", "nie", "1", " True"})
        EXPECT_FALSE(LogicznaZTekstu(falsz)) << falsz;

    // A stored text that is not of the field's type reads like a missing row.
    const TUstawienia zle =
        UstawieniaZTekstow({{"K_KOLEJNADOBA", "1.5"}, {"K_POTERMINIE", "abc"}, {"K_KARA", "x"}});
    EXPECT_EQ(zle.KolejnaDoba, 100);
    EXPECT_EQ(zle.PoTerminie, 100);
    EXPECT_KWOTA(zle.Kara, 0_zl);
}

TEST(PoleceniaZapisuUstawien, DokladneTekstyPolecen) {
    TUstawienia u;
    u.KolejnaDoba = -1.5;
    u.PoTerminie = 0;
    u.PrzedTerminem = true;
    u.Weekend = 1;
    u.Kara = TKwota::ZeZlotych(2.5);
    u.Kaucja = TKwota::ZeZlotych(20);
    u.FilmMax = 4;
    u.ZmianaStawki = true;
    u.AbOplata = TKwota::ZeZlotych(49.99);
    u.AbRabat = 100;
    u.AbGratis = 0;
    u.AbStawka = TKwota::ZeZlotych(3.2);
    u.TypAb = 2;
    const QString p = "insert into dictionary( Nazwa, Wartosc, Opis ) values ( '";
    const QStringList oczekiwane = {
        "delete from dictionary where Nazwa like 'K_%'",
        p + "K_KOLEJNADOBA', '-1,5', 'opłata za kolejną dobę wypożyczenia' )",
        p + "K_POTERMINIE', '0', 'opłata za filmy zwrócone po terminie' )",
        p + "K_PRZEDTERMINEM', 'True', 'czy potrącać jeśli filmy oddane przed terminem' )",
        p + "K_WEEKEND', '1',  'weekendowa stawka wypożyczenia' )",
        p + "K_KARA', '2,5', 'wysokość kary' )",
        p + "K_KAUCJA', '20', 'wysokość kaucji' )",
        p + "K_FILMMAX', '4', 'maksymalna liczba filmów przy jedym wypożyczeniu' )",
        p + "K_STAWKA', 'True', 'możliwość zmiany wysokości stawki za film' )",
        p + "K_ABONAMENT', '49,99', 'wysokość abonamentu'  )",
        p + "K_ABRABAT', '100', 'wysokość rabatu - abonament kwotowy' )",
        p + "K_ABGRATIS', '0', 'co ktory film gratis - abonament ilościowy' )",
        p + "K_ABSTAWKA', '3,2', 'stawka za dobę - abonament cenowy ' )",
        p + "K_TYPAB', '2', 'rodzaj abonamentu' )",
    };
    const QStringList polecenia = PoleceniaZapisuUstawien(u);
    ASSERT_EQ(polecenia.size(), oczekiwane.size());
    for (int i = 0; i < polecenia.size(); ++i) EXPECT_EQ(polecenia[i], oczekiwane[i]) << i;

    EXPECT_EQ(ZapytanieUstawienia("/x/Bazy/", "K_KOLEJNADOBA"),
              "select Wartosc from \"/x/Bazy/dictionary.db\" where Nazwa like 'K_KOLEJNADOBA'");
}

// ---------------------------------------------------------------- the dialog on a store

class OknoUstawien : public ::testing::Test {
protected:
    template <typename T>
    T* k(const char* nazwa) {
        T* w = okno->findChild<T*>(nazwa);
        EXPECT_NE(w, nullptr) << nazwa;
        return w;
    }
    QString Zapisane(const QString& klucz) {
        return baza.Wartosc("select Wartosc from dictionary where Nazwa = '" + klucz + "'")
            .toString();
    }
    // Fills the dialog from the store and presses Save.
    void Zapisz() { k<QPushButton>("bZapisz")->click(); }

    TestowaBaza baza;
    // The window reads its settings from the tables' folder when it is built.
    const bool katalog = (KatalogBazy = baza.Katalog(), true);
    FakeInterakcja fake;
    TOknoGlobalne<TfConfig> okno{fConfig};
};

TEST_F(OknoUstawien, PustaTabelaWypelniaOknoDomyslnymi) {
    okno->FormShow();
    EXPECT_EQ(k<QComboBox>("cbKolejnaDoba")->currentText(), "100% stawki");
    EXPECT_EQ(k<QComboBox>("cbPoTerminie")->currentText(), "100% należności");
    EXPECT_EQ(k<QComboBox>("cbPrzedTerminem")->currentText(), "nie");
    EXPECT_EQ(k<QComboBox>("cbWeekend")->currentText(), "bez zmian");
    EXPECT_EQ(k<QLineEdit>("eKara")->text(), "0,00");
    EXPECT_EQ(k<QLineEdit>("eKaucja")->text(), "0,00");
    EXPECT_EQ(k<QLineEdit>("eWysokoscAb")->text(), "0,00");
    EXPECT_EQ(k<QLineEdit>("eFilmMax")->text(), "0");
    EXPECT_FALSE(k<QCheckBox>("cbStawka")->isChecked());
    EXPECT_TRUE(k<QRadioButton>("rbAbIlosciowy")->isChecked());
    EXPECT_EQ(k<QLineEdit>("eAbGratis")->text(), "10");
    EXPECT_EQ(k<QComboBox>("cbKolejnaDoba")->count(), 16);
    EXPECT_EQ(k<QComboBox>("cbPoTerminie")->count(), 11);
    EXPECT_EQ(k<QComboBox>("cbAbRabat")->count(), 20);
    EXPECT_TRUE(fake.komunikaty.empty());
}

TEST_F(OknoUstawien, ZapisDomyslnychPiszeTrzynascieWierszyZOpisami) {
    baza.Wykonaj("insert into dictionary values ('K_INNY', 'x', 'obcy wiersz')");
    baza.Wykonaj("insert into dictionary values ('INNE', 'y', 'zostaje')");
    okno->FormShow();
    k<QComboBox>("cbWeekend")->setCurrentIndex(1);
    Zapisz();
    EXPECT_EQ(okno->result(), QDialog::Accepted);
    EXPECT_TRUE(fake.komunikaty.empty());
    EXPECT_EQ(baza.Ile("select count(*) from dictionary where Nazwa like 'K_%'"), 13);
    EXPECT_EQ(baza.Ile("select count(*) from dictionary where Nazwa = 'INNE'"), 1);
    EXPECT_EQ(Zapisane("K_WEEKEND"), "1");
    EXPECT_EQ(Zapisane("K_KOLEJNADOBA"), "100");
    EXPECT_EQ(Zapisane("K_PRZEDTERMINEM"), "False");
    EXPECT_EQ(Zapisane("K_STAWKA"), "False");
    EXPECT_EQ(Zapisane("K_KARA"), "0");
    EXPECT_EQ(Zapisane("K_TYPAB"), "1");
    EXPECT_EQ(Zapisane("K_ABGRATIS"), "10");
    EXPECT_EQ(Zapisane("K_ABRABAT"), "100");
    EXPECT_EQ(baza.Wartosc("select Opis from dictionary where Nazwa = 'K_ABSTAWKA'").toString(),
              "stawka za dobę - abonament cenowy ");
    EXPECT_EQ(baza.Wartosc("select Opis from dictionary where Nazwa = 'K_WEEKEND'").toString(),
              "weekendowa stawka wypożyczenia");
    EXPECT_EQ(baza.Wartosc("select Opis from dictionary where Nazwa = 'K_ABONAMENT'").toString(),
              "wysokość abonamentu");
    EXPECT_EQ(baza.Wartosc("select Opis from dictionary where Nazwa = 'K_FILMMAX'").toString(),
              "maksymalna liczba filmów przy jedym wypożyczeniu");
}

TEST_F(OknoUstawien, OplataKarnaBezKaryNieDoZapisania) {
    okno->FormShow();
    k<QComboBox>("cbPoTerminie")->setCurrentIndex(0);  // "opłata karna"
    for (const char* kara : {"", "0", "0,00"}) {
        fake.Wyczysc();
        k<QLineEdit>("eKara")->setText(kara);
        okno->setResult(-1);
        Zapisz();
        ASSERT_EQ(fake.Teksty(), std::vector<QString>{"Nie ustalono wysokości opłaty karnej."})
            << kara;
        EXPECT_EQ(fake.komunikaty[0].tytul, "Ostrzeżenie");
        EXPECT_EQ(okno->result(), -1) << "the dialog stays open";
        EXPECT_EQ(baza.Ile("select count(*) from dictionary"), 0) << "nothing written";
    }
    k<QLineEdit>("eKara")->setText("1,5");
    Zapisz();
    EXPECT_EQ(okno->result(), QDialog::Accepted);
    EXPECT_EQ(Zapisane("K_POTERMINIE"), "0");
    EXPECT_EQ(Zapisane("K_KARA"), "1,5");
}

TEST_F(OknoUstawien, InnaOplataPoTerminieDopuszczaZerowaKare) {
    okno->FormShow();
    k<QComboBox>("cbPoTerminie")->setCurrentIndex(3);  // "80% należności"
    k<QLineEdit>("eKara")->clear();
    Zapisz();
    EXPECT_EQ(okno->result(), QDialog::Accepted);
    EXPECT_TRUE(fake.komunikaty.empty());
    EXPECT_EQ(Zapisane("K_POTERMINIE"), "80");
    EXPECT_EQ(Zapisane("K_KARA"), "0");
}

TEST_F(OknoUstawien, KolejnaDobaWracaPoZapisie) {
    okno->FormShow();
    auto* doba = k<QComboBox>("cbKolejnaDoba");
    doba->setCurrentIndex(doba->findText("stawka - 3,00zł"));
    Zapisz();
    EXPECT_EQ(Zapisane("K_KOLEJNADOBA"), "-3");
    doba->setCurrentIndex(0);
    okno->FormShow();
    EXPECT_EQ(doba->currentText(), "stawka - 3,00zł");

    // Every entry is stored as its value and shown again.
    for (int i = 0; i < doba->count(); ++i) {
        doba->setCurrentIndex(i);
        const QString wpis = doba->currentText();
        Zapisz();
        okno->FormShow();
        EXPECT_EQ(doba->currentText(), wpis);
    }
    EXPECT_EQ(Zapisane("K_KOLEJNADOBA"), "-3");
    doba->setCurrentIndex(11);
    Zapisz();
    EXPECT_EQ(Zapisane("K_KOLEJNADOBA"), "-1");
    doba->setCurrentIndex(12);
    Zapisz();
    EXPECT_EQ(Zapisane("K_KOLEJNADOBA"), "-1,5");
}

TEST_F(OknoUstawien, KazdyRabatWracaPoZapisie) {
    okno->FormShow();
    auto* rabat = k<QComboBox>("cbAbRabat");
    for (int i = 0; i < rabat->count(); ++i) {
        const QString wpis = rabat->itemText(i);
        k<QRadioButton>("rbAbKwotowy")->setChecked(true);
        rabat->setCurrentIndex(i);
        Zapisz();
        EXPECT_EQ(Zapisane("K_ABRABAT"), QString::number(i * 5)) << wpis.toStdString();
        EXPECT_EQ(Zapisane("K_TYPAB"), "0");
        EXPECT_EQ(Zapisane("K_ABGRATIS"), "0");
        rabat->setCurrentIndex(-1);
        k<QRadioButton>("rbAbIlosciowy")->setChecked(true);
        okno->FormShow();
        EXPECT_TRUE(k<QRadioButton>("rbAbKwotowy")->isChecked()) << wpis.toStdString();
        EXPECT_EQ(rabat->currentText(), wpis);
    }
    EXPECT_EQ(Zapisane("K_ABRABAT"), "95");
    EXPECT_TRUE(fake.komunikaty.empty());
}

TEST_F(OknoUstawien, AbonamentCenowyIIlosciowyWracajaPoZapisie) {
    okno->FormShow();
    k<QRadioButton>("rbAbCenowy")->setChecked(true);
    k<QLineEdit>("eAbStawka")->setText("4,5");
    k<QLineEdit>("eWysokoscAb")->setText("30");
    Zapisz();
    EXPECT_EQ(Zapisane("K_TYPAB"), "2");
    EXPECT_EQ(Zapisane("K_ABSTAWKA"), "4,5");
    EXPECT_EQ(Zapisane("K_ABRABAT"), "100");
    EXPECT_EQ(Zapisane("K_ABONAMENT"), "30");
    okno->FormShow();
    EXPECT_TRUE(k<QRadioButton>("rbAbCenowy")->isChecked());
    EXPECT_EQ(k<QLineEdit>("eAbStawka")->text(), "4,50");
    EXPECT_EQ(k<QLineEdit>("eAbGratis")->text(), "10");
    EXPECT_KWOTA(okno->Ustawienia.AbOplata, 30_zl);

    k<QRadioButton>("rbAbIlosciowy")->setChecked(true);
    k<QLineEdit>("eAbGratis")->setText("6");
    Zapisz();
    EXPECT_EQ(Zapisane("K_TYPAB"), "1");
    EXPECT_EQ(Zapisane("K_ABGRATIS"), "6");
    EXPECT_EQ(Zapisane("K_ABSTAWKA"), "0");
    okno->FormShow();
    EXPECT_TRUE(k<QRadioButton>("rbAbIlosciowy")->isChecked());
    EXPECT_EQ(k<QLineEdit>("eAbGratis")->text(), "6");
    EXPECT_EQ(k<QLineEdit>("eAbStawka")->text(), "0,00");
}

TEST_F(OknoUstawien, ZapisanyRodzajCenowyBezStawkiPokazujePiecZlotych) {
    baza.Wykonaj("insert into dictionary values ('K_TYPAB', '2', '')");
    baza.Wykonaj("insert into dictionary values ('K_ABSTAWKA', '0', '')");
    okno->FormShow();
    EXPECT_TRUE(k<QRadioButton>("rbAbCenowy")->isChecked());
    EXPECT_EQ(k<QLineEdit>("eAbStawka")->text(), "5,00");
}

TEST_F(OknoUstawien, NiepoprawnyTekstWPoluLiczbowymOdrazuOprozniaPole) {
    okno->FormShow();
    for (const char* pole : {"eKara", "eKaucja", "eAbStawka", "eFilmMax", "eAbGratis"}) {
        for (const char* tekst : {"-", "a"}) {
            auto* e = k<QLineEdit>(pole);
            e->clear();
            fake.Wyczysc();
            QTest::keyClicks(e, tekst);
            ASSERT_EQ(fake.Teksty(), std::vector<QString>{"Niepoprawna wartość."}) << pole;
            EXPECT_EQ(fake.komunikaty[0].tytul, "Ostrzeżenie");
            EXPECT_EQ(fake.komunikaty[0].ikona, TIkona::Ostrzezenie);
            EXPECT_TRUE(e->text().isEmpty()) << pole;
        }
    }
    // Typing a valid amount key by key is never refused half-way.
    fake.Wyczysc();
    auto* kara = k<QLineEdit>("eKara");
    kara->clear();
    QTest::keyClicks(kara, "12,50");
    EXPECT_EQ(kara->text(), "12,50");
    // A whole-number field refuses a fraction.
    QTest::keyClicks(k<QLineEdit>("eFilmMax"), ",");
    EXPECT_EQ(fake.Teksty(), std::vector<QString>{"Niepoprawna wartość."});
}

TEST_F(OknoUstawien, NiepoprawnaWysokoscAbonamentuKonczyZapisBezZapisywania) {
    okno->FormShow();
    k<QLineEdit>("eKara")->setText("3");
    k<QLineEdit>("eWysokoscAb")->setText("12x");
    Zapisz();
    EXPECT_EQ(fake.Teksty(), std::vector<QString>{"Niepoprawna wartość."});
    EXPECT_TRUE(k<QLineEdit>("eWysokoscAb")->text().isEmpty());
    EXPECT_NE(okno->result(), QDialog::Accepted);
    EXPECT_EQ(baza.Ile("select count(*) from dictionary"), 0);
    EXPECT_KWOTA(okno->Ustawienia.Kara, 3_zl)
        << "fields taken before the bad one keep their values";
}

// An amount with a third decimal would be stored changed: refused, the dialog stays open
// with the text as typed, nothing written; two decimals or fewer pass.
TEST_F(OknoUstawien, KwotaPonadDwaMiejscaPoPrzecinkuOdrzucona) {
    const struct {
        const char* pole;
        const char* tekst;
        bool odrzucona;
    } przypadki[] = {
        {"eKara", "1,255", true},     {"eKaucja", "10,001", true}, {"eWysokoscAb", "30,500", true},
        {"eAbStawka", "4,999", true}, {"eKaucja", "10,", false},   {"eAbStawka", "4,99", false},
    };
    for (const auto& p : przypadki) {
        okno->FormShow();
        fake.Wyczysc();
        okno->setResult(-1);
        k<QRadioButton>("rbAbCenowy")->setChecked(true);
        k<QLineEdit>("eAbStawka")->setText("1");
        k<QLineEdit>(p.pole)->setText(p.tekst);
        Zapisz();
        if (!p.odrzucona) {
            EXPECT_EQ(okno->result(), QDialog::Accepted) << p.tekst;
            continue;
        }
        EXPECT_EQ(fake.Teksty(),
                  std::vector<QString>{"Kwota może mieć najwyżej dwa miejsca po przecinku."})
            << p.tekst;
        EXPECT_EQ(okno->result(), -1) << "the dialog stays open";
        EXPECT_EQ(k<QLineEdit>(p.pole)->text(), p.tekst);
        EXPECT_EQ(baza.Ile("select count(*) from dictionary"), 0) << "nothing written";
    }
}

TEST_F(OknoUstawien, AnulujNicNieZapisuje) {
    okno->FormShow();
    k<QCheckBox>("cbStawka")->setChecked(true);
    EXPECT_TRUE(okno->Ustawienia.ZmianaStawki) << "the check box writes the record at once";
    k<QPushButton>("bAnuluj")->click();
    EXPECT_EQ(okno->result(), QDialog::Rejected);
    EXPECT_EQ(baza.Ile("select count(*) from dictionary"), 0);
    okno->WczytajUstawienia();
    EXPECT_FALSE(okno->Ustawienia.ZmianaStawki);
}

TEST_F(OknoUstawien, UkrytyMenuZapisuNiesieF2IF10) {
    EXPECT_EQ(okno->menuZapis->title(), "Zapis");
    EXPECT_EQ(okno->miZapisz->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(okno->miAnuluj->shortcut(), QKeySequence(Qt::Key_F10));
    okno->FormShow();
    okno->miZapisz->trigger();
    EXPECT_EQ(okno->result(), QDialog::Accepted);
    EXPECT_EQ(baza.Ile("select count(*) from dictionary"), 13);
    okno->miAnuluj->trigger();
    EXPECT_EQ(okno->result(), QDialog::Rejected);
}

TEST_F(OknoUstawien, EnterPrzechodziPoPierscieniu) {
    okno->FormShow();
    okno->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&*okno));
    const char* pierscien[] = {"cbKolejnaDoba", "cbPoTerminie", "cbPrzedTerminem", "cbWeekend",
                               "eKara",         "eKaucja",      "eFilmMax",        "eWysokoscAb",
                               "rbAbKwotowy",   "cbAbRabat",    "rbAbIlosciowy",   "eAbGratis",
                               "rbAbCenowy",    "eAbStawka",    "cbKolejnaDoba"};
    okno->findChild<QWidget*>(pierscien[0])->setFocus();
    for (size_t i = 0; i + 1 < std::size(pierscien); ++i) {
        ASSERT_EQ(QApplication::focusWidget()->objectName(), pierscien[i]);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "cbKolejnaDoba");
    EXPECT_NE(okno->result(), QDialog::Accepted) << "Enter never saves";
    okno->hide();
}

}  // namespace

// The save killed at every statement boundary in turn leaves the store as before or as
// after it.
TEST_F(OknoUstawien, UbicieNaKazdymPoleceniuZostawiaStanPrzedLubPo) {
    const int ubite = SprawdzUbijanie(
        baza,
        [&] {
            okno->FormShow();
            k<QComboBox>("cbWeekend")->setCurrentIndex(1);
        },
        [&] { Zapisz(); });
    EXPECT_GT(ubite, 13);
    std::cout << "[ kill points ] settings save: " << ubite << std::endl;
}
