// The start-up upgrade. The schema's version is kept in PRAGMA user_version; a store of
// version 0 is one of the older shapes, told apart by the columns present. Each numbered
// step (see the table in uStruktura.cpp) runs in its own transaction that also records its
// number, so a failure or a kill leaves the store at the step before or after, never half.
#pragma once

class TQuery;

// The version the upgrade brings a store to: the number of the last step.
int WersjaSchematu();
// The version recorded in the active store (0 when there is no connection).
int WersjaBazy();
// Runs every step above the store's version, in order; stops at the first failing step
// (its statement's error text was shown once) so that the next start tries it again. A store
// opened read-only for objects the program did not make is left as it is.
void AktualizujStrukture(TQuery& query);
