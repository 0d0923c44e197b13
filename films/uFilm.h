// The film record: creates a new film or edits a stored one, flips the shelf status of
// the desk's current film, and opens the genre and medium list editors.
#pragma once

#include <QDialog>
#include <QHash>

#include "store/TQuery.h"

namespace Ui {
class TfFilm;
}

class TfFilm : public QDialog {
    Q_OBJECT
public:
    explicit TfFilm(QWidget* parent = nullptr);
    ~TfFilm() override;
    // Sets the film to edit (0 = a new film) and fills the dialog from it; the caller
    // then shows the dialog modally (OK after a save, Cancel otherwise).
    void UstawFilm(int id);
    // The titles in the dialog when either title was changed, empty otherwise.
    QString NowyTytulOrg() const;
    QString NowyTytulPol() const;
    // The film number as loaded; after a save, the saved number.
    int Numer() const { return numer; }

    void bZapiszClick();
    void bZmienClick();
    void bGatunekClick();
    void bNosnikClick();

    void done(int r) override;

signals:
    // The shelf status of the desk's current film was flipped.
    void StatusZmieniony();

protected:
    void showEvent(QShowEvent* zdarzenie) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    void FormShow();
    void SprawdzCalkowita(class QLineEdit* pole);
    void SprawdzKwote(class QLineEdit* pole);
    void mOpisChange();

    Ui::TfFilm* ui;
    TQuery Query1;
    int Id = 0;
    int numer = 0;
    bool TytulZmieniony = false;
    bool wypelnianie = false;
    bool wypelniony = false;
    QHash<QWidget*, QWidget*> lancuchEnter;
};

// The window created once at program entry.
extern TfFilm* fFilm;
// The film shown in the desk's film panel (0 when none) and whether it is on the shelf.
extern int IdFilmu;
extern bool FilmNaPolce;
