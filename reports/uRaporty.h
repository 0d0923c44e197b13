// The printed reports the desk's menu "Raport" starts directly.
#pragma once

#include <QString>

// "Okresowy": asks for the range (TfRapDaty); on OK computes the periodic report for the
// chosen days, previews it, asks "Czy rozpocząć drukowanie?" and prints on Yes.
void RaportOkresowy();
// "Raport kasowy": asks for the range (TfRapDaty, today alone at first) and the counter
// (every counter at first); on OK computes the cash-up of the chosen days, previews it, asks "Czy
// rozpocząć drukowanie?" and prints on Yes.
void RaportKasowy();
// "Najczęściej wypożyczane filmy" and "Najlepsi klienci": the item named
// "miRapRentownoscF" gives the film ranking, any other the client ranking; previewed,
// then printed on Yes.
void RaportRentownosci(const QString& nazwaPozycji);
// The kind of ranking the menu item of the given name starts: 1 films, 2 clients.
int RodzajRentownosci(const QString& nazwaPozycji);
