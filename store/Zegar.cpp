#include "store/Zegar.h"

namespace {

QDate ustalonyDzien;

}  // namespace

QDate Dzisiaj() {
    return ustalonyDzien.isValid() ? ustalonyDzien : QDate::currentDate();
}
void UstawDzisiaj(const QDate& dzien) {
    ustalonyDzien = dzien;
}
QDate UstalonyDzien() {
    return ustalonyDzien;
}
