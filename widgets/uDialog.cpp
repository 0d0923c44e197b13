#include "widgets/uDialog.h"

#include <QCollator>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QSaveFile>
#include <QScreen>
#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QToolTip>
#include <algorithm>

#include "store/Interakcja.h"
#include "ui_uDialog.h"
#include "widgets/LimitZnakow.h"

namespace {

const QColor KolorPodpowiedzi(255, 255, 128);
const QColor KolorAktywnegoPola(Qt::yellow);

}  // namespace

void WczytajComboBox(const QString& sciezka, QComboBox* combo) {
    combo->clear();
    if (!QFileInfo::exists(sciezka)) return;
    combo->addItems(WczytajPlikListy(sciezka));
    if (combo->count() > 0) combo->setCurrentIndex(0);
}

// ---------------------------------------------------------------- the editor

TfDialog::TfDialog(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TfDialog>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("TfDialog"));
    setSizeGripEnabled(true);

    ui->bbUp->setToolTip(
        QStringLiteral("Przesuwa wybraną linię\no jedną pozycję do góry\n   \n"
                       "Możesz użyć klawisz \"minus\""));
    ui->bbDown->setToolTip(
        QStringLiteral("Przesuwa wybraną linię\no jedną pozycję w dół\n   \n"
                       "Możesz użyć klawisz \"plus\""));
    ui->ListBox1->setStyleSheet(QStringLiteral("QListWidget::item { height: 15px; }"));

    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("PopupMenu1"));
    menu->addAction(ui->miSortuj);
    menu->addAction(ui->miOdwroc);
    menu->addSeparator();
    menu->addAction(ui->miUsun);
    menu->addAction(ui->miUsunWszystko);
    connect(
        ui->ListBox1, &QWidget::customContextMenuRequested, this,
        [this, menu](const QPoint& p) { menu->popup(ui->ListBox1->viewport()->mapToGlobal(p)); });

    connect(ui->miSortuj, &QAction::triggered, this, &TfDialog::Sortuj);
    connect(ui->miOdwroc, &QAction::triggered, this, &TfDialog::OdwrocKolejnosc);
    connect(ui->miUsun, &QAction::triggered, this, &TfDialog::Usun);
    connect(ui->miUsunWszystko, &QAction::triggered, this, &TfDialog::UsunWszystko);
    connect(ui->bUsun, &QPushButton::clicked, this, &TfDialog::Usun);
    connect(ui->bDodaj, &QPushButton::clicked, this, &TfDialog::Dodaj);
    connect(ui->bPopraw, &QPushButton::clicked, this, &TfDialog::Popraw);
    connect(ui->bZamknij, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->bbUp, &QToolButton::clicked, this, &TfDialog::PrzesunWGore);
    connect(ui->bbDown, &QToolButton::clicked, this, &TfDialog::PrzesunWDol);
    connect(ui->ListBox1, &QListWidget::itemSelectionChanged, this, [this] {
        if (!blokadaZaznaczenia) ListBox1Click();
    });
    connect(ui->ListBox1, &QListWidget::itemDoubleClicked, this, [this] { ui->Edit1->setFocus(); });
    connect(ui->Edit1, &QLineEdit::returnPressed, this, [this] { ui->ListBox1->setFocus(); });

    ui->ListBox1->installEventFilter(this);
    ui->Edit1->installEventFilter(this);
    WczytajPolozenie();
}

TfDialog::~TfDialog() = default;

bool TfDialog::ZmienZawartoscPliku(const QString& sciezka, int limit) {
    OgraniczZnaki(ui->Edit1, limit > 0 ? limit : 255);
    UstawWpisy({});
    TEMPList.clear();
    if (QFileInfo::exists(sciezka)) {
        UstawWpisy(WczytajPlikListy(sciezka));
        TEMPList = Wpisy();
    }

    for (;;) {
        QPalette podpowiedz = QToolTip::palette();
        podpowiedz.setColor(QPalette::ToolTipBase, KolorPodpowiedzi);
        QToolTip::setPalette(podpowiedz);
        Wyczysc();
        PokazModalnie(*this);
        if (!CzyZmiany()) break;
        const auto odpowiedz = PokazKomunikat(
            {QStringLiteral("Czy zapisać zmiany w zestawieniu?"), QStringLiteral("Uwaga, zmiany!"),
             TIkona::Pytanie, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
             QMessageBox::Yes});
        if (odpowiedz == QMessageBox::Yes) break;
        if (odpowiedz == QMessageBox::No) return true;
        // Cancel: back to the editor with the edits kept.
    }

    QString blad;
    if (!ZapiszPlikListy(sciezka, Wpisy(), &blad)) {
        BladOgolny(QStringLiteral("Nie można zapisać pliku %1.\n%2")
                       .arg(QDir::toNativeSeparators(sciezka), blad));
        return false;
    }
    return true;
}

bool TfDialog::CzyZmiany() const {
    return Wpisy() != TEMPList;
}

void TfDialog::WlaczControls() {
    ui->bbUp->setEnabled(true);
    ui->bbDown->setEnabled(true);
}

void TfDialog::WYlaczControls() {
    ui->bbUp->setEnabled(false);
    ui->bbDown->setEnabled(false);
}

QStringList TfDialog::Wpisy() const {
    QStringList wpisy;
    for (int i = 0; i < ui->ListBox1->count(); ++i) wpisy.append(ui->ListBox1->item(i)->text());
    return wpisy;
}

void TfDialog::UstawWpisy(const QStringList& wpisy) {
    blokadaZaznaczenia = true;
    ui->ListBox1->clear();
    ui->ListBox1->addItems(wpisy);
    blokadaZaznaczenia = false;
}

void TfDialog::Wyczysc() {
    ui->Edit1->setEnabled(true);
    KolorEdit1(false);
    blokadaZaznaczenia = true;
    ui->ListBox1->clearSelection();
    blokadaZaznaczenia = false;
    WYlaczControls();
    ui->Edit1->clear();
    ui->Edit1->setFocus();
}

void TfDialog::ListBox1Click() {
    const int ile = ui->ListBox1->count();
    if (ile == 0) return;
    ui->Edit1->setEnabled(true);
    KolorEdit1(ui->Edit1->hasFocus());
    WlaczControls();
    for (int i = 0; i < ile; ++i)
        if (ui->ListBox1->item(i)->isSelected()) ui->Edit1->setText(ui->ListBox1->item(i)->text());
    if (ui->ListBox1->item(0)->isSelected()) ui->bbUp->setEnabled(false);
    if (ui->ListBox1->item(ile - 1)->isSelected()) ui->bbDown->setEnabled(false);
}

void TfDialog::ZaznaczTylko(int wiersz) {
    blokadaZaznaczenia = true;
    ui->ListBox1->clearSelection();
    ui->ListBox1->setCurrentRow(wiersz, QItemSelectionModel::ClearAndSelect);
    blokadaZaznaczenia = false;
}

bool TfDialog::TekstDoZapisu(const QString& tekst) {
    const QString obce = ZnakiSpozaStronyKodowej(tekst);
    if (obce.isEmpty()) return true;
    PokazKomunikat({QStringLiteral("Wpisany tekst zawiera znaki, których nie można zapisać w "
                                   "pliku listy: %1")
                        .arg(obce),
                    QStringLiteral("Informacja"), TIkona::Informacja, QMessageBox::Ok,
                    QMessageBox::Ok});
    ui->Edit1->setFocus();
    KolorEdit1(true);
    return false;
}

void TfDialog::Dodaj() {
    const QString tekst = ui->Edit1->text();
    if (tekst.isEmpty()) {
        PokazKomunikat({QStringLiteral("Nie ma nic do dodania ..."), QStringLiteral("Informacja"),
                        TIkona::Informacja, QMessageBox::Ok, QMessageBox::Ok});
        ui->Edit1->setFocus();
        KolorEdit1(true);
        return;
    }
    if (!TekstDoZapisu(tekst)) return;
    blokadaZaznaczenia = true;
    ui->ListBox1->addItem(tekst);
    ui->ListBox1->clearSelection();
    blokadaZaznaczenia = false;
    ui->Edit1->clear();
    ui->Edit1->setFocus();
    WYlaczControls();
}

void TfDialog::Popraw() {
    if (ui->ListBox1->count() == 0) return;
    const QString tekst = ui->Edit1->text();
    const int wiersz = ui->ListBox1->currentRow();
    if (tekst.isEmpty() || wiersz < 0) {
        PokazKomunikat({QStringLiteral("Nie wybrano linii do korekty ..."),
                        QStringLiteral("Informacja"), TIkona::Informacja, QMessageBox::Ok,
                        QMessageBox::Ok});
        ui->Edit1->setFocus();
        KolorEdit1(true);
        return;
    }
    if (!TekstDoZapisu(tekst)) return;
    ui->ListBox1->item(wiersz)->setText(tekst);
    ZaznaczTylko(wiersz);
    ListBox1Click();
    ui->Edit1->setFocus();
}

void TfDialog::Usun() {
    int wiersz = -1;
    for (int i = 0; i < ui->ListBox1->count() && wiersz < 0; ++i)
        if (ui->ListBox1->item(i)->isSelected()) wiersz = i;
    if (wiersz < 0) return;
    const QString tekst = ui->ListBox1->item(wiersz)->text();
    const auto odpowiedz = PokazKomunikat(
        {QStringLiteral("Czy napewno usunąć : \"%1\" z edytowanej listy?").arg(tekst),
         QStringLiteral("Zatwierdź usunięcie"), TIkona::Pytanie, QMessageBox::Yes | QMessageBox::No,
         QMessageBox::No});
    if (odpowiedz != QMessageBox::Yes) return;
    blokadaZaznaczenia = true;
    delete ui->ListBox1->takeItem(wiersz);
    blokadaZaznaczenia = false;
    if (ui->ListBox1->count() > 0) {
        // The entry above becomes selected; after the first entry, the new first one.
        ZaznaczTylko(std::max(wiersz - 1, 0));
        ListBox1Click();
    } else {
        WYlaczControls();
    }
}

void TfDialog::UsunWszystko() {
    UstawWpisy({});
    WYlaczControls();
}

void TfDialog::PrzesunWGore() {
    if (ui->bbUp->isEnabled()) Przesun(-1);
}

void TfDialog::PrzesunWDol() {
    if (ui->bbDown->isEnabled()) Przesun(1);
}

void TfDialog::Przesun(int oIle) {
    int wiersz = -1;
    for (int i = 0; i < ui->ListBox1->count() && wiersz < 0; ++i)
        if (ui->ListBox1->item(i)->isSelected()) wiersz = i;
    if (wiersz < 0) return;
    const int cel = wiersz + oIle;
    if (cel < 0 || cel >= ui->ListBox1->count()) return;
    blokadaZaznaczenia = true;
    QListWidgetItem* wpis = ui->ListBox1->takeItem(wiersz);
    const QString tekst = wpis->text();
    ui->ListBox1->insertItem(cel, wpis);
    blokadaZaznaczenia = false;
    const QStringList wpisy = Wpisy();
    ZaznaczTylko(static_cast<int>(wpisy.indexOf(tekst)));
    ListBox1Click();
}

void TfDialog::Sortuj() {
    QStringList wpisy = Wpisy();
    QCollator porzadek{QLocale(QLocale::Polish, QLocale::Poland)};
    porzadek.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(wpisy.begin(), wpisy.end(), [&](const QString& a, const QString& b) {
        return porzadek.compare(a, b) < 0;
    });
    UstawWpisy(wpisy);
    WYlaczControls();
}

void TfDialog::OdwrocKolejnosc() {
    ListBox2.clear();
    const QStringList wpisy = Wpisy();
    for (auto it = wpisy.crbegin(); it != wpisy.crend(); ++it) ListBox2.append(*it);
    UstawWpisy(ListBox2);
    ListBox2.clear();
    WYlaczControls();
}

void TfDialog::KolorEdit1(bool zolty) {
    QPalette p = ui->Edit1->palette();
    p.setColor(QPalette::Base, zolty ? KolorAktywnegoPola : palette().color(QPalette::Base));
    ui->Edit1->setPalette(p);
}

bool TfDialog::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (obiekt == ui->Edit1) {
        if (zdarzenie->type() == QEvent::FocusIn) KolorEdit1(true);
        if (zdarzenie->type() == QEvent::FocusOut) KolorEdit1(false);
    } else if (obiekt == ui->ListBox1 && zdarzenie->type() == QEvent::KeyPress) {
        const auto* klawisz = static_cast<QKeyEvent*>(zdarzenie);
        const bool numeryczna = klawisz->modifiers() & Qt::KeypadModifier;
        switch (klawisz->key()) {
            case Qt::Key_Insert:
                Wyczysc();
                return true;
            case Qt::Key_Delete:
                Usun();
                return true;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                ui->Edit1->setFocus();
                return true;
            case Qt::Key_Minus:
                if (!numeryczna) break;
                PrzesunWGore();
                return true;
            case Qt::Key_Plus:
                if (!numeryczna) break;
                PrzesunWDol();
                return true;
            default:
                break;
        }
    }
    return QDialog::eventFilter(obiekt, zdarzenie);
}

void TfDialog::done(int r) {
    ZapiszPolozenie();
    QDialog::done(r);
}

void TfDialog::WczytajPolozenie() {
    const QVariantMap ustawienia = WczytajGrupeUstawien(QStringLiteral("DIALOG"));
    bool okL = false, okT = false, okW = false, okH = false;
    const int lewa = ustawienia.value(QStringLiteral("Left")).toInt(&okL);
    const int gora = ustawienia.value(QStringLiteral("Top")).toInt(&okT);
    const int szer = ustawienia.value(QStringLiteral("Width")).toInt(&okW);
    const int wys = ustawienia.value(QStringLiteral("Height")).toInt(&okH);
    if (okW && okH) resize(std::max(szer, minimumWidth()), std::max(wys, minimumHeight()));
    // A position off every screen (a screen since removed) is not restored.
    if (okL && okT && QGuiApplication::screenAt(QPoint(lewa, gora) + QPoint(20, 20)))
        move(lewa, gora);
}

void TfDialog::ZapiszPolozenie() const {
    ZapiszGrupeUstawien(QStringLiteral("DIALOG"), {{QStringLiteral("Left"), pos().x()},
                                                   {QStringLiteral("Top"), pos().y()},
                                                   {QStringLiteral("Width"), width()},
                                                   {QStringLiteral("Height"), height()}});
}
