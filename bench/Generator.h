// Fills a new store of the program's schema with a shop of a chosen size: Polish clients,
// film copies and ten years of rentals ending on a given day.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

struct TRozmiarSklepu {
    int klienci;
    int filmy;
    int wypozyczenia;
};

// "maly", "duzy" or "pelny"; nothing for another name.
std::optional<TRozmiarSklepu> RozmiarSklepu(const QString& nazwa);

// A generator tool's arguments: "maly|duzy|pelny KATALOG [RRRR-MM-DD]" (the day defaults to
// today). Nothing, with the usage told on the error output, when they are not so.
struct TArgumentyGeneratora {
    TRozmiarSklepu rozmiar;
    QString katalog;
    QDate dzien;
};
std::optional<TArgumentyGeneratora> ArgumentyGeneratora(const QStringList& arg,
                                                        const char* narzedzie);

struct TPodsumowanieSklepu {
    int otwarte = 0;     // open rentals (their films are out)
    int poTerminie = 0;  // open rentals past their due day
    int zalegle = 0;     // closed rentals with an unpaid part
    int abonenci = 0;    // clients holding a subscription
    int archiwalni = 0;  // archived clients
    int wycofane = 0;    // withdrawn films
};

// Creates the store in `katalog` (which must not hold one yet) through the program's own
// schema code, fills it in one transaction and takes it through the program's upgrade.
// The same seed gives the same shop.
// Throws TBladBazy.
TPodsumowanieSklepu GenerujSklep(const QString& katalog, const TRozmiarSklepu& rozmiar,
                                 const QDate& dzis, unsigned ziarno = 2026);
