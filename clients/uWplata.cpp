#include "clients/uWplata.h"

TfWplata* fWplata = nullptr;

TfWplata::TfWplata(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfWplata"));
    setWindowTitle(QStringLiteral("Wpłata"));
}

void TfWplata::UstawKwote(const QString&, double k) { kwota = k; }
