#include "admin/SklepParadox.h"

#include <QDate>
#include <QDir>

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
    const auto& ksztalt = KsztaltSklepuParadox();
    std::vector<TTabelaSklepu> t;
    t.reserve(ksztalt.size());  // each table's rows stay where they are
    const auto tabela = [&](int i) {
        const TKsztaltTabeli& k = ksztalt[i];
        t.push_back({k.nazwa, k.plik, k.pola, k.starychPol, {}});
        return &t.back().wiersze;
    };
    auto& k = *tabela(0);
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

    auto& f = *tabela(1);
    f.push_back(film(3, 1, "Ogniem i mieczem", "Ogniem i mieczem", 4.5, true, true));
    f.push_back(film(4, 2, "Żółty szalik", "Żółty szalik", 3.0, true, false));
    f.push_back(film(8, 5, "Seksmisja", "Seksmisja", 5.25, true, true));
    f.push_back(film(20, 6, "Dzień świra", "Dzień świra", 6.0, false, true));
    f.push_back(film(21, 7, "Cześć Tereska", "Cześć Tereska", 2.5, false, true));
    f.push_back(film(22, 8, "Ąę", "ĄĘ ŁÓDŹ", 0.0, true, true));

    auto& r = *tabela(2);
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

    *tabela(3) = {{"K_KOLEJNADOBA", "90", "opłata za kolejną dobę wypożyczenia"},
                  {"K_TYPAB", "2", "rodzaj abonamentu"},
                  {"K_ABSTAWKA", "3,5", "stawka za dobę - abonament cenowy "},
                  {"K_KARA", "2,5", "wysokość kary"}};
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
