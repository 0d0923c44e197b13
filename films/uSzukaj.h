// The film search: by title, director, actor, genre and medium; the films found are
// shown in the film list.
#pragma once

#include <QDialog>
#include <QHash>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "films/OdczytFilmow.h"
#include "store/TQuery.h"

class QComboBox;

namespace Ui {
class TfSzukaj;
}

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
    // The names only grow: a name is appended when the list lacks it in any letter case.
    void DopiszNazwy(QComboBox* combo, const std::optional<std::vector<QString>>& nazwy);

    std::unique_ptr<Ui::TfSzukaj> ui;
    TQuery Query1;
    QHash<QWidget*, QWidget*> lancuchEnter;
};

// The window created once at program entry.
extern TfSzukaj* fSzukaj;
