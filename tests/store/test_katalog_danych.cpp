// Where the program keeps its folders: beside a portable program, in the user's data
// folder for an installed one.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "store/KatalogDanych.h"

namespace {

void Zapisz(const QString& plik, const QByteArray& tresc) {
    QDir().mkpath(QFileInfo(plik).absolutePath());
    QFile f(plik);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(tresc);
}

QByteArray Odczytaj(const QString& plik) {
    QFile f(plik);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class KatalogDanychTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        dawnyXdg = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", (tmp.path() + "/dom").toUtf8());
    }
    void TearDown() override { qputenv("XDG_DATA_HOME", dawnyXdg); }

    // <tmp>/usr/bin with the default lists in <tmp>/usr/share/wirdolan/Config.
    QString Zainstalowany() {
        const QString prefiks = tmp.path() + "/usr/";
        QDir().mkpath(prefiks + "bin");
        Zapisz(prefiks + "share/wirdolan/Config/miasta.wdn", "Kraków\n");
        Zapisz(prefiks + "share/wirdolan/Config/gatunek.wdn", "Dramat\n");
        QFile(prefiks + "share/wirdolan/Config/gatunek.wdn")
            .setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadOther);
        return prefiks + "bin";
    }

    QTemporaryDir tmp;
    QByteArray dawnyXdg;
};

}  // namespace

TEST_F(KatalogDanychTest, PrzenosnyProgramTrzymaFolderyObokSiebie) {
    const QString program = tmp.path() + "/build";
    Zapisz(program + "/Config/miasta.wdn", "Łódź\n");
    EXPECT_EQ(KatalogDanych(program), program + "/");
    EXPECT_TRUE(KatalogWspolny(program).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(tmp.path() + "/dom/Wirdolan"));
}

TEST_F(KatalogDanychTest, ZainstalowanyTrzymaFolderyUUzytkownikaZListamiDomyslnymi) {
    const QString program = Zainstalowany();
    EXPECT_EQ(KatalogWspolny(program), tmp.path() + "/usr/share/wirdolan/");
    const QString dane = tmp.path() + "/dom/Wirdolan/";
    EXPECT_EQ(KatalogUzytkownika(), dane);

    ASSERT_EQ(KatalogDanych(program), dane);
    EXPECT_EQ(Odczytaj(dane + "Config/miasta.wdn"), "Kraków\n");
    EXPECT_EQ(Odczytaj(dane + "Config/gatunek.wdn"), "Dramat\n");
    // The copy of a read-only default is the user's to edit.
    EXPECT_TRUE(QFileInfo(dane + "Config/gatunek.wdn").isWritable());
    EXPECT_FALSE(QFileInfo::exists(program + "/Bazy"));

    // A later start keeps the user's own lists and adds only a missing one.
    Zapisz(dane + "Config/miasta.wdn", "Gdańsk\n");
    QFile::remove(dane + "Config/gatunek.wdn");
    ASSERT_EQ(KatalogDanych(program + "/"), dane);
    EXPECT_EQ(Odczytaj(dane + "Config/miasta.wdn"), "Gdańsk\n");
    EXPECT_EQ(Odczytaj(dane + "Config/gatunek.wdn"), "Dramat\n");
}

TEST_F(KatalogDanychTest, FolderBinBezPlikowWspolnychJestPrzenosny) {
    const QString program = tmp.path() + "/inny/bin";
    QDir().mkpath(program);
    EXPECT_TRUE(KatalogWspolny(program).isEmpty());
    EXPECT_EQ(KatalogDanych(program), program + "/");
}

TEST_F(KatalogDanychTest, PomocChmPierwszaPotemPrzewodnik) {
    const QString dane = tmp.path() + "/dane/";
    const QString wspolny = tmp.path() + "/wspolny/";
    QDir().mkpath(dane);
    EXPECT_TRUE(PlikPomocy(dane, wspolny).isEmpty());
    EXPECT_TRUE(PlikPomocy(dane, QString()).isEmpty());

    Zapisz(wspolny + "pomoc/index.html", "<html/>");
    EXPECT_EQ(PlikPomocy(dane, wspolny), wspolny + "pomoc/index.html");
    Zapisz(dane + "pomoc/index.html", "<html/>");
    EXPECT_EQ(PlikPomocy(dane, wspolny), dane + "pomoc/index.html");
    Zapisz(dane + "pomoc.chm", "");
    EXPECT_EQ(PlikPomocy(dane, wspolny), dane + "pomoc.chm");
}
