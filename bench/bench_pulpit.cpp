// The desk's pick lists and its loads by number and by name, on a store of 20,000
// clients and 50,000 films.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTemporaryDir>

#include "app/uMain.h"
#include "app/uProgram.h"
#include "store/Baza.h"
#include "store/Interakcja.h"
#include "store/Zegar.h"

namespace {

constexpr int Klientow = 20000;
constexpr int Filmow = 50000;

// Answers every message with its default and shows no dialog.
class TCichaInterakcja : public TInterakcja {
public:
    QMessageBox::StandardButton Pokaz(const TKomunikat& k) override {
        return k.domyslny == QMessageBox::NoButton ? QMessageBox::Ok : k.domyslny;
    }
    int PokazModalnie(QDialog&) override { return QDialog::Rejected; }
};

void WypelnijBaze(const QString& katalog) {
    TBaza::Polacz(katalog);
    TBaza* b = TBaza::Aktywna();
    b->Wykonaj("begin");
    b->Wykonaj(
        QString("insert into klient (Numer_klienta, Imie, Nazwisko, Saldo, Abonament, "
                "Abonament_OD, Abonament_DO, LicznikAb, Rabat, Aktualny) "
                "with recursive n(i) as (select 1 union all select i + 1 from n where i < %1) "
                "select i, 'Imię' || (i % 397), 'Nazwisko' || (i * 7919 % %1), (i % 50) - 25, "
                "i % 3 = 0, '2024-01-01', '2024-12-31', i % 5, i % 20, i % 50 <> 0 from n")
            .arg(Klientow));
    b->Wykonaj(
        QString("insert into film (Numer_filmu, Tytul_oryginalny, Tytul_polski, Stawka, "
                "Status, Aktualny) "
                "with recursive n(i) as (select 1 union all select i + 1 from n where i < %1) "
                "select i, 'Title ' || (i * 104729 % %1), 'Tytuł ' || i, 3 + i % 5, "
                "i % 4 <> 0, i % 100 <> 0 from n")
            .arg(Filmow));
    b->Wykonaj(QString("insert into rental (id_filmu, id_klienta, dataOD, dataDO, zwrocono) "
                       "select ID, ID % %1 + 1, '2024-03-01', '2024-03-04', 0 from film "
                       "where Status = 0")
                   .arg(Klientow));
    b->Wykonaj("commit");
    TBaza::Rozlacz();
}

struct TPulpit {
    QTemporaryDir katalog;
    TCichaInterakcja interakcja;

    TPulpit() {
        UstawInterakcje(&interakcja);
        UstawDzisiaj(QDate(2024, 3, 5));
        const QString folder = katalog.path() + '/';
        WypelnijBaze(folder + "Bazy/");
        UtworzOkna();
        fMain->KatalogStartowy = folder;
        fMain->PlikKonfiguracjiBDE = folder + "silnik.ini";
        fMain->PlikBlokady = folder + "Wirdolan2";
        if (!fMain->Start()) std::abort();
        fMain->CzekajNaListy();
    }
    template <typename T>
    T* k(const char* nazwa) {
        return fMain->findChild<T*>(nazwa);
    }
};

TPulpit& Pulpit() {
    static TPulpit pulpit;
    return pulpit;
}

void BM_WczytajKlientow(benchmark::State& stan) {
    auto* lista = Pulpit().k<QComboBox>("cbKlient");
    for (auto _ : stan) {
        lista->clear();
        fMain->WczytajKlientow();
    }
    stan.counters["wpisy"] = lista->count();
}
BENCHMARK(BM_WczytajKlientow)->Unit(benchmark::kMillisecond);

void BM_WczytajTytuly(benchmark::State& stan) {
    auto* org = Pulpit().k<QComboBox>("cbTytulOrg");
    auto* pol = Pulpit().k<QComboBox>("cbTytulPol");
    for (auto _ : stan) {
        org->clear();
        pol->clear();
        fMain->WczytajTytuly();
    }
    stan.counters["wpisy"] = org->count();
}
BENCHMARK(BM_WczytajTytuly)->Unit(benchmark::kMillisecond);

void BM_WczytajKLIENTA(benchmark::State& stan) {
    auto* numer = Pulpit().k<QLineEdit>("eKlientNr");
    int n = 1;
    for (auto _ : stan) {
        numer->setText(QString::number(n));
        fMain->WczytajKLIENTA();
        n = n * 7 % Klientow + 1;
    }
}
BENCHMARK(BM_WczytajKLIENTA)->Unit(benchmark::kMillisecond);

void BM_WyborKlientaPoNazwie(benchmark::State& stan) {
    auto* lista = Pulpit().k<QComboBox>("cbKlient");
    int i = 0;
    for (auto _ : stan) {
        lista->setCurrentIndex(i);
        emit lista->activated(i);
        i = (i + 7919) % lista->count();
    }
}
BENCHMARK(BM_WyborKlientaPoNazwie)->Unit(benchmark::kMillisecond);

void BM_WczytajFILM(benchmark::State& stan) {
    auto* numer = Pulpit().k<QLineEdit>("eFilmNr");
    int n = 1;
    for (auto _ : stan) {
        numer->setText(QString::number(n));
        fMain->WczytajFILM();
        n = n * 13 % Filmow + 1;
    }
}
BENCHMARK(BM_WczytajFILM)->Unit(benchmark::kMillisecond);

void BM_WyborFilmuPoTytule(benchmark::State& stan) {
    auto* lista = Pulpit().k<QComboBox>("cbTytulPol");
    int i = 0;
    for (auto _ : stan) {
        lista->setCurrentIndex(i);
        emit lista->activated(i);
        i = (i + 104729) % lista->count();
    }
}
BENCHMARK(BM_WyborFilmuPoTytule)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplikacja(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ZniszczOkna();
    TBaza::Rozlacz();
    UstawInterakcje(nullptr);
    return 0;
}
