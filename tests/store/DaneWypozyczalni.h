// A small shop written into a fresh store by the program's own statements: three
// clients (one archived), three films (one withdrawn), four rentals (two open).
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <ostream>
#include <vector>

#include "store/TQuery.h"
#include "support/FakeInterakcja.h"
#include "support/TestowaBaza.h"

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

// Writes the shop through UruchomSQL; every statement must pass without a message.
void ZapiszWypozyczalnie(TQuery& query);

// The named columns of every row of the open result, read as text, moving to its end.
std::vector<QStringList> Wiersze(TQuery& query, const QStringList& kolumny);

class Wypozyczalnia : public ::testing::Test {
protected:
    void SetUp() override {
        ZapiszWypozyczalnie(query);
        ASSERT_TRUE(fake.komunikaty.empty()) << fake.komunikaty.front().tekst.toStdString();
    }
    // "{B}" in a statement stands for the tables' folder.
    QString Z(QString sql) const { return sql.replace(QStringLiteral("{B}"), B); }

    TestowaBaza baza;
    FakeInterakcja fake;
    TQuery query;
    const QString B = baza.Katalog();
};
