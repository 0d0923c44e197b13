// The store's side of the desk's money operations: for each operation one write function
// that takes the operation's results and runs its statements, in their order, inside one
// transaction guard, the till journal's rows among them, and the reads the operation
// depends on. A write function returns whether the operation is stored; a failing
// statement has shown the store's error text and nothing of the operation is kept.
//
// Two counters on one store: each write function first locks the client's row, then the
// rows it changes (select … for update on the server; the file store's write holds the
// whole store), and checks that what the desk showed before its dialogs is still the
// store's. What another counter changed meanwhile is told in a message once the
// transaction is over, and nothing is written. A write the server takes back for a
// conflict of two counters runs again (ZapiszZPowtorzeniem).
//
// filmy: the films' numbers as the desk lists them ("0003, 0017"), the journal's Opis.
#pragma once

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

#include "money/Rozliczenia.h"
#include "money/RozliczeniePrzedluzenia.h"
#include "money/RozliczenieWycofania.h"
#include "money/RozliczenieZaleglosci.h"
#include "money/RozliczenieZwrotu.h"

// Rental commit: the credit spent before the payment (when przed says so), the end of an
// expired subscription, the money taken and a surplus handed back, one rental per film (a
// new one, or the unpaid part of the one open), then the client's balance, last rental
// and subscriber counter. A film rented at another counter meanwhile ("Film 0012 został
// przed chwilą wypożyczony przy innym stanowisku.") stops the whole rental.
bool ZapiszWypozyczenie(int idKlienta, const TDaneWypozyczenia& dane,
                        const TPrzedWypozyczeniem& przed, const TWynikWypozyczenia& wynik,
                        const QString& filmy);

// The reads of a return: the unpaid parts of all the client's open rentals into
// dane.SumaPlatnosci, and for every listed rental its dates and rate into dane.Wiersze.
// False when a listed rental is no longer open or a read failed: nothing is to be written.
bool WczytajDoZwrotu(int idKlienta, const std::vector<TWierszListy>& lista, TDaneZwrotu& dane);
// Return: what was handed back before the payment, the money taken and a surplus handed
// back after it, the client's balance and rental count, the returned rentals closed on
// dane.Dzisiaj and their films back on the shelf, the kept ones re-priced. The client's
// open rentals, their terms and unpaid sum must still be those WczytajDoZwrotu read.
bool ZapiszZwrot(int idKlienta, const TDaneZwrotu& dane, const TPrzedZwrotem& przed,
                 const TWynikZwrotu& wynik, const QString& filmy);

// Undo: the withdrawn rentals deleted and their films on the shelf, a surplus handed
// back, the client's balance and counter, the money spread again over the remaining
// rentals. The client's open rentals must still be the listed ones.
bool ZapiszWycofanie(int idKlienta, const TWynikWycofania& wynik, const QString& filmy);

// The read of an extension: the start date of the client's first open rental as the
// store gives it; nothing when there is none or the read failed.
std::optional<QDate> PoczatekPrzedluzenia(int idKlienta);
// Extension: every extended rental's new due date and charge, the money taken and a
// surplus handed back, the client's balance and counter, what was paid spread over every
// listed rental. The client's open rentals must still be the listed ones.
bool ZapiszPrzedluzenie(int idKlienta, const TDanePrzedluzenia& dane,
                        const TPrzedPrzedluzeniem& przed, const TWynikPrzedluzenia& wynik,
                        const QString& filmy);

// A returned rental with something unpaid, as the arrears window lists it.
struct TZaleglosc {
    qint64 IdFilmu = 0;
    QDate DataOD;
    QDate DataZwrotu;  // invalid: returned before return dates were kept
    TKwota Naleznosc;  // its unpaid part (platnosc1) as the window shows it
};
// Arrears payment: the balance, every listed rental's new unpaid part (wynik's
// Zaleglosci, in the order of wiersze), then the money taken and what was handed back of
// more than was owed. First, inside the same transaction, the client's arrears are read
// again: when they are not the ones listed with a non-zero amount (another desk on the
// same store took a payment or a return meanwhile), nothing is written, zmienione is set
// and false returned.
bool ZapiszZaleglosci(int idKlienta, const std::vector<TZaleglosc>& wiersze,
                      const TOcenaWplatyZaleglosci& ocena, const TWynikZaleglosci& wynik,
                      bool* zmienione = nullptr);
