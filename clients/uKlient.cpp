#include "clients/uKlient.h"

TfKlient* fKlient = nullptr;

TfKlient::TfKlient(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfKlient"));
    setWindowTitle(QStringLiteral("Klient"));
}

void TfKlient::UstawKlienta(int id) { Id = id; }
