#include "money/uKoszyk.h"

#include <vector>

#include "money/uCennik.h"
#include "store/Formaty.h"

TNazwaKlienta PodzielNazweKlienta(const QString& wpis) {
    const int kreska = wpis.indexOf('-');
    const int odstep = wpis.indexOf(' ');
    int koniec;  // where the surname ends
    // A hyphen further on belongs to a first name (Nowak Jan-Paweł).
    if (kreska >= 0 && (odstep < 0 || kreska < odstep)) {
        // The character after the hyphen belongs to the surname even when it is a blank.
        const int dalej = qMin(kreska + 2, static_cast<int>(wpis.size()));
        koniec = wpis.indexOf(' ', dalej);
    } else {
        koniec = odstep;
    }
    if (koniec < 0) return {wpis, QString()};
    return {wpis.left(koniec), wpis.mid(koniec + 1)};
}

QString SeparatorTytulu() {
    return QString(80, '=');
}
QString SeparatorKwoty() {
    return QString(21, '=');
}

int LiczbaWierszyFilmow(int liczbaWierszy) {
    return liczbaWierszy >= 3 ? liczbaWierszy - 2 : 0;
}

bool LimitFilmowOsiagniety(int filmMax, int liczbaWierszy) {
    return filmMax != 0 && filmMax < liczbaWierszy - 1;
}

TDniWiersza DniNowegoWiersza(const QString& tekst) {
    if (tekst.isEmpty()) return {1, true};
    const auto dni = CalkowitaZEkranu(tekst);
    if (!dni || *dni < 0) return {1, false};
    return {*dni, true};
}

std::optional<double> StawkaZEkranu(const QString& tekst) {
    if (!TekstLiczbyPoprawny(tekst)) return std::nullopt;
    return LiczbaZEkranu(tekst);
}

double SumaCenZEkranu(const QStringList& ceny) {
    std::vector<double> kwoty;
    kwoty.reserve(static_cast<size_t>(ceny.size()));
    for (const QString& c : ceny) kwoty.push_back(LiczbaZEkranu(c).value_or(0));
    return SumaKwot(kwoty);
}

TWplataKoszyka WplataPoDodaniu(bool abonent, bool wplataWlaczona, double suma, double wplacono) {
    if (wplataWlaczona) {
        const double wplata = abonent ? 0.0 : suma;
        return {wplata, abonent ? ZaokraglijDoGroszy(suma - wplata) : suma};
    }
    return {std::nullopt, ZaokraglijDoGroszy(suma - wplacono)};
}

double RazemPoZmianie(bool wplataWlaczona, double suma, double wplacono) {
    return wplataWlaczona ? suma : ZaokraglijDoGroszy(suma - wplacono);
}
