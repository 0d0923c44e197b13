#include "support/SklepKopii.h"

#include <gtest/gtest.h>

#include "store/Baza.h"
#include "store/Kursor.h"
#include "store/Tlumacz.h"

void ZapiszSklepDoKopii() {
    const char* const polecenia[] = {
        "insert into klient (ID, Numer_klienta, Imie, Nazwisko, Miejscowosc, Saldo, Abonament, "
        "Abonament_OD, Abonament_DO, Ostatnie_wypozyczenie, Aktualny, Rabat) values "
        "(1, 7, 'Anna', 'Żółć', 'Łódź', -2.5, True, '2024-03-01', '2024-03-31', '2024-03-04', "
        "True, 10), (5, 8, 'Jan', '', null, 0.3, False, null, null, null, False, 0), "
        "(9, 12, null, 'Ćma', 'Gdańsk', 1234567.89, null, null, null, '2023-12-31', True, null)",
        "insert into film (ID, Numer_filmu, Tytul_oryginalny, Tytul_polski, Stawka, Wplywy, "
        "Cena_zakupu, Status, Aktualny, DataWprowadzenia) values "
        "(1, 11, 'Alien', 'Obcy – ósmy pasażer', 5, 12.35, 49.99, False, True, '2024-01-02'), "
        "(3, 13, 'Ronin', null, 3.01, 0.1, null, True, True, null), "
        "(4, 14, 'Heat', 'Gorączka', 0, -0.01, 0, True, null, '2024-02-29')",
        "insert into rental (id_filmu, id_klienta, dataOD, dataDO, zwrocono, platnosc, "
        "Platnosc1, Z_abonamentu, Naleznosc, Stawka, DataZwrotu) values "
        "(1, 1, '2024-03-04', '2024-03-06', False, 2.5, 0, null, 5, 5, null), "
        "(3, 5, '2024-02-01', '2024-02-02', True, 3.01, 0.99, 0, 3.01, 3.01, '2024-02-02'), "
        "(3, 9, '2024-02-01', '2024-02-03', True, 0, 0, 3.01, 3.01, 3.01, '2024-02-05')",
        "insert into kasa (ID, Data, Czas, id_klienta, Rodzaj, Kwota, Opis) values "
        "(2, '2024-03-04', '10:15:00', 1, 'wypożyczenie', 2.5, 'Alien'), "
        "(6, '2024-03-05', '18:00:59', null, 'wypłata', -100.01, '')",
        ("insert into dictionary (Nazwa, Wartosc, Opis) values ('Stawka', '5,00', 'zł'), "
         "('Kara', null, '')"),
    };
    for (const char* sql : polecenia) {
        try {
            TBaza::Aktywna()->Przygotuj(QString::fromUtf8(sql), {})->Krok();
        } catch (const TBladBazy& e) {
            ADD_FAILURE() << "statement failed: " << e.Tekst().toStdString() << "\n" << sql;
        }
    }
}
