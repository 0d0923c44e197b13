#pragma once

#include <QDialog>

class QComboBox;

// The word-list editor, created for each use.
class TfDialog : public QDialog {
    Q_OBJECT
public:
    explicit TfDialog(QWidget* parent = nullptr);
    // Lets the operator edit the entries of the word-list file and writes it back;
    // limit is the most characters of one entry.
    void ZmienZawartoscPliku(const QString& sciezka, int limit);
};

// Empties the combo's list and fills it with the lines of the word-list file, selecting
// the first entry; a missing file leaves the list empty.
void WczytajComboBox(const QString& sciezka, QComboBox* combo);
