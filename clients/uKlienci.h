// The list of active clients with their details: new, edit, archive and the history
// report of the selected client; and the archiving of a client shared with the desk.
#pragma once

#include <memory>

#include "store/TQuery.h"
#include "widgets/OknoListy.h"

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

class TfKlienci : public TOknoListy {
    Q_OBJECT
public:
    explicit TfKlienci(QWidget* parent = nullptr);
    ~TfKlienci() override;

    // Shows the details of the selected client (an empty panel when none).
    void PokazSzczegoly() override;

    void bNowyClick();
    void bEdytujClick();

protected:
    // The active clients.
    std::optional<TPozycjeListy> CzytajListe() override;
    void mouseDoubleClickEvent(QMouseEvent* zdarzenie) override;

private:
    void WyczyscSzczegoly();

    std::unique_ptr<Ui::TfKlienci> ui;
    TQuery Query1;  // the list
    TQuery Query2;  // the details
};

// The window created once at program entry.
extern TfKlienci* fKlienci;
