// The shop's own details printed on slips and cards, kept in the store for every counter
// (settings/UstawieniaSklepu.h, group WYPOZYCZALNIA), and the slip's paper of this computer,
// kept in the program's settings file (group WYPOZYCZALNIA, key Papier).
#pragma once

#include <QString>

enum class TPapierPotwierdzenia { A4, Rolka80, Rolka58 };

struct TWypozyczalnia {
    QString Nazwa;
    QString Adres;        // street and house number
    QString Miejscowosc;  // postal code and town
    QString Telefon;
    QString NIP;
    TPapierPotwierdzenia Papier = TPapierPotwierdzenia::A4;

    bool operator==(const TWypozyczalnia&) const = default;
};

// Longest texts the dialog takes, in characters.
inline constexpr int DlugoscNazwy = 80;
inline constexpr int DlugoscAdresu = 80;
inline constexpr int DlugoscTelefonu = 30;
inline constexpr int DlugoscNIP = 13;  // ten digits with dashes

// The details as saved; nothing saved yet gives empty texts and A4.
TWypozyczalnia WczytajWypozyczalnie();
// Saves the details; false when they are not stored (the store's error text has been shown,
// blad is empty) or, with the reason in Polish, when the file cannot be written.
bool ZapiszWypozyczalnie(const TWypozyczalnia& dane, QString* blad = nullptr);

// A Polish tax number: ten digits, dashes and blanks allowed between them, with a
// valid check digit. The empty text passes (the number is optional).
bool NIPPoprawny(const QString& nip);
