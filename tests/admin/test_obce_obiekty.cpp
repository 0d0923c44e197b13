// Objects the program did not make: a store holding one opens for reading only, a copy
// holding one is neither restored nor offered, the store check lists them and removes them
// after a copy; through the desk, the rental that would set a planted trigger off is refused.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QAction>
#include <QDir>
#include <QPlainTextEdit>

#include "admin/Kopie.h"
#include "admin/KopieAutomatyczne.h"
#include "admin/SprawdzenieBazy.h"
#include "app/test_panele_pulpit.h"
#include "store/Baza.h"
#include "store/ObceObiekty.h"
#include "store/StanBazy.h"
#include "store/Tlumacz.h"
#include "support/TestowaBaza.h"

namespace {

using R = TRodzajObiektu;

// A count on a store file, read on a connection of its own.
int Ile(const QString& plik, const char* sql) {
    sqlite3* h = nullptr;
    int wynik = -1;
    sqlite3_open_v2(QFile::encodeName(plik).constData(), &h, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_exec(
        h, sql,
        [](void* w, int, char** k, char**) { return *static_cast<int*>(w) = atoi(k[0]), 0; },
        &wynik, nullptr);
    sqlite3_close(h);
    return wynik;
}

const QString Obiekty = QStringLiteral("zawiera obiekty, których program nie utworzył: ");

struct TPrzypadek {
    const char* sql;
    TObcyObiekt obiekt;
    const char* opis;
};

const TPrzypadek Przypadki[] = {
    {"create trigger x after insert on rental begin delete from klient; end",
     {R::Wyzwalacz, "x", "rental"},
     "wyzwalacz „x” (tabela rental)"},
    {"create view aktywni as select * from klient", {R::Widok, "aktywni", ""}, "widok „aktywni”"},
    {"create index klient_telefon on klient(Telefon)",
     {R::Indeks, "klient_telefon", "klient"},
     "indeks „klient_telefon” (tabela klient)"},
    {"drop index film_numer; create index film_numer on film(Numer_filmu) where Status = 1",
     {R::Indeks, "film_numer", "film"},
     "indeks „film_numer” (tabela film)"},
    {"create table notatki (tekst)", {R::Tabela, "notatki", ""}, "tabela „notatki”"},
    {"alter table klient add Haslo CHAR(20)",
     {R::Kolumna, "Haslo", "klient"},
     "kolumna „Haslo” (tabela klient)"},
    // A table of the program's name made another way: its own column computed.
    {"drop table dictionary; create table dictionary (Nazwa CHAR(20), Wartosc CHAR(30), "
     "Opis CHAR(60) as (Nazwa || Wartosc))",
     {R::Kolumna, "Opis", "dictionary", false},
     "wyliczana kolumna „Opis” (tabela dictionary)"},
};

}  // namespace

TEST(ObceObiekty, NowaBazaMaDokladnieSchematProgramuNaPolaczeniuObronnym) {
    TestowaBaza baza;
    sqlite3* h = TBaza::Aktywna()->Uchwyt();
    EXPECT_EQ(ObceObiekty(h), std::vector<TObcyObiekt>{});
    QStringList schemat = ObiektySchematu();
    schemat.sort();
    EXPECT_EQ(baza.Wartosc("select group_concat(name, ' ') from (select name from sqlite_master "
                           "where name not like 'sqlite_%' order by name)")
                  .toString(),
              schemat.join(' '))
        << "every object the creation and the upgrade make, no other";
    int obronne = -1, zaufanie = -1;
    sqlite3_db_config(h, SQLITE_DBCONFIG_DEFENSIVE, -1, &obronne);
    sqlite3_db_config(h, SQLITE_DBCONFIG_TRUSTED_SCHEMA, -1, &zaufanie);
    EXPECT_EQ(std::pair(obronne, zaufanie), std::pair(1, 0));
}

TEST(ObceObiekty, KazdyRodzajOdczytTylkoKopiaOdrzuconaSprawdzenieIUsuniecie) {
    for (const TPrzypadek& p : Przypadki) {
        SCOPED_TRACE(p.opis);
        TestowaBaza baza;
        baza.Wykonaj("insert into klient (Numer_klienta, Nazwisko) values (1, 'Nowak')");
        baza.Wykonaj(QString::fromUtf8(p.sql));
        const QString plik = baza.Katalog() + PlikBazy;
        EXPECT_EQ(ObceObiekty(TBaza::Aktywna()->Uchwyt()), std::vector{p.obiekt});

        // The one check of a copy, for the restore and the offer at start.
        const TOpisKopii opis = OpiszKopie(plik);
        EXPECT_TRUE(opis.obceObiekty);
        EXPECT_EQ(opis.blad, "Baza danych " + Obiekty + p.opis + ".");
        // The store check names it.
        EXPECT_TRUE(
            RaportSprawdzenia(SprawdzPlikBazy(plik))
                .startsWith(QString("Obiekt, którego program nie utworzył: ") + p.opis + "."));

        // Opened, the store is only read.
        TBaza::Polacz(baza.Katalog());
        EXPECT_EQ(TBaza::Aktywna()->Wada(), TWadaBazy::ObceObiekty);
        EXPECT_EQ(TBaza::Aktywna()->TekstWady(), p.opis);
        EXPECT_THROW(TBaza::Aktywna()->Wykonaj("insert into rental (id_filmu) values (1)"),
                     TBladBazy);

        // Removed after a copy of the store as it was; written again unless the object is
        // the program's own column made another way.
        QString kopia;
        EXPECT_EQ(
            UsunObceObiektyZBazy(baza.Katalog(), QDateTime(QDate(2024, 3, 5), QTime(9, 0)), &kopia),
            "");
        EXPECT_TRUE(OpiszKopie(kopia).obceObiekty);
        EXPECT_EQ(TBaza::Aktywna()->Wada(),
                  p.obiekt.usuwalny ? TWadaBazy::Brak : TWadaBazy::ObceObiekty);
        EXPECT_EQ(Ile(plik, "select count(*) from klient"), 1);
    }
}

// Copies made after the store got a trigger are passed over: the older sound copy is
// offered and restored.
TEST(ObceObiekty, KopiaZObiektamiNieOferowanaStarszaTak) {
    TestowaBaza baza;
    FakeInterakcja fake;
    baza.Wykonaj("insert into klient (Numer_klienta, Nazwisko) values (1, 'Nowak')");
    ASSERT_EQ(ZrobKopieAutomatyczna(baza.Katalog(), QDateTime(QDate(2024, 3, 4), QTime(20, 0))),
              "");
    baza.Wykonaj("create trigger x after insert on rental begin delete from klient; end");
    ASSERT_EQ(ZrobKopieAutomatyczna(baza.Katalog(), QDateTime(QDate(2024, 3, 5), QTime(20, 0))),
              "");
    const QString kopie = baza.Katalog() + "Kopie/";
    EXPECT_EQ(NajnowszaSprawnaKopiaAutomatyczna(baza.Katalog()),
              kopie + "wirdolan-2024-03-04-200000.sqlite");
    EXPECT_EQ(PrzywrocBaze(NajnowszaSprawnaKopiaAutomatyczna(baza.Katalog()), baza.Katalog(),
                           QDateTime(QDate(2024, 3, 6), QTime(8, 0))),
              "");
    EXPECT_EQ(TBaza::Aktywna()->Wada(), TWadaBazy::Brak);
}

class ObcyWyzwalacz : public PulpitPaneli {
protected:
    // The client's rental of the film through the desk, the payment taken as proposed.
    void Wypozycz() {
        fake.Wyczysc();
        KlientNr("0007");
        Dodaj(1);
        fake.PrzyOknie(::Kliknij("bZapisz"));
        k<QPushButton>("bWypozycz")->click();
    }
    int Ile(const char* sql) { return ::Ile(folder + "Bazy/" + PlikBazy, sql); }
};

TEST_F(ObcyWyzwalacz, WypozyczenieOdmowioneDoUsunieciaPoKopii) {
    PrzedStartem({Klient(7, "Anna", "Nowak"), Klient(8, "Jan", "Kowalski"),
                  Film(1, "Alien", "Obcy", 5),
                  "create trigger x after insert on rental begin delete from klient; end;"});
    ASSERT_TRUE(fMain->Start());
    ASSERT_EQ(fake.komunikaty.size(), 1u) << fake.komunikaty.back().tekst.toStdString();
    EXPECT_TRUE(fake.komunikaty[0].tekst.contains(Obiekty + "wyzwalacz „x” (tabela rental)."))
        << fake.komunikaty[0].tekst.toStdString();

    Wypozycz();
    ASSERT_EQ(fake.komunikaty.size(), 1u) << "refused, and nothing said to be stored";
    EXPECT_TRUE(fake.komunikaty[0].tekst.contains(Obiekty + "wyzwalacz „x” (tabela rental)."));
    EXPECT_EQ(Ile("select count(*) from klient"), 2) << "nothing deleted";
    EXPECT_EQ(Ile("select count(*) from rental"), 0);

    // The store check lists the trigger and removes it after a copy.
    fake.Wyczysc();
    QString raport;
    fake.PrzyOknie([&](QDialog& okno) {
        raport = okno.findChild<QPlainTextEdit*>("mWynik")->toPlainText();
        return 0;
    });
    fake.Odpowiedz(QMessageBox::Yes);
    k<QAction>("miSprawdzBaze")->trigger();
    EXPECT_EQ(raport, "Obiekt, którego program nie utworzył: wyzwalacz „x” (tabela rental).");
    ASSERT_EQ(fake.komunikaty.size(), 2u);
    const QStringList kopie =
        QDir(folder + "Bazy/Kopie").entryList({"przed-usunieciem-obiektow-*"}, QDir::Files);
    ASSERT_EQ(kopie.size(), 1);
    EXPECT_TRUE(fake.komunikaty[1].tekst.contains(kopie[0]));

    Wypozycz();
    EXPECT_EQ(fake.Teksty(), std::vector<QString>{"Wypożyczenie zostało zapisane."});
    EXPECT_EQ(Ile("select count(*) from klient"), 2);
    EXPECT_EQ(Ile("select count(*) from rental"), 1);
}
