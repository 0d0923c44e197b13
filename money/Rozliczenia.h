// The money of the rental desk, apart from its widgets and statements.
//
// Each operation is a function from a struct of inputs, gathered by the desk from its
// list sgWypozyczenie, its fields and the store, to a struct of results: the values to
// store per row and for the client, what to show in the list and in eWplata, and the
// messages to show (exact texts). Where the operator must answer (the payment dialog
// TfWplata, a question), the operation is split: the "before" function says what to ask
// and proposes the amount; the desk shows the dialog and passes its Kwota (0 when
// declined) to the "after" function.
//
//   listing of open rentals  PodsumujOtwarte                        (this header)
//   rental commit            PrzygotujWypozyczenie -> dialog "Pobrano:" -> RozliczWypozyczenie
//   return                   PrzygotujZwrot -> dialog "Do zapłaty: " -> RozliczZwrot
//                                                              (RozliczenieZwrotu.h)
//   undo                     RozliczWycofanie                   (RozliczenieWycofania.h)
//   extension                PrzygotujPrzedluzenie -> dialog "Dopłacono:" -> RozliczPrzedluzenie
//                                                          (RozliczeniePrzedluzenia.h)
//   arrears                  dialog "Do zapłaty:" -> OcenWplateZaleglosci -> question
//                            -> RozliczZaleglosci               (RozliczenieZaleglosci.h)
//
// Money is TKwota, whole grosze, so sums and comparisons are exact. The desk makes the
// inputs from the store's REAL and the list's cells with TKwota::ZeZlotych and
// KwotaZEkranu, and writes the results with KwotaNaEkran on screen and KwotaSQL in
// statements.
#pragma once

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

#include "settings/Zasady.h"
#include "store/Kwota.h"

// The line break inside a message box's text.
inline const QString NowaLinia = QStringLiteral("\n");

enum class TRodzajKomunikatu {
    Informacja,   // information icon, application title (Informacja)
    Ostrzezenie,  // exclamation icon, caption "Ostrzeżenie" (Ostrzezenie)
    Uwaga         // exclamation icon, application title (Uwaga)
};

// A message an operation asks the desk to show, with the amount it names; the window
// shows it (widgets/Komunikaty.h).
struct TKomunikatRozliczenia {
    QString Tekst;
    TRodzajKomunikatu Rodzaj = TRodzajKomunikatu::Informacja;
    TKwota Kwota;
};
// A surplus handed back: the heading, a line break, "Do zwrotu " and the amount followed by
// the ending the operation uses ("zł.", " zł.", "zł" or nothing).
TKomunikatRozliczenia KomunikatNadplaty(const QString& naglowek, TKwota nadwyzka,
                                        const QString& poKwocie, TRodzajKomunikatu rodzaj);

// What the payment dialog is to show: its label (UstawKwote's caption) and the amount.
struct TPropozycjaWplaty {
    bool Pokaz = false;  // false: no dialog, the amount paid is 0
    QString Etykieta;
    TKwota Kwota;
};

// Spreads money over one charge: what the money does not cover is returned as unpaid
// and the money left is lowered by what it covered.
TKwota RozlozNaNaleznosc(TKwota& pieniadze, TKwota naleznosc);

// ---------------------------------------------------------------- open rentals

struct TOtwarteWypozyczenie {
    TKwota Naleznosc;  // naleznosc
    TKwota Platnosc;   // platnosc, the unpaid part
    QDate DataOD, DataDO;
    std::optional<TKwota> Stawka;  // the rental's stawka; empty on rentals older than it
    TKwota StawkaFilmu;            // the film's current Stawka
};

struct TWierszOtwarty {
    TKwota Naleznosc;  // column 2
    int IloscDni = 0;  // column 4: dataDO - dataOD
    TKwota Stawka;     // column 5: the rental's rate, or the film's when it has none
};

struct TWykazOtwartych {
    std::vector<TWierszOtwarty> Wiersze;
    TKwota Razem;              // total row: the sum of platnosc
    TKwota Wplacono;           // eWplata: charges as shown less the unpaid parts
    TKwota SumaPlatnosci;      // desk field SumaPlatnosci
    TKwota WplaconoWczesniej;  // desk field WplaconoWczesniej
    bool PoTerminie = false;   // today is later than the last listed row's due date
};

// The sums of a client's open rentals as the desk lists them, in the store's order.
TWykazOtwartych PodsumujOtwarte(const std::vector<TOtwarteWypozyczenie>& wiersze,
                                const QDate& dzisiaj);

// ---------------------------------------------------------------- rental commit

// A film row of the desk's list: basket rows and, in mode Zwrot, the listed open
// rentals (the commit), or the listed open rentals (undo, extension).
struct TWierszListy {
    int IdFilmu = 0;   // column 3
    TKwota Naleznosc;  // column 2: the charge as shown
    int IloscDni = 0;  // column 4
    TKwota Stawka;     // column 5
};

struct TDaneWypozyczenia {
    std::vector<TWierszListy> Wiersze;  // film rows in list order
    TKwota Razem;                       // the total cell
    TKwota Saldo;                       // eSaldo
    TKwota Wplata;           // eWplata before the commit (mode Zwrot: paid on the listing)
    bool TrybZwrot = false;  // eWplata disabled: the list began with open rentals
    TKwota SumaPlatnosci;    // desk fields of the listing (0 in Wypozyczanie)
    TKwota WplaconoWczesniej;
    bool Abonament = false;  // cbAbonament
    QDate AbonamentDo;       // eAbonamentDO
    int LicznikAb = 0;       // LicznikAbKlienta, already raised by the basket
    QDate Dzien;             // the rental date (today)
    TZasady Zasady;          // the shop's closed days move a due date to an open day
};

// Before the payment dialog: a regular client's credit is spent on the total.
struct TPrzedWypozyczeniem {
    bool ZapiszSaldo = false;  // run "update klient set Saldo = " Saldo
    TKwota Saldo;              // the balance after the credit
    TKwota DoZaplaty;          // what the credit leaves to pay
    TPropozycjaWplaty Wplata;  // "Pobrano:" with DoZaplaty, or 0,00 for a subscriber
};
TPrzedWypozyczeniem PrzygotujWypozyczenie(const TDaneWypozyczenia& dane);

struct TWierszWypozyczenia {
    int IdFilmu = 0;
    TKwota Naleznosc;  // naleznosc: the charge of the row
    TKwota Stawka;
    TKwota Platnosc;       // platnosc: the part the money taken does not cover
    QDate DataOD, DataDO;  // for a new row: the rental date and the due date
};

struct TWynikWypozyczenia {
    TKwota Pobrano;  // the payment dialog's amount: taken across the counter
    TKwota Wplata;   // the amount eWplata shows after the dialog and the credit
    // When set: show it, run "update klient set Abonament = False, Saldo = 0" and
    // uncheck cbAbonament, before anything else is written.
    std::optional<TKomunikatRozliczenia> KoniecAbonamentu;
    std::optional<TKomunikatRozliczenia> Nadplata;  // "Pobrano za wysoką kwotę." ...
    // Rows in list order: a row without an open rental is inserted, one with an open
    // rental gets its platnosc updated.
    std::vector<TWierszWypozyczenia> Wiersze;
    TKwota ZmianaSalda;  // "Saldo = Saldo + " ZmianaSalda; also the new SumaPlatnosci
    TKwota NoweSaldo;    // the balance the client ends with
    int LicznikAb = 0;   // LicznikAb written with the change
};
// After the dialog: pobrano is the dialog's Kwota (0 when it was not shown or declined).
TWynikWypozyczenia RozliczWypozyczenie(const TDaneWypozyczenia& dane,
                                       const TPrzedWypozyczeniem& przed, TKwota pobrano);
