#pragma once

#include <QDialog>

class TfFilm : public QDialog {
    Q_OBJECT
public:
    explicit TfFilm(QWidget* parent = nullptr);
    // Sets the film to edit (0 = a new film) before the dialog is shown.
    void UstawFilm(int id);
    // The titles saved, empty when none.
    QString NowyTytulOrg() const { return nowyTytulOrg; }
    QString NowyTytulPol() const { return nowyTytulPol; }
    // The film number saved.
    int Numer() const { return numer; }

private:
    int Id = 0;
    int numer = 0;
    QString nowyTytulOrg;
    QString nowyTytulPol;
};

// The window created once at program entry.
extern TfFilm* fFilm;
