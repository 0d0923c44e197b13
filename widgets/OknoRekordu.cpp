#include "widgets/OknoRekordu.h"

#include <QLineEdit>

#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/Liczby.h"
#include "widgets/uDialog.h"

TOknoRekordu::TOknoRekordu(QWidget* rodzic) : QDialog(rodzic) {}

void TOknoRekordu::UstawRekord(int id) {
    Id = id;
    FormShow();
    wypelniony = true;
}

void TOknoRekordu::showEvent(QShowEvent* zdarzenie) {
    // A showing without a chosen record still starts from the opening steps.
    if (!wypelniony) FormShow();
    wypelniony = true;
    QDialog::showEvent(zdarzenie);
    if (pierwsze) pierwsze->setFocus();
}

void TOknoRekordu::done(int r) {
    wypelniony = false;
    QDialog::done(r);
}

void SprawdzCalkowita(QLineEdit* pole) {
    if (TekstCalkowitejPoprawny(pole->text())) return;
    Ostrzezenie(NiepoprawnaWartosc);
    pole->clear();
}

std::optional<int> NumerZPola(QLineEdit* pole) {
    const auto nr = CalkowitaZEkranu(pole->text());
    if (nr && *nr >= 0) return nr;
    Ostrzezenie(NiepoprawnaWartosc);
    pole->clear();
    return std::nullopt;
}

bool NumerWolny(QLineEdit* pole, std::optional<bool> zajety, const QString& komunikat) {
    if (!zajety) return false;
    if (!*zajety) return true;
    Ostrzezenie(komunikat);
    pole->clear();
    return false;
}

std::optional<int> LicznikZPola(QLineEdit* pole) {
    if (pole->text().isEmpty()) pole->setText(QStringLiteral("0"));
    const auto licznik = CalkowitaZEkranu(pole->text());
    if (licznik && *licznik >= 0) return licznik;
    Ostrzezenie(QStringLiteral("Wprowadź liczbę."));
    pole->setText(QStringLiteral("0"));
    return std::nullopt;
}

void EdytujListeSlow(QWidget* rodzic, const QString& plik, int limit, QComboBox* combo) {
    bool zapisany = false;
    {
        TfDialog edytor(rodzic);
        zapisany = edytor.ZmienZawartoscPliku(plik, limit);
    }
    if (zapisany) WczytajComboBox(plik, combo);
}
