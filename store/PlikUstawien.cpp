#include "store/PlikUstawien.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
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

QVariantMap WczytajGrupeUstawien(const QString& grupa) {
    QSettings ini(PlikUstawienProgramu(), QSettings::IniFormat);
    ini.beginGroup(grupa);
    QVariantMap wartosci;
    for (const QString& klucz : ini.childKeys()) wartosci.insert(klucz, ini.value(klucz));
    return wartosci;
}

bool ZapiszGrupeUstawien(const QString& grupa, const QVariantMap& wartosci) {
    const QString plik = PlikUstawienProgramu();
    QDir().mkpath(QFileInfo(plik).absolutePath());
    QSettings ini(plik, QSettings::IniFormat);
    ini.beginGroup(grupa);
    for (auto it = wartosci.cbegin(); it != wartosci.cend(); ++it)
        ini.setValue(it.key(), it.value());
    ini.endGroup();
    ini.sync();
    return ini.status() == QSettings::NoError;
}
