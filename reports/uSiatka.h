// Filling the grid of a list window.
#pragma once

#include <QSignalBlocker>
#include <QStringList>
#include <QTableWidget>

// Puts the lines under the headers, one cell per header; a list without lines shows one
// empty line.
template <typename Linie>
void WypelnijSiatke(QTableWidget* sg, const QStringList& naglowki, const Linie& linie) {
    sg->clearContents();
    sg->setRowCount(linie.empty() ? 1 : static_cast<int>(linie.size()));
    sg->setHorizontalHeaderLabels(naglowki);
    if (linie.empty()) return;
    {
        // One change told to the view for the whole grid, not one per cell.
        const QSignalBlocker cicho(sg->model());
        for (int w = 0; w < static_cast<int>(linie.size()); ++w)
            for (int k = 0; k < naglowki.size(); ++k)
                sg->setItem(w, k, new QTableWidgetItem(linie[static_cast<size_t>(w)][k]));
    }
    QAbstractItemModel* m = sg->model();
    emit m->dataChanged(m->index(0, 0), m->index(m->rowCount() - 1, m->columnCount() - 1));
}
