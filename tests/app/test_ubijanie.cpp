// The desk's money operations killed at every statement boundary in turn: the store holds
// the state before the operation or the state after it, never a part.
#include <iostream>

#include "Operacje.h"
#include "store/Zegar.h"
#include "support/Ubijanie.h"

using namespace operacje;

namespace {

class UbijaniePulpitu : public Operacje {
protected:
    // The fixture's tariff stored, as at a start: on a server store the check's connection
    // reports a change at every statement, so the desk reads the tariff again from the store.
    void SetUp() override {
        AlienIHeat();
        ASSERT_TRUE(fConfig->ZapiszUstawienia());
        fConfig->WczytajUstawienia();
    }
    // Clears what the reference run left scripted.
    void Skrypt() {
        fake.odpowiedzi.clear();
        fake.okna.clear();
        fake.Wyczysc();
    }
    // The answers of the last attempt were used in its child only.
    void Wynik(const char* operacja, int ubite) {
        Skrypt();
        EXPECT_GT(ubite, 3) << operacja;
        std::cout << "[ kill points ] " << operacja << ": " << ubite << std::endl;
    }
};

}  // namespace

TEST_F(UbijaniePulpitu, Wypozyczenie) {
    Klient(4);
    const int ubite = SprawdzUbijanie(
        baza,
        [&] {
            Skrypt();
            Przeladuj();
            DoKoszyka({{1, 1, 6, 2, 6}, {2, 2, 5, 3, 5}});
            Zaplac(5);
        },
        [&] { Wypozycz(); });
    Wynik("rental commit", ubite);
}

TEST_F(UbijaniePulpitu, Zwrot) {
    UstawDzisiaj(QDate(2024, 3, 8));
    Otwarte(1, QDate(2024, 3, 4), QDate(2024, 3, 6), 7.5, 2.5, 5);
    Otwarte(2, QDate(2024, 3, 4), QDate(2024, 3, 6), 7.5, 0, 5);
    Klient(-2.5);
    const int ubite = SprawdzUbijanie(
        baza,
        [&] {
            Skrypt();
            Przeladuj();
            sg()->clearSelection();
            Odpowiedz(QMessageBox::Yes);
            Zaplac(3);
        },
        [&] { k<QPushButton>("bZwrot")->click(); });
    Wynik("return", ubite);
}

TEST_F(UbijaniePulpitu, Wycofanie) {
    Otwarte(1, QDate(2024, 3, 2), QDate(2024, 3, 4), 12, 5, 6);
    Otwarte(2, QDate(2024, 3, 2), QDate(2024, 3, 4), 8, 0, 4);
    Klient(-5, false, QDate(), 3);
    const int ubite = SprawdzUbijanie(
        baza,
        [&] {
            Skrypt();
            Przeladuj();
            Zaznacz(1, 1);
            Odpowiedz(QMessageBox::Yes);
        },
        [&] { k<QPushButton>("bCofnij")->click(); });
    Wynik("undo", ubite);
}

TEST_F(UbijaniePulpitu, Przedluzenie) {
    UstawDzisiaj(QDate(2024, 3, 7));
    Otwarte(1, QDate(2024, 3, 4), QDate(2024, 3, 6), 7.5, 0, 5);
    Klient(0);
    const int ubite = SprawdzUbijanie(
        baza,
        [&] {
            Skrypt();
            Przeladuj();
            Dni(2);
            Zaplac(7.5);
            Zaznacz(0, 0);
            Odpowiedz(QMessageBox::Yes);
        },
        [&] { k<QPushButton>("bPrzedluzenie")->click(); });
    Wynik("extension", ubite);
}
