// The grid of a numbered list (the clients' and the films' lists): the number in four
// digits, the text, and the row's ID in a hidden working column.
#pragma once

#include <QString>

class QTableWidget;
class TQuery;

// Fills the grid's columns 0 (number), 1 (text) and 2 (ID, hidden) from every row of the
// open query, read from the columns kolumnaNumeru, kolumnaTekstu and ID, and closes the
// query. The current row keeps its place (the last row at most). Returns the ID of the
// current row, 0 when the list is empty.
int WypelnijListeNumerowana(QTableWidget* sg, TQuery& query, const QString& kolumnaNumeru,
                            const QString& kolumnaTekstu);
