#include "store/Godzina.h"

namespace {

QTime ustalonaGodzina;

}  // namespace

QTime Godzina() {
    return ustalonaGodzina.isValid() ? ustalonaGodzina : QTime::currentTime();
}
void UstawGodzine(const QTime& godzina) {
    ustalonaGodzina = godzina;
}
