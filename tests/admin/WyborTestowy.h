// A scripted file choice: answers every file and folder dialog with plik and records what was
// proposed.
#pragma once

#include "admin/WyborPliku.h"

class WyborTestowy : public TWyborPliku {
public:
    WyborTestowy() { UstawWyborPliku(this); }
    ~WyborTestowy() override { UstawWyborPliku(nullptr); }

    QString DoZapisu(QWidget*, const QString&, const QString& p, const QString&) override {
        propozycja = p;
        return plik;
    }
    QString DoOdczytu(QWidget*, const QString&, const QString& k, const QString&) override {
        katalog = k;
        return plik;
    }
    QString Folder(QWidget*, const QString&) override { return plik; }

    QString plik;        // the answer; empty = cancelled
    QString propozycja;  // the name proposed for writing
    QString katalog;     // the folder proposed for reading
};
