// The film search: by title, director, actor, genre and medium; the films found are
// shown in the film list.
#pragma once

#include <QDialog>
#include <QHash>
#include <QString>

#include "store/TQuery.h"

class QComboBox;

namespace Ui {
class TfSzukaj;
}

// The criteria of a search; an empty text is no criterion.
struct TKryteriaSzukania {
    QString tytul;    // a pattern as typed (the store's wildcards allowed)
    QString rezyser;  // an upper-cased name from the director list
    QString aktor;    // an upper-cased name from the actor list
    QString gatunek;
    QString nosnik;
};

// The statement listing the films that meet every criterion (columns ID, Numer_filmu,
// tytul), in number order, withdrawn films included. The typed title is lower-cased in
// the letters A to Z; every value is quoted so that it is searched for as it stands.
QString ZapytanieSzukania(const TKryteriaSzukania& kryteria);

class TfSzukaj : public QDialog {
    Q_OBJECT
public:
    explicit TfSzukaj(QWidget* parent = nullptr);
    ~TfSzukaj() override;

    // Run at every showing: adds new names to the director and actor lists, reloads the
    // genre and medium lists with nothing chosen.
    void FormShow();
    // The criteria as entered now.
    TKryteriaSzukania Kryteria() const;
    // Searches; shows the films found in the film list, then closes with OK.
    void bSzukajClick();

protected:
    void showEvent(QShowEvent* zdarzenie) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    void DopiszNazwy(QComboBox* combo, const QString& sql, const QString& kolumna);

    Ui::TfSzukaj* ui;
    TQuery Query1;
    QHash<QWidget*, QWidget*> lancuchEnter;
};

// The window created once at program entry.
extern TfSzukaj* fSzukaj;
