// The word lists of the program (towns, genres, media): their file format, loading one
// into a pick list, and the editor in which the operator changes a list's entries.
#pragma once

#include <QByteArray>
#include <QDialog>
#include <QStringList>

class QComboBox;

namespace Ui {
class TfDialog;
}

// ---------------------------------------------------------------- file format
//
// Windows-1250 text, no byte-order mark, one entry per line taken whole (blanks kept, an
// empty line is an empty entry). On reading a line ends at CR and an LF right after the
// CR is skipped; a lone LF is part of the entry; byte 26 (Ctrl+Z) ends the file; a last
// line without a line end is an entry too. On writing every entry ends with CR LF.

// The entries held in the file's bytes.
QStringList OdczytajListeSlow(const QByteArray& bajty);
// The bytes of a file holding the entries. A character the code page cannot hold is
// written as '?', never as a byte that would end the file.
QByteArray ZakodujListeSlow(const QStringList& wpisy);
// The characters of the text that the code page cannot hold (empty when all can).
QString ZnakiSpozaStronyKodowej(const QString& tekst);

// The entries of the file; a missing or unreadable file is an empty list.
QStringList WczytajPlikListy(const QString& sciezka);
// Writes the entries into the file; an old file is replaced only once the new one is
// complete, so a failed write leaves it as it was. On failure returns false with the
// platform's error text in blad.
bool ZapiszPlikListy(const QString& sciezka, const QStringList& wpisy, QString* blad = nullptr);

// Empties the combo's list and fills it with the lines of the word-list file, selecting
// the first entry; a missing file leaves the list empty.
void WczytajComboBox(const QString& sciezka, QComboBox* combo);

// ---------------------------------------------------------------- the program's settings file

// The program's own settings file (INI) that keeps window positions. Defaults to a file
// under the user's configuration folder; tests point it elsewhere.
QString PlikUstawienProgramu();
// An empty path restores the default.
void UstawPlikUstawienProgramu(const QString& sciezka);

// ---------------------------------------------------------------- the editor

// The word-list editor, created for each use.
class TfDialog : public QDialog {
    Q_OBJECT
public:
    explicit TfDialog(QWidget* parent = nullptr);
    ~TfDialog() override;

    // Lets the operator edit the entries of the word-list file and writes it back;
    // limit is the most characters of one entry (0: 255). Returns false when the file
    // could not be written (the error has been shown).
    bool ZmienZawartoscPliku(const QString& sciezka, int limit);

    // The list differs from the entries as loaded.
    bool CzyZmiany() const;
    // Enable or disable both arrow buttons.
    void WlaczControls();
    void WYlaczControls();

    // The entries as the list holds them now.
    QStringList Wpisy() const;

    // The editor's operations, as its buttons, keys and pop-up menu run them.
    void Wyczysc();
    void Dodaj();
    void Popraw();
    void Usun();
    void UsunWszystko();
    void PrzesunWGore();
    void PrzesunWDol();
    void Sortuj();
    void OdwrocKolejnosc();

    void done(int r) override;

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    void ListBox1Click();
    void Przesun(int oIle);
    void ZaznaczTylko(int wiersz);
    void UstawWpisy(const QStringList& wpisy);
    void KolorEdit1(bool zolty);
    bool TekstDoZapisu(const QString& tekst);
    void WczytajPolozenie();
    void ZapiszPolozenie() const;

    Ui::TfDialog* ui;
    QStringList TEMPList;  // the entries as loaded
    QStringList ListBox2;  // scratch space for reordering
    bool blokadaZaznaczenia = false;
};
