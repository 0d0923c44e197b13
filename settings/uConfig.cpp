#include "settings/uConfig.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QSignalBlocker>

#include "settings/UstawieniaSklepu.h"
#include "settings/UstawieniaSlownik.h"
#include "settings/Zasady.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/Katalogi.h"
#include "store/Liczby.h"
#include "store/uWspolneDB.h"
#include "ui_uConfig.h"

TfConfig* fConfig = nullptr;

namespace {

const QString OplataKarna = QStringLiteral("opłata karna");

// The value of cbKolejnaDoba's entry: 100 … 10 percent, then the rate less 0.50 … 3.00.
double KolejnaDobaWpisu(int indeks) {
    if (indeks < 0 || indeks > 15) return 100;
    if (indeks < 10) return 100 - 10 * indeks;
    return -0.5 * (indeks - 9);
}

// The value of cbPoTerminie's entry: the penalty, then 100 … 10 percent.
int PoTerminieWpisu(int indeks) {
    if (indeks < 0 || indeks > 10) return 100;
    if (indeks == 0) return 0;
    return 110 - 10 * indeks;
}

// The field's text as a non-negative whole number, or amount; the empty text gives 0.
std::optional<int> calkowitaPola(const QLineEdit* pole) {
    const QString t = pole->text();
    if (t.trimmed().isEmpty()) return 0;
    const auto v = CalkowitaZEkranu(t);
    if (!v || *v < 0) return std::nullopt;
    return v;
}

std::optional<TKwota> kwotaPola(const QLineEdit* pole) {
    const QString t = pole->text();
    if (t.trimmed().isEmpty()) return TKwota();
    const auto v = KwotaZEkranu(t);
    if (!v || v->Ujemna()) return std::nullopt;
    return v;
}

// Takes a field's value; a text that is not a number shows the warning, empties the edit
// and gives false.
template <typename T>
bool wezPole(QLineEdit* pole, const std::optional<T>& wartosc, T& cel) {
    if (!wartosc) {
        Ostrzezenie(NiepoprawnaWartosc);
        pole->clear();
        return false;
    }
    cel = *wartosc;
    return true;
}

// A number typed with more than two decimals: an amount is kept in whole grosze, so the
// save would change it.
bool PonadDwaMiejsca(const QString& tekst) {
    const QString t = tekst.trimmed();
    const qsizetype przecinek = t.indexOf(',');
    return LiczbaZEkranu(t) && przecinek >= 0 && t.size() - przecinek - 1 > 2;
}

}  // namespace

TfConfig::TfConfig(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TfConfig>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("TfConfig"));
    setWindowTitle(QStringLiteral("Ustawienia"));

    UmiescWLuce(ui->rbAbIlosciowy, ui->eAbGratis, QStringLiteral("co "),
                QStringLiteral("               "));
    UmiescWLuce(ui->rbAbCenowy, ui->eAbStawka, QStringLiteral("każdy film w cenie "),
                QStringLiteral("                   "));

    menuZapis = new QMenu(QStringLiteral("Zapis"), this);
    menuZapis->setObjectName(QStringLiteral("menuZapis"));
    miZapisz = menuZapis->addAction(QStringLiteral("Zapisz"));
    miZapisz->setObjectName(QStringLiteral("miZapisz"));
    miZapisz->setShortcut(QKeySequence(Qt::Key_F2));
    miAnuluj = menuZapis->addAction(QStringLiteral("Anuluj"));
    miAnuluj->setObjectName(QStringLiteral("miAnuluj"));
    miAnuluj->setShortcut(QKeySequence(Qt::Key_F10));
    addAction(miZapisz);
    addAction(miAnuluj);

    connect(ui->bZapisz, &QPushButton::clicked, this, &TfConfig::bZapiszClick);
    connect(ui->bAnuluj, &QPushButton::clicked, this, &TfConfig::bAnulujClick);
    connect(miZapisz, &QAction::triggered, this, &TfConfig::bZapiszClick);
    connect(miAnuluj, &QAction::triggered, this, &TfConfig::bAnulujClick);

    connect(ui->cbKolejnaDoba, &QComboBox::currentIndexChanged, this,
            &TfConfig::cbKolejnaDobaChange);
    connect(ui->cbPoTerminie, &QComboBox::currentIndexChanged, this, &TfConfig::cbPoTerminieChange);
    connect(ui->cbPrzedTerminem, &QComboBox::currentIndexChanged, this,
            &TfConfig::cbPrzedTerminemChange);
    connect(ui->cbWeekend, &QComboBox::currentIndexChanged, this, &TfConfig::cbWeekendChange);
    connect(ui->cbStawka, &QCheckBox::toggled, this, &TfConfig::cbStawkaClick);

    const std::pair<QLineEdit*, bool> sprawdzane[] = {
        {ui->eKara, false},   {ui->eKaucja, false},  {ui->eAbStawka, false},
        {ui->eFilmMax, true}, {ui->eAbGratis, true},
    };
    for (const auto& [pole, calkowita] : sprawdzane)
        connect(pole, &QLineEdit::textChanged, this,
                [this, pole = pole, calkowita = calkowita] { SprawdzPole(pole, calkowita); });

    pierscien = {ui->cbKolejnaDoba, ui->cbPoTerminie, ui->cbPrzedTerminem, ui->cbWeekend,
                 ui->eKara,         ui->eKaucja,      ui->eFilmMax,        ui->eWysokoscAb,
                 ui->rbAbKwotowy,   ui->cbAbRabat,    ui->rbAbIlosciowy,   ui->eAbGratis,
                 ui->rbAbCenowy,    ui->eAbStawka};
    for (QWidget* w : pierscien) w->installEventFilter(this);
    for (int i = 0; i + 1 < pierscien.size(); ++i) setTabOrder(pierscien[i], pierscien[i + 1]);
}

TfConfig::~TfConfig() = default;

// Puts the edit into the blank run of the radio button's caption, so that the caption
// reads around it.
void TfConfig::UmiescWLuce(QRadioButton* przycisk, QLineEdit* pole, const QString& przed,
                           const QString& luka) {
    QStyleOptionButton opcja;
    opcja.initFrom(przycisk);
    const int wskaznik =
        przycisk->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &opcja, przycisk) +
        przycisk->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &opcja, przycisk);
    const QFontMetrics fm(przycisk->font());
    const int x = wskaznik + fm.horizontalAdvance(przed) + 2;
    const int szerokosc = fm.horizontalAdvance(luka) - 4;
    const int wysokosc = fm.height() + 6;
    pole->setParent(przycisk);
    przycisk->setMinimumHeight(wysokosc + 2);
    pole->setGeometry(x, 1, szerokosc, wysokosc);
    pole->show();
}

void TfConfig::WczytajUstawienia() {
    // The shop's values this computer's settings file held before the store kept them.
    PrzeniesUstawieniaZPliku();
    tekstyZBazy = CzytajTekstyUstawien(Query1, KatalogBazy);
    Ustawienia = UstawieniaZTekstow(*tekstyZBazy);
    // A failed read has shown the store's error; the rules then stay off.
    zasadyZBazy = CzytajZasady(Query1);
    if (zasadyZBazy) Ustawienia.Zasady = *zasadyZBazy;
}

bool TfConfig::OdswiezZBazy() {
    QHash<QString, QString> teksty = CzytajTekstyUstawien(Query1, KatalogBazy);
    std::optional<TZasady> zasady = CzytajZasady(Query1);
    const bool pierwszy = !tekstyZBazy;
    if (!pierwszy && teksty == *tekstyZBazy && zasady == zasadyZBazy) return false;
    tekstyZBazy = std::move(teksty);
    zasadyZBazy = std::move(zasady);
    if (pierwszy) return false;
    Ustawienia = UstawieniaZTekstow(*tekstyZBazy);
    if (zasadyZBazy) Ustawienia.Zasady = *zasadyZBazy;
    return true;
}

bool TfConfig::ZapiszUstawienia() {
    return ZapiszUstawieniaWBazie(Query1, Ustawienia);
}

void TfConfig::FormShow() {
    WczytajUstawienia();
    const TUstawienia& u = Ustawienia;
    // The controls are set from the record; their change handlers would write it back.
    const QSignalBlocker b1(ui->cbKolejnaDoba), b2(ui->cbPoTerminie), b3(ui->cbPrzedTerminem),
        b4(ui->cbWeekend), b5(ui->cbStawka);

    if (u.KolejnaDoba > 0)
        ui->cbKolejnaDoba->setCurrentIndex(ui->cbKolejnaDoba->findText(
            QString::number(u.KolejnaDoba, 'f', 0) + QStringLiteral("% stawki")));
    else
        ui->cbKolejnaDoba->setCurrentIndex(ui->cbKolejnaDoba->findText(
            QStringLiteral("stawka - ") + KwotaNaEkran(TKwota::ZeZlotych(-u.KolejnaDoba)) +
            QStringLiteral("zł")));

    ui->cbPoTerminie->setCurrentIndex(
        u.PoTerminie == 0 ? 0
                          : ui->cbPoTerminie->findText(QString::number(u.PoTerminie) +
                                                       QStringLiteral("% należności")));
    ui->cbPrzedTerminem->setCurrentIndex(u.PrzedTerminem ? 0 : 1);
    ui->cbWeekend->setCurrentIndex(u.Weekend == 0 || u.Weekend == 1 ? u.Weekend : -1);

    ui->eKara->setText(KwotaNaEkran(u.Kara));
    ui->eKaucja->setText(KwotaNaEkran(u.Kaucja));
    ui->eWysokoscAb->setText(KwotaNaEkran(u.AbOplata));
    ui->eFilmMax->setText(QString::number(u.FilmMax));
    ui->cbStawka->setChecked(u.ZmianaStawki);

    ui->eAbGratis->setText(QStringLiteral("10"));
    ui->eAbStawka->setText(QStringLiteral("0,00"));
    ui->cbAbRabat->setCurrentIndex(ui->cbAbRabat->findText(QStringLiteral("10%")));
    const bool zeroGratis = u.AbGratis == 0;
    const bool zeroStawka = u.AbStawka.Zero();
    if (u.AbRabat != 100 && zeroGratis && zeroStawka) {
        ui->rbAbKwotowy->setChecked(true);
        ui->cbAbRabat->setCurrentIndex(
            ui->cbAbRabat->findText(QString::number(u.AbRabat) + QStringLiteral("%")));
    } else if (u.AbRabat == 100 && !zeroGratis && zeroStawka) {
        ui->rbAbIlosciowy->setChecked(true);
        ui->eAbGratis->setText(QString::number(u.AbGratis));
    } else if (u.AbRabat == 100 && zeroGratis && !zeroStawka) {
        ui->rbAbCenowy->setChecked(true);
        ui->eAbStawka->setText(KwotaNaEkran(u.AbStawka));
    } else {
        Ustawienia.AbRabat = 100;
        Ustawienia.AbStawka = TKwota();
        ui->rbAbIlosciowy->setChecked(true);
        ui->eAbGratis->setText(QStringLiteral("10"));
    }
    ui->cbKolejnaDoba->setFocus();
}

void TfConfig::cbKolejnaDobaChange() {
    Ustawienia.KolejnaDoba = ui->cbKolejnaDoba->currentText().isEmpty()
                                 ? 100
                                 : KolejnaDobaWpisu(ui->cbKolejnaDoba->currentIndex());
}

void TfConfig::cbPoTerminieChange() {
    Ustawienia.PoTerminie = PoTerminieWpisu(ui->cbPoTerminie->currentIndex());
}

void TfConfig::cbPrzedTerminemChange() {
    Ustawienia.PrzedTerminem = ui->cbPrzedTerminem->currentIndex() == 0;
}

void TfConfig::cbWeekendChange() {
    Ustawienia.Weekend = ui->cbWeekend->currentIndex() == 1 ? 1 : 0;
}

void TfConfig::cbStawkaClick() {
    Ustawienia.ZmianaStawki = ui->cbStawka->isChecked();
}

void TfConfig::SprawdzPole(QLineEdit* pole, bool calkowita) {
    const QString t = pole->text();
    if (calkowita ? TekstCalkowitejPoprawny(t) : TekstLiczbyPoprawny(t)) return;
    Ostrzezenie(NiepoprawnaWartosc);
    pole->clear();
}

void TfConfig::bZapiszClick() {
    // Amounts of more than two decimals are refused before anything is taken.
    for (QLineEdit* pole : {ui->eKara, ui->eKaucja, ui->eWysokoscAb,
                            ui->rbAbCenowy->isChecked() ? ui->eAbStawka : nullptr}) {
        if (!pole || !PonadDwaMiejsca(pole->text())) continue;
        Ostrzezenie(QStringLiteral("Kwota może mieć najwyżej dwa miejsca po przecinku."));
        pole->setFocus();
        return;
    }
    TUstawienia& u = Ustawienia;
    // The amounts and the limit; a text that is not a number ends the save there.
    if (!wezPole(ui->eKara, kwotaPola(ui->eKara), u.Kara) ||
        !wezPole(ui->eKaucja, kwotaPola(ui->eKaucja), u.Kaucja) ||
        !wezPole(ui->eFilmMax, calkowitaPola(ui->eFilmMax), u.FilmMax) ||
        !wezPole(ui->eWysokoscAb, kwotaPola(ui->eWysokoscAb), u.AbOplata))
        return;

    if (ui->rbAbKwotowy->isChecked()) {
        QString t = ui->cbAbRabat->currentText();
        if (t.endsWith('%')) t.chop(1);
        const auto rabat = CalkowitaZEkranu(t);
        u.AbRabat = ui->cbAbRabat->currentIndex() >= 0 && rabat ? *rabat : 100;
        u.AbGratis = 0;
        u.AbStawka = TKwota();
        u.TypAb = 0;
    } else if (ui->rbAbIlosciowy->isChecked()) {
        if (!wezPole(ui->eAbGratis, calkowitaPola(ui->eAbGratis), u.AbGratis)) return;
        u.AbRabat = 100;
        u.AbStawka = TKwota();
        u.TypAb = 1;
    } else if (ui->rbAbCenowy->isChecked()) {
        if (!wezPole(ui->eAbStawka, kwotaPola(ui->eAbStawka), u.AbStawka)) return;
        u.AbRabat = 100;
        u.AbGratis = 0;
        u.TypAb = 2;
    }

    if (ui->cbPoTerminie->currentText() == OplataKarna && u.Kara.Zero()) {
        Ostrzezenie(QStringLiteral("Nie ustalono wysokości opłaty karnej."));
        return;
    }
    // A failed write has shown the store's error; the dialog stays open with the input.
    if (ZapiszUstawienia()) accept();
}

void TfConfig::bAnulujClick() {
    reject();
}

bool TfConfig::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (zdarzenie->type() == QEvent::KeyPress) {
        const int klawisz = static_cast<QKeyEvent*>(zdarzenie)->key();
        if (klawisz == Qt::Key_Return || klawisz == Qt::Key_Enter) {
            const int i = pierscien.indexOf(qobject_cast<QWidget*>(obiekt));
            if (i >= 0) {
                pierscien[(i + 1) % pierscien.size()]->setFocus();
                return true;
            }
        }
    }
    return QDialog::eventFilter(obiekt, zdarzenie);
}
