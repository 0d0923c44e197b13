#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "FakeDrukarka.h"
#include "Pomocnicze.h"
#include "clients/uKlient.h"
#include "reports/uAbonenci.h"
#include "reports/uRapAbonenci.h"
#include "support/FakeInterakcja.h"
#include "support/OknoGlobalne.h"
#include "support/TestowaBaza.h"

namespace {

// A current subscriber, an archived one, one whose subscription has run out, and a
// client without a subscription.
void Wypelnij(const TestowaBaza& baza) {
    baza.Wykonaj(
        "insert into klient (ID, Numer_klienta, Imie, Nazwisko, Abonament, Abonament_OD, "
        "Abonament_DO, Aktualny) values "
        "(1, 3, 'Anna', 'Nowak', 1, '2024-03-01', '2024-03-31', 1),"
        "(2, 8, 'Łukasz', 'Żak', 1, '2024-02-10', '2024-04-10', 0),"
        "(3, 15, 'Jan', 'Kowalski', 1, '2024-01-01', '2024-01-31', 1),"
        "(4, 16, 'Ewa', 'Bez', 0, null, null, 1)");
}

QTableWidget* Siatka(QDialog& okno) {
    return okno.findChild<QTableWidget*>("sgAbonenci");
}

}  // namespace

TEST(Abonenci, ListaZarchiwizowanychIPrzeterminowanych) {
    TestowaBaza baza(QDate(2024, 3, 5));
    Wypelnij(baza);
    TfAbonenci okno;
    okno.resize(600, 300);
    okno.show();
    EXPECT_EQ(okno.windowTitle(), "Abonenci");
    EXPECT_GE(okno.minimumWidth(), 488);
    QTableWidget* sg = Siatka(okno);
    std::vector<QString> naglowki;
    for (int k = 0; k < 4; ++k) naglowki.push_back(sg->horizontalHeaderItem(k)->text());
    EXPECT_EQ(naglowki,
              (std::vector<QString>{"Nr klienta", "Klient", "Abonament od", "Abonament do"}));
    EXPECT_EQ(PosortowaneWiersze(sg),
              (std::vector<std::vector<QString>>{
                  {"0003", "Nowak Anna", "01.03.2024", "31.03.2024", "1"},
                  {"0008", "Żak Łukasz", "10.02.2024", "10.04.2024", "2"},
                  {"0015", "Kowalski Jan", "01.01.2024", "31.01.2024", "3"}}));
    EXPECT_TRUE(sg->isColumnHidden(4));
    EXPECT_EQ(sg->columnWidth(0), 60);
    EXPECT_EQ(sg->columnWidth(1), sg->width() - 280);
    EXPECT_EQ(sg->columnWidth(2), 100);
    EXPECT_EQ(sg->columnWidth(3), 100);
    okno.resize(800, 300);
    QApplication::processEvents();
    EXPECT_EQ(sg->columnWidth(1), sg->width() - 280);
    EXPECT_EQ(QApplication::focusWidget(), okno.findChild<QPushButton*>("bRaport"));
}

TEST(Abonenci, BezAbonentowJednaPustaLiniaTakzePoWczesniejszymPokazaniu) {
    TestowaBaza baza;
    Wypelnij(baza);
    TfAbonenci okno;
    okno.FormShow();
    ASSERT_EQ(Siatka(okno)->rowCount(), 3);
    baza.Wykonaj("update klient set Abonament = False");
    okno.FormShow();
    SprawdzPustaLinie(okno, Siatka(okno));
}

TEST(Abonenci, DwuklikOtwieraKartotekeIPoprawiaLinie) {
    TestowaBaza baza;
    Wypelnij(baza);
    TOknoGlobalne<TfKlient> klient{fKlient};
    TfAbonenci okno;
    okno.show();
    QTableWidget* sg = Siatka(okno);
    const int w = WierszZTekstem(sg, 4, "3");
    ASSERT_GE(w, 0);

    FakeInterakcja f;
    f.PrzyOknie([](QDialog&) { return QDialog::Rejected; });
    DwuklikWiersza(sg, w);
    EXPECT_EQ(f.pokazaneOkna, (std::vector<QString>{"TfKlient"}));
    EXPECT_EQ(Wiersz(sg, w)[0], "0015") << "a cancelled dialog changes nothing";

    // The number changed in the dialog and saved: the line shows it at once; the name
    // boxes were not entered, so the name stays; the dates wait for the next opening.
    baza.Wykonaj("update klient set Abonament_OD = '2024-01-05' where ID = 3");
    f.PrzyOknie([](QDialog& o) {
        o.findChild<QLineEdit*>("eNr")->setText("20");
        return Kliknij("bZapisz")(o);
    });
    DwuklikWiersza(sg, w);
    EXPECT_EQ(f.pokazaneOkna, (std::vector<QString>{"TfKlient", "TfKlient"}));
    EXPECT_EQ(baza.Ile("select Numer_klienta from klient where ID = 3"), 20);
    EXPECT_EQ(Wiersz(sg, w),
              (std::vector<QString>{"0020", "Kowalski Jan", "01.01.2024", "31.01.2024", "3"}));

    // A name box entered and changed: the line takes the new name too.
    f.PrzyOknie(ZapiszKlienta("Kowalski-Nowak", {{"eNr", "21"}}));
    DwuklikWiersza(sg, w);
    EXPECT_EQ(Wiersz(sg, w)[0], "0021");
    EXPECT_EQ(Wiersz(sg, w)[1], "Kowalski-Nowak Jan");
}

TEST(Abonenci, RaportZOkna) {
    TestowaBaza baza;
    Wypelnij(baza);
    TfAbonenci okno;
    okno.FormShow();
    auto* miRaport = okno.findChild<QAction*>("miRaport");
    EXPECT_EQ(miRaport->shortcut(), QKeySequence(Qt::Key_F2));
    FakeDrukarka drukarka;
    FakeInterakcja f;
    f.PrzyOknie([](QDialog&) { return QDialog::Accepted; });
    f.Odpowiedz(QMessageBox::Yes);
    okno.findChild<QPushButton*>("bRaport")->click();
    EXPECT_EQ(f.pokazaneOkna, (std::vector<QString>{"TfPodglad"}));
    EXPECT_EQ(drukarka.zadania, (std::vector<QString>{"Wirdolan - raport klientów"}));
}

TEST(RapAbonenci, PasmaITeksty) {
    TestowaBaza baza(QDate(2024, 3, 5));
    Wypelnij(baza);
    TfRapAbonenci r;
    r.Przygotuj();
    const auto& strony = r.Strony();
    ASSERT_EQ(strony.size(), 1u);
    const TStrona& s = strony[0];
    EXPECT_EQ(Teksty(s, TRodzajPasma::Tytul),
              (std::vector<QString>{"Abonenci", "Stan na dzień ", "05.03.2024"}));
    for (const auto& t : s.TekstyPasma(TRodzajPasma::Tytul))
        EXPECT_EQ(t.czcionka, TCzcionka::PogrubionaKursywa(12));
    EXPECT_EQ(Teksty(s, TRodzajPasma::NaglowekKolumn),
              (std::vector<QString>{"Nr klienta", "Dane klienta", "Ważny od", "Ważny do"}));
    for (const auto& t : s.TekstyPasma(TRodzajPasma::NaglowekKolumn))
        EXPECT_EQ(t.czcionka, TCzcionka::Pogrubiona(10));
    ASSERT_EQ(s.ramki.size(), 1u);  // the column header
    const auto szczegoly = Teksty(s, TRodzajPasma::Szczegoly);
    EXPECT_EQ(szczegoly.size(), 12u);
    for (const char* t : {"0003", "Nowak Anna", "Żak Łukasz", "31.01.2024", "10.04.2024"})
        EXPECT_NE(std::find(szczegoly.begin(), szczegoly.end(), QString::fromUtf8(t)),
                  szczegoly.end())
            << t;
    EXPECT_EQ(std::find(szczegoly.begin(), szczegoly.end(), "Bez Ewa"), szczegoly.end());
    EXPECT_NE(s.Znajdz("Wydruk z programu Wirdolan"), nullptr);
}

TEST(RapAbonenci, BezAbonentowTylkoTytulINaglowki) {
    TestowaBaza baza;
    TfRapAbonenci r;
    r.Przygotuj();
    EXPECT_EQ(LiczbyTekstow(r), (std::vector<size_t>{1, 0, 3, 4, 0, 1}));
}
