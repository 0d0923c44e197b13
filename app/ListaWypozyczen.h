// The desk's list of a client's open rentals: the rows as the store gave them, what was
// paid on them, the rows an operation applies to, and the charges an operation shows.
#pragma once

#include <QString>
#include <optional>
#include <utility>
#include <vector>

#include "app/RozliczenieWplaty.h"
#include "money/Rozliczenia.h"
#include "money/RozliczenieZwrotu.h"

class QLabel;
class QLineEdit;
class QTableWidget;
class TQuery;
struct TWypozyczenieNaLiscie;

class TListaWypozyczen {
public:
    // lTermin shows the due date of the current open-rental row.
    TListaWypozyczen(QTableWidget* sgWypozyczenie, QLineEdit* eWplata, QLabel* lTermin,
                     TQuery& query);
    ~TListaWypozyczen();

    // Lists the client's open rentals, one row each, then the separator and the total, on
    // the overdue colour when one is late, with what was paid in eWplata. True when any
    // is listed; otherwise the list is an empty basket.
    bool WczytajWypozyczenia(int idKlienta);
    // Nothing listed.
    void Wyczysc();
    // The rows an operation applies to, first..last, as the operator answers; nothing
    // when cancelled or when the marking starts below the rentals. The films marked by
    // scanning, while still marked, answer without a question.
    std::optional<std::pair<int, int>> WybierzWiersze();
    // Marks the open rental of the film (a scanned return): its row joins the marked rows
    // at the top of the list. False when the client does not hold the film.
    bool ZaznaczFilm(int idFilmu);
    int Zeskanowane() const { return zeskanowane; }
    // The late days, as the pricing counts them, of every listed rental past its due date.
    std::vector<int> DniPoTerminie() const;
    // A row's film (number and title) with an amount, for a breakdown.
    TPozycjaRozliczenia Pozycja(int wiersz, TKwota kwota) const;
    // The lines of the payment dialog at a rental of the films added (in mode Zwrot below
    // the open rentals) and at a return.
    QStringList RozliczenieKoszyka(const TDaneWypozyczenia& dane,
                                   const TPrzedWypozyczeniem& przed) const;
    QStringList RozliczenieZwrotu(const TDaneZwrotu& dane, const TPrzedZwrotem& przed) const;
    // The films' numbers of rows first..last, as the till journal names them.
    QString NumeryFilmow(std::pair<int, int> wiersze) const;
    // An operation's new charges shown: rows 0.. and the total row.
    void PokazNaleznosci(const std::vector<TKwota>& naleznosci);
    void PokazRazem(TKwota razem);

    // The open rentals listed in rows 0..k-1, as the store gave them.
    const std::vector<TWierszListy>& Wiersze() const { return wiersze; }
    const std::vector<TWypozyczenieNaLiscie>& Otwarte() const { return otwarte; }
    // The unpaid parts of the listed rentals, and what was paid on them before.
    TKwota SumaPlatnosci() const { return sumaPlatnosci; }
    void UstawSumePlatnosci(TKwota suma) { sumaPlatnosci = suma; }
    TKwota WplaconoWczesniej() const { return wplaconoWczesniej; }

private:
    // Rows 0..k-1 from the rentals as held; overdue ones in red text.
    void PokazWiersze();
    void PokazTermin(int wiersz);

    QTableWidget* sg;
    QLineEdit* eWplata;
    QLabel* lTermin;
    TQuery& query;
    std::vector<TWypozyczenieNaLiscie> otwarte;
    std::vector<TWierszListy> wiersze;
    int zeskanowane = 0;
    TKwota sumaPlatnosci;
    TKwota wplaconoWczesniej;
};
