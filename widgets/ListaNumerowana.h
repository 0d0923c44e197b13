// The grid of a numbered list (the clients' and the films' lists): the number in four
// digits, the text, and the row's ID in a hidden working column. The rows live in a
// model of their own, read once into plain arrays: no object per cell, so a list of
// hundreds of thousands of rows opens and closes at once.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <vector>

class QTableView;
class TQuery;

class TListaNumerowana : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Kolumna { KolNr, KolTekst, KolId, LiczbaKolumn };

    // The captions of the number and the text columns (the ID column has none).
    TListaNumerowana(const QString& naglowekNumeru, const QString& naglowekTekstu,
                     QObject* rodzic = nullptr);

    // Replaces every row with the rows of the open query, read from the columns
    // kolumnaNumeru, kolumnaTekstu and ID, and closes the query.
    void Wczytaj(TQuery& query, const QString& kolumnaNumeru, const QString& kolumnaTekstu);
    // The row's number and text replaced in place (the row keeps its position).
    void UstawWiersz(int wiersz, qint64 numer, const QString& tekst);

    // The row's ID and text; 0 and the empty text outside the list.
    int Id(int wiersz) const;
    QString Tekst(int wiersz) const;

    int rowCount(const QModelIndex& rodzic = {}) const override;
    int columnCount(const QModelIndex& rodzic = {}) const override;
    QVariant data(const QModelIndex& indeks, int rola = Qt::DisplayRole) const override;
    QVariant headerData(int sekcja, Qt::Orientation kierunek,
                        int rola = Qt::DisplayRole) const override;

private:
    bool Jest(int wiersz) const;

    QString naglowki[2];
    std::vector<qint64> numery;
    std::vector<int> idy;
    std::vector<QString> teksty;
};

// Gives the view the model, hides the ID column and sets the whole-row, single
// selection of a numbered list.
void PrzygotujListeNumerowana(QTableView* sg, TListaNumerowana* model);

// Refills the view's model from every row of the open query (see TListaNumerowana::
// Wczytaj). The current row keeps its place (the last row at most). Returns the ID of
// the current row, 0 when the list is empty.
int WypelnijListeNumerowana(QTableView* sg, TListaNumerowana& model, TQuery& query,
                            const QString& kolumnaNumeru, const QString& kolumnaTekstu);

// The ID in the view's current row, 0 when there is none.
int IdBiezacego(const QTableView* sg);
