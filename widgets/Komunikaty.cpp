#include "widgets/Komunikaty.h"

#include "store/Interakcja.h"

void PokazKomunikatRozliczenia(const TKomunikatRozliczenia& komunikat) {
    switch (komunikat.Rodzaj) {
        case TRodzajKomunikatu::Informacja:
            Informacja(komunikat.Tekst);
            break;
        case TRodzajKomunikatu::Ostrzezenie:
            Ostrzezenie(komunikat.Tekst);
            break;
        case TRodzajKomunikatu::Uwaga:
            Uwaga(komunikat.Tekst);
            break;
    }
}
