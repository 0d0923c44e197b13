// The copy of a whole store into another: every row read back equal, on either kind of
// store, and a copy that cannot be made leaves the target as it was.
#include <gtest/gtest.h>

#include <functional>
#include <stop_token>

#include "store/Baza.h"
#include "store/KopiaDanych.h"
#include "store/TQuery.h"
#include "store/Tlumacz.h"
#include "support/SklepKopii.h"
#include "support/TestowaBaza.h"

namespace {

class KopiaDanych : public ::testing::Test {
protected:
    std::unique_ptr<TBaza> NowyPlik(const QString& nazwa) { return baza.NowyPlik(nazwa); }
    QString Zawartosc(TBaza& b) {
        TNaBazie na(b);
        return baza.Zawartosc();
    }
    // The rentals' films in the store's own order of the rows (all columns: no index holds
    // them).
    QString Kolejnosc(TBaza& b) {
        TNaBazie na(b);
        TQuery q;
        q.UstawSQL(QStringLiteral("select * from rental"));
        q.Open();
        QString filmy;
        for (; !q.Eof(); q.Next()) filmy += q.FieldByName(QStringLiteral("id_filmu")).AsString();
        return filmy;
    }

    TestowaBaza baza;
};

}  // namespace

TEST_F(KopiaDanych, TamIZPowrotemKazdyWierszRownyIKluczeDalej) {
    ZapiszSklepDoKopii();
    // A changed row keeps its place in the order of the rentals (a server keeps the row
    // itself elsewhere), and the copies carry that order.
    baza.Wykonaj(QStringLiteral("update rental set Stawka = 4 where id_filmu = 1"));
    const QString przed = baza.Zawartosc();
    ASSERT_EQ(przed.count('\n'), 3 + 3 + 3 + 2 + 2 + 5);
    ASSERT_EQ(Kolejnosc(*TBaza::Aktywna()), "133");
    const auto kopia = NowyPlik(QStringLiteral("kopia.sqlite"));
    std::vector<int> procenty;
    KopiujDane(*TBaza::Aktywna(), *kopia, {}, [&](int p) { procenty.push_back(p); });
    EXPECT_EQ(Zawartosc(*kopia), przed);
    EXPECT_EQ(Kolejnosc(*kopia), "133");
    EXPECT_EQ(procenty.back(), 100);

    // Every row replaced: by an empty store's none, then by the copy's.
    const auto pusta = NowyPlik(QStringLiteral("pusta.sqlite"));
    KopiujDane(*pusta, *TBaza::Aktywna());
    EXPECT_FALSE(BazaZawieraDane(*TBaza::Aktywna()));
    KopiujDane(*kopia, *TBaza::Aktywna());
    EXPECT_EQ(baza.Zawartosc(), przed);
    EXPECT_EQ(Kolejnosc(*TBaza::Aktywna()), "133");

    // The keys the store gives next go on past the copied ones.
    baza.Wykonaj(QStringLiteral("insert into klient (Nazwisko) values ('Nowy')"));
    baza.Wykonaj(QStringLiteral("insert into film (Tytul_oryginalny) values ('Nowy')"));
    baza.Wykonaj(QStringLiteral("insert into kasa (Opis) values ('Nowy')"));
    EXPECT_EQ(baza.Ile(QStringLiteral("select ID from klient where Nazwisko = 'Nowy'")), 10);
    EXPECT_EQ(baza.Ile(QStringLiteral("select ID from film where Tytul_oryginalny = 'Nowy'")), 5);
    EXPECT_EQ(baza.Ile(QStringLiteral("select ID from kasa where Opis = 'Nowy'")), 7);
}

// A table longer than one part of the server's cursor goes over whole, both ways.
TEST_F(KopiaDanych, DlugaTabelaCalaWObieStrony) {
    baza.Wykonaj(QStringLiteral(
        "insert into rental (id_filmu, id_klienta, zwrocono, naleznosc) with recursive n(i) as "
        "(select 1 union all select i + 1 from n where i < 4500) select i, i % 7, True, 2.5 "
        "from n"));
    // Text with the separators of a server's bulk copy in it, and nulls.
    const QString nazwisko = QStringLiteral("Ko\\wal\tski\nŻółć\r'\"\\N");
    TQuery q;
    q.UstawSQL(
        QStringLiteral("insert into klient (Numer_klienta, Nazwisko) values (1, :NAZWISKO)"));
    q.UstawParametr(QStringLiteral("NAZWISKO"), nazwisko);
    q.ExecSQL();
    const auto kopia = NowyPlik(QStringLiteral("kopia.sqlite"));
    KopiujDane(*TBaza::Aktywna(), *kopia);
    KopiujDane(*kopia, *TBaza::Aktywna());
    EXPECT_EQ(baza.Wartosc(QStringLiteral("select Nazwisko from klient")).toString(), nazwisko);
    EXPECT_TRUE(baza.Wartosc(QStringLiteral("select Imie from klient")).isNull());
    for (TBaza* b : {kopia.get(), TBaza::Aktywna()}) {
        TNaBazie na(*b);
        EXPECT_EQ(baza.Wartosc(QStringLiteral("select count(*) || ' ' || sum(id_filmu) || ' ' || "
                                              "cast(sum(naleznosc) * 100 as integer) from rental"))
                      .toString(),
                  QStringLiteral("4500 10127250 1125000"));
    }
}

// Each failure leaves the target with every row it had.
TEST_F(KopiaDanych, NieudanaKopiaZostawiaCelBezZmian) {
    ZapiszSklepDoKopii();
    const auto zrodlo = NowyPlik(QStringLiteral("zrodlo.sqlite"));
    {
        TNaBazie na(*zrodlo);
        ZapiszSklepDoKopii();
        baza.Wykonaj(QStringLiteral("delete from klient where ID = 5"));
    }
    const struct {
        const char* nazwa;
        std::function<void(std::stop_source&)> przygotuj;
        const char* blad;
    } przypadki[] = {
        {"a write refused half-way",
         [&](std::stop_source&) { baza.Zablokuj("insert", "rental", "zablokowane"); },
         "zablokowane"},
        {"a stop requested", [](std::stop_source& s) { s.request_stop(); }, "Kopię przerwano."},
        {"another schema version",
         [&](std::stop_source&) { zrodlo->Wykonaj(QStringLiteral("PRAGMA user_version = 99")); },
         "inną wersję struktury"},
    };
    const QString przed = baza.Zawartosc();
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        std::stop_source stop;
        p.przygotuj(stop);
        try {
            KopiujDane(*zrodlo, *TBaza::Aktywna(), stop.get_token());
            ADD_FAILURE() << "the copy succeeded";
        } catch (const TBladBazy& e) {
            EXPECT_TRUE(e.Tekst().contains(QString::fromUtf8(p.blad))) << e.Tekst().toStdString();
        }
        EXPECT_EQ(baza.Zawartosc(), przed);
    }
}
