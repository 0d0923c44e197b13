// The connection to the store: one SQLite database file in the alias folder.
#pragma once

#include <QString>

struct sqlite3;

inline const QString PlikBazy = QStringLiteral("wirdolan.sqlite");

class TBaza {
public:
    // The connection every query object uses, or nullptr before Polacz.
    static TBaza* Aktywna();

    // Opens (and on a new installation creates, with the four tables) the store in the
    // given folder and makes it the active connection. Throws TBladBazy.
    static void Polacz(const QString& katalog);
    static void Rozlacz();

    sqlite3* Uchwyt() const { return uchwyt; }
    QString Katalog() const { return katalog; }

    // Runs statements of the store's own SQL (no translation); throws TBladBazy.
    void Wykonaj(const QString& sql);

    ~TBaza();

private:
    TBaza(sqlite3* uchwyt, QString katalog) : uchwyt(uchwyt), katalog(std::move(katalog)) {}
    void UtworzTabele();
    void RejestrujFunkcje();

    sqlite3* uchwyt;
    QString katalog;
};

// Checks that the embedded store works: opens an in-memory database and reads its version.
bool SilnikDziala();
