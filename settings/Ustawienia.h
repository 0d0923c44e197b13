// The shop's tariff and subscription settings record (one instance for the whole run,
// held by the settings dialog and read by the pricing and the desk).
#pragma once

#include "settings/Zasady.h"
#include "store/Kwota.h"

struct TUstawienia {
    double KolejnaDoba = 100;    // >0: percent of the rate per further day; <=0: rate + value
    int PoTerminie = 100;        // 0: fixed penalty Kara; 10..100: percent of the rate
    bool PrzedTerminem = false;  // early return charged for the days actually used
    int Weekend = 0;             // 1: a two-day rental from Saturday costs one day
    TKwota Kara;                 // penalty per overdue day
    TKwota Kaucja;               // deposit; shown and kept only
    int FilmMax = 0;             // most films per basket; 0 = no limit
    bool ZmianaStawki = false;   // the desk's rate box may be changed
    TKwota AbOplata;             // subscription fee
    int AbRabat = 100;           // kind 0: discount percent
    int AbGratis = 0;            // kind 1: every n-th film free
    TKwota AbStawka;             // kind 2: flat price per day
    int TypAb = 1;               // 0 amount discount, 1 every n-th free, 2 flat price
    TZasady Zasady;              // the shop's rules, each off until turned on
};
