// The slip of an operation, taken from the operation's own inputs and results: which
// films, their dates and charges, the money taken and handed back, what is left unpaid
// and the balance. The client's and the films' names come from the store afterwards
// (UzupelnijPotwierdzenie).
#pragma once

#include <cstddef>

#include "money/Rozliczenia.h"
#include "money/RozliczeniePrzedluzenia.h"
#include "money/RozliczenieZwrotu.h"
#include "reports/uRapPotwierdzenie.h"

// pierwszyNowy: the first film added to the list (in mode Zwrot the listed open rentals
// come first and were on an earlier slip); pobrano: the payment dialog's amount.
TPotwierdzenie PotwierdzenieWypozyczenia(const TPrzedWypozyczeniem& przed,
                                         const TWynikWypozyczenia& wynik, TKwota pobrano,
                                         std::size_t pierwszyNowy);
// The returned films only.
TPotwierdzenie PotwierdzenieZwrotu(const TDaneZwrotu& dane, const TWynikZwrotu& wynik);
// The extended films only; wplata: the payment dialog's amount.
TPotwierdzenie PotwierdzeniePrzedluzenia(const TDanePrzedluzenia& dane,
                                         const TPrzedPrzedluzeniem& przed,
                                         const TWynikPrzedluzenia& wynik, TKwota wplata);
