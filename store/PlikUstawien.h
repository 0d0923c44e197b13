// The program's own settings file (INI): what belongs to this computer (window positions,
// the slip's paper, the connection, the counter's name). Not what belongs to the shop (the
// tariff, the rules, the shop's details, the label layout), which lives in the store.
#pragma once

#include <QString>
#include <QVariantMap>

// Defaults to a file under the user's configuration folder; tests point it elsewhere.
QString PlikUstawienProgramu();
// An empty path restores the default.
void UstawPlikUstawienProgramu(const QString& sciezka);

// The keys of one group of the file with their values as written (texts); nothing saved
// gives an empty map.
QVariantMap WczytajGrupeUstawien(const QString& grupa);
// Writes the values into the group, creating the file's folder when needed; the group's
// other keys and the other groups stay. False when the file cannot be written.
bool ZapiszGrupeUstawien(const QString& grupa, const QVariantMap& wartosci);
