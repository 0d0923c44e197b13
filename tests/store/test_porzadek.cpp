// Polish alphabetical order in the store: which ORDER BY terms the translator gives the
// collation, the order itself, and a file that the standard sqlite3 tool still sorts.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unicode/ucol.h>

#include <QRandomGenerator>
#include <QStringList>
#include <memory>

#include "store/Baza.h"
#include "store/TQuery.h"
#include "store/Tlumacz.h"
#include "support/TestowaBaza.h"

namespace {

QStringList Kolumna(const QString& sql, TBaza* polaczenie = nullptr) {
    TQuery q(polaczenie);
    q.UstawSQL(sql);
    q.Open();
    QStringList t;
    for (; !q.Eof(); q.Next()) t << q.FieldByName(q.FieldName(0)).AsString();
    return t;
}

}  // namespace

TEST(PorzadekPolski, TlumaczDajePorzadekKazdemuTekstowiINiczemuInnemu) {
    const std::pair<const char*, const char*> przypadki[] = {
        {"select Tytul_oryginalny from film where aktualny = True order by Tytul_oryginalny",
         "select Tytul_oryginalny from film where aktualny = 1 order by Tytul_oryginalny collate "
         "polski"},
        {"select ID, Nazwisko\nfrom klient\norder by Nazwisko",
         "select ID, Nazwisko\nfrom klient\norder by Nazwisko collate polski"},
        // Numbers, money, dates and booleans keep the store's order (and their index).
        {"select * from rental r where r.Id_klienta = 1 order by dataOD DESC",
         "select * from rental r where r.Id_klienta = 1 order by dataOD DESC"},
        {"select * from rental order by zwrocono, rowid desc limit 1",
         "select * from rental order by zwrocono, rowid desc limit 1"},
        {"select * from film order by \"film.db\".\"Numer_filmu\"",
         "select * from film order by \"Numer_filmu\""},
        // Qualified names, aliases, expressions and several terms.
        {"select k.nazwisko, sum(r.naleznosc) kwota from klient k, rental r group by k.nazwisko "
         "order by kwota desc, k.nazwisko, k.imie DESC limit 5",
         "select k.nazwisko, sum(r.naleznosc) kwota from klient k, rental r group by k.nazwisko "
         "order by kwota collate polski desc, k.nazwisko collate polski, k.imie collate polski "
         "DESC limit 5"},
        {"select a || b t from x order by Upper( a || b ) asc, 2",
         "select a || b t from x order by Upper( a || b ) collate polski asc, 2 collate polski"},
        // A collation already asked for stays alone; subqueries get their own.
        {"select Nazwisko from klient order by Nazwisko collate binary",
         "select Nazwisko from klient order by Nazwisko collate binary"},
        {"select * from (select Imie from klient order by Imie) union select Firma from klient "
         "order by 1",
         "select * from (select Imie from klient order by Imie collate polski) union select Firma "
         "from klient order by 1 collate polski"},
        // The words alone, or where no ORDER BY stands, change nothing.
        {"select ID from klient where Nazwisko = 'order by' group by ID",
         "select ID from klient where Nazwisko = 'order by' group by ID"},
    };
    for (const auto& [lokalny, wynik] : przypadki)
        EXPECT_EQ(PrzetlumaczSQL(QString::fromUtf8(lokalny)), QString::fromUtf8(wynik)) << lokalny;
}

TEST(PorzadekPolski, NazwiskaWPolskimPorzadkuWielkoscLiterPotem) {
    TestowaBaza baza;
    baza.Wykonaj(QString::fromUtf8(
        "insert into klient (Numer_klienta, Nazwisko) values (1, 'Zorro'), (2, 'Łowca'), "
        "(3, 'Sowa'), (4, 'Śliwa'), (5, 'Żuk'), (6, 'Źdźbło'), (7, 'Zebra'), (8, 'Ósemka'), "
        "(9, 'Orzeł'), (10, 'Lis'), (11, 'Łoś'), (12, 'łoś'), (13, 'Ćma'), (14, 'Cyt'), "
        "(15, 'Ąb'), (16, 'Ab'), (17, 'Bąk')"));
    const QStringList polski = {"Ab",    "Ąb",    "Bąk",   "Cyt",    "Ćma",    "Lis",
                                "łoś",   "Łoś",   "Łowca", "Orzeł",  "Ósemka", "Sowa",
                                "Śliwa", "Zebra", "Zorro", "Źdźbło", "Żuk"};
    const QStringList odwrotnie(polski.rbegin(), polski.rend());
    // The same on a second connection that only reads (the desk's reads on another thread).
    const std::unique_ptr<TBaza> odczyt = TBaza::Aktywna()->PolaczenieDoOdczytu();
    ASSERT_NE(odczyt, nullptr);
    for (TBaza* b : {TBaza::Aktywna(), odczyt.get()}) {
        EXPECT_EQ(Kolumna("select Nazwisko from klient order by Nazwisko", b), polski);
        EXPECT_EQ(Kolumna("select Nazwisko from klient order by Nazwisko desc", b), odwrotnie);
        // Stored as typed; LIKE still tells the letter case apart.
        EXPECT_EQ(Kolumna("select Nazwisko from klient where Nazwisko like 'łoś'", b),
                  QStringList{"łoś"});
        EXPECT_EQ(Kolumna("select Upper(Nazwisko) from klient where Numer_klienta = 6", b),
                  QStringList{"ŹDŹBŁO"});
    }
    EXPECT_THROW(odczyt->Wykonaj("delete from klient"), TBladBazy);
    EXPECT_EQ(Kolumna("select count(*) from klient"), QStringList{"17"});
}

TEST(PorzadekPolski, PlikCzytaISortujeZwyklySqlite) {
    TestowaBaza baza;
    baza.Wykonaj(QString::fromUtf8(
        "insert into klient (Numer_klienta, Nazwisko) values (1, 'Łoś'), (2, 'Sowa')"));
    baza.Wykonaj("insert into film (Numer_filmu, Tytul_oryginalny) values (1, 'Żuk')");
    sqlite3* h = nullptr;
    ASSERT_EQ(sqlite3_open_v2((baza.Folder() + "/" + PlikBazy).toUtf8().constData(), &h,
                              SQLITE_OPEN_READONLY, nullptr),
              SQLITE_OK);
    // No table or index names the collation; a plain connection sorts by bytes.
    QStringList wynik;
    for (const char* sql :
         {"select count(*) from sqlite_master where sql like '%collate%'",
          "select group_concat(Nazwisko) from (select Nazwisko from klient order by Nazwisko)",
          "select Numer_filmu from film where Tytul_oryginalny > 'A' order by Tytul_oryginalny"}) {
        sqlite3_stmt* st = nullptr;
        ASSERT_EQ(sqlite3_prepare_v2(h, sql, -1, &st, nullptr), SQLITE_OK) << sqlite3_errmsg(h);
        ASSERT_EQ(sqlite3_step(st), SQLITE_ROW) << sql;
        wynik << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
        sqlite3_finalize(st);
    }
    sqlite3_close(h);
    EXPECT_EQ(wynik, QStringList({"0", "Sowa,Łoś", "1"}));
}

TEST(PorzadekPolski, KazdaParaJakWIcu) {
    // Texts sharing beginnings, with letters of both cases, digits, blanks, Polish letters
    // and a combining accent, compared through the store and by ICU itself.
    TestowaBaza baza;
    const QStringList czesci = {"a", "A", "b", "o", "O", "z", "Z", "1",      "9",     " ",
                                "-", "ó", "Ó", "ł", "Ł", "ś", "ż", "\u0301", "Zorro", "Łowca"};
    QRandomGenerator los(14);
    const auto tekst = [&] {
        QString t = los.bounded(2) ? QStringLiteral("Ab") : QString();
        for (int k = los.bounded(1, 5); k > 0; --k)
            t += czesci[static_cast<int>(los.bounded(czesci.size()))];
        return t;
    };
    UErrorCode stan = U_ZERO_ERROR;
    UCollator* icu = ucol_open("pl_PL", &stan);
    ASSERT_TRUE(U_SUCCESS(stan));
    sqlite3_stmt* st = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(TBaza::Aktywna()->Uchwyt(),
                                 "select (?1 > ?2 collate polski) - (?1 < ?2 collate polski)", -1,
                                 &st, nullptr),
              SQLITE_OK);
    int rozne = 0;
    for (int i = 0; i < 3000; ++i) {
        const QByteArray a = tekst().toUtf8(), b = tekst().toUtf8();
        sqlite3_bind_text(st, 1, a.constData(), static_cast<int>(a.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 2, b.constData(), static_cast<int>(b.size()), SQLITE_TRANSIENT);
        ASSERT_EQ(sqlite3_step(st), SQLITE_ROW);
        const int sklep = sqlite3_column_int(st, 0);
        sqlite3_reset(st);
        const int wzor = ucol_strcollUTF8(icu, a.constData(), static_cast<int32_t>(a.size()),
                                          b.constData(), static_cast<int32_t>(b.size()), &stan);
        EXPECT_EQ(sklep, wzor) << a.toStdString() << " | " << b.toStdString();
        rozne += wzor != 0;
    }
    sqlite3_finalize(st);
    ucol_close(icu);
    EXPECT_GT(rozne, 2000);
}
