// The desk's pick lists (clients, original and Polish titles): the texts kept in UTF-8
// (a text made only for a row shown or asked for) instead of an item object per entry,
// and a hash from text to row instead of a search through every entry.
#pragma once

#include <QAbstractListModel>
#include <QStringList>

#include "store/Baza.h"
#include "store/TekstyUtf8.h"

class QComboBox;

class TModelWyboru : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // Replaces every entry at once.
    void Ustaw(TTekstyUtf8 teksty);
    const TTekstyUtf8& Teksty() const { return wpisy; }
    // The first row holding exactly this text (letter case counts), -1 when none.
    int Znajdz(const QString& tekst) const;

    int rowCount(const QModelIndex& rodzic = {}) const override;
    QVariant data(const QModelIndex& indeks, int rola) const override;
    bool setData(const QModelIndex& indeks, const QVariant& wartosc, int rola) override;
    Qt::ItemFlags flags(const QModelIndex& indeks) const override;
    bool insertRows(int wiersz, int ile, const QModelIndex& rodzic = {}) override;
    bool removeRows(int wiersz, int ile, const QModelIndex& rodzic = {}) override;

private:
    TTekstyUtf8 wpisy;
};

// Gives the combo box a TModelWyboru and a pop-up list that does not measure every entry.
void UstawModelWyboru(QComboBox* lista);
// The combo box's entries replaced at once (through its TModelWyboru); no entry is current.
void UstawWpisy(QComboBox* lista, TTekstyUtf8 teksty);
// Entries appended at once; the current entry stays current.
void DodajWpisy(QComboBox* lista, TTekstyUtf8 teksty);
void DodajWpisy(QComboBox* lista, const QStringList& teksty);
// The first entry holding exactly this text, -1 when none; the hash when the combo box
// has a TModelWyboru.
int ZnajdzWpis(const QComboBox* lista, const QString& tekst);
// Sorts the pick list by the user's language, keeping the selected entry selected.
void PosortujListe(QComboBox* lista);

// What the store was when a pick list was read from empty, and the entries it got.
struct TStanListy {
    TZnacznikBazy znacznik;
    int wpisow = -1;
};
// The state of a list just read: known only when it was read from empty.
TStanListy StanListy(bool odPoczatku, int wpisow);
// True when the list of this many entries still holds what the store would give it now.
bool ListaAktualna(const TStanListy& stan, int wpisow);
