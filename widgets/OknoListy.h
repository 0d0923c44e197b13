// The shape shared by the list windows: a grid whose working columns are hidden and left
// out of the export, column widths kept at every resize, commands given both by a button
// and by an item of the hidden menu (those that need a chosen row enabled only while there
// is one), the list read at every showing, and a double click on a row.
//
// A numbered list (number, text, hidden ID: the clients, the films) also keeps the chosen
// row's ID and shows that row's details as the chosen row moves.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "widgets/ListaNumerowana.h"

class QAbstractButton;
class QAction;
class QTableView;

class TOknoListy : public QDialog {
    Q_OBJECT
public:
    // The ID of the chosen row of the numbered list, 0 when the list is empty.
    int IdWybranego() const { return idWybranego; }
    // Refills the numbered list from its read (CzytajListe); the current row position is
    // kept. A read returning nothing empties the list; a failed one leaves it.
    void WczytajListe();

signals:
    // The operator asked for the printed history of the chosen record (its ID).
    void PokazArchiwum(int id);

protected:
    explicit TOknoListy(QWidget* rodzic = nullptr);

    // The window's grid: captions to the left, the working columns hidden and never
    // exported, the widths set by szerokosci now and at every resize of the grid. A double
    // click on a row runs dwuklik with the row.
    void UstawSiatke(QTableView* sg, const std::vector<int>& ukryte,
                     std::function<void()> szerokosci, std::function<void(int)> dwuklik = {});
    // The grid as a numbered list under the two captions: the number 64 pixels wide, the
    // text the rest less 19. The chosen row's ID is kept and its details shown
    // (PokazSzczegoly) as the chosen row moves.
    void UstawListeNumerowana(QTableView* sg, const QString& naglowekNumeru,
                              const QString& naglowekTekstu, std::function<void(int)> dwuklik);
    // A command: the button and the item of the hidden menu (which acts through its key
    // only) both run akcja. One that needs a chosen row is enabled only while there is one.
    void DodajPolecenie(QAbstractButton* przycisk, QAction* pozycja, std::function<void()> akcja,
                        bool wymagaWiersza = false);
    // The commands that need a chosen row enabled or not.
    void WlaczPolecenia(bool jestWiersz);
    // The numbered list's commands on the chosen record: removal runs usun with its ID and
    // then shows the list and the details as stored; the history asks for its printed
    // history (PokazArchiwum).
    void DodajPolecenieUsun(QAbstractButton* przycisk, QAction* pozycja,
                            std::function<void(int)> usun);
    void DodajPolecenieArchiwum(QAbstractButton* przycisk, QAction* pozycja);

    // Refills the numbered list; the current row keeps its place (the last row at most) and
    // becomes the chosen one. Nothing (a failed read, its error shown): the list stays.
    void WypelnijListe(std::optional<TPozycjeListy> wiersze);
    TListaNumerowana& Lista() { return *lista; }
    // The grid's current row, -1 when there is none.
    int BiezacyWiersz() const;

    // Run at every showing but the system's own (a window brought back from an icon). A
    // numbered list is read, its chosen row's details shown and the grid focused.
    virtual void FormShow();
    // The numbered list's rows from the store; nothing when the read failed.
    virtual std::optional<TPozycjeListy> CzytajListe() { return std::nullopt; }
    // Shows the details of the chosen row (IdWybranego; 0: none).
    virtual void PokazSzczegoly() {}

    void showEvent(QShowEvent* zdarzenie) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    QTableView* siatka = nullptr;
    TListaNumerowana* lista = nullptr;
    std::function<void()> ustawSzerokosci;
    std::vector<std::pair<QAbstractButton*, QAction*>> zWierszem;
    int idWybranego = 0;
    bool wypelnianie = false;
};
