// The store check: SQLite's integrity check, the objects the program did not make, plus
// the rules the program keeps in the four tables. A plain function: a list of problems, each with
// its client or film number.
#pragma once

#include <QString>
#include <vector>

struct sqlite3;
class TBaza;

enum class TRodzajProblemu {
    Spojnosc,             // SQLite's integrity check
    WypozyczonyBezWpisu,  // marked out, no open rental refers to it
    NaPolceZWpisem,       // on the shelf, an open rental refers to it
    KilkaOtwartych,       // more than one open rental of a film
    BrakKlienta,          // a rental of a client that does not exist
    BrakFilmu,            // a rental of a film that does not exist
    Data,                 // a date that is not a calendar date
    Kwota,                // an amount that is not a number with at most two decimals
    Saldo,                // a client's balance that is not a number
    ObcyObiekt,           // an object the program did not make (ObceObiekty)
};

struct TProblemBazy {
    TRodzajProblemu rodzaj;
    QString opis;  // one line for the operator
};

// Checks the store open on the connection. A check that cannot run is itself a problem
// of the kind Spojnosc.
std::vector<TProblemBazy> SprawdzBaze(sqlite3* uchwyt);
// Checks a server store: the program's rules through statements (its columns' types keep
// the dates and amounts, and the server its own pages).
std::vector<TProblemBazy> SprawdzBazeSerwera(TBaza& baza);
// Checks the store file, opened read-only.
std::vector<TProblemBazy> SprawdzPlikBazy(const QString& plik);

inline const QString BrakBledow = QStringLiteral("Nie znaleziono błędów.");
// The report: one problem a line, or "Nie znaleziono błędów.".
QString RaportSprawdzenia(const std::vector<TProblemBazy>& problemy);
