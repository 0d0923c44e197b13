// The money of an arrears payment (TfZaleglosci::bWplataClick).
//
// The arrears window shows the payment dialog as WplataZaleglosci proposes ("Do
// zapłaty:" with the total row's amount). Only on OK it passes that amount and the
// dialog's Kwota to OcenWplateZaleglosci, shows Nadplata if set, asks Pytanie (default
// No) when Pytaj is set and stops on No; otherwise it passes the rows' platnosc1
// (column 3, in list order) and Wplata to RozliczZaleglosci and writes the results:
// Saldo + ZmianaSalda, each row's new platnosc1, the total row.
#pragma once

#include <optional>
#include <vector>

#include "money/Rozliczenia.h"

// The payment dialog's label and amount: what the listed rows owe.
TPropozycjaWplaty WplataZaleglosci(TKwota naleznosc);

struct TOcenaWplatyZaleglosci {
    std::optional<TKomunikatRozliczenia> Nadplata;  // "Pobrano za wysoką kwotę."
    bool Pytaj = false;                             // less than owed: ask before booking it
    QString Pytanie;
    TKwota Wplata;   // the amount to book (never above what is owed)
    TKwota Pobrano;  // the payment dialog's amount: taken across the counter
};
TOcenaWplatyZaleglosci OcenWplateZaleglosci(TKwota naleznosc, TKwota wplata);

struct TWynikZaleglosci {
    TKwota ZmianaSalda;              // "Saldo = Saldo + " the amount booked
    TKwota Razem;                    // the total row: still owed
    std::vector<TKwota> Zaleglosci;  // every row's new platnosc1, in list order
};
TWynikZaleglosci RozliczZaleglosci(const std::vector<TKwota>& zaleglosci, TKwota wplata);
