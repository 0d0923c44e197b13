// The connection to the store: one SQLite database file in the alias folder (the file
// store), or a database on a PostgreSQL server shared by several counters (the server
// store). Every statement of the program runs unchanged on both.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <optional>
#include <vector>

#include "store/StanBazy.h"

struct sqlite3;
class TKursor;

inline const QString PlikBazy = QStringLiteral("wirdolan.sqlite");
// How long a statement waits for a lock another connection holds on the store file, in
// milliseconds, before it fails as busy.
inline constexpr int CzekanieNaBlokade = 5000;

enum class TRodzajBazy { Plik, Serwer };

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
    // Connects the database of a PostgreSQL server named by a connection string in libpq's
    // form ("host=/run/postgresql dbname=wirdolan") and makes it the active connection; an
    // empty database gets the program's tables. The folder keeps the program's local files
    // (the copies). Throws TBladBazy.
    static void PolaczSerwer(const QString& adres, const QString& katalog);
    // A connection that is not made active, for copying one store into another: to a store
    // file (created with the four tables when new; only read with tylkoOdczyt), or to a
    // server's database as PolaczSerwer makes it. Throw TBladBazy.
    static std::unique_ptr<TBaza> OtworzPlik(const QString& plik, bool tylkoOdczyt = false);
    static std::unique_ptr<TBaza> OtworzSerwer(const QString& adres, const QString& katalog);
    static void Rozlacz();
    // Takes the active connection out (then none is active); the caller keeps it open.
    static std::unique_ptr<TBaza> Odlacz();
    // The mark of the active store; the empty mark when none is connected.
    static TZnacznikBazy Znacznik();

    virtual ~TBaza();

    virtual TRodzajBazy Rodzaj() const = 0;
    // The file store's SQLite connection; nullptr for a server store.
    virtual sqlite3* Uchwyt() const { return nullptr; }
    // A second connection to the same store that only reads, for a read on another thread
    // while this one goes on (it is never the active one); nullptr when the store gives none
    // (a server store) or it cannot be opened.
    virtual std::unique_ptr<TBaza> PolaczenieDoOdczytu() const { return nullptr; }
    // Stops the statement running on this connection (from any thread): it fails at once.
    virtual void Przerwij() {}
    QString Katalog() const { return katalog; }
    // The server store's connection string; empty for a file store.
    QString Adres() const { return adres; }
    // What keeps the store from being written (TWadaBazy::Brak when nothing), and the
    // store's text about it.
    TWadaBazy Wada() const { return wada; }
    QString TekstWady() const { return tekstWady; }

    // Runs statements of the store's own SQL (no translation); throws TBladBazy.
    virtual void Wykonaj(const QString& sql) = 0;
    // Runs one statement of the store's own SQL; false, with the store's text for
    // TekstBleduBazy in blad, when it fails.
    bool WykonajBezWyjatku(const QString& sql, QString* blad = nullptr);
    // Translates a statement of the program, binds its :name parameters (upper-case names
    // with ':' in parametry; a parameter without a value is null) and prepares it. Throws
    // TBladBazy.
    virtual std::unique_ptr<TKursor> Przygotuj(const QString& lokalny,
                                               const QHash<QString, QVariant>& parametry) = 0;
    // The schema version recorded in the store; empty, with the error shown, on failure.
    virtual std::optional<int> WersjaZapisana() = 0;
    // Records the schema version (inside the upgrade step's transaction); throws.
    virtual void ZapiszWersje(int wersja) = 0;
    // Whether the store holds an index of the name; false when it cannot be told.
    virtual bool MaIndeks(const QString& nazwa) = 0;
    // The key given to the row this connection last inserted into the table, when the store
    // hands keys to several counters at once (a server); nothing for a file store, whose
    // write lock makes the table's highest key the one just inserted. Throws TBladBazy.
    virtual std::optional<qint64> KluczWstawionego(const QString& tabela) {
        Q_UNUSED(tabela);
        return std::nullopt;
    }
    // Appends rows to a table in one go where the store has a quicker way than statements
    // (a server's COPY): each row holds the columns' values in order, as statements bind
    // them. False when it has none, and the caller inserts by statements. Throws TBladBazy.
    virtual bool WstawWiersze(const QString& tabela, const QStringList& kolumny,
                              const std::vector<std::vector<QVariant>>& wiersze) {
        Q_UNUSED(tabela);
        Q_UNUSED(kolumny);
        Q_UNUSED(wiersze);
        return false;
    }
    // Opens the outermost transaction of a write; a file store takes its write lock at once.
    virtual void Zacznij() = 0;
    // Holds the schema for the upgrade, so that two counters starting together upgrade it
    // once (the server's advisory lock; a file store's write lock does it by itself).
    virtual void ZablokujSchemat() {}
    virtual void OdblokujSchemat() {}

protected:
    explicit TBaza(QString folder) : katalog(std::move(folder)) {}
    // The mark of this connection's store.
    virtual TZnacznikBazy ZnacznikPolaczenia() const = 0;
    // Makes the connection the active one.
    static void Ustaw(std::unique_ptr<TBaza> baza);

    QString katalog;
    QString adres;
    TWadaBazy wada = TWadaBazy::Brak;
    QString tekstWady;
    quint64 numer = 0;  // the connection's place in the order of connections made
};

// For its lifetime, the statements of the program's thread that name no connection (the
// schema upgrade's among them) run on the given connection instead of the active one.
class TNaBazie {
public:
    explicit TNaBazie(TBaza& baza);
    ~TNaBazie();
    TNaBazie(const TNaBazie&) = delete;
    TNaBazie& operator=(const TNaBazie&) = delete;

private:
    TBaza* poprzednia;
};

// The server a connection string names, for the operator: "host:port/database" (the
// parts not given are left out; a password never shows).
QString OpisSerwera(const QString& adres);

// Checks that the embedded store works: opens an in-memory database and reads its version.
bool SilnikDziala();
