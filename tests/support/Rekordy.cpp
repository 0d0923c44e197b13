#include "support/Rekordy.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringEncoder>

#include "store/Katalogi.h"
#include "store/PlikUstawien.h"
#include "support/TestowaBaza.h"

TKatalogProgramu::TKatalogProgramu(const std::vector<std::pair<const char*, const char*>>& listy)
    : stary(KatalogProgramu) {
    KatalogProgramu = program.path() + '/';
    QDir(program.path()).mkdir("Config");
    UstawPlikUstawienProgramu(program.filePath("wirdolan.ini"));
    for (const auto& [plik, tekst] : listy) Zapisz(plik, tekst);
}

TKatalogProgramu::~TKatalogProgramu() {
    KatalogProgramu = stary;
    UstawPlikUstawienProgramu(QString());
}

void TKatalogProgramu::Zapisz(const char* plik, const char* tekst) const {
    QFile f(program.filePath(QStringLiteral("Config/") + QString::fromUtf8(plik)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    QStringEncoder cp1250("windows-1250");
    f.write(cp1250(QString::fromUtf8(tekst)));
}

int DodajWiersz(const TestowaBaza& baza, const QString& tabela, const QString& insert,
                const QString& reszta) {
    baza.Wykonaj(insert);
    const int id = baza.Ile(QStringLiteral("select max(ID) from %1").arg(tabela));
    if (!reszta.isEmpty())
        baza.Wykonaj(QStringLiteral("update %1 set %2 where ID = %3").arg(tabela, reszta).arg(id));
    return id;
}
