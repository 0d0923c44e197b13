// Cells of the desk's list and the payment dialog, shared by the desk's operations.
#pragma once

#include <QString>
#include <optional>

#include "app/uRozliczenia.h"

class QTableWidget;

// The text of a cell, empty when the cell has none.
QString TekstKomorki(const QTableWidget* sg, int wiersz, int kolumna);
void UstawKomorke(QTableWidget* sg, int wiersz, int kolumna, const QString& tekst);
// An amount shown in the list.
std::optional<double> KwotaKomorki(const QString& tekst);
// The list's background: the button-shadow colour when overdue, else the button face.
void UstawTloListy(QTableWidget* sg, bool poTerminie);
// The separator row at wiersz and the total row below it.
void DopiszPodsumowanie(QTableWidget* sg, int wiersz, double razem);
// Shows the payment dialog when proposed; the amount paid (0 when declined or not shown).
double PokazWplate(const TPropozycjaWplaty& propozycja);
