// A store file that cannot be used: the message in Polish with the store's text on a second
// line, the file never changed, the start ended or gone on as the fault allows.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "store/Baza.h"
#include "store/StanBazy.h"
#include "store/SystemPlikow.h"
#include "store/TQuery.h"
#include "store/uWspolneDB.h"
#include "support/FakeInterakcja.h"
#include "support/TestowaBaza.h"

namespace {

QByteArray skrot(const QString& plik) {
    QFile f(plik);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

void zapisz(const QString& plik, const QByteArray& bajty, qint64 od = 0) {
    QFile f(plik);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.seek(od);
    f.write(bajty);
}

class StanBazy : public ::testing::Test {
protected:
    ~StanBazy() override { TBaza::Rozlacz(); }
    QString Katalog() const { return katalog.path() + '/'; }
    QString Plik() const { return Katalog() + PlikBazy; }
    // A store of the program with one client, closed.
    void DobraBaza() {
        TBaza::Polacz(Katalog());
        TBaza::Aktywna()->Wykonaj("insert into klient (ID, Nazwisko) values (1, 'Nowak')");
        TBaza::Rozlacz();
    }
    QTemporaryDir katalog;
    FakeInterakcja fake;
};

}  // namespace

TEST_F(StanBazy, PlikNieBedacyBaza) {
    zapisz(Plik(), QByteArray(5000, 'x'));
    const QByteArray przed = skrot(Plik());
    EXPECT_FALSE(PolaczNaStarcie(Katalog(), {}));
    EXPECT_EQ(TBaza::Aktywna(), nullptr);
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    const QStringList linie = fake.komunikaty[0].tekst.split('\n');
    ASSERT_EQ(linie.size(), 2);
    EXPECT_TRUE(linie[0].contains("nie jest bazą danych programu Wirdolan"));
    EXPECT_TRUE(linie[0].contains("„wirdolan.sqlite”"));
    EXPECT_TRUE(linie[0].contains(QDir::toNativeSeparators(katalog.path())));
    EXPECT_EQ(linie[1], "file is not a database");
    EXPECT_EQ(fake.komunikaty[0].ikona, TIkona::Stop);
    EXPECT_EQ(skrot(Plik()), przed);
}

TEST_F(StanBazy, ObcaBazaSQLite) {
    sqlite3* h = nullptr;
    sqlite3_open(Plik().toUtf8().constData(), &h);
    sqlite3_exec(h, "create table faktury (nr integer)", nullptr, nullptr, nullptr);
    sqlite3_close(h);
    const QByteArray przed = skrot(Plik());
    EXPECT_FALSE(PolaczNaStarcie(Katalog(), {}));
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_TRUE(fake.komunikaty[0].tekst.contains("nie jest bazą danych programu Wirdolan"));
    EXPECT_EQ(skrot(Plik()), przed);
}

// An empty file (a first start killed before its tables) holds nothing to lose: it becomes
// a new store.
TEST_F(StanBazy, PustyPlikStajeSieNowaBaza) {
    zapisz(Plik(), {});
    EXPECT_TRUE(PolaczNaStarcie(Katalog(), {}));
    EXPECT_TRUE(fake.komunikaty.empty());
    TQuery q;
    OtworzSQL(q, "select count(*) n from klient");
    EXPECT_EQ(q.FieldByName("n").AsInteger(), 0);
}

// A damaged store: the newest automatic copy is offered; taking it opens the store again,
// the damaged file itself is never written.
TEST_F(StanBazy, UszkodzonaOferujeNajnowszaKopie) {
    DobraBaza();
    QTemporaryDir kopie;
    const QString kopia = kopie.path() + "/kopia.sqlite";
    ASSERT_TRUE(QFile::copy(Plik(), kopia));
    zapisz(Plik(), QByteArray(3000, '\x7f'), 100);  // the schema page
    const QByteArray przed = skrot(Plik());

    TOfertaKopii oferta;
    QString przywrocona;
    oferta.najnowsza = [&](const QString&) { return kopia; };
    oferta.przywroc = [&](const QString& plik, const QString& katalogBazy) {
        EXPECT_EQ(skrot(Plik()), przed);
        przywrocona = plik;
        QFile::rename(Plik(), kopie.path() + "/uszkodzona.sqlite");
        QFile::copy(plik, katalogBazy + PlikBazy);
        return QString();
    };
    fake.Odpowiedz(QMessageBox::Yes);
    EXPECT_TRUE(PolaczNaStarcie(Katalog(), oferta));
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    const QString& pytanie = fake.komunikaty[0].tekst;
    EXPECT_TRUE(pytanie.contains("jest uszkodzony")) << pytanie.toStdString();
    EXPECT_TRUE(pytanie.contains("malformed")) << pytanie.toStdString();
    EXPECT_TRUE(pytanie.contains("kopia.sqlite")) << pytanie.toStdString();
    EXPECT_EQ(fake.komunikaty[0].ikona, TIkona::Pytanie);
    EXPECT_EQ(przywrocona, kopia);
    EXPECT_EQ(skrot(kopie.path() + "/uszkodzona.sqlite"), przed);
    TQuery q;
    OtworzSQL(q, "select Nazwisko from klient");
    EXPECT_EQ(q.FieldByName("Nazwisko").AsString(), "Nowak");
}

// Looking for a sound copy reads every copy: a store that opens never pays for it.
TEST_F(StanBazy, ZdrowaBazaNieSzukaKopii) {
    DobraBaza();
    int szukano = 0;
    TOfertaKopii oferta;
    oferta.najnowsza = [&](const QString&) {
        ++szukano;
        return QString();
    };
    oferta.przywroc = [](const QString&, const QString&) { return QString(); };
    oferta.chwila = [&](const QString&) {
        ++szukano;
        return QDateTime();
    };
    EXPECT_TRUE(PolaczNaStarcie(Katalog(), oferta));
    EXPECT_EQ(szukano, 0);
    EXPECT_TRUE(fake.komunikaty.empty());
}

TEST_F(StanBazy, UszkodzonaBezKopiiKonczyStart) {
    DobraBaza();
    zapisz(Plik(), QByteArray(3000, '\x7f'), 100);
    const QByteArray przed = skrot(Plik());
    TOfertaKopii oferta;
    oferta.najnowsza = [](const QString&) { return QString(); };
    oferta.przywroc = [](const QString&, const QString&) { return QStringLiteral("nie"); };
    EXPECT_FALSE(PolaczNaStarcie(Katalog(), oferta));
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_TRUE(fake.komunikaty[0].tekst.contains("jest uszkodzony"));
    EXPECT_EQ(skrot(Plik()), przed);
}

// A store that cannot be written reads on; each write is refused with the same message
// in Polish, the store's text below it.
TEST_F(StanBazy, ZapisBezPrawaIBezMiejscaOdmowionyTymSamymKomunikatem) {
    TestowaBaza baza;
    TQuery q;
    baza.Wykonaj("insert into klient (ID, Nazwisko) values (1, 'Nowak')");
    baza.Wykonaj("PRAGMA query_only = 1");
    UruchomSQL(q, "update klient set Saldo = 1");
    {
        TTransakcja t;
        UruchomSQL(q, "update klient set Saldo = 2");
        EXPECT_FALSE(t.Zatwierdz());
    }
    OtworzSQL(q, "select Nazwisko from klient");
    EXPECT_EQ(q.FieldByName("Nazwisko").AsString(), "Nowak");
    ASSERT_EQ(fake.komunikaty.size(), 2u);
    EXPECT_EQ(fake.komunikaty[0].tekst, fake.komunikaty[1].tekst);
    const QStringList linie = fake.komunikaty[0].tekst.split('\n');
    ASSERT_EQ(linie.size(), 2);
    EXPECT_TRUE(linie[0].contains("tylko do odczytu")) << linie[0].toStdString();
    EXPECT_EQ(linie[1], "attempt to write a readonly database");

    fake.Wyczysc();
    baza.Wykonaj("PRAGMA query_only = 0");
    const int strony = baza.Ile("PRAGMA page_count");
    baza.Wykonaj(QStringLiteral("PRAGMA max_page_count = %1").arg(strony));
    UruchomSQL(q, "insert into film (Opis) select zeroblob(400000) from klient");
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_TRUE(fake.komunikaty[0].tekst.startsWith("Brak miejsca na dysku"));
    EXPECT_TRUE(fake.komunikaty[0].tekst.endsWith("\ndatabase or disk is full"));
}

// A store in a network folder: told once with the folder and the file system, the start goes
// on; the kind comes from statfs, for FUSE from the mount's type.
TEST_F(StanBazy, FolderSieciowyOstrzezenieIStartDalej) {
    const struct {
        TSystemPlikow system;
        const char* siec;
    } przypadki[] = {
        {{0x6969, "nfs4"}, "NFS"},
        {{0xFF534D42, "cifs"}, "SMB/CIFS"},
        {{0xFE534D42, "smb3"}, "SMB/CIFS"},
        {{0x517B, "smbfs"}, "SMB/CIFS"},
        {{0x65735546, "fuse.sshfs"}, "sshfs"},
        {{0x65735546, "fuseblk"}, ""},
        {{0xEF53, "ext4"}, ""},
        {{0x01021994, "tmpfs"}, ""},
        {{0, "nfs"}, "NFS"},
        {{0, ""}, ""},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(SiecowySystemPlikow(p.system), p.siec) << p.system.nazwa.toStdString();

    UstawSystemPlikow([](const QString&) { return TSystemPlikow{0x6969, "nfs4"}; });
    EXPECT_TRUE(PolaczNaStarcie(Katalog(), {}));
    UstawSystemPlikow({});
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_EQ(fake.komunikaty[0].ikona, TIkona::Ostrzezenie);
    EXPECT_TRUE(fake.komunikaty[0].tekst.contains("w folderze sieciowym (NFS)"));
    EXPECT_TRUE(fake.komunikaty[0].tekst.contains(QDir::toNativeSeparators(katalog.path())));
    EXPECT_NE(TBaza::Aktywna(), nullptr);

    // The test's own folder is local: nothing told.
    fake.Wyczysc();
    EXPECT_TRUE(PolaczNaStarcie(Katalog(), {}));
    EXPECT_TRUE(fake.komunikaty.empty());
}
