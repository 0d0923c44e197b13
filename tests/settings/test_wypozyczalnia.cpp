#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>

#include "settings/UstawieniaSklepu.h"
#include "settings/Wypozyczalnia.h"
#include "store/PlikUstawien.h"
#include "support/FakeInterakcja.h"
#include "support/TestowaBaza.h"

namespace {

TEST(Wypozyczalnia, NIPZCyfraKontrolna) {
    for (const char* dobry : {"", "7250010003", "725-001-00-03", "725 001 00 03", "5260250274"})
        EXPECT_TRUE(NIPPoprawny(QString::fromUtf8(dobry))) << dobry;
    for (const char* zly : {"7250010008", "725001000", "72500100031", "725-001-00-0X",
                            "NIP7250010003", "1234567890", "   -  "})
        EXPECT_FALSE(NIPPoprawny(QString::fromUtf8(zly))) << zly;
}

// The shop's settings in the store, this computer's in its settings file.
class UstawieniaSklepu : public ::testing::Test {
protected:
    UstawieniaSklepu() { Plik(QStringLiteral("pierwsze.ini")); }
    ~UstawieniaSklepu() override { UstawPlikUstawienProgramu(QString()); }
    // Another computer's settings file, in the same store.
    void Plik(const QString& nazwa) { UstawPlikUstawienProgramu(katalog.filePath(nazwa)); }

    QTemporaryDir katalog;
    TestowaBaza baza;
    FakeInterakcja fake;
    const TWypozyczalnia zolw{
        QStringLiteral("Wypożyczalnia „Żółw”"), QStringLiteral("ul. O'Briena 1"),
        QStringLiteral("90-001 Łódź"),          QStringLiteral("600 100 200"),
        QStringLiteral("725-001-00-03"),        TPapierPotwierdzenia::Rolka58};
};

TEST_F(UstawieniaSklepu, DaneWspolnePapierTegoKomputera) {
    EXPECT_EQ(WczytajWypozyczalnie(), TWypozyczalnia{}) << "nothing saved: empty and A4";
    QString blad;
    ASSERT_TRUE(ZapiszWypozyczalnie(zolw, &blad)) << blad.toStdString();
    EXPECT_EQ(WczytajWypozyczalnie(), zolw);
    EXPECT_EQ(WczytajGrupeUstawien(QStringLiteral("WYPOZYCZALNIA")).keys(),
              QStringList{QStringLiteral("Papier")});
    // Another counter prints the same details on its own paper.
    Plik(QStringLiteral("drugie.ini"));
    TWypozyczalnia drugi = zolw;
    drugi.Papier = TPapierPotwierdzenia::A4;
    EXPECT_EQ(WczytajWypozyczalnie(), drugi);
    // A change another counter stores is read at once.
    baza.Wykonaj("update ustawienia set Wartosc = 'Kino' where Klucz = 'WYPOZYCZALNIA/Nazwa'");
    EXPECT_EQ(WczytajWypozyczalnie().Nazwa, QStringLiteral("Kino"));
    EXPECT_TRUE(fake.komunikaty.empty());
}

TEST_F(UstawieniaSklepu, ZapisNieudanyBazaLubPlik) {
    // A folder where the file should be: the paper cannot be written.
    const QString plik = katalog.filePath(QStringLiteral("folder.ini"));
    ASSERT_TRUE(QDir().mkpath(plik));
    UstawPlikUstawienProgramu(plik);
    QString blad;
    EXPECT_FALSE(ZapiszWypozyczalnie(zolw, &blad));
    EXPECT_TRUE(blad.startsWith(QStringLiteral("Nie udało się zapisać danych wypożyczalni")))
        << blad.toStdString();
    EXPECT_TRUE(fake.komunikaty.empty());

    // A store that refuses the write shows its error; nothing comes back for the caller.
    Plik(QStringLiteral("w.ini"));
    baza.Zablokuj("insert", "ustawienia", "Zapis zablokowany");
    EXPECT_FALSE(ZapiszWypozyczalnie(TWypozyczalnia{}, &blad));
    EXPECT_TRUE(blad.isEmpty());
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_TRUE(fake.komunikaty[0].tekst.contains("Zapis zablokowany"));
    EXPECT_EQ(WczytajWypozyczalnie().Nazwa, zolw.Nazwa) << "the stored details stay";
}

// The first start on a store without the shop's values takes them from the settings file,
// group by group; a group the store holds stays as stored. The paper stays in the file.
TEST_F(UstawieniaSklepu, PrzeniesienieZPlikuGdyBazaNieMa) {
    ASSERT_TRUE(ZapiszGrupeUstawien(QStringLiteral("WYPOZYCZALNIA"),
                                    {{QStringLiteral("Nazwa"), zolw.Nazwa},
                                     {QStringLiteral("NIP"), zolw.NIP},
                                     {QStringLiteral("Papier"), QStringLiteral("ROLKA80")}}));
    ASSERT_TRUE(ZapiszGrupeUstawien(
        QStringLiteral("ETYKIETY"),
        {{QStringLiteral("Arkusz"), false}, {QStringLiteral("MarginesGorny"), 4.25}}));
    ASSERT_TRUE(
        ZapiszUstawieniaSklepu(QStringLiteral("ETYKIETY"), {{QStringLiteral("Szerokosc"), 57.5}}));
    for (int start = 0; start < 2; ++start) {
        ASSERT_TRUE(PrzeniesUstawieniaZPliku());
        const TWypozyczalnia d = WczytajWypozyczalnie();
        EXPECT_EQ(d.Nazwa, zolw.Nazwa);
        EXPECT_EQ(d.NIP, zolw.NIP);
        EXPECT_EQ(d.Papier, TPapierPotwierdzenia::Rolka80);
        EXPECT_EQ(WczytajUstawieniaSklepu(QStringLiteral("ETYKIETY")),
                  (QVariantMap{{QStringLiteral("Szerokosc"), QStringLiteral("57.5")}}));
    }
    EXPECT_EQ(baza.Ile("select count(*) from ustawienia"), 3);
    EXPECT_FALSE(WczytajUstawieniaSklepu(QStringLiteral("WYPOZYCZALNIA")).contains("Papier"));
    EXPECT_TRUE(fake.komunikaty.empty());
}

TEST(Stanowisko, ZapisanaNazwaLubNazwaKomputera) {
    QTemporaryDir katalog;
    UstawPlikUstawienProgramu(katalog.filePath(QStringLiteral("w.ini")));
    EXPECT_EQ(NazwaStanowiska(), QSysInfo::machineHostName()) << "nothing saved";
    ASSERT_TRUE(ZapiszGrupeUstawien("BAZA", {{"Stanowisko", QStringLiteral(" Kasa 2 ")}}));
    EXPECT_EQ(NazwaStanowiska(), QStringLiteral("Kasa 2"));
    UstawPlikUstawienProgramu(QString());
}

}  // namespace
