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
    // The clients' ranking sums returned rentals from this index alone. Its amounts come
    // before the client, so no statement that picks a client's rentals chooses it (and
    // changes their order); the ranking groups by client after reading it.
    {"rental_zwrocone_naleznosc", "rental", "zwrocono, naleznosc, id_klienta", nullptr},
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
