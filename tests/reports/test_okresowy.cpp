#include <gtest/gtest.h>

#include <QAction>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "FakeDrukarka.h"
#include "Pomocnicze.h"
#include "reports/uRapDaty.h"
#include "reports/uRapOkresowy.h"
#include "reports/uRaporty.h"
#include "store/Katalogi.h"
#include "store/Zegar.h"
#include "support/FakeInterakcja.h"
#include "support/TestowaBaza.h"

namespace {

// Clients, films and rentals around the range 01.03.2024 - 07.03.2024.
void Wypelnij(const TestowaBaza& baza) {
    baza.Wykonaj(
        "insert into klient (ID, Numer_klienta, Imie, Nazwisko) values "
        "(1, 3, 'Anna', 'Nowak'), (2, 8, 'Łukasz', 'Żak')");
    baza.Wykonaj(
        "insert into film (ID, Numer_filmu, Tytul_oryginalny, Tytul_polski) values "
        "(1, 1, 'Alien', 'Obcy'), (2, 2, 'Heat', 'Gorączka'), (3, 3, 'Jaws', 'Szczęki')");
    baza.Wykonaj(
        "insert into rental (id_filmu, id_klienta, dataOD, dataDO, zwrocono, dataZwrotu, "
        "platnosc, platnosc1, z_abonamentu, naleznosc) values "
        // returned: 10.00 charged, nothing owed, 4.00 from the subscription: 6.00
        "(1, 1, '2024-03-02', '2024-03-03', 1, '2024-03-04', 0, 0, 4, 10),"
        // returned, 2.50 still owed: 9.50
        "(2, 2, '2024-03-01', '2024-03-02', 1, '2024-03-07', 0, 2.5, 0, 12),"
        // open, all of the 10.00 still owed: 0.00
        "(3, 1, '2024-03-03', '2024-03-06', 0, null, 10, 0, 0, 10),"
        // open, started after the range, paid: 8.00 (open rentals count whenever they began)
        "(2, 1, '2024-03-09', '2024-03-10', 0, null, 0, 0, 0, 8),"
        // returned after the range: left out
        "(3, 2, '2024-03-05', '2024-03-06', 1, '2024-03-08', 0, 0, 0, 50),"
        // started before the range: left out
        "(1, 2, '2024-02-29', '2024-03-01', 1, '2024-03-01', 0, 0, 0, 70)");
    // Written before the later columns existed: an open one (5.00 unpaid) and a returned
    // one, whose return date was never kept; the store is also from before the index of one
    // open rental a copy.
    baza.Wykonaj("drop index rental_otwarty_film");
    baza.Wykonaj(
        "insert into rental (id_filmu, id_klienta, dataOD, dataDO, zwrocono, platnosc) "
        "values (2, 2, '2024-03-02', '2024-03-04', 0, 5), "
        "(1, 2, '2024-03-02', '2024-03-04', 1, 0)");
}

struct TLinia {
    QString nr, klient, film, platnosc;
    bool operator<(const TLinia& o) const {
        return std::tie(nr, film, platnosc) < std::tie(o.nr, o.film, o.platnosc);
    }
    bool operator==(const TLinia&) const = default;
};
void PrintTo(const TLinia& l, std::ostream* os) {
    *os << l.nr.toStdString() << "|" << l.klient.toStdString() << "|" << l.film.toStdString() << "|"
        << l.platnosc.toStdString();
}

std::vector<TLinia> Linie(const TStrona& s) {
    const auto t = Teksty(s, TRodzajPasma::Szczegoly);
    std::vector<TLinia> linie;
    for (size_t i = 0; i + 3 < t.size(); i += 4)
        linie.push_back({t[i], t[i + 1], t[i + 2], t[i + 3]});
    std::sort(linie.begin(), linie.end());  // the statement fixes no order
    return linie;
}

class Okresowy : public ::testing::Test {
protected:
    void SetUp() override { KatalogBazy = baza.Katalog(); }
    void TearDown() override { KatalogBazy.clear(); }
    TestowaBaza baza{QDate(2024, 3, 5)};
};

}  // namespace

TEST(KwotaWypozyczenia, ZwroconeIOtwarte) {
    // In grosze: returned, charge, charge, unpaid after the return, covered, unpaid
    // while out; what the rental brought.
    struct Przypadek {
        bool zwrocono, jestNaleznosc;
        qint64 naleznosc, platnosc, platnosc1, zAbonamentu, wynik;
    };
    const Przypadek przypadki[] = {
        // Returned: the charge minus what is still owed minus the subscription's part; what
        // was unpaid while it was out does not count.
        {true, true, 1000, 0, 0, 400, 600},
        {true, true, 1200, 700, 250, 0, 950},
        // Open: the charge minus what is still owed.
        {false, true, 1000, 1000, 0, 0, 0},
        {false, true, 1000, 300, 900, 900, 700},
        // Without a charge (a rental older than the column) the rental counts nothing, even
        // when something of it is still unpaid.
        {false, false, 0, 500, 0, 0, 0},
        {true, false, 0, 0, 0, 0, 0},
        {true, true, 30, 0, 10, 20, 0},
    };
    for (const Przypadek& p : przypadki) {
        const TKwotyWypozyczenia k{p.zwrocono,
                                   p.jestNaleznosc,
                                   TKwota::ZGroszy(p.naleznosc),
                                   TKwota::ZGroszy(p.platnosc),
                                   TKwota::ZGroszy(p.platnosc1),
                                   TKwota::ZGroszy(p.zAbonamentu)};
        EXPECT_EQ(KwotaWypozyczenia(k).Grosze(), p.wynik) << p.naleznosc << ' ' << p.platnosc;
    }
}

TEST(NaglowekZakresu, JedenDzienIZakres) {
    const QString nazwa = QString::fromUtf8("Raport wypożyczeń");
    EXPECT_EQ(NaglowekZakresu(nazwa, QDate(2024, 3, 1), QDate(2024, 3, 1)),
              QString::fromUtf8("Raport wypożyczeń w dniu 01.03.2024"));
    EXPECT_EQ(NaglowekZakresu(nazwa, QDate(2024, 3, 1), QDate(2024, 3, 7)),
              QString::fromUtf8("Raport wypożyczeń za okres od 01.03.2024 do 07.03.2024"));
}

TEST_F(Okresowy, WierszeIWplywyZakresu) {
    Wypelnij(baza);
    TfRapOkresowy r;
    ASSERT_TRUE(r.Init(QDate(2024, 3, 1), QDate(2024, 3, 7)));
    EXPECT_EQ(r.Wplywy.Grosze(), 2350);
    const auto& strony = r.Strony();
    ASSERT_EQ(strony.size(), 1u);
    const TStrona& s = strony[0];
    EXPECT_EQ(Teksty(s, TRodzajPasma::Tytul),
              (std::vector<QString>{
                  QString::fromUtf8("Raport wypożyczeń za okres od 01.03.2024 do 07.03.2024"),
                  QString::fromUtf8("Wpływy:"), "23,50"}));
    EXPECT_EQ(Linie(s),
              (std::vector<TLinia>{{"0003", "Nowak Anna", "Alien", "6,00"},
                                   {"0003", "Nowak Anna", "Heat", "8,00"},
                                   {"0003", "Nowak Anna", "Jaws", "0,00"},
                                   {"0008", QString::fromUtf8("Żak Łukasz"), "Heat", "0,00"},
                                   {"0008", QString::fromUtf8("Żak Łukasz"), "Heat", "9,50"}}));
}

TEST_F(Okresowy, UkladPasm) {
    baza.Wykonaj(
        "insert into klient (ID, Numer_klienta, Imie, Nazwisko) values (2, 8, 'Łukasz', 'Żak')");
    baza.Wykonaj(
        "insert into film (ID, Numer_filmu, Tytul_oryginalny, Tytul_polski) values "
        "(2, 2, 'Heat', 'Gorączka')");
    baza.Wykonaj(
        "insert into rental (id_filmu, id_klienta, dataOD, dataDO, zwrocono, dataZwrotu, "
        "platnosc, platnosc1, z_abonamentu, naleznosc) values "
        "(2, 2, '2024-03-01', '2024-03-01', 1, '2024-03-01', 0, 0.5, 0, 10)");
    TfRapOkresowy r;
    ASSERT_TRUE(r.Init(QDate(2024, 3, 1), QDate(2024, 3, 1)));
    const TStrona& s = r.Strony().at(0);
    EXPECT_EQ(r.TytulZadania, QString::fromUtf8("Wirdolan - raport wypożyczeń"));

    struct TOczekiwany {
        const char* tekst;
        double x;
        TCzcionka czcionka;
    };
    auto sprawdz = [&](TRodzajPasma pasmo, const std::vector<TOczekiwany>& oczekiwane) {
        const auto teksty = s.TekstyPasma(pasmo);
        ASSERT_EQ(teksty.size(), oczekiwane.size());
        for (size_t i = 0; i < teksty.size(); ++i) {
            EXPECT_EQ(teksty[i].tekst, QString::fromUtf8(oczekiwane[i].tekst));
            EXPECT_DOUBLE_EQ(teksty[i].prostokat.x(), oczekiwane[i].x) << oczekiwane[i].tekst;
            EXPECT_EQ(teksty[i].czcionka, oczekiwane[i].czcionka) << oczekiwane[i].tekst;
        }
    };
    const auto pk = TCzcionka::PogrubionaKursywa(10);
    const auto p12 = TCzcionka::Pogrubiona(12);
    const auto p10 = TCzcionka::Pogrubiona(10);
    const auto z10 = TCzcionka::Zwykla(10);
    sprawdz(TRodzajPasma::NaglowekStrony,
            {{"Raport wypożyczeń", 3.2, pk}, {"05.03.2024", 171.5, pk}});
    sprawdz(TRodzajPasma::Tytul, {{"Raport wypożyczeń w dniu 01.03.2024", 3.2, p12},
                                  {"Wpływy:", 3.2, p12},
                                  {"9,50", 24.3, p12}});
    sprawdz(TRodzajPasma::NaglowekKolumn, {{"Nr klienta", 2.1, p10},
                                           {"Klient", 24.3, p10},
                                           {"Film", 95.3, p10},
                                           {"Płatność", 172.5, p10}});
    sprawdz(
        TRodzajPasma::Szczegoly,
        {{"0008", 2.1, z10}, {"Żak Łukasz", 24.3, z10}, {"Heat", 95.3, z10}, {"9,50", 172.5, z10}});
    // "Wpływy:" stands on the line under the heading, with the total beside it.
    const auto* wplywy = s.Znajdz(QString::fromUtf8("Wpływy:"));
    EXPECT_GT(wplywy->prostokat.y(),
              s.Znajdz(QString::fromUtf8("Raport wypożyczeń w dniu 01.03.2024"))->prostokat.y());
    EXPECT_DOUBLE_EQ(s.TekstyPasma(TRodzajPasma::Tytul)[2].prostokat.y(), wplywy->prostokat.y());
    EXPECT_EQ(Teksty(s, TRodzajPasma::StopkaStrony),
              (std::vector<QString>{"Wydruk z programu Wirdolan"}));
    EXPECT_TRUE(s.linie.empty()) << "the footer has no rule above it";
}

TEST_F(Okresowy, BezWypozyczenNaglowkiWplywyZeroIStopka) {
    TfRapOkresowy r;
    ASSERT_TRUE(r.Init(QDate(2024, 3, 1), QDate(2024, 3, 7)));
    ASSERT_EQ(LiczbyTekstow(r), (std::vector<size_t>{1, 2, 3, 4, 0, 1}));
    EXPECT_EQ(Teksty(r.Strony()[0], TRodzajPasma::Tytul)[1], QString::fromUtf8("Wpływy:"));
    EXPECT_EQ(Teksty(r.Strony()[0], TRodzajPasma::Tytul)[2], "0,00");
}

TEST(RapDaty, PoczatkoweDatyPrzyciskiIKlawisze) {
    UstawDzisiaj(QDate(2024, 3, 5));
    TfRapDaty okno;
    EXPECT_EQ(okno.windowTitle(), "Raport okresowy");
    EXPECT_EQ(okno.DataOD->date(), QDate(2024, 2, 27));
    EXPECT_EQ(okno.DataDO->date(), QDate(2024, 3, 5));
    EXPECT_EQ(okno.DataOD->text(), "27.02.2024");
    EXPECT_EQ(okno.DataOD->objectName(), "DataOD");
    auto* generuj = okno.findChild<QPushButton*>("bGeneruj");
    EXPECT_EQ(generuj->text(), "Generuj <F2>");
    EXPECT_EQ(generuj->toolTip(), "Generuj raport za wskazany okres");
    EXPECT_EQ(okno.findChild<QPushButton*>("bAnuluj")->text(), "Anuluj <F10>");
    EXPECT_EQ(okno.findChild<QAction*>("miGeneruj")->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(okno.findChild<QAction*>("miAnuluj")->shortcut(), QKeySequence(Qt::Key_F10));
    auto* menu = okno.findChild<QMenu*>("menuZapis");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), "Zapis");
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[0]->text(), "Generuj");
    EXPECT_EQ(menu->actions()[1]->text(), "Anuluj");
    for (const char* b : {"bbKalendarzOD", "bbKalendarzDO"})
        EXPECT_EQ(okno.findChild<QToolButton*>(b)->toolTip(), QString::fromUtf8("Pokaż kalendarz"));

    okno.show();
    QApplication::setActiveWindow(&okno);
    EXPECT_EQ(QApplication::focusWidget(), okno.DataOD);
    generuj->click();
    EXPECT_EQ(okno.result(), QDialog::Accepted);
    okno.show();
    okno.findChild<QAction*>("miAnuluj")->trigger();
    EXPECT_EQ(okno.result(), QDialog::Rejected);
    okno.show();
    QTest::keyClick(&okno, Qt::Key_Escape);
    EXPECT_EQ(okno.result(), QDialog::Rejected);
    UstawDzisiaj(QDate());
}

TEST(RapDaty, ZakresPozostajePoprawny) {
    UstawDzisiaj(QDate(2024, 3, 5));
    TfRapDaty okno;
    // An end before the start moves the start back to it.
    okno.DataDO->setDate(QDate(2024, 2, 20));
    EXPECT_EQ(okno.DataOD->date(), QDate(2024, 2, 20));
    // A start after the end moves the end forward to it.
    okno.DataOD->setDate(QDate(2024, 3, 10));
    EXPECT_EQ(okno.DataDO->date(), QDate(2024, 3, 10));
    // Within the range nothing else moves.
    okno.DataOD->setDate(QDate(2024, 3, 1));
    EXPECT_EQ(okno.DataDO->date(), QDate(2024, 3, 10));

    // Typed key by key: the other day follows only once a whole day has been typed.
    okno.show();
    okno.DataDO->setFocus();
    okno.DataDO->setSelectedSection(QDateTimeEdit::DaySection);
    QTest::keyClicks(okno.DataDO, "15");
    EXPECT_EQ(okno.DataDO->date(), QDate(2024, 3, 15));
    EXPECT_EQ(okno.DataOD->date(), QDate(2024, 3, 1)) << "typing 1 then 5 never passed day 01";
    okno.DataDO->setSelectedSection(QDateTimeEdit::YearSection);
    QTest::keyClicks(okno.DataDO, "2023");
    EXPECT_EQ(okno.DataDO->date(), QDate(2023, 3, 15));
    EXPECT_EQ(okno.DataOD->date(), QDate(2023, 3, 15));
    UstawDzisiaj(QDate());
}

TEST(RapDaty, KalendarzWybieraDzien) {
    UstawDzisiaj(QDate(2024, 3, 5));
    TfRapDaty okno;
    FakeInterakcja f;
    QStringList podpowiedzi;
    f.PrzyOknie([&](QDialog& k) {
        EXPECT_EQ(k.windowTitle(), QString::fromUtf8("Wybierz datę"));
        for (const char* b :
             {"bbPoprzedniRok", "bbPoprzedniMiesiac", "bbNastepnyMiesiac", "bbNastepnyRok"})
            podpowiedzi << k.findChild<QToolButton*>(b)->toolTip();
        auto* kalendarz = k.findChild<QCalendarWidget*>("kalendarz");
        EXPECT_EQ(kalendarz->selectedDate(), QDate(2024, 3, 5));
        k.findChild<QToolButton*>("bbNastepnyRok")->click();
        k.findChild<QToolButton*>("bbPoprzedniMiesiac")->click();
        k.findChild<QToolButton*>("bbPoprzedniMiesiac")->click();
        EXPECT_EQ(kalendarz->selectedDate(), QDate(2025, 1, 5));
        EXPECT_EQ(kalendarz->monthShown(), 1);
        EXPECT_EQ(kalendarz->yearShown(), 2025);
        k.findChild<QPushButton*>("bOK")->click();
        return k.result();
    });
    okno.findChild<QToolButton*>("bbKalendarzDO")->click();
    EXPECT_EQ(podpowiedzi, (QStringList{"Poprzedni rok", QString::fromUtf8("Poprzedni miesiąc"),
                                        QString::fromUtf8("Następny miesiąc"),
                                        QString::fromUtf8("Następny rok")}));
    EXPECT_EQ(okno.DataDO->date(), QDate(2025, 1, 5));
    EXPECT_EQ(okno.DataOD->date(), QDate(2024, 2, 27));

    // A pick before the start moves the start; a cancelled calendar changes nothing.
    const auto wybierz = [&](const char* pole, const QDate& dzien, const char* przycisk) {
        f.PrzyOknie([dzien, przycisk](QDialog& k) {
            k.findChild<QCalendarWidget*>("kalendarz")->setSelectedDate(dzien);
            k.findChild<QPushButton*>(przycisk)->click();
            return k.result();
        });
        okno.findChild<QToolButton*>(pole)->click();
    };
    wybierz("bbKalendarzDO", QDate(2024, 1, 31), "bOK");
    EXPECT_EQ(okno.DataOD->date(), QDate(2024, 1, 31));
    wybierz("bbKalendarzOD", QDate(2020, 1, 1), "bAnuluj");
    EXPECT_EQ(okno.DataOD->date(), QDate(2024, 1, 31));
    UstawDzisiaj(QDate());
}

TEST(Kalendarz, MiesiacDalejZachowujeDzienWMiesiacu) {
    TKalendarz k(QDate(2024, 3, 31));
    k.Przesun(0, 1);
    EXPECT_EQ(k.Data(), QDate(2024, 4, 30));
    k.Przesun(-1, 0);
    EXPECT_EQ(k.Data(), QDate(2023, 4, 30));
}

TEST_F(Okresowy, MenuOkresowyPodgladPytanieIDruk) {
    Wypelnij(baza);
    FakeDrukarka drukarka;
    FakeInterakcja f;
    f.PrzyOknie([](QDialog& d) {
        d.findChild<QDateEdit*>("DataOD")->setDate(QDate(2024, 3, 1));
        d.findChild<QDateEdit*>("DataDO")->setDate(QDate(2024, 3, 7));
        d.findChild<QPushButton*>("bGeneruj")->click();
        return d.result();
    });
    f.PrzyOknie([&](QDialog&) { return QDialog::Accepted; });
    f.Odpowiedz(QMessageBox::Yes);
    RaportOkresowy();
    EXPECT_EQ(f.pokazaneOkna, (std::vector<QString>{"TfRapDaty", "TfPodglad"}));
    ASSERT_EQ(f.komunikaty.size(), 1u);
    EXPECT_EQ(f.komunikaty[0].tekst, QString::fromUtf8("Czy rozpocząć drukowanie?"));
    EXPECT_EQ(f.komunikaty[0].ikona, TIkona::Pytanie);
    EXPECT_EQ(f.komunikaty[0].tytul, TytulAplikacji);
    EXPECT_EQ(drukarka.zadania,
              (std::vector<QString>{QString::fromUtf8("Wirdolan - raport wypożyczeń")}));

    // No: previewed, not printed.
    f.Wyczysc();
    f.PrzyOknie(Kliknij("bGeneruj"));
    f.PrzyOknie([](QDialog&) { return QDialog::Accepted; });
    f.Odpowiedz(QMessageBox::No);
    RaportOkresowy();
    EXPECT_EQ(f.pokazaneOkna.size(), 2u);
    EXPECT_EQ(drukarka.zadania.size(), 1u);

    // Cancel: no report at all.
    f.Wyczysc();
    f.PrzyOknie(Kliknij("bAnuluj"));
    RaportOkresowy();
    EXPECT_EQ(f.pokazaneOkna, (std::vector<QString>{"TfRapDaty"}));
    EXPECT_TRUE(f.komunikaty.empty());
}

TEST_F(Okresowy, BladPoleceniaNicNieDrukuje) {
    baza.Wykonaj("drop table film");
    FakeDrukarka drukarka;
    FakeInterakcja f;
    f.PrzyOknie(Kliknij("bGeneruj"));
    RaportOkresowy();
    EXPECT_EQ(f.pokazaneOkna, (std::vector<QString>{"TfRapDaty"}));
    ASSERT_EQ(f.komunikaty.size(), 1u);  // the store's error text, no print question
    EXPECT_NE(f.komunikaty[0].tekst, QString::fromUtf8("Czy rozpocząć drukowanie?"));
    EXPECT_TRUE(drukarka.zadania.empty());
}
