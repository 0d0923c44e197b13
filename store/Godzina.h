// The time of day of the program's clock (the date is in Zegar.h).
#pragma once

#include <QDateTime>
#include <QTime>

// The time of day for what the program records; tests fix it with UstawGodzine.
QTime Godzina();
// Fixes the time of day; an invalid time returns to the system clock.
void UstawGodzine(const QTime& godzina);
// The fixed time of day; invalid while the system clock runs.
QTime UstalonaGodzina();
// The program's today at its time of day: the moment a slip, a copy or a restore records.
QDateTime Chwila();
