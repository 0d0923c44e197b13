#include "support/Przerwania.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QStringList>
#include <cstring>

#include "store/Baza.h"

namespace {

sqlite3* uchwyt() {
    return TBaza::Aktywna() ? TBaza::Aktywna()->Uchwyt() : nullptr;
}

QStringList wiersze(sqlite3* h, const QByteArray& sql) {
    QStringList wynik;
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(h, sql.constData(), -1, &st, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << sqlite3_errmsg(h) << "\n" << sql.constData();
        return wynik;
    }
    while (sqlite3_step(st) == SQLITE_ROW) {
        QStringList pola;
        for (int i = 0; i < sqlite3_column_count(st); ++i) {
            const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
            pola << (t ? QString::fromUtf8(t) : QStringLiteral("<null>"));
        }
        wynik << pola.join('|');
    }
    sqlite3_finalize(st);
    return wynik;
}

// A statement's own start, not the start of a trigger inside it.
bool poczatekPolecenia(void* sql) {
    return std::strncmp(static_cast<const char*>(sql), "--", 2) != 0;
}

int liczonePolecenia = 0;
int numerUbicia = 0;

int ubijNaPoleceniu(unsigned, void*, void*, void* sql) {
    if (poczatekPolecenia(sql) && ++liczonePolecenia == numerUbicia) raise(SIGKILL);
    return 0;
}

}  // namespace

QString ZrzutBazy() {
    sqlite3* h = uchwyt();
    if (!h) return {};
    QStringList zrzut = wiersze(h, "PRAGMA user_version");
    zrzut << wiersze(h, "select type, name, sql from sqlite_master order by type, name");
    for (const QString& tabela :
         wiersze(h,
                 "select name from sqlite_master where type = 'table' and name not like "
                 "'sqlite%' order by name")) {
        zrzut << "[" + tabela + "]";
        zrzut << wiersze(h, "select * from \"" + tabela.toUtf8() + "\" order by rowid");
    }
    return zrzut.join('\n');
}

TBladNaPoleceniu::TBladNaPoleceniu(int numer) : n(numer) {
    sqlite3_trace_v2(uchwyt(), SQLITE_TRACE_STMT, &TBladNaPoleceniu::slad, this);
}

TBladNaPoleceniu::~TBladNaPoleceniu() {
    if (sqlite3* h = uchwyt()) sqlite3_trace_v2(h, 0, nullptr, nullptr);
}

int TBladNaPoleceniu::slad(unsigned, void* ja, void*, void* sql) {
    auto* b = static_cast<TBladNaPoleceniu*>(ja);
    if (poczatekPolecenia(sql) && ++b->liczba == b->n) sqlite3_interrupt(uchwyt());
    return 0;
}

bool UbijNaPoleceniu(const QString& katalogBazy, int n, const std::function<void()>& operacja) {
    TBaza::Rozlacz();
    const pid_t dziecko = fork();
    if (dziecko == 0) {
        TBaza::Polacz(katalogBazy);
        liczonePolecenia = 0;
        numerUbicia = n;
        sqlite3_trace_v2(uchwyt(), SQLITE_TRACE_STMT, &ubijNaPoleceniu, nullptr);
        operacja();
        TBaza::Rozlacz();
        _exit(0);
    }
    int status = 0;
    waitpid(dziecko, &status, 0);
    TBaza::Polacz(katalogBazy);
    if (WIFEXITED(status)) {
        EXPECT_EQ(WEXITSTATUS(status), 0);
        return false;
    }
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}
