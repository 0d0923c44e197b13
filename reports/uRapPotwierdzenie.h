// The rental slip: what the last rental, return or extension did, for the client to take
// home, printed on A4 or on a till roll 80 or 58 mm wide as long as its content.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <vector>

#include "reports/OdczytRaportow.h"
#include "reports/Raport.h"
#include "settings/Wypozyczalnia.h"
#include "store/Kwota.h"

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
