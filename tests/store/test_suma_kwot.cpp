// The file store's sum(): totals of amounts exact to the grosz, the rest as SQLite adds.
#include <gtest/gtest.h>

#include "support/TestowaBaza.h"

TEST(SumaKwot, KwotyDokladnieResztaJakWSQLite) {
    TestowaBaza baza;
    const std::pair<const char*, const char*> przypadki[] = {
        // Amounts whose doubles add up to another double than their total's.
        {"select sum(x) = 0.3 from (select 0.1 x union all select 0.2)", "1"},
        {"select sum(x) = 235.5 from (select 7.1 x union all select 0.2 union all select 228.2)",
         "1"},
        {"select sum(x) = 1.3 from (select 1 x union all select 0.1 union all select 0.2)", "1"},
        // Integers alone stay integers; nothing to add is null.
        {"select typeof(sum(x)) || sum(x) from (select 2 x union all select 4)", "integer6"},
        {"select coalesce(sum(x), 'null') from (select null x)", "null"},
        {"select typeof(sum(x)) from (select 2.0 x)", "real"},
        // Not whole grosze: as SQLite's own sum.
        {"select sum(x) = 0.001 + 0.002 from (select 0.001 x union all select 0.002)", "1"},
        {"select sum(x) = 2e300 from (select 1e300 x union all select 1e300)", "1"},
    };
    for (const auto& [sql, wynik] : przypadki)
        EXPECT_EQ(baza.Wartosc(QString::fromUtf8(sql)).toString(), QString::fromUtf8(wynik)) << sql;
}
