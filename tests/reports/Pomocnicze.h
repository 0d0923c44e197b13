// Helpers shared by the report tests.
#pragma once

#include <QPoint>
#include <QString>
#include <QTableWidget>
#include <QTest>
#include <ostream>
#include <vector>

#include "reports/Raport.h"

// Readable texts in failure messages.
inline void PrintTo(const QString& tekst, std::ostream* os) {
    *os << '"' << tekst.toStdString() << '"';
}

// The texts of one band of a page, in the order placed.
inline std::vector<QString> Teksty(const TStrona& s, TRodzajPasma pasmo) {
    std::vector<QString> t;
    for (const auto& u : s.TekstyPasma(pasmo)) t.push_back(u.tekst);
    return t;
}

// A double click on a line of a grid, as the operator makes it (a click comes first).
inline void DwuklikWiersza(QTableWidget* sg, int w) {
    const QPoint punkt = sg->visualRect(sg->model()->index(w, 1)).center();
    QTest::mouseClick(sg->viewport(), Qt::LeftButton, {}, punkt);
    QTest::mouseDClick(sg->viewport(), Qt::LeftButton, {}, punkt);
}

// The cells of one grid line, hidden ones included.
inline std::vector<QString> Wiersz(QTableWidget* sg, int w) {
    std::vector<QString> t;
    for (int k = 0; k < sg->columnCount(); ++k)
        t.push_back(sg->item(w, k) ? sg->item(w, k)->text() : QString());
    return t;
}
