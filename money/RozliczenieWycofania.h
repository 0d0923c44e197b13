// The money of an undo (bCofnijClick).
//
// The desk asks WybierzWiersze, then passes the rental rows as listed from the store
// (WypozyczeniaNaLiscie: film ID and charge), the withdrawn range, the listing's unpaid
// parts (SumaPlatnosci) and what it says was paid (WplaconoWczesniej), eSaldo and
// LicznikAbKlienta. RozliczWycofanie says which rentals to delete
// and which films to put back on the shelf (Wycofane), the message to show, the values
// for eWplata and the total row, the client's new Saldo and LicznikAb, and the new
// platnosc of every remaining row. Nothing is priced again.
#pragma once

#include <optional>
#include <vector>

#include "money/Rozliczenia.h"

struct TDaneWycofania {
    std::vector<TWierszListy> Wiersze;  // every listed rental row, in list order
    int Pierwszy = 0;                   // the withdrawn rows Pierwszy..Ostatni
    int Ostatni = -1;
    TKwota Razem;       // SumaPlatnosci: unpaid on the listed rentals
    TKwota Wplacono;    // WplaconoWczesniej: paid on the listed rentals
    TKwota Saldo;       // eSaldo
    int LicznikAb = 0;  // LicznikAbKlienta
};

struct TWierszPoWycofaniu {
    int IdFilmu = 0;
    TKwota Platnosc;  // its new unpaid part
};

struct TWynikWycofania {
    std::vector<int> Wycofane;                      // film IDs of the withdrawn rows, in order
    std::optional<TKomunikatRozliczenia> Nadplata;  // "Pobrano za wysoką kwotę." ...
    TKwota Wplacono;                            // eWplata: what stays paid on the remaining rows
    TKwota Razem;                               // the total row: unpaid on the remaining rows
    TKwota Saldo;                               // the client's new balance
    TKwota SaldoPrzed;                          // the balance the desk showed (eSaldo)
    int LicznikAb = 0;                          // one less for every withdrawn film
    std::vector<TWierszPoWycofaniu> Pozostale;  // the remaining rows, in list order
};

TWynikWycofania RozliczWycofanie(const TDaneWycofania& dane);
