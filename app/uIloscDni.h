// The days dialog of the extension: how many days from today the extended rentals run.
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TfIloscDni;
}

// Use from the desk:
//   if (PokazModalnie(*fIloscDni) != QDialog::Accepted) return;  // cancelled: no change
//   const int n = fIloscDni->IloscDni();                          // a whole number >= 0
// The box starts at "1" and keeps the last text typed from one showing to the next.
class TfIloscDni : public QDialog {
    Q_OBJECT
public:
    explicit TfIloscDni(QWidget* parent = nullptr);
    ~TfIloscDni() override;

    // The number of days accepted by the last "OK <F2>" (1 when the box was empty).
    // Valid after the dialog has closed with OK.
    int IloscDni() const { return iloscDni; }

protected:
    void showEvent(QShowEvent* zdarzenie) override;

private:
    void bOKClick();
    void bAnulujClick();
    void eIleDniChange(const QString& tekst);

    std::unique_ptr<Ui::TfIloscDni> ui;
    int iloscDni = 1;
};

// The window created once at program entry.
extern TfIloscDni* fIloscDni;
