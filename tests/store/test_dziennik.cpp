// The technician's error log: the errors shown, each on one line with the system clock's
// moment; the other messages not; the size kept small; a folder that cannot be written
// skipped without a word.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
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
    ~Dziennik() override {
        UstawKatalogDziennika({});
        TBaza::Rozlacz();
    }
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
    const QDateTime przed = QDateTime::currentDateTime().addMSecs(-1000);
    TestowaBaza baza;  // fixes the program's "today" far from the system clock's
    TQuery q;
    BladOgolny("Nie można zapisać pliku.\r\n\nDysk jest pełny.\n");
    Ostrzezenie("Niepoprawna wartość.");
    Informacja("Kopia zapisana.");
    Uwaga("Program jest już uruchomiony.");
    fake.Odpowiedz(QMessageBox::Yes);
    Pytanie("Czy zapisać zmiany?", true);
    UruchomSQL(q, "select Nic from brak_tabeli");
    const QDateTime po = QDateTime::currentDateTime();

    ASSERT_EQ(fake.komunikaty.size(), 6u) << "the log shows nothing of its own";
    const QStringList wiersze = Wiersze();
    ASSERT_EQ(wiersze.size(), 2) << Tresc().toStdString();
    static const QRegularExpression ksztalt(
        "^(\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d) \\[([^\\]]+)\\] (.*)$");
    const auto m0 = ksztalt.match(wiersze[0]);
    ASSERT_TRUE(m0.hasMatch()) << wiersze[0].toStdString();
    const QDateTime chwila = QDateTime::fromString(m0.captured(1), "yyyy-MM-dd HH:mm:ss");
    EXPECT_TRUE(chwila >= przed && chwila <= po) << m0.captured(1).toStdString();
    EXPECT_EQ(m0.captured(2), WpisBledu);
    EXPECT_EQ(m0.captured(3), "Nie można zapisać pliku. | Dysk jest pełny.");

    const auto m1 = ksztalt.match(wiersze[1]);
    ASSERT_TRUE(m1.hasMatch()) << wiersze[1].toStdString();
    EXPECT_EQ(m1.captured(2), WpisBleduBazy);
    EXPECT_EQ(m1.captured(3), fake.komunikaty[5].tekst.replace('\n', " | "));
    EXPECT_TRUE(m1.captured(3).contains("brak_tabeli")) << m1.captured(3).toStdString();
}

// The store-fault message at start is logged though it asks whether to take a copy.
TEST_F(Dziennik, WadaBazyNaStarcieZapisanaTakzeJakoPytanie) {
    QFile plik(Katalog() + PlikBazy);
    ASSERT_TRUE(plik.open(QIODevice::WriteOnly));
    plik.write(QByteArray(5000, 'x'));
    plik.close();
    TOfertaKopii oferta;
    oferta.najnowsza = [](const QString&) { return QStringLiteral("/kopie/kopia.sqlite"); };
    oferta.przywroc = [](const QString&, const QString&) { return QString(); };
    fake.Odpowiedz(QMessageBox::No);
    EXPECT_FALSE(PolaczNaStarcie(Katalog(), oferta));
    const QStringList wiersze = Wiersze();
    ASSERT_EQ(wiersze.size(), 1);
    EXPECT_TRUE(wiersze[0].contains("[" + WpisWadyBazy + "] Plik „wirdolan.sqlite”"))
        << wiersze[0].toStdString();
    EXPECT_TRUE(wiersze[0].contains(" | file is not a database | Najnowsza kopia"))
        << wiersze[0].toStdString();
}

// Past the size the log moves aside, replacing the older file; the new one starts with the
// line that did not fit, and neither grows past the size.
TEST_F(Dziennik, RozmiarOgraniczonyJednymStarszymPlikiem) {
    {
        QFile stary(Katalog() + PlikDziennika + ".1");
        ASSERT_TRUE(stary.open(QIODevice::WriteOnly));
        stary.write("najstarszy\n");
    }
    const QString tekst = QString(1000, 'a');
    const qint64 dlugosc =
        WierszDziennika(QDateTime::currentDateTime(), WpisBledu, tekst).toUtf8().size();
    const int mieszczacych = int(RozmiarDziennika / dlugosc);
    for (int i = 0; i < mieszczacych; ++i) ZapiszWDzienniku(WpisBledu, tekst);
    const QByteArray pelny = Tresc();
    EXPECT_EQ(pelny.size(), mieszczacych * dlugosc);
    EXPECT_EQ(Tresc(PlikDziennika + ".1"), "najstarszy\n");

    ZapiszWDzienniku(WpisBledu, "ostatni");
    EXPECT_EQ(Tresc(PlikDziennika + ".1"), pelny);
    EXPECT_TRUE(Tresc().endsWith("[Błąd] ostatni\n"));
    EXPECT_EQ(Wiersze().size(), 1);
    EXPECT_FALSE(QFile::exists(Katalog() + PlikDziennika + ".2"));
}

// A folder that cannot be written (here: a file where the folder should be) logs nothing
// and adds no message of its own.
TEST_F(Dziennik, FolderBezZapisuPomijanyBezKomunikatu) {
    QFile zajety(Katalog() + "Bazy");
    ASSERT_TRUE(zajety.open(QIODevice::WriteOnly));
    zajety.close();
    UstawKatalogDziennika(Katalog() + "Bazy");
    BladOgolny("Nieoczekiwany błąd programu.");
    KomunikatBledu("disk I/O error");
    EXPECT_EQ(fake.komunikaty.size(), 2u);
    EXPECT_EQ(QFileInfo(zajety).size(), 0);
    EXPECT_FALSE(QFile::exists(Katalog() + PlikDziennika));
}
