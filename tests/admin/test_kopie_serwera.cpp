// The move of a shop onto the server, the copies of a server store and their restore into
// either kind of store, the day's copy claimed by one counter, and the store check of a
// server store.
#include <gtest/gtest.h>
#include <libpq-fe.h>

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "admin/Kopie.h"
#include "admin/KopieAutomatyczne.h"
#include "admin/KopieSerwera.h"
#include "admin/Narzedzia.h"
#include "admin/SprawdzenieBazy.h"
#include "admin/WyborTestowy.h"
#include "admin/uBazaDanych.h"
#include "store/Baza.h"
#include "store/PlikUstawien.h"
#include "store/TQuery.h"
#include "store/uStruktura.h"
#include "support/FakeInterakcja.h"
#include "support/SklepKopii.h"
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
    const QString adres = TBaza::Aktywna()->Adres();  // the test's server database
    FakeInterakcja fake;
    QTemporaryDir inny;  // a file store beside the server's
};

}  // namespace

using PrzeniesienieNaSerwer = NaSerwerze;
using KopiaSerwera = NaSerwerze;

TEST_F(PrzeniesienieNaSerwer, KazdyWierszRownyAPelnaBazaOdrzucona) {
    PolaczPlik(inny.path());
    ZapiszSklepDoKopii();
    const QString przed = baza.Zawartosc();
    std::vector<int> procenty;
    ASSERT_TRUE(PrzeniesDaneNaSerwer(adres, [&](int p) { procenty.push_back(p); }));
    ASSERT_FALSE(procenty.empty());
    EXPECT_EQ(procenty.back(), 100);
    EXPECT_TRUE(Tekst(fake, "Dane zostały przeniesione na serwer"));
    ASSERT_EQ(TBaza::Aktywna()->Rodzaj(), TRodzajBazy::Serwer);
    EXPECT_EQ(baza.Zawartosc(), przed);

    // Into a database that holds data nothing is moved, and the file stays the store.
    PolaczPlik(inny.path());
    EXPECT_FALSE(PrzeniesDaneNaSerwer(adres));
    EXPECT_TRUE(Tekst(fake, "zawiera już dane"));
    EXPECT_EQ(TBaza::Aktywna()->Rodzaj(), TRodzajBazy::Plik);
    baza.PolaczPonownie();
    EXPECT_EQ(baza.Zawartosc(), przed);
}

// The dialog's button moves the shop onto the server typed in its fields and keeps that
// choice; the password comes from the environment as from ~/.pgpass.
TEST_F(PrzeniesienieNaSerwer, PrzyciskDialoguPrzenosiIZapisujeWybor) {
    QTemporaryDir program;
    UstawPlikUstawienProgramu(program.filePath(QStringLiteral("w.ini")));
    PolaczPlik(inny.path());
    ZapiszSklepDoKopii();
    const QString przed = baza.Zawartosc();
    TfBazaDanych okno;
    okno.findChild<QRadioButton*>("rbSerwer")->setChecked(true);
    const auto pole = [&](const char* nazwa, const QString& tekst) {
        okno.findChild<QLineEdit*>(nazwa)->setText(tekst);
    };
    // The test's server as libpq finds it from its environment.
    PGconn* c = PQconnectdb(adres.toUtf8().constData());
    pole("eSerwer", QString::fromUtf8(PQhost(c)));
    pole("ePort", QString::fromUtf8(PQport(c)));
    pole("eBaza", QString::fromUtf8(PQdb(c)));
    pole("eUzytkownik", QString::fromUtf8(PQuser(c)));
    PQfinish(c);
    pole("eStanowisko", QStringLiteral("Lada 1"));
    okno.findChild<QCheckBox*>("cbSzyfrowanie")->setChecked(false);
    okno.findChild<QPushButton*>("bPrzenies")->click();
    ASSERT_TRUE(okno.Przeniesiono())
        << (fake.Teksty().empty() ? std::string() : fake.Teksty().back().toStdString());
    EXPECT_EQ(okno.result(), QDialog::Accepted);
    ASSERT_EQ(TBaza::Aktywna()->Rodzaj(), TRodzajBazy::Serwer);
    EXPECT_EQ(baza.Zawartosc(), przed);
    EXPECT_EQ(WczytajWyborBazy().Rodzaj, TRodzajBazy::Serwer);
    EXPECT_EQ(WczytajWyborBazy().Stanowisko, QStringLiteral("Lada 1"));
    UstawPlikUstawienProgramu(QString());
}

// A copy of the server store is a store file like the file store's copies: checked as
// they are, and restored into a server store and into a file store alike.
TEST_F(KopiaSerwera, KopiaPrzywracaSieDoObuRodzajowBazy) {
    ZapiszSklepDoKopii();
    const QString przed = baza.Zawartosc();
    const QString kopia = QDir(inny.path()).filePath(QStringLiteral("kopia.sqlite"));
    ASSERT_EQ(KopiujBazeSerwera(adres, kopia), QString());
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
    ZapiszSklepDoKopii();
    const QDateTime chwila(QDate(2024, 3, 5), QTime(8, 0));
    // The first counter to start copies the store beside its desk; the second does not.
    for (const QString& katalog : {baza.Katalog(), inny.path()}) {
        TKopieAutomatyczne kopie;
        kopie.PrzyStarcie(katalog, chwila);
        kopie.Zaczekaj();
    }
    const QString katalog = KatalogKopii(baza.Katalog());
    ASSERT_EQ(KopieAutomatyczne(katalog), QStringList{"wirdolan-2024-03-05-080000.sqlite"});
    EXPECT_EQ(OpiszKopie(katalog + "wirdolan-2024-03-05-080000.sqlite").klientow, 3);
    EXPECT_TRUE(KopieAutomatyczne(KatalogKopii(inny.path())).isEmpty());
    EXPECT_TRUE(fake.komunikaty.empty());

    // The day is claimed once, given back by a copy that failed, and each day anew.
    const auto drugie = TBaza::OtworzSerwer(adres, QString());
    const QDate dzien(2024, 3, 6);
    EXPECT_TRUE(ZajmijKopieDnia(*TBaza::Aktywna(), dzien));
    EXPECT_FALSE(ZajmijKopieDnia(*drugie, dzien));
    ZwolnijKopieDnia(adres, dzien);
    EXPECT_TRUE(ZajmijKopieDnia(*drugie, dzien));
    EXPECT_TRUE(ZajmijKopieDnia(*TBaza::Aktywna(), dzien.addDays(1)));
    // A claim whose connection has ended (pid 0: no such connection) is free again until
    // its copy is marked made.
    const QDate trzeci = dzien.addDays(2);
    const auto bezPolaczenia = [&] {
        TBaza::Aktywna()->Wykonaj(
            QString("update wirdolan_kopia_dnia set pid = 0 where dzien = '%1'")
                .arg(trzeci.toString(Qt::ISODate)));
    };
    EXPECT_TRUE(ZajmijKopieDnia(*drugie, trzeci));
    bezPolaczenia();
    EXPECT_TRUE(ZajmijKopieDnia(*TBaza::Aktywna(), trzeci));
    ZakonczKopieDnia(adres, trzeci);
    bezPolaczenia();
    EXPECT_FALSE(ZajmijKopieDnia(*drugie, trzeci));
}

// "Narzędzia" on a server store: the copy to a chosen file, the restore from it and the
// check, as on a file store.
TEST_F(KopiaSerwera, NarzedziaNaBazieSerwera) {
    ZapiszSklepDoKopii();
    const QString przed = baza.Zawartosc();
    WyborTestowy wybor;
    wybor.plik = QDir(inny.path()).filePath(QStringLiteral("sklep.sqlite"));
    KopiaZapasowa(nullptr);
    EXPECT_TRUE(Tekst(fake, "Kopia zapasowa bazy danych została zapisana w pliku"));
    EXPECT_EQ(OpiszKopie(wybor.plik).filmow, 3);

    baza.Wykonaj(QStringLiteral("delete from kasa"));
    fake.Odpowiedz(QMessageBox::Yes);
    EXPECT_TRUE(PrzywrocZKopii(nullptr));
    EXPECT_TRUE(Tekst(fake, "Baza danych została przywrócona z kopii."));
    EXPECT_EQ(baza.Zawartosc(), przed);

    QString raport;
    fake.PrzyOknie([&](QDialog& okno) {
        raport = okno.findChild<QPlainTextEdit*>()->toPlainText();
        return 0;
    });
    EXPECT_FALSE(SprawdzBazeDanych(nullptr));
    EXPECT_EQ(raport, BrakBledow);
}

TEST_F(KopiaSerwera, SprawdzenieZasadPrzezPolecenia) {
    ZapiszSklepDoKopii();
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
