#include "admin/Kopie.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <system_error>

#include "store/Baza.h"
#include "store/ObceObiekty.h"
#include "store/Tlumacz.h"
#include "store/uStruktura.h"

namespace {

// A connection of its own, closed on every path.
class TPolaczenie {
public:
    TPolaczenie(const QString& plik, int flagi) {
        kod = sqlite3_open_v2(QFile::encodeName(plik).constData(), &uchwyt, flagi, nullptr);
        if (kod == SQLITE_OK) {
            sqlite3_busy_timeout(uchwyt, 5000);
            ZabezpieczPolaczenie(uchwyt);
        }
    }
    ~TPolaczenie() { sqlite3_close(uchwyt); }
    TPolaczenie(const TPolaczenie&) = delete;
    TPolaczenie& operator=(const TPolaczenie&) = delete;

    bool Otwarte() const { return kod == SQLITE_OK; }
    int Kod() const { return uchwyt ? sqlite3_extended_errcode(uchwyt) : kod; }
    sqlite3* Uchwyt() const { return uchwyt; }
    QString Blad() const {
        return uchwyt ? QString::fromUtf8(sqlite3_errmsg(uchwyt))
                      : QString::fromUtf8(sqlite3_errstr(kod));
    }

private:
    sqlite3* uchwyt = nullptr;
    int kod = SQLITE_ERROR;
};

std::filesystem::path Sciezka(const QString& plik) {
    return std::filesystem::path(QFile::encodeName(plik).toStdString());
}

// Replaces na by z in one step; the error text, empty on success.
QString Zamien(const QString& z, const QString& na) {
    std::error_code blad;
    std::filesystem::rename(Sciezka(z), Sciezka(na), blad);
    return blad ? QString::fromLocal8Bit(blad.message()) : QString();
}

void UsunZDziennikami(const QString& plik) {
    for (const char* koncowka : {"", "-journal", "-wal", "-shm"})
        QFile::remove(plik + QString::fromLatin1(koncowka));
}

// One value of a one-row query; an empty optional when the query fails.
std::optional<QString> Wartosc(sqlite3* uchwyt, const char* sql) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(uchwyt, sql, -1, &st, nullptr) != SQLITE_OK) return std::nullopt;
    std::optional<QString> wynik;
    const int kod = sqlite3_step(st);
    if (kod == SQLITE_ROW)
        wynik = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    else if (kod == SQLITE_DONE)
        wynik = QString();
    sqlite3_finalize(st);
    return wynik;
}

// What went wrong in Polish, then SQLite's own text for the technician.
QString Przyczyna(int kod, const QString& tekst) {
    const char* polska = "Błąd bazy danych.";
    switch (kod & 0xff) {
        case SQLITE_CANTOPEN:
            polska = "Nie można otworzyć ani utworzyć pliku: brak katalogu albo prawa zapisu.";
            break;
        case SQLITE_FULL:
            polska = "Brak miejsca na dysku.";
            break;
        case SQLITE_READONLY:
        case SQLITE_PERM:
            polska = "Brak prawa zapisu do pliku.";
            break;
        case SQLITE_NOTADB:
            polska = "Plik nie jest bazą danych.";
            break;
        case SQLITE_CORRUPT:
            polska = "Plik bazy danych jest uszkodzony.";
            break;
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            polska = "Baza danych jest zajęta.";
            break;
        case SQLITE_IOERR:
            polska = "Błąd odczytu albo zapisu na dysku.";
            break;
        default:
            break;
    }
    return QString::fromUtf8(polska) + '\n' + tekst;
}

// Pages copied between two looks at a stop request: 4 MB of 4 KB pages.
constexpr int StronNaKrok = 1024;

// Opens a read transaction on the connection and reads its first page, so that the
// snapshot is taken now and held until COMMIT.
bool ZacznijOdczyt(sqlite3* uchwyt) {
    return sqlite3_exec(uchwyt, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK &&
           Wartosc(uchwyt, "select count(*) from sqlite_master").has_value();
}

// Writes the file's pages through to the disk; false when the disk refused.
bool NaDysk(const QString& plik) {
    const int f = ::open(QFile::encodeName(plik).constData(), O_RDONLY | O_CLOEXEC);
    if (f < 0) return false;
    const bool zapisany = ::fsync(f) == 0;
    ::close(f);
    return zapisany;
}

QString PlikBazyW(const QString& katalog) {
    return QDir(katalog).filePath(PlikBazy);
}

}  // namespace

QString KopiujBaze(const QString& zrodlo, const QString& cel, std::stop_token stop,
                   const std::function<void(int)>& postep) {
    const QString naglowek =
        QStringLiteral("Nie udało się zapisać kopii bazy danych w pliku:\n") + cel + '\n';
    if (!QFileInfo(zrodlo).isFile()) return naglowek + QStringLiteral("Brak pliku bazy danych.");
    const QString czesc = cel + QStringLiteral(".czesc");
    UsunZDziennikami(czesc);
    int kod = SQLITE_OK;
    QString tekst;
    bool przerwana = false;
    const auto blad = [&](const TPolaczenie& p, int k = SQLITE_OK) {
        kod = k != SQLITE_OK ? k : p.Kod();
        tekst = p.Blad();
    };
    {
        TPolaczenie z(zrodlo, SQLITE_OPEN_READONLY);
        TPolaczenie c(czesc, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        if (!z.Otwarte()) {
            blad(z);
        } else if (!c.Otwarte()) {
            blad(c);
        } else if (sqlite3_exec(c.Uchwyt(), "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF",
                                nullptr, nullptr, nullptr) != SQLITE_OK) {
            // The part file is new and thrown away on any failure: it needs no log of its
            // own, and it goes to the disk once, whole, before it takes the copy's name.
            blad(c);
        } else if (!ZacznijOdczyt(z.Uchwyt())) {
            // The snapshot the whole copy reads; the backup keeps a read transaction it
            // finds open, so no write of the program restarts it half-way.
            blad(z);
        } else if (sqlite3_backup* kopia =
                       sqlite3_backup_init(c.Uchwyt(), "main", z.Uchwyt(), "main");
                   !kopia) {
            blad(c);
        } else {
            int krok = SQLITE_OK;
            int procent = -1;
            while (krok == SQLITE_OK) {
                if (stop.stop_requested()) {
                    przerwana = true;
                    break;
                }
                krok = sqlite3_backup_step(kopia, StronNaKrok);
                const int stron = sqlite3_backup_pagecount(kopia);
                const int teraz =
                    krok == SQLITE_DONE || stron <= 0
                        ? 100
                        : static_cast<int>(qint64{100} * (stron - sqlite3_backup_remaining(kopia)) /
                                           stron);
                if (postep && teraz != procent && (krok == SQLITE_OK || krok == SQLITE_DONE))
                    postep(procent = teraz);
            }
            const int koniec = sqlite3_backup_finish(kopia);
            if (przerwana) {
                kod = SQLITE_INTERRUPT;
            } else if (krok != SQLITE_DONE) {
                blad(c, krok);
            } else if (koniec != SQLITE_OK) {
                blad(c, koniec);
            } else if (sqlite3_exec(c.Uchwyt(), "PRAGMA journal_mode=DELETE", nullptr, nullptr,
                                    nullptr) != SQLITE_OK) {
                // The copy is one self-contained file.
                blad(c);
            }
        }
        sqlite3_exec(z.Uchwyt(), "COMMIT", nullptr, nullptr, nullptr);
    }
    QString wynik = przerwana          ? QStringLiteral("Kopię przerwano.")
                    : kod != SQLITE_OK ? Przyczyna(kod, tekst)
                                       : QString();
    if (wynik.isEmpty() && !NaDysk(czesc))
        wynik = Przyczyna(SQLITE_IOERR, QString::fromLocal8Bit(std::strerror(errno)));
    if (wynik.isEmpty()) {
        const QString zamiana = Zamien(czesc, cel);
        if (!zamiana.isEmpty())
            wynik = QStringLiteral("Nie można zapisać pliku pod tą nazwą.\n") + zamiana;
    }
    if (wynik.isEmpty()) return {};
    UsunZDziennikami(czesc);
    return naglowek + wynik;
}

void ObnizPriorytetWatku() {
    // On Linux the nice value and the disk class are the calling thread's own.
    const auto watek = static_cast<id_t>(::syscall(SYS_gettid));
    ::setpriority(PRIO_PROCESS, watek, 19);
    // The lowest level of the best-effort disk class (IOPRIO_CLASS_BE = 2, level 7): the
    // copy still moves when the disk is never idle.
    constexpr int KtoWatek = 1;  // IOPRIO_WHO_PROCESS
    constexpr int Klasa = 2, Poziom = 7;
    ::syscall(SYS_ioprio_set, KtoWatek, static_cast<int>(watek), (Klasa << 13) | Poziom);
}

TOpisKopii OpiszKopie(const QString& plik) {
    TOpisKopii opis;
    const QFileInfo info(plik);
    if (!info.isFile()) {
        opis.blad = QStringLiteral("Plik nie istnieje.");
        return opis;
    }
    opis.data = info.lastModified();
    TPolaczenie p(plik, SQLITE_OPEN_READONLY);
    const auto tabele = p.Otwarte() ? Wartosc(p.Uchwyt(),
                                              "select count(*) from sqlite_master where type = "
                                              "'table' and lower(name) in ('klient', 'film', "
                                              "'rental', 'dictionary')")
                                    : std::nullopt;
    if (!tabele) {
        opis.uszkodzona = (p.Kod() & 0xff) == SQLITE_CORRUPT;
        opis.blad =
            (opis.uszkodzona ? QStringLiteral("Plik jest uszkodzony: nie można odczytać spisu "
                                              "jego tabel.\n")
                             : QStringLiteral("Plik nie jest bazą danych.\n")) +
            p.Blad();
        return opis;
    }
    if (tabele->toInt() != 4) {
        opis.blad = QStringLiteral(
            "Plik nie jest bazą danych programu Wirdolan: brak tabel klient, film, rental i "
            "dictionary.");
        return opis;
    }
    // A copy a newer program made would be taken back to tables this one does not know.
    if (const auto wersja = Wartosc(p.Uchwyt(), "PRAGMA user_version");
        wersja && wersja->toInt() > WersjaSchematu()) {
        opis.blad = KomunikatNowszejBazy(wersja->toInt());
        return opis;
    }
    const auto spojnosc = Wartosc(p.Uchwyt(), "PRAGMA integrity_check");
    if (!spojnosc || *spojnosc != QStringLiteral("ok")) {
        opis.uszkodzona = true;
        opis.blad = QStringLiteral(
                        "Plik jest uszkodzony: test spójności bazy danych nie powiódł "
                        "się.\n") +
                    (spojnosc ? *spojnosc : p.Blad());
        return opis;
    }
    if (const auto obce = ObceObiekty(p.Uchwyt()); obce && !obce->empty()) {
        opis.obceObiekty = true;
        opis.blad = QStringLiteral("Baza danych zawiera obiekty, których program nie utworzył: ") +
                    OpisObcychObiektow(*obce) + '.';
        return opis;
    }
    const auto klientow = Wartosc(p.Uchwyt(), "select count(*) from klient");
    const auto filmow = Wartosc(p.Uchwyt(), "select count(*) from film");
    const auto wypozyczen = Wartosc(p.Uchwyt(), "select count(*) from rental");
    if (!klientow || !filmow || !wypozyczen) {
        opis.uszkodzona = (p.Kod() & 0xff) == SQLITE_CORRUPT;
        opis.blad = QStringLiteral("Nie można odczytać danych z pliku.\n") + p.Blad();
        return opis;
    }
    opis.klientow = klientow->toLongLong();
    opis.filmow = filmow->toLongLong();
    opis.wypozyczen = wypozyczen->toLongLong();
    return opis;
}

QString KatalogKopii(const QString& katalogBazy) {
    return QDir(katalogBazy).filePath(QStringLiteral("Kopie")) + '/';
}

QString PrzywrocBaze(const QString& plikKopii, const QString& katalogBazy, const QDateTime& teraz,
                     QString* zachowana) {
    const QString naglowek =
        QStringLiteral("Nie udało się przywrócić bazy danych z kopii:\n") + plikKopii + '\n';
    const TOpisKopii opis = OpiszKopie(plikKopii);
    if (!opis.blad.isEmpty()) return naglowek + opis.blad;

    const QString plikBazy = PlikBazyW(katalogBazy);
    TBaza* baza = TBaza::Aktywna();
    if (baza && QFileInfo(PlikBazyW(baza->Katalog())) != QFileInfo(plikBazy)) baza = nullptr;
    if (baza &&
        (sqlite3_next_stmt(baza->Uchwyt(), nullptr) || !sqlite3_get_autocommit(baza->Uchwyt())))
        return naglowek + QStringLiteral(
                              "Baza danych jest w użyciu: zamknij otwarte okna i "
                              "spróbuj ponownie.");

    // The copy next to the store, so that the final rename stays within one folder.
    const QString nowa = plikBazy + QStringLiteral(".przywracana");
    if (const QString blad = KopiujBaze(plikKopii, nowa); !blad.isEmpty()) return naglowek + blad;

    // The store in place is kept: through the backup API when it is open, as its files
    // otherwise (a damaged store cannot be read page by page).
    const QString katalog = KatalogKopii(katalogBazy);
    QDir().mkpath(katalog);
    const QString stara = katalog + QStringLiteral("przed-przywroceniem-") +
                          teraz.toString(QStringLiteral("yyyy-MM-dd-HHmmss")) +
                          QStringLiteral(".sqlite");
    if (QFileInfo::exists(plikBazy)) {
        QString blad;
        if (baza) {
            blad = KopiujBaze(plikBazy, stara);
        } else {
            UsunZDziennikami(stara);
            // Its logs too: they are removed from beside the store below.
            for (const char* koncowka : {"", "-wal", "-journal"}) {
                const QString z = plikBazy + QString::fromLatin1(koncowka);
                if (QFileInfo::exists(z) && !QFile::copy(z, stara + QString::fromLatin1(koncowka)))
                    blad = QStringLiteral("Nie można zachować pliku ") + z +
                           QStringLiteral(" w katalogu ") + katalog;
            }
        }
        if (!blad.isEmpty()) {
            UsunZDziennikami(nowa);
            return naglowek + blad;
        }
        if (zachowana) *zachowana = stara;
    }

    // Closing the last connection writes the log back into the file and removes it; what
    // is left beside the file belongs to the replaced store, kept above.
    const bool otwarta = baza != nullptr;
    if (otwarta) TBaza::Rozlacz();
    for (const char* koncowka : {"-wal", "-shm", "-journal"})
        QFile::remove(plikBazy + QString::fromLatin1(koncowka));
    QString blad = Zamien(nowa, plikBazy);
    if (!blad.isEmpty()) UsunZDziennikami(nowa);
    try {
        if (otwarta || blad.isEmpty()) TBaza::Polacz(katalogBazy);
    } catch (const TBladBazy& e) {
        if (blad.isEmpty()) blad = e.Tekst();
    }
    return blad.isEmpty() ? QString() : naglowek + blad;
}

QString UsunObceObiektyZBazy(const QString& katalogBazy, const QDateTime& teraz, QString* kopia) {
    const QString naglowek = QStringLiteral(
        "Nie udało się usunąć z bazy danych obiektów, których program nie utworzył.\n");
    TBaza* baza = TBaza::Aktywna();
    const QString plikBazy = PlikBazyW(katalogBazy);
    if (!baza || QFileInfo(PlikBazyW(baza->Katalog())) != QFileInfo(plikBazy))
        return naglowek + QStringLiteral("Baza danych nie jest otwarta.");
    if (sqlite3_next_stmt(baza->Uchwyt(), nullptr) || !sqlite3_get_autocommit(baza->Uchwyt()))
        return naglowek + QStringLiteral(
                              "Baza danych jest w użyciu: zamknij otwarte okna i "
                              "spróbuj ponownie.");
    const QString katalog = KatalogKopii(katalogBazy);
    QDir().mkpath(katalog);
    const QString zachowana = katalog + QStringLiteral("przed-usunieciem-obiektow-") +
                              teraz.toString(QStringLiteral("yyyy-MM-dd-HHmmss")) +
                              QStringLiteral(".sqlite");
    if (const QString blad = KopiujBaze(plikBazy, zachowana); !blad.isEmpty())
        return naglowek + blad;
    if (kopia) *kopia = zachowana;
    QString blad;
    {
        TPolaczenie p(plikBazy, SQLITE_OPEN_READWRITE);
        const auto obce = p.Otwarte() ? ObceObiekty(p.Uchwyt()) : std::nullopt;
        blad = !obce ? Przyczyna(p.Kod(), p.Blad()) : UsunObceObiekty(p.Uchwyt(), *obce);
    }
    if (!blad.isEmpty()) return naglowek + blad;
    // Opened again, the store is checked anew and written when nothing foreign is left.
    try {
        TBaza::Polacz(katalogBazy);
    } catch (const TBladBazy& e) {
        return naglowek + e.Tekst();
    }
    return {};
}

QString RozmiarPliku(qint64 bajty) {
    const QLocale polski(QLocale::Polish, QLocale::Poland);
    const char* const jednostki[] = {"KB", "MB", "GB"};
    if (bajty < 1024) return QString::number(bajty) + QStringLiteral(" B");
    double wartosc = static_cast<double>(bajty) / 1024;
    int i = 0;
    while (wartosc >= 1024 && i < 2) {
        wartosc /= 1024;
        ++i;
    }
    return polski.toString(wartosc, 'f', 1) + ' ' + QString::fromLatin1(jednostki[i]);
}
