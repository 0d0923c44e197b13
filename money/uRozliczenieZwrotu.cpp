#include "money/uRozliczenieZwrotu.h"

#include <algorithm>

#include "money/uCennik.h"
#include "store/Formaty.h"

namespace {

bool Zwracany(const TDaneZwrotu& d, int i) {
    return i >= d.Pierwszy && i <= d.Ostatni;
}

// x <= y <= z
bool Kolejno(const QDate& x, const QDate& y, const QDate& z) {
    return x <= y && y <= z;
}

struct TCennikWiersza {
    const TUstawienia& u;
    int rabat;
    double stawka;
    double K1(const QDate& a, const QDate& b) const {
        return CenaWypozyczenia(u, rabat, CenaNajmu, stawka, a, b);
    }
    double K2(const QDate& a, const QDate& b) const {
        return CenaWypozyczenia(u, rabat, CenaZwloki, stawka, a, b);
    }
    double K4(const QDate& a, const QDate& b) const {
        return CenaWypozyczenia(u, rabat, CenaKolejnychDni, stawka, a, b);
    }
    double AB(const QDate& a, const QDate& b) const {
        return CenaAbonenta(u, rabat, 1, stawka, a, b);
    }
};

TCenaZwrotu CenaDlaKlienta(const TDaneZwrotu& d, const TWierszZwrotu& w, const TCennikWiersza& c) {
    const QDate& t0 = d.Dzisiaj;
    const QDate &s = w.DataOD, &dd = w.DataDO;
    if (t0 >= dd) return {c.K1(s, dd) + c.K2(dd, t0), 0};
    if (!d.Ustawienia.PrzedTerminem) return {c.K1(s, dd), 0};
    if (t0 == s) return {w.Stawka, 0};  // one day at the rate, without the discount
    return {c.K1(s, t0), 0};
}

TCenaZwrotu CenaDlaAbonenta(const TDaneZwrotu& d, const TWierszZwrotu& w, const TCennikWiersza& c) {
    const bool przed = d.Ustawienia.PrzedTerminem;
    const QDate &s = w.DataOD, &dd = w.DataDO;
    QDate e = d.AbonamentDo.addDays(1);  // the first day without the subscription
    if (!d.AbonamentDo.isValid() || e < s) e = s;
    if (s == e) e = e.addDays(1);
    const QDate t = s == d.Dzisiaj ? d.Dzisiaj.addDays(1) : d.Dzisiaj;

    if (Kolejno(e, dd, t)) {
        return {c.AB(s, e) + c.K4(e, dd) + c.K2(dd, t), c.AB(s, e)};
    }
    if (Kolejno(dd, e, t)) {
        return {c.AB(s, dd) + c.K2(dd, t), c.AB(s, dd) + c.K2(dd, e)};
    }
    if (Kolejno(e, t, dd)) {
        return {przed ? c.AB(s, e) + c.K4(e, t) : c.AB(s, e) + c.K4(e, dd), c.AB(s, e)};
    }
    double n;
    if (Kolejno(dd, t, e)) {
        n = c.AB(s, dd) + c.K2(dd, t);
    } else if (Kolejno(t, dd, e)) {
        n = przed ? c.AB(s, t) : c.AB(s, dd);
    } else {
        n = przed ? c.AB(s, t) : c.AB(s, e) + c.K4(e, dd);
    }
    return {n, n};
}

}  // namespace

TCenaZwrotu CenaZwrotu(const TDaneZwrotu& dane, const TWierszZwrotu& wiersz) {
    // A film given free at rental stays free.
    if (KwotaZerowa(wiersz.Naleznosc)) return {0, 0};
    const TCennikWiersza c{dane.Ustawienia, dane.RabatKlienta, wiersz.Stawka};
    TCenaZwrotu cena =
        dane.Abonament ? CenaDlaAbonenta(dane, wiersz, c) : CenaDlaKlienta(dane, wiersz, c);
    cena.Naleznosc = ZaokraglijDoGroszy(cena.Naleznosc);
    cena.ZAbonamentu =
        std::clamp(ZaokraglijDoGroszy(cena.ZAbonamentu), 0.0, std::max(cena.Naleznosc, 0.0));
    return cena;
}

TPrzedZwrotem PrzygotujZwrot(const TDaneZwrotu& dane) {
    TPrzedZwrotem p;
    double sn = 0, sz = 0, mn = 0, mz = 0;
    for (int i = 0; i < static_cast<int>(dane.Wiersze.size()); ++i) {
        const TCenaZwrotu c = CenaZwrotu(dane, dane.Wiersze[i]);
        p.Naleznosci.push_back(c.Naleznosc);
        p.ZAbonamentu.push_back(c.ZAbonamentu);
        sn += c.Naleznosc;
        sz += c.ZAbonamentu;
        if (Zwracany(dane, i)) {
            mn += c.Naleznosc;
            mz += c.ZAbonamentu;
        }
    }
    sn = ZaokraglijDoGroszy(sn);
    sz = ZaokraglijDoGroszy(sz);
    mn = ZaokraglijDoGroszy(mn);
    mz = ZaokraglijDoGroszy(mz);
    double w = ZaokraglijDoGroszy(dane.Wplacono);
    double b = ZaokraglijDoGroszy(dane.Saldo);
    const double p0 = ZaokraglijDoGroszy(dane.SumaPlatnosci);
    p.Razem = sn;

    if (KwotaUjemna(sn - w)) {
        const double nadwyzka = ZaokraglijDoGroszy(w - sn);
        p.Nadplata =
            KomunikatNadplaty(QStringLiteral("Wpłacono za wysoką kwotę w dniu wypożyczenia."),
                              nadwyzka, QStringLiteral(" zł."), TRodzajKomunikatu::Informacja);
        p.Wplacono = sn;
        p.Saldo = ZaokraglijDoGroszy(b + p0);
        return p;  // nothing owed, nothing covered, no dialog
    }
    p.Wplacono = w;

    sn = ZaokraglijDoGroszy(sn - w);  // still to be paid for all listed rows
    if (dane.Abonament) sz = ZaokraglijDoGroszy(sz - w);
    b = ZaokraglijDoGroszy(b + p0 - sn);

    if (dane.Abonament) {
        if (!KwotaUjemna(b)) {
            mz = mn;  // everything returned is covered
            mn = 0;
        } else if (KwotaDodatnia(-b - sz)) {
            sz = 0;  // nothing is covered
            mz = 0;
        } else {
            sz = ZaokraglijDoGroszy(sz + b);
            if (sz < mz) mz = sz;
            mn = ZaokraglijDoGroszy(mn - mz);
        }
    }
    mn = ZaokraglijDoGroszy(mn - w);
    if (!KwotaDodatnia(mn)) mn = 0;

    p.SZ = sz;
    p.MN = mn;
    p.MZ = mz;
    p.Saldo = b;
    if (mn != 0) {
        p.Wplata.Pokaz = true;
        p.Wplata.Etykieta = QStringLiteral("Do zapłaty: ");
        p.Wplata.Kwota = mn;
    }
    return p;
}

TWynikZwrotu RozliczZwrot(const TDaneZwrotu& dane, const TPrzedZwrotem& przed, double wplata) {
    TWynikZwrotu w;
    double mn = przed.MN, mz = przed.MZ;
    double pay = przed.Wplata.Pokaz ? std::max(ZaokraglijDoGroszy(wplata), 0.0) : 0;

    const double limit = std::max(ZaokraglijDoGroszy(przed.Razem - przed.SZ - przed.Wplacono), 0.0);
    if (KwotaDodatnia(pay - mn) && KwotaDodatnia(pay - limit)) {
        const double nadwyzka = ZaokraglijDoGroszy(pay - limit);
        w.Nadplata = KomunikatNadplaty(QStringLiteral("Wpłacono za wysoką kwotę."), nadwyzka,
                                       QStringLiteral(" zł."), TRodzajKomunikatu::Informacja);
        pay = limit;
    }
    mn = ZaokraglijDoGroszy(mn - pay);
    if (mn < 0) mn = 0;
    w.Wplata = pay;
    w.Wplacono = ZaokraglijDoGroszy(przed.Wplacono + pay);
    w.Saldo = ZaokraglijDoGroszy(przed.Saldo + pay);
    w.Zwrocone = std::max(dane.Ostatni - dane.Pierwszy + 1, 0);

    // The returned rows first: their subscription shares and what they still owe.
    double zatrzymane = przed.Razem - w.Wplacono;  // unpaid over all listed rows
    w.Wiersze.resize(dane.Wiersze.size());
    for (int i = 0; i < static_cast<int>(dane.Wiersze.size()); ++i) {
        TWierszPoZwrocie& r = w.Wiersze[i];
        r.IdFilmu = dane.Wiersze[i].IdFilmu;
        r.Naleznosc = przed.Naleznosci[i];
        if (!Zwracany(dane, i)) continue;
        r.Zwrocony = true;
        double x = r.Naleznosc;
        r.ZAbonamentu = std::max(std::min(x, mz), 0.0);
        mz = ZaokraglijDoGroszy(mz - r.ZAbonamentu);
        x = ZaokraglijDoGroszy(x - r.ZAbonamentu);
        r.Platnosc1 = std::max(std::min(x, mn), 0.0);
        mn = ZaokraglijDoGroszy(mn - r.Platnosc1);
        r.Wplywy = ZaokraglijDoGroszy(r.Naleznosc - r.ZAbonamentu);
        zatrzymane -= r.ZAbonamentu + r.Platnosc1;
    }

    // The kept rows carry the rest as their unpaid parts, in list order.
    w.Reszta = std::max(ZaokraglijDoGroszyParzyscie(zatrzymane), 0.0);
    double reszta = w.Reszta;
    for (int i = 0; i < static_cast<int>(dane.Wiersze.size()); ++i) {
        TWierszPoZwrocie& r = w.Wiersze[i];
        if (r.Zwrocony) continue;
        r.Platnosc = std::max(std::min(r.Naleznosc, reszta), 0.0);
        reszta = ZaokraglijDoGroszy(reszta - r.Platnosc);
    }
    return w;
}
