#include "support/TestowaBaza.h"

#include <gtest/gtest.h>
#include <libpq-fe.h>
#include <unistd.h>

#include "store/Baza.h"
#include "store/Kursor.h"
#include "store/TQuery.h"
#include "store/Tlumacz.h"
#include "store/Zegar.h"
#include "store/uStruktura.h"

namespace {

// Runs one statement on the server's maintenance database; the error text, empty on success.
QString NaSerwerze(const QString& sql) {
    PGconn* c = PQconnectdb("dbname=postgres");
    QString blad;
    if (PQstatus(c) != CONNECTION_OK) {
        blad = QString::fromUtf8(PQerrorMessage(c));
    } else {
        PGresult* r = PQexec(c, sql.toUtf8().constData());
        if (PQresultStatus(r) != PGRES_COMMAND_OK) blad = QString::fromUtf8(PQerrorMessage(c));
        PQclear(r);
    }
    PQfinish(c);
    return blad;
}

}  // namespace

bool TestowaBaza::NaSerwerze() {
    return qEnvironmentVariable("WIRDOLAN_TEST_SERWER") == QLatin1String("1");
}

TestowaBaza::TestowaBaza(const QDate& dzisiaj) {
    UstawDzisiaj(dzisiaj);
    if (NaSerwerze()) {
        static int numer = 0;
        bazaSerwera = QStringLiteral("wirdolan_test_%1_%2").arg(getpid()).arg(++numer);
        // The database as the README tells a shop to make it: UTF-8, Polish order by ICU.
        const QString blad =
            ::NaSerwerze(QStringLiteral("create database %1 template template0 encoding 'UTF8' "
                                        "locale_provider icu icu_locale 'pl-PL' locale 'C.UTF-8'")
                             .arg(bazaSerwera));
        if (!blad.isEmpty()) {
            ADD_FAILURE() << "no test database on the server (run the tests under "
                             "pg_virtualenv, as tools/testy.sh does): "
                          << blad.toStdString();
            bazaSerwera.clear();
            return;
        }
    }
    PolaczPonownie();
    // Every later table and column through the program's own start-up upgrade.
    TQuery query;
    AktualizujStrukture(query);
    if (WersjaBazy() != WersjaSchematu())
        ADD_FAILURE() << "the upgrade of a new store stopped at version " << WersjaBazy();
}

void TestowaBaza::PolaczPonownie() const {
    if (bazaSerwera.isEmpty())
        TBaza::Polacz(Katalog());
    else
        TBaza::PolaczSerwer(QStringLiteral("dbname=") + bazaSerwera, Katalog());
}

TestowaBaza::~TestowaBaza() {
    TBaza::Rozlacz();
    UstawDzisiaj(QDate());
    if (!bazaSerwera.isEmpty())
        ::NaSerwerze(QStringLiteral("drop database if exists %1 with (force)").arg(bazaSerwera));
}

QString TestowaBaza::Katalog() const {
    return katalog.path() + '/';
}

void TestowaBaza::Wykonaj(const QString& sql) const {
    try {
        // The server reads the fixtures' True and False in its own dialect.
        QStringList parametry;
        TBaza::Aktywna()->Wykonaj(bazaSerwera.isEmpty() ? sql
                                                        : PrzetlumaczSQLSerwera(sql, parametry));
    } catch (const TBladBazy& e) {
        ADD_FAILURE() << "statement failed: " << e.Tekst().toStdString() << "\n"
                      << sql.toStdString();
    }
}

void TestowaBaza::Zablokuj(const char* zdarzenie, const char* tabela, const char* tekst) const {
    const QString z = QLatin1String(zdarzenie), t = QLatin1String(tabela),
                  w = QString::fromUtf8(tekst);
    if (bazaSerwera.isEmpty()) {
        Wykonaj(QStringLiteral("create trigger blokada before %1 on %2 begin select raise(abort, "
                               "'%3'); end")
                    .arg(z, t, w));
        return;
    }
    Wykonaj(QStringLiteral("create function blokada() returns trigger language plpgsql as $$ "
                           "begin raise exception '%3'; end $$; create trigger blokada before %1 "
                           "on %2 for each row execute function blokada()")
                .arg(z, t, w));
}

QVariant TestowaBaza::Wartosc(const QString& sql) const {
    try {
        const std::unique_ptr<TKursor> k = TBaza::Aktywna()->Przygotuj(sql, {});
        return k->Krok() ? k->Wartosc(0) : QVariant();
    } catch (const TBladBazy& e) {
        ADD_FAILURE() << "query failed: " << e.Tekst().toStdString() << "\n" << sql.toStdString();
        return {};
    }
}

QString TestowaBaza::Zawartosc() const {
    const char* const zapytania[] = {
        "select * from klient order by ID",
        "select * from film order by ID",
        "select * from rental order by id_filmu, id_klienta, dataOD, dataDO, zwrocono, "
        "DataZwrotu",
        "select * from kasa order by ID",
        "select * from dictionary order by Nazwa, Wartosc, Opis",
    };
    QString wynik;
    TQuery q;
    for (const char* sql : zapytania) {
        q.UstawSQL(QString::fromLatin1(sql));
        try {
            q.Open();
        } catch (const TBladBazy& e) {
            ADD_FAILURE() << "query failed: " << e.Tekst().toStdString() << "\n" << sql;
            continue;
        }
        for (; !q.Eof(); q.Next()) {
            QStringList pola;
            for (int i = 0; i < q.FieldCount(); ++i)
                pola << q.FieldByName(q.FieldName(i)).AsString();
            wynik += pola.join('|') + '\n';
        }
        wynik += QStringLiteral("--\n");
    }
    return wynik;
}
