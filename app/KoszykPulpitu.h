// The desk's rental basket: films added below the client's open rentals or into an empty
// list, priced for the client and the days, the paid field, re-pricing by days, and the
// removal of rows. Its rows become the rental commit's inputs.
#pragma once

#include <QObject>
#include <optional>

#include "money/Rozliczenia.h"

class QAction;
class QLineEdit;
class QTableWidget;
class QWidget;
class TListaWypozyczen;
class TPanelFilmu;
class TPanelKlienta;
class TQuery;

struct TKontrolkiKoszyka {
    QTableWidget* sgWypozyczenie;
    QLineEdit *eIleDni, *eWplata;
    QWidget *bUsun, *bWypozycz;
    QAction* miDelete;
};

class TKoszykPulpitu : public QObject {
    Q_OBJECT
public:
    TKoszykPulpitu(const TKontrolkiKoszyka& kontrolki, TPanelKlienta& klient, TPanelFilmu& film,
                   const TListaWypozyczen& lista, TQuery& query, QObject* rodzic = nullptr);

    // Adds the film shown in the film panel for the days in eIleDni.
    void bNastepnyClick();
    // Removes the selected film rows.
    void miDeleteClick();
    void eIleDniChange();
    void eIleDniExit();
    void eWplataExit();
    void sgWypozyczenieMouseUp();
    // The films added below the open rentals (or into the empty basket).
    int NoweFilmy() const;
    // The list's selected row (-1 when none).
    int WybranyWiersz() const;
    // The commit's inputs as the list and the client hold them; nothing when a list row
    // holds no film.
    std::optional<TDaneWypozyczenia> DaneWypozyczenia(TKwota wplata) const;

    // A film was added since the client was chosen.
    bool Zmieniony = false;

private:
    TKwota KwotaWplaty() const;

    TKontrolkiKoszyka ui;
    TPanelKlienta& klient;
    TPanelFilmu& film;
    const TListaWypozyczen& lista;
    TQuery& query;
};
