#include "clients/uKlienci.h"

TfKlienci* fKlienci = nullptr;

TfKlienci::TfKlienci(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfKlienci"));
    setWindowTitle(QStringLiteral("Klienci"));
}
