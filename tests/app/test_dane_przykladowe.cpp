// The demo shop written at the desk: an empty store becomes a believable shop that keeps
// the store's rules; a store with clients or films is refused.
#include <QDir>
#include <QFile>
#include <QLabel>

#include "admin/SklepPrzykladowy.h"
#include "admin/SprawdzenieBazy.h"
#include "store/Baza.h"
#include "store/Godzina.h"
#include "store/TQuery.h"
#include "test_panele_pulpit.h"

namespace {

class DanePrzykladowe : public PulpitPaneli {
protected:
    DanePrzykladowe() {
        QDir().mkpath(folder + "Config");
        for (const char* lista : {"miasta.wdn", "gatunek.wdn", "nosnik.wdn"})
            QFile::copy(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../Config/") + lista,
                        folder + "Config/" + lista);
    }
    int Ile(const QString& sql) {
        TQuery q;
        q.UstawSQL(QStringLiteral("select (") + sql + QStringLiteral(") ile"));
        q.Open();
        return q.FieldByName("ile").AsInteger();
    }
    void Wczytaj() { fMain->findChild<QAction*>("miDanePrzykladowe")->trigger(); }
};

}  // namespace

TEST_F(DanePrzykladowe, PustaBazaStajeSieWypozyczalnia) {
    Uruchom();
    // An empty store: the ways to begin are shown where the lists will be.
    auto* kroki = fMain->findChild<QLabel*>("lPierwszeKroki");
    ASSERT_NE(kroki, nullptr);
    EXPECT_FALSE(kroki->isHidden());
    EXPECT_TRUE(kroki->text().contains("Wypróbuj na danych przykładowych"));
    fake.Odpowiedz(QMessageBox::Yes);
    Wczytaj();
    EXPECT_TRUE(kroki->isHidden());
    // The demo shop's tariff, a subscription fee among it.
    EXPECT_EQ(Ile("select count(*) from dictionary where Nazwa = 'K_ABONAMENT' and Wartosc = '30'"),
              1);
    ASSERT_EQ(fake.komunikaty.size(), 2u) << fake.komunikaty.back().tekst.toStdString();
    EXPECT_EQ(fake.komunikaty[0].tekst, PytanieODanePrzykladowe);
    EXPECT_TRUE(fake.komunikaty[1].tekst.startsWith("Wczytano dane przykładowe: klientów 60"))
        << fake.komunikaty[1].tekst.toStdString();
    EXPECT_EQ(Dzisiaj(), Wtorek());
    EXPECT_FALSE(UstalonaGodzina().isValid()) << "the time of day is left fixed";

    EXPECT_EQ(Ile("select count(*) from klient"), 60);
    EXPECT_GE(Ile("select count(*) from klient where Aktualny = False"), 2);
    EXPECT_GE(Ile("select count(*) from klient where Abonament = True"), 3);
    EXPECT_GE(Ile("select count(*) from film"), 280);
    EXPECT_GE(Ile("select count(*) from film where Aktualny = False"), 3);
    // Films out, some overdue, some returned films not paid for in full.
    const int otwarte = Ile("select count(*) from rental where zwrocono = False");
    EXPECT_GT(otwarte, 5);
    EXPECT_GT(Ile("select count(*) from rental where zwrocono = False and dataDO < \"05.03.2024\""),
              2);
    EXPECT_GT(Ile("select count(*) from rental where zwrocono = True and Platnosc1 <> 0"), 2);
    EXPECT_GT(Ile("select count(*) from rental where zwrocono = True"), 300);
    // The store check finds nothing wrong.
    EXPECT_EQ(RaportSprawdzenia(SprawdzBaze(TBaza::Aktywna()->Uchwyt())), BrakBledow);
    // A film is out exactly when one open rental holds it.
    EXPECT_EQ(Ile("select count(*) from film where Status = False"), otwarte);
    EXPECT_EQ(Ile("select count(*) from (select id_filmu from rental where zwrocono = False "
                  "group by id_filmu having count(*) > 1)"),
              0);
    EXPECT_EQ(Ile("select count(*) from rental where dataOD < \"06.12.2023\" or dataOD > "
                  "\"05.03.2024\""),
              0);
    // Every copy carries the day it was entered, before its shop's first rental.
    EXPECT_EQ(Ile("select count(*) from film where DataWprowadzenia is null or "
                  "DataWprowadzenia > (select min(dataOD) from rental)"),
              0);
    // The till journal's operations happen in the opening hours, in order within a day.
    EXPECT_EQ(Ile("select count(*) from kasa where Czas < '10:00:00' or Czas > '20:00:00'"), 0);
    EXPECT_GT(Ile("select count(distinct Czas) from kasa"), 20);
    EXPECT_EQ(Ile("select count(*) from kasa a, kasa b where a.Data = b.Data and a.ID < b.ID "
                  "and a.Czas > b.Czas"),
              0);
    // The desk is left with nothing chosen and the new clients in its list.
    EXPECT_EQ(k<QComboBox>("cbKlient")->count(),
              Ile("select count(*) from klient where Aktualny = True"));
    EXPECT_TRUE(k<QLineEdit>("eKlientNr")->text().isEmpty());
}

TEST_F(DanePrzykladowe, BazaZKlientemLubFilmemNieJestZmieniana) {
    PrzedStartem(
        {"insert into film (Numer_filmu, Tytul_oryginalny, Aktualny, Status) values "
         "(1, 'Vabank', 0, 1)"});
    Uruchom();
    Wczytaj();
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_EQ(fake.komunikaty[0].tekst, BazaNiePusta);
    EXPECT_EQ(Ile("select count(*) from film"), 1);
    EXPECT_EQ(Ile("select count(*) from klient"), 0);
}

TEST_F(DanePrzykladowe, OdmowaNaPytanieNiczegoNieZapisuje) {
    Uruchom();
    fake.Odpowiedz(QMessageBox::No);
    Wczytaj();
    EXPECT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_EQ(Ile("select count(*) from klient"), 0);
    EXPECT_EQ(Ile("select count(*) from film"), 0);
}
