#include <gtest/gtest.h>

#include "money/RozliczenieZaleglosci.h"
#include "support/Kwoty.h"

TEST(Zaleglosci, PropozycjaToCalaNaleznosc) {
    const TPropozycjaWplaty p = WplataZaleglosci(10.00_zl);
    EXPECT_TRUE(p.Pokaz);
    EXPECT_EQ(p.Etykieta, "Do zapłaty:");
    EXPECT_KWOTA(p.Kwota, 10.00_zl);
}

// A payment against arrears of 4,00 and 6,00: asked about, booked, spread over the rows.
TEST(Zaleglosci, WplataWobecNaleznosci) {
    struct TPrzypadek {
        TKwota wplata;
        bool nadplata, pytaj;
        TKwota ksiegowana;
        std::vector<TKwota> zaleglosci;
    };
    const TPrzypadek przypadki[] = {
        {5.00_zl, false, true, 5.00_zl, {0_zl, 5.00_zl}},  // less than owed: asked first
        {12.00_zl, true, false, 10.00_zl, {0_zl, 0_zl}},   // more: the surplus handed back
        {10.00_zl, false, false, 10.00_zl, {0_zl, 0_zl}},  // all of it
    };
    for (const TPrzypadek& p : przypadki) {
        const TOcenaWplatyZaleglosci o = OcenWplateZaleglosci(10.00_zl, p.wplata);
        EXPECT_EQ(o.Nadplata.has_value(), p.nadplata) << p.wplata;
        EXPECT_EQ(o.Pytaj, p.pytaj) << p.wplata;
        EXPECT_KWOTA(o.Wplata, p.ksiegowana) << p.wplata;
        EXPECT_KWOTA(o.Pobrano, p.wplata) << p.wplata;
        const TWynikZaleglosci w = RozliczZaleglosci({4.00_zl, 6.00_zl}, o.Wplata);
        EXPECT_KWOTA(w.ZmianaSalda, p.ksiegowana) << p.wplata;
        EXPECT_EQ(w.Zaleglosci, p.zaleglosci) << p.wplata;
        EXPECT_KWOTA(w.Razem, 10.00_zl - p.ksiegowana) << p.wplata;
    }
    const TOcenaWplatyZaleglosci mniej = OcenWplateZaleglosci(10.00_zl, 5.00_zl);
    EXPECT_EQ(mniej.Pytanie,
              QStringLiteral("Pobrano kwotę niższą niż należność. Czy zaksięgować wpłatę?"));
    const TOcenaWplatyZaleglosci wiecej = OcenWplateZaleglosci(10.00_zl, 12.00_zl);
    ASSERT_TRUE(wiecej.Nadplata);
    EXPECT_EQ(wiecej.Nadplata->Tekst, QStringLiteral("Pobrano za wysoką kwotę."));
    EXPECT_EQ(wiecej.Nadplata->Rodzaj, TRodzajKomunikatu::Ostrzezenie);
    EXPECT_KWOTA(wiecej.Nadplata->Kwota, 2.00_zl);
}

TEST(Zaleglosci, KwotaPonadWiersze) {
    // Never more booked into the balance than the rows owe.
    const TWynikZaleglosci w = RozliczZaleglosci({4.00_zl, 6.00_zl}, 15.00_zl);
    EXPECT_KWOTA(w.ZmianaSalda, 10.00_zl);
    const TWynikZaleglosci pusta = RozliczZaleglosci({}, 0_zl);
    EXPECT_EQ(pusta.ZmianaSalda, 0_zl);
    EXPECT_EQ(pusta.Razem, 0_zl);
}
