#include "store/uStruktura.h"

#include <QStringList>
#include <optional>
#include <vector>

#include "store/Baza.h"
#include "store/Indeksy.h"
#include "store/Interakcja.h"
#include "store/Kasa.h"
#include "store/StanBazy.h"
#include "store/TQuery.h"
#include "store/Tlumacz.h"
#include "store/uWspolneDB.h"

namespace {

struct TKolumna {
    const char* nazwa;
    const char* dodanie;
    const char* wypelnienie;  // nullptr: no fill
};

const TKolumna KolumnyKlienta[] = {
    {"Upowazniony", "alter table \"klient.db\" add \"klient.db\".\"Upowazniony\" CHAR(80)",
     nullptr},
    {"LicznikAb", "alter table \"klient.db\" add \"klient.db\".\"LicznikAb\" INTEGER",
     "update klient set LicznikAb = 0"},
    {"Aktualny", "alter table \"klient.db\" add \"klient.db\".\"Aktualny\" BOOLEAN",
     "update klient set Aktualny = True"},
    {"Rabat", "alter table \"klient.db\" add \"klient.db\".\"Rabat\" INTEGER",
     "update klient set Rabat = 0"},
};

const TKolumna KolumnyWypozyczen[] = {
    {"Z_abonamentu", "alter table \"rental.db\" add \"rental.db\".\"Z_abonamentu\" MONEY", nullptr},
    {"DataZwrotu", "alter table \"rental.db\" add \"rental.db\".\"DataZwrotu\" DATE", nullptr},
    {"Platnosc1", "alter table \"rental.db\" add \"rental.db\".\"Platnosc1\" MONEY", nullptr},
    {"Naleznosc", "alter table \"rental.db\" add \"rental.db\".\"Naleznosc\" MONEY", nullptr},
    {"Stawka", "alter table \"rental.db\" add \"rental.db\".\"Stawka\" MONEY", nullptr},
};

const TKolumna KolumnyFilmu[] = {
    {"Aktualny", "alter table \"film.db\" add \"film.db\".\"Aktualny\" BOOLEAN",
     "update film set Aktualny = True"},
};

// The day a copy was entered; films from before this column carry no date.
const TKolumna DataWprowadzeniaFilmu[] = {
    {"DataWprowadzenia", "alter table \"film.db\" add \"film.db\".\"DataWprowadzenia\" DATE",
     nullptr},
};

// The counter that wrote each movement of the till journal; older movements carry none.
const TKolumna StanowiskoKasy[] = {
    {"Stanowisko", "alter table \"kasa.db\" add \"kasa.db\".\"Stanowisko\" TEXT", nullptr},
};

// All lookups of one table are made on the same open result before any change.
template <size_t N>
void uzupelnij(TQuery& query, const char* tabela, const TKolumna (&kolumny)[N]) {
    OtworzSQL(query, QStringLiteral("select * from %1").arg(QLatin1String(tabela)));
    std::vector<const TKolumna*> brakujace;
    for (const TKolumna& k : kolumny)
        if (!query.Active() || !query.FindField(QLatin1String(k.nazwa))) brakujace.push_back(&k);
    query.Close();
    for (const TKolumna* k : brakujace) {
        UruchomSQL(query, QString::fromUtf8(k->dodanie));
        if (k->wypelnienie) UruchomSQL(query, QString::fromUtf8(k->wypelnienie));
    }
}

// Version 1: the columns that the versions before the recorded version added, when an older
// table lacks them. The set of columns present tells an unversioned store's shape.
void kolumnyStarszychWersji(TQuery& query) {
    uzupelnij(query, "klient", KolumnyKlienta);
    uzupelnij(query, "rental", KolumnyWypozyczen);
    uzupelnij(query, "film", KolumnyFilmu);
}

// Version 4: the film's entry date, for the labels of the films entered on a day.
void dataWprowadzeniaFilmu(TQuery& query) {
    uzupelnij(query, "film", DataWprowadzeniaFilmu);
    UruchomSQL(query, QStringLiteral("create index if not exists film_wprowadzenie on "
                                     "film(DataWprowadzenia)"));
}

// The one open rental of a copy: a second counter cannot rent a copy out twice.
const char* const JednoOtwarte =
    "create unique index if not exists rental_otwarty_film on rental(id_filmu) where not "
    "zwrocono";

// Version 5: a copy out on one open rental at most. A store already holding a copy out
// twice goes without the index until the shop settles them (the store check lists them);
// every start tries again.
void jednoOtwarteNaFilm(TQuery& query) {
    OtworzSQL(query, QStringLiteral("select id_filmu from rental where zwrocono = False group by "
                                    "id_filmu having count(*) > 1"));
    const bool bezPowtorzen = query.Active() && query.Eof();
    query.Close();
    if (bezPowtorzen) UruchomSQL(query, QString::fromLatin1(JednoOtwarte));
}

// Version 6: the counter of each till movement, and the table of the shop's own settings
// (its details, the label layout) that every counter reads alike.
void stanowiskaIUstawieniaSklepu(TQuery& query) {
    uzupelnij(query, "kasa", StanowiskoKasy);
    UruchomSQL(query, QStringLiteral("create table if not exists ustawienia ( Klucz TEXT "
                                     "primary key, Wartosc TEXT )"));
}

struct TKrok {
    int numer;
    void (*wykonaj)(TQuery& query);
};

// The numbered steps of the schema, oldest first. Step N brings a store of version N-1 to
// version N. It runs its statements through UruchomSQL/OtworzSQL inside one transaction
// guard that also records N in user_version; when a statement fails, the guard takes the
// whole step back and the upgrade stops there. A new store is created at version 1 (see
// Baza.cpp) and goes through the later steps like any other.
//
// To change the schema, append one line with the next number, e.g.
//     {2, [](TQuery& q) { UruchomSQL(q, "create index film_gatunek on film(Gatunek)"); }},
// A step never changes once shipped; the four tables keep every column and its meaning.
// clang-format off
const TKrok Kroki[] = {
    {1, kolumnyStarszychWersji},
    {2, UtworzIndeksyOdczytu},
    {3, UtworzKase},
    {4, dataWprowadzeniaFilmu},
    {5, jednoOtwarteNaFilm},  // may leave its index for a later start
    {6, stanowiskaIUstawieniaSklepu},
};
// clang-format on

constexpr int KrokJednegoOtwartego = 5;

bool zapiszWersje(int wersja) {
    TBaza* b = TBaza::Aktywna();
    if (!b) {
        KomunikatBledu(QStringLiteral("Brak połączenia z bazą danych."));
        return false;
    }
    try {
        b->ZapiszWersje(wersja);
        return true;
    } catch (const TBladBazy& e) {
        KomunikatBledu(TekstBleduBazy(e.Kod(), e.Tekst()));
        return false;
    }
}

bool wykonajKrok(TQuery& query, const TKrok& krok) {
    TTransakcja transakcja;
    if (TTransakcja::Przerwana()) return false;
    krok.wykonaj(query);
    query.Close();
    if (TTransakcja::Przerwana() || !zapiszWersje(krok.numer)) return false;
    return transakcja.Zatwierdz();
}

// The recorded version; on a failing read the store's error text, and nothing.
std::optional<int> odczytajWersje() {
    TBaza* b = TBaza::Aktywna();
    return b ? b->WersjaZapisana() : std::nullopt;
}

}  // namespace

int WersjaSchematu() {
    return std::end(Kroki)[-1].numer;
}

int WersjaBazy() {
    return odczytajWersje().value_or(0);
}

QString KomunikatNowszejBazy(int wersja) {
    return QStringLiteral(
               "Baza danych pochodzi z nowszej wersji programu Wirdolan (wersja bazy: %1, ta "
               "wersja programu zna wersje do %2) i ten program nie może z nią pracować.\n"
               "Zainstaluj na tym komputerze nowszą wersję programu. Baza danych pozostała bez "
               "zmian.")
        .arg(wersja)
        .arg(WersjaSchematu());
}

bool AktualizujStrukture(TQuery& query) {
    // A store holding objects the program did not make is only read, in its own shape, until
    // they are removed (the upgrade runs again then).
    TBaza* b = TBaza::Aktywna();
    if (!b || b->Wada() == TWadaBazy::ObceObiekty) return true;
    // The version is read under the schema's lock: a counter that waited finds the steps
    // another one took.
    try {
        b->ZablokujSchemat();
    } catch (const TBladBazy& e) {
        KomunikatBledu(TekstBleduBazy(e.Kod(), e.Tekst()));
        return true;
    }
    const std::optional<int> wersja = odczytajWersje();
    const bool nowsza = wersja && *wersja > WersjaSchematu();
    if (nowsza) {
        BladOgolny(KomunikatNowszejBazy(*wersja));
    } else if (wersja) {
        for (const TKrok& krok : Kroki) {
            if (krok.numer <= *wersja) continue;
            if (!wykonajKrok(query, krok)) break;
        }
        // The index an earlier start's step 5 left waiting: made once the copies out twice
        // are settled.
        if (*wersja >= KrokJednegoOtwartego && b->Wada() == TWadaBazy::Brak &&
            !b->MaIndeks(QStringLiteral("rental_otwarty_film"))) {
            TTransakcja transakcja;
            jednoOtwarteNaFilm(query);
            query.Close();
            transakcja.Zatwierdz();
        }
    }
    query.Close();
    try {
        b->OdblokujSchemat();
    } catch (const TBladBazy&) {
        // The lock ends with the connection anyway.
    }
    return !nowsza;
}
