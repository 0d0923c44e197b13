// The program's clock.
#pragma once

#include <QDate>

// "Today" for the whole program; tests fix it with UstawDzisiaj.
QDate Dzisiaj();
// Fixes today's date; an invalid date returns to the system clock.
void UstawDzisiaj(const QDate& dzien);
// The fixed date; invalid while the system clock runs.
QDate UstalonyDzien();
