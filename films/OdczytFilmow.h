// The store's reads for the film windows: each runs its statement and returns the rows as
// values. Nothing comes back when the statement failed; its error text has then been
// shown.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "films/ZapisFilmu.h"
#include "store/OdczytRekordu.h"
#include "widgets/ListaNumerowana.h"

class TQuery;

// The criteria of a search; an empty text is no criterion.
struct TKryteriaSzukania {
    QString tytul;    // a pattern as typed (the store's wildcards allowed)
    QString rezyser;  // an upper-cased name from the director list
    QString aktor;    // an upper-cased name from the actor list
    QString gatunek;
    QString nosnik;
};

// The statement listing the films that meet every criterion (columns ID, Numer_filmu,
// tytul), in number order, withdrawn films included. The typed title is lower-cased in
// the letters A to Z; every value is quoted so that it is searched for as it stands.
QString ZapytanieSzukania(const TKryteriaSzukania& kryteria);

// The current films in number order: number, "original (Polish)" and ID.
std::optional<TPozycjeListy> ListaFilmow(TQuery& q);
// The films found by the search, as the list shows them; whether any is found.
std::optional<TPozycjeListy> FilmySzukane(TQuery& q, const TKryteriaSzukania& kryteria);
std::optional<bool> ZnalezionoFilmy(TQuery& q, const TKryteriaSzukania& kryteria);

// A stored film with its shelf status.
struct TFilmZapisany : TDaneFilmu {
    bool NaPolce = true;
};
// The film by its ID; the next number follows every film, withdrawn ones included, and a
// number is taken by a current film only (a withdrawn film's number may be used again).
extern const TOdczytRekordu<TFilmZapisany> OdczytFilmu;

// Every director's and every leading actor's name, upper-cased, each once.
std::optional<std::vector<QString>> Rezyserzy(TQuery& q);
std::optional<std::vector<QString>> Aktorzy(TQuery& q);
