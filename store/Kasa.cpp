#include "store/Kasa.h"

#include "store/TQuery.h"
#include "store/uWspolneDB.h"

void UtworzKase(TQuery& query) {
    UruchomSQL(query,
               QStringLiteral("create table if not exists kasa ("
                              " ID integer primary key autoincrement, Data DATE, Czas CHAR(8),"
                              " id_klienta INTEGER, Rodzaj CHAR(20), Kwota REAL, Opis CHAR(200))"));
    UruchomSQL(query, QStringLiteral("create index if not exists kasa_data on kasa(Data, ID)"));
}
