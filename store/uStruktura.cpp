#include "store/uStruktura.h"

#include <QStringList>
#include <utility>
#include <vector>

#include "store/TQuery.h"
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

}  // namespace

void AktualizujStrukture(TQuery& query) {
    uzupelnij(query, "klient", KolumnyKlienta);
    uzupelnij(query, "rental", KolumnyWypozyczen);
    uzupelnij(query, "film", KolumnyFilmu);
    query.Close();
}
