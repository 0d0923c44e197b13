// Helpers shared by the report tests.
#pragma once

#include <gtest/gtest.h>

#include <QDialog>
#include <QPoint>
#include <QString>
#include <QTableWidget>
#include <QTest>
#include <algorithm>
#include <ostream>
#include <vector>

#include "clients/uKlient.h"
#include "reports/Raport.h"
#include "support/FakeInterakcja.h"
#include "support/OknoGlobalne.h"

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

// Every line of a list window's grid, sorted (the store fixes no order).
inline std::vector<std::vector<QString>> PosortowaneWiersze(const QTableView* sg) {
    std::vector<std::vector<QString>> t;
    for (int w = 0; w < Wierszy(sg); ++w) t.push_back(Wiersz(sg, w));
    std::sort(t.begin(), t.end());
    return t;
}

// The first line whose cell in the column holds the text; -1 when none.
inline int WierszZTekstem(const QTableView* sg, int kolumna, const QString& tekst) {
    for (int w = 0; w < Wierszy(sg); ++w)
        if (sg->model()->index(w, kolumna).data().toString() == tekst) return w;
    return -1;
}

// A report's number of pages, then the number of texts of each band on its first page:
// page header, title, column header, lines, footer.
inline std::vector<size_t> LiczbyTekstow(TRaport& r) {
    const auto& strony = r.Strony();
    std::vector<size_t> n{strony.size()};
    if (strony.empty()) return n;
    for (TRodzajPasma p :
         {TRodzajPasma::NaglowekStrony, TRodzajPasma::Tytul, TRodzajPasma::NaglowekKolumn,
          TRodzajPasma::Szczegoly, TRodzajPasma::StopkaStrony})
        n.push_back(strony[0].TekstyPasma(p).size());
    return n;
}

// An emptied list of clients' lines shows one empty line of five cells, which holds no
// client: a double click on it opens nothing.
inline void SprawdzPustaLinie(QDialog& okno, QTableView* sg) {
    ASSERT_EQ(Wierszy(sg), 1);
    EXPECT_EQ(Wiersz(sg, 0), (std::vector<QString>(5)));
    TOknoGlobalne<TfKlient> klient{fKlient};
    FakeInterakcja f;
    okno.show();
    DwuklikWiersza(sg, 0);
    EXPECT_TRUE(f.pokazaneOkna.empty());
}
