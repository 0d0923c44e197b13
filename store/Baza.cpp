#include "store/Baza.h"

#include "store/Kursor.h"
#include "store/Tlumacz.h"

namespace {

std::unique_ptr<TBaza> aktywna;

}  // namespace

TBaza* TBaza::Aktywna() {
    return aktywna.get();
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
