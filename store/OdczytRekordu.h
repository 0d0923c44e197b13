// The reads of one kind of numbered record (a client, a film): the record by its ID, the
// number after the highest and whether a number is taken, each through its own statement.
#pragma once

#include <QString>
#include <optional>
#include <utility>

#include "store/OdczytWierszy.h"

// The statements; %1 stands for the ID or the number.
struct TZapytaniaRekordu {
    QString wedlugParametru;  // the record whose ID is the parameter :ID
    QString wedlugId;         // the record whose ID is %1
    QString najwyzszyNumer;   // the highest number as the column "m"
    QString numerZajety;      // a row when the number %1 is taken
};

template <typename T>
class TOdczytRekordu {
public:
    TOdczytRekordu(TZapytaniaRekordu zapytania, T (*wiersz)(TQuery&))
        : sql(std::move(zapytania)), rekord(wiersz) {}

    // The record with this ID, for a list's details and for the record window (two
    // statements of their own); nothing also when no record has the ID.
    std::optional<T> Szczegoly(TQuery& q, int id) const {
        q.UstawParametr(QStringLiteral("ID"), id);
        return PierwszyWiersz(q, sql.wedlugParametru, rekord);
    }
    std::optional<T> DoEdycji(TQuery& q, int id) const {
        return PierwszyWiersz(q, sql.wedlugId.arg(id), rekord);
    }
    // The number after the highest; nothing also when it would not fit an int.
    std::optional<int> Nastepny(TQuery& q) const { return NastepnyNumer(q, sql.najwyzszyNumer); }
    std::optional<bool> Zajety(TQuery& q, qint64 numer) const {
        return Znaleziono(q, sql.numerZajety.arg(numer));
    }

private:
    TZapytaniaRekordu sql;
    T (*rekord)(TQuery&);
};
