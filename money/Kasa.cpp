#include "money/Kasa.h"

#include <QTime>

#include "settings/UstawieniaSklepu.h"
#include "store/Formaty.h"
#include "store/Godzina.h"
#include "store/TQuery.h"
#include "store/Zegar.h"
#include "store/uWspolneDB.h"

void ZapiszRuchKasy(TQuery& query, int idKlienta, const QString& rodzaj, TKwota kwota,
                    const QString& opis) {
    if (kwota.Zero()) return;
    UruchomSQL(query, QStringLiteral("insert into kasa( Data, Czas, id_klienta, Rodzaj, Kwota, "
                                     "Opis, Stanowisko ) values ( ") +
                          DataSQL(Dzisiaj()) + QStringLiteral(", ") +
                          TekstSQL(Godzina().toString(QStringLiteral("HH:mm:ss"))) +
                          QStringLiteral(", ") + QString::number(idKlienta) + QStringLiteral(", ") +
                          TekstSQL(rodzaj) + QStringLiteral(", ") + KwotaSQL(kwota) +
                          QStringLiteral(", ") + TekstSQL(opis) + QStringLiteral(", ") +
                          TekstSQL(NazwaStanowiska()) + QStringLiteral(" )"));
}
