// The money of a return (ZapiszZwrot).
//
// The desk asks WybierzWiersze, then gathers TDaneZwrotu: every listed rental row with
// its charge as listed (WypozyczeniaNaLiscie) and its rate and dates read from the store
// (a rate that is empty in the store counts as 0), the returned range, the client's
// balance (eSaldo), what the listing says was paid (WplaconoWczesniej), the sum of
// platnosc of all open rentals (P0, from the store), the subscription box and last day,
// the settings and today.
//
//   PrzygotujZwrot   prices every listed row again; the desk writes Naleznosci into
//                    column 2, Razem into the total row and Wplacono into eWplata, shows
//                    Nadplata if set, and shows the payment dialog when Wplata.Pokaz
//   RozliczZwrot     given the dialog's Kwota (0 when declined or not shown): shows
//                    Nadplata if set, then the desk writes Saldo and Licznik + Zwrocone to
//                    the client and each row of Wiersze to the store (a returned row:
//                    zwrocono, dataZwrotu today, platnosc1, z_abonamentu, naleznosc, and
//                    its film: status True, Ilosc_wypozyczen + 1, wplywy + Wplywy; a kept
//                    row: platnosc, naleznosc)
//
// Settled choices:
//  - The working sums (all rows' charges and subscription parts, the returned rows'
//    charges and subscription parts) add the rows' amounts as shown, so that the total
//    row is the sum of the rows.
//  - Paid at rental more than all listed rows now cost: the surplus is handed back, and
//    the settlement goes on as if the amount paid were the new total. Nothing is owed,
//    nothing is covered by the subscription (the money paid for everything), no dialog
//    is shown, and the balance rises by P0 as the provisional debit is taken back.
//  - A returned film's income (wplywy) is its new charge less its subscription share.
//  - The kept rows of a partial return carry as their unpaid part (platnosc) what the
//    balance was charged for them and no money covers: the amount unpaid over all
//    listed rows less what the returned rows keep as platnosc1 and z_abonamentu. The
//    next return takes exactly that back as its provisional debit, so a subscriber's
//    kept film is never charged twice.
//  - A subscription that ended before the rental started counts as ending on the start
//    day, so the subscriber charge never gets a negative day count.
#pragma once

#include <optional>
#include <vector>

#include "money/Rozliczenia.h"
#include "settings/Ustawienia.h"

struct TWierszZwrotu {
    int IdFilmu = 0;
    TKwota Naleznosc;  // the charge as listed
    TKwota Stawka;     // the rental's stawka
    QDate DataOD, DataDO;
};

struct TDaneZwrotu {
    std::vector<TWierszZwrotu> Wiersze;  // every listed rental row, in list order
    int Pierwszy = 0;                    // the returned rows Pierwszy..Ostatni
    int Ostatni = -1;
    TUstawienia Ustawienia;
    int RabatKlienta = 0;
    bool Abonament = false;  // cbAbonament
    QDate AbonamentDo;       // eAbonamentDO
    TKwota Saldo;            // eSaldo
    TKwota Wplacono;         // WplaconoWczesniej: paid on the listed rentals
    TKwota SumaPlatnosci;    // sum of platnosc of all open rentals in the store
    QDate Dzisiaj;
};

// The charge of a listed row if it ends today, and the part of it that falls within the
// subscription.
struct TCenaZwrotu {
    TKwota Naleznosc;
    TKwota ZAbonamentu;
};
TCenaZwrotu CenaZwrotu(const TDaneZwrotu& dane, const TWierszZwrotu& wiersz);
// The late part of a listed row's charge if it ends today (0 when not late or free).
TKwota OplataZaZwloke(const TDaneZwrotu& dane, const TWierszZwrotu& wiersz);

struct TPrzedZwrotem {
    std::vector<TKwota> Naleznosci;                 // column 2 of every listed row
    std::vector<TKwota> ZAbonamentu;                // the subscription part of every listed row
    TKwota Razem;                                   // the total row
    TKwota Wplacono;                                // eWplata from here on
    std::optional<TKomunikatRozliczenia> Nadplata;  // paid at rental more than now due
    TPropozycjaWplaty Wplata;  // "Do zapłaty: " with what is owed for the returned rows
    // Working values handed on to RozliczZwrot.
    TKwota AbonamentNieoplacony;  // subscription parts not paid for, as shared with the balance
    TKwota DoZaplatyZwrocone;     // owed for the returned rows
    TKwota ZAbonamentuZwrocone;   // covered by the subscription on the returned rows
    TKwota Saldo;                 // balance before the payment
};
TPrzedZwrotem PrzygotujZwrot(const TDaneZwrotu& dane);

struct TWierszPoZwrocie {
    int IdFilmu = 0;
    bool Zwrocony = false;
    TKwota Naleznosc;    // naleznosc: the new charge
    TKwota ZAbonamentu;  // returned: z_abonamentu
    TKwota Platnosc1;    // returned: platnosc1, still owed after the return
    TKwota Wplywy;       // returned: added to the film's wplywy
    TKwota Platnosc;     // kept: platnosc, unpaid while open
};

struct TWynikZwrotu {
    TKwota Pobrano;  // the payment dialog's amount: taken across the counter
    std::optional<TKomunikatRozliczenia> Nadplata;  // "Wpłacono za wysoką kwotę." ...
    TKwota Wplata;                                  // the payment booked (after the limit)
    TKwota Wplacono;                                // eWplata after the payment
    TKwota Saldo;                                   // the client's new balance
    int Zwrocone = 0;                               // added to Licznik
    TKwota Reszta;                                  // unpaid over the kept rows
    std::vector<TWierszPoZwrocie> Wiersze;          // every listed row, in list order
};
TWynikZwrotu RozliczZwrot(const TDaneZwrotu& dane, const TPrzedZwrotem& przed, TKwota wplata);
