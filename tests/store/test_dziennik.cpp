// The technician's error log: the errors shown, one line each with the system clock's
// moment, and nothing else; its size kept; a folder that cannot be written skipped.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "store/Baza.h"
#include "store/Dziennik.h"
#include "store/StanBazy.h"
#include "store/TQuery.h"
#include "store/uWspolneDB.h"
#include "support/FakeInterakcja.h"
#include "support/TestowaBaza.h"

namespace {

class Dziennik : public ::testing::Test {
protected:
    Dziennik() { UstawKatalogDziennika(Katalog()); }
    ~Dziennik() override { UstawKatalogDziennika({}); }
    QString Katalog() const { return katalog.path() + '/'; }
    QByteArray Tresc(const QString& nazwa = PlikDziennika) const {
        QFile f(Katalog() + nazwa);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList Wiersze() const {
        return QString::fromUtf8(Tresc()).split('\n', Qt::SkipEmptyParts);
    }
    QTemporaryDir katalog;
    FakeInterakcja fake;
};

}  // namespace

TEST_F(Dziennik, BledyZapisaneZChwilaOstrzezeniaIPytaniaNie) {
    const QDateTime przed = QDateTime::currentDateTime().addSecs(-1);
    TestowaBaza baza;  // the program's "today" fixed far from the system clock's
    TQuery q;
    BladOgolny("Nie można zapisać pliku.\r\n\nDysk jest pełny.\n");
    Ostrzezenie("Niepoprawna wartość.");
    Uwaga("Program jest już uruchomiony.");
    fake.Odpowiedz(QMessageBox::Yes);
    Pytanie("Czy zapisać zmiany?", true);
    UruchomSQL(q, "select Nic from brak_tabeli");
    ASSERT_EQ(fake.komunikaty.size(), 5u) << "the log shows nothing of its own";
    const QStringList w = Wiersze();
    ASSERT_EQ(w.size(), 2) << Tresc().toStdString();
    const QDateTime chwila = QDateTime::fromString(w[0].left(19), "yyyy-MM-dd HH:mm:ss");
    EXPECT_TRUE(chwila >= przed && chwila <= QDateTime::currentDateTime()) << w[0].toStdString();
    EXPECT_EQ(w[0].mid(19), " [Błąd] Nie można zapisać pliku. | Dysk jest pełny.");
    EXPECT_EQ(w[1].mid(19), " [Błąd bazy] " + fake.komunikaty[4].tekst.replace('\n', " | "));
    EXPECT_TRUE(w[1].contains("brak_tabeli")) << w[1].toStdString();
}

// The store-fault message at start is logged though it asks whether to take a copy.
TEST_F(Dziennik, WadaBazyNaStarcieZapisanaTakzeJakoPytanie) {
    QFile plik(Katalog() + PlikBazy);
    ASSERT_TRUE(plik.open(QIODevice::WriteOnly) && plik.write(QByteArray(5000, 'x')));
    plik.close();
    TOfertaKopii oferta{[](const QString&) { return QStringLiteral("/kopie/kopia.sqlite"); },
                        [](const QString&, const QString&) { return QString(); },
                        {}};
    fake.Odpowiedz(QMessageBox::No);
    EXPECT_FALSE(PolaczNaStarcie(Katalog(), oferta));
    ASSERT_EQ(Wiersze().size(), 1);
    EXPECT_TRUE(Wiersze()[0].contains("[Wada bazy] Plik „wirdolan.sqlite”"));
    EXPECT_TRUE(Wiersze()[0].contains(" | file is not a database | Najnowsza kopia"));
}

// Past the size the log replaces the one older file and starts anew with the line that did
// not fit.
TEST_F(Dziennik, RozmiarOgraniczonyJednymStarszymPlikiem) {
    QFile stary(Katalog() + PlikDziennika + ".1");
    ASSERT_TRUE(stary.open(QIODevice::WriteOnly) && stary.write("najstarszy\n"));
    stary.close();
    const QString tekst(1000, 'a');
    const qint64 dlugosc =
        WierszDziennika(QDateTime::currentDateTime(), WpisBledu, tekst).toUtf8().size();
    for (qint64 i = 0; i < RozmiarDziennika / dlugosc; ++i) ZapiszWDzienniku(WpisBledu, tekst);
    const QByteArray pelny = Tresc();
    EXPECT_EQ(pelny.size(), RozmiarDziennika / dlugosc * dlugosc);
    EXPECT_EQ(Tresc(PlikDziennika + ".1"), "najstarszy\n");
    ZapiszWDzienniku(WpisBledu, "ostatni");
    EXPECT_EQ(Tresc(PlikDziennika + ".1"), pelny);
    EXPECT_EQ(Wiersze().size(), 1);
    EXPECT_TRUE(Tresc().endsWith("[Błąd] ostatni\n"));
}

// A folder that cannot be written (a file stands where it should be) logs nothing and adds
// no message of its own.
TEST_F(Dziennik, FolderBezZapisuPomijanyBezKomunikatu) {
    QFile zajety(Katalog() + "Bazy");
    ASSERT_TRUE(zajety.open(QIODevice::WriteOnly));
    zajety.close();
    UstawKatalogDziennika(zajety.fileName());
    BladOgolny("Nieoczekiwany błąd programu.");
    KomunikatBledu("disk I/O error");
    EXPECT_EQ(fake.komunikaty.size(), 2u);
    EXPECT_EQ(zajety.size(), 0);
    EXPECT_FALSE(QFile::exists(Katalog() + PlikDziennika));
}
