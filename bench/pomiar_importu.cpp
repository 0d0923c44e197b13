// Times the import of old Paradox tables through its entry point (ImportParadoxZKatalogu),
// as the operator's "Import z tabel Paradox" runs it after the folder is chosen:
//   pomiar_importu FOLDER [repetitions]
// FOLDER holds klient.db, film.db, rental.db and dictionary.db (generuj_paradox). Each
// repetition imports into a new empty store in a temporary folder. The import is timed
// from the call to the closing report; the store check shown after it is timed apart.
// Processor time of the process and wall clock, in seconds; peak resident memory in MB.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>

#include "admin/uImportParadox.h"
#include "bench/Pomiar.h"
#include "store/Baza.h"
#include "store/Interakcja.h"
#include "store/TQuery.h"
#include "store/Tlumacz.h"
#include "store/uStruktura.h"

namespace {

double procesor() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + t.tv_nsec / 1e9;
}

struct TChwila {
    double procesor = 0;
    double zegar = 0;
};

// Answers every message, notes when the closing report comes, lets every window but the
// store check run as it would.
class TPomiarInterakcji : public TInterakcja {
public:
    explicit TPomiarInterakcji(QElapsedTimer& z) : zegar(z) {}
    QMessageBox::StandardButton Pokaz(const TKomunikat& k) override {
        teksty << k.tekst;
        if (k.tekst.startsWith(QStringLiteral("Import z tabel Paradox zakończony")))
            raport = {procesor(), zegar.nsecsElapsed() / 1e9};
        return (k.przyciski & QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
    }
    int PokazModalnie(QDialog& okno) override {
        if (okno.objectName() == QLatin1String("TfSprawdzBaze")) {
            sprawdzenie = {procesor(), zegar.nsecsElapsed() / 1e9};
            return QDialog::Accepted;
        }
        return okno.exec();
    }
    QElapsedTimer& zegar;
    QStringList teksty;
    TChwila raport, sprawdzenie;
};

qint64 ile(const char* sql) {
    TQuery q;
    q.UstawSQL(QString::fromLatin1(sql));
    q.Open();
    return q.FieldByName(QStringLiteral("ile")).AsLargeInt();
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplikacja(argc, argv);
    const QStringList arg = aplikacja.arguments();
    if (arg.size() < 2 || arg.size() > 3) {
        std::fprintf(stderr, "Użycie: pomiar_importu KATALOG [powtórzenia]\n");
        return 2;
    }
    const int powtorzen = arg.size() == 3 ? std::max(1, arg[2].toInt()) : 1;
    std::printf("%-4s %12s %12s %12s %12s %8s %8s %8s\n", "nr", "import cpu", "import zegar",
                "spr. cpu", "spr. zegar", "klienci", "filmy", "wypoż.");
    for (int i = 0; i < powtorzen; ++i) {
        QTemporaryDir katalog;
        try {
            TBaza::Polacz(katalog.path() + '/');
            TQuery query;
            AktualizujStrukture(query);
        } catch (const TBladBazy& e) {
            std::fprintf(stderr, "%s\n", e.what());
            return 1;
        }
        QElapsedTimer zegar;
        TPomiarInterakcji interakcja(zegar);
        UstawInterakcje(&interakcja);
        const double start = procesor();
        zegar.start();
        const bool zapisano = ImportParadoxZKatalogu(arg[1]);
        const TChwila koniec{procesor(), zegar.nsecsElapsed() / 1e9};
        UstawInterakcje(nullptr);
        if (!zapisano) {
            std::fprintf(stderr, "%s\n", qPrintable(interakcja.teksty.join('\n')));
            return 1;
        }
        std::printf(
            "%-4d %12.2f %12.2f %12.2f %12.2f %8lld %8lld %8lld\n", i + 1,
            interakcja.raport.procesor - start, interakcja.raport.zegar,
            koniec.procesor - interakcja.raport.procesor, koniec.zegar - interakcja.raport.zegar,
            ile("select count(*) as ile from klient"), ile("select count(*) as ile from film"),
            ile("select count(*) as ile from rental"));
        std::fflush(stdout);
        TBaza::Rozlacz();
    }
    std::printf("peak memory %lld MB\n", SzczytPamieciMB());
    return 0;
}
