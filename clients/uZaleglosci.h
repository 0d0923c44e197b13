// The arrears window: a client's returned rentals that still owe part of their charge,
// with their total, and the payment booked against them.
#pragma once

#include <memory>
#include <vector>

#include "clients/OdczytKlientow.h"
#include "store/Kwota.h"
#include "store/TQuery.h"
#include "widgets/OknoListy.h"

namespace Ui {
class TfZaleglosci;
}

class TfZaleglosci : public TOknoListy {
    Q_OBJECT
public:
    explicit TfZaleglosci(QWidget* parent = nullptr);
    ~TfZaleglosci() override;

    // Sets the client whose arrears are shown (klient.ID); call before showing.
    void UstawKlienta(int id);
    int Klient() const { return IdKlienta; }

    // Lists the client's arrears (run at every showing).
    void FormShow() override;

public slots:
    // "Zamknij <F10>" ends with OK, and so does any other way of closing once a payment
    // has been booked, so that the caller always reloads a balance that has changed.
    void reject() override;

private:
    void bWplataClick();
    void UstawSzerokosciKolumn();
    // The listed rentals' unpaid parts, in list order, and their total.
    std::vector<TKwota> Naleznosci() const;
    TKwota Razem() const;
    // The amounts of the rows and of the total row as they stand now.
    void PokazKwoty();

    std::unique_ptr<Ui::TfZaleglosci> ui;
    TQuery Query1;
    std::vector<TZalegloscFilmu> Linie;  // the rows listed, as read and as paid since
    int IdKlienta = 0;
    bool Zaksiegowano = false;  // a payment was booked during this showing
};

// The window created once at program entry.
extern TfZaleglosci* fZaleglosci;

// The desk's "Zaległe płatności": when the client has no returned rental with an unpaid
// amount, says "Wszystkie należności zostały uregulowane." and returns false; otherwise
// shows fZaleglosci for the client and returns true when it ended with OK (the caller
// then reloads the client).
bool PokazZaleglosci(int idKlienta);
