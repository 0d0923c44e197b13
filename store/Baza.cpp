#include "store/Baza.h"

#include <sqlite3.h>

#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <memory>

#include "store/ObceObiekty.h"
#include "store/Porzadek.h"
#include "store/Tlumacz.h"

namespace {

std::unique_ptr<TBaza> aktywna;

// Upper and Lower for every letter, Polish ones included.
void zmienWielkosc(sqlite3_context* ctx, int argc, sqlite3_value** argv, bool wielkie) {
    if (argc != 1 || sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto* tekst = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const QString s = QString::fromUtf8(tekst, sqlite3_value_bytes(argv[0]));
    const QByteArray w = (wielkie ? s.toUpper() : s.toLower()).toUtf8();
    sqlite3_result_text(ctx, w.constData(), static_cast<int>(w.size()), SQLITE_TRANSIENT);
}
void upper(sqlite3_context* c, int n, sqlite3_value** v) {
    zmienWielkosc(c, n, v, true);
}
void lower(sqlite3_context* c, int n, sqlite3_value** v) {
    zmienWielkosc(c, n, v, false);
}

// Money columns are declared "MONEY REAL": the type reads as money and the REAL affinity
// keeps whole amounts as reals.
const char* const Tabele[] = {
    "create table klient ("
    " ID integer primary key autoincrement, Numer_klienta INTEGER, Imie CHAR(30),"
    " Nazwisko CHAR(50), Firma CHAR(80), Kod CHAR(10), Miejscowosc CHAR(30), Ulica CHAR(30),"
    " Nr_Posesji CHAR(10), Nr_lokalu CHAR(10), Telefon CHAR(50), NIP CHAR(20),"
    " Ostatnie_wypozyczenie DATE, Saldo MONEY REAL, Abonament BOOLEAN, Abonament_OD DATE,"
    " Abonament_DO DATE, Licznik INTEGER, Upowazniony CHAR(80), LicznikAb INTEGER,"
    " Aktualny BOOLEAN, Rabat INTEGER)",
    "create table film ("
    " ID integer primary key autoincrement, Numer_filmu INTEGER, Tytul_oryginalny CHAR(50),"
    " Tytul_polski CHAR(50), Produkcja CHAR(25), Rola_glowna_1 CHAR(25),"
    " Rola_glowna_2 CHAR(25), Rola_glowna_3 CHAR(25), Rola_glowna_4 CHAR(25),"
    " Rola_glowna_5 CHAR(25), Gatunek CHAR(25), Nosnik CHAR(15), Czas_trwania CHAR(15),"
    " Rezyseria_1 CHAR(25), Rezyseria_2 CHAR(25), Stawka MONEY REAL, Wplywy MONEY REAL,"
    " Ilosc_wypozyczen INTEGER, Cena_zakupu MONEY REAL, Opis VARCHAR(255), Status BOOLEAN,"
    " Aktualny BOOLEAN)",
    "create table rental ("
    " id_filmu INTEGER, id_klienta INTEGER, dataOD DATE, dataDO DATE, zwrocono BOOLEAN,"
    " platnosc MONEY REAL, Platnosc1 MONEY REAL, Z_abonamentu MONEY REAL, Naleznosc MONEY REAL, "
    "Stawka MONEY REAL,"
    " DataZwrotu DATE)",
    "create table dictionary (Nazwa CHAR(20), Wartosc CHAR(30), Opis CHAR(60))",
    "create index klient_numer on klient(Numer_klienta)",
    "create index klient_nazwisko on klient(Nazwisko, Imie)",
    "create index film_numer on film(Numer_filmu)",
    "create index film_tytul on film(Tytul_oryginalny)",
    "create index rental_klient on rental(id_klienta, zwrocono)",
    "create index rental_film on rental(id_filmu, zwrocono)",
    "create index dictionary_nazwa on dictionary(Nazwa)",
    // The tables above are the shape of schema version 1; the start-up upgrade takes a new
    // store through the later steps.
    "PRAGMA user_version = 1",
};

}  // namespace

TBaza* TBaza::Aktywna() {
    return aktywna.get();
}

namespace {

sqlite3* otworz(const QByteArray& nazwa, int flagi) {
    sqlite3* uchwyt = nullptr;
    if (sqlite3_open_v2(nazwa.constData(), &uchwyt, flagi, nullptr) != SQLITE_OK) {
        const TBladBazy blad(QString::fromUtf8(sqlite3_errmsg(uchwyt)),
                             sqlite3_extended_errcode(uchwyt));
        sqlite3_close(uchwyt);
        throw blad;
    }
    // Another program on the same file (a second desk) holds its lock only for the moment
    // of its write: wait for it instead of failing at once.
    sqlite3_busy_timeout(uchwyt, CzekanieNaBlokade);
    ZabezpieczPolaczenie(uchwyt);
    return uchwyt;
}

// The number of tables in the store: all, and those of the program.
std::pair<int, int> tabele(TBaza& baza) {
    int wszystkie = 0, nasze = 0;
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(baza.Uchwyt(),
                           "select lower(name) in ('klient', 'film', 'rental', 'dictionary') "
                           "from sqlite_master where type = 'table'",
                           -1, &st, nullptr) != SQLITE_OK)
        throw TBladBazy(QString::fromUtf8(sqlite3_errmsg(baza.Uchwyt())),
                        sqlite3_extended_errcode(baza.Uchwyt()));
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        ++wszystkie;
        nasze += sqlite3_column_int(st, 0);
    }
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE)
        throw TBladBazy(QString::fromUtf8(sqlite3_errmsg(baza.Uchwyt())),
                        sqlite3_extended_errcode(baza.Uchwyt()));
    return {wszystkie, nasze};
}

}  // namespace

void TBaza::Polacz(const QString& katalog) {
    Rozlacz();
    if (!QDir().mkpath(katalog))
        throw TBladBazy(QStringLiteral("Nie można utworzyć katalogu bazy danych: %1").arg(katalog),
                        SQLITE_CANTOPEN);
    const QString plik = QDir(katalog).filePath(PlikBazy);
    std::unique_ptr<TBaza> baza(
        new TBaza(otworz(plik.toUtf8(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE), katalog));
    baza->RejestrujFunkcje();
    // The tables are looked at before anything is written, so that a foreign or damaged
    // file stays as it is.
    std::pair<int, int> liczby;
    try {
        liczby = tabele(*baza);
    } catch (const TBladBazy& e) {
        if (WadaZKodu(e.Kod()) != TWadaBazy::TylkoOdczyt) throw;
        // A folder or file that cannot be written: the store is read as it stands on disk,
        // and every write is refused by the store itself.
        const QByteArray adres = QUrl::fromLocalFile(plik).toEncoded() + "?mode=ro&immutable=1";
        baza.reset(new TBaza(otworz(adres, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI), katalog));
        baza->RejestrujFunkcje();
        baza->wada = TWadaBazy::TylkoOdczyt;
        baza->tekstWady = e.Tekst();
        liczby = tabele(*baza);
    }
    const auto [wszystkie, nasze] = liczby;
    if (wszystkie > 0 && nasze == 0)
        throw TBladBazy(QStringLiteral("no tables of the program"), SQLITE_NOTADB);
    // Objects the program did not make could run on its writes: the store is only read, and
    // every write is refused by the store itself.
    if (baza->wada == TWadaBazy::Brak && wszystkie > 0) {
        const auto obce = ObceObiekty(baza->uchwyt);
        if (obce && !obce->empty()) {
            baza->Wykonaj(QStringLiteral("PRAGMA query_only = 1;"));
            baza->wada = TWadaBazy::ObceObiekty;
            baza->tekstWady = OpisObcychObiektow(*obce);
        }
    }
    if (baza->wada == TWadaBazy::Brak) {
        try {
            baza->Wykonaj(QStringLiteral("PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL;"));
        } catch (const TBladBazy& e) {
            if (WadaZKodu(e.Kod()) != TWadaBazy::TylkoOdczyt) throw;
            baza->wada = TWadaBazy::TylkoOdczyt;  // a read-only file: read as it is
            baza->tekstWady = e.Tekst();
        }
    }
    baza->Wykonaj(QStringLiteral("PRAGMA case_sensitive_like=ON;"));
    // An empty store (a new file, or a first start that ended before its tables) gets the
    // tables.
    if (wszystkie == 0 && baza->wada == TWadaBazy::Brak) baza->UtworzTabele();
    static quint64 polaczen = 0;
    baza->numer = ++polaczen;
    aktywna = std::move(baza);
}

TZnacznikBazy TBaza::Znacznik() {
    if (!aktywna) return {};
    sqlite3* h = aktywna->uchwyt;
    sqlite3_stmt* st = nullptr;
    TZnacznikBazy z;  // unread: the empty mark, which matches no store
    if (sqlite3_prepare_v2(h, "PRAGMA data_version", -1, &st, nullptr) == SQLITE_OK &&
        sqlite3_step(st) == SQLITE_ROW)
        z = {aktywna->numer, sqlite3_total_changes64(h), sqlite3_column_int64(st, 0)};
    sqlite3_finalize(st);
    return z;
}

void TBaza::Rozlacz() {
    aktywna.reset();
}

TBaza::~TBaza() {
    sqlite3_close_v2(uchwyt);
}

void TBaza::Wykonaj(const QString& sql) {
    char* blad = nullptr;
    if (sqlite3_exec(uchwyt, sql.toUtf8().constData(), nullptr, nullptr, &blad) != SQLITE_OK) {
        const QString tekst = QString::fromUtf8(blad ? blad : sqlite3_errmsg(uchwyt));
        sqlite3_free(blad);
        throw TBladBazy(tekst, sqlite3_extended_errcode(uchwyt));
    }
}

void TBaza::UtworzTabele() {
    Wykonaj(QStringLiteral("begin"));
    try {
        for (const char* polecenie : Tabele) Wykonaj(QString::fromLatin1(polecenie));
        Wykonaj(QStringLiteral("commit"));
    } catch (...) {
        sqlite3_exec(uchwyt, "rollback", nullptr, nullptr, nullptr);
        throw;
    }
}

void TBaza::RejestrujFunkcje() {
    const int flagi = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function(uchwyt, "upper", 1, flagi, nullptr, upper, nullptr, nullptr);
    sqlite3_create_function(uchwyt, "lower", 1, flagi, nullptr, lower, nullptr, nullptr);
    RejestrujPorzadek(uchwyt);
}

bool SilnikDziala() {
    sqlite3* baza = nullptr;
    if (sqlite3_open_v2(":memory:", &baza, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        sqlite3_close(baza);
        return false;
    }
    sqlite3_stmt* st = nullptr;
    bool ok = sqlite3_prepare_v2(baza, "select sqlite_version()", -1, &st, nullptr) == SQLITE_OK &&
              sqlite3_step(st) == SQLITE_ROW;
    sqlite3_finalize(st);
    sqlite3_close(baza);
    return ok;
}
