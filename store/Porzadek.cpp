#include "store/Porzadek.h"

#include <sqlite3.h>
#include <unicode/ucol.h>

#include <cstring>

#include "store/Tlumacz.h"

namespace {

UCollator* otworzPorzadek() {
    UErrorCode stan = U_ZERO_ERROR;
    UCollator* c = ucol_open("pl_PL", &stan);
    if (U_FAILURE(stan)) {
        if (c) ucol_close(c);
        throw TBladBazy(QStringLiteral("Nie można utworzyć polskiego porządku alfabetycznego: %1")
                            .arg(QString::fromLatin1(u_errorName(stan))));
    }
    return c;
}

// Compares the UTF-8 texts in place: nothing is allocated per comparison.
int porownaj(void* porzadek, int n1, const void* a, int n2, const void* b) {
    UErrorCode stan = U_ZERO_ERROR;
    const UCollationResult r =
        ucol_strcollUTF8(static_cast<UCollator*>(porzadek), static_cast<const char*>(a), n1,
                         static_cast<const char*>(b), n2, &stan);
    if (U_FAILURE(stan)) {
        // Never two unequal texts reported equal: fall back to their bytes.
        const int wspolne = n1 < n2 ? n1 : n2;
        const int r2 = wspolne ? memcmp(a, b, static_cast<size_t>(wspolne)) : 0;
        return r2 ? r2 : n1 - n2;
    }
    return static_cast<int>(r);
}

void zamknij(void* porzadek) {
    ucol_close(static_cast<UCollator*>(porzadek));
}

}  // namespace

void RejestrujPorzadek(sqlite3* uchwyt) {
    UCollator* c = otworzPorzadek();
    // On failure sqlite3 leaves the collator to its owner.
    if (sqlite3_create_collation_v2(uchwyt, NazwaPorzadku, SQLITE_UTF8, c, porownaj, zamknij) !=
        SQLITE_OK) {
        ucol_close(c);
        throw TBladBazy(QString::fromUtf8(sqlite3_errmsg(uchwyt)));
    }
}
