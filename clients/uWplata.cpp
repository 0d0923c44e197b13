#include "clients/uWplata.h"

#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/Liczby.h"
#include "ui_uWplata.h"
#include "widgets/Polecenie.h"

TfWplata* fWplata = nullptr;

TfWplata::TfWplata(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TfWplata>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("TfWplata"));
    // The hidden menu "Wpłata": its items act through their keys only.
    PolaczPolecenie(this, ui->bZapisz, ui->miWplacono, [this] { bZapiszClick(); });
    PolaczPolecenie(this, ui->bAnuluj, ui->miAnuluj, [this] { reject(); });
    connect(ui->eKwota, &QLineEdit::textChanged, this, &TfWplata::eKwotaChange);
    ui->mRozliczenie->setVisible(false);
}

TfWplata::~TfWplata() = default;

void TfWplata::UstawKwote(const QString& tytul, TKwota k) {
    kwota = k;
    ui->eKwota->setText(KwotaNaEkran(k));
    ui->Label1->setText(tytul);
}

void TfWplata::UstawRozliczenie(const QStringList& linie) {
    ui->mRozliczenie->setPlainText(linie.join(QLatin1Char('\n')));
    ui->mRozliczenie->setVisible(!linie.isEmpty());
}

void TfWplata::showEvent(QShowEvent* zdarzenie) {
    QDialog::showEvent(zdarzenie);
    ui->eKwota->setFocus();
    ui->eKwota->selectAll();
}

void TfWplata::eKwotaChange() {
    if (TekstLiczbyPoprawny(ui->eKwota->text())) return;
    Ostrzezenie(NiepoprawnaWartosc);
    ui->eKwota->setText(QStringLiteral("0,00"));
}

void TfWplata::bZapiszClick() {
    const std::optional<TKwota> wplacono = KwotaZEkranu(ui->eKwota->text());
    if (!wplacono) {
        // An amount the operator did not type is never taken.
        Ostrzezenie(NiepoprawnaWartosc);
        ui->eKwota->setFocus();
        return;
    }
    kwota = *wplacono;
    QDialog::done(Accepted);
}

void TfWplata::done(int r) {
    if (r != Accepted) kwota = TKwota();
    QDialog::done(r);
}
