#include "clients/uZaleglosci.h"

TfZaleglosci* fZaleglosci = nullptr;

TfZaleglosci::TfZaleglosci(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfZaleglosci"));
    setWindowTitle(QStringLiteral("Zaległe należności"));
}

void TfZaleglosci::UstawKlienta(int id) { IdKlienta = id; }
