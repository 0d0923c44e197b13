// The rental desk.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QUrl>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "admin/KopieAutomatyczne.h"
#include "money/Rozliczenia.h"
#include "money/RozliczeniePrzedluzenia.h"
#include "money/RozliczenieWycofania.h"
#include "money/RozliczenieZwrotu.h"
#include "reports/uRapPotwierdzenie.h"
#include "store/Baza.h"
#include "store/Katalogi.h"
#include "store/StanBazy.h"
#include "store/TQuery.h"
#include "store/uWspolneDB.h"

struct TKlientPulpitu;
class QComboBox;
class QLineEdit;
class QLockFile;
namespace Ui {
class TfMain;
}

// Widths of the list's six columns for a list width: the title, the number and the
// price share it, the other three are hidden.
std::array<int, 6> SzerokosciKolumn(int szerokoscListy);

class TfMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfMain(QWidget* parent = nullptr);
    ~TfMain() override;

    // The start-up sequence; false when the program must end.
    bool Start();
    void AktualizujStrukture();
    // Loads the client whose number is in eKlientNr; lists the open rentals. True when a
    // client was found.
    bool WczytajKLIENTA();
    // Loads the film whose number is in eFilmNr.
    void WczytajFILM();
    // Fill the client pick list and both title pick lists (callers empty them first).
    void WczytajKlientow();
    void WczytajTytuly();
    // After a list window: the pick list left with no choice and read again, unless the
    // store is unchanged since it was read (it then holds what a new reading would give).
    void OdswiezKlientow();
    void OdswiezTytuly();
    // Waits for the automatic copy running in the background and reports its failure.
    void ZaczekajNaKopie() { KopieAutomatyczne.Zaczekaj(); }

    // What the start-up uses from its surroundings; tests replace each piece.
    QString PlikBlokady;             // the single-copy lock
    QString PlikKonfiguracjiBDE;     // the engine's alias configuration
    QString KatalogStartowy;         // the data folder (empty: chosen for the executable's)
    TSrodowiskoStartu Srodowisko;    // engine check and installer offer
    TOfertaKopii OfertaKopii;        // the copy offered for a damaged store (when set)
    QString KatalogWspolnyProgramu;  // the installed shared files (empty: none)
    std::function<void(const QUrl&)> OtworzDokument;  // the shell's "open"

    // Desk fields shared by the panels, the list and the operations.
    int IdKlienta = 0;
    int RabatKlienta = 0;
    int LicznikAbKlienta = 0;
    TKwota SumaPlatnosci;
    TKwota WplaconoWczesniej;
    bool KoszykZmieniony = false;

protected:
    void closeEvent(QCloseEvent* zdarzenie) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    // What the store was when a pick list was read from empty, and the entries it got.
    struct TStanListy {
        TZnacznikBazy znacznik;
        int wpisow = -1;
    };
    TStanListy stanKlientow, stanTytulow;
    // True when the list still holds what the store would give it now.
    static bool ListaAktualna(const TStanListy& stan, const QComboBox* lista);

    // Menu and button handlers.
    void miKlientNowyClick();
    void bKlientDaneClick();
    void miKlientUsunClick();
    void miZaleglosciClick();
    void miKlienciClick();
    void miArchiwumKClick();
    void miFilmNowyClick();
    void bFilmDaneClick();
    void miFilmUsunClick();
    void miFilmSzukajClick();
    void miFilmyClick();
    void miRaportKlientClick();
    void miRaportFilmClick();
    void miRapFilmyWypClick();
    void miRapFilmyWyp2Click();
    void miRapAbonenciClick();
    void miUstawieniaClick();
    // ---- The "Narzędzia" menu (uMainNarzedzia.cpp).
    void PolaczNarzedzia();
    void miKopiaZapasowaClick();
    void miPrzywrocClick();
    void miSprawdzBazeClick();
    void miImportParadoxClick();
    void miDanePrzykladoweClick();  // uMainDanePrzykladowe.cpp
    // After the store was replaced: the settings, the pick lists and an empty desk.
    void PoPrzywroceniu();
    // ---- end of the tools' block.
    void miPomocClick();
    void Ofirmie1Click();
    void sgWypozyczenieContextPopup(const QPoint& punkt);
    // ---- Printed pages and the shop's details (uMainDruki.cpp).
    void miPotwierdzenieClick();
    void miKartaKlientaClick();
    void miEtykietyClick();
    void miDaneWypozyczalniClick();
    // Keeps the slip of the operation just stored and enables "Potwierdzenie".
    void ZapamietajPotwierdzenie(TPotwierdzenie potwierdzenie);
    std::optional<TPotwierdzenie> OstatniePotwierdzenie;

    // The client panel, the film panel, the basket and the operations on the list.
    void cbKlientChange();
    void cbTytulOrgChange(QComboBox* Sender);
    void UstawWlaczWYlaczKLIENTA();
    void bNastepnyClick();
    void miDeleteClick();
    // Lists the chosen client's open rentals and sets the mode (Wypozyczanie or Zwrot).
    void WczytajWypozyczenia();
    void bWypozyczClick();
    void bZwrotClick();
    void bCofnijClick();
    void bPrzedluzenieClick();

    // ---- Client panel, film panel and basket (uMainPanele.cpp).
    // Connects the panels' and the basket's field handlers (called by the constructor).
    void PolaczPanele();
    // Shows the client of the query's current row in the panel and the desk fields.
    void PokazKlienta(const TKlientPulpitu& klient);
    void UstawWlaczWYlaczFILM();
    void WlaczFilm(bool wlacz);
    void WlaczDodawanie(bool wlacz);
    void UstawStatus(bool naPolce);
    void eCenaExit();
    void eIleDniChange();
    void eIleDniExit();
    void eWplataExit();
    void sgWypozyczenieMouseUp();
    void sgWypozyczenieKeyUp();
    // The list's selected row (-1 when none) and the subscriber test of the pricing.
    int WybranyWiersz() const;
    bool KlientAbonent() const;
    TKwota KwotaWplaty() const;
    // ---- end of the panels' block.

    // Puts the focus in a number field with its text selected, so that the next number
    // typed or scanned replaces it.
    void ZaznaczPole(QLineEdit* pole);
    // The rate box follows ZmianaStawki.
    void UstawCene();
    // Mode Pusty: nothing chosen.
    void UstawTrybPusty();
    // The film's ID by its number typed on the desk, 0 when none.
    int IdFilmuONumerze(const QString& numer);
    void WlaczKlienta(bool wlacz);
    void UlozPanel(QWidget* panel);

    // ---- Operations on the list: rental commit, open rentals, return, undo, extension.
    // The rows an operation applies to, first..last, or nothing (cancelled).
    std::optional<std::pair<int, int>> WybierzWiersze();
    // Settles the commit after the payment dialog, shows its messages and stores it; the
    // desk's fields go back as they were when nothing is stored. True when it is stored.
    bool ZatwierdzKoszyk(const TDaneWypozyczenia& dane, const TPrzedWypozyczeniem& przed,
                         TKwota pobrano);
    void ZapiszZwrot();
    // The inputs of each operation as the desk holds them (uMainDane.cpp). The commit's
    // are nothing when a list row holds no film.
    std::optional<TDaneWypozyczenia> DaneWypozyczenia(TKwota wplata) const;
    TDaneZwrotu DaneZwrotu(std::pair<int, int> wiersze) const;
    TDaneWycofania DaneWycofania(std::pair<int, int> wiersze) const;
    TDanePrzedluzenia DanePrzedluzenia(std::pair<int, int> wiersze, int iloscDni) const;
    // The films' numbers of list rows first..last, as the till journal names them.
    QString NumeryFilmow(std::pair<int, int> wiersze) const;
    // The open rentals listed in rows 0..k-1, as the store gave them.
    std::vector<TWierszListy> WypozyczeniaNaLiscie;
    friend struct TDostepOperacji;  // tests only: reach the operations' private routines
    // ---- end of the operations' block

    std::unique_ptr<Ui::TfMain> ui;
    std::unique_ptr<QLockFile> blokada;
    TKopieAutomatyczne KopieAutomatyczne;
    TQuery Query1;
    QHash<QWidget*, int> kotwice;  // distance from the right edge
};

// The desk, created first at program entry.
extern TfMain* fMain;
