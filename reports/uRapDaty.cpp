#include "reports/uRapDaty.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include "store/Interakcja.h"
#include "store/Zegar.h"
#include "ui_uRapDaty.h"
#include "widgets/Polecenie.h"

namespace {

const QString WszystkieStanowiska = QStringLiteral("Wszystkie stanowiska");

QToolButton* PrzyciskNawigacji(const QString& nazwa, const QString& tekst,
                               const QString& podpowiedz, QWidget* rodzic) {
    auto* b = new QToolButton(rodzic);
    b->setObjectName(nazwa);
    b->setText(tekst);
    b->setToolTip(podpowiedz);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

}  // namespace

TKalendarz::TKalendarz(const QDate& wybrana, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TKalendarz"));
    setWindowTitle(QStringLiteral("Wybierz datę"));

    auto* uklad = new QVBoxLayout(this);
    auto* nawigacja = new QHBoxLayout;
    auto* poprzedniRok = PrzyciskNawigacji(QStringLiteral("bbPoprzedniRok"), QStringLiteral("«"),
                                           QStringLiteral("Poprzedni rok"), this);
    auto* poprzedniMiesiac =
        PrzyciskNawigacji(QStringLiteral("bbPoprzedniMiesiac"), QStringLiteral("‹"),
                          QStringLiteral("Poprzedni miesiąc"), this);
    auto* nastepnyMiesiac =
        PrzyciskNawigacji(QStringLiteral("bbNastepnyMiesiac"), QStringLiteral("›"),
                          QStringLiteral("Następny miesiąc"), this);
    auto* nastepnyRok = PrzyciskNawigacji(QStringLiteral("bbNastepnyRok"), QStringLiteral("»"),
                                          QStringLiteral("Następny rok"), this);
    lMiesiac = new QLabel(this);
    lMiesiac->setObjectName(QStringLiteral("lMiesiac"));
    lMiesiac->setAlignment(Qt::AlignCenter);
    QFont f = lMiesiac->font();
    f.setBold(true);
    lMiesiac->setFont(f);
    nawigacja->addWidget(poprzedniRok);
    nawigacja->addWidget(poprzedniMiesiac);
    nawigacja->addWidget(lMiesiac, 1);
    nawigacja->addWidget(nastepnyMiesiac);
    nawigacja->addWidget(nastepnyRok);
    uklad->addLayout(nawigacja);

    kalendarz = new QCalendarWidget(this);
    kalendarz->setObjectName(QStringLiteral("kalendarz"));
    kalendarz->setLocale(QLocale(QLocale::Polish, QLocale::Poland));
    kalendarz->setFirstDayOfWeek(Qt::Monday);
    kalendarz->setNavigationBarVisible(false);
    kalendarz->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    kalendarz->setGridVisible(true);
    kalendarz->setSelectedDate(wybrana.isValid() ? wybrana : Dzisiaj());
    uklad->addWidget(kalendarz);

    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch(1);
    auto* bOK = new QPushButton(QStringLiteral("OK"), this);
    bOK->setObjectName(QStringLiteral("bOK"));
    bOK->setDefault(true);
    auto* bAnuluj = new QPushButton(QStringLiteral("Anuluj"), this);
    bAnuluj->setObjectName(QStringLiteral("bAnuluj"));
    bAnuluj->setAutoDefault(false);
    przyciski->addWidget(bOK);
    przyciski->addWidget(bAnuluj);
    uklad->addLayout(przyciski);

    connect(poprzedniRok, &QToolButton::clicked, this, [this] { Przesun(-1, 0); });
    connect(poprzedniMiesiac, &QToolButton::clicked, this, [this] { Przesun(0, -1); });
    connect(nastepnyMiesiac, &QToolButton::clicked, this, [this] { Przesun(0, 1); });
    connect(nastepnyRok, &QToolButton::clicked, this, [this] { Przesun(1, 0); });
    connect(kalendarz, &QCalendarWidget::currentPageChanged, this, [this] { PokazMiesiac(); });
    connect(kalendarz, &QCalendarWidget::activated, this, &QDialog::accept);
    connect(bOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(bAnuluj, &QPushButton::clicked, this, &QDialog::reject);
    PokazMiesiac();
    kalendarz->setFocus();
}

QDate TKalendarz::Data() const {
    return kalendarz->selectedDate();
}

void TKalendarz::Przesun(int lata, int miesiace) {
    // 31 March one month on is 30 April: addMonths keeps the day within the month.
    kalendarz->setSelectedDate(kalendarz->selectedDate().addYears(lata).addMonths(miesiace));
    kalendarz->showSelectedDate();
    PokazMiesiac();
}

void TKalendarz::PokazMiesiac() {
    const QLocale polski(QLocale::Polish, QLocale::Poland);
    lMiesiac->setText(polski.standaloneMonthName(kalendarz->monthShown(), QLocale::LongFormat) +
                      ' ' + QString::number(kalendarz->yearShown()));
}

TfRapDaty::TfRapDaty(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TfRapDaty>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("TfRapDaty"));
    setWindowTitle(QStringLiteral("Raport okresowy"));
    DataOD = ui->DataOD;
    DataDO = ui->DataDO;
    ui->lStanowisko->hide();
    ui->cbStanowisko->hide();
    PolaczPolecenie(this, ui->bGeneruj, ui->miGeneruj, [this] { accept(); });
    PolaczPolecenie(this, ui->bAnuluj, ui->miAnuluj, [this] { reject(); });
    // The hidden menu "Zapis" holds the keys of the buttons.
    auto* menu = new QMenu(QStringLiteral("Zapis"), this);
    menu->setObjectName(QStringLiteral("menuZapis"));
    menu->addAction(ui->miGeneruj);
    menu->addAction(ui->miAnuluj);
    // Both days start as the last week; the range is kept valid from here on.
    DataOD->setDate(Dzisiaj().addDays(-7));
    DataDO->setDate(Dzisiaj());
    DataOD->installEventFilter(this);
    DataDO->installEventFilter(this);
    connect(DataOD, &QDateEdit::dateChanged, this, &TfRapDaty::DataODChange);
    connect(DataDO, &QDateEdit::dateChanged, this, &TfRapDaty::DataDOChange);
    connect(ui->bbKalendarzOD, &QToolButton::clicked, this, [this] { PokazKalendarz(DataOD); });
    connect(ui->bbKalendarzDO, &QToolButton::clicked, this, [this] { PokazKalendarz(DataDO); });
}

TfRapDaty::~TfRapDaty() = default;

void TfRapDaty::PokazStanowiska(const QStringList& stanowiska) {
    ui->cbStanowisko->clear();
    ui->cbStanowisko->addItem(WszystkieStanowiska);
    ui->cbStanowisko->addItems(stanowiska);
    ui->cbStanowisko->setCurrentIndex(0);
    ui->lStanowisko->show();
    ui->cbStanowisko->show();
}

QString TfRapDaty::Stanowisko() const {
    return ui->cbStanowisko->isHidden() || ui->cbStanowisko->currentIndex() <= 0
               ? QString()
               : ui->cbStanowisko->currentText();
}

void TfRapDaty::showEvent(QShowEvent* zdarzenie) {
    QDialog::showEvent(zdarzenie);
    if (!zdarzenie->spontaneous()) DataOD->setFocus();
}

void TfRapDaty::DataODChange() {
    if (DataDO->date() < DataOD->date()) DataDO->setDate(DataOD->date());
}

void TfRapDaty::DataDOChange() {
    if (DataOD->date() > DataDO->date()) DataOD->setDate(DataDO->date());
}

void TfRapDaty::PokazKalendarz(QDateEdit* pole) {
    TKalendarz kalendarz(pole->date(), this);
    if (PokazModalnie(kalendarz) == QDialog::Accepted) pole->setDate(kalendarz.Data());
    pole->setFocus();
}

bool TfRapDaty::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    // Alt+Down in a date field opens its calendar, as a drop-down does.
    if ((obiekt == DataOD || obiekt == DataDO) && zdarzenie->type() == QEvent::KeyPress) {
        const auto* klawisz = static_cast<QKeyEvent*>(zdarzenie);
        if (klawisz->key() == Qt::Key_Down && (klawisz->modifiers() & Qt::AltModifier)) {
            PokazKalendarz(static_cast<QDateEdit*>(obiekt));
            return true;
        }
    }
    return QDialog::eventFilter(obiekt, zdarzenie);
}
