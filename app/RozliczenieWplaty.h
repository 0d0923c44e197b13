// The breakdown the payment dialog shows under its amount, and the lines the extension's
// closing box adds: what each film costs and how the amount asked for comes from them.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "store/Kwota.h"

struct TPozycjaRozliczenia {
    QString Numer, Tytul;
    TKwota Kwota;
    int DniZwloki = 0;  // a return: the late days in the charge and what they cost
    TKwota Zwloka;
};

// One line per film, then the further parts (a label and an amount each), then what the
// amount asked for differs from all of them by (under roznica: credit, earlier payments),
// then the amount asked for; the lines always add up.
QStringList LinieRozliczenia(const std::vector<TPozycjaRozliczenia>& filmy,
                             const std::vector<std::pair<QString, TKwota>>& dalej,
                             const QString& roznica, TKwota doZaplaty);

// "0012 Obcy: 7,50 zł → 12,50 zł", with the reason of a free subscriber film.
QString LiniaPrzedluzenia(const TPozycjaRozliczenia& film, TKwota przed, bool abonent);
