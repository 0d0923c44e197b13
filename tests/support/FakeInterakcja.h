// A scripted interaction layer: records every message box, answers questions from a
// script and runs a scripted handler for every modal showing. A question or a modal
// showing with nothing scripted fails the test.
#pragma once

#include <QDialog>
#include <deque>
#include <functional>
#include <vector>

#include "store/Interakcja.h"

class FakeInterakcja : public TInterakcja {
public:
    // Installs itself for its lifetime.
    FakeInterakcja();
    ~FakeInterakcja() override;

    // Answer for the next message that offers a choice (more than one button).
    void Odpowiedz(QMessageBox::StandardButton odpowiedz) { odpowiedzi.push_back(odpowiedz); }
    // Handler for the next modal showing: drives the dialog's controls and returns its
    // result (usually okno.result() after clicking a button).
    void PrzyOknie(std::function<int(QDialog&)> obsluga) { okna.push_back(std::move(obsluga)); }

    QMessageBox::StandardButton Pokaz(const TKomunikat& komunikat) override;
    int PokazModalnie(QDialog& okno) override;

    std::vector<TKomunikat> komunikaty;  // every message shown, in order
    std::vector<QString> pokazaneOkna;   // objectName of every dialog shown
    std::deque<QMessageBox::StandardButton> odpowiedzi;
    std::deque<std::function<int(QDialog&)>> okna;

    // The texts of the messages shown so far.
    std::vector<QString> Teksty() const;
    void Wyczysc() {
        komunikaty.clear();
        pokazaneOkna.clear();
    }
};

// A modal handler that presses the named button of the dialog and returns its result.
std::function<int(QDialog&)> Kliknij(const QString& nazwaPrzycisku);
// A client box answered: the surname typed after entering its box (the box reacts to being
// entered), the other named boxes filled, then saved.
std::function<int(QDialog&)> ZapiszKlienta(
    const QString& nazwisko, const std::vector<std::pair<QString, QString>>& pola = {});
