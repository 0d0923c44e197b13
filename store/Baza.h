// The connection to the store: one SQLite database file in the alias folder.
#pragma once

#include <QString>

#include "store/StanBazy.h"

struct sqlite3;

inline const QString PlikBazy = QStringLiteral("wirdolan.sqlite");
// How long a statement waits for a lock another connection holds on the store file, in
// milliseconds, before it fails as busy.
inline constexpr int CzekanieNaBlokade = 5000;

// A mark of what the store holds. It changes with every write through the program's
// connection (kept or rolled back), every commit through another connection, and every
// new connection; so two equal marks mean every table reads the same as before.
struct TZnacznikBazy {
    quint64 polaczenie = 0;  // 0: no store connected
    qint64 zmiany = 0;
    qint64 wersja = 0;
    bool operator==(const TZnacznikBazy&) const = default;
};

class TBaza {
public:
    // The connection every query object uses, or nullptr before Polacz.
    static TBaza* Aktywna();

    // Opens (and on a new installation creates, with the four tables) the store in the
    // given folder and makes it the active connection. A folder or file that cannot be
    // written, or a store holding objects the program did not make, opens for reading only
    // (Wada tells; TekstWady then names the objects). Throws TBladBazy with SQLite's code; a
    // file with tables none of which is the program's throws SQLITE_NOTADB and stays as
    // it is.
    static void Polacz(const QString& katalog);
    static void Rozlacz();
    // The mark of the active store; the empty mark when none is connected.
    static TZnacznikBazy Znacznik();

    sqlite3* Uchwyt() const { return uchwyt; }
    QString Katalog() const { return katalog; }
    // What keeps the store from being written (TWadaBazy::Brak when nothing), and the
    // store's text about it.
    TWadaBazy Wada() const { return wada; }
    QString TekstWady() const { return tekstWady; }

    // Runs statements of the store's own SQL (no translation); throws TBladBazy.
    void Wykonaj(const QString& sql);

    ~TBaza();

private:
    TBaza(sqlite3* h, QString folder) : uchwyt(h), katalog(std::move(folder)) {}
    void UtworzTabele();
    void RejestrujFunkcje();

    sqlite3* uchwyt;
    QString katalog;
    TWadaBazy wada = TWadaBazy::Brak;
    QString tekstWady;
    quint64 numer = 0;  // the connection's place in the order of connections made
};

// Checks that the embedded store works: opens an in-memory database and reads its version.
bool SilnikDziala();
