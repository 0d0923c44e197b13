// The lines of the history window's grid: the number of the other side of each rental (a
// film for a client's history, a client for a film's), its name, the start and return
// dates, and its ID in a hidden working column. The lines are read once into plain values
// and their texts made only for the cells painted or read, so a history of thousands of
// rentals costs no object per cell.
#pragma once

#include <QAbstractTableModel>
#include <QDate>
#include <QString>
#include <optional>
#include <vector>

#include "reports/OdczytRaportow.h"

class TModelArchiwum : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Kolumna { KolNumer, KolNazwa, KolDataOd, KolDataZwrotu, KolId, LiczbaKolumn };

    using QAbstractTableModel::QAbstractTableModel;

    // Replaces the lines with a history's rentals; the headers follow the kind.
    void Wczytaj(std::vector<TLiniaArchiwum> nowe, bool historiaKlienta);
    // Empties every cell; the number of lines stays.
    void Wyczysc();

    // The ID of the line's other side; none on an empty line or for a subject no longer
    // in the store.
    std::optional<int> IdDrugiejStrony(int wiersz) const;

    // A history without rentals shows one empty line.
    int rowCount(const QModelIndex& rodzic = {}) const override;
    int columnCount(const QModelIndex& rodzic = {}) const override;
    QVariant data(const QModelIndex& indeks, int rola = Qt::DisplayRole) const override;
    QVariant headerData(int sekcja, Qt::Orientation kierunek,
                        int rola = Qt::DisplayRole) const override;

private:
    const TLiniaArchiwum* Linia(int wiersz) const;

    bool klienta = true;
    std::vector<TLiniaArchiwum> linie;
    int pustych = 0;  // empty lines shown beyond `linie` (an empty or emptied history)
};
