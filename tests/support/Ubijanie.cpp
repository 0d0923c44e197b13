#include "support/Ubijanie.h"

#include <gtest/gtest.h>
#include <libpq-fe.h>

#include <QFile>

#include "store/Baza.h"
#include "store/Godzina.h"
#include "store/Kursor.h"
#include "store/Tlumacz.h"
#include "store/Zegar.h"
#include "support/FakeInterakcja.h"
#include "support/Przerwania.h"
#include "support/TestowaBaza.h"

namespace {

// The server store's connection, ended by the server itself (pg_terminate_backend from a
// connection of its own) as its n-th statement starts: the server's side of a counter
// that dies in the middle of an operation.
class TBazaUbijana final : public TBaza {
public:
    // Makes the wrapped active connection the active one, to be ended at statement n.
    static TBazaUbijana* ZamienAktywna(int n) {
        std::unique_ptr<TBaza> w = Odlacz();
        const QString folder = w->Katalog();
        auto ubijana = std::unique_ptr<TBazaUbijana>(new TBazaUbijana(std::move(w), folder, n));
        TBazaUbijana* wynik = ubijana.get();
        TBaza::Ustaw(std::move(ubijana));
        return wynik;
    }

    bool Ubita() const { return ubita; }

    TRodzajBazy Rodzaj() const override { return wewn->Rodzaj(); }
    void Wykonaj(const QString& sql) override {
        Krok();
        wewn->Wykonaj(sql);
    }
    std::unique_ptr<TKursor> Przygotuj(const QString& lokalny,
                                       const QHash<QString, QVariant>& parametry) override {
        Krok();
        return wewn->Przygotuj(lokalny, parametry);
    }
    std::optional<int> WersjaZapisana() override { return wewn->WersjaZapisana(); }
    void ZapiszWersje(int wersja) override { wewn->ZapiszWersje(wersja); }
    bool MaIndeks(const QString& nazwa) override { return wewn->MaIndeks(nazwa); }
    void Zacznij() override {
        Krok();
        wewn->Zacznij();
    }

protected:
    TZnacznikBazy ZnacznikPolaczenia() const override { return {numer, liczba, 0}; }

private:
    TBazaUbijana(std::unique_ptr<TBaza> w, const QString& folder, int n)
        : TBaza(folder), wewn(std::move(w)), numerUbicia(n) {
        const std::unique_ptr<TKursor> k = wewn->Przygotuj("select pg_backend_pid()", {});
        if (k->Krok()) proces = k->Wartosc(0).toLongLong();
    }
    // A counter that died writes nothing more: where the program would go on (a failed
    // read outside a transaction is let pass, the next statement reconnects), every later
    // statement fails as the ended connection's would.
    void Krok() {
        if (ubita) throw TBladBazy(QStringLiteral("Połączenie z serwerem zakończone."));
        if (++liczba != numerUbicia) return;
        PGconn* c = PQconnectdb("dbname=postgres");
        PGresult* r = PQexec(c, QStringLiteral("select pg_terminate_backend(%1, 10000)")
                                    .arg(proces)
                                    .toUtf8()
                                    .constData());
        EXPECT_EQ(PQresultStatus(r), PGRES_TUPLES_OK) << PQerrorMessage(c);
        PQclear(r);
        PQfinish(c);
        ubita = true;
    }

    std::unique_ptr<TBaza> wewn;
    int numerUbicia;
    qint64 liczba = 0;
    qint64 proces = 0;
    bool ubita = false;
};

// The server's counterpart of the check: the operation in this process, its connection
// ended by the server at every statement in turn, the database put back as it was before
// each attempt (with its sequences: keys taken by an attempt taken back are no difference).
int SprawdzUbijanieSerwera(TestowaBaza& baza, const std::function<void()>& przygotuj,
                           const std::function<void()>& operacja) {
    const QString przed = baza.Zawartosc();
    UstawGodzine(Godzina());
    baza.ZapamietajSerwer();
    przygotuj();
    operacja();
    const QString po = baza.Zawartosc();
    EXPECT_NE(po, przed) << "the operation changed nothing";
    int ubite = 0;
    auto* fake = dynamic_cast<FakeInterakcja*>(&Interakcja());
    for (int n = 1;; ++n) {
        baza.PrzywrocSerwer();
        przygotuj();
        const size_t komunikatow = fake ? fake->komunikaty.size() : 0;
        const TBazaUbijana* ubijana = TBazaUbijana::ZamienAktywna(n);
        operacja();
        const bool ubita = ubijana->Ubita();
        // The ended connection's error is no message of the operation.
        if (ubita && fake) fake->komunikaty.resize(komunikatow);
        baza.PolaczPonownie();
        const QString stan = baza.Zawartosc();
        if (!ubita) {
            EXPECT_EQ(stan, po) << "the whole operation again";
            break;
        }
        ++ubite;
        EXPECT_TRUE(stan == przed || stan == po) << "ended at statement " << n << ":\n"
                                                 << stan.toStdString();
    }
    UstawGodzine(QTime());
    return ubite;
}

// Puts the store file back as saved, without the write-ahead log of the run before.
void przywroc(const QString& katalog, const QString& wzor) {
    TBaza::Rozlacz();
    const QString plik = katalog + PlikBazy;
    for (const char* koncowka : {"", "-wal", "-shm"}) QFile::remove(plik + koncowka);
    ASSERT_TRUE(QFile::copy(wzor, plik));
    TBaza::Polacz(katalog);
}

}  // namespace

int SprawdzUbijanie(TestowaBaza& baza, const std::function<void()>& przygotuj,
                    const std::function<void()>& operacja) {
    if (TestowaBaza::NaSerwerze()) return SprawdzUbijanieSerwera(baza, przygotuj, operacja);
    const QString katalog = baza.Katalog();
    const QString wzor = baza.Folder() + QStringLiteral("/wzor.sqlite");
    TBaza::Rozlacz();  // closing writes the log into the file
    QFile::remove(wzor);
    EXPECT_TRUE(QFile::copy(katalog + PlikBazy, wzor));
    TBaza::Polacz(katalog);
    const QString przed = ZrzutBazy();
    // The reference run and every child record the same time of day (the till journal
    // keeps it), so a second passing between them is no difference.
    UstawGodzine(Godzina());

    przygotuj();
    operacja();
    const QString po = ZrzutBazy();
    EXPECT_NE(po, przed) << "the operation changed nothing";

    int ubite = 0;
    for (int n = 1;; ++n) {
        przywroc(katalog, wzor);
        przygotuj();
        if (!UbijNaPoleceniu(katalog, n, operacja)) break;
        ++ubite;
        const QString stan = ZrzutBazy();
        EXPECT_TRUE(stan == przed || stan == po) << "killed at statement " << n << ":\n"
                                                 << stan.toStdString();
    }
    EXPECT_EQ(ZrzutBazy(), po) << "the whole operation in the child";
    UstawGodzine(QTime());
    return ubite;
}
