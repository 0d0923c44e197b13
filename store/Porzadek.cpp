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

bool alfanumeryczny(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
unsigned char mala(unsigned char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

// The usual case decided without ICU, with ICU's result: the texts agree byte for byte up
// to an ASCII letter or digit that differs from the other one also without regard to
// letter case, an ASCII character stands before it and neither is followed by a non-ASCII
// character (a combining accent would make another letter). The first difference of
// their letters is then that pair: digits before letters, letters in alphabetical order.
// 0 when the case is not so simple.
int skrot(const unsigned char* a, int n1, const unsigned char* b, int n2) {
    const int n = n1 < n2 ? n1 : n2;
    int i = 0;
    while (i < n && a[i] == b[i]) ++i;
    if (i == n || (i > 0 && a[i - 1] >= 0x80)) return 0;
    if (!alfanumeryczny(a[i]) || !alfanumeryczny(b[i]) || mala(a[i]) == mala(b[i])) return 0;
    if ((i + 1 < n1 && a[i + 1] >= 0x80) || (i + 1 < n2 && b[i + 1] >= 0x80)) return 0;
    return mala(a[i]) < mala(b[i]) ? -1 : 1;
}

// Compares the UTF-8 texts in place: nothing is allocated per comparison.
int porownaj(void* porzadek, int n1, const void* a, int n2, const void* b) {
    if (const int r = skrot(static_cast<const unsigned char*>(a), n1,
                            static_cast<const unsigned char*>(b), n2))
        return r;
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
