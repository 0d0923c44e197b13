// The reads of the list windows and the printed reports: every statement of the folder.
//
// A list window's read returns its rows, none when the statement failed (its error text
// has been shown). A report made of bands reads its rows as it lays them out: its read
// opens the report's query (false when the statement failed) and a row function makes
// the current row into values for its hooks; the band's data-bound texts read the
// columns the statement names.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "store/Kwota.h"

class TQuery;

// The subscribers' list: every client holding a subscription, archived or run out too.
struct TAbonent {
    std::optional<qint64> numer;
    QString klient;  // surname and first name
    QDate od, do_;
    qint64 id = 0;
};
std::optional<std::vector<TAbonent>> Abonenci(TQuery& q);
// The printed list: columns NR, KLIENT, ABONAMENT_OD, ABONAMENT_DO.
bool OtworzAbonentow(TQuery& q);

// The open rentals (every one, or those due before today), of withdrawn films and
// archived clients too.
struct TWypozyczony {
    QString tytul;   // original title with the Polish one in brackets
    QString klient;  // surname and first name
    QDate od, do_;
    qint64 idKlienta = 0;
};
std::optional<std::vector<TWypozyczony>> Wypozyczone(TQuery& q, bool przeterminowane);
// The printed list: columns tytul, klient, dataOD, dataDO.
bool OtworzWypozyczone(TQuery& q, bool przeterminowane);

// The subject of a history: a client (its count of rentals) or a film (its takings).
struct TPodmiotArchiwum {
    qint64 numer = 0;
    QString nazwa;
    QString licznik;  // a client's
    TKwota wplywy;    // a film's
};
std::optional<TPodmiotArchiwum> PodmiotArchiwum(TQuery& q, bool klienta, int id);
// One rental of a history: the other side's number, ID and name (none when that record
// is gone), the start and return dates.
struct TLiniaArchiwum {
    std::optional<qint64> numer;
    std::optional<qint64> id;
    QDate dataOd, dataZwrotu;
    QString nazwa;
};
// The subject's rentals, newest first.
std::optional<std::vector<TLiniaArchiwum>> LinieArchiwum(TQuery& q, bool klienta, int id);
// The printed history: the subject (nr, Klient and Licznik, or Tytul and Wplywy) and its
// rentals (nr, tytul or klient, dataod, datazwrotu). False when either failed.
bool OtworzArchiwum(TQuery& naglowek, TQuery& linie, bool klienta, int id);

// The rankings: current films by takings (columns nr, tytul, wplywy), or clients by the
// total charged for their returned rentals (nr, nazwisko, imie, kwota).
bool OtworzRanking(TQuery& q, bool filmy);
struct TPozycjaRankingu {
    QString nazwa;
    TKwota kwota;  // an empty sum is 0,00
};
TPozycjaRankingu PozycjaRankingu(const TQuery& q, bool filmy);

// One movement of the till journal as the cash-up shows it.
struct TRuchKasy {
    QDate data;
    QString czas;
    QString nr;      // the client's number, empty when the client row is gone
    QString klient;  // surname and first name
    QString rodzaj;
    QString opis;
    TKwota kwota;
};
// The journal's movements of the range, in time order: of every counter, or of the one
// named (movements written before the journal named its counter belong to none).
bool OtworzRuchyKasy(TQuery& q, const QDate& od, const QDate& do_,
                     const QString& stanowisko = QString());
// The counters named by the journal's movements, each once, in Polish order.
std::optional<QStringList> StanowiskaKasy();
TRuchKasy RuchKasy(const TQuery& q);

// The money of one rental as stored: a missing value counts as 0.
struct TKwotyWypozyczenia {
    bool zwrocono = false;
    bool jestNaleznosc = false;
    TKwota naleznosc;
    TKwota platnosc;
    TKwota platnosc1;
    TKwota zAbonamentu;
};
struct TWypozyczenieOkresu {
    std::optional<qint64> nr;
    QString klient;
    QString tytul;
    TKwotyWypozyczenia kwoty;
};
// The rentals that started in the range and were returned by its last day, or are still
// out.
bool OtworzWypozyczeniaOkresu(TQuery& q, const QDate& od, const QDate& do_);
TWypozyczenieOkresu WypozyczenieOkresu(const TQuery& q);

// The rental slip.
enum class TRodzajOperacji { Wypozyczenie, Zwrot, Przedluzenie, Zaleglosci };

struct TPozycjaPotwierdzenia {
    int IdFilmu = 0;
    qint64 NumerFilmu = 0;
    QString Tytul;
    QDate DataOD;
    QDate DataDO;      // due back (rental, extension)
    QDate DataZwrotu;  // brought back (return)
    TKwota Oplata;
};

struct TPotwierdzenie {
    TRodzajOperacji Rodzaj = TRodzajOperacji::Wypozyczenie;
    QDateTime Chwila;
    int IdKlienta = 0;
    qint64 NumerKlienta = 0;
    QString Klient;  // surname and first name
    std::vector<TPozycjaPotwierdzenia> Pozycje;
    TKwota Zaplacono;         // money taken by this operation
    TKwota Wydano;            // a surplus handed back
    TKwota Pozostaje;         // left unpaid by this operation
    TKwota Saldo;             // the client's balance afterwards
    QDate Termin;             // the first day a film of the client's is due back; none: all back
    bool BezGodziny = false;  // read back without the journal: the day only
};

// Fills the client's number and name, each film's number and title, and the first due
// date of the client's open rentals, from the store.
void UzupelnijPotwierdzenie(TPotwierdzenie& p);
// The client's last rental, return, extension or arrears payment read back from the store:
// the till journal's newest operation of the client when it is not older than the newest
// rental or return day (kind, moment, money and, for an extension, its films), otherwise
// that day's rentals or returns without money; the films, what is left unpaid and the
// balance from the rows. Nothing when the client has none or the read failed.
std::optional<TPotwierdzenie> OstatniaOperacja(int idKlienta);

// The client card.
struct TKartaKlienta {
    qint64 Numer = 0;
    QString Klient;  // first name and surname
};
// The client of the given ID from the store; false when there is none.
bool WczytajKarteKlienta(int idKlienta, TKartaKlienta& karta);

// A copy label.
struct TEtykieta {
    qint64 Numer = 0;
    QString Tytul;
};
// The current films with numbers od..do, in number order.
std::vector<TEtykieta> EtykietyZakresu(qint64 od, qint64 do_);
// The current films entered on the day, in number order (films without an entry date,
// from before the date was kept or imported, are never among them).
std::vector<TEtykieta> EtykietyDnia(const QDate& dzien);
