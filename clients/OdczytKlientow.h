// The store's reads for the client windows: each runs its statement and returns the rows
// as values. Nothing comes back when the statement failed; its error text has then been
// shown.
#pragma once

#include <optional>
#include <vector>

#include "clients/ZapisKlienta.h"
#include "money/OdczytPulpitu.h"
#include "money/Zapis.h"
#include "widgets/ListaNumerowana.h"

class TQuery;

// The current clients: number, "surname first name" and ID.
std::optional<TPozycjeListy> ListaKlientow(TQuery& q);
// The client with this ID, for the list's details and for the record (two statements of
// their own); nothing also when no client has the ID.
std::optional<TDaneKlienta> SzczegolyKlienta(TQuery& q, int id);
std::optional<TDaneKlienta> KlientDoEdycji(TQuery& q, int id);
// The number after the highest of every client, archived ones included; nothing also when
// it would not fit an int.
std::optional<int> NastepnyNumerKlienta(TQuery& q);
// Whether any client, archived ones included, holds the number.
std::optional<bool> NumerKlientaZajety(TQuery& q, qint64 numer);
// The client's stored balance.
std::optional<TKwota> SaldoKlienta(TQuery& q, int id);
// Whether the client has a rental out.
std::optional<bool> KlientMaWypozyczenie(TQuery& q, int id);

// A returned rental with an unpaid part, as the arrears window lists it.
struct TZalegloscFilmu : TZaleglosc {
    QString Tytul;  // "original (Polish)"
};
std::optional<std::vector<TZalegloscFilmu>> ZaleglosciKlienta(TQuery& q, int id);

// An archived client, for the archive window (sorted by surname).
struct TKlientArchiwalny {
    qint64 Id = 0;
    QString Nazwisko, Imie, Firma;
};
std::optional<std::vector<TKlientArchiwalny>> KlienciArchiwalni(TQuery& q);
