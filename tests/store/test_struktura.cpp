// The start-up upgrade on stores of every older shape.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QStringList>
#include <QTemporaryDir>
#include <map>

#include "store/Baza.h"
#include "store/TQuery.h"
#include "store/uStruktura.h"
#include "support/FakeInterakcja.h"
#include "support/Kwoty.h"
#include "support/Przerwania.h"
#include "support/TestowaBaza.h"

namespace {

// Records every statement the store runs.
class Slad {
public:
    Slad() { sqlite3_trace_v2(TBaza::Aktywna()->Uchwyt(), SQLITE_TRACE_STMT, &Slad::zapisz, this); }
    ~Slad() { sqlite3_trace_v2(TBaza::Aktywna()->Uchwyt(), 0, nullptr, nullptr); }
    QStringList polecenia;
    QStringList Zmiany() const {
        QStringList z;
        for (const QString& p : polecenia)
            if (!p.startsWith(QLatin1String("select")) && p != QLatin1String("PRAGMA user_version"))
                z << p;
        return z;
    }
    // The changes of the first step run (up to its commit); later steps follow it.
    QStringList PierwszyKrok() const {
        QStringList z = Zmiany();
        const qsizetype koniec = z.indexOf(QStringLiteral("commit"));
        return koniec < 0 ? z : z.mid(0, koniec + 1);
    }

private:
    static int zapisz(unsigned, void* slad, void*, void* sql) {
        static_cast<Slad*>(slad)->polecenia << QString::fromUtf8(static_cast<const char*>(sql));
        return 0;
    }
};

QStringList kolumny(const TestowaBaza& baza, const QString& tabela) {
    return baza.Wartosc("select group_concat(name, ',') from pragma_table_info('" + tabela + "')")
        .toString()
        .split(',');
}

const char* const StaryKlient =
    "create table klient (ID integer primary key autoincrement, Numer_klienta INTEGER, Imie "
    "CHAR(30), Nazwisko CHAR(50), Firma CHAR(80), Kod CHAR(10), Miejscowosc CHAR(30), Ulica "
    "CHAR(30), Nr_Posesji CHAR(10), Nr_lokalu CHAR(10), Telefon CHAR(50), NIP CHAR(20), "
    "Ostatnie_wypozyczenie DATE, Saldo MONEY, Abonament BOOLEAN, Abonament_OD DATE, Abonament_DO "
    "DATE, Licznik INTEGER";
const char* const StaryFilm =
    "create table film (ID integer primary key autoincrement, Numer_filmu INTEGER, "
    "Tytul_oryginalny CHAR(50), Tytul_polski CHAR(50), Status BOOLEAN, Stawka MONEY";
const char* const StaryRental =
    "create table rental (id_filmu INTEGER, id_klienta INTEGER, dataOD DATE, dataDO DATE, "
    "zwrocono BOOLEAN, platnosc MONEY";

class Aktualizacja : public ::testing::Test {
protected:
    // An older shape of a table, in a store from before the recorded version.
    void Zastap(const char* tabela, const QString& tworzenie) {
        baza.Wykonaj(QStringLiteral("drop table %1").arg(QLatin1String(tabela)));
        baza.Wykonaj(tworzenie);
        baza.Wykonaj("PRAGMA user_version = 0");
    }
    void NajstarszyKsztaltZDanymi() {
        Zastap("klient", QString::fromLatin1(StaryKlient) + ")");
        Zastap("film", QString::fromLatin1(StaryFilm) + ")");
        Zastap("rental", QString::fromLatin1(StaryRental) + ")");
        baza.Wykonaj("insert into klient (Numer_klienta, Nazwisko, Saldo) values (1, 'Nowak', 5)");
        baza.Wykonaj(
            "insert into film (Numer_filmu, Tytul_oryginalny, Status) values (1, 'Alien', 1)");
        baza.Wykonaj("insert into rental values (1, 1, '2024-03-01', '2024-03-03', 0, 2.5)");
    }
    TestowaBaza baza;
    FakeInterakcja fake;
    TQuery query;
};

}  // namespace

TEST_F(Aktualizacja, NajstarszyKsztaltDostajeWszystkieKolumnyIWypelnienia) {
    NajstarszyKsztaltZDanymi();
    Slad slad;
    AktualizujStrukture(query);
    EXPECT_TRUE(fake.komunikaty.empty());
    EXPECT_EQ(WersjaBazy(), WersjaSchematu());
    EXPECT_EQ(slad.PierwszyKrok(),
              (QStringList{
                  "begin immediate", "alter table klient add \"Upowazniony\" CHAR(80)",
                  "alter table klient add \"LicznikAb\" INTEGER", "update klient set LicznikAb = 0",
                  "alter table klient add \"Aktualny\" BOOLEAN", "update klient set Aktualny = 1",
                  "alter table klient add \"Rabat\" INTEGER", "update klient set Rabat = 0",
                  "alter table rental add \"Z_abonamentu\" MONEY REAL",
                  "alter table rental add \"DataZwrotu\" DATE",
                  "alter table rental add \"Platnosc1\" MONEY REAL",
                  "alter table rental add \"Naleznosc\" MONEY REAL",
                  "alter table rental add \"Stawka\" MONEY REAL",
                  "alter table film add \"Aktualny\" BOOLEAN", "update film set Aktualny = 1",
                  "PRAGMA user_version = 1", "commit"}));
    EXPECT_FALSE(query.Active());

    // Old rows stay visible in the lists and read as the new columns say.
    query.UstawSQL("select * from klient where aktualny = True");
    query.Open();
    ASSERT_FALSE(query.Eof());
    EXPECT_EQ(query.FieldByName("NAZWISKO").AsString(), "Nowak");
    EXPECT_EQ(query.FieldByName("LICZNIKAB").AsInteger(), 0);
    EXPECT_EQ(query.FieldByName("RABAT").AsInteger(), 0);
    EXPECT_EQ(query.FieldByName("UPOWAZNIONY").AsString(), "");
    EXPECT_TRUE(query.FieldByName("UPOWAZNIONY").IsNull());
    query.UstawSQL("select * from film where aktualny = True");
    query.Open();
    EXPECT_FALSE(query.Eof());
}

TEST_F(Aktualizacja, KlientZLicznikiemAbBezRabatuDostajeTylkoRabat) {
    Zastap("klient", QString::fromLatin1(StaryKlient) +
                         ", Upowazniony CHAR(80), LicznikAb INTEGER, Aktualny BOOLEAN)");
    baza.Wykonaj(
        "insert into klient (Numer_klienta, LicznikAb, Aktualny) values (1, 7, 1), "
        "(2, 3, 0)");
    Slad slad;
    AktualizujStrukture(query);
    EXPECT_TRUE(fake.komunikaty.empty());
    EXPECT_EQ(slad.PierwszyKrok(),
              (QStringList{"begin immediate", "alter table klient add \"Rabat\" INTEGER",
                           "update klient set Rabat = 0", "PRAGMA user_version = 1", "commit"}));
    EXPECT_EQ(baza.Wartosc("select group_concat(LicznikAb || ':' || Rabat || ':' || Aktualny) "
                           "from klient")
                  .toString(),
              "7:0:1,3:0:0");
}

TEST_F(Aktualizacja, WypozyczeniaBezPieciuKolumnDostajaJeWKolejnosci) {
    Zastap("rental", QString::fromLatin1(StaryRental) + ")");
    baza.Wykonaj("insert into rental values (1, 1, '2023-11-02', '2023-11-04', 1, 0)");
    Slad slad;
    AktualizujStrukture(query);
    EXPECT_TRUE(fake.komunikaty.empty());
    EXPECT_EQ(slad.PierwszyKrok().size(), 5 + 3);
    EXPECT_EQ(kolumny(baza, "rental"),
              (QStringList{"id_filmu", "id_klienta", "dataOD", "dataDO", "zwrocono", "platnosc",
                           "Z_abonamentu", "DataZwrotu", "Platnosc1", "Naleznosc", "Stawka"}));
    query.UstawSQL("select * from rental");
    query.Open();
    ASSERT_FALSE(query.Eof());
    EXPECT_FALSE(query.FieldByName("DATAZWROTU").AsDate().isValid());
    for (const char* k : {"Z_ABONAMENTU", "PLATNOSC1", "NALEZNOSC", "STAWKA"}) {
        EXPECT_KWOTA(query.FieldByName(k).AsKwota(), 0_zl) << k;
        EXPECT_EQ(query.FieldByName(k).AsString(), "") << k;
    }
    query.Close();
    // The added money columns keep whole amounts as reals.
    baza.Wykonaj("update rental set Naleznosc = 12");
    EXPECT_EQ(baza.Wartosc("select typeof(Naleznosc) from rental").toString(), "real");
}

TEST_F(Aktualizacja, KolumnaWInnejWielkosciLiterJestObecna) {
    Zastap("klient", QString::fromLatin1(StaryKlient) +
                         ", UPOWAZNIONY CHAR(80), licznikab INTEGER, AKTUALNY BOOLEAN, RABAT "
                         "INTEGER)");
    Zastap("film", QString::fromLatin1(StaryFilm) + ", aktualny BOOLEAN)");
    Slad slad;
    AktualizujStrukture(query);
    EXPECT_EQ(slad.PierwszyKrok(),
              (QStringList{"begin immediate", "PRAGMA user_version = 1", "commit"}));
    EXPECT_TRUE(fake.komunikaty.empty());
}

TEST_F(Aktualizacja, DrugiStartNieZmieniaNiczego) {
    Zastap("klient", QString::fromLatin1(StaryKlient) + ")");
    Zastap("rental", QString::fromLatin1(StaryRental) + ")");
    AktualizujStrukture(query);
    const QString schemat =
        baza.Wartosc("select group_concat(sql, ';') from sqlite_master").toString();
    Slad slad;
    AktualizujStrukture(query);
    // At the current version only the version is read, and whether the index of one open
    // rental a copy is there.
    EXPECT_EQ(slad.polecenia,
              (QStringList{"PRAGMA user_version",
                           "select 1 from sqlite_master where type = 'index' and name = ?1"}));
    EXPECT_EQ(baza.Wartosc("select group_concat(sql, ';') from sqlite_master").toString(), schemat);
    EXPECT_TRUE(fake.komunikaty.empty());
}

TEST_F(Aktualizacja, NowaInstalacjaMaWszystkieKolumny) {
    // A store file created now, as a first start creates it.
    QTemporaryDir nowy;
    TBaza::Polacz(nowy.path() + '/');
    EXPECT_EQ(WersjaBazy(), 1);
    Slad slad;
    AktualizujStrukture(query);
    // No column of the four tables is filled: later steps only add indexes, the till journal
    // and the shop's settings, and columns that start empty.
    for (const QString& z : slad.Zmiany())
        EXPECT_TRUE(z == "begin immediate" || z == "commit" ||
                    z.startsWith("PRAGMA user_version") || z.startsWith("create index") ||
                    z.startsWith("create unique index") ||
                    z.startsWith("create table if not exists kasa ") ||
                    z.startsWith("create table if not exists ustawienia ") ||
                    z == "alter table film add \"DataWprowadzenia\" DATE" ||
                    z == "alter table kasa add \"Stanowisko\" TEXT")
            << z.toStdString();
    EXPECT_TRUE(fake.komunikaty.empty());
    EXPECT_EQ(WersjaBazy(), WersjaSchematu());
    EXPECT_TRUE(kolumny(baza, "film").contains("DataWprowadzenia"));
}

// The entry date comes once: from the step before it, and never twice on a store that
// has it; films entered before it carry no date.
TEST_F(Aktualizacja, DataWprowadzeniaFilmuDodanaRaz) {
    Zastap("film", QString::fromLatin1(StaryFilm) + ", Aktualny BOOLEAN)");
    baza.Wykonaj(
        "insert into film (Numer_filmu, Tytul_oryginalny, Aktualny) values (1, 'Alien', 1)");
    baza.Wykonaj("PRAGMA user_version = 3");
    Slad slad;
    AktualizujStrukture(query);
    EXPECT_TRUE(fake.komunikaty.empty());
    EXPECT_EQ(WersjaBazy(), WersjaSchematu());
    EXPECT_EQ(slad.PierwszyKrok(),
              (QStringList{"begin immediate", "alter table film add \"DataWprowadzenia\" DATE",
                           "create index if not exists film_wprowadzenie on "
                           "film(DataWprowadzenia)",
                           "PRAGMA user_version = 4", "commit"}));
    EXPECT_EQ(kolumny(baza, "film").count("DataWprowadzenia"), 1);
    EXPECT_TRUE(baza.Wartosc("select DataWprowadzenia from film").isNull());

    // Recorded at the step before again (a copy restored over it): nothing is added.
    baza.Wykonaj("PRAGMA user_version = 3");
    Slad drugi;
    AktualizujStrukture(query);
    EXPECT_TRUE(fake.komunikaty.empty());
    EXPECT_EQ(WersjaBazy(), WersjaSchematu());
    EXPECT_FALSE(drugi.Zmiany().join(';').contains("alter table"));
    EXPECT_EQ(kolumny(baza, "film").count("DataWprowadzenia"), 1);
}

// A missing table fails the first statement: its text is shown once and the step is taken
// back whole, the other tables untouched; the next start tries again.
TEST_F(Aktualizacja, BrakTabeliKlientowCofaCalyKrok) {
    Zastap("rental", QString::fromLatin1(StaryRental) + ")");
    baza.Wykonaj("drop table klient");
    AktualizujStrukture(query);
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_TRUE(fake.komunikaty[0].tekst.contains("klient"));
    EXPECT_EQ(fake.komunikaty[0].ikona, TIkona::Brak);
    EXPECT_EQ(kolumny(baza, "rental").size(), 6);
    EXPECT_EQ(WersjaBazy(), 0);
    EXPECT_FALSE(query.Active());
}

// A failure at any statement of the upgrade leaves the store as the last whole step left
// it (the old shape with its rows when that is the first); the next start then completes it.
TEST_F(Aktualizacja, BladNaKazdymPoleceniuZostawiaStaryKsztalt) {
    NajstarszyKsztaltZDanymi();
    std::map<int, QString> poKroku{{0, ZrzutBazy()}};  // by version, as first seen
    int n = 1;
    for (;; ++n) {
        NajstarszyKsztaltZDanymi();
        fake.Wyczysc();
        int liczba = 0;
        {
            TBladNaPoleceniu blad(n);
            AktualizujStrukture(query);
            liczba = blad.Liczba();
        }
        if (liczba < n) break;  // the upgrade ended before the n-th statement
        const QString stan = ZrzutBazy();
        const QString& wzor = poKroku.emplace(WersjaBazy(), stan).first->second;
        EXPECT_LT(WersjaBazy(), WersjaSchematu()) << "failure at statement " << n;
        EXPECT_EQ(stan.toStdString(), wzor.toStdString()) << "failure at statement " << n;
        EXPECT_EQ(fake.komunikaty.size(), 1u) << "failure at statement " << n;
    }
    EXPECT_GT(n, 17);
    EXPECT_TRUE(fake.komunikaty.empty());
    EXPECT_EQ(WersjaBazy(), WersjaSchematu());
    EXPECT_EQ(
        baza.Wartosc("select group_concat(LicznikAb || Aktualny || Rabat) from klient").toString(),
        "010");
}

// A kill at any statement boundary of the upgrade leaves the old shape, the whole new one
// with its fills, or the shape of a whole step between them.
TEST_F(Aktualizacja, UbicieNaKazdymPoleceniuZostawiaStaryLubNowyKsztalt) {
    NajstarszyKsztaltZDanymi();
    const QString przed = ZrzutBazy();
    TQuery pierwsza;
    AktualizujStrukture(pierwsza);
    const QString po = ZrzutBazy();
    ASSERT_NE(przed, po);

    int ubite = 0;
    std::map<int, QString> miedzy;  // the shapes between steps, by version, as first seen
    for (int n = 1;; ++n) {
        NajstarszyKsztaltZDanymi();
        ASSERT_EQ(ZrzutBazy(), przed);
        if (!UbijNaPoleceniu(baza.Katalog(), n, [] {
                TQuery q;
                AktualizujStrukture(q);
            }))
            break;
        ++ubite;
        const QString stan = ZrzutBazy();
        if (WersjaBazy() > 0 && WersjaBazy() < WersjaSchematu()) {
            const QString& wzor = miedzy.emplace(WersjaBazy(), stan).first->second;
            EXPECT_EQ(stan, wzor) << "killed at statement " << n;
            continue;
        }
        EXPECT_TRUE(stan == przed || stan == po) << "killed at statement " << n;
    }
    EXPECT_GT(ubite, 15);
    EXPECT_EQ(ZrzutBazy(), po);
}

namespace {

// A store of either kind as the version before the counters' step left it, with a movement.
class KrokStanowisk : public ::testing::Test {
protected:
    void SetUp() override {
        baza.Wykonaj("drop table ustawienia");
        baza.Wykonaj("alter table kasa drop column Stanowisko");
        baza.Wykonaj(TestowaBaza::NaSerwerze() ? "update wirdolan_schemat set wersja = 4"
                                               : "PRAGMA user_version = 4");
        baza.Wykonaj(
            "insert into kasa (Data, Czas, id_klienta, Rodzaj, Kwota, Opis) values "
            "('2024-03-04', '10:00:00', 1, 'Zwrot', 2.5, '0001')");
    }
    TestowaBaza baza;
    FakeInterakcja fake;
    TQuery query;
};

}  // namespace

// Old movements belong to no counter; the shop's settings table takes texts by key. Run
// again from the version before (a copy restored over it), the step adds nothing twice.
TEST_F(KrokStanowisk, StareRuchyBezStanowiskaTabelaUstawien) {
    for (int raz = 0; raz < 2; ++raz) {
        AktualizujStrukture(query);
        EXPECT_TRUE(fake.komunikaty.empty()) << raz;
        EXPECT_EQ(WersjaBazy(), WersjaSchematu()) << raz;
        EXPECT_TRUE(baza.Wartosc("select Stanowisko from kasa").isNull()) << raz;
        baza.Wykonaj(TestowaBaza::NaSerwerze() ? "update wirdolan_schemat set wersja = 4"
                                               : "PRAGMA user_version = 4");
    }
    baza.Wykonaj("insert into kasa (Data, Kwota, Stanowisko) values ('2024-03-05', 1, 'Kasa 2')");
    EXPECT_EQ(baza.Wartosc("select Stanowisko from kasa where Stanowisko <> ''").toString(),
              "Kasa 2");
    baza.Wykonaj("insert into ustawienia (Klucz, Wartosc) values ('A/b', 'Żółw')");
    EXPECT_EQ(baza.Wartosc("select Wartosc from ustawienia where Klucz = 'A/b'").toString(),
              QString::fromUtf8("Żółw"));
}

// A store a newer program wrote (on either kind): refused with its message, nothing run.
TEST_F(KrokStanowisk, NowszaBazaJestOdrzucanaBezZmian) {
    const int nowsza = WersjaSchematu() + 1;
    baza.Wykonaj(TestowaBaza::NaSerwerze()
                     ? QString("update wirdolan_schemat set wersja = %1").arg(nowsza)
                     : QString("PRAGMA user_version = %1").arg(nowsza));
    EXPECT_FALSE(AktualizujStrukture(query));
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_EQ(fake.komunikaty[0].tekst, KomunikatNowszejBazy(nowsza));
    EXPECT_TRUE(fake.komunikaty[0].tekst.contains(QString("wersja bazy: %1").arg(nowsza)));
    EXPECT_EQ(WersjaBazy(), nowsza);
    // Step 6 did not run: its table is still missing.
    EXPECT_EQ(baza.Wartosc(TestowaBaza::NaSerwerze()
                               ? "select count(*) from information_schema.tables where "
                                 "table_name = 'ustawienia'"
                               : "select count(*) from sqlite_master where name = 'ustawienia'")
                  .toInt(),
              0);
}

// The rentals' key column is the server's own: a server store made before it gets it at the
// next connection, its rows numbered and the next rows after them; a file's rental keeps
// its columns.
TEST(KluczWypozyczen, StaryMagazynSerweraDostajeGoPlikNie) {
    TestowaBaza baza;
    if (TestowaBaza::NaSerwerze()) baza.Wykonaj("alter table rental drop column wiersz");
    baza.Wykonaj("insert into rental (id_filmu, id_klienta, zwrocono) values (1, 1, 0), (2, 1, 0)");
    baza.PolaczPonownie();
    baza.PolaczPonownie();  // a second connection finds it made
    baza.Wykonaj("insert into rental (id_filmu, id_klienta, zwrocono) values (3, 1, 0)");
    TQuery q;
    q.UstawSQL("select * from rental where id_klienta = 1");
    q.Open();
    QStringList kolumny;
    for (int i = 0; i < q.FieldCount(); ++i) kolumny << q.FieldName(i).toLower();
    QString filmy;
    for (; !q.Eof(); q.Next()) filmy += q.FieldByName("id_filmu").AsString();
    EXPECT_EQ(kolumny.join(' '),
              QString("id_filmu id_klienta dataod datado zwrocono platnosc platnosc1 z_abonamentu "
                      "naleznosc stawka datazwrotu") +
                  (TestowaBaza::NaSerwerze() ? " wiersz" : ""));
    EXPECT_EQ(filmy, "123");
}
