// Closed days in the money: never charged as a rental day nor as a late day, and a due
// date never falls on one. With no closed days the other money tests hold unchanged.
#include <gtest/gtest.h>

#include "money/Cennik.h"
#include "money/RozliczenieZwrotu.h"
#include "support/Kwoty.h"

namespace {

const TKwota Stawka = TKwota::ZeZlotych(5.00);
const QDate Sobota(2026, 12, 5);

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

// A basket row at 5,00 then 2,50 a day, Sundays closed.
TEST(ZasadyWCenach, NajemLiczyOtwarteDniATerminWypadaWDzienOtwarty) {
    const struct {
        bool zasady;
        int weekend;
        const char* od;
        int dni;
        double cena;
    } przypadki[] = {
        {true, 0, "2026-12-05", 1, 5.00},  // Saturday: due Monday, one day
        {true, 0, "2026-12-05", 2, 5.00},  // Saturday to Monday, one open day
        {false, 0, "2026-12-05", 2, 7.50},
        {true, 0, "2026-12-06", 1, 5.00},  // made on a closed Sunday: its first day paid
        {true, 1, "2026-12-05", 3, 7.50},  // Saturday to Tuesday: no weekend rate
        {true, 1, "2026-12-05", 2, 5.00},
    };
    for (const auto& p : przypadki) {
        TUstawienia u = Taryfa(p.zasady);
        u.Weekend = p.weekend;
        const QDate od = QDate::fromString(QString::fromLatin1(p.od), Qt::ISODate);
        EXPECT_EQ(CenaWKoszyku(u, 0, false, 1, Stawka, od, p.dni), TKwota::ZeZlotych(p.cena))
            << p.zasady << p.weekend << " " << p.od << " " << p.dni;
    }

    TDaneWypozyczenia d;
    d.Wiersze = {{1, Stawka, 1, Stawka}};
    d.Razem = Stawka;
    d.Dzien = Sobota;
    d.Zasady = Taryfa(true).Zasady;
    const TWynikWypozyczenia w = RozliczWypozyczenie(d, PrzygotujWypozyczenie(d), Stawka);
    ASSERT_EQ(w.Wiersze.size(), 1u);
    EXPECT_EQ(w.Wiersze[0].DataDO, QDate(2026, 12, 7));  // Monday
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
