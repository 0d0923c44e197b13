// The store check: each rule finds what breaks it, a sound store passes, and the desk's
// menu item shows the report.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QAction>
#include <QPlainTextEdit>
#include <set>

#include "admin/SprawdzenieBazy.h"
#include "admin/uSprawdzBaze.h"
#include "app/test_panele_pulpit.h"
#include "store/Baza.h"
#include "support/TestowaBaza.h"

namespace {

using R = TRodzajProblemu;

class Sprawdzenie : public ::testing::Test {
protected:
    std::vector<TProblemBazy> Sprawdz() { return SprawdzBaze(TBaza::Aktywna()->Uchwyt()); }
    // The lines of one kind.
    QStringList Opisy(const std::vector<TProblemBazy>& problemy, R rodzaj) {
        QStringList w;
        for (const auto& p : problemy)
            if (p.rodzaj == rodzaj) w << p.opis;
        return w;
    }

    // A sound shop: one film out on an open rental, one returned, one on the shelf.
    void ZdrowySklep() {
        baza.Wykonaj(
            "insert into klient (ID, Numer_klienta, Imie, Nazwisko, Saldo, Abonament_DO, "
            "Ostatnie_wypozyczenie) values (1, 7, 'Anna', 'Nowak', -2.5, '2024-03-31', "
            "'2024-03-04'), (2, 8, 'Jan', 'Kowalski', null, null, null)");
        baza.Wykonaj(
            "insert into film (ID, Numer_filmu, Tytul_oryginalny, Stawka, Wplywy, Status) values "
            "(1, 11, 'Alien', 5, 12.5, 0), (2, 12, 'Heat', 4.99, 0, 1), (3, 13, 'Ronin', 3, 0, 1)");
        baza.Wykonaj(
            "insert into rental (id_filmu, id_klienta, dataOD, dataDO, zwrocono, platnosc, "
            "Platnosc1, Naleznosc, Stawka, DataZwrotu) values "
            "(1, 1, '2024-03-04', '2024-03-06', 0, 2.5, 0, 5, 5, null), "
            "(2, 2, '2024-02-01', '2024-02-02', 1, 0, 0, 4.99, 4.99, '2024-02-02')");
    }

    TestowaBaza baza;
};

}  // namespace

TEST_F(Sprawdzenie, ZdrowaBazaBezBledow) {
    ZdrowySklep();
    const auto problemy = Sprawdz();
    EXPECT_TRUE(problemy.empty()) << RaportSprawdzenia(problemy).toStdString();
    EXPECT_EQ(RaportSprawdzenia(problemy), "Nie znaleziono błędów.");
}

TEST_F(Sprawdzenie, KazdyRodzajProblemuZNumerem) {
    ZdrowySklep();
    // Film 0021 marked out with no open rental; 0022 on the shelf while out; 0023 out twice
    // (a store from before the index of one open rental a copy).
    baza.Wykonaj("drop index rental_otwarty_film");
    baza.Wykonaj(
        "insert into film (ID, Numer_filmu, Tytul_oryginalny, Stawka, Status) values "
        "(21, 21, 'A', 1, 0), (22, 22, 'B', 1, 1), (23, 23, 'C', 1, 0), (24, 24, 'D', 1, 0), "
        "(25, 25, 'E', 'abc', 1), (26, 26, 'F', 1.005, 1)");
    baza.Wykonaj(
        "insert into rental (id_filmu, id_klienta, dataOD, dataDO, zwrocono, platnosc) values "
        "(21, 1, '2024-03-01', '2024-03-02', 1, 0), (22, 1, '2024-03-04', '2024-03-05', 0, 0), "
        "(23, 1, '2024-03-04', '2024-03-05', 0, 0), (23, 2, '2024-03-04', '2024-03-05', 0, 0), "
        "(24, 99, '2024-03-04', '2024-03-05', 0, 0), (98, 2, '2024-03-01', '2024-03-02', 1, 0), "
        "(3, 2, '2024-03-01', 'jutro', 1, 0), (3, 1, '2024-02-01', '2024-02-02', 1, '1,5 zł')");
    baza.Wykonaj(
        "insert into klient (ID, Numer_klienta, Imie, Nazwisko, Saldo, Abonament_DO) values "
        "(3, 9, 'Ewa', 'Lis', 'dużo', null), (4, 10, 'Olga', 'Kot', 0, '2024-02-31')");

    const auto problemy = Sprawdz();
    std::set<R> rodzaje;
    for (const auto& p : problemy) rodzaje.insert(p.rodzaj);
    EXPECT_EQ(rodzaje, (std::set<R>{R::WypozyczonyBezWpisu, R::NaPolceZWpisem, R::KilkaOtwartych,
                                    R::BrakKlienta, R::BrakFilmu, R::Data, R::Kwota, R::Saldo}))
        << RaportSprawdzenia(problemy).toStdString();

    EXPECT_EQ(Opisy(problemy, R::WypozyczonyBezWpisu),
              QStringList{"Film 0021 jest oznaczony jako wypożyczony, a nie ma otwartego "
                          "wypożyczenia."});
    EXPECT_EQ(Opisy(problemy, R::NaPolceZWpisem),
              QStringList{"Film 0022 jest oznaczony jako na półce, a ma otwarte wypożyczenie."});
    EXPECT_EQ(Opisy(problemy, R::KilkaOtwartych),
              QStringList{"Film 0023 ma kilka otwartych wypożyczeń (2), a może mieć najwyżej "
                          "jedno."});
    EXPECT_EQ(Opisy(problemy, R::BrakKlienta),
              QStringList{"Wypożyczenie filmu 0024 klienta (ID 99) z dnia 04.03.2024 dotyczy "
                          "klienta, którego nie ma w bazie."});
    EXPECT_EQ(Opisy(problemy, R::BrakFilmu),
              QStringList{"Wypożyczenie filmu (ID 98) klienta 0008 z dnia 01.03.2024 dotyczy "
                          "filmu, którego nie ma w bazie."});
    EXPECT_EQ(Opisy(problemy, R::Data),
              (QStringList{"Klient 0010: niepoprawna data w polu Abonament_DO: \"2024-02-31\".",
                           "Wypożyczenie filmu 0013 klienta 0008 z dnia 01.03.2024: niepoprawna "
                           "data w polu dataDO: \"jutro\"."}));
    EXPECT_EQ(Opisy(problemy, R::Kwota),
              (QStringList{"Film 0025: niepoprawna kwota w polu Stawka: \"abc\".",
                           "Film 0026: niepoprawna kwota w polu Stawka: \"1.005\".",
                           "Wypożyczenie filmu 0013 klienta 0007 z dnia 01.02.2024: niepoprawna "
                           "kwota w polu platnosc: \"1,5 zł\"."}));
    EXPECT_EQ(Opisy(problemy, R::Saldo),
              QStringList{"Klient 0009: saldo nie jest liczbą: \"dużo\"."});
    EXPECT_EQ(RaportSprawdzenia(problemy).count('\n') + 1, static_cast<int>(problemy.size()));
}

TEST_F(Sprawdzenie, UszkodzonyIndeksWykrywaTestSpojnosci) {
    ZdrowySklep();
    // The index's definition no longer matches its entries (written by another program: the
    // program's own connection refuses to write its schema).
    TBaza::Rozlacz();
    sqlite3* h = nullptr;
    ASSERT_EQ(sqlite3_open((baza.Katalog() + "wirdolan.sqlite").toUtf8().constData(), &h),
              SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(h,
                           "PRAGMA writable_schema = ON; update sqlite_master set sql = 'create "
                           "index klient_numer on klient(Imie)' where name = 'klient_numer'; "
                           "PRAGMA writable_schema = OFF",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(h);
    TBaza::Polacz(baza.Katalog());
    const auto problemy = Sprawdz();
    ASSERT_FALSE(problemy.empty());
    for (const auto& p : problemy) {
        EXPECT_EQ(p.rodzaj, R::Spojnosc);
        EXPECT_TRUE(p.opis.startsWith("Test spójności bazy danych: ")) << p.opis.toStdString();
    }
    // The same through the file.
    TBaza::Rozlacz();
    EXPECT_EQ(SprawdzPlikBazy(baza.Katalog() + "wirdolan.sqlite").size(), problemy.size());
    TBaza::Polacz(baza.Katalog());
}

class SprawdzenieZMenu : public PulpitPaneli {};

TEST_F(SprawdzenieZMenu, RaportWOknie) {
    PrzedStartem({Klient(7, "Anna", "Nowak"), Film(1, "Alien", "Obcy", 5, false)});
    Uruchom();
    QStringList widziane;
    const auto pokaz = [&](QDialog& okno) {
        widziane << okno.findChild<QPlainTextEdit*>("mWynik")->toPlainText();
        return ::Kliknij("bZamknij")(okno);
    };
    fake.PrzyOknie(pokaz);
    k<QAction>("miSprawdzBaze")->trigger();
    TBaza::Aktywna()->Wykonaj("update film set Status = 1");
    fake.PrzyOknie(pokaz);
    k<QAction>("miSprawdzBaze")->trigger();
    EXPECT_EQ(fake.pokazaneOkna, (std::vector<QString>{"TfSprawdzBaze", "TfSprawdzBaze"}));
    EXPECT_EQ(widziane, (QStringList{"Film 0001 jest oznaczony jako wypożyczony, a nie ma "
                                     "otwartego wypożyczenia.",
                                     "Nie znaleziono błędów."}));
}
