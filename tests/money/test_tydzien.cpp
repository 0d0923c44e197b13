// A fortnight at the counter: a seeded random sequence of the desk's money operations
// (rentals, returns, undos, extensions, arrears payments, payments into the account and
// subscription fees), each priced and settled as the desk does and stored by its write
// function, with the store checked after every operation:
//  - a film is out exactly while one open rental refers to it;
//  - a client's balance is what the till journal took from the client less the charges of
//    the client's rentals (less what the end of a subscription wrote off), and, for a client
//    who never paid into the account nor had a subscription, the debt is the sum of the
//    unpaid parts of the client's rentals;
//  - no amount stored has more than two decimals;
//  - the journal's totals of the day are the cash-up report's.
// A failing sequence is shrunk (operations deleted while it still fails) and printed.
//
// The short run is part of the suite; WIRDOLAN_TYDZIEN_OPERACJI=<n> runs fortnights of
// further seeds until n operations have been made.
#include <gtest/gtest.h>

#include <QTime>
#include <map>
#include <optional>
#include <random>

#include "clients/ZapisKlienta.h"
#include "money/Cennik.h"
#include "money/Kasa.h"
#include "money/Koszyk.h"
#include "money/Zapis.h"
#include "reports/uRapKasowy.h"
#include "store/Baza.h"
#include "store/Formaty.h"
#include "store/Godzina.h"
#include "store/TQuery.h"
#include "store/Zegar.h"
#include "support/FakeInterakcja.h"
#include "support/TestowaBaza.h"

namespace {

enum class TRodzaj { Wypozycz, Zwroc, Wycofaj, Przedluz, Zaleglosci, Wplata, Abonament, NowyDzien };

// One operation: its kind and random numbers that choose, against the store as it is at
// the time, the client, the films or rows, the days and what the client pays. Deleting
// operations from a sequence leaves the others meaningful.
struct TOperacja {
    TRodzaj rodzaj;
    quint32 a, b, c, d;
};

std::vector<TOperacja> Losuj(quint32 ziarno, int ile) {
    std::mt19937 los(ziarno);
    // Weights of the kinds; about 4 % new days make a fortnight of 350 operations.
    std::discrete_distribution<int> rodzaj({30, 20, 6, 10, 8, 5, 3, 4});
    std::vector<TOperacja> ops;
    for (int i = 0; i < ile; ++i) {
        const auto r = static_cast<TRodzaj>(rodzaj(los));
        const quint32 a = los(), b = los(), c = los(), d = los();
        ops.push_back({r, a, b, c, d});
    }
    return ops;
}

// The tariff of the seed: each seed prices by other rules.
TUstawienia UstawieniaZiarna(quint32 ziarno) {
    TUstawienia u;
    u.TypAb = int(ziarno % 3);
    u.AbGratis = 3;
    u.AbRabat = 50;
    u.AbStawka = 2.35_zl;
    u.AbOplata = 40_zl;
    u.PrzedTerminem = ziarno & 1;
    u.Weekend = (ziarno >> 1) & 1;
    u.PoTerminie = ziarno % 4 == 0 ? 0 : 70;
    u.Kara = 3.45_zl;
    // A further day at the rate less 0,85 zł: no film's rate here is below it.
    u.KolejnaDoba = ziarno % 5 == 0 ? -0.85 : 85;
    return u;
}

struct TKlient {
    int id = 0;
    TKwota saldo;
    bool abonament = false;
    QDate abonamentOd, abonamentDo, ostatnie;
    int licznik = 0, licznikAb = 0, rabat = 0, numer = 0;
    QString imie, nazwisko;
};

// A value of a statement run on the store directly (the checks' own arithmetic).
double Liczba(const QString& sql) {
    const QVariant v = TestowaBaza::Wartosc(sql);
    if (v.isNull()) ADD_FAILURE() << "no value: " << sql.toStdString();
    return v.toDouble();
}

TKwota Kwota(const QString& sql) {
    return TKwota::ZeZlotych(Liczba(sql));
}

class TLada {
public:
    TLada(quint32 ziarno, bool zOpisem) : u(UstawieniaZiarna(ziarno)), opisuj(zOpisem) {
        UstawDzisiaj(dzien);
        UstawGodzine(czas);
        const char* nazwiska[] = {"Nowak", "Kowalska", "Wiśniewski", "Wójcik", "Kamińska"};
        for (int i = 1; i <= 5; ++i)
            baza.Wykonaj(QStringLiteral("insert into klient (ID, Numer_klienta, Imie, Nazwisko, "
                                        "Saldo, Licznik, LicznikAb, Abonament, Rabat, Aktualny) "
                                        "values (%1, %1, 'Jan', '%2', 0, 0, 0, False, %3, True)")
                             .arg(i)
                             .arg(QString::fromUtf8(nazwiska[i - 1]))
                             .arg(i == 3 ? 15 : 0));
        const double stawki[] = {4.5, 5, 6.99, 3.33, 7.25, 2.5, 9.99, 1.01};
        for (int i = 1; i <= 8; ++i)
            baza.Wykonaj(QStringLiteral("insert into film (ID, Numer_filmu, Tytul_oryginalny, "
                                        "Status, Wplywy, Ilosc_wypozyczen, Stawka, Aktualny) "
                                        "values (%1, %1, 'Film %1', True, 0, 0, %2, True)")
                             .arg(i)
                             .arg(stawki[i - 1]));
    }
    ~TLada() {
        UstawGodzine(QTime());
        UstawDzisiaj(QDate(2024, 3, 5));
    }

    // Runs the operation and checks the store; the fault found, or nothing.
    std::optional<QString> Wykonaj(const TOperacja& op) {
        czas = std::min(czas.addSecs(60 * int(1 + op.d % 20)), QTime(23, 59));
        UstawGodzine(czas);
        opis.clear();
        klientOperacji = 0;
        bool zapisano = true;
        switch (op.rodzaj) {
            case TRodzaj::Wypozycz:
                zapisano = Wypozycz(op);
                break;
            case TRodzaj::Zwroc:
                zapisano = Zwroc(op);
                break;
            case TRodzaj::Wycofaj:
                zapisano = Wycofaj(op);
                break;
            case TRodzaj::Przedluz:
                zapisano = Przedluz(op);
                break;
            case TRodzaj::Zaleglosci:
                zapisano = Zaleglosci(op);
                break;
            case TRodzaj::Wplata:
                zapisano = Wplata(op);
                break;
            case TRodzaj::Abonament:
                zapisano = Abonament(op);
                break;
            case TRodzaj::NowyDzien:
                dzien = dzien.addDays(1 + op.a % 2);
                czas = QTime(9, 0);
                UstawDzisiaj(dzien);
                UstawGodzine(czas);
                opis = QStringLiteral("nowy dzień");
                break;
        }
        if (opisuj && !opis.isEmpty())
            dziennik << dzien.toString(Qt::ISODate) + " " + czas.toString("HH:mm") + " " + opis +
                            Stan(klientOperacji);
        if (!fake.komunikaty.empty()) return "komunikat: " + fake.komunikaty.back().tekst;
        if (!zapisano) return QStringLiteral("operacja nie została zapisana");
        return Sprawdz();
    }

    QStringList dziennik;

private:
    TKlient Klient(int id) {
        TQuery q;
        q.UstawSQL(QStringLiteral("select * from klient where ID = %1").arg(id));
        q.Open();
        TKlient k;
        k.id = id;
        k.saldo = q.FieldByName("Saldo").AsKwota();
        k.abonament = q.FieldByName("Abonament").AsBoolean();
        k.abonamentOd = q.FieldByName("Abonament_OD").AsDate();
        k.abonamentDo = q.FieldByName("Abonament_DO").AsDate();
        k.ostatnie = q.FieldByName("Ostatnie_wypozyczenie").AsDate();
        k.licznik = q.FieldByName("Licznik").AsInteger();
        k.licznikAb = q.FieldByName("LicznikAb").AsInteger();
        k.rabat = q.FieldByName("Rabat").AsInteger();
        k.numer = q.FieldByName("Numer_klienta").AsInteger();
        k.imie = q.FieldByName("Imie").AsString();
        k.nazwisko = q.FieldByName("Nazwisko").AsString();
        q.Close();
        return k;
    }

    // The client's open rentals as the desk lists them.
    struct TWykaz {
        std::vector<TWierszListy> wiersze;
        std::vector<int> numery;
        TWykazOtwartych sumy;
    };
    TWykaz Otwarte(int id) {
        TQuery q;
        q.UstawSQL(QStringLiteral("select f.numer_filmu nr, f.id id, f.stawka stawka1, "
                                  "r.naleznosc, r.dataOD, r.dataDO, r.platnosc, r.stawka from "
                                  "rental r, film f where f.id = r.id_filmu and r.id_klienta = "
                                  "%1 and r.zwrocono = False")
                       .arg(id));
        q.Open();
        std::vector<TOtwarteWypozyczenie> otwarte;
        TWykaz w;
        for (; !q.Eof(); q.Next()) {
            TOtwarteWypozyczenie r;
            r.Naleznosc = q.FieldByName("naleznosc").AsKwota();
            r.Platnosc = q.FieldByName("platnosc").AsKwota();
            r.DataOD = q.FieldByName("dataOD").AsDate();
            r.DataDO = q.FieldByName("dataDO").AsDate();
            if (!q.FieldByName("stawka").IsNull()) r.Stawka = q.FieldByName("stawka").AsKwota();
            r.StawkaFilmu = q.FieldByName("stawka1").AsKwota();
            otwarte.push_back(r);
            w.wiersze.push_back({q.FieldByName("id").AsInteger(), TKwota(), 0, TKwota()});
            w.numery.push_back(q.FieldByName("nr").AsInteger());
        }
        q.Close();
        w.sumy = PodsumujOtwarte(otwarte, dzien);
        for (size_t i = 0; i < w.wiersze.size(); ++i) {
            w.wiersze[i].Naleznosc = w.sumy.Wiersze[i].Naleznosc;
            w.wiersze[i].IloscDni = w.sumy.Wiersze[i].IloscDni;
            w.wiersze[i].Stawka = w.sumy.Wiersze[i].Stawka;
        }
        return w;
    }

    // The marked rows first..last of k rows.
    static std::pair<int, int> Zakres(quint32 los, int k) {
        const int pierwszy = int(los % quint32(k));
        return {pierwszy, pierwszy + int(los / quint32(k) % quint32(k - pierwszy))};
    }

    static QString Numery(const std::vector<int>& numery, std::pair<int, int> zakres) {
        QStringList t;
        for (int i = zakres.first; i <= zakres.second; ++i) t << Numer4(numery[size_t(i)]);
        return t.join(QStringLiteral(", "));
    }

    // What the client pays in the payment dialog: the amount proposed, nothing (declined),
    // about half in whole złoty, an odd part of it, or more than proposed.
    TKwota Placi(const TPropozycjaWplaty& p, quint32 los) {
        if (!p.Pokaz) return TKwota();
        TKwota k;
        switch (los % 5) {
            case 0:
                k = p.Kwota;
                break;
            case 1:
                k = TKwota();
                break;
            case 2:
                k = TKwota::ZGroszy(p.Kwota.Grosze() / 200 * 100);
                break;
            case 3:
                k = TKwota::ZGroszy(p.Kwota.Grosze() * 3 / 7);
                break;
            default:
                k = p.Kwota + TKwota::ZGroszy(1000 + los % 997);
        }
        opis += QStringLiteral(", %1 %2, płaci %3")
                    .arg(p.Etykieta, KwotaNaEkran(p.Kwota), KwotaNaEkran(k));
        return k;
    }

    int KlientZ(quint32 los) { return klientOperacji = int(los % 5) + 1; }

    bool Wypozycz(const TOperacja& op) {
        const TKlient k = Klient(KlientZ(op.a));
        if (!Otwarte(k.id).wiersze.empty()) return true;  // the list is not a basket
        std::vector<std::pair<int, double>> polka;
        {
            TQuery q;
            q.UstawSQL(QStringLiteral("select ID, Stawka from film where Status = True"));
            q.Open();
            for (; !q.Eof(); q.Next())
                polka.push_back(
                    {q.FieldByName("ID").AsInteger(), q.FieldByName("Stawka").AsFloat()});
            q.Close();
        }
        if (polka.empty()) return true;
        std::mt19937 los(op.b);
        std::shuffle(polka.begin(), polka.end(), los);
        polka.resize(std::min<size_t>(polka.size(), 1 + op.b % 3));
        const int dni = int(1 + op.c % 4);

        TDaneWypozyczenia d;
        const bool abonent = JestAbonentem(k.abonament, k.abonamentDo, dzien);
        int licznik = k.licznikAb;
        std::vector<int> numery;
        for (const auto& [film, stawka] : polka) {
            if (abonent) ++licznik;
            const TKwota rata = TKwota::ZeZlotych(stawka);
            const TKwota cena = CenaWKoszyku(u, k.rabat, abonent, licznik, rata, dzien, dni);
            d.Wiersze.push_back({film, cena, dni, rata});
            numery.push_back(film);
        }
        std::vector<TKwota> ceny;
        for (const auto& w : d.Wiersze) ceny.push_back(w.Naleznosc);
        d.Razem = Suma(ceny);
        d.Saldo = k.saldo;
        d.Wplata = WplataPoDodaniu(abonent, true, d.Razem, TKwota()).wplata.value_or(TKwota());
        d.Abonament = k.abonament;
        d.AbonamentDo = k.abonamentDo;
        d.LicznikAb = licznik;
        d.Dzien = dzien;
        opis = QStringLiteral("wypożyczenie: klient %1, filmy %2 na %3 dni, razem %4")
                   .arg(k.id)
                   .arg(Numery(numery, {0, int(numery.size()) - 1}))
                   .arg(dni)
                   .arg(KwotaNaEkran(d.Razem));
        const TPrzedWypozyczeniem przed = PrzygotujWypozyczenie(d);
        const TWynikWypozyczenia wynik = RozliczWypozyczenie(d, przed, Placi(przed.Wplata, op.d));
        if (wynik.KoniecAbonamentu) odpisane[k.id] += d.Saldo;
        return ZapiszWypozyczenie(k.id, d, przed, wynik,
                                  Numery(numery, {0, int(numery.size()) - 1}));
    }

    bool Zwroc(const TOperacja& op) {
        const TKlient k = Klient(KlientZ(op.a));
        const TWykaz w = Otwarte(k.id);
        if (w.wiersze.empty()) return true;
        const auto zakres = Zakres(op.b, int(w.wiersze.size()));
        TDaneZwrotu d;
        d.Pierwszy = zakres.first;
        d.Ostatni = zakres.second;
        d.Ustawienia = u;
        d.RabatKlienta = k.rabat;
        d.Abonament = k.abonament;
        d.AbonamentDo = k.abonamentDo;
        d.Saldo = k.saldo;
        d.Wplacono = w.sumy.WplaconoWczesniej;
        d.Dzisiaj = dzien;
        opis = QStringLiteral("zwrot: klient %1, filmy %2").arg(k.id).arg(Numery(w.numery, zakres));
        if (!WczytajDoZwrotu(k.id, w.wiersze, d)) return false;
        const TPrzedZwrotem przed = PrzygotujZwrot(d);
        const TWynikZwrotu wynik = RozliczZwrot(d, przed, Placi(przed.Wplata, op.c));
        return ZapiszZwrot(k.id, d, przed, wynik, Numery(w.numery, zakres));
    }

    bool Wycofaj(const TOperacja& op) {
        const TKlient k = Klient(KlientZ(op.a));
        const TWykaz w = Otwarte(k.id);
        if (w.wiersze.empty()) return true;
        const auto zakres = Zakres(op.b, int(w.wiersze.size()));
        TDaneWycofania d;
        d.Wiersze = w.wiersze;
        d.Pierwszy = zakres.first;
        d.Ostatni = zakres.second;
        d.Razem = w.sumy.SumaPlatnosci;
        d.Wplacono = w.sumy.WplaconoWczesniej;
        d.Saldo = k.saldo;
        d.LicznikAb = k.licznikAb;
        opis = QStringLiteral("wycofanie: klient %1, filmy %2")
                   .arg(k.id)
                   .arg(Numery(w.numery, zakres));
        return ZapiszWycofanie(k.id, RozliczWycofanie(d), Numery(w.numery, zakres));
    }

    bool Przedluz(const TOperacja& op) {
        const TKlient k = Klient(KlientZ(op.a));
        const TWykaz w = Otwarte(k.id);
        if (w.wiersze.empty()) return true;
        const auto zakres = Zakres(op.b, int(w.wiersze.size()));
        TDanePrzedluzenia d;
        d.Wiersze = w.wiersze;
        d.Pierwszy = zakres.first;
        d.Ostatni = zakres.second;
        d.IloscDni = int(1 + op.c % 3);
        d.Dzisiaj = dzien;
        d.Razem = w.sumy.SumaPlatnosci;
        d.Wplacono = w.sumy.WplaconoWczesniej;
        d.Saldo = k.saldo;
        d.Abonament = k.abonament;
        d.LicznikAb = k.licznikAb;
        d.Ustawienia = u;
        d.RabatKlienta = k.rabat;
        opis = QStringLiteral("przedłużenie: klient %1, filmy %2 o %3 dni")
                   .arg(k.id)
                   .arg(Numery(w.numery, zakres))
                   .arg(d.IloscDni);
        const std::optional<QDate> poczatek = PoczatekPrzedluzenia(k.id);
        if (!poczatek) return false;
        d.DataOD = *poczatek;
        const TPrzedPrzedluzeniem przed = PrzygotujPrzedluzenie(d);
        const TWynikPrzedluzenia wynik = RozliczPrzedluzenie(d, przed, Placi(przed.Wplata, op.d));
        return ZapiszPrzedluzenie(k.id, d, przed, wynik, Numery(w.numery, zakres));
    }

    bool Zaleglosci(const TOperacja& op) {
        const int id = KlientZ(op.a);
        std::vector<TZaleglosc> wiersze;
        {
            TQuery q;
            q.UstawSQL(QStringLiteral("select r.id_filmu, r.dataOD, r.dataZwrotu, r.platnosc1 "
                                      "from rental r where r.id_klienta = %1 and r.zwrocono = "
                                      "True and r.platnosc1 <> 0")
                           .arg(id));
            q.Open();
            for (; !q.Eof(); q.Next())
                wiersze.push_back(
                    {q.FieldByName("id_filmu").AsLargeInt(), q.FieldByName("dataOD").AsDate(),
                     q.FieldByName("dataZwrotu").AsDate(), q.FieldByName("platnosc1").AsKwota()});
            q.Close();
        }
        if (wiersze.empty()) return true;
        std::vector<TKwota> zaleglosci;
        for (const TZaleglosc& z : wiersze) zaleglosci.push_back(z.Naleznosc);
        const TKwota naleznosc = Suma(zaleglosci);
        opis = QStringLiteral("zaległości: klient %1, %2 wierszy").arg(id).arg(wiersze.size());
        const TKwota kwota = Placi(WplataZaleglosci(naleznosc), op.c);
        if (kwota.Zero()) return true;  // declined: the dialog was not accepted
        const TOcenaWplatyZaleglosci ocena = OcenWplateZaleglosci(naleznosc, kwota);
        const TWynikZaleglosci wynik = RozliczZaleglosci(zaleglosci, ocena.Wplata);
        return ZapiszZaleglosci(id, wiersze, ocena, wynik);
    }

    TDaneKlienta Dane(const TKlient& k) {
        TDaneKlienta d;
        d.Numer = k.numer;
        d.Imie = k.imie;
        d.Nazwisko = k.nazwisko;
        d.OstatnieWypozyczenie = k.ostatnie;
        d.Saldo = k.saldo;
        d.Abonament = k.abonament;
        d.AbonamentOD = k.abonamentOd;
        d.AbonamentDO = k.abonamentDo;
        d.Licznik = k.licznik;
        d.LicznikAb = k.licznikAb;
        d.Rabat = k.rabat;
        return d;
    }

    // A payment into the account of client 3, 4 or 5 in the client's record (clients 1
    // and 2 never pay into their accounts nor have a subscription).
    bool Wplata(const TOperacja& op) {
        const TKlient k = Klient(klientOperacji = int(3 + op.a % 3));
        opis = QStringLiteral("wpłata: klient %1").arg(k.id);
        const TKwota kwota = Placi({true, QStringLiteral("Pobrano:"), NieUjemna(-k.saldo)},
                                   op.c % 4 == 1 ? 4 : op.c);
        if (kwota.Zero()) return true;
        wplacal[k.id] = true;
        TDaneKlienta d = Dane(k);
        d.Saldo = k.saldo + kwota;
        return ZapiszKlienta(k.id, d, {{RodzajKasy::Wplata, kwota}});
    }

    // A new subscription of client 4 or 5 in the client's record, its fee paid in full or
    // in part.
    bool Abonament(const TOperacja& op) {
        const TKlient k = Klient(klientOperacji = int(4 + op.a % 2));
        if (JestAbonentem(k.abonament, k.abonamentDo, dzien)) return true;
        TDaneKlienta d = Dane(k);
        d.Abonament = true;
        d.AbonamentOD = dzien;
        d.AbonamentDO = dzien.addDays(3 + op.b % 10);
        opis = QStringLiteral("abonament: klient %1 do %2")
                   .arg(k.id)
                   .arg(d.AbonamentDO.toString(Qt::ISODate));
        const TKwota oplata = u.AbOplata;
        const TKwota kwota = Placi({true, QStringLiteral("Do zapłaty:"), oplata}, op.c % 2 ? 0 : 3);
        wplacal[k.id] = true;
        TWplatyKlienta wplaty;
        if (!kwota.Zero()) {
            d.LicznikAb = 0;
            d.Saldo = k.saldo + kwota;
            wplaty.push_back({RodzajKasy::Abonament, kwota});
        }
        return ZapiszKlienta(k.id, d, wplaty);
    }

    // The client's balance, the journal's movements, the charges and the unpaid parts.
    static QString Stan(int id) {
        if (id == 0) return {};
        const auto suma = [id](const char* co, const char* tabela) {
            return KwotaNaEkran(Kwota(QStringLiteral("select coalesce(sum(%1), 0) from %2 where "
                                                     "id_klienta = %3")
                                          .arg(QLatin1String(co), QLatin1String(tabela))
                                          .arg(id)));
        };
        return QStringLiteral(" | saldo %1, kasa %2, należności %3, nieopłacone %4")
            .arg(KwotaNaEkran(
                     Kwota(QStringLiteral("select Saldo from klient where ID = %1").arg(id))),
                 suma("Kwota", "kasa"), suma("naleznosc", "rental"),
                 suma("case when zwrocono then platnosc1 else platnosc end", "rental"));
    }
    std::optional<QString> Sprawdz() {
        // Films out exactly while one open rental holds them.
        for (int film = 1; film <= 8; ++film) {
            const int otwarte = int(
                Liczba(QStringLiteral(
                           "select count(*) from rental where id_filmu = %1 and zwrocono = False")
                           .arg(film)));
            const bool naPolce =
                Liczba(QStringLiteral("select Status from film where ID = %1").arg(film)) != 0;
            if (otwarte > 1 || naPolce != (otwarte == 0))
                return QStringLiteral("film %1: %2 otwartych wypożyczeń, %3")
                    .arg(film)
                    .arg(otwarte)
                    .arg(naPolce ? "na półce" : "wypożyczony");
        }
        // No amount with more than two decimals.
        const char* kwoty[][2] = {{"klient", "Saldo"},        {"rental", "naleznosc"},
                                  {"rental", "platnosc"},     {"rental", "platnosc1"},
                                  {"rental", "z_abonamentu"}, {"rental", "stawka"},
                                  {"film", "Wplywy"},         {"kasa", "Kwota"}};
        for (const auto& [tabela, kolumna] : kwoty)
            if (Liczba(QStringLiteral("select count(*) from %1 where abs(%2 * 100 - round(%2 * "
                                      "100)) > 1e-6")
                           .arg(tabela, kolumna)) > 0)
                return QStringLiteral("%1.%2 z więcej niż dwoma miejscami po przecinku")
                    .arg(tabela, kolumna);
        // The balance against the journal and the charges.
        for (int id = 1; id <= 5; ++id) {
            const TKwota saldo =
                Kwota(QStringLiteral("select Saldo from klient where ID = %1").arg(id));
            const TKwota kasa = Kwota(
                QStringLiteral("select coalesce(sum(Kwota), 0) from kasa where id_klienta = %1")
                    .arg(id));
            const TKwota naleznosci =
                Kwota(QStringLiteral(
                          "select coalesce(sum(naleznosc), 0) from rental where id_klienta = %1")
                          .arg(id));
            const TKwota oczekiwane = kasa - naleznosci - odpisane[id];
            if (saldo != oczekiwane)
                return QStringLiteral(
                           "klient %1: saldo %2, a kasa %3 - należności %4 - odpisane %5 = %6")
                    .arg(id)
                    .arg(KwotaNaEkran(saldo), KwotaNaEkran(kasa), KwotaNaEkran(naleznosci),
                         KwotaNaEkran(odpisane[id]), KwotaNaEkran(oczekiwane));
            const TKwota nieoplacone =
                Kwota(QStringLiteral("select coalesce(sum(case when zwrocono then platnosc1 else "
                                     "platnosc end), 0) from rental where id_klienta = %1")
                          .arg(id));
            if (!wplacal[id] && nieoplacone != -saldo)
                return QStringLiteral("klient %1: saldo %2, a nieopłacone części %3")
                    .arg(id)
                    .arg(KwotaNaEkran(saldo), KwotaNaEkran(nieoplacone));
        }
        // The day's totals of the journal are the cash-up's.
        TfRapKasowy raport;
        if (!raport.Init(dzien, dzien)) return QStringLiteral("raport kasowy nieczynny");
        const TKwota dzienna =
            Kwota(QStringLiteral("select coalesce(sum(Kwota), 0) from kasa where Data = '%1'")
                      .arg(dzien.toString(Qt::ISODate)));
        if (raport.Razem != dzienna)
            return QStringLiteral("raport kasowy %1, a kasa dnia %2")
                .arg(KwotaNaEkran(raport.Razem), KwotaNaEkran(dzienna));
        for (const auto& [rodzaj, suma] : SumyRodzajow(raport.Ruchy)) {
            const TKwota wKasie = Kwota(QStringLiteral("select coalesce(sum(Kwota), 0) from kasa "
                                                       "where Data = '%1' and Rodzaj = '%2'")
                                            .arg(dzien.toString(Qt::ISODate), rodzaj));
            if (suma != wKasie)
                return QStringLiteral("raport kasowy: %1 %2, a w kasie %3")
                    .arg(rodzaj, KwotaNaEkran(suma), KwotaNaEkran(wKasie));
        }
        return std::nullopt;
    }

    TestowaBaza baza;
    FakeInterakcja fake;
    const TUstawienia u;
    const bool opisuj;
    QDate dzien{2024, 3, 4};
    QTime czas{9, 0};
    QString opis;
    int klientOperacji = 0;
    std::map<int, TKwota> odpisane;  // balances an ended subscription wrote off
    std::map<int, bool> wplacal;     // paid into the account or for a subscription
};

struct TBlad {
    size_t indeks;  // of the operation after which the check failed
    QString tekst;
};

std::optional<TBlad> Przebieg(quint32 ziarno, const std::vector<TOperacja>& ops,
                              QStringList* dziennik = nullptr) {
    TLada lada(ziarno, dziennik != nullptr);
    for (size_t i = 0; i < ops.size(); ++i)
        if (auto blad = lada.Wykonaj(ops[i])) {
            if (dziennik) *dziennik = lada.dziennik;
            return TBlad{i, *blad};
        }
    if (dziennik) *dziennik = lada.dziennik;
    return std::nullopt;
}

// The shortest failing sequence found by deleting ever smaller runs of operations.
std::vector<TOperacja> Skroc(quint32 ziarno, std::vector<TOperacja> ops) {
    for (size_t dlugosc = ops.size() / 2; dlugosc >= 1; dlugosc /= 2) {
        for (size_t od = 0; od + dlugosc <= ops.size();) {
            std::vector<TOperacja> krotsze = ops;
            krotsze.erase(krotsze.begin() + long(od), krotsze.begin() + long(od + dlugosc));
            if (const auto blad = Przebieg(ziarno, krotsze)) {
                krotsze.resize(blad->indeks + 1);
                ops = std::move(krotsze);
            } else {
                od += dlugosc;
            }
        }
    }
    return ops;
}

// Runs fortnights of the seeds from the first until the operations are made; fails with
// the shrunk sequence of the first failing seed.
void Przebiegi(quint32 pierwsze, int operacji, int naZiarno) {
    for (quint32 ziarno = pierwsze; operacji > 0; ++ziarno, operacji -= naZiarno) {
        const std::vector<TOperacja> ops = Losuj(ziarno, std::min(naZiarno, operacji));
        const auto blad = Przebieg(ziarno, ops);
        if (!blad) continue;
        std::vector<TOperacja> krotkie(ops.begin(), ops.begin() + long(blad->indeks + 1));
        krotkie = Skroc(ziarno, krotkie);
        QStringList dziennik;
        const auto koncowy = Przebieg(ziarno, krotkie, &dziennik);
        ADD_FAILURE() << "ziarno " << ziarno << ", po operacji " << blad->indeks + 1 << ": "
                      << blad->tekst.toStdString() << "\nnajkrótszy ciąg (" << krotkie.size()
                      << " operacji):\n  " << dziennik.join("\n  ").toStdString() << "\n  => "
                      << (koncowy ? koncowy->tekst : QStringLiteral("(przechodzi)")).toStdString();
        return;
    }
}

}  // namespace

TEST(Tydzien, DwaTygodnieOperacjiZachowujaNiezmienniki) {
    const QByteArray dlugi = qgetenv("WIRDOLAN_TYDZIEN_OPERACJI");
    const quint32 pierwsze = qEnvironmentVariableIsSet("WIRDOLAN_TYDZIEN_ZIARNO")
                                 ? quint32(qEnvironmentVariableIntValue("WIRDOLAN_TYDZIEN_ZIARNO"))
                                 : 1;
    if (!dlugi.isEmpty())
        Przebiegi(pierwsze, dlugi.toInt(), 350);
    else
        Przebiegi(pierwsze, 300, 150);
}
