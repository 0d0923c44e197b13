// Copying and saving the contents of a list: a pop-up menu for any grid of the program
// with "Kopiuj" (the marked lines to the clipboard, tab-separated) and "Zapisz jako CSV…"
// (every line, UTF-8, semicolon-separated). Cells go out as the grid shows them (amounts
// with the decimal comma, dates "dd.mm.yyyy"); hidden working columns are left out.
#pragma once

#include <QString>
#include <functional>
#include <vector>

class QTableView;

using TWierszeTekstu = std::vector<std::vector<QString>>;

// A cell beginning with =, +, -, @, a tab or a carriage return, which a spreadsheet would
// take for a formula, goes out (to the clipboard and to CSV) after an apostrophe, so that
// it shows as text; a plain number such as "-12,50" goes out as it is.
//
// Lines for the clipboard: cells joined by tabs, lines ended by a line feed. A tab or a
// line break inside a cell becomes a blank, so every cell stays in its column.
QString TekstSchowka(const TWierszeTekstu& wiersze);
// Lines of a CSV file: cells joined by semicolons, lines ended by CR LF. A cell holding a
// semicolon, a double quote, a line break or a leading or trailing blank is put between
// double quotes, with each double quote doubled.
QString TekstCSV(const TWierszeTekstu& wiersze);

// The columns that go out: neither hidden nor of width 0, nor named in pomin.
std::vector<int> KolumnyEksportu(const QTableView& siatka, const std::vector<int>& pomin);
// The header line of the given columns.
std::vector<QString> NaglowekSiatki(const QTableView& siatka, const std::vector<int>& kolumny);
// The given lines of the grid over the given columns; a line whose cells are all empty (the
// empty line of an empty list) is left out.
TWierszeTekstu WierszeSiatki(const QTableView& siatka, const std::vector<int>& wiersze,
                             const std::vector<int>& kolumny);
// The lines marked by the operator in grid order; the current line when none is marked.
std::vector<int> ZaznaczoneWiersze(const QTableView& siatka);

// Gives the grid the pop-up menu "Kopiuj" (also Ctrl+C; objectName miKopiuj) and
// "Zapisz jako CSV…" (objectName miZapiszCSV). Columns in pomin are never exported; hidden
// columns and columns of width 0 are left out as they stand at the time of the export.
void DodajMenuEksportu(QTableView* siatka, std::vector<int> pomin = {});

// Copies the marked lines of the grid to the clipboard.
void KopiujWiersze(const QTableView& siatka, const std::vector<int>& pomin = {});
// Asks for a file name (the dialog dZapiszCSV) and saves the header and every line of the
// grid there; a failure is reported to the operator. True when the file was written.
bool ZapiszCSV(const QTableView& siatka, const std::vector<int>& pomin = {});
// The text with every character a file name cannot hold (\ / : * ? " < > |) made "_".
QString NazwaDoPliku(const QString& tekst);

// Asks where to save a file: the program's save dialog (objectName nazwaOkna) with the
// caption, the filter, and the proposed name in the user's documents folder; the default
// suffix is added to a name typed without one. The chosen file, or the empty text when
// the operator cancelled.
QString WybierzPlikZapisu(const QString& tytul, const QString& nazwaOkna,
                          const QString& proponowana, const QString& rozszerzenie,
                          const QString& filtr);

// A save to a file the operator chooses: the save dialog (WybierzPlikZapisu) and what is
// saved, as the failure message names it ("raportu", "listy").
struct TZapisDoPliku {
    QString tytul;
    QString nazwaOkna;
    QString proponowana;
    QString rozszerzenie;
    QString filtr;
    QString co;
};
// Asks for the file and writes it by zapisz; a failed write is reported to the operator.
// True when the file was written.
bool ZapiszDoPliku(const TZapisDoPliku& zapis, const std::function<bool(const QString&)>& zapisz);

// Writes the text into the file as UTF-8 with a byte-order mark (so spreadsheets read the
// Polish letters right); the old file is replaced only once the new one is complete.
bool ZapiszPlikCSV(const QString& plik, const QString& tekst);
