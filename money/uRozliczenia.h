// The money of the rental desk, apart from its widgets and statements.
//
// Each operation is a function from a struct of inputs, gathered by the desk from its
// list sgWypozyczenie, its fields and the store, to a struct of results: the values to
// store per row and for the client, what to show in the list and in eWplata, and the
// messages to show (exact texts). Where the operator must answer (the payment dialog
// TfWplata, a question), the operation is split: the "before" function says what to ask
// and proposes the amount; the desk shows the dialog and passes its Kwota (0 when
// declined) to the "after" function.
//
//   listing of open rentals  PodsumujOtwarte                        (this header)
//   rental commit            PrzygotujWypozyczenie -> dialog "Pobrano:" -> RozliczWypozyczenie
//   return                   PrzygotujZwrot -> dialog "Do zapłaty: " -> RozliczZwrot
//                                                              (uRozliczenieZwrotu.h)
//   undo                     RozliczWycofanie                   (uRozliczenieWycofania.h)
//   extension                PrzygotujPrzedluzenie -> dialog "Dopłacono:" -> RozliczPrzedluzenie
//                                                          (uRozliczeniePrzedluzenia.h)
//   arrears                  dialog "Do zapłaty:" -> OcenWplateZaleglosci -> question
//                            -> RozliczZaleglosci               (uRozliczenieZaleglosci.h)
//
// Money is floating-point złoty, compared at grosz precision (KwotyRowne, KwotaZerowa):
// a residue below half a grosz never shows as an amount, a debt or an overpayment.
// Every amount a result holds is already rounded to the grosz; the desk writes it with
// KwotaNaEkran on screen and KwotaSQL in statements.
#pragma once

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

// The line break inside a message box's text.
inline const QString NowaLinia = QStringLiteral("\n");

enum class TRodzajKomunikatu {
    Informacja,   // information icon, application title (Informacja)
    Ostrzezenie,  // exclamation icon, caption "Ostrzeżenie" (Ostrzezenie)
    Uwaga         // exclamation icon, application title (Uwaga)
};

// A message an operation asks the desk to show, with the amount it names.
struct TKomunikatRozliczenia {
    QString Tekst;
    TRodzajKomunikatu Rodzaj = TRodzajKomunikatu::Informacja;
    double Kwota = 0;
};
// Shows the message through the interaction layer.
void PokazKomunikatRozliczenia(const TKomunikatRozliczenia& komunikat);
// A surplus handed back: the heading, a line break, "Do zwrotu " and the amount followed by
// the ending the operation uses ("zł.", " zł.", "zł" or nothing).
TKomunikatRozliczenia KomunikatNadplaty(const QString& naglowek, double nadwyzka,
                                        const QString& poKwocie, TRodzajKomunikatu rodzaj);

// What the payment dialog is to show: its label (UstawKwote's caption) and the amount.
struct TPropozycjaWplaty {
    bool Pokaz = false;  // false: no dialog, the amount paid is 0
    QString Etykieta;
    double Kwota = 0;
};

// Spreads money over one charge: what the money does not cover is returned as unpaid
// and the money left is lowered by what it covered.
double RozlozNaNaleznosc(double& pieniadze, double naleznosc);

// ---------------------------------------------------------------- open rentals

struct TOtwarteWypozyczenie {
    double Naleznosc = 0;  // naleznosc
    double Platnosc = 0;   // platnosc, the unpaid part
    QDate DataOD, DataDO;
    std::optional<double> Stawka;  // the rental's stawka; empty on rentals older than it
    double StawkaFilmu = 0;        // the film's current Stawka
};

struct TWierszOtwarty {
    double Naleznosc = 0;  // column 2
    int IloscDni = 0;      // column 4: dataDO - dataOD
    double Stawka = 0;     // column 5: the rental's rate, or the film's when it has none
};

struct TWykazOtwartych {
    std::vector<TWierszOtwarty> Wiersze;
    double Razem = 0;              // total row: the sum of platnosc
    double Wplacono = 0;           // eWplata: charges as shown less the unpaid parts
    double SumaPlatnosci = 0;      // desk field SumaPlatnosci
    double WplaconoWczesniej = 0;  // desk field WplaconoWczesniej
    bool PoTerminie = false;       // today is later than the last listed row's due date
};

// The sums of a client's open rentals as the desk lists them, in the store's order.
TWykazOtwartych PodsumujOtwarte(const std::vector<TOtwarteWypozyczenie>& wiersze,
                                const QDate& dzisiaj);

// ---------------------------------------------------------------- rental commit

// A film row of the desk's list: basket rows and, in mode Zwrot, the listed open
// rentals (the commit), or the listed open rentals (undo, extension).
struct TWierszListy {
    int IdFilmu = 0;       // column 3
    double Naleznosc = 0;  // column 2: the charge as shown
    int IloscDni = 0;      // column 4
    double Stawka = 0;     // column 5
};

struct TDaneWypozyczenia {
    std::vector<TWierszListy> Wiersze;  // film rows in list order
    double Razem = 0;                   // the total cell
    double Saldo = 0;                   // eSaldo
    double Wplata = 0;         // eWplata before the commit (mode Zwrot: paid on the listing)
    bool TrybZwrot = false;    // eWplata disabled: the list began with open rentals
    double SumaPlatnosci = 0;  // desk fields of the listing (0 in Wypozyczanie)
    double WplaconoWczesniej = 0;
    bool Abonament = false;  // cbAbonament
    QDate AbonamentDo;       // eAbonamentDO
    int LicznikAb = 0;       // LicznikAbKlienta, already raised by the basket
    QDate Dzien;             // the rental date (today)
};

// Before the payment dialog: a regular client's credit is spent on the total.
struct TPrzedWypozyczeniem {
    bool ZapiszSaldo = false;  // run "update klient set Saldo = " Saldo
    double Saldo = 0;          // the balance after the credit
    double DoZaplaty = 0;      // what the credit leaves to pay
    TPropozycjaWplaty Wplata;  // "Pobrano:" with DoZaplaty, or 0,00 for a subscriber
};
TPrzedWypozyczeniem PrzygotujWypozyczenie(const TDaneWypozyczenia& dane);

struct TWierszWypozyczenia {
    int IdFilmu = 0;
    double Naleznosc = 0;  // naleznosc: the charge of the row
    double Stawka = 0;
    double Platnosc = 0;   // platnosc: the part the money taken does not cover
    QDate DataOD, DataDO;  // for a new row: the rental date and the due date
};

struct TWynikWypozyczenia {
    double Wplata = 0;  // the amount eWplata shows after the dialog and the credit
    // When set: show it, run "update klient set Abonament = False, Saldo = 0" and
    // uncheck cbAbonament, before anything else is written.
    std::optional<TKomunikatRozliczenia> KoniecAbonamentu;
    std::optional<TKomunikatRozliczenia> Nadplata;  // "Pobrano za wysoką kwotę." ...
    // Rows in list order: a row without an open rental is inserted, one with an open
    // rental gets its platnosc updated.
    std::vector<TWierszWypozyczenia> Wiersze;
    double ZmianaSalda = 0;  // "Saldo = Saldo + " ZmianaSalda; also the new SumaPlatnosci
    double NoweSaldo = 0;    // the balance the client ends with
    int LicznikAb = 0;       // LicznikAb written with the change
};
// After the dialog: pobrano is the dialog's Kwota (0 when it was not shown or declined).
TWynikWypozyczenia RozliczWypozyczenie(const TDaneWypozyczenia& dane,
                                       const TPrzedWypozyczeniem& przed, double pobrano);
