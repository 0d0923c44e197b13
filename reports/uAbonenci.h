#pragma once

#include <QDialog>

class TfAbonenci : public QDialog {
    Q_OBJECT
public:
    explicit TfAbonenci(QWidget* parent = nullptr);
};

// The window created once at program entry.
extern TfAbonenci* fAbonenci;
