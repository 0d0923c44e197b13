// The move of a shop onto the server, the copies of a server store and their restore into
// either kind of store, the day's copy claimed by one counter, and the store check of a
// server store.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "admin/Kopie.h"
#include "admin/KopieSerwera.h"
#include "admin/SprawdzenieBazy.h"
#include "store/Baza.h"
#include "store/TQuery.h"
#include "store/uStruktura.h"
#include "support/FakeInterakcja.h"
#include "support/TestowaBaza.h"

namespace {

// A file store of the current schema in the folder, made active.
void PolaczPlik(const QString& katalog) {
    TBaza::Polacz(katalog);
    TQuery query;
    AktualizujStrukture(query);
}

bool Tekst(const FakeInterakcja& fake, const char* fragment) {
    const auto teksty = fake.Teksty();
    return !teksty.empty() && teksty.back().contains(QString::fromUtf8(fragment));
}

class NaSerwerze : public ::testing::Test {
protected:
    void SetUp() override {
        if (!TestowaBaza::NaSerwerze()) GTEST_SKIP() << "a server store's test";
    }
    TestowaBaza baza;
    FakeInterakcja fake;
    QTemporaryDir inny;  // a file store beside the server's
};

}  // namespace

using PrzeniesienieNaSerwer = NaSerwerze;
using KopiaSerwera = NaSerwerze;

TEST_F(PrzeniesienieNaSerwer, KazdyWierszRownyAPelnaBazaOdrzucona) {
    PolaczPlik(inny.path());
    TestowaBaza::ZapiszSklepDoKopii();
    const QString przed = baza.Zawartosc();
    ASSERT_TRUE(PrzeniesDaneNaSerwer(baza.AdresSerwera()));
    EXPECT_TRUE(Tekst(fake, "Dane zostały przeniesione na serwer"));
    ASSERT_EQ(TBaza::Aktywna()->Rodzaj(), TRodzajBazy::Serwer);
    EXPECT_EQ(baza.Zawartosc(), przed);

    // Into a database that holds data nothing is moved, and the file stays the store.
    PolaczPlik(inny.path());
    EXPECT_FALSE(PrzeniesDaneNaSerwer(baza.AdresSerwera()));
    EXPECT_TRUE(Tekst(fake, "zawiera już dane"));
    EXPECT_EQ(TBaza::Aktywna()->Rodzaj(), TRodzajBazy::Plik);
    baza.PolaczPonownie();
    EXPECT_EQ(baza.Zawartosc(), przed);
}

// A copy of the server store is a store file like the file store's copies: checked as
// they are, and restored into a server store and into a file store alike.
TEST_F(KopiaSerwera, KopiaPrzywracaSieDoObuRodzajowBazy) {
    TestowaBaza::ZapiszSklepDoKopii();
    const QString przed = baza.Zawartosc();
    const QString kopia = QDir(inny.path()).filePath(QStringLiteral("kopia.sqlite"));
    ASSERT_EQ(KopiujBazeSerwera(baza.AdresSerwera(), kopia), QString());
    const TOpisKopii opis = OpiszKopie(kopia);
    EXPECT_EQ(opis.blad, QString());
    EXPECT_EQ(opis.klientow, 3);
    EXPECT_EQ(opis.wypozyczen, 3);

    baza.Wykonaj(QStringLiteral("delete from rental"));
    baza.Wykonaj(QStringLiteral("update klient set Saldo = 0"));
    QString zachowana;
    const QDateTime teraz(QDate(2024, 3, 5), QTime(12, 0));
    ASSERT_EQ(PrzywrocBazeSerwera(kopia, baza.Katalog(), teraz, &zachowana), QString());
    EXPECT_EQ(baza.Zawartosc(), przed);
    EXPECT_EQ(OpiszKopie(zachowana).wypozyczen, 0);  // the rows before the restore, kept

    // The same copy into a file store.
    const QString katalog = QDir(inny.path()).filePath(QStringLiteral("Bazy"));
    PolaczPlik(katalog);
    ASSERT_EQ(PrzywrocBaze(kopia, katalog, teraz), QString());
    EXPECT_EQ(baza.Zawartosc(), przed);

    // And the file store's own copy into the server store.
    const QString kopiaPliku = QDir(inny.path()).filePath(QStringLiteral("z-pliku.sqlite"));
    ASSERT_EQ(KopiujBaze(QDir(katalog).filePath(PlikBazy), kopiaPliku), QString());
    baza.PolaczPonownie();
    baza.Wykonaj(QStringLiteral("delete from klient"));
    ASSERT_EQ(PrzywrocBazeSerwera(kopiaPliku, baza.Katalog(), teraz.addSecs(1)), QString());
    EXPECT_EQ(baza.Zawartosc(), przed);
}

TEST_F(KopiaSerwera, KopiaDniaJednegoStanowiska) {
    const auto drugie = TBaza::OtworzSerwer(baza.AdresSerwera(), QString());
    const QDate dzien(2024, 3, 5);
    EXPECT_TRUE(ZajmijKopieDnia(*TBaza::Aktywna(), dzien));
    EXPECT_FALSE(ZajmijKopieDnia(*drugie, dzien));
    ZwolnijKopieDnia(baza.AdresSerwera(), dzien);  // the copy failed: the next start copies
    EXPECT_TRUE(ZajmijKopieDnia(*drugie, dzien));
    EXPECT_TRUE(ZajmijKopieDnia(*TBaza::Aktywna(), dzien.addDays(1)));
}

TEST_F(KopiaSerwera, SprawdzenieZasadPrzezPolecenia) {
    TestowaBaza::ZapiszSklepDoKopii();
    EXPECT_EQ(RaportSprawdzenia(SprawdzBazeSerwera(*TBaza::Aktywna())), BrakBledow);
    baza.Wykonaj(QStringLiteral("update film set Status = True where ID = 1"));
    baza.Wykonaj(QStringLiteral("update film set Status = False where ID = 4"));
    baza.Wykonaj(QStringLiteral("delete from klient where ID = 9"));
    EXPECT_EQ(RaportSprawdzenia(SprawdzBazeSerwera(*TBaza::Aktywna())),
              "Film 0014 jest oznaczony jako wypożyczony, a nie ma otwartego wypożyczenia.\n"
              "Film 0011 jest oznaczony jako na półce, a ma otwarte wypożyczenie.\n"
              "Wypożyczenie filmu 0013 klienta (ID 9) z dnia 01.02.2024 dotyczy klienta, "
              "którego nie ma w bazie.");
}
