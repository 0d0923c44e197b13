// The desk's reads of clients: the pick list's names and the client shown in the panel.
// A read gives nothing when its statement failed (the store's error has been shown).
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "store/Kwota.h"

class TQuery;

// A client as the desk's panel shows it.
struct TKlientPulpitu {
    int Id = 0;
    qint64 Numer = 0;
    QString Imie, Nazwisko, Upowazniony;
    bool Abonament = false;
    QDate AbonamentOD, AbonamentDO;
    TKwota Saldo;
    int LicznikAb = 0;
    int Rabat = 0;
    bool operator==(const TKlientPulpitu&) const = default;
};

// The current clients' entries of the pick list, "Nazwisko Imie", in the store's order.
std::optional<QStringList> NazwyKlientow(TQuery& q);
// The clients of this first name and surname (Numer read, Imie and Nazwisko as given).
std::optional<std::vector<TKlientPulpitu>> KlienciONazwie(TQuery& q, const QString& imie,
                                                          const QString& nazwisko);
// The current client of the number; nothing when there is none or the read failed.
std::optional<TKlientPulpitu> KlientONumerze(TQuery& q, qint64 numer);
