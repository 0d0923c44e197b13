#include "store/Kwota.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "store/Formaty.h"
#include "store/Liczby.h"

std::optional<TKwota> TKwota::ZTekstu(QStringView tekst) {
    qsizetype i = 0;
    const qsizetype n = tekst.size();
    bool ujemna = false;
    if (i < n && (tekst[i] == u'+' || tekst[i] == u'-')) ujemna = tekst[i++] == u'-';
    qint64 grosze = 0;
    int cyfryCalosci = 0, cyfryUlamka = 0;
    bool wGore = false;
    for (; i < n && tekst[i].isDigit(); ++i) {
        if (++cyfryCalosci > 15) return std::nullopt;
        grosze = grosze * 10 + tekst[i].digitValue();
    }
    grosze *= 100;
    if (i < n && (tekst[i] == u',' || tekst[i] == u'.')) {
        for (++i; i < n && tekst[i].isDigit(); ++i, ++cyfryUlamka) {
            const int cyfra = tekst[i].digitValue();
            if (cyfryUlamka == 0) grosze += 10 * cyfra;
            if (cyfryUlamka == 1) grosze += cyfra;
            // The first decimal dropped decides the rounding.
            if (cyfryUlamka == 2) wGore = cyfra >= 5;
        }
    }
    if (i != n || cyfryCalosci + cyfryUlamka == 0) return std::nullopt;
    if (wGore) ++grosze;
    return ZGroszy(ujemna ? -grosze : grosze);
}

TKwota::TKwota(double zlote) {
    if (!std::isfinite(zlote)) return;
    // The double nearest to a whole number of grosze (as the store holds amounts) is that
    // number: its error is below half of the 15th significant digit, so the decimal form
    // below would give the same.
    if (std::fabs(zlote) < 1e10) {
        const double setki = std::nearbyint(zlote * 100);
        if (setki / 100 == zlote) {
            grosze = static_cast<qint64>(setki);
            return;
        }
    }
    const double modul = std::fabs(zlote);
    const int cyfryCalosci = modul >= 1 ? static_cast<int>(std::floor(std::log10(modul))) + 1 : 0;
    char tekst[64];
    std::snprintf(tekst, sizeof tekst, "%.*f", std::max(15 - cyfryCalosci, 0), zlote);
    grosze = ZTekstu(QString::fromLatin1(tekst)).value_or(TKwota()).grosze;
}

namespace {

// "1234.50", "-0.50" with the given separator, put together directly (reports and lists
// show hundreds of thousands of amounts).
QString KwotaZSeparatorem(TKwota kwota, char16_t separator) {
    const qint64 g = kwota.Grosze();
    quint64 modul = g < 0 ? 0 - static_cast<quint64>(g) : static_cast<quint64>(g);
    char16_t znaki[24];
    int i = 24;
    znaki[--i] = static_cast<char16_t>(u'0' + modul % 10);
    znaki[--i] = static_cast<char16_t>(u'0' + modul / 10 % 10);
    znaki[--i] = separator;
    modul /= 100;
    do {
        znaki[--i] = static_cast<char16_t>(u'0' + modul % 10);
        modul /= 10;
    } while (modul);
    if (g < 0) znaki[--i] = u'-';
    return QString(reinterpret_cast<const QChar*>(znaki + i), 24 - i);
}

}  // namespace

QString KwotaSQL(TKwota kwota) {
    return KwotaZSeparatorem(kwota, u'.');
}

QString KwotaNaEkran(TKwota kwota) {
    return KwotaZSeparatorem(kwota, u',');
}

QString KwotaOgolna(TKwota kwota) {
    return LiczbaOgolna(kwota.Zlote());
}

QString KwotaOgolnaSQL(TKwota kwota) {
    return KwotaOgolna(kwota).replace(QLatin1Char(','), QLatin1Char('.'));
}

std::optional<TKwota> KwotaZEkranu(const QString& tekst) {
    const QString t = tekst.trimmed();
    if (t.contains('.')) return std::nullopt;
    return TKwota::ZTekstu(t);
}
