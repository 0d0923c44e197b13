// The grid of a numbered list (the clients' and the films' lists): the number in four
// digits, the text, and the row's ID in a hidden working column. The rows live in a
// model of their own, read once into plain arrays: no object per cell or per row, so a
// list of hundreds of thousands of rows opens and closes at once.
#pragma once

#include <QAbstractTableModel>
#include <QByteArray>
#include <QHash>
#include <QString>
#include <optional>
#include <vector>

#include "store/TekstyUtf8.h"

class QTableView;
class TQuery;

// The rows of a numbered list, kept compactly: numbers, IDs and where each text ends in
// blocks of rows, the texts one after another in UTF-8, made into text only for the rows
// shown or asked for.
class TPozycjeListy {
public:
    int Liczba() const { return static_cast<int>(wiersze.size()); }
    // The row's number, text and ID (the row is in the list).
    qint64 Numer(int wiersz) const { return wiersze[static_cast<size_t>(wiersz)].numer; }
    QString Tekst(int wiersz) const;
    int Id(int wiersz) const { return wiersze[static_cast<size_t>(wiersz)].id; }
    // The row's number and text replaced.
    void Zmien(int wiersz, qint64 numer, const QString& tekst);

private:
    friend std::optional<TPozycjeListy> CzytajListeNumerowana(TQuery&, const QString&,
                                                              const QString&, const QString&);
    struct TWiersz {
        qint64 numer;
        int id;
        quint32 koniec;  // the position after the row's text
    };
    TTablicaWBlokach<TWiersz> wiersze;
    TBlokiUtf8 teksty;
    QHash<int, QString> zmienione;  // texts replaced after reading, by row
};

// Every row of the statement as a row of a numbered list: the number and the text from
// the named columns, the ID from column ID (a column the result lacks is reported once
// and reads as 0 or the empty text). Nothing when the statement failed; the query is
// closed.
std::optional<TPozycjeListy> CzytajListeNumerowana(TQuery& q, const QString& sql,
                                                   const QString& kolumnaNumeru,
                                                   const QString& kolumnaTekstu);

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
