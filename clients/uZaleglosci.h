#pragma once

#include <QDialog>

class TfZaleglosci : public QDialog {
    Q_OBJECT
public:
    explicit TfZaleglosci(QWidget* parent = nullptr);
    // Sets the client whose arrears are shown.
    void UstawKlienta(int id);

private:
    int IdKlienta = 0;
};

// The window created once at program entry.
extern TfZaleglosci* fZaleglosci;
