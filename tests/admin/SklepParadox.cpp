#include "admin/SklepParadox.h"

#include <QDate>
#include <QDir>

#include "admin/Pxlib.h"

namespace {

const QVariant N;  // an empty field

TWierszTestowy klient(int id, int numer, const QString& imie, const QString& nazwisko,
                      const QVariant& saldo, const QVariant& ostatnie, const QVariant& od,
                      const QVariant& do_, const QVariant& upowazniony, const QVariant& aktualny,
                      const QVariant& rabat) {
    return {id,
            numer,
            imie,
            nazwisko,
            "Wypożyczalnia \"Żuraw\"",
            "00-950",
            "Łódź",
            "Ściegiennego",
            "12a",
            "3",
            "+48 42 111 22 33",
            "725-18-01-126",
            ostatnie,
            saldo,
            od.isValid(),
            od,
            do_,
            numer * 3,
            upowazniony,
            numer % 4,
            aktualny,
            rabat};
}

TWierszTestowy film(int id, int numer, const QString& org, const QString& pol, double stawka,
                    bool naPolce, const QVariant& aktualny) {
    return {id,
            numer,
            org,
            pol,
            "Polska, 1999",
            "Michał Żebrowski",
            "Izabella Scorupco",
            "Aleksander Domogarow",
            "Krzysztof Kowalewski",
            "Andrzej Seweryn",
            "Historyczny",
            "DVD",
            "175 min",
            "Jerzy Hoffman",
            N,
            stawka,
            1234.56,
            77,
            N,
            "Ekranizacja powieści Sienkiewicza - 'Ogniem i mieczem'.",
            naPolce,
            aktualny};
}

}  // namespace

std::vector<TTabelaSklepu> Sklep() {
    std::vector<TTabelaSklepu> t;
    t.push_back({"klient",
                 "klient.db",
                 {{"ID", pxfAutoInc, 4},
                  {"Numer_klienta", pxfLong, 4},
                  {"Imie", pxfAlpha, 30},
                  {"Nazwisko", pxfAlpha, 50},
                  {"Firma", pxfAlpha, 80},
                  {"Kod", pxfAlpha, 10},
                  {"Miejscowosc", pxfAlpha, 30},
                  {"Ulica", pxfAlpha, 30},
                  {"Nr_Posesji", pxfAlpha, 10},
                  {"Nr_lokalu", pxfAlpha, 10},
                  {"Telefon", pxfAlpha, 50},
                  {"NIP", pxfAlpha, 20},
                  {"Ostatnie_wypozyczenie", pxfDate, 4},
                  {"Saldo", pxfCurrency, 8},
                  {"Abonament", pxfLogical, 1},
                  {"Abonament_OD", pxfDate, 4},
                  {"Abonament_DO", pxfDate, 4},
                  {"Licznik", pxfLong, 4},
                  {"Upowazniony", pxfAlpha, 80},
                  {"LicznikAb", pxfLong, 4},
                  {"Aktualny", pxfLogical, 1},
                  {"Rabat", pxfShort, 2}},
                 18,
                 {}});
    auto& k = t.back().wiersze;
    k.push_back(klient(1, 1, "Józef", "Gąsiorowski", -123.45, QDate(1999, 12, 31),
                       QDate(1899, 12, 31), QDate(1900, 3, 1), "Łucja Ćwik", true, 15));
    k.push_back(
        klient(2, 2, "ŻANETA", "ŹDŹBŁO-ŁĘCKA", 50.5, QDate(2000, 2, 29), N, N, N, false, 0));
    k.push_back(klient(5, 7, "Ńina", "Ślązak", 0.0, QDate(2049, 12, 31), QDate(2050, 1, 1),
                       QDate(2100, 12, 31), N, true, 50));
    // The client with the open rentals, most of whose fields are empty.
    TWierszTestowy prawiePusty(22);
    prawiePusty[0] = 9;
    prawiePusty[1] = 9;
    prawiePusty[2] = "Ęwa";
    prawiePusty[3] = "Óśćżółń";
    prawiePusty[13] = -6.0;
    k.push_back(prawiePusty);
    // Every field empty but the key.
    TWierszTestowy pusty(22);
    pusty[0] = 10;
    k.push_back(pusty);
    k.push_back(klient(40, 12, "Zażółć", "Gęślą-Jaźń", -9999.99, QDate(1970, 1, 1),
                       QDate(2024, 3, 1), QDate(2024, 3, 31), N, true, 0));

    t.push_back({"film",
                 "film.db",
                 {{"ID", pxfAutoInc, 4},
                  {"Numer_filmu", pxfLong, 4},
                  {"Tytul_oryginalny", pxfAlpha, 50},
                  {"Tytul_polski", pxfAlpha, 50},
                  {"Produkcja", pxfAlpha, 25},
                  {"Rola_glowna_1", pxfAlpha, 25},
                  {"Rola_glowna_2", pxfAlpha, 25},
                  {"Rola_glowna_3", pxfAlpha, 25},
                  {"Rola_glowna_4", pxfAlpha, 25},
                  {"Rola_glowna_5", pxfAlpha, 25},
                  {"Gatunek", pxfAlpha, 25},
                  {"Nosnik", pxfAlpha, 15},
                  {"Czas_trwania", pxfAlpha, 15},
                  {"Rezyseria_1", pxfAlpha, 25},
                  {"Rezyseria_2", pxfAlpha, 25},
                  {"Stawka", pxfCurrency, 8},
                  {"Wplywy", pxfCurrency, 8},
                  {"Ilosc_wypozyczen", pxfLong, 4},
                  {"Cena_zakupu", pxfCurrency, 8},
                  {"Opis", pxfAlpha, 255},
                  {"Status", pxfLogical, 1},
                  {"Aktualny", pxfLogical, 1}},
                 21,
                 {}});
    auto& f = t.back().wiersze;
    f.push_back(film(3, 1, "Ogniem i mieczem", "Ogniem i mieczem", 4.5, true, true));
    f.push_back(film(4, 2, "Żółty szalik", "Żółty szalik", 3.0, true, false));
    f.push_back(film(8, 5, "Seksmisja", "Seksmisja", 5.25, true, true));
    f.push_back(film(20, 6, "Dzień świra", "Dzień świra", 6.0, false, true));
    f.push_back(film(21, 7, "Cześć Tereska", "Cześć Tereska", 2.5, false, true));
    f.push_back(film(22, 8, "Ąę", "ĄĘ ŁÓDŹ", 0.0, true, true));

    t.push_back({"rental",
                 "rental.db",
                 {{"id_filmu", pxfLong, 4},
                  {"id_klienta", pxfLong, 4},
                  {"dataOD", pxfDate, 4},
                  {"dataDO", pxfDate, 4},
                  {"zwrocono", pxfLogical, 1},
                  {"platnosc", pxfCurrency, 8},
                  {"Platnosc1", pxfCurrency, 8},
                  {"Z_abonamentu", pxfCurrency, 8},
                  {"Naleznosc", pxfNumber, 8},
                  {"Stawka", pxfCurrency, 8},
                  {"DataZwrotu", pxfDate, 4}},
                 6,
                 {}});
    auto& r = t.back().wiersze;
    const int klienci[] = {1, 2, 5, 40};
    const int filmy[] = {3, 4, 8, 22};
    for (int i = 0; i < 998; ++i) {
        const QDate od = QDate(1995, 1, 1).addDays(i * 37 % 11000);
        r.push_back({filmy[i % 4], klienci[i / 4 % 4], od, od.addDays(1 + i % 3), true,
                     (i % 5) * 1.25, i % 7 == 0 ? QVariant(-2.5) : QVariant(0.0),
                     i % 3 == 0 ? 1.5 : 0.0, 4.5 + i % 4, 4.5, od.addDays(i % 9)});
    }
    r.push_back({20, 9, QDate(2024, 3, 1), QDate(2024, 3, 4), false, 6.0, 0.0, 0.0, 18.0, 6.0, N});
    r.push_back({21, 9, QDate(2024, 3, 4), QDate(2024, 3, 6), false, 0.0, 0.0, 0.0, 5.0, 2.5, N});

    t.push_back({"dictionary",
                 "dictionary.db",
                 {{"Nazwa", pxfAlpha, 20}, {"Wartosc", pxfAlpha, 30}, {"Opis", pxfAlpha, 60}},
                 3,
                 {{"K_KOLEJNADOBA", "90", "opłata za kolejną dobę wypożyczenia"},
                  {"K_TYPAB", "2", "rodzaj abonamentu"},
                  {"K_ABSTAWKA", "3,5", "stawka za dobę - abonament cenowy "},
                  {"K_KARA", "2,5", "wysokość kary"}}});
    return t;
}

void ZapiszSklep(const QString& katalog, bool staryKsztalt, int stronaKodowa) {
    for (const TTabelaSklepu& t : Sklep()) {
        std::vector<TPoleTestowe> pola = t.pola;
        if (staryKsztalt) pola.resize(t.starychPol);
        ZapiszTabeleTestowa(QDir(katalog).filePath(t.plik), pola, stronaKodowa, t.wiersze);
    }
}

std::vector<TWierszTestowy> OczekiwaneWiersze(const TTabelaSklepu& t, bool staryKsztalt) {
    std::vector<TWierszTestowy> wynik = t.wiersze;
    if (!staryKsztalt) return wynik;
    for (TWierszTestowy& w : wynik) {
        for (size_t i = t.starychPol; i < w.size(); ++i) w[i] = QVariant();
        const QString tabela = t.nazwa;
        if (tabela == "klient") {
            w[19] = 0;     // LicznikAb
            w[20] = true;  // Aktualny
            w[21] = 0;     // Rabat
        } else if (tabela == "film") {
            w[21] = true;  // Aktualny
        }
    }
    return wynik;
}
