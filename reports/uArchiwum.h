#pragma once

#include <QDialog>

class TfArchiwum : public QDialog {
    Q_OBJECT
public:
    explicit TfArchiwum(QWidget* parent = nullptr);
    // Kind 1: the history of client id; kind 2: the history of film id.
    void UstawArchiwum(int rodzaj, int id);

private:
    int Rodzaj = 1;
    int Id = 0;
};

// The window created once at program entry.
extern TfArchiwum* fArchiwum;
