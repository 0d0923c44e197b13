#include "settings/uZasady.h"

#include <algorithm>

#include "settings/uConfig.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/Zegar.h"
#include "ui_uZasady.h"

namespace {

// An amount typed with more than two decimals would be stored changed.
bool PonadDwaMiejsca(const QString& tekst) {
    const qsizetype przecinek = tekst.indexOf(',');
    return przecinek >= 0 && tekst.size() - przecinek - 1 > 2;
}

}  // namespace

TfZasady::TfZasady(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TfZasady>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("TfZasady"));

    const TZasady z = CzytajZasady(Query1).value_or(TZasady());
    if (z.LimitDlugu) ui->eLimitDlugu->setText(KwotaNaEkran(*z.LimitDlugu));
    ui->cbNiedziele->setChecked(z.NiedzieleZamkniete);
    ui->cbZwrotSkanem->setChecked(z.ZwrotSkanem);
    dniWolne = z.DniWolne;
    PokazDni();

    addAction(ui->miZapisz);
    addAction(ui->miAnuluj);
    connect(ui->bZapisz, &QPushButton::clicked, this, &TfZasady::bZapiszClick);
    connect(ui->miZapisz, &QAction::triggered, this, &TfZasady::bZapiszClick);
    connect(ui->bAnuluj, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->miAnuluj, &QAction::triggered, this, &QDialog::reject);
    connect(ui->bDodajDzien, &QPushButton::clicked, this, &TfZasady::bDodajDzienClick);
    connect(ui->eDzienWolny, &QLineEdit::returnPressed, this, &TfZasady::bDodajDzienClick);
    connect(ui->bUsunDzien, &QPushButton::clicked, this, &TfZasady::bUsunDzienClick);
    connect(ui->bSwieta, &QPushButton::clicked, this, &TfZasady::bSwietaClick);
}

TfZasady::~TfZasady() = default;

void TfZasady::PokazDni() {
    ui->lbDniWolne->clear();
    for (const QDate& dzien : dniWolne) ui->lbDniWolne->addItem(DataDluga(dzien));
}

void TfZasady::DodajDni(const std::vector<QDate>& dni) {
    dniWolne.insert(dniWolne.end(), dni.begin(), dni.end());
    std::sort(dniWolne.begin(), dniWolne.end());
    dniWolne.erase(std::unique(dniWolne.begin(), dniWolne.end()), dniWolne.end());
    PokazDni();
}

void TfZasady::bDodajDzienClick() {
    const QDate dzien = DataZTekstu(ui->eDzienWolny->text().trimmed());
    if (!dzien.isValid()) {
        Ostrzezenie(QStringLiteral("Niepoprawna data."));
        ui->eDzienWolny->setFocus();
        ui->eDzienWolny->selectAll();
        return;
    }
    DodajDni({dzien});
    ui->eDzienWolny->clear();
}

void TfZasady::bUsunDzienClick() {
    std::vector<QDate> zostaja;
    for (int i = 0; i < static_cast<int>(dniWolne.size()); ++i)
        if (!ui->lbDniWolne->item(i)->isSelected()) zostaja.push_back(dniWolne[i]);
    dniWolne = std::move(zostaja);
    PokazDni();
}

void TfZasady::bSwietaClick() {
    const int rok = Dzisiaj().year();
    std::vector<QDate> dni = SwietaUstawowe(rok);
    const std::vector<QDate> nastepne = SwietaUstawowe(rok + 1);
    dni.insert(dni.end(), nastepne.begin(), nastepne.end());
    DodajDni(dni);
}

void TfZasady::bZapiszClick() {
    TZasady z;
    const QString limit = ui->eLimitDlugu->text().trimmed();
    if (!limit.isEmpty()) {
        const auto kwota = KwotaZEkranu(limit);
        const bool zaDuzoMiejsc = kwota && PonadDwaMiejsca(limit);
        if (!kwota || kwota->Ujemna() || zaDuzoMiejsc) {
            Ostrzezenie(zaDuzoMiejsc
                            ? QStringLiteral("Kwota może mieć najwyżej dwa miejsca po przecinku.")
                            : NiepoprawnaWartosc);
            ui->eLimitDlugu->setFocus();
            return;
        }
        z.LimitDlugu = *kwota;
    }
    z.NiedzieleZamkniete = ui->cbNiedziele->isChecked();
    z.DniWolne = dniWolne;
    z.ZwrotSkanem = ui->cbZwrotSkanem->isChecked();
    // A failed write has shown the store's error; the dialog stays open with the input.
    if (!ZapiszZasady(Query1, z)) return;
    if (fConfig) fConfig->Ustawienia.Zasady = z;
    accept();
}
