// The payment dialog: the operator confirms the proposed amount, types what the client
// actually paid, or declines.
#pragma once

#include <QDialog>
#include <QStringList>
#include <memory>

#include "store/Kwota.h"

namespace Ui {
class TfWplata;
}

class TfWplata : public QDialog {
    Q_OBJECT
public:
    explicit TfWplata(QWidget* parent = nullptr);
    ~TfWplata() override;
    // Proposes the amount and its caption before the dialog is shown.
    void UstawKwote(const QString& tytul, TKwota kwota);
    // The lines that explain the amount (none: the breakdown is hidden).
    void UstawRozliczenie(const QStringList& linie);
    // The amount paid (0 when declined).
    TKwota Kwota() const { return kwota; }

    // Any closing but "Zapłacono" gives the amount 0.
    void done(int r) override;

protected:
    void showEvent(QShowEvent* zdarzenie) override;

private:
    void eKwotaChange();
    void bZapiszClick();

    std::unique_ptr<Ui::TfWplata> ui;
    TKwota kwota;
};

// The window created once at program entry.
extern TfWplata* fWplata;
