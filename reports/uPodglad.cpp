#include "reports/uPodglad.h"

#include <QLabel>

#include "reports/PodgladStron.h"
#include "reports/Raport.h"
#include "ui_uPodglad.h"

TfPodglad::TfPodglad(TRaport& pokazany, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfPodglad>()), raport(pokazany) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("TfPodglad"));
    if (!raport.TytulZadania.isEmpty())
        setWindowTitle(QStringLiteral("Podgląd wydruku - ") + raport.TytulZadania);
    // Only the page on screen is made and painted.
    podglad = new TPodgladStron(
        raport.LiczbaStron(), [&pokazany](int numer) { return pokazany.Strona(numer); }, this);
    podglad->UstawFormat(raport.Format);  // set while the report laid out its pages
    podglad->setObjectName(QStringLiteral("podglad"));
    ui->ukladPodgladu->addWidget(podglad);

    connect(podglad, &TPodgladStron::Zmiana, this, [this] { PokazNumerStrony(); });
    connect(ui->bCalaStrona, &QPushButton::clicked, podglad, &TPodgladStron::CalaStrona);
    connect(ui->bSzerokoscStrony, &QPushButton::clicked, podglad, &TPodgladStron::DopasujSzerokosc);
    connect(ui->bPowieksz, &QPushButton::clicked, podglad, &TPodgladStron::Powieksz);
    connect(ui->bPomniejsz, &QPushButton::clicked, podglad, &TPodgladStron::Pomniejsz);
    connect(ui->bPoprzednia, &QPushButton::clicked, this,
            [this] { podglad->UstawStrone(podglad->BiezacaStrona() - 1); });
    connect(ui->bNastepna, &QPushButton::clicked, this,
            [this] { podglad->UstawStrone(podglad->BiezacaStrona() + 1); });
    connect(ui->bZapiszPDF, &QPushButton::clicked, this, [this] { this->raport.ZapiszJakoPDF(); });
    // Only a report that gives its data as lines offers them as CSV.
    ui->bZapiszCSV->setVisible(!raport.WierszeCSV.empty());
    connect(ui->bZapiszCSV, &QPushButton::clicked, this, [this] { this->raport.ZapiszJakoCSV(); });
    connect(ui->bZamknij, &QPushButton::clicked, this, &QDialog::accept);
    ui->bZamknij->setDefault(true);
    PokazNumerStrony();
}

TfPodglad::~TfPodglad() = default;

QString TfPodglad::OpisStrony() const {
    return QStringLiteral("Strona %1 z %2")
        .arg(std::max(1, podglad->BiezacaStrona()))
        .arg(std::max(1, podglad->LiczbaStron()));
}

void TfPodglad::PokazNumerStrony() {
    ui->lStrona->setText(OpisStrony());
    ui->bPoprzednia->setEnabled(podglad->BiezacaStrona() > 1);
    ui->bNastepna->setEnabled(podglad->BiezacaStrona() < podglad->LiczbaStron());
}
