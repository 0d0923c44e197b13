#include <gtest/gtest.h>

#include "money/RozliczenieZaleglosci.h"
#include "support/Kwoty.h"

TEST(Zaleglosci, PropozycjaToCalaNaleznosc) {
    const TPropozycjaWplaty p = WplataZaleglosci(10.00);
    EXPECT_TRUE(p.Pokaz);
    EXPECT_EQ(p.Etykieta, "Do zapłaty:");
    EXPECT_KWOTA(p.Kwota, 10.00);
}

TEST(Zaleglosci, CzescNaleznosciPoPytaniu) {
    const TOcenaWplatyZaleglosci o = OcenWplateZaleglosci(10.00, 5.00);
    EXPECT_FALSE(o.Nadplata);
    EXPECT_TRUE(o.Pytaj);
    EXPECT_EQ(o.Pytanie,
              QStringLiteral("Pobrano kwotę niższą niż należność. Czy zaksięgować wpłatę?"));
    EXPECT_KWOTA(o.Wplata, 5.00);
    const TWynikZaleglosci w = RozliczZaleglosci({4.00, 6.00}, o.Wplata);
    EXPECT_KWOTA(w.ZmianaSalda, 5.00);
    EXPECT_EQ(w.Zaleglosci, (std::vector<TKwota>{0, 5.00}));
    EXPECT_KWOTA(w.Razem, 5.00);
}

TEST(Zaleglosci, NadplataKsiegujeTylkoNaleznosc) {
    const TOcenaWplatyZaleglosci o = OcenWplateZaleglosci(10.00, 12.00);
    ASSERT_TRUE(o.Nadplata);
    EXPECT_EQ(o.Nadplata->Tekst, QStringLiteral("Pobrano za wysoką kwotę."));
    EXPECT_EQ(o.Nadplata->Rodzaj, TRodzajKomunikatu::Ostrzezenie);
    EXPECT_FALSE(o.Pytaj);
    EXPECT_KWOTA(o.Wplata, 10.00);
    const TWynikZaleglosci w = RozliczZaleglosci({4.00, 6.00}, o.Wplata);
    EXPECT_KWOTA(w.ZmianaSalda, 10.00);
    EXPECT_EQ(w.Zaleglosci, (std::vector<TKwota>{0, 0}));
    EXPECT_EQ(w.Razem, 0);
}

TEST(Zaleglosci, CalaKwotaBezPytaniaIKwotaPonadWiersze) {
    const TOcenaWplatyZaleglosci o = OcenWplateZaleglosci(10.00, 10.00);
    EXPECT_FALSE(o.Nadplata);
    EXPECT_FALSE(o.Pytaj);
    // Never more booked into the balance than the rows owe.
    const TWynikZaleglosci w = RozliczZaleglosci({4.00, 6.00}, 15.00);
    EXPECT_KWOTA(w.ZmianaSalda, 10.00);
    const TWynikZaleglosci pusta = RozliczZaleglosci({}, 0);
    EXPECT_EQ(pusta.ZmianaSalda, 0);
    EXPECT_EQ(pusta.Razem, 0);
}
