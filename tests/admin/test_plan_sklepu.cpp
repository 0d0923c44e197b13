// The plan of the demo shop: believable in size, and a history that could have happened
// (no copy out twice, returns and extensions of what the client holds).
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "admin/PlanSklepu.h"

namespace {

const QDate Dzis(2024, 6, 14);
const QStringList Miasta{"Kraków", "Łódź"};
const QStringList Gatunki{"dramat", "komedia", "kryminał", "horror", "western"};
const QStringList Nosniki{"DVD", "VHS"};

}  // namespace

TEST(PlanSklepu, KlienciIFilmyZListSlownikowych) {
    const TPlanSklepu plan = PlanSklepu(Dzis, Miasta, Gatunki, Nosniki);
    EXPECT_EQ(plan.Klienci.size(), 60u);
    EXPECT_GE(plan.Filmy.size(), 280u);
    EXPECT_LE(plan.Filmy.size(), 330u);

    std::set<int> numery;
    int abonenci = 0, archiwalni = 0;
    for (const TKlientPlanu& k : plan.Klienci) {
        numery.insert(k.Numer);
        EXPECT_FALSE(k.Imie.isEmpty() || k.Nazwisko.isEmpty() || k.Ulica.isEmpty());
        EXPECT_TRUE(Miasta.contains(k.Miejscowosc)) << k.Miejscowosc.toStdString();
        EXPECT_EQ(k.Kod.size(), 6);
        EXPECT_LE(k.Ulica.size(), 30);
        abonenci += k.AbonamentOd.isValid();
        archiwalni += k.Archiwalny;
    }
    EXPECT_EQ(numery.size(), plan.Klienci.size());
    EXPECT_GE(abonenci, 3);
    EXPECT_GE(archiwalni, 2);

    std::set<int> numeryFilmow;
    int wycofane = 0;
    for (const TFilmPlanu& f : plan.Filmy) {
        numeryFilmow.insert(f.Numer);
        EXPECT_TRUE(Gatunki.contains(f.Gatunek)) << f.Gatunek.toStdString();
        EXPECT_TRUE(Nosniki.contains(f.Nosnik)) << f.Nosnik.toStdString();
        // The columns' lengths.
        EXPECT_LE(f.TytulOryginalny.size(), 50);
        EXPECT_LE(f.TytulPolski.size(), 50);
        EXPECT_LE(f.Produkcja.size(), 25);
        EXPECT_GT(f.Stawka, 0);
        wycofane += f.Wycofany;
    }
    EXPECT_EQ(numeryFilmow.size(), plan.Filmy.size());
    EXPECT_GE(wycofane, 3);
}

// Any day makes a plan: checked on several.
class HistoriaSklepu : public ::testing::TestWithParam<QDate> {};

TEST_P(HistoriaSklepu, MoglaSieZdarzyc) {
    const QDate dzien = GetParam();
    const TPlanSklepu plan = PlanSklepu(dzien, Miasta, Gatunki, Nosniki);
    std::map<int, int> uKogo;             // film -> client holding it
    std::map<int, std::set<int>> trzyma;  // client -> films
    std::map<int, QDate> termin;          // client -> due day of what they hold
    QDate poprzedni = dzien.addDays(-90);
    int zwrotyZDlugiem = 0, przedluzenia = 0, splaty = 0;
    for (const TZdarzeniePlanu& z : plan.Zdarzenia) {
        ASSERT_GE(z.Dzien, poprzedni);
        ASSERT_LE(z.Dzien, dzien);
        poprzedni = z.Dzien;
        switch (z.Rodzaj) {
            case TRodzajZdarzenia::Wypozyczenie:
                ASSERT_TRUE(trzyma[z.Klient].empty());
                ASSERT_GE(z.Dni, 1);
                ASSERT_FALSE(z.Filmy.empty());
                for (int f : z.Filmy) {
                    ASSERT_EQ(uKogo.count(f), 0u) << "film " << f << " out twice";
                    uKogo[f] = z.Klient;
                    trzyma[z.Klient].insert(f);
                }
                termin[z.Klient] = z.Dzien.addDays(z.Dni);
                break;
            case TRodzajZdarzenia::Zwrot:
                ASSERT_EQ(std::set<int>(z.Filmy.begin(), z.Filmy.end()), trzyma[z.Klient]);
                for (int f : z.Filmy) uKogo.erase(f);
                trzyma[z.Klient].clear();
                zwrotyZDlugiem += z.Placenie != TPlacenie::Calosc;
                break;
            case TRodzajZdarzenia::Przedluzenie:
                ASSERT_EQ(std::set<int>(z.Filmy.begin(), z.Filmy.end()), trzyma[z.Klient]);
                ASSERT_GE(z.Dni, 1);
                termin[z.Klient] = termin[z.Klient].addDays(z.Dni);
                ++przedluzenia;
                break;
            case TRodzajZdarzenia::Splata:
                ++splaty;
                break;
            case TRodzajZdarzenia::Abonament:
                EXPECT_EQ(plan.Klienci[size_t(z.Klient)].AbonamentOd, z.Dzien);
                break;
        }
        ASSERT_GE(z.Dzien, plan.Klienci[size_t(z.Klient)].Zapisany);
    }
    EXPECT_GT(plan.Zdarzenia.size(), 300u);
    EXPECT_GT(zwrotyZDlugiem, 5);
    EXPECT_GT(przedluzenia, 5);
    EXPECT_GT(splaty, 2);
    // Some films are out at the end, some of them overdue.
    int przeterminowani = 0;
    for (const auto& [klient, filmy] : trzyma)
        if (!filmy.empty() && termin[klient] < dzien) ++przeterminowani;
    EXPECT_GT(uKogo.size(), 5u);
    EXPECT_GT(przeterminowani, 2) << dzien.toString().toStdString();
}

INSTANTIATE_TEST_SUITE_P(PlanSklepu, HistoriaSklepu,
                         ::testing::Values(QDate(2024, 3, 5), QDate(2024, 6, 14), QDate(2025, 1, 1),
                                           QDate(2026, 12, 8)));

TEST(PlanSklepu, TenSamDzienTenSamSklep) {
    const TPlanSklepu a = PlanSklepu(Dzis, Miasta, Gatunki, Nosniki);
    const TPlanSklepu b = PlanSklepu(Dzis, Miasta, Gatunki, Nosniki);
    ASSERT_EQ(a.Zdarzenia.size(), b.Zdarzenia.size());
    EXPECT_EQ(a.Klienci[7].Nazwisko, b.Klienci[7].Nazwisko);
    // Without word lists the built-in names are used.
    const TPlanSklepu c = PlanSklepu(Dzis, {}, {}, {});
    EXPECT_EQ(c.Filmy[0].Gatunek, "dramat");
    EXPECT_EQ(c.Klienci.size(), 60u);
}
