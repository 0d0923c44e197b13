#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "settings/Wypozyczalnia.h"
#include "store/PlikUstawien.h"

namespace {

TEST(Wypozyczalnia, NIPZCyfraKontrolna) {
    for (const char* dobry : {"", "7250010003", "725-001-00-03", "725 001 00 03", "5260250274"})
        EXPECT_TRUE(NIPPoprawny(QString::fromUtf8(dobry))) << dobry;
    for (const char* zly : {"7250010008", "725001000", "72500100031", "725-001-00-0X",
                            "NIP7250010003", "1234567890", "   -  "})
        EXPECT_FALSE(NIPPoprawny(QString::fromUtf8(zly))) << zly;
}

TEST(Wypozyczalnia, ZapisIOdczytZPolskimiLiterami) {
    QTemporaryDir katalog;
    UstawPlikUstawienProgramu(katalog.filePath(QStringLiteral("Wirdolan/wirdolan.ini")));
    EXPECT_EQ(WczytajWypozyczalnie(), TWypozyczalnia{}) << "nothing saved: empty and A4";
    const TWypozyczalnia d{QStringLiteral("Wypożyczalnia „Żółw”"), QStringLiteral("ul. Źródlana 1"),
                           QStringLiteral("90-001 Łódź"),          QStringLiteral("600 100 200"),
                           QStringLiteral("725-001-00-03"),        TPapierPotwierdzenia::Rolka58};
    QString blad;
    ASSERT_TRUE(ZapiszWypozyczalnie(d, &blad)) << blad.toStdString();
    EXPECT_EQ(WczytajWypozyczalnie(), d);
    UstawPlikUstawienProgramu(QString());
}

TEST(Wypozyczalnia, PlikNieDoZapisuZglaszaPowod) {
    QTemporaryDir katalog;
    // A folder where the file should be: the settings cannot be written.
    const QString plik = katalog.filePath(QStringLiteral("wirdolan.ini"));
    ASSERT_TRUE(QDir().mkpath(plik));
    UstawPlikUstawienProgramu(plik);
    QString blad;
    EXPECT_FALSE(ZapiszWypozyczalnie(TWypozyczalnia{}, &blad));
    EXPECT_TRUE(blad.startsWith(QStringLiteral("Nie udało się zapisać danych wypożyczalni")))
        << blad.toStdString();
    UstawPlikUstawienProgramu(QString());
}

}  // namespace
