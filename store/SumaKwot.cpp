#include "store/SumaKwot.h"

#include <sqlite3.h>

#include <cmath>
#include <cstdint>

#include "store/Tlumacz.h"

namespace {

struct TSuma {
    double przyblizona;      // every value as SQLite adds it
    std::int64_t calkowita;  // the integers
    std::int64_t grosze;     // every value in grosze while each is a whole number of them
    bool sa;                 // a value that is not null was added
    bool rzeczywista;        // a value that is not an integer was added
    bool przepelnienie;      // the integers overflowed
    bool nieGrosze;          // a value was not whole grosze, or their total overflowed
};

// The value in whole grosze, when it is one (to the precision a double keeps of it).
bool wGroszach(double v, std::int64_t& grosze) {
    const double g = v * 100;
    const double r = std::nearbyint(g);
    if (!(std::fabs(r) < 1e13) || std::fabs(g - r) > 1e-9 + 1e-12 * std::fabs(r)) return false;
    grosze = static_cast<std::int64_t>(r);
    return true;
}

void krok(sqlite3_context* ctx, int, sqlite3_value** argv) {
    auto* s = static_cast<TSuma*>(sqlite3_aggregate_context(ctx, sizeof(TSuma)));
    const int typ = sqlite3_value_numeric_type(argv[0]);
    if (!s || typ == SQLITE_NULL) return;
    s->sa = true;
    std::int64_t g = 0;
    if (typ == SQLITE_INTEGER) {
        const std::int64_t v = sqlite3_value_int64(argv[0]);
        s->przyblizona += static_cast<double>(v);
        if (!s->przepelnienie && __builtin_add_overflow(s->calkowita, v, &s->calkowita))
            s->przepelnienie = true;
        if (__builtin_mul_overflow(v, std::int64_t{100}, &g)) s->nieGrosze = true;
    } else {
        const double v = sqlite3_value_double(argv[0]);
        s->przyblizona += v;
        s->rzeczywista = true;
        if (!wGroszach(v, g)) s->nieGrosze = true;
    }
    if (!s->nieGrosze && __builtin_add_overflow(s->grosze, g, &s->grosze)) s->nieGrosze = true;
}

void koniec(sqlite3_context* ctx) {
    const auto* s = static_cast<TSuma*>(sqlite3_aggregate_context(ctx, 0));
    if (!s || !s->sa)
        sqlite3_result_null(ctx);
    else if (!s->rzeczywista && s->przepelnienie)
        sqlite3_result_error(ctx, "integer overflow", -1);
    else if (!s->rzeczywista)
        sqlite3_result_int64(ctx, s->calkowita);
    else if (!s->nieGrosze)
        sqlite3_result_double(ctx, static_cast<double>(s->grosze) / 100);
    else
        sqlite3_result_double(ctx, s->przyblizona);
}

}  // namespace

void RejestrujSumeKwot(sqlite3* uchwyt) {
    if (sqlite3_create_function(uchwyt, "sum", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                nullptr, krok, koniec) != SQLITE_OK)
        throw TBladBazy(QStringLiteral("Nie można zarejestrować sumy kwot: %1")
                            .arg(QString::fromUtf8(sqlite3_errmsg(uchwyt))));
}
