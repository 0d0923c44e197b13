#pragma once

#include <QDialog>

class TfSzukaj : public QDialog {
    Q_OBJECT
public:
    explicit TfSzukaj(QWidget* parent = nullptr);
};

// The window created once at program entry.
extern TfSzukaj* fSzukaj;
