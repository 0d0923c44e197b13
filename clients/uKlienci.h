#pragma once

#include <QDialog>

class TfKlienci : public QDialog {
    Q_OBJECT
public:
    explicit TfKlienci(QWidget* parent = nullptr);
};

// The window created once at program entry.
extern TfKlienci* fKlienci;
