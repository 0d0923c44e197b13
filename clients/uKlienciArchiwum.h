#pragma once

#include <QDialog>

class TfKlienciArchiwum : public QDialog {
    Q_OBJECT
public:
    explicit TfKlienciArchiwum(QWidget* parent = nullptr);
};
