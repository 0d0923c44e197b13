// The archived clients, sorted by surname, from which a client is brought back.
#pragma once

#include <memory>
#include <vector>

#include "clients/OdczytKlientow.h"
#include "store/TQuery.h"
#include "widgets/OknoListy.h"

namespace Ui {
class TfKlienciArchiwum;
}

class TfKlienciArchiwum : public TOknoListy {
    Q_OBJECT
public:
    explicit TfKlienciArchiwum(QWidget* parent = nullptr);
    ~TfKlienciArchiwum() override;

    // Reads the archived clients into the grid; the first row becomes current.
    void Otworz();
    // Brings the client of the current row back after the operator's confirmation.
    void bPrzywrocClick();

protected:
    void FormShow() override;
    void done(int r) override;

private:
    void UstawSzerokosciKolumn();

    std::unique_ptr<Ui::TfKlienciArchiwum> ui;
    TQuery Query1;                           // the grid's rows
    std::vector<TKlientArchiwalny> klienci;  // the grid's rows as read
};

// The desk's "Klient" -> "Archiwum klientów": creates the window, shows it modally and
// destroys it. The desk then rebuilds its client pick list.
void PokazArchiwumKlientow();
