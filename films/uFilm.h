// The film record: creates a new film or edits a stored one, flips the shelf status of
// the desk's current film, and opens the genre and medium list editors.
#pragma once

#include <QHash>
#include <memory>

#include "store/TQuery.h"
#include "widgets/OknoRekordu.h"

namespace Ui {
class TfFilm;
}

class TfFilm : public TOknoRekordu {
    Q_OBJECT
public:
    explicit TfFilm(QWidget* parent = nullptr);
    ~TfFilm() override;
    // Sets the film to edit (0 = a new film) and fills the dialog from it; the caller
    // then shows the dialog modally (OK after a save, Cancel otherwise).
    void UstawFilm(int id) { UstawRekord(id); }
    // The titles in the dialog when either title was changed, empty otherwise.
    QString NowyTytulOrg() const;
    QString NowyTytulPol() const;

    void bZapiszClick();
    void bZmienClick();
    void bGatunekClick();
    void bNosnikClick();

signals:
    // The shelf status of the desk's current film was flipped.
    void StatusZmieniony();

protected:
    void FormShow() override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    void SprawdzKwote(class QLineEdit* pole);
    void mOpisChange();

    std::unique_ptr<Ui::TfFilm> ui;
    TQuery Query1;
    bool TytulZmieniony = false;
    bool wypelnianie = false;
    QHash<QWidget*, QWidget*> lancuchEnter;
};

// The window created once at program entry.
extern TfFilm* fFilm;
// The film shown in the desk's film panel (0 when none) and whether it is on the shelf.
extern int IdFilmu;
extern bool FilmNaPolce;
