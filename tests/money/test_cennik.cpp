#include <gtest/gtest.h>

#include "money/Cennik.h"
#include "store/Formaty.h"
#include "support/Kwoty.h"

namespace {

const QDate Poniedzialek(2024, 4, 1);  // Monday the 1st
const QDate Piatek(2024, 4, 5);
const QDate Sobota(2024, 4, 6);

double Najem(const TUstawienia& u, int dni, int rabat = 0, QDate od = Poniedzialek) {
    return CenaWypozyczenia(u, rabat, CenaNajmu, 5.00, od, od.addDays(dni));
}

}  // namespace

TEST(Cennik, PomocniczeZaokraglenieDniIDzienTygodnia) {
    EXPECT_EQ(ZaokraglijDoParzystej(2.5), 2);
    EXPECT_EQ(ZaokraglijDoParzystej(3.5), 4);
    EXPECT_EQ(ZaokraglijDoParzystej(-2.5), -2);
    EXPECT_DOUBLE_EQ(ZaokraglijDoGroszyParzyscie(0.125), 0.12);
    EXPECT_DOUBLE_EQ(ZaokraglijDoGroszyParzyscie(17.5), 17.5);
    EXPECT_EQ(LiczbaDni(Poniedzialek, Piatek), 4);
    EXPECT_EQ(LiczbaDni(Piatek, Poniedzialek), -4);
    EXPECT_EQ(DzienTygodnia(QDate(2024, 4, 7)), 1);  // Sunday
    EXPECT_EQ(DzienTygodnia(Poniedzialek), 2);
    EXPECT_EQ(DzienTygodnia(Sobota), 7);
    EXPECT_DOUBLE_EQ(WspolczynnikRabatu(0), 1.0);
    EXPECT_DOUBLE_EQ(WspolczynnikRabatu(15), 0.85);
}

TEST(Cennik, KolejnaDobaProcentemLubKwota) {
    TUstawienia u;
    u.KolejnaDoba = 100;
    EXPECT_NEAR(Najem(u, 3), 15.00, 1e-9);
    u.KolejnaDoba = 50;
    EXPECT_NEAR(Najem(u, 3), 10.00, 1e-9);
    u.KolejnaDoba = -1;
    EXPECT_NEAR(Najem(u, 3), 13.00, 1e-9);
    u.KolejnaDoba = 0;
    EXPECT_NEAR(Najem(u, 3), 15.00, 1e-9);
    u.KolejnaDoba = -0.5;
    EXPECT_NEAR(Najem(u, 2), 9.50, 1e-9);
}

TEST(Cennik, RabatKlientaIZeroDni) {
    TUstawienia u;
    EXPECT_NEAR(Najem(u, 2, 10), 9.00, 1e-9);
    EXPECT_EQ(Najem(u, 0), 0);
    EXPECT_EQ(Najem(u, -2), 0);
}

TEST(Cennik, OfertaWeekendowa) {
    TUstawienia u;
    u.Weekend = 1;
    EXPECT_NEAR(Najem(u, 2, 0, Sobota), 5.00, 1e-9);
    EXPECT_NEAR(Najem(u, 2, 10, Sobota), 4.50, 1e-9);
    EXPECT_NEAR(Najem(u, 3, 0, Sobota), 15.00, 1e-9);  // only a two-day rental
    EXPECT_NEAR(Najem(u, 2, 0, Piatek), 10.00, 1e-9);
    u.Weekend = 0;
    EXPECT_NEAR(Najem(u, 2, 0, Sobota), 10.00, 1e-9);
    EXPECT_NEAR(Najem(u, 2, 0, Piatek), 10.00, 1e-9);
}

TEST(Cennik, ZwlokaZwrotPrzedTerminemIKolejneDni) {
    TUstawienia u;
    const QDate od = Poniedzialek, do_ = Poniedzialek.addDays(3);
    EXPECT_NEAR(CenaWypozyczenia(u, 0, CenaZwloki, 5, od, do_), 15.00, 1e-9);
    u.PoTerminie = 0;
    u.Kara = TKwota::ZeZlotych(2);
    EXPECT_NEAR(CenaWypozyczenia(u, 0, CenaZwloki, 5, od, do_), 6.00, 1e-9);
    EXPECT_NEAR(CenaWypozyczenia(u, 50, CenaZwloki, 5, od, do_), 3.00, 1e-9);
    u.PoTerminie = 50;
    EXPECT_NEAR(CenaWypozyczenia(u, 0, CenaZwloki, 5, od, do_), 7.50, 1e-9);

    u.KolejnaDoba = 50;
    u.PrzedTerminem = false;
    EXPECT_EQ(CenaWypozyczenia(u, 0, CenaZwrotuWczesniej, 5, od, do_), 0);
    u.PrzedTerminem = true;
    EXPECT_NEAR(CenaWypozyczenia(u, 0, CenaZwrotuWczesniej, 5, od, do_), 7.50, 1e-9);
    EXPECT_NEAR(CenaWypozyczenia(u, 0, CenaKolejnychDni, 5, od, do_), 7.50, 1e-9);
    u.KolejnaDoba = -1;
    EXPECT_NEAR(CenaWypozyczenia(u, 0, CenaKolejnychDni, 5, od, do_), 12.00, 1e-9);
    EXPECT_EQ(CenaWypozyczenia(u, 0, 5, 5, od, do_), 0);
    EXPECT_EQ(CenaWypozyczenia(u, 0, 0, 5, od, do_), 0);
}

TEST(Cennik, AbonamentKwotowyICenowyBezRabatuKlienta) {
    TUstawienia u;
    u.TypAb = 0;
    u.AbRabat = 10;
    u.KolejnaDoba = 50;
    const QDate od = Poniedzialek;
    EXPECT_NEAR(CenaAbonenta(u, 0, 1, 5, od, od.addDays(2)), 9.00, 1e-9);
    EXPECT_NEAR(CenaAbonenta(u, 30, 1, 5, od, od.addDays(2)), 9.00, 1e-9);
    EXPECT_NEAR(CenaAbonenta(u, 0, 1, 5, od, od.addDays(-2)), -9.00, 1e-9);

    u.TypAb = 2;
    u.AbRabat = 100;
    u.AbStawka = TKwota::ZeZlotych(4);
    EXPECT_NEAR(CenaAbonenta(u, 0, 1, 5, od, od.addDays(3)), 12.00, 1e-9);
    EXPECT_NEAR(CenaAbonenta(u, 20, 7, 9, od, od.addDays(3)), 12.00, 1e-9);
    u.TypAb = 7;
    EXPECT_EQ(CenaAbonenta(u, 0, 1, 5, od, od.addDays(3)), 0);
}

TEST(Cennik, AbonamentIlosciowyCoTrzeciFilmGratis) {
    TUstawienia u;
    u.TypAb = 1;
    u.AbGratis = 3;
    const QDate od = Poniedzialek, do_ = od.addDays(2);
    // Counter 0 before the basket: films 1 and 2 priced normally, the third free.
    EXPECT_NEAR(CenaAbonenta(u, 0, 1, 5, od, do_), 10.00, 1e-9);
    EXPECT_NEAR(CenaAbonenta(u, 10, 2, 5, od, do_), 9.00, 1e-9);  // client's discount applies
    EXPECT_EQ(CenaAbonenta(u, 0, 3, 5, od, do_), 0);
    EXPECT_EQ(CenaAbonenta(u, 0, 6, 5, od, do_), 0);
    EXPECT_EQ(CenaAbonenta(u, 0, 0, 5, od, do_), 0);
    EXPECT_EQ(CenaAbonenta(u, 0, 2, 5, od, od.addDays(-1)), 0);
    u.AbGratis = 0;  // never met after loading; must not divide by zero
    EXPECT_NEAR(CenaAbonenta(u, 0, 3, 5, od, do_), 10.00, 1e-9);
}

TEST(Cennik, TestAbonentaOstatniDzienJeszczeSieLiczy) {
    const QDate dzis(2024, 4, 10);
    EXPECT_TRUE(JestAbonentem(true, dzis, dzis));
    EXPECT_TRUE(JestAbonentem(true, dzis.addDays(5), dzis));
    EXPECT_FALSE(JestAbonentem(true, dzis.addDays(-1), dzis));
    EXPECT_FALSE(JestAbonentem(false, dzis.addDays(5), dzis));
    EXPECT_FALSE(JestAbonentem(true, QDate(), dzis));
}

TEST(Cennik, KoszykLicznikWierszaICena) {
    TUstawienia u;
    u.TypAb = 1;
    u.AbGratis = 3;
    // Three films added under a subscription from counter 0: counters 1, 2, 3.
    EXPECT_EQ(LicznikWierszaKoszyka(3, 3, 0), 1);
    EXPECT_EQ(LicznikWierszaKoszyka(3, 3, 2), 3);
    const QDate dzis = Poniedzialek;
    const TKwota stawka = TKwota::ZGroszy(500);
    EXPECT_KWOTA(CenaWKoszyku(u, 0, true, 2, stawka, dzis, 2), 10.00_zl);
    EXPECT_KWOTA(CenaWKoszyku(u, 0, true, 3, stawka, dzis, 2), 0_zl);
    EXPECT_KWOTA(CenaWKoszyku(u, 0, false, 3, stawka, dzis, 2), 10.00_zl);
    // The tariff's 4,995 becomes an amount once, rounded half up.
    u.KolejnaDoba = 50;
    EXPECT_KWOTA(CenaWKoszyku(u, 0, false, 0, TKwota::ZGroszy(333), dzis, 2), 5.00_zl);
}

TEST(Cennik, SumaListyToSumaZaokraglonychCen) {
    EXPECT_KWOTA(SumaKwot({3.333, 3.333, 3.333}), 9.99_zl);
    EXPECT_KWOTA(SumaKwot({0.1, 0.2}), 0.30_zl);
    EXPECT_KWOTA(SumaKwot({}), 0_zl);
}

// Pure pricing of the return and extension examples: rate 5.00, further days at 50 %.
TEST(Cennik, CenyZwrotuIPrzedluzenia) {
    TUstawienia u;
    u.KolejnaDoba = 50;
    const QDate pon = Poniedzialek, sr = pon.addDays(2), pt = pon.addDays(4);
    const double k1 = CenaWypozyczenia(u, 0, CenaNajmu, 5, pon, sr);
    EXPECT_NEAR(k1, 7.50, 1e-9);
    EXPECT_NEAR(k1 + CenaWypozyczenia(u, 0, CenaZwloki, 5, sr, pt), 17.50, 1e-9);
    u.PoTerminie = 0;
    u.Kara = TKwota::ZeZlotych(3);
    EXPECT_NEAR(k1 + CenaWypozyczenia(u, 0, CenaZwloki, 5, sr, pt), 13.50, 1e-9);
    EXPECT_NEAR(CenaWypozyczenia(u, 0, CenaNajmu, 5, pon, pt), 12.50, 1e-9);
    // Extension: 3 days ago for 2, extended by 2 from today = a 5-day rental.
    EXPECT_NEAR(CenaWypozyczenia(u, 0, CenaNajmu, 5, pon, pon.addDays(5)), 15.00, 1e-9);
}
