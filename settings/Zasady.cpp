#include "settings/Zasady.h"

#include <algorithm>

#include "settings/UstawieniaSlownik.h"
#include "store/Formaty.h"
#include "store/OdczytWierszy.h"
#include "store/TQuery.h"
#include "store/uWspolneDB.h"

namespace {

const QString KluczLimitu = QStringLiteral("Z_LIMITDLUGU");
const QString KluczNiedziel = QStringLiteral("Z_NIEDZIELE");
const QString KluczZwrotu = QStringLiteral("Z_ZWROTSKANEM");
const QString PrzedrostekDnia = QStringLiteral("Z_WOLNY_");

// The Sundays among the n days from od on.
int Niedziele(const QDate& od, int n) {
    const int doNiedzieli = (Qt::Sunday - od.dayOfWeek()) % 7;
    return n > doNiedzieli ? (n - doNiedzieli - 1) / 7 + 1 : 0;
}

QString Wstaw(const QString& klucz, const QString& wartosc, const QString& opis) {
    return QStringLiteral("insert into dictionary( Nazwa, Wartosc, Opis ) values ( ") +
           TekstSQL(klucz) + QStringLiteral(", ") + TekstSQL(wartosc) + QStringLiteral(", ") +
           TekstSQL(opis) + QStringLiteral(" )");
}

QString TakNie(bool wartosc) {
    return wartosc ? QStringLiteral("True") : QStringLiteral("False");
}

}  // namespace

bool TZasady::Zamkniety(const QDate& dzien) const {
    if (NiedzieleZamkniete && dzien.dayOfWeek() == Qt::Sunday) return true;
    return std::binary_search(DniWolne.begin(), DniWolne.end(), dzien);
}

QDate TZasady::PierwszyOtwarty(const QDate& dzien) const {
    QDate d = dzien;
    while (d.isValid() && Zamkniety(d)) d = d.addDays(1);
    return d;
}

int TZasady::DniOtwarte(const QDate& od, const QDate& do_) const {
    const qint64 wszystkie = od.daysTo(do_);
    if ((!NiedzieleZamkniete && DniWolne.empty()) || wszystkie == 0) return int(wszystkie);
    if (wszystkie < 0) return -DniOtwarte(do_, od);
    int zamkniete = NiedzieleZamkniete ? Niedziele(od, int(wszystkie)) : 0;
    const auto pierwszy = std::lower_bound(DniWolne.begin(), DniWolne.end(), od);
    const auto koniec = std::lower_bound(pierwszy, DniWolne.end(), do_);
    for (auto d = pierwszy; d != koniec; ++d)
        if (!NiedzieleZamkniete || d->dayOfWeek() != Qt::Sunday) ++zamkniete;
    return int(wszystkie) - zamkniete;
}

QDate Wielkanoc(int rok) {
    const int a = rok % 19, b = rok / 100, c = rok % 100;
    const int d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int miesiac = (h + l - 7 * m + 114) / 31;
    const int dzien = (h + l - 7 * m + 114) % 31 + 1;
    return QDate(rok, miesiac, dzien);
}

std::vector<QDate> SwietaUstawowe(int rok) {
    const QDate wielkanoc = Wielkanoc(rok);
    std::vector<QDate> dni = {
        QDate(rok, 1, 1),      QDate(rok, 1, 6),      wielkanoc,
        wielkanoc.addDays(1),  QDate(rok, 5, 1),      QDate(rok, 5, 3),
        wielkanoc.addDays(49), wielkanoc.addDays(60), QDate(rok, 8, 15),
        QDate(rok, 11, 1),     QDate(rok, 11, 11),    QDate(rok, 12, 25),
        QDate(rok, 12, 26),
    };
    if (rok >= 2025) dni.push_back(QDate(rok, 12, 24));
    std::sort(dni.begin(), dni.end());
    dni.erase(std::unique(dni.begin(), dni.end()), dni.end());
    return dni;
}

std::optional<TZasady> CzytajZasady(TQuery& q) {
    const auto wiersze = WierszeZapytania(
        q, QStringLiteral("select Nazwa, Wartosc from dictionary where Nazwa like 'Z_%'"),
        [](TQuery& w) {
            return std::pair{w.FieldByName(QStringLiteral("Nazwa")).AsString().trimmed(),
                             w.FieldByName(QStringLiteral("Wartosc")).AsString().trimmed()};
        });
    if (!wiersze) return std::nullopt;
    TZasady z;
    for (const auto& [klucz, wartosc] : *wiersze) {
        if (klucz == KluczLimitu) {
            z.LimitDlugu = TKwota::ZTekstu(wartosc);
        } else if (klucz == KluczNiedziel) {
            z.NiedzieleZamkniete = LogicznaZTekstu(wartosc);
        } else if (klucz == KluczZwrotu) {
            z.ZwrotSkanem = LogicznaZTekstu(wartosc);
        } else if (klucz.startsWith(PrzedrostekDnia)) {
            const QDate dzien = QDate::fromString(wartosc, Qt::ISODate);
            if (dzien.isValid()) z.DniWolne.push_back(dzien);
        }
    }
    std::sort(z.DniWolne.begin(), z.DniWolne.end());
    z.DniWolne.erase(std::unique(z.DniWolne.begin(), z.DniWolne.end()), z.DniWolne.end());
    return z;
}

bool ZapiszZasady(TQuery& q, const TZasady& z) {
    TTransakcja transakcja;
    UruchomSQL(q, QStringLiteral("delete from dictionary where Nazwa like 'Z_%'"));
    if (z.LimitDlugu)
        UruchomSQL(q, Wstaw(KluczLimitu, KwotaSQL(*z.LimitDlugu),
                            QStringLiteral("Limit zaległości przy wypożyczeniu")));
    UruchomSQL(q, Wstaw(KluczNiedziel, TakNie(z.NiedzieleZamkniete),
                        QStringLiteral("Niedziele zamknięte")));
    UruchomSQL(q, Wstaw(KluczZwrotu, TakNie(z.ZwrotSkanem),
                        QStringLiteral("Zwrot przez zeskanowanie filmu")));
    for (const QDate& dzien : z.DniWolne)
        UruchomSQL(q, Wstaw(PrzedrostekDnia + dzien.toString(QStringLiteral("yyyyMMdd")),
                            dzien.toString(Qt::ISODate), QStringLiteral("Dzień zamknięty")));
    return transakcja.Zatwierdz();
}
