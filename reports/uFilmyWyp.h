#pragma once

#include <QDialog>

class TfFilmyWyp : public QDialog {
    Q_OBJECT
public:
    explicit TfFilmyWyp(QWidget* parent = nullptr);
    // Kind 0: films out; kind 1: overdue films. Refills the list.
    void WczytajWypozyczone(int rodzaj);

private:
    int Rodzaj = 0;
};

// The window created once at program entry.
extern TfFilmyWyp* fFilmyWyp;
