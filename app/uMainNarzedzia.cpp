// The desk's "Narzędzia" menu: copies, restore, the store check and the import.
#include <QDir>
#include <QGuiApplication>
#include <QTableWidget>

#include "admin/Kopie.h"
#include "admin/KopieAutomatyczne.h"
#include "admin/Narzedzia.h"
#include "admin/uImportParadox.h"
#include "app/uMain.h"
#include "app/uMainLista.h"
#include "films/uFilm.h"
#include "settings/uConfig.h"
#include "store/Godzina.h"
#include "store/Interakcja.h"
#include "ui_uMain.h"

void TfMain::PolaczNarzedzia() {
    connect(ui->miKopiaZapasowa, &QAction::triggered, this, &TfMain::miKopiaZapasowaClick);
    connect(ui->miPrzywroc, &QAction::triggered, this, &TfMain::miPrzywrocClick);
    connect(ui->miSprawdzBaze, &QAction::triggered, this, &TfMain::miSprawdzBazeClick);
    connect(ui->miImportParadox, &QAction::triggered, this, &TfMain::miImportParadoxClick);
    connect(ui->miDanePrzykladowe, &QAction::triggered, this, &TfMain::miDanePrzykladoweClick);

    // A store that cannot be opened at start: the newest sound automatic copy is offered.
    OfertaKopii.najnowsza = [](const QString& katalogBazy) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        const QString kopia = NajnowszaSprawnaKopiaAutomatyczna(katalogBazy);
        QGuiApplication::restoreOverrideCursor();
        return kopia;
    };
    OfertaKopii.chwila = ChwilaKopiiAutomatycznej;
    OfertaKopii.przywroc = [](const QString& kopia, const QString& katalogBazy) {
        QString zachowana;
        const QString blad = PrzywrocBaze(kopia, katalogBazy, Chwila(), &zachowana);
        if (blad.isEmpty())
            Informacja(
                QStringLiteral("Przywrócono bazę danych z kopii „%1”.\nPoprzedni plik bazy "
                               "zachowano jako „%2”.")
                    .arg(QDir::toNativeSeparators(kopia), QDir::toNativeSeparators(zachowana)));
        return blad;
    };
}

void TfMain::miKopiaZapasowaClick() {
    KopiaZapasowa(this);
}

void TfMain::miPrzywrocClick() {
    // The store file is replaced only when no copy reads it.
    ZaczekajNaKopie();
    if (PrzywrocZKopii(this)) PoPrzywroceniu();
}

void TfMain::miSprawdzBazeClick() {
    // Removing the objects the program did not make opens the store again.
    ZaczekajNaKopie();
    if (SprawdzBazeDanych(this)) PoPrzywroceniu();
}

// The import writes only into an empty store; the desk then reloads as after a restore.
void TfMain::miImportParadoxClick() {
    if (ImportParadox(this)) PoPrzywroceniu();
}

void TfMain::PoPrzywroceniu() {
    // A copy of an older shape gets the columns of this one.
    AktualizujStrukture();
    if (fConfig) fConfig->WczytajUstawienia();
    UstawCene();

    // Nothing of the replaced store stays on the desk.
    IdKlienta = 0;
    RabatKlienta = 0;
    LicznikAbKlienta = 0;
    SumaPlatnosci = 0;
    WplaconoWczesniej = 0;
    KoszykZmieniony = false;
    IdFilmu = 0;
    FilmNaPolce = false;
    WypozyczeniaNaLiscie.clear();
    for (QComboBox* lista : {ui->cbKlient, ui->cbTytulOrg, ui->cbTytulPol}) {
        const QSignalBlocker blokadaListy(lista);
        lista->clear();
    }
    for (QLineEdit* pole : {ui->eKlientNr, ui->eUpowazniony, ui->eAbonamentOD, ui->eAbonamentDO,
                            ui->eSaldo, ui->eFilmNr, ui->eCena})
        pole->clear();
    ui->cbAbonament->setChecked(false);
    QPalette p = ui->pKlient->palette();
    p.setColor(QPalette::Window, palette().color(QPalette::Button));
    ui->pKlient->setPalette(p);
    ui->lStatus->clear();
    UstawTloListy(ui->sgWypozyczenie, false);
    ui->sgWypozyczenie->clearContents();
    ui->sgWypozyczenie->setRowCount(1);
    ui->eIleDni->setText(QStringLiteral("1"));

    WczytajKlientow();
    WczytajTytuly();
    UstawTrybPusty();
    WlaczKlienta(false);
    ui->cbKlient->setFocus();
}
