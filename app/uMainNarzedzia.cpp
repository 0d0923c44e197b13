// The desk's "Narzędzia" menu: copies, restore, the store check, the choice of the store
// and the import.
#include <QDir>
#include <QGuiApplication>
#include <QTableWidget>

#include "admin/Kopie.h"
#include "admin/KopieAutomatyczne.h"
#include "admin/Narzedzia.h"
#include "admin/uBazaDanych.h"
#include "admin/uImportParadox.h"
#include "app/KoszykPulpitu.h"
#include "app/ListaWypozyczen.h"
#include "app/PanelFilmu.h"
#include "app/PanelKlienta.h"
#include "app/uMain.h"
#include "app/uMainLista.h"
#include "films/uFilm.h"
#include "settings/uConfig.h"
#include "store/Godzina.h"
#include "store/Interakcja.h"
#include "store/uStruktura.h"
#include "ui_uMain.h"

void TfMain::PolaczNarzedzia() {
    connect(ui->miKopiaZapasowa, &QAction::triggered, this, [this] {
        // The desk works on while the copy is made; the store is not replaced meanwhile.
        const QList<QAction*> wstrzymane{ui->miKopiaZapasowa, ui->miPrzywroc, ui->miSprawdzBaze,
                                         ui->miImportParadox, ui->miDanePrzykladowe};
        for (QAction* a : wstrzymane) a->setEnabled(false);
        kopiaZapasowa = std::stop_source();
        KopiaZapasowa(
            this,
            [this](int procent) {
                PokazPostepKopii(QStringLiteral("Kopia zapasowa bazy danych: %p%"), procent);
            },
            kopiaZapasowa.get_token());
        for (QAction* a : wstrzymane) a->setEnabled(true);
    });
    connect(ui->miPrzywroc, &QAction::triggered, this, [this] {
        // The store file is replaced only when no copy reads it.
        ZaczekajNaKopie();
        if (PrzywrocZKopii(this)) PoPrzywroceniu();
    });
    connect(ui->miSprawdzBaze, &QAction::triggered, this, [this] {
        // Removing the objects the program did not make opens the store again.
        ZaczekajNaKopie();
        if (SprawdzBazeDanych(this)) PoPrzywroceniu();
    });
    // The import writes only into an empty store; the desk then reloads as after a restore.
    connect(ui->miImportParadox, &QAction::triggered, this, [this] {
        if (ImportParadox(this)) PoPrzywroceniu();
    });
    connect(ui->miDanePrzykladowe, &QAction::triggered, this, &TfMain::miDanePrzykladoweClick);
    // Another store is connected by the next start, which checks and upgrades it as always.
    connect(ui->miBazaDanych, &QAction::triggered, this, [this] {
        TfBazaDanych okno(this);
        const bool zapisano = PokazModalnie(okno) == QDialog::Accepted;
        // Moved onto the server: the desk reloads from it as after a restore.
        if (okno.Przeniesiono()) {
            PoPrzywroceniu();
            return;
        }
        if (!zapisano || !okno.ZmienionaBaza() ||
            !qEnvironmentVariable("WIRDOLAN_BAZA").trimmed().isEmpty())
            return;
        if (Pytanie(QStringLiteral("Zapisano wybór bazy danych. Program połączy się z nią po "
                                   "ponownym uruchomieniu.\nCzy zakończyć program teraz?"),
                    false))
            close();
    });

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

void TfMain::PoPrzywroceniu() {
    // A copy of an older shape gets the columns of this one.
    ::AktualizujStrukture(Query1);
    WczytajUstawieniaSklepu();

    // Nothing of the replaced store stays on the desk.
    panelKlienta->Wyczysc();
    panelFilmu->Wyczysc(true);
    wypozyczenia->Wyczysc();
    PokazUwageKlienta(false);
    koszyk->Zmieniony = false;
    ui->sgWypozyczenie->clearContents();
    ui->sgWypozyczenie->setRowCount(1);
    ui->eIleDni->setText(QStringLiteral("1"));

    WczytajKlientow();
    WczytajTytuly();
    UstawTrybPusty();
    panelKlienta->WlaczKlienta(false);
    ui->cbKlient->setFocus();
}
