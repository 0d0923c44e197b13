// General numbers on screen (a percentage, a margin in millimetres, a count of days): the
// decimal comma, and the check run on every change of a numeric edit. Amounts of money are
// TKwota (store/Kwota.h).
#pragma once

#include <QString>
#include <optional>

// Reads a number typed on screen with a decimal comma ("12,5", "5," reads as 5).
// The empty text and anything that is not a number give no value.
std::optional<double> LiczbaZEkranu(const QString& tekst);
std::optional<int> CalkowitaZEkranu(const QString& tekst);
// The check run on every change of a numeric edit: the empty text and every text
// met while typing a non-negative number pass; anything else is refused.
bool TekstLiczbyPoprawny(const QString& tekst);
bool TekstCalkowitejPoprawny(const QString& tekst);
// Real number in general format with the decimal comma and up to 15 significant
// digits ("100", "-0,5", "12,75").
QString LiczbaOgolna(double liczba);
