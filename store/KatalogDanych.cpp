#include "store/KatalogDanych.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "store/Formaty.h"

namespace {

const QString Przewodnik = QStringLiteral("pomoc/index.html");

}  // namespace

QString KatalogWspolny(const QString& katalogProgramu) {
    QDir program(katalogProgramu);
    if (program.dirName() != QStringLiteral("bin")) return {};
    const QString wspolny =
        QDir::cleanPath(program.absoluteFilePath(QStringLiteral("../share/wirdolan")));
    if (!QFileInfo(wspolny + QStringLiteral("/Config")).isDir()) return {};
    return DodajUkosnik(wspolny);
}

QString KatalogUzytkownika() {
    return DodajUkosnik(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)) +
           QStringLiteral("Wirdolan/");
}

QString KatalogDanych(const QString& katalogProgramu) {
    const QString program = DodajUkosnik(QDir(katalogProgramu).absolutePath());
    const QString wspolny = KatalogWspolny(program);
    if (wspolny.isEmpty() && QFileInfo(program).isWritable()) return program;

    const QString uzytkownika = KatalogUzytkownika();
    if (!QDir().mkpath(uzytkownika + QStringLiteral("Config"))) return program;
    UzupelnijListy((wspolny.isEmpty() ? program : wspolny) + QStringLiteral("Config/"),
                   uzytkownika + QStringLiteral("Config/"));
    return uzytkownika;
}

void UzupelnijListy(const QString& zrodlo, const QString& cel) {
    const QDir listy(zrodlo, QStringLiteral("*.wdn"), QDir::Name, QDir::Files);
    for (const QString& nazwa : listy.entryList()) {
        const QString kopia = DodajUkosnik(cel) + nazwa;
        if (QFileInfo::exists(kopia)) continue;
        if (!QFile::copy(listy.filePath(nazwa), kopia)) continue;
        QFile(kopia).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                    QFileDevice::ReadGroup | QFileDevice::ReadOther);
    }
}

QString PlikPomocy(const QString& katalogDanych, const QString& katalogWspolny) {
    QStringList kandydaci{DodajUkosnik(katalogDanych) + QStringLiteral("pomoc.chm"),
                          DodajUkosnik(katalogDanych) + Przewodnik};
    if (!katalogWspolny.isEmpty()) kandydaci << DodajUkosnik(katalogWspolny) + Przewodnik;
    for (const QString& plik : kandydaci)
        if (QFileInfo::exists(plik)) return plik;
    return {};
}
