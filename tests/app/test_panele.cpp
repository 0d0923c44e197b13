// The desk's client panel and film panel: choosing by name, title or number, what the
// panels show, the desk fields they set and the controls they enable.
#include "films/uFilm.h"
#include "money/Koszyk.h"
#include "store/Interakcja.h"
#include "test_panele_pulpit.h"

namespace {

TEST(PodzielNazweKlienta, NazwiskoZLacznikiemIImionaWieloczlonowe) {
    const std::pair<const char*, std::pair<const char*, const char*>> przypadki[] = {
        {"Kowalska-Nowak Anna", {"Kowalska-Nowak", "Anna"}},
        {"Kowalska- Nowak Anna", {"Kowalska- Nowak", "Anna"}},
        {"Nowak Jan Maria", {"Nowak", "Jan Maria"}},
        {"Nowak Jan-Paweł", {"Nowak", "Jan-Paweł"}},
        {"Kowalska-Nowak", {"Kowalska-Nowak", ""}},
        {"Cher", {"Cher", ""}},
        {"Nowak-", {"Nowak-", ""}},
    };
    for (const auto& [wpis, oczekiwane] : przypadki) {
        const TNazwaKlienta n = PodzielNazweKlienta(QString::fromUtf8(wpis));
        EXPECT_EQ(n.nazwisko, QString::fromUtf8(oczekiwane.first)) << wpis;
        EXPECT_EQ(n.imie, QString::fromUtf8(oczekiwane.second)) << wpis;
    }
}

class PanelKlienta : public PulpitPaneli {
protected:
    void SetUp() override {
        PrzedStartem({
            Klient(5, "Anna", "Kowalska-Nowak",
                   "Saldo, Upowazniony, Rabat, LicznikAb|12.5, 'Piotr Nowak', 10, 4"),
            Klient(7, "Jan Maria", "Nowak"),
            Klient(8, "Jan", "Nowak"),
            Klient(9, "Sean", "O''Brien", "Saldo|-0.01"),
            Klient(12, "Ewa", "Lis",
                   "Abonament, Abonament_OD, Abonament_DO|1, '2024-02-01', '2024-04-30'"),
            Klient(13, "Adam", "Bez",
                   "Abonament, Abonament_OD, Abonament_DO|0, '2024-02-01', '2024-04-30'"),
            "insert into klient (Numer_klienta, Imie, Nazwisko, Saldo, Aktualny) values (20, "
            "'Olga', 'Dawna', -40, 0)",
        });
        Uruchom();
    }
    void WszystkieKlienta(bool wlaczone) {
        for (const char* n : {"bKlientDane", "bKlientKonto"})
            EXPECT_EQ(k<QWidget>(n)->isEnabled(), wlaczone) << n;
        for (const char* n : {"miKlientEdytuj", "miKlientUsun", "miRaportKlient", "miZaleglosci"})
            EXPECT_EQ(k<QAction>(n)->isEnabled(), wlaczone) << n;
    }
    QColor KolorPanelu() { return k<QWidget>("pKlient")->palette().color(QPalette::Window); }
};

TEST_F(PanelKlienta, WyborPoNazwieDzieliNazwiskoZLacznikiem) {
    fMain->Koszyk().Zmieniony = true;
    Wybierz("cbKlient", "Kowalska-Nowak Anna");
    EXPECT_EQ(pole("eKlientNr")->text(), "0005");
    EXPECT_EQ(k<QComboBox>("cbKlient")->currentText(), "Kowalska-Nowak Anna");
    EXPECT_EQ(pole("eSaldo")->text(), "12,50");
    EXPECT_EQ(pole("eUpowazniony")->text(), "Piotr Nowak");
    EXPECT_EQ(fMain->PanelKlienta().Rabat(), 10);
    EXPECT_EQ(fMain->PanelKlienta().LicznikAb(), 4);
    EXPECT_EQ(fMain->PanelKlienta().Id(), 1);
    EXPECT_FALSE(fMain->Koszyk().Zmieniony) << "cleared by a choice by name";
    WszystkieKlienta(true);
    EXPECT_TRUE(fake.komunikaty.empty());
}

TEST_F(PanelKlienta, WyborPoNazwieZImionamiWieloczlonowymiIApostrofem) {
    Wybierz("cbKlient", "Nowak Jan Maria");
    EXPECT_EQ(pole("eKlientNr")->text(), "0007");
    EXPECT_EQ(k<QComboBox>("cbKlient")->currentText(), "Nowak Jan Maria");

    Wybierz("cbKlient", "O'Brien Sean");
    EXPECT_EQ(pole("eKlientNr")->text(), "0009");
    EXPECT_EQ(fMain->PanelKlienta().Id(), 4);
    EXPECT_TRUE(fake.komunikaty.empty()) << "the quote reaches the store as text";
}

TEST_F(PanelKlienta, KolorPaneluIdzieZaZnakiemSalda) {
    const QColor normalny = fMain->palette().color(QPalette::Button);
    const QColor ciemny = fMain->palette().color(QPalette::Dark);
    ASSERT_NE(normalny, ciemny);
    KlientNr("9");
    EXPECT_EQ(pole("eSaldo")->text(), "-0,01");
    EXPECT_EQ(KolorPanelu(), ciemny);
    KlientNr("7");
    EXPECT_EQ(pole("eSaldo")->text(), "0,00");
    EXPECT_EQ(KolorPanelu(), normalny);
}

TEST_F(PanelKlienta, DatyAbonamentuTylkoPrzyAbonamencie) {
    KlientNr("12");
    EXPECT_TRUE(k<QCheckBox>("cbAbonament")->isChecked());
    EXPECT_EQ(pole("eAbonamentOD")->text(), "01.02.24");
    EXPECT_EQ(pole("eAbonamentDO")->text(), "30.04.24");
    KlientNr("13");
    EXPECT_FALSE(k<QCheckBox>("cbAbonament")->isChecked());
    EXPECT_TRUE(pole("eAbonamentOD")->text().isEmpty()) << "dates are stored, but not shown";
    EXPECT_TRUE(pole("eAbonamentDO")->text().isEmpty());
}

TEST_F(PanelKlienta, NumerZZeramiWiodacymiINumeryNiepoprawne) {
    KlientNr("0012");
    EXPECT_EQ(k<QComboBox>("cbKlient")->currentText(), "Lis Ewa");
    EXPECT_EQ(fMain->PanelKlienta().Id(), 5);
    WszystkieKlienta(true);
    for (const char* zly : {"abc", "0", "-3", "1,5"}) {
        KlientNr(zly);
        EXPECT_TRUE(pole("eKlientNr")->text().isEmpty()) << zly;
        EXPECT_EQ(k<QComboBox>("cbKlient")->currentIndex(), -1) << zly;
        WszystkieKlienta(false);
    }
    EXPECT_TRUE(fake.komunikaty.empty()) << "without a message";
}

TEST_F(PanelKlienta, NumerKlientaZarchiwizowanegoZostawiaPoprzedniego) {
    KlientNr("5");
    KlientNr("20");
    EXPECT_EQ(pole("eKlientNr")->text(), "20");
    EXPECT_EQ(k<QComboBox>("cbKlient")->currentIndex(), -1);
    EXPECT_EQ(pole("eSaldo")->text(), "12,50") << "the previous client's details stay";
    EXPECT_EQ(pole("eUpowazniony")->text(), "Piotr Nowak");
    EXPECT_EQ(fMain->PanelKlienta().Id(), 1);
    WszystkieKlienta(false);
    // A number of nobody at all behaves alike.
    KlientNr("999");
    EXPECT_EQ(fMain->PanelKlienta().Id(), 1);
    WszystkieKlienta(false);
    EXPECT_TRUE(fake.komunikaty.empty());
}

TEST_F(PanelKlienta, DwajKlienciOTymSamymNazwiskuIImieniu) {
    TBaza::Aktywna()->Wykonaj(Klient(30, "Jan", "Nowak", "Saldo|3"));
    KlientNr("12");
    fake.Odpowiedz(QMessageBox::Yes);
    Wybierz("cbKlient", "Nowak Jan");
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    const TKomunikat& p = fake.komunikaty[0];
    EXPECT_EQ(p.tekst,
              "Istnieje 2 klientów o podanym imieniu i nazwisku. Możesz wprowadzić numer klienta "
              "lub zatwierdzić jeden ze wskazanych przez program. Czy chcesz wprowadzić numer?");
    EXPECT_EQ(p.tytul, "Ostrzeżenie");
    EXPECT_EQ(p.ikona, TIkona::Pytanie);
    EXPECT_EQ(p.przyciski, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(p.domyslny, QMessageBox::No);
    EXPECT_EQ(pole("eKlientNr")->text(), "12") << "Yes changes nothing on the desk";
    EXPECT_EQ(fMain->PanelKlienta().Id(), 5);

    fake.Odpowiedz(QMessageBox::No);
    Wybierz("cbKlient", "Nowak Jan");
    const QString nr = pole("eKlientNr")->text();
    ASSERT_TRUE(nr == "0008" || nr == "0030") << nr.toStdString();
    EXPECT_EQ(pole("eSaldo")->text(), nr == "0008" ? "0,00" : "3,00");
    EXPECT_EQ(k<QComboBox>("cbKlient")->currentText(), "Nowak Jan");
    WszystkieKlienta(true);
}

class PanelFilmu : public PulpitPaneli {
protected:
    void SetUp() override {
        PrzedStartem({
            Klient(12, "Ewa", "Lis"),
            Film(7, "Alien", "Obcy", 5),
            Film(8, "Matrix", "Matrix PL", 6.5),
            Film(9, "Zorro", "Zorro", 4, false),
            Film(10, "Alien", "Obcy 2", 3),
            Film(11, "Brazil", "Brazylia", 2, false),
            Film(12, "Stary", "Stary", 1, true, false),
            "insert into rental (id_filmu, id_klienta, dataOD, dataDO, zwrocono) values (3, 1, "
            "'2024-03-01', '2024-03-04', 0)",
            "insert into rental (id_filmu, id_klienta, dataOD, dataDO, zwrocono) values (5, 1, "
            "'2024-03-01', '2024-03-04', 1)",
        });
        Uruchom();
    }
    void WszystkieFilmu(bool wlaczone) {
        for (const char* n : {"bFilmDane", "bFilmKonto"})
            EXPECT_EQ(k<QWidget>(n)->isEnabled(), wlaczone) << n;
        for (const char* n : {"miFilmEdytuj", "miFilmUsun", "miRaportFilm"})
            EXPECT_EQ(k<QAction>(n)->isEnabled(), wlaczone) << n;
    }
    bool Dodawanie() {
        EXPECT_EQ(k<QWidget>("bNastepny")->isEnabled(), k<QAction>("miNastepny")->isEnabled());
        return k<QWidget>("bNastepny")->isEnabled();
    }
};

TEST_F(PanelFilmu, TytulPolskiWskazujeTenSamFilmWObuListach) {
    const int i = k<QComboBox>("cbTytulPol")->findText("Matrix PL");
    Wybierz("cbTytulPol", i);
    EXPECT_EQ(k<QComboBox>("cbTytulOrg")->currentIndex(), i);
    EXPECT_EQ(k<QComboBox>("cbTytulOrg")->currentText(), "Matrix");
    EXPECT_EQ(pole("eFilmNr")->text(), "0008") << "the pattern applies when chosen by title";
    EXPECT_EQ(pole("eCena")->text(), "6,50");
    EXPECT_EQ(k<QLabel>("lStatus")->text(), "NA PÓŁCE");
    EXPECT_EQ(IdFilmu, 2);
    EXPECT_TRUE(FilmNaPolce);
    WszystkieFilmu(true);
    EXPECT_FALSE(Dodawanie()) << "the rent button is disabled: never the add button";

    TrybWypozyczanie();
    Wybierz("cbTytulOrg", "Zorro");
    EXPECT_EQ(k<QComboBox>("cbTytulPol")->currentText(), "Zorro");
    EXPECT_EQ(k<QLabel>("lStatus")->text(), "WYPOŻYCZONY");
    EXPECT_FALSE(FilmNaPolce);
    EXPECT_FALSE(Dodawanie());
    Wybierz("cbTytulOrg", "Matrix");
    EXPECT_TRUE(Dodawanie());
}

TEST_F(PanelFilmu, NumerFilmuZostajeJakWpisany) {
    FilmNr("8");
    EXPECT_EQ(pole("eFilmNr")->text(), "8");
    EXPECT_EQ(k<QComboBox>("cbTytulOrg")->currentText(), "Matrix");
    EXPECT_EQ(k<QComboBox>("cbTytulPol")->currentText(), "Matrix PL");
    EXPECT_EQ(pole("eCena")->text(), "6,50");
    EXPECT_EQ(IdFilmu, 2);
    WszystkieFilmu(true);

    // A withdrawn film's number finds nothing: the panel keeps what it showed.
    FilmNr("12");
    EXPECT_EQ(IdFilmu, 0);
    WszystkieFilmu(false);
    EXPECT_FALSE(Dodawanie());
    EXPECT_EQ(k<QLabel>("lStatus")->text(), "NA PÓŁCE");
    EXPECT_EQ(pole("eCena")->text(), "6,50");

    for (const char* zly : {"x", "0", "-8", ""}) {
        FilmNr("8");
        FilmNr(zly);
        EXPECT_TRUE(pole("eFilmNr")->text().isEmpty()) << zly;
        EXPECT_EQ(k<QComboBox>("cbTytulOrg")->currentIndex(), -1) << zly;
        EXPECT_EQ(k<QComboBox>("cbTytulPol")->currentIndex(), -1) << zly;
        WszystkieFilmu(false);
    }
    EXPECT_TRUE(fake.komunikaty.empty());
}

TEST_F(PanelFilmu, FilmWypozyczonyPokazujeNumerKlienta) {
    FilmNr("9");
    EXPECT_EQ(k<QLabel>("lStatus")->text(), "WYPOŻYCZONY");
    EXPECT_EQ(pole("eKlientNr")->text(), "12") << "plain, without leading zeros";
    EXPECT_EQ(fMain->PanelKlienta().Id(), 0) << "the client panel is not reloaded";
    Enter("eKlientNr");
    EXPECT_EQ(fMain->PanelKlienta().Id(), 1);
    EXPECT_EQ(k<QComboBox>("cbKlient")->currentText(), "Lis Ewa");

    // Out, but with no open rental: nobody holds it.
    FilmNr("11");
    EXPECT_EQ(k<QLabel>("lStatus")->text(), "WYPOŻYCZONY");
    EXPECT_TRUE(pole("eKlientNr")->text().isEmpty());

    // A failed lookup never touches the client number.
    pole("eKlientNr")->setText("12");
    FilmNr("9");
    FilmNr("555");
    EXPECT_EQ(pole("eKlientNr")->text(), "12");
}

TEST_F(PanelFilmu, DwaFilmyOTymSamymTytuleDrugiPoNumerze) {
    Wybierz("cbTytulOrg", "Alien");
    const QString pierwszy = pole("eFilmNr")->text();
    EXPECT_TRUE(pierwszy == "0007" || pierwszy == "0010");
    FilmNr("10");
    EXPECT_EQ(pole("eCena")->text(), "3,00");
    EXPECT_EQ(k<QComboBox>("cbTytulPol")->currentText(), "Obcy 2");
    EXPECT_EQ(IdFilmu, 4);
}

TEST_F(PanelFilmu, StawkaBezZmianyStawkiNieDoEdycji) {
    EXPECT_FALSE(pole("eCena")->isEnabled());
    EXPECT_EQ(pole("eCena")->focusPolicy(), Qt::NoFocus);
}

TEST_F(PanelFilmu, OpuszczenieStawkiSprawdzaIFormatuje) {
    Opusc("eCena");
    EXPECT_TRUE(pole("eCena")->text().isEmpty()) << "no film shown";
    FilmNr("7");
    pole("eCena")->setText("-1");
    Opusc("eCena");
    ASSERT_EQ(fake.Teksty(), std::vector<QString>{"Niepoprawna wartość."});
    EXPECT_EQ(fake.komunikaty[0].tytul, "Ostrzeżenie");
    EXPECT_EQ(fake.komunikaty[0].ikona, TIkona::Ostrzezenie);
    EXPECT_EQ(pole("eCena")->text(), "0,00");
    for (const auto& [wpisane, pokazane] :
         {std::pair<QString, QString>{"4,5", "4,50"}, {"", "0,00"}, {"3,", "3,00"}}) {
        pole("eCena")->setText(wpisane);
        Opusc("eCena");
        EXPECT_EQ(pole("eCena")->text(), pokazane) << wpisane.toStdString();
    }
    pole("eCena")->setText("abc");
    Opusc("eCena");
    EXPECT_EQ(pole("eCena")->text(), "0,00");
    EXPECT_EQ(fake.komunikaty.size(), 2u);
}

}  // namespace

TEST_F(PanelFilmu, ZmianaStatusuWKartotecePoprawiaPanel) {
    const int i = k<QComboBox>("cbTytulPol")->findText("Matrix PL");
    Wybierz("cbTytulPol", i);
    ASSERT_EQ(k<QLabel>("lStatus")->text(), "NA PÓŁCE");
    fFilm->UstawFilm(IdFilmu);
    fFilm->bZmienClick();
    EXPECT_EQ(k<QLabel>("lStatus")->text(), "WYPOŻYCZONY");
    EXPECT_FALSE(FilmNaPolce);
    fFilm->UstawFilm(IdFilmu);
    fFilm->bZmienClick();
    EXPECT_EQ(k<QLabel>("lStatus")->text(), "NA PÓŁCE");
}
