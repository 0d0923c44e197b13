// The word lists of the program (towns, genres, media): their file format, loading one
// into a pick list, and the editor in which the operator changes a list's entries.
#pragma once

#include <QByteArray>
#include <QDialog>
#include <QStringList>
#include <memory>

#include "store/PlikUstawien.h"
#include "widgets/ListaSlow.h"

class QComboBox;

namespace Ui {
class TfDialog;
}

// Empties the combo's list and fills it with the lines of the word-list file, selecting
// the first entry; a missing file leaves the list empty.
void WczytajComboBox(const QString& sciezka, QComboBox* combo);

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

    std::unique_ptr<Ui::TfDialog> ui;
    QStringList TEMPList;  // the entries as loaded
    QStringList ListBox2;  // scratch space for reordering
    bool blokadaZaznaczenia = false;
};
