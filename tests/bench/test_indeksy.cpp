// The read indexes: present in every store, plain (no collation), used by the statements
// they are for, and changing no statement's rows or their order.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QTemporaryDir>

#include "bench/Generator.h"
#include "store/Baza.h"
#include "store/Indeksy.h"
#include "store/TQuery.h"
#include "store/Tlumacz.h"
#include "store/uStruktura.h"

namespace {

struct TPolecenie {
    const char* sql;
    const char* indeks;  // the index its plan must use; nullptr: one of the older ones
    // False: the statement fixes no order and the index reads its range by day; the rows
    // are the same, in the order of their day instead of the order they were written in.
    bool tenSamPorzadek = true;
};

// The statements as the program sends them, on a shop whose last day is 8 December 2026.
const TPolecenie Polecenia[] = {
    {"select f.Tytul_oryginalny || ' (' || f.Tytul_polski || ')' tytul, k.nazwisko || ' ' || "
     "k.imie klient, r.dataOD, r.dataDO, k.id from rental r, klient k, film f where "
     "r.id_filmu = f.id and r.id_klienta = k.id and r.zwrocono = False",
     "rental_otwarte"},
    {"select f.Tytul_oryginalny || ' (' || f.Tytul_polski || ')' tytul, k.nazwisko || ' ' || "
     "k.imie klient, r.dataOD, r.dataDO, k.id from rental r, klient k, film f where "
     "r.id_filmu = f.id and r.id_klienta = k.id and r.zwrocono = False and r.dataDO < "
     "\"08.12.2026\"",
     "rental_otwarte"},
    {"select k.numer_klienta nr, k.nazwisko || ' ' || k.imie klient, f.tytul_oryginalny tytul, "
     "r.platnosc, r.platnosc1, r.z_abonamentu, r.zwrocono, r.naleznosc from \"rental.db\" r, "
     "\"klient.db\" k, \"film.db\" f where r.dataOD >= \"08.12.2025\" and ( ( r.dataZwrotu <= "
     "\"08.12.2026\" ) or ( r.dataZwrotu is null and r.zwrocono = false ) ) and k.id = "
     "r.id_klienta and f.id = r.id_filmu ",
     "rental_od", false},
    {"select f.id, f.Numer_filmu nr, f.Tytul_oryginalny || ' (' || f.Tytul_polski || ')' tytul, "
     "r.dataOD dataod, r.dataZwrotu dataZwrotu  from rental r left outer join film f on f.ID = "
     "r.id_filmu where r.Id_klienta = 17 order by dataOD DESC",
     nullptr},
    {"select k.id, k.nazwisko || ' ' || k.imie klient, k.numer_klienta nr, r.dataOD dataOD, "
     "r.dataZwrotu dataZwrotu  from rental r left outer join klient k on k.id = r.id_klienta "
     "where r.id_filmu = 23 order by dataOD DESC",
     nullptr},
    {"select Numer_filmu nr, Tytul_oryginalny || ' (' || Tytul_polski || ')' tytul, wplywy from "
     "\"film.db\" where aktualny = true order by wplywy desc",
     nullptr},
    {"select k.id, k.numer_klienta nr, k.nazwisko, k.imie, sum( r.naleznosc ) kwota from "
     "\"klient.db\" k, \"rental.db\" r where k.id = r.id_klienta and zwrocono = true group by "
     "k.id, k.nazwisko, k.imie, k.numer_klienta order by kwota desc",
     "rental_zwrocone_naleznosc"},
};

// Each row's values joined by " | ".
QStringList Wiersze(const TPolecenie& p) {
    TQuery q;
    q.UstawSQL(QString::fromUtf8(p.sql));
    q.Open();
    QStringList wynik;
    for (; !q.Eof(); q.Next()) {
        QStringList wiersz;
        for (int i = 0; i < q.FieldCount(); ++i) wiersz << q.FieldByName(q.FieldName(i)).AsString();
        wynik << wiersz.join(QLatin1String(" | "));
    }
    if (!p.tenSamPorzadek) wynik.sort();
    return wynik;
}

// Where two results part, for a short failure message.
std::string Roznica(const QStringList& a, const QStringList& b) {
    qsizetype i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    return QStringLiteral("rows %1 and %2; first difference at %3: \"%4\" / \"%5\"")
        .arg(a.size())
        .arg(b.size())
        .arg(i)
        .arg(a.value(i), b.value(i))
        .toStdString();
}

QString Plan(const QString& sql) {
    sqlite3* h = TBaza::Aktywna()->Uchwyt();
    sqlite3_stmt* st = nullptr;
    const QByteArray tekst = ("explain query plan " + PrzetlumaczSQL(sql)).toUtf8();
    EXPECT_EQ(sqlite3_prepare_v2(h, tekst.constData(), -1, &st, nullptr), SQLITE_OK)
        << sqlite3_errmsg(h);
    QString plan;
    while (sqlite3_step(st) == SQLITE_ROW)
        plan += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 3))) + '\n';
    sqlite3_finalize(st);
    return plan;
}

class Indeksy : public ::testing::Test {
protected:
    void SetUp() override {
        GenerujSklep(katalog.path(), {300, 1200, 24000}, QDate(2026, 12, 8), 11);
        TBaza::Polacz(katalog.path());
        // Numbers in another order than the rows, as after renumbering.
        TBaza::Aktywna()->Wykonaj(
            QStringLiteral("update klient set Numer_klienta = 5000 - Numer_klienta"));
    }
    void TearDown() override { TBaza::Rozlacz(); }
    void UsunIndeksy() {
        for (const QString& n : IndeksyOdczytu())
            TBaza::Aktywna()->Wykonaj(QStringLiteral("drop index ") + n);
    }
    int Ile(const QString& sql) {
        TQuery q;
        q.UstawSQL(sql);
        q.Open();
        return q.FieldByName(q.FieldName(0)).AsInteger();
    }
    QTemporaryDir katalog;
};

TEST_F(Indeksy, AreInEveryStoreWithoutACollation) {
    for (const QString& n : IndeksyOdczytu()) {
        EXPECT_EQ(Ile("select count(*) from sqlite_master where type = 'index' and name = '" + n +
                      "' and lower(sql) not like '%collate%'"),
                  1)
            << n.toStdString();
    }
    // A store of the version before them gets them from the start-up upgrade.
    UsunIndeksy();
    TBaza::Aktywna()->Wykonaj(QStringLiteral("PRAGMA user_version = 1"));
    TQuery query;
    AktualizujStrukture(query);
    EXPECT_EQ(WersjaBazy(), WersjaSchematu());
    for (const QString& n : IndeksyOdczytu())
        EXPECT_EQ(Ile("select count(*) from sqlite_master where name = '" + n + "'"), 1);
}

TEST_F(Indeksy, ServeTheirStatementsWithTheSameRowsInTheSameOrder) {
    std::vector<QStringList> z;
    for (const TPolecenie& p : Polecenia) {
        const QString sql = QString::fromUtf8(p.sql);
        if (p.indeks) {
            EXPECT_TRUE(Plan(sql).contains(QLatin1String(p.indeks))) << Plan(sql).toStdString();
        }
        z.push_back(Wiersze(p));
        EXPECT_GT(z.back().size(), 1) << p.sql;
    }
    UsunIndeksy();
    for (size_t i = 0; i < std::size(Polecenia); ++i) {
        const QStringList bez = Wiersze(Polecenia[i]);
        EXPECT_TRUE(bez == z[i]) << Polecenia[i].sql << "\n" << Roznica(bez, z[i]);
    }
}

// The desk's open rentals of every client who holds some keep their order.
TEST_F(Indeksy, LeaveTheDesksOpenRentalsInTheirOrder) {
    std::vector<int> klienci;
    {
        TQuery q;
        q.UstawSQL("select distinct id_klienta from rental where zwrocono = 0");
        for (q.Open(); !q.Eof(); q.Next())
            klienci.push_back(q.FieldByName("id_klienta").AsInteger());
    }
    ASSERT_GT(klienci.size(), 5u);
    auto wszystkie = [&] {
        QStringList w;
        for (int id : klienci) {
            const QByteArray sql =
                QStringLiteral(
                    " select f.tytul_oryginalny tytul, f.numer_filmu nr, f.id id,  f.stawka "
                    "stawka1, r.naleznosc, r.dataOD dataOD,  r.dataDO dataDO, r.platnosc "
                    "platnosc, r.stawka stawka  from 'rental.db' r,  'film.db' f  where f.id = "
                    "r.id_filmu  and r.id_klienta = %1 and r.zwrocono = False")
                    .arg(id)
                    .toUtf8();
            w << Wiersze({sql.constData(), nullptr});
        }
        return w;
    };
    const QStringList z = wszystkie();
    UsunIndeksy();
    const QStringList bez = wszystkie();
    EXPECT_TRUE(bez == z) << Roznica(bez, z);
}

}  // namespace
