#include "admin/uDaneWypozyczalni.h"

#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/Zegar.h"
#include "ui_uDaneWypozyczalni.h"
#include "widgets/LimitZnakow.h"
#include "widgets/Polecenie.h"

TfDaneWypozyczalni::TfDaneWypozyczalni(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfDaneWypozyczalni>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("TfDaneWypozyczalni"));
    OgraniczZnaki(ui->eNazwa, DlugoscNazwy);
    OgraniczZnaki(ui->eAdres, DlugoscAdresu);
    OgraniczZnaki(ui->eMiejscowosc, DlugoscAdresu);
    OgraniczZnaki(ui->eTelefon, DlugoscTelefonu);
    OgraniczZnaki(ui->eNIP, DlugoscNIP);
    // In the order of TPapierPotwierdzenia.
    ui->cbPapier->addItems(
        {QStringLiteral("A4"), QStringLiteral("Rolka 80 mm"), QStringLiteral("Rolka 58 mm")});

    const TWypozyczalnia d = WczytajWypozyczalnie();
    ui->eNazwa->setText(d.Nazwa);
    ui->eAdres->setText(d.Adres);
    ui->eMiejscowosc->setText(d.Miejscowosc);
    ui->eTelefon->setText(d.Telefon);
    ui->eNIP->setText(d.NIP);
    ui->cbPapier->setCurrentIndex(static_cast<int>(d.Papier));

    PolaczPolecenie(this, ui->bZapisz, ui->miZapisz, [this] { bZapiszClick(); });
    PolaczPolecenie(this, ui->bAnuluj, ui->miAnuluj, [this] { reject(); });
}

TfDaneWypozyczalni::~TfDaneWypozyczalni() = default;

TWypozyczalnia TfDaneWypozyczalni::Dane() const {
    TWypozyczalnia d;
    d.Nazwa = ui->eNazwa->text().trimmed();
    d.Adres = ui->eAdres->text().trimmed();
    d.Miejscowosc = ui->eMiejscowosc->text().trimmed();
    d.Telefon = ui->eTelefon->text().trimmed();
    d.NIP = ui->eNIP->text().trimmed();
    d.Papier = static_cast<TPapierPotwierdzenia>(std::max(0, ui->cbPapier->currentIndex()));
    return d;
}

void TfDaneWypozyczalni::bZapiszClick() {
    const TWypozyczalnia d = Dane();
    if (!NIPPoprawny(d.NIP)) {
        Ostrzezenie(
            QStringLiteral("Niepoprawny NIP.\nNIP to dziesięć cyfr (myślniki są "
                           "dozwolone) z poprawną cyfrą kontrolną."));
        ui->eNIP->setFocus();
        ui->eNIP->selectAll();
        return;
    }
    QString blad;
    if (!ZapiszWypozyczalnie(d, &blad)) {
        // A store that failed has shown its error already.
        if (!blad.isEmpty()) Uwaga(blad);
        return;
    }
    accept();
}
