// libFuzzer target: a Paradox table file of any bytes, read as the import reads it: the
// structure check, then pxlib, then every row's fields converted. Written in turn as each
// of the old shop's four tables, it is read by the import too. Whatever the bytes, the
// reading ends (run with -timeout) and a table refused says why.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "admin/ImportParadox.h"
#include "admin/TabelaParadox.h"

namespace {

QTemporaryDir* katalog = nullptr;

void zapisz(const QString& plik, const QByteArray& bajty) {
    QFile f(plik);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bajty) != bajty.size())
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    katalog = new QTemporaryDir;
    if (!katalog->isValid()) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, size_t rozmiar) {
    const QByteArray bajty(reinterpret_cast<const char*>(dane), static_cast<qsizetype>(rozmiar));
    const QDir dir(katalog->path());
    for (const char* nazwa : {"klient.db", "film.db", "rental.db", "dictionary.db"})
        zapisz(dir.filePath(QLatin1String(nazwa)), bajty);

    {
        TTabelaParadox tabela(dir.filePath(QStringLiteral("rental.db")));
        if (!tabela.Otwarta() && tabela.Blad().isEmpty()) std::abort();
        std::vector<QVariant> wartosci;
        QString powod;
        for (int i = 0; i < tabela.LiczbaWierszy(); ++i)
            if (!tabela.CzytajWiersz(i, wartosci, powod) && powod.isEmpty()) std::abort();
    }
    TOdczytParadox odczyt = CzytajTabeleParadox(katalog->path());
    PrzeczytajWiersze(odczyt, true, [](int, const std::vector<QVariant>&) {});
    if (odczyt.blad.isEmpty() &&
        size_t(odczyt.klient.przeniesione) + odczyt.klient.nieczytelne > size_t(rozmiar))
        std::abort();
    return 0;
}
