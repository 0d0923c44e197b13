// The labels dialog ("Film" -> "Etykiety z kodem…"): which films (a range of numbers or
// the films entered today), and the paper (an A4 sheet of 3 x 8 labels with adjustable
// margins and gaps, or a label printer's label). "Podgląd <F2>" checks the choice, keeps
// the paper's settings and shows the labels in the preview, from which they are printed or
// saved as PDF; the dialog stays open for more.
#pragma once

#include <QDialog>
#include <memory>
#include <optional>

#include "reports/uRapEtykiety.h"

namespace Ui {
class TfEtykiety;
}

class TfEtykiety : public QDialog {
    Q_OBJECT
public:
    explicit TfEtykiety(QWidget* parent = nullptr);
    ~TfEtykiety() override;

    // The paper as the controls describe it; nothing (a warning shown) when a box holds
    // no number.
    std::optional<TUkladEtykiet> Uklad();
    // The films chosen; nothing (a warning shown) when the choice is not valid.
    std::optional<std::vector<TEtykieta>> Filmy();

private:
    void bPodgladClick();
    void PokazRozmiar();
    void UstawDostepnosc();

    std::unique_ptr<Ui::TfEtykiety> ui;
};
