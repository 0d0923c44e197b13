// The steps shared by the folders' reads: a statement opened and its rows made values.
// Nothing comes back when the statement failed; its error text has then been shown once.
#pragma once

#include <QString>
#include <optional>
#include <type_traits>
#include <vector>

#include "store/TQuery.h"
#include "store/uWspolneDB.h"

// Every row of the statement, each made a value by wiersz(q); the query is closed.
template <typename F>
auto WierszeZapytania(TQuery& q, const QString& sql, F wiersz)
    -> std::optional<std::vector<std::invoke_result_t<F&, TQuery&>>> {
    OtworzSQL(q, sql);
    if (!q.Active()) return std::nullopt;
    std::vector<std::invoke_result_t<F&, TQuery&>> wiersze;
    for (; !q.Eof(); q.Next()) wiersze.push_back(wiersz(q));
    q.Close();
    return wiersze;
}

// The first row of the statement made a value by wiersz(q); nothing also when it found no
// row. The query is closed.
template <typename F>
auto PierwszyWiersz(TQuery& q, const QString& sql, F wiersz)
    -> std::optional<std::invoke_result_t<F&, TQuery&>> {
    OtworzSQL(q, sql);
    std::optional<std::invoke_result_t<F&, TQuery&>> wynik;
    if (q.Active() && !q.Eof()) wynik = wiersz(q);
    q.Close();
    return wynik;
}

// The sum of the money column over the statement's rows, each read as an amount.
std::optional<TKwota> SumaKwot(TQuery& q, const QString& sql, const char* kolumna);
// Whether the statement finds a row.
std::optional<bool> Znaleziono(TQuery& q, const QString& sql);
// The column "m" of the statement's row plus one (the number after the highest); nothing
// also when there is no row or the number would not fit an int.
std::optional<int> NastepnyNumer(TQuery& q, const QString& sql);
