#include <gtest/gtest.h>

#include "money/Rozliczenia.h"
#include "support/Kwoty.h"

namespace {

const QDate Dzis(2024, 4, 10);

TDaneWypozyczenia Koszyk(TKwota saldo, std::vector<TKwota> ceny) {
    TDaneWypozyczenia d;
    int id = 1;
    TKwota razem;
    for (TKwota c : ceny) {
        d.Wiersze.push_back({id++, c, 2, 5.00_zl});
        razem += c;
    }
    d.Razem = razem;
    d.Saldo = saldo;
    d.Dzien = Dzis;
    return d;
}

std::vector<TKwota> Platnosci(const TWynikWypozyczenia& w) {
    std::vector<TKwota> p;
    for (const auto& r : w.Wiersze) p.push_back(r.Platnosc);
    return p;
}

}  // namespace

// ---------------------------------------------------------------- open rentals

TEST(Otwarte, SumyWplaconoINaleznosci) {
    const QDate pon(2024, 4, 1), czw(2024, 4, 4);
    std::vector<TOtwarteWypozyczenie> r = {{12.00_zl, 5.00_zl, pon, czw, 4.00_zl, 9.00_zl},
                                           {8.00_zl, 0.00_zl, pon, czw, std::nullopt, 3.50_zl}};
    const TWykazOtwartych w = PodsumujOtwarte(r, Dzis);
    ASSERT_EQ(w.Wiersze.size(), 2u);
    EXPECT_KWOTA(w.Wiersze[0].Naleznosc, 12.00_zl);
    EXPECT_EQ(w.Wiersze[0].IloscDni, 3);
    EXPECT_KWOTA(w.Wiersze[0].Stawka, 4.00_zl);
    EXPECT_KWOTA(w.Wiersze[1].Stawka, 3.50_zl);  // no stored rate: the film's
    EXPECT_KWOTA(w.Razem, 5.00_zl);
    EXPECT_KWOTA(w.Wplacono, 15.00_zl);
    EXPECT_KWOTA(w.SumaPlatnosci, 5.00_zl);
    EXPECT_KWOTA(w.WplaconoWczesniej, 15.00_zl);
}

TEST(Otwarte, PoTerminieDecydujeOstatniWiersz) {
    const QDate od(2024, 4, 1);
    const TOtwarteWypozyczenie wczoraj{5_zl, 0_zl, od, Dzis.addDays(-1), 5_zl, 5_zl};
    const TOtwarteWypozyczenie jutro{5_zl, 0_zl, od, Dzis.addDays(1), 5_zl, 5_zl};
    const TOtwarteWypozyczenie dzis{5_zl, 0_zl, od, Dzis, 5_zl, 5_zl};
    EXPECT_TRUE(PodsumujOtwarte({jutro, wczoraj}, Dzis).PoTerminie);
    EXPECT_FALSE(PodsumujOtwarte({wczoraj, jutro}, Dzis).PoTerminie);
    EXPECT_FALSE(PodsumujOtwarte({dzis}, Dzis).PoTerminie);
    const TWykazOtwartych pusty = PodsumujOtwarte({}, Dzis);
    EXPECT_FALSE(pusty.PoTerminie);
    EXPECT_EQ(pusty.Wplacono, 0_zl);
}

TEST(Otwarte, WplaconoZSumyPokazanychNaleznosci) {
    const QDate od(2024, 4, 1);
    // Charges stored with a residue below a grosz are summed as shown.
    const TWykazOtwartych w = PodsumujOtwarte(
        {{3.333_zl, 0_zl, od, Dzis, 5_zl, 5_zl}, {3.333_zl, 0_zl, od, Dzis, 5_zl, 5_zl}}, Dzis);
    EXPECT_KWOTA(w.Wplacono, 6.66_zl);
}

// ---------------------------------------------------------------- rental commit

TEST(Wypozyczenie, KredytCzesciowyIZaplataCalosci) {
    TDaneWypozyczenia d = Koszyk(4.00_zl, {6.00_zl, 5.00_zl});
    const TPrzedWypozyczeniem p = PrzygotujWypozyczenie(d);
    EXPECT_TRUE(p.ZapiszSaldo);
    EXPECT_KWOTA(p.Saldo, 0.00_zl);
    EXPECT_KWOTA(p.DoZaplaty, 7.00_zl);
    EXPECT_TRUE(p.Wplata.Pokaz);
    EXPECT_EQ(p.Wplata.Etykieta, "Pobrano:");
    EXPECT_KWOTA(p.Wplata.Kwota, 7.00_zl);

    const TWynikWypozyczenia w = RozliczWypozyczenie(d, p, 7.00_zl);
    EXPECT_KWOTA(w.Wplata, 11.00_zl);
    EXPECT_FALSE(w.Nadplata);
    EXPECT_FALSE(w.KoniecAbonamentu);
    EXPECT_EQ(Platnosci(w), (std::vector<TKwota>{0_zl, 0_zl}));
    EXPECT_KWOTA(w.ZmianaSalda, 0_zl);
    EXPECT_KWOTA(w.NoweSaldo, 0_zl);
    EXPECT_EQ(w.Wiersze[1].IdFilmu, 2);
    EXPECT_KWOTA(w.Wiersze[1].Naleznosc, 5.00_zl);
    EXPECT_EQ(w.Wiersze[1].DataOD, Dzis);
    EXPECT_EQ(w.Wiersze[1].DataDO, Dzis.addDays(2));
}

TEST(Wypozyczenie, KredytCzesciowyIZaplataCzesci) {
    TDaneWypozyczenia d = Koszyk(4.00_zl, {6.00_zl, 5.00_zl});
    const TWynikWypozyczenia w = RozliczWypozyczenie(d, PrzygotujWypozyczenie(d), 5.00_zl);
    EXPECT_KWOTA(w.Wplata, 9.00_zl);
    EXPECT_EQ(Platnosci(w), (std::vector<TKwota>{0_zl, 2.00_zl}));
    EXPECT_KWOTA(w.ZmianaSalda, -2.00_zl);
    EXPECT_KWOTA(w.NoweSaldo, -2.00_zl);
}

TEST(Wypozyczenie, SaldoUjemneBezKredytu) {
    TDaneWypozyczenia d = Koszyk(-3.00_zl, {6.00_zl, 5.00_zl});
    const TPrzedWypozyczeniem p = PrzygotujWypozyczenie(d);
    EXPECT_FALSE(p.ZapiszSaldo);
    EXPECT_KWOTA(p.Wplata.Kwota, 11.00_zl);
    const TWynikWypozyczenia w = RozliczWypozyczenie(d, p, 0_zl);  // "Nie wpłacono"
    EXPECT_EQ(Platnosci(w), (std::vector<TKwota>{6.00_zl, 5.00_zl}));
    EXPECT_KWOTA(w.NoweSaldo, -14.00_zl);
}

TEST(Wypozyczenie, KredytPokrywaCalosc) {
    TDaneWypozyczenia d = Koszyk(20.00_zl, {6.00_zl, 5.00_zl});
    const TPrzedWypozyczeniem p = PrzygotujWypozyczenie(d);
    EXPECT_TRUE(p.ZapiszSaldo);
    EXPECT_KWOTA(p.Saldo, 9.00_zl);
    EXPECT_FALSE(p.Wplata.Pokaz);
    // Whatever the caller passes, no dialog means nothing was taken.
    const TWynikWypozyczenia w = RozliczWypozyczenie(d, p, 99_zl);
    EXPECT_FALSE(w.Nadplata);
    EXPECT_KWOTA(w.Wplata, 11.00_zl);
    EXPECT_EQ(Platnosci(w), (std::vector<TKwota>{0_zl, 0_zl}));
    EXPECT_KWOTA(w.ZmianaSalda, 0_zl);
    EXPECT_KWOTA(w.NoweSaldo, 9.00_zl);
}

TEST(Wypozyczenie, NadplataDoZwrotu) {
    TDaneWypozyczenia d = Koszyk(0_zl, {6.00_zl, 5.00_zl});
    const TWynikWypozyczenia w = RozliczWypozyczenie(d, PrzygotujWypozyczenie(d), 20.00_zl);
    ASSERT_TRUE(w.Nadplata);
    EXPECT_EQ(w.Nadplata->Tekst, QStringLiteral("Pobrano za wysoką kwotę.\nDo zwrotu 9,00zł."));
    EXPECT_EQ(w.Nadplata->Rodzaj, TRodzajKomunikatu::Ostrzezenie);
    EXPECT_KWOTA(w.Nadplata->Kwota, 9.00_zl);
    EXPECT_EQ(Platnosci(w), (std::vector<TKwota>{0_zl, 0_zl}));
    EXPECT_KWOTA(w.ZmianaSalda, 0_zl);
}

TEST(Wypozyczenie, ResztaPonizejPolGroszaNieJestNadplata) {
    TDaneWypozyczenia d = Koszyk(0_zl, {0.10_zl, 0.20_zl});
    d.Razem = TKwota::ZeZlotych(0.1 + 0.2);  // 0.30000000000000004
    const TWynikWypozyczenia w = RozliczWypozyczenie(d, PrzygotujWypozyczenie(d), 0.30_zl);
    EXPECT_FALSE(w.Nadplata);
    EXPECT_EQ(Platnosci(w), (std::vector<TKwota>{0_zl, 0_zl}));
    EXPECT_KWOTA(w.ZmianaSalda, 0_zl);
}

TEST(Wypozyczenie, PieniadzeNaPierwszyZDwochFilmow) {
    TDaneWypozyczenia d = Koszyk(0_zl, {6.00_zl, 5.00_zl});
    const TWynikWypozyczenia w = RozliczWypozyczenie(d, PrzygotujWypozyczenie(d), 6.00_zl);
    EXPECT_EQ(Platnosci(w), (std::vector<TKwota>{0_zl, 5.00_zl}));
    EXPECT_KWOTA(w.ZmianaSalda, -5.00_zl);
}

TEST(Wypozyczenie, AbonentBezKredytuPropozycjaZero) {
    TDaneWypozyczenia d = Koszyk(30.00_zl, {6.00_zl, 5.00_zl});
    d.Abonament = true;
    d.AbonamentDo = Dzis.addDays(10);
    d.LicznikAb = 7;
    const TPrzedWypozyczeniem p = PrzygotujWypozyczenie(d);
    EXPECT_FALSE(p.ZapiszSaldo);
    EXPECT_TRUE(p.Wplata.Pokaz);
    EXPECT_KWOTA(p.Wplata.Kwota, 0_zl);
    const TWynikWypozyczenia w = RozliczWypozyczenie(d, p, 0_zl);
    EXPECT_FALSE(w.KoniecAbonamentu);
    EXPECT_EQ(Platnosci(w), (std::vector<TKwota>{6.00_zl, 5.00_zl}));
    EXPECT_KWOTA(w.ZmianaSalda, -11.00_zl);
    EXPECT_KWOTA(w.NoweSaldo, 19.00_zl);
    EXPECT_EQ(w.LicznikAb, 7);
}

TEST(Wypozyczenie, AbonamentWygaslWczoraj) {
    TDaneWypozyczenia d = Koszyk(15.00_zl, {6.00_zl, 5.00_zl});
    d.Abonament = true;
    d.AbonamentDo = Dzis.addDays(-1);
    const TPrzedWypozyczeniem p = PrzygotujWypozyczenie(d);
    EXPECT_FALSE(p.ZapiszSaldo);
    const TWynikWypozyczenia w = RozliczWypozyczenie(d, p, 0_zl);
    ASSERT_TRUE(w.KoniecAbonamentu);
    EXPECT_EQ(
        w.KoniecAbonamentu->Tekst,
        QStringLiteral("Upłynął termin ważności abonamentu.\nSaldo klienta zostanie wyzerowane."));
    EXPECT_EQ(w.KoniecAbonamentu->Rodzaj, TRodzajKomunikatu::Informacja);
    EXPECT_EQ(Platnosci(w), (std::vector<TKwota>{6.00_zl, 5.00_zl}));
    EXPECT_KWOTA(w.NoweSaldo, -11.00_zl);  // charged to the zeroed balance

    d.AbonamentDo = Dzis;  // the last day still counts
    EXPECT_FALSE(RozliczWypozyczenie(d, p, 0_zl).KoniecAbonamentu);
}

// Mode Zwrot: A 12.00 (5.00 unpaid) and B 8.00 paid are listed, a film at 6.00 added.
TEST(Wypozyczenie, DodanyFilmDoOtwartychWypozyczen) {
    TDaneWypozyczenia d;
    d.Wiersze = {{1, 12.00_zl, 3, 4.00_zl}, {2, 8.00_zl, 2, 4.00_zl}, {3, 6.00_zl, 1, 6.00_zl}};
    d.TrybZwrot = true;
    d.Wplata = 15.00_zl;
    d.WplaconoWczesniej = 15.00_zl;
    d.SumaPlatnosci = 5.00_zl;
    d.Razem = 12.00_zl + 8.00_zl + 6.00_zl - 15.00_zl;
    d.Saldo = -5.00_zl;
    d.Dzien = Dzis;
    const TPrzedWypozyczeniem p = PrzygotujWypozyczenie(d);
    EXPECT_KWOTA(p.Wplata.Kwota, 11.00_zl);

    TWynikWypozyczenia w = RozliczWypozyczenie(d, p, 11.00_zl);
    EXPECT_KWOTA(w.Wplata, 26.00_zl);
    EXPECT_EQ(Platnosci(w), (std::vector<TKwota>{0_zl, 0_zl, 0_zl}));
    EXPECT_KWOTA(w.ZmianaSalda, 5.00_zl);
    EXPECT_KWOTA(w.NoweSaldo, 0_zl);

    w = RozliczWypozyczenie(d, p, 6.00_zl);
    EXPECT_EQ(Platnosci(w), (std::vector<TKwota>{0_zl, 0_zl, 5.00_zl}));
    EXPECT_KWOTA(w.ZmianaSalda, 0_zl);
    EXPECT_KWOTA(w.NoweSaldo, -5.00_zl);
}
