// The operator's choice of a file goes through one replaceable piece: the program shows
// the system's file dialogs, tests install a scripted choice.
#pragma once

#include <QString>

class QWidget;

class TWyborPliku {
public:
    virtual ~TWyborPliku() = default;
    // The file to write, proposing propozycja; the empty text when the operator cancels.
    virtual QString DoZapisu(QWidget* rodzic, const QString& tytul, const QString& propozycja,
                             const QString& filtr) = 0;
    // An existing file to read, starting in katalog; empty when cancelled.
    virtual QString DoOdczytu(QWidget* rodzic, const QString& tytul, const QString& katalog,
                              const QString& filtr) = 0;
    // An existing folder; empty when cancelled.
    virtual QString Folder(QWidget* rodzic, const QString& tytul) = 0;
};

// The choice in force (the system dialogs unless a test installed another).
TWyborPliku& WyborPliku();
// Installs a choice; nullptr restores the system dialogs. The caller keeps ownership.
void UstawWyborPliku(TWyborPliku* wybor);
