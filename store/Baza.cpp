#include "store/Baza.h"

#include <utility>

#include "store/Kursor.h"
#include "store/Tlumacz.h"

namespace {

std::unique_ptr<TBaza> aktywna;
TBaza* zastepcza = nullptr;  // set by TNaBazie

}  // namespace

TBaza* TBaza::Aktywna() {
    return zastepcza ? zastepcza : aktywna.get();
}

TNaBazie::TNaBazie(TBaza& baza) : poprzednia(std::exchange(zastepcza, &baza)) {}

TNaBazie::~TNaBazie() {
    zastepcza = poprzednia;
}

void TBaza::Ustaw(std::unique_ptr<TBaza> baza) {
    static quint64 polaczen = 0;
    baza->numer = ++polaczen;
    aktywna = std::move(baza);
}

void TBaza::Rozlacz() {
    aktywna.reset();
}

std::unique_ptr<TBaza> TBaza::Odlacz() {
    return std::move(aktywna);
}

TZnacznikBazy TBaza::Znacznik() {
    return aktywna ? aktywna->ZnacznikPolaczenia() : TZnacznikBazy{};
}

TBaza::~TBaza() = default;

bool TBaza::WykonajBezWyjatku(const QString& sql, QString* blad) {
    try {
        Wykonaj(sql);
        return true;
    } catch (const TBladBazy& e) {
        if (blad) *blad = TekstBleduBazy(e.Kod(), e.Tekst());
        return false;
    }
}
