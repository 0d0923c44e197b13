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
    const double modul = std::fabs(zlote);
    const int cyfryCalosci = modul >= 1 ? static_cast<int>(std::floor(std::log10(modul))) + 1 : 0;
    char tekst[64];
    std::snprintf(tekst, sizeof tekst, "%.*f", std::max(15 - cyfryCalosci, 0), zlote);
    grosze = ZTekstu(QString::fromLatin1(tekst)).value_or(TKwota()).grosze;
}

QString KwotaSQL(TKwota kwota) {
    const qint64 g = kwota.Grosze();
    const qint64 modul = g < 0 ? -g : g;
    return QStringLiteral("%1%2.%3")
        .arg(g < 0 ? QStringLiteral("-") : QString())
        .arg(modul / 100)
        .arg(modul % 100, 2, 10, QLatin1Char('0'));
}

QString KwotaNaEkran(TKwota kwota) {
    return KwotaSQL(kwota).replace('.', ',');
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
