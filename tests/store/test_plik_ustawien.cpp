// One group of the program's settings file, written and read without touching the rest.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "store/PlikUstawien.h"

namespace {

class PlikUstawien : public ::testing::Test {
protected:
    void SetUp() override { UstawPlikUstawienProgramu(katalog.filePath("nowy/wirdolan.ini")); }
    void TearDown() override { UstawPlikUstawienProgramu(QString()); }
    QTemporaryDir katalog;
};

TEST_F(PlikUstawien, GrupaZapisanaBezNaruszaniaInnych) {
    EXPECT_TRUE(WczytajGrupeUstawien("A").isEmpty()) << "no file yet";
    ASSERT_TRUE(ZapiszGrupeUstawien("A", {{"Nazwa", QStringLiteral("Żółw „Łódź”")}, {"X", 1.5}}));
    ASSERT_TRUE(ZapiszGrupeUstawien("B", {{"Nazwa", QStringLiteral("inna")}}));
    ASSERT_TRUE(ZapiszGrupeUstawien("A", {{"X", 2.25}}));
    const QVariantMap a = WczytajGrupeUstawien("A");
    EXPECT_EQ(a.value("Nazwa").toString(), QStringLiteral("Żółw „Łódź”")) << "a key not rewritten";
    EXPECT_DOUBLE_EQ(a.value("X").toDouble(), 2.25);
    EXPECT_EQ(a.size(), 2);
    EXPECT_EQ(WczytajGrupeUstawien("B").value("Nazwa").toString(), QStringLiteral("inna"));
}

TEST_F(PlikUstawien, PlikNieDoZapisu) {
    // A folder where the file should be.
    const QString plik = katalog.filePath("wirdolan.ini");
    ASSERT_TRUE(QDir().mkpath(plik));
    UstawPlikUstawienProgramu(plik);
    EXPECT_FALSE(ZapiszGrupeUstawien("A", {{"X", 1}}));
    EXPECT_TRUE(WczytajGrupeUstawien("A").isEmpty());
}

}  // namespace
