#include "money/Koszyk.h"

#include "money/Cennik.h"
#include "store/Formaty.h"
#include "store/Liczby.h"

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

std::optional<TKwota> StawkaZEkranu(const QString& tekst) {
    if (!TekstLiczbyPoprawny(tekst)) return std::nullopt;
    return KwotaZEkranu(tekst);
}

TKwota SumaCenZEkranu(const QStringList& ceny) {
    TKwota suma;
    for (const QString& c : ceny) suma += KwotaZEkranu(c).value_or(TKwota());
    return suma;
}

TWplataKoszyka WplataPoDodaniu(bool abonent, bool wplataWlaczona, TKwota suma, TKwota wplacono) {
    if (wplataWlaczona) {
        // The total cell shows the whole sum either way.
        return {abonent ? TKwota() : suma, suma};
    }
    return {std::nullopt, suma - wplacono};
}

TKwota RazemPoZmianie(bool wplataWlaczona, TKwota suma, TKwota wplacono) {
    return wplataWlaczona ? suma : suma - wplacono;
}
