// One statement of an engine, prepared with its parameters and read row by row: what the
// query object asks of the file store (SQLite) and of the server store (PostgreSQL) alike.
#pragma once

#include <QVariant>

#include "store/TQuery.h"

class TKursor {
public:
    virtual ~TKursor() = default;

    virtual int LiczbaKolumn() const = 0;
    // The column's name as the engine gives it (UTF-8).
    virtual const char* NazwaKolumny(int i) const = 0;
    virtual TField::TTyp TypKolumny(int i) const = 0;
    // Moves to the next row: true on a row, false at the end; throws TBladBazy.
    virtual bool Krok() = 0;
    // Column i of the current row; null for a null value.
    virtual QVariant Wartosc(int i) const = 0;
    // For readers of many rows, without a QVariant: a stored integer (false when the value
    // is not one), and stored text as UTF-8 valid until the next step (false when not text).
    virtual bool Calkowita(int i, qint64& wartosc) const = 0;
    virtual bool TekstUtf8(int i, const char*& tekst, int& dlugosc) const = 0;
    // Back before the first row.
    virtual void OdNowa() = 0;
    // The rows the statement changed, after it ran to its end.
    virtual int Zmienione() const = 0;
};
