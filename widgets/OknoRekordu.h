// The shape shared by the record windows (the client's, the film's): the record chosen by
// its ID (0: a new one) and the window filled from it before it is shown, or by a showing
// that came without a choice; the number box first at every showing; and the checks of
// the typed numbers, and the word-list editors behind the pick lists, that they share.
#pragma once

#include <QDialog>
#include <optional>

class QComboBox;
class QLineEdit;

class TOknoRekordu : public QDialog {
    Q_OBJECT
public:
    // The record's number as loaded (or proposed for a new one); after a save, the saved
    // number.
    int Numer() const { return numer; }

    void done(int r) override;

protected:
    explicit TOknoRekordu(QWidget* rodzic = nullptr);

    // Sets the record to edit (0 = a new one) and fills the window from it; the caller
    // then shows the window modally (OK after a save, Cancel otherwise).
    void UstawRekord(int id);
    // Fills the window from the record Id.
    virtual void FormShow() = 0;
    // The box that takes the focus at every showing.
    void UstawPierwszePole(QWidget* pole) { pierwsze = pole; }

    void showEvent(QShowEvent* zdarzenie) override;

    int Id = 0;
    int numer = 0;

private:
    QWidget* pierwsze = nullptr;
    bool wypelniony = false;  // filled for the coming showing
};

// Checks a whole-number box at every change: a text that no whole number starts with is
// refused with a warning and the box emptied.
void SprawdzCalkowita(QLineEdit* pole);
// The record's number typed in the box; no number or one below 0 is refused with a
// warning and the box emptied.
std::optional<int> NumerZPola(QLineEdit* pole);
// Whether the save may go on after the check that the number is free (zajety: nothing
// when the check failed, its error shown). A taken number is refused with the message
// and the box emptied.
bool NumerWolny(QLineEdit* pole, std::optional<bool> zajety, const QString& komunikat);
// A count typed in the box, an empty box reading (and showing) 0; no number or one below
// 0 is refused with "Wprowadź liczbę." and the box set to 0.
std::optional<int> LicznikZPola(QLineEdit* pole);
// Opens the word-list editor on the file (entries of at most limit characters); once it
// is saved, the pick list is read from it again.
void EdytujListeSlow(QWidget* rodzic, const QString& plik, int limit, QComboBox* combo);
