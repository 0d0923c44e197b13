#pragma once

#include <QDialog>

class TfWplata : public QDialog {
    Q_OBJECT
public:
    explicit TfWplata(QWidget* parent = nullptr);
    // Proposes the amount and its caption before the dialog is shown.
    void UstawKwote(const QString& tytul, double kwota);
    // The amount paid (0 when declined).
    double Kwota() const { return kwota; }

private:
    double kwota = 0;
};

// The window created once at program entry.
extern TfWplata* fWplata;
