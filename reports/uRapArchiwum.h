// The printed history of one client (kind 1) or one film (kind 2).
#pragma once

#include "reports/Raport.h"

class TfKlienci;
class TfFilmy;

class TfRapArchiwum : public TRaport {
public:
    TfRapArchiwum();
    // Opens the header query (the subject) and the line query (its rentals, newest first)
    // and sets the texts of the kind.
    void Przygotuj(int rodzaj, int id);

    int Rodzaj = 1;
    // The subject of the title band; Dane holds the lines.
    TQuery QueryNaglowek;

private:
    TElement* Tekst(TRodzajPasma pasmo, const QString& nazwa);
};

// Prepares the printed history of one client (kind 1) or one film (kind 2) and shows it.
void DrukujArchiwum(int rodzaj, int id);
// The clients' and the films' lists print a record's history through DrukujArchiwum.
void PolaczArchiwum(TfKlienci& okno);
void PolaczArchiwum(TfFilmy& okno);
