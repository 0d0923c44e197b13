#include <gtest/gtest.h>

#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QFileDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <tuple>

#include "FakeDrukarka.h"
#include "Pomocnicze.h"
#include "reports/uPodglad.h"
#include "reports/uRapKasowy.h"
#include "reports/uRaporty.h"
#include "store/Katalogi.h"
#include "support/FakeInterakcja.h"
#include "support/TestowaBaza.h"

namespace {

class Kasowy : public ::testing::Test {
protected:
    void SetUp() override {
        KatalogBazy = baza.Katalog();
        baza.Wykonaj(
            "insert into klient (ID, Numer_klienta, Imie, Nazwisko, Aktualny) values "
            "(1, 3, 'Anna', 'Nowak', True), (2, 8, 'Łukasz', 'Żak', False)");
        // Written out of time order; client 9 is no longer in the store.
        baza.Wykonaj(
            "insert into kasa (Data, Czas, id_klienta, Rodzaj, Kwota, Opis) values "
            "('2024-03-05', '12:00:00', 2, 'Zwrot', 2.5, '0002'),"
            "('2024-03-05', '09:15:00', 1, 'Wypożyczenie', 10, '0001, 0003'),"
            "('2024-03-05', '09:15:00', 1, 'Wypożyczenie', -0.1, 'zwrot nadpłaty'),"
            "('2024-03-04', '18:00:00', 1, 'Abonament', 50, 'abonament'),"
            "('2024-03-05', '16:40:00', 9, 'Wycofanie', -4.3, '0007'),"
            "('2024-03-05', '17:00:00', 2, 'Zaległości', 0.3, '0002'),"
            "('2024-03-06', '08:00:00', 1, 'Wpłata', 20, 'wpłata na konto')");
    }
    void TearDown() override { KatalogBazy.clear(); }
    TestowaBaza baza{QDate(2024, 3, 5)};
};

// The detail texts of a page, one line of seven cells per movement (empty cells are not
// placed, so a line without a client has five).
std::vector<QString> Szczegoly(const TStrona& s) {
    return Teksty(s, TRodzajPasma::Szczegoly);
}

}  // namespace

TEST(SumyRodzajow, KazdyRodzajWStalejKolejnosciIObce) {
    std::vector<TRuchKasy> ruchy(4);
    ruchy[0].rodzaj = QString::fromUtf8("Wpłata");
    ruchy[0].kwota = TKwota::ZGroszy(1000);
    ruchy[1].rodzaj = "Zwrot";
    ruchy[1].kwota = TKwota::ZGroszy(30);
    ruchy[2].rodzaj = QString::fromUtf8("Wpłata");
    ruchy[2].kwota = TKwota::ZGroszy(-250);
    ruchy[3].rodzaj = "Inne";
    ruchy[3].kwota = TKwota::ZGroszy(1);
    const auto sumy = SumyRodzajow(ruchy);
    ASSERT_EQ(sumy.size(), 8u);
    EXPECT_EQ(sumy[0].first, QString::fromUtf8("Wypożyczenie"));
    EXPECT_TRUE(sumy[0].second.Zero());
    EXPECT_EQ(sumy[1].second.Grosze(), 30);
    EXPECT_EQ(sumy[5].first, QString::fromUtf8("Wpłata"));
    EXPECT_EQ(sumy[5].second.Grosze(), 750);
    EXPECT_EQ(sumy[7].first, "Inne");
    EXPECT_EQ(sumy[7].second.Grosze(), 1);
}

TEST_F(Kasowy, JedenDzienWKolejnosciCzasuZSumami) {
    TfRapKasowy r;
    ASSERT_TRUE(r.Init(QDate(2024, 3, 5), QDate(2024, 3, 5)));
    // 10.00 - 0.10 + 2.50 - 4.30 + 0.30, in whole grosze.
    EXPECT_EQ(r.Razem.Grosze(), 840);
    const auto& strony = r.Strony();
    ASSERT_EQ(strony.size(), 1u);
    const TStrona& s = strony[0];
    EXPECT_EQ(Teksty(s, TRodzajPasma::Tytul),
              (std::vector<QString>{"Raport kasowy w dniu 05.03.2024", "Stan kasy:", "8,40",
                                    QString::fromUtf8("Wypożyczenie:"), "9,90", "Zwrot:", "2,50",
                                    QString::fromUtf8("Przedłużenie:"), "0,00",
                                    "Wycofanie:", "-4,30", QString::fromUtf8("Zaległości:"), "0,30",
                                    QString::fromUtf8("Wpłata:"), "0,00", "Abonament:", "0,00"}));
    EXPECT_EQ(
        Teksty(s, TRodzajPasma::NaglowekKolumn),
        (std::vector<QString>{"Data", "Czas", "Nr klienta", "Klient", "Rodzaj", "Opis", "Kwota"}));
    EXPECT_EQ(Szczegoly(s),
              (std::vector<QString>{
                  "05.03.2024", "09:15:00", "0003", "Nowak Anna", QString::fromUtf8("Wypożyczenie"),
                  "0001, 0003", "10,00",  //
                  "05.03.2024", "09:15:00", "0003", "Nowak Anna", QString::fromUtf8("Wypożyczenie"),
                  QString::fromUtf8("zwrot nadpłaty"), "-0,10",
                  // an archived client is named as any other
                  "05.03.2024", "12:00:00", "0008", QString::fromUtf8("Żak Łukasz"), "Zwrot",
                  "0002", "2,50",
                  // a client no longer in the store: the movement still counts
                  "05.03.2024", "16:40:00", "Wycofanie", "0007", "-4,30",  //
                  "05.03.2024", "17:00:00", "0008", QString::fromUtf8("Żak Łukasz"),
                  QString::fromUtf8("Zaległości"), "0002", "0,30"}));
    // The amounts sit right-aligned in their column, the client's name is cut short
    // before the operation's column.
    const TUlozonyTekst* kwota = s.Znajdz("-4,30");
    ASSERT_NE(kwota, nullptr);
    EXPECT_EQ(kwota->wyrownanie, TWyrownanie::DoPrawej);
    EXPECT_LE(kwota->prostokat.right(), TRaport::SzerokoscObszaru);
    const TUlozonyTekst* klient = s.Znajdz("Nowak Anna");
    const TUlozonyTekst* rodzaj = s.Znajdz("Zwrot");
    ASSERT_TRUE(klient && rodzaj);
    EXPECT_LT(klient->prostokat.right(),
              s.Znajdz(QString::fromUtf8("Wypożyczenie"))->prostokat.left());
}

TEST_F(Kasowy, OkresICSV) {
    TfRapKasowy r;
    ASSERT_TRUE(r.Init(QDate(2024, 3, 4), QDate(2024, 3, 6)));
    EXPECT_EQ(r.Razem.Grosze(), 840 + 5000 + 2000);
    ASSERT_EQ(r.Ruchy.size(), 7u);
    EXPECT_EQ(r.Ruchy.front().rodzaj, "Abonament");
    EXPECT_EQ(r.Ruchy.back().rodzaj, QString::fromUtf8("Wpłata"));
    const auto tytul = Teksty(r.Strony()[0], TRodzajPasma::Tytul);
    EXPECT_EQ(tytul[0], "Raport kasowy za okres od 04.03.2024 do 06.03.2024");
    EXPECT_EQ(tytul[2], "78,40");

    ASSERT_EQ(r.WierszeCSV.size(), 8u);
    EXPECT_EQ(r.WierszeCSV[0], (std::vector<QString>{"Data", "Czas", "Nr klienta", "Klient",
                                                     "Rodzaj", "Opis", "Kwota"}));
    EXPECT_EQ(r.WierszeCSV[5], (std::vector<QString>{"05.03.2024", "16:40:00", "", "", "Wycofanie",
                                                     "0007", "-4,30"}));

    // Saved from the preview: the button is there only for a report with CSV lines.
    QTemporaryDir katalog;
    const QString plik = katalog.filePath("kasa.csv");
    FakeInterakcja f;
    f.PrzyOknie([&](QDialog& d) {
        dynamic_cast<QFileDialog&>(d).selectFile(plik);
        return QDialog::Accepted;
    });
    TfPodglad podglad(r);
    auto* zapisz = podglad.findChild<QPushButton*>("bZapiszCSV");
    ASSERT_NE(zapisz, nullptr);
    EXPECT_FALSE(zapisz->isHidden());
    EXPECT_EQ(zapisz->text(), QString::fromUtf8("Zapisz jako CSV…"));
    zapisz->click();
    EXPECT_EQ(f.pokazaneOkna, std::vector<QString>{"dZapiszCSV"});
    EXPECT_TRUE(f.komunikaty.empty());
    QFile csv(plik);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QString tekst = QString::fromUtf8(csv.readAll().mid(3));
    EXPECT_TRUE(
        tekst.startsWith("Data;Czas;Nr klienta;Klient;Rodzaj;Opis;Kwota\r\n"
                         "04.03.2024;18:00:00;0003;Nowak Anna;Abonament;abonament;50,00\r\n"))
        << tekst.toStdString();
    EXPECT_EQ(tekst.count("\r\n"), 8);

    TRaport bezCSV;
    TfPodglad zwykly(bezCSV);
    EXPECT_TRUE(zwykly.findChild<QPushButton*>("bZapiszCSV")->isHidden());
}

TEST_F(Kasowy, ZMenuDzisiejszyDzienPodgladIPytanie) {
    FakeInterakcja f;
    FakeDrukarka drukarka;
    QDate od, do_;
    f.PrzyOknie([&](QDialog& d) {
        od = d.findChild<QDateEdit*>("DataOD")->date();
        do_ = d.findChild<QDateEdit*>("DataDO")->date();
        return int(QDialog::Accepted);
    });
    f.PrzyOknie([](QDialog&) { return 0; });  // the preview, closed
    f.Odpowiedz(QMessageBox::Yes);
    RaportKasowy();
    EXPECT_EQ(od, QDate(2024, 3, 5));
    EXPECT_EQ(do_, QDate(2024, 3, 5));
    EXPECT_EQ(f.pokazaneOkna, (std::vector<QString>{"TfRapDaty", "TfPodglad"}));
    EXPECT_EQ(f.Teksty(), std::vector<QString>{QString::fromUtf8("Czy rozpocząć drukowanie?")});
    EXPECT_EQ(drukarka.zadania, std::vector<QString>{"Wirdolan - raport kasowy"});
}

// One counter's movements alone, or every counter's as before; the counters to choose from
// in Polish order, and movements of no counter only among all.
TEST_F(Kasowy, JednoStanowiskoLubWszystkie) {
    baza.Wykonaj("update kasa set Stanowisko = 'Kasa 1' where Czas = '09:15:00'");
    baza.Wykonaj("update kasa set Stanowisko = 'Zaplecze' where Rodzaj = 'Zwrot'");
    baza.Wykonaj("update kasa set Stanowisko = 'Ćma' where Data = '2024-03-06'");
    EXPECT_EQ(StanowiskaKasy(), (QStringList{QString::fromUtf8("Ćma"), "Kasa 1", "Zaplecze"}));
    // The choice (0 is every counter), the heading and what the till should hold.
    const std::tuple<int, const char*, const char*> przypadki[] = {
        {0, "Raport kasowy w dniu 05.03.2024", "8,40"},
        {2, "Raport kasowy w dniu 05.03.2024, stanowisko: Kasa 1", "9,90"},
        {3, "Raport kasowy w dniu 05.03.2024, stanowisko: Zaplecze", "2,50"},
        {1, "Raport kasowy w dniu 05.03.2024, stanowisko: Ćma", "0,00"},
    };
    for (const auto& [wybor, naglowek, stan] : przypadki) {
        FakeInterakcja f;
        FakeDrukarka drukarka;
        QStringList wpisy;
        f.PrzyOknie([&, wybor = wybor](QDialog& d) {
            auto* cb = d.findChild<QComboBox*>("cbStanowisko");
            for (int i = 0; i < cb->count(); ++i) wpisy << cb->itemText(i);
            EXPECT_EQ(cb->currentIndex(), 0);
            cb->setCurrentIndex(wybor);
            return int(QDialog::Accepted);
        });
        f.PrzyOknie([](QDialog&) { return 0; });
        f.Odpowiedz(QMessageBox::Yes);
        RaportKasowy();
        EXPECT_EQ(wpisy, (QStringList{"Wszystkie stanowiska", QString::fromUtf8("Ćma"), "Kasa 1",
                                      "Zaplecze"}));
        ASSERT_EQ(drukarka.teksty.size(), 1u) << naglowek;
        const auto& t = drukarka.teksty[0];
        const auto po = std::find(t.begin(), t.end(), QStringLiteral("Stan kasy:"));
        ASSERT_NE(po, t.end());
        EXPECT_EQ(*std::next(po), stan) << naglowek;
        EXPECT_NE(std::find(t.begin(), po, QString::fromUtf8(naglowek)), po) << naglowek;
    }
}
