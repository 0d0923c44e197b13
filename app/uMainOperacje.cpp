// The operations on the desk's list: rental commit, open rentals, return, undo and
// extension.
#include "app/uMain.h"

void TfMain::WczytajWypozyczenia() {}

void TfMain::bWypozyczClick() {}

void TfMain::bZwrotClick() {}

void TfMain::bCofnijClick() {}

void TfMain::bPrzedluzenieClick() {}
