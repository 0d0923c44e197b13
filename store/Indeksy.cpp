#include "store/Indeksy.h"

#include "store/TQuery.h"
#include "store/uWspolneDB.h"

namespace {

struct TIndeks {
    const char* nazwa;
    const char* tabela;
    const char* kolumny;  // with their order, as in the definition
    const char* warunek;  // of a partial index; nullptr: none
};

const TIndeks Indeksy[] = {
    // The open rentals, in the table's own order (the rented and overdue lists have no
    // order of their own and keep the one of a whole-table scan).
    {"rental_otwarte", "rental", "zwrocono", "zwrocono = 0"},
    // The periodic report's range of rental days.
    {"rental_od", "rental", "dataOD", nullptr},
    // A client's and a film's history, newest first; rentals of one day in the order the
    // indexes by client and by film gave them before (open ones first, then as written).
    {"rental_klient_od", "rental", "id_klienta, dataOD desc, zwrocono", nullptr},
    {"rental_film_od", "rental", "id_filmu, dataOD desc, zwrocono", nullptr},
    // The clients' ranking sums returned rentals from the index alone, client by client
    // (equal sums keep the order of the client rows).
    {"rental_zwrocone_kwota", "rental", "zwrocono, id_klienta, naleznosc", nullptr},
    // The films' ranking reads current films by takings, highest first; equal takings in
    // the table's order, as a sort of the whole table gives them.
    {"film_wplywy", "film", "Aktualny, Wplywy desc", nullptr},
};

}  // namespace

const QStringList& IndeksyOdczytu() {
    static const QStringList nazwy = [] {
        QStringList n;
        for (const TIndeks& i : Indeksy) n << QString::fromLatin1(i.nazwa);
        return n;
    }();
    return nazwy;
}

void UtworzIndeksyOdczytu(TQuery& query) {
    for (const TIndeks& i : Indeksy) {
        // A store whose table lacks a column (a shape older than the program's) goes
        // without that index: its statements then fail by themselves, index or not.
        OtworzSQL(query, QStringLiteral("select * from %1").arg(QLatin1String(i.tabela)));
        bool komplet = query.Active();
        for (const QString& k : QString::fromLatin1(i.kolumny).split(','))
            komplet = komplet && query.FindField(k.trimmed().section(' ', 0, 0));
        query.Close();
        if (!komplet) continue;
        QString sql =
            QStringLiteral("create index if not exists %1 on %2(%3)")
                .arg(QLatin1String(i.nazwa), QLatin1String(i.tabela), QLatin1String(i.kolumny));
        if (i.warunek) sql += QStringLiteral(" where ") + QLatin1String(i.warunek);
        UruchomSQL(query, sql);
    }
}
