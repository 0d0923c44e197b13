// An amount of money: whole grosze in a 64-bit integer, so that sums and differences are
// exact. It meets floating point only where a tariff price is computed and where the
// store's REAL is read or written.
#pragma once

#include <QStringView>
#include <QtGlobal>
#include <compare>
#include <optional>

class TKwota {
public:
    constexpr TKwota() = default;
    // The one way from złoty to an amount (a tariff price, the store's REAL): the decimal
    // number of 15 significant digits the value stands for (2.675 held as 2.67499999... is
    // 2.675), rounded to the grosz, halves away from zero. Never implicit: an amount written
    // in the code is a literal, 12.50_zl.
    explicit TKwota(double zlote);
    static TKwota ZeZlotych(double zlote) { return TKwota(zlote); }
    static constexpr TKwota ZGroszy(qint64 grosze) { return TKwota(Grosze_{}, grosze); }
    // A decimal text: an optional sign, digits, and a decimal comma or point with digits
    // ("12,5", "-0.505", "7,"); rounded to the grosz, halves away from zero. Anything
    // else, or more than 15 digits before the separator, gives no value.
    static std::optional<TKwota> ZTekstu(QStringView tekst);

    constexpr qint64 Grosze() const { return grosze; }
    // Złoty for the store's REAL and the tariff.
    constexpr double Zlote() const { return static_cast<double>(grosze) / 100.0; }

    constexpr bool Zero() const { return grosze == 0; }
    constexpr bool Dodatnia() const { return grosze > 0; }
    constexpr bool Ujemna() const { return grosze < 0; }

    constexpr TKwota operator-() const { return ZGroszy(-grosze); }
    constexpr TKwota& operator+=(TKwota k) {
        grosze += k.grosze;
        return *this;
    }
    constexpr TKwota& operator-=(TKwota k) {
        grosze -= k.grosze;
        return *this;
    }
    friend constexpr TKwota operator+(TKwota a, TKwota b) { return a += b; }
    friend constexpr TKwota operator-(TKwota a, TKwota b) { return a -= b; }
    friend constexpr auto operator<=>(TKwota, TKwota) = default;

private:
    struct Grosze_ {};
    constexpr TKwota(Grosze_, qint64 g) : grosze(g) {}
    qint64 grosze = 0;
};

constexpr TKwota Min(TKwota a, TKwota b) {
    return b < a ? b : a;
}
constexpr TKwota Max(TKwota a, TKwota b) {
    return a < b ? b : a;
}
// The amount, never below zero.
constexpr TKwota NieUjemna(TKwota k) {
    return Max(k, TKwota());
}

// Amounts written in the code: 12_zl is whole złoty, exact; 12.50_zl is rounded to the grosz
// as TKwota(double) rounds.
constexpr TKwota operator""_zl(unsigned long long zlote) {
    return TKwota::ZGroszy(static_cast<qint64>(zlote) * 100);
}
inline TKwota operator""_zl(long double zlote) {
    return TKwota(static_cast<double>(zlote));
}

class QString;

// The screen form (decimal comma, two decimals: "1234,50", "-0,50") and the SQL form
// (decimal point: "1234.50") of an amount.
QString KwotaNaEkran(TKwota kwota);
QString KwotaSQL(TKwota kwota);
// The general form, without trailing zeros: "2,5", "20", "-0,5" (the stored settings), and
// the same with a decimal point ("2.5") for statements.
QString KwotaOgolna(TKwota kwota);
QString KwotaOgolnaSQL(TKwota kwota);
// An amount typed on screen with a decimal comma ("12,5"; "5," reads as 5); the empty
// text and anything that is not a number give no value.
std::optional<TKwota> KwotaZEkranu(const QString& tekst);
