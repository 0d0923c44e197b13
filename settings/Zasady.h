// The shop's rules: a limit of arrears for a new rental, the days the shop is closed, and
// the return opened by scanning a rented film. Each rule is off until the shop turns it on.
// They are kept in the dictionary table under keys beginning with "Z_" (the settings record's
// save deletes the keys matching 'K_%', so no rule key begins with K).
#pragma once

#include <QDate>
#include <optional>
#include <vector>

#include "store/Kwota.h"

class TQuery;

struct TZasady {
    std::optional<TKwota> LimitDlugu;  // no rental when the arrears exceed it; none: no limit
    bool NiedzieleZamkniete = false;
    std::vector<QDate> DniWolne;  // other closed days, sorted, each once
    bool ZwrotSkanem = false;     // scanning a rented film opens its return

    bool operator==(const TZasady&) const = default;

    // The shop is closed that day: a Sunday when Sundays are closed, or a listed day.
    bool Zamkniety(const QDate& dzien) const;
    // The day itself when the shop is open, else the next open day.
    QDate PierwszyOtwarty(const QDate& dzien) const;
    // The open days d with od <= d < do_. With no closed days at all exactly od.daysTo(do_),
    // negative when do_ lies before od.
    int DniOtwarte(const QDate& od, const QDate& do_) const;
};

// Poland's public holidays of the year, in date order; 24 December from 2025 on.
std::vector<QDate> SwietaUstawowe(int rok);
// Easter Sunday of the year (Gregorian calendar).
QDate Wielkanoc(int rok);

// The rules as stored; the rows not stored leave their rule off.
std::optional<TZasady> CzytajZasady(TQuery& q);
// Replaces every stored rule row in one transaction; true when it is stored.
bool ZapiszZasady(TQuery& q, const TZasady& z);
