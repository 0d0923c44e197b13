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

// One row of a numbered list.
struct TPozycjaListy {
    qint64 Numer = 0;
    QString Tekst;
    int Id = 0;
};
using TPozycjeListy = std::vector<TPozycjaListy>;

// Reads the query's current row as a row of a numbered list, from the columns of the
// number and the text, and ID.
struct TCzytajPozycje {
    QString kolumnaNumeru, kolumnaTekstu;
    TPozycjaListy operator()(TQuery& query) const;
};
inline TCzytajPozycje CzytajPozycje(const QString& kolumnaNumeru, const QString& kolumnaTekstu) {
    return {kolumnaNumeru, kolumnaTekstu};
}

class TListaNumerowana : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Kolumna { KolNr, KolTekst, KolId, LiczbaKolumn };

    // The captions of the number and the text columns (the ID column has none).
    TListaNumerowana(const QString& naglowekNumeru, const QString& naglowekTekstu,
                     QObject* rodzic = nullptr);

    // Replaces every row.
    void Wczytaj(TPozycjeListy wiersze);
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
    TPozycjeListy pozycje;
};

// Gives the view the model, hides the ID column and sets the whole-row, single
// selection of a numbered list.
void PrzygotujListeNumerowana(QTableView* sg, TListaNumerowana* model);

// Refills the view's model with the rows. The current row keeps its place (the last row
// at most). Returns the ID of the current row, 0 when the list is empty.
int WypelnijListeNumerowana(QTableView* sg, TListaNumerowana& model, TPozycjeListy wiersze);

// The ID in the view's current row, 0 when there is none.
int IdBiezacego(const QTableView* sg);
