// The write functions of the desk's operations, on a store without any window.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <future>
#include <thread>

#include "SklepZapisu.h"
#include "money/Zapis.h"
#include "store/Formaty.h"
#include "store/PlikUstawien.h"
#include "store/TQuery.h"
#include "support/FakeInterakcja.h"
#include "support/Kwoty.h"
#include "support/TestowaBaza.h"

namespace {

class Zapis : public SklepZapisu {
protected:
    QVariant Rental(int film, const char* kolumna) {
        return baza.Wartosc(QStringLiteral("select %1 from rental where id_filmu = %2")
                                .arg(QLatin1String(kolumna))
                                .arg(film));
    }
    QVariant Klient(const char* kolumna) {
        return baza.Wartosc(
            QStringLiteral("select %1 from klient where ID = 1").arg(QLatin1String(kolumna)));
    }
    bool NaPolce(int film) {
        return baza.Ile(QStringLiteral("select Status from film where ID = %1").arg(film)) == 1;
    }
    // The till journal's rows in their order ("Rodzaj Kwota Opis").
    static std::vector<QString> Kasa() {
        TQuery q;
        q.UstawSQL(QStringLiteral("select * from kasa order by ID"));
        q.Open();
        std::vector<QString> w;
        for (; q.Active() && !q.Eof(); q.Next())
            w.push_back(q.FieldByName("Rodzaj").AsString() + " " +
                        KwotaNaEkran(q.FieldByName("Kwota").AsKwota()) + " " +
                        q.FieldByName("Opis").AsString());
        return w;
    }
    void Zablokuj(const char* tabela) { baza.Zablokuj("update", tabela, "Zapis zablokowany"); }
};

}  // namespace

TEST_F(Zapis, WypozyczenieKredytWierszeIKlient) {
    // This counter's name, as its settings file keeps it, goes with the till's row.
    QTemporaryDir katalog;
    UstawPlikUstawienProgramu(katalog.filePath("w.ini"));
    ASSERT_TRUE(
        ZapiszGrupeUstawien("BAZA", {{"Stanowisko", QString::fromUtf8("Kasa „2” O'Neil")}}));
    const TDaneWypozyczenia d = Koszyk();
    const TPrzedWypozyczeniem przed = PrzygotujWypozyczenie(d);
    const TWynikWypozyczenia wynik = RozliczWypozyczenie(d, przed, 5.00_zl);
    ASSERT_TRUE(ZapiszWypozyczenie(1, d, przed, wynik, "0001, 0002"));
    UstawPlikUstawienProgramu(QString());
    EXPECT_TRUE(fake.komunikaty.empty());
    EXPECT_EQ(Kasa(), std::vector<QString>{"Wypożyczenie 5,00 0001, 0002"});
    EXPECT_EQ(baza.Wartosc("select Stanowisko from kasa").toString(),
              QString::fromUtf8("Kasa „2” O'Neil"));
    EXPECT_EQ(baza.Ile("select count(*) from rental where zwrocono = False and id_klienta = 1"), 2);
    EXPECT_KWOTA(TKwota::ZeZlotych(Rental(1, "platnosc").toDouble()), 0_zl);
    EXPECT_KWOTA(TKwota::ZeZlotych(Rental(2, "platnosc").toDouble()), 2.00_zl);
    EXPECT_KWOTA(TKwota::ZeZlotych(Rental(1, "stawka").toDouble()), 3.00_zl);
    EXPECT_EQ(Rental(1, "dataDO").toString(), "2024-03-07");
    EXPECT_FALSE(NaPolce(1));
    EXPECT_FALSE(NaPolce(2));
    EXPECT_TRUE(NaPolce(3));
    // The credit of 4,00 spent, then 2,00 left unpaid charged to the balance.
    EXPECT_KWOTA(TKwota::ZeZlotych(Klient("Saldo").toDouble()), -2.00_zl);
    EXPECT_EQ(Klient("Ostatnie_wypozyczenie").toString(), "2024-03-05");
    EXPECT_EQ(Klient("LicznikAb").toInt(), 2);
}

TEST_F(Zapis, WypozyczenieOtwartegoFilmuPoprawiaJegoPlatnosc) {
    Otwarte(1, "2024-03-05", "2024-03-07", 6.00, 6.00);
    TDaneWypozyczenia d = Koszyk();
    d.Saldo = 0_zl;
    const TPrzedWypozyczeniem przed = PrzygotujWypozyczenie(d);
    ASSERT_TRUE(ZapiszWypozyczenie(1, d, przed, RozliczWypozyczenie(d, przed, 6.00_zl), "0001"));
    EXPECT_EQ(baza.Ile("select count(*) from rental where id_filmu = 1"), 1);
    EXPECT_KWOTA(TKwota::ZeZlotych(Rental(1, "platnosc").toDouble()), 0_zl);
    EXPECT_KWOTA(TKwota::ZeZlotych(Rental(2, "platnosc").toDouble()), 5.00_zl);
}

TEST_F(Zapis, BladWypozyczeniaNieZostawiaNiczego) {
    Zablokuj("klient");
    const TDaneWypozyczenia d = Koszyk();
    const TPrzedWypozyczeniem przed = PrzygotujWypozyczenie(d);
    EXPECT_FALSE(ZapiszWypozyczenie(1, d, przed, RozliczWypozyczenie(d, przed, 7.00_zl), "0001"));
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_TRUE(fake.komunikaty[0].tekst.contains("Zapis zablokowany"));
    EXPECT_EQ(baza.Ile("select count(*) from rental"), 0);
    EXPECT_TRUE(NaPolce(1));
    EXPECT_KWOTA(TKwota::ZeZlotych(Klient("Saldo").toDouble()), 4.00_zl);
    EXPECT_TRUE(Kasa().empty()) << "the journal goes with the operation";
}

TEST_F(Zapis, NadplataWypozyczeniaWracaDoKlientaWKasie) {
    const TDaneWypozyczenia d = Koszyk();
    const TPrzedWypozyczeniem przed = PrzygotujWypozyczenie(d);
    const TWynikWypozyczenia wynik = RozliczWypozyczenie(d, przed, 10.00_zl);
    ASSERT_TRUE(wynik.Nadplata);
    ASSERT_TRUE(ZapiszWypozyczenie(1, d, przed, wynik, "0001, 0002"));
    EXPECT_EQ(Kasa(), (std::vector<QString>{"Wypożyczenie 10,00 0001, 0002",
                                            "Wypożyczenie -3,00 0001, 0002"}));
}

TEST_F(Zapis, ZwrotCzytaTerminyIZamykaWypozyczenie) {
    Otwarte(1, "2024-03-01", "2024-03-03", 7.50, 7.50);
    Otwarte(2, "2024-03-01", "2024-03-08", 5.00, 5.00);
    baza.Wykonaj("update klient set Saldo = -12.5 where ID = 1");  // as the desk shows it
    TDaneZwrotu dane;
    dane.Pierwszy = dane.Ostatni = 0;
    dane.Saldo = -12.50_zl;
    dane.Dzisiaj = Dzis;
    const std::vector<TWierszListy> lista = {{1, 7.50_zl, 2, 5.00_zl}, {2, 5.00_zl, 7, 5.00_zl}};
    ASSERT_TRUE(WczytajDoZwrotu(1, lista, dane));
    EXPECT_KWOTA(dane.SumaPlatnosci, 12.50_zl);
    ASSERT_EQ(dane.Wiersze.size(), 2u);
    EXPECT_EQ(dane.Wiersze[0].DataDO, QDate(2024, 3, 3));
    EXPECT_KWOTA(dane.Wiersze[1].Stawka, 5.00_zl);

    const TPrzedZwrotem przed = PrzygotujZwrot(dane);
    const TWynikZwrotu wynik = RozliczZwrot(dane, przed, przed.Wplata.Kwota);
    ASSERT_TRUE(ZapiszZwrot(1, dane, przed, wynik, "0001"));
    EXPECT_EQ(Kasa(), std::vector<QString>{"Zwrot " + KwotaNaEkran(przed.Wplata.Kwota) + " 0001"});
    EXPECT_EQ(Rental(1, "zwrocono").toInt(), 1);
    EXPECT_EQ(Rental(1, "dataZwrotu").toString(), "2024-03-05");
    EXPECT_KWOTA(TKwota::ZeZlotych(Rental(1, "naleznosc").toDouble()), wynik.Wiersze[0].Naleznosc);
    EXPECT_KWOTA(TKwota::ZeZlotych(Rental(1, "platnosc1").toDouble()), 0_zl);
    EXPECT_TRUE(NaPolce(1));
    EXPECT_EQ(baza.Ile("select Ilosc_wypozyczen from film where ID = 1"), 1);
    EXPECT_KWOTA(TKwota::ZeZlotych(baza.Wartosc("select Wplywy from film where ID = 1").toDouble()),
                 wynik.Wiersze[0].Wplywy);
    EXPECT_EQ(Rental(2, "zwrocono").toInt(), 0);
    EXPECT_KWOTA(TKwota::ZeZlotych(Rental(2, "platnosc").toDouble()), wynik.Wiersze[1].Platnosc);
    EXPECT_KWOTA(TKwota::ZeZlotych(Klient("Saldo").toDouble()), wynik.Saldo);
    EXPECT_EQ(Klient("Licznik").toInt(), 1);

    // A listed rental no longer open: nothing to write.
    EXPECT_FALSE(WczytajDoZwrotu(1, lista, dane));
}

TEST_F(Zapis, WycofanieUsuwaWypozyczenieIRozkladaWplate) {
    Otwarte(1, "2024-03-05", "2024-03-07", 6.00, 0);
    Otwarte(2, "2024-03-05", "2024-03-06", 5.00, 5.00);
    const TWynikWycofania wynik = RozliczWycofanie(WycofaniePierwszego());
    ASSERT_TRUE(wynik.Nadplata);
    ASSERT_TRUE(ZapiszWycofanie(1, wynik, "0001"));
    EXPECT_EQ(Kasa(),
              std::vector<QString>{"Wycofanie " + KwotaNaEkran(-wynik.Nadplata->Kwota) + " 0001"});
    EXPECT_EQ(baza.Ile("select count(*) from rental where id_filmu = 1"), 0);
    EXPECT_TRUE(NaPolce(1));
    EXPECT_FALSE(NaPolce(2));
    EXPECT_KWOTA(TKwota::ZeZlotych(Rental(2, "platnosc").toDouble()), 0_zl);
    EXPECT_KWOTA(TKwota::ZeZlotych(Klient("Saldo").toDouble()), wynik.Saldo);
    EXPECT_EQ(Klient("LicznikAb").toInt(), 1);
}

TEST_F(Zapis, PrzedluzenieTylkoWskazanychWierszy) {
    Otwarte(1, "2024-03-04", "2024-03-05", 5.00, 5.00);
    Otwarte(2, "2024-03-04", "2024-03-05", 5.00, 5.00);
    baza.Wykonaj("update klient set Saldo = -10 where ID = 1");  // as the desk shows it
    EXPECT_FALSE(PoczatekPrzedluzenia(2)) << "a client without open rentals";
    TDanePrzedluzenia d;
    d.Wiersze = {{1, 5.00_zl, 1, 5.00_zl}, {2, 5.00_zl, 1, 5.00_zl}};
    d.Pierwszy = d.Ostatni = 1;
    d.IloscDni = 2;
    d.Dzisiaj = Dzis;
    d.Razem = 10.00_zl;
    d.Saldo = -10.00_zl;
    d.DataOD = PoczatekPrzedluzenia(1).value_or(QDate());
    ASSERT_EQ(d.DataOD, QDate(2024, 3, 4));
    const TPrzedPrzedluzeniem przed = PrzygotujPrzedluzenie(d);
    const TWynikPrzedluzenia wynik = RozliczPrzedluzenie(d, przed, 4.00_zl);
    ASSERT_TRUE(ZapiszPrzedluzenie(1, d, przed, wynik, "0002"));
    EXPECT_EQ(Kasa(), std::vector<QString>{"Przedłużenie 4,00 0002"});
    EXPECT_EQ(Rental(1, "dataDO").toString(), "2024-03-05");
    EXPECT_EQ(Rental(2, "dataDO").toString(), "2024-03-07");
    EXPECT_KWOTA(TKwota::ZeZlotych(Rental(2, "naleznosc").toDouble()), przed.Naleznosci[1]);
    EXPECT_KWOTA(TKwota::ZeZlotych(Rental(2, "platnosc").toDouble()), wynik.Wiersze[1].Platnosc);
    EXPECT_KWOTA(TKwota::ZeZlotych(Klient("Saldo").toDouble()), wynik.Saldo);
}

TEST_F(Zapis, ZaleglosciPoKluczuZDataZwrotuLubBez) {
    const std::vector<TZaleglosc> wiersze = DwieZaleglosci();
    const TOcenaWplatyZaleglosci ocena = OcenWplateZaleglosci(3.50_zl, 2.50_zl);
    const TWynikZaleglosci wynik = RozliczZaleglosci({2.00_zl, 1.50_zl}, ocena.Wplata);
    ASSERT_TRUE(ZapiszZaleglosci(1, wiersze, ocena, wynik));
    EXPECT_KWOTA(
        TKwota::ZeZlotych(
            baza.Wartosc("select platnosc1 from rental where dataZwrotu is null").toDouble()),
        0_zl);
    EXPECT_KWOTA(
        TKwota::ZeZlotych(
            baza.Wartosc("select platnosc1 from rental where dataZwrotu is not null").toDouble()),
        1.00_zl);
    EXPECT_KWOTA(TKwota::ZeZlotych(Klient("Saldo").toDouble()), 6.50_zl);
    EXPECT_EQ(Kasa(), std::vector<QString>{"Zaległości 2,50 zaległe należności"});

    // More than owed: all is booked, the excess handed back.
    const TOcenaWplatyZaleglosci wiecej = OcenWplateZaleglosci(1.00_zl, 1.20_zl);
    ASSERT_TRUE(ZapiszZaleglosci(1, {{3, QDate(2023, 12, 1), QDate(2023, 12, 20), 1.00_zl}}, wiecej,
                                 RozliczZaleglosci({1.00_zl}, wiecej.Wplata)));
    EXPECT_KWOTA(
        TKwota::ZeZlotych(
            baza.Wartosc("select platnosc1 from rental where dataZwrotu is not null").toDouble()),
        0_zl);
    EXPECT_EQ(Kasa(), (std::vector<QString>{"Zaległości 2,50 zaległe należności",
                                            "Zaległości 1,20 zaległe należności",
                                            "Zaległości -0,20 zaległe należności"}));
}

// A second desk on the same store file, through a connection of its own.
class DrugieStanowisko {
public:
    explicit DrugieStanowisko(const QString& plik) {
        EXPECT_EQ(sqlite3_open(QFile::encodeName(plik).constData(), &h), SQLITE_OK);
    }
    ~DrugieStanowisko() { sqlite3_close(h); }
    DrugieStanowisko(const DrugieStanowisko&) = delete;
    DrugieStanowisko& operator=(const DrugieStanowisko&) = delete;
    void Wykonaj(const char* sql) {
        EXPECT_EQ(sqlite3_exec(h, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(h);
    }

private:
    sqlite3* h = nullptr;
};

// Client 1 owes 2,00 and 1,50 on two returned rentals of film 3, balance 4,00; the
// window listed them so. Each case: another desk changes the store first.
class ZaleglosciDwaStanowiska : public Zapis {
protected:
    void SetUp() override {
        Zapis::SetUp();
        baza.Wykonaj(
            "insert into rental (id_filmu, id_klienta, dataOD, dataDO, zwrocono, platnosc, "
            "platnosc1, dataZwrotu) values (3, 1, '2023-12-01', '2023-12-02', True, 0, 2, null), "
            "(3, 1, '2023-12-03', '2023-12-04', True, 0, 1.5, '2023-12-20')");
    }
    // Paying what the window listed: true when booked.
    bool Zaplac(bool* zmienione) {
        const TOcenaWplatyZaleglosci ocena = OcenWplateZaleglosci(3.50_zl, 3.50_zl);
        return ZapiszZaleglosci(1, Pokazane, ocena,
                                RozliczZaleglosci({2.00_zl, 1.50_zl}, ocena.Wplata), zmienione);
    }
    // rental's unpaid parts by client and start date, the balance, the till journal.
    std::vector<QString> Stan() {
        std::vector<QString> w;
        TQuery q;
        q.UstawSQL(QStringLiteral("select platnosc1 from rental order by id_klienta, dataOD"));
        q.Open();
        for (; q.Active() && !q.Eof(); q.Next())
            w.push_back(KwotaNaEkran(q.FieldByName("platnosc1").AsKwota()));
        w.push_back("Saldo " + KwotaNaEkran(TKwota::ZeZlotych(Klient("Saldo").toDouble())));
        for (const QString& r : Kasa()) w.push_back(r);
        return w;
    }
    QString Plik() const { return baza.Katalog() + "wirdolan.sqlite"; }

    const std::vector<TZaleglosc> Pokazane = {
        {3, QDate(2023, 12, 1), QDate(), 2.00_zl},
        {3, QDate(2023, 12, 3), QDate(2023, 12, 20), 1.50_zl}};
};

TEST_F(ZaleglosciDwaStanowiska, ZmienioneGdzieIndziejNieSaZapisywane) {
    DrugieStanowisko drugie(Plik());
    // Paid in part at the other desk.
    drugie.Wykonaj(
        "begin; update rental set platnosc1 = 1 where dataZwrotu is null; "
        "update klient set Saldo = Saldo + 1 where ID = 1; "
        "insert into kasa (Data, Czas, id_klienta, Rodzaj, Kwota, Opis) values "
        "('2024-03-05', '10:00:00', 1, 'Zaległości', 1, 'zaległe należności'); commit");
    const std::vector<QString> poWplacie = {"1,00", "1,50", "Saldo 5,00",
                                            "Zaległości 1,00 zaległe należności"};
    ASSERT_EQ(Stan(), poWplacie);
    bool zmienione = false;
    EXPECT_FALSE(Zaplac(&zmienione));
    EXPECT_TRUE(zmienione);
    EXPECT_EQ(Stan(), poWplacie) << "nothing written";

    // A film returned at the other desk adds a row to the arrears.
    drugie.Wykonaj(
        "update rental set platnosc1 = 2 where dataZwrotu is null; "
        "insert into rental (id_filmu, id_klienta, dataOD, dataDO, zwrocono, platnosc, "
        "platnosc1, dataZwrotu) values (2, 1, '2024-03-01', '2024-03-02', 1, 0, 3, "
        "'2024-03-05')");
    zmienione = false;
    EXPECT_FALSE(Zaplac(&zmienione));
    EXPECT_TRUE(zmienione);
    EXPECT_EQ(Stan(), (std::vector<QString>{"2,00", "1,50", "3,00", "Saldo 5,00",
                                            "Zaległości 1,00 zaległe należności"}));

    // Paid off entirely there: another client's row changing does not matter.
    drugie.Wykonaj(
        "delete from rental where id_filmu = 2; "
        "insert into rental (id_filmu, id_klienta, dataOD, dataDO, zwrocono, platnosc, "
        "platnosc1, dataZwrotu) values (2, 2, '2024-03-01', '2024-03-02', 1, 0, 3, "
        "'2024-03-05')");
    EXPECT_EQ(fake.komunikaty.size(), 0u) << "the write function itself shows nothing";
    EXPECT_TRUE(Zaplac(&zmienione));
    EXPECT_FALSE(zmienione);
    EXPECT_EQ(Stan(), (std::vector<QString>{"0,00", "0,00", "3,00", "Saldo 8,50",
                                            "Zaległości 1,00 zaległe należności",
                                            "Zaległości 3,50 zaległe należności"}));
}

// The other desk holds the store's write lock while it books a payment: this desk waits
// for it instead of failing at once, then finds the arrears changed.
TEST_F(ZaleglosciDwaStanowiska, CzekaNaBlokadeInnegoStanowiska) {
    std::promise<void> zablokowane;
    std::thread drugie([&] {
        DrugieStanowisko d(Plik());
        d.Wykonaj(
            "begin immediate; update rental set platnosc1 = 0 where dataZwrotu is not null; "
            "update klient set Saldo = Saldo + 1.5 where ID = 1");
        zablokowane.set_value();
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        d.Wykonaj("commit");
    });
    zablokowane.get_future().wait();
    bool zmienione = false;
    const bool zapisano = Zaplac(&zmienione);
    drugie.join();
    EXPECT_TRUE(fake.komunikaty.empty()) << "no error: the lock was waited for";
    EXPECT_FALSE(zapisano);
    EXPECT_TRUE(zmienione);
    EXPECT_EQ(Stan(), (std::vector<QString>{"2,00", "0,00", "Saldo 5,50"}));
}
