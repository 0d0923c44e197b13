// The store this counter works on: the choice kept in the settings file, the server's
// connection string built from it, the trial connection and the password asked at start.
#include <gtest/gtest.h>
#include <libpq-fe.h>

#include <QLineEdit>
#include <QSysInfo>
#include <QTemporaryDir>
#include <map>
#include <string>

#include "store/Baza.h"
#include "store/PlikUstawien.h"
#include "store/StanBazy.h"
#include "store/WyborBazy.h"
#include "support/FakeInterakcja.h"
#include "support/PolaczenieSerwera.h"
#include "support/TestowaBaza.h"

namespace {

// The values libpq reads from a connection string (those given only).
std::map<std::string, std::string> Odczytane(const QString& adres) {
    char* blad = nullptr;
    PQconninfoOption* opcje = PQconninfoParse(adres.toUtf8().constData(), &blad);
    std::map<std::string, std::string> wynik;
    if (!opcje) {
        ADD_FAILURE() << "libpq cannot read " << adres.toStdString() << ": " << blad;
        PQfreemem(blad);
        return wynik;
    }
    for (const PQconninfoOption* o = opcje; o->keyword; ++o)
        if (o->val) wynik[o->keyword] = o->val;
    PQconninfoFree(opcje);
    return wynik;
}

// Sets an environment variable for the scope and puts back what was there.
class Zmienna {
public:
    Zmienna(const char* nazwa, const QByteArray* wartosc)
        : n(nazwa), byla(qEnvironmentVariableIsSet(nazwa)), dawna(qgetenv(nazwa)) {
        if (wartosc)
            qputenv(n, *wartosc);
        else
            qunsetenv(n);
    }
    ~Zmienna() {
        if (byla)
            qputenv(n, dawna);
        else
            qunsetenv(n);
    }

private:
    const char* n;
    bool byla;
    QByteArray dawna;
};

class WyborBazy : public ::testing::Test {
protected:
    void SetUp() override { UstawPlikUstawienProgramu(katalog.filePath("wirdolan.ini")); }
    void TearDown() override { UstawPlikUstawienProgramu(QString()); }
    QTemporaryDir katalog;
    FakeInterakcja fake;
    Zmienna bezZmiennej{"WIRDOLAN_BAZA", nullptr};
};

TEST_F(WyborBazy, AdresSerweraZPolCytowanyTakJakCzytaGoLibpq) {
    struct Przypadek {
        QString serwer, baza, uzytkownik;
        int port;
        bool szyfrowanie;
    };
    const Przypadek przypadki[] = {
        {"serwer", "wirdolan", "wirdolan", 5432, true},
        {"/run/postgresql", "wirdolan", "", 5433, false},
        {"sklep 2", "baza O'Neila", "ja\\ty", 1, true},
        {"a\\'b", "x' host='inny", "''", 65535, false},
        {"serwer", "dbname=obca host=inny", "kasa", 5432, true},
    };
    for (const Przypadek& p : przypadki) {
        TWyborBazy w;
        w.Rodzaj = TRodzajBazy::Serwer;
        w.Serwer = p.serwer;
        w.Baza = p.baza;
        w.Uzytkownik = p.uzytkownik;
        w.Port = p.port;
        w.Szyfrowanie = p.szyfrowanie;
        const QString adres = AdresZWyboru(w);
        SCOPED_TRACE(adres.toStdString());
        auto o = Odczytane(adres);
        o.try_emplace("user", "<brak>");
        o.try_emplace("sslmode", "<brak>");
        EXPECT_EQ(o["host"], p.serwer.toStdString());
        EXPECT_EQ(o["dbname"], p.baza.toStdString());
        EXPECT_EQ(o["port"], std::to_string(p.port));
        EXPECT_EQ(o["user"], p.uzytkownik.isEmpty() ? "<brak>" : p.uzytkownik.toStdString());
        EXPECT_EQ(o["sslmode"], p.szyfrowanie ? "require" : "<brak>");
        EXPECT_EQ(o.count("password"), 0u);
    }
    EXPECT_EQ(AdresZWyboru(TWyborBazy{}), QString()) << "the file store";
}

TEST_F(WyborBazy, ZapisanyDecydujePrzyStarcieZmiennaGoZastepuje) {
    const TWyborBazy nowy = WczytajWyborBazy();
    EXPECT_EQ(nowy.Rodzaj, TRodzajBazy::Plik) << "nothing saved: the file";
    EXPECT_EQ(nowy.Port, 5432);
    EXPECT_EQ(nowy.Stanowisko, QSysInfo::machineHostName());
    EXPECT_EQ(AdresSerweraBazy(), QString());

    TWyborBazy w;
    w.Rodzaj = TRodzajBazy::Serwer;
    w.Serwer = QStringLiteral("serwer.sklep");
    w.Port = 6543;
    w.Baza = QStringLiteral("wypożyczalnia");
    w.Uzytkownik = QStringLiteral("kasa");
    w.Szyfrowanie = false;
    w.Stanowisko = QStringLiteral("Lada 2");
    ASSERT_TRUE(ZapiszWyborBazy(w));
    EXPECT_EQ(WczytajWyborBazy(), w);
    EXPECT_EQ(WczytajGrupeUstawien(GrupaBazy).value(KluczStanowiska).toString(), "Lada 2");
    EXPECT_EQ(AdresSerweraBazy(), AdresZWyboru(w));

    const QByteArray technik("host=/run/postgresql dbname=wirdolan");
    Zmienna zmienna("WIRDOLAN_BAZA", &technik);
    EXPECT_EQ(AdresSerweraBazy(), QString::fromUtf8(technik));
}

TEST_F(WyborBazy, SprawdzenieNieosiagalnegoSerweraMowiDlaczego) {
    const TProbaPolaczenia p = SprawdzPolaczenie(
        QStringLiteral("host='%1' port='5999' dbname='x'").arg(katalog.filePath("brak")));
    EXPECT_FALSE(p.dziala);
    EXPECT_TRUE(p.tekst.startsWith(
        QStringLiteral("Nie można połączyć się z serwerem bazy danych (%1:5999/x).\n")
            .arg(katalog.filePath("brak"))))
        << p.tekst.toStdString();
}

// The server's side: the trial beside the active store, and the password asked at start.
class WyborBazySerwera : public WyborBazy {
protected:
    void SetUp() override {
        if (!TestowaBaza::NaSerwerze()) GTEST_SKIP() << "a server to connect to";
        WyborBazy::SetUp();
    }
};

TEST_F(WyborBazySerwera, SprawdzenieNieZmieniaAktywnejBazy) {
    TestowaBaza baza;
    const TBaza* aktywna = TBaza::Aktywna();
    const TProbaPolaczenia p = SprawdzPolaczenie(AdresAktywnejBazy());
    EXPECT_TRUE(p.dziala);
    EXPECT_TRUE(p.tekst.startsWith(QStringLiteral("Połączenie z serwerem bazy danych ")));
    EXPECT_EQ(TBaza::Aktywna(), aktywna);
    EXPECT_EQ(baza.Ile(QStringLiteral("select count(*) from klient")), 0);
    // A database of another program is no place for the program's tables.
    TBaza::Aktywna()->Wykonaj(QStringLiteral("create schema inny; create table inny.t (x int)"));
    const TProbaPolaczenia obca =
        SprawdzPolaczenie(AdresAktywnejBazy() + QStringLiteral(" options='-csearch_path=inny'"));
    EXPECT_FALSE(obca.dziala);
    EXPECT_TRUE(obca.tekst.contains(QStringLiteral("tabele innego programu")));
}

TEST_F(WyborBazySerwera, HasloPytanePrzyStarcieIPamietaneDoPonownegoPolaczenia) {
    TestowaBaza baza;
    const QString adres = AdresAktywnejBazy();
    TBaza::Rozlacz();
    const QByteArray haslo = qgetenv("PGPASSWORD");
    const QByteArray brakPliku = katalog.filePath("brak.pgpass").toUtf8();
    Zmienna bezHasla("PGPASSWORD", nullptr);
    Zmienna bezPliku("PGPASSFILE", &brakPliku);
    // A wrong password first: the server refuses it, and Retry asks again.
    for (const QByteArray& wpisane : {QByteArray("złe"), haslo})
        fake.PrzyOknie([wpisane](QDialog& okno) {
            EXPECT_EQ(okno.objectName(), "TfHaslo");
            auto* pole = okno.findChild<QLineEdit*>();
            if (!pole) return 0;
            EXPECT_EQ(pole->echoMode(), QLineEdit::Password);
            pole->setText(QString::fromUtf8(wpisane));
            okno.accept();
            return okno.result();
        });
    fake.Odpowiedz(QMessageBox::Retry);
    EXPECT_TRUE(PolaczSerwerNaStarcie(adres, baza.Katalog()));
    EXPECT_TRUE(fake.okna.empty());
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_TRUE(fake.komunikaty[0].tekst.startsWith("Nie można połączyć się z serwerem"));
    // The password is kept for a connection the server drops.
    EXPECT_FALSE(TBaza::Aktywna()->WykonajBezWyjatku(
        QStringLiteral("select pg_terminate_backend(pg_backend_pid())")));
    EXPECT_EQ(baza.Ile(QStringLiteral("select count(*) from klient")), 0);
    UstawHasloSerwera(QString());
    // Asked and refused: the program ends.
    TBaza::Rozlacz();
    fake.PrzyOknie([](QDialog& okno) {
        okno.reject();
        return okno.result();
    });
    EXPECT_FALSE(PolaczSerwerNaStarcie(adres, baza.Katalog()));
}

}  // namespace
