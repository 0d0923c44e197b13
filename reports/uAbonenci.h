// The list of subscribers.
#pragma once

#include <memory>

#include "reports/OknoZestawienia.h"
#include "store/TQuery.h"

namespace Ui {
class TfAbonenci;
}

class TfAbonenci : public TOknoZestawienia {
    Q_OBJECT
public:
    explicit TfAbonenci(QWidget* parent = nullptr);
    ~TfAbonenci() override;

    // Fills the list from the store (at every showing).
    void FormShow() override;

private:
    void Dwuklik(int wiersz) override;
    void Raport() override;
    void UstawSzerokosciKolumn() override;

    std::unique_ptr<Ui::TfAbonenci> ui;
    TQuery Query1;
};

// The window created once at program entry.
extern TfAbonenci* fAbonenci;
