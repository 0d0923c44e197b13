#include "money/Zapis.h"

#include <QStringList>
#include <algorithm>
#include <tuple>

#include "money/Kasa.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/TQuery.h"
#include "store/uWspolneDB.h"

namespace {

const QString KlientZmieniony = QStringLiteral(
    "Dane klienta zostały w międzyczasie zmienione przy innym stanowisku. "
    "Wczytaj klienta ponownie.");

// The statement that sets the unpaid part of a client's open rental of a film.
QString PlatnoscSQL(int idFilmu, const QString& klient, TKwota platnosc) {
    return QStringLiteral("update rental set platnosc = ") + KwotaSQL(platnosc) +
           QStringLiteral(" where id_filmu = ") + QString::number(idFilmu) +
           QStringLiteral(" and id_klienta = ") + klient + QStringLiteral(" and zwrocono = False");
}

// The client's balance and subscriber counter after the undo or the extension.
QString SaldoILicznikSQL(TKwota saldo, int licznikAb, const QString& klient) {
    return QStringLiteral("update klient set Saldo = ") + KwotaSQL(saldo) +
           QStringLiteral(", licznikAb = ") + QString::number(licznikAb) +
           QStringLiteral(" where id = ") + klient;
}

// A date condition of the arrears' statement: equal to the date, or null.
QString WarunekDaty(const QDate& data) {
    if (!data.isValid()) return QStringLiteral(" is null");
    return QStringLiteral(" = ") + DataSQL(data);
}

// What an operation finds in the store under the client's lock.
enum class TStanWypozyczen { Blad, Zmieniona, Aktualna };

// The client's row, locked for the operation: the server's row lock (a file store's write
// holds the whole store from its start). Every write function takes it first, so two
// counters' operations on one client run one after the other. Zmieniona: the client is gone,
// or the balance is not saldo (the one the desk showed), when given; Blad: the read failed
// (its error shown).
TStanWypozyczen ZablokujKlienta(TQuery& q, const QString& klient,
                                std::optional<TKwota> saldo = std::nullopt) {
    OtworzSQL(q, QStringLiteral("select Saldo from klient where ID = ") + klient +
                     QStringLiteral(" for update"));
    if (!q.Active()) return TStanWypozyczen::Blad;
    const bool ten =
        !q.Eof() && (!saldo || q.FieldByName(QStringLiteral("SALDO")).AsKwota() == *saldo);
    q.Close();
    return ten ? TStanWypozyczen::Aktualna : TStanWypozyczen::Zmieniona;
}

// The films of the client's open rentals in the store, in ID order; nothing when the read
// failed.
std::optional<std::vector<int>> OtwarteFilmy(TQuery& q, const QString& klient) {
    OtworzSQL(q, QStringLiteral("select id_filmu from rental where id_klienta = ") + klient +
                     QStringLiteral(" and zwrocono = False"));
    if (!q.Active()) return std::nullopt;
    std::vector<int> filmy;
    for (; !q.Eof(); q.Next())
        filmy.push_back(q.FieldByName(QStringLiteral("ID_FILMU")).AsInteger());
    q.Close();
    std::sort(filmy.begin(), filmy.end());
    return filmy;
}

// The client's balance is the one the desk showed, and the listed rentals (their films) are
// the client's open ones in the store.
TStanWypozyczen SprawdzListe(TQuery& q, const QString& klient, std::vector<int> filmy,
                             std::optional<TKwota> saldo) {
    const TStanWypozyczen stan = ZablokujKlienta(q, klient, saldo);
    if (stan != TStanWypozyczen::Aktualna) return stan;
    const std::optional<std::vector<int>> wBazie = OtwarteFilmy(q, klient);
    if (!wBazie) return TStanWypozyczen::Blad;
    std::sort(filmy.begin(), filmy.end());
    return filmy == *wBazie ? TStanWypozyczen::Aktualna : TStanWypozyczen::Zmieniona;
}

// An operation refused because another counter changed the client's rentals meanwhile.
void ListaZmieniona(const QString& operacja) {
    Uwaga(QStringLiteral("Wypożyczenia lub saldo klienta zostały w międzyczasie zmienione przy "
                         "innym stanowisku. ") +
          operacja);
}

// The journal rows of a desk operation, in their order: a refund before the payment, the
// money taken, a surplus handed back after it. A zero amount writes no row.
void ZapiszKase(TQuery& q, int idKlienta, const QString& rodzaj, const QString& filmy,
                const std::optional<TKomunikatRozliczenia>& zwrotPrzed, TKwota pobrano,
                const std::optional<TKomunikatRozliczenia>& zwrotPo) {
    if (zwrotPrzed) ZapiszRuchKasy(q, idKlienta, rodzaj, -zwrotPrzed->Kwota, filmy);
    ZapiszRuchKasy(q, idKlienta, rodzaj, pobrano, filmy);
    if (zwrotPo) ZapiszRuchKasy(q, idKlienta, rodzaj, -zwrotPo->Kwota, filmy);
}

}  // namespace

// ---------------------------------------------------------------- rental commit

namespace {

const QString FilmZajety =
    QStringLiteral("Film %1 został przed chwilą wypożyczony przy innym stanowisku.");

// Each film of the basket locked, in ID order (two counters lock common films in one order),
// and checked to be still on the shelf or out to this client; the films another counter
// has rented meanwhile (or removed) go to zajete. False when a read failed.
bool ZablokujFilmy(TQuery& q, int idKlienta, const TWynikWypozyczenia& wynik, QStringList& zajete) {
    std::vector<int> filmy;
    for (const TWierszWypozyczenia& r : wynik.Wiersze) filmy.push_back(r.IdFilmu);
    std::sort(filmy.begin(), filmy.end());
    filmy.erase(std::unique(filmy.begin(), filmy.end()), filmy.end());
    for (int id : filmy) {
        const QString film = QString::number(id);
        OtworzSQL(q, QStringLiteral("select Numer_filmu, Status from film where ID = ") + film +
                         QStringLiteral(" for update"));
        if (!q.Active()) return false;
        const bool jest = !q.Eof();
        const qint64 numer = jest ? q.FieldByName(QStringLiteral("NUMER_FILMU")).AsLargeInt() : 0;
        const bool naPolce = jest && q.FieldByName(QStringLiteral("STATUS")).AsBoolean();
        q.Close();
        if (!jest) {
            zajete << QStringLiteral("Film (ID %1) został w międzyczasie usunięty.").arg(id);
            continue;
        }
        OtworzSQL(q, QStringLiteral("select id_klienta from rental where id_filmu = ") + film +
                         QStringLiteral(" and zwrocono = False"));
        if (!q.Active()) return false;
        bool tegoKlienta = false, innego = false;
        for (; !q.Eof(); q.Next())
            (q.FieldByName(QStringLiteral("ID_KLIENTA")).AsInteger() == idKlienta ? tegoKlienta
                                                                                  : innego) = true;
        q.Close();
        if (innego || (!naPolce && !tegoKlienta)) zajete << FilmZajety.arg(Numer4(numer));
    }
    return true;
}

bool zapiszWypozyczenie(int idKlienta, const TDaneWypozyczenia& dane,
                        const TPrzedWypozyczeniem& przed, const TWynikWypozyczenia& wynik,
                        const QString& filmy, QStringList& zajete) {
    TQuery q;
    const QString klient = QString::number(idKlienta);
    TTransakcja transakcja;
    // The client (with the balance the credit was spent from), then the films, under lock;
    // a film gone meanwhile stops the whole rental.
    const TStanWypozyczen stan =
        ZablokujKlienta(q, klient, przed.ZapiszSaldo ? std::optional(dane.Saldo) : std::nullopt);
    if (stan != TStanWypozyczen::Aktualna) {
        if (stan == TStanWypozyczen::Zmieniona) zajete << KlientZmieniony;
        return false;
    }
    if (!ZablokujFilmy(q, idKlienta, wynik, zajete) || !zajete.isEmpty()) return false;
    // A regular client's credit is spent first.
    if (przed.ZapiszSaldo)
        UruchomSQL(q, QStringLiteral("update klient set Saldo = ") + KwotaSQL(przed.Saldo) +
                          QStringLiteral(" where id = ") + klient);
    // An expired subscription ends; the films keep their basket prices.
    if (wynik.KoniecAbonamentu)
        UruchomSQL(q, QStringLiteral("update klient set Abonament = False, Saldo = 0 where ID = ") +
                          klient);
    // The money across the counter.
    ZapiszKase(q, idKlienta, RodzajKasy::Wypozyczenie, filmy, std::nullopt, wynik.Pobrano,
               wynik.Nadplata);
    // One rental per film, the film out.
    for (const TWierszWypozyczenia& r : wynik.Wiersze) {
        const QString film = QString::number(r.IdFilmu);
        UruchomSQL(q, QStringLiteral("update film set status = False where ID = ") + film);
        OtworzSQL(q, QStringLiteral("select * from rental where id_klienta = ") + klient +
                         QStringLiteral(" and id_filmu = ") + film +
                         QStringLiteral(" and zwrocono = false"));
        const bool otwarte = q.Active() && !q.Eof();
        q.Close();
        if (!otwarte)
            UruchomSQL(
                q, QStringLiteral("insert into rental( id_filmu, id_klienta, dataOD, dataDO, "
                                  "zwrocono, platnosc, platnosc1, z_abonamentu, naleznosc, "
                                  "stawka ) values ( ") +
                       film + QStringLiteral(", ") + klient + QStringLiteral(", ") +
                       DataSQL(r.DataOD) + QStringLiteral(", ") + DataSQL(r.DataDO) +
                       QStringLiteral(", False, ") + KwotaSQL(r.Platnosc) +
                       QStringLiteral(", 0, 0, ") + KwotaSQL(r.Naleznosc) + QStringLiteral(", ") +
                       KwotaSQL(r.Stawka) + QStringLiteral(" )"));
        else
            UruchomSQL(q, PlatnoscSQL(r.IdFilmu, klient, r.Platnosc));
    }
    // The balance, the last rental and the subscriber counter.
    UruchomSQL(q, QStringLiteral("update klient set Saldo = Saldo + ") +
                      KwotaSQL(wynik.ZmianaSalda) + QStringLiteral(", Ostatnie_wypozyczenie = ") +
                      DataSQL(dane.Dzien) + QStringLiteral(", LicznikAb = ") +
                      QString::number(wynik.LicznikAb) + QStringLiteral(" where id = ") + klient);
    return transakcja.Zatwierdz();
}

}  // namespace

bool ZapiszWypozyczenie(int idKlienta, const TDaneWypozyczenia& dane,
                        const TPrzedWypozyczeniem& przed, const TWynikWypozyczenia& wynik,
                        const QString& filmy) {
    QStringList zajete;
    const bool zapisano = ZapiszZPowtorzeniem([&] {
        zajete.clear();
        return zapiszWypozyczenie(idKlienta, dane, przed, wynik, filmy, zajete);
    });
    // Told once the transaction is over: nothing waits on the operator.
    if (!zajete.isEmpty()) Uwaga(zajete.join(QLatin1Char('\n')));
    return zapisano;
}

// ---------------------------------------------------------------- return

namespace {

bool wczytajDoZwrotu(TQuery& q, int idKlienta, const std::vector<TWierszListy>& lista,
                     TDaneZwrotu& dane) {
    const QString klient = QString::number(idKlienta);
    // What the balance was charged for all open rentals.
    OtworzSQL(q, QStringLiteral("select sum( platnosc ) p, sum( naleznosc ) n from rental where "
                                "id_klienta = ") +
                     klient + QStringLiteral(" and zwrocono = False"));
    const bool zsumowano = q.Active();
    if (zsumowano && !q.Eof()) dane.SumaPlatnosci = q.FieldByName(QStringLiteral("P")).AsKwota();
    q.Close();
    if (!zsumowano) return false;

    // The term and rate of every listed rental.
    dane.Wiersze.clear();
    for (const TWierszListy& r : lista) {
        OtworzSQL(q, QStringLiteral("select r.dataOD, r.dataDO, r.stawka from rental r where "
                                    "r.Id_filmu = ") +
                         QString::number(r.IdFilmu) + QStringLiteral(" and r.Id_klienta = ") +
                         klient + QStringLiteral(" and r.Zwrocono = False"));
        const bool jest = q.Active() && !q.Eof();
        TWierszZwrotu w;
        w.IdFilmu = r.IdFilmu;
        w.Naleznosc = r.Naleznosc;
        if (jest) {
            w.Stawka = q.FieldByName(QStringLiteral("STAWKA")).AsKwota();
            w.DataDO = q.FieldByName(QStringLiteral("DATADO")).AsDate();
            w.DataOD = q.FieldByName(QStringLiteral("DATAOD")).AsDate();
        }
        q.Close();
        if (!jest) return false;
        dane.Wiersze.push_back(w);
    }
    return true;
}

// The rentals and sums the return was settled on, read again under the client's lock.
TStanWypozyczen SprawdzZwrot(TQuery& q, int idKlienta, const TDaneZwrotu& dane) {
    std::vector<int> filmy;
    std::vector<TWierszListy> lista;
    for (const TWierszZwrotu& w : dane.Wiersze) {
        filmy.push_back(w.IdFilmu);
        lista.push_back({w.IdFilmu, w.Naleznosc, 0, w.Stawka});
    }
    const TStanWypozyczen stan = SprawdzListe(q, QString::number(idKlienta), filmy, dane.Saldo);
    if (stan != TStanWypozyczen::Aktualna) return stan;
    TDaneZwrotu teraz;
    if (!wczytajDoZwrotu(q, idKlienta, lista, teraz))
        return TTransakcja::Przerwana() ? TStanWypozyczen::Blad : TStanWypozyczen::Zmieniona;
    const auto terminy = [](const TWierszZwrotu& w) {
        return std::tuple(w.IdFilmu, w.DataOD, w.DataDO, w.Stawka);
    };
    const bool te =
        teraz.SumaPlatnosci == dane.SumaPlatnosci &&
        std::equal(teraz.Wiersze.begin(), teraz.Wiersze.end(), dane.Wiersze.begin(),
                   dane.Wiersze.end(), [&](const TWierszZwrotu& a, const TWierszZwrotu& b) {
                       return terminy(a) == terminy(b);
                   });
    return te ? TStanWypozyczen::Aktualna : TStanWypozyczen::Zmieniona;
}

bool zapiszZwrot(int idKlienta, const TDaneZwrotu& dane, const TPrzedZwrotem& przed,
                 const TWynikZwrotu& wynik, const QString& filmy, bool& zmieniona) {
    TQuery q;
    const QString klient = QString::number(idKlienta);
    TTransakcja transakcja;
    const TStanWypozyczen stan = SprawdzZwrot(q, idKlienta, dane);
    zmieniona = stan == TStanWypozyczen::Zmieniona;
    if (stan != TStanWypozyczen::Aktualna) return false;
    // The money across the counter.
    ZapiszKase(q, idKlienta, RodzajKasy::Zwrot, filmy, przed.Nadplata, wynik.Pobrano,
               wynik.Nadplata);
    // The client.
    UruchomSQL(q, QStringLiteral("update klient set Saldo = ") + KwotaSQL(wynik.Saldo) +
                      QStringLiteral(", Licznik = Licznik + ") + QString::number(wynik.Zwrocone) +
                      QStringLiteral(" where id = ") + klient);
    // The returned rentals closed, their films on the shelf; the kept ones re-priced.
    for (const TWierszPoZwrocie& r : wynik.Wiersze) {
        const QString film = QString::number(r.IdFilmu);
        if (r.Zwrocony) {
            UruchomSQL(q, QStringLiteral("update rental set zwrocono = True, dataZwrotu = ") +
                              DataSQL(dane.Dzisiaj) + QStringLiteral(", platnosc1 = ") +
                              KwotaOgolnaSQL(r.Platnosc1) + QStringLiteral(", z_abonamentu = ") +
                              KwotaSQL(r.ZAbonamentu) + QStringLiteral(", naleznosc = ") +
                              KwotaSQL(r.Naleznosc) + QStringLiteral(" where id_filmu = ") + film +
                              QStringLiteral(" and id_klienta = ") + klient +
                              QStringLiteral(" and Zwrocono = False"));
            UruchomSQL(q, QStringLiteral("update film set status = True, Ilosc_wypozyczen = "
                                         "Ilosc_wypozyczen + 1, wplywy = wplywy + ") +
                              KwotaSQL(r.Wplywy) + QStringLiteral(" where id = ") + film);
        } else {
            UruchomSQL(q, QStringLiteral("update rental set platnosc = ") + KwotaSQL(r.Platnosc) +
                              QStringLiteral(", naleznosc = ") + KwotaSQL(r.Naleznosc) +
                              QStringLiteral(" where id_filmu = ") + film +
                              QStringLiteral(" and id_klienta = ") + klient +
                              QStringLiteral(" and zwrocono = False"));
        }
    }
    return transakcja.Zatwierdz();
}

}  // namespace

bool WczytajDoZwrotu(int idKlienta, const std::vector<TWierszListy>& lista, TDaneZwrotu& dane) {
    TQuery q;
    return wczytajDoZwrotu(q, idKlienta, lista, dane);
}

bool ZapiszZwrot(int idKlienta, const TDaneZwrotu& dane, const TPrzedZwrotem& przed,
                 const TWynikZwrotu& wynik, const QString& filmy) {
    bool zmieniona = false;
    const bool zapisano = ZapiszZPowtorzeniem(
        [&] { return zapiszZwrot(idKlienta, dane, przed, wynik, filmy, zmieniona); });
    if (zmieniona) ListaZmieniona(QStringLiteral("Zwrot nie został zapisany."));
    return zapisano;
}

// ---------------------------------------------------------------- undo

namespace {

bool zapiszWycofanie(int idKlienta, const TWynikWycofania& wynik, const QString& filmy,
                     bool& zmieniona) {
    TQuery q;
    const QString klient = QString::number(idKlienta);
    TTransakcja transakcja;
    std::vector<int> lista = wynik.Wycofane;
    for (const TWierszPoWycofaniu& r : wynik.Pozostale) lista.push_back(r.IdFilmu);
    // The new balance is written whole: the one it was worked out from must still be there.
    const TStanWypozyczen stan = SprawdzListe(q, klient, lista, wynik.SaldoPrzed);
    zmieniona = stan == TStanWypozyczen::Zmieniona;
    if (stan != TStanWypozyczen::Aktualna) return false;
    // The rentals deleted, their films on the shelf.
    for (int id : wynik.Wycofane) {
        const QString film = QString::number(id);
        UruchomSQL(q, QStringLiteral("delete from rental where id_filmu = ") + film +
                          QStringLiteral(" and id_klienta = ") + klient +
                          QStringLiteral(" and zwrocono = False"));
        UruchomSQL(q, QStringLiteral("update film set Status = True where id = ") + film);
    }
    // A surplus handed back.
    ZapiszKase(q, idKlienta, RodzajKasy::Wycofanie, filmy, std::nullopt, TKwota(), wynik.Nadplata);
    // The client.
    UruchomSQL(q, SaldoILicznikSQL(wynik.Saldo, wynik.LicznikAb, klient));
    // The money spread again over the remaining rentals.
    for (const TWierszPoWycofaniu& r : wynik.Pozostale)
        UruchomSQL(q, PlatnoscSQL(r.IdFilmu, klient, r.Platnosc));
    return transakcja.Zatwierdz();
}

}  // namespace

bool ZapiszWycofanie(int idKlienta, const TWynikWycofania& wynik, const QString& filmy) {
    bool zmieniona = false;
    const bool zapisano =
        ZapiszZPowtorzeniem([&] { return zapiszWycofanie(idKlienta, wynik, filmy, zmieniona); });
    if (zmieniona) ListaZmieniona(QStringLiteral("Wycofanie nie zostało zapisane."));
    return zapisano;
}

// ---------------------------------------------------------------- extension

std::optional<QDate> PoczatekPrzedluzenia(int idKlienta) {
    TQuery q;
    OtworzSQL(q, QStringLiteral("select dataOD from rental where Id_klienta = ") +
                     QString::number(idKlienta) + QStringLiteral(" and zwrocono = False"));
    std::optional<QDate> poczatek;
    if (q.Active() && !q.Eof()) poczatek = q.FieldByName(QStringLiteral("DATAOD")).AsDate();
    q.Close();
    return poczatek;
}

namespace {

bool zapiszPrzedluzenie(int idKlienta, const TDanePrzedluzenia& dane,
                        const TPrzedPrzedluzeniem& przed, const TWynikPrzedluzenia& wynik,
                        const QString& filmy, bool& zmieniona) {
    TQuery q;
    const QString klient = QString::number(idKlienta);
    TTransakcja transakcja;
    std::vector<int> lista;
    for (const TWierszListy& w : dane.Wiersze) lista.push_back(w.IdFilmu);
    const TStanWypozyczen stan = SprawdzListe(q, klient, lista, dane.Saldo);
    zmieniona = stan == TStanWypozyczen::Zmieniona;
    if (stan != TStanWypozyczen::Aktualna) return false;
    // The new due date and charge of every extended rental.
    for (int i = dane.Pierwszy; i <= dane.Ostatni && i < static_cast<int>(dane.Wiersze.size());
         ++i) {
        if (i < 0) continue;
        UruchomSQL(q, QStringLiteral("update rental set dataDO = ") + DataSQL(przed.DataDO) +
                          QStringLiteral(", naleznosc = ") + KwotaSQL(przed.Naleznosci[i]) +
                          QStringLiteral(" where id_klienta = ") + klient +
                          QStringLiteral(" and id_filmu = ") +
                          QString::number(dane.Wiersze[i].IdFilmu) +
                          QStringLiteral(" and zwrocono = False"));
    }
    // The money across the counter.
    ZapiszKase(q, idKlienta, RodzajKasy::Przedluzenie, filmy, std::nullopt, wynik.Pobrano,
               wynik.Nadplata);
    // The client.
    UruchomSQL(q, SaldoILicznikSQL(wynik.Saldo, wynik.LicznikAb, klient));
    // What was paid, spread over every listed rental.
    for (const TWierszPoPrzedluzeniu& r : wynik.Wiersze)
        UruchomSQL(q, PlatnoscSQL(r.IdFilmu, klient, r.Platnosc));
    return transakcja.Zatwierdz();
}

}  // namespace

bool ZapiszPrzedluzenie(int idKlienta, const TDanePrzedluzenia& dane,
                        const TPrzedPrzedluzeniem& przed, const TWynikPrzedluzenia& wynik,
                        const QString& filmy) {
    bool zmieniona = false;
    const bool zapisano = ZapiszZPowtorzeniem(
        [&] { return zapiszPrzedluzenie(idKlienta, dane, przed, wynik, filmy, zmieniona); });
    if (zmieniona) ListaZmieniona(QStringLiteral("Przedłużenie nie zostało zapisane."));
    return zapisano;
}

// ---------------------------------------------------------------- arrears

namespace {

auto KluczZaleglosci(const TZaleglosc& z) {
    return std::tuple(z.IdFilmu, z.DataOD.toJulianDay(), z.DataZwrotu.isValid(),
                      z.DataZwrotu.toJulianDay(), z.Naleznosc);
}

// The client's returned rentals with something unpaid as the store holds them now, in
// one order; nothing when the read failed.
std::optional<std::vector<TZaleglosc>> ZaleglosciWBazie(TQuery& q, const QString& klient) {
    OtworzSQL(q, QStringLiteral("select id_filmu, dataOD, dataZwrotu, platnosc1 from rental "
                                "where id_klienta = ") +
                     klient + QStringLiteral(" and zwrocono = True and platnosc1 <> 0"));
    if (!q.Active()) return std::nullopt;
    std::vector<TZaleglosc> wynik;
    for (; !q.Eof(); q.Next())
        wynik.push_back({q.FieldByName(QStringLiteral("ID_FILMU")).AsLargeInt(),
                         q.FieldByName(QStringLiteral("DATAOD")).AsDate(),
                         q.FieldByName(QStringLiteral("DATAZWROTU")).AsDate(),
                         q.FieldByName(QStringLiteral("PLATNOSC1")).AsKwota()});
    q.Close();
    return wynik;
}

// The listed rows that still owe something.
std::vector<TZaleglosc> DoPorownania(std::vector<TZaleglosc> wiersze) {
    std::erase_if(wiersze, [](const TZaleglosc& z) { return z.Naleznosc == TKwota(); });
    return wiersze;
}

bool TeSameZaleglosci(std::vector<TZaleglosc> a, std::vector<TZaleglosc> b) {
    const auto mniejszy = [](const TZaleglosc& x, const TZaleglosc& y) {
        return KluczZaleglosci(x) < KluczZaleglosci(y);
    };
    std::sort(a.begin(), a.end(), mniejszy);
    std::sort(b.begin(), b.end(), mniejszy);
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const TZaleglosc& x, const TZaleglosc& y) {
                          return KluczZaleglosci(x) == KluczZaleglosci(y);
                      });
}

bool zapiszZaleglosci(int idKlienta, const std::vector<TZaleglosc>& wiersze,
                      const TOcenaWplatyZaleglosci& ocena, const TWynikZaleglosci& wynik,
                      bool* zmienione) {
    if (zmienione) *zmienione = false;
    TQuery q;
    const QString klient = QString::number(idKlienta);
    TTransakcja transakcja;
    const TStanWypozyczen stan = ZablokujKlienta(q, klient);
    if (stan != TStanWypozyczen::Aktualna) {
        if (stan == TStanWypozyczen::Zmieniona && zmienione) *zmienione = true;
        return false;
    }
    // The arrears paid are the ones the store holds now, under the transaction's lock.
    const std::optional<std::vector<TZaleglosc>> wBazie = ZaleglosciWBazie(q, klient);
    if (!wBazie) return false;  // the error has been shown
    if (!TeSameZaleglosci(*wBazie, DoPorownania(wiersze))) {
        if (zmienione) *zmienione = true;
        return false;
    }
    // The balance and every row change together or not at all.
    UruchomSQL(q, QStringLiteral("update klient set Saldo = Saldo + ") +
                      KwotaSQL(wynik.ZmianaSalda) + QStringLiteral(" where ID = ") + klient);
    // Each listed row changes one rental that still owes its amount: the same film may
    // have been rented and returned twice on one day, and a paid-off or already changed
    // rental of the same dates is left alone.
    for (size_t i = 0; i < wiersze.size() && i < wynik.Zaleglosci.size(); ++i) {
        const TZaleglosc& z = wiersze[i];
        UruchomSQL(q, QStringLiteral("update rental set platnosc1 = ") +
                          KwotaSQL(wynik.Zaleglosci[i]) +
                          QStringLiteral(" where rowid = ( select rowid from rental where "
                                         "id_klienta = ") +
                          klient + QStringLiteral(" and id_filmu = ") + QString::number(z.IdFilmu) +
                          QStringLiteral(" and dataOD") + WarunekDaty(z.DataOD) +
                          QStringLiteral(" and dataZwrotu") + WarunekDaty(z.DataZwrotu) +
                          QStringLiteral(" and zwrocono = True and abs( platnosc1 - ") +
                          KwotaSQL(z.Naleznosc) + QStringLiteral(" ) < 0.005 limit 1 )"));
    }
    // The money taken, and what was handed back of more than was owed.
    ZapiszRuchKasy(q, idKlienta, RodzajKasy::Zaleglosci, ocena.Pobrano, OpisZaleglosci);
    if (ocena.Nadplata)
        ZapiszRuchKasy(q, idKlienta, RodzajKasy::Zaleglosci, -ocena.Nadplata->Kwota,
                       OpisZaleglosci);
    return transakcja.Zatwierdz();
}

}  // namespace

bool ZapiszZaleglosci(int idKlienta, const std::vector<TZaleglosc>& wiersze,
                      const TOcenaWplatyZaleglosci& ocena, const TWynikZaleglosci& wynik,
                      bool* zmienione) {
    return ZapiszZPowtorzeniem(
        [&] { return zapiszZaleglosci(idKlienta, wiersze, ocena, wynik, zmienione); });
}
