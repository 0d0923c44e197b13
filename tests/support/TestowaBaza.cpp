#include "support/TestowaBaza.h"

#include <gtest/gtest.h>
#include <libpq-fe.h>
#include <sqlite3.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>

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

// The fixtures' inserts write a boolean column as 0 or 1, as the file store keeps it; on the
// server such a value is written false or true. Other statements are left as they are.
QString LogiczneNaSerwerze(const QString& sql) {
    static const QRegularExpression wstawienie(
        QStringLiteral(R"(^\s*insert\s+into\s+\w+\s*\(([^)]*)\)\s*values\s*)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = wstawienie.match(sql);
    if (!m.hasMatch()) return sql;
    static const QStringList logiczne = {"aktualny", "abonament", "status", "zwrocono"};
    std::vector<bool> czyLogiczna;
    for (const QString& k : m.captured(1).split(','))
        czyLogiczna.push_back(logiczne.contains(k.trimmed().toLower()));
    QString wynik = sql.left(m.capturedEnd());
    QString wartosc;
    int glebokosc = 0;
    size_t kolumna = 0;
    bool wCudzyslowie = false;
    const auto dopiszWartosc = [&] {
        const QString w = wartosc.trimmed();
        const bool zamien = kolumna < czyLogiczna.size() && czyLogiczna[kolumna] &&
                            (w == QLatin1String("0") || w == QLatin1String("1"));
        wynik += zamien ? wartosc.replace(w, w == QLatin1String("1") ? "true" : "false") : wartosc;
        wartosc.clear();
    };
    for (const QChar z : sql.mid(m.capturedEnd())) {
        QString& dokad = glebokosc == 0 ? wynik : wartosc;
        if (wCudzyslowie || z == '\'') {
            if (z == '\'') wCudzyslowie = !wCudzyslowie;
            dokad += z;
        } else if (z == '(' && glebokosc++ == 0) {
            kolumna = 0;
            wynik += z;
        } else if (z == ')' && glebokosc > 0 && --glebokosc == 0) {
            dopiszWartosc();
            wynik += z;
        } else if (z == ',' && glebokosc == 1) {
            dopiszWartosc();
            wynik += z;
            ++kolumna;
        } else {
            dokad += z;
        }
    }
    return wynik;
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

// A database made from another as its template takes its rows and sequences whole; no one
// may be connected to the template meanwhile. The test's connection is made anew.
void TestowaBaza::KopiujBazeSerwera(const QString& z, const QString& na) const {
    TBaza::Rozlacz();
    ::NaSerwerze(QStringLiteral("drop database if exists %1 with (force)").arg(na));
    const QString blad = ::NaSerwerze(QStringLiteral("create database %1 template %2").arg(na, z));
    EXPECT_TRUE(blad.isEmpty()) << blad.toStdString();
    PolaczPonownie();
}

TestowaBaza::~TestowaBaza() {
    TBaza::Rozlacz();
    UstawDzisiaj(QDate());
    if (!bazaSerwera.isEmpty())
        for (const QString& nazwa : {bazaSerwera, bazaSerwera + QStringLiteral("_wzor")})
            ::NaSerwerze(QStringLiteral("drop database if exists %1 with (force)").arg(nazwa));
}

std::unique_ptr<TBaza> TestowaBaza::NowyPlik(const QString& nazwa) const {
    auto plik = TBaza::OtworzPlik(QDir(Folder()).filePath(nazwa));
    TNaBazie na(*plik);
    TQuery query;
    AktualizujStrukture(query);
    return plik;
}

QString TestowaBaza::Katalog() const {
    return katalog.path() + '/';
}

void TestowaBaza::Wykonaj(const QString& sql) const {
    try {
        if (bazaSerwera.isEmpty()) {
            TBaza::Aktywna()->Wykonaj(sql);
            return;
        }
        // The server reads the fixtures' True and False in its own dialect.
        QStringList parametry;
        TBaza::Aktywna()->Wykonaj(PrzetlumaczSQLSerwera(LogiczneNaSerwerze(sql), parametry));
        // Rows inserted with their keys: the server's own next key goes past them.
        static const QRegularExpression zKluczem(
            QStringLiteral(R"(^\s*insert\s+into\s+(\w+)\s*\(\s*id\s*,)"),
            QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch m = zKluczem.match(sql);
        if (m.hasMatch())
            TBaza::Aktywna()->Wykonaj(
                QStringLiteral("select setval(pg_get_serial_sequence('%1', 'id'), "
                               "(select max(id) from %1))")
                    .arg(m.captured(1).toLower()));
    } catch (const TBladBazy& e) {
        ADD_FAILURE() << "statement failed: " << e.Tekst().toStdString() << "\n"
                      << sql.toStdString();
    }
}

void TestowaBaza::Zablokuj(const char* zdarzenie, const char* tabela, const char* tekst) const {
    const QString z = QLatin1String(zdarzenie), t = QLatin1String(tabela),
                  w = QString::fromUtf8(tekst);
    if (bazaSerwera.isEmpty()) {
        Wykonaj(QStringLiteral("create trigger blokada_%2 before %1 on %2 begin select "
                               "raise(abort, '%3'); end")
                    .arg(z, t, w));
        return;
    }
    Wykonaj(QStringLiteral("create function blokada_%2() returns trigger language plpgsql as $$ "
                           "begin raise exception '%3'; end $$; create trigger blokada_%2 before "
                           "%1 on %2 for each row execute function blokada_%2()")
                .arg(z, t, w));
}

QVariant TestowaBaza::DrugiePolaczenie(const QString& sql) const {
    const QByteArray tekst = sql.toUtf8();
    QVariant wartosc;
    QString blad;
    if (!bazaSerwera.isEmpty()) {
        PGconn* c = PQconnectdb(("dbname=" + bazaSerwera).toUtf8().constData());
        PGresult* r = PQexec(c, tekst.constData());
        const ExecStatusType stan = PQresultStatus(r);
        if (stan != PGRES_COMMAND_OK && stan != PGRES_TUPLES_OK)
            blad = QString::fromUtf8(PQerrorMessage(c));
        else if (PQntuples(r) > 0 && !PQgetisnull(r, 0, 0))
            wartosc = QString::fromUtf8(PQgetvalue(r, 0, 0));
        PQclear(r);
        PQfinish(c);
    } else {
        sqlite3* h = nullptr;
        if (sqlite3_open(QFile::encodeName(Katalog() + PlikBazy).constData(), &h) == SQLITE_OK) {
            sqlite3_busy_timeout(h, CzekanieNaBlokade);
            const char* reszta = tekst.constData();
            while (blad.isEmpty() && *reszta) {
                sqlite3_stmt* st = nullptr;
                if (sqlite3_prepare_v2(h, reszta, -1, &st, &reszta) != SQLITE_OK) {
                    blad = QString::fromUtf8(sqlite3_errmsg(h));
                    break;
                }
                if (!st) continue;
                int krok = sqlite3_step(st);
                if (krok == SQLITE_ROW) {
                    const unsigned char* t = sqlite3_column_text(st, 0);
                    wartosc = t ? QVariant(QString::fromUtf8(reinterpret_cast<const char*>(t)))
                                : QVariant();
                    while (krok == SQLITE_ROW) krok = sqlite3_step(st);
                }
                if (krok != SQLITE_DONE) blad = QString::fromUtf8(sqlite3_errmsg(h));
                sqlite3_finalize(st);
            }
        } else {
            blad = QString::fromUtf8(sqlite3_errmsg(h));
        }
        sqlite3_close(h);
    }
    if (!blad.isEmpty())
        ADD_FAILURE() << "second connection: " << blad.toStdString() << "\n" << tekst.constData();
    return wartosc;
}

QVariant TestowaBaza::Wartosc(const QString& sql) {
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
        ("select * from rental order by id_filmu, id_klienta, dataOD, dataDO, zwrocono, "
         "DataZwrotu"),
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
            // The server's key of the rentals is its own: the rows are compared alike.
            for (int i = 0; i < q.FieldCount(); ++i)
                if (q.FieldName(i) != QLatin1String(KolumnaKolejnosci))
                    pola << q.FieldByName(q.FieldName(i)).AsString();
            wynik += pola.join('|') + '\n';
        }
        wynik += QStringLiteral("--\n");
    }
    return wynik;
}
