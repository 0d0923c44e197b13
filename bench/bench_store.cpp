// Cost of the store engine: the local-SQL translator alone, and an indexed lookup through
// the query object against the same statement run on SQLite directly.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QTemporaryDir>

#include "store/Baza.h"
#include "store/TQuery.h"
#include "store/Tlumacz.h"

namespace {

const char* const Polecenia[] = {
    "select * from klient where Numer_klienta = 1234",
    "select ID, Imie, Nazwisko, Abonament, Abonament_OD, Abonament_DO, Saldo, Upowazniony, "
    "LicznikAb, Rabat  from '/home/sklep/Wirdolan/Bazy/klient.db' where Numer_klienta = 7 and "
    "Aktualny = True",
    "update rental set zwrocono = True, dataZwrotu = \"05.03.24\", platnosc1 = 2.5, "
    "z_abonamentu = 0.00, naleznosc = 7.50 where id_filmu = 12 and id_klienta = 345 and "
    "Zwrocono = False",
    "insert into klient( Numer_klienta, Imie, Nazwisko, Firma, Kod, Miejscowosc, Ulica, "
    "Nr_Posesji, Nr_lokalu, Telefon, NIP, Ostatnie_wypozyczenie, Saldo, Abonament, Abonament_OD, "
    "Abonament_DO, Licznik, Upowazniony, LicznikAb, Aktualny, Rabat ) values ( 0007, 'Jan', "
    "'Kowalski', '', '90-001', 'Łódź', 'Piotrkowska', '12', '3', '42 600 00 00', '', "
    "\"05.03.24\", 12.50, False, \"05.03.24\", \"04.04.24\", 4, '', 0, True, 5 )",
    "select k.numer_klienta nr, k.nazwisko || ' ' || k.imie klient, f.tytul_oryginalny tytul, "
    "r.platnosc, r.platnosc1, r.z_abonamentu, r.zwrocono, r.naleznosc from "
    "\"/home/sklep/Wirdolan/Bazy/rental.db\" r, \"/home/sklep/Wirdolan/Bazy/klient.db\" k, "
    "\"/home/sklep/Wirdolan/Bazy/film.db\" f where r.dataOD >= \"01.02.2024\" and ( ( "
    "r.dataZwrotu <= \"29.02.2024\" ) or ( r.dataZwrotu is null and r.zwrocono = false ) ) and "
    "k.id = r.id_klienta and f.id = r.id_filmu ",
};

void BM_Tlumacz(benchmark::State& state) {
    const QString sql = QString::fromUtf8(Polecenia[state.range(0)]);
    for (auto _ : state) benchmark::DoNotOptimize(PrzetlumaczSQL(sql));
    state.SetLabel(std::to_string(sql.size()) + " chars");
}
BENCHMARK(BM_Tlumacz)->DenseRange(0, std::size(Polecenia) - 1);

constexpr int Klientow = 20000;

// A store with 20,000 clients, shared by the lookups.
class Sklep {
public:
    Sklep() {
        TBaza::Polacz(katalog.path() + '/');
        TBaza& b = *TBaza::Aktywna();
        b.Wykonaj("begin");
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(b.Uchwyt(),
                           "insert into klient (Numer_klienta, Imie, Nazwisko, Miejscowosc, "
                           "Ulica, Ostatnie_wypozyczenie, Saldo, Abonament, Licznik, LicznikAb, "
                           "Aktualny, Rabat) values (?, 'Jan', ?, 'Łódź', 'Piotrkowska', "
                           "'2024-03-05', ?, 0, 3, 0, 1, 5)",
                           -1, &st, nullptr);
        for (int i = 1; i <= Klientow; ++i) {
            const QByteArray nazwisko = QStringLiteral("Kowalski%1").arg(i).toUtf8();
            sqlite3_bind_int(st, 1, i);
            sqlite3_bind_text(st, 2, nazwisko.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_double(st, 3, i % 100 - 50.5);
            sqlite3_step(st);
            sqlite3_reset(st);
        }
        sqlite3_finalize(st);
        b.Wykonaj("commit");
    }
    ~Sklep() { TBaza::Rozlacz(); }

private:
    QTemporaryDir katalog;
};

Sklep& sklep() {
    static Sklep s;
    return s;
}

int nastepnyNumer(int& n) {
    n = n * 7919 % Klientow + 1;
    return n;
}

void BM_Wyszukanie_TQuery(benchmark::State& state) {
    sklep();
    TQuery q;
    int n = 1;
    for (auto _ : state) {
        q.UstawSQL(
            QStringLiteral("select * from klient where Numer_klienta = %1").arg(nastepnyNumer(n)));
        q.Open();
        benchmark::DoNotOptimize(q.FieldByName(QStringLiteral("NAZWISKO")).AsString());
        benchmark::DoNotOptimize(q.FieldByName(QStringLiteral("SALDO")).AsKwota());
        benchmark::DoNotOptimize(q.FieldByName(QStringLiteral("ID")).AsInteger());
        q.Close();
    }
}
BENCHMARK(BM_Wyszukanie_TQuery);

// The same statement text built the same way, prepared, stepped and read on SQLite itself.
void BM_Wyszukanie_SQLite(benchmark::State& state) {
    sklep();
    sqlite3* h = TBaza::Aktywna()->Uchwyt();
    int n = 1;
    for (auto _ : state) {
        const QByteArray sql = QStringLiteral("select * from klient where Numer_klienta = %1")
                                   .arg(nastepnyNumer(n))
                                   .toUtf8();
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(h, sql.constData(), static_cast<int>(sql.size()), &st, nullptr);
        if (sqlite3_step(st) == SQLITE_ROW) {
            benchmark::DoNotOptimize(
                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 3)),
                                  sqlite3_column_bytes(st, 3)));
            benchmark::DoNotOptimize(sqlite3_column_double(st, 14));
            benchmark::DoNotOptimize(sqlite3_column_int(st, 0));
        }
        sqlite3_finalize(st);
    }
}
BENCHMARK(BM_Wyszukanie_SQLite);

}  // namespace

int main(int argc, char** argv) {
    sklep();  // built before any timing
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
