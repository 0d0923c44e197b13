#include "support/TestowaBaza.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "store/Baza.h"
#include "store/TQuery.h"
#include "store/Tlumacz.h"
#include "store/Zegar.h"
#include "store/uStruktura.h"

TestowaBaza::TestowaBaza(const QDate& dzisiaj) {
    UstawDzisiaj(dzisiaj);
    TBaza::Polacz(Katalog());
    // Every later table and column through the program's own start-up upgrade.
    TQuery query;
    AktualizujStrukture(query);
    if (WersjaBazy() != WersjaSchematu())
        ADD_FAILURE() << "the upgrade of a new store stopped at version " << WersjaBazy();
}

TestowaBaza::~TestowaBaza() {
    TBaza::Rozlacz();
    UstawDzisiaj(QDate());
}

QString TestowaBaza::Katalog() const {
    return katalog.path() + '/';
}

void TestowaBaza::Wykonaj(const QString& sql) const {
    try {
        TBaza::Aktywna()->Wykonaj(sql);
    } catch (const TBladBazy& e) {
        ADD_FAILURE() << "statement failed: " << e.Tekst().toStdString() << "\n"
                      << sql.toStdString();
    }
}

QVariant TestowaBaza::Wartosc(const QString& sql) const {
    sqlite3_stmt* st = nullptr;
    sqlite3* h = TBaza::Aktywna()->Uchwyt();
    if (sqlite3_prepare_v2(h, sql.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << "query failed: " << sqlite3_errmsg(h) << "\n" << sql.toStdString();
        return {};
    }
    QVariant v;
    if (sqlite3_step(st) == SQLITE_ROW) {
        switch (sqlite3_column_type(st, 0)) {
            case SQLITE_INTEGER:
                v = static_cast<qlonglong>(sqlite3_column_int64(st, 0));
                break;
            case SQLITE_FLOAT:
                v = sqlite3_column_double(st, 0);
                break;
            case SQLITE_TEXT:
                v = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
                break;
            default:
                break;
        }
    }
    sqlite3_finalize(st);
    return v;
}
