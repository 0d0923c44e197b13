// libFuzzer target: the word-list file reader on any bytes. Whatever it reads, written
// back and read again gives the same entries.
#include <QByteArray>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "widgets/ListaSlow.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, size_t rozmiar) {
    const QByteArray bajty(reinterpret_cast<const char*>(dane), static_cast<qsizetype>(rozmiar));
    const QStringList wpisy = OdczytajListeSlow(bajty);
    QStringList zapisywalne;
    for (const QString& w : wpisy) {
        QString z = w;
        for (const QChar c : ZnakiSpozaStronyKodowej(w)) z.replace(c, QLatin1Char('?'));
        zapisywalne << z;
    }
    if (OdczytajListeSlow(ZakodujListeSlow(wpisy)) != zapisywalne) std::abort();
    return 0;
}
