// The amount type: exact grosze from text and from złoty, exact sums.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/Kwoty.h"

TEST(Kwota, ZTekstuDoGrosza) {
    const struct {
        const char* tekst;
        qint64 grosze;
    } przypadki[] = {
        {"12,5", 1250}, {"12.5", 1250},
        {"7,", 700},    {",5", 50},
        {"0", 0},       {"-0,505", -51},
        {"0,004", 0},   {"0,005", 1},
        {"2,675", 268}, {"-2,675", -268},
        {"+3,10", 310}, {"1,999", 200},
        {"0,0049", 0},  {"999999999999999", 99999999999999900},
    };
    for (const auto& p : przypadki) {
        const auto k = TKwota::ZTekstu(QString::fromLatin1(p.tekst));
        ASSERT_TRUE(k) << p.tekst;
        EXPECT_EQ(k->Grosze(), p.grosze) << p.tekst;
    }
    for (const char* zly : {"", "-", ",", "1,2,3", "abc", "5 ", "1e3", "--1", "1000000000000000"})
        EXPECT_FALSE(TKwota::ZTekstu(QString::fromLatin1(zly))) << zly;
}

TEST(Kwota, ZeZlotychJakLiczbaDziesietna) {
    const struct {
        double zlote;
        qint64 grosze;
    } przypadki[] = {
        {2.675, 268},
        {-2.675, -268},
        {1.005, 101},
        {0.1 + 0.2, 30},
        {0.95 * 4.5, 428},
        {7.499999, 750},
        {0.004, 0},
        {-0.004, 0},
        {1e-9, 0},
        {12.5, 1250},
        {1e6, 100000000},
        {123456.785, 12345679},
        // Whole grosze, one step of the double off them, and beyond ten milliard.
        {0.07, 7},
        {-1234.56, -123456},
        {std::nextafter(0.07, 1.0), 7},
        {std::nextafter(-19.99, 0.0), -1999},
        {12345678901.23, 1234567890123},
    };
    for (const auto& p : przypadki) EXPECT_EQ(TKwota(p.zlote).Grosze(), p.grosze) << p.zlote;
    EXPECT_EQ(TKwota(std::numeric_limits<double>::quiet_NaN()), TKwota());
    EXPECT_EQ(TKwota(INFINITY), TKwota());
    // The literals: whole złoty exact, a decimal one rounded as above.
    EXPECT_EQ(12.50_zl, TKwota::ZGroszy(1250));
    EXPECT_EQ(12_zl, TKwota::ZGroszy(1200));
    EXPECT_EQ(-2.675_zl, TKwota::ZGroszy(-268));
}

TEST(Kwota, SumyKtorychDoubleNieTrzyma) {
    double d = 0;
    TKwota k;
    for (int i = 0; i < 10; ++i) {
        d += 0.1;
        k += 0.10_zl;
    }
    EXPECT_NE(d, 1.0);
    EXPECT_EQ(k, TKwota(1.0));
    EXPECT_EQ(TKwota(0.1) + TKwota(0.2), TKwota(0.3));
    EXPECT_EQ(TKwota(1e7) + TKwota(0.01) - TKwota(1e7), TKwota::ZGroszy(1));
    // Three rows of 3,33 and one of 0,01 are exactly 10,00.
    EXPECT_EQ(3.33_zl + 3.33_zl + 3.33_zl + 0.01_zl, 10_zl);
}

TEST(Kwota, PorownaniaZnakIGranice) {
    const TKwota a = 2.50_zl, b = -1.25_zl;
    EXPECT_LT(b, a);
    EXPECT_EQ(-a, -2.50_zl);
    EXPECT_EQ(Min(a, b), b);
    EXPECT_EQ(Max(a, b), a);
    EXPECT_EQ(NieUjemna(b), TKwota());
    EXPECT_TRUE(b.Ujemna());
    EXPECT_TRUE(a.Dodatnia());
    EXPECT_TRUE((a - a).Zero());
    EXPECT_DOUBLE_EQ(b.Zlote(), -1.25);
}

TEST(Kwota, EkranISQL) {
    EXPECT_EQ(KwotaNaEkran(TKwota::ZGroszy(123450)), "1234,50");
    EXPECT_EQ(KwotaSQL(TKwota::ZGroszy(-5)), "-0.05");
    EXPECT_EQ(KwotaZEkranu(" 12,5 "), TKwota(12.5));
    EXPECT_EQ(KwotaZEkranu("5,"), TKwota(5.0));
    EXPECT_FALSE(KwotaZEkranu("1.5")) << "the screen takes the decimal comma only";
    EXPECT_FALSE(KwotaZEkranu(""));
    // The general form of the stored settings and of a returned rental's unpaid part.
    const std::pair<qint64, const char*> ogolne[] = {{250, "2,5"}, {2000, "20"},    {-50, "-0,5"},
                                                     {0, "0"},     {4999, "49,99"}, {-5, "-0,05"}};
    for (const auto& [grosze, tekst] : ogolne) {
        EXPECT_EQ(KwotaOgolna(TKwota::ZGroszy(grosze)), QString::fromUtf8(tekst));
        EXPECT_EQ(KwotaOgolnaSQL(TKwota::ZGroszy(grosze)),
                  QString::fromUtf8(tekst).replace(',', '.'));
    }
}
