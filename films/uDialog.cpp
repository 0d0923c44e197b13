#include "films/uDialog.h"

#include <QComboBox>

TfDialog::TfDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfDialog"));
    setWindowTitle(QStringLiteral("Edycja listy ..."));
}

void TfDialog::ZmienZawartoscPliku(const QString&, int) {}

void WczytajComboBox(const QString&, QComboBox* combo) { combo->clear(); }
