#include "settings/uConfig.h"

TfConfig* fConfig = nullptr;

TfConfig::TfConfig(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfConfig"));
    setWindowTitle(QStringLiteral("Ustawienia"));
}

void TfConfig::WczytajUstawienia() {}
void TfConfig::ZapiszUstawienia() {}
