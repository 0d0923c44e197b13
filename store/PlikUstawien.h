// The program's own settings file (INI): window positions, the shop's details, the
// label sheet. Not the tariff, which lives in the store.
#pragma once

#include <QString>

// Defaults to a file under the user's configuration folder; tests point it elsewhere.
QString PlikUstawienProgramu();
// An empty path restores the default.
void UstawPlikUstawienProgramu(const QString& sciezka);
