// Closed days in the money: never charged as a rental day nor as a late day, and a due
// date never falls on one. With no closed days the other money tests hold unchanged.
#include <gtest/gtest.h>

#include "money/Cennik.h"
#include "money/RozliczeniePrzedluzenia.h"
#include "money/RozliczenieZwrotu.h"
#include "support/Kwoty.h"

namespace {

const TKwota Stawka = TKwota::ZeZlotych(5.00);
const QDate Sobota(2026, 12, 5);
const QDate Poniedzialek(2026, 12, 7);

TUstawienia Taryfa(bool zasady) {
    TUstawienia u;
    u.KolejnaDoba = 50;
    u.PoTerminie = 100;
    u.AbStawka = TKwota::ZeZlotych(4.00);
    if (zasady) {
        u.Zasady.NiedzieleZamkniete = true;
        u.Zasady.DniWolne = {QDate(2026, 12, 24), QDate(2026, 12, 25), QDate(2026, 12, 26)};
    }
    return u;
}

TEST(ZasadyWCenach, JednodniowyNajemWSoboteDoPoniedzialku) {
    const TUstawienia u = Taryfa(true);
    EXPECT_EQ(CenaWKoszyku(u, 0, false, 1, Stawka, Sobota, 1), Stawka);
    // Two days from Saturday end on Monday with one open day between.
    EXPECT_EQ(CenaWKoszyku(u, 0, false, 1, Stawka, Sobota, 2), Stawka);
    EXPECT_EQ(CenaWKoszyku(Taryfa(false), 0, false, 1, Stawka, Sobota, 2), TKwota::ZeZlotych(7.50));

    TDaneWypozyczenia d;
    d.Wiersze = {{1, Stawka, 1, Stawka}};
    d.Razem = Stawka;
    d.Dzien = Sobota;
    d.Zasady = u.Zasady;
    const TWynikWypozyczenia w = RozliczWypozyczenie(d, PrzygotujWypozyczenie(d), Stawka);
    ASSERT_EQ(w.Wiersze.size(), 1u);
    EXPECT_EQ(w.Wiersze[0].DataDO, Poniedzialek);
    EXPECT_EQ(w.Wiersze[0].Naleznosc, Stawka);
    EXPECT_EQ(w.Wiersze[0].Platnosc, TKwota());

    // Returned on the due date: still the one day.
    TDaneZwrotu z;
    z.Wiersze = {{1, Stawka, Stawka, Sobota, Poniedzialek}};
    z.Ostatni = 0;
    z.Ustawienia = u;
    z.Dzisiaj = Poniedzialek;
    EXPECT_EQ(CenaZwrotu(z, z.Wiersze[0]).Naleznosc, Stawka);

    // Extended on Saturday by a day: due Monday, priced as the rental of one open day.
    TDanePrzedluzenia p;
    p.Wiersze = {{1, Stawka, 1, Stawka}};
    p.Ostatni = 0;
    p.IloscDni = 1;
    p.DataOD = p.Dzisiaj = Sobota;
    p.Ustawienia = u;
    const TPrzedPrzedluzeniem przed = PrzygotujPrzedluzenie(p);
    EXPECT_EQ(przed.DataDO, Poniedzialek);
    EXPECT_EQ(przed.Naleznosci[0], Stawka);
}

// Rented Monday 21 December 2026 until Thursday the 24th (closed with rules on, as are the
// 25th, 26th and Sunday the 27th): three days at 5,00 then 2,50, late days at 5,00, a
// subscriber at 4,00 a day.
TEST(ZasadyWCenach, ZwrotPoSwietachLiczyTylkoOtwarteDni) {
    const struct {
        bool zasady;
        bool abonent;
        int zwrot;  // day of December
        double naleznosc;
    } przypadki[] = {
        {false, false, 28, 10.00 + 4 * 5.00}, {true, false, 28, 10.00},
        {true, false, 29, 10.00 + 5.00},      {true, false, 23, 10.00},
        {false, true, 28, 12.00 + 4 * 5.00},  {true, true, 28, 12.00},
    };
    for (const auto& p : przypadki) {
        TDaneZwrotu d;
        d.Wiersze = {
            {1, TKwota::ZeZlotych(10.00), Stawka, QDate(2026, 12, 21), QDate(2026, 12, 24)}};
        d.Ostatni = 0;
        d.Ustawienia = Taryfa(p.zasady);
        d.Ustawienia.TypAb = 2;
        d.Abonament = p.abonent;
        d.AbonamentDo = QDate(2027, 12, 31);
        d.Dzisiaj = QDate(2026, 12, p.zwrot);
        const TCenaZwrotu c = CenaZwrotu(d, d.Wiersze[0]);
        EXPECT_EQ(c.Naleznosc, TKwota::ZeZlotych(p.naleznosc))
            << p.zasady << p.abonent << " " << p.zwrot;
        EXPECT_EQ(c.ZAbonamentu, p.abonent ? c.Naleznosc : TKwota()) << p.zasady << p.abonent;
    }
}

}  // namespace
