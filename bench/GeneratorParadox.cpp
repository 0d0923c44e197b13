#include "bench/GeneratorParadox.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QStringList>

#include "admin/Pxlib.h"
#include "bench/ZapisParadox.h"
#include "store/Baza.h"
#include "store/Tlumacz.h"

namespace {

// The settings of the old shop's dictionary.db, as its program kept them.
const TWierszZapisu Ustawienia[] = {{"K_KOLEJNADOBA", "90", "opłata za kolejną dobę wypożyczenia"},
                                    {"K_TYPAB", "2", "rodzaj abonamentu"},
                                    {"K_ABSTAWKA", "3,5", "stawka za dobę - abonament cenowy "},
                                    {"K_KARA", "2,5", "wysokość kary"}};

class TOdczytBazy {
public:
    explicit TOdczytBazy(const QString& plik) {
        if (sqlite3_open_v2(QFile::encodeName(plik).constData(), &baza, SQLITE_OPEN_READONLY,
                            nullptr) != SQLITE_OK)
            blad();
    }
    ~TOdczytBazy() { sqlite3_close(baza); }

    // The table's rows in the store's order, each value as the Paradox field takes it.
    int Przepisz(const TKsztaltTabeli& t, TZapisParadox& zapis) {
        QStringList kolumny;
        for (const TPoleZapisu& p : t.pola) kolumny << QString::fromLatin1(p.nazwa);
        const QByteArray sql = QStringLiteral("select %1 from %2 order by rowid")
                                   .arg(kolumny.join(QStringLiteral(", ")), QLatin1String(t.nazwa))
                                   .toUtf8();
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(baza, sql.constData(), -1, &st, nullptr) != SQLITE_OK) blad();
        TWierszZapisu w(t.pola.size());
        int ile = 0;
        int krok;
        while ((krok = sqlite3_step(st)) == SQLITE_ROW) {
            for (size_t i = 0; i < t.pola.size(); ++i) w[i] = wartosc(st, int(i), t.pola[i].typ);
            if (!zapis.Dopisz(w)) {
                sqlite3_finalize(st);
                throw TBladBazy(QStringLiteral("%1, wiersz %2: %3")
                                    .arg(QLatin1String(t.plik))
                                    .arg(ile + 1)
                                    .arg(zapis.Blad()));
            }
            ++ile;
        }
        sqlite3_finalize(st);
        if (krok != SQLITE_DONE) blad();
        return ile;
    }

private:
    static QVariant wartosc(sqlite3_stmt* st, int i, int typ) {
        if (sqlite3_column_type(st, i) == SQLITE_NULL) return {};
        switch (typ) {
            case pxfAlpha:
                return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, i)));
            case pxfDate:
                return QDate::fromString(
                    QString::fromLatin1(reinterpret_cast<const char*>(sqlite3_column_text(st, i))),
                    Qt::ISODate);
            case pxfLogical:
                return sqlite3_column_int(st, i) != 0;
            case pxfCurrency:
            case pxfNumber:
                return sqlite3_column_double(st, i);
            default:
                return sqlite3_column_int(st, i);
        }
    }
    [[noreturn]] void blad() { throw TBladBazy(QString::fromUtf8(sqlite3_errmsg(baza))); }
    sqlite3* baza = nullptr;
};

}  // namespace

TTabeleSklepu ZapiszBazeJakoParadox(const QString& katalogBazy, const QString& katalog) {
    if (!QDir().mkpath(katalog))
        throw TBladBazy(QStringLiteral("Nie można utworzyć katalogu %1.").arg(katalog));
    TOdczytBazy baza(QDir(katalogBazy).filePath(PlikBazy));
    TTabeleSklepu wynik;
    int* ile[] = {&wynik.klienci, &wynik.filmy, &wynik.wypozyczenia, &wynik.ustawienia};
    const auto& ksztalt = KsztaltSklepuParadox();
    for (size_t i = 0; i < ksztalt.size(); ++i) {
        const TKsztaltTabeli& t = ksztalt[i];
        TZapisParadox zapis(QDir(katalog).filePath(QLatin1String(t.plik)), t.pola, 1250);
        *ile[i] = baza.Przepisz(t, zapis);
        // A store without settings rows leaves the shop's own.
        if (QLatin1String(t.nazwa) == QLatin1String("dictionary") && *ile[i] == 0)
            for (const TWierszZapisu& w : Ustawienia) *ile[i] += zapis.Dopisz(w) ? 1 : 0;
        if (!zapis.Blad().isEmpty()) throw TBladBazy(zapis.Blad());
    }
    return wynik;
}

TTabeleSklepu GenerujTabeleParadox(const QString& katalog, const QString& roboczy,
                                   const TRozmiarSklepu& rozmiar, const QDate& dzis,
                                   unsigned ziarno) {
    GenerujSklep(roboczy, rozmiar, dzis, ziarno);
    return ZapiszBazeJakoParadox(roboczy, katalog);
}
