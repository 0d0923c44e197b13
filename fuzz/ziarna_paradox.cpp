// Writes the Paradox fuzzing seeds into the folder given: the old shop's four tables (the
// import tests' shop) in both shapes and code pages, their rows cut short so that a seed
// stays small but still spans several data blocks, a table of every field kind the import
// reads and an empty one. Each seed is read back; a seed the reader refuses fails the run.
#include <QDate>
#include <QDir>
#include <QVariant>
#include <cstdio>

#include "admin/Pxlib.h"
#include "admin/SklepParadox.h"
#include "admin/TabelaParadox.h"
#include "admin/TabelaTestowa.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "użycie: %s KATALOG\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) return 1;
    QStringList pliki;
    const auto zapisz = [&](const QString& nazwa, const std::vector<TPoleTestowe>& pola,
                            int stronaKodowa, const std::vector<TWierszTestowy>& wiersze) {
        ZapiszTabeleTestowa(dir.filePath(nazwa), pola, stronaKodowa, wiersze);
        pliki << nazwa;
    };
    for (const TTabelaSklepu& t : Sklep())
        for (const bool stary : {false, true}) {
            std::vector<TPoleTestowe> pola = t.pola;
            if (stary) pola.resize(t.starychPol);
            const std::vector<TWierszTestowy> wiersze(
                t.wiersze.begin(), t.wiersze.begin() + std::min<size_t>(t.wiersze.size(), 70));
            zapisz(QStringLiteral("%1-%2.db")
                       .arg(QLatin1String(t.nazwa), QLatin1String(stary ? "stary" : "nowy")),
                   pola, stary ? 852 : 1250, wiersze);
        }
    zapisz(QStringLiteral("rodzaje.db"),
           {{"ID", pxfAutoInc, 4},
            {"Saldo", pxfBCD, 17, 2},
            {"Licznik", pxfShort, 2},
            {"Ostatnie_wypozyczenie", pxfTimestamp, 8},
            {"Rabat", pxfNumber, 8},
            {"Abonament", pxfLogical, 1}},
           1250,
           {{1, -1234.56, 3, QDate(1901, 1, 1), 2.5, true},
            {2, 0.07, QVariant(), QDate(2038, 1, 19), QVariant(), false}});
    zapisz(QStringLiteral("pusta.db"), {{"ID", pxfAutoInc, 4}, {"Nazwa", pxfAlpha, 20}}, 852, {});

    int zle = 0;
    for (const QString& p : pliki) {
        TTabelaParadox tabela(dir.filePath(p));
        if (!tabela.Otwarta()) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(p), qPrintable(tabela.Blad()));
            ++zle;
        }
    }
    return zle == 0 ? 0 : 1;
}
