// Movements of money across the counter, written into the till journal `kasa` by each
// money operation inside its own transaction.
#pragma once

#include <QString>

#include "store/Kwota.h"

class TQuery;

// The operations that move money, as the journal's Rodzaj names them.
namespace RodzajKasy {
inline const QString Wypozyczenie = QStringLiteral("Wypożyczenie");
inline const QString Zwrot = QStringLiteral("Zwrot");
inline const QString Przedluzenie = QStringLiteral("Przedłużenie");
inline const QString Wycofanie = QStringLiteral("Wycofanie");
inline const QString Zaleglosci = QStringLiteral("Zaległości");
inline const QString Wplata = QStringLiteral("Wpłata");
inline const QString Abonament = QStringLiteral("Abonament");
}  // namespace RodzajKasy

// What the journal's Opis says of a payment against returned rentals' unpaid parts.
inline const QString OpisZaleglosci = QStringLiteral("zaległe należności");
// ... of a payment into the client's account and of a subscription fee.
inline const QString OpisWplaty = QStringLiteral("wpłata na konto klienta");
inline const QString OpisAbonamentu = QStringLiteral("opłata za abonament");

// Writes one movement: kwota taken from the client (positive) or handed back (negative),
// today at the clock's time, at this counter (NazwaStanowiska). A zero amount writes nothing.
void ZapiszRuchKasy(TQuery& query, int idKlienta, const QString& rodzaj, TKwota kwota,
                    const QString& opis);
