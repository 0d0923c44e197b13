// The store the write functions' tests start from: client 1 (number 7, balance 4) and
// films 1 to 3 on the shelf at a rate of 5.
#pragma once

#include <gtest/gtest.h>

#include "money/Zapis.h"
#include "support/FakeInterakcja.h"
#include "support/TestowaBaza.h"

// The day the operations happen.
inline const QDate Dzis(2024, 3, 5);

// Films 1 (6,00 for two days at 3,00) and 2 (5,00 for a day) in the basket; balance 4,00.
inline TDaneWypozyczenia Koszyk() {
    TDaneWypozyczenia d;
    d.Wiersze = {{1, 6.00_zl, 2, 3.00_zl}, {2, 5.00_zl, 1, 5.00_zl}};
    d.Razem = 11.00_zl;
    d.Saldo = 4.00_zl;
    d.Dzien = Dzis;
    d.LicznikAb = 2;
    return d;
}

// The undo of film 1 (6,00 unpaid) of the client's two open rentals, 6,00 paid today:
// overpaid by 1,00. Needs both rentals open (Otwarte).
inline TDaneWycofania WycofaniePierwszego() {
    TDaneWycofania d;
    d.Wiersze = {{1, 6.00_zl, 2, 3.00_zl}, {2, 5.00_zl, 1, 5.00_zl}};
    d.Pierwszy = d.Ostatni = 0;
    d.Razem = 5.00_zl;
    d.Wplacono = 6.00_zl;
    d.Saldo = 4.00_zl;  // the client's, as the store holds it
    d.LicznikAb = 2;
    return d;
}

class SklepZapisu : public ::testing::Test {
protected:
    explicit SklepZapisu(int licznikAb = 0) {
        baza.Wykonaj(QStringLiteral("insert into klient (ID, Numer_klienta, Imie, Nazwisko, "
                                    "Saldo, Licznik, LicznikAb, Abonament) values (1, 7, 'Jan', "
                                    "'Kowalski', 4, 0, %1, False)")
                         .arg(licznikAb));
        for (int id : {1, 2, 3})
            baza.Wykonaj(QStringLiteral("insert into film (ID, Numer_filmu, Tytul_oryginalny, "
                                        "Status, Wplywy, Ilosc_wypozyczen, Stawka) values (%1, %1, "
                                        "'Film %1', True, 0, 0, 5)")
                             .arg(id));
    }
    // An open rental of film id to client 1 from od to do_; the film leaves the shelf.
    void Otwarte(int id, const char* od, const char* do_, double naleznosc, double platnosc) {
        baza.Wykonaj(QStringLiteral("insert into rental (id_filmu, id_klienta, dataOD, dataDO, "
                                    "zwrocono, platnosc, platnosc1, z_abonamentu, naleznosc, "
                                    "stawka) values (%1, 1, '%2', '%3', False, %4, 0, 0, %5, 5)")
                         .arg(id)
                         .arg(QLatin1String(od), QLatin1String(do_))
                         .arg(platnosc)
                         .arg(naleznosc));
        baza.Wykonaj(QStringLiteral("update film set Status = False where ID = %1").arg(id));
    }

    // Two returned rentals of film 3 started on one day, 2,00 unpaid on the one kept without
    // a return date and 1,50 on the one returned 20.12.2023; as the arrears window lists them.
    std::vector<TZaleglosc> DwieZaleglosci() {
        baza.Wykonaj(
            "insert into rental (id_filmu, id_klienta, dataOD, dataDO, zwrocono, platnosc, "
            "platnosc1, dataZwrotu) values (3, 1, '2023-12-01', '2023-12-02', True, 0, 2, null), "
            "(3, 1, '2023-12-01', '2023-12-02', True, 0, 1.5, '2023-12-20')");
        return {{3, QDate(2023, 12, 1), QDate(), 2.00_zl},
                {3, QDate(2023, 12, 1), QDate(2023, 12, 20), 1.50_zl}};
    }

    TestowaBaza baza;
    FakeInterakcja fake;
};
