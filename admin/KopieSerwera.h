// The copies of a server store and the move of a shop onto a server. A copy of a server
// store is an SQLite file of the same form as the file store's copies (the current
// schema, every row), so that a copy restores into either kind of store.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <functional>
#include <stop_token>

class TBaza;

// Makes beside cel the empty store file of the current schema that the copy fills. On the
// program's thread (the schema's upgrade runs on it). The error text, empty on success.
QString PrzygotujKopieSerwera(const QString& cel);
// Fills the file prepared for cel with every row of the server's database the connection
// string names, through a connection of its own (any thread), and gives it cel's name; a
// failure or a stop leaves no file. postep hears the percent copied. The error text in
// Polish, empty on success.
QString WypelnijKopieSerwera(const QString& adres, const QString& cel, std::stop_token stop = {},
                             const std::function<void(int)>& postep = {});
// Both steps, on the program's thread.
QString KopiujBazeSerwera(const QString& adres, const QString& cel);

// Replaces every row of the active server store by the rows of the copy, in one
// transaction: checks the copy (OpiszKopie), keeps the server's rows in a copy in Kopie/ of
// katalogBazy (its path in zachowana), brings a copy of an older schema to the current one.
// The error text in Polish, empty on success; on an error the store is as before.
QString PrzywrocBazeSerwera(const QString& plikKopii, const QString& katalogBazy,
                            const QDateTime& teraz, QString* zachowana = nullptr);

// The day's automatic copy of a server store is made by one counter: the first to claim
// the day in the store, on its connection. A claim whose connection has ended before its
// copy was made (the program stopped) is free again. True when this call claimed it;
// throws TBladBazy.
bool ZajmijKopieDnia(TBaza& baza, const QDate& dzien);
// Gives the day back (its copy failed or was stopped), through a connection of its own;
// an error is left unsaid.
void ZwolnijKopieDnia(const QString& adres, const QDate& dzien);
// Marks the day's copy made, likewise: the day is not claimed again.
void ZakonczKopieDnia(const QString& adres, const QDate& dzien);

// "Przenieś dane z tego komputera na serwer": copies the open file store into the empty
// database of the server the connection string names, in one transaction, and makes the
// server the active store (the caller keeps the setting and reloads what it shows). A
// database that already holds data is refused. The rows go over on a thread of their own
// while the program's events go on; postep hears the percent copied. Tells the operator the
// outcome; true on success.
bool PrzeniesDaneNaSerwer(const QString& adres, const std::function<void(int)>& postep = {});
