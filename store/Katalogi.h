// Where the program and its tables live.
#pragma once

#include <QString>

// The program's own folder and the tables' folder, each ending in a separator; set at
// start-up.
extern QString KatalogProgramu;
extern QString KatalogBazy;
