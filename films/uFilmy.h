// The list of current films in number order with the details of the selected one: new,
// edit, withdraw and the history report. With its statement replaced it shows the
// films found by a search.
#pragma once

#include <QDialog>

#include "store/TQuery.h"

class TListaNumerowana;

namespace Ui {
class TfFilmy;
}

// Withdraws the film (Aktualny = False) after the operator's confirmation; returns true
// when it has been withdrawn. A film out on rent may be withdrawn; its rental stays.
//
// The desk's "Film" -> "Usuń" calls WycofajFilm(<the ID of the film numbered in
// eFilmNr>) and then, whatever the result, clears eFilmNr and eCena and reloads its
// title lists.
bool WycofajFilm(int idFilmu);

// The desk's "Film" -> "Baza filmów": creates the film list, shows it modally and
// destroys it. The desk then clears its film fields and reloads its title lists.
void PokazFilmy();

class TfFilmy : public QDialog {
    Q_OBJECT
public:
    explicit TfFilmy(QWidget* parent = nullptr);
    ~TfFilmy() override;

    // Search mode: the list shows the rows of this statement (columns ID, Numer_filmu,
    // tytul) and "Nowy" is disabled for the life of the window.
    void UstawZapytanie(const QString& sql);
    const QString& Zapytanie() const { return zapytanie; }

    // Refills the grid from the list statement; the current row position is kept. A
    // statement returning nothing empties the grid.
    void WczytajFilmy();
    // The details and the caption for IdWybranego (empty when no film is selected).
    void PokazSzczegoly();

    void bNowyClick();
    void bEdycjaClick();
    void bUsunClick();
    void bArchiwumClick();

    // The ID of the film in the selected row, 0 when the list is empty.
    int IdWybranego = 0;

protected:
    void showEvent(QShowEvent* zdarzenie) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

signals:
    // The operator asked for the printed history of the chosen record (its ID).
    void PokazArchiwum(int id);

private:
    void WybierzWiersz(int wiersz);
    void WyczyscSzczegoly();
    void UstawSzerokosciKolumn();
    void UstawPolecenia();

    Ui::TfFilmy* ui;
    TListaNumerowana* lista;  // the rows of the grid
    TQuery Query1;            // the list
    TQuery Query2;            // the details
    QString zapytanie;
    bool trybSzukania = false;
    bool wypelnianie = false;
};
