// Whole-program timings through the real windows on a generated store, each beside the
// same statements run on SQLite directly:
//   pomiar_okien FOLDER [powtorzenia] [wybor]
// FOLDER holds Bazy/ (see generuj_sklep); "today" is the day of the store's last rental.
// Each window is opened from its menu item as the operator would; "otwarcie" runs from the
// item to the window painted on screen (for a report: its preview with the first page),
// "zamkniecie" from the window's closing (its hiding included) to the desk ready again. Medians
// over the repetitions of the processor time; then the wall-clock time of the opening and the peak
// resident memory during the measurement.
#include <sqlite3.h>
#include <time.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <thread>
#include <vector>

#include "admin/Kopie.h"
#include "admin/KopieAutomatyczne.h"
#include "admin/KopieSerwera.h"
#include "app/uMain.h"
#include "app/uProgram.h"
#include "bench/Pomiar.h"
#include "store/Baza.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/Kursor.h"
#include "store/Tlumacz.h"
#include "store/Zegar.h"

namespace {

// Processor time of the process in ms: on a machine shared with other work it shows the
// program's own cost, which the wall clock (also printed) mixes with the others' load.
double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Both clocks from one start.
class TZegar {
public:
    void start() {
        sciana.start();
        cpu0 = cpuMs();
    }
    double cpu() const { return cpuMs() - cpu0; }
    double ms() const { return sciana.nsecsElapsed() / 1e6; }

private:
    QElapsedTimer sciana;
    double cpu0 = 0;
};

// Wall-clock milliseconds since the process was started (Linux: its start time in
// /proc/self/stat, in clock ticks since boot, against the boot-time clock).
double WiekProcesuMs() {
    QFile f(QStringLiteral("/proc/self/stat"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    const QByteArray stat = f.readAll();
    // The fields after the command's name in brackets; the start time is the 22nd field.
    const QList<QByteArray> pola = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    if (pola.size() < 20) return 0;
    const double start = pola[19].toDouble() * 1e3 / static_cast<double>(sysconf(_SC_CLK_TCK));
    timespec teraz{};
    clock_gettime(CLOCK_BOOTTIME, &teraz);
    return teraz.tv_sec * 1e3 + teraz.tv_nsec / 1e6 - start;
}

double mediana(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// On a server store (WIRDOLAN_BAZA set) the statements run on the server: its work is done
// in the server's processes, so the times there are of the wall clock.
bool naSerwerze() {
    return TBaza::Aktywna() && TBaza::Aktywna()->Rodzaj() == TRodzajBazy::Serwer;
}

// Milliseconds of running the statements on the store directly, reading every column of
// every row as text: SQLite's C interface on a file, the store's own cursor on a server.
double czasSQL(const QStringList& polecenia) {
    TZegar t;
    t.start();
    if (naSerwerze()) {
        for (const QString& p : polecenia) {
            const auto kursor = TBaza::Aktywna()->Przygotuj(p, {});
            while (kursor->Krok())
                for (int i = 0; i < kursor->LiczbaKolumn(); ++i) kursor->Wartosc(i);
        }
        return t.ms();
    }
    sqlite3* h = TBaza::Aktywna()->Uchwyt();
    for (const QString& p : polecenia) {
        const QByteArray sql = PrzetlumaczSQL(p).toUtf8();
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(h, sql.constData(), -1, &st, nullptr) != SQLITE_OK) {
            std::fprintf(stderr, "%s\n%s\n", sqlite3_errmsg(h), sql.constData());
            std::exit(1);
        }
        while (sqlite3_step(st) == SQLITE_ROW)
            for (int i = 0; i < sqlite3_column_count(st); ++i) sqlite3_column_text(st, i);
        sqlite3_finalize(st);
    }
    return t.cpu();
}

// Shows each modal window, lets it load and paint, notes the time, and closes it.
class TPomiar : public TInterakcja {
public:
    TZegar zegar;
    double otwarte = 0, otwarteSciana = 0;  // ms from the start to the window painted
    double zamkniete = 0;                   // ms from the start to the closing begun
    QString okno;                           // class of the window measured
    QDate od, doo;                          // the periodic report's range

    QMessageBox::StandardButton Pokaz(const TKomunikat& k) override {
        // Nothing is printed; every other question takes its default. (The texts hold
        // Polish letters: compared as UTF-8, not as Latin-1.)
        if (k.tekst.startsWith(QStringLiteral("Czy rozpocząć drukowanie"))) return QMessageBox::No;
        // A return of the whole list the desk shows.
        if (k.tekst.startsWith(QStringLiteral("Nie zaznaczono żadnego wiersza")))
            return QMessageBox::Yes;
        return k.domyslny == QMessageBox::NoButton ? QMessageBox::Ok : k.domyslny;
    }
    int PokazModalnie(QDialog& dialog) override {
        if (dialog.objectName() == QLatin1String("TfRapDaty")) {
            dialog.findChild<QDateEdit*>(QStringLiteral("DataOD"))->setDate(od);
            dialog.findChild<QDateEdit*>(QStringLiteral("DataDO"))->setDate(doo);
            return QDialog::Accepted;
        }
        if (dialog.objectName() == QLatin1String("TfWplata")) {
            // The amount the desk proposes, paid.
            dialog.findChild<QPushButton*>(QStringLiteral("bZapisz"))->click();
            return dialog.result();
        }
        dialog.show();
        QApplication::processEvents();
        dialog.grab();  // everything painted, the preview's page included
        otwarte = zegar.cpu();
        otwarteSciana = zegar.ms();
        okno = dialog.objectName();
        zamkniete = zegar.cpu();
        dialog.hide();
        return QDialog::Rejected;
    }
};

TPomiar pomiar;

// Starts a new peak of the resident memory (Linux: "5" into clear_refs); the peak of the
// whole run is kept apart.
qint64 szczytCalosci = 0;
void nowySzczyt() {
    szczytCalosci = std::max(szczytCalosci, SzczytPamieciMB());
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly)) f.write("5");
}

struct TWynik {
    std::vector<double> otwarcie, zamkniecie, sql, sciana;
};

void wypisz(const char* nazwa, const TWynik& w) {
    const double o = mediana(w.otwarcie), z = mediana(w.zamkniecie), s = mediana(w.sql);
    const qint64 pamiec = SzczytPamieciMB();
    std::printf("%-28s %10.1f %12.1f %10.1f %9.1f %10.1f %8lld\n", nazwa, o, z, s,
                s > 0 ? o / s : 0.0, mediana(w.sciana), pamiec);
    std::fflush(stdout);
    nowySzczyt();
}

// When set, only the measurements whose names hold this text run (the start-up always).
QString wybor;
bool wybrany(const char* nazwa) {
    return wybor.isEmpty() || QString::fromUtf8(nazwa).contains(wybor);
}

// Opens the window of a menu item `ile` times.
void zPozycji(const char* nazwa, const char* pozycja, const QStringList& polecenia, int ile) {
    if (!wybrany(nazwa)) return;
    TWynik w;
    auto* akcja = fMain->findChild<QAction*>(QString::fromLatin1(pozycja));
    if (!akcja) {
        std::fprintf(stderr, "brak pozycji %s\n", pozycja);
        return;
    }
    for (int i = 0; i < ile; ++i) {
        pomiar.otwarte = pomiar.otwarteSciana = pomiar.zamkniete = 0;
        pomiar.zegar.start();
        akcja->setEnabled(true);
        akcja->trigger();
        QApplication::processEvents();
        const double koniec = pomiar.zegar.cpu();
        w.otwarcie.push_back(pomiar.otwarte);
        w.sciana.push_back(pomiar.otwarteSciana);
        w.zamkniecie.push_back(koniec - pomiar.zamkniete);
        w.sql.push_back(czasSQL(polecenia));
    }
    wypisz(nazwa, w);
}

// One action on the desk, `ile` times; `krok(i)` does it.
void naPulpicie(const char* nazwa, const std::function<void(int)>& krok,
                const std::function<QStringList(int)>& polecenia, int ile) {
    if (!wybrany(nazwa)) return;
    TWynik w;
    for (int i = 0; i < ile; ++i) {
        TZegar t;
        t.start();
        krok(i);
        QApplication::processEvents();
        w.otwarcie.push_back(t.cpu());
        w.sciana.push_back(t.ms());
        w.zamkniecie.push_back(0);
        w.sql.push_back(czasSQL(polecenia(i)));
    }
    wypisz(nazwa, w);
}

// The first column of the first row of a statement of the program (on either store).
QVariant pierwsza(const QString& sql) {
    const auto kursor = TBaza::Aktywna()->Przygotuj(sql, {});
    return kursor->Krok() ? kursor->Wartosc(0) : QVariant();
}
int liczba(const QString& sql) {
    return pierwsza(sql).toInt();
}
QString tekst(const QString& sql) {
    return pierwsza(sql).toString();
}

// The statements the program sends while `krok` runs, as SQLite expands them, so that
// the same writes can be timed on SQLite directly (in a transaction rolled back).
QStringList wyslane(const std::function<void()>& krok) {
    QStringList polecenia;
    if (naSerwerze()) {
        krok();
        return polecenia;
    }
    sqlite3* baza = TBaza::Aktywna()->Uchwyt();
    sqlite3_trace_v2(
        baza, SQLITE_TRACE_STMT,
        [](unsigned, void* lista, void* st, void*) {
            char* sql = sqlite3_expanded_sql(static_cast<sqlite3_stmt*>(st));
            if (sql) {
                const QString tekst = QString::fromUtf8(sql).trimmed();
                static const char* sterujace[] = {"begin",    "commit",    "end",
                                                  "rollback", "savepoint", "release"};
                bool sterujace_ = false;
                for (const char* s : sterujace)
                    sterujace_ |= tekst.startsWith(QLatin1String(s), Qt::CaseInsensitive);
                if (!sterujace_) static_cast<QStringList*>(lista)->push_back(tekst);
                sqlite3_free(sql);
            }
            return 0;
        },
        &polecenia);
    krok();
    sqlite3_trace_v2(baza, 0, nullptr, nullptr);
    return polecenia;
}

// Those statements run on SQLite directly in one transaction, then rolled back.
double czasZapisow(const QStringList& polecenia) {
    if (polecenia.isEmpty()) return 0;
    sqlite3* baza = TBaza::Aktywna()->Uchwyt();
    TZegar t;
    t.start();
    sqlite3_exec(baza, "savepoint pomiar", nullptr, nullptr, nullptr);
    const double poczatek = t.cpu();
    for (const QString& sql : polecenia) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(baza, sql.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK)
            continue;
        while (sqlite3_step(st) == SQLITE_ROW)
            for (int i = 0; i < sqlite3_column_count(st); ++i) sqlite3_column_text(st, i);
        sqlite3_finalize(st);
    }
    const double koniec = t.cpu();
    sqlite3_exec(baza, "rollback to pomiar", nullptr, nullptr, nullptr);
    sqlite3_exec(baza, "release pomiar", nullptr, nullptr, nullptr);
    return koniec - poczatek;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication aplikacja(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    const QStringList arg = aplikacja.arguments();
    if (arg.size() < 2) {
        std::fprintf(stderr, "Użycie: pomiar_okien KATALOG [powtórzenia] [wybór]\n");
        return 2;
    }
    const QString folder = DodajUkosnik(arg[1]);
    const int ile = arg.size() > 2 ? std::max(1, arg[2].toInt()) : 5;
    wybor = arg.value(3);
    QTemporaryDir robocze;
    UstawInterakcje(&pomiar);

    // "Today" is the last day of the generated shop.
    TBaza::Polacz(folder + QStringLiteral("Bazy/"));
    const QDate dzis =
        QDate::fromString(tekst("select max(dataOD) from rental"), Qt::ISODate).addDays(1);
    const int klientow = liczba("select max(Numer_klienta) from klient");
    const int filmow = liczba("select max(Numer_filmu) from film");
    // WIRDOLAN_BAZA set: the windows run on that server store, which gets the generated
    // shop moved into it first when it holds no clients yet.
    const QString serwer = qEnvironmentVariable("WIRDOLAN_BAZA");
    if (!serwer.isEmpty()) {
        bool pusta = false;
        {
            const auto cel = TBaza::OtworzSerwer(serwer, folder + QStringLiteral("Bazy/"));
            const auto kursor = cel->Przygotuj(QStringLiteral("select count(*) from klient"), {});
            pusta = !kursor->Krok() || kursor->Wartosc(0).toLongLong() == 0;
        }
        if (pusta) {
            TZegar t;
            t.start();
            if (!PrzeniesDaneNaSerwer(serwer)) return 1;
            std::printf("przeniesienie na serwer: %.0f ms procesora, %.0f ms zegara\n", t.cpu(),
                        t.ms());
        }
    }
    TBaza::Rozlacz();
    UstawDzisiaj(dzis);
    pomiar.od = dzis.addYears(-1);
    pomiar.doo = dzis;

    std::printf("%-28s %10s %12s %10s %9s %10s\n", "czas procesora [ms]", "otwarcie", "zamknięcie",
                "SQLite", "krotność", "zegar");
    // Start-up to a ready desk with the clients' pick list; the titles' pick lists are read
    // on while the desk works, their row from the start to the lists put in.
    {
        TWynik w, listy;
        for (int i = 0; i < ile; ++i) {
            TZegar t;
            t.start();
            UtworzOkna();
            fMain->KatalogStartowy = folder;
            fMain->PlikKonfiguracjiBDE = robocze.filePath(QStringLiteral("silnik.ini"));
            fMain->PlikBlokady = robocze.filePath(QStringLiteral("Wirdolan2"));
            if (!fMain->Start()) return 1;
            QApplication::processEvents();
            w.otwarcie.push_back(t.cpu());
            w.sciana.push_back(t.ms());
            if (i == 0)
                std::printf("od uruchomienia procesu do gotowego pulpitu: %.0f ms zegara\n",
                            WiekProcesuMs());
            fMain->CzekajNaListy();
            listy.otwarcie.push_back(t.cpu());
            listy.sciana.push_back(t.ms());
            w.sql.push_back(
                czasSQL({QStringLiteral("select * from klient where aktualny = True")}));
            listy.sql.push_back(czasSQL(
                {QStringLiteral("select Tytul_oryginalny, Tytul_polski from film where aktualny "
                                "= True order by Tytul_oryginalny")}));
            if (i + 1 < ile) {
                TZegar z;
                z.start();
                ZniszczOkna();
                TBaza::Rozlacz();
                w.zamkniecie.push_back(z.cpu());
            }
        }
        wypisz("start do gotowego pulpitu", w);
        wypisz("start do list tytułów", listy);
    }
    // The day's copy, begun in the background once the desk is up, ends before the desk
    // is measured.
    fMain->ZaczekajNaKopie();
    // "kopia": the backup of the menu's copy routine, timed alone.
    if (wybor.contains(QLatin1String("kopia"))) {
        TWynik w;
        for (int i = 0; i < ile; ++i) {
            const QString cel = robocze.filePath(QStringLiteral("kopia.sqlite"));
            TZegar t;
            t.start();
            if (!KopiujBaze(folder + QStringLiteral("Bazy/") + PlikBazy, cel).isEmpty()) return 1;
            w.otwarcie.push_back(t.cpu());
            w.sciana.push_back(t.ms());
            w.zamkniecie.push_back(0);
            w.sql.push_back(0);
            QFile::remove(cel);
        }
        wypisz("kopia zapasowa", w);
    }
    // WIRDOLAN_KOPIA_W_TLE set: the day's copy made again and again in the background, on
    // its own low-priority thread as the program makes it, while the desk is measured; the
    // time of each copy on stderr.
    std::jthread kopiaWTle;
    if (qEnvironmentVariableIsSet("WIRDOLAN_KOPIA_W_TLE"))
        kopiaWTle = std::jthread([folder](std::stop_token stop) {
            ObnizPriorytetWatku();
            for (int n = 0; !stop.stop_requested(); ++n) {
                QElapsedTimer t;
                t.start();
                const QString blad = ZrobKopieAutomatyczna(
                    folder + QStringLiteral("Bazy/"),
                    QDateTime(QDate(2000, 1, 1).addDays(n), QTime(12, 0)), stop);
                if (blad.isEmpty())
                    std::fprintf(stderr, "kopia w tle: %lld ms\n",
                                 static_cast<long long>(t.elapsed()));
            }
        });
    auto* eKlientNr = fMain->findChild<QLineEdit*>(QStringLiteral("eKlientNr"));
    auto* eFilmNr = fMain->findChild<QLineEdit*>(QStringLiteral("eFilmNr"));
    auto numer = [](int i, int n) { return 1 + static_cast<int>((i * 7919LL) % n); };
    naPulpicie(
        "klient po numerze",
        [&](int i) {
            eKlientNr->setText(QString::number(numer(i, klientow)));
            fMain->WczytajKLIENTA();
        },
        [&](int i) {
            return QStringList{
                QStringLiteral("select * from klient where Numer_klienta = %1")
                    .arg(numer(i, klientow)),
                QStringLiteral("select * from rental r, film f where f.id = r.id_filmu and "
                               "r.id_klienta = (select id from klient where Numer_klienta = %1) "
                               "and r.zwrocono = False")
                    .arg(numer(i, klientow))};
        },
        ile * 4);
    naPulpicie(
        "film po numerze",
        [&](int i) {
            eFilmNr->setText(QString::number(numer(i, filmow)));
            fMain->WczytajFILM();
        },
        [&](int i) {
            return QStringList{
                QStringLiteral("select * from film where Numer_filmu = %1").arg(numer(i, filmow))};
        },
        ile * 4);

    // The client whose history is longest, on the desk for the history window.
    const int staly = liczba(
        "select Numer_klienta from klient where ID = (select id_klienta from rental "
        "group by id_klienta order by count(*) desc limit 1)");

    zPozycji("lista klientów", "miKlienci",
             {QStringLiteral("select ID, Numer_klienta, Nazwisko || ' ' || Imie klient from "
                             "klient where aktualny = True")},
             ile);
    zPozycji("lista filmów", "miFilmy",
             {QStringLiteral("select ID, Numer_filmu, Tytul_oryginalny || ' (' || Tytul_polski || "
                             "')' tytul from film where aktualny = true order by Numer_filmu")},
             ile);
    eKlientNr->setText(QString::number(staly));
    fMain->WczytajKLIENTA();
    zPozycji("historia klienta", "miRaportKlient",
             {QStringLiteral("select f.id, f.Numer_filmu nr, f.Tytul_oryginalny || ' (' || "
                             "f.Tytul_polski || ')' tytul, r.dataOD dataod, r.dataZwrotu "
                             "dataZwrotu from rental r left outer join film f on f.ID = "
                             "r.id_filmu where r.Id_klienta = (select id from klient where "
                             "Numer_klienta = %1) order by dataOD DESC")
                  .arg(staly)},
             ile);
    const QString otwarte = QStringLiteral(
        "select f.Tytul_oryginalny || ' (' || f.Tytul_polski || ')' tytul, k.nazwisko || ' ' || "
        "k.imie klient, r.dataOD, r.dataDO, k.id from rental r, klient k, film f where "
        "r.id_filmu = f.id and r.id_klienta = k.id and r.zwrocono = False");
    zPozycji("filmy wypożyczone", "miRapFilmyWyp", {otwarte}, ile);
    zPozycji("filmy przeterminowane", "miRapFilmyWyp2",
             {otwarte + QStringLiteral(" and r.dataDO < ") + DataSQL(dzis)}, ile);
    zPozycji(
        "raport roczny", "miRaportOkresowy",
        {QStringLiteral("select k.numer_klienta nr, k.nazwisko || ' ' || k.imie klient, "
                        "f.tytul_oryginalny tytul, r.platnosc, r.platnosc1, r.z_abonamentu, "
                        "r.zwrocono, r.naleznosc from rental r, klient k, film f where "
                        "r.dataOD >= ") +
         DataSQL(pomiar.od) + QStringLiteral(" and ( ( r.dataZwrotu <= ") + DataSQL(pomiar.doo) +
         QStringLiteral(" ) or ( r.dataZwrotu is null and r.zwrocono = false ) ) and "
                        "k.id = r.id_klienta and f.id = r.id_filmu ")},
        ile);
    zPozycji("ranking filmów", "miRapRentownoscF",
             {QStringLiteral("select Numer_filmu nr, Tytul_oryginalny || ' (' || Tytul_polski || "
                             "')' tytul, wplywy from film where aktualny = true order by wplywy "
                             "desc, tytul")},
             ile);
    zPozycji("ranking klientów", "miRapRentownoscK",
             {QStringLiteral("select k.id, k.numer_klienta nr, k.nazwisko, k.imie, sum( "
                             "r.naleznosc ) kwota from klient k, rental r where k.id = "
                             "r.id_klienta and zwrocono = true group by k.id, k.nazwisko, "
                             "k.imie, k.numer_klienta order by kwota desc, k.nazwisko, k.imie")},
             ile);
    // At the counter: five films scanned into the basket one by one, the rental of the
    // five committed with the amount proposed, and the five returned the same day, each
    // time for another client with nothing out, on films on the shelf.
    if (wybrany("koszyk") || wybrany("wypożyczenie 5") || wybrany("zwrot 5")) {
        auto* bNastepny = fMain->findChild<QPushButton*>(QStringLiteral("bNastepny"));
        auto* bWypozycz = fMain->findChild<QPushButton*>(QStringLiteral("bWypozycz"));
        auto* bZwrot = fMain->findChild<QPushButton*>(QStringLiteral("bZwrot"));
        auto* lista = fMain->findChild<QTableWidget*>(QStringLiteral("sgWypozyczenie"));
        TWynik koszyk, wypozyczenie, zwrot;
        auto zapisz = [](TWynik& w, const std::function<void()>& krok) {
            TZegar t;
            t.start();
            const QStringList polecenia = wyslane([&] {
                krok();
                QApplication::processEvents();
            });
            w.otwarcie.push_back(t.cpu());
            w.sciana.push_back(t.ms());
            w.zamkniecie.push_back(0);
            w.sql.push_back(czasZapisow(polecenia));
        };
        for (int i = 0; i < ile; ++i) {
            const int klient = liczba(
                QStringLiteral("select Numer_klienta from klient k where Aktualny = True and "
                               "Abonament = False and Saldo >= 0 and not exists (select 1 from "
                               "rental r where r.id_klienta = k.ID and r.zwrocono = False) order "
                               "by Numer_klienta limit 1 offset %1")
                    .arg(i * 37));
            eKlientNr->setText(QString::number(klient));
            fMain->WczytajKLIENTA();
            for (int j = 0; j < 5; ++j) {
                const int film = liczba(QStringLiteral("select Numer_filmu from film where "
                                                       "Aktualny = True and Status = True order "
                                                       "by Numer_filmu limit 1 offset %1")
                                            .arg(1000 + i * 53 + j));
                eFilmNr->setText(QString::number(film));
                fMain->WczytajFILM();
                zapisz(koszyk, [&] { bNastepny->click(); });
            }
            zapisz(wypozyczenie, [&] { bWypozycz->click(); });
            eKlientNr->setText(QString::number(klient));
            fMain->WczytajKLIENTA();
            lista->clearSelection();
            zapisz(zwrot, [&] { bZwrot->click(); });
        }
        wypisz("dodanie do koszyka", koszyk);
        wypisz("wypożyczenie 5 filmów", wypozyczenie);
        wypisz("zwrot 5 filmów", zwrot);
    }
    nowySzczyt();
    std::printf("szczyt pamięci: %lld MB\n", szczytCalosci);
    ZniszczOkna();
    TBaza::Rozlacz();
    UstawInterakcje(nullptr);
    return 0;
}
