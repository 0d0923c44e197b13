// The return, the undo and the extension at the desk, end to end on a test store: rate
// 5,00, further days at 50 %, the late charge at 100 % of the rate.
#include <QTest>

#include "Operacje.h"
#include "settings/UstawieniaSlownik.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/Zegar.h"

using namespace operacje;

namespace {

class PulpitZwrot : public Operacje {
protected:
    void SetUp() override { AlienIHeat(); }
    // Rented at the desk on Monday 4 March, the amount paid in the payment dialog.
    void Wypozyczone(const std::vector<TPozycja>& filmy, double zaplacono, int rabat = 0) {
        Klient(0, false, QDate(), 0, rabat);
        DoKoszyka(filmy);
        Zaplac(zaplacono);
        Wypozycz();
        ASSERT_EQ(Teksty(), std::vector<QString>{Zapisane});
        fake.Wyczysc();
    }
    // Back on the day given: the client loaded, the rows marked (all when od < 0).
    void Oddaj(const QDate& dzien, int od = -1, int do_ = -1) {
        UstawDzisiaj(dzien);
        Przeladuj();
        if (od < 0) {
            sg()->clearSelection();
            Odpowiedz(QMessageBox::Yes);
        } else {
            Zaznacz(od, do_);
            Odpowiedz(QMessageBox::Yes);
        }
        k<QPushButton>("bZwrot")->click();
    }
    double Wplywy(int film) {
        return baza.Wartosc(QStringLiteral("select Wplywy from film where ID = %1").arg(film))
            .toDouble();
    }
};

class PulpitWycofanie : public Operacje {
protected:
    // A charged 12,00 with 5,00 unpaid, B charged 8,00 and paid.
    void SetUp() override {
        Film(1, 1, "Alien", 6);
        Film(2, 2, "Heat", 4);
    }
    void DwaWypozyczenia(double nieA, double nieB) {
        Otwarte(1, QDate(2024, 3, 2), QDate(2024, 3, 4), 12, nieA, 6);
        Otwarte(2, QDate(2024, 3, 2), QDate(2024, 3, 4), 8, nieB, 4);
        Klient(-(nieA + nieB), false, QDate(), 3);
        ASSERT_EQ(k<QLineEdit>("eWplata")->text(),
                  KwotaNaEkran(TKwota::ZeZlotych(20 - nieA - nieB)));
    }
    void Cofnij(int wiersz) {
        Zaznacz(wiersz, wiersz);
        Odpowiedz(QMessageBox::Yes);
        k<QPushButton>("bCofnij")->click();
    }
};

class PulpitPrzedluzenie : public Operacje {
protected:
    // Thursday 7 March; taken on Monday for 2 days (one day overdue), 7,50 paid.
    void SetUp() override {
        UstawDzisiaj(QDate(2024, 3, 7));
        AlienIHeat();
        Otwarte(1, QDate(2024, 3, 4), QDate(2024, 3, 6), 7.5, 0, 5);
    }
    // The days dialog and the payment dialog are scripted first, in that order.
    void Przedluz(int wiersz = 0) {
        Zaznacz(wiersz, wiersz);
        Odpowiedz(QMessageBox::Yes);
        k<QPushButton>("bPrzedluzenie")->click();
    }
};

}  // namespace

// ---------------------------------------------------------------- return

TEST_F(PulpitZwrot, NaCzasZaplaconeBezDialogu) {
    Wypozyczone({{1, 1, 7.5, 2, 5}}, 7.5);
    Oddaj(QDate(2024, 3, 6));
    EXPECT_EQ(Teksty(), (std::vector<QString>{CalaLista, Zwrocone}));
    const TZapisany r = Zapisany(1);
    EXPECT_TRUE(r.zwrocono);
    EXPECT_EQ(r.dataZwrotu, "2024-03-06");
    EXPECT_DOUBLE_EQ(r.naleznosc, 7.5);
    EXPECT_DOUBLE_EQ(r.platnosc1, 0);
    EXPECT_DOUBLE_EQ(r.zAbonamentu, 0);
    EXPECT_TRUE(NaPolce(1));
    EXPECT_EQ(baza.Ile("select Ilosc_wypozyczen from film where ID = 1"), 1);
    EXPECT_DOUBLE_EQ(Wplywy(1), 7.5);
    EXPECT_EQ(baza.Ile("select Licznik from klient"), 1);
    EXPECT_DOUBLE_EQ(Saldo(), 0);

    Przeladuj();
    EXPECT_TRUE(k<QLineEdit>("eWplata")->isEnabled()) << "nothing out: mode Wypozyczanie";
    EXPECT_EQ(sg()->rowCount(), 1);
}

TEST_F(PulpitZwrot, PoTerminieDoplataZaSpoznienie) {
    Wypozyczone({{1, 1, 7.5, 2, 5}}, 7.5);
    TPropozycja p;
    Zaplac(10, &p);
    Oddaj(QDate(2024, 3, 8));  // two days late
    EXPECT_EQ(p.etykieta, "Do zapłaty: ");
    EXPECT_DOUBLE_EQ(p.kwota, 10);
    EXPECT_EQ(p.rozliczenie,
              "0001 Alien: 17,50 zł (w tym po terminie 2 dni: 10,00 zł)\n"
              "Wpłacono wcześniej, saldo i abonament: -7,50 zł\nRazem do zapłaty: 10,00 zł");
    EXPECT_EQ(Teksty(), (std::vector<QString>{CalaLista, Zwrocone}));
    EXPECT_DOUBLE_EQ(Zapisany(1).naleznosc, 17.5);
    EXPECT_DOUBLE_EQ(Zapisany(1).platnosc1, 0);
    EXPECT_DOUBLE_EQ(Wplywy(1), 17.5);
    EXPECT_DOUBLE_EQ(Saldo(), 0);
}

TEST_F(PulpitZwrot, PoTerminieKaraStala) {
    fConfig->Ustawienia.PoTerminie = 0;
    fConfig->Ustawienia.Kara = 3_zl;
    Wypozyczone({{1, 1, 7.5, 2, 5}}, 7.5);
    TPropozycja p;
    Zaplac(-1, &p);
    Oddaj(QDate(2024, 3, 8));
    EXPECT_DOUBLE_EQ(p.kwota, 6);
    EXPECT_DOUBLE_EQ(Zapisany(1).naleznosc, 13.5);
    EXPECT_DOUBLE_EQ(Zapisany(1).platnosc1, 6) << "declined: still owed";
    EXPECT_DOUBLE_EQ(Saldo(), -6);
}

TEST_F(PulpitZwrot, WczesniejZaDniUzyteTylkoZPrzedTerminem) {
    fConfig->Ustawienia.PrzedTerminem = true;
    Wypozyczone({{1, 1, 12.5, 4, 5}}, 0);  // due Friday, nothing paid
    ASSERT_DOUBLE_EQ(Saldo(), -12.5);
    TPropozycja p;
    Zaplac(7.5, &p);
    Oddaj(QDate(2024, 3, 6));
    EXPECT_DOUBLE_EQ(p.kwota, 7.5);
    EXPECT_DOUBLE_EQ(Zapisany(1).naleznosc, 7.5);
    EXPECT_DOUBLE_EQ(Zapisany(1).platnosc1, 0);
    EXPECT_DOUBLE_EQ(Saldo(), 0);
}

TEST_F(PulpitZwrot, WczesniejBezPrzedTerminemCalyOkres) {
    Wypozyczone({{1, 1, 12.5, 4, 5}}, 0);
    TPropozycja p;
    Zaplac(12.5, &p);
    Oddaj(QDate(2024, 3, 6));
    EXPECT_DOUBLE_EQ(p.kwota, 12.5);
    EXPECT_DOUBLE_EQ(Zapisany(1).naleznosc, 12.5);
    EXPECT_DOUBLE_EQ(Saldo(), 0);
}

TEST_F(PulpitZwrot, TegoSamegoDniaJedenDzienBezRabatu) {
    fConfig->Ustawienia.PrzedTerminem = true;
    Wypozyczone({{1, 1, 6.75, 2, 5}}, 6.75, 10);  // 7,50 less 10 %
    Oddaj(QDate(2024, 3, 4));
    EXPECT_EQ(Teksty(), (std::vector<QString>{CalaLista,
                                              "Wpłacono za wysoką kwotę w dniu wypożyczenia.\nDo "
                                              "zwrotu 1,75 zł.",
                                              Zwrocone}));
    EXPECT_DOUBLE_EQ(Zapisany(1).naleznosc, 5);
    EXPECT_DOUBLE_EQ(Zapisany(1).platnosc1, 0);
    EXPECT_DOUBLE_EQ(Saldo(), 0) << "the surplus is handed back, not booked";
}

TEST_F(PulpitZwrot, DarmowyFilmAbonentaZostajeDarmowy) {
    Otwarte(1, QDate(2024, 3, 1), QDate(2024, 3, 2), 0, 0, 5);
    Klient(20, true, QDate(2024, 3, 31), 3);
    Oddaj(QDate(2024, 3, 8));  // six days late, no dialog scripted
    EXPECT_EQ(Teksty(), (std::vector<QString>{CalaLista, Zwrocone}));
    EXPECT_TRUE(Zapisany(1).zwrocono);
    EXPECT_DOUBLE_EQ(Zapisany(1).naleznosc, 0);
    EXPECT_DOUBLE_EQ(Zapisany(1).platnosc1, 0);
    EXPECT_DOUBLE_EQ(Zapisany(1).zAbonamentu, 0);
    EXPECT_DOUBLE_EQ(Wplywy(1), 0);
    EXPECT_DOUBLE_EQ(Saldo(), 20);
}

TEST_F(PulpitZwrot, JedenZDwochPozostalyPrzeliczonyNaDzis) {
    Wypozyczone({{1, 1, 7.5, 2, 5}, {2, 2, 7.5, 2, 5}}, 15);
    TPropozycja p;
    Zaplac(2.5, &p);
    Oddaj(QDate(2024, 3, 8), 0, 0);
    EXPECT_EQ(Teksty(), (std::vector<QString>{TylkoZaznaczone, Zwrocone}));
    EXPECT_DOUBLE_EQ(p.kwota, 2.5);
    EXPECT_TRUE(Zapisany(1).zwrocono);
    EXPECT_DOUBLE_EQ(Zapisany(1).naleznosc, 17.5);
    EXPECT_DOUBLE_EQ(Zapisany(1).platnosc1, 0);
    const TZapisany kept = Zapisany(2);
    EXPECT_FALSE(kept.zwrocono);
    EXPECT_DOUBLE_EQ(kept.naleznosc, 17.5) << "its charge as of today";
    EXPECT_DOUBLE_EQ(kept.platnosc, 17.5);
    EXPECT_EQ(kept.dataDO, "2024-03-06");
    EXPECT_TRUE(NaPolce(1));
    EXPECT_FALSE(NaPolce(2));
    EXPECT_EQ(baza.Ile("select Licznik from klient"), 1);
    EXPECT_DOUBLE_EQ(Saldo(), -17.5);

    // The kept film's provisional debit is taken back at its own return.
    fake.Wyczysc();
    Zaplac(17.5);
    Oddaj(QDate(2024, 3, 8));
    EXPECT_DOUBLE_EQ(Zapisany(2).platnosc1, 0);
    EXPECT_DOUBLE_EQ(Saldo(), 0);
    EXPECT_EQ(baza.Ile("select Licznik from klient"), 2);
}

TEST_F(PulpitZwrot, ZFilmemDodanymPonizejNajpierwWypozyczenieAlboUsuniecie) {
    Wypozyczone({{1, 1, 7.5, 2, 5}}, 7.5);
    UstawDzisiaj(QDate(2024, 3, 8));  // two days late
    Przeladuj();
    DoKoszyka({{2, 2, 5, 1, 5}});  // a film added below the open rental
    ASSERT_EQ(sg()->rowCount(), 4);
    // Return, undo and extension would drop the film added: refused, nothing written.
    for (const char* przycisk : {"bZwrot", "bCofnij", "bPrzedluzenie"}) {
        fake.Wyczysc();
        Zaznacz(0, 0);
        k<QPushButton>(przycisk)->click();
        ASSERT_EQ(fake.komunikaty.size(), 1u) << przycisk;
        EXPECT_TRUE(fake.komunikaty[0].tekst.startsWith("Na liście są filmy dodane")) << przycisk;
        EXPECT_EQ(sg()->rowCount(), 4) << przycisk;
    }
    EXPECT_DOUBLE_EQ(Zapisany(1).naleznosc, 7.5);

    // Removed again, the return runs on the rental alone.
    Zaznacz(1, 1);
    fMain->Koszyk().miDeleteClick();
    EXPECT_EQ(sg()->rowCount(), 3);
    Zaznacz(0, 0);
    Odpowiedz(QMessageBox::Yes);
    fake.PrzyOknie([&](QDialog& okno) {
        EXPECT_EQ(Komorka(2, 2), "17,50");  // the return's new total, in the total row
        okno.findChild<QAbstractButton*>("bZapisz")->click();
        return okno.result();
    });
    k<QPushButton>("bZwrot")->click();
    EXPECT_DOUBLE_EQ(Zapisany(1).naleznosc, 17.5);
}

TEST_F(PulpitZwrot, NieWplaconoZostajeDoZaplaty) {
    Wypozyczone({{1, 1, 7.5, 2, 5}}, 0);
    ASSERT_DOUBLE_EQ(Saldo(), -7.5);
    Zaplac(-1);
    Oddaj(QDate(2024, 3, 6));
    EXPECT_EQ(Teksty(), (std::vector<QString>{CalaLista, Zwrocone}));
    EXPECT_TRUE(Zapisany(1).zwrocono);
    EXPECT_DOUBLE_EQ(Zapisany(1).platnosc1, 7.5);
    EXPECT_DOUBLE_EQ(Saldo(), -7.5);
}

TEST_F(PulpitZwrot, ZaplataPrzyZwrocieZdejmujeDlug) {
    Wypozyczone({{1, 1, 7.5, 2, 5}}, 0);
    Zaplac(7.5);
    Oddaj(QDate(2024, 3, 6));
    EXPECT_DOUBLE_EQ(Zapisany(1).platnosc1, 0);
    EXPECT_DOUBLE_EQ(Saldo(), 0);
}

TEST_F(PulpitZwrot, NadplataWDialoguOddana) {
    Wypozyczone({{1, 1, 7.5, 2, 5}}, 0);
    Zaplac(20);
    Oddaj(QDate(2024, 3, 6));
    EXPECT_EQ(Teksty(),
              (std::vector<QString>{CalaLista, "Wpłacono za wysoką kwotę.\nDo zwrotu 12,50 zł.",
                                    Zwrocone}));
    EXPECT_DOUBLE_EQ(Zapisany(1).platnosc1, 0);
    EXPECT_DOUBLE_EQ(Saldo(), 0);
}

TEST_F(PulpitZwrot, BladPoleceniaWycofujeCalyZwrot) {
    Wypozyczone({{1, 1, 7.5, 2, 5}}, 0);
    Zablokuj("film");  // the last statements of the return
    Zaplac(7.5);
    Oddaj(QDate(2024, 3, 6));
    EXPECT_EQ(Ile("Zapis zablokowany"), 1);
    EXPECT_EQ(Ile(Zwrocone), 0);
    EXPECT_FALSE(Zapisany(1).zwrocono);
    EXPECT_DOUBLE_EQ(Zapisany(1).platnosc, 7.5);
    EXPECT_FALSE(NaPolce(1));
    EXPECT_DOUBLE_EQ(Saldo(), -7.5);
    EXPECT_EQ(baza.Ile("select Licznik from klient"), 0);
}

// ---------------------------------------------------------------- undo

TEST_F(PulpitWycofanie, WycofanieBOddajeNadwyzke) {
    DwaWypozyczenia(5, 0);
    Cofnij(1);
    ASSERT_EQ(Teksty(),
              (std::vector<QString>{TylkoZaznaczone, "Pobrano za wysoką kwotę.\nDo zwrotu 3,00",
                                    Wycofane}));
    EXPECT_EQ(fake.komunikaty[1].tytul, "Wirdolan");
    EXPECT_EQ(fake.komunikaty[1].ikona, TIkona::Ostrzezenie);
    EXPECT_FALSE(Zapisany(2).jest);
    EXPECT_TRUE(NaPolce(2));
    EXPECT_FALSE(NaPolce(1));
    EXPECT_DOUBLE_EQ(Zapisany(1).platnosc, 0);
    EXPECT_DOUBLE_EQ(Saldo(), 0);
    EXPECT_EQ(baza.Ile("select LicznikAb from klient"), 2);
    EXPECT_EQ(fMain->PanelKlienta().LicznikAb(), 2);
    EXPECT_EQ(baza.Ile("select Ilosc_wypozyczen from film where ID = 2"), 0);
    EXPECT_EQ(baza.Ile("select Licznik from klient"), 0);
}

TEST_F(PulpitWycofanie, WycofanieAOddajeSiedemZlotych) {
    DwaWypozyczenia(5, 0);
    Cofnij(0);
    EXPECT_EQ(Teksty(),
              (std::vector<QString>{TylkoZaznaczone, "Pobrano za wysoką kwotę.\nDo zwrotu 7,00",
                                    Wycofane}));
    EXPECT_FALSE(Zapisany(1).jest);
    EXPECT_DOUBLE_EQ(Zapisany(2).platnosc, 0);
    EXPECT_DOUBLE_EQ(Saldo(), 0);
}

TEST_F(PulpitWycofanie, NicNieZaplaconoPozostalyZostajeDoZaplaty) {
    DwaWypozyczenia(12, 8);
    Cofnij(0);
    EXPECT_EQ(Teksty(), (std::vector<QString>{TylkoZaznaczone, Wycofane}));
    EXPECT_DOUBLE_EQ(Zapisany(2).platnosc, 8);
    EXPECT_DOUBLE_EQ(Saldo(), -8);
}

TEST_F(PulpitWycofanie, CalaListaWracaDoWypozyczania) {
    DwaWypozyczenia(5, 0);
    sg()->clearSelection();
    Odpowiedz(QMessageBox::Yes);
    k<QPushButton>("bCofnij")->click();
    EXPECT_EQ(Teksty(), (std::vector<QString>{
                            CalaLista, "Pobrano za wysoką kwotę.\nDo zwrotu 15,00", Wycofane}));
    EXPECT_EQ(baza.Ile("select count(*) from rental"), 0);
    EXPECT_TRUE(NaPolce(1));
    EXPECT_TRUE(NaPolce(2));
    EXPECT_DOUBLE_EQ(Saldo(), 0);
    EXPECT_EQ(baza.Ile("select LicznikAb from klient"), 1);
    Przeladuj();
    EXPECT_TRUE(k<QLineEdit>("eWplata")->isEnabled());
    EXPECT_FALSE(k<QWidget>("bCofnij")->isEnabled());
}

TEST_F(PulpitWycofanie, BladPoleceniaWycofujeWszystko) {
    DwaWypozyczenia(5, 0);
    Zablokuj("klient");  // after the deletes and the films
    Cofnij(1);
    EXPECT_EQ(Ile("Zapis zablokowany"), 1);
    EXPECT_EQ(Ile(Wycofane), 0);
    EXPECT_TRUE(Zapisany(2).jest);
    EXPECT_FALSE(NaPolce(2));
    EXPECT_DOUBLE_EQ(Zapisany(1).platnosc, 5);
    EXPECT_DOUBLE_EQ(Saldo(), -5);
    EXPECT_EQ(fMain->PanelKlienta().LicznikAb(), 3);
}

// ---------------------------------------------------------------- extension

TEST_F(PulpitPrzedluzenie, ODwaDniDoplataZaCalyOkres) {
    Klient(0);
    TPropozycja p;
    Dni(2);
    Zaplac(7.5, &p);
    Przedluz();
    EXPECT_EQ(p.etykieta, "Dopłacono:");
    EXPECT_DOUBLE_EQ(p.kwota, 7.5);
    EXPECT_EQ(Teksty(), (std::vector<QString>{TylkoZaznaczone, Przedluzone}));
    // The amount explained, and each film's old and new charge in the closing box.
    EXPECT_EQ(p.rozliczenie,
              "0001 Alien: 15,00 zł\nWpłacono wcześniej i saldo: -7,50 zł\n"
              "Razem do zapłaty: 7,50 zł");
    EXPECT_EQ(fake.Teksty().back(),
              "Przedłużenie zostało zapisane.\n\n0001 Alien: 7,50 zł → 15,00 zł");
    const TZapisany r = Zapisany(1);
    EXPECT_EQ(r.dataDO, "2024-03-09");
    EXPECT_EQ(r.dataOD, "2024-03-04");
    EXPECT_DOUBLE_EQ(r.naleznosc, 15);
    EXPECT_DOUBLE_EQ(r.platnosc, 0);
    EXPECT_DOUBLE_EQ(Saldo(), 0);
    EXPECT_EQ(k<QLineEdit>("eIleDni")->text(), "2");
}

TEST_F(PulpitPrzedluzenie, BezDoplatyWSaldzie) {
    Klient(0);
    Dni(2);
    Zaplac(-1);
    Przedluz();
    EXPECT_DOUBLE_EQ(Zapisany(1).platnosc, 7.5);
    EXPECT_DOUBLE_EQ(Saldo(), -7.5);

    // The next extension takes that debit back before charging again.
    fake.Wyczysc();
    Przeladuj();
    ASSERT_EQ(k<QLineEdit>("eWplata")->text(), "7,50");
    TPropozycja p;
    Dni(2);
    Zaplac(-1, &p);
    Przedluz();
    EXPECT_DOUBLE_EQ(p.kwota, 7.5);
    EXPECT_DOUBLE_EQ(Saldo(), -7.5);
}

TEST_F(PulpitPrzedluzenie, OZeroDniTerminDzisiaj) {
    Klient(0);
    TPropozycja p;
    Dni(0);
    Zaplac(2.5, &p);
    Przedluz();
    EXPECT_DOUBLE_EQ(p.kwota, 2.5);
    EXPECT_EQ(Zapisany(1).dataDO, "2024-03-07");
    EXPECT_DOUBLE_EQ(Zapisany(1).naleznosc, 10);
    EXPECT_DOUBLE_EQ(Saldo(), 0);
}

TEST_F(PulpitPrzedluzenie, NadplataBezSpacjiIKropki) {
    Klient(0);
    Dni(2);
    Zaplac(10);
    Przedluz();
    ASSERT_EQ(Teksty(),
              (std::vector<QString>{TylkoZaznaczone, "Pobrano za wysoką kwotę.\nDo zwrotu 2,50zł",
                                    Przedluzone}));
    EXPECT_EQ(fake.komunikaty[1].tytul, "Wirdolan");
    EXPECT_DOUBLE_EQ(Zapisany(1).platnosc, 0);
    EXPECT_DOUBLE_EQ(Saldo(), 0);
}

TEST_F(PulpitPrzedluzenie, JedenZDwochNieoznaczonyZachowujeTermin) {
    Otwarte(2, QDate(2024, 3, 4), QDate(2024, 3, 6), 7.5, 0, 5);
    Klient(0);
    Dni(2);
    Zaplac(-1);
    Przedluz(0);
    EXPECT_EQ(Zapisany(1).dataDO, "2024-03-09");
    EXPECT_DOUBLE_EQ(Zapisany(1).naleznosc, 15);
    EXPECT_DOUBLE_EQ(Zapisany(1).platnosc, 0);
    const TZapisany b = Zapisany(2);
    EXPECT_EQ(b.dataDO, "2024-03-06");
    EXPECT_DOUBLE_EQ(b.naleznosc, 7.5);
    EXPECT_DOUBLE_EQ(b.platnosc, 7.5) << "the pooled payment went to the first row";
    EXPECT_DOUBLE_EQ(Saldo(), -7.5);
}

TEST_F(PulpitPrzedluzenie, AbonentBezDialogu) {
    fConfig->Ustawienia.TypAb = 2;
    fConfig->Ustawienia.AbStawka = 4_zl;
    baza.Wykonaj("update rental set Naleznosc = 8, platnosc = 8");
    Klient(-8, true, QDate(2024, 3, 31), 5);
    Dni(2);
    Zaznacz(0, 0);
    Odpowiedz(QMessageBox::Yes);
    k<QAction>("miPrzedluzenie")->trigger();  // no payment dialog scripted
    EXPECT_EQ(Teksty(), (std::vector<QString>{TylkoZaznaczone, Przedluzone}));
    EXPECT_DOUBLE_EQ(Zapisany(1).naleznosc, 20);
    EXPECT_DOUBLE_EQ(Zapisany(1).platnosc, 20);
    EXPECT_DOUBLE_EQ(Saldo(), -20);
    EXPECT_EQ(baza.Ile("select LicznikAb from klient"), 5);
}

TEST_F(PulpitPrzedluzenie, AnulowanieNicNieZapisuje) {
    Klient(0);
    Dni(-1);
    k<QPushButton>("bPrzedluzenie")->click();
    EXPECT_TRUE(Teksty().empty());
    EXPECT_EQ(k<QLineEdit>("eIleDni")->text(), "1");

    Dni(3);
    Zaznacz(0, 0);
    Odpowiedz(QMessageBox::Cancel);
    k<QPushButton>("bPrzedluzenie")->click();
    EXPECT_EQ(Teksty(), std::vector<QString>{TylkoZaznaczone});
    EXPECT_EQ(k<QLineEdit>("eIleDni")->text(), "3") << "the days box has taken the days";
    EXPECT_EQ(Zapisany(1).dataDO, "2024-03-06");
    EXPECT_DOUBLE_EQ(Zapisany(1).naleznosc, 7.5);
    EXPECT_EQ(Komorka(0, 2), "7,50");
    EXPECT_DOUBLE_EQ(Saldo(), 0);
}

TEST_F(PulpitPrzedluzenie, BladPoleceniaWycofujeWszystko) {
    Klient(0);
    Zablokuj("klient");  // after the new due dates and charges
    Dni(2);
    Zaplac(7.5);
    Przedluz();
    EXPECT_EQ(Ile("Zapis zablokowany"), 1);
    EXPECT_EQ(Ile(Przedluzone), 0);
    EXPECT_EQ(Zapisany(1).dataDO, "2024-03-06");
    EXPECT_DOUBLE_EQ(Zapisany(1).naleznosc, 7.5);
    EXPECT_DOUBLE_EQ(Saldo(), 0);
}

// Another counter's change to the loaded client shows at the next action: a scan reloads
// the client with a note; an undo stops, says so and writes nothing. With no change the
// client stays as loaded.
TEST_F(PulpitWycofanie, ZmianaNaInnymStanowiskuWidocznaPrzyNastepnejCzynnosci) {
    DwaWypozyczenia(5, 0);
    auto* uwaga = k<QLabel>("lUwagaKlienta");
    const auto skan = [&] {
        k<QLineEdit>("eFilmNr")->setText("0001");
        QTest::keyClick(k<QLineEdit>("eFilmNr"), Qt::Key_Return);
    };
    skan();
    EXPECT_FALSE(uwaga->text().contains("innym stanowisku"));

    baza.DrugiePolaczenie("update klient set Saldo = 0 where ID = 1");
    skan();
    EXPECT_EQ(k<QLineEdit>("eSaldo")->text(), "0,00");
    EXPECT_TRUE(uwaga->text().startsWith(
        "Dane klienta zmieniono przy innym stanowisku: wczytano je ponownie"))
        << uwaga->text().toStdString();
    EXPECT_TRUE(Teksty().empty());

    baza.DrugiePolaczenie("update rental set zwrocono = True where id_filmu = 2");
    const QString przed = baza.Zawartosc();
    Zaznacz(0, 0);
    k<QPushButton>("bCofnij")->click();  // stops before its question
    EXPECT_EQ(Teksty(), std::vector<QString>{"Dane klienta zmieniono przy innym stanowisku: "
                                             "wczytano je ponownie.\nSprawdź je i powtórz "
                                             "operację."});
    EXPECT_EQ(baza.Zawartosc(), przed);
    EXPECT_EQ(sg()->rowCount(), 3) << "one open rental, the separator and the total";
}

// The tariff another counter stored is the one the next return charges by (the late
// charge a fixed 3,00 a day instead of 100 % of the rate: 13,50 instead of 17,50).
TEST_F(PulpitZwrot, TaryfaZInnegoStanowiskaObowiazujePrzyNastepnejCzynnosci) {
    // The fixture's settings stored and read, as at a start.
    ASSERT_TRUE(fConfig->ZapiszUstawienia());
    fConfig->WczytajUstawienia();
    Wypozyczone({{1, 1, 7.5, 2, 5}}, 7.5);
    TUstawienia u = fConfig->Ustawienia;
    u.PoTerminie = 0;
    u.Kara = 3_zl;
    baza.DrugiePolaczenie(PoleceniaZapisuUstawien(u).join(";\n"));
    TPropozycja p;
    Zaplac(-1, &p);
    Oddaj(QDate(2024, 3, 8));
    EXPECT_DOUBLE_EQ(p.kwota, 6);
    EXPECT_DOUBLE_EQ(Zapisany(1).naleznosc, 13.5);
}
