// The archived clients, sorted by surname, from which a client is brought back.
#pragma once

#include <QDialog>
#include <memory>
#include <vector>

#include "clients/OdczytKlientow.h"
#include "store/TQuery.h"

namespace Ui {
class TfKlienciArchiwum;
}

class TfKlienciArchiwum : public QDialog {
    Q_OBJECT
public:
    explicit TfKlienciArchiwum(QWidget* parent = nullptr);
    ~TfKlienciArchiwum() override;

    // Reads the archived clients into the grid; the first row becomes current.
    void Otworz();
    // Brings the client of the current row back after the operator's confirmation.
    void bPrzywrocClick();

protected:
    void showEvent(QShowEvent* zdarzenie) override;
    void done(int r) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    void UstawSzerokosciKolumn();

    std::unique_ptr<Ui::TfKlienciArchiwum> ui;
    TQuery Query1;                           // the grid's rows
    std::vector<TKlientArchiwalny> klienci;  // the grid's rows as read
};

// The desk's "Klient" -> "Archiwum klientów": creates the window, shows it modally and
// destroys it. The desk then rebuilds its client pick list.
void PokazArchiwumKlientow();
