// The store's side of the client record: one client's fields and the function that saves
// them.
#pragma once

#include <QDate>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

#include "store/Kwota.h"

class TQuery;

// As saved, and as read back by the reads of OdczytKlientow.h.
struct TDaneKlienta {
    qint64 Numer = 0;
    QString Imie, Nazwisko, Firma, Kod, Miejscowosc, Ulica, NrPosesji, NrLokalu, Telefon, NIP,
        Upowazniony;
    QDate OstatnieWypozyczenie;
    TKwota Saldo;
    bool Abonament = false;
    QDate AbonamentOD, AbonamentDO;  // invalid: none
    qint64 Licznik = 0;
    qint64 LicznikAb = 0;
    qint64 Rabat = 0;
};

// Payments taken while the record was open: the till journal's kind and the amount.
using TWplatyKlienta = std::vector<std::pair<QString, TKwota>>;

// Saves the client in one transaction: a new one (id 0) is inserted as current, a stored
// one updated; then each payment is booked in the till journal for the client. True when
// it is stored; otherwise the store's error text has been shown.
bool ZapiszKlienta(int id, const TDaneKlienta& k, const TWplatyKlienta& wplaty = {});

// The client leaves the current clients (archived) or comes back to them; one statement
// each, run through q inside the caller's guard if it has one.
void ArchiwizujKlienta(TQuery& q, int id);
void PrzywrocKlienta(TQuery& q, int id);
// The client brought back in a transaction of its own; true when it is stored.
bool ZapiszPowrotKlienta(int id);

// What keeps a client from the archive.
enum class TOdmowaArchiwum { Brak, Wypozyczenie, Naleznosci };
// In one transaction: archives the client unless it has a film out (stored as an open
// rental, or listed on the desk when listaZFilmami is true) or owes anything. The refusal
// (Brak: archived); nothing when a statement failed (its error text has been shown).
std::optional<TOdmowaArchiwum> ArchiwizujKlientaPoSprawdzeniu(int idKlienta, bool listaZFilmami);
