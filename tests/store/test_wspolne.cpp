// Screen and statement forms of amounts, numbers and dates.
#include <gtest/gtest.h>

#include "store/Formaty.h"
#include "store/Liczby.h"
#include "store/TQuery.h"
#include "store/Zegar.h"

TEST(Kwoty, NaEkranIWSQL) {
    const struct {
        double kwota;
        const char* ekran;
        const char* sql;
    } przypadki[] = {
        {0, "0,00", "0.00"},
        {12.5, "12,50", "12.50"},
        {-3, "-3,00", "-3.00"},
        {1234.5, "1234,50", "1234.50"},
        {2.675, "2,68", "2.68"},
        {-2.675, "-2,68", "-2.68"},
        {0.005, "0,01", "0.01"},
        {-0.004, "0,00", "0.00"},
        {0.004, "0,00", "0.00"},
        {7.499999, "7,50", "7.50"},
        {0.1 + 0.2, "0,30", "0.30"},
        {-0.5, "-0,50", "-0.50"},
        {1e6, "1000000,00", "1000000.00"},
    };
    for (const auto& p : przypadki) {
        EXPECT_EQ(KwotaNaEkran(TKwota::ZeZlotych(p.kwota)), QString::fromLatin1(p.ekran))
            << p.kwota;
        EXPECT_EQ(KwotaSQL(TKwota::ZeZlotych(p.kwota)), QString::fromLatin1(p.sql)) << p.kwota;
    }
}

TEST(Kwoty, PorownaniaDoGrosza) {
    EXPECT_TRUE(TKwota::ZeZlotych(0.004).Zero());
    EXPECT_TRUE(TKwota::ZeZlotych(-0.004).Zero());
    EXPECT_FALSE(TKwota::ZeZlotych(0.005).Zero());
    EXPECT_FALSE(TKwota::ZeZlotych(-0.001).Ujemna());
    EXPECT_TRUE(TKwota::ZeZlotych(-0.01).Ujemna());
    EXPECT_EQ(TKwota::ZeZlotych(1.005).Grosze(), 101);
}

TEST(Liczby, ZEkranu) {
    const struct {
        const char* tekst;
        std::optional<double> wartosc;
    } przypadki[] = {
        {"12,5", 12.5}, {"5,", 5.0},      {"5,00", 5.0}, {",5", 0.5}, {"0", 0.0},
        {" 7 ", 7.0},   {"-3,25", -3.25}, {"", {}},      {"a", {}},   {"1,2,3", {}},
        {"1.5", {}},    {"12 5", {}},     {",", {}},     {"-", {}},   {"1e3", {}},
    };
    for (const auto& p : przypadki) EXPECT_EQ(LiczbaZEkranu(p.tekst), p.wartosc) << p.tekst;
}

TEST(Liczby, KazdyPrefiksPoprawnejLiczbyPrzechodziPodczasPisania) {
    for (const char* liczba : {"5,00", "12,5", "0,99", "100"}) {
        const QString t = QString::fromLatin1(liczba);
        for (int n = 0; n <= t.size(); ++n)
            EXPECT_TRUE(TekstLiczbyPoprawny(t.left(n))) << t.left(n).toStdString();
    }
    for (const char* zly : {"-", "-5", "a", "1,2,3", "5a", "1.5", ",,"})
        EXPECT_FALSE(TekstLiczbyPoprawny(QString::fromLatin1(zly))) << zly;
}

TEST(Liczby, FormatOgolny) {
    const std::pair<double, const char*> przypadki[] = {
        {100, "100"},
        {-0.5, "-0,5"},
        {12.75, "12,75"},
        {0, "0"},
        {2.5, "2,5"},
        {-0.0, "0"},
        {1.0 / 3, "0,333333333333333"},
        {1234567.5, "1234567,5"},
    };
    for (const auto& [liczba, tekst] : przypadki)
        EXPECT_EQ(LiczbaOgolna(liczba), QString::fromLatin1(tekst)) << liczba;
}

TEST(Daty, ZTekstuWOknieLat) {
    UstawDzisiaj(QDate(2024, 3, 5));
    const std::pair<const char*, QDate> przypadki[] = {
        {"05.03.24", {2024, 3, 5}},
        {"5.3.24", {2024, 3, 5}},
        {"01.01.74", {1974, 1, 1}},
        {"31.12.73", {2073, 12, 31}},
        {"05.03.1924", {1924, 3, 5}},
        {"29.02.2023", {}},
        {"32.01.24", {}},
        {"05-03-24", {}},
        {"05.03.124", {}},
        {"", {}},
        {" 05.03.24 ", {2024, 3, 5}},
    };
    for (const auto& [tekst, data] : przypadki) EXPECT_EQ(DataZTekstu(tekst), data) << tekst;
    UstawDzisiaj(QDate(2000, 6, 1));
    EXPECT_EQ(DataZTekstu("01.01.50"), QDate(1950, 1, 1));
    EXPECT_EQ(DataZTekstu("01.01.49"), QDate(2049, 1, 1));
    EXPECT_EQ(RokZOkna(99), 1999);
    UstawDzisiaj(QDate());
}

TEST(Daty, PostaciTekstowe) {
    const QDate d(2024, 3, 5);
    EXPECT_EQ(DataSQL(d), "\"05.03.2024\"");
    EXPECT_EQ(DataKrotka(d), "05.03.24");
    EXPECT_EQ(DataDluga(d), "05.03.2024");
    EXPECT_EQ(DataKrotka(QDate()), "");
    EXPECT_EQ(DataSQL(QDate(1999, 12, 31)), "\"31.12.1999\"");
}

// Dates are put together and read without Qt's format parser; both ways agree with it.
TEST(Daty, DlugaPostacIOdczytZgodneZQt) {
    for (QDate d(1899, 12, 25); d < QDate(2101, 1, 10); d = d.addDays(37)) {
        EXPECT_EQ(DataDluga(d), d.toString("dd.MM.yyyy"));
        const QString iso = d.toString(Qt::ISODate);
        EXPECT_EQ(TField("d", TField::TTyp::Data, iso).AsDate(), d) << iso.toStdString();
        EXPECT_EQ(TField("d", TField::TTyp::Data, iso + " 12:30").AsDate(), d);
    }
    EXPECT_EQ(DataDluga(QDate(5, 1, 2)), "02.01.0005");
    EXPECT_EQ(DataDluga(QDate(12345, 6, 7)), QDate(12345, 6, 7).toString("dd.MM.yyyy"));
    // Other texts read as Qt reads an ISO date, then as a date typed by the operator.
    const auto jakQt = [](const QString& t) {
        const QDate d = QDate::fromString(t.left(10), Qt::ISODate);
        return d.isValid() ? d : DataZTekstu(t);
    };
    for (const QString t : {"2024-02-30", "2024-13-01", "2024-1-05", "2024/03/05", "+024-03-05"})
        EXPECT_EQ(TField("d", TField::TTyp::Data, t).AsDate(), jakQt(t)) << t.toStdString();
    EXPECT_EQ(TField("d", TField::TTyp::Data, QString("05.03.2024")).AsDate(), QDate(2024, 3, 5));
}

TEST(Numery, CzteryCyfry) {
    EXPECT_EQ(Numer4(7), "0007");
    EXPECT_EQ(Numer4(0), "0000");
    EXPECT_EQ(Numer4(1234), "1234");
    EXPECT_EQ(Numer4(12345), "12345");
    EXPECT_EQ(Numer4(-7), "-0007");
    EXPECT_EQ(Numer4(-12345), "-12345");
}

TEST(Teksty, CytowanieDlaPolecen) {
    EXPECT_EQ(TekstSQL("O'Brien"), "'O''Brien'");
    EXPECT_EQ(TekstSQL(""), "''");
    EXPECT_EQ(TekstSQL("a\"b"), "'a\"b'");
}
