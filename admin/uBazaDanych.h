// The store's dialog ("Narzędzia" -> "Baza danych…"): the file on this computer or a
// PostgreSQL server, and this counter's name, kept in the program's settings file (never a
// password).
#pragma once

#include <QDialog>
#include <memory>

#include "store/WyborBazy.h"

namespace Ui {
class TfBazaDanych;
}

// Created for each use: it shows the saved choice. "Sprawdź połączenie" tries the server
// as typed, apart from the active store; "Zapisz <F2>" checks the fields, saves them and
// closes with Accepted. "Przenieś dane z tego komputera na serwer" copies the open file store
// into the server's empty database, switches to it, saves the choice and closes with
// Accepted (Przeniesiono). A field that is not valid, or a file that cannot be written, is
// reported and the dialog stays open with everything as typed.
class TfBazaDanych : public QDialog {
    Q_OBJECT
public:
    explicit TfBazaDanych(QWidget* parent = nullptr);
    ~TfBazaDanych() override;

    // The choice as the controls hold it; a port that is not a number gives 0.
    TWyborBazy Wybor() const;
    // After saving: the store the next start connects is not the one saved before.
    bool ZmienionaBaza() const;
    // The shop's data went over to the server, which is now the active store.
    bool Przeniesiono() const { return przeniesiono; }

private:
    // Tells the first field that is not valid and puts the focus on it; true when all are.
    bool Poprawne(bool zeStanowiskiem);
    void bSprawdzClick();
    void bZapiszClick();
    void bPrzeniesClick();
    void UstawDostepnosc();

    std::unique_ptr<Ui::TfBazaDanych> ui;
    TWyborBazy poprzedni;  // as saved when the dialog opened
    bool przeniesiono = false;
};
