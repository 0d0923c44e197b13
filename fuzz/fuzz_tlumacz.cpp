// libFuzzer target: the local-SQL translator, in both dialects, on any text. A statement it
// cannot accept is refused with TBladBazy; anything else it must translate without a fault,
// and the translation of a translation-free statement (no quotes, dates or booleans) is the
// same.
#include <QString>
#include <cstddef>
#include <cstdint>

#include "store/Tlumacz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, size_t rozmiar) {
    const QString tekst =
        QString::fromUtf8(reinterpret_cast<const char*>(dane), static_cast<qsizetype>(rozmiar));
    try {
        const QString wynik = PrzetlumaczSQL(tekst);
        // A translated statement holds only literals and names of the store's SQL: a second
        // translation is refused or leaves it as it is, never faults.
        (void)PrzetlumaczSQL(wynik);
    } catch (const TBladBazy&) {
    }
    try {
        // The server's dialect: each parameter named once, numbered in order.
        QStringList parametry;
        const QString wynik = PrzetlumaczSQLSerwera(tekst, parametry);
        if (parametry.removeDuplicates() != 0) __builtin_trap();
        (void)wynik;
    } catch (const TBladBazy&) {
    }
    return 0;
}
