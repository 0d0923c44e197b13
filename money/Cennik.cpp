#include "money/Cennik.h"

#include <algorithm>
#include <cfenv>
#include <cmath>

double ZaokraglijDoParzystej(double liczba) {
    const int tryb = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double wynik = std::nearbyint(liczba);
    std::fesetround(tryb);
    return wynik;
}

double ZaokraglijDoGroszyParzyscie(double kwota) {
    return ZaokraglijDoParzystej(kwota * 100) / 100;
}

int LiczbaDni(const QDate& od, const QDate& do_) {
    return static_cast<int>(ZaokraglijDoParzystej(static_cast<double>(od.daysTo(do_))));
}

int DzienTygodnia(const QDate& data) {
    return data.dayOfWeek() % 7 + 1;
}

double WspolczynnikRabatu(int rabatKlienta) {
    return (100 - rabatKlienta) / 100.0;
}

namespace {

const int Sobota = 7;

// Every day of a stretch of dni days at the further-day rate, before the discount.
double KolejneDni(const TUstawienia& u, double stawka, int dni) {
    if (u.KolejnaDoba > 0) return stawka * dni * u.KolejnaDoba / 100.0;
    return dni * (stawka + u.KolejnaDoba);
}

}  // namespace

double CenaWypozyczenia(const TUstawienia& u, int rabatKlienta, int rodzaj, double stawka,
                        const QDate& od, const QDate& do_) {
    const int dni = u.Zasady.DniOtwarte(od, do_);  // a closed day is never charged
    const double wsp = WspolczynnikRabatu(rabatKlienta);
    switch (rodzaj) {
        case CenaNajmu: {
            // The weekend rate and the first day go by the calendar: a rental made on a
            // closed day still pays that day.
            const int kalendarzowe = LiczbaDni(od, do_);
            if (DzienTygodnia(od) == Sobota && kalendarzowe == 2 && u.Weekend == 1)
                return stawka * wsp;
            if (kalendarzowe <= 0) return 0;
            return wsp * (stawka + KolejneDni(u, stawka, std::max(dni, 1) - 1));
        }
        case CenaZwloki:
            if (u.PoTerminie != 0) return wsp * stawka * dni * u.PoTerminie / 100.0;
            return wsp * dni * u.Kara.Zlote();
        case CenaZwrotuWczesniej:
            if (!u.PrzedTerminem) return 0;
            return wsp * KolejneDni(u, stawka, dni);
        case CenaKolejnychDni:
            return wsp * KolejneDni(u, stawka, dni);
        default:
            return 0;
    }
}

double CenaAbonenta(const TUstawienia& u, int rabatKlienta, int licznik, double stawka,
                    const QDate& od, const QDate& do_) {
    const int dni = u.Zasady.DniOtwarte(od, do_);  // a closed day is never charged
    switch (u.TypAb) {
        case 0:
            return dni * stawka * (1 - u.AbRabat / 100.0);
        case 1: {
            // The settings guarantee AbGratis >= 1 for this kind; without it only the
            // counter 0 would be free.
            const bool gratis = licznik == 0 || (u.AbGratis > 0 && licznik % u.AbGratis == 0);
            if (gratis) return 0;
            return CenaWypozyczenia(u, rabatKlienta, CenaNajmu, stawka, od, do_);
        }
        case 2:
            return dni * u.AbStawka.Zlote();
        default:
            return 0;
    }
}

bool JestAbonentem(bool abonament, const QDate& abonamentDo, const QDate& dzisiaj) {
    return abonament && abonamentDo.isValid() && dzisiaj <= abonamentDo;
}

TKwota CenaWKoszyku(const TUstawienia& u, int rabatKlienta, bool abonent, int licznik,
                    TKwota stawka, const QDate& dzisiaj, int dni) {
    const QDate koniec = dzisiaj.addDays(dni);
    const double zlote = stawka.Zlote();
    return TKwota::ZeZlotych(
        abonent ? CenaAbonenta(u, rabatKlienta, licznik, zlote, dzisiaj, koniec)
                : CenaWypozyczenia(u, rabatKlienta, CenaNajmu, zlote, dzisiaj, koniec));
}

int LicznikWierszaKoszyka(int licznik, int liczbaWierszy, int indeks) {
    return licznik - (liczbaWierszy - 1 - indeks);
}

TKwota SumaKwot(const std::vector<double>& ceny) {
    TKwota suma;
    for (double c : ceny) suma += TKwota::ZeZlotych(c);
    return suma;
}

TKwota Suma(const std::vector<TKwota>& kwoty) {
    TKwota suma;
    for (TKwota k : kwoty) suma += k;
    return suma;
}
