// The store's side of the client record: one client's fields and the function that saves
// them.
#pragma once

#include <QDate>
#include <QString>

#include "store/Kwota.h"

struct TDaneKlienta {
    int Numer = 0;
    QString Imie, Nazwisko, Firma, Kod, Miejscowosc, Ulica, NrPosesji, NrLokalu, Telefon, NIP,
        Upowazniony;
    QDate OstatnieWypozyczenie;
    TKwota Saldo;
    bool Abonament = false;
    QDate AbonamentOD, AbonamentDO;  // invalid: none
    int Licznik = 0;
    int LicznikAb = 0;
    int Rabat = 0;
};

// Saves the client in one transaction: a new one (id 0) is inserted as current, a stored
// one updated. True when it is stored; otherwise the store's error text has been shown.
bool ZapiszKlienta(int id, const TDaneKlienta& k);
