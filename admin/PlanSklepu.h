// The plan of the demo shop: its clients, its film copies and what happened at its counter
// over the last three months, day by day. Plain data, the same for the same day and lists;
// SklepPrzykladowy carries it out through the program's own operations.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

struct TKlientPlanu {
    int Numer = 0;
    QString Imie, Nazwisko, Kod, Miejscowosc, Ulica, NrPosesji, NrLokalu, Telefon;
    QDate Zapisany;           // the day the client joined the shop
    QDate AbonamentOd;        // invalid: not a subscriber
    bool Archiwalny = false;  // archived on the last day when nothing is left open
};

struct TFilmPlanu {
    int Numer = 0;
    QString TytulOryginalny, TytulPolski, Gatunek, Nosnik, Produkcja, Rezyseria;
    int CzasTrwania = 0;  // minutes
    double Stawka = 0;    // the daily rate
    double CenaZakupu = 0;
    bool Wycofany = false;  // withdrawn on the last day when it is on the shelf
};

// Abonament: the client takes a subscription from that day for three months.
enum class TRodzajZdarzenia { Abonament, Wypozyczenie, Zwrot, Przedluzenie, Splata };

// What the client pays when the operation asks: everything, a part or nothing.
enum class TPlacenie { Calosc, Czesc, Nic };

struct TZdarzeniePlanu {
    QDate Dzien;
    TRodzajZdarzenia Rodzaj = TRodzajZdarzenia::Wypozyczenie;
    int Klient = 0;          // index into Klienci
    std::vector<int> Filmy;  // indexes into Filmy: rented, returned or extended
    int Dni = 0;             // days of a rental or of an extension
    TPlacenie Placenie = TPlacenie::Calosc;
};

struct TPlanSklepu {
    std::vector<TKlientPlanu> Klienci;
    std::vector<TFilmPlanu> Filmy;
    std::vector<TZdarzeniePlanu> Zdarzenia;  // in the order of their days
};

// The plan of a shop whose last day is dzis, with towns, genres and media taken from the
// word lists (an empty list gives the built-in names).
TPlanSklepu PlanSklepu(const QDate& dzis, const QStringList& miasta, const QStringList& gatunki,
                       const QStringList& nosniki);
