// The store this counter works on, as the program's settings file keeps it: the file beside
// the program, or a database on a PostgreSQL server; the trial of a server, and the password
// asked for at start. A password is never kept in the file: it comes from the user's
// ~/.pgpass or is asked for at start.
#pragma once

#include <QString>

#include "store/Baza.h"

inline constexpr int DomyslnyPortSerwera = 5432;

struct TWyborBazy {
    TRodzajBazy Rodzaj = TRodzajBazy::Plik;
    QString Serwer;  // a host name or address, or the folder of the server's socket
    int Port = DomyslnyPortSerwera;
    QString Baza = QStringLiteral("wirdolan");
    QString Uzytkownik = QStringLiteral("wirdolan");
    bool Szyfrowanie = true;  // the connection must use TLS
    QString Stanowisko;       // this counter's name
    bool operator==(const TWyborBazy&) const = default;
};

// The group of the settings file that holds the choice, and the key of the counter's name
// in it.
inline const QString GrupaBazy = QStringLiteral("BAZA");
inline const QString KluczStanowiska = QStringLiteral("Stanowisko");

// The saved choice; nothing saved gives the file store, and the computer's name for the
// counter.
TWyborBazy WczytajWyborBazy();
// False, with the reason in Polish in blad, when the settings file cannot be written.
bool ZapiszWyborBazy(const TWyborBazy& wybor, QString* blad = nullptr);

// The server's connection string in libpq's form built from the choice (each value quoted,
// TLS required when Szyfrowanie); empty for the file store.
QString AdresZWyboru(const TWyborBazy& wybor);
// One value of a connection string in libpq's quotes: 'a b' -> 'a b', O'Neil -> 'O\'Neil'.
QString WartoscAdresu(const QString& wartosc);

// The code of the TBladBazy TBaza::PolaczSerwer throws when the server asks for a password
// that neither the connection string, ~/.pgpass nor UstawHasloSerwera gives.
inline constexpr int KodBrakHasla = 1 << 20;
// The password the server store's connections give from now on, kept in memory only for
// this run (the reconnects use it too); empty: none of the program's own. A connection
// that the server refuses with it forgets it, so that it is asked for again.
void UstawHasloSerwera(const QString& haslo);

// Tries a connection to the server a connection string names, apart from the active store:
// whether the program can work on its database, and the Polish text telling so.
struct TProbaPolaczenia {
    bool dziala = false;
    QString tekst;
};
TProbaPolaczenia SprawdzPolaczenie(const QString& adres);
