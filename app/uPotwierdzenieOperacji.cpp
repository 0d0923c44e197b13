#include "app/uPotwierdzenieOperacji.h"

#include <QTime>
#include <algorithm>

#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/Zegar.h"

namespace {

TPotwierdzenie Nowe(TRodzajOperacji rodzaj) {
    TPotwierdzenie p;
    p.Rodzaj = rodzaj;
    p.Chwila = QDateTime(Dzisiaj(), QTime::currentTime());
    return p;
}

// The money taken, and the surplus the operation handed back.
void Pieniadze(TPotwierdzenie& p, TKwota wziete,
               const std::optional<TKomunikatRozliczenia>& nadplata) {
    p.Zaplacono = std::max(wziete, TKwota()).Zlote();
    p.Wydano = nadplata ? nadplata->Kwota.Zlote() : 0;
}

}  // namespace

TPotwierdzenie PotwierdzenieWypozyczenia(const TPrzedWypozyczeniem& przed,
                                         const TWynikWypozyczenia& wynik, TKwota pobrano,
                                         std::size_t pierwszyNowy) {
    TPotwierdzenie p = Nowe(TRodzajOperacji::Wypozyczenie);
    TKwota pozostaje;
    for (std::size_t i = 0; i < wynik.Wiersze.size(); ++i) {
        const TWierszWypozyczenia& w = wynik.Wiersze[i];
        pozostaje += w.Platnosc;
        if (i < pierwszyNowy) continue;
        p.Pozycje.push_back(
            {w.IdFilmu, 0, QString(), w.DataOD, w.DataDO, QDate(), w.Naleznosc.Zlote()});
    }
    Pieniadze(p, przed.Wplata.Pokaz ? pobrano : TKwota(), wynik.Nadplata);
    p.Pozostaje = pozostaje.Zlote();
    p.Saldo = wynik.NoweSaldo.Zlote();
    return p;
}

TPotwierdzenie PotwierdzenieZwrotu(const TDaneZwrotu& dane, const TWynikZwrotu& wynik) {
    TPotwierdzenie p = Nowe(TRodzajOperacji::Zwrot);
    TKwota pozostaje;
    for (std::size_t i = 0; i < wynik.Wiersze.size(); ++i) {
        const TWierszPoZwrocie& w = wynik.Wiersze[i];
        pozostaje += w.Zwrocony ? w.Platnosc1 : w.Platnosc;
        if (!w.Zwrocony || i >= dane.Wiersze.size()) continue;
        p.Pozycje.push_back({w.IdFilmu, 0, QString(), dane.Wiersze[i].DataOD,
                             dane.Wiersze[i].DataDO, dane.Dzisiaj, w.Naleznosc.Zlote()});
    }
    Pieniadze(p, wynik.Wplata, std::nullopt);
    p.Pozostaje = pozostaje.Zlote();
    p.Saldo = wynik.Saldo.Zlote();
    return p;
}

TPotwierdzenie PotwierdzeniePrzedluzenia(const TDanePrzedluzenia& dane,
                                         const TPrzedPrzedluzeniem& przed,
                                         const TWynikPrzedluzenia& wynik, TKwota wplata) {
    TPotwierdzenie p = Nowe(TRodzajOperacji::Przedluzenie);
    TKwota pozostaje;
    for (const TWierszPoPrzedluzeniu& w : wynik.Wiersze) {
        pozostaje += w.Platnosc;
        if (!w.Przedluzony) continue;
        p.Pozycje.push_back(
            {w.IdFilmu, 0, QString(), dane.DataOD, przed.DataDO, QDate(), w.Naleznosc.Zlote()});
    }
    Pieniadze(p, przed.Wplata.Pokaz ? wplata : TKwota(), wynik.Nadplata);
    p.Pozostaje = pozostaje.Zlote();
    p.Saldo = wynik.Saldo.Zlote();
    return p;
}
