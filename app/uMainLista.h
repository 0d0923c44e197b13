// Cells of the desk's list, the payment dialog and the settings in force, shared by the
// desk's panels and operations.
#pragma once

#include <QDate>
#include <QEvent>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

#include "money/Rozliczenia.h"
#include "money/RozliczeniePrzedluzenia.h"
#include "money/RozliczenieWycofania.h"
#include "money/RozliczenieZwrotu.h"
#include "settings/Ustawienia.h"

class QLineEdit;
class QTableWidget;

// Widths of the list's six columns for a list width: the title, the number and the
// price share it, the other three are hidden.
std::array<int, 6> SzerokosciKolumn(int szerokoscListy);

// The text of a cell, empty when the cell has none.
QString TekstKomorki(const QTableWidget* sg, int wiersz, int kolumna);
void UstawKomorke(QTableWidget* sg, int wiersz, int kolumna, const QString& tekst);
// An amount shown in the list.
std::optional<TKwota> KwotaKomorki(const QString& tekst);
// The list's background: the button-shadow colour when overdue, else the button face.
void UstawTloListy(QTableWidget* sg, bool poTerminie);
// The separator row at wiersz and the total row below it.
void DopiszPodsumowanie(QTableWidget* sg, int wiersz, TKwota razem);
// Runs the handler for every event of the type the object receives; the event goes on.
void Obserwuj(QObject* obiekt, QEvent::Type typ, std::function<void()> obsluga);
// Puts the focus in a number field with its text selected, so that the next number typed
// or scanned replaces it.
void ZaznaczPole(QLineEdit* pole);
// The settings record of the run (fConfig's), or the defaults when there is none.
const TUstawienia& UstawieniaProgramu();
// The late days of a rental due on termin, returned today, as the pricing counts them.
int DniZwloki(const QDate& termin, const QDate& dzisiaj);

// Shows the payment dialog when proposed, with the lines that explain the amount; the
// amount paid (0 when declined or not shown).
TKwota PokazWplate(const TPropozycjaWplaty& propozycja, const QStringList& rozliczenie = {});

class TListaWypozyczen;
class TPanelKlienta;
// The inputs of the operations on the listed rentals, rows first..last, as the list and
// the client panel hold them.
TDaneZwrotu DaneZwrotu(const TListaWypozyczen& lista, const TPanelKlienta& klient,
                       std::pair<int, int> wiersze);
TDaneWycofania DaneWycofania(const TListaWypozyczen& lista, const TPanelKlienta& klient,
                             std::pair<int, int> wiersze);
TDanePrzedluzenia DanePrzedluzenia(const TListaWypozyczen& lista, const TPanelKlienta& klient,
                                   std::pair<int, int> wiersze, int iloscDni);
