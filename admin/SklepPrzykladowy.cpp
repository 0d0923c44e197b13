#include "admin/SklepPrzykladowy.h"

#include <algorithm>
#include <map>
#include <set>

#include "store/Godzina.h"
#include "store/TQuery.h"
#include "store/Zegar.h"
#include "store/uWspolneDB.h"

namespace {

// Puts the clock back as it was however the plan ends: running, or fixed on the day and
// time of day it was fixed on.
struct TZegarPlanu {
    QDate dzien = UstalonyDzien();
    QTime godzina = UstalonaGodzina();
    ~TZegarPlanu() {
        UstawDzisiaj(dzien);
        UstawGodzine(godzina);
    }
};

// The day's n-th operation (from 0) happens during the opening hours, 10:00 to 20:00,
// the later the greater n; the seconds vary as at a real counter.
QTime GodzinaOperacji(size_t n, size_t zdarzenie) {
    const int minuty = std::min(599, int(n) * 47 + int(zdarzenie * 13 % 40));
    return QTime(10, 0).addSecs(minuty * 60 + int(zdarzenie * 7 % 60));
}

}  // namespace

TWynikSklepu WypelnijSklep(const TPlanSklepu& plan, TKasaSklepu& kasa) {
    TWynikSklepu wynik;
    if (plan.Klienci.empty() || plan.Filmy.empty()) return wynik;
    TZegarPlanu zegar;
    const auto przerwij = [&] {
        wynik.Blad = kasa.Blad();
        return wynik;
    };
    const auto numer = [&](int klient) { return plan.Klienci[size_t(klient)].Numer; };

    QDate poczatek = plan.Klienci.front().Zapisany;
    for (const TKlientPlanu& k : plan.Klienci) poczatek = std::min(poczatek, k.Zapisany);
    QDate ostatni = poczatek;
    for (const TZdarzeniePlanu& z : plan.Zdarzenia) ostatni = std::max(ostatni, z.Dzien);

    UstawDzisiaj(poczatek);
    for (const TFilmPlanu& f : plan.Filmy) {
        kasa.NowyFilm(f);
        if (!kasa.Blad().isEmpty()) return przerwij();
        ++wynik.Filmy;
    }

    std::map<int, std::set<int>> trzyma;  // client -> films out
    std::set<int> dluzni;
    std::vector<bool> zapisany(plan.Klienci.size(), false);
    size_t z = 0;
    for (QDate dzien = poczatek; dzien <= ostatni; dzien = dzien.addDays(1)) {
        UstawDzisiaj(dzien);
        UstawGodzine(GodzinaOperacji(0, z));
        for (size_t k = 0; k < plan.Klienci.size(); ++k) {
            if (zapisany[k] || plan.Klienci[k].Zapisany > dzien) continue;
            kasa.NowyKlient(plan.Klienci[k]);
            zapisany[k] = true;
            ++wynik.Klienci;
        }
        for (size_t n = 0; z < plan.Zdarzenia.size() && plan.Zdarzenia[z].Dzien == dzien;
             ++z, ++n) {
            UstawGodzine(GodzinaOperacji(n, z));
            const TZdarzeniePlanu& e = plan.Zdarzenia[z];
            switch (e.Rodzaj) {
                case TRodzajZdarzenia::Abonament:
                    kasa.Abonament(numer(e.Klient), dzien.addMonths(3).addDays(-1));
                    break;
                case TRodzajZdarzenia::Wypozyczenie: {
                    std::vector<int> numery;
                    for (int f : e.Filmy) numery.push_back(plan.Filmy[size_t(f)].Numer);
                    kasa.Wypozycz(numer(e.Klient), numery, e.Dni, e.Placenie);
                    trzyma[e.Klient].insert(e.Filmy.begin(), e.Filmy.end());
                    wynik.Wypozyczenia += int(numery.size());
                    break;
                }
                case TRodzajZdarzenia::Zwrot:
                    kasa.Zwroc(numer(e.Klient), e.Placenie);
                    wynik.Zwroty += int(trzyma[e.Klient].size());
                    trzyma.erase(e.Klient);
                    if (e.Placenie != TPlacenie::Calosc) dluzni.insert(e.Klient);
                    break;
                case TRodzajZdarzenia::Przedluzenie:
                    kasa.Przedluz(numer(e.Klient), e.Dni);
                    break;
                case TRodzajZdarzenia::Splata:
                    if (dluzni.erase(e.Klient)) kasa.SplacZaleglosci(numer(e.Klient));
                    break;
            }
            if (!kasa.Blad().isEmpty()) return przerwij();
        }
    }

    // The last day: who left the shop and which copies left the shelves.
    std::set<int> naZewnatrz;
    for (const auto& [klient, filmy] : trzyma) naZewnatrz.insert(filmy.begin(), filmy.end());
    for (size_t k = 0; k < plan.Klienci.size(); ++k) {
        const int i = int(k);
        if (!plan.Klienci[k].Archiwalny || trzyma.count(i) || dluzni.count(i)) continue;
        kasa.ArchiwizujKlienta(plan.Klienci[k].Numer);
        if (!kasa.Blad().isEmpty()) return przerwij();
    }
    for (size_t f = 0; f < plan.Filmy.size(); ++f) {
        if (!plan.Filmy[f].Wycofany || naZewnatrz.count(int(f))) continue;
        kasa.WycofajFilm(plan.Filmy[f].Numer);
        if (!kasa.Blad().isEmpty()) return przerwij();
    }
    return wynik;
}

bool BazaBezKlientowIFilmow() {
    TQuery zapytanie;
    OtworzSQL(zapytanie, QStringLiteral("select count(*) ile from klient"));
    const bool klienci =
        !zapytanie.Active() || zapytanie.FieldByName(QStringLiteral("ile")).AsInteger() > 0;
    zapytanie.Close();
    if (klienci) return false;
    OtworzSQL(zapytanie, QStringLiteral("select count(*) ile from film"));
    const bool filmy =
        !zapytanie.Active() || zapytanie.FieldByName(QStringLiteral("ile")).AsInteger() > 0;
    zapytanie.Close();
    return !filmy;
}

QString OpisWyniku(const TWynikSklepu& wynik) {
    return QStringLiteral(
               "Wczytano dane przykładowe: klientów %1, filmów %2, wypożyczeń %3, "
               "zwrotów %4.")
        .arg(wynik.Klienci)
        .arg(wynik.Filmy)
        .arg(wynik.Wypozyczenia)
        .arg(wynik.Zwroty);
}
