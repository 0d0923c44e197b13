#include "bench/Generator.h"

#include <sqlite3.h>

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include "store/Baza.h"
#include "store/Interakcja.h"
#include "store/Kwota.h"
#include "store/TQuery.h"
#include "store/Tlumacz.h"
#include "store/uStruktura.h"

namespace {

const char* const ImionaMeskie[] = {
    "Adam",     "Andrzej",   "Bartosz", "Damian",  "Dariusz",   "Grzegorz", "Jakub",    "Jan",
    "Jarosław", "Jerzy",     "Józef",   "Kamil",   "Krzysztof", "Łukasz",   "Maciej",   "Marcin",
    "Marek",    "Mateusz",   "Michał",  "Paweł",   "Piotr",     "Rafał",    "Robert",   "Ryszard",
    "Sławomir", "Stanisław", "Szymon",  "Tadeusz", "Tomasz",    "Wojciech", "Zbigniew", "Zdzisław"};
const char* const ImionaZenskie[] = {
    "Agnieszka", "Aleksandra", "Alicja",    "Anna",     "Barbara",   "Beata",      "Dorota",
    "Elżbieta",  "Ewa",        "Grażyna",   "Halina",   "Irena",     "Jadwiga",    "Joanna",
    "Justyna",   "Karolina",   "Katarzyna", "Krystyna", "Magdalena", "Małgorzata", "Maria",
    "Marta",     "Monika",     "Natalia",   "Paulina",  "Renata",    "Teresa",     "Urszula",
    "Wiesława",  "Zofia",      "Żaneta",    "Łucja"};
// Surnames in their masculine form; those ending in -ski, -cki, -dzki take -ska etc.
const char* const Nazwiska[] = {
    "Nowak",       "Kowalski",    "Wiśniewski",  "Wójcik",      "Kowalczyk",    "Kamiński",
    "Lewandowski", "Zieliński",   "Szymański",   "Woźniak",     "Dąbrowski",    "Kozłowski",
    "Jankowski",   "Mazur",       "Kwiatkowski", "Krawczyk",    "Piotrowski",   "Grabowski",
    "Nowakowski",  "Pawłowski",   "Michalski",   "Nowicki",     "Adamczyk",     "Dudek",
    "Zając",       "Wieczorek",   "Jabłoński",   "Król",        "Majewski",     "Olszewski",
    "Jaworski",    "Wróbel",      "Malinowski",  "Pawlak",      "Witkowski",    "Walczak",
    "Stępień",     "Górski",      "Rutkowski",   "Michalak",    "Sikora",       "Ostrowski",
    "Baran",       "Duda",        "Szewczyk",    "Tomaszewski", "Pietrzak",     "Marciniak",
    "Wróblewski",  "Zalewski",    "Jakubowski",  "Jasiński",    "Zawadzki",     "Sadowski",
    "Bąk",         "Chmielewski", "Włodarczyk",  "Borkowski",   "Czarnecki",    "Sawicki",
    "Sokołowski",  "Urbański",    "Kubiak",      "Maciejewski", "Szczepański",  "Kucharski",
    "Wilk",        "Kalinowski",  "Lis",         "Mazurek",     "Wysocki",      "Adamski",
    "Kaźmierczak", "Wasilewski",  "Sobczak",     "Czerwiński",  "Andrzejewski", "Cieślak",
    "Głowacki",    "Zakrzewski",  "Kołodziej",   "Sikorski",    "Krajewski",    "Gajewski",
    "Szymczak",    "Szulc",       "Baranowski",  "Laskowski",   "Brzeziński",   "Makowski",
    "Ziółkowski",  "Przybylski",  "Żak",         "Łuczak",      "Ślusarczyk",   "Żółtowski"};
const char* const Miasta[] = {
    "Białystok", "Bydgoszcz", "Częstochowa", "Gdańsk", "Gdynia",   "Gliwice", "Katowice",
    "Kielce",    "Kraków",    "Lublin",      "Łódź",   "Olsztyn",  "Opole",   "Poznań",
    "Radom",     "Rzeszów",   "Szczecin",    "Toruń",  "Warszawa", "Wrocław", "Zielona Góra"};
const char* const Ulice[] = {
    "Piotrkowska", "Mickiewicza", "Słowackiego",  "Kościuszki",       "Długa",   "Krótka",
    "Polna",       "Leśna",       "Ogrodowa",     "Lipowa",           "Szkolna", "Kolejowa",
    "Źródlana",    "Żeromskiego", "Sienkiewicza", "Wojska Polskiego", "3 Maja",  "Łąkowa"};
const char* const Gatunki[] = {
    "animowany", "biograficzny",    "dokumentalny", "dramat",   "familijny",  "fantasy",
    "horror",    "komedia",         "kryminał",     "musical",  "obyczajowy", "przygodowy",
    "romans",    "science fiction", "sensacyjny",   "thriller", "western",    "wojenny"};
const char* const Nosniki[] = {"DVD", "DVD", "DVD", "VHS", "Blu-ray", "VCD"};
const char* const Kraje[] = {"USA", "Polska", "Francja", "Wielka Brytania", "Włochy", "Niemcy"};
// Title words: adjective, noun, second noun; their combinations give distinct titles.
const char* const PrzymiotnikiAng[] = {
    "Silent",   "Dark",     "Lost",     "Last",      "Broken",  "Golden", "Hidden",  "Wild",
    "Cold",     "Eternal",  "Red",      "Secret",    "Burning", "Fallen", "Final",   "Lonely",
    "Bright",   "Iron",     "Savage",   "Quiet",     "Deadly",  "Sweet",  "Frozen",  "Little",
    "Crimson",  "Endless",  "Perfect",  "Strange",   "Blind",   "Wicked", "Distant", "Hollow",
    "Northern", "Midnight", "Restless", "Shattered", "Sacred",  "Stolen", "Twisted", "Bitter"};
const char* const RzeczownikiAng[] = {
    "River",  "Night",   "City",     "Heart",   "Road",    "Kingdom",  "Storm",    "Dream",
    "Shadow", "Island",  "Garden",   "Summer",  "Winter",  "Mountain", "Promise",  "Secret",
    "Empire", "Voyage",  "Witness",  "Legacy",  "Hunter",  "Angel",    "Stranger", "Harbor",
    "Forest", "Mirror",  "Planet",   "Echo",    "Desert",  "Horizon",  "Circle",   "Bridge",
    "Signal", "Memory",  "Frontier", "Fortune", "Silence", "Valley",   "Journey",  "Machine",
    "Ocean",  "Station", "Kiss",     "Crown",   "Line",    "Game",     "Door",     "Sky"};
const char* const PrzymiotnikiPol[] = {
    "Cicha",      "Ciemna",     "Zagubiona", "Ostatnia", "Złamana",     "Złota",   "Ukryta",
    "Dzika",      "Zimna",      "Wieczna",   "Czerwona", "Tajemna",     "Płonąca", "Upadła",
    "Samotna",    "Jasna",      "Żelazna",   "Spokojna", "Śmiertelna",  "Słodka",  "Zamarznięta",
    "Mała",       "Szkarłatna", "Bezkresna", "Idealna",  "Dziwna",      "Ślepa",   "Zła",
    "Daleka",     "Pusta",      "Północna",  "Nocna",    "Niespokojna", "Rozbita", "Święta",
    "Skradziona", "Kręta",      "Gorzka",    "Biała",    "Łagodna"};
const char* const RzeczownikiPol[] = {
    "rzeka",     "noc",     "droga",    "burza",     "wyspa",      "zima",   "góra",    "obietnica",
    "tajemnica", "podróż",  "legenda",  "gra",       "granica",    "pamięć", "fortuna", "cisza",
    "dolina",    "maszyna", "stacja",   "korona",    "linia",      "brama",  "gwiazda", "przystań",
    "puszcza",   "planeta", "pustynia", "zatoka",    "melodia",    "wojna",  "miłość",  "zemsta",
    "ucieczka",  "ziemia",  "przepaść", "wieża",     "opowieść",   "misja",  "dusza",   "łuna",
    "fala",      "kraina",  "ballada",  "przysięga", "przestrzeń", "iskra",  "strefa",  "sieć"};

constexpr int Lata = 10;

template <size_t N>
const char* los(std::mt19937& g, const char* const (&tablica)[N]) {
    return tablica[std::uniform_int_distribution<size_t>(0, N - 1)(g)];
}

// A surname in the form for a woman: -ski -> -ska, -cki -> -cka, -dzki -> -dzka.
QString nazwiskoKobiety(const QString& meskie) {
    if (meskie.endsWith(QLatin1String("ski")) || meskie.endsWith(QLatin1String("cki")) ||
        meskie.endsWith(QLatin1String("dzki")))
        return meskie.left(meskie.size() - 1) + 'a';
    return meskie;
}

struct TOsoba {
    QString imie;
    QString nazwisko;
};
// A person: the surname drawn first, then whether it is a woman's, then the first name.
template <typename F>
TOsoba osoba(std::mt19937& g, F kobieta) {
    const QString meskie = QString::fromUtf8(los(g, Nazwiska));
    if (kobieta()) return {QString::fromUtf8(los(g, ImionaZenskie)), nazwiskoKobiety(meskie)};
    return {QString::fromUtf8(los(g, ImionaMeskie)), meskie};
}

// Titles of film `t`: distinct for every t below the number of combinations of the word
// lists, then numbered as sequels.
struct TTytuly {
    QByteArray oryginalny;
    QByteArray polski;
};
TTytuly tytuly(int t) {
    constexpr int A = std::size(PrzymiotnikiAng), R = std::size(RzeczownikiAng);
    const int a = t % A, r = (t / A) % R, r2 = (t / (A * R)) % R, seria = t / (A * R * R);
    QString org = QStringLiteral("The %1 %2")
                      .arg(QLatin1String(PrzymiotnikiAng[a]), QLatin1String(RzeczownikiAng[r]));
    QString pol = QStringLiteral("%1 %2").arg(QString::fromUtf8(PrzymiotnikiPol[a]),
                                              QString::fromUtf8(RzeczownikiPol[r]));
    if (t >= A * R) {
        org += QStringLiteral(" of the %1").arg(QLatin1String(RzeczownikiAng[r2]));
        pol += QStringLiteral(": %1").arg(QString::fromUtf8(RzeczownikiPol[r2]));
    }
    if (seria > 0) {
        org += QStringLiteral(" %1").arg(seria + 1);
        pol += QStringLiteral(" %1").arg(seria + 1);
    }
    return {org.toUtf8(), pol.toUtf8()};
}

QByteArray iso(const QDate& d) {
    return d.toString(Qt::ISODate).toLatin1();
}

class TPolecenie {
public:
    TPolecenie(sqlite3* polaczenie, const char* sql) : baza(polaczenie) {
        if (sqlite3_prepare_v2(baza, sql, -1, &st, nullptr) != SQLITE_OK) blad();
    }
    ~TPolecenie() { sqlite3_finalize(st); }
    TPolecenie& operator()(int i, int v) {
        sqlite3_bind_int(st, i, v);
        return *this;
    }
    TPolecenie& operator()(int i, double v) {
        sqlite3_bind_double(st, i, v);
        return *this;
    }
    // An amount as the store's REAL.
    TPolecenie& operator()(int i, TKwota v) { return (*this)(i, v.Zlote()); }
    // A date as ISO text; no date is null.
    TPolecenie& operator()(int i, const QDate& v) {
        return v.isValid() ? (*this)(i, iso(v)) : pusty(i);
    }
    TPolecenie& operator()(int i, const QByteArray& v) {
        sqlite3_bind_text(st, i, v.constData(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
        return *this;
    }
    TPolecenie& operator()(int i, const char* v) {
        sqlite3_bind_text(st, i, v, -1, SQLITE_STATIC);
        return *this;
    }
    TPolecenie& pusty(int i) {
        sqlite3_bind_null(st, i);
        return *this;
    }
    void wykonaj() {
        if (sqlite3_step(st) != SQLITE_DONE) blad();
        sqlite3_reset(st);
        sqlite3_clear_bindings(st);
    }

private:
    [[noreturn]] void blad() { throw TBladBazy(QString::fromUtf8(sqlite3_errmsg(baza))); }
    sqlite3* baza;
    sqlite3_stmt* st = nullptr;
};

struct TKlient {
    bool kobieta = false;
    bool aktualny = true;
    bool abonament = false;
    int licznik = 0;
    int licznikAb = 0;
    TKwota saldo;
    QDate ostatnie;
    QDate abonamentOd;
};

struct TFilm {
    bool aktualny = true;
    bool naPolce = true;
    TKwota stawka;
    int ilosc = 0;
    TKwota wplywy;
};

class TGenerator {
public:
    TGenerator(const TRozmiarSklepu& rozmiar, const QDate& dzien, unsigned ziarno)
        : r(rozmiar), dzis(dzien), g(ziarno), klienci(r.klienci + 1), filmy(r.filmy + 1) {}

    TPodsumowanieSklepu generuj(sqlite3* baza) {
        przygotujKlientow();
        przygotujFilmy();
        wypozyczenia(baza);
        zapiszKlientow(baza);
        zapiszFilmy(baza);
        return podsumowanie;
    }

private:
    // Clients and films chosen with a skew: a few rent (are rented) far more than others.
    int skosny(const std::vector<int>& kolejnosc) {
        const double u = std::uniform_real_distribution<double>(0.0, 1.0)(g);
        const size_t i = static_cast<size_t>(std::pow(u, 1.8) * kolejnosc.size());
        return kolejnosc[std::min(i, kolejnosc.size() - 1)];
    }
    int procent() { return std::uniform_int_distribution<int>(0, 99)(g); }
    int zakres(int od, int doo) { return std::uniform_int_distribution<int>(od, doo)(g); }

    void przygotujKlientow() {
        for (int id = 1; id <= r.klienci; ++id) {
            TKlient& k = klienci[id];
            k.kobieta = procent() < 50;
            k.aktualny = procent() >= 8;
            if (k.aktualny) {
                aktywni.push_back(id);
                if (procent() < 6) {
                    k.abonament = true;
                    k.abonamentOd = dzis.addDays(-zakres(0, 40));  // some already expired
                    k.saldo += TKwota::ZGroszy(5000);
                    k.licznikAb = zakres(0, 4);
                }
            } else {
                ++podsumowanie.archiwalni;
            }
            wszyscy.push_back(id);
        }
        std::shuffle(wszyscy.begin(), wszyscy.end(), g);
        std::shuffle(aktywni.begin(), aktywni.end(), g);
    }

    void przygotujFilmy() {
        const qint64 stawki[] = {300, 400, 500, 550, 600, 800};  // grosze
        for (int id = 1; id <= r.filmy; ++id) {
            TFilm& f = filmy[id];
            f.stawka = TKwota::ZGroszy(stawki[zakres(0, std::size(stawki) - 1)]);
            f.aktualny = procent() >= 5;
            if (f.aktualny)
                biezace.push_back(id);
            else
                ++podsumowanie.wycofane;
            wszystkie.push_back(id);
        }
        std::shuffle(wszystkie.begin(), wszystkie.end(), g);
        std::shuffle(biezace.begin(), biezace.end(), g);
    }

    // One rental row; an open one has no return date.
    struct TWypozyczenie {
        int idF = 0, idK = 0;
        QDate od, doo, zwrot;
        TKwota platnosc, platnosc1, zAbonamentu, naleznosc;
    };
    void wstaw(TPolecenie& ins, const TWypozyczenie& w) {
        TKlient& k = klienci[w.idK];
        ins(1, w.idF)(2, w.idK)(3, w.od)(4, w.doo)(5, w.zwrot.isValid() ? 1 : 0)(6, w.platnosc)(
            7, w.platnosc1)(8, w.zAbonamentu)(9, w.naleznosc)(10, filmy[w.idF].stawka)(11, w.zwrot)
            .wykonaj();
        k.ostatnie = std::max(k.ostatnie, w.od);
    }

    // A price of the generated tariff: the rate for a number of days.
    static TKwota cena(TKwota stawka, qint64 dni) { return TKwota::ZGroszy(stawka.Grosze() * dni); }

    // Closed rentals in the order of their day over ten years, then the open ones of the
    // last fortnight, each on its own film and by a current client.
    void wypozyczenia(sqlite3* baza) {
        TPolecenie ins(baza,
                       "insert into rental (id_filmu, id_klienta, dataOD, dataDO, zwrocono, "
                       "platnosc, Platnosc1, Z_abonamentu, Naleznosc, Stawka, DataZwrotu) "
                       "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        const int otwartych = std::max(1, r.filmy / 50);
        const int zamknietych = std::max(0, r.wypozyczenia - otwartych);
        const QDate poczatek = dzis.addYears(-Lata);
        const qint64 dni = poczatek.daysTo(dzis.addDays(-15));
        for (int i = 0; i < zamknietych; ++i) {
            TWypozyczenie w;
            w.od = poczatek.addDays(dni * i / std::max(1, zamknietych));
            w.idK = skosny(wszyscy);
            w.idF = skosny(wszystkie);
            TKlient& k = klienci[w.idK];
            TFilm& f = filmy[w.idF];
            const int doby = procent() < 70 ? 1 : zakres(2, 4);
            w.doo = w.od.addDays(doby);
            const int p = procent();
            const int roznica = p < 80 ? 0 : p < 88 ? -1 : zakres(1, 6);
            w.zwrot = std::max(w.od, w.doo.addDays(roznica));
            w.naleznosc = cena(f.stawka, std::max<qint64>(1, w.od.daysTo(w.zwrot)));
            if (k.aktualny && w.od.daysTo(dzis) < 730 && procent() < 2) {
                w.platnosc1 = TKwota::ZeZlotych(w.naleznosc.Zlote() * zakres(20, 100) / 100.0);
                k.saldo -= w.platnosc1;
                ++podsumowanie.zalegle;
            } else if (k.abonament && w.od >= k.abonamentOd) {
                w.zAbonamentu = w.naleznosc;
            }
            wstaw(ins, w);
            ++k.licznik;
            ++f.ilosc;
            f.wplywy += w.naleznosc;
        }
        for (int i = 0; i < otwartych && i < static_cast<int>(biezace.size()); ++i) {
            TWypozyczenie w;
            w.idF = biezace[i];
            w.idK = aktywni[zakres(0, static_cast<int>(aktywni.size()) - 1)];
            w.od = dzis.addDays(-zakres(0, 14));
            const int doby = procent() < 60 ? 1 : zakres(2, 7);
            w.doo = w.od.addDays(doby);
            w.naleznosc = cena(filmy[w.idF].stawka, doby);
            if (procent() < 10) w.platnosc = w.naleznosc;
            klienci[w.idK].saldo -= w.platnosc;
            wstaw(ins, w);
            filmy[w.idF].naPolce = false;
            ++podsumowanie.otwarte;
            if (w.doo < dzis) ++podsumowanie.poTerminie;
        }
    }

    void zapiszKlientow(sqlite3* baza) {
        TPolecenie ins(
            baza,
            "insert into klient (ID, Numer_klienta, Imie, Nazwisko, Firma, Kod, Miejscowosc, "
            "Ulica, Nr_Posesji, Nr_lokalu, Telefon, NIP, Ostatnie_wypozyczenie, Saldo, "
            "Abonament, Abonament_OD, Abonament_DO, Licznik, Upowazniony, LicznikAb, Aktualny, "
            "Rabat) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        const int rabaty[] = {0, 0, 0, 0, 0, 0, 5, 10, 15, 20};
        for (int id = 1; id <= r.klienci; ++id) {
            const TKlient& k = klienci[id];
            const TOsoba o = osoba(g, [&] { return k.kobieta; });
            const QByteArray kod = QStringLiteral("%1-%2")
                                       .arg(zakres(0, 99), 2, 10, QChar('0'))
                                       .arg(zakres(0, 999), 3, 10, QChar('0'))
                                       .toLatin1();
            const QByteArray telefon = QStringLiteral("%1 %2 %3 %4")
                                           .arg(zakres(500, 799))
                                           .arg(zakres(0, 999), 3, 10, QChar('0'))
                                           .arg(zakres(0, 99), 2, 10, QChar('0'))
                                           .arg(zakres(0, 99), 2, 10, QChar('0'))
                                           .toLatin1();
            const QDate ostatnie = k.ostatnie.isValid() ? k.ostatnie : dzis.addYears(-Lata);
            ins(1, id)(2, id)(3, o.imie.toUtf8())(4, o.nazwisko.toUtf8())(
                5, procent() < 5 ? "Firma Handlowa" : "")(6, kod)(7, los(g, Miasta))(
                8, los(g, Ulice))(9, QByteArray::number(zakres(1, 120)))(
                10, procent() < 40 ? QByteArray::number(zakres(1, 60)) : QByteArray())(11, telefon)(
                12, "")(13, ostatnie)(14, k.saldo)(15, k.abonament ? 1 : 0);
            if (k.abonament)
                ins(16, k.abonamentOd)(17, k.abonamentOd.addDays(30));
            else
                ins.pusty(16).pusty(17);
            ins(18, k.licznik)(19, procent() < 3 ? "Małżonek" : "")(20, k.licznikAb)(
                21, k.aktualny ? 1 : 0)(22, rabaty[zakres(0, std::size(rabaty) - 1)])
                .wykonaj();
            if (k.abonament) ++podsumowanie.abonenci;
        }
    }

    void zapiszFilmy(sqlite3* baza) {
        TPolecenie ins(
            baza,
            "insert into film (ID, Numer_filmu, Tytul_oryginalny, Tytul_polski, Produkcja, "
            "Rola_glowna_1, Rola_glowna_2, Rola_glowna_3, Rola_glowna_4, Rola_glowna_5, "
            "Gatunek, Nosnik, Czas_trwania, Rezyseria_1, Rezyseria_2, Stawka, Wplywy, "
            "Ilosc_wypozyczen, Cena_zakupu, Opis, Status, Aktualny) "
            "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        // About one film in ten has a second copy with the same titles.
        int tytul = 0;
        for (int id = 1; id <= r.filmy; ++id) {
            if (id == 1 || procent() >= 10) ++tytul;
            const TFilm& f = filmy[id];
            const TTytuly t = tytuly(tytul - 1);
            const QByteArray produkcja = QStringLiteral("%1 %2")
                                             .arg(QString::fromUtf8(los(g, Kraje)))
                                             .arg(zakres(1950, 2026))
                                             .toUtf8();
            auto tworca = [this] {
                const TOsoba o = osoba(g, [this] { return procent() >= 60; });
                return (o.imie + ' ' + o.nazwisko).toUtf8();
            };
            ins(1, id)(2, id)(3, t.oryginalny)(4, t.polski)(5, produkcja)(6, tworca())(7, tworca())(
                8, tworca())(9, "")(10, "")(11, los(g, Gatunki))(12, los(g, Nosniki))(
                13, QByteArray::number(zakres(75, 180)) + " min")(14, tworca())(15, "")(
                16, f.stawka)(17, f.wplywy)(18, f.ilosc)(19, zakres(20, 120) * 1.0)(20, "")(
                21, f.naPolce ? 1 : 0)(22, f.aktualny ? 1 : 0)
                .wykonaj();
        }
    }

    TRozmiarSklepu r;
    QDate dzis;
    std::mt19937 g;
    std::vector<TKlient> klienci;  // by ID
    std::vector<TFilm> filmy;      // by ID
    std::vector<int> wszyscy, aktywni, wszystkie, biezace;
    TPodsumowanieSklepu podsumowanie;
};

// Keeps the messages of the upgrade instead of showing them.
class TZapisKomunikatow : public TInterakcja {
public:
    QMessageBox::StandardButton Pokaz(const TKomunikat& k) override {
        teksty << k.tekst;
        return QMessageBox::Ok;
    }
    int PokazModalnie(QDialog&) override { return 0; }
    QStringList teksty;
};

// Takes the filled store through the program's upgrade, as its first start would.
void Aktualizuj() {
    TZapisKomunikatow zapis;
    TInterakcja* poprzednia = &Interakcja();
    UstawInterakcje(&zapis);
    {
        TQuery query;
        AktualizujStrukture(query);
    }
    UstawInterakcje(poprzednia);
    if (WersjaBazy() != WersjaSchematu()) throw TBladBazy(zapis.teksty.join('\n'));
}

}  // namespace

std::optional<TRozmiarSklepu> RozmiarSklepu(const QString& nazwa) {
    if (nazwa == QLatin1String("maly")) return TRozmiarSklepu{2000, 8000, 80000};
    if (nazwa == QLatin1String("duzy")) return TRozmiarSklepu{20000, 80000, 800000};
    if (nazwa == QLatin1String("pelny")) return TRozmiarSklepu{50000, 200000, 2000000};
    return std::nullopt;
}

std::optional<TArgumentyGeneratora> ArgumentyGeneratora(const QStringList& arg,
                                                        const char* narzedzie) {
    const auto rozmiar = arg.size() >= 3 ? RozmiarSklepu(arg[1]) : std::nullopt;
    const QDate dzien =
        arg.size() >= 4 ? QDate::fromString(arg[3], Qt::ISODate) : QDate::currentDate();
    if (!rozmiar || !dzien.isValid() || arg.size() > 4) {
        std::fprintf(stderr, "Użycie: %s maly|duzy|pelny KATALOG [RRRR-MM-DD]\n", narzedzie);
        return std::nullopt;
    }
    return TArgumentyGeneratora{*rozmiar, arg[2], dzien};
}

TPodsumowanieSklepu GenerujSklep(const QString& katalog, const TRozmiarSklepu& rozmiar,
                                 const QDate& dzis, unsigned ziarno) {
    if (QFileInfo::exists(QDir(katalog).filePath(PlikBazy)))
        throw TBladBazy(QStringLiteral("W katalogu %1 jest już baza danych.").arg(katalog));
    TBaza::Polacz(katalog);
    TBaza& b = *TBaza::Aktywna();
    // A half-written generated store is thrown away: no need to wait for the disk.
    b.Wykonaj(QStringLiteral("PRAGMA cache_size = -262144; PRAGMA synchronous = OFF"));
    b.Wykonaj(QStringLiteral("begin"));
    try {
        TGenerator generator(rozmiar, dzis, ziarno);
        const TPodsumowanieSklepu p = generator.generuj(b.Uchwyt());
        b.Wykonaj(QStringLiteral("commit"));
        Aktualizuj();
        TBaza::Rozlacz();
        return p;
    } catch (...) {
        sqlite3_exec(b.Uchwyt(), "rollback", nullptr, nullptr, nullptr);
        TBaza::Rozlacz();
        throw;
    }
}
