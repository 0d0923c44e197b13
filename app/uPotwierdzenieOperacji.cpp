#include "app/uPotwierdzenieOperacji.h"

#include <QTime>
#include <functional>
#include <optional>

#include "store/Godzina.h"

namespace {

// One listed row as the slip sees it: the part it leaves unpaid, and its line when the
// operation was about it.
struct TWierszPotwierdzenia {
    TKwota Pozostaje;
    std::optional<TPozycjaPotwierdzenia> Pozycja;
};

TPozycjaPotwierdzenia Pozycja(int idFilmu, const QDate& od, const QDate& do_, const QDate& zwrot,
                              TKwota oplata) {
    return {idFilmu, 0, QString(), od, do_, zwrot, oplata};
}

// The slip of an operation over the n listed rows: the lines of its rows, what all of them
// leave unpaid, the money taken (a declined dialog takes nothing) and any surplus handed
// back, and the balance the client ends with.
TPotwierdzenie Potwierdzenie(TRodzajOperacji rodzaj, std::size_t n,
                             const std::function<TWierszPotwierdzenia(std::size_t)>& wiersz,
                             TKwota wziete, const std::optional<TKomunikatRozliczenia>& nadplata,
                             TKwota saldo) {
    TPotwierdzenie p;
    p.Rodzaj = rodzaj;
    p.Chwila = Chwila();
    for (std::size_t i = 0; i < n; ++i) {
        TWierszPotwierdzenia w = wiersz(i);
        p.Pozostaje += w.Pozostaje;
        if (w.Pozycja) p.Pozycje.push_back(std::move(*w.Pozycja));
    }
    p.Zaplacono = NieUjemna(wziete);
    p.Wydano = nadplata ? nadplata->Kwota : TKwota();
    p.Saldo = saldo;
    return p;
}

}  // namespace

TPotwierdzenie PotwierdzenieWypozyczenia(const TPrzedWypozyczeniem& przed,
                                         const TWynikWypozyczenia& wynik, TKwota pobrano,
                                         std::size_t pierwszyNowy) {
    return Potwierdzenie(
        TRodzajOperacji::Wypozyczenie, wynik.Wiersze.size(),
        [&](std::size_t i) -> TWierszPotwierdzenia {
            const TWierszWypozyczenia& w = wynik.Wiersze[i];
            if (i < pierwszyNowy) return {w.Platnosc, std::nullopt};
            return {w.Platnosc, Pozycja(w.IdFilmu, w.DataOD, w.DataDO, QDate(), w.Naleznosc)};
        },
        przed.Wplata.Pokaz ? pobrano : TKwota(), wynik.Nadplata, wynik.NoweSaldo);
}

TPotwierdzenie PotwierdzenieZwrotu(const TDaneZwrotu& dane, const TWynikZwrotu& wynik) {
    return Potwierdzenie(
        TRodzajOperacji::Zwrot, wynik.Wiersze.size(),
        [&](std::size_t i) -> TWierszPotwierdzenia {
            const TWierszPoZwrocie& w = wynik.Wiersze[i];
            if (!w.Zwrocony) return {w.Platnosc, std::nullopt};
            if (i >= dane.Wiersze.size()) return {w.Platnosc1, std::nullopt};
            return {w.Platnosc1, Pozycja(w.IdFilmu, dane.Wiersze[i].DataOD, dane.Wiersze[i].DataDO,
                                         dane.Dzisiaj, w.Naleznosc)};
        },
        wynik.Wplata, std::nullopt, wynik.Saldo);
}

TPotwierdzenie PotwierdzeniePrzedluzenia(const TDanePrzedluzenia& dane,
                                         const TPrzedPrzedluzeniem& przed,
                                         const TWynikPrzedluzenia& wynik, TKwota wplata) {
    return Potwierdzenie(
        TRodzajOperacji::Przedluzenie, wynik.Wiersze.size(),
        [&](std::size_t i) -> TWierszPotwierdzenia {
            const TWierszPoPrzedluzeniu& w = wynik.Wiersze[i];
            if (!w.Przedluzony) return {w.Platnosc, std::nullopt};
            return {w.Platnosc,
                    Pozycja(w.IdFilmu, dane.DataOD, przed.DataDO, QDate(), w.Naleznosc)};
        },
        przed.Wplata.Pokaz ? wplata : TKwota(), wynik.Nadplata, wynik.Saldo);
}
