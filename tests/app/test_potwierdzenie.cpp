// The slip of the last operation and the client card, from the desk.
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>

#include "Operacje.h"
#include "app/uPotwierdzenieOperacji.h"
#include "reports/FakeDrukarka.h"
#include "settings/Wypozyczalnia.h"
#include "store/PlikUstawien.h"
#include "store/Zegar.h"
#include "support/Kwoty.h"

using namespace operacje;

namespace {

class PulpitPotwierdzenie : public Operacje {
protected:
    void SetUp() override {
        UstawPlikUstawienProgramu(katalog.filePath(QStringLiteral("wirdolan.ini")));
        TWypozyczalnia w;
        w.Nazwa = QStringLiteral("Wypożyczalnia Żółw");
        ASSERT_TRUE(ZapiszWypozyczalnie(w));
        AlienIHeat();
    }
    void TearDown() override { UstawPlikUstawienProgramu(QString()); }

    QAction* Potwierdzenie() { return k<QAction>("miPotwierdzenie"); }
    // "Potwierdzenie": the preview closed, then printed; the printed texts.
    std::vector<QString> Wydrukuj(QAction* pozycja) {
        FakeDrukarka drukarka;
        fake.PrzyOknie([](QDialog& okno) {
            EXPECT_EQ(okno.objectName(), QStringLiteral("TfPodglad"));
            return static_cast<int>(QDialog::Accepted);
        });
        fake.Odpowiedz(QMessageBox::Yes);
        EXPECT_EQ(fake.okna.size(), 1u) << "every earlier dialog answered";
        pozycja->trigger();
        EXPECT_EQ(drukarka.teksty.size(), 1u);
        return drukarka.teksty.empty() ? std::vector<QString>{} : drukarka.teksty[0];
    }
    static bool Jest(const std::vector<QString>& t, const QString& tekst) {
        return std::find(t.begin(), t.end(), tekst) != t.end();
    }
    void Wypozyczone() {
        if (baza.Ile("select count(*) from klient") == 0) Klient(0);
        DoKoszyka({{1, 1, 10, 2, 5}, {2, 2, 5, 1, 5}});
        Zaplac(12);
        Wypozycz();
        ASSERT_EQ(Teksty(), std::vector<QString>{Zapisane});
        fake.Wyczysc();
    }

    QTemporaryDir katalog;
};

TEST_F(PulpitPotwierdzenie, PoWypozyczeniuFilmyKwotyITermin) {
    Klient(0);
    // A loaded client's last operation is read back from the store: none yet.
    ASSERT_TRUE(Potwierdzenie()->isEnabled());
    Potwierdzenie()->trigger();
    EXPECT_EQ(Teksty(), std::vector<QString>{"Klient nie ma jeszcze operacji do potwierdzenia."});
    fake.Wyczysc();
    Wypozyczone();
    ASSERT_TRUE(Potwierdzenie()->isEnabled());
    EXPECT_EQ(Potwierdzenie()->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    const std::vector<QString> t = Wydrukuj(Potwierdzenie());
    for (const char* s :
         {"Wypożyczalnia Żółw", "POTWIERDZENIE WYPOŻYCZENIA", "Klient: 0007 Nowak Anna",
          "Alien (Alien)", "Heat (Heat)", "0001", "0002", "04.03.2024", "05.03.2024", "10,00",
          "15,00 zł", "12,00 zł", "3,00 zł", "-3,00 zł", "Termin zwrotu:"})
        EXPECT_TRUE(Jest(t, QString::fromUtf8(s))) << s;
    // Large print: the first date a film is due back.
    const auto termin = std::find(t.begin(), t.end(), QStringLiteral("Termin zwrotu:"));
    ASSERT_NE(termin, t.end());
    EXPECT_EQ(*(termin + 1), QStringLiteral("05.03.2024"));
}

TEST_F(PulpitPotwierdzenie, ZwrotCzesciowyIPrzedluzenie) {
    Wypozyczone();
    // Alien back on Wednesday, on time; Heat a day late stays out.
    UstawDzisiaj(QDate(2024, 3, 6));
    Przeladuj();
    Zaznacz(0, 0);
    Odpowiedz(QMessageBox::Yes);
    k<QPushButton>("bZwrot")->click();  // paid in full at the rental: no payment dialog
    ASSERT_EQ(Teksty().back(), Zwrocone);
    fake.Wyczysc();
    std::vector<QString> t = Wydrukuj(Potwierdzenie());
    EXPECT_TRUE(Jest(t, QStringLiteral("POTWIERDZENIE ZWROTU")));
    EXPECT_TRUE(Jest(t, QStringLiteral("Alien (Alien)")));
    EXPECT_FALSE(Jest(t, QStringLiteral("Heat (Heat)"))) << "only the returned film";
    EXPECT_TRUE(Jest(t, QStringLiteral("06.03.2024"))) << "the return date";
    const auto termin =
        std::find(t.begin(), t.end(), QStringLiteral("Termin zwrotu pozostałych filmów:"));
    ASSERT_NE(termin, t.end());
    EXPECT_EQ(*(termin + 1), QStringLiteral("05.03.2024"));

    // Heat extended by 3 days from today.
    fake.Wyczysc();
    Przeladuj();
    Dni(3);
    sg()->clearSelection();
    Odpowiedz(QMessageBox::Yes);
    Zaplac(0);
    k<QPushButton>("bPrzedluzenie")->click();
    ASSERT_EQ(Teksty().back(), Przedluzone);
    fake.Wyczysc();
    t = Wydrukuj(Potwierdzenie());
    EXPECT_TRUE(Jest(t, QStringLiteral("POTWIERDZENIE PRZEDŁUŻENIA")));
    EXPECT_TRUE(Jest(t, QStringLiteral("Heat (Heat)")));
    EXPECT_FALSE(Jest(t, QStringLiteral("Alien (Alien)")));
    const auto nowy = std::find(t.begin(), t.end(), QStringLiteral("Termin zwrotu:"));
    ASSERT_NE(nowy, t.end());
    EXPECT_EQ(*(nowy + 1), QStringLiteral("09.03.2024"));
}

TEST_F(PulpitPotwierdzenie, KartaKlientaGdyKlientPokazany) {
    Klient(0);
    k<QLineEdit>("eKlientNr")->setText(QStringLiteral("9999"));
    fMain->WczytajKLIENTA();
    EXPECT_FALSE(k<QAction>("miKartaKlienta")->isEnabled()) << "no such client";
    k<QLineEdit>("eKlientNr")->setText(QStringLiteral("0007"));
    fMain->WczytajKLIENTA();
    ASSERT_TRUE(k<QAction>("miKartaKlienta")->isEnabled());
    const std::vector<QString> t = Wydrukuj(k<QAction>("miKartaKlienta"));
    EXPECT_TRUE(Jest(t, QStringLiteral("Anna Nowak")));
    EXPECT_TRUE(Jest(t, QStringLiteral("Nr klienta: 0007")));
    EXPECT_TRUE(Jest(t, QStringLiteral("Wypożyczalnia Żółw")));
}

}  // namespace

namespace {

TEST_F(PulpitPotwierdzenie, MenuNarzedziaPoUstawieniachIOkna) {
    const QList<QAction*> menu = fMain->menuBar()->actions();
    int ustawienia = -1, narzedzia = -1;
    for (int i = 0; i < menu.size(); ++i) {
        if (menu[i]->objectName() == QStringLiteral("miUstawienia")) ustawienia = i;
        if (menu[i]->menu() && menu[i]->menu()->objectName() == QStringLiteral("miNarzedzia"))
            narzedzia = i;
    }
    ASSERT_GE(ustawienia, 0);
    EXPECT_EQ(narzedzia, ustawienia + 1);
    EXPECT_EQ(menu[narzedzia]->text(), QStringLiteral("Narzędzia"));

    fake.PrzyOknie([](QDialog& okno) { return okno.result(); });
    fake.PrzyOknie([](QDialog& okno) { return okno.result(); });
    k<QAction>("miDaneWypozyczalni")->trigger();
    k<QAction>("miEtykiety")->trigger();
    EXPECT_EQ(fake.pokazaneOkna, (std::vector<QString>{QStringLiteral("TfDaneWypozyczalni"),
                                                       QStringLiteral("TfEtykiety")}));
}

}  // namespace

// The slip from an operation's own results: only the rows the operation was about get a
// line, every listed row's unpaid part counts, and money is taken only through the dialog.
namespace {

TEST(PotwierdzenieOperacji, ZwrotLiniePozostaleIKwoty) {
    TDaneZwrotu dane;
    dane.Dzisiaj = QDate(2024, 3, 6);
    for (int id : {1, 2, 3})
        dane.Wiersze.push_back({id, TKwota(), TKwota(), QDate(2024, 3, id), QDate(2024, 3, 5)});
    TWynikZwrotu wynik;
    wynik.Wiersze = {{1, true, 10.10_zl, {}, 0.20_zl, {}, 9.90_zl},
                     {2, false, 4_zl, {}, 7_zl, {}, 0.10_zl},
                     {3, true, 0.10_zl, {}, 0_zl, {}, 0.50_zl}};
    wynik.Wplata = 5_zl;
    wynik.Saldo = -0.30_zl;
    const TPotwierdzenie p = PotwierdzenieZwrotu(dane, wynik);
    EXPECT_EQ(p.Rodzaj, TRodzajOperacji::Zwrot);
    ASSERT_EQ(p.Pozycje.size(), 2u);
    EXPECT_EQ(p.Pozycje[1].IdFilmu, 3);
    EXPECT_EQ(p.Pozycje[1].DataOD, QDate(2024, 3, 3));
    EXPECT_EQ(p.Pozycje[1].DataZwrotu, QDate(2024, 3, 6));
    EXPECT_KWOTA(p.Pozycje[0].Oplata, 10.10_zl);
    EXPECT_KWOTA(p.Pozostaje, 0.30_zl) << "owed on the returned, unpaid on the kept";
    EXPECT_KWOTA(p.Zaplacono, 5_zl);
    EXPECT_KWOTA(p.Wydano, 0_zl);
    EXPECT_KWOTA(p.Saldo, -0.30_zl);
}

TEST(PotwierdzenieOperacji, WypozyczenieINowePrzedluzenie) {
    TPrzedWypozyczeniem przed;  // no payment dialog shown
    TWynikWypozyczenia wynik;
    wynik.Wiersze = {{1, 3_zl, 3_zl, 1_zl, QDate(2024, 3, 1), QDate(2024, 3, 2)},
                     {2, 7_zl, 7_zl, 2_zl, QDate(2024, 3, 5), QDate(2024, 3, 7)}};
    wynik.Nadplata = TKomunikatRozliczenia{QString(), TRodzajKomunikatu::Informacja, 3_zl};
    wynik.NoweSaldo = -3_zl;
    TPotwierdzenie p = PotwierdzenieWypozyczenia(przed, wynik, 10_zl, 1);
    ASSERT_EQ(p.Pozycje.size(), 1u) << "the rows listed before are on an earlier slip";
    EXPECT_EQ(p.Pozycje[0].IdFilmu, 2);
    EXPECT_EQ(p.Pozycje[0].DataDO, QDate(2024, 3, 7));
    EXPECT_KWOTA(p.Pozostaje, 3_zl);
    EXPECT_KWOTA(p.Zaplacono, 0_zl) << "nothing taken without the dialog";
    EXPECT_KWOTA(p.Wydano, 3_zl);

    TDanePrzedluzenia dane;
    dane.DataOD = QDate(2024, 3, 5);
    TPrzedPrzedluzeniem przedP;
    przedP.DataDO = QDate(2024, 3, 9);
    przedP.Wplata.Pokaz = true;
    TWynikPrzedluzenia wynikP;
    wynikP.Wiersze = {{1, false, 3_zl, 0.50_zl}, {2, true, 12.50_zl, 1.25_zl}};
    p = PotwierdzeniePrzedluzenia(dane, przedP, wynikP, 4_zl);
    ASSERT_EQ(p.Pozycje.size(), 1u);
    EXPECT_EQ(p.Pozycje[0].DataOD, QDate(2024, 3, 5));
    EXPECT_EQ(p.Pozycje[0].DataDO, QDate(2024, 3, 9));
    EXPECT_KWOTA(p.Pozycje[0].Oplata, 12.50_zl);
    EXPECT_KWOTA(p.Pozostaje, 1.75_zl);
    EXPECT_KWOTA(p.Zaplacono, 4_zl);
}

}  // namespace
