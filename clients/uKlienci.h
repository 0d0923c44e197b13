// The list of active clients with their details: new, edit, archive and the history
// report of the selected client; and the archiving of a client shared with the desk.
#pragma once

#include <QDialog>

#include "store/TQuery.h"

class TListaNumerowana;

namespace Ui {
class TfKlienci;
}

// Archives the client (Aktualny = False) after the operator's confirmation. Refused,
// with a message and nothing changed, while the client has a film out (stored as an
// open rental, or listed on the desk when listaZFilmami is true) or owes anything.
// Returns true when the client has been archived.
//
// The desk's "Klient" -> "Usuń" calls UsunKlienta(IdKlienta, <the list holds a film>);
// on true it removes the client from its pick list and clears its client panel.
bool UsunKlienta(int idKlienta, bool listaZFilmami = false);

class TfKlienci : public QDialog {
    Q_OBJECT
public:
    explicit TfKlienci(QWidget* parent = nullptr);
    ~TfKlienci() override;

    // Fills the list from the store, then the details of the selected client.
    void FormShow();
    // Refills the list; the current row position is kept. An empty store empties it.
    void WczytajKlientow();
    // Shows the details of the selected client (an empty panel when none).
    void WczytajSzczegoly();
    // The ID of the client in the current row, 0 when the list is empty.
    int IdWybranego() const { return Id; }

    void bNowyClick();
    void bEdytujClick();
    void bUsunClick();
    void bArchiwumClick();

protected:
    void showEvent(QShowEvent* zdarzenie) override;
    void mouseDoubleClickEvent(QMouseEvent* zdarzenie) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

signals:
    // The operator asked for the printed history of the chosen record (its ID).
    void PokazArchiwum(int id);

private:
    void WybierzWiersz(int wiersz);
    void UstawSzerokosciKolumn();
    void WyczyscSzczegoly();
    void UstawPolecenia();

    Ui::TfKlienci* ui;
    TListaNumerowana* lista;  // the rows of the grid
    TQuery Query1;            // the list
    TQuery Query2;            // the details
    int Id = 0;
    bool wypelnianie = false;
};

// The window created once at program entry.
extern TfKlienci* fKlienci;
