#include "store/OdczytWierszy.h"

#include <limits>

std::optional<TKwota> SumaKwot(TQuery& q, const QString& sql, const char* kolumna) {
    const auto kwoty =
        WierszeZapytania(q, sql, [kolumna](TQuery& w) { return w.FieldByName(kolumna).AsKwota(); });
    if (!kwoty) return std::nullopt;
    TKwota suma;
    for (TKwota k : *kwoty) suma += k;
    return suma;
}

std::optional<bool> Znaleziono(TQuery& q, const QString& sql) {
    OtworzSQL(q, sql);
    if (!q.Active()) return std::nullopt;
    const bool jest = !q.Eof();
    q.Close();
    return jest;
}

std::optional<int> NastepnyNumer(TQuery& q, const QString& sql) {
    const auto m =
        PierwszyWiersz(q, sql, [](TQuery& w) { return w.FieldByName("m").AsLargeInt(); });
    if (!m || *m + 1 > std::numeric_limits<int>::max()) return std::nullopt;
    return static_cast<int>(*m + 1);
}
