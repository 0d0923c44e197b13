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
inline void DwuklikWiersza(QTableView* sg, int w) {
    const QPoint punkt = sg->visualRect(sg->model()->index(w, 1)).center();
    QTest::mouseClick(sg->viewport(), Qt::LeftButton, {}, punkt);
    QTest::mouseDClick(sg->viewport(), Qt::LeftButton, {}, punkt);
}

// The cells of one grid line, hidden ones included, read through the grid's model.
inline std::vector<QString> Wiersz(const QTableView* sg, int w) {
    std::vector<QString> t;
    for (int k = 0; k < sg->model()->columnCount(); ++k)
        t.push_back(sg->model()->index(w, k).data().toString());
    return t;
}

// The number of lines of a grid and a column's header text, read through its model.
inline int Wierszy(const QTableView* sg) {
    return sg->model()->rowCount();
}
inline QString Naglowek(const QTableView* sg, int k) {
    return sg->model()->headerData(k, Qt::Horizontal).toString();
}
