#include "store/Godzina.h"

#include "store/Zegar.h"

namespace {

QTime ustalonaGodzina;

}  // namespace

QTime Godzina() {
    return ustalonaGodzina.isValid() ? ustalonaGodzina : QTime::currentTime();
}
void UstawGodzine(const QTime& godzina) {
    ustalonaGodzina = godzina;
}
QTime UstalonaGodzina() {
    return ustalonaGodzina;
}
QDateTime Chwila() {
    return QDateTime(Dzisiaj(), Godzina());
}
