#include "app/uMain.h"

#include <QCloseEvent>
#include <QCollator>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLockFile>
#include <QTimer>

#include "app/ListaWyboru.h"
#include "app/uAbout.h"
#include "app/uMainLista.h"
#include "app/uWitamy.h"
#include "clients/OdczytPulpitu.h"
#include "clients/ZapisKlienta.h"
#include "clients/uKlienci.h"
#include "clients/uKlienciArchiwum.h"
#include "clients/uKlient.h"
#include "clients/uZaleglosci.h"
#include "films/ZapisFilmu.h"
#include "films/uFilm.h"
#include "films/uFilmy.h"
#include "films/uSzukaj.h"
#include "money/OdczytPulpitu.h"
#include "reports/uAbonenci.h"
#include "reports/uArchiwum.h"
#include "reports/uFilmyWyp.h"
#include "reports/uRapArchiwum.h"
#include "reports/uRaporty.h"
#include "settings/uConfig.h"
#include "store/Baza.h"
#include "store/Dziennik.h"
#include "store/Formaty.h"
#include "store/Godzina.h"
#include "store/Interakcja.h"
#include "store/KatalogDanych.h"
#include "store/StanBazy.h"
#include "store/Tlumacz.h"
#include "store/uStruktura.h"
#include "ui_uMain.h"
#include "widgets/uDialog.h"

TfMain* fMain = nullptr;

namespace {

// The panels are laid out for this width; controls right of the pick lists keep
// their distance from the right edge.
constexpr int SzerokoscProjektu = 820;

// Sorts a pick list by the user's language, keeping the selected entry selected. The
// entries are compared by their collation keys and put back in one call.
void PosortujListe(QComboBox* lista) {
    const QString wybrany = lista->currentIndex() >= 0 ? lista->currentText() : QString();
    const bool bylWybrany = lista->currentIndex() >= 0;
    const QCollator porzadek{QLocale(QLocale::Polish, QLocale::Poland)};
    std::vector<std::pair<QCollatorSortKey, QString>> wpisy;
    wpisy.reserve(static_cast<size_t>(lista->count()));
    for (int i = 0; i < lista->count(); ++i) {
        const QString tekst = lista->itemText(i);
        wpisy.emplace_back(porzadek.sortKey(tekst), tekst);
    }
    std::stable_sort(wpisy.begin(), wpisy.end(),
                     [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
    QStringList posortowane;
    posortowane.reserve(static_cast<qsizetype>(wpisy.size()));
    for (auto& w : wpisy) posortowane << std::move(w.second);
    const QSignalBlocker blokada(lista);
    UstawWpisy(lista, std::move(posortowane));
    lista->setCurrentIndex(bylWybrany ? ZnajdzWpis(lista, wybrany) : -1);
}

// The shell's "open"; the help file is shown by whatever the system associates with it.
void OtworzWSystemie(const QUrl& adres) {
    QDesktopServices::openUrl(adres);
}

bool JestEnter(QEvent* zdarzenie) {
    if (zdarzenie->type() != QEvent::KeyPress) return false;
    const int klawisz = static_cast<QKeyEvent*>(zdarzenie)->key();
    return klawisz == Qt::Key_Return || klawisz == Qt::Key_Enter;
}

}  // namespace

std::array<int, 6> SzerokosciKolumn(int w) {
    const int q = w / 4;
    return {w - 2 * q + 35, q - 20, q - 20, 0, 0, 0};
}

TfMain::TfMain(QWidget* parent)
    : QMainWindow(parent),
      PlikBlokady(QDir(QDir::tempPath()).filePath(TytulAplikacji + QStringLiteral("2"))),
      PlikKonfiguracjiBDE(DomyslnyPlikKonfiguracjiBDE()),
      Srodowisko(TSrodowiskoStartu::Systemowe()),
      KatalogWspolnyProgramu(KatalogWspolny(QCoreApplication::applicationDirPath())),
      OtworzDokument(OtworzWSystemie),
      ui(std::make_unique<Ui::TfMain>()) {
    ui->setupUi(this);
    for (QComboBox* lista : {ui->cbKlient, ui->cbTytulOrg, ui->cbTytulPol}) UstawModelWyboru(lista);
    setObjectName(QStringLiteral("TfMain"));
    setWindowTitle(TytulAplikacji);
    resize(828, 596);

    // The hidden menu carries the button bar's keys: its items act on the whole window.
    addActions(ui->menuWypozyczanie->actions());
    // The list's pop-up item works while the list has the focus.
    ui->sgWypozyczenie->addAction(ui->miDelete);
    ui->miDelete->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(ui->sgWypozyczenie, &QWidget::customContextMenuRequested, this,
            &TfMain::sgWypozyczenieContextPopup);

    const int kolumny[] = {344, 107, 108, 3, 3, 64};
    for (int i = 0; i < 6; ++i) ui->sgWypozyczenie->setColumnWidth(i, kolumny[i]);

    for (QWidget* pole :
         {static_cast<QWidget*>(ui->cbKlient), static_cast<QWidget*>(ui->eKlientNr),
          static_cast<QWidget*>(ui->cbTytulOrg), static_cast<QWidget*>(ui->cbTytulPol),
          static_cast<QWidget*>(ui->eFilmNr), static_cast<QWidget*>(ui->eIleDni),
          static_cast<QWidget*>(ui->eWplata), static_cast<QWidget*>(ui->sgWypozyczenie)})
        pole->installEventFilter(this);
    for (QWidget* panel : {ui->pKlient, ui->pFilm, ui->pLista, ui->pPrzyciski})
        panel->installEventFilter(this);
    for (QWidget* k :
         {static_cast<QWidget*>(ui->lKlientNr), static_cast<QWidget*>(ui->eKlientNr),
          static_cast<QWidget*>(ui->bKlientDane), static_cast<QWidget*>(ui->bKlientKonto),
          static_cast<QWidget*>(ui->lFilmNr), static_cast<QWidget*>(ui->eFilmNr),
          static_cast<QWidget*>(ui->lCena), static_cast<QWidget*>(ui->eCena),
          static_cast<QWidget*>(ui->bFilmDane), static_cast<QWidget*>(ui->bFilmKonto),
          static_cast<QWidget*>(ui->bNastepny), static_cast<QWidget*>(ui->bUsun),
          static_cast<QWidget*>(ui->lIleDni), static_cast<QWidget*>(ui->eIleDni),
          static_cast<QWidget*>(ui->lWplata), static_cast<QWidget*>(ui->eWplata)})
        kotwice.insert(k, SzerokoscProjektu - k->x());

    // Menu items.
    connect(ui->miKlientNowy, &QAction::triggered, this, &TfMain::miKlientNowyClick);
    connect(ui->miKlientEdytuj, &QAction::triggered, this, &TfMain::bKlientDaneClick);
    connect(ui->miKlientUsun, &QAction::triggered, this, &TfMain::miKlientUsunClick);
    connect(ui->miZaleglosci, &QAction::triggered, this, &TfMain::miZaleglosciClick);
    connect(ui->miKlienci, &QAction::triggered, this, &TfMain::miKlienciClick);
    connect(ui->miArchiwumK, &QAction::triggered, this, &TfMain::miArchiwumKClick);
    connect(ui->miFilmNowy, &QAction::triggered, this, &TfMain::miFilmNowyClick);
    connect(ui->miFilmEdytuj, &QAction::triggered, this, &TfMain::bFilmDaneClick);
    connect(ui->miFilmUsun, &QAction::triggered, this, &TfMain::miFilmUsunClick);
    connect(ui->miFilmSzukaj, &QAction::triggered, this, &TfMain::miFilmSzukajClick);
    connect(ui->miFilmy, &QAction::triggered, this, &TfMain::miFilmyClick);
    connect(ui->miRaportKlient, &QAction::triggered, this, &TfMain::miRaportKlientClick);
    connect(ui->miRaportFilm, &QAction::triggered, this, &TfMain::miRaportFilmClick);
    connect(ui->miRapFilmyWyp, &QAction::triggered, this, &TfMain::miRapFilmyWypClick);
    connect(ui->miRapFilmyWyp2, &QAction::triggered, this, &TfMain::miRapFilmyWyp2Click);
    connect(ui->miRapAbonenci, &QAction::triggered, this, &TfMain::miRapAbonenciClick);
    connect(ui->miRaportOkresowy, &QAction::triggered, this, [] { RaportOkresowy(); });
    connect(ui->miRaportKasowy, &QAction::triggered, this, [] { RaportKasowy(); });
    // Both rankings share one handler, which tells them apart by the item's name.
    for (QAction* pozycja : {ui->miRapRentownoscF, ui->miRapRentownoscK})
        connect(pozycja, &QAction::triggered, this,
                [pozycja] { RaportRentownosci(pozycja->objectName()); });
    connect(ui->miUstawienia, &QAction::triggered, this, &TfMain::miUstawieniaClick);
    connect(ui->miPomoc, &QAction::triggered, this, &TfMain::miPomocClick);
    connect(ui->Ofirmie1, &QAction::triggered, this, &TfMain::Ofirmie1Click);
    connect(ui->miKoniec, &QAction::triggered, this, &QWidget::close);
    connect(ui->miWypozycz, &QAction::triggered, this, &TfMain::bWypozyczClick);
    connect(ui->miZwrot, &QAction::triggered, this, &TfMain::bZwrotClick);
    connect(ui->miCofnij, &QAction::triggered, this, &TfMain::bCofnijClick);
    connect(ui->miPrzedluzenie, &QAction::triggered, this, &TfMain::bPrzedluzenieClick);
    connect(ui->miNastepny, &QAction::triggered, this, &TfMain::bNastepnyClick);
    connect(ui->miDelete, &QAction::triggered, this, &TfMain::miDeleteClick);
    connect(ui->miPotwierdzenie, &QAction::triggered, this, &TfMain::miPotwierdzenieClick);
    connect(ui->miKartaKlienta, &QAction::triggered, this, &TfMain::miKartaKlientaClick);
    connect(ui->miEtykiety, &QAction::triggered, this, &TfMain::miEtykietyClick);
    connect(ui->miDaneWypozyczalni, &QAction::triggered, this, &TfMain::miDaneWypozyczalniClick);

    // Buttons.
    connect(ui->bKlientDane, &QPushButton::clicked, this, &TfMain::bKlientDaneClick);
    connect(ui->bKlientKonto, &QPushButton::clicked, this, &TfMain::miRaportKlientClick);
    connect(ui->bFilmDane, &QPushButton::clicked, this, &TfMain::bFilmDaneClick);
    connect(ui->bFilmKonto, &QPushButton::clicked, this, &TfMain::miRaportFilmClick);
    connect(ui->bNastepny, &QPushButton::clicked, this, &TfMain::bNastepnyClick);
    connect(ui->bUsun, &QPushButton::clicked, this, &TfMain::miDeleteClick);
    connect(ui->bWypozycz, &QPushButton::clicked, this, &TfMain::bWypozyczClick);
    connect(ui->bZwrot, &QPushButton::clicked, this, &TfMain::bZwrotClick);
    connect(ui->bCofnij, &QPushButton::clicked, this, &TfMain::bCofnijClick);
    connect(ui->bPrzedluzenie, &QPushButton::clicked, this, &TfMain::bPrzedluzenieClick);
    connect(ui->bKoniec, &QPushButton::clicked, this, &QWidget::close);

    // Pick lists: only the operator's choice runs the handlers.
    connect(ui->cbKlient, &QComboBox::activated, this, &TfMain::cbKlientChange);
    connect(ui->cbTytulOrg, &QComboBox::activated, this,
            [this] { cbTytulOrgChange(ui->cbTytulOrg); });
    connect(ui->cbTytulPol, &QComboBox::activated, this,
            [this] { cbTytulOrgChange(ui->cbTytulPol); });

    PolaczPanele();
    PolaczNarzedzia();
}

TfMain::~TfMain() = default;

bool TfMain::Start() {
    // 1. The caption.
    setWindowTitle(TytulAplikacji);

    // 2. One running copy only. The lock dies with its process, so a crashed copy
    // never blocks the next start; a live copy's lock never goes stale by age.
    blokada = std::make_unique<QLockFile>(PlikBlokady);
    blokada->setStaleLockTime(0);
    if (!blokada->tryLock(0)) {
        blokada.reset();
        Uwaga(QStringLiteral("Program jest już uruchomiony."));
        return false;
    }

    // 3. The splash; it closes itself.
    if (fWitamy) {
        fWitamy->show();
        fWitamy->repaint();
    }

    // 4. The engine.
    if (!SprawdzBDE(Srodowisko)) return false;

    // 5. No film shown.
    IdFilmu = 0;

    // 6. The alias and the tables' folder. A fresh installation gets its folder: beside a
    // portable program, in the user's data folder for an installed one.
    const QString katalog = KatalogStartowy.isEmpty()
                                ? KatalogDanych(QCoreApplication::applicationDirPath())
                                : DodajUkosnik(KatalogStartowy);
    QDir().mkpath(katalog + QStringLiteral("Bazy"));
    {
        TSesjaBDE sesja(PlikKonfiguracjiBDE);
        if (!SprawdzAlias(sesja, katalog, KatalogBazy)) return false;
    }
    // The error log beside the store opens with this start; a start without an end after it
    // tells of a program that did not end cleanly.
    ZapiszWDzienniku(WpisStartu, QStringLiteral("Uruchomienie programu %1 %2")
                                     .arg(TytulAplikacji, QCoreApplication::applicationVersion())
                                     .trimmed());
    if (fWitamy && fWitamy->isVisible()) fWitamy->repaint();

    // 7. The program's folder.
    KatalogProgramu = katalog;

    // 8. The store and its upgrade. A store that cannot be used is told in Polish; a
    // damaged one ends the start unless a copy offered is taken.
    if (!PolaczNaStarcie(KatalogBazy, OfertaKopii)) return false;
    AktualizujStrukture();

    // 9. The settings.
    if (fConfig) fConfig->WczytajUstawienia();
    UstawCene();

    // 10. The pick lists.
    WczytajKlientow();
    WczytajTytuly();

    // 11. Nothing chosen.
    UstawTrybPusty();

    // 12. The window; the splash stays in front of it while it lasts.
    showMaximized();
    if (fWitamy && fWitamy->isVisible()) fWitamy->raise();

    // 13. The towns of the client dialog.
    if (fKlient && fKlient->cbMiejscowosc)
        WczytajComboBox(KatalogProgramu + QStringLiteral("Config/miasta.wdn"),
                        fKlient->cbMiejscowosc);

    // 14. Ready for the first client.
    ui->cbKlient->setFocus();

    // The first start of the day copies the store once the desk is up, in the background.
    QTimer::singleShot(0, this, [this] {
        if (TBaza::Aktywna()) KopieAutomatyczne.PrzyStarcie(KatalogBazy, Chwila());
    });
    return true;
}

void TfMain::AktualizujStrukture() {
    ::AktualizujStrukture(Query1);
}

void TfMain::UstawCene() {
    const bool zmiana = UstawieniaProgramu().ZmianaStawki;
    ui->eCena->setEnabled(zmiana);
    ui->eCena->setFocusPolicy(zmiana ? Qt::StrongFocus : Qt::NoFocus);
}

void TfMain::UstawTrybPusty() {
    for (QWidget* w :
         {static_cast<QWidget*>(ui->bUsun), static_cast<QWidget*>(ui->bWypozycz),
          static_cast<QWidget*>(ui->bZwrot), static_cast<QWidget*>(ui->bCofnij),
          static_cast<QWidget*>(ui->bPrzedluzenie), static_cast<QWidget*>(ui->bKlientKonto),
          static_cast<QWidget*>(ui->bFilmKonto)})
        w->setEnabled(false);
    for (QAction* a : {ui->miDelete, ui->miWypozycz, ui->miZwrot, ui->miCofnij, ui->miPrzedluzenie,
                       ui->miFilmEdytuj, ui->miFilmUsun, ui->miKlientEdytuj, ui->miKlientUsun,
                       ui->miZaleglosci, ui->miRaportFilm, ui->miRaportKlient, ui->miKartaKlienta})
        a->setEnabled(false);
    ui->eWplata->setEnabled(true);
    ui->eWplata->clear();
}

// ---------------------------------------------------------------- pick lists

void TfMain::WczytajKlientow() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool bylWybrany = ui->cbKlient->currentIndex() >= 0;
    bool odPoczatku = ui->cbKlient->count() == 0;
    {
        const QSignalBlocker blokadaListy(ui->cbKlient);
        const std::optional<QStringList> wpisy = NazwyKlientow(Query1);
        odPoczatku = odPoczatku && wpisy;
        DodajWpisy(ui->cbKlient, wpisy.value_or(QStringList()));
        if (!bylWybrany) ui->cbKlient->setCurrentIndex(-1);
    }
    PosortujListe(ui->cbKlient);
    stanKlientow = odPoczatku ? TStanListy{TBaza::Znacznik(), ui->cbKlient->count()} : TStanListy{};
    ui->bKlientDane->setEnabled(false);
    ui->miZaleglosci->setEnabled(false);
    QGuiApplication::restoreOverrideCursor();
}

void TfMain::WczytajTytuly() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool bylWybrany = ui->cbTytulOrg->currentIndex() >= 0;
    bool odPoczatku = ui->cbTytulOrg->count() == 0 && ui->cbTytulPol->count() == 0;
    {
        const QSignalBlocker b1(ui->cbTytulOrg), b2(ui->cbTytulPol);
        const std::optional<TTytulyFilmow> tytuly = TytulyFilmow(Query1);
        odPoczatku = odPoczatku && tytuly;
        DodajWpisy(ui->cbTytulOrg, tytuly ? tytuly->Oryginalne : QStringList());
        DodajWpisy(ui->cbTytulPol, tytuly ? tytuly->Polskie : QStringList());
        if (!bylWybrany) {
            ui->cbTytulOrg->setCurrentIndex(-1);
            ui->cbTytulPol->setCurrentIndex(-1);
        }
    }
    stanTytulow =
        odPoczatku ? TStanListy{TBaza::Znacznik(), ui->cbTytulOrg->count()} : TStanListy{};
    ui->bFilmDane->setEnabled(false);
    ui->bFilmKonto->setEnabled(false);
    ui->bNastepny->setEnabled(false);
    ui->miNastepny->setEnabled(false);
    QGuiApplication::restoreOverrideCursor();
}

bool TfMain::ListaAktualna(const TStanListy& stan, const QComboBox* lista) {
    return stan.znacznik.polaczenie != 0 && lista->count() == stan.wpisow &&
           stan.znacznik == TBaza::Znacznik();
}

void TfMain::OdswiezKlientow() {
    if (!ListaAktualna(stanKlientow, ui->cbKlient)) {
        ui->cbKlient->clear();
        ui->eKlientNr->clear();
        WczytajKlientow();
        return;
    }
    ui->cbKlient->setCurrentIndex(-1);
    ui->eKlientNr->clear();
    ui->bKlientDane->setEnabled(false);
    ui->miZaleglosci->setEnabled(false);
}

void TfMain::OdswiezTytuly() {
    const bool aktualna =
        ListaAktualna(stanTytulow, ui->cbTytulOrg) && ui->cbTytulPol->count() == stanTytulow.wpisow;
    for (QComboBox* lista : {ui->cbTytulOrg, ui->cbTytulPol}) {
        if (aktualna)
            lista->setCurrentIndex(-1);
        else
            lista->clear();
    }
    ui->eFilmNr->clear();
    ui->eCena->clear();
    repaint();
    if (!aktualna) {
        WczytajTytuly();
        return;
    }
    ui->bFilmDane->setEnabled(false);
    ui->bFilmKonto->setEnabled(false);
    ui->bNastepny->setEnabled(false);
    ui->miNastepny->setEnabled(false);
}

// ---------------------------------------------------------------- client panel

void TfMain::WlaczKlienta(bool wlacz) {
    ui->bKlientDane->setEnabled(wlacz);
    ui->bKlientKonto->setEnabled(wlacz);
    for (QAction* a : {ui->miKlientEdytuj, ui->miKlientUsun, ui->miRaportKlient, ui->miZaleglosci,
                       ui->miKartaKlienta})
        a->setEnabled(wlacz);
}

void TfMain::UstawWlaczWYlaczKLIENTA() {
    WlaczKlienta(!ui->cbKlient->currentText().isEmpty());
}

// ---------------------------------------------------------------- film panel

int TfMain::IdFilmuONumerze(const QString& numer) {
    // Only a whole number reaches the statement.
    const auto n = CalkowitaZEkranu(numer);
    if (!n) return 0;
    return ::IdFilmuONumerze(Query1, *n, false).value_or(0);
}

// ---------------------------------------------------------------- list and operations

void TfMain::sgWypozyczenieContextPopup(const QPoint& punkt) {
    ui->pmWypozyczenie->popup(ui->sgWypozyczenie->viewport()->mapToGlobal(punkt));
}

// ---------------------------------------------------------------- menu "Klient"

void TfMain::miKlientNowyClick() {
    if (!fKlient) return;
    fKlient->UstawKlienta(0);
    if (PokazModalnie(*fKlient) != QDialog::Accepted) return;
    const QString nazwa = fKlient->NazwaKlienta();
    if (nazwa.isEmpty()) return;
    {
        const QSignalBlocker blokadaListy(ui->cbKlient);
        ui->cbKlient->addItem(nazwa);
        PosortujListe(ui->cbKlient);
        ui->cbKlient->setCurrentIndex(ZnajdzWpis(ui->cbKlient, nazwa));
    }
    cbKlientChange();
}

void TfMain::bKlientDaneClick() {
    if (!fKlient || ui->cbKlient->currentIndex() < 0) return;
    fKlient->UstawKlienta(IdKlienta);
    if (PokazModalnie(*fKlient) != QDialog::Accepted) return;
    if (!fKlient->NazwaKlienta().isEmpty()) {
        const QSignalBlocker blokadaListy(ui->cbKlient);
        ui->cbKlient->setItemText(ui->cbKlient->currentIndex(), fKlient->NazwaKlienta());
    }
    ui->eKlientNr->setText(Numer4(fKlient->Numer()));
    WczytajKLIENTA();
}

void TfMain::miKlientUsunClick() {
    if (!Pytanie(QStringLiteral("Czy na pewno usunąć wskazanego klienta?"), false)) return;
    // A second row with a number: films are listed (open rentals or a basket).
    const QTableWidgetItem* drugi = ui->sgWypozyczenie->item(1, 1);
    if (drugi && !drugi->text().isEmpty()) {
        Uwaga(
            QStringLiteral("Nie można usunąć klienta.\nKlient musi najpier dokonać zwrotu "
                           "wypożyczenia."));
        return;
    }
    const std::optional<bool> zalegle = KlientMaNaleznosci(Query1, IdKlienta);
    if (!zalegle) return;
    if (*zalegle) {
        Uwaga(
            QStringLiteral("Nie można usunąć klienta.\nKlient musi najpier uregulować zaległe "
                           "należności."));
        return;
    }
    {
        const QSignalBlocker blokadaListy(ui->cbKlient);
        if (ui->cbKlient->currentIndex() >= 0)
            ui->cbKlient->removeItem(ui->cbKlient->currentIndex());
        ui->cbKlient->setCurrentIndex(-1);
    }
    ui->eKlientNr->clear();
    ui->eUpowazniony->clear();
    ui->eAbonamentOD->clear();
    ui->eAbonamentDO->clear();
    ui->eSaldo->clear();
    ui->cbAbonament->setChecked(false);
    ArchiwizujKlienta(Query1, IdKlienta);
    UstawWlaczWYlaczKLIENTA();
}

void TfMain::miZaleglosciClick() {
    const std::optional<bool> zalegle = KlientMaZaleglosci(Query1, IdKlienta);
    if (!zalegle) return;  // the store's error has been shown
    if (!*zalegle) {
        Informacja(QStringLiteral("Wszystkie należności zostały uregulowane."));
        return;
    }
    if (!fZaleglosci) return;
    fZaleglosci->UstawKlienta(IdKlienta);
    if (PokazModalnie(*fZaleglosci) == QDialog::Accepted) WczytajKLIENTA();
}

void TfMain::miKlienciClick() {
    if (fKlienci) PokazModalnie(*fKlienci);
    OdswiezKlientow();
}

void TfMain::miArchiwumKClick() {
    {
        TfKlienciArchiwum okno(this);
        PokazModalnie(okno);
    }
    ui->cbKlient->clear();
    ui->eKlientNr->clear();
    WczytajKlientow();
}

// ---------------------------------------------------------------- menu "Film"

void TfMain::miFilmNowyClick() {
    if (!fFilm) return;
    fFilm->UstawFilm(0);
    if (PokazModalnie(*fFilm) != QDialog::Accepted || fFilm->NowyTytulOrg().isEmpty()) return;
    {
        const QSignalBlocker b1(ui->cbTytulOrg), b2(ui->cbTytulPol);
        ui->cbTytulOrg->addItem(fFilm->NowyTytulOrg());
        ui->cbTytulPol->addItem(fFilm->NowyTytulPol());
        ui->cbTytulOrg->setCurrentIndex(ui->cbTytulOrg->count() - 1);
    }
    cbTytulOrgChange(ui->cbTytulOrg);
}

void TfMain::bFilmDaneClick() {
    if (!fFilm || ui->eFilmNr->text().isEmpty()) return;
    const int id = IdFilmuONumerze(ui->eFilmNr->text());
    if (id == 0) {
        Uwaga(QStringLiteral("Nie znaleziono filmu o podanym numerze."));
        return;
    }
    fFilm->UstawFilm(id);
    if (PokazModalnie(*fFilm) == QDialog::Accepted && !fFilm->NowyTytulOrg().isEmpty()) {
        const int i = ui->cbTytulOrg->currentIndex();
        if (i >= 0) {
            const QSignalBlocker b1(ui->cbTytulOrg), b2(ui->cbTytulPol);
            ui->cbTytulOrg->setItemText(i, fFilm->NowyTytulOrg());
            if (i < ui->cbTytulPol->count()) ui->cbTytulPol->setItemText(i, fFilm->NowyTytulPol());
            ui->cbTytulOrg->setCurrentIndex(i);
            ui->cbTytulPol->setCurrentIndex(i);
        }
    }
    ui->eFilmNr->setText(Numer4(fFilm->Numer()));
}

void TfMain::miFilmUsunClick() {
    if (ui->eFilmNr->text().isEmpty()) return;
    if (Pytanie(QStringLiteral("Czy na pewno usunąć wskazany film?"), false)) {
        const int id = IdFilmuONumerze(ui->eFilmNr->text());
        if (id != 0) WycofajFilmZBazy(Query1, id);
    }
    ui->eFilmNr->clear();
    ui->eCena->clear();
    ui->cbTytulOrg->clear();
    ui->cbTytulPol->clear();
    WczytajTytuly();
}

void TfMain::miFilmSzukajClick() {
    if (fSzukaj) PokazModalnie(*fSzukaj);
}

void TfMain::miFilmyClick() {
    {
        TfFilmy okno(this);
        PolaczArchiwum(okno);
        PokazModalnie(okno);
    }
    OdswiezTytuly();
}

// ---------------------------------------------------------------- menu "Raport"

void TfMain::miRaportKlientClick() {
    if (!fArchiwum || ui->cbKlient->currentIndex() < 0) return;
    fArchiwum->UstawArchiwum(1, IdKlienta);
    PokazModalnie(*fArchiwum);
}

void TfMain::miRaportFilmClick() {
    if (!fArchiwum || ui->eFilmNr->text().isEmpty()) return;
    fArchiwum->UstawArchiwum(2, IdFilmuONumerze(ui->eFilmNr->text()));
    PokazModalnie(*fArchiwum);
}

void TfMain::miRapFilmyWypClick() {
    if (!fFilmyWyp) return;
    fFilmyWyp->WczytajWypozyczone(0);
    PokazModalnie(*fFilmyWyp);
}

void TfMain::miRapFilmyWyp2Click() {
    if (!fFilmyWyp) return;
    fFilmyWyp->WczytajWypozyczone(1);
    PokazModalnie(*fFilmyWyp);
}

void TfMain::miRapAbonenciClick() {
    if (fAbonenci) PokazModalnie(*fAbonenci);
}

// ---------------------------------------------------------------- the other items

void TfMain::miUstawieniaClick() {
    if (!fConfig) return;
    fConfig->FormShow();
    PokazModalnie(*fConfig);
    // Whatever the dialog's result, the desk follows the stored settings.
    fConfig->WczytajUstawienia();
    UstawCene();
}

void TfMain::miPomocClick() {
    // pomoc.chm when it is there, else the operator's guide.
    const QString plik = PlikPomocy(KatalogProgramu, KatalogWspolnyProgramu);
    if (plik.isEmpty()) {
        Informacja(QStringLiteral("Brak pliku: \"") + DodajUkosnik(KatalogProgramu) +
                   QStringLiteral("pomoc.chm\"."));
        return;
    }
    OtworzDokument(QUrl::fromLocalFile(plik));
}

void TfMain::Ofirmie1Click() {
    if (fAbout) PokazModalnie(*fAbout);
}

void TfMain::closeEvent(QCloseEvent* zdarzenie) {
    if (!Pytanie(QStringLiteral("Czy zakończyć pracę programu?"), false)) {
        zdarzenie->ignore();
        return;
    }
    // A failing copy is reported and the program closes all the same.
    if (TBaza::Aktywna()) KopieAutomatyczne.PrzyZamknieciu(KatalogBazy, Chwila());
    blokada.reset();
    zdarzenie->accept();
}

// ---------------------------------------------------------------- keys and sizes

bool TfMain::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (zdarzenie->type() == QEvent::Resize) {
        if (auto* panel = qobject_cast<QWidget*>(obiekt);
            panel == ui->pKlient || panel == ui->pFilm || panel == ui->pLista ||
            panel == ui->pPrzyciski)
            UlozPanel(panel);
        return QMainWindow::eventFilter(obiekt, zdarzenie);
    }
    if (zdarzenie->type() == QEvent::FocusIn &&
        (obiekt == ui->eKlientNr || obiekt == ui->eFilmNr)) {
        // A number field entered in any way, a click included, has its text selected once
        // the entering event is over, so that a number never joins the one already there.
        QMetaObject::invokeMethod(obiekt, "selectAll", Qt::QueuedConnection);
        return QMainWindow::eventFilter(obiekt, zdarzenie);
    }
    if (!JestEnter(zdarzenie)) return QMainWindow::eventFilter(obiekt, zdarzenie);
    if (obiekt == ui->cbKlient) {
        WczytajKLIENTA();
    } else if (obiekt == ui->eKlientNr) {
        // A client found: the films' numbers come next; otherwise the number is scanned again.
        ZaznaczPole(WczytajKLIENTA() ? ui->eFilmNr : ui->eKlientNr);
    } else if (obiekt == ui->cbTytulOrg) {
        ui->cbTytulPol->setFocus();
    } else if (obiekt == ui->cbTytulPol) {
        WczytajFILM();
    } else if (obiekt == ui->eFilmNr) {
        WczytajFILM();
        ZaznaczPole(ui->eFilmNr);
    } else if (obiekt == ui->eIleDni) {
        if (ui->eWplata->isEnabled())
            ui->eWplata->setFocus();
        else
            ui->sgWypozyczenie->setFocus();
    } else if (obiekt == ui->eWplata) {
        ui->sgWypozyczenie->setFocus();
    } else if (obiekt == ui->sgWypozyczenie) {
        ui->cbKlient->setFocus();
    } else {
        return QMainWindow::eventFilter(obiekt, zdarzenie);
    }
    return true;
}

void TfMain::ZaznaczPole(QLineEdit* pole) {
    pole->setFocus();
    pole->selectAll();
}

void TfMain::UlozPanel(QWidget* panel) {
    const int w = panel->width();
    // Controls to the right of the pick lists keep their distance from the right edge.
    const auto doPrawej = [this, w](QWidget* k) { k->move(w - kotwice.value(k), k->y()); };
    const int listy = w - 475;
    if (panel == ui->pKlient) {
        ui->cbKlient->resize(listy, ui->cbKlient->height());
        ui->eUpowazniony->resize(listy, ui->eUpowazniony->height());
        for (QWidget* k :
             {static_cast<QWidget*>(ui->lKlientNr), static_cast<QWidget*>(ui->eKlientNr),
              static_cast<QWidget*>(ui->bKlientDane), static_cast<QWidget*>(ui->bKlientKonto)})
            doPrawej(k);
        ui->pAbonament->resize(w - 16, ui->pAbonament->height());
    } else if (panel == ui->pFilm) {
        ui->cbTytulOrg->resize(listy, ui->cbTytulOrg->height());
        ui->cbTytulPol->resize(listy, ui->cbTytulPol->height());
        for (QWidget* k :
             {static_cast<QWidget*>(ui->lFilmNr), static_cast<QWidget*>(ui->eFilmNr),
              static_cast<QWidget*>(ui->lCena), static_cast<QWidget*>(ui->eCena),
              static_cast<QWidget*>(ui->bFilmDane), static_cast<QWidget*>(ui->bFilmKonto),
              static_cast<QWidget*>(ui->bNastepny)})
            doPrawej(k);
    } else if (panel == ui->pLista) {
        const int szerokosc = w - 243;
        ui->sgWypozyczenie->resize(szerokosc, panel->height() - 39);
        const auto kolumny = SzerokosciKolumn(szerokosc);
        for (int i = 0; i < 6; ++i) {
            const int k = kolumny[static_cast<size_t>(i)];
            ui->sgWypozyczenie->setColumnHidden(i, k <= 0);
            if (k > 0) ui->sgWypozyczenie->setColumnWidth(i, k);
        }
        for (QWidget* k : {static_cast<QWidget*>(ui->bUsun), static_cast<QWidget*>(ui->lIleDni),
                           static_cast<QWidget*>(ui->eIleDni), static_cast<QWidget*>(ui->lWplata),
                           static_cast<QWidget*>(ui->eWplata)})
            doPrawej(k);
    } else if (panel == ui->pPrzyciski) {
        ui->bKoniec->move(w - ui->bKoniec->width() - 13, ui->bKoniec->y());
    }
}
