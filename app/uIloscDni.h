#pragma once

#include <QDialog>

class TfIloscDni : public QDialog {
    Q_OBJECT
public:
    explicit TfIloscDni(QWidget* parent = nullptr);
};

// The window created once at program entry.
extern TfIloscDni* fIloscDni;
