#include "support/PolaczenieSerwera.h"

#include <gtest/gtest.h>
#include <libpq-fe.h>

#include "store/Baza.h"
#include "store/Kursor.h"
#include "store/Tlumacz.h"

namespace {

QString Wartosc(const char* sql) {
    try {
        const std::unique_ptr<TKursor> k =
            TBaza::Aktywna()->Przygotuj(QString::fromLatin1(sql), {});
        return k->Krok() ? k->Wartosc(0).toString() : QString();
    } catch (const TBladBazy& e) {
        ADD_FAILURE() << sql << ": " << e.Tekst().toStdString();
        return {};
    }
}

}  // namespace

QString AdresAktywnejBazy() {
    return QStringLiteral("dbname=") + Wartosc("select current_database()");
}

void ZerwijPolaczenie() {
    const QByteArray proces = Wartosc("select pg_backend_pid()").toLatin1();
    PGconn* c = PQconnectdb("dbname=postgres");
    // Waits until the server process has ended.
    PGresult* r = PQexec(c, ("select pg_terminate_backend(" + proces + ", 10000)").constData());
    if (PQresultStatus(r) != PGRES_TUPLES_OK || QByteArray(PQgetvalue(r, 0, 0)) != "t")
        ADD_FAILURE() << "the connection was not ended: " << PQerrorMessage(c);
    PQclear(r);
    PQfinish(c);
}
