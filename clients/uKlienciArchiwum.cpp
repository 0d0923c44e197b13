#include "clients/uKlienciArchiwum.h"

TfKlienciArchiwum::TfKlienciArchiwum(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfKlienciArchiwum"));
    setWindowTitle(QStringLiteral("Archiwum klientów"));
}
