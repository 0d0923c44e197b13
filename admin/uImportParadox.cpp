#include "admin/uImportParadox.h"

#include <QApplication>
#include <QTimer>

#include "admin/Narzedzia.h"
#include "admin/WyborPliku.h"
#include "store/Interakcja.h"
#include "ui_uImportParadox.h"

namespace {

const QString NicNieZaimportowano = QStringLiteral("Nic nie zostało zaimportowane.");

// The hourglass while the tables are opened and checked.
struct TKursorCzekania {
    TKursorCzekania() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TKursorCzekania() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

TfImportParadox::TfImportParadox(TOdczytParadox& odczytTabel, bool zRentalami, QWidget* parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::TfImportParadox>()),
      odczyt(odczytTabel),
      zWypozyczeniami(zRentalami),
      blad(QStringLiteral("zapis nie został rozpoczęty.")) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("TfImportParadox"));
    // The bar counts rows; a count beyond an int is shown in thousands.
    const qint64 wierszy = WierszeImportu(odczyt, zWypozyczeniami);
    ui->pbPostep->setRange(0, int(std::min<qint64>(wierszy, INT_MAX)));
    connect(ui->bPrzerwij, &QPushButton::clicked, this, &TfImportParadox::reject);
}

TfImportParadox::~TfImportParadox() = default;

void TfImportParadox::reject() {
    if (przerwij) return;
    przerwij = true;
    ui->bPrzerwij->setEnabled(false);
    ui->lPostep->setText(QStringLiteral("Przerywanie importu…"));
}

void TfImportParadox::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (rozpoczety) return;
    rozpoczety = true;
    QTimer::singleShot(0, this, &TfImportParadox::Importuj);
}

void TfImportParadox::Importuj() {
    const int koniec = ui->pbPostep->maximum();
    blad = ZapiszOdczytParadox(odczyt, zWypozyczeniami, [&](qint64 zrobione) {
        const int wartosc = int(std::min<qint64>(zrobione, koniec));
        if (wartosc == koniec)
            ui->lPostep->setText(przerwij ? QStringLiteral("Przerywanie importu…")
                                          : QStringLiteral("Porządkowanie bazy danych…"));
        ui->pbPostep->setValue(wartosc);
        QCoreApplication::processEvents();
        return !przerwij;
    });
    if (blad.isEmpty()) przerwij = false;  // stopped too late: everything is stored
    done(blad.isEmpty() ? QDialog::Accepted : QDialog::Rejected);
}

bool ImportParadox(QWidget* rodzic) {
    if (BazaMaDane()) {
        Uwaga(QStringLiteral("Import z tabel Paradox jest możliwy tylko do pustej bazy danych, "
                             "a ta zawiera już klientów, filmy lub wypożyczenia.\n") +
              NicNieZaimportowano);
        return false;
    }
    const QString katalog = WyborPliku().Folder(
        rodzic, QStringLiteral("Katalog z tabelami Paradox (klient.db, film.db, rental.db)"));
    if (katalog.isEmpty()) return false;
    return ImportParadoxZKatalogu(katalog, rodzic);
}

bool ImportParadoxZKatalogu(const QString& katalog, QWidget* rodzic) {
    TOdczytParadox odczyt;
    {
        TKursorCzekania kursor;
        odczyt = CzytajTabeleParadox(katalog);
    }
    if (!odczyt.blad.isEmpty()) {
        Uwaga(odczyt.blad + '\n' + NicNieZaimportowano);
        return false;
    }
    const bool zWypozyczeniami = odczyt.rental.jest;
    if (!zWypozyczeniami &&
        !Pytanie(QStringLiteral("W wybranym katalogu brak tabeli \"rental.db\". "
                                "Czy zaimportować tylko klientów i filmy?"),
                 false))
        return false;
    QString blad;
    bool przerwano = false;
    {
        TfImportParadox okno(odczyt, zWypozyczeniami, rodzic);
        PokazModalnie(okno);
        blad = okno.Blad();
        przerwano = okno.Przerwano();
    }
    if (przerwano) {
        Uwaga(ImportPrzerwany + '\n' + NicNieZaimportowano);
        return false;
    }
    if (!blad.isEmpty()) {
        Uwaga(QStringLiteral("Import nie został zapisany: ") + blad + '\n' + NicNieZaimportowano);
        return false;
    }
    Informacja(PodsumowanieImportu(odczyt, zWypozyczeniami));
    SprawdzBazeDanych(rodzic);
    return true;
}
