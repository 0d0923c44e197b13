// A store file that cannot be used: what is wrong with it, told to the operator in Polish
// with the file and its folder named and what to do; the store's own text follows on a
// second line for the technician.
#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

struct sqlite3;

enum class TWadaBazy {
    Brak,         // an ordinary error of one statement
    Uszkodzona,   // the file is damaged
    ObcyPlik,     // the file is not a store of this program
    TylkoOdczyt,  // the folder or the file cannot be written
    BrakMiejsca,  // the disk is full
    BladDysku,    // the disk failed to read or write
    NieOtwarta,   // the file cannot be opened at all
    ObceObiekty,  // the store holds objects the program did not make: read, never written
};

// The kind of fault from SQLite's (extended) result code.
TWadaBazy WadaZKodu(int kod);
// The fault leaves what can be read readable: the program goes on and refuses each write.
bool MoznaCzytac(TWadaBazy wada);

// The message for the fault of the store file in the folder; tekstBazy is the store's
// own text, put on the second line (for ObceObiekty: the objects, named in the message).
QString KomunikatWadyBazy(TWadaBazy wada, const QString& katalog, const QString& tekstBazy);

// The text to show for a failing store call: the message above when the code tells of a
// fault of the store file of the active connection, otherwise the store's text as it is.
QString TekstBleduBazy(int kod, const QString& tekstBazy);
// The same for the last failing call on the connection.
QString TekstBleduBazy(sqlite3* uchwyt);

// The automatic copies, as the start-up offers them for a damaged store: the newest sound
// copy of the store in a folder (empty when none), and the restore of a copy into the folder
// (the error text in Polish, empty on success). Unset: nothing is offered. The moment a
// copy was made is told with the offer when chwila is set and gives a valid one.
struct TOfertaKopii {
    std::function<QString(const QString& katalogBazy)> najnowsza;
    std::function<QString(const QString& plikKopii, const QString& katalogBazy)> przywroc;
    std::function<QDateTime(const QString& plikKopii)> chwila;
};

// Connects the store of the folder at start-up. A store in a network folder is told once
// (see SystemPlikow.h), and the start goes on. A damaged file or one that is not a store
// of the program gets its message and ends the start (false), unless the operator takes
// the newest copy offered and it opens; the file itself is never changed. A folder or file
// that cannot be written gets its message once and the start goes on (true), reading.
// When AdresSerweraBazy names a server, the store is the database there instead: a server
// that cannot be reached is told with "Spróbuj ponownie" and "Zakończ" (false).
bool PolaczNaStarcie(const QString& katalogBazy, const TOfertaKopii& oferta);

// The server store's connection string: WIRDOLAN_BAZA from the environment (libpq's form)
// when set, else the server saved in the program's settings file ("Narzędzia" → "Baza
// danych…"); empty when the store is the file.
QString AdresSerweraBazy();
// Connects the server store at start-up, asking again while the server cannot be reached,
// and asking for the password when the server wants one ~/.pgpass does not give (kept in
// memory for this run); false when the operator ends the program.
bool PolaczSerwerNaStarcie(const QString& adres, const QString& katalogBazy);
