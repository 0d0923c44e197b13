// The program's writing statements, quoting of typed text, and how values are stored
// and read back.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

#include "DaneWypozyczalni.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/Tlumacz.h"
#include "store/Zegar.h"
#include "store/uWspolneDB.h"
#include "support/Kwoty.h"

namespace {

struct TZapis {
    const char* opis;
    const char* sql;
    const char* sprawdzenie;  // a store-SQL query of one value
    QVariant oczekiwane;
};

// clang-format off
const TZapis Zapisy[] = {
    {"expired subscription", "update klient set Abonament = False, Saldo = 0 where ID = 2",
     "select Abonament || '/' || Saldo from klient where ID = 2", "0/0.0"},
    {"rental commit, negative change",
     "update klient set Saldo = Saldo + -2.50, Ostatnie_wypozyczenie = \"06.03.24\", LicznikAb = 3 "
     "where id = 1",
     "select Saldo || '/' || Ostatnie_wypozyczenie || '/' || LicznikAb from klient where ID = 1",
     "10.0/2024-03-06/3"},
    {"balance set", "update klient set Saldo = -3.00 where id = 1",
     "select typeof(Saldo) || Saldo from klient where ID = 1", "real-3.0"},
    {"open row paid part", "update rental set platnosc = 1.25 where id_filmu = 1 and id_klienta = 1 "
     "and zwrocono = False",
     "select platnosc from rental where id_filmu = 1 and id_klienta = 1 and zwrocono = 0", 1.25},
    {"return closes the row",
     "update rental set zwrocono = True, dataZwrotu = \"05.03.24\", platnosc1 = 2.5, z_abonamentu = "
     "0.00, naleznosc = 7.50 where id_filmu = 1 and id_klienta = 1 and Zwrocono = False",
     "select zwrocono || '/' || dataZwrotu || '/' || platnosc1 from rental where id_filmu = 1 and "
     "id_klienta = 1 and dataOD = '2024-03-01'",
     "1/2024-03-05/2.5"},
    {"return puts the film back",
     "update film set status = True, Ilosc_wypozyczen = Ilosc_wypozyczen + 1, wplywy = wplywy + "
     "7.50 where id = 1",
     "select Status || '/' || Ilosc_wypozyczen || '/' || Wplywy from film where ID = 1",
     "1/7/37.5"},
    {"return balance and counter", "update klient set Saldo = 12.50, Licznik = Licznik + 2 where "
     "id = 1",
     "select Licznik from klient where ID = 1", 6},
    {"undo deletes the open row",
     "delete from rental where id_filmu = 2 and id_klienta = 2 and zwrocono = False",
     "select count(*) from rental where id_klienta = 2", 1},
    {"undo balance", "update klient set Saldo = -3.00, licznikAb = 0 where id = 2",
     "select LicznikAb from klient where ID = 2", 0},
    {"extension", "update rental set dataDO = \"12.03.24\", naleznosc = 12.50 where id_klienta = 1 "
     "and id_filmu = 1 and zwrocono = False",
     "select dataDO || '/' || naleznosc from rental where id_filmu = 1 and zwrocono = 0",
     "2024-03-12/12.5"},
    {"film status by hand, quoted ID", " UPDATE film SET Status = TRUE WHERE ID = '1' ",
     "select Status from film where ID = 1", 1},
    {"film status by hand, off", " UPDATE film SET Status = FALSE WHERE ID = '2' ",
     "select Status from film where ID = 2", 0},
    {"film withdrawn", "update film set Aktualny = False where ID = 1",
     "select Aktualny from film where ID = 1", 0},
    {"client restored", "update klient set Aktualny = True where ID = 3",
     "select Aktualny from klient where ID = 3", 1},
    {"arrears payment", "update klient set Saldo = Saldo + 2.5 where ID = 1",
     "select Saldo from klient where ID = 1", 15.0},
    {"arrears row by its dates",
     "update rental set platnosc1 = 0 where id_klienta = 1 and id_filmu = 2 and dataOD = "
     "\"01.02.2024\" and dataZwrotu = \"05.02.2024\"",
     "select platnosc1 from rental where id_klienta = 1 and id_filmu = 2", 0.0},
    {"arrears row without a return date",
     "update rental set platnosc1 = 1 where id_klienta = 1 and id_filmu = 2 and dataOD = "
     "\"01.02.2024\" and dataZwrotu is null",
     "select platnosc1 from rental where id_klienta = 1 and id_filmu = 2", 2.5},
    {"client record saved",
     "update klient set Numer_klienta = 0008, Imie = 'Jan', Nazwisko = 'Kowalski', Firma = "
     "'Kino \"Muza\"', Kod = '90-001', Miejscowosc = 'Łódź', Ulica = 'Piotrkowska', Nr_posesji = "
     "'12a', Nr_lokalu = '3', Telefon = '', NIP = '', Ostatnie_wypozyczenie = \"05.03.24\", Saldo "
     "= 12.50, Abonament = True, Abonament_OD = \"05.03.24\", Abonament_DO = \"04.04.24\", "
     "Licznik = 4, Upowazniony = '', LicznikAb = 0, Rabat = 10 where ID = 1",
     "select Numer_klienta || '/' || Firma || '/' || Nr_Posesji || '/' || Abonament_DO || '/' || "
     "Rabat from klient where ID = 1",
     "8/Kino \"Muza\"/12a/2024-04-04/10"},
};
// clang-format on

class Zapis : public Wypozyczalnia, public ::testing::WithParamInterface<TZapis> {};

TEST_P(Zapis, ZmieniaBazeTakJakChceProgram) {
    const TZapis& p = GetParam();
    UruchomSQL(query, QString::fromUtf8(p.sql));
    ASSERT_TRUE(fake.komunikaty.empty()) << fake.komunikaty.front().tekst.toStdString();
    EXPECT_FALSE(query.Active());
    const QVariant v = baza.Wartosc(QString::fromUtf8(p.sprawdzenie));
    if (p.oczekiwane.typeId() == QMetaType::Double)
        EXPECT_DOUBLE_EQ(v.toDouble(), p.oczekiwane.toDouble());
    else
        EXPECT_EQ(v.toString(), p.oczekiwane.toString());
}

void PrintTo(const TZapis& p, std::ostream* os) {
    *os << p.sql;
}

INSTANTIATE_TEST_SUITE_P(Polecenia, Zapis, ::testing::ValuesIn(Zapisy));

}  // namespace

// Typed text goes in through TekstSQL and comes back exactly as typed.
TEST_F(Wypozyczalnia, TekstWracaTakJakWpisany) {
    const QString teksty[] = {
        "O'Brien",
        "Schindler's List",
        "Kino \"Muza\"",
        "C:\\filmy\\nowe",
        "100% zabawy",
        "a_b%c",
        "Zażółć gęślą jaźń",
        "''",
        "'",
        "\"",
        "' or 1=1 --",
        "x'); delete from film; --",
        "Ąę ŁÓDŹ ß",
        "",
        "tab\tnowa\nlinia",
        "klient.db",
        "05.03.24",
        "True",
    };
    for (const QString& t : teksty) {
        UruchomSQL(query, "update film set Tytul_polski = " + TekstSQL(t) +
                              ", Opis = " + TekstSQL(t) + " where ID = 2");
        OtworzSQL(query, "select Tytul_polski, Opis from film where Tytul_polski = " + TekstSQL(t) +
                             " and ID = 2");
        ASSERT_TRUE(query.Active()) << t.toStdString();
        ASSERT_FALSE(query.Eof()) << t.toStdString();
        EXPECT_EQ(query.FieldByName("TYTUL_POLSKI").AsString(), t);
        EXPECT_EQ(query.FieldByName("opis").AsString(), t);
        query.Close();
    }
    EXPECT_TRUE(fake.komunikaty.empty());
    EXPECT_EQ(baza.Ile("select count(*) from film"), 3);
}

// A double-quoted literal with a doubled double quote inside, after LIKE and after =.
TEST_F(Wypozyczalnia, CudzyslowWTekscieWCudzyslowach) {
    UruchomSQL(query, "update film set Tytul_oryginalny = 'the \"best\" film' where ID = 1");
    OtworzSQL(query,
              "select ID from film where ( Lower( Tytul_oryginalny ) like "
              "\"the \"\"best\"\" film\" )");
    EXPECT_EQ(Wiersze(query, {"ID"}), (std::vector<QStringList>{{"1"}}));
    OtworzSQL(query, "select ID from film where Tytul_oryginalny = \"the \"\"best\"\" film\"");
    EXPECT_EQ(Wiersze(query, {"ID"}), (std::vector<QStringList>{{"1"}}));
    EXPECT_TRUE(fake.komunikaty.empty());
}

// Empty values read as 0, the empty text, False and no date, whatever the reader.
TEST_F(Wypozyczalnia, PustePolaCzytajaSieJakoZeraIPusteTeksty) {
    baza.Wykonaj("insert into rental (id_filmu, id_klienta) values (3, 3)");
    baza.Wykonaj(
        "update klient set Upowazniony = null, Rabat = null, Aktualny = null, Saldo = "
        "null, Abonament_DO = null where ID = 3");
    OtworzSQL(query, "select * from rental where id_filmu = 3");
    ASSERT_FALSE(query.Eof());
    for (const char* k : {"PLATNOSC", "Platnosc1", "Z_ABONAMENTU", "NALEZNOSC", "STAWKA"}) {
        EXPECT_KWOTA(query.FieldByName(k).AsKwota(), 0_zl) << k;
        EXPECT_EQ(query.FieldByName(k).AsInteger(), 0) << k;
        EXPECT_EQ(query.FieldByName(k).AsString(), "") << k;
    }
    EXPECT_FALSE(query.FieldByName("ZWROCONO").AsBoolean());
    EXPECT_FALSE(query.FieldByName("DATAZWROTU").AsDate().isValid());
    EXPECT_EQ(query.FieldByName("DATAZWROTU").AsString(), "");
    OtworzSQL(query, "select * from klient where ID = 3");
    EXPECT_EQ(query.FieldByName("UPOWAZNIONY").AsString(), "");
    EXPECT_EQ(query.FieldByName("RABAT").AsInteger(), 0);
    EXPECT_FALSE(query.FieldByName("AKTUALNY").AsBoolean());
    EXPECT_KWOTA(query.FieldByName("SALDO").AsKwota(), 0_zl);
    EXPECT_FALSE(query.FieldByName("ABONAMENT_DO").AsDate().isValid());
    // An empty result reads the same way.
    OtworzSQL(query, "select * from klient where ID = 99");
    EXPECT_TRUE(query.Eof());
    EXPECT_KWOTA(query.FieldByName("SALDO").AsKwota(), 0_zl);
    EXPECT_EQ(query.FieldByName("NAZWISKO").AsString(), "");
    EXPECT_TRUE(fake.komunikaty.empty());
}

// Money is stored as reals, dates as ISO text that sorts, booleans as 0/1.
TEST_F(Wypozyczalnia, TypyPrzechowywania) {
    EXPECT_EQ(baza.Wartosc("select typeof(Saldo) from klient where ID = 3").toString(), "real");
    EXPECT_EQ(baza.Wartosc("select typeof(Wplywy) from film where ID = 3").toString(), "real");
    EXPECT_EQ(baza.Wartosc("select typeof(platnosc1) from rental where id_filmu = 1 and "
                           "id_klienta = 1")
                  .toString(),
              "real");
    EXPECT_EQ(baza.Wartosc("select Ostatnie_wypozyczenie from klient where ID = 3").toString(),
              "2023-12-10");
    EXPECT_EQ(baza.Wartosc("select group_concat(Abonament) from klient").toString(), "0,1,0");
    OtworzSQL(query,
              "select Numer_klienta from klient where Ostatnie_wypozyczenie >= "
              "\"31.12.23\" order by Ostatnie_wypozyczenie");
    EXPECT_EQ(Wiersze(query, {"NUMER_KLIENTA"}), (std::vector<QStringList>{{"12"}, {"7"}}));
    OtworzSQL(query, "select * from klient where ID = 1");
    EXPECT_EQ(query.FieldByName("OSTATNIE_WYPOZYCZENIE").AsDate(), QDate(2024, 3, 5));
    EXPECT_KWOTA(query.FieldByName("SALDO").AsKwota(), 12.50_zl);
    EXPECT_TRUE(query.FieldByName("AKTUALNY").AsBoolean());
    EXPECT_EQ(query.FieldByName("Aktualny").AsString(), "True");
    EXPECT_EQ(query.FieldByName("NUMER_KLIENTA").AsInteger(), 7);
}

// Two-digit years in statements fall in the window around the program's today.
TEST(Tlumacz, DwucyfrowyRokWOknieWokolDzisiaj) {
    UstawDzisiaj(QDate(2024, 3, 5));
    const std::pair<const char*, const char*> daty[] = {
        {"\"05.03.24\"", "'2024-03-05'"},   {"\"01.01.74\"", "'1974-01-01'"},
        {"\"31.12.73\"", "'2073-12-31'"},   {"\"1.2.00\"", "'2000-02-01'"},
        {"\"29.02.2024\"", "'2024-02-29'"}, {"\"05.03.1999\"", "'1999-03-05'"},
    };
    for (const auto& [lokalny, iso] : daty)
        EXPECT_EQ(PrzetlumaczSQL(QStringLiteral("select %1").arg(lokalny)),
                  QStringLiteral("select %1").arg(iso))
            << lokalny;
    UstawDzisiaj(QDate(2060, 1, 1));
    EXPECT_EQ(PrzetlumaczSQL("x = \"01.01.10\""), "x = '2010-01-01'");
    EXPECT_EQ(PrzetlumaczSQL("x = \"01.01.09\""), "x = '2109-01-01'");
    EXPECT_EQ(PrzetlumaczSQL("x = \"01.01.11\""), "x = '2011-01-01'");
    UstawDzisiaj(QDate());
}

TEST(Tlumacz, PostacieTabelIWartosci) {
    UstawDzisiaj(QDate(2024, 3, 5));
    const std::pair<const char*, const char*> przypadki[] = {
        {"alter table \"klient.db\" add \"klient.db\".\"Upowazniony\" CHAR(80)",
         "alter table klient add \"Upowazniony\" CHAR(80)"},
        {"alter table \"rental.db\" add \"rental.db\".\"Stawka\" MONEY",
         "alter table rental add \"Stawka\" MONEY REAL"},
        {"select * from 'C:\\Wirdolan\\Bazy\\klient.db' k", "select * from klient k"},
        {"select * from \"/srv/wirdolan/Bazy/rental.db\" r, \"/srv/x/film.db\" f",
         "select * from rental r, film f"},
        {"select \"klient.db\".Imie from klient", "select \"Imie\" from klient"},
        {"update 'D:\\Bazy\\film.db' set status = TRUE", "update film set status = 1"},
        {"insert into \"dictionary.db\"( Nazwa ) values ( 'a' )",
         "insert into dictionary( Nazwa ) values ( 'a' )"},
        // the same texts as values stay values
        {"select ID from film where Tytul_polski = 'klient.db'",
         "select ID from film where Tytul_polski = 'klient.db'"},
        {"update film set Opis = 'a', Tytul_polski = \"film.db\"",
         "update film set Opis = 'a', Tytul_polski = 'film.db'"},
        {"select a from t where x in ('film.db', 'b')",
         "select a from t where x in ('film.db', 'b')"},
        // a pattern that looks like a date is a pattern
        {"where t like \"12.05.99\"", "where t like '12.05.99'"},
        {"where t = \"12.05.99\"", "where t = '1999-05-12'"},
        {"where t = \"O'Brien\"", "where t = 'O''Brien'"},
        {"where a = tRuE or b = FaLsE", "where a = 1 or b = 0"},
        {"where a <> 0 and b = :ID and c = 'x''y'", "where a <> 0 and b = :ID and c = 'x''y'"},
        {"select \"5.3.24\", \"05.03\", \"1.2.3.4\"", "select '2024-03-05', '05.03', '1.2.3.4'"},
        {"select money from t", "select money from t"},
        // a row lock ends a statement; the file store has none
        {"select Status from film where ID = 3 for update",
         "select Status from film where ID = 3 "},
        {"select a from t order by b FOR  Update ;",
         "select a from t order by b collate polski  ;"},
        {"select for, update from t", "select for, update from t"},
    };
    for (const auto& [lokalny, wynik] : przypadki)
        EXPECT_EQ(PrzetlumaczSQL(QString::fromUtf8(lokalny)), QString::fromUtf8(wynik)) << lokalny;
    UstawDzisiaj(QDate());
}

// The server's dialect: the same statements with its booleans, parameters and names.
TEST(Tlumacz, DialektSerwera) {
    UstawDzisiaj(QDate(2024, 3, 5));
    const std::tuple<const char*, const char*, QStringList> przypadki[] = {
        {"where a = tRuE or b = FaLsE", "where a = true or b = false", {}},
        {"select * from 'C:\\Bazy\\klient.db' where d = \"05.03.24\" order by Nazwisko",
         "select * from klient where d = '2024-03-05' order by Nazwisko nulls first",
         {}},
        // nulls where SQLite puts them: first going up, last going down
        // equal groups in the order SQLite forms them: by the GROUP BY terms, text by its bytes
        {"select sum(a) s, b from t group by b order by s desc, lower(b), c asc limit 3",
         "select sum(a) s, b from t group by b order by s desc nulls last, lower(b) nulls first, "
         "c asc nulls first, b collate \"C\" nulls first limit 3",
         {}},
        {"select k.id, sum(r.n) s from klient k, rental r where k.id = r.id_klienta group by "
         "k.id, k.nazwisko having count(*) > 1 order by s desc",
         "select k.id, sum(r.n) s from klient k, rental r where k.id = r.id_klienta group by "
         "k.id, k.nazwisko having count(*) > 1 order by s desc nulls last, k.id nulls first, "
         "k.nazwisko collate \"C\" nulls first",
         {}},
        {"select a from t group by lower(a) order by count(*)",
         "select a from t group by lower(a) order by count(*) nulls first",
         {}},
        {"select * from (select a from t order by a desc nulls first) order by a",
         "select * from (select a from t order by a desc nulls first) order by a nulls first",
         {}},
        {"select \"klient.db\".Imie, \"film.db\".\"Tytuł\" from klient",
         "select Imie, \"tytuł\" from klient",
         {}},
        {"where a = :Id and b = :x or c = :ID and d like ':y'",
         "where a = $1 and b = $2 or c = $1 and d like ':y'",
         {":ID", ":X"}},
        // rental's rowid is its key column; a read of rental without an order of its own
        // gets the order of the index SQLite reads for its conditions, then the key
        {"update rental set a = 1 where rowid = ( select rowid from rental where id_klienta = "
         "1 and dataOD is null limit 1 )",
         "update rental set a = 1 where wiersz = ( select wiersz from rental where id_klienta = "
         "1 and dataOD is null order by rental.wiersz limit 1 )",
         {}},
        {"select * from klient where rowid = 3", "select * from klient where ctid = 3", {}},
        {"select r.a from 'C:\\B\\rental.db' r left join film f on f.ID = r.id_filmu where "
         "r.id_klienta = 1 and r.Zwrocono = True",
         "select r.a from rental r left join film f on f.ID = r.id_filmu where r.id_klienta = 1 "
         "and r.Zwrocono = true order by r.wiersz",
         {}},
        {"select a from rental where ID_Klienta = 1 and ( zwrocono = False or b = 0 )",
         "select a from rental where ID_Klienta = 1 and ( zwrocono = false or b = 0 ) order by "
         "rental.zwrocono nulls first, rental.wiersz",
         {}},
        {"select a from rental as r where r.zwrocono = False limit 2",
         "select a from rental as r where r.zwrocono = false order by r.wiersz limit 2",
         {}},
        {"select a from rental r where r.dataOD between :od and :do and r.id_klienta > 3",
         "select a from rental r where r.dataOD between $1 and $2 and r.id_klienta > 3 order by "
         "r.dataOD nulls first, r.wiersz",
         {":OD", ":DO"}},
        {"select a from rental r where r.Id_klienta = 1 order by dataOD DESC limit 2",
         "select a from rental r where r.Id_klienta = 1 order by dataOD DESC nulls last, "
         "r.zwrocono nulls first, r.wiersz limit 2",
         {}},
        {"select a from rental where id_filmu = 3 for update",
         "select a from rental where id_filmu = 3 order by rental.zwrocono nulls first, "
         "rental.wiersz for update",
         {}},
        // aggregated, distinct or compound reads, and reads of other tables, stay
        {"select count(*) from rental where id_klienta = 1", "", {}},
        {"select distinct a from rental", "", {}},
        {"select k.a from klient k where k.ID = ( select r.id_klienta from rental r )", "", {}},
        {"select a from rental union select a from rental", "", {}},
        {"alter table \"rental.db\" add \"rental.db\".\"Stawka\" MONEY",
         "alter table rental add Stawka numeric(12,2)",
         {}},
        {"select money from t", "select money from t", {}},
        {"select * from klient where ID = 1 for update",
         "select * from klient where ID = 1 for update",
         {}},
        // a backslash in a LIKE pattern is a backslash, as on the file store
        {"where t like 'C:\\f%' or u like \"a\\b\" or v = 'C:\\f'",
         "where t like 'C:\\\\f%' or u like 'a\\\\b' or v = 'C:\\f'",
         {}},
    };
    for (const auto& [lokalny, wynik, nazwy] : przypadki) {
        QStringList parametry{"stale"};
        EXPECT_EQ(PrzetlumaczSQLSerwera(QString::fromUtf8(lokalny), parametry),
                  QString::fromUtf8(*wynik ? wynik : lokalny))
            << lokalny;
        EXPECT_EQ(parametry, nazwy) << lokalny;
    }
    UstawDzisiaj(QDate());
}

TEST(Tlumacz, BledneTekstyOdrzucone) {
    EXPECT_THROW(PrzetlumaczSQL("select * from film where a = 'abc"), TBladBazy);
    EXPECT_THROW(PrzetlumaczSQL("select * from film where a = \"abc"), TBladBazy);
    EXPECT_THROW(PrzetlumaczSQL("select * from film where d = \"31.02.24\""), TBladBazy);
    EXPECT_THROW(PrzetlumaczSQL("select * from film where d = \"05.13.2024\""), TBladBazy);
}

// A statement that cannot be run shows the store's text once; the query object stays
// usable.
// The reads by index of the readers of many rows give what the reads by name give, for
// every kind of column, nulls included.
TEST_F(Wypozyczalnia, OdczytPoIndeksieJakPoNazwie) {
    baza.Wykonaj("update klient set Upowazniony = null, Saldo = null where ID = 3");
    for (const char* sql :
         {"select * from klient", "select *, 'tekst' || id_filmu t from rental"}) {
        OtworzSQL(query, sql);
        for (; !query.Eof(); query.Next())
            for (int i = 0; i < query.FieldCount(); ++i) {
                const QString nazwa = query.FieldName(i);
                ASSERT_EQ(query.IndeksPola(nazwa.toLower()), i) << sql;
                QByteArray zapas;
                const QString tekst = QString::fromUtf8(query.TekstUtf8(i, zapas));
                const qint64 liczba = query.Calkowita(i);
                EXPECT_EQ(tekst, query.FieldByName(nazwa).AsString()) << nazwa.toStdString();
                EXPECT_EQ(liczba, query.FieldByName(nazwa).AsLargeInt()) << nazwa.toStdString();
            }
    }
    EXPECT_EQ(query.IndeksPola("NIEMA"), -1);
    EXPECT_TRUE(fake.komunikaty.empty()) << fake.komunikaty.front().tekst.toStdString();
}

TEST_F(Wypozyczalnia, BladPoleceniaPokazanyRaz) {
    OtworzSQL(query, "select * form klient");
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_EQ(fake.komunikaty[0].tytul, TytulAplikacji);
    EXPECT_EQ(fake.komunikaty[0].ikona, TIkona::Brak);
    EXPECT_TRUE(fake.komunikaty[0].tekst.contains("syntax error"))
        << fake.komunikaty[0].tekst.toStdString();
    EXPECT_FALSE(query.Active());
    UruchomSQL(query, "update klient set Saldo = 1 where ID = 1; delete from klient");
    EXPECT_EQ(fake.komunikaty.size(), 2u);
    EXPECT_EQ(baza.Ile("select count(*) from klient"), 3);
    UruchomSQL(query, "update klient set Nieznana = 1");
    EXPECT_EQ(fake.komunikaty.size(), 3u);
    OtworzSQL(query, "select Saldo from klient where ID = 1");
    EXPECT_EQ(fake.komunikaty.size(), 3u);
    EXPECT_EQ(query.FieldByName("SALDO").AsString(), "12,5");
    // A missing column reads as null and is reported once per opened statement.
    EXPECT_TRUE(query.FieldByName("NIEMA").IsNull());
    EXPECT_EQ(query.FieldByName("NIEMA").AsInteger(), 0);
    EXPECT_EQ(query.FieldByName("INNEGO").AsString(), "");
    ASSERT_EQ(fake.komunikaty.size(), 4u);
    EXPECT_EQ(fake.komunikaty[3].tekst, "Nie znaleziono pola 'NIEMA'.");
    EXPECT_EQ(fake.komunikaty[3].ikona, TIkona::Brak);
    EXPECT_EQ(query.FieldByName("SALDO").AsString(), "12,5");
}

// A slot that reads a missing column shows one box, and the event loop goes on.
TEST_F(Wypozyczalnia, BrakujacaKolumnaWSlocieNieKonczyProgramu) {
    bool nastepne = false;
    QObject odbiorca;
    QTimer::singleShot(0, &odbiorca, [&] {
        OtworzSQL(query, "select Saldo from klient");
        while (!query.Eof()) {
            (void)query.FieldByName("Nazwisko").AsString();
            query.Next();
        }
    });
    QTimer::singleShot(0, &odbiorca, [&] { nastepne = true; });
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_TRUE(nastepne);
    EXPECT_EQ(fake.Teksty(), std::vector<QString>{"Nie znaleziono pola 'Nazwisko'."});
}

// The order the server's dialect gives a read of rental is the order SQLite's own plan
// gives it on the file: each statement read as it stands and with the server's order (the
// key column being the rowid) gives the same rows in the same sequence, over rentals
// written in no order of any column and changed since.
TEST(PlanSQLite, PorzadekSerweraJakKolejnoscPliku) {
    if (TestowaBaza::NaSerwerze()) GTEST_SKIP() << "SQLite's own plan";
    TestowaBaza baza;
    baza.Wykonaj(
        "insert into klient (ID, Numer_klienta, Nazwisko, Imie) values (1, 1, 'A', 'a'), "
        "(2, 2, 'B', 'b'), (3, 3, 'C', 'c')");
    QStringList filmy, wypozyczenia;
    for (int f = 1; f <= 9; ++f)
        filmy << QStringLiteral("(%1, %1, 'T%2', 'P%1')").arg(f).arg(10 - f);
    baza.Wykonaj("insert into film (ID, Numer_filmu, Tytul_oryginalny, Tytul_polski) values " +
                 filmy.join(", "));
    for (int w = 0; w < 40; ++w) {
        const int film = (w * 7) % 9 + 1, klient = (w * 5) % 3 + 1, zwrocono = (w * 3) % 4 != 0;
        const QString data = QDate(2024, 3, 1).addDays((w * 11) % 7).toString(Qt::ISODate);
        wypozyczenia << QStringLiteral("(%1, %2, '%3', '%3', %4, %5, %6, %7, %8)")
                            .arg(film)
                            .arg(klient)
                            .arg(data)
                            .arg(w % 9 == 0 ? QStringLiteral("null") : QString::number(zwrocono))
                            .arg((w * 13) % 5)
                            .arg(zwrocono ? (w * 3) % 4 : 0)
                            .arg(w % 7 == 0 ? QStringLiteral("null") : QString::number(w % 4))
                            .arg(zwrocono ? "'" + data + "'" : QStringLiteral("null"));
    }
    baza.Wykonaj(
        "insert into rental (id_filmu, id_klienta, dataOD, dataDO, zwrocono, platnosc, "
        "Platnosc1, Naleznosc, DataZwrotu) values " +
        wypozyczenia.join(", "));
    baza.Wykonaj("update rental set Naleznosc = 9, Platnosc1 = 2 where id_filmu = 4");
    // The shapes of the program's reads of rental without ORDER BY.
    const char* const polecenia[] = {
        "select f.id, r.dataOD, r.Zwrocono, r.platnosc1 from rental r left outer join film f on "
        "r.id_filmu = f.id where r.id_klienta = 1 and r.zwrocono = True and r.platnosc1 <> 0",
        "select id_filmu, dataOD, dataZwrotu, platnosc1 from rental where id_klienta = 2 and "
        "zwrocono = True and platnosc1 <> 0",
        "select f.numer_filmu nr, r.naleznosc, r.dataOD from 'rental.db' r, 'film.db' f where "
        "f.id = r.id_filmu and r.id_klienta = 3 and r.zwrocono = False",
        "select id_klienta, dataOD from rental where id_filmu = 4 and zwrocono = True",
        "select * from rental where ID_Klienta = 1 and ( ( Zwrocono = False and Platnosc <> 0 ) "
        "or ( Zwrocono = True and Platnosc1 <> 0 ) )",
        "select f.Tytul_oryginalny tytul, k.nazwisko klient, r.dataOD, k.id from rental r, "
        "klient k, film f where r.id_filmu = f.id and r.id_klienta = k.id and r.zwrocono = False",
        "select k.numer_klienta nr, f.tytul_oryginalny tytul, r.platnosc1, r.naleznosc from "
        "\"rental.db\" r, \"klient.db\" k, \"film.db\" f where r.dataOD >= \"05.03.2024\" and "
        "( ( r.dataZwrotu <= \"15.03.2024\" ) or ( r.dataZwrotu is null and r.zwrocono = false ) "
        ") and k.id = r.id_klienta and f.id = r.id_filmu",
        "select r.id_filmu, r.dataDO, r.naleznosc from rental r, film f where f.ID = r.id_filmu "
        "and r.id_klienta = 2 and r.dataOD = '2024-03-02'",
        "select Platnosc1, dataOD from rental where zwrocono = True",
        "select * from rental where id_filmu = 5",
        "select * from rental",
        // the rows an order leaves equal
        "select f.id, r.dataOD dataod, r.dataZwrotu dataZwrotu  from rental r left outer join "
        "film f on f.ID = r.id_filmu where r.Id_klienta = 1 order by dataOD DESC",
        "select k.numer_klienta nr, r.dataOD dataOD from rental r left outer join klient k on "
        "k.id = r.id_klienta where r.id_filmu = 3 order by dataOD DESC",
    };
    const auto wiersze = [](const QString& sql) {
        TQuery q;
        q.UstawSQL(sql);
        q.Open();
        QStringList t;
        for (; !q.Eof(); q.Next()) {
            QStringList pola;
            for (int i = 0; i < q.FieldCount(); ++i)
                pola << q.FieldByName(q.FieldName(i)).AsString();
            t << pola.join('|');
        }
        return t;
    };
    for (const char* polecenie : polecenia) {
        const QString sql = QString::fromUtf8(polecenie);
        QStringList parametry;
        const QString serwera = PrzetlumaczSQLSerwera(sql, parametry);
        const qsizetype order = serwera.lastIndexOf(QStringLiteral(" order by "));
        ASSERT_GT(order, 0) << polecenie;
        const QString porzadek = serwera.mid(order).replace(KolumnaKolejnosci, "rowid");
        const QString bezPorzadku = sql.left(sql.lastIndexOf(QStringLiteral(" order by ")));
        const QStringList jakStoi = wiersze(sql);
        EXPECT_GT(jakStoi.size(), 1) << polecenie;
        EXPECT_EQ(jakStoi, wiersze(bezPorzadku + porzadek)) << polecenie;
    }
}
