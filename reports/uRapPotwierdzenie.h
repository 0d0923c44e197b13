// The rental slip: what the last rental, return or extension did, for the client to take
// home, printed on A4 or on a till roll 80 or 58 mm wide as long as its content.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <vector>

#include "reports/Raport.h"
#include "settings/Wypozyczalnia.h"
#include "store/Kwota.h"

enum class TRodzajOperacji { Wypozyczenie, Zwrot, Przedluzenie };

struct TPozycjaPotwierdzenia {
    int IdFilmu = 0;
    qint64 NumerFilmu = 0;
    QString Tytul;
    QDate DataOD;
    QDate DataDO;      // due back (rental, extension)
    QDate DataZwrotu;  // brought back (return)
    TKwota Oplata;
};

struct TPotwierdzenie {
    TRodzajOperacji Rodzaj = TRodzajOperacji::Wypozyczenie;
    QDateTime Chwila;
    int IdKlienta = 0;
    qint64 NumerKlienta = 0;
    QString Klient;  // surname and first name
    std::vector<TPozycjaPotwierdzenia> Pozycje;
    TKwota Zaplacono;  // money taken by this operation
    TKwota Wydano;     // a surplus handed back
    TKwota Pozostaje;  // left unpaid by this operation
    TKwota Saldo;      // the client's balance afterwards
    QDate Termin;      // the first day a film of the client's is due back; none: all back
};

// Fills the client's number and name, each film's number and title, and the first due
// date of the client's open rentals, from the store.
void UzupelnijPotwierdzenie(TPotwierdzenie& p);

class TRapPotwierdzenie : public TRaport {
public:
    TRapPotwierdzenie(const TPotwierdzenie& potwierdzenie, const TWypozyczalnia& sklep);
    std::vector<TStrona> Uloz() override;

    // The paper of each setting: A4 with 10 mm margins; a roll with narrow margins, its
    // length set when the slip is laid out.
    static TFormatStrony FormatPapieru(TPapierPotwierdzenia papier);

private:
    void UlozPozycjeA4(class TUkladacz& u) const;
    void UlozPozycjeRolka(class TUkladacz& u) const;

    TPotwierdzenie dane;
    TWypozyczalnia wypozyczalnia;
};
