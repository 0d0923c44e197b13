// A day at the counter through the desk: renting while films are out, the client's
// standing, the shop's rules (debt limit, closed days, the scanned return).
#include <QLabel>
#include <QTest>

#include "Operacje.h"
#include "settings/Zasady.h"
#include "store/Zegar.h"

using namespace operacje;

namespace {

class DzienLady : public Operacje {
protected:
    // Rate 5,00, further days at 50 %, the late charge 100 % of the rate; Monday 4 March.
    void SetUp() override {
        for (int f = 1; f <= 3; ++f) Film(f, f, QStringLiteral("Film%1").arg(f), 5);
        fMain->WczytajTytuly();
    }
    void Skanuj(const QString& numer) {
        auto* pole = k<QLineEdit>("eFilmNr");
        pole->setText(numer);
        QTest::keyClick(pole, Qt::Key_Return);
    }
    TZasady& Zasady() { return fConfig->Ustawienia.Zasady; }
    QString Uwaga() { return k<QLabel>("lUwagaKlienta")->text(); }
};

TEST_F(DzienLady, WypozyczenieObokOtwartychZapisujeTylkoNoweFilmy) {
    Otwarte(1, QDate(2024, 3, 1), QDate(2024, 3, 6), 7.5, 2.5, 5);  // 2,50 still unpaid
    Klient(-2.5);
    Skanuj("2");
    k<QPushButton>("bNastepny")->click();
    ASSERT_EQ(Kolumna(1), (std::vector<QString>{"0001", "2", QString(21, '='), ""}));
    EXPECT_EQ(Komorka(3, 2), "7,50") << "what the open rental still owes and the new film";
    TPropozycja p;
    Zaplac(7.5, &p);
    k<QPushButton>("bWypozycz")->click();
    EXPECT_EQ(p.rozliczenie,
              "0002 Film2: 5,00 zł\nDo zapłaty za filmy wypożyczone wcześniej: 2,50 zł\n"
              "Razem do zapłaty: 7,50 zł");
    EXPECT_EQ(Teksty(), std::vector<QString>{Zapisane});
    const TZapisany stary = Zapisany(1), nowy = Zapisany(2);
    EXPECT_DOUBLE_EQ(stary.naleznosc, 7.5) << "the open rental is not charged again";
    EXPECT_EQ(stary.dataOD, "2024-03-01");
    EXPECT_DOUBLE_EQ(stary.platnosc, 0);
    EXPECT_DOUBLE_EQ(nowy.naleznosc, 5);
    EXPECT_DOUBLE_EQ(nowy.platnosc, 0);
    EXPECT_EQ(nowy.dataDO, "2024-03-05");
    EXPECT_DOUBLE_EQ(Saldo(), 0);
    EXPECT_EQ(sg()->rowCount(), 4) << "reloaded: both rentals listed";
}

TEST_F(DzienLady, StanKlientaITerminZwrotu) {
    UstawDzisiaj(QDate(2024, 3, 11));
    baza.Wykonaj(
        "insert into rental (id_filmu, id_klienta, dataOD, dataDO, zwrocono, platnosc, "
        "Platnosc1, Z_abonamentu, Naleznosc, Stawka, DataZwrotu) values (3, 1, '2024-02-01', "
        "'2024-02-02', 1, 0, 24, 0, 24, 5, '2024-02-10')");
    Otwarte(1, QDate(2024, 3, 1), QDate(2024, 3, 6), 7.5, 0, 5);   // 5 days late
    Otwarte(2, QDate(2024, 3, 1), QDate(2024, 3, 10), 7.5, 0, 5);  // 1 day late
    Klient(-5);
    EXPECT_EQ(Uwaga(),
              "Zaległości: 24,00 zł · Saldo: -5,00 zł · Po terminie: 2 filmy "
              "(najdłużej 5 dni)");
    EXPECT_FALSE(k<QLabel>("lUwagaKlienta")->isHidden());
    sg()->setCurrentCell(1, 0);
    EXPECT_EQ(k<QLabel>("lTerminZwrotu")->text(), "Termin zwrotu: 10.03.2024, po terminie 1 dzień");
    EXPECT_EQ(sg()->item(1, 0)->foreground().color(), QColor(Qt::red));
    sg()->setCurrentCell(3, 0);
    EXPECT_EQ(k<QLabel>("lTerminZwrotu")->text(), "");

    // Paid up and nothing late: nothing to say.
    UstawDzisiaj(QDate(2024, 3, 5));
    baza.Wykonaj("update rental set Platnosc1 = 0; update klient set Saldo = 0");
    Przeladuj();
    EXPECT_TRUE(k<QLabel>("lUwagaKlienta")->isHidden());
    sg()->setCurrentCell(0, 0);
    EXPECT_EQ(k<QLabel>("lTerminZwrotu")->text(), "Termin zwrotu: 06.03.2024, zostało 1 dzień");
}

TEST_F(DzienLady, LimitZaleglosciOdmawiaDodania) {
    baza.Wykonaj(
        "insert into rental (id_filmu, id_klienta, dataOD, dataDO, zwrocono, platnosc, "
        "Platnosc1, Z_abonamentu, Naleznosc, Stawka, DataZwrotu) values (3, 1, '2024-02-01', "
        "'2024-02-02', 1, 0, 24, 0, 24, 5, '2024-02-10')");
    Klient(0);
    for (const auto& [limit, dodany] : {std::pair{std::optional<TKwota>(), true},
                                        std::pair{std::optional(TKwota::ZGroszy(2400)), true},
                                        std::pair{std::optional(TKwota::ZGroszy(2000)), false}}) {
        Zasady().LimitDlugu = limit;
        fake.Wyczysc();
        Przeladuj();
        Skanuj("1");
        k<QPushButton>("bNastepny")->click();
        EXPECT_EQ(sg()->rowCount() == 3, dodany) << (limit ? limit->Grosze() : -1);
        EXPECT_EQ(fake.Teksty(),
                  dodany ? std::vector<QString>{}
                         : std::vector<QString>{"Zaległości klienta wynoszą 24,00 zł i "
                                                "przekraczają limit 20,00 zł.\nNie można "
                                                "wypożyczyć filmu."});
    }
}

TEST_F(DzienLady, SobotaPrzyZamknietychNiedzielach) {
    Zasady().NiedzieleZamkniete = true;
    UstawDzisiaj(QDate(2024, 3, 9));  // Saturday
    Klient(0);
    Skanuj("1");
    k<QPushButton>("bNastepny")->click();
    EXPECT_EQ(Komorka(0, 2), "5,00");
    Zaplac(5);
    k<QPushButton>("bWypozycz")->click();
    EXPECT_EQ(Zapisany(1).dataDO, "2024-03-11") << "due on Monday, not on the closed Sunday";
    EXPECT_DOUBLE_EQ(Zapisany(1).naleznosc, 5);

    // Back on Tuesday: one late day, the Monday.
    fake.Wyczysc();
    UstawDzisiaj(QDate(2024, 3, 12));
    Przeladuj();
    sg()->clearSelection();
    Odpowiedz(QMessageBox::Yes);
    Zaplac(5);
    k<QPushButton>("bZwrot")->click();
    EXPECT_DOUBLE_EQ(Zapisany(1).naleznosc, 10);
    EXPECT_TRUE(Zapisany(1).zwrocono);
}

TEST_F(DzienLady, ZwrotSkanemZaznaczaFilmyKlienta) {
    Otwarte(1, QDate(2024, 3, 1), QDate(2024, 3, 4), 5, 0, 5);
    Otwarte(2, QDate(2024, 3, 1), QDate(2024, 3, 4), 5, 0, 5);
    Otwarte(3, QDate(2024, 3, 1), QDate(2024, 3, 4), 5, 0, 5);
    Klient(0);
    // Off: the scan shows the film, nothing is marked.
    Skanuj("3");
    EXPECT_TRUE(sg()->selectedRanges().isEmpty());

    Zasady().ZwrotSkanem = true;
    k<QComboBox>("cbKlient")->setCurrentIndex(-1);  // no client chosen
    Skanuj("3");
    EXPECT_TRUE(Uwaga().startsWith("Film 0003 jest u tego klienta: wczytano go do zwrotu"));
    EXPECT_EQ(Kolumna(1), (std::vector<QString>{"0003", "0001", "0002", QString(21, '='), ""}));
    Skanuj("1");
    EXPECT_EQ(Kolumna(1), (std::vector<QString>{"0003", "0001", "0002", QString(21, '='), ""}));
    ASSERT_EQ(sg()->selectedRanges().size(), 1);
    EXPECT_EQ(sg()->selectedRanges()[0].bottomRow(), 1);
    TPropozycja p;
    Zaplac(5, &p);
    k<QPushButton>("bZwrot")->click();  // no question: the scanned films are returned
    EXPECT_EQ(p.rozliczenie,
              "0003 Film3: 10,00 zł\n0001 Film1: 10,00 zł\n"
              "Wpłacono wcześniej, saldo i abonament: -15,00 zł\n"
              "Razem do zapłaty: 5,00 zł");
    EXPECT_EQ(Teksty(), std::vector<QString>{Zwrocone});
    EXPECT_TRUE(Zapisany(1).zwrocono);
    EXPECT_FALSE(Zapisany(2).zwrocono);
    EXPECT_TRUE(Zapisany(3).zwrocono);
}

}  // namespace
