// The generated shop keeps the store's invariants, so that benchmarks measure a store the
// program could have written.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QTemporaryDir>

#include "bench/Generator.h"
#include "store/Baza.h"
#include "store/Tlumacz.h"

namespace {

class Generator : public ::testing::Test {
protected:
    static constexpr TRozmiarSklepu Rozmiar{150, 500, 5000};
    const QDate dzis{2026, 12, 8};

    void SetUp() override {
        podsumowanie = GenerujSklep(katalog.path(), Rozmiar, dzis, 7);
        TBaza::Polacz(katalog.path());
    }
    void TearDown() override { TBaza::Rozlacz(); }

    qint64 ile(const char* sql) {
        sqlite3_stmt* st = nullptr;
        sqlite3* h = TBaza::Aktywna()->Uchwyt();
        EXPECT_EQ(sqlite3_prepare_v2(h, sql, -1, &st, nullptr), SQLITE_OK) << sqlite3_errmsg(h);
        const qint64 n = sqlite3_step(st) == SQLITE_ROW ? sqlite3_column_int64(st, 0) : -1;
        sqlite3_finalize(st);
        return n;
    }

    QTemporaryDir katalog;
    TPodsumowanieSklepu podsumowanie;
};

TEST_F(Generator, FillsTheSizeWithEveryKindOfRow) {
    EXPECT_EQ(ile("select count(*) from klient"), Rozmiar.klienci);
    EXPECT_EQ(ile("select count(*) from film"), Rozmiar.filmy);
    EXPECT_EQ(ile("select count(*) from rental"), Rozmiar.wypozyczenia);
    EXPECT_EQ(ile("select count(*) from rental where zwrocono = 0"), podsumowanie.otwarte);
    EXPECT_EQ(ile("select count(*) from rental where zwrocono = 0 and dataDO < '2026-12-08'"),
              podsumowanie.poTerminie);
    EXPECT_EQ(ile("select count(*) from rental where zwrocono = 1 and Platnosc1 <> 0"),
              podsumowanie.zalegle);
    EXPECT_EQ(ile("select count(*) from klient where Aktualny = 0"), podsumowanie.archiwalni);
    EXPECT_EQ(ile("select count(*) from film where Aktualny = 0"), podsumowanie.wycofane);
    EXPECT_EQ(ile("select count(*) from klient where Abonament = 1"), podsumowanie.abonenci);
    for (int n : {podsumowanie.otwarte, podsumowanie.poTerminie, podsumowanie.archiwalni,
                  podsumowanie.wycofane, podsumowanie.abonenci})
        EXPECT_GT(n, 0);
    EXPECT_EQ(ile("select min(dataOD) >= '2016-12-08' and max(dataOD) <= '2026-12-08' "
                  "from rental"),
              1);
}

TEST_F(Generator, KeepsTheStoresInvariants) {
    // A film is out exactly while one open rental refers to it.
    EXPECT_EQ(ile("select count(*) from film f where (Status = 0) <> exists (select 1 from "
                  "rental r where r.id_filmu = f.ID and r.zwrocono = 0)"),
              0);
    EXPECT_EQ(ile("select count(*) from (select id_filmu from rental where zwrocono = 0 "
                  "group by id_filmu having count(*) > 1)"),
              0);
    // Archived clients and withdrawn films hold nothing open and owe nothing.
    EXPECT_EQ(ile("select count(*) from rental r join klient k on k.ID = r.id_klienta where "
                  "k.Aktualny = 0 and (r.zwrocono = 0 or r.Platnosc1 <> 0)"),
              0);
    EXPECT_EQ(ile("select count(*) from rental r join film f on f.ID = r.id_filmu where "
                  "f.Aktualny = 0 and r.zwrocono = 0"),
              0);
    // Every rental refers to a client and a film; the counters agree with the rentals.
    EXPECT_EQ(ile("select count(*) from rental where id_klienta not in (select ID from klient) "
                  "or id_filmu not in (select ID from film)"),
              0);
    EXPECT_EQ(ile("select count(*) from film f where Ilosc_wypozyczen <> (select count(*) from "
                  "rental r where r.id_filmu = f.ID and r.zwrocono = 1)"),
              0);
    // A client's unpaid parts are held in the balance too.
    EXPECT_EQ(ile("select count(*) from klient k where exists (select 1 from rental r where "
                  "r.id_klienta = k.ID and r.Platnosc1 <> 0) and k.Saldo >= 0 and "
                  "k.Abonament = 0"),
              0);
}

TEST(GeneratorSklepu, RefusesAFolderHoldingAStore) {
    QTemporaryDir katalog;
    GenerujSklep(katalog.path(), {5, 10, 20}, QDate(2026, 12, 8));
    EXPECT_THROW(GenerujSklep(katalog.path(), {5, 10, 20}, QDate(2026, 12, 8)), TBladBazy);
    EXPECT_FALSE(RozmiarSklepu(QStringLiteral("ogromny")));
    EXPECT_EQ(RozmiarSklepu(QStringLiteral("pelny"))->wypozyczenia, 2000000);
}

}  // namespace
