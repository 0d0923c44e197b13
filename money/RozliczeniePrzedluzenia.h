// The money of an extension (bPrzedluzenieClick).
//
// After the days dialog and WybierzWiersze the desk passes the rental rows as listed from
// the store (WypozyczeniaNaLiscie: film ID, charge and rate), the extended range, the
// days N, the start date of the first open rental the store returns, the listing's
// unpaid parts (SumaPlatnosci) and what it says was paid (WplaconoWczesniej), eSaldo,
// cbAbonament, LicznikAbKlienta, the settings and today.
//
//   PrzygotujPrzedluzenie  the new due date and charges (the desk writes Naleznosci into
//                          column 2 and runs the dataDO/naleznosc update of every
//                          extended row); for a regular client the payment dialog
//                          "Dopłacono:" with the proposed amount, none for a subscriber
//   RozliczPrzedluzenie    given the dialog's Kwota: the message to show, the client's
//                          new Saldo and LicznikAb, and the new platnosc of every row
//
// The proposed amount is what the new charges leave unpaid, never below 0,00 (a
// shorter term than paid for is refunded by the overpayment message instead).
#pragma once

#include <optional>
#include <vector>

#include "money/Rozliczenia.h"
#include "settings/Ustawienia.h"

struct TDanePrzedluzenia {
    std::vector<TWierszListy> Wiersze;  // every listed rental row, in list order
    int Pierwszy = 0;                   // the extended rows Pierwszy..Ostatni
    int Ostatni = -1;
    int IloscDni = 0;  // N from the days dialog
    QDate DataOD;      // the start date every extended row is priced from
    QDate Dzisiaj;
    TKwota Razem;            // SumaPlatnosci: unpaid on the listed rentals
    TKwota Wplacono;         // WplaconoWczesniej: paid on the listed rentals
    TKwota Saldo;            // eSaldo
    bool Abonament = false;  // cbAbonament
    int LicznikAb = 0;       // LicznikAbKlienta
    TUstawienia Ustawienia;
    int RabatKlienta = 0;
};

struct TPrzedPrzedluzeniem {
    QDate DataDO;                    // the new due date of the extended rows
    std::vector<TKwota> Naleznosci;  // column 2 of every listed row
    TKwota Naleznosc;                // the charges of all listed rows
    TKwota Saldo;                    // the balance with the unpaid parts taken back
    int LicznikAb = 0;               // the counter, back at its old value
    TPropozycjaWplaty Wplata;        // "Dopłacono:"
};
TPrzedPrzedluzeniem PrzygotujPrzedluzenie(const TDanePrzedluzenia& dane);

struct TWierszPoPrzedluzeniu {
    int IdFilmu = 0;
    bool Przedluzony = false;  // gets DataDO and Naleznosc
    TKwota Naleznosc;
    TKwota Platnosc;  // its new unpaid part
};

struct TWynikPrzedluzenia {
    TKwota Pobrano;  // the payment dialog's amount: taken across the counter
    std::optional<TKomunikatRozliczenia> Nadplata;  // "Pobrano za wysoką kwotę." ...
    TKwota Zaplacono;                               // paid on the listed rows in all
    TKwota Saldo;                                   // the client's new balance
    int LicznikAb = 0;
    std::vector<TWierszPoPrzedluzeniu> Wiersze;  // every listed row, in list order
};
// wplata: the dialog's Kwota (0 when declined; ignored for a subscriber).
TWynikPrzedluzenia RozliczPrzedluzenie(const TDanePrzedluzenia& dane,
                                       const TPrzedPrzedluzeniem& przed, TKwota wplata);
