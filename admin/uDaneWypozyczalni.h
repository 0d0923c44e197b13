// The shop's details dialog ("Narzędzia" -> "Dane wypożyczalni…"): name, address,
// phone and tax number printed on slips and cards, and the slip's paper.
#pragma once

#include <QDialog>
#include <memory>

#include "settings/Wypozyczalnia.h"

namespace Ui {
class TfDaneWypozyczalni;
}

// Created for each use: it shows the saved details, and "Zapisz <F2>" saves them and
// closes with Accepted; a tax number that is not valid, or a file that cannot be
// written, is reported and the dialog stays open with everything as typed.
class TfDaneWypozyczalni : public QDialog {
    Q_OBJECT
public:
    explicit TfDaneWypozyczalni(QWidget* parent = nullptr);
    ~TfDaneWypozyczalni() override;

    // The details as the controls hold them.
    TWypozyczalnia Dane() const;

private:
    void bZapiszClick();

    std::unique_ptr<Ui::TfDaneWypozyczalni> ui;
};
