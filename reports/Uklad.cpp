#include "reports/Uklad.h"

#include <QFont>
#include <QFontMetricsF>

double SzerokoscTekstu(const QString& tekst, const TCzcionka& czcionka) {
    QFont f(czcionka.rodzina);
    f.setStyleHint(QFont::SansSerif);
    f.setBold(czcionka.pogrubiona);
    f.setItalic(czcionka.kursywa);
    // Measured large and scaled, so that the screen's rounding does not count.
    constexpr double skala = 10;
    f.setPointSizeF(czcionka.punkty * skala);
    const QFontMetricsF miara(f);
    // The metrics are in pixels of the screen's logical resolution.
    return miara.horizontalAdvance(tekst) / skala * 25.4 / miara.fontDpi();
}

QStringList PodzielNaWiersze(const QString& tekst, const TCzcionka& czcionka, double szerokosc) {
    QStringList wiersze;
    QString biezacy;
    for (const QString& slowo : tekst.split(' ', Qt::SkipEmptyParts)) {
        const QString dluzszy = biezacy.isEmpty() ? slowo : biezacy + ' ' + slowo;
        if (biezacy.isEmpty() || SzerokoscTekstu(dluzszy, czcionka) <= szerokosc) {
            biezacy = dluzszy;
        } else {
            wiersze << biezacy;
            biezacy = slowo;
        }
    }
    if (!biezacy.isEmpty()) wiersze << biezacy;
    return wiersze;
}

TUkladacz::TUkladacz(double szerokoscObszaru, double wysokoscObszaru)
    : szerokosc(szerokoscObszaru), wysokosc(wysokoscObszaru) {
    strony.emplace_back();
}

void TUkladacz::Tekst(const QString& tekst, double x, double szer, const TCzcionka& czcionka,
                      TWyrownanie wyrownanie) {
    if (tekst.isEmpty()) return;
    const double w = szer > 0 ? szer : szerokosc - x;
    strony.back().teksty.push_back({tekst, QRectF(x, y, w, czcionka.WysokoscWiersza()), czcionka,
                                    wyrownanie, TRodzajPasma::Szczegoly});
}

void TUkladacz::Wiersz(const QString& tekst, const TCzcionka& czcionka, TWyrownanie wyrownanie) {
    for (const QString& w : PodzielNaWiersze(tekst, czcionka, szerokosc)) {
        Miejsce(czcionka.WysokoscWiersza());
        Tekst(w, 0, szerokosc, czcionka, wyrownanie);
        Dalej(czcionka);
    }
}

void TUkladacz::Dalej(const TCzcionka& czcionka, double odstep) {
    y += czcionka.WysokoscWiersza() + odstep;
}

void TUkladacz::Linia() {
    Miejsce(1);
    strony.back().linie.emplace_back(QPointF(0, y), QPointF(szerokosc, y));
    y += 1;
}

void TUkladacz::Miejsce(double potrzeba) {
    if (wysokosc <= 0 || y + potrzeba <= wysokosc || y == 0) return;
    strony.emplace_back();
    y = 0;
}
