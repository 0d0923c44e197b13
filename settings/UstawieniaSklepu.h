// The shop's own settings, kept in the store's table `ustawienia` (key and value texts) so
// that every counter reads the same: the shop's details and the label layout. A key is
// "GRUPA/Klucz", the group and key under which the program's settings file kept the value
// before. What belongs to one computer (windows, the slip's paper, the connection, the
// counter's name) stays in its settings file.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <vector>

// The stored values of the group by key, as texts. Read once and kept until the store's mark
// changes (a write here or by another counter), so reading often costs nothing. No store
// connected, or a failed read (its error text shown), gives an empty map.
QVariantMap WczytajUstawieniaSklepu(const QString& grupa);
// Replaces the group's stored values by these (each as its text) in one transaction; false
// when nothing was stored (the store's error text has been shown).
bool ZapiszUstawieniaSklepu(const QString& grupa, const QVariantMap& wartosci);

// The groups of the settings file that belong to the shop, with the keys of each that move
// into the store.
struct TGrupaSklepu {
    QString grupa;
    QStringList klucze;
};
const std::vector<TGrupaSklepu>& GrupySklepu();
// Carries the shop's values from this computer's settings file into the store, for every
// group of which the store holds nothing yet (the first start after the store gained the
// table, or a new store); the file stays as it is. False when a write failed.
bool PrzeniesUstawieniaZPliku();

// This counter's name: as the settings file keeps it (group BAZA, key Stanowisko), by
// default the computer's name.
QString NazwaStanowiska();
