// The list of subscribers.
#pragma once

#include <QDialog>
#include <memory>

#include "store/TQuery.h"

namespace Ui {
class TfAbonenci;
}

class TfAbonenci : public QDialog {
    Q_OBJECT
public:
    explicit TfAbonenci(QWidget* parent = nullptr);
    ~TfAbonenci() override;

    // Fills the list from the store (at every showing).
    void FormShow();

protected:
    void showEvent(QShowEvent* zdarzenie) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    void sgAbonenciDblClick(int wiersz);
    void bRaportClick();
    void UstawSzerokosciKolumn();

    std::unique_ptr<Ui::TfAbonenci> ui;
    TQuery Query1;
};

// The window created once at program entry.
extern TfAbonenci* fAbonenci;
