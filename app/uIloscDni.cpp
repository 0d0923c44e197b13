#include "app/uIloscDni.h"

#include <QLayout>
#include <QShowEvent>
#include <QTimer>
#include <cmath>

#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/Liczby.h"
#include "store/Zegar.h"
#include "ui_uIloscDni.h"
#include "widgets/Polecenie.h"

TfIloscDni* fIloscDni = nullptr;

namespace {

const QString DomyslnaIlosc = QStringLiteral("1");

// The number of days in the box: empty means 1; a fraction, or a count whose due date
// would fall beyond the dates the store keeps, gives no value.
std::optional<int> OdczytajDni(const QString& tekst) {
    if (tekst.trimmed().isEmpty()) return 1;
    const std::optional<double> liczba = LiczbaZEkranu(tekst);
    if (!liczba || *liczba < 0 || *liczba != std::floor(*liczba)) return std::nullopt;
    const QDate ostatni(9999, 12, 31);
    if (*liczba > static_cast<double>(Dzisiaj().daysTo(ostatni))) return std::nullopt;
    return static_cast<int>(*liczba);
}

}  // namespace

TfIloscDni::TfIloscDni(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TfIloscDni>()) {
    ui->setupUi(this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setObjectName(QStringLiteral("TfIloscDni"));
    setWindowTitle(QStringLiteral("Przedłużenie"));
    PolaczPolecenie(this, ui->bOK, ui->miOK, [this] { bOKClick(); });
    PolaczPolecenie(this, ui->bAnuluj, ui->miAnuluj, [this] { bAnulujClick(); });
    connect(ui->eIleDni, &QLineEdit::textChanged, this, &TfIloscDni::eIleDniChange);
}

TfIloscDni::~TfIloscDni() = default;

void TfIloscDni::showEvent(QShowEvent* zdarzenie) {
    QDialog::showEvent(zdarzenie);
    if (zdarzenie->spontaneous()) return;
    // The last text is offered selected, so that typing replaces it; the selection is
    // made once the window has taken the focus, which would clear an earlier one.
    ui->eIleDni->setFocus();
    QTimer::singleShot(0, ui->eIleDni, &QLineEdit::selectAll);
}

void TfIloscDni::eIleDniChange(const QString& tekst) {
    if (TekstLiczbyPoprawny(tekst)) return;
    Ostrzezenie(NiepoprawnaWartosc);
    ui->eIleDni->setText(DomyslnaIlosc);
}

void TfIloscDni::bOKClick() {
    const std::optional<int> dni = OdczytajDni(ui->eIleDni->text());
    if (!dni) {
        // Refused: the dialog stays open with the text as typed.
        Ostrzezenie(NiepoprawnaWartosc);
        ui->eIleDni->setFocus();
        ui->eIleDni->selectAll();
        return;
    }
    iloscDni = *dni;
    accept();
}

void TfIloscDni::bAnulujClick() {
    reject();
}
