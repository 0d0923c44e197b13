#include "app/uMain.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLockFile>
#include <QProgressBar>
#include <QStatusBar>
#include <QTimer>

#include "admin/SklepPrzykladowy.h"
#include "admin/uDaneWypozyczalni.h"
#include "app/KoszykPulpitu.h"
#include "app/ListaWypozyczen.h"
#include "app/PanelFilmu.h"
#include "app/PanelKlienta.h"
#include "app/StanKlienta.h"
#include "app/ZmianyKlienta.h"
#include "app/uAbout.h"
#include "app/uMainLista.h"
#include "app/uWitamy.h"
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
#include "reports/uEtykiety.h"
#include "reports/uFilmyWyp.h"
#include "reports/uRapArchiwum.h"
#include "reports/uRaporty.h"
#include "settings/uConfig.h"
#include "settings/uZasady.h"
#include "store/Baza.h"
#include "store/Dziennik.h"
#include "store/Formaty.h"
#include "store/Godzina.h"
#include "store/Interakcja.h"
#include "store/KatalogDanych.h"
#include "store/Katalogi.h"
#include "store/Liczby.h"
#include "store/StanBazy.h"
#include "store/Tlumacz.h"
#include "store/uStruktura.h"
#include "ui_uMain.h"
#include "widgets/uDialog.h"

TfMain* fMain = nullptr;

namespace {

// The copy at every close is of the store file; a server store is copied once a day.
bool BazaWPliku() {
    const TBaza* b = TBaza::Aktywna();
    return b && b->Rodzaj() == TRodzajBazy::Plik;
}

// The panels are laid out for this width; controls right of the pick lists keep
// their distance from the right edge.
constexpr int SzerokoscProjektu = 820;

// The shell's "open"; the help file is shown by whatever the system associates with it.
void OtworzWSystemie(const QUrl& adres) {
    QDesktopServices::openUrl(adres);
}

bool JestEnter(QEvent* zdarzenie) {
    if (zdarzenie->type() != QEvent::KeyPress) return false;
    const int klawisz = static_cast<QKeyEvent*>(zdarzenie)->key();
    return klawisz == Qt::Key_Return || klawisz == Qt::Key_Enter;
}

// A window created at program entry, shown modally when it is there.
template <typename T>
void Pokaz(T* okno) {
    if (okno) PokazModalnie(*okno);
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
            [this](const QPoint& punkt) {
                ui->pmWypozyczenie->popup(ui->sgWypozyczenie->viewport()->mapToGlobal(punkt));
            });

    // The status bar shows only while a copy of the store runs, with its progress.
    auto* pasek = new QStatusBar(this);
    pasek->setObjectName(QStringLiteral("sbStan"));
    setStatusBar(pasek);
    pasek->hide();
    pbKopia = new QProgressBar(pasek);
    pbKopia->setObjectName(QStringLiteral("pbKopia"));
    pbKopia->setRange(0, 100);
    pasek->addPermanentWidget(pbKopia);
    KopieAutomatyczne.Postep = [this](int procent) {
        PokazPostepKopii(QStringLiteral("Kopia bazy danych: %p%"), procent);
    };

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

    // The desk's parts; their own handlers watch their fields after the window's.
    panelKlienta = std::make_unique<TPanelKlienta>(
        TKontrolkiKlienta{ui->cbKlient,
                          ui->eKlientNr,
                          ui->eUpowazniony,
                          ui->eAbonamentOD,
                          ui->eAbonamentDO,
                          ui->eSaldo,
                          ui->cbAbonament,
                          ui->pKlient,
                          ui->bKlientDane,
                          ui->bKlientKonto,
                          ui->miZaleglosci,
                          {ui->miKlientEdytuj, ui->miKlientUsun, ui->miRaportKlient,
                           ui->miZaleglosci, ui->miKartaKlienta}},
        Query1);
    panelFilmu = std::make_unique<TPanelFilmu>(
        TKontrolkiFilmu{ui->cbTytulOrg,
                        ui->cbTytulPol,
                        ui->eFilmNr,
                        ui->eCena,
                        ui->lStatus,
                        ui->bFilmDane,
                        ui->bFilmKonto,
                        ui->bNastepny,
                        ui->miNastepny,
                        {ui->miFilmEdytuj, ui->miFilmUsun, ui->miRaportFilm}},
        Query1, [this] { return ui->bWypozycz->isEnabled(); });
    wypozyczenia = std::make_unique<TListaWypozyczen>(ui->sgWypozyczenie, ui->eWplata,
                                                      ui->lTerminZwrotu, Query1);
    koszyk = std::make_unique<TKoszykPulpitu>(
        TKontrolkiKoszyka{ui->sgWypozyczenie, ui->eIleDni, ui->eWplata, ui->bUsun, ui->bWypozycz,
                          ui->miDelete},
        *panelKlienta, *panelFilmu, *wypozyczenia, Query1);
    zmianyKlienta = std::make_unique<TZmianyKlienta>(Query1);
    connect(panelFilmu.get(), &TPanelFilmu::Pokazany, ui->sgWypozyczenie,
            &QTableWidget::clearSelection);
    connect(panelFilmu.get(), &TPanelFilmu::Wypozyczajacy, ui->eKlientNr, &QLineEdit::setText);

    // Menu items.
    connect(ui->miKlientNowy, &QAction::triggered, this, &TfMain::miKlientNowyClick);
    connect(ui->miKlientEdytuj, &QAction::triggered, this, &TfMain::bKlientDaneClick);
    connect(ui->miKlientUsun, &QAction::triggered, this, &TfMain::miKlientUsunClick);
    connect(ui->miZaleglosci, &QAction::triggered, this, &TfMain::miZaleglosciClick);
    connect(ui->miKlienci, &QAction::triggered, this, [this] {
        Pokaz(fKlienci);
        panelKlienta->OdswiezKlientow();
        PokazPierwszeKroki();
    });
    connect(ui->miArchiwumK, &QAction::triggered, this, &TfMain::miArchiwumKClick);
    connect(ui->miFilmNowy, &QAction::triggered, this, &TfMain::miFilmNowyClick);
    connect(ui->miFilmEdytuj, &QAction::triggered, this, &TfMain::bFilmDaneClick);
    connect(ui->miFilmUsun, &QAction::triggered, this, &TfMain::miFilmUsunClick);
    connect(ui->miFilmSzukaj, &QAction::triggered, this, [] { Pokaz(fSzukaj); });
    connect(ui->miFilmy, &QAction::triggered, this, &TfMain::miFilmyClick);
    const auto raportKlienta = [this] {
        if (!fArchiwum || !panelKlienta->Wybrany()) return;
        fArchiwum->UstawArchiwum(1, panelKlienta->Id());
        PokazModalnie(*fArchiwum);
    };
    const auto raportFilmu = [this] {
        if (!fArchiwum || ui->eFilmNr->text().isEmpty()) return;
        fArchiwum->UstawArchiwum(2, panelFilmu->IdFilmuONumerze());
        PokazModalnie(*fArchiwum);
    };
    connect(ui->miRaportKlient, &QAction::triggered, this, raportKlienta);
    connect(ui->miRaportFilm, &QAction::triggered, this, raportFilmu);
    // The films out, all of them or the overdue ones.
    for (const auto& [pozycja, rodzajListy] :
         {std::pair{ui->miRapFilmyWyp, 0}, std::pair{ui->miRapFilmyWyp2, 1}})
        connect(pozycja, &QAction::triggered, this, [rodzaj = rodzajListy] {
            if (!fFilmyWyp) return;
            fFilmyWyp->WczytajWypozyczone(rodzaj);
            PokazModalnie(*fFilmyWyp);
        });
    connect(ui->miRapAbonenci, &QAction::triggered, this, [] { Pokaz(fAbonenci); });
    connect(ui->miRaportOkresowy, &QAction::triggered, this, [] { RaportOkresowy(); });
    connect(ui->miRaportKasowy, &QAction::triggered, this, [] { RaportKasowy(); });
    // Both rankings share one handler, which tells them apart by the item's name.
    for (QAction* pozycja : {ui->miRapRentownoscF, ui->miRapRentownoscK})
        connect(pozycja, &QAction::triggered, this,
                [pozycja] { RaportRentownosci(pozycja->objectName()); });
    connect(ui->miUstawienia, &QAction::triggered, this, [this] {
        if (!fConfig) return;
        fConfig->FormShow();
        PokazModalnie(*fConfig);
        // Whatever the dialog's result, the desk follows the stored settings.
        WczytajUstawieniaSklepu();
    });
    connect(ui->miPomoc, &QAction::triggered, this, [this] {
        // pomoc.chm when it is there, else the operator's guide.
        const QString plik = PlikPomocy(KatalogProgramu, KatalogWspolnyProgramu);
        if (plik.isEmpty())
            Informacja(QStringLiteral("Brak pliku: \"") + DodajUkosnik(KatalogProgramu) +
                       QStringLiteral("pomoc.chm\"."));
        else
            OtworzDokument(QUrl::fromLocalFile(plik));
    });
    connect(ui->Ofirmie1, &QAction::triggered, this, [] { Pokaz(fAbout); });
    connect(ui->miKoniec, &QAction::triggered, this, &QWidget::close);
    connect(ui->miWypozycz, &QAction::triggered, this, &TfMain::bWypozyczClick);
    connect(ui->miZwrot, &QAction::triggered, this, &TfMain::bZwrotClick);
    connect(ui->miCofnij, &QAction::triggered, this, &TfMain::bCofnijClick);
    connect(ui->miPrzedluzenie, &QAction::triggered, this, &TfMain::bPrzedluzenieClick);
    connect(ui->miNastepny, &QAction::triggered, koszyk.get(), &TKoszykPulpitu::bNastepnyClick);
    connect(ui->miDelete, &QAction::triggered, koszyk.get(), &TKoszykPulpitu::miDeleteClick);
    connect(ui->miPotwierdzenie, &QAction::triggered, this, &TfMain::miPotwierdzenieClick);
    connect(ui->miKartaKlienta, &QAction::triggered, this, &TfMain::miKartaKlientaClick);
    connect(ui->miEtykiety, &QAction::triggered, this, [this] {
        TfEtykiety okno(this);
        PokazModalnie(okno);
    });
    connect(ui->miDaneWypozyczalni, &QAction::triggered, this, [this] {
        TfDaneWypozyczalni okno(this);
        PokazModalnie(okno);
    });
    connect(ui->miZasady, &QAction::triggered, this, [this] {
        TfZasady okno(this);
        PokazModalnie(okno);
        // The list's due dates and the client's standing follow the closed days.
        if (panelKlienta->Wybrany() && !ListaMaNoweFilmy(false)) WczytajKLIENTA();
    });

    // Buttons.
    connect(ui->bKlientDane, &QPushButton::clicked, this, &TfMain::bKlientDaneClick);
    connect(ui->bKlientKonto, &QPushButton::clicked, this, raportKlienta);
    connect(ui->bFilmDane, &QPushButton::clicked, this, &TfMain::bFilmDaneClick);
    connect(ui->bFilmKonto, &QPushButton::clicked, this, raportFilmu);
    connect(ui->bNastepny, &QPushButton::clicked, koszyk.get(), &TKoszykPulpitu::bNastepnyClick);
    connect(ui->bUsun, &QPushButton::clicked, koszyk.get(), &TKoszykPulpitu::miDeleteClick);
    connect(ui->bWypozycz, &QPushButton::clicked, this, &TfMain::bWypozyczClick);
    connect(ui->bZwrot, &QPushButton::clicked, this, &TfMain::bZwrotClick);
    connect(ui->bCofnij, &QPushButton::clicked, this, &TfMain::bCofnijClick);
    connect(ui->bPrzedluzenie, &QPushButton::clicked, this, &TfMain::bPrzedluzenieClick);
    connect(ui->bKoniec, &QPushButton::clicked, this, &QWidget::close);

    // Pick lists: only the operator's choice runs the handlers.
    connect(ui->cbKlient, &QComboBox::activated, this, &TfMain::cbKlientChange);
    for (QComboBox* lista : {ui->cbTytulOrg, ui->cbTytulPol})
        connect(lista, &QComboBox::activated, this,
                [this, lista] { panelFilmu->cbTytulOrgChange(lista); });

    PolaczNarzedzia();

    // A shop's first start: the ways to begin, where the lists will be.
    ui->lPierwszeKroki->setText(
        QStringLiteral("<p>Witaj w programie. Od czego zacząć?</p>"
                       "<p><a href=\"dane\">Wpisz dane wypożyczalni</a></p>"
                       "<p><a href=\"przyklad\">Wypróbuj na danych przykładowych</a></p>"
                       "<p><a href=\"import\">Przenieś dane ze starego programu</a></p>"));
    connect(ui->lPierwszeKroki, &QLabel::linkActivated, this, [this](const QString& link) {
        QAction* pozycja = link == QLatin1String("dane")       ? ui->miDaneWypozyczalni
                           : link == QLatin1String("przyklad") ? ui->miDanePrzykladowe
                                                               : ui->miImportParadox;
        pozycja->trigger();
    });
}

void TfMain::PokazPierwszeKroki() {
    // Shown while the store holds no client and no film.
    const bool pusta = ui->cbKlient->count() == 0 && ui->cbTytulOrg->count() == 0 &&
                       TBaza::Aktywna() && BazaBezKlientowIFilmow();
    ui->lPierwszeKroki->setVisible(pusta);
    if (pusta) ui->lPierwszeKroki->raise();
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
    // A store a newer program wrote is left alone: the start ends.
    if (!::AktualizujStrukture(Query1)) {
        TBaza::Rozlacz();
        return false;
    }

    // 9. The settings.
    WczytajUstawieniaSklepu();

    // 10. The pick lists; the titles' are read while the desk works.
    WczytajKlientow();
    panelFilmu->WczytajTytulyWTle();
    PokazPierwszeKroki();

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

    // The first start of the day copies the store once the desk is up, in the background
    // (a server store: the day's first start of any counter).
    QTimer::singleShot(0, this, [this] {
        if (TBaza::Aktywna()) KopieAutomatyczne.PrzyStarcie(KatalogBazy, Chwila());
    });
    return true;
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

// ---------------------------------------------------------------- the parts wired

void TfMain::WczytajKlientow() {
    panelKlienta->WczytajKlientow();
    PokazPierwszeKroki();
}

void TfMain::WczytajTytuly() {
    panelFilmu->WczytajTytuly();
    PokazPierwszeKroki();
}

void TfMain::CzekajNaListy() {
    panelFilmu->CzekajNaTytuly();
}

void TfMain::WczytajFILM() {
    panelFilmu->WczytajFILM();
}

void TfMain::cbKlientChange() {
    if (!panelKlienta->cbKlientChange()) return;
    koszyk->Zmieniony = false;
    WczytajKLIENTA();
}

bool TfMain::WczytajKLIENTA() {
    if (!panelKlienta->Wczytaj()) {
        zmianyKlienta->Zapomnij();
        PokazUwageKlienta(false);
        return false;
    }
    WczytajWypozyczenia();
    zmianyKlienta->Zapamietaj(TStanKlientaPulpitu(panelKlienta->Klient(), wypozyczenia->Otwarte(),
                                                  panelKlienta->Zaleglosci()));
    panelKlienta->UstawWlaczWYlaczKLIENTA();
    PokazUwageKlienta(true);
    ui->miPotwierdzenie->setEnabled(true);  // the client's last operation can be printed
    return true;
}

void TfMain::ZwrotSkanem() {
    // A film that is out: the film panel has put its holder's number into eKlientNr.
    const int idFilmu = IdFilmu;
    if (idFilmu == 0 || panelFilmu->NaPolce()) return;
    const auto numerKlienta = CalkowitaZEkranu(ui->eKlientNr->text());
    if (!numerKlienta) return;
    QString dopisek;
    if (!panelKlienta->Wybrany() || panelKlienta->Numer() != *numerKlienta) {
        if (ListaMaNoweFilmy()) {
            ui->eKlientNr->setText(Numer4(panelKlienta->Numer()));
            return;
        }
        dopisek = QStringLiteral("Film ") +
                  Numer4(CalkowitaZEkranu(panelFilmu->Numer()).value_or(0)) +
                  QStringLiteral(" jest u tego klienta: wczytano go do zwrotu");
        koszyk->Zmieniony = false;
        if (!WczytajKLIENTA()) return;
    }
    if (wypozyczenia->ZaznaczFilm(idFilmu)) PokazUwageKlienta(true, dopisek);
}

void TfMain::PokazUwageKlienta(bool wczytany, const QString& dopisek) {
    QString tekst;
    if (wczytany) {
        TStanKlienta stan;
        stan.Zaleglosci = panelKlienta->Zaleglosci();
        stan.Saldo = panelKlienta->Saldo();
        stan.DniPoTerminie = wypozyczenia->DniPoTerminie();
        tekst = UwagaOKliencie(stan);
    }
    if (!dopisek.isEmpty())
        tekst = tekst.isEmpty() ? dopisek : dopisek + QStringLiteral(" · ") + tekst;
    ui->lUwagaKlienta->setText(tekst);
    ui->lUwagaKlienta->setVisible(!tekst.isEmpty());
}

namespace {
const QString KlientZmienionyGdzieIndziej =
    QStringLiteral("Dane klienta zmieniono przy innym stanowisku: wczytano je ponownie");
}  // namespace

bool TfMain::OdswiezZmienionegoKlienta() {
    if (!panelKlienta->Wybrany() || ListaMaNoweFilmy(false) || !zmianyKlienta->Zmieniony())
        return false;
    ui->eKlientNr->setText(Numer4(panelKlienta->Numer()));
    koszyk->Zmieniony = false;
    if (WczytajKLIENTA()) PokazUwageKlienta(true, KlientZmienionyGdzieIndziej);
    return true;
}

bool TfMain::KlientZmienionyPrzedOperacja() {
    OdswiezUstawieniaSklepu();
    if (!OdswiezZmienionegoKlienta()) return false;
    Uwaga(KlientZmienionyGdzieIndziej + QStringLiteral(".\nSprawdź je i powtórz operację."));
    return true;
}

void TfMain::WczytajUstawieniaSklepu() {
    if (fConfig) fConfig->WczytajUstawienia();
    panelFilmu->UstawCene(UstawieniaProgramu().ZmianaStawki);
    znacznikUstawien = TBaza::Znacznik();
}

void TfMain::OdswiezUstawieniaSklepu() {
    const TZnacznikBazy teraz = TBaza::Znacznik();
    if (teraz == znacznikUstawien || !fConfig) return;
    znacznikUstawien = teraz;
    if (fConfig->OdswiezZBazy()) panelFilmu->UstawCene(UstawieniaProgramu().ZmianaStawki);
}

bool TfMain::ListaMaNoweFilmy(bool powiedz) const {
    if (!koszyk->Zmieniony || koszyk->NoweFilmy() == 0) return false;
    if (powiedz)
        Uwaga(
            QStringLiteral("Na liście są filmy dodane do wypożyczenia.\nNajpierw zapisz ich "
                           "wypożyczenie albo usuń je z listy."));
    return true;
}

void TfMain::WczytajWypozyczenia() {
    panelFilmu->Wyczysc();
    ui->bUsun->setEnabled(false);
    ui->miDelete->setEnabled(false);
    const bool zwrot = wypozyczenia->WczytajWypozyczenia(panelKlienta->Id());
    // A loaded client may rent in either mode: in Zwrot the films go below the open rentals.
    ui->bWypozycz->setEnabled(true);
    ui->miWypozycz->setEnabled(true);
    for (QWidget* w : {static_cast<QWidget*>(ui->bNastepny), static_cast<QWidget*>(ui->eWplata)})
        w->setEnabled(!zwrot);
    ui->miNastepny->setEnabled(!zwrot);
    for (QWidget* w : {ui->bZwrot, ui->bCofnij, ui->bPrzedluzenie}) w->setEnabled(zwrot);
    for (QAction* a : {ui->miZwrot, ui->miCofnij, ui->miPrzedluzenie}) a->setEnabled(zwrot);
}

// ---------------------------------------------------------------- menu "Klient"

void TfMain::miKlientNowyClick() {
    if (!fKlient) return;
    fKlient->UstawKlienta(0);
    if (PokazModalnie(*fKlient) != QDialog::Accepted) return;
    const QString nazwa = fKlient->NazwaKlienta();
    if (nazwa.isEmpty()) return;
    panelKlienta->DodajKlienta(nazwa);
    PokazPierwszeKroki();
    cbKlientChange();
}

void TfMain::bKlientDaneClick() {
    if (!fKlient || !panelKlienta->Wybrany()) return;
    fKlient->UstawKlienta(panelKlienta->Id());
    if (PokazModalnie(*fKlient) != QDialog::Accepted) return;
    if (!fKlient->NazwaKlienta().isEmpty()) panelKlienta->ZmienNazwe(fKlient->NazwaKlienta());
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
    const std::optional<bool> zalegle = KlientMaNaleznosci(Query1, panelKlienta->Id());
    // A failed check has shown the store's error: nothing is archived unchecked.
    if (!zalegle) return;
    if (*zalegle) {
        Uwaga(
            QStringLiteral("Nie można usunąć klienta.\nKlient musi najpier uregulować zaległe "
                           "należności."));
        return;
    }
    panelKlienta->Usun();
    PokazUwageKlienta(false);
    ArchiwizujKlienta(Query1, panelKlienta->Id());
    panelKlienta->UstawWlaczWYlaczKLIENTA();
}

void TfMain::miZaleglosciClick() {
    const std::optional<bool> zalegle = KlientMaZaleglosci(Query1, panelKlienta->Id());
    if (!zalegle) return;  // the store's error has been shown
    if (!*zalegle) {
        Informacja(QStringLiteral("Wszystkie należności zostały uregulowane."));
        return;
    }
    if (!fZaleglosci) return;
    fZaleglosci->UstawKlienta(panelKlienta->Id());
    if (PokazModalnie(*fZaleglosci) == QDialog::Accepted) WczytajKLIENTA();
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
    panelFilmu->DodajTytul(fFilm->NowyTytulOrg(), fFilm->NowyTytulPol());
    PokazPierwszeKroki();
    panelFilmu->cbTytulOrgChange(ui->cbTytulOrg);
}

void TfMain::bFilmDaneClick() {
    if (!fFilm || ui->eFilmNr->text().isEmpty()) return;
    const int id = panelFilmu->IdFilmuONumerze();
    if (id == 0) {
        Uwaga(QStringLiteral("Nie znaleziono filmu o podanym numerze."));
        return;
    }
    fFilm->UstawFilm(id);
    if (PokazModalnie(*fFilm) == QDialog::Accepted && !fFilm->NowyTytulOrg().isEmpty())
        panelFilmu->ZmienTytul(fFilm->NowyTytulOrg(), fFilm->NowyTytulPol());
    ui->eFilmNr->setText(Numer4(fFilm->Numer()));
}

void TfMain::miFilmUsunClick() {
    if (ui->eFilmNr->text().isEmpty()) return;
    if (Pytanie(QStringLiteral("Czy na pewno usunąć wskazany film?"), false)) {
        const int id = panelFilmu->IdFilmuONumerze();
        if (id != 0) WycofajFilmZBazy(Query1, id);
    }
    ui->eFilmNr->clear();
    ui->eCena->clear();
    ui->cbTytulOrg->clear();
    ui->cbTytulPol->clear();
    WczytajTytuly();
}

void TfMain::miFilmyClick() {
    {
        TfFilmy okno(this);
        PolaczArchiwum(okno);
        PokazModalnie(okno);
    }
    panelFilmu->OdswiezTytuly();
    PokazPierwszeKroki();
}

void TfMain::closeEvent(QCloseEvent* zdarzenie) {
    if (!Pytanie(QStringLiteral("Czy zakończyć pracę programu?"), false)) {
        zdarzenie->ignore();
        return;
    }
    // A backup from the menu still running is stopped (it leaves no file); a failing copy
    // is reported and the program closes all the same.
    kopiaZapasowa.request_stop();
    // A server store's day's copy still running is finished, not stopped: it is the day's one.
    if (BazaWPliku())
        KopieAutomatyczne.PrzyZamknieciu(KatalogBazy, Chwila());
    else
        KopieAutomatyczne.Zaczekaj();
    blokada.reset();
    zdarzenie->accept();
}

// ---------------------------------------------------------------- keys and sizes

void TfMain::PokazPostepKopii(const QString& format, int procent) {
    if (procent < 0) {
        statusBar()->hide();
        pbKopia->reset();
        return;
    }
    pbKopia->setFormat(format);
    statusBar()->show();
    pbKopia->setValue(procent);
}

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
    if (obiekt == ui->cbKlient || obiekt == ui->eKlientNr || obiekt == ui->cbTytulPol ||
        obiekt == ui->eFilmNr)
        OdswiezUstawieniaSklepu();
    if (obiekt == ui->cbKlient) {
        WczytajKLIENTA();
    } else if (obiekt == ui->eKlientNr) {
        // A client found: the films' numbers come next; otherwise the number is scanned again.
        ZaznaczPole(WczytajKLIENTA() ? ui->eFilmNr : ui->eKlientNr);
    } else if (obiekt == ui->cbTytulOrg) {
        ui->cbTytulPol->setFocus();
    } else if (obiekt == ui->cbTytulPol) {
        OdswiezZmienionegoKlienta();
        WczytajFILM();
    } else if (obiekt == ui->eFilmNr) {
        OdswiezZmienionegoKlienta();
        WczytajFILM();
        if (UstawieniaProgramu().Zasady.ZwrotSkanem) ZwrotSkanem();
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
        ui->lUwagaKlienta->resize(w - 118, ui->lUwagaKlienta->height());
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
        ui->lPierwszeKroki->setGeometry(ui->sgWypozyczenie->geometry());
        // The due date line fills the strip below the list.
        ui->lTerminZwrotu->setGeometry(10, panel->height() - 17, szerokosc - 2, 15);
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
