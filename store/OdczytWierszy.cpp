#include "store/OdczytWierszy.h"

#include <limits>

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
