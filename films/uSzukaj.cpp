#include "films/uSzukaj.h"

TfSzukaj* fSzukaj = nullptr;

TfSzukaj::TfSzukaj(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfSzukaj"));
    setWindowTitle(QStringLiteral("Wyszukiwanie"));
}
