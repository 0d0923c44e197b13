// The store's dialog: the saved choice shown, the fields checked before saving, the server's
// fields only for the server, the trial connection told in Polish.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "admin/uBazaDanych.h"
#include "app/test_panele_pulpit.h"
#include "store/PlikUstawien.h"
#include "support/FakeInterakcja.h"

namespace {

class BazaDanych : public ::testing::Test {
protected:
    BazaDanych() { UstawPlikUstawienProgramu(katalog.filePath(QStringLiteral("w.ini"))); }
    ~BazaDanych() override { UstawPlikUstawienProgramu(QString()); }

    template <typename T = QLineEdit>
    static T* k(TfBazaDanych& okno, const char* nazwa) {
        T* w = okno.findChild<T*>(nazwa);
        EXPECT_NE(w, nullptr) << nazwa;
        return w;
    }

    QTemporaryDir katalog;
    FakeInterakcja fake;
};

TEST_F(BazaDanych, PolaSprawdzanePrzedZapisem) {
    struct Przypadek {
        bool serwer;
        QString eSerwer, ePort, eBaza, eStanowisko;
        const char* pole;  // the field refused; nullptr: saved
    };
    const QMap<QString, QString> teksty{{"eSerwer", "Podaj nazwę lub adres serwera bazy danych."},
                                        {"ePort", "Niepoprawny numer portu."},
                                        {"eBaza", "Podaj nazwę bazy danych na serwerze."},
                                        {"eStanowisko", "Podaj nazwę tego stanowiska."}};
    const Przypadek przypadki[] = {
        {true, "  ", "5432", "wirdolan", "Lada 1", "eSerwer"},
        {true, "serwer", "0", "wirdolan", "Lada 1", "ePort"},
        {true, "serwer", "65536", "wirdolan", "Lada 1", "ePort"},
        {true, "serwer", "54x", "wirdolan", "Lada 1", "ePort"},
        {true, "serwer", "", "wirdolan", "Lada 1", "ePort"},
        {true, "serwer", "5432", " ", "Lada 1", "eBaza"},
        {true, "serwer", "5432", "wirdolan", " ", "eStanowisko"},
        {false, "", "54x", "", "", "eStanowisko"},
        {true, "serwer", "65535", "wirdolan", "Lada 1", nullptr},
        {false, "", "", "", "Lada 1", nullptr},  // a file store: the server's fields unused
    };
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE(
            (p.eSerwer + '|' + p.ePort + '|' + p.eBaza + '|' + p.eStanowisko).toStdString());
        QFile::remove(PlikUstawienProgramu());
        fake.Wyczysc();
        TfBazaDanych okno;
        okno.show();
        k<QRadioButton>(okno, p.serwer ? "rbSerwer" : "rbPlik")->setChecked(true);
        k(okno, "eSerwer")->setText(p.eSerwer);
        k(okno, "ePort")->setText(p.ePort);
        k(okno, "eBaza")->setText(p.eBaza);
        k(okno, "eStanowisko")->setText(p.eStanowisko);
        k<QPushButton>(okno, "bZapisz")->click();
        if (!p.pole) {
            EXPECT_TRUE(fake.komunikaty.empty());
            EXPECT_EQ(okno.result(), QDialog::Accepted);
            EXPECT_EQ(AdresZWyboru(WczytajWyborBazy()), AdresZWyboru(okno.Wybor()));
            EXPECT_EQ(WczytajWyborBazy().Stanowisko, QStringLiteral("Lada 1"));
            continue;
        }
        ASSERT_EQ(fake.komunikaty.size(), 1u);
        EXPECT_EQ(fake.komunikaty[0].tytul, QStringLiteral("Ostrzeżenie"));
        EXPECT_TRUE(fake.komunikaty[0].tekst.startsWith(teksty.value(p.pole)))
            << fake.komunikaty[0].tekst.toStdString();
        EXPECT_EQ(okno.focusWidget(), k(okno, p.pole));
        EXPECT_NE(okno.result(), QDialog::Accepted);
        EXPECT_TRUE(WczytajGrupeUstawien(GrupaBazy).isEmpty()) << "nothing saved";
        EXPECT_EQ(k(okno, "eSerwer")->text(), p.eSerwer) << "the fields stay as typed";
    }
}

TEST_F(BazaDanych, ZapisanyWyborWPolachSerwerTylkoDlaSerwera) {
    const TWyborBazy w{TRodzajBazy::Serwer, "serwer", 5433, "sklep", "kasa", false, "Lada 2"};
    ASSERT_TRUE(ZapiszWyborBazy(w));
    TfBazaDanych okno;
    EXPECT_EQ(okno.Wybor(), w);
    k(okno, "eStanowisko")->setText(QStringLiteral("Lada 3"));
    EXPECT_FALSE(okno.ZmienionaBaza()) << "the counter's name is not the store";
    EXPECT_TRUE(k<QGroupBox>(okno, "gbSerwer")->isEnabled());
    k<QRadioButton>(okno, "rbPlik")->setChecked(true);
    EXPECT_FALSE(k<QGroupBox>(okno, "gbSerwer")->isEnabled());
    EXPECT_TRUE(okno.ZmienionaBaza());
}

TEST_F(BazaDanych, SprawdzenieMowiWynikINicNieZapisuje) {
    TfBazaDanych okno;
    k<QRadioButton>(okno, "rbSerwer")->setChecked(true);
    // A socket folder that does not exist: refused at once.
    const QString brak = katalog.filePath(QStringLiteral("brak"));
    k(okno, "eSerwer")->setText(brak);
    k<QPushButton>(okno, "bSprawdz")->click();
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_EQ(fake.komunikaty[0].ikona, TIkona::Ostrzezenie);
    EXPECT_TRUE(fake.komunikaty[0].tekst.startsWith(
        QStringLiteral("Nie można połączyć się z serwerem bazy danych (%1:5432/wirdolan).")
            .arg(brak)));
    EXPECT_TRUE(WczytajGrupeUstawien(GrupaBazy).isEmpty());
}

// From the desk's menu: another store saved is connected by the next start; the program
// offers to end now.
class BazaDanychZPulpitu : public PulpitPaneli {
protected:
    BazaDanychZPulpitu() { UstawPlikUstawienProgramu(folder + "w.ini"); }
    ~BazaDanychZPulpitu() override { UstawPlikUstawienProgramu(QString()); }
};

TEST_F(BazaDanychZPulpitu, InnaBazaZapisanaPytaOZakonczenie) {
    Uruchom();
    const auto zapisz = [](bool serwer) {
        return [serwer](QDialog& okno) {
            okno.findChild<QRadioButton*>(serwer ? "rbSerwer" : "rbPlik")->setChecked(true);
            okno.findChild<QLineEdit*>("eSerwer")->setText("serwer.sklep");
            okno.findChild<QPushButton*>("bZapisz")->click();
            return okno.result();
        };
    };
    // The counter's name only: nothing to ask.
    fake.PrzyOknie(zapisz(false));
    fMain->findChild<QAction*>("miBazaDanych")->trigger();
    EXPECT_TRUE(fake.komunikaty.empty());
    // The server: asked, and the desk stays on No.
    fake.PrzyOknie(zapisz(true));
    fake.Odpowiedz(QMessageBox::No);
    fMain->findChild<QAction*>("miBazaDanych")->trigger();
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_TRUE(fake.komunikaty[0].tekst.startsWith(
        QStringLiteral("Zapisano wybór bazy danych. Program połączy się z nią po ponownym "
                       "uruchomieniu.")));
    EXPECT_EQ(WczytajWyborBazy().Rodzaj, TRodzajBazy::Serwer);
    EXPECT_EQ(TBaza::Aktywna()->Rodzaj(), TRodzajBazy::Plik) << "the desk works on as it was";
}

}  // namespace
