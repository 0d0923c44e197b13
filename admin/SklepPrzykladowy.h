// The demo shop: an empty store filled with the plan of PlanSklepu, every step taken
// through the program's own operations on the day it happened.
#pragma once

#include <QString>
#include <vector>

#include "admin/PlanSklepu.h"

// The counter's operations the demo shop runs, each on the day the clock says (Dzisiaj).
// Clients and films are named by their numbers. An operation that fails reports it
// through Blad and makes the rest of the plan stop.
class TKasaSklepu {
public:
    virtual ~TKasaSklepu() = default;
    virtual void NowyKlient(const TKlientPlanu& klient) = 0;
    // A subscription from today to its last day, its fee paid.
    virtual void Abonament(int klient, const QDate& doDnia) = 0;
    virtual void NowyFilm(const TFilmPlanu& film) = 0;
    virtual void Wypozycz(int klient, const std::vector<int>& filmy, int dni,
                          TPlacenie placenie) = 0;
    // Returns everything the client holds.
    virtual void Zwroc(int klient, TPlacenie placenie) = 0;
    // Extends everything the client holds.
    virtual void Przedluz(int klient, int dni) = 0;
    // Pays off what the client owes for returned films.
    virtual void SplacZaleglosci(int klient) = 0;
    virtual void ArchiwizujKlienta(int klient) = 0;
    virtual void WycofajFilm(int film) = 0;
    // The first failure, empty when none.
    virtual QString Blad() const = 0;
};

struct TWynikSklepu {
    int Klienci = 0, Filmy = 0, Wypozyczenia = 0, Zwroty = 0;
    QString Blad;  // empty: the whole plan was carried out
};

// Carries the plan out day by day, moving the clock (UstawDzisiaj) to each day and
// back to the real day at the end. Clients join on their day, films are on the shelves
// from the first day; on the last day the archived clients and withdrawn films that
// hold nothing open leave.
TWynikSklepu WypelnijSklep(const TPlanSklepu& plan, TKasaSklepu& kasa);

// True when the open store holds no client and no film (archived ones included).
bool BazaBezKlientowIFilmow();

inline const QString PytanieODanePrzykladowe = QStringLiteral(
    "Czy wypełnić bazę przykładową wypożyczalnią?\n"
    "Powstaną klienci, filmy i wypożyczenia z ostatnich trzech miesięcy.");
inline const QString BazaNiePusta = QStringLiteral(
    "Dane przykładowe można wczytać tylko do pustej bazy.\n"
    "W bazie są już klienci lub filmy; nic nie zostało zmienione.");
// The closing notice: how much was written.
QString OpisWyniku(const TWynikSklepu& wynik);
