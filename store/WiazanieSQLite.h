// A value bound to a parameter of a prepared SQLite statement as the file store keeps it:
// booleans as 0/1, whole numbers and reals as such, dates as ISO text (an invalid date as
// empty text), anything else as its text; null as null.
#pragma once

#include <QVariant>

struct sqlite3_stmt;

void WiazWartosc(sqlite3_stmt* st, int i, const QVariant& v);
