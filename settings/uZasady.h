// The shop's rules dialog ("Zasady wypożyczalni"): the arrears limit, the closed days and
// the return by scanning.
#pragma once

#include <QDialog>
#include <memory>

#include "settings/Zasady.h"
#include "store/TQuery.h"

namespace Ui {
class TfZasady;
}

// Created for each use: it shows the stored rules; "Zapisz <F2>" stores them, puts them
// into the settings record (fConfig->Ustawienia.Zasady) and closes with Accepted. An
// amount that is not valid is reported and the dialog stays open with everything as typed.
class TfZasady : public QDialog {
    Q_OBJECT
public:
    explicit TfZasady(QWidget* parent = nullptr);
    ~TfZasady() override;

private:
    void PokazDni();
    void DodajDni(const std::vector<QDate>& dni);
    void bDodajDzienClick();
    void bUsunDzienClick();
    void bSwietaClick();
    void bZapiszClick();

    std::unique_ptr<Ui::TfZasady> ui;
    std::vector<QDate> dniWolne;  // sorted, each once
    TQuery Query1;
};
