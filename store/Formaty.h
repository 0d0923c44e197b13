// The screen and SQL forms of amounts, dates and numbers, and their readers.
#pragma once

#include <QDate>
#include <QString>
#include <optional>

// The warning of every numeric field that refuses its text.
inline const QString NiepoprawnaWartosc = QStringLiteral("Niepoprawna wartość.");

// ---------------------------------------------------------------- amounts

// Amount rounded to whole grosze (half away from zero).
double ZaokraglijDoGroszy(double kwota);
qint64 Grosze(double kwota);
// Zero, below zero, above zero at cent precision: a residue below half a grosz never counts.
bool KwotaZerowa(double kwota);
bool KwotaUjemna(double kwota);
bool KwotaDodatnia(double kwota);

// Screen form: decimal comma and two decimals ("1234,50", "-0,50").
QString KwotaNaEkran(double kwota);
// SQL form: decimal point and two decimals ("1234.50").
QString KwotaSQL(double kwota);
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

// ---------------------------------------------------------------- dates and numbers

// "dd.mm.yy" as in the desk's edit boxes.
QString DataKrotka(const QDate& data);
// "dd.mm.yyyy" as in lists and printed reports.
QString DataDluga(const QDate& data);
// Reads "dd.mm.yy" or "dd.mm.yyyy"; a two-digit year falls in the window of 50 years
// before to 49 years after the current year. Invalid text gives an invalid date.
QDate DataZTekstu(const QString& tekst);
// A two-digit year (0..99) placed in that window, from the program's clock.
int RokZOkna(int rokDwucyfrowy);
int RokZOkna(int rokDwucyfrowy, int biezacyRok);
// A date for statement text: between double quotes, four-digit year ("\"05.03.2024\"").
QString DataSQL(const QDate& data);
// A client or film number with at least four digits ("0007").
QString Numer4(qint64 numer);
// A typed text as a single-quoted statement literal; a single quote is doubled so that
// the stored value equals the typed one.
QString TekstSQL(const QString& tekst);
// The path with one directory separator appended when it does not end in one;
// the empty path stays empty.
QString DodajUkosnik(const QString& sciezka);
