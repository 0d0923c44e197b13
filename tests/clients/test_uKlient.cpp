#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "clients/uKlient.h"
#include "clients/uWplata.h"
#include "clients/uZaleglosci.h"
#include "settings/uConfig.h"
#include "store/Katalogi.h"
#include "support/FakeInterakcja.h"
#include "support/Kwoty.h"
#include "support/OknoGlobalne.h"
#include "support/Rekordy.h"
#include "support/TestowaBaza.h"
#include "widgets/LimitZnakow.h"
#include "widgets/uDialog.h"

namespace {

const QString Niepoprawna = QString::fromUtf8("Niepoprawna wartość.");

class Klient : public TBazaTestu {
protected:
    void SetUp() override { config->Ustawienia.AbOplata = 50_zl; }

    QLineEdit* E(const char* nazwa) { return okno.findChild<QLineEdit*>(nazwa); }
    QPushButton* B(const char* nazwa) { return okno.findChild<QPushButton*>(nazwa); }
    QCheckBox* Abonament() { return okno.findChild<QCheckBox*>("cbAbonament"); }
    QComboBox* Rabat() { return okno.findChild<QComboBox*>("cbRabat"); }
    QDateEdit* D(const char* nazwa) { return okno.findChild<QDateEdit*>(nazwa); }

    // A stored client; returns its ID.
    int Dodaj(int numer, const QString& reszta = QString(), bool aktualny = true) {
        return DodajWiersz(
            baza, "klient",
            QStringLiteral("insert into klient (Numer_klienta, Imie, Nazwisko, Aktualny, "
                           "Saldo, Licznik, LicznikAb, Rabat, Abonament, "
                           "Ostatnie_wypozyczenie) values (%1, 'Jan', 'Kowalski', %2, "
                           "0, 4, 3, 0, False, '2024-01-10')")
                .arg(numer)
                .arg(aktualny ? "True" : "False"),
            reszta);
    }
    QVariant Pole(const QString& kolumna, int id) {
        return baza.Wartosc(
            QStringLiteral("select %1 from klient where ID = %2").arg(kolumna).arg(id));
    }
    // Pays through the payment dialog, typing the amount (empty: confirm the proposal).
    void Zaplac(const QString& kwota, QString* tytul = nullptr, QString* proponowana = nullptr) {
        fake.PrzyOknie([=](QDialog& o) {
            if (tytul) *tytul = o.findChild<QLabel*>("Label1")->text();
            if (proponowana) *proponowana = o.findChild<QLineEdit*>("eKwota")->text();
            if (!kwota.isEmpty()) o.findChild<QLineEdit*>("eKwota")->setText(kwota);
            o.findChild<QPushButton*>("bZapisz")->click();
            return o.result();
        });
        B("bWplata")->click();
    }

    TOknoGlobalne<TfConfig> config{fConfig};
    TOknoGlobalne<TfWplata> wplata{fWplata};
    TOknoGlobalne<TfZaleglosci> zaleglosci{fZaleglosci};
    TfKlient okno;
};

}  // namespace

TEST_F(Klient, NowyKlientWPustejTabeli) {
    okno.UstawKlienta(0);
    EXPECT_EQ(E("eNr")->text(), "0001");
    EXPECT_EQ(okno.Numer(), 1);
    EXPECT_EQ(B("bZapisz")->text(), "Zapisz <F2>");
    EXPECT_EQ(E("eOstWypozyczenie")->text(), "05.03.24");
    EXPECT_EQ(E("eSaldo")->text(), "0,00");
    EXPECT_EQ(Rabat()->currentText(), "0");
    EXPECT_FALSE(B("bZaleglosci")->isEnabled());
    EXPECT_FALSE(D("dAbonamentOD")->isEnabled());
    EXPECT_EQ(D("dAbonamentDO")->date(), QDate(2024, 4, 4));

    E("eImie")->setText("Sean");
    E("eNazwisko")->setText("O'Brien");
    E("eFirma")->setText(QString::fromUtf8("Wypożyczalnia \"Żółw\" s.c."));
    okno.cbMiejscowosc->setEditText(QString::fromUtf8("Łódź"));
    B("bZapisz")->click();
    EXPECT_EQ(okno.result(), QDialog::Accepted);
    EXPECT_TRUE(fake.komunikaty.empty());
    EXPECT_EQ(E("eLicznik")->text(), "0");

    const int id = baza.Ile("select max(ID) from klient");
    EXPECT_EQ(Pole("Numer_klienta", id).toInt(), 1);
    EXPECT_EQ(Pole("Nazwisko", id).toString(), "O'Brien");
    EXPECT_EQ(Pole("Firma", id).toString(), QString::fromUtf8("Wypożyczalnia \"Żółw\" s.c."));
    EXPECT_EQ(Pole("Miejscowosc", id).toString(), QString::fromUtf8("Łódź"));
    EXPECT_EQ(Pole("Licznik", id).toInt(), 0);
    EXPECT_EQ(Pole("LicznikAb", id).toInt(), 0);
    EXPECT_EQ(Pole("Aktualny", id).toInt(), 1);
    EXPECT_EQ(Pole("Abonament", id).toInt(), 0);
    EXPECT_EQ(Pole("Rabat", id).toInt(), 0);
    EXPECT_DOUBLE_EQ(Pole("Saldo", id).toDouble(), 0);
    EXPECT_EQ(Pole("Ostatnie_wypozyczenie", id).toString(), "2024-03-05");
    EXPECT_TRUE(Pole("Abonament_OD", id).isNull());  // an empty date box writes no date
    EXPECT_EQ(Pole("Abonament_DO", id).toString(), "2024-04-04");
    EXPECT_EQ(okno.Numer(), 1);
}

TEST_F(Klient, NumerKlientaZArchiwumJestOdrzucany) {
    Dodaj(5, QString(), false);
    okno.UstawKlienta(0);
    EXPECT_EQ(E("eNr")->text(), "0006");
    E("eNr")->setText("5");
    E("eImie")->setText("Anna");
    E("eNazwisko")->setText("Nowak");
    B("bZapisz")->click();
    EXPECT_EQ(fake.Teksty(),
              std::vector<QString>{QString::fromUtf8("Podany numer już występuje w bazie.")});
    EXPECT_EQ(fake.komunikaty[0].tytul, QString::fromUtf8("Ostrzeżenie"));
    EXPECT_TRUE(E("eNr")->text().isEmpty());
    EXPECT_NE(okno.result(), QDialog::Accepted);
    EXPECT_EQ(baza.Ile("select count(*) from klient"), 1);
    EXPECT_EQ(okno.Numer(), 6);
}

TEST_F(Klient, WymaganeDane) {
    okno.UstawKlienta(0);
    E("eImie")->setText("Anna");
    B("bZapisz")->click();
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_EQ(fake.komunikaty[0].tekst,
              QString::fromUtf8("Dane nie są kompletne. \nImię, nazwisko i numer klienta są danymi "
                                "wymaganymi."));
    EXPECT_EQ(baza.Ile("select count(*) from klient"), 0);
}

TEST_F(Klient, EdycjaBezZmianyNumeruINazwy) {
    const int id = Dodaj(7, "Rabat = -2, Upowazniony = 'Ewa', Miejscowosc = 'Opole'");
    okno.UstawKlienta(id);
    EXPECT_EQ(B("bZapisz")->text(), QString::fromUtf8("Zmień <F2>"));
    EXPECT_EQ(E("eNr")->text(), "0007");
    EXPECT_EQ(E("eLicznik")->text(), "4");
    EXPECT_EQ(E("eOstWypozyczenie")->text(), "10.01.24");
    EXPECT_EQ(Rabat()->currentText(), "0");  // a negative discount reads as 0
    EXPECT_EQ(okno.cbMiejscowosc->currentText(), "Opole");
    EXPECT_TRUE(B("bZaleglosci")->isEnabled());
    E("eUpowazniony")->setText("Ewa Kowalska");
    B("bZapisz")->click();
    EXPECT_TRUE(fake.komunikaty.empty());
    EXPECT_EQ(okno.result(), QDialog::Accepted);
    EXPECT_EQ(okno.NazwaKlienta(), QString());
    EXPECT_EQ(Pole("Upowazniony", id).toString(), "Ewa Kowalska");
    EXPECT_EQ(Pole("Numer_klienta", id).toInt(), 7);
    EXPECT_EQ(Pole("Licznik", id).toInt(), 4);
    EXPECT_EQ(Pole("LicznikAb", id).toInt(), 3);
    EXPECT_EQ(Pole("Rabat", id).toInt(), 0);
    EXPECT_EQ(Pole("Aktualny", id).toInt(), 1);
}

TEST_F(Klient, NazwaKlientaPoWejsciuWPoleNazwy) {
    const int id = Dodaj(7);
    okno.UstawKlienta(id);
    QFocusEvent wejscie(QEvent::FocusIn);
    QApplication::sendEvent(E("eNazwisko"), &wejscie);
    E("eNazwisko")->setText(QString::fromUtf8("Kowalska-Żak"));
    E("eNr")->setText("8");
    B("bZapisz")->click();
    EXPECT_EQ(okno.NazwaKlienta(), QString::fromUtf8("Kowalska-Żak Jan"));
    EXPECT_EQ(okno.Numer(), 8);
    EXPECT_EQ(Pole("Numer_klienta", id).toInt(), 8);
    // Every showing starts afresh.
    okno.UstawKlienta(id);
    EXPECT_EQ(okno.NazwaKlienta(), QString());
}

TEST_F(Klient, RabatSpozaListyZostaje) {
    const int id = Dodaj(7, "Rabat = 12");
    okno.UstawKlienta(id);
    EXPECT_EQ(Rabat()->currentIndex(), -1);
    B("bZapisz")->click();
    EXPECT_EQ(Pole("Rabat", id).toInt(), 12);
    okno.UstawKlienta(id);
    Rabat()->setCurrentText("15");
    B("bZapisz")->click();
    EXPECT_EQ(Pole("Rabat", id).toInt(), 15);
}

TEST_F(Klient, SprawdzaniePodczasPisania) {
    okno.UstawKlienta(0);
    for (const char* pole : {"eNr", "eLicznik"}) {
        for (const char* tekst : {"-", "a", "12x"}) {
            fake.Wyczysc();
            E(pole)->setText("1");
            E(pole)->setText(tekst);
            EXPECT_EQ(fake.Teksty(), std::vector<QString>{Niepoprawna}) << pole << " " << tekst;
            EXPECT_TRUE(E(pole)->text().isEmpty()) << pole << " " << tekst;
        }
    }
    fake.Wyczysc();
    E("eSaldo")->clear();
    EXPECT_EQ(fake.Teksty(), std::vector<QString>{Niepoprawna});
    EXPECT_EQ(E("eSaldo")->text(), "0,00");
    fake.Wyczysc();
    E("eSaldo")->setText("-");
    E("eSaldo")->setText("-12,5");
    EXPECT_TRUE(fake.komunikaty.empty());
    E("eSaldo")->setText("1,2a");
    EXPECT_EQ(E("eSaldo")->text(), "0,00");
}

TEST_F(Klient, DataOstatniegoWypozyczenia) {
    okno.UstawKlienta(0);
    E("eImie")->setText("Anna");
    E("eNazwisko")->setText("Nowak");
    E("eOstWypozyczenie")->setText("31.02.24");
    B("bZapisz")->click();
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_EQ(fake.komunikaty[0].tekst,
              QString::fromUtf8("Niewłaściwy format daty.\nWprowadź datę w postaci dd.mm.rr, "
                                "gdzie dd - dzień, mm - miesiąc, rr - rok."));
    EXPECT_EQ(E("eOstWypozyczenie")->text(), "05.03.24");
    EXPECT_EQ(baza.Ile("select count(*) from klient"), 0);
    E("eOstWypozyczenie")->setText("1.12.2023");
    B("bZapisz")->click();
    EXPECT_EQ(baza.Wartosc("select Ostatnie_wypozyczenie from klient").toString(), "2023-12-01");
}

TEST_F(Klient, AbonamentZaznaczonyIOplaconyDokladnie) {
    const int id = Dodaj(3, "Saldo = 5");
    okno.UstawKlienta(id);
    EXPECT_FALSE(D("dAbonamentOD")->isEnabled());
    EXPECT_TRUE(Rabat()->isEnabled());
    Abonament()->click();
    EXPECT_TRUE(D("dAbonamentOD")->isEnabled());
    EXPECT_TRUE(D("dAbonamentDO")->isEnabled());
    EXPECT_FALSE(Rabat()->isEnabled());
    EXPECT_EQ(D("dAbonamentOD")->date(), QDate(2024, 3, 5));

    QString tytul, proponowana;
    Zaplac(QString(), &tytul, &proponowana);
    EXPECT_EQ(tytul, QString::fromUtf8("Do zapłaty:"));
    EXPECT_EQ(proponowana, "50,00");
    EXPECT_TRUE(fake.komunikaty.empty());
    EXPECT_EQ(E("eSaldo")->text(), "55,00");
    EXPECT_DOUBLE_EQ(Pole("Saldo", id).toDouble(), 5);  // stored only by Save
    B("bZapisz")->click();
    EXPECT_DOUBLE_EQ(Pole("Saldo", id).toDouble(), 55);
    EXPECT_EQ(Pole("LicznikAb", id).toInt(), 0);
    EXPECT_EQ(Pole("Abonament", id).toInt(), 1);
    EXPECT_EQ(Pole("Abonament_OD", id).toString(), "2024-03-05");
    EXPECT_EQ(Pole("Abonament_DO", id).toString(), "2024-04-04");

    // Loaded again: a stored subscriber shows its dates and no discount list.
    okno.UstawKlienta(id);
    EXPECT_TRUE(Abonament()->isChecked());
    EXPECT_TRUE(D("dAbonamentOD")->isEnabled());
    EXPECT_FALSE(Rabat()->isEnabled());
    EXPECT_EQ(D("dAbonamentDO")->date(), QDate(2024, 4, 4));
}

TEST_F(Klient, AbonamentOdpowiedziNaPytanie) {
    const int id = Dodaj(3);
    okno.UstawKlienta(id);
    Abonament()->click();
    fake.Odpowiedz(QMessageBox::No);
    Zaplac("60");  // higher than the fee asks too
    EXPECT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_EQ(E("eSaldo")->text(), "0,00");
    fake.Odpowiedz(QMessageBox::Yes);
    Zaplac("30");
    EXPECT_EQ(E("eSaldo")->text(), "30,00");
    B("bZapisz")->click();
    EXPECT_DOUBLE_EQ(Pole("Saldo", id).toDouble(), 30);
    EXPECT_EQ(Pole("LicznikAb", id).toInt(), 0);
}

TEST_F(Klient, OdmowaWplatyAbonamentuZostawiaLicznik) {
    const int id = Dodaj(3);
    okno.UstawKlienta(id);
    Abonament()->click();
    fake.Odpowiedz(QMessageBox::No);
    Zaplac("30");
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_EQ(fake.komunikaty[0].tekst,
              QString::fromUtf8("Wpłacono kwotę niższą niż wysokość abonamentu. Czy zaksięgować "
                                "wpłatę?"));
    EXPECT_EQ(fake.komunikaty[0].tytul, QString::fromUtf8("Ostrzeżenie"));
    EXPECT_EQ(fake.komunikaty[0].domyslny, QMessageBox::No);
    EXPECT_EQ(E("eSaldo")->text(), "0,00");
    B("bZapisz")->click();
    EXPECT_EQ(Pole("LicznikAb", id).toInt(), 3);
    EXPECT_DOUBLE_EQ(Pole("Saldo", id).toDouble(), 0);
}

TEST_F(Klient, WplataDlugu) {
    const int id = Dodaj(3, "Saldo = -12.5");
    okno.UstawKlienta(id);
    EXPECT_EQ(E("eSaldo")->text(), "-12,50");
    QString tytul, proponowana;
    Zaplac(QString(), &tytul, &proponowana);
    EXPECT_EQ(tytul, "Pobrano:");
    EXPECT_EQ(proponowana, "12,50");
    EXPECT_EQ(E("eSaldo")->text(), "0,00");
    B("bAnuluj")->click();  // nothing is written
    EXPECT_EQ(okno.result(), QDialog::Rejected);
    EXPECT_DOUBLE_EQ(Pole("Saldo", id).toDouble(), -12.5);

    okno.UstawKlienta(id);
    Zaplac(QString());
    B("bZapisz")->click();
    EXPECT_DOUBLE_EQ(Pole("Saldo", id).toDouble(), 0);

    // A client in credit is proposed 0; declining changes nothing.
    okno.UstawKlienta(id);
    fake.PrzyOknie(Kliknij("bAnuluj"));
    B("bWplata")->click();
    EXPECT_EQ(E("eSaldo")->text(), "0,00");
}

TEST_F(Klient, WplatyDoGroszaBezResztyZmiennoprzecinkowej) {
    config->Ustawienia.AbOplata = 19.99_zl;
    const int id = Dodaj(3, "Saldo = -1");
    okno.UstawKlienta(id);
    // Ten payments of 0,10 clear a debt of 1,00 exactly: nothing is proposed after them.
    for (int i = 0; i < 10; ++i) Zaplac("0,10");
    EXPECT_EQ(E("eSaldo")->text(), "0,00");
    QString proponowana;
    Zaplac(QString(), nullptr, &proponowana);
    EXPECT_EQ(proponowana, "0,00");
    // The fee paid to the grosz asks nothing; a grosz less asks.
    Abonament()->click();
    fake.Odpowiedz(QMessageBox::No);
    Zaplac("19,98");
    EXPECT_EQ(fake.komunikaty.size(), 1u);
    Zaplac("19,99");
    EXPECT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_EQ(E("eSaldo")->text(), "19,99");
    B("bZapisz")->click();
    EXPECT_KWOTA(TKwota::ZeZlotych(Pole("Saldo", id).toDouble()), TKwota::ZGroszy(1999));
    EXPECT_EQ(baza.Ile(QStringLiteral("select count(*) from kasa where id_klienta = %1 and "
                                      "Rodzaj = 'Wpłata' and Kwota = 0.1")
                           .arg(id)),
              10);
    EXPECT_KWOTA(
        TKwota::ZeZlotych(
            baza.Wartosc(
                    QStringLiteral("select sum(Kwota) from kasa where id_klienta = %1").arg(id))
                .toDouble()),
        TKwota::ZGroszy(2099));
}

TEST_F(Klient, ZaleglosciBrak) {
    const int id = Dodaj(3);
    baza.Wykonaj(QStringLiteral("insert into rental (id_filmu, id_klienta, zwrocono, platnosc, "
                                "platnosc1) values (1, %1, True, 5, 0), (2, %1, False, 0, 0)")
                     .arg(id));
    okno.UstawKlienta(id);
    B("bZaleglosci")->click();
    EXPECT_EQ(fake.Teksty(),
              std::vector<QString>{QString::fromUtf8("Wszystkie należności zostały uregulowane.")});
    EXPECT_EQ(fake.komunikaty[0].ikona, TIkona::Informacja);
    EXPECT_TRUE(fake.pokazaneOkna.empty());
}

TEST_F(Klient, ZaleglosciOtwierajaOknoIWczytujaSaldo) {
    const int id = Dodaj(3, "Saldo = -8");
    baza.Wykonaj(QStringLiteral("insert into rental (id_filmu, id_klienta, zwrocono, platnosc, "
                                "platnosc1) values (1, %1, True, 0, 8)")
                     .arg(id));
    okno.UstawKlienta(id);
    fake.PrzyOknie([&](QDialog&) {
        baza.Wykonaj(QStringLiteral("update klient set Saldo = 0 where ID = %1").arg(id));
        return int(QDialog::Accepted);
    });
    B("bZaleglosci")->click();
    EXPECT_EQ(fake.pokazaneOkna, std::vector<QString>{"TfZaleglosci"});
    EXPECT_EQ(E("eSaldo")->text(), "0,00");
}

TEST_F(Klient, ZaleglosciTylkoNaWypozyczeniuWTrakcieDajaPustaListe) {
    // The client record counts a film still out that carries an unpaid part; the arrears
    // window lists returned rentals only, so it opens empty with a total of 0,00.
    const int id = Dodaj(3, "Saldo = -3");
    baza.Wykonaj(QStringLiteral("insert into rental (id_filmu, id_klienta, dataOD, dataDO, "
                                "zwrocono, platnosc, platnosc1) values (1, %1, '2024-03-01', "
                                "'2024-03-08', 0, 3, 0)")
                     .arg(id));
    okno.UstawKlienta(id);
    std::vector<QString> kolumnaKwot;
    fake.PrzyOknie([&](QDialog& o) {
        o.show();
        auto* sg = o.findChild<QTableWidget*>("sgZaleglosci");
        for (int w = 0; w < sg->rowCount(); ++w) kolumnaKwot.push_back(sg->item(w, 3)->text());
        o.findChild<QPushButton*>("bZamknij")->click();
        return o.result();
    });
    B("bZaleglosci")->click();
    EXPECT_TRUE(fake.komunikaty.empty());
    EXPECT_EQ(fake.pokazaneOkna, std::vector<QString>{"TfZaleglosci"});
    EXPECT_EQ(kolumnaKwot, (std::vector<QString>{QString(16, '='), "0,00"}));
    EXPECT_EQ(E("eSaldo")->text(), "-3,00");
}

TEST_F(Klient, KlawiszEnterIAbonament) {
    okno.UstawKlienta(0);
    okno.show();
    QApplication::setActiveWindow(&okno);
    E("eNr")->setFocus();
    QTest::keyClick(E("eNr"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), E("eImie"));
    E("eLicznik")->setFocus();
    QTest::keyClick(E("eLicznik"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), Abonament());
    QTest::keyClick(Abonament(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), E("eSaldo"));
    Abonament()->click();
    Abonament()->setFocus();
    QTest::keyClick(Abonament(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), D("dAbonamentOD"));
    E("eSaldo")->setFocus();
    QTest::keyClick(E("eSaldo"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), E("eNr"));
    EXPECT_TRUE(okno.isVisible());
    okno.reject();
}

TEST_F(Klient, ListaMiejscowosci) {
    TKatalogProgramu program;
    WczytajComboBox(KatalogProgramu + "Config/miasta.wdn", okno.cbMiejscowosc);
    okno.UstawKlienta(0);
    fake.PrzyOknie([](QDialog& o) {
        o.findChild<QLineEdit*>("Edit1")->setText(QString::fromUtf8("Gdańsk"));
        o.findChild<QPushButton*>("bDodaj")->click();
        // The limit of a town, counted in whole characters.
        const auto* limit =
            dynamic_cast<const TLimitZnakow*>(o.findChild<QLineEdit*>("Edit1")->validator());
        EXPECT_EQ(limit ? limit->Limit() : 0, 30);
        o.findChild<QPushButton*>("bZamknij")->click();
        return o.result();
    });
    fake.Odpowiedz(QMessageBox::Yes);
    okno.findChild<QPushButton*>("Button1")->click();
    EXPECT_EQ(fake.pokazaneOkna, std::vector<QString>{"TfDialog"});
    ASSERT_EQ(okno.cbMiejscowosc->count(), 1);
    EXPECT_EQ(okno.cbMiejscowosc->currentText(), QString::fromUtf8("Gdańsk"));
    QFile plik(KatalogProgramu + "Config/miasta.wdn");
    ASSERT_TRUE(plik.open(QIODevice::ReadOnly));
    EXPECT_EQ(plik.readAll(), QByteArray("Gda\xf1sk\r\n"));
}

// The record's text fields count their limits in whole characters.
TEST(KlientLimity, PolaLiczaCaleZnaki) {
    TfKlient okno;
    auto* nazwisko = okno.findChild<QLineEdit*>("eNazwisko");
    ASSERT_NE(nazwisko, nullptr);
    const auto* limit = dynamic_cast<const TLimitZnakow*>(nazwisko->validator());
    ASSERT_NE(limit, nullptr);
    EXPECT_EQ(limit->Limit(), 50);
    nazwisko->setText(QString(49, 'a'));
    nazwisko->end(false);
    nazwisko->insert(QString::fromUtf8("😀"));
    EXPECT_TRUE(nazwisko->text().endsWith(QString::fromUtf8("😀")));
    nazwisko->insert("b");
    EXPECT_EQ(LiczbaZnakow(nazwisko->text()), 50);
}
