#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <functional>
#include <iostream>
#include <ostream>

#include "clients/OdczytKlientow.h"
#include "clients/uWplata.h"
#include "clients/uZaleglosci.h"
#include "money/OdczytPulpitu.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/TQuery.h"
#include "support/FakeInterakcja.h"
#include "support/OknoGlobalne.h"
#include "support/TestowaBaza.h"
#include "support/Ubijanie.h"

inline void PrintTo(const QString& tekst, std::ostream* os) {
    *os << '"' << tekst.toStdString() << '"';
}

namespace {

const QString PytanieNizsza =
    QStringLiteral("Pobrano kwotę niższą niż należność. Czy zaksięgować wpłatę?");

// Client 1 owes 4,00 (film 2) and 6,00 (film 1) on returned rentals, balance -13,00 with
// an open rental's 3,00. Around them: rows that must be neither listed nor touched —
// an earlier paid-off return of film 1, the open rental, and another client's return of
// film 1 on the same days.
void Wypelnij(const TestowaBaza& baza) {
    baza.Wykonaj(
        "insert into klient (ID, Numer_klienta, Imie, Nazwisko, Saldo) values "
        "(1, 7, 'Anna', 'Nowak', -13), (2, 8, 'Jan', 'Kowalski', -6)");
    baza.Wykonaj(
        "insert into film (ID, Numer_filmu, Tytul_oryginalny, Tytul_polski, Stawka, Status) "
        "values (1, 1, 'Alien', 'Obcy', 5, True), (2, 2, 'Heat', 'Gorączka', 5, True), "
        "(3, 3, 'Ronin', 'Ronin', 5, False)");
    baza.Wykonaj(
        "insert into rental (id_filmu, id_klienta, dataOD, dataDO, zwrocono, platnosc, "
        "Platnosc1, DataZwrotu) values "
        "(2, 1, '2024-02-01', '2024-02-03', True, 0, 4, '2024-02-03'),"
        "(1, 1, '2024-02-10', '2024-02-11', True, 0, 6, '2024-02-12'),"
        "(1, 1, '2024-01-05', '2024-01-06', True, 0, 0, '2024-01-06'),"
        "(3, 1, '2024-03-01', '2024-03-08', False, 3, 0, null),"
        "(1, 2, '2024-02-10', '2024-02-11', True, 0, 6, '2024-02-12')");
}

double Saldo(const TestowaBaza& baza, int id) {
    return baza.Wartosc(QStringLiteral("select Saldo from klient where ID = %1").arg(id))
        .toDouble();
}
// platnosc1 of client 1's rentals, in the order inserted, and of client 2's.
std::vector<double> Zapisane(const TestowaBaza& baza) {
    std::vector<double> t;
    for (const char* warunek :
         {"id_klienta = 1 and id_filmu = 2", "id_klienta = 1 and dataOD = '2024-02-10'",
          "id_klienta = 1 and dataOD = '2024-01-05'", "id_klienta = 1 and zwrocono = False",
          "id_klienta = 2"})
        t.push_back(baza.Wartosc(QStringLiteral("select Platnosc1 from rental where ") + warunek)
                        .toDouble());
    return t;
}

QTableWidget* Siatka(QDialog& okno) {
    return okno.findChild<QTableWidget*>("sgZaleglosci");
}

std::vector<QString> Wiersz(QTableWidget* sg, int w) {
    std::vector<QString> t;
    for (int k = 0; k < sg->columnCount(); ++k)
        t.push_back(sg->item(w, k) ? sg->item(w, k)->text() : QString());
    return t;
}
// The amounts column, every row.
std::vector<QString> Kwoty(QTableWidget* sg) {
    std::vector<QString> t;
    for (int w = 0; w < sg->rowCount(); ++w) t.push_back(sg->item(w, 3)->text());
    return t;
}

// The payment dialog as the operator answers it: what it proposed, then the amount paid
// (typed into eKwota and confirmed), or declined (amount < 0).
struct TWplata {
    QString etykieta;
    double proponowano = -1;
};
std::function<int(QDialog&)> Zaplac(double kwota, TWplata* zapis = nullptr) {
    return [kwota, zapis](QDialog& okno) {
        auto& wplata = static_cast<TfWplata&>(okno);
        if (zapis) {
            zapis->proponowano = wplata.Kwota().Zlote();
            if (auto* l = okno.findChild<QLabel*>("Label1")) zapis->etykieta = l->text();
        }
        auto* e = okno.findChild<QLineEdit*>("eKwota");
        auto* zapisz = okno.findChild<QAbstractButton*>("bZapisz");
        auto* anuluj = okno.findChild<QAbstractButton*>("bAnuluj");
        if (kwota < 0) {
            if (anuluj) {
                anuluj->click();
                return okno.result();
            }
            return int(QDialog::Rejected);
        }
        if (e && zapisz) {
            e->setText(KwotaNaEkran(TKwota::ZeZlotych(kwota)));
            zapisz->click();
            return okno.result();
        }
        wplata.UstawKwote(QStringLiteral("Do zapłaty:"), TKwota::ZeZlotych(kwota));
        return int(QDialog::Accepted);
    };
}

class Zaleglosci : public ::testing::Test {
protected:
    void SetUp() override {
        Wypelnij(baza);
        okno.resize(640, 360);
        okno.UstawKlienta(1);
        Pokaz();
    }
    // Shown and active, as the operator gets it, so that its keys work.
    void Pokaz() {
        okno.show();
        okno.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&okno));
    }
    void Wplac() { okno.findChild<QAbstractButton*>("bWplata")->click(); }

    TestowaBaza baza;
    TOknoGlobalne<TfWplata> wplata{fWplata};
    TfZaleglosci okno;
};

}  // namespace

TEST_F(Zaleglosci, ListaNaglowkiSeparatorRazemIUkryteKolumny) {
    EXPECT_EQ(okno.objectName(), "TfZaleglosci");
    EXPECT_EQ(okno.windowTitle(), "Zaległe należności");
    QTableWidget* sg = Siatka(okno);
    ASSERT_EQ(sg->columnCount(), 6);
    std::vector<QString> naglowki;
    for (int k = 0; k < 4; ++k) naglowki.push_back(sg->horizontalHeaderItem(k)->text());
    EXPECT_EQ(naglowki,
              (std::vector<QString>{"Tytuł", "Data wypożyczenia", "Data zwrotu", "Należność"}));
    ASSERT_EQ(sg->rowCount(), 4);
    EXPECT_EQ(Wiersz(sg, 0), (std::vector<QString>{"Heat (Gorączka)", "01.02.2024", "03.02.2024",
                                                   "4,00", "2", "1"}));
    EXPECT_EQ(Wiersz(sg, 1),
              (std::vector<QString>{"Alien (Obcy)", "10.02.2024", "12.02.2024", "6,00", "1", "1"}));
    const QString s16(16, '=');
    EXPECT_EQ(Wiersz(sg, 2), (std::vector<QString>{QString(47, '='), s16, s16, s16, "", ""}));
    EXPECT_EQ(Wiersz(sg, 3), (std::vector<QString>{"Razem do zapłaty", "", "", "10,00", "", ""}));

    EXPECT_TRUE(sg->isColumnHidden(4));
    EXPECT_TRUE(sg->isColumnHidden(5));
    // 100 pixels each unless a header needs more in the font in force; the title the rest.
    auto szerokosci = [sg] {
        int reszta = sg->width() - 10;
        for (int k = 1; k <= 3; ++k) {
            EXPECT_EQ(sg->columnWidth(k),
                      std::max(100, sg->horizontalHeader()->sectionSizeHint(k)));
            reszta -= sg->columnWidth(k);
        }
        EXPECT_EQ(sg->columnWidth(0), reszta);
    };
    szerokosci();
    EXPECT_EQ(sg->columnWidth(3), 100) << "the amount's header fits in 100 pixels";
    okno.resize(820, 400);
    QApplication::processEvents();
    szerokosci();
    EXPECT_GT(sg->columnWidth(0), 820 - 10 - 3 * 160);
    EXPECT_TRUE(sg->isColumnHidden(4));

    EXPECT_EQ(sg->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(okno.findChild<QAction*>("miWplata")->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(okno.findChild<QAction*>("miZamknij")->shortcut(), QKeySequence(Qt::Key_F10));
}

TEST_F(Zaleglosci, CzescPoPytaniuSplacaWierszePoKolei) {
    FakeInterakcja f;
    TWplata w;
    f.PrzyOknie(Zaplac(5.00, &w));
    f.Odpowiedz(QMessageBox::Yes);
    Wplac();
    EXPECT_DOUBLE_EQ(w.proponowano, 10.00);
    if (!w.etykieta.isNull()) {
        EXPECT_EQ(w.etykieta, "Do zapłaty:");
    }
    ASSERT_EQ(f.komunikaty.size(), 1u);
    EXPECT_EQ(f.komunikaty[0].tekst, PytanieNizsza);
    EXPECT_EQ(f.komunikaty[0].tytul, "Wirdolan");
    EXPECT_EQ(f.komunikaty[0].domyslny, QMessageBox::No);

    EXPECT_DOUBLE_EQ(Saldo(baza, 1), -8.00);
    EXPECT_DOUBLE_EQ(Saldo(baza, 2), -6.00);
    EXPECT_EQ(Zapisane(baza), (std::vector<double>{0, 5.00, 0, 0, 6.00}));
    EXPECT_DOUBLE_EQ(baza.Wartosc("select platnosc from rental where zwrocono = False").toDouble(),
                     3.00);
    // The window stays open; the paid-off row shows 0,00.
    EXPECT_TRUE(okno.isVisible());
    EXPECT_EQ(Kwoty(Siatka(okno)),
              (std::vector<QString>{"0,00", "5,00", QString(16, '='), "5,00"}));

    // A second payment in the same showing takes what is left, without a question.
    f.PrzyOknie(Zaplac(5.00, &w));
    Wplac();
    EXPECT_DOUBLE_EQ(w.proponowano, 5.00);
    EXPECT_EQ(f.komunikaty.size(), 1u);
    EXPECT_DOUBLE_EQ(Saldo(baza, 1), -3.00);
    EXPECT_EQ(Zapisane(baza), (std::vector<double>{0, 0, 0, 0, 6.00}));
    EXPECT_EQ(Kwoty(Siatka(okno)).back(), "0,00");

    okno.findChild<QAbstractButton*>("bZamknij")->click();
    EXPECT_EQ(okno.result(), QDialog::Accepted);
}

TEST_F(Zaleglosci, WplataZWierszyOknaNieZTekstuKomorek) {
    // Cells changed on screen (amounts, dates, the hidden film) change nothing of the payment.
    QTableWidget* sg = Siatka(okno);
    sg->item(0, 3)->setText("1,00");
    sg->item(3, 3)->setText("99,00");
    sg->item(1, 1)->setText("01.01.2000");
    sg->item(1, 4)->setText("3");
    FakeInterakcja f;
    TWplata w;
    f.PrzyOknie(Zaplac(10.00, &w));
    Wplac();
    EXPECT_DOUBLE_EQ(w.proponowano, 10.00);
    EXPECT_TRUE(f.komunikaty.empty());
    EXPECT_DOUBLE_EQ(Saldo(baza, 1), -3.00);
    EXPECT_EQ(Zapisane(baza), (std::vector<double>{0, 0, 0, 0, 6.00}));
    EXPECT_EQ(Kwoty(sg), (std::vector<QString>{"0,00", "0,00", QString(16, '='), "0,00"}));
}

TEST_F(Zaleglosci, NadplataOstrzegaIKsiegujeNaleznosc) {
    FakeInterakcja f;
    f.PrzyOknie(Zaplac(12.00));
    QTest::keyClick(&okno, Qt::Key_F2);
    ASSERT_EQ(f.komunikaty.size(), 1u);
    EXPECT_EQ(f.komunikaty[0].tekst, "Pobrano za wysoką kwotę.");
    EXPECT_EQ(f.komunikaty[0].tytul, "Ostrzeżenie");
    EXPECT_EQ(f.komunikaty[0].ikona, TIkona::Ostrzezenie);
    EXPECT_DOUBLE_EQ(Saldo(baza, 1), -3.00);
    EXPECT_EQ(Zapisane(baza), (std::vector<double>{0, 0, 0, 0, 6.00}));
    EXPECT_EQ(Kwoty(Siatka(okno)),
              (std::vector<QString>{"0,00", "0,00", QString(16, '='), "0,00"}));

    // Closed by Esc after a booked payment: still OK, so the caller reloads the balance.
    QTest::keyClick(&okno, Qt::Key_Escape);
    EXPECT_FALSE(okno.isVisible());
    EXPECT_EQ(okno.result(), QDialog::Accepted);
}

TEST_F(Zaleglosci, OdmowaWplatyLubPytaniaNicNieZmienia) {
    FakeInterakcja f;
    f.PrzyOknie(Zaplac(-1));  // "Nie wpłacono <F10>"
    Wplac();
    EXPECT_TRUE(f.komunikaty.empty());

    f.PrzyOknie(Zaplac(5.00));
    f.Odpowiedz(QMessageBox::No);
    Wplac();
    EXPECT_EQ(f.Teksty(), (std::vector<QString>{PytanieNizsza}));

    EXPECT_DOUBLE_EQ(Saldo(baza, 1), -13.00);
    EXPECT_EQ(Zapisane(baza), (std::vector<double>{4.00, 6.00, 0, 0, 6.00}));
    EXPECT_EQ(Kwoty(Siatka(okno)),
              (std::vector<QString>{"4,00", "6,00", QString(16, '='), "10,00"}));

    // Nothing booked: Esc ends with Cancel, "Zamknij <F10>" with OK.
    QTest::keyClick(&okno, Qt::Key_Escape);
    EXPECT_EQ(okno.result(), QDialog::Rejected);
    Pokaz();
    QTest::keyClick(&okno, Qt::Key_F10);
    EXPECT_EQ(okno.result(), QDialog::Accepted);
}

TEST_F(Zaleglosci, NieudanaInstrukcjaNieZostawiaPolowyWplaty) {
    baza.Zablokuj("update", "rental", "zablokowane");
    FakeInterakcja f;
    f.PrzyOknie(Zaplac(10.00));
    Wplac();
    ASSERT_EQ(f.komunikaty.size(), 1u) << "one error box for the whole payment";
    EXPECT_TRUE(f.komunikaty[0].tekst.contains("zablokowane"));
    EXPECT_DOUBLE_EQ(Saldo(baza, 1), -13.00) << "the balance is rolled back with the rows";
    EXPECT_EQ(Zapisane(baza), (std::vector<double>{4.00, 6.00, 0, 0, 6.00}));
    EXPECT_EQ(Kwoty(Siatka(okno)).back(), "10,00");
    QTest::keyClick(&okno, Qt::Key_Escape);
    EXPECT_EQ(okno.result(), QDialog::Rejected);
}

// Another desk on the same store pays film 2's 4,00 while this window lists it: the
// payment is refused, the window shows the store's arrears, and a new payment goes in.
TEST_F(Zaleglosci, ZmienioneNaInnymStanowiskuOdswiezaOkno) {
    baza.DrugiePolaczenie(
        "begin; update rental set Platnosc1 = 0 where id_klienta = 1 and id_filmu = 2; "
        "update klient set Saldo = Saldo + 4 where ID = 1; commit");

    FakeInterakcja f;
    f.PrzyOknie(Zaplac(10.00));
    Wplac();
    ASSERT_EQ(f.komunikaty.size(), 1u);
    EXPECT_EQ(f.komunikaty[0].tekst,
              "Zaległości klienta zostały w międzyczasie zmienione na innym stanowisku (wpłata "
              "lub zwrot). Wpłata nie została zapisana.\n\nOkno pokazuje aktualne zaległości: "
              "razem do zapłaty 6,00 zł. Przyjmij wpłatę ponownie.");
    EXPECT_DOUBLE_EQ(Saldo(baza, 1), -9.00) << "only the other desk's payment";
    EXPECT_EQ(Zapisane(baza), (std::vector<double>{0, 6.00, 0, 0, 6.00}));
    EXPECT_EQ(baza.Ile("select count(*) from kasa"), 0);
    EXPECT_EQ(Kwoty(Siatka(okno)), (std::vector<QString>{"6,00", QString(16, '='), "6,00"}));
    // The balance changed elsewhere: closed by Esc, the desk is told to reload it.
    QTest::keyClick(&okno, Qt::Key_Escape);
    EXPECT_EQ(okno.result(), QDialog::Accepted);
    Pokaz();

    f.Wyczysc();
    f.PrzyOknie(Zaplac(6.00));
    Wplac();
    EXPECT_TRUE(f.komunikaty.empty());
    EXPECT_DOUBLE_EQ(Saldo(baza, 1), -3.00);
    EXPECT_EQ(Zapisane(baza), (std::vector<double>{0, 0, 0, 0, 6.00}));
    EXPECT_EQ(baza.Ile("select count(*) from kasa"), 1);
}

TEST(ZaleglosciBezDaty, ZwrotBezDatyZnajdowanyPrzezIsNull) {
    TestowaBaza baza;
    Wypelnij(baza);
    // A rental returned before return dates were kept, and another of the same film
    // and start date returned with a date.
    baza.Wykonaj(
        "insert into rental (id_filmu, id_klienta, dataOD, dataDO, zwrocono, platnosc, "
        "Platnosc1, DataZwrotu) values "
        "(3, 2, '2023-12-01', '2023-12-02', True, 0, 2, null),"
        "(3, 2, '2023-12-01', '2023-12-02', True, 0, 1.5, '2023-12-20')");
    TOknoGlobalne<TfWplata> wplata{fWplata};
    TfZaleglosci okno;
    okno.UstawKlienta(2);
    okno.FormShow();
    QTableWidget* sg = Siatka(okno);
    ASSERT_EQ(sg->rowCount(), 5);
    int bezDaty = -1;
    for (int w = 0; w < 3; ++w)
        if (sg->item(w, 2)->text().isEmpty()) bezDaty = w;
    ASSERT_GE(bezDaty, 0);
    EXPECT_EQ(sg->item(bezDaty, 3)->text(), "2,00");
    EXPECT_EQ(Kwoty(sg).back(), "9,50");

    FakeInterakcja f;
    f.PrzyOknie(Zaplac(9.50));
    okno.findChild<QAbstractButton*>("bWplata")->click();
    EXPECT_TRUE(f.komunikaty.empty());
    EXPECT_DOUBLE_EQ(Saldo(baza, 2), 3.50);
    EXPECT_EQ(baza.Ile("select count(*) from rental where id_klienta = 2 and Platnosc1 <> 0"), 0);
    EXPECT_DOUBLE_EQ(Saldo(baza, 1), -13.00);
}

// A client's rentals are listed in the order they were written, whatever changed in them
// since (a server keeps a changed row elsewhere): the arrears list and the open rentals.
TEST(KolejnoscWypozyczen, JakWpisanePoZmianach) {
    const auto zaleglosci = [](TQuery& q) {
        std::vector<qint64> filmy;
        const auto lista = ZaleglosciKlienta(q, 1);
        for (const TZalegloscFilmu& z : lista.value_or(std::vector<TZalegloscFilmu>{}))
            filmy.push_back(z.IdFilmu);
        return filmy;
    };
    const auto otwarte = [](TQuery& q) {
        std::vector<qint64> filmy;
        for (const TWypozyczenieNaLiscie& w : OtwarteWypozyczenia(q, 1)) filmy.push_back(w.IdFilmu);
        return filmy;
    };
    const auto zwrot = [](int film) {
        return QStringLiteral(
                   "update rental set zwrocono = True, Platnosc1 = 2, DataZwrotu = "
                   "'2024-03-09' where id_filmu = %1")
            .arg(film);
    };
    const struct {
        const char* nazwa;
        QStringList zmiany;
        std::function<std::vector<qint64>(TQuery&)> lista;
    } przypadki[] = {
        {"returned the first, the last, the middle", {zwrot(1), zwrot(3), zwrot(2)}, zaleglosci},
        {"the first extended",
         {"update rental set dataDO = '2024-03-20', Naleznosc = 9 where id_filmu = 1"},
         otwarte},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        TestowaBaza baza;
        baza.Wykonaj(
            "insert into klient (ID, Numer_klienta, Nazwisko, Saldo) values (1, 1, 'A', 0)");
        baza.Wykonaj(
            "insert into film (ID, Numer_filmu, Tytul_oryginalny, Stawka, Status) values "
            "(1, 1, 'A', 5, False), (2, 2, 'B', 5, False), (3, 3, 'C', 5, False)");
        baza.Wykonaj(
            "insert into rental (id_filmu, id_klienta, dataOD, dataDO, zwrocono, platnosc, "
            "Platnosc1, Naleznosc) values (1, 1, '2024-03-01', '2024-03-08', False, 0, 0, 5), "
            "(2, 1, '2024-03-01', '2024-03-08', False, 0, 0, 5), "
            "(3, 1, '2024-03-01', '2024-03-08', False, 0, 0, 5)");
        for (const QString& zmiana : p.zmiany) baza.Wykonaj(zmiana);
        TQuery q;
        EXPECT_EQ(p.lista(q), (std::vector<qint64>{1, 2, 3}));
    }
}

TEST(ZaleglosciZBiurka, SprawdzaZaleglosciPrzedPokazaniem) {
    TestowaBaza baza;
    Wypelnij(baza);
    TOknoGlobalne<TfZaleglosci> okno{fZaleglosci};
    FakeInterakcja f;

    // Client 3 has nothing; client 1's open rental alone would not count either.
    baza.Wykonaj("insert into klient (ID, Numer_klienta, Saldo) values (3, 9, -3)");
    baza.Wykonaj("drop index rental_otwarty_film");  // film 3 is out to client 1 too
    baza.Wykonaj(
        "insert into rental (id_filmu, id_klienta, dataOD, dataDO, zwrocono, platnosc, "
        "Platnosc1) values (3, 3, '2024-03-01', '2024-03-08', False, 3, 0)");
    EXPECT_FALSE(PokazZaleglosci(3));
    ASSERT_EQ(f.komunikaty.size(), 1u);
    EXPECT_EQ(f.komunikaty[0].tekst, "Wszystkie należności zostały uregulowane.");
    EXPECT_EQ(f.komunikaty[0].ikona, TIkona::Informacja);
    EXPECT_TRUE(f.pokazaneOkna.empty());

    int klient = 0;
    int wierszy = 0;
    f.PrzyOknie([&](QDialog& o) {
        auto& z = static_cast<TfZaleglosci&>(o);
        klient = z.Klient();
        z.show();
        wierszy = Siatka(z)->rowCount();
        z.findChild<QAbstractButton*>("bZamknij")->click();
        return z.result();
    });
    EXPECT_TRUE(PokazZaleglosci(1));
    EXPECT_EQ(klient, 1);
    EXPECT_EQ(wierszy, 4);

    f.PrzyOknie([](QDialog&) { return int(QDialog::Rejected); });
    EXPECT_FALSE(PokazZaleglosci(2));
    EXPECT_EQ(f.pokazaneOkna, (std::vector<QString>{"TfZaleglosci", "TfZaleglosci"}));
}

// The payment killed at every statement boundary in turn leaves the store as before or
// as after it.
TEST_F(Zaleglosci, UbicieNaKazdymPoleceniuZostawiaStanPrzedLubPo) {
    FakeInterakcja f;
    const int ubite = SprawdzUbijanie(
        baza,
        [&] {
            f.odpowiedzi.clear();
            f.okna.clear();
            // Shown again, the window reads the store as restored, not what the run
            // before left on its screen.
            okno.hide();
            okno.UstawKlienta(1);
            Pokaz();
            f.PrzyOknie(Zaplac(5.00));
            f.Odpowiedz(QMessageBox::Yes);
        },
        [&] { Wplac(); });
    f.odpowiedzi.clear();  // the last attempt's answers were used in its child only
    f.okna.clear();
    EXPECT_GT(ubite, 3);
    std::cout << "[ kill points ] arrears payment: " << ubite << std::endl;
}
