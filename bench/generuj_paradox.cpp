// Writes a generated shop as the old program's Paradox tables, for the import:
//   generuj_paradox maly|duzy|pelny FOLDER [YYYY-MM-DD]
// FOLDER receives klient.db, film.db, rental.db and dictionary.db; the shop is generated
// first into a store under FOLDER/baza (left there: the store the import should give).
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <cstdio>

#include "bench/GeneratorParadox.h"
#include "store/Tlumacz.h"

int main(int argc, char** argv) {
    QCoreApplication aplikacja(argc, argv);
    const QStringList arg = aplikacja.arguments();
    const std::optional<TArgumentyGeneratora> a = ArgumentyGeneratora(arg, "generuj_paradox");
    if (!a) return 2;
    const TRozmiarSklepu& rozmiar = a->rozmiar;
    const QDate dzis = a->dzien;
    QElapsedTimer zegar;
    zegar.start();
    try {
        const TTabeleSklepu t = GenerujTabeleParadox(
            a->katalog, QDir(a->katalog).filePath(QStringLiteral("baza")), rozmiar, dzis);
        std::printf("klient.db %d, film.db %d, rental.db %d, dictionary.db %d: %.1f s\n", t.klienci,
                    t.filmy, t.wypozyczenia, t.ustawienia, zegar.elapsed() / 1000.0);
    } catch (const TBladBazy& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
