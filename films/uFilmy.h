// The list of current films in number order with the details of the selected one: new,
// edit, withdraw and the history report. With its statement replaced it shows the
// films found by a search.
#pragma once

#include <memory>
#include <optional>

#include "films/OdczytFilmow.h"
#include "store/TQuery.h"
#include "widgets/OknoListy.h"

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

class TfFilmy : public TOknoListy {
    Q_OBJECT
public:
    explicit TfFilmy(QWidget* parent = nullptr);
    ~TfFilmy() override;

    // Search mode: the list shows the films found by the criteria, withdrawn ones
    // included, and "Nowy" is disabled for the life of the window.
    void UstawKryteria(const TKryteriaSzukania& kryteria);

    // The details and the caption for IdWybranego (empty when no film is selected).
    void PokazSzczegoly() override;

    void bNowyClick();
    void bEdycjaClick();

protected:
    // The current films, or those found by the search.
    std::optional<TPozycjeListy> CzytajListe() override;

private:
    void WyczyscSzczegoly();

    std::unique_ptr<Ui::TfFilmy> ui;
    TQuery Query1;                             // the list
    TQuery Query2;                             // the details
    std::optional<TKryteriaSzukania> szukane;  // search mode
};
