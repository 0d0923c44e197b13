// Writes a generated shop into a new store:
//   generuj_sklep maly|duzy|pelny FOLDER [YYYY-MM-DD]
// FOLDER is the tables' folder (Bazy); the day, today by default, ends the ten years.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

#include "bench/Generator.h"
#include "store/Tlumacz.h"

int main(int argc, char** argv) {
    QCoreApplication aplikacja(argc, argv);
    const QStringList arg = aplikacja.arguments();
    const std::optional<TArgumentyGeneratora> a = ArgumentyGeneratora(arg, "generuj_sklep");
    if (!a) return 2;
    const TRozmiarSklepu& rozmiar = a->rozmiar;
    const QDate dzis = a->dzien;
    QElapsedTimer zegar;
    zegar.start();
    try {
        const TPodsumowanieSklepu p = GenerujSklep(a->katalog, rozmiar, dzis);
        std::printf(
            "klienci %d (archiwalni %d, abonenci %d), filmy %d (wycofane %d), wypożyczenia %d "
            "(otwarte %d, po terminie %d, zaległe %d): %.1f s\n",
            rozmiar.klienci, p.archiwalni, p.abonenci, rozmiar.filmy, p.wycofane,
            rozmiar.wypozyczenia, p.otwarte, p.poTerminie, p.zalegle, zegar.elapsed() / 1000.0);
    } catch (const TBladBazy& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
