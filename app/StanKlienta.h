// What the desk says of the loaded client's standing: arrears, a negative balance, films
// past their due date, and the due date of one listed rental. Plain texts from values.
#pragma once

#include <QDate>
#include <QString>
#include <vector>

#include "store/Kwota.h"

// "1 dzień", "2 dni"; "1 film", "3 filmy", "5 filmów".
QString LiczbaDniTekst(int dni);
QString LiczbaFilmowTekst(int filmy);

struct TStanKlienta {
    TKwota Zaleglosci;               // the closed rentals' unpaid parts
    TKwota Saldo;                    // the client's balance
    std::vector<int> DniPoTerminie;  // of every open rental past its due date
};
// "Zaległości: 24,00 zł · Saldo: -5,00 zł · Po terminie: 2 filmy (najdłużej 5 dni)", each
// part only when there is something to say; empty when nothing is.
QString UwagaOKliencie(const TStanKlienta& stan);

// "Termin zwrotu: 07.12.2026, po terminie 2 dni" (dniPo > 0), "..., zostało 3 dni", or
// "..., zwrot dzisiaj"; dniPo are the late days the pricing counts, termin the due date.
QString TerminZwrotuTekst(const QDate& termin, const QDate& dzisiaj, int dniPo);
