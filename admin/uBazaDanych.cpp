#include "admin/uBazaDanych.h"

#include <QGuiApplication>

#include "admin/KopieSerwera.h"
#include "store/Interakcja.h"
#include "ui_uBazaDanych.h"
#include "widgets/Polecenie.h"

TfBazaDanych::TfBazaDanych(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfBazaDanych>()), poprzedni(WczytajWyborBazy()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("TfBazaDanych"));

    const TWyborBazy& d = poprzedni;
    (d.Rodzaj == TRodzajBazy::Serwer ? ui->rbSerwer : ui->rbPlik)->setChecked(true);
    ui->eSerwer->setText(d.Serwer);
    ui->ePort->setText(QString::number(d.Port));
    ui->eBaza->setText(d.Baza);
    ui->eUzytkownik->setText(d.Uzytkownik);
    ui->cbSzyfrowanie->setChecked(d.Szyfrowanie);
    ui->eStanowisko->setText(d.Stanowisko);
    ui->lZmienna->setVisible(qEnvironmentVariableIsSet("WIRDOLAN_BAZA") &&
                             !qEnvironmentVariable("WIRDOLAN_BAZA").trimmed().isEmpty());
    UstawDostepnosc();

    connect(ui->rbSerwer, &QRadioButton::toggled, this, &TfBazaDanych::UstawDostepnosc);
    connect(ui->bSprawdz, &QPushButton::clicked, this, &TfBazaDanych::bSprawdzClick);
    connect(ui->bPrzenies, &QPushButton::clicked, this, &TfBazaDanych::bPrzeniesClick);
    PolaczPolecenie(this, ui->bZapisz, ui->miZapisz, [this] { bZapiszClick(); });
    PolaczPolecenie(this, ui->bAnuluj, ui->miAnuluj, [this] { reject(); });
}

TfBazaDanych::~TfBazaDanych() = default;

TWyborBazy TfBazaDanych::Wybor() const {
    TWyborBazy d;
    d.Rodzaj = ui->rbSerwer->isChecked() ? TRodzajBazy::Serwer : TRodzajBazy::Plik;
    d.Serwer = ui->eSerwer->text().trimmed();
    bool liczba = false;
    d.Port = ui->ePort->text().trimmed().toInt(&liczba);
    if (!liczba) d.Port = 0;
    d.Baza = ui->eBaza->text().trimmed();
    d.Uzytkownik = ui->eUzytkownik->text().trimmed();
    d.Szyfrowanie = ui->cbSzyfrowanie->isChecked();
    d.Stanowisko = ui->eStanowisko->text().trimmed();
    return d;
}

bool TfBazaDanych::ZmienionaBaza() const {
    return AdresZWyboru(Wybor()) != AdresZWyboru(poprzedni);
}

void TfBazaDanych::UstawDostepnosc() {
    ui->gbSerwer->setEnabled(ui->rbSerwer->isChecked());
}

bool TfBazaDanych::Poprawne(bool zeStanowiskiem) {
    const TWyborBazy d = Wybor();
    const auto odrzuc = [](QLineEdit* pole, const QString& tekst) {
        Ostrzezenie(tekst);
        pole->setFocus();
        pole->selectAll();
        return false;
    };
    if (d.Rodzaj == TRodzajBazy::Serwer) {
        if (d.Serwer.isEmpty())
            return odrzuc(ui->eSerwer,
                          QStringLiteral("Podaj nazwę lub adres serwera bazy danych."));
        if (d.Port < 1 || d.Port > 65535)
            return odrzuc(ui->ePort,
                          QStringLiteral("Niepoprawny numer portu.\nPort to liczba od 1 do "
                                         "65535 (zwykle 5432)."));
        if (d.Baza.isEmpty())
            return odrzuc(ui->eBaza, QStringLiteral("Podaj nazwę bazy danych na serwerze."));
    }
    if (zeStanowiskiem && d.Stanowisko.isEmpty())
        return odrzuc(ui->eStanowisko, QStringLiteral("Podaj nazwę tego stanowiska."));
    return true;
}

void TfBazaDanych::bSprawdzClick() {
    if (!Poprawne(false)) return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const TProbaPolaczenia proba = SprawdzPolaczenie(AdresZWyboru(Wybor()));
    QGuiApplication::restoreOverrideCursor();
    if (proba.dziala)
        Informacja(proba.tekst);
    else
        Uwaga(proba.tekst);
}

void TfBazaDanych::bZapiszClick() {
    if (!Poprawne(true)) return;
    TWyborBazy d = Wybor();
    // The server's fields of a file store are kept as they were typed, for a later change.
    if (d.Port < 1 || d.Port > 65535) d.Port = poprzedni.Port;
    QString blad;
    if (!ZapiszWyborBazy(d, &blad)) {
        Uwaga(blad);
        return;
    }
    accept();
}

void TfBazaDanych::bPrzeniesClick() {
    if (!Poprawne(true)) return;
    const TWyborBazy d = Wybor();
    // The move tells its outcome; the store is then the server's, whatever the settings file.
    if (!PrzeniesDaneNaSerwer(AdresZWyboru(d))) return;
    przeniesiono = true;
    QString blad;
    if (!ZapiszWyborBazy(d, &blad)) Uwaga(blad);
    accept();
}
