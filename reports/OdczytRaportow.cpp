#include "reports/OdczytRaportow.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>

#include "money/Kasa.h"
#include "reports/Raport.h"
#include "store/Formaty.h"
#include "store/OdczytWierszy.h"
#include "store/TQuery.h"
#include "store/Zegar.h"
#include "store/uWspolneDB.h"

namespace {

std::optional<qint64> Liczba(const TField& pole) {
    if (pole.IsNull()) return std::nullopt;
    return pole.AsLargeInt();
}

// The rows of the open query made into values, the query closed after them.
template <typename Wiersz, typename Czytaj>
std::optional<std::vector<Wiersz>> Wiersze(TQuery& q, Czytaj czytaj) {
    if (!q.Active()) return std::nullopt;
    std::vector<Wiersz> wynik;
    for (; !q.Eof(); q.Next()) wynik.push_back(czytaj(q));
    q.Close();
    return wynik;
}

QString TytulFilmu(const TQuery& q) {
    const QString org = q.FieldByName(QStringLiteral("Tytul_oryginalny")).AsString();
    const QString pol = q.FieldByName(QStringLiteral("Tytul_polski")).AsString();
    return pol.isEmpty() ? org : org + QStringLiteral(" (") + pol + ')';
}

// A money column the statement may lack: 0 then.
TKwota Kwota(const TQuery& q, const QString& kolumna) {
    const TField* pole = q.FindField(kolumna);
    return pole ? pole->AsKwota() : TKwota();
}

}  // namespace

std::optional<std::vector<TAbonent>> Abonenci(TQuery& q) {
    // Archived clients and subscriptions past their end date are listed too.
    OtworzSQL(q, QStringLiteral("select Numer_klienta NR, Nazwisko || ' ' || Imie KLIENT, "
                                "Abonament_OD, Abonament_DO, ID  \n"
                                "from klient\n"
                                "where abonament = True"));
    return Wiersze<TAbonent>(q, [](const TQuery& w) {
        return TAbonent{Liczba(w.FieldByName(QStringLiteral("NR"))),
                        w.FieldByName(QStringLiteral("KLIENT")).AsString(),
                        w.FieldByName(QStringLiteral("ABONAMENT_OD")).AsDate(),
                        w.FieldByName(QStringLiteral("ABONAMENT_DO")).AsDate(),
                        w.FieldByName(QStringLiteral("ID")).AsLargeInt()};
    });
}

bool OtworzAbonentow(TQuery& q) {
    OtworzSQL(q, QStringLiteral("select Numer_klienta NR, Nazwisko || ' ' || Imie KLIENT, "
                                "Abonament_OD, Abonament_DO  \n"
                                "from klient\n"
                                "where abonament = True"));
    return q.Active();
}

std::optional<std::vector<TWypozyczony>> Wypozyczone(TQuery& q, bool przeterminowane) {
    // Rentals of withdrawn films and of archived clients are listed too.
    QString sql = QStringLiteral(
        "select f.Tytul_oryginalny || ' (' || f.Tytul_polski || ')' tytul, k.nazwisko || ' ' || "
        "k.imie klient, r.dataOD, r.dataDO, k.id from rental r, klient k, film f where "
        "r.id_filmu = f.id and r.id_klienta = k.id and r.zwrocono = False");
    // Due before today: a film due today is not overdue yet.
    if (przeterminowane) sql += QStringLiteral(" and r.dataDO < ") + DataSQL(Dzisiaj());
    OtworzSQL(q, sql);
    if (!q.Active()) return std::nullopt;
    // Thousands of rows: each column found once, texts read without a QVariant.
    const int tytul = q.IndeksPola(QStringLiteral("tytul"));
    const int klient = q.IndeksPola(QStringLiteral("klient"));
    const int od = q.IndeksPola(QStringLiteral("dataOD"));
    const int do_ = q.IndeksPola(QStringLiteral("dataDO"));
    const int id = q.IndeksPola(QStringLiteral("id"));
    QByteArray zapas;
    return Wiersze<TWypozyczony>(q, [&](const TQuery& w) {
        const auto tekst = [&](int i) { return QString::fromUtf8(w.TekstUtf8(i, zapas)); };
        return TWypozyczony{tekst(tytul), tekst(klient), w.Pole(od).AsDate(), w.Pole(do_).AsDate(),
                            w.Calkowita(id)};
    });
}

bool OtworzWypozyczone(TQuery& q, bool przeterminowane) {
    QString sql = QStringLiteral(
        " SELECT f.Tytul_oryginalny || ' (' || f.Tytul_polski || ')' tytul,  k.nazwisko || ' ' "
        "|| k.imie klient,  r.dataOD, r.dataDO, k.id  FROM  rental r, klient k, film f  WHERE "
        "r.id_filmu   = f.id  AND   r.id_klienta = k.id  AND   r.zwrocono   = False");
    if (przeterminowane) sql += QStringLiteral("  AND   r.dataDO < ") + DataSQL(Dzisiaj());
    OtworzSQL(q, sql);
    return q.Active();
}

std::optional<TPodmiotArchiwum> PodmiotArchiwum(TQuery& q, bool klienta, int id) {
    const QString nr = QString::number(id);
    if (klienta)
        OtworzSQL(q, QStringLiteral("select Numer_klienta nr, Nazwisko ||' ' || Imie klient, "
                                    "Licznik from klient where ID = ") +
                         nr);
    else
        OtworzSQL(q, QStringLiteral("select Numer_filmu nr, Tytul_oryginalny || ' (' || "
                                    "Tytul_polski || ')' tytul, Wplywy from film where ID = ") +
                         nr);
    if (!q.Active()) return std::nullopt;
    TPodmiotArchiwum p;
    p.numer = q.FieldByName(QStringLiteral("nr")).AsLargeInt();
    if (klienta) {
        p.nazwa = q.FieldByName(QStringLiteral("klient")).AsString();
        p.licznik = q.FieldByName(QStringLiteral("Licznik")).AsString();
    } else {
        p.nazwa = q.FieldByName(QStringLiteral("tytul")).AsString();
        p.wplywy = q.FieldByName(QStringLiteral("Wplywy")).AsKwota();
    }
    q.Close();
    return p;
}

std::optional<std::vector<TLiniaArchiwum>> LinieArchiwum(TQuery& q, bool klienta, int id) {
    const QString nr = QString::number(id);
    if (klienta)
        OtworzSQL(q, QStringLiteral("select f.id, f.Numer_filmu nr, f.Tytul_oryginalny || ' (' || "
                                    "f.Tytul_polski || ')' tytul, r.dataOD dataod, r.dataZwrotu "
                                    "dataZwrotu  from rental r left outer join film f on f.ID = "
                                    "r.id_filmu where r.Id_klienta = ") +
                         nr + QStringLiteral(" order by dataOD DESC"));
    else
        OtworzSQL(q, QStringLiteral("select k.id, k.nazwisko || ' ' || k.imie klient, "
                                    "k.numer_klienta nr, r.dataOD dataOD, r.dataZwrotu dataZwrotu  "
                                    "from rental r left outer join klient k on k.id = "
                                    "r.id_klienta where r.id_filmu = ") +
                         nr + QStringLiteral(" order by dataOD DESC"));
    const QString nazwa = klienta ? QStringLiteral("tytul") : QStringLiteral("klient");
    return Wiersze<TLiniaArchiwum>(q, [&](const TQuery& w) {
        return TLiniaArchiwum{Liczba(w.FieldByName(QStringLiteral("nr"))),
                              Liczba(w.FieldByName(QStringLiteral("id"))),
                              w.FieldByName(QStringLiteral("dataod")).AsDate(),
                              w.FieldByName(QStringLiteral("dataZwrotu")).AsDate(),
                              w.FieldByName(nazwa).AsString()};
    });
}

bool OtworzArchiwum(TQuery& naglowek, TQuery& linie, bool klienta, int id) {
    const QString nr = QString::number(id);
    if (klienta) {
        OtworzSQL(naglowek, QStringLiteral(" select Imie || ' ' || Nazwisko Klient, Numer_klienta "
                                           "nr, Licznik  from klient where ID = ") +
                                nr);
        OtworzSQL(linie, QStringLiteral(" select f.Numer_filmu nr, f.Tytul_oryginalny || ' (' || "
                                        "f.Tytul_polski || ')' tytul, r.dataOD dataod, "
                                        "r.dataZwrotu dataZwrotu  from rental r left outer join "
                                        "film f on f.ID = r.id_filmu where r.Id_klienta = ") +
                             nr + QStringLiteral(" order by dataOD DESC"));
    } else {
        OtworzSQL(naglowek, QStringLiteral(" select Numer_filmu nr, Tytul_oryginalny || ' (' || "
                                           "Tytul_polski || ')' Tytul, Wplywy  from film where "
                                           "ID = ") +
                                nr);
        OtworzSQL(linie, QStringLiteral(" select k.nazwisko || ' ' || k.imie klient, "
                                        "k.numer_klienta nr, r.dataOD dataOD, r.dataZwrotu "
                                        "dataZwrotu  from rental r left outer join klient k on "
                                        "k.id = r.id_klienta where r.id_filmu = ") +
                             nr + QStringLiteral(" order by dataOD DESC"));
    }
    return naglowek.Active() && linie.Active();
}

bool OtworzRanking(TQuery& q, bool filmy) {
    // Equal amounts come in alphabetical order of the title or the name.
    if (filmy)
        // Withdrawn films are never ranked.
        OtworzSQL(q, QStringLiteral("select Numer_filmu nr, Tytul_oryginalny || ' (' || "
                                    "Tytul_polski || ')' tytul, wplywy from ") +
                         TabelaBazy(QStringLiteral("film.db")) +
                         QStringLiteral(" where aktualny = true order by wplywy desc, tytul"));
    else
        // Only returned rentals count; archived clients are ranked too.
        OtworzSQL(q, QStringLiteral("select k.id, k.numer_klienta nr, k.nazwisko, k.imie, "
                                    "sum( r.naleznosc ) kwota from ") +
                         TabelaBazy(QStringLiteral("klient.db")) + QStringLiteral(" k, ") +
                         TabelaBazy(QStringLiteral("rental.db")) +
                         QStringLiteral(" r where k.id = r.id_klienta and zwrocono = true "
                                        "group by k.id, k.nazwisko, k.imie, k.numer_klienta "
                                        "order by kwota desc, k.nazwisko, k.imie"));
    return q.Active();
}

TPozycjaRankingu PozycjaRankingu(const TQuery& q, bool filmy) {
    if (filmy)
        return {q.FieldByName(QStringLiteral("tytul")).AsString(),
                q.FieldByName(QStringLiteral("wplywy")).AsKwota()};
    return {q.FieldByName(QStringLiteral("nazwisko")).AsString() + ' ' +
                q.FieldByName(QStringLiteral("imie")).AsString(),
            q.FieldByName(QStringLiteral("kwota")).AsKwota()};
}

bool OtworzRuchyKasy(TQuery& q, const QDate& od, const QDate& do_, const QString& stanowisko) {
    // The client may be archived or gone: the movement is listed all the same.
    const QString tylkoStanowisko =
        stanowisko.isEmpty() ? QString()
                             : QStringLiteral(" and k.Stanowisko = ") + TekstSQL(stanowisko);
    OtworzSQL(q, QStringLiteral("select k.Data, k.Czas, k.ID, k.Rodzaj, k.Kwota, k.Opis, "
                                "c.numer_klienta nr, c.nazwisko || ' ' || c.imie klient "
                                "from kasa k left join ") +
                     TabelaBazy(QStringLiteral("klient.db")) +
                     QStringLiteral(" c on c.id = k.id_klienta where k.Data >= ") + DataSQL(od) +
                     QStringLiteral(" and k.Data <= ") + DataSQL(do_) + tylkoStanowisko +
                     QStringLiteral(" order by k.Data, k.Czas, k.ID"));
    return q.Active();
}

std::optional<QStringList> StanowiskaKasy() {
    TQuery q;
    auto nazwy = WierszeZapytania(
        q, QStringLiteral("select distinct Stanowisko from kasa where Stanowisko <> ''"),
        [](TQuery& w) { return w.FieldByName(QStringLiteral("Stanowisko")).AsString(); });
    if (!nazwy) return std::nullopt;
    QCollator polski(QLocale(QLocale::Polish, QLocale::Poland));
    std::sort(nazwy->begin(), nazwy->end(), polski);
    return QStringList(nazwy->begin(), nazwy->end());
}

TRuchKasy RuchKasy(const TQuery& q) {
    TRuchKasy r;
    r.data = q.FieldByName(QStringLiteral("Data")).AsDate();
    r.czas = q.FieldByName(QStringLiteral("Czas")).AsString();
    const TField& nr = q.FieldByName(QStringLiteral("nr"));
    r.nr = nr.IsNull() ? QString() : Numer4(nr.AsLargeInt());
    r.klient = q.FieldByName(QStringLiteral("klient")).AsString().trimmed();
    r.rodzaj = q.FieldByName(QStringLiteral("Rodzaj")).AsString();
    r.opis = q.FieldByName(QStringLiteral("Opis")).AsString();
    r.kwota = q.FieldByName(QStringLiteral("Kwota")).AsKwota();
    return r;
}

bool OtworzWypozyczeniaOkresu(TQuery& q, const QDate& od, const QDate& do_) {
    // A rental counts when it started in the range and was returned by its last day, or
    // is still out (an open rental that started after the range counts too).
    OtworzSQL(q, QStringLiteral("select k.numer_klienta nr, k.nazwisko || ' ' || k.imie klient, "
                                "f.tytul_oryginalny tytul, r.platnosc, r.platnosc1, "
                                "r.z_abonamentu, r.zwrocono, r.naleznosc from ") +
                     TabelaBazy(QStringLiteral("rental.db")) + QStringLiteral(" r, ") +
                     TabelaBazy(QStringLiteral("klient.db")) + QStringLiteral(" k, ") +
                     TabelaBazy(QStringLiteral("film.db")) +
                     QStringLiteral(" f where r.dataOD >= ") + DataSQL(od) +
                     QStringLiteral(" and ( ( r.dataZwrotu <= ") + DataSQL(do_) +
                     QStringLiteral(" ) or ( r.dataZwrotu is null and r.zwrocono = false ) ) "
                                    "and k.id = r.id_klienta and f.id = r.id_filmu "));
    return q.Active();
}

TWypozyczenieOkresu WypozyczenieOkresu(const TQuery& q) {
    TWypozyczenieOkresu w;
    w.nr = Liczba(q.FieldByName(QStringLiteral("nr")));
    w.klient = q.FieldByName(QStringLiteral("klient")).AsString();
    w.tytul = q.FieldByName(QStringLiteral("tytul")).AsString();
    const TField* zwrocono = q.FindField(QStringLiteral("zwrocono"));
    const TField* naleznosc = q.FindField(QStringLiteral("naleznosc"));
    w.kwoty.zwrocono = zwrocono && zwrocono->AsBoolean();
    w.kwoty.jestNaleznosc = naleznosc && !naleznosc->IsNull();
    w.kwoty.naleznosc = Kwota(q, QStringLiteral("naleznosc"));
    w.kwoty.platnosc = Kwota(q, QStringLiteral("platnosc"));
    w.kwoty.platnosc1 = Kwota(q, QStringLiteral("platnosc1"));
    w.kwoty.zAbonamentu = Kwota(q, QStringLiteral("z_abonamentu"));
    return w;
}

void UzupelnijPotwierdzenie(TPotwierdzenie& p) {
    TQuery q;
    OtworzSQL(q, QStringLiteral("select Numer_klienta, Nazwisko, Imie from klient where ID = ") +
                     QString::number(p.IdKlienta));
    if (q.Active() && !q.Eof()) {
        p.NumerKlienta = q.FieldByName(QStringLiteral("Numer_klienta")).AsLargeInt();
        p.Klient = (q.FieldByName(QStringLiteral("Nazwisko")).AsString() + ' ' +
                    q.FieldByName(QStringLiteral("Imie")).AsString())
                       .trimmed();
    }
    q.Close();
    for (TPozycjaPotwierdzenia& f : p.Pozycje) {
        OtworzSQL(q, QStringLiteral("select Numer_filmu, Tytul_oryginalny, Tytul_polski from "
                                    "film where ID = ") +
                         QString::number(f.IdFilmu));
        if (q.Active() && !q.Eof()) {
            f.NumerFilmu = q.FieldByName(QStringLiteral("Numer_filmu")).AsLargeInt();
            f.Tytul = TytulFilmu(q);
        }
        q.Close();
    }
    OtworzSQL(q, QStringLiteral("select min( dataDO ) termin from rental where id_klienta = ") +
                     QString::number(p.IdKlienta) + QStringLiteral(" and zwrocono = False"));
    p.Termin = q.Active() && !q.Eof() ? q.FieldByName(QStringLiteral("termin")).AsDate() : QDate();
    q.Close();
}

namespace {

// The slip's lines of the rentals the condition finds.
bool DodajPozycje(TPotwierdzenie& p, const QString& warunek) {
    TQuery q;
    OtworzSQL(q, QStringLiteral("select r.id_filmu, r.dataOD, r.dataDO, r.DataZwrotu, r.naleznosc "
                                "from rental r, film f where f.ID = r.id_filmu and "
                                "r.id_klienta = ") +
                     QString::number(p.IdKlienta) + QStringLiteral(" and ") + warunek);
    if (!q.Active()) return false;
    const auto data = [&q](const char* kolumna) {
        return q.FieldByName(QString::fromLatin1(kolumna)).AsDate();
    };
    for (; !q.Eof(); q.Next())
        p.Pozycje.push_back({q.FieldByName(QStringLiteral("id_filmu")).AsInteger(), 0, QString(),
                             data("dataOD"), data("dataDO"), data("DataZwrotu"),
                             q.FieldByName(QStringLiteral("naleznosc")).AsKwota()});
    q.Close();
    return true;
}

TRodzajOperacji RodzajRuchu(const QString& rodzaj) {
    if (rodzaj == RodzajKasy::Zwrot) return TRodzajOperacji::Zwrot;
    if (rodzaj == RodzajKasy::Przedluzenie) return TRodzajOperacji::Przedluzenie;
    if (rodzaj == RodzajKasy::Zaleglosci) return TRodzajOperacji::Zaleglosci;
    return TRodzajOperacji::Wypozyczenie;
}

}  // namespace

std::optional<TPotwierdzenie> OstatniaOperacja(int idKlienta) {
    const QString klient = QString::number(idKlienta);
    TQuery q;
    // The newest rental day and return day.
    OtworzSQL(q, QStringLiteral("select max( dataOD ) od, max( DataZwrotu ) zwrot from rental "
                                "where id_klienta = ") +
                     klient);
    if (!q.Active()) return std::nullopt;
    const QDate dzienWypozyczenia =
        q.Eof() ? QDate() : q.FieldByName(QStringLiteral("od")).AsDate();
    const QDate dzienZwrotu = q.Eof() ? QDate() : q.FieldByName(QStringLiteral("zwrot")).AsDate();
    q.Close();
    const QDate ostatni = std::max(dzienWypozyczenia, dzienZwrotu);

    // The journal's newest operation of the client.
    OtworzSQL(q,
              QStringLiteral("select Data, Czas, Rodzaj, Opis from kasa where id_klienta = ") +
                  klient + QStringLiteral(" and Rodzaj in ( ") +
                  QStringList{TekstSQL(RodzajKasy::Wypozyczenie), TekstSQL(RodzajKasy::Zwrot),
                              TekstSQL(RodzajKasy::Przedluzenie), TekstSQL(RodzajKasy::Zaleglosci)}
                      .join(QStringLiteral(", ")) +
                  QStringLiteral(" ) order by ID desc"));
    if (!q.Active()) return std::nullopt;
    const bool zKasy = !q.Eof() && q.FieldByName(QStringLiteral("Data")).AsDate() >= ostatni;
    const QDate dzien = zKasy ? q.FieldByName(QStringLiteral("Data")).AsDate() : ostatni;
    const QString czas = zKasy ? q.FieldByName(QStringLiteral("Czas")).AsString() : QString();
    const QString rodzaj = zKasy ? q.FieldByName(QStringLiteral("Rodzaj")).AsString() : QString();
    const QString opis = zKasy ? q.FieldByName(QStringLiteral("Opis")).AsString() : QString();
    q.Close();
    if (!dzien.isValid()) return std::nullopt;

    TPotwierdzenie p;
    p.IdKlienta = idKlienta;
    if (zKasy) {
        p.Rodzaj = RodzajRuchu(rodzaj);
        p.Chwila = QDateTime(dzien, QTime::fromString(czas, QStringLiteral("HH:mm:ss")));
        // The money of that moment: taken, and a surplus handed back.
        OtworzSQL(q, QStringLiteral("select Kwota from kasa where id_klienta = ") + klient +
                         QStringLiteral(" and Data = ") + DataSQL(dzien) +
                         QStringLiteral(" and Czas = ") + TekstSQL(czas) +
                         QStringLiteral(" and Rodzaj = ") + TekstSQL(rodzaj));
        if (!q.Active()) return std::nullopt;
        for (; !q.Eof(); q.Next()) {
            const TKwota k = q.FieldByName(QStringLiteral("Kwota")).AsKwota();
            if (k.Dodatnia())
                p.Zaplacono += k;
            else
                p.Wydano -= k;
        }
        q.Close();
    } else {
        // Without money the journal has no line: the day's rentals, or returns if later.
        p.Rodzaj = dzienZwrotu.isValid() && dzienZwrotu > dzienWypozyczenia
                       ? TRodzajOperacji::Zwrot
                       : TRodzajOperacji::Wypozyczenie;
        p.Chwila = QDateTime(dzien, QTime(0, 0));
        p.BezGodziny = true;
    }

    // The films: the day's rentals or returns, or the films the extension names.
    bool odczytano = true;
    const QString dnia = DataSQL(dzien);
    switch (p.Rodzaj) {
        case TRodzajOperacji::Wypozyczenie:
            odczytano = DodajPozycje(p, QStringLiteral("r.dataOD = ") + dnia);
            break;
        case TRodzajOperacji::Zwrot:
            odczytano =
                DodajPozycje(p, QStringLiteral("r.zwrocono = True and r.DataZwrotu = ") + dnia);
            break;
        case TRodzajOperacji::Przedluzenie: {
            QStringList numery;
            for (const QString& n : opis.split(QLatin1Char(','), Qt::SkipEmptyParts))
                if (const qint64 numer = n.trimmed().toLongLong(); numer > 0)
                    numery << QString::number(numer);
            if (!numery.isEmpty())
                odczytano =
                    DodajPozycje(p, QStringLiteral("r.zwrocono = False and f.Numer_filmu in ( ") +
                                        numery.join(QStringLiteral(", ")) + QStringLiteral(" )"));
            break;
        }
        case TRodzajOperacji::Zaleglosci:
            break;
    }
    // What is left unpaid: the open rentals, and the returned ones after a return or an
    // arrears payment.
    const std::optional<TKwota> otwarte = SumaKwot(
        q,
        QStringLiteral("select platnosc from rental where zwrocono = False and id_klienta = ") +
            klient,
        "platnosc");
    std::optional<TKwota> zwrocone = TKwota();
    if (p.Rodzaj == TRodzajOperacji::Zwrot)
        zwrocone = SumaKwot(q,
                            QStringLiteral("select Platnosc1 from rental where zwrocono = True "
                                           "and id_klienta = ") +
                                klient + QStringLiteral(" and DataZwrotu = ") + dnia,
                            "Platnosc1");
    if (p.Rodzaj == TRodzajOperacji::Zaleglosci)
        zwrocone = SumaKwot(q,
                            QStringLiteral("select Platnosc1 from rental where zwrocono = True "
                                           "and id_klienta = ") +
                                klient,
                            "Platnosc1");
    const std::optional<TKwota> saldo =
        SumaKwot(q, QStringLiteral("select Saldo from klient where ID = ") + klient, "Saldo");
    if (!odczytano || !otwarte || !zwrocone || !saldo) return std::nullopt;
    p.Pozostaje = *otwarte + *zwrocone;
    p.Saldo = *saldo;
    UzupelnijPotwierdzenie(p);
    return p;
}

bool WczytajKarteKlienta(int idKlienta, TKartaKlienta& karta) {
    TQuery q;
    OtworzSQL(q, QStringLiteral("select Numer_klienta, Imie, Nazwisko from klient where ID = ") +
                     QString::number(idKlienta));
    const bool jest = q.Active() && !q.Eof();
    if (jest) {
        karta.Numer = q.FieldByName(QStringLiteral("Numer_klienta")).AsLargeInt();
        karta.Klient = (q.FieldByName(QStringLiteral("Imie")).AsString() + ' ' +
                        q.FieldByName(QStringLiteral("Nazwisko")).AsString())
                           .trimmed();
    }
    q.Close();
    return jest;
}

namespace {

// The current films the condition picks, in number order.
std::vector<TEtykieta> EtykietyFilmow(const QString& warunek) {
    TQuery q;
    OtworzSQL(q, QStringLiteral("select Numer_filmu, Tytul_oryginalny, Tytul_polski from film "
                                "where Aktualny = True and ") +
                     warunek + QStringLiteral(" order by Numer_filmu"));
    return Wiersze<TEtykieta>(q,
                              [](const TQuery& w) {
                                  return TEtykieta{
                                      w.FieldByName(QStringLiteral("Numer_filmu")).AsLargeInt(),
                                      TytulFilmu(w)};
                              })
        .value_or(std::vector<TEtykieta>{});
}

}  // namespace

std::vector<TEtykieta> EtykietyZakresu(qint64 od, qint64 do_) {
    return EtykietyFilmow(QStringLiteral("Numer_filmu >= ") + QString::number(od) +
                          QStringLiteral(" and Numer_filmu <= ") + QString::number(do_));
}

std::vector<TEtykieta> EtykietyDnia(const QDate& dzien) {
    return EtykietyFilmow(QStringLiteral("DataWprowadzenia = ") + DataSQL(dzien));
}
