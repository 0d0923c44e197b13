#include "clients/uKlient.h"

#include <QKeyEvent>

#include "clients/OdczytKlientow.h"
#include "clients/RuchyKlienta.h"
#include "clients/ZapisKlienta.h"
#include "clients/uWplata.h"
#include "clients/uZaleglosci.h"
#include "money/Kasa.h"
#include "settings/uConfig.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/Katalogi.h"
#include "store/Liczby.h"
#include "store/Zegar.h"
#include "ui_uKlient.h"
#include "widgets/LimitZnakow.h"
#include "widgets/Polecenie.h"

TfKlient* fKlient = nullptr;

namespace {

// A date box with no date shows its special (blank) text at its minimum.
const QDate BrakDaty(1899, 12, 31);

void UstawDate(QDateEdit* pole, const QDate& data) {
    pole->setDate(data.isValid() ? data : BrakDaty);
}

QDate Data(const QDateEdit* pole) {
    return pole->date() == BrakDaty ? QDate() : pole->date();
}

TKwota OplataAbonamentu() {
    return TKwota(fConfig ? fConfig->Ustawienia.AbOplata : TUstawienia{}.AbOplata);
}

}  // namespace

TfKlient::TfKlient(QWidget* parent) : TOknoRekordu(parent), ui(std::make_unique<Ui::TfKlient>()) {
    ui->setupUi(this);
    OgraniczZnakiOkna(this);  // length limits in whole characters
    setObjectName(QStringLiteral("TfKlient"));
    UstawPierwszePole(ui->eNr);
    // Fixed size, no title-bar buttons: the dialog closes by Save or Cancel.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    cbMiejscowosc = ui->cbMiejscowosc;

    for (QDateEdit* d : {ui->dAbonamentOD, ui->dAbonamentDO}) {
        d->setMinimumDate(BrakDaty);
        d->setSpecialValueText(QStringLiteral(" "));
        UstawDate(d, QDate());
    }
    QStringList rabaty;
    for (int r = 0; r <= 10; ++r) rabaty << QString::number(r);
    for (int r = 15; r <= 50; r += 5) rabaty << QString::number(r);
    ui->cbRabat->addItems(rabaty);

    // The hidden menu: its items act through their keys only.
    PolaczPolecenie(this, ui->bZapisz, ui->miZapisz, [this] { bZapiszClick(); });
    PolaczPolecenie(this, ui->bAnuluj, ui->miAnuluj, [this] { reject(); });
    PolaczPolecenie(this, ui->bWplata, ui->miWplata, [this] { bWplataClick(); });
    PolaczPolecenie(this, ui->bZaleglosci, ui->miZaleglosci, [this] { bZaleglosciClick(); });
    // The movements list follows a settlement of arrears at once.
    PrzygotujSiatkeRuchow(ui->sgRuchy);
    connect(ui->bZaleglosci, &QPushButton::clicked, this, [this] { PokazRuchy(); });
    connect(ui->miZaleglosci, &QAction::triggered, this, [this] { PokazRuchy(); });
    connect(ui->Button1, &QPushButton::clicked, this, &TfKlient::Button1Click);
    connect(ui->cbAbonament, &QCheckBox::clicked, this, &TfKlient::cbAbonamentClick);
    for (QLineEdit* e : {ui->eNr, ui->eLicznik})
        connect(e, &QLineEdit::textChanged, this, [e] { SprawdzCalkowita(e); });
    connect(ui->eSaldo, &QLineEdit::textChanged, this, &TfKlient::eSaldoChange);

    // Enter moves along a fixed chain; the subscription box leads on by its state.
    const QList<QWidget*> lancuch1 = {ui->eNr,    ui->eImie,      ui->eNazwisko, ui->eFirma,
                                      ui->eUlica, ui->eNrPosesji, ui->eNrLokalu, ui->cbMiejscowosc};
    const QList<QWidget*> lancuch2 = {ui->eKod,         ui->eTelefon,         ui->eNIP,
                                      ui->eUpowazniony, ui->eOstWypozyczenie, ui->eLicznik,
                                      ui->cbAbonament};
    for (const auto* l : {&lancuch1, &lancuch2})
        for (qsizetype i = 0; i + 1 < l->size(); ++i) lancuchEnter.insert(l->at(i), l->at(i + 1));
    lancuchEnter.insert(ui->eSaldo, ui->eNr);
    for (QWidget* w : lancuchEnter.keys()) w->installEventFilter(this);
    ui->cbAbonament->installEventFilter(this);
    ui->eImie->installEventFilter(this);
    ui->eNazwisko->installEventFilter(this);

    const QList<QWidget*> tab = {
        ui->eNr,         ui->eImie,        ui->eNazwisko,    ui->eFirma,           ui->eUlica,
        ui->eNrPosesji,  ui->eNrLokalu,    ui->Button1,      ui->cbMiejscowosc,    ui->eKod,
        ui->eTelefon,    ui->eNIP,         ui->eUpowazniony, ui->eOstWypozyczenie, ui->eLicznik,
        ui->cbAbonament, ui->dAbonamentOD, ui->dAbonamentDO, ui->eSaldo,           ui->cbRabat,
        ui->bWplata,     ui->bZaleglosci,  ui->bZapisz,      ui->bAnuluj};
    for (qsizetype i = 0; i + 1 < tab.size(); ++i) setTabOrder(tab[i], tab[i + 1]);
}

TfKlient::~TfKlient() = default;

QString TfKlient::NazwaKlienta() const {
    if (!NazwaEdytowana) return QString();
    return ui->eNazwisko->text() + ' ' + ui->eImie->text();
}

void TfKlient::UstawAbonament(bool zaznaczony) {
    ui->dAbonamentOD->setEnabled(zaznaczony);
    ui->dAbonamentDO->setEnabled(zaznaczony);
    ui->cbRabat->setEnabled(!zaznaczony);
}

void TfKlient::FormShow() {
    UstawDate(ui->dAbonamentDO, Dzisiaj().addDays(30));
    NazwaEdytowana = false;
    WplatyPokazu.clear();

    if (Id != 0) {
        ui->bZapisz->setText(QStringLiteral("Zmień <F2>"));
        if (const auto k = OdczytKlienta.DoEdycji(Query1, Id)) {
            ui->eNr->setText(Numer4(k->Numer));
            ui->eImie->setText(k->Imie);
            ui->eNazwisko->setText(k->Nazwisko);
            ui->eFirma->setText(k->Firma);
            ui->eUlica->setText(k->Ulica);
            ui->eNrPosesji->setText(k->NrPosesji);
            ui->eNrLokalu->setText(k->NrLokalu);
            ui->cbMiejscowosc->setEditText(k->Miejscowosc);
            ui->eKod->setText(k->Kod);
            ui->eTelefon->setText(k->Telefon);
            ui->eNIP->setText(k->NIP);
            ui->eUpowazniony->setText(k->Upowazniony);
            ui->eOstWypozyczenie->setText(DataKrotka(k->OstatnieWypozyczenie));
            ui->eLicznik->setText(QString::number(static_cast<int>(k->Licznik)));
            ui->eSaldo->setText(KwotaNaEkran(k->Saldo));
            const int rabat = static_cast<int>(k->Rabat);
            RabatZapisany = rabat < 0 ? 0 : rabat;
            ui->cbRabat->setCurrentIndex(ui->cbRabat->findText(QString::number(RabatZapisany)));
            ui->cbAbonament->setChecked(k->Abonament);
            UstawAbonament(k->Abonament);
            // The client's own start date is kept, never another client's.
            UstawDate(ui->dAbonamentOD, k->AbonamentOD);
            if (k->Abonament) UstawDate(ui->dAbonamentDO, k->AbonamentDO);
            NowyAbonament = false;
            LicznikAb = static_cast<int>(k->LicznikAb);
        }
        ui->bZaleglosci->setEnabled(true);
        ui->miZaleglosci->setEnabled(true);
    } else {
        ui->bZapisz->setText(QStringLiteral("Zapisz <F2>"));
        const std::optional<int> nastepny = OdczytKlienta.Nastepny(Query1);
        ui->eNr->clear();
        if (nastepny) ui->eNr->setText(Numer4(*nastepny));
        for (QLineEdit* e :
             {ui->eImie, ui->eNazwisko, ui->eFirma, ui->eUlica, ui->eNrPosesji, ui->eNrLokalu,
              ui->eKod, ui->eTelefon, ui->eNIP, ui->eUpowazniony, ui->eLicznik})
            e->clear();
        if (ui->cbMiejscowosc->count() > 0) {
            ui->cbMiejscowosc->setCurrentIndex(0);
            ui->cbMiejscowosc->setEditText(ui->cbMiejscowosc->itemText(0));
        } else {
            ui->cbMiejscowosc->setEditText(QString());
        }
        ui->eOstWypozyczenie->setText(DataKrotka(Dzisiaj()));
        ui->eSaldo->setText(QStringLiteral("0,00"));
        ui->cbRabat->setCurrentIndex(0);
        RabatZapisany = 0;
        ui->cbAbonament->setChecked(false);
        NowyAbonament = false;
        UstawAbonament(false);
        UstawDate(ui->dAbonamentOD, QDate());
        LicznikAb = 0;
        ui->bZaleglosci->setEnabled(false);
        ui->miZaleglosci->setEnabled(false);
    }

    numer = CalkowitaZEkranu(ui->eNr->text()).value_or(0);
    PokazRuchy();
    ui->eNr->setFocus();
}

void TfKlient::PokazRuchy() {
    PokazRuchyKlienta(ui->sgRuchy, Query1, Id);
}

void TfKlient::cbAbonamentClick(bool zaznaczony) {
    UstawAbonament(zaznaczony);
    NowyAbonament = zaznaczony;
    // A new subscription starts today unless the operator says otherwise.
    if (zaznaczony) UstawDate(ui->dAbonamentOD, Dzisiaj());
}

void TfKlient::eSaldoChange() {
    const QString tekst = ui->eSaldo->text();
    // A lone minus is the start of a debt being typed.
    if (KwotaZEkranu(tekst) || tekst.trimmed() == QLatin1String("-")) return;
    Ostrzezenie(NiepoprawnaWartosc);
    ui->eSaldo->setText(QStringLiteral("0,00"));
    ui->eSaldo->setFocus();
}

void TfKlient::bZapiszClick() {
    if (ui->eImie->text().trimmed().isEmpty() || ui->eNazwisko->text().trimmed().isEmpty() ||
        ui->eNr->text().trimmed().isEmpty()) {
        Ostrzezenie(
            QStringLiteral("Dane nie są kompletne. \nImię, nazwisko i numer klienta są "
                           "danymi wymaganymi."));
        return;
    }

    const auto nr = NumerZPola(ui->eNr);
    if (!nr) return;
    // Every client counts, archived ones included.
    if (*nr != numer && !NumerWolny(ui->eNr, OdczytKlienta.Zajety(Query1, *nr),
                                    QStringLiteral("Podany numer już występuje w bazie.")))
        return;
    const auto licznik = LicznikZPola(ui->eLicznik);
    if (!licznik) return;

    QDate ostatnie;
    if (ui->eOstWypozyczenie->text().isEmpty()) {
        ostatnie = Dzisiaj();
        ui->eOstWypozyczenie->setText(DataKrotka(ostatnie));
    } else {
        ostatnie = DataZTekstu(ui->eOstWypozyczenie->text());
        if (!ostatnie.isValid()) {
            Ostrzezenie(
                QStringLiteral("Niewłaściwy format daty.\nWprowadź datę w postaci "
                               "dd.mm.rr, gdzie dd - dzień, mm - miesiąc, rr - rok."));
            ui->eOstWypozyczenie->setText(DataKrotka(Dzisiaj()));
            return;
        }
    }

    const std::optional<TKwota> saldo = KwotaZEkranu(ui->eSaldo->text());
    if (!saldo) {
        Ostrzezenie(NiepoprawnaWartosc);
        ui->eSaldo->setText(QStringLiteral("0,00"));
        ui->eSaldo->setFocus();
        return;
    }
    const int rabat =
        ui->cbRabat->currentIndex() >= 0 ? ui->cbRabat->currentText().toInt() : RabatZapisany;

    TDaneKlienta k;
    k.Numer = *nr;
    k.Imie = ui->eImie->text();
    k.Nazwisko = ui->eNazwisko->text();
    k.Firma = ui->eFirma->text();
    k.Kod = ui->eKod->text();
    k.Miejscowosc = ui->cbMiejscowosc->currentText();
    k.Ulica = ui->eUlica->text();
    k.NrPosesji = ui->eNrPosesji->text();
    k.NrLokalu = ui->eNrLokalu->text();
    k.Telefon = ui->eTelefon->text();
    k.NIP = ui->eNIP->text();
    k.Upowazniony = ui->eUpowazniony->text();
    k.OstatnieWypozyczenie = ostatnie;
    k.Saldo = *saldo;
    k.Abonament = ui->cbAbonament->isChecked();
    k.AbonamentOD = Data(ui->dAbonamentOD);
    k.AbonamentDO = Data(ui->dAbonamentDO);
    k.Licznik = *licznik;
    k.LicznikAb = LicznikAb;
    k.Rabat = rabat;
    // A failure has shown the store's error text; the number read by the caller stays
    // the one stored.
    if (ZapiszKlienta(Id, k, WplatyPokazu)) numer = *nr;
    accept();
}

void TfKlient::bWplataClick() {
    TfWplata lokalna;
    TfWplata& wplata = fWplata ? *fWplata : lokalna;
    const TKwota oplata = OplataAbonamentu();
    const TKwota saldo = KwotaZEkranu(ui->eSaldo->text()).value_or(TKwota());
    if (NowyAbonament)
        wplata.UstawKwote(QStringLiteral("Do zapłaty:"), oplata);
    else
        wplata.UstawKwote(QStringLiteral("Pobrano:"), NieUjemna(-saldo));
    PokazModalnie(wplata);

    const TKwota kwota = wplata.Kwota();
    if (kwota.Zero()) return;
    if (NowyAbonament) {
        if (kwota != oplata &&
            PokazKomunikat({QStringLiteral("Wpłacono kwotę niższą niż wysokość abonamentu. Czy "
                                           "zaksięgować wpłatę?"),
                            QStringLiteral("Ostrzeżenie"), TIkona::Pytanie,
                            QMessageBox::Yes | QMessageBox::No, QMessageBox::No}) !=
                QMessageBox::Yes)
            return;
        LicznikAb = 0;
    }
    WplatyPokazu.emplace_back(NowyAbonament ? RodzajKasy::Abonament : RodzajKasy::Wplata, kwota);
    ui->eSaldo->setText(KwotaNaEkran(saldo + kwota));
}

void TfKlient::bZaleglosciClick() {
    if (Id == 0 || !ui->bZaleglosci->isEnabled()) return;
    const std::optional<bool> sa = KlientMaNaleznosci(Query1, Id);
    if (!sa) return;
    if (!*sa) {
        Informacja(QStringLiteral("Wszystkie należności zostały uregulowane."));
        return;
    }
    if (!fZaleglosci) return;
    fZaleglosci->UstawKlienta(Id);
    if (PokazModalnie(*fZaleglosci) != QDialog::Accepted) return;
    if (const auto saldo = SaldoKlienta(Query1, Id)) ui->eSaldo->setText(KwotaNaEkran(*saldo));
}

void TfKlient::Button1Click() {
    EdytujListeSlow(this, KatalogProgramu + QStringLiteral("Config/miasta.wdn"), 30,
                    ui->cbMiejscowosc);
}

QWidget* TfKlient::NastepnyPoEnter(QWidget* pole) const {
    if (pole == ui->cbAbonament)
        return ui->dAbonamentOD->isEnabled() ? static_cast<QWidget*>(ui->dAbonamentOD) : ui->eSaldo;
    return lancuchEnter.value(pole, nullptr);
}

bool TfKlient::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (zdarzenie->type() == QEvent::FocusIn && (obiekt == ui->eImie || obiekt == ui->eNazwisko))
        NazwaEdytowana = true;
    if (zdarzenie->type() == QEvent::KeyPress) {
        const int klawisz = static_cast<QKeyEvent*>(zdarzenie)->key();
        if (klawisz == Qt::Key_Return || klawisz == Qt::Key_Enter) {
            if (QWidget* nastepny = NastepnyPoEnter(static_cast<QWidget*>(obiekt))) {
                nastepny->setFocus();
                return true;
            }
        }
    }
    return QDialog::eventFilter(obiekt, zdarzenie);
}
