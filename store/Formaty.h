// The screen and SQL forms of dates, numbers and texts, and their readers; amounts are in
// store/Kwota.h, general numbers in store/Liczby.h.
#pragma once

#include <QDate>
#include <QString>
#include <optional>

// The warning of every numeric field that refuses its text.
inline const QString NiepoprawnaWartosc = QStringLiteral("Niepoprawna wartość.");

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
