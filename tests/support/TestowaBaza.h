// A fresh store in a temporary folder for one test, with a fixed clock.
#pragma once

#include <QDate>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>

class TestowaBaza {
public:
    // Creates and connects a new store in a temporary folder, brought to the current
    // schema by the start-up upgrade as a real store is.
    explicit TestowaBaza(const QDate& dzisiaj = QDate(2024, 3, 5));
    ~TestowaBaza();

    // The folder holding the tables, ending in a separator (as KatalogBazy).
    QString Katalog() const;
    QString Folder() const { return katalog.path(); }

    // Runs statements of the store's own SQL directly; fails the test on an error.
    void Wykonaj(const QString& sql) const;
    // The first column of the first row of a store-SQL query (null when no row).
    QVariant Wartosc(const QString& sql) const;
    int Ile(const QString& sql) const { return Wartosc(sql).toInt(); }

private:
    QTemporaryDir katalog;
};
