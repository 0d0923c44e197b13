// The file store: one SQLite database file, its connection and its statements.
#include <sqlite3.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <cctype>
#include <cstdio>
#include <memory>

#include "store/Baza.h"
#include "store/Interakcja.h"
#include "store/Kursor.h"
#include "store/ObceObiekty.h"
#include "store/Porzadek.h"
#include "store/SumaKwot.h"
#include "store/Tlumacz.h"
#include "store/WiazanieSQLite.h"

namespace {

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

// The file store: one SQLite connection.
class TBazaPlik final : public TBaza {
public:
    TBazaPlik(sqlite3* h, QString folder) : TBaza(std::move(folder)), uchwyt(h) {}
    ~TBazaPlik() override { sqlite3_close_v2(uchwyt); }

    TRodzajBazy Rodzaj() const override { return TRodzajBazy::Plik; }
    sqlite3* Uchwyt() const override { return uchwyt; }
    std::unique_ptr<TBaza> PolaczenieDoOdczytu() const override;
    void Przerwij() override { sqlite3_interrupt(uchwyt); }
    void Wykonaj(const QString& sql) override;
    std::unique_ptr<TKursor> Przygotuj(const QString& lokalny,
                                       const QHash<QString, QVariant>& parametry) override;
    std::optional<int> WersjaZapisana() override;
    void ZapiszWersje(int wersja) override;
    bool MaIndeks(const QString& nazwa) override;
    void Zacznij() override { Wykonaj(QStringLiteral("begin immediate")); }

    void UtworzTabele();
    void RejestrujFunkcje();
    void UstawWade(TWadaBazy w, QString tekst) {
        wada = w;
        tekstWady = std::move(tekst);
    }
    TWadaBazy WadaPliku() const { return wada; }

protected:
    TZnacznikBazy ZnacznikPolaczenia() const override;

private:
    sqlite3* uchwyt;
};

TBladBazy bladBazy(sqlite3* uchwyt) {
    return TBladBazy(QString::fromUtf8(sqlite3_errmsg(uchwyt)), sqlite3_extended_errcode(uchwyt));
}

TField::TTyp typZDeklaracji(const char* deklaracja) {
    if (!deklaracja) return TField::TTyp::Inny;
    if (qstrnicmp(deklaracja, "BOOL", 4) == 0) return TField::TTyp::Logiczny;
    if (qstrnicmp(deklaracja, "DATE", 4) == 0) return TField::TTyp::Data;
    if (qstrnicmp(deklaracja, "MONEY", 5) == 0) return TField::TTyp::Kwota;
    return TField::TTyp::Inny;
}

// One prepared SQLite statement, stepped row by row.
class TKursorPliku final : public TKursor {
public:
    TKursorPliku(sqlite3* h, sqlite3_stmt* s) : uchwyt(h), stmt(s) {}
    ~TKursorPliku() override { sqlite3_finalize(stmt); }

    int LiczbaKolumn() const override { return sqlite3_column_count(stmt); }
    const char* NazwaKolumny(int i) const override { return sqlite3_column_name(stmt, i); }
    TField::TTyp TypKolumny(int i) const override {
        return typZDeklaracji(sqlite3_column_decltype(stmt, i));
    }
    bool Krok() override {
        const int rc = sqlite3_step(stmt);
        if (rc == SQLITE_ROW) return true;
        if (rc == SQLITE_DONE) {
            zmienione = sqlite3_changes(uchwyt);
            return false;
        }
        throw bladBazy(uchwyt);
    }
    // A column's value is taken once (one call that takes the connection's lock, instead of
    // one for its kind and one for its contents) and read without the lock: a connection is
    // used by one thread at a time.
    QVariant Wartosc(int i) const override {
        sqlite3_value* v = sqlite3_column_value(stmt, i);
        switch (sqlite3_value_type(v)) {
            case SQLITE_INTEGER:
                return static_cast<qlonglong>(sqlite3_value_int64(v));
            case SQLITE_FLOAT:
                return sqlite3_value_double(v);
            case SQLITE_TEXT:
                return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(v)),
                                         sqlite3_value_bytes(v));
            case SQLITE_BLOB:
                return QByteArray(static_cast<const char*>(sqlite3_value_blob(v)),
                                  sqlite3_value_bytes(v));
            default:
                return {};
        }
    }
    bool Calkowita(int i, qint64& wartosc) const override {
        sqlite3_value* v = sqlite3_column_value(stmt, i);
        if (sqlite3_value_type(v) != SQLITE_INTEGER) return false;
        wartosc = sqlite3_value_int64(v);
        return true;
    }
    bool TekstUtf8(int i, const char*& tekst, int& dlugosc) const override {
        sqlite3_value* v = sqlite3_column_value(stmt, i);
        if (sqlite3_value_type(v) != SQLITE_TEXT) return false;
        tekst = reinterpret_cast<const char*>(sqlite3_value_text(v));
        dlugosc = sqlite3_value_bytes(v);
        return true;
    }
    void OdNowa() override { sqlite3_reset(stmt); }
    int Zmienione() const override { return zmienione; }

private:
    sqlite3* uchwyt;
    sqlite3_stmt* stmt;
    int zmienione = 0;
};

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
std::pair<int, int> tabele(sqlite3* uchwyt) {
    int wszystkie = 0, nasze = 0;
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(uchwyt,
                           "select lower(name) in ('klient', 'film', 'rental', 'dictionary') "
                           "from sqlite_master where type = 'table'",
                           -1, &st, nullptr) != SQLITE_OK)
        throw TBladBazy(QString::fromUtf8(sqlite3_errmsg(uchwyt)),
                        sqlite3_extended_errcode(uchwyt));
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        ++wszystkie;
        nasze += sqlite3_column_int(st, 0);
    }
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE)
        throw TBladBazy(QString::fromUtf8(sqlite3_errmsg(uchwyt)),
                        sqlite3_extended_errcode(uchwyt));
    return {wszystkie, nasze};
}

}  // namespace

void TBaza::Polacz(const QString& katalog) {
    Rozlacz();
    if (!QDir().mkpath(katalog))
        throw TBladBazy(QStringLiteral("Nie można utworzyć katalogu bazy danych: %1").arg(katalog),
                        SQLITE_CANTOPEN);
    const QString plik = QDir(katalog).filePath(PlikBazy);
    std::unique_ptr<TBazaPlik> baza(
        new TBazaPlik(otworz(plik.toUtf8(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE), katalog));
    baza->RejestrujFunkcje();
    // The tables are looked at before anything is written, so that a foreign or damaged
    // file stays as it is.
    std::pair<int, int> liczby;
    try {
        liczby = tabele(baza->Uchwyt());
    } catch (const TBladBazy& e) {
        if (WadaZKodu(e.Kod()) != TWadaBazy::TylkoOdczyt) throw;
        // A folder or file that cannot be written: the store is read as it stands on disk,
        // and every write is refused by the store itself.
        const QByteArray adres = QUrl::fromLocalFile(plik).toEncoded() + "?mode=ro&immutable=1";
        baza.reset(new TBazaPlik(otworz(adres, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI), katalog));
        baza->RejestrujFunkcje();
        baza->UstawWade(TWadaBazy::TylkoOdczyt, e.Tekst());
        liczby = tabele(baza->Uchwyt());
    }
    const auto [wszystkie, nasze] = liczby;
    if (wszystkie > 0 && nasze == 0)
        throw TBladBazy(QStringLiteral("no tables of the program"), SQLITE_NOTADB);
    // Objects the program did not make could run on its writes: the store is only read, and
    // every write is refused by the store itself.
    if (baza->WadaPliku() == TWadaBazy::Brak && wszystkie > 0) {
        const auto obce = ObceObiekty(baza->Uchwyt());
        if (obce && !obce->empty()) {
            baza->Wykonaj(QStringLiteral("PRAGMA query_only = 1;"));
            baza->UstawWade(TWadaBazy::ObceObiekty, OpisObcychObiektow(*obce));
        }
    }
    if (baza->WadaPliku() == TWadaBazy::Brak) {
        try {
            baza->Wykonaj(QStringLiteral("PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL;"));
        } catch (const TBladBazy& e) {
            if (WadaZKodu(e.Kod()) != TWadaBazy::TylkoOdczyt) throw;
            // A read-only file: read as it is.
            baza->UstawWade(TWadaBazy::TylkoOdczyt, e.Tekst());
        }
    }
    baza->Wykonaj(QStringLiteral("PRAGMA case_sensitive_like=ON;"));
    // An empty store (a new file, or a first start that ended before its tables) gets the
    // tables.
    if (wszystkie == 0 && baza->WadaPliku() == TWadaBazy::Brak) baza->UtworzTabele();
    Ustaw(std::move(baza));
}

std::unique_ptr<TBaza> TBaza::OtworzPlik(const QString& plik, bool tylkoOdczyt) {
    const int flagi =
        tylkoOdczyt ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    std::unique_ptr<TBazaPlik> baza(
        new TBazaPlik(otworz(QFile::encodeName(plik), flagi), QFileInfo(plik).absolutePath()));
    baza->RejestrujFunkcje();
    const auto [wszystkie, nasze] = tabele(baza->Uchwyt());
    if (wszystkie > 0 && nasze == 0)
        throw TBladBazy(QStringLiteral("no tables of the program"), SQLITE_NOTADB);
    baza->Wykonaj(QStringLiteral("PRAGMA case_sensitive_like=ON;"));
    if (wszystkie == 0 && !tylkoOdczyt) baza->UtworzTabele();
    return baza;
}

std::unique_ptr<TBaza> TBazaPlik::PolaczenieDoOdczytu() const {
    // The same file read as this connection reads it (a file that cannot be written, as it
    // stands on disk), with the same functions and order.
    const QString plik = QDir(katalog).filePath(PlikBazy);
    const bool niezmienny = wada == TWadaBazy::TylkoOdczyt;
    const QByteArray uri =
        QUrl::fromLocalFile(plik).toEncoded() + (niezmienny ? "?mode=ro&immutable=1" : "?mode=ro");
    try {
        std::unique_ptr<TBazaPlik> baza(
            new TBazaPlik(otworz(uri, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI), katalog));
        baza->RejestrujFunkcje();
        baza->Wykonaj(QStringLiteral("PRAGMA case_sensitive_like=ON;"));
        baza->UstawWade(wada, tekstWady);
        return baza;
    } catch (const TBladBazy&) {
        return nullptr;
    }
}

TZnacznikBazy TBazaPlik::ZnacznikPolaczenia() const {
    sqlite3_stmt* st = nullptr;
    TZnacznikBazy z;  // unread: the empty mark, which matches no store
    if (sqlite3_prepare_v2(uchwyt, "PRAGMA data_version", -1, &st, nullptr) == SQLITE_OK &&
        sqlite3_step(st) == SQLITE_ROW)
        z = {numer, sqlite3_total_changes64(uchwyt), sqlite3_column_int64(st, 0)};
    sqlite3_finalize(st);
    return z;
}

std::unique_ptr<TKursor> TBazaPlik::Przygotuj(const QString& lokalny,
                                              const QHash<QString, QVariant>& parametry) {
    const QByteArray sql = PrzetlumaczSQL(lokalny).toUtf8();
    sqlite3_stmt* s = nullptr;
    const char* reszta = nullptr;
    if (sqlite3_prepare_v2(uchwyt, sql.constData(), static_cast<int>(sql.size()), &s, &reszta) !=
        SQLITE_OK) {
        const TBladBazy blad = bladBazy(uchwyt);
        sqlite3_finalize(s);
        throw blad;
    }
    if (!s) throw TBladBazy(QStringLiteral("Puste polecenie SQL."));
    auto kursor = std::make_unique<TKursorPliku>(uchwyt, s);
    // One statement at a time: anything after it other than blanks and semicolons is
    // refused rather than silently left out.
    for (const char* r = reszta; r && *r; ++r)
        if (*r != ';' && !isspace(static_cast<unsigned char>(*r)))
            throw TBladBazy(QStringLiteral("Polecenie SQL może zawierać tylko jedno polecenie."));
    for (int i = 1; i <= sqlite3_bind_parameter_count(s); ++i) {
        const char* nazwa = sqlite3_bind_parameter_name(s, i);
        const auto it =
            nazwa ? parametry.constFind(QString::fromUtf8(nazwa).toUpper()) : parametry.cend();
        WiazWartosc(s, i, it == parametry.cend() ? QVariant() : *it);
    }
    return kursor;
}

std::optional<int> TBazaPlik::WersjaZapisana() {
    sqlite3_stmt* st = nullptr;
    std::optional<int> wersja;
    if (sqlite3_prepare_v2(uchwyt, "PRAGMA user_version", -1, &st, nullptr) == SQLITE_OK &&
        sqlite3_step(st) == SQLITE_ROW)
        wersja = sqlite3_column_int(st, 0);
    else
        KomunikatBledu(TekstBleduBazy(uchwyt));
    sqlite3_finalize(st);
    return wersja;
}

bool TBazaPlik::MaIndeks(const QString& nazwa) {
    sqlite3_stmt* st = nullptr;
    const QByteArray n = nazwa.toUtf8();
    bool jest = false;
    if (sqlite3_prepare_v2(uchwyt, "select 1 from sqlite_master where type = 'index' and name = ?1",
                           -1, &st, nullptr) == SQLITE_OK) {
        sqlite3_bind_text(st, 1, n.constData(), static_cast<int>(n.size()), SQLITE_TRANSIENT);
        jest = sqlite3_step(st) == SQLITE_ROW;
    }
    sqlite3_finalize(st);
    return jest;
}

void TBazaPlik::ZapiszWersje(int wersja) {
    Wykonaj(QStringLiteral("PRAGMA user_version = %1").arg(wersja));
}

void TBazaPlik::Wykonaj(const QString& sql) {
    char* blad = nullptr;
    if (sqlite3_exec(uchwyt, sql.toUtf8().constData(), nullptr, nullptr, &blad) != SQLITE_OK) {
        const QString tekst = QString::fromUtf8(blad ? blad : sqlite3_errmsg(uchwyt));
        sqlite3_free(blad);
        throw TBladBazy(tekst, sqlite3_extended_errcode(uchwyt));
    }
}

void TBazaPlik::UtworzTabele() {
    Wykonaj(QStringLiteral("begin"));
    try {
        for (const char* polecenie : Tabele) Wykonaj(QString::fromLatin1(polecenie));
        Wykonaj(QStringLiteral("commit"));
    } catch (...) {
        sqlite3_exec(uchwyt, "rollback", nullptr, nullptr, nullptr);
        throw;
    }
}

void TBazaPlik::RejestrujFunkcje() {
    const int flagi = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function(uchwyt, "upper", 1, flagi, nullptr, upper, nullptr, nullptr);
    sqlite3_create_function(uchwyt, "lower", 1, flagi, nullptr, lower, nullptr, nullptr);
    RejestrujPorzadek(uchwyt);
    RejestrujSumeKwot(uchwyt);
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

void WiazWartosc(sqlite3_stmt* st, int i, const QVariant& v) {
    if (v.isNull()) {
        sqlite3_bind_null(st, i);
        return;
    }
    switch (v.typeId()) {
        case QMetaType::Bool:
            sqlite3_bind_int(st, i, v.toBool() ? 1 : 0);
            break;
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
            sqlite3_bind_int64(st, i, v.toLongLong());
            break;
        case QMetaType::Double:
            sqlite3_bind_double(st, i, v.toDouble());
            break;
        case QMetaType::QDate: {
            const QDate d = v.toDate();
            char iso[16] = "";
            const int n = d.isValid() ? std::snprintf(iso, sizeof iso, "%04d-%02d-%02d", d.year(),
                                                      d.month(), d.day())
                                      : 0;
            sqlite3_bind_text(st, i, iso, n, SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray t = v.toString().toUtf8();
            sqlite3_bind_text(st, i, t.constData(), static_cast<int>(t.size()), SQLITE_TRANSIENT);
        }
    }
}
