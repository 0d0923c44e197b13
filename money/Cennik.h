// The desk's tariff: the price of one film for a stretch of days.
//
// Every routine here is a plain function of its inputs; nothing reads the desk or the
// store. The desk passes the settings record (fConfig->Ustawienia), the chosen client's
// discount RabatKlienta, the film's rate and the two dates of the stretch:
//
//   basket row    CenaWKoszyku(u, rabat, JestAbonentem(...), licznik, rate, today, days)
//                 (for a subscriber the desk raises LicznikAbKlienta first and passes it;
//                 re-pricing a row passes LicznikWierszaKoszyka(...) instead)
//   return        CenaWypozyczenia kinds 1, 2 and 4 and CenaAbonenta (RozliczenieZwrotu)
//   extension     kind 1 or CenaAbonenta from the start date (RozliczeniePrzedluzenia)
//
// Prices are computed in złoty (double) from the tariff's amounts and the rate and are
// unrounded; a price becomes an amount once, with TKwota::ZeZlotych, and a list's total is
// the sum of its rounded row prices (SumaKwot).
#pragma once

#include <QDate>
#include <vector>

#include "settings/Ustawienia.h"
#include "store/Kwota.h"

// Kinds of CenaWypozyczenia.
enum TRodzajCeny {
    CenaNajmu = 1,            // a rental of the stretch
    CenaZwloki = 2,           // late charge for the overdue days of the stretch
    CenaZwrotuWczesniej = 3,  // refund for days not used (only with PrzedTerminem)
    CenaKolejnychDni = 4      // every day of the stretch at the further-day rate
};

// A whole number rounded to the nearest, halves to the even one (2.5 -> 2, 3.5 -> 4).
double ZaokraglijDoParzystej(double liczba);
// An amount rounded to the grosz with halves to the even grosz.
double ZaokraglijDoGroszyParzyscie(double kwota);
// Days of the stretch from od to do_ (negative when do_ lies before od).
int LiczbaDni(const QDate& od, const QDate& do_);
// Day of the week numbered 1 = Sunday ... 7 = Saturday.
int DzienTygodnia(const QDate& data);
// The client's discount factor (100 - rabat) / 100, to two decimals.
double WspolczynnikRabatu(int rabatKlienta);

// Charge of one film of the given kind (TRodzajCeny) at the daily rate for od..do_. Both
// charges count only the days the shop is open (u.Zasady.DniOtwarte).
double CenaWypozyczenia(const TUstawienia& u, int rabatKlienta, int rodzaj, double stawka,
                        const QDate& od, const QDate& do_);
// Subscriber charge of one film by the subscription kind TypAb; licznik is the film's
// position in the subscriber film count (kind 1: 0 and every AbGratis-th are free).
double CenaAbonenta(const TUstawienia& u, int rabatKlienta, int licznik, double stawka,
                    const QDate& od, const QDate& do_);

// The client counts as a subscriber for pricing: the subscription box is checked and
// today is not later than the subscription's last day.
bool JestAbonentem(bool abonament, const QDate& abonamentDo, const QDate& dzisiaj);

// Price of a basket row rented today for dni days: the subscriber charge with the row's
// counter, or a rental of kind 1, rounded to the grosz.
TKwota CenaWKoszyku(const TUstawienia& u, int rabatKlienta, bool abonent, int licznik,
                    TKwota stawka, const QDate& dzisiaj, int dni);
// The counter a basket row received when it was added: with liczbaWierszy film rows and
// the desk's counter now at licznik, row indeks got licznik - (liczbaWierszy - 1 - indeks).
int LicznikWierszaKoszyka(int licznik, int liczbaWierszy, int indeks);

// The total of a list: the sum of its row prices each rounded to the grosz.
TKwota SumaKwot(const std::vector<double>& ceny);
TKwota Suma(const std::vector<TKwota>& kwoty);
