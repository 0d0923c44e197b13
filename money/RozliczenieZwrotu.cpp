#include "money/RozliczenieZwrotu.h"

#include <algorithm>

#include "money/Cennik.h"
#include "store/Formaty.h"

namespace {

bool Zwracany(const TDaneZwrotu& d, int i) {
    return i >= d.Pierwszy && i <= d.Ostatni;
}

// x <= y <= z
bool Kolejno(const QDate& x, const QDate& y, const QDate& z) {
    return x <= y && y <= z;
}

// The tariff of one row: its rate priced for a stretch between two dates.
struct TCennikWiersza {
    const TUstawienia& u;
    int rabat;
    double stawka;
    double Najem(const QDate& od, const QDate& do_) const {
        return CenaWypozyczenia(u, rabat, CenaNajmu, stawka, od, do_);
    }
    double Zwloka(const QDate& od, const QDate& do_) const {
        return CenaWypozyczenia(u, rabat, CenaZwloki, stawka, od, do_);
    }
    double KolejneDni(const QDate& od, const QDate& do_) const {
        return CenaWypozyczenia(u, rabat, CenaKolejnychDni, stawka, od, do_);
    }
    double Abonent(const QDate& od, const QDate& do_) const {
        return CenaAbonenta(u, rabat, 1, stawka, od, do_);
    }
};

// Tariff prices in złoty: the charge and its subscription part.
struct TCenaTaryfowa {
    double Naleznosc = 0;
    double ZAbonamentu = 0;
};

TCenaTaryfowa CenaDlaKlienta(const TDaneZwrotu& d, const TWierszZwrotu& w,
                             const TCennikWiersza& c) {
    const QDate& dzis = d.Dzisiaj;
    const QDate &poczatek = w.DataOD, &termin = w.DataDO;
    if (dzis >= termin) return {c.Najem(poczatek, termin) + c.Zwloka(termin, dzis), 0};
    if (!d.Ustawienia.PrzedTerminem) return {c.Najem(poczatek, termin), 0};
    // Returned on the day of the rental: one day at the rate, without the discount.
    if (dzis == poczatek) return {w.Stawka.Zlote(), 0};
    return {c.Najem(poczatek, dzis), 0};
}

TCenaTaryfowa CenaDlaAbonenta(const TDaneZwrotu& d, const TWierszZwrotu& w,
                              const TCennikWiersza& c) {
    const bool przed = d.Ustawienia.PrzedTerminem;
    const QDate &poczatek = w.DataOD, &termin = w.DataDO;
    // The first day without the subscription: never before the start, and never the
    // start itself.
    QDate koniecAb = d.AbonamentDo.addDays(1);
    if (!d.AbonamentDo.isValid() || koniecAb < poczatek) koniecAb = poczatek;
    if (poczatek == koniecAb) koniecAb = koniecAb.addDays(1);
    // The day the charge runs to: a film back on its rental day counts one day.
    const QDate zwrot = poczatek == d.Dzisiaj ? d.Dzisiaj.addDays(1) : d.Dzisiaj;

    // The subscription ended before the due date, returned late.
    if (Kolejno(koniecAb, termin, zwrot)) {
        const double abonament = c.Abonent(poczatek, koniecAb);
        return {abonament + c.KolejneDni(koniecAb, termin) + c.Zwloka(termin, zwrot), abonament};
    }
    // The due date passed within the subscription, returned after it ended.
    if (Kolejno(termin, koniecAb, zwrot)) {
        return {c.Abonent(poczatek, termin) + c.Zwloka(termin, zwrot),
                c.Abonent(poczatek, termin) + c.Zwloka(termin, koniecAb)};
    }
    // The subscription ended, returned before the due date.
    if (Kolejno(koniecAb, zwrot, termin)) {
        const double abonament = c.Abonent(poczatek, koniecAb);
        const double dalej = przed ? c.KolejneDni(koniecAb, zwrot) : c.KolejneDni(koniecAb, termin);
        return {abonament + dalej, abonament};
    }
    // Returned within the subscription: all of it is the subscription's.
    double naleznosc;
    if (Kolejno(termin, zwrot, koniecAb)) {
        naleznosc = c.Abonent(poczatek, termin) + c.Zwloka(termin, zwrot);
    } else if (Kolejno(zwrot, termin, koniecAb)) {
        naleznosc = przed ? c.Abonent(poczatek, zwrot) : c.Abonent(poczatek, termin);
    } else {
        naleznosc = przed ? c.Abonent(poczatek, zwrot)
                          : c.Abonent(poczatek, koniecAb) + c.KolejneDni(koniecAb, termin);
    }
    return {naleznosc, naleznosc};
}

}  // namespace

TCenaZwrotu CenaZwrotu(const TDaneZwrotu& dane, const TWierszZwrotu& wiersz) {
    // A film given free at rental stays free.
    if (wiersz.Naleznosc.Zero()) return {};
    const TCennikWiersza c{dane.Ustawienia, dane.RabatKlienta, wiersz.Stawka.Zlote()};
    const TCenaTaryfowa cena =
        dane.Abonament ? CenaDlaAbonenta(dane, wiersz, c) : CenaDlaKlienta(dane, wiersz, c);
    TCenaZwrotu wynik;
    wynik.Naleznosc = TKwota::ZeZlotych(cena.Naleznosc);
    // The subscription part lies between nothing and the whole charge.
    wynik.ZAbonamentu =
        Min(NieUjemna(TKwota::ZeZlotych(cena.ZAbonamentu)), NieUjemna(wynik.Naleznosc));
    return wynik;
}

TKwota OplataZaZwloke(const TDaneZwrotu& dane, const TWierszZwrotu& wiersz) {
    if (wiersz.Naleznosc.Zero() || dane.Dzisiaj <= wiersz.DataDO) return TKwota();
    const TCennikWiersza c{dane.Ustawienia, dane.RabatKlienta, wiersz.Stawka.Zlote()};
    return TKwota::ZeZlotych(c.Zwloka(wiersz.DataDO, dane.Dzisiaj));
}

TPrzedZwrotem PrzygotujZwrot(const TDaneZwrotu& dane) {
    TPrzedZwrotem p;
    // The charges and subscription parts of all listed rows and of the returned ones.
    TKwota wszystkie, abonament, zwrocone, zwroconeZAbonamentu;
    for (int i = 0; i < static_cast<int>(dane.Wiersze.size()); ++i) {
        const TCenaZwrotu c = CenaZwrotu(dane, dane.Wiersze[i]);
        p.Naleznosci.push_back(c.Naleznosc);
        p.ZAbonamentu.push_back(c.ZAbonamentu);
        wszystkie += c.Naleznosc;
        abonament += c.ZAbonamentu;
        if (Zwracany(dane, i)) {
            zwrocone += c.Naleznosc;
            zwroconeZAbonamentu += c.ZAbonamentu;
        }
    }
    const TKwota wplacono = dane.Wplacono;
    TKwota saldo = dane.Saldo;
    // The unpaid parts of all open rentals, charged to the balance at rental.
    const TKwota obciazenie = dane.SumaPlatnosci;
    p.Razem = wszystkie;

    if (wszystkie < wplacono) {
        p.Nadplata = KomunikatNadplaty(
            QStringLiteral("Wpłacono za wysoką kwotę w dniu wypożyczenia."), wplacono - wszystkie,
            QStringLiteral(" zł."), TRodzajKomunikatu::Informacja);
        p.Wplacono = wszystkie;
        p.Saldo = saldo + obciazenie;
        return p;  // nothing owed, nothing covered, no dialog
    }
    p.Wplacono = wplacono;

    const TKwota doZaplaty = wszystkie - wplacono;  // still to be paid for all listed rows
    if (dane.Abonament) abonament -= wplacono;
    // The provisional debit is taken back and what is still to be paid is charged.
    saldo = saldo + obciazenie - doZaplaty;

    if (dane.Abonament) {
        if (!saldo.Ujemna()) {
            // The balance covers everything returned.
            zwroconeZAbonamentu = zwrocone;
            zwrocone = TKwota();
        } else if (-saldo > abonament) {
            // The debt exceeds the subscription parts: nothing is covered.
            abonament = TKwota();
            zwroconeZAbonamentu = TKwota();
        } else {
            // The subscription covers what the debt leaves of its parts.
            abonament += saldo;
            zwroconeZAbonamentu = Min(zwroconeZAbonamentu, abonament);
            zwrocone -= zwroconeZAbonamentu;
        }
    }
    zwrocone = NieUjemna(zwrocone - wplacono);

    p.AbonamentNieoplacony = abonament;
    p.DoZaplatyZwrocone = zwrocone;
    p.ZAbonamentuZwrocone = zwroconeZAbonamentu;
    p.Saldo = saldo;
    if (!zwrocone.Zero()) p.Wplata = {true, QStringLiteral("Do zapłaty: "), zwrocone};
    return p;
}

TWynikZwrotu RozliczZwrot(const TDaneZwrotu& dane, const TPrzedZwrotem& przed, TKwota wplata) {
    TWynikZwrotu w;
    w.Pobrano = wplata;
    TKwota doZaplaty = przed.DoZaplatyZwrocone;
    TKwota zAbonamentu = przed.ZAbonamentuZwrocone;
    TKwota wplacono = przed.Wplata.Pokaz ? NieUjemna(wplata) : TKwota();

    // More than owed is taken only up to what all listed rows still owe.
    const TKwota limit = NieUjemna(przed.Razem - przed.AbonamentNieoplacony - przed.Wplacono);
    if (wplacono > doZaplaty && wplacono > limit) {
        w.Nadplata =
            KomunikatNadplaty(QStringLiteral("Wpłacono za wysoką kwotę."), wplacono - limit,
                              QStringLiteral(" zł."), TRodzajKomunikatu::Informacja);
        wplacono = limit;
    }
    doZaplaty = NieUjemna(doZaplaty - wplacono);
    w.Wplata = wplacono;
    w.Wplacono = przed.Wplacono + wplacono;
    w.Saldo = przed.Saldo + wplacono;
    w.Zwrocone = std::max(dane.Ostatni - dane.Pierwszy + 1, 0);

    // The returned rows first: their subscription shares and what they still owe.
    TKwota zatrzymane = przed.Razem - w.Wplacono;  // unpaid over all listed rows
    w.Wiersze.resize(dane.Wiersze.size());
    for (int i = 0; i < static_cast<int>(dane.Wiersze.size()); ++i) {
        TWierszPoZwrocie& r = w.Wiersze[i];
        r.IdFilmu = dane.Wiersze[i].IdFilmu;
        r.Naleznosc = przed.Naleznosci[i];
        if (!Zwracany(dane, i)) continue;
        r.Zwrocony = true;
        r.ZAbonamentu = NieUjemna(Min(r.Naleznosc, zAbonamentu));
        zAbonamentu -= r.ZAbonamentu;
        r.Platnosc1 = NieUjemna(Min(r.Naleznosc - r.ZAbonamentu, doZaplaty));
        doZaplaty -= r.Platnosc1;
        r.Wplywy = r.Naleznosc - r.ZAbonamentu;
        zatrzymane -= r.ZAbonamentu + r.Platnosc1;
    }

    // The kept rows carry the rest as their unpaid parts, in list order.
    w.Reszta = NieUjemna(zatrzymane);
    TKwota reszta = w.Reszta;
    for (int i = 0; i < static_cast<int>(dane.Wiersze.size()); ++i) {
        TWierszPoZwrocie& r = w.Wiersze[i];
        if (r.Zwrocony) continue;
        r.Platnosc = NieUjemna(Min(r.Naleznosc, reszta));
        reszta -= r.Platnosc;
    }
    return w;
}
