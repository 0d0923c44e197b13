// The rental desk: the window that wires its parts together (the client panel, the film
// panel, the basket and the list of open rentals) and owns the menus.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>
#include <stop_token>

#include "admin/KopieAutomatyczne.h"
#include "money/Rozliczenia.h"
#include "reports/uRapPotwierdzenie.h"
#include "store/Baza.h"
#include "store/StanBazy.h"
#include "store/TQuery.h"
#include "store/uWspolneDB.h"

class QLockFile;
class QProgressBar;
class TKoszykPulpitu;
class TZmianyKlienta;
class TListaWypozyczen;
class TPanelFilmu;
class TPanelKlienta;
namespace Ui {
class TfMain;
}

class TfMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfMain(QWidget* parent = nullptr);
    ~TfMain() override;

    // The start-up sequence; false when the program must end.
    bool Start();
    // The client of the number in eKlientNr and its open rentals (mode Wypozyczanie or Zwrot).
    bool WczytajKLIENTA();
    // Loads the film whose number is in eFilmNr.
    void WczytajFILM();
    // Fill the client pick list and both title pick lists (callers empty them first).
    void WczytajKlientow();
    void WczytajTytuly();
    // Waits for the title pick lists that the start reads while the desk works.
    void CzekajNaListy();
    // Waits for the automatic copy running in the background and reports its failure.
    void ZaczekajNaKopie() { KopieAutomatyczne.Zaczekaj(); }

    // The desk's parts.
    TPanelKlienta& PanelKlienta() { return *panelKlienta; }
    TPanelFilmu& PanelFilmu() { return *panelFilmu; }
    TKoszykPulpitu& Koszyk() { return *koszyk; }
    TListaWypozyczen& Wypozyczenia() { return *wypozyczenia; }

    // What the start-up uses from its surroundings; tests replace each piece.
    QString PlikBlokady;             // the single-copy lock
    QString PlikKonfiguracjiBDE;     // the engine's alias configuration
    QString KatalogStartowy;         // the data folder (empty: chosen for the executable's)
    TSrodowiskoStartu Srodowisko;    // engine check and installer offer
    TOfertaKopii OfertaKopii;        // the copy offered for a damaged store (when set)
    QString KatalogWspolnyProgramu;  // the installed shared files (empty: none)
    std::function<void(const QUrl&)> OtworzDokument;  // the shell's "open"

protected:
    void closeEvent(QCloseEvent* zdarzenie) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    void miKlientNowyClick();  // the menu handlers
    void bKlientDaneClick();
    void miKlientUsunClick();
    void miZaleglosciClick();
    void miArchiwumKClick();
    void miFilmNowyClick();
    void bFilmDaneClick();
    void miFilmUsunClick();
    void miFilmyClick();
    // ---- The "Narzędzia" menu (uMainNarzedzia.cpp, uMainDanePrzykladowe.cpp).
    void PolaczNarzedzia();
    void miDanePrzykladoweClick();
    // After the store was replaced: the settings, the pick lists and an empty desk.
    void PoPrzywroceniu();
    // ---- Printed pages (uMainDruki.cpp): the slip of the operation just stored.
    void miPotwierdzenieClick();
    void miKartaKlientaClick();
    void ZapamietajPotwierdzenie(TPotwierdzenie potwierdzenie);
    std::optional<TPotwierdzenie> OstatniePotwierdzenie;

    // Choosing a client by name; the open rentals listed and the mode they set; the ways
    // to begin shown on an empty store; the client's standing in lUwagaKlienta (nothing
    // when no client is loaded), after what the desk has to say first.
    void cbKlientChange();
    void WczytajWypozyczenia();
    void UstawTrybPusty();
    void PokazPierwszeKroki();
    void PokazUwageKlienta(bool wczytany, const QString& dopisek = QString());
    void ZwrotSkanem();  // a film that is out, scanned: its holder loaded, its row marked
    // Films added below the open rentals and not yet rented: true, told when powiedz.
    bool ListaMaNoweFilmy(bool powiedz = true) const;
    // Another counter's change to the loaded client, at the desk's next action: the client
    // is loaded again and the desk says so. While films wait in the basket nothing is
    // reloaded (their rental's write tells of the change). True when loaded again.
    bool OdswiezZmienionegoKlienta();
    // The same before an operation on the listed rentals: the operator is told to check
    // the client and do it again. True when the operation is to stop.
    bool KlientZmienionyPrzedOperacja();
    // The shop's settings and rules read again when the store changed since they were read
    // (another counter may have changed the tariff); at the start of each desk action.
    void OdswiezUstawieniaSklepu();
    // The settings read now, from the store.
    void WczytajUstawieniaSklepu();
    void UlozPanel(QWidget* panel);
    // A copy's percent in pbKopia on the status bar (format: its text with %p); the bar
    // shows only while a copy runs (procent -1: ended).
    void PokazPostepKopii(const QString& format, int procent);
    // ---- Operations on the list (uMainOperacje.cpp, uMainZwrot.cpp).
    void bWypozyczClick();
    void bZwrotClick();
    void bCofnijClick();
    void bPrzedluzenieClick();
    // Settles the commit after the payment dialog, shows its messages and stores it; the
    // desk's fields go back as they were when nothing is stored. True when it is stored.
    bool ZatwierdzKoszyk(const TDaneWypozyczenia& dane, const TPrzedWypozyczeniem& przed,
                         TKwota pobrano);

    std::unique_ptr<Ui::TfMain> ui;
    std::unique_ptr<QLockFile> blokada;
    TKopieAutomatyczne KopieAutomatyczne;
    QProgressBar* pbKopia = nullptr;
    std::stop_source kopiaZapasowa;  // stops the menu's backup still running at close
    TQuery Query1;
    std::unique_ptr<TPanelKlienta> panelKlienta;
    std::unique_ptr<TPanelFilmu> panelFilmu;
    std::unique_ptr<TListaWypozyczen> wypozyczenia;
    std::unique_ptr<TKoszykPulpitu> koszyk;
    std::unique_ptr<TZmianyKlienta> zmianyKlienta;
    TZnacznikBazy znacznikUstawien;  // the store's mark when the settings were read
    QHash<QWidget*, int> kotwice;    // distance from the right edge
};

// The desk, created first at program entry.
extern TfMain* fMain;
