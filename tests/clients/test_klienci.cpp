#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "clients/uKlienci.h"
#include "clients/uKlienciArchiwum.h"
#include "clients/uKlient.h"
#include "reports/FakeDrukarka.h"
#include "reports/Pomocnicze.h"
#include "reports/uRapArchiwum.h"
#include "support/FakeInterakcja.h"
#include "support/OknoGlobalne.h"
#include "support/Rekordy.h"
#include "support/TestowaBaza.h"

namespace {

const QString PytanieUsun = QStringLiteral("Czy na pewno usunąć wskazanego klienta?");
const QString Zwrot =
    QStringLiteral("Nie można usunąć klienta.\nKlient musi najpier dokonać zwrotu wypożyczenia.");
const QString Zaleglosci =
    QStringLiteral("Nie można usunąć klienta.\nKlient musi najpier uregulować zaległe należności.");

class Klienci : public TBazaTestu {
protected:
    void SetUp() override { PolaczArchiwum(okno); }

    int Dodaj(int numer, const QString& imie, const QString& nazwisko, bool aktualny = true,
              const QString& reszta = QString()) {
        return DodajWiersz(
            baza, "klient",
            QStringLiteral("insert into klient (Numer_klienta, Imie, Nazwisko, Aktualny, "
                           "Saldo, Licznik, Rabat, Abonament) values (%1, '%2', '%3', %4, "
                           "0, 0, 0, False)")
                .arg(numer)
                .arg(imie, nazwisko)
                .arg(aktualny ? "True" : "False"),
            reszta);
    }
    void Wypozycz(int idKlienta, bool zwrocono, double platnosc, double platnosc1) {
        baza.Wykonaj(QStringLiteral("insert into rental (id_filmu, id_klienta, dataOD, dataDO, "
                                    "zwrocono, platnosc, platnosc1) values (1, %1, '2024-03-01', "
                                    "'2024-03-02', %2, %3, %4)")
                         .arg(idKlienta)
                         .arg(zwrocono ? "True" : "False")
                         .arg(platnosc)
                         .arg(platnosc1));
    }
    int Aktualny(int id) {
        return baza.Ile(QStringLiteral("select Aktualny from klient where ID = %1").arg(id));
    }
    QTableView* Siatka() { return okno.findChild<QTableView*>("sgKlienci"); }
    QString Pole(const char* nazwa) { return okno.findChild<QLineEdit*>(nazwa)->text(); }
    QPushButton* B(const char* nazwa) { return okno.findChild<QPushButton*>(nazwa); }
    void Pokaz() {
        okno.resize(760, 500);
        okno.show();
    }

    TOknoGlobalne<TfKlient> klient{fKlient};
    TfKlienci okno;
};

}  // namespace

TEST_F(Klienci, ListaAktywnychISzczegolyWybranego) {
    Dodaj(7, "Jan", "Kowalski", true,
          "Firma = 'Kowalski i S-ka', Upowazniony = 'Ewa', Miejscowosc = 'Opole', Kod = "
          "'45-001', Ulica = 'Długa', Nr_Posesji = '3a', Nr_lokalu = '12', Telefon = '555', NIP = "
          "'123', Ostatnie_wypozyczenie = '2024-01-10', Licznik = 14, Rabat = 5, Saldo = -12.5, "
          "Abonament_OD = '2023-12-01', Abonament_DO = '2023-12-31'");
    Dodaj(8, "Stary", "Archiwalny", false);
    Dodaj(12, "Anna", "Nowak", true,
          "Abonament = True, Abonament_OD = '2024-03-01', Abonament_DO = '2024-03-31', Saldo = 50");
    Pokaz();
    EXPECT_EQ(okno.windowTitle(), "Klienci");
    QTableView* sg = Siatka();
    EXPECT_EQ(Naglowek(sg, 0), "Nr");
    EXPECT_EQ(Naglowek(sg, 1), "Klient");
    ASSERT_EQ(Wierszy(sg), 2);
    EXPECT_EQ(Wiersz(sg, 0), (std::vector<QString>{"0007", "Kowalski Jan", QString::number(1)}));
    EXPECT_EQ(Wiersz(sg, 1), (std::vector<QString>{"0012", "Nowak Anna", QString::number(3)}));
    EXPECT_TRUE(sg->isColumnHidden(2));
    EXPECT_EQ(sg->columnWidth(0), 64);
    EXPECT_EQ(sg->columnWidth(1), sg->width() - 64 - 19);

    // The first row's client, without a subscription: no validity dates.
    EXPECT_EQ(okno.IdWybranego(), 1);
    EXPECT_EQ(Pole("eFirma"), "Kowalski i S-ka");
    EXPECT_EQ(Pole("eUpowazniony"), "Ewa");
    EXPECT_EQ(Pole("eMiejscowosc"), "Opole");
    EXPECT_EQ(Pole("eKod"), "45-001");
    EXPECT_EQ(Pole("eUlica"), "Długa");
    EXPECT_EQ(Pole("eNrPosesji"), "3a");
    EXPECT_EQ(Pole("eNrLokalu"), "12");
    EXPECT_EQ(Pole("eTelefon"), "555");
    EXPECT_EQ(Pole("eNIP"), "123");
    EXPECT_EQ(Pole("eOstWypozyczenie"), "10.01.2024");
    EXPECT_EQ(Pole("eLicznik"), "14");
    EXPECT_EQ(Pole("eRabat"), "5");
    EXPECT_FALSE(okno.findChild<QCheckBox*>("cbAbonament")->isChecked());
    EXPECT_EQ(Pole("eAbonamentOD"), "");
    EXPECT_EQ(Pole("eAbonamentDO"), "");
    EXPECT_EQ(Pole("eSaldo"), "-12,50");

    // Moving with the keys selects the next client.
    sg->setFocus();
    QTest::keyClick(sg, Qt::Key_Down);
    EXPECT_EQ(okno.IdWybranego(), 3);
    EXPECT_TRUE(okno.findChild<QCheckBox*>("cbAbonament")->isChecked());
    EXPECT_EQ(Pole("eAbonamentOD"), "01.03.2024");
    EXPECT_EQ(Pole("eAbonamentDO"), "31.03.2024");
    EXPECT_EQ(Pole("eSaldo"), "50,00");
    EXPECT_EQ(Pole("eFirma"), "");
    // ... and so does the mouse.
    QTest::mouseClick(sg->viewport(), Qt::LeftButton, {},
                      sg->visualRect(sg->model()->index(0, 1)).center());
    EXPECT_EQ(okno.IdWybranego(), 1);
    EXPECT_EQ(Pole("eSaldo"), "-12,50");
}

TEST_F(Klienci, PrzyciskiKlawiszeIPrzyciskZamknijPrzyPrawejKrawedzi) {
    Pokaz();
    const std::vector<std::pair<const char*, QString>> przyciski = {{"bNowy", "Nowy <F2>"},
                                                                    {"bEdytuj", "Edytuj <F3>"},
                                                                    {"bUsun", "Usuń <Del>"},
                                                                    {"bArchiwum", "Archiwum <F4>"},
                                                                    {"bZamknij", "Zamknij <F10>"}};
    for (const auto& [nazwa, tekst] : przyciski) EXPECT_EQ(B(nazwa)->text(), tekst);
    EXPECT_EQ(B("bArchiwum")->toolTip(), "Generuj raport wypożyczeń wskazanego klienta");
    const std::vector<std::pair<const char*, QKeySequence>> klawisze = {
        {"miNowy", QKeySequence(Qt::Key_F2)},
        {"miEdytuj", QKeySequence(Qt::Key_F3)},
        {"miUsun", QKeySequence(Qt::Key_Delete)},
        {"miArchiwum", QKeySequence(Qt::Key_F4)},
        {"miZamknij", QKeySequence(Qt::Key_F10)}};
    for (const auto& [nazwa, klawisz] : klawisze)
        EXPECT_EQ(okno.findChild<QAction*>(nazwa)->shortcut(), klawisz) << nazwa;

    auto* panel = okno.findChild<QWidget*>("pPrzyciski");
    for (int szerokosc : {760, 1000}) {
        okno.resize(szerokosc, 500);
        QApplication::processEvents();
        EXPECT_EQ(B("bZamknij")->x(), panel->width() - B("bZamknij")->width() - 12);
        EXPECT_EQ(Siatka()->columnWidth(1), Siatka()->width() - 64 - 19);
    }
    // An empty store: nothing to edit, archive or report.
    EXPECT_EQ(Wierszy(Siatka()), 0);
    EXPECT_FALSE(B("bUsun")->isEnabled());
    EXPECT_FALSE(B("bEdytuj")->isEnabled());
}

TEST_F(Klienci, ArchiwizacjaDopieroPoZwrocieIZaplacie) {
    const int id = Dodaj(7, "Jan", "Kowalski");
    Wypozycz(id, false, 0, 0);
    Pokaz();

    // A film out.
    fake.Odpowiedz(QMessageBox::Yes);
    B("bUsun")->click();
    ASSERT_EQ(fake.komunikaty.size(), 2u);
    EXPECT_EQ(fake.komunikaty[0].tekst, PytanieUsun);
    EXPECT_EQ(fake.komunikaty[0].ikona, TIkona::Pytanie);
    EXPECT_EQ(fake.komunikaty[0].domyslny, QMessageBox::No);
    EXPECT_EQ(fake.komunikaty[1].tekst, Zwrot);
    EXPECT_EQ(fake.komunikaty[1].tytul, "Wirdolan");
    EXPECT_EQ(fake.komunikaty[1].ikona, TIkona::Ostrzezenie);
    EXPECT_EQ(Aktualny(id), 1);

    // Returned, with a part left unpaid.
    baza.Wykonaj("update rental set zwrocono = True, platnosc1 = 4, DataZwrotu = '2024-03-04'");
    fake.Wyczysc();
    fake.Odpowiedz(QMessageBox::Yes);
    okno.findChild<QAction*>("miUsun")->trigger();
    EXPECT_EQ(fake.Teksty(), (std::vector<QString>{PytanieUsun, Zaleglosci}));
    EXPECT_EQ(Aktualny(id), 1);
    EXPECT_EQ(Wierszy(Siatka()), 1);

    // Paid off: archived, and the list shows that no active client is left.
    baza.Wykonaj("update rental set platnosc1 = 0");
    fake.Wyczysc();
    fake.Odpowiedz(QMessageBox::Yes);
    B("bUsun")->click();
    EXPECT_EQ(fake.Teksty(), (std::vector<QString>{PytanieUsun}));
    EXPECT_EQ(Aktualny(id), 0);
    EXPECT_EQ(baza.Ile("select count(*) from klient"), 1);  // the row stays
    EXPECT_EQ(Wierszy(Siatka()), 0);
    EXPECT_EQ(okno.IdWybranego(), 0);
    EXPECT_EQ(Pole("eSaldo"), "");
    EXPECT_FALSE(B("bUsun")->isEnabled());
}

TEST_F(Klienci, NieOdpowiedzNicNieZmienia) {
    const int id = Dodaj(7, "Jan", "Kowalski");
    Pokaz();
    fake.Odpowiedz(QMessageBox::No);
    B("bUsun")->click();
    EXPECT_EQ(fake.Teksty(), (std::vector<QString>{PytanieUsun}));
    EXPECT_EQ(Aktualny(id), 1);
    EXPECT_EQ(Wierszy(Siatka()), 1);
}

TEST_F(Klienci, ZaleglosciOtwartegoWypozyczeniaTezBlokuja) {
    // A rental still out with an unpaid part: the film out is reported first.
    const int id = Dodaj(7, "Jan", "Kowalski");
    Wypozycz(id, false, 3, 0);
    fake.Odpowiedz(QMessageBox::Yes);
    EXPECT_FALSE(UsunKlienta(id));
    EXPECT_EQ(fake.Teksty(), (std::vector<QString>{PytanieUsun, Zwrot}));
    EXPECT_EQ(Aktualny(id), 1);
}

TEST_F(Klienci, UsunKlientaZBiurka) {
    const int jan = Dodaj(7, "Jan", "Kowalski");
    const int anna = Dodaj(8, "Anna", "Nowak");
    // The desk's list holds a basket: refused though nothing is stored.
    fake.Odpowiedz(QMessageBox::Yes);
    EXPECT_FALSE(UsunKlienta(jan, true));
    EXPECT_EQ(fake.Teksty(), (std::vector<QString>{PytanieUsun, Zwrot}));
    EXPECT_EQ(Aktualny(jan), 1);

    fake.Wyczysc();
    fake.Odpowiedz(QMessageBox::No);
    EXPECT_FALSE(UsunKlienta(jan));
    EXPECT_EQ(Aktualny(jan), 1);

    // Returned and paid: archived at once; the other client is untouched.
    Wypozycz(jan, true, 0, 0);
    fake.Odpowiedz(QMessageBox::Yes);
    EXPECT_TRUE(UsunKlienta(jan));
    EXPECT_EQ(Aktualny(jan), 0);
    EXPECT_EQ(Aktualny(anna), 1);
    EXPECT_EQ(baza.Ile("select count(*) from klient where aktualny = True"), 1);
}

TEST_F(Klienci, EdycjaSamegoNumeruZmieniaWierszTylkoPoWejsciuWNazwe) {
    const int id = Dodaj(7, "Jan", "Kowalski");
    Pokaz();
    // Only the number and the authorised person: the row keeps its cells, the details
    // are refilled.
    fake.PrzyOknie([](QDialog& o) {
        o.findChild<QLineEdit*>("eNr")->setText("20");
        o.findChild<QLineEdit*>("eUpowazniony")->setText("Ewa Kowalska");
        return Kliknij("bZapisz")(o);
    });
    B("bEdytuj")->click();
    EXPECT_EQ(fake.pokazaneOkna, (std::vector<QString>{"TfKlient"}));
    EXPECT_EQ(baza.Ile(QStringLiteral("select Numer_klienta from klient where ID = %1").arg(id)),
              20);
    EXPECT_EQ(Wiersz(Siatka(), 0)[0], "0007");
    EXPECT_EQ(Wiersz(Siatka(), 0)[1], "Kowalski Jan");
    EXPECT_EQ(Pole("eUpowazniony"), "Ewa Kowalska");

    // A name box entered: number and name are written into the row. A double click on
    // the grid edits too.
    fake.PrzyOknie(ZapiszKlienta("Kowalski-Nowak", {{"eNr", "21"}}));
    DwuklikWiersza(Siatka(), 0);
    EXPECT_EQ(Wiersz(Siatka(), 0)[0], "0021");
    EXPECT_EQ(Wiersz(Siatka(), 0)[1], "Kowalski-Nowak Jan");
    EXPECT_EQ(baza.Wartosc(QStringLiteral("select Nazwisko from klient where ID = %1").arg(id))
                  .toString(),
              "Kowalski-Nowak");

    // Cancel: nothing changes.
    fake.PrzyOknie(Kliknij("bAnuluj"));
    okno.findChild<QAction*>("miEdytuj")->trigger();
    EXPECT_EQ(Wiersz(Siatka(), 0)[0], "0021");
}

TEST_F(Klienci, NowyKlientPojawiaSieNaLiscie) {
    Dodaj(7, "Jan", "Kowalski");
    Pokaz();
    fake.PrzyOknie(ZapiszKlienta("O'Brien", {{"eImie", "Sean"}}));
    B("bNowy")->click();
    ASSERT_EQ(Wierszy(Siatka()), 2);
    EXPECT_EQ(Wiersz(Siatka(), 1)[0], "0008");
    EXPECT_EQ(Wiersz(Siatka(), 1)[1], "O'Brien Sean");
    EXPECT_EQ(
        baza.Ile("select count(*) from klient where Nazwisko = 'O''Brien' and Aktualny = True"), 1);
}

TEST_F(Klienci, RaportWypozyczenKlienta) {
    Dodaj(7, "Jan", "Kowalski");
    Pokaz();
    FakeDrukarka drukarka;
    fake.PrzyOknie([](QDialog&) { return QDialog::Accepted; });
    fake.Odpowiedz(QMessageBox::Yes);
    okno.findChild<QAction*>("miArchiwum")->trigger();
    EXPECT_EQ(fake.pokazaneOkna, (std::vector<QString>{"TfPodglad"}));
    EXPECT_EQ(fake.Teksty(), (std::vector<QString>{"Czy rozpocząć drukowanie?"}));
    EXPECT_EQ(fake.komunikaty[0].domyslny, QMessageBox::Yes);
    EXPECT_EQ(drukarka.zadania, (std::vector<QString>{"Wirdolan - archiwum klienta"}));
}

TEST_F(Klienci, ArchiwumKlientowPoNazwiskuIPrzywrocenie) {
    const int zak = Dodaj(3, "Ewa", "Zając", false, "Firma = 'Zając sp. z o.o.'");
    const int bak = Dodaj(4, "Piotr", "Bąk", false);
    Dodaj(5, "Jan", "Kowalski");
    TfKlienciArchiwum archiwum;
    archiwum.resize(700, 400);
    archiwum.show();
    EXPECT_EQ(archiwum.windowTitle(), "Usunięci klienci");
    EXPECT_GE(archiwum.minimumWidth(), 644);
    auto* sg = archiwum.findChild<QTableWidget*>("sgKlienci");
    EXPECT_TRUE(sg->isColumnHidden(0));
    EXPECT_EQ(sg->horizontalHeaderItem(1)->text(), "Nazwisko");
    EXPECT_EQ(sg->horizontalHeaderItem(2)->text(), "Imię");
    EXPECT_EQ(sg->horizontalHeaderItem(3)->text(), "Firma");
    ASSERT_EQ(sg->rowCount(), 2);
    EXPECT_EQ(Wiersz(sg, 0), (std::vector<QString>{QString::number(bak), "Bąk", "Piotr", ""}));
    EXPECT_EQ(Wiersz(sg, 1),
              (std::vector<QString>{QString::number(zak), "Zając", "Ewa", "Zając sp. z o.o."}));
    EXPECT_EQ(sg->columnWidth(1), sg->width() / 3);
    EXPECT_EQ(sg->columnWidth(3), sg->width() / 3 - 20);
    archiwum.resize(900, 400);
    QApplication::processEvents();
    EXPECT_EQ(sg->columnWidth(2), sg->width() / 3);

    // No: nothing changes.
    fake.Odpowiedz(QMessageBox::No);
    archiwum.findChild<QPushButton*>("bPrzywroc")->click();
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_EQ(fake.komunikaty[0].tekst, "Czy na pewno chcesz przywrócić klienta do bazy?");
    EXPECT_EQ(fake.komunikaty[0].domyslny, QMessageBox::Yes);
    EXPECT_EQ(Aktualny(bak), 0);

    // The second row's client restored, whatever its hidden cell shows; the first row becomes
    // current.
    sg->setCurrentCell(1, 1);
    sg->item(1, 0)->setText(QString::number(bak));
    fake.Odpowiedz(QMessageBox::Yes);
    archiwum.findChild<QAction*>("miPrzywroc")->trigger();
    EXPECT_EQ(Aktualny(zak), 1);
    EXPECT_EQ(Aktualny(bak), 0);
    ASSERT_EQ(sg->rowCount(), 1);
    EXPECT_EQ(sg->currentRow(), 0);
    EXPECT_EQ(Wiersz(sg, 0)[1], "Bąk");

    // The restored client is back in the client list with its number.
    Pokaz();
    ASSERT_EQ(Wierszy(Siatka()), 2);
    std::vector<QString> numery = {Wiersz(Siatka(), 0)[0], Wiersz(Siatka(), 1)[0]};
    std::sort(numery.begin(), numery.end());
    EXPECT_EQ(numery, (std::vector<QString>{"0003", "0005"}));
}

TEST_F(Klienci, ArchiwumKlientowWPolskimPorzadku) {
    for (const char* nazwisko : {"Sowa", "Żak", "Łoś", "Zorro", "Lis", "Śliwa", "Ósemka", "Orzeł"})
        Dodaj(baza.Ile("select count(*) from klient") + 1, "Jan", QString::fromUtf8(nazwisko),
              false);
    TfKlienciArchiwum archiwum;
    archiwum.show();
    auto* sg = archiwum.findChild<QTableWidget*>("sgKlienci");
    QStringList nazwiska;
    for (int w = 0; w < sg->rowCount(); ++w) nazwiska << sg->item(w, 1)->text();
    EXPECT_EQ(nazwiska,
              QStringList({"Lis", "Łoś", "Orzeł", "Ósemka", "Sowa", "Śliwa", "Zorro", "Żak"}));
}

TEST_F(Klienci, PokazArchiwumKlientowTworzyOknoNaKazdyRaz) {
    fake.PrzyOknie([](QDialog& o) {
        EXPECT_EQ(o.objectName(), "TfKlienciArchiwum");
        return QDialog::Rejected;
    });
    PokazArchiwumKlientow();
    EXPECT_EQ(fake.pokazaneOkna, (std::vector<QString>{"TfKlienciArchiwum"}));
}
