#include "store/PlikUstawien.h"

#include <QStandardPaths>

namespace {
QString sciezkaUstawien;
}  // namespace

QString PlikUstawienProgramu() {
    if (!sciezkaUstawien.isEmpty()) return sciezkaUstawien;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Wirdolan/wirdolan.ini");
}

void UstawPlikUstawienProgramu(const QString& sciezka) {
    sciezkaUstawien = sciezka;
}
