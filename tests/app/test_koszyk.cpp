// The rental basket on the desk: adding films with their checks, the row layout, the
// paid field and total, re-pricing by days, row selection and removal.
#include "app/uMainLista.h"
#include "money/Cennik.h"
#include "money/Koszyk.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/Zegar.h"
#include "support/Kwoty.h"
#include "test_panele_pulpit.h"

namespace {

TEST(Koszyk, ZasadyWierszyLimituIDni) {
    EXPECT_EQ(LiczbaWierszyFilmow(1), 0);
    EXPECT_EQ(LiczbaWierszyFilmow(3), 1);
    EXPECT_EQ(LiczbaWierszyFilmow(6), 4);
    // FilmMax 2: with 2 films (4 rows) the third is refused; 0 never refuses.
    EXPECT_FALSE(LimitFilmowOsiagniety(2, 1));
    EXPECT_FALSE(LimitFilmowOsiagniety(2, 3));
    EXPECT_TRUE(LimitFilmowOsiagniety(2, 4));
    EXPECT_FALSE(LimitFilmowOsiagniety(0, 400));
    EXPECT_EQ(DniNowegoWiersza("").dni, 1);
    EXPECT_TRUE(DniNowegoWiersza("").poprawne);
    EXPECT_EQ(DniNowegoWiersza("4").dni, 4);
    for (const char* zle : {"abc", "2,5", "-2"}) {
        EXPECT_FALSE(DniNowegoWiersza(zle).poprawne) << zle;
        EXPECT_EQ(DniNowegoWiersza(zle).dni, 1) << zle;
    }
}

TEST(Koszyk, SumaToSumaPokazanychCen) {
    EXPECT_EQ(SumaCenZEkranu({"0,10", "0,20", "0,70"}), 1.00_zl);
    EXPECT_EQ(SumaCenZEkranu({}), 0.00_zl);
    EXPECT_EQ(SumaCenZEkranu({"3,33", "3,33", "3,34", "", "="}), 10.00_zl);
    // The paid field and the total cell.
    const TWplataKoszyka zwykly = WplataPoDodaniu(false, true, 15_zl, 99_zl);
    ASSERT_TRUE(zwykly.wplata);
    EXPECT_EQ(*zwykly.wplata, 15_zl);
    EXPECT_EQ(zwykly.razem, 15_zl);
    const TWplataKoszyka abonent = WplataPoDodaniu(true, true, 15_zl, 99_zl);
    EXPECT_EQ(*abonent.wplata, 0_zl);
    EXPECT_EQ(abonent.razem, 15_zl);
    const TWplataKoszyka zwrot = WplataPoDodaniu(false, false, 20.10_zl, 15.05_zl);
    EXPECT_FALSE(zwrot.wplata);
    EXPECT_EQ(KwotaNaEkran(zwrot.razem), "5,05");
    EXPECT_EQ(RazemPoZmianie(true, 12_zl, 5_zl), 12_zl);
    EXPECT_EQ(RazemPoZmianie(false, 12_zl, 5_zl), 7_zl);
}

class Koszyk_ : public PulpitPaneli {
protected:
    void SetUp() override {
        QStringList rzedy = {
            Klient(1, "Jan", "Nowak"),
            Klient(2, "Ewa", "Lis", "Rabat|10"),
            Klient(3, "Ala", "Abonentka",
                   "Abonament, Abonament_OD, Abonament_DO, LicznikAb|1, '2024-01-01', "
                   "'2024-03-05', 0"),
            Klient(4, "Olek", "Dawny",
                   "Abonament, Abonament_OD, Abonament_DO|1, '2024-01-01', '2024-03-04'"),
            Film(7, "Alien", "Obcy", 5),
            Film(8, "Matrix", "Matrix PL", 5),
            Film(9, "Zorro", "Zorro", 5, false),
            Film(10, "Brazil", "Brazylia", 4),
            Film(11, "Heat", "Gorączka", 3.33),
        };
        if (zmianaStawki) rzedy << "insert into dictionary values ('K_STAWKA', 'True', '')";
        PrzedStartem(rzedy);
        Uruchom();
        Ustawienia().KolejnaDoba = 100;
        Ustawienia().FilmMax = 0;
        Ustawienia().Weekend = 0;
    }
    // A client loaded by number, the desk ready to rent.
    void KlientDoWypozyczenia(const QString& numer) {
        KlientNr(numer);
        TrybWypozyczanie();
    }
    bool zmianaStawki = false;
    static QStringList Separator() {
        return {QString(80, '='), QString(21, '='), QString(21, '='), "", "", ""};
    }
    static QStringList Razem(const QString& kwota) {
        return {"RAZEM DO ZAPŁATY", "", kwota, "", "", ""};
    }
};

TEST_F(Koszyk_, DwaFilmyDajaWierszeSeparatorISume) {
    KlientDoWypozyczenia("1");
    Ustawienia().KolejnaDoba = 50;
    Dodaj(7, "3");
    ASSERT_EQ(lista()->rowCount(), 3);
    EXPECT_EQ(Wiersz(0), QStringList({"Alien", "7", "10,00", "1", "3", "5,00"}));
    EXPECT_EQ(Wiersz(1), Separator());
    EXPECT_EQ(Wiersz(2), Razem("10,00"));
    EXPECT_EQ(pole("eWplata")->text(), "10,00");
    EXPECT_TRUE(k<QWidget>("bUsun")->isEnabled());
    EXPECT_TRUE(k<QAction>("miDelete")->isEnabled());
    EXPECT_TRUE(fMain->Koszyk().Zmieniony);

    Wybierz("cbTytulOrg", "Heat");
    pole("eIleDni")->setText("1");
    Dodaj();
    ASSERT_EQ(lista()->rowCount(), 4);
    EXPECT_EQ(Wiersz(1), QStringList({"Heat", "0011", "3,33", "5", "1", "3,33"}));
    EXPECT_EQ(Wiersz(2), Separator());
    EXPECT_EQ(Wiersz(3), Razem("13,33"));
    EXPECT_EQ(pole("eWplata")->text(), "13,33");
    EXPECT_EQ(fMain->PanelKlienta().LicznikAb(), 0) << "a regular client";
    EXPECT_TRUE(fake.komunikaty.empty());
}

TEST_F(Koszyk_, CenaZRabatemIRegulaWeekendu) {
    KlientDoWypozyczenia("2");
    Dodaj(7, "2");
    EXPECT_EQ(Komorka(0, 2), "9,00") << "the client's 10% off";

    const QDate sobota(2024, 3, 9), piatek(2024, 3, 8);
    ASSERT_EQ(DzienTygodnia(sobota), 7);
    for (const auto& [dzien, weekend, cena] :
         {std::tuple{sobota, 1, "5,00"}, {sobota, 0, "10,00"}, {piatek, 1, "10,00"}}) {
        UstawDzisiaj(dzien);
        Ustawienia().Weekend = weekend;
        KlientDoWypozyczenia("1");
        lista()->setRowCount(1);
        lista()->clearContents();
        Dodaj(8, "2");
        EXPECT_EQ(Komorka(0, 2), cena) << dzien.toString().toStdString() << weekend;
    }
}

TEST_F(Koszyk_, FilmNieNaPolceLubBezTytuluNieJestDodawany) {
    KlientDoWypozyczenia("1");
    FilmNr("9");
    EXPECT_EQ(k<QLabel>("lStatus")->text(), "WYPOŻYCZONY");
    fMain->findChild<QAction*>("miNastepny")->setEnabled(true);
    fMain->findChild<QAction*>("miNastepny")->trigger();
    EXPECT_EQ(lista()->rowCount(), 1);
    FilmNr("7");
    k<QComboBox>("cbTytulOrg")->setCurrentIndex(-1);
    k<QComboBox>("cbTytulPol")->setCurrentIndex(-1);
    Dodaj();
    EXPECT_EQ(lista()->rowCount(), 1);
    EXPECT_FALSE(fMain->Koszyk().Zmieniony);
    // A number typed over the shown film, without Enter, adds neither film.
    FilmNr("7");
    pole("eFilmNr")->setText("8");
    Dodaj();
    EXPECT_EQ(lista()->rowCount(), 1);
    EXPECT_TRUE(fake.komunikaty.empty());
}

TEST_F(Koszyk_, LimitFilmowOdmawiaKolejnego) {
    KlientDoWypozyczenia("1");
    Ustawienia().FilmMax = 2;
    Dodaj(7);
    Dodaj(8);
    Dodaj(10);
    ASSERT_EQ(fake.Teksty(), std::vector<QString>{"Nie można wypożyczyć większej liczby filmów."});
    EXPECT_EQ(fake.komunikaty[0].tytul, "Ostrzeżenie");
    EXPECT_EQ(fake.komunikaty[0].ikona, TIkona::Ostrzezenie);
    EXPECT_EQ(lista()->rowCount(), 4) << "the basket is unchanged";
    EXPECT_EQ(Wiersz(3), Razem("10,00"));

    Ustawienia().FilmMax = 0;
    Dodaj(10);
    Dodaj(11);
    EXPECT_EQ(lista()->rowCount(), 6);
    EXPECT_EQ(Wiersz(5), Razem("17,33"));
}

TEST_F(Koszyk_, DniIStawkaSprawdzanePrzyDodawaniu) {
    KlientDoWypozyczenia("1");
    FilmNr("7");
    pole("eIleDni")->clear();
    Dodaj();
    EXPECT_EQ(pole("eIleDni")->text(), "1");
    EXPECT_EQ(Komorka(0, 4), "1");
    EXPECT_TRUE(fake.komunikaty.empty());

    FilmNr("8");
    {
        const QSignalBlocker cicho(pole("eIleDni"));
        pole("eIleDni")->setText("dwa");
    }
    Dodaj();
    ASSERT_EQ(fake.Teksty(), std::vector<QString>{"Niewłaściwa wartość w polu \"Ilość dni\"."});
    EXPECT_EQ(fake.komunikaty[0].tytul, "Ostrzeżenie");
    EXPECT_EQ(pole("eIleDni")->text(), "1");
    EXPECT_EQ(Wiersz(1), QStringList({"Matrix", "8", "5,00", "2", "1", "5,00"}));

    fake.Wyczysc();
    FilmNr("10");
    pole("eCena")->clear();
    Dodaj();
    ASSERT_EQ(fake.Teksty(), std::vector<QString>{"Niewłaściwa wartość w polu \"Stawka\"."});
    EXPECT_EQ(fake.komunikaty[0].ikona, TIkona::Ostrzezenie);
    EXPECT_EQ(lista()->rowCount(), 4) << "nothing added";
}

class KoszykZeStawka : public Koszyk_ {
protected:
    KoszykZeStawka() { zmianaStawki = true; }
};

TEST_F(KoszykZeStawka, StawkaWpisanaMinusJedenDajeZero) {
    KlientDoWypozyczenia("1");
    FilmNr("7");
    ASSERT_TRUE(pole("eCena")->isEnabled());
    pole("eCena")->setText("-1");
    Opusc("eCena");
    EXPECT_EQ(fake.Teksty(), std::vector<QString>{"Niepoprawna wartość."});
    EXPECT_EQ(pole("eCena")->text(), "0,00");
    Dodaj();
    EXPECT_EQ(Wiersz(0), QStringList({"Alien", "7", "0,00", "1", "1", "0,00"}));

    // A typed rate applies to its row only, and not to the store.
    FilmNr("8");
    pole("eCena")->setText("2,5");
    Opusc("eCena");
    pole("eIleDni")->setText("2");
    Dodaj();
    EXPECT_EQ(Wiersz(1), QStringList({"Matrix", "8", "5,00", "2", "2", "2,50"}));
    EXPECT_EQ(fake.komunikaty.size(), 1u);
}

TEST_F(Koszyk_, TenSamFilmTylkoRaz) {
    KlientDoWypozyczenia("1");
    Dodaj(7);
    Dodaj(7);
    EXPECT_EQ(lista()->rowCount(), 3);
    // Chosen by title it shows as 0007: still the same film.
    Wybierz("cbTytulOrg", "Alien");
    ASSERT_EQ(pole("eFilmNr")->text(), "0007");
    Dodaj();
    EXPECT_EQ(lista()->rowCount(), 3);
    EXPECT_EQ(Wiersz(2), Razem("5,00"));
    EXPECT_TRUE(fake.komunikaty.empty()) << "silently";
}

TEST_F(Koszyk_, UsuniecieWierszyPrzesuwaResztePoprawiaSumeIWplate) {
    KlientDoWypozyczenia("1");
    Dodaj(7, "3");
    Dodaj(10, "2");
    ASSERT_EQ(Wiersz(3), Razem("23,00"));
    ZaznaczWiersze(0, 0);
    k<QPushButton>("bUsun")->click();
    ASSERT_EQ(lista()->rowCount(), 3);
    EXPECT_EQ(Wiersz(0), QStringList({"Brazil", "10", "8,00", "4", "2", "4,00"}))
        << "the second film keeps its days and rate";
    EXPECT_EQ(Wiersz(1), Separator());
    EXPECT_EQ(Wiersz(2), Razem("8,00"));
    EXPECT_EQ(pole("eWplata")->text(), "8,00");

    // A marking that reaches into the separator and total rows ends at the last film.
    Dodaj(8, "1");
    Dodaj(11, "1");
    ZaznaczWiersze(1, 4);
    fMain->findChild<QAction*>("miDelete")->trigger();
    ASSERT_EQ(lista()->rowCount(), 3);
    EXPECT_EQ(Komorka(0, 0), "Brazil");
    EXPECT_EQ(Wiersz(2), Razem("8,00"));

    // A marking that starts on the total row removes nothing.
    ZaznaczWiersze(2, 2);
    k<QPushButton>("bUsun")->click();
    EXPECT_EQ(lista()->rowCount(), 3);

    // Removing the only film leaves one empty row and nothing to pay.
    ZaznaczWiersze(0, 0);
    k<QPushButton>("bUsun")->click();
    ASSERT_EQ(lista()->rowCount(), 1);
    EXPECT_EQ(Wiersz(0), QStringList({"", "", "", "", "", ""}));
    EXPECT_EQ(pole("eWplata")->text(), "0,00");
    EXPECT_TRUE(fMain->Koszyk().Zmieniony) << "a removal does not clear it";

    Dodaj(7);
    EXPECT_EQ(lista()->rowCount(), 3) << "the basket starts again";
    EXPECT_EQ(Wiersz(2), Razem("5,00"));
}

TEST_F(Koszyk_, WyborWierszaPokazujeJegoDniAZmianaDniPrzelicza) {
    KlientDoWypozyczenia("1");
    Dodaj(7, "3");
    Dodaj(10, "2");
    Kliknij(0);
    EXPECT_EQ(pole("eIleDni")->text(), "3");
    pole("eIleDni")->setText("4");
    EXPECT_EQ(Wiersz(0), QStringList({"Alien", "7", "20,00", "1", "4", "5,00"}));
    EXPECT_EQ(Wiersz(3), Razem("28,00"));
    EXPECT_EQ(pole("eWplata")->text(), "23,00") << "the paid field is not changed";

    // Typing 0 empties the field and leaves the row's price.
    pole("eIleDni")->setText("0");
    EXPECT_TRUE(pole("eIleDni")->text().isEmpty());
    EXPECT_EQ(Komorka(0, 2), "20,00");
    EXPECT_EQ(Komorka(0, 4), "4");
    // Leaving the empty field puts one day in, which prices the selected row.
    Opusc("eIleDni");
    EXPECT_EQ(pole("eIleDni")->text(), "1");
    EXPECT_EQ(Komorka(0, 2), "5,00");

    // The keyboard moves the selection the same way; the separator shows no days.
    lista()->setFocus();
    QTest::keyClick(lista(), Qt::Key_Down);
    EXPECT_EQ(pole("eIleDni")->text(), "2");
    QTest::keyClick(lista(), Qt::Key_Down);
    EXPECT_TRUE(pole("eIleDni")->text().isEmpty());
    EXPECT_TRUE(fake.komunikaty.empty());
}

TEST_F(Koszyk_, PoleDniOdrzucaZlyTekstBezZaznaczenia) {
    KlientDoWypozyczenia("1");
    for (const char* zly : {"abc", "-1"}) {
        pole("eIleDni")->setText(zly);
        EXPECT_TRUE(pole("eIleDni")->text().isEmpty()) << zly;
    }
    EXPECT_EQ(fake.Teksty(), std::vector<QString>(2, "Niepoprawna wartość."));
    pole("eIleDni")->setText("0");
    EXPECT_EQ(pole("eIleDni")->text(), "0") << "a whole number is kept";

    // With a row selected a word is refused too, and nothing is re-priced.
    Dodaj(7, "2");
    Kliknij(0);
    fake.Wyczysc();
    pole("eIleDni")->setText("x");
    EXPECT_EQ(fake.Teksty(), std::vector<QString>{"Niepoprawna wartość."});
    EXPECT_EQ(Komorka(0, 2), "10,00");
}

TEST_F(Koszyk_, AbonentCoTrzeciFilmGratis) {
    Ustawienia().TypAb = 1;
    Ustawienia().AbGratis = 3;
    KlientDoWypozyczenia("3");
    ASSERT_TRUE(k<QCheckBox>("cbAbonament")->isChecked());
    Dodaj(7, "2");
    Dodaj(8, "1");
    Dodaj(10, "1");
    EXPECT_EQ(fMain->PanelKlienta().LicznikAb(), 3);
    EXPECT_EQ(Komorka(0, 2), "10,00");
    EXPECT_EQ(Komorka(1, 2), "5,00");
    EXPECT_EQ(Komorka(2, 2), "0,00") << "the third film is free";
    EXPECT_EQ(Wiersz(4), Razem("15,00"));
    EXPECT_EQ(pole("eWplata")->text(), "0,00") << "a subscriber's rentals go to the balance";

    // Re-pricing keeps each row's own counter.
    Kliknij(2);
    pole("eIleDni")->setText("3");
    EXPECT_EQ(Komorka(2, 2), "0,00");
    Kliknij(1);
    pole("eIleDni")->setText("2");
    EXPECT_EQ(Komorka(1, 2), "10,00");
    EXPECT_EQ(Wiersz(4), Razem("20,00"));

    // A removal keeps the counter; the paid field proposes the total left, for a
    // subscriber as for anyone.
    ZaznaczWiersze(0, 0);
    k<QPushButton>("bUsun")->click();
    EXPECT_EQ(fMain->PanelKlienta().LicznikAb(), 3);
    EXPECT_EQ(Wiersz(3), Razem("10,00"));
    EXPECT_EQ(pole("eWplata")->text(), "10,00");
}

TEST_F(Koszyk_, AbonamentKonczacySieDzisiajJeszczeLiczy) {
    Ustawienia().TypAb = 2;
    Ustawienia().AbStawka = 4_zl;
    KlientDoWypozyczenia("3");  // last day today
    Dodaj(7, "3");
    EXPECT_EQ(Komorka(0, 2), "12,00") << "the flat subscriber price";
    EXPECT_EQ(fMain->PanelKlienta().LicznikAb(), 1);

    KlientDoWypozyczenia("4");  // ended yesterday
    lista()->setRowCount(1);
    lista()->clearContents();
    Dodaj(7, "3");
    EXPECT_EQ(Komorka(0, 2), "15,00") << "a regular price";
    EXPECT_EQ(fMain->PanelKlienta().LicznikAb(), 0);
    EXPECT_EQ(pole("eWplata")->text(), "15,00");
}

TEST_F(Koszyk_, FilmDodanyPodOtwartymiWypozyczeniami) {
    KlientDoWypozyczenia("1");
    // The list as the open rentals leave it: two rentals, 5,00 still owed, 15,00 paid.
    lista()->setRowCount(4);
    const QStringList wiersze[] = {{"Dune", "0021", "12,00", "31", "3", "4,00"},
                                   {"Up", "0022", "8,00", "32", "2", "4,00"},
                                   Separator(),
                                   Razem("5,00")};
    for (int w = 0; w < 4; ++w)
        for (int kol = 0; kol < 6; ++kol)
            lista()->setItem(w, kol, new QTableWidgetItem(wiersze[w][kol]));
    pole("eWplata")->setText("15,00");
    pole("eWplata")->setEnabled(false);
    k<QWidget>("bUsun")->setEnabled(false);
    k<QAction>("miDelete")->setEnabled(false);
    UstawTloListy(lista(), true);  // the last rental is overdue

    Dodaj(7, "2");
    ASSERT_EQ(lista()->rowCount(), 5);
    EXPECT_EQ(lista()->palette().color(QPalette::Base),
              QApplication::palette().color(QPalette::Button))
        << "an added film gives the list its normal colour";
    EXPECT_EQ(Wiersz(2), QStringList({"Alien", "7", "10,00", "1", "2", "5,00"}));
    EXPECT_EQ(Wiersz(3), Separator());
    EXPECT_EQ(Wiersz(4), Razem("15,00")) << "what is owed on the rentals plus the new film";
    EXPECT_EQ(pole("eWplata")->text(), "15,00");
    EXPECT_TRUE(k<QWidget>("bUsun")->isEnabled()) << "the film added can be removed again";

    // The limit counts the listed rentals.
    Ustawienia().FilmMax = 3;
    Dodaj(8);
    EXPECT_EQ(fake.Teksty(), std::vector<QString>{"Nie można wypożyczyć większej liczby filmów."});
}

TEST_F(Koszyk_, WplataSprawdzanaPrzyOpuszczeniu) {
    KlientDoWypozyczenia("1");
    pole("eWplata")->setText("-5");
    Opusc("eWplata");
    EXPECT_EQ(pole("eWplata")->text(), "-5") << "an empty list: nothing checked";
    EXPECT_TRUE(fake.komunikaty.empty());

    Dodaj(7);
    for (const auto& [wpisane, wynik] :
         {std::pair<QString, QString>{"12,5", "12,50"}, {"", ""}, {"7", "7,00"}}) {
        pole("eWplata")->setText(wpisane);
        Opusc("eWplata");
        EXPECT_EQ(pole("eWplata")->text(), wynik) << wpisane.toStdString();
    }
    EXPECT_TRUE(fake.komunikaty.empty());
    for (const char* zly : {"-5", "abc"}) {
        pole("eWplata")->setText(zly);
        Opusc("eWplata");
        EXPECT_TRUE(pole("eWplata")->text().isEmpty()) << zly;
    }
    EXPECT_EQ(fake.Teksty(), std::vector<QString>(2, "Niepoprawna wartość."));
    EXPECT_EQ(fake.komunikaty[0].tytul, "Ostrzeżenie");
}

}  // namespace
