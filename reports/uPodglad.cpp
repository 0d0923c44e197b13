#include "reports/uPodglad.h"

#include <QLabel>
#include <QPrintPreviewWidget>

#include "reports/Druk.h"
#include "reports/Raport.h"
#include "ui_uPodglad.h"

TfPodglad::TfPodglad(TRaport& raport, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfPodglad>()), raport(raport) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("TfPodglad"));
    if (!raport.TytulZadania.isEmpty())
        setWindowTitle(QStringLiteral("Podgląd wydruku - ") + raport.TytulZadania);
    // The preview needs no printer of the machine: it paints into its own pages.
    drukarka.setOutputFormat(QPrinter::PdfFormat);
    raport.Strony();  // a report may choose its paper while it lays out its pages
    UstawStrone(drukarka, raport.Format);
    drukarka.setDocName(raport.TytulZadania);
    podglad = new QPrintPreviewWidget(&drukarka, this);
    podglad->setObjectName(QStringLiteral("podglad"));
    podglad->setViewMode(QPrintPreviewWidget::SinglePageView);
    podglad->setZoomMode(QPrintPreviewWidget::FitToWidth);
    ui->ukladPodgladu->addWidget(podglad);

    connect(podglad, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* p) { RysujRaport(*p, this->raport.Strony()); });
    connect(podglad, &QPrintPreviewWidget::previewChanged, this, [this] { PokazNumerStrony(); });
    connect(ui->bCalaStrona, &QPushButton::clicked, podglad, &QPrintPreviewWidget::fitInView);
    connect(ui->bSzerokoscStrony, &QPushButton::clicked, podglad, &QPrintPreviewWidget::fitToWidth);
    connect(ui->bPowieksz, &QPushButton::clicked, podglad, [this] { podglad->zoomIn(); });
    connect(ui->bPomniejsz, &QPushButton::clicked, podglad, [this] { podglad->zoomOut(); });
    connect(ui->bPoprzednia, &QPushButton::clicked, this, [this] {
        podglad->setCurrentPage(podglad->currentPage() - 1);
        PokazNumerStrony();
    });
    connect(ui->bNastepna, &QPushButton::clicked, this, [this] {
        podglad->setCurrentPage(podglad->currentPage() + 1);
        PokazNumerStrony();
    });
    connect(ui->bZapiszPDF, &QPushButton::clicked, this, [this] { this->raport.ZapiszJakoPDF(); });
    connect(ui->bZamknij, &QPushButton::clicked, this, &QDialog::accept);
    ui->bZamknij->setDefault(true);
}

TfPodglad::~TfPodglad() = default;

QString TfPodglad::OpisStrony() const {
    return QStringLiteral("Strona %1 z %2")
        .arg(std::max(1, podglad->currentPage()))
        .arg(std::max(1, podglad->pageCount()));
}

void TfPodglad::PokazNumerStrony() {
    ui->lStrona->setText(OpisStrony());
    ui->bPoprzednia->setEnabled(podglad->currentPage() > 1);
    ui->bNastepna->setEnabled(podglad->currentPage() < podglad->pageCount());
}
