#include "films/uFilmy.h"

TfFilmy::TfFilmy(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfFilmy"));
    setWindowTitle(QStringLiteral("Filmy"));
}

void TfFilmy::UstawZapytanie(const QString& sql) { zapytanie = sql; }
