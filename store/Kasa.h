// The till journal: one row for every movement of money across the counter. The column
// Stanowisko (the counter that wrote the row) comes with a later step of the upgrade.
#pragma once

class TQuery;

// Creates the table `kasa` and its index on the day: a step of the schema's upgrade.
void UtworzKase(TQuery& query);
