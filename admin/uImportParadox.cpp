#include "admin/uImportParadox.h"

#include <QApplication>

#include "admin/ImportParadox.h"
#include "admin/Narzedzia.h"
#include "admin/WyborPliku.h"
#include "store/Interakcja.h"

namespace {

const QString NicNieZaimportowano = QStringLiteral("Nic nie zostało zaimportowane.");

// The hourglass while the tables are read and written.
struct TKursorCzekania {
    TKursorCzekania() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TKursorCzekania() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

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
    {
        TKursorCzekania kursor;
        blad = ZapiszOdczytParadox(odczyt, zWypozyczeniami);
    }
    if (!blad.isEmpty()) {
        Uwaga(QStringLiteral("Import nie został zapisany: ") + blad + '\n' + NicNieZaimportowano);
        return false;
    }
    Informacja(PodsumowanieImportu(odczyt, zWypozyczeniami));
    SprawdzBazeDanych(rodzic);
    return true;
}
