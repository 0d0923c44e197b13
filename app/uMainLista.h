// Cells of the desk's list, the payment dialog and the settings in force, shared by the
// desk's panels and operations.
#pragma once

#include <QString>
#include <optional>

#include "money/Rozliczenia.h"
#include "settings/Ustawienia.h"

class QTableWidget;

// The text of a cell, empty when the cell has none.
QString TekstKomorki(const QTableWidget* sg, int wiersz, int kolumna);
void UstawKomorke(QTableWidget* sg, int wiersz, int kolumna, const QString& tekst);
// An amount shown in the list.
std::optional<TKwota> KwotaKomorki(const QString& tekst);
// The list's background: the button-shadow colour when overdue, else the button face.
void UstawTloListy(QTableWidget* sg, bool poTerminie);
// The separator row at wiersz and the total row below it.
void DopiszPodsumowanie(QTableWidget* sg, int wiersz, TKwota razem);
// The settings record of the run (fConfig's), or the defaults when there is none.
const TUstawienia& UstawieniaProgramu();

// Shows the payment dialog when proposed; the amount paid (0 when declined or not shown).
TKwota PokazWplate(const TPropozycjaWplaty& propozycja);
