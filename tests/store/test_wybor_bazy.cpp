// The store this counter works on: the choice kept in the settings file, the server's
// connection string built from it, the trial connection and the password asked at start.
#include <gtest/gtest.h>
#include <libpq-fe.h>

#include <QLineEdit>
#include <QMap>
#include <QSysInfo>
#include <QTemporaryDir>

#include "store/PlikUstawien.h"
#include "store/StanBazy.h"
#include "store/WyborBazy.h"
#include "support/FakeInterakcja.h"
#include "support/PolaczenieSerwera.h"
#include "support/TestowaBaza.h"

namespace {

// What libpq reads from a connection string: "host|port|dbname|user|sslmode|password",
// "-" for a value not given.
QString Odczytane(const QString& adres) {
    PQconninfoOption* opcje = PQconninfoParse(adres.toUtf8().constData(), nullptr);
    if (!opcje) return QStringLiteral("<nieczytelny>");
    QMap<QString, QString> w;
    for (const PQconninfoOption* o = opcje; o->keyword; ++o)
        if (o->val) w[o->keyword] = QString::fromUtf8(o->val);
    PQconninfoFree(opcje);
    QStringList c;
    for (const char* k : {"host", "port", "dbname", "user", "sslmode", "password"})
        c << w.value(k, QStringLiteral("-"));
    return c.join('|');
}

// An environment variable set (unset: nullptr) for the scope.
struct Zmienna {
    Zmienna(const char* n, const char* w) : nazwa(n), dawna(qgetenv(n)) {
        w ? qputenv(n, w) : qunsetenv(n);
    }
    ~Zmienna() { byla ? qputenv(nazwa, dawna) : qunsetenv(nazwa); }
    const char* nazwa;
    bool byla = qEnvironmentVariableIsSet(nazwa);
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
    const auto S = TRodzajBazy::Serwer;
    const std::pair<TWyborBazy, QString> przypadki[] = {
        {{S, "serwer", 5432, "wirdolan", "wirdolan", true, {}},
         "serwer|5432|wirdolan|wirdolan|require|-"},
        {{S, "/run/postgresql", 5433, "wirdolan", "", false, {}},
         "/run/postgresql|5433|wirdolan|-|-|-"},
        {{S, "sklep 2", 1, "baza O'Neila", "ja\\ty", true, {}},
         "sklep 2|1|baza O'Neila|ja\\ty|require|-"},
        {{S, "a\\'b", 65535, "x' host='inny", "''", false, {}}, "a\\'b|65535|x' host='inny|''|-|-"},
        {{S, "s", 5432, "dbname=obca password=x", "k", false, {}},
         "s|5432|dbname=obca password=x|k|-|-"},
    };
    for (const auto& [wybor, odczytane] : przypadki)
        EXPECT_EQ(Odczytane(AdresZWyboru(wybor)), odczytane) << AdresZWyboru(wybor).toStdString();
    EXPECT_EQ(AdresZWyboru(TWyborBazy{}), QString()) << "the file store";
}

TEST_F(WyborBazy, ZapisanyDecydujePrzyStarcieZmiennaGoZastepuje) {
    const TWyborBazy nowy = WczytajWyborBazy();
    EXPECT_EQ(nowy.Rodzaj, TRodzajBazy::Plik) << "nothing saved: the file";
    EXPECT_EQ(nowy.Stanowisko, QSysInfo::machineHostName());
    EXPECT_EQ(AdresSerweraBazy(), QString());
    const TWyborBazy w{
        TRodzajBazy::Serwer, "serwer", 6543, "wypożyczalnia", "kasa", false, "Lada 2"};
    ASSERT_TRUE(ZapiszWyborBazy(w));
    EXPECT_EQ(WczytajWyborBazy(), w);
    EXPECT_EQ(WczytajGrupeUstawien(GrupaBazy).value(KluczStanowiska).toString(), "Lada 2");
    EXPECT_EQ(AdresSerweraBazy(), AdresZWyboru(w));
    Zmienna technik("WIRDOLAN_BAZA", "host=/run/postgresql dbname=wirdolan");
    EXPECT_EQ(AdresSerweraBazy(), "host=/run/postgresql dbname=wirdolan");
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
    EXPECT_TRUE(SprawdzPolaczenie(AdresAktywnejBazy()).dziala);
    EXPECT_EQ(TBaza::Aktywna(), aktywna);
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
    Zmienna bezHasla("PGPASSWORD", nullptr);
    Zmienna bezPliku("PGPASSFILE", katalog.filePath("brak").toUtf8().constData());
    // A wrong password first: the server refuses it, and Retry asks again.
    for (const QByteArray& wpisane : {QByteArray("złe"), haslo})
        fake.PrzyOknie([wpisane](QDialog& okno) {
            auto* pole = okno.findChild<QLineEdit*>();
            if (!pole) return 0;
            EXPECT_EQ(pole->echoMode(), QLineEdit::Password);
            pole->setText(QString::fromUtf8(wpisane));
            okno.accept();
            return okno.result();
        });
    fake.Odpowiedz(QMessageBox::Retry);
    EXPECT_TRUE(PolaczSerwerNaStarcie(adres, baza.Katalog()));
    EXPECT_EQ(fake.pokazaneOkna, (std::vector<QString>{"TfHaslo", "TfHaslo"}));
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    // The password is kept for a connection the server drops.
    EXPECT_FALSE(
        TBaza::Aktywna()->WykonajBezWyjatku("select pg_terminate_backend(pg_backend_pid())"));
    EXPECT_EQ(baza.Ile(QStringLiteral("select count(*) from klient")), 0);
    UstawHasloSerwera(QString());
    // Asked and refused: the program ends.
    TBaza::Rozlacz();
    fake.PrzyOknie([](QDialog& okno) { return okno.result(); });
    EXPECT_FALSE(PolaczSerwerNaStarcie(adres, baza.Katalog()));
}

}  // namespace
