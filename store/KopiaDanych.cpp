#include "store/KopiaDanych.h"

#include <QHash>
#include <QVariant>
#include <algorithm>
#include <memory>
#include <vector>

#include "store/Baza.h"
#include "store/Kursor.h"
#include "store/Kwota.h"
#include "store/TQuery.h"
#include "store/Tlumacz.h"

namespace {

// The server's tables that are not the program's data.
const QStringList TabeleSerwera = {QStringLiteral("wirdolan_schemat"),
                                   QStringLiteral("wirdolan_kopia_dnia")};

// Rows written by one statement, and rows read from the server at a time.
constexpr size_t WierszyNaPolecenie = 100;
constexpr size_t WierszyNaKopie = 5000;  // a server's COPY
constexpr int WierszyNaOdczyt = 2000;

bool NaSerwerze(const TBaza& baza) {
    return baza.Rodzaj() == TRodzajBazy::Serwer;
}

std::unique_ptr<TKursor> Zapytanie(TBaza& baza, const QString& sql) {
    return baza.Przygotuj(sql, {});
}

qint64 Liczba(TBaza& baza, const QString& sql) {
    const auto k = Zapytanie(baza, sql);
    return k->Krok() ? k->Wartosc(0).toLongLong() : 0;
}

// Ends a transaction on any path without a second error.
void Wycofaj(TBaza& baza) {
    baza.WykonajBezWyjatku(QStringLiteral("rollback"));
}

// A column of the target: its name and how the store keeps it.
struct TKolumna {
    QString nazwa;
    TField::TTyp typ;
};

std::vector<TKolumna> Kolumny(TBaza& baza, const QString& tabela) {
    const auto k = Zapytanie(baza, QStringLiteral("select * from %1 where 1 = 0").arg(tabela));
    std::vector<TKolumna> kolumny;
    for (int i = 0; i < k->LiczbaKolumn(); ++i)
        kolumny.push_back({QString::fromUtf8(k->NazwaKolumny(i)), k->TypKolumny(i)});
    return kolumny;
}

// The value as the target keeps a column of the kind, read as the program reads it.
QVariant Wartosc(const QVariant& v, TField::TTyp zTypu, TField::TTyp naTyp, bool serwer) {
    if (v.isNull()) return {};
    const TField pole(QString(), zTypu, v);
    switch (naTyp) {
        case TField::TTyp::Kwota: {
            const TKwota kwota = pole.AsKwota();
            if (!serwer) return kwota.Zlote();
            const qint64 g = kwota.Grosze();
            const qint64 bez = g < 0 ? -g : g;
            return QStringLiteral("%1%2.%3")
                .arg(g < 0 ? QStringLiteral("-") : QString())
                .arg(bez / 100)
                .arg(bez % 100, 2, 10, QLatin1Char('0'));
        }
        case TField::TTyp::Logiczny:
            return pole.AsBoolean();
        case TField::TTyp::Data: {
            const QDate d = pole.AsDate();
            return d.isValid() ? QVariant(d) : QVariant();
        }
        default:
            return v;
    }
}

// Reads a table of the source row by row: a SQLite statement stepped, or the server's
// cursor fetched a part at a time.
class TOdczyt {
public:
    TOdczyt(TBaza& b, const QString& tabela) : baza(b) {
        // The rentals in the order they were written: a file's rowid, the server's key.
        QString sql = QStringLiteral("select * from ") + tabela;
        if (tabela == QLatin1String("rental"))
            sql += QStringLiteral(" order by ") +
                   (NaSerwerze(baza) ? QLatin1String(KolumnaKolejnosci) : QLatin1String("rowid"));
        if (NaSerwerze(baza)) {
            baza.Wykonaj(QStringLiteral("declare wirdolan_kopia no scroll cursor for ") + sql);
            Pobierz();
        } else {
            kursor = Zapytanie(baza, sql);
        }
    }
    ~TOdczyt() {
        if (NaSerwerze(baza)) baza.WykonajBezWyjatku(QStringLiteral("close wirdolan_kopia"));
    }
    TKursor& Kursor() { return *kursor; }
    bool Krok() {
        if (kursor->Krok()) return true;
        if (!NaSerwerze(baza) || !pelny) return false;
        Pobierz();
        return kursor->Krok();
    }

private:
    void Pobierz() {
        kursor =
            Zapytanie(baza, QStringLiteral("fetch %1 from wirdolan_kopia").arg(WierszyNaOdczyt));
        int n = 0;
        while (kursor->Krok()) ++n;
        kursor->OdNowa();
        pelny = n == WierszyNaOdczyt;
    }
    TBaza& baza;
    std::unique_ptr<TKursor> kursor;
    bool pelny = false;
};

void KopiujTabele(TBaza& zrodlo, TBaza& cel, const QString& tabela, std::stop_token stop,
                  const std::function<void()>& wiersz) {
    const std::vector<TKolumna> docelowe = Kolumny(cel, tabela);
    TOdczyt odczyt(zrodlo, tabela);
    // Each column of the source and its column in the target. The rentals' key column is
    // not copied: the target numbers the rows in the order they come, as it writes them.
    // (The server's cursor is replaced with every part fetched: it is never kept past a step.)
    std::vector<int> kolumny, miejsca;
    QStringList nazwy;
    const TKursor& k = odczyt.Kursor();  // the first part's: only its columns are read
    for (int i = 0; i < k.LiczbaKolumn(); ++i) {
        const QString nazwa = QString::fromUtf8(k.NazwaKolumny(i));
        if (tabela == QLatin1String("rental") && nazwa == QLatin1String(KolumnaKolejnosci))
            continue;
        const auto it = std::find_if(docelowe.begin(), docelowe.end(), [&](const TKolumna& c) {
            return c.nazwa.compare(nazwa, Qt::CaseInsensitive) == 0;
        });
        if (it == docelowe.end())
            throw TBladBazy(
                QStringLiteral("W bazie docelowej brak kolumny %1 tabeli %2.").arg(nazwa, tabela));
        kolumny.push_back(i);
        miejsca.push_back(static_cast<int>(it - docelowe.begin()));
        nazwy << it->nazwa;
    }
    const bool serwer = NaSerwerze(cel);
    // The rows go over in parts: by the store's own bulk way where it has one (a server's
    // COPY), else by statements of many rows.
    std::vector<std::vector<QVariant>> czesc;
    const auto zapisz = [&] {
        if (czesc.empty() || cel.WstawWiersze(tabela, nazwy, czesc)) {
            czesc.clear();
            return;
        }
        QHash<QString, QVariant> parametry;
        QStringList wiersze;
        for (const std::vector<QVariant>& w : czesc) {
            QStringList pola;
            for (const QVariant& v : w) {
                const QString nazwa =
                    QStringLiteral(":W%1").arg(parametry.size());  // upper case, as looked up
                parametry.insert(nazwa, v);
                pola << nazwa;
            }
            wiersze << '(' + pola.join(QStringLiteral(", ")) + ')';
        }
        cel.Przygotuj(QStringLiteral("insert into %1 (%2) values ")
                              .arg(tabela, nazwy.join(QStringLiteral(", "))) +
                          wiersze.join(QStringLiteral(", ")),
                      parametry)
            ->Krok();
        czesc.clear();
    };
    const size_t wierszyNaCzesc = serwer ? WierszyNaKopie : WierszyNaPolecenie;
    while (odczyt.Krok()) {
        if (stop.stop_requested()) throw TBladBazy(QStringLiteral("Kopię przerwano."));
        const TKursor& r = odczyt.Kursor();
        std::vector<QVariant> w;
        w.reserve(kolumny.size());
        for (size_t j = 0; j < kolumny.size(); ++j) {
            const TKolumna& c = docelowe[static_cast<size_t>(miejsca[j])];
            const int i = kolumny[j];
            w.push_back(Wartosc(r.Wartosc(i), r.TypKolumny(i), c.typ, serwer));
        }
        czesc.push_back(std::move(w));
        if (czesc.size() == wierszyNaCzesc) zapisz();
        wiersz();
    }
    zapisz();
    // The next key the server gives continues past the highest copied.
    if (serwer && std::any_of(docelowe.begin(), docelowe.end(), [](const TKolumna& c) {
            return c.nazwa.compare(QLatin1String("id"), Qt::CaseInsensitive) == 0;
        }))
        cel.Wykonaj(QStringLiteral("select setval(pg_get_serial_sequence('%1', 'id'), "
                                   "coalesce((select max(id) from %1), 0) + 1, false)")
                        .arg(tabela));
}

}  // namespace

QStringList TabeleDanych(TBaza& baza) {
    const auto k = Zapytanie(
        baza, NaSerwerze(baza)
                  ? QStringLiteral("select table_name from information_schema.tables where "
                                   "table_schema = current_schema() and table_type = 'BASE TABLE'")
                  : QStringLiteral("select name from sqlite_master where type = 'table' and "
                                   "name not like 'sqlite%'"));
    QStringList tabele;
    while (k->Krok()) {
        const QString nazwa = k->Wartosc(0).toString().toLower();
        if (!TabeleSerwera.contains(nazwa)) tabele << nazwa;
    }
    tabele.sort();
    return tabele;
}

int WersjaDanych(TBaza& baza) {
    return static_cast<int>(Liczba(baza, NaSerwerze(baza)
                                             ? QStringLiteral("select wersja from wirdolan_schemat")
                                             : QStringLiteral("PRAGMA user_version")));
}

bool BazaZawieraDane(TBaza& baza) {
    const QStringList tabele = TabeleDanych(baza);
    return std::any_of(tabele.begin(), tabele.end(), [&](const QString& t) {
        return Zapytanie(baza, QStringLiteral("select 1 from %1 limit 1").arg(t))->Krok();
    });
}

void KopiujDane(TBaza& zrodlo, TBaza& cel, std::stop_token stop,
                const std::function<void(int)>& postep) {
    const int wersja = WersjaDanych(zrodlo);
    if (wersja != WersjaDanych(cel))
        throw TBladBazy(QStringLiteral("Baza docelowa ma inną wersję struktury (%1) niż "
                                       "kopiowana (%2).")
                            .arg(WersjaDanych(cel))
                            .arg(wersja));
    // One snapshot of the source for every table.
    zrodlo.Wykonaj(NaSerwerze(zrodlo)
                       ? QStringLiteral("begin isolation level repeatable read read only")
                       : QStringLiteral("begin"));
    try {
        const QStringList tabele = TabeleDanych(zrodlo);
        const QStringList docelowe = TabeleDanych(cel);
        qint64 wszystkich = 0;
        for (const QString& t : tabele) {
            if (!docelowe.contains(t))
                throw TBladBazy(QStringLiteral("W bazie docelowej brak tabeli %1.").arg(t));
            wszystkich += Liczba(zrodlo, QStringLiteral("select count(*) from ") + t);
        }
        qint64 skopiowanych = 0;
        int procent = -1;
        const auto wiersz = [&] {
            ++skopiowanych;
            const int teraz =
                static_cast<int>(100 * skopiowanych / std::max<qint64>(wszystkich, 1));
            if (postep && teraz != procent) postep(procent = teraz);
        };
        cel.Zacznij();
        try {
            for (const QString& t : docelowe) cel.Wykonaj(QStringLiteral("delete from ") + t);
            for (const QString& t : tabele) KopiujTabele(zrodlo, cel, t, stop, wiersz);
            cel.Wykonaj(QStringLiteral("commit"));
        } catch (...) {
            Wycofaj(cel);
            throw;
        }
        zrodlo.Wykonaj(QStringLiteral("commit"));
    } catch (...) {
        Wycofaj(zrodlo);
        throw;
    }
    if (postep) postep(100);
}
