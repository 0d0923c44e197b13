// The start-up upgrade. The schema's version is kept in PRAGMA user_version; a store of
// version 0 is one of the older shapes, told apart by the columns present. Each numbered
// step (see the table in uStruktura.cpp) runs in its own transaction that also records its
// number, so a failure or a kill leaves the store at the step before or after, never half.
#pragma once

#include <QString>

class TQuery;

// The version the upgrade brings a store to: the number of the last step.
int WersjaSchematu();
// The version recorded in the active store (0 when there is no connection).
int WersjaBazy();
// The message for a store whose schema version is above this program's: a newer program
// wrote it, and this one does not know its tables.
QString KomunikatNowszejBazy(int wersja);
// Runs every step above the store's version, in order; stops at the first failing step
// (its statement's error text was shown once) so that the next start tries it again. A store
// opened read-only for objects the program did not make is left as it is. False, with the
// message above shown and nothing changed, when the store is newer than the program (the
// start ends then); true otherwise.
bool AktualizujStrukture(TQuery& query);
