#include "films/uSzukaj.h"

#include <QKeyEvent>
#include <QShowEvent>

#include "films/uFilmy.h"
#include "store/Interakcja.h"
#include "store/Katalogi.h"
#include "ui_uSzukaj.h"
#include "widgets/Polecenie.h"
#include "widgets/uDialog.h"

TfSzukaj* fSzukaj = nullptr;

namespace {

// The chosen entry of a pick list, the empty text when none is chosen.
QString Wybor(const QComboBox* combo) {
    return combo->currentIndex() >= 0 ? combo->currentText() : QString();
}

}  // namespace

TfSzukaj::TfSzukaj(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TfSzukaj>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("TfSzukaj"));
    setWindowTitle(QStringLiteral("Wyszukiwanie"));

    // The hidden menu "Zapis": its items act through their keys only.
    PolaczPolecenie(this, ui->bSzukaj, ui->miSzukaj, [this] { bSzukajClick(); });
    PolaczPolecenie(this, ui->bAnuluj, ui->miAnuluj, [this] { reject(); });

    const QList<QWidget*> lancuch = {ui->eTytul,    ui->cbRezyser, ui->cbAktor,
                                     ui->cbGatunek, ui->cbNosnik,  ui->cbRezyser};
    for (qsizetype i = 0; i + 1 < lancuch.size(); ++i) {
        lancuchEnter.insert(lancuch[i], lancuch[i + 1]);
        lancuch[i]->installEventFilter(this);
    }
    setTabOrder(ui->eTytul, ui->cbRezyser);
    setTabOrder(ui->cbRezyser, ui->cbAktor);
    setTabOrder(ui->cbAktor, ui->cbGatunek);
    setTabOrder(ui->cbGatunek, ui->cbNosnik);
    setTabOrder(ui->cbNosnik, ui->bSzukaj);
    setTabOrder(ui->bSzukaj, ui->bAnuluj);
}

TfSzukaj::~TfSzukaj() = default;

void TfSzukaj::showEvent(QShowEvent* zdarzenie) {
    QDialog::showEvent(zdarzenie);
    if (!zdarzenie->spontaneous()) FormShow();
}

void TfSzukaj::FormShow() {
    DopiszNazwy(ui->cbRezyser, Rezyserzy(Query1));
    DopiszNazwy(ui->cbAktor, Aktorzy(Query1));
    WczytajComboBox(KatalogProgramu + QStringLiteral("Config/gatunek.wdn"), ui->cbGatunek);
    WczytajComboBox(KatalogProgramu + QStringLiteral("Config/nosnik.wdn"), ui->cbNosnik);
    ui->cbGatunek->setCurrentIndex(-1);
    ui->cbNosnik->setCurrentIndex(-1);
    ui->eTytul->setFocus();
}

void TfSzukaj::DopiszNazwy(QComboBox* combo, const std::optional<std::vector<QString>>& nazwy) {
    if (!nazwy) return;  // the store's error has been shown
    const int wybrany = combo->currentIndex();
    for (const QString& nazwa : *nazwy)
        if (!nazwa.isEmpty() && combo->findText(nazwa, Qt::MatchFixedString) < 0)
            combo->addItem(nazwa);
    // Appending to an empty list would choose its first entry: the choice stays as it was.
    combo->setCurrentIndex(wybrany);
}

TKryteriaSzukania TfSzukaj::Kryteria() const {
    return {ui->eTytul->text(), Wybor(ui->cbRezyser), Wybor(ui->cbAktor), Wybor(ui->cbGatunek),
            Wybor(ui->cbNosnik)};
}

void TfSzukaj::bSzukajClick() {
    const TKryteriaSzukania kryteria = Kryteria();
    const std::optional<bool> znalezione = ZnalezionoFilmy(Query1, kryteria);
    if (!znalezione) return;  // the store's error has been shown
    if (!*znalezione) {
        Informacja(QStringLiteral("Nie znaleziono filmów spełniających wskazane kryteria."));
        ui->cbRezyser->setFocus();
        return;
    }
    {
        TfFilmy lista(this);
        lista.UstawKryteria(kryteria);
        PokazModalnie(lista);
    }
    accept();
}

bool TfSzukaj::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (zdarzenie->type() == QEvent::KeyPress) {
        const int klawisz = static_cast<QKeyEvent*>(zdarzenie)->key();
        QWidget* nastepny = lancuchEnter.value(qobject_cast<QWidget*>(obiekt));
        if (nastepny && (klawisz == Qt::Key_Return || klawisz == Qt::Key_Enter)) {
            nastepny->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(obiekt, zdarzenie);
}
