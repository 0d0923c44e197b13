// The store's reads for the client windows: each runs its statement and returns the rows
// as values. Nothing comes back when the statement failed; its error text has then been
// shown.
#pragma once

#include <optional>
#include <vector>

#include "clients/ZapisKlienta.h"
#include "money/OdczytPulpitu.h"
#include "money/Zapis.h"
#include "store/OdczytRekordu.h"
#include "widgets/ListaNumerowana.h"

class TQuery;

// The current clients: number, "surname first name" and ID.
std::optional<TPozycjeListy> ListaKlientow(TQuery& q);
// The client by its ID; the numbers run over every client, archived ones included.
extern const TOdczytRekordu<TDaneKlienta> OdczytKlienta;
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
