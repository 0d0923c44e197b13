// The statement routines, the transaction guard, the engine and alias checks.
#pragma once

#include <QString>
#include <QUrl>
#include <functional>

class TQuery;

// Runs a statement without a result; the query is closed afterwards. A failing
// statement shows its error text in a plain box and the caller goes on.
void UruchomSQL(TQuery& query, const QString& tekst);
// Opens a query positioned on its first row; on failure the query is left closed.
void OtworzSQL(TQuery& query, const QString& tekst);

// Reports a store error met outside a statement routine (a failing read while moving
// through a result, a missing column) as a failing statement does: its text once, and
// the operation in force fails. Nothing is shown when that operation already failed.
void ZglosBladBazy(const QString& tekst);

// Runs a multi-statement operation as one: from construction every statement through
// UruchomSQL/OtworzSQL belongs to it. The first failing statement shows its error text
// once; the remaining statements of the operation are skipped, and the whole operation
// is rolled back unless Zatwierdz succeeds. Guards nest: only the outermost one commits;
// an inner guard that ends without Zatwierdz takes back its own statements only, while a
// failing statement anywhere takes back the whole operation. Statements after Zatwierdz
// are outside the guard.
class TTransakcja {
public:
    TTransakcja();
    ~TTransakcja();
    TTransakcja(const TTransakcja&) = delete;
    TTransakcja& operator=(const TTransakcja&) = delete;

    // Commits when no statement failed; returns whether the operation is stored.
    bool Zatwierdz();
    // A statement of the operation in force has failed.
    static bool Przerwana();

private:
    void Zakoncz(bool zatwierdz);

    bool zewnetrzna;
    bool zakonczona = false;
    int poziom = 0;
};

// How many times a write refused for a conflict with another counter runs again.
inline constexpr int PowtorzeniaZapisu = 3;

// Runs a write operation (its statements in one transaction guard; true when stored). When
// the server takes the whole operation back for a conflict with another counter (a
// serialization failure or a deadlock), it runs again, up to PowtorzeniaZapisu times; the
// store's error is shown only when the last try fails so. Inside an operation already in
// force the write runs once, as part of it.
bool ZapiszZPowtorzeniem(const std::function<bool()>& zapis);

// The engine's persistent configuration: named aliases with a type and parameters,
// kept in an INI file of our own.
class TSesjaBDE {
public:
    explicit TSesjaBDE(QString plikKonfiguracji);
    bool JestAlias(const QString& nazwa) const;
    void DodajAlias(const QString& nazwa, const QString& typ, const QString& sciezka,
                    const QString& sterownik);
    void UsunAlias(const QString& nazwa);
    // The folder of the alias, or the empty text when it cannot be connected.
    QString Polacz(const QString& nazwa) const;
    QString Plik() const { return plik; }

private:
    QString plik;
};

// Where the engine's configuration lives for the program: under the user's
// configuration folder.
QString DomyslnyPlikKonfiguracjiBDE();

// What the start-up checks need from the system; tests replace each piece.
struct TSrodowiskoStartu {
    std::function<bool()> silnikDziala;
    std::function<bool(const QString&)> plikIstnieje;
    std::function<void(const QString&)> uruchomMaksymalnie;
    std::function<void(const QUrl&)> otworzStrone;
    static TSrodowiskoStartu Systemowe();
};

inline const QUrl StronaPobierania = QUrl(QStringLiteral("https://www.sqlite.org/download.html"));

// True when the engine works; otherwise offers its installer and returns false (the
// program ends).
bool SprawdzBDE(const TSrodowiskoStartu& srodowisko);
// Makes sure the alias "Film" points at the program's "Bazy" folder. Returns false when
// the program must end; otherwise sets katalogBazy.
bool SprawdzAlias(TSesjaBDE& sesja, const QString& katalogProgramu, QString& katalogBazy);
