// The films out: every open rental (kind 0) or only the overdue ones (kind 1).
#pragma once

#include <memory>

#include "reports/OknoZestawienia.h"
#include "store/TQuery.h"

namespace Ui {
class TfFilmyWyp;
}

class TfFilmyWyp : public TOknoZestawienia {
    Q_OBJECT
public:
    explicit TfFilmyWyp(QWidget* parent = nullptr);
    ~TfFilmyWyp() override;
    // Kind 0: films out; kind 1: overdue films. Refills the list; the caller then shows
    // the window modally.
    void WczytajWypozyczone(int rodzaj);
    int RodzajListy() const { return Rodzaj; }

protected:
    void hideEvent(QHideEvent* e) override;

private:
    void Dwuklik(int wiersz) override;
    void Raport() override;
    void UstawSzerokosciKolumn() override;

    std::unique_ptr<Ui::TfFilmyWyp> ui;
    int Rodzaj = 0;
    TQuery Query1;
};

// The window created once at program entry.
extern TfFilmyWyp* fFilmyWyp;
