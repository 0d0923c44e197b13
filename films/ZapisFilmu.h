// The store's side of the film record: one film's fields and the function that saves them.
#pragma once

#include <QString>

#include "store/Kwota.h"

class TQuery;

// As saved, and as read back by the reads of OdczytFilmow.h.
struct TDaneFilmu {
    int Numer = 0;
    QString TytulOrg, TytulPol, Produkcja;
    QString Role[5];
    QString Gatunek, Nosnik, Czas, Rezyser1, Rezyser2, Opis;
    TKwota Stawka, Wplywy, Cena;
    qint64 IloscWypozyczen = 0;
};

// Saves the film: a new one (id 0) is inserted on the shelf and current, with the typed
// values bound as they stand, and today as its entry date; a stored one is updated, its
// entry date kept. Each in one transaction. True when it is
// stored; otherwise the store's error text has been shown.
bool ZapiszFilm(int id, const TDaneFilmu& f);

// The film leaves the current films (withdrawn); one statement, run through q inside the
// caller's guard if it has one.
void WycofajFilmZBazy(TQuery& q, int id);
// The same in a transaction of its own; true when it is stored.
bool ZapiszWycofanieFilmu(int id);
// The film marked on the shelf or out, as the film record's button sets it.
void UstawStatusFilmu(TQuery& q, int id, bool naPolce);
