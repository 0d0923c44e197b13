// The desk's list of open rentals, the row choice of the operations on it, and the
// rental commit, end to end on a test store.
#include "Operacje.h"
#include "store/Interakcja.h"
#include "store/Zegar.h"
#include "support/Kwoty.h"

using namespace operacje;

namespace {

class PulpitLista : public Operacje {};
class PulpitWypozyczenie : public Operacje {
protected:
    void SetUp() override {
        Film(1, 1, "Alien", 6);
        Film(2, 2, "Heat", 5);
    }
    // Two films, 6,00 and 5,00: the total 11,00.
    void DwaFilmy() { DoKoszyka({{1, 1, 6, 2, 6}, {2, 2, 5, 3, 5}}); }
};

}  // namespace

// ---------------------------------------------------------------- open rentals

TEST_F(PulpitLista, BezWypozyczenTrybWypozyczania) {
    Klient(0);
    EXPECT_EQ(sg()->rowCount(), 1);
    EXPECT_EQ(Komorka(0, 0), "");
    auto* wplata = k<QLineEdit>("eWplata");
    EXPECT_TRUE(wplata->isEnabled());
    EXPECT_TRUE(wplata->text().isEmpty());
    for (const char* n : {"bWypozycz", "bNastepny"}) EXPECT_TRUE(k<QWidget>(n)->isEnabled()) << n;
    for (const char* n : {"bZwrot", "bCofnij", "bPrzedluzenie", "bUsun"})
        EXPECT_FALSE(k<QWidget>(n)->isEnabled()) << n;
    for (const char* n : {"miWypozycz", "miNastepny"}) EXPECT_TRUE(k<QAction>(n)->isEnabled()) << n;
    for (const char* n : {"miZwrot", "miCofnij", "miPrzedluzenie", "miDelete"})
        EXPECT_FALSE(k<QAction>(n)->isEnabled()) << n;
    EXPECT_EQ(fMain->Wypozyczenia().SumaPlatnosci(), 0_zl);
    EXPECT_EQ(fMain->Wypozyczenia().WplaconoWczesniej(), 0_zl);
}

TEST_F(PulpitLista, WierszeSumyIWplaconoZeSklepu) {
    Film(1, 7, "Alien", 4);
    Film(2, 12, "Heat", 5);
    Film(3, 13, "Ronin", 3);
    // Monday to Thursday, 5,00 of 12,00 unpaid; then a rental older than its rate column.
    Otwarte(1, QDate(2024, 3, 4), QDate(2024, 3, 7), 12, 5, 4.5);
    Otwarte(2, QDate(2024, 3, 4), QDate(2024, 3, 6), 8, 0, 0);
    baza.Wykonaj("update rental set Stawka = null where id_filmu = 2");
    // Another client's rental and a returned one are not listed.
    baza.Wykonaj(
        "insert into rental (id_filmu, id_klienta, dataOD, dataDO, zwrocono, platnosc, Naleznosc) "
        "values (3, 2, '2024-03-04', '2024-03-05', 0, 3, 3), "
        "(3, 1, '2024-02-01', '2024-02-02', 1, 0, 3)");
    k<QPushButton>("bWypozycz")->setEnabled(false);
    Klient(-5);

    EXPECT_EQ(Kolumna(0),
              (std::vector<QString>{"Alien", "Heat", QString(80, '='), "RAZEM DO ZAPŁATY"}));
    EXPECT_EQ(Kolumna(1), (std::vector<QString>{"0007", "0012", QString(21, '='), ""}));
    EXPECT_EQ(Kolumna(2), (std::vector<QString>{"12,00", "8,00", QString(21, '='), "5,00"}));
    EXPECT_EQ(Komorka(0, 3), "1");
    EXPECT_EQ(Komorka(1, 3), "2");
    EXPECT_EQ(Komorka(0, 4), "3");
    EXPECT_EQ(Komorka(1, 4), "2");
    EXPECT_EQ(Komorka(0, 5), "4,50");
    EXPECT_EQ(Komorka(1, 5), "5,00") << "no rate of its own: the film's";
    EXPECT_EQ(k<QLineEdit>("eWplata")->text(), "15,00");
    EXPECT_FALSE(k<QLineEdit>("eWplata")->isEnabled());
    EXPECT_KWOTA(fMain->Wypozyczenia().SumaPlatnosci(), 5_zl);
    EXPECT_KWOTA(fMain->Wypozyczenia().WplaconoWczesniej(), 15_zl);

    for (const char* n : {"bZwrot", "bCofnij", "bPrzedluzenie"})
        EXPECT_TRUE(k<QWidget>(n)->isEnabled()) << n;
    for (const char* n : {"bNastepny", "bUsun"}) EXPECT_FALSE(k<QWidget>(n)->isEnabled()) << n;
    // A loaded client may rent films while others are out.
    EXPECT_TRUE(k<QWidget>("bWypozycz")->isEnabled());
    for (const char* n : {"miZwrot", "miCofnij", "miPrzedluzenie", "miWypozycz"})
        EXPECT_TRUE(k<QAction>(n)->isEnabled()) << n;
    EXPECT_FALSE(k<QAction>("miNastepny")->isEnabled());
}

TEST_F(PulpitLista, PrzyciskWypozyczeniaZostajeJakByl) {
    Film(1, 1, "Alien", 5);
    Klient(0);  // a client without rentals enables it
    Otwarte(1, QDate(2024, 3, 4), QDate(2024, 3, 6), 7.5, 0, 5);
    Przeladuj();
    EXPECT_TRUE(k<QWidget>("bWypozycz")->isEnabled());
    EXPECT_TRUE(k<QAction>("miWypozycz")->isEnabled());
}

TEST_F(PulpitLista, KolorListyZaleznyOdTerminuOstatniegoWiersza) {
    const QPalette p = QApplication::palette();
    const auto tlo = [this] { return sg()->palette().color(QPalette::Base); };
    AlienIHeat();
    UstawDzisiaj(QDate(2024, 3, 8));
    Otwarte(1, QDate(2024, 3, 4), QDate(2024, 3, 10), 5, 0, 5);
    Otwarte(2, QDate(2024, 3, 4), QDate(2024, 3, 7), 5, 0, 5);  // due yesterday, listed last
    Klient(0);
    EXPECT_EQ(tlo(), p.color(QPalette::Dark));

    baza.Wykonaj("update rental set dataDO = '2024-03-08' where id_filmu = 2");  // due today
    Przeladuj();
    EXPECT_EQ(tlo(), p.color(QPalette::Button));

    baza.Wykonaj(
        "update rental set dataDO = '2024-03-07' where id_filmu = 1; "
        "update rental set dataDO = '2024-03-10' where id_filmu <> 1");
    Przeladuj();
    EXPECT_EQ(tlo(), p.color(QPalette::Button)) << "an overdue rental before one not yet due";

    baza.Wykonaj("delete from rental");
    Przeladuj();
    EXPECT_EQ(tlo(), p.color(QPalette::Button));
    EXPECT_EQ(sg()->rowCount(), 1);
}

// ---------------------------------------------------------------- row choice

TEST_F(PulpitLista, ZaznaczenieSiegajaceRazemSkracaSieDoOstatniegoWypozyczenia) {
    for (int i = 1; i <= 3; ++i) {
        Film(i, i, QStringLiteral("Film %1").arg(i), 5);
        Otwarte(i, QDate(2024, 3, 4), QDate(2024, 3, 6), 7.5, 7.5, 5);
    }
    Klient(-22.5);
    Zaznacz(1, 4);  // rows 1-2, the separator and the total
    Odpowiedz(QMessageBox::Cancel);
    k<QPushButton>("bCofnij")->click();
    ASSERT_EQ(Teksty(), std::vector<QString>{TylkoZaznaczone});
    EXPECT_EQ(fake.komunikaty[0].przyciski,
              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(fake.komunikaty[0].ikona, TIkona::Pytanie);
    EXPECT_EQ(fake.komunikaty[0].tytul, "Wirdolan");
    const auto zakresy = sg()->selectedRanges();
    ASSERT_EQ(zakresy.size(), 1);
    EXPECT_EQ(zakresy[0].topRow(), 1);
    EXPECT_EQ(zakresy[0].bottomRow(), 2);
    EXPECT_EQ(baza.Ile("select count(*) from rental"), 3) << "cancel changes nothing";

    // Yes: the marked rows only.
    fake.Wyczysc();
    Odpowiedz(QMessageBox::Yes);
    k<QPushButton>("bCofnij")->click();
    EXPECT_EQ(Teksty(), (std::vector<QString>{TylkoZaznaczone, Wycofane}));
    EXPECT_TRUE(Zapisany(1).jest);
    EXPECT_FALSE(Zapisany(2).jest);
    EXPECT_FALSE(Zapisany(3).jest);
}

TEST_F(PulpitLista, ZaznaczonyWierszRazemNicNieRobi) {
    Film(1, 1, "Alien", 5);
    Otwarte(1, QDate(2024, 3, 4), QDate(2024, 3, 6), 7.5, 0, 5);
    Klient(-7.5);
    for (const char* przycisk : {"bZwrot", "bCofnij", "bPrzedluzenie"}) {
        for (int wiersz : {1, 2}) {  // the separator, the total
            Zaznacz(wiersz, wiersz);
            if (std::string(przycisk) == "bPrzedluzenie") Dni(1);
            k<QPushButton>(przycisk)->click();
        }
    }
    EXPECT_TRUE(Teksty().empty());
    EXPECT_FALSE(Zapisany(1).zwrocono);
    EXPECT_EQ(Zapisany(1).dataDO, "2024-03-06");
    EXPECT_DOUBLE_EQ(Saldo(), -7.5);
}

TEST_F(PulpitLista, BezZaznaczeniaPytanieOCalaListe) {
    AlienIHeat();
    Otwarte(1, QDate(2024, 3, 4), QDate(2024, 3, 6), 7.5, 7.5, 5);
    Otwarte(2, QDate(2024, 3, 4), QDate(2024, 3, 6), 7.5, 7.5, 5);
    Klient(-15);
    sg()->clearSelection();
    Odpowiedz(QMessageBox::No);
    k<QPushButton>("bCofnij")->click();
    ASSERT_EQ(Teksty(), std::vector<QString>{CalaLista});
    EXPECT_EQ(fake.komunikaty[0].przyciski, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(baza.Ile("select count(*) from rental"), 2);

    fake.Wyczysc();
    Odpowiedz(QMessageBox::Yes);
    k<QAction>("miCofnij")->trigger();
    EXPECT_EQ(Teksty(), (std::vector<QString>{CalaLista, Wycofane}));
    EXPECT_EQ(baza.Ile("select count(*) from rental"), 0);
}

// ---------------------------------------------------------------- rental commit

TEST_F(PulpitWypozyczenie, KredytCzterechZlotychIDialogProponujeReszte) {
    Klient(4);
    DwaFilmy();
    TPropozycja p;
    Zaplac(7, &p);
    Wypozycz();
    EXPECT_EQ(p.etykieta, "Pobrano:");
    EXPECT_DOUBLE_EQ(p.kwota, 7);
    EXPECT_EQ(Teksty(), std::vector<QString>{Zapisane});
    EXPECT_DOUBLE_EQ(Saldo(), 0);

    const TZapisany a = Zapisany(1), b = Zapisany(2);
    ASSERT_TRUE(a.jest && b.jest);
    EXPECT_FALSE(a.zwrocono);
    EXPECT_EQ(a.dataOD, "2024-03-04");
    EXPECT_EQ(a.dataDO, "2024-03-06");
    EXPECT_EQ(b.dataDO, "2024-03-07");
    EXPECT_DOUBLE_EQ(a.naleznosc, 6);
    EXPECT_DOUBLE_EQ(b.naleznosc, 5);
    EXPECT_DOUBLE_EQ(a.stawka, 6);
    EXPECT_DOUBLE_EQ(a.platnosc, 0);
    EXPECT_DOUBLE_EQ(b.platnosc, 0);
    EXPECT_DOUBLE_EQ(a.platnosc1, 0);
    EXPECT_DOUBLE_EQ(a.zAbonamentu, 0);
    EXPECT_FALSE(NaPolce(1));
    EXPECT_FALSE(NaPolce(2));
    EXPECT_EQ(baza.Wartosc("select Ostatnie_wypozyczenie from klient").toString(), "2024-03-04");
    EXPECT_FALSE(fMain->Koszyk().Zmieniony);
    EXPECT_EQ(k<QLineEdit>("eIleDni")->text(), "1");

    // Reloaded: the new rentals listed, the desk in mode Zwrot.
    Przeladuj();
    EXPECT_EQ(sg()->rowCount(), 4);
    EXPECT_FALSE(k<QLineEdit>("eWplata")->isEnabled());
    EXPECT_EQ(k<QLineEdit>("eWplata")->text(), "11,00");
    EXPECT_TRUE(k<QWidget>("bZwrot")->isEnabled());
    // A second F2 without a new film does nothing.
    fake.Wyczysc();
    Wypozycz();
    EXPECT_TRUE(Teksty().empty());
    EXPECT_EQ(baza.Ile("select count(*) from rental"), 2);
}

TEST_F(PulpitWypozyczenie, KredytNiePokrywaWszystkiegoDrugiFilmCzesciowoNiezaplacony) {
    Klient(4);
    DwaFilmy();
    Zaplac(5);
    Wypozycz();
    EXPECT_DOUBLE_EQ(Zapisany(1).platnosc, 0);
    EXPECT_DOUBLE_EQ(Zapisany(2).platnosc, 2);
    EXPECT_DOUBLE_EQ(Saldo(), -2);
}

TEST_F(PulpitWypozyczenie, KredytDwudziestuZlotychBezDialogu) {
    Klient(20);
    DwaFilmy();
    Wypozycz();  // no dialog is scripted: one would fail the test
    EXPECT_EQ(Teksty(), std::vector<QString>{Zapisane});
    EXPECT_DOUBLE_EQ(Saldo(), 9);
    EXPECT_DOUBLE_EQ(Zapisany(1).platnosc, 0);
    EXPECT_DOUBLE_EQ(Zapisany(2).platnosc, 0);
}

TEST_F(PulpitWypozyczenie, UjemneSaldoBezKredytu) {
    Klient(-3);
    DwaFilmy();
    TPropozycja p;
    Zaplac(11, &p);
    Wypozycz();
    EXPECT_DOUBLE_EQ(p.kwota, 11);
    EXPECT_DOUBLE_EQ(Saldo(), -3);
    EXPECT_DOUBLE_EQ(Zapisany(2).platnosc, 0);
}

TEST_F(PulpitWypozyczenie, PieniadzeNaPierwszyFilm) {
    Klient(0);
    DwaFilmy();
    Zaplac(6);
    Wypozycz();
    EXPECT_DOUBLE_EQ(Zapisany(1).platnosc, 0);
    EXPECT_DOUBLE_EQ(Zapisany(2).platnosc, 5);
    EXPECT_DOUBLE_EQ(Saldo(), -5);
}

TEST_F(PulpitWypozyczenie, NiczegoNieZaplaconoCalyKosztWSaldzie) {
    Klient(0);
    DwaFilmy();
    Zaplac(-1);
    Wypozycz();
    EXPECT_DOUBLE_EQ(Zapisany(1).platnosc, 6);
    EXPECT_DOUBLE_EQ(Zapisany(2).platnosc, 5);
    EXPECT_DOUBLE_EQ(Saldo(), -11);
}

TEST_F(PulpitWypozyczenie, NadplataOddanaBezDlugu) {
    Klient(0);
    DwaFilmy();
    Zaplac(20);
    Wypozycz();
    ASSERT_EQ(Teksty(),
              (std::vector<QString>{"Pobrano za wysoką kwotę.\nDo zwrotu 9,00zł.", Zapisane}));
    EXPECT_EQ(fake.komunikaty[0].tytul, "Ostrzeżenie");
    EXPECT_EQ(fake.komunikaty[0].ikona, TIkona::Ostrzezenie);
    EXPECT_DOUBLE_EQ(Saldo(), 0);
    EXPECT_DOUBLE_EQ(Zapisany(1).platnosc, 0);
    EXPECT_DOUBLE_EQ(Zapisany(2).platnosc, 0);
}

TEST_F(PulpitWypozyczenie, AbonentPlaciZSaldaAWygaslyAbonamentJeZeruje) {
    // Ended yesterday: the balance 30,00 is zeroed, then the rental is charged to it.
    Klient(30, true, QDate(2024, 3, 3), 4);
    fMain->PanelKlienta().UstawLicznikAb(6);  // raised by the basket
    DwaFilmy();
    TPropozycja p;
    Zaplac(0, &p);
    Wypozycz();
    EXPECT_DOUBLE_EQ(p.kwota, 0) << "a subscriber is proposed nothing";
    ASSERT_EQ(Teksty(), (std::vector<QString>{"Upłynął termin ważności abonamentu.\nSaldo "
                                              "klienta zostanie wyzerowane.",
                                              Zapisane}));
    EXPECT_EQ(fake.komunikaty[0].ikona, TIkona::Informacja);
    EXPECT_EQ(baza.Ile("select Abonament from klient"), 0);
    EXPECT_FALSE(k<QCheckBox>("cbAbonament")->isChecked());
    EXPECT_DOUBLE_EQ(Saldo(), -11);
    EXPECT_DOUBLE_EQ(Zapisany(1).platnosc, 6);
    EXPECT_EQ(baza.Ile("select LicznikAb from klient"), 6);
}

TEST_F(PulpitWypozyczenie, WaznyAbonamentNieWydajeSalda) {
    Klient(30, true, QDate(2024, 3, 4));  // the last day still counts
    DwaFilmy();
    Zaplac(0);
    Wypozycz();
    EXPECT_EQ(Teksty(), std::vector<QString>{Zapisane});
    EXPECT_EQ(baza.Ile("select Abonament from klient"), 1);
    EXPECT_DOUBLE_EQ(Saldo(), 19);
    EXPECT_DOUBLE_EQ(Zapisany(2).platnosc, 5);
}

TEST_F(PulpitWypozyczenie, NowyFilmPodOtwartymiWypozyczeniami) {
    Film(3, 3, "Ronin", 5);
    Klient(0);  // no rentals yet: the rent controls are enabled
    UstawDzisiaj(QDate(2024, 3, 2));
    Zaplac(-1);
    DoKoszyka({{3, 3, 7.5, 2, 5}});
    Wypozycz();
    ASSERT_DOUBLE_EQ(Saldo(), -7.5);
    UstawDzisiaj(QDate(2024, 3, 4));
    Przeladuj();
    ASSERT_EQ(k<QLineEdit>("eWplata")->text(), "0,00");

    fake.Wyczysc();
    DoKoszyka({{2, 2, 5, 1, 5}});
    EXPECT_EQ(Komorka(3, 2), "12,50") << "what is owed on the whole list";
    TPropozycja p;
    Zaplac(12.5, &p);
    Wypozycz();
    EXPECT_DOUBLE_EQ(p.kwota, 12.5);
    EXPECT_EQ(Teksty(), std::vector<QString>{Zapisane});
    EXPECT_EQ(baza.Ile("select count(*) from rental where id_filmu = 3"), 1)
        << "the open rental is updated, not inserted again";
    EXPECT_DOUBLE_EQ(Zapisany(3).platnosc, 0);
    EXPECT_EQ(Zapisany(3).dataOD, "2024-03-02");
    EXPECT_DOUBLE_EQ(Zapisany(2).platnosc, 0);
    EXPECT_EQ(Zapisany(2).dataDO, "2024-03-05");
    EXPECT_DOUBLE_EQ(Saldo(), 0);
}

TEST_F(PulpitWypozyczenie, NiepoprawnaWplataNicNieZapisuje) {
    Klient(4);
    DwaFilmy();
    k<QLineEdit>("eWplata")->setText("abc");
    Wypozycz();
    EXPECT_EQ(Teksty(), std::vector<QString>{"Niepoprawna wartość."});
    EXPECT_EQ(fake.komunikaty[0].tytul, "Ostrzeżenie");
    EXPECT_DOUBLE_EQ(Saldo(), 4);
    EXPECT_EQ(baza.Ile("select count(*) from rental"), 0);
}

TEST_F(PulpitWypozyczenie, OtwartyDialogNieZmieniaSklepu) {
    Klient(4);
    DwaFilmy();
    double widziane = 0;
    fake.PrzyOknie([&](QDialog& okno) {
        // Killed here, the program would leave the balance as it was.
        widziane = SaldoZInnegoPolaczenia();
        okno.findChild<QAbstractButton*>("bZapisz")->click();
        return okno.result();
    });
    Wypozycz();
    EXPECT_DOUBLE_EQ(widziane, 4);
    EXPECT_DOUBLE_EQ(SaldoZInnegoPolaczenia(), 0);
}

TEST_F(PulpitWypozyczenie, BladPoleceniaWycofujeCaleWypozyczenie) {
    Klient(4);
    DwaFilmy();
    baza.Wykonaj("alter table rental drop column Stawka");
    Zaplac(7);
    Wypozycz();
    ASSERT_EQ(Teksty().size(), 1u) << "the store's error, once; no success message";
    EXPECT_NE(Teksty()[0], Zapisane);
    EXPECT_DOUBLE_EQ(Saldo(), 4) << "the credit spent is taken back";
    EXPECT_TRUE(NaPolce(1));
    EXPECT_TRUE(NaPolce(2));
    EXPECT_EQ(baza.Ile("select count(*) from rental"), 0);
    EXPECT_TRUE(fMain->Koszyk().Zmieniony) << "the basket stays for another try";
    EXPECT_EQ(sg()->rowCount(), 4);
}
