// Placing texts line by line on the pages of a printed page that is not made of bands
// (the rental slip, the client card, the labels).
#pragma once

#include <QStringList>
#include <vector>

#include "reports/Raport.h"

// The printed width of a text in the font, mm.
double SzerokoscTekstu(const QString& tekst, const TCzcionka& czcionka);
// The text broken at blanks into lines no wider than the width (a word wider than the
// width gets a line of its own).
QStringList PodzielNaWiersze(const QString& tekst, const TCzcionka& czcionka, double szerokosc);

class TUkladacz {
public:
    // Pages of the given printable width; wysokoscObszaru 0: one page as long as its content.
    TUkladacz(double szerokoscObszaru, double wysokoscObszaru);

    const double szerokosc;
    double y = 0;  // the top of the next line on the current page, mm

    // A text at the current line, its box x..x+szer (szer 0: to the right edge).
    void Tekst(const QString& tekst, double x, double szer, const TCzcionka& czcionka,
               TWyrownanie wyrownanie = TWyrownanie::DoLewej);
    // A whole-width text, broken into as many lines as it needs at its blanks.
    void Wiersz(const QString& tekst, const TCzcionka& czcionka,
                TWyrownanie wyrownanie = TWyrownanie::DoLewej);
    // Ends a line of the given font's height (plus space after it).
    void Dalej(const TCzcionka& czcionka, double odstep = 0);
    void Odstep(double mm) { y += mm; }
    void Linia();
    // Starts a new page when less than `potrzeba` mm is left on this one.
    void Miejsce(double potrzeba);

    TStrona& Strona() { return strony.back(); }
    std::vector<TStrona> Wynik() { return std::move(strony); }

private:
    double wysokosc;
    std::vector<TStrona> strony;
};
