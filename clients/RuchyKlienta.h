// The client's own movements of the till journal, shown read-only in the client record.
#pragma once

#include <QString>
#include <array>
#include <optional>
#include <vector>

class QTableWidget;
class TQuery;

// One line of the list: date, time, operation, description, amount.
using TLiniaRuchu = std::array<QString, 5>;

// The client's movements, newest first; nothing when the statement failed (its error text
// has been shown).
std::optional<std::vector<TLiniaRuchu>> RuchyKlienta(TQuery& query, int idKlienta);

// Gives the grid its columns, read-only whole-line selection and the export menu.
void PrzygotujSiatkeRuchow(QTableWidget* sg);
// Fills the grid with the client's movements (none for a client not yet stored); on a
// failed statement the grid stays as it was.
void PokazRuchyKlienta(QTableWidget* sg, TQuery& query, int idKlienta);
