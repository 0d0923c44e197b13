// The import of old Paradox tables as the operator runs it from the menu "Narzędzia".
#pragma once

#include <QDialog>
#include <QString>
#include <memory>

#include "admin/ImportParadox.h"

namespace Ui {
class TfImportParadox;
}

// The whole import: refuses a store that holds data, asks for the folder, reads the
// tables, asks before going on without rental.db, writes, reports and checks the store.
// True when the store was written (the desk then reloads).
bool ImportParadox(QWidget* rodzic);
// The same from an already chosen folder.
bool ImportParadoxZKatalogu(const QString& katalog, QWidget* rodzic = nullptr);

// The window in which the rows are brought over, with their progress and a stop. Once
// shown it writes the opened tables into the store (ZapiszOdczytParadox) and closes by
// itself. The work runs on the program's thread, in steps: between them the window
// handles its events (the bar is painted, "Przerwij" is heard). The store has one
// connection, which only this thread uses; while the import's transaction is open the
// window is modal, so no other window sends a statement in between. "Przerwij" (or
// closing the window) stops at the next step and the transaction is rolled back.
class TfImportParadox : public QDialog {
    Q_OBJECT
public:
    TfImportParadox(TOdczytParadox& odczyt, bool zWypozyczeniami, QWidget* parent = nullptr);
    ~TfImportParadox() override;

    // After the window has closed: the reason the store was not written (empty when it
    // was), and whether the operator stopped it.
    const QString& Blad() const { return blad; }
    bool Przerwano() const { return przerwij; }

    void reject() override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void Importuj();

    std::unique_ptr<Ui::TfImportParadox> ui;
    TOdczytParadox& odczyt;
    bool zWypozyczeniami;
    bool rozpoczety = false;
    bool przerwij = false;
    QString blad;
};
