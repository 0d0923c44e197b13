#include "reports/uAbonenci.h"

TfAbonenci* fAbonenci = nullptr;

TfAbonenci::TfAbonenci(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfAbonenci"));
    setWindowTitle(QStringLiteral("Abonenci"));
}
