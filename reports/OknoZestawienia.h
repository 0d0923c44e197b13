// The shape shared by the list windows of this folder: a list window (widgets/OknoListy)
// whose grid has a hidden working column of IDs, with "Raport" (F2) and "Zamknij" (F10) as
// buttons (bRaport, bZamknij) and as keys (miRaport, miZamknij), column widths that follow
// the grid's width, and a double click on a line.
#pragma once

#include <optional>

#include "widgets/OknoListy.h"

class QTableView;

class TOknoZestawienia : public TOknoListy {
    Q_OBJECT
protected:
    using TOknoListy::TOknoListy;

    // Wires the grid and the window's buttons and keys (found by their names) once the
    // window's controls are set up.
    void PolaczListe(QTableView* sg, int kolumnaId);

    // The ID in the hidden column of a line; none on an empty line.
    std::optional<int> IdWiersza(int wiersz) const;
    // Opens the client's record modally; true when the operator saved it.
    static bool PokazKlienta(int id);

    virtual void Raport() = 0;
    virtual void Dwuklik(int wiersz) = 0;
    virtual void UstawSzerokosciKolumn() = 0;

private:
    QTableView* siatkaListy = nullptr;
    int kolId = 0;
};
