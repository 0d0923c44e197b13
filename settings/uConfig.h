#pragma once

#include <QDialog>

#include "settings/Ustawienia.h"

// The settings dialog; holds the settings record for the whole run.
class TfConfig : public QDialog {
    Q_OBJECT
public:
    explicit TfConfig(QWidget* parent = nullptr);
    // Loads the record from the store.
    void WczytajUstawienia();
    // Writes the whole record to the store.
    void ZapiszUstawienia();

    TUstawienia Ustawienia;
};

// The window created once at program entry.
extern TfConfig* fConfig;
