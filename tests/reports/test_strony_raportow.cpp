// The long reports laid out on a fixture shop of some thousand rentals: every page and
// every placed text (its box, font, alignment and band), the frames and the lines, as
// digests recorded from the reports' earlier, proven layout; and the same pages when
// taken one at a time, as the preview and the printing take them.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QProcess>
#include <QTemporaryDir>

#include "Pomocnicze.h"
#include "reports/uRapKasowy.h"
#include "reports/uRapOkresowy.h"
#include "reports/uRapRentownosc.h"
#include "store/Baza.h"
#include "store/Indeksy.h"
#include "store/Katalogi.h"
#include "store/KopiaDanych.h"
#include "support/TestowaBaza.h"

namespace {

// 400 clients (some archived, names repeating), 150 films (some withdrawn, takings
// repeating) and 6,000 rentals over 500 days: returned, open, without a charge or a
// return date, partly unpaid, partly from a subscription. Written by SQLite's own SQL.
void Sklep(TBaza& baza) {
    baza.Wykonaj(
        "with recursive n(i) as (select 1 union all select i + 1 from n where i < 400) "
        "insert into klient (ID, Numer_klienta, Imie, Nazwisko, Aktualny) select i, 1000 - i, "
        "case i % 4 when 0 then 'Anna' when 1 then 'Łukasz' when 2 then 'Ewa' else 'Jan' end, "
        "case i % 7 when 0 then 'Nowak' when 1 then 'Żak' when 2 then 'Kowalska' when 3 then "
        "'Lis' when 4 then 'Śliwa' when 5 then 'Adamczyk' else 'Zieliński' end, i % 12 <> 0 "
        "from n");
    baza.Wykonaj(
        "with recursive n(i) as (select 1 union all select i + 1 from n where i < 150) "
        "insert into film (ID, Numer_filmu, Tytul_oryginalny, Tytul_polski, Wplywy, Aktualny) "
        "select i, i, 'Film ' || (i % 97), 'Tytuł ' || i, (i * 37 % 50) / 4.0, i % 20 <> 0 "
        "from n");
    baza.Wykonaj(
        "with recursive n(i) as (select 1 union all select i + 1 from n where i < 6000) "
        "insert into rental (id_filmu, id_klienta, dataOD, dataDO, zwrocono, dataZwrotu, "
        "platnosc, platnosc1, z_abonamentu, naleznosc) select 1 + i * 7 % 150, "
        "1 + i * 13 % 400, date('2023-01-01', '+' || (i * 11 % 500) || ' days'), "
        "date('2023-01-02', '+' || (i * 11 % 500) || ' days'), i % 9 <> 0, "
        "case when i % 9 = 0 or i % 31 = 0 then null "
        "else date('2023-01-01', '+' || (i * 11 % 500 + i % 5) || ' days') end, "
        "case when i % 7 = 0 then 2.5 else 0 end, case when i % 11 = 0 then 1.25 else 0 end, "
        "case when i % 13 = 0 then 3 else 0 end, "
        "case when i % 23 = 0 then null else (i * 17 % 40) / 2.0 + 0.1 * (i % 3) end from n");
    // 3,000 movements of the till over 40 days, written out of time order: every
    // operation, amounts of either sign, clients gone from the store, descriptions too
    // long for their column; in the last two days two operations of other names.
    baza.Wykonaj(
        "with recursive n(i) as (select 1 union all select i + 1 from n where i < 3000) "
        "insert into kasa (Data, Czas, id_klienta, Rodzaj, Kwota, Opis) select "
        "date('2024-02-01', '+' || (i * 7 % 40) || ' days'), "
        "printf('%02d:%02d:%02d', 8 + i % 12, i * 13 % 60, i * 29 % 60), "
        "case when i % 37 = 0 then 900 + i % 5 else 1 + i * 13 % 400 end, "
        "case when i * 7 % 40 >= 38 and i % 9 = 0 then 'Korekta' "
        "when i * 7 % 40 >= 38 and i % 9 = 1 then 'Sprzedaż' else case i % 7 "
        "when 0 then 'Wypożyczenie' when 1 then 'Zwrot' when 2 then 'Przedłużenie' "
        "when 3 then 'Wycofanie' when 4 then 'Zaległości' when 5 then 'Wpłata' "
        "else 'Abonament' end end, ((i * 37 % 200) - 40) / 4.0, "
        "case when i % 11 = 0 then 'wpłata na konto klienta stałego, nadpłata ' || i "
        "else printf('%04d, %04d', i % 150, (i * 3) % 150) end from n");
}

struct TSlad {
    size_t stron = 0;
    size_t tekstow = 0;
    QByteArray skrot;  // SHA-1 of everything placed, hex
    bool operator==(const TSlad&) const = default;
};
void PrintTo(const TSlad& s, std::ostream* os) {
    *os << s.stron << " pages, " << s.tekstow << " texts, " << s.skrot.toStdString();
}

QByteArray Prostokat(const QRectF& r) {
    return QByteArray::number(r.x(), 'f', 3) + ',' + QByteArray::number(r.y(), 'f', 3) + ',' +
           QByteArray::number(r.width(), 'f', 3) + ',' + QByteArray::number(r.height(), 'f', 3);
}

void Dopisz(QCryptographicHash& h, const TStrona& s) {
    h.addData("strona\n");
    for (const TUlozonyTekst& t : s.teksty) {
        const TCzcionka& c = t.czcionka;
        h.addData(t.tekst.toUtf8() + '|' + Prostokat(t.prostokat) + '|' +
                  QByteArray::number(c.punkty) + (c.pogrubiona ? "b" : "") +
                  (c.kursywa ? "i" : "") + c.rodzina.toUtf8() + '|' +
                  QByteArray::number(static_cast<int>(t.wyrownanie)) + '|' +
                  QByteArray::number(static_cast<int>(t.pasmo)) + '\n');
    }
    for (const QRectF& r : s.ramki) h.addData("ramka " + Prostokat(r) + '\n');
    for (const QLineF& l : s.linie) h.addData("linia " + Prostokat(QRectF(l.p1(), l.p2())) + '\n');
    for (const QRectF& r : s.pola) h.addData("pole " + Prostokat(r) + '\n');
}

TSlad Slad(const std::vector<TStrona>& strony) {
    QCryptographicHash h(QCryptographicHash::Sha1);
    TSlad s;
    s.stron = strony.size();
    for (const TStrona& strona : strony) {
        s.tekstow += strona.teksty.size();
        Dopisz(h, strona);
    }
    s.skrot = h.result().toHex();
    return s;
}

// The pages of the long reports: the year's report, the till's, both rankings.
std::vector<TSlad> Raporty() {
    std::vector<TSlad> slady;
    TfRapOkresowy okresowy;
    EXPECT_TRUE(okresowy.Init(QDate(2023, 3, 1), QDate(2024, 2, 29)));
    slady.push_back(Slad(okresowy.Strony()));
    TfRapKasowy kasowy;
    EXPECT_TRUE(kasowy.Init(QDate(2024, 1, 1), QDate(2024, 3, 31)));
    slady.push_back(Slad(kasowy.Strony()));
    for (int rodzaj : {1, 2}) {
        TfRapRentownosc r;
        r.Przygotuj(rodzaj);
        slady.push_back(Slad(r.Strony()));
    }
    return slady;
}

class StronyRaportow : public ::testing::Test {
protected:
    void SetUp() override {
        KatalogBazy = baza.Katalog();
        baza.Wykonaj("drop index rental_otwarty_film");  // copies may be out twice
        Sklep(*TBaza::Aktywna());
        // The rows in the order of the tables, as when the digests were recorded (an
        // index may give a statement without an order of its own another one).
        for (const QString& n : IndeksyOdczytu()) baza.Wykonaj("drop index " + n);
    }
    void TearDown() override { KatalogBazy.clear(); }
    TestowaBaza baza{QDate(2024, 5, 20)};
};

}  // namespace

TEST_F(StronyRaportow, RaportOkresowyJakDotad) {
    TfRapOkresowy r;
    ASSERT_TRUE(r.Init(QDate(2023, 3, 1), QDate(2024, 2, 29)));
    EXPECT_EQ(r.Wplywy.Grosze(), 3944880);
    EXPECT_EQ(Slad(r.Strony()), (TSlad{86, 18001, "00c074e82dfdf7ad659b3bc409fa1155e539fd53"}));
}

TEST_F(StronyRaportow, RaportKasowyJakDotad) {
    // The operations of the journal only; then with two of other names, which take one
    // more line of totals in the title.
    const struct {
        QDate od, do_;
        qint64 razem;
        size_t ruchow, tekstowTytulu;
        TSlad slad;
        const char* csv;
    } przypadki[] = {
        {QDate(2024, 2, 1),
         QDate(2024, 3, 2),
         3440625,
         2325,
         3 + 2 * 7,
         {46, 16626, "1287634e287218a34bedcb993cca80f55c72dd2a"},
         "6b0699b9644ec260363f40e4715fd01840cb2f60"},
        {QDate(2024, 1, 1),
         QDate(2024, 3, 31),
         4462500,
         3000,
         3 + 2 * 9,
         {59, 21449, "a444a9d3aab7e1d82f9e242dc956527f4833d950"},
         "ca272320cc1268497f595a45ce1f1e29e45383d5"},
    };
    for (const auto& p : przypadki) {
        TfRapKasowy r;
        ASSERT_TRUE(r.Init(p.od, p.do_));
        EXPECT_FALSE(r.Dane.Active()) << "laid out by Init";
        EXPECT_EQ(r.Razem.Grosze(), p.razem);
        EXPECT_EQ(r.Ruchy.size(), p.ruchow);
        EXPECT_EQ(Slad(r.Strony()), p.slad) << p.od.toString().toStdString();
        QCryptographicHash csv(QCryptographicHash::Sha1);
        csv.addData(TekstCSV(r.WierszeCSV).toUtf8());
        EXPECT_EQ(csv.result().toHex().toStdString(), p.csv);
        EXPECT_EQ(Teksty(r.Strony().at(0), TRodzajPasma::Tytul).size(), p.tekstowTytulu);
    }
}

// Clients of equal totals in alphabetical order (their totals added exact to the grosz).
TEST_F(StronyRaportow, RankingiJakDotad) {
    const TSlad oczekiwane[] = {{3, 450, "ca51397d6ae27accc354d48c9d6d9aced4f5ea20"},
                                {8, 1256, "00d9597e43b630d03ec2d26376ccad7ea3cd610a"}};
    for (int rodzaj : {1, 2}) {
        TfRapRentownosc r;
        r.Przygotuj(rodzaj);
        EXPECT_EQ(Slad(r.Strony()), oczekiwane[rodzaj - 1]) << "kind " << rodzaj;
    }
}

TEST_F(StronyRaportow, PdfStronaPoStronie) {
    TfRapRentownosc r;
    r.Przygotuj(2);
    QTemporaryDir katalog;
    const QString plik = katalog.filePath("ranking.pdf");
    ASSERT_TRUE(r.ZapiszPDF(plik));
    ASSERT_EQ(r.LiczbaStron(), 8);
    QProcess p;
    p.start("pdftotext", {"-layout", plik, "-"});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QStringList strony = QString::fromUtf8(p.readAllStandardOutput()).split('\f');
    ASSERT_GE(strony.size(), 8);
    for (int i : {0, 7}) {
        // Each page of the file holds the texts of its own page, its last line included.
        const TStrona s = r.Strona(i);
        const auto linie = s.TekstyPasma(TRodzajPasma::Szczegoly);
        ASSERT_FALSE(linie.empty());
        for (const TUlozonyTekst& t : {linie.front(), linie.back()})
            EXPECT_TRUE(strony[i].contains(t.tekst)) << i << ": " << t.tekst.toStdString();
    }
    EXPECT_TRUE(strony[7].contains("Wydruk z programu Wirdolan"));
    EXPECT_EQ(strony.mid(8).join("").trimmed(), QString()) << "no page beyond the last";
}

// A shop's file, indexes and all, copied whole into the test's store (a backup restored, or
// the move onto a server): every page of the long reports as the file gave it.
TEST(StronyPoKopii, TakieJakZPliku) {
    TestowaBaza baza(QDate(2024, 5, 20));
    KatalogBazy = baza.Katalog();
    const auto plik = baza.NowyPlik("sklep.sqlite");
    std::vector<TSlad> zPliku;
    {
        TNaBazie na(*plik);
        plik->Wykonaj("drop index rental_otwarty_film");
        Sklep(*plik);
        zPliku = Raporty();
    }
    baza.Wykonaj("drop index rental_otwarty_film");
    KopiujDane(*plik, *TBaza::Aktywna());
    EXPECT_EQ(Raporty(), zPliku);
    KatalogBazy.clear();
}
