// The desk's reads of films and rentals: the title pick lists, the film shown in the film
// panel, the client's open rentals and what the client still owes. A read gives nothing
// when its statement failed (the store's error has been shown).
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "money/Rozliczenia.h"
#include "store/TekstyUtf8.h"

class TQuery;

// The current films' titles, by the original title.
struct TTytulyFilmow {
    TTekstyUtf8 Oryginalne, Polskie;
};
std::optional<TTytulyFilmow> TytulyFilmow(TQuery& q);
// The same read for another thread: a failing statement throws TBladBazy, nothing shown.
TTytulyFilmow CzytajTytulyFilmow(TQuery& q);

// A film as the desk's film panel shows it.
struct TFilmPulpitu {
    int Id = 0;
    qint64 Numer = 0;
    QString TytulOryginalny, TytulPolski;
    TKwota Stawka;
    bool NaPolce = false;
};
// The films of the original title (Id, Numer, Stawka, NaPolce). A failing statement has
// shown its error as a general error.
std::optional<std::vector<TFilmPulpitu>> FilmyOTytule(TQuery& q, const QString& tytul);
// The statement of the columns of the current record (client or film) of this number, from
// the table's file in the store's folder.
QString ZapytanieONumerze(const QString& kolumny, const QString& tabela,
                          const QString& kolumnaNumeru, qint64 numer);
// The current film of the number (Id, titles, Stawka, NaPolce); nothing when there is none
// or the read failed.
std::optional<TFilmPulpitu> BiezacyFilmONumerze(TQuery& q, qint64 numer);
// The ID of the film of the number, the current one first (a withdrawn film's number may
// be reused); of the current film only when biezacy. Nothing when there is none.
std::optional<int> IdFilmuONumerze(TQuery& q, qint64 numer, bool biezacy);
// The number of the client who holds the film of the number; nothing when none does.
std::optional<qint64> NumerKlientaZFilmem(TQuery& q, qint64 numerFilmu);

// A client's open rental as the desk lists it.
struct TWypozyczenieNaLiscie {
    TOtwarteWypozyczenie Rozliczenie;
    QString Tytul;
    qint64 NumerFilmu = 0;
    int IdFilmu = 0;
};
// The client's open rentals; none when the read failed.
std::vector<TWypozyczenieNaLiscie> OtwarteWypozyczenia(TQuery& q, int idKlienta);

// Whether the client owes anything: an unpaid open rental or an unpaid returned one.
std::optional<bool> KlientMaNaleznosci(TQuery& q, int idKlienta);
// Whether the client has arrears: a returned rental not paid in full.
std::optional<bool> KlientMaZaleglosci(TQuery& q, int idKlienta);
// The client's arrears: the sum of the returned rentals' unpaid parts.
std::optional<TKwota> SumaZaleglosci(TQuery& q, int idKlienta);
