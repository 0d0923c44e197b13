#include "reports/uArchiwum.h"

TfArchiwum* fArchiwum = nullptr;

TfArchiwum::TfArchiwum(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfArchiwum"));
    setWindowTitle(QStringLiteral("Archiwum"));
}

void TfArchiwum::UstawArchiwum(int rodzaj, int id) {
    Rodzaj = rodzaj;
    Id = id;
}
