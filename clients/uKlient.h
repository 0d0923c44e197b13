#pragma once

#include <QDialog>

class QComboBox;

class TfKlient : public QDialog {
    Q_OBJECT
public:
    explicit TfKlient(QWidget* parent = nullptr);
    // Sets the client to edit (0 = a new client) before the dialog is shown.
    void UstawKlienta(int id);
    // The display name saved (surname, a blank, first name), empty when none.
    QString NazwaKlienta() const { return nazwaKlienta; }
    // The client number saved.
    int Numer() const { return numer; }
    // The town pick list (filled from the town word list).
    QComboBox* cbMiejscowosc = nullptr;

private:
    int Id = 0;
    int numer = 0;
    QString nazwaKlienta;
};

// The window created once at program entry.
extern TfKlient* fKlient;
