#include "admin/SprawdzenieBazy.h"

#include <sqlite3.h>

#include <QDate>
#include <QFile>
#include <QStringList>
#include <functional>

#include "store/Formaty.h"
#include "store/ObceObiekty.h"

namespace {

class TSprawdzenie {
public:
    explicit TSprawdzenie(sqlite3* uchwyt) : baza(uchwyt) {}

    // Runs a query and turns each row into a problem of the kind.
    void Zapytanie(TRodzajProblemu rodzaj, const QString& sql,
                   const std::function<QString(sqlite3_stmt*)>& opis) {
        sqlite3_stmt* st = nullptr;
        const QByteArray tekst = sql.toUtf8();
        if (sqlite3_prepare_v2(baza, tekst.constData(), -1, &st, nullptr) != SQLITE_OK) {
            Blad();
            return;
        }
        int kod;
        while ((kod = sqlite3_step(st)) == SQLITE_ROW) problemy.push_back({rodzaj, opis(st)});
        if (kod != SQLITE_DONE) Blad();
        sqlite3_finalize(st);
    }

    std::vector<TProblemBazy> problemy;

private:
    void Blad() {
        problemy.push_back(
            {TRodzajProblemu::Spojnosc, QStringLiteral("Nie można sprawdzić bazy danych: ") +
                                            QString::fromUtf8(sqlite3_errmsg(baza))});
    }
    sqlite3* baza;
};

QString Tekst(sqlite3_stmt* st, int i) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, i)));
}

// A client or film number as shown; the row key when the row has no number.
QString Numer(sqlite3_stmt* st, int i, int iId) {
    if (sqlite3_column_type(st, i) != SQLITE_NULL) return Numer4(sqlite3_column_int64(st, i));
    return QStringLiteral("(ID ") + Tekst(st, iId) + ')';
}

QString Data(sqlite3_stmt* st, int i) {
    const QDate d = QDate::fromString(Tekst(st, i), Qt::ISODate);
    return d.isValid() ? DataDluga(d) : QStringLiteral("?");
}

// The rental's film and client as the start of a line: "Wypożyczenie filmu 0012 klienta
// 0007 z dnia 05.03.2024". Columns from first: film number, film id, client number,
// client id, dataOD.
QString Wypozyczenie(sqlite3_stmt* st, int pierwsza) {
    return QStringLiteral("Wypożyczenie filmu ") + Numer(st, pierwsza, pierwsza + 1) +
           QStringLiteral(" klienta ") + Numer(st, pierwsza + 2, pierwsza + 3) +
           QStringLiteral(" z dnia ") + Data(st, pierwsza + 4);
}

const char* const KolumnyWypozyczenia =
    "f.Numer_filmu, r.id_filmu, k.Numer_klienta, r.id_klienta, r.dataOD";
const char* const ZWypozyczen =
    " from rental r left join film f on f.ID = r.id_filmu"
    " left join klient k on k.ID = r.id_klienta";

QString Otwarte(const char* r) {
    return QStringLiteral("coalesce(%1.zwrocono, 0) = 0").arg(QString::fromLatin1(r));
}

// A stored date is null or ISO text of a calendar date (through the day number, so that
// 31 February does not pass).
QString ZlaData(const QString& k) {
    return QStringLiteral(
               "(%1 is not null and not (typeof(%1) = 'text' and %1 glob "
               "'[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' and date(julianday(%1)) is "
               "%1))")
        .arg(k);
}

// A stored amount is null or a finite number with at most two decimals.
QString ZlaKwota(const QString& k) {
    return QStringLiteral(
               "(%1 is not null and (typeof(%1) not in ('integer', 'real') or abs(%1) > 1e12 "
               "or abs(%1 * 100 - round(%1 * 100)) > 0.0001))")
        .arg(k);
}

void Zasady(TSprawdzenie& s) {
    using R = TRodzajProblemu;
    // A film whose shelf mark disagrees with its open rentals.
    const auto znacznikFilmu = [&](R rodzaj, const QString& warunek, const QString& opis) {
        s.Zapytanie(
            rodzaj,
            QStringLiteral("select f.Numer_filmu, f.ID from film f where coalesce(f.Status, 0) ") +
                warunek + QStringLiteral(" (select 1 from rental r where r.id_filmu = f.ID and ") +
                Otwarte("r") + QStringLiteral(") order by f.Numer_filmu, f.ID"),
            [opis](sqlite3_stmt* st) { return QStringLiteral("Film ") + Numer(st, 0, 1) + opis; });
    };
    znacznikFilmu(R::WypozyczonyBezWpisu, QStringLiteral("= 0 and not exists"),
                  QStringLiteral(" jest oznaczony jako wypożyczony, a nie ma otwartego "
                                 "wypożyczenia."));
    znacznikFilmu(R::NaPolceZWpisem, QStringLiteral("<> 0 and exists"),
                  QStringLiteral(" jest oznaczony jako na półce, a ma otwarte wypożyczenie."));
    s.Zapytanie(
        R::KilkaOtwartych,
        QStringLiteral("select f.Numer_filmu, r.id_filmu, count(*) from rental r left "
                       "join film f on f.ID = r.id_filmu where ") +
            Otwarte("r") +
            QStringLiteral(" group by r.id_filmu having count(*) > 1 order by f.Numer_filmu"),
        [](sqlite3_stmt* st) {
            return QStringLiteral("Film ") + Numer(st, 0, 1) +
                   QStringLiteral(" ma kilka otwartych wypożyczeń (") + Tekst(st, 2) +
                   QStringLiteral("), a może mieć najwyżej jedno.");
        });
    // Rentals of a client or a film the store does not hold.
    const auto bezWiersza = [&](R rodzaj, const QString& warunek, const QString& opis) {
        s.Zapytanie(rodzaj, QStringLiteral("select ") + KolumnyWypozyczenia + ZWypozyczen + warunek,
                    [opis](sqlite3_stmt* st) { return Wypozyczenie(st, 0) + opis; });
    };
    bezWiersza(R::BrakKlienta, QStringLiteral(" where k.ID is null order by 1, 4, 5"),
               QStringLiteral(" dotyczy klienta, którego nie ma w bazie."));
    bezWiersza(R::BrakFilmu, QStringLiteral(" where f.ID is null order by 3, 2, 5"),
               QStringLiteral(" dotyczy filmu, którego nie ma w bazie."));

    // Dates and amounts, column by column.
    struct TKolumna {
        const char* tabela;
        const char* kolumna;
        R rodzaj;
    };
    const TKolumna kolumny[] = {
        {"klient", "Ostatnie_wypozyczenie", R::Data},
        {"klient", "Abonament_OD", R::Data},
        {"klient", "Abonament_DO", R::Data},
        {"klient", "Saldo", R::Saldo},
        {"film", "Stawka", R::Kwota},
        {"film", "Wplywy", R::Kwota},
        {"film", "Cena_zakupu", R::Kwota},
        {"rental", "dataOD", R::Data},
        {"rental", "dataDO", R::Data},
        {"rental", "DataZwrotu", R::Data},
        {"rental", "platnosc", R::Kwota},
        {"rental", "Platnosc1", R::Kwota},
        {"rental", "Z_abonamentu", R::Kwota},
        {"rental", "Naleznosc", R::Kwota},
        {"rental", "Stawka", R::Kwota},
    };
    for (const TKolumna& k : kolumny) {
        const QString tabela = QString::fromLatin1(k.tabela);
        const QString kolumna = QString::fromLatin1(k.kolumna);
        const QString zla = k.rodzaj == R::Data ? ZlaData(QStringLiteral("x.") + kolumna)
                                                : ZlaKwota(QStringLiteral("x.") + kolumna);
        const QString rodzajPola =
            k.rodzaj == R::Data ? QStringLiteral("data") : QStringLiteral("kwota");
        if (tabela == QStringLiteral("rental")) {
            s.Zapytanie(k.rodzaj,
                        QStringLiteral("select ") + KolumnyWypozyczenia + QStringLiteral(", r.") +
                            kolumna + ZWypozyczen + QStringLiteral(" where ") +
                            QString(zla).replace(QStringLiteral("x."), QStringLiteral("r.")) +
                            QStringLiteral(" order by 1, 3"),
                        [=](sqlite3_stmt* st) {
                            return Wypozyczenie(st, 0) + QStringLiteral(": niepoprawna ") +
                                   rodzajPola + QStringLiteral(" w polu ") + kolumna +
                                   QStringLiteral(": \"") + Tekst(st, 5) + '"' + '.';
                        });
            continue;
        }
        const bool klient = tabela == QStringLiteral("klient");
        const QString numer =
            klient ? QStringLiteral("Numer_klienta") : QStringLiteral("Numer_filmu");
        s.Zapytanie(
            k.rodzaj,
            QStringLiteral("select x.%1, x.ID, x.%2 from %3 x where ").arg(numer, kolumna, tabela) +
                zla + QStringLiteral(" order by 1, 2"),
            [=](sqlite3_stmt* st) {
                const QString kto = (klient ? QStringLiteral("Klient ") : QStringLiteral("Film ")) +
                                    Numer(st, 0, 1);
                if (k.rodzaj == R::Saldo)
                    return kto + QStringLiteral(": saldo nie jest liczbą: \"") + Tekst(st, 2) +
                           QStringLiteral("\".");
                return kto + QStringLiteral(": niepoprawna ") + rodzajPola +
                       QStringLiteral(" w polu ") + kolumna + QStringLiteral(": \"") +
                       Tekst(st, 2) + QStringLiteral("\".");
            });
    }
}

}  // namespace

std::vector<TProblemBazy> SprawdzBaze(sqlite3* uchwyt) {
    TSprawdzenie s(uchwyt);
    s.Zapytanie(TRodzajProblemu::Spojnosc, QStringLiteral("PRAGMA integrity_check"),
                [](sqlite3_stmt* st) {
                    return QStringLiteral("Test spójności bazy danych: ") + Tekst(st, 0);
                });
    // integrity_check answers "ok" in one row when all is well.
    if (s.problemy.size() == 1 && s.problemy[0].opis.endsWith(QStringLiteral(": ok")))
        s.problemy.clear();
    else if (!s.problemy.empty())
        return s.problemy;  // the tables cannot be trusted for the rules
    if (const auto obce = ObceObiekty(uchwyt))
        for (const TObcyObiekt& o : *obce)
            s.problemy.push_back(
                {TRodzajProblemu::ObcyObiekt,
                 QStringLiteral("Obiekt, którego program nie utworzył: ") + OpisObiektu(o) +
                     (o.usuwalny ? QStringLiteral(".")
                                 : QStringLiteral(". Usunąć go może tylko przywrócenie bazy z "
                                                  "kopii zapasowej."))});
    Zasady(s);
    return s.problemy;
}

std::vector<TProblemBazy> SprawdzPlikBazy(const QString& plik) {
    sqlite3* uchwyt = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(plik).constData(), &uchwyt, SQLITE_OPEN_READONLY,
                        nullptr) != SQLITE_OK) {
        const QString blad = QString::fromUtf8(sqlite3_errmsg(uchwyt));
        sqlite3_close(uchwyt);
        return {{TRodzajProblemu::Spojnosc,
                 QStringLiteral("Nie można otworzyć pliku ") + plik + QStringLiteral(": ") + blad}};
    }
    ZabezpieczPolaczenie(uchwyt);
    auto problemy = SprawdzBaze(uchwyt);
    sqlite3_close(uchwyt);
    return problemy;
}

QString RaportSprawdzenia(const std::vector<TProblemBazy>& problemy) {
    if (problemy.empty()) return BrakBledow;
    QStringList wiersze;
    for (const TProblemBazy& p : problemy) wiersze << p.opis;
    return wiersze.join('\n');
}
