// How the settings record is kept in the dictionary table: the thirteen keys, the text
// form of each value, the defaults, the normalisation by subscription kind, and the
// statements that write the record.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

#include "settings/Ustawienia.h"

class TQuery;

// The keys in the order they are read and written.
inline constexpr int LiczbaKluczyUstawien = 13;
const QStringList& KluczeUstawien();

// Text conversions of stored values. A real uses the decimal comma; a boolean is true
// when the text begins with T, t, Y or y.
bool LogicznaZTekstu(const QString& tekst);
std::optional<double> RzeczywistaZTekstu(const QString& tekst);
std::optional<int> CalkowitaZTekstu(const QString& tekst);

// The subscription fields made consistent with TypAb: only the field of the kind in
// force is meaningful, the other two hold their neutral values.
void NormalizujUstawienia(TUstawienia& u);

// The record from the stored texts by key. A missing key, or a text that does not
// convert to the field's type, gives the field's default. The result is normalised.
TUstawienia UstawieniaZTekstow(const QHash<QString, QString>& wartosci);

// The stored text of every field, by key.
QHash<QString, QString> TekstyUstawien(const TUstawienia& u);

// The query reading one key from the dictionary table in the tables' folder.
QString ZapytanieUstawienia(const QString& katalogBazy, const QString& klucz);

// The statements writing the whole record: the delete of the old rows followed by one
// insert per key.
QStringList PoleceniaZapisuUstawien(const TUstawienia& u);

// The stored texts of the record by key, each key read through the query; a key whose
// read fails or finds no row is left out.
QHash<QString, QString> CzytajTekstyUstawien(TQuery& q, const QString& katalogBazy);
// Writes the whole record in one transaction; true when it is stored.
bool ZapiszUstawieniaWBazie(TQuery& q, const TUstawienia& u);
