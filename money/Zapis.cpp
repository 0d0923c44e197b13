#include "money/Zapis.h"

#include <algorithm>
#include <tuple>

#include "money/Kasa.h"
#include "store/Formaty.h"
#include "store/TQuery.h"
#include "store/uWspolneDB.h"

namespace {

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

bool ZapiszWypozyczenie(int idKlienta, const TDaneWypozyczenia& dane,
                        const TPrzedWypozyczeniem& przed, const TWynikWypozyczenia& wynik,
                        const QString& filmy) {
    TQuery q;
    const QString klient = QString::number(idKlienta);
    TTransakcja transakcja;
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

// ---------------------------------------------------------------- return

bool WczytajDoZwrotu(int idKlienta, const std::vector<TWierszListy>& lista, TDaneZwrotu& dane) {
    TQuery q;
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

bool ZapiszZwrot(int idKlienta, const TDaneZwrotu& dane, const TPrzedZwrotem& przed,
                 const TWynikZwrotu& wynik, const QString& filmy) {
    TQuery q;
    const QString klient = QString::number(idKlienta);
    TTransakcja transakcja;
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

// ---------------------------------------------------------------- undo

bool ZapiszWycofanie(int idKlienta, const TWynikWycofania& wynik, const QString& filmy) {
    TQuery q;
    const QString klient = QString::number(idKlienta);
    TTransakcja transakcja;
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

bool ZapiszPrzedluzenie(int idKlienta, const TDanePrzedluzenia& dane,
                        const TPrzedPrzedluzeniem& przed, const TWynikPrzedluzenia& wynik,
                        const QString& filmy) {
    TQuery q;
    const QString klient = QString::number(idKlienta);
    TTransakcja transakcja;
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

}  // namespace

bool ZapiszZaleglosci(int idKlienta, const std::vector<TZaleglosc>& wiersze,
                      const TOcenaWplatyZaleglosci& ocena, const TWynikZaleglosci& wynik,
                      bool* zmienione) {
    if (zmienione) *zmienione = false;
    TQuery q;
    const QString klient = QString::number(idKlienta);
    TTransakcja transakcja;
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
