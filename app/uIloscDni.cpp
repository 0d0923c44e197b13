#include "app/uIloscDni.h"

TfIloscDni* fIloscDni = nullptr;

TfIloscDni::TfIloscDni(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfIloscDni"));
    setWindowTitle(QStringLiteral("Przedłużenie"));
}
