#include "films/uSzukaj.h"

#include <QKeyEvent>
#include <QShowEvent>

#include "films/uFilmy.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/Katalogi.h"
#include "store/uWspolneDB.h"
#include "ui_uSzukaj.h"
#include "widgets/uDialog.h"

TfSzukaj* fSzukaj = nullptr;

namespace {

// The chosen entry of a pick list, the empty text when none is chosen.
QString Wybor(const QComboBox* combo) {
    return combo->currentIndex() >= 0 ? combo->currentText() : QString();
}

}  // namespace

QString ZapytanieSzukania(const TKryteriaSzukania& k) {
    QString sql = QStringLiteral(
        "select ID, Numer_filmu, Tytul_oryginalny || ' (' || Tytul_polski || ')' tytul from film ");
    bool pierwsze = true;
    auto warunek = [&](const QString& tekst) {
        sql += (pierwsze ? QStringLiteral("where ") : QStringLiteral(" and ")) + tekst;
        pierwsze = false;
    };
    // Every typed or chosen value goes between single quotes with its quote doubled: a
    // value between double quotes could end the statement or be read as a date.
    if (!k.tytul.isEmpty()) {
        // Lowered as the store's Lower lowers the titles, Polish letters included, so that
        // "ŻÓŁW" finds "Żółw".
        const QString t = TekstSQL(k.tytul.toLower());
        warunek(QStringLiteral("( Lower( Tytul_oryginalny ) like ") + t +
                QStringLiteral(" or Lower( Tytul_polski ) like ") + t + QStringLiteral(" )"));
    }
    if (!k.rezyser.isEmpty()) {
        const QString d = TekstSQL(k.rezyser);
        warunek(QStringLiteral("( Upper( Rezyseria_1 ) like ") + d +
                QStringLiteral(" or Upper( Rezyseria_2 ) like ") + d + QStringLiteral(" )"));
    }
    if (!k.aktor.isEmpty()) {
        const QString a = TekstSQL(k.aktor);
        QString tekst = QStringLiteral("( Upper( Rola_glowna_1 ) like ") + a;
        for (int i = 2; i <= 5; ++i)
            tekst += QStringLiteral(" or Upper( Rola_glowna_%1 ) like ").arg(i) + a;
        warunek(tekst + QStringLiteral(" )"));
    }
    if (!k.gatunek.isEmpty()) warunek(QStringLiteral("Gatunek like ") + TekstSQL(k.gatunek));
    if (!k.nosnik.isEmpty()) warunek(QStringLiteral("Nosnik like ") + TekstSQL(k.nosnik));
    return sql + QStringLiteral(" order by Numer_filmu");
}

TfSzukaj::TfSzukaj(QWidget* parent) : QDialog(parent), ui(new Ui::TfSzukaj) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("TfSzukaj"));
    setWindowTitle(QStringLiteral("Wyszukiwanie"));

    // The hidden menu "Zapis": its items act through their keys only.
    addAction(ui->miSzukaj);
    addAction(ui->miAnuluj);
    connect(ui->bSzukaj, &QPushButton::clicked, this, &TfSzukaj::bSzukajClick);
    connect(ui->miSzukaj, &QAction::triggered, this, &TfSzukaj::bSzukajClick);
    connect(ui->bAnuluj, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->miAnuluj, &QAction::triggered, this, &QDialog::reject);

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

TfSzukaj::~TfSzukaj() {
    delete ui;
}

void TfSzukaj::showEvent(QShowEvent* zdarzenie) {
    QDialog::showEvent(zdarzenie);
    if (!zdarzenie->spontaneous()) FormShow();
}

void TfSzukaj::FormShow() {
    DopiszNazwy(ui->cbRezyser,
                QStringLiteral("select Upper( Rezyseria_1 ) rezyser from film union select "
                               "Upper( Rezyseria_2 ) rezyser from film"),
                QStringLiteral("rezyser"));
    DopiszNazwy(ui->cbAktor,
                QStringLiteral("select Upper( Rola_glowna_1 ) aktor from film union select "
                               "Upper( Rola_glowna_2 ) aktor from film union select Upper( "
                               "Rola_glowna_3 ) aktor from film union select Upper( Rola_glowna_4 "
                               ") aktor from film union select Upper( Rola_glowna_5 ) aktor from "
                               "film"),
                QStringLiteral("aktor"));
    WczytajComboBox(KatalogProgramu + QStringLiteral("Config/gatunek.wdn"), ui->cbGatunek);
    WczytajComboBox(KatalogProgramu + QStringLiteral("Config/nosnik.wdn"), ui->cbNosnik);
    ui->cbGatunek->setCurrentIndex(-1);
    ui->cbNosnik->setCurrentIndex(-1);
    ui->eTytul->setFocus();
}

// The names only grow: a name is appended when the list lacks it in any letter case.
void TfSzukaj::DopiszNazwy(QComboBox* combo, const QString& sql, const QString& kolumna) {
    const int wybrany = combo->currentIndex();
    OtworzSQL(Query1, sql);
    if (!Query1.Active()) return;  // the store's error has been shown
    for (; !Query1.Eof(); Query1.Next()) {
        const QString nazwa = Query1.FieldByName(kolumna).AsString();
        if (!nazwa.isEmpty() && combo->findText(nazwa, Qt::MatchFixedString) < 0)
            combo->addItem(nazwa);
    }
    Query1.Close();
    // Appending to an empty list would choose its first entry: the choice stays as it was.
    combo->setCurrentIndex(wybrany);
}

TKryteriaSzukania TfSzukaj::Kryteria() const {
    return {ui->eTytul->text(), Wybor(ui->cbRezyser), Wybor(ui->cbAktor), Wybor(ui->cbGatunek),
            Wybor(ui->cbNosnik)};
}

void TfSzukaj::bSzukajClick() {
    const QString sql = ZapytanieSzukania(Kryteria());
    OtworzSQL(Query1, sql);
    if (!Query1.Active()) return;  // the store's error has been shown
    const bool brak = Query1.Eof();
    Query1.Close();
    if (brak) {
        Informacja(QStringLiteral("Nie znaleziono filmów spełniających wskazane kryteria."));
        ui->cbRezyser->setFocus();
        return;
    }
    {
        TfFilmy lista(this);
        lista.UstawZapytanie(sql);
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
