// The store's reads for the film windows: each runs its statement and returns the rows as
// values. Nothing comes back when the statement failed; its error text has then been
// shown.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "films/ZapisFilmu.h"
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
// The film with this ID, for the list's details and for the record (two statements of
// their own); nothing also when no film has the ID.
std::optional<TFilmZapisany> SzczegolyFilmu(TQuery& q, int id);
std::optional<TFilmZapisany> FilmDoEdycji(TQuery& q, int id);
// The number after the highest of every film, withdrawn ones included; nothing also when
// it would not fit an int.
std::optional<int> NastepnyNumerFilmu(TQuery& q);
// Whether a current film holds the number (a withdrawn film's number may be used again).
std::optional<bool> NumerFilmuZajety(TQuery& q, qint64 numer);

// Every director's and every leading actor's name, upper-cased, each once.
std::optional<std::vector<QString>> Rezyserzy(TQuery& q);
std::optional<std::vector<QString>> Aktorzy(TQuery& q);
