// The desk's "Narzędzia" -> "Dane przykładowe": the demo shop, written at the desk.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>

#include "admin/SklepPrzykladowy.h"
#include "app/KasaPulpitu.h"
#include "app/uMain.h"
#include "films/uDialog.h"
#include "ui_uMain.h"

void TfMain::PolaczDanePrzykladowe() {
    // The tools' menu, made here when the desk has none yet, before "Pomoc".
    auto* narzedzia = menuBar()->findChild<QMenu*>(QStringLiteral("miNarzedzia"));
    if (!narzedzia) {
        narzedzia = new QMenu(QStringLiteral("Narzędzia"), menuBar());
        narzedzia->setObjectName(QStringLiteral("miNarzedzia"));
        menuBar()->insertMenu(ui->miPomoc, narzedzia);
    }
    auto* dane = new QAction(QStringLiteral("Dane przykładowe"), this);
    dane->setObjectName(QStringLiteral("miDanePrzykladowe"));
    narzedzia->addAction(dane);
    connect(dane, &QAction::triggered, this, &TfMain::miDanePrzykladoweClick);
}

void TfMain::miDanePrzykladoweClick() {
    if (!BazaBezKlientowIFilmow()) {
        Uwaga(BazaNiePusta);
        return;
    }
    if (!Pytanie(PytanieODanePrzykladowe, true)) return;

    const QString listy = KatalogProgramu + QStringLiteral("Config/");
    const TPlanSklepu plan =
        PlanSklepu(Dzisiaj(), WczytajPlikListy(listy + QStringLiteral("miasta.wdn")),
                   WczytajPlikListy(listy + QStringLiteral("gatunek.wdn")),
                   WczytajPlikListy(listy + QStringLiteral("nosnik.wdn")));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    setUpdatesEnabled(false);
    TWynikSklepu wynik;
    {
        TKasaPulpitu kasa(*this);
        wynik = WypelnijSklep(plan, kasa);
    }
    // The desk starts from nothing chosen, with the new clients and titles in its lists.
    for (QComboBox* lista : {ui->cbKlient, ui->cbTytulOrg, ui->cbTytulPol}) {
        const QSignalBlocker blokadaListy(lista);
        lista->clear();
    }
    for (QLineEdit* pole : {ui->eKlientNr, ui->eUpowazniony, ui->eAbonamentOD, ui->eAbonamentDO,
                            ui->eSaldo, ui->eFilmNr, ui->eCena})
        pole->clear();
    ui->cbAbonament->setChecked(false);
    ui->lStatus->clear();
    ui->sgWypozyczenie->clearContents();
    ui->sgWypozyczenie->setRowCount(1);
    IdKlienta = 0;
    IdFilmu = 0;
    WczytajKlientow();
    WczytajTytuly();
    UstawTrybPusty();
    setUpdatesEnabled(true);
    QApplication::restoreOverrideCursor();

    if (wynik.Blad.isEmpty())
        Informacja(OpisWyniku(wynik));
    else
        BladOgolny(QStringLiteral("Nie wczytano wszystkich danych przykładowych.\n") + wynik.Blad);
}
