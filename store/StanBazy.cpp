#include "store/StanBazy.h"

#include <sqlite3.h>

#include <QDir>
#include <QInputDialog>
#include <QLineEdit>
#include <optional>

#include "store/Baza.h"
#include "store/Dziennik.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/SystemPlikow.h"
#include "store/Tlumacz.h"
#include "store/WyborBazy.h"

TWadaBazy WadaZKodu(int kod) {
    switch (kod & 0xff) {
        case SQLITE_CORRUPT:
            return TWadaBazy::Uszkodzona;
        case SQLITE_NOTADB:
            return TWadaBazy::ObcyPlik;
        case SQLITE_READONLY:
        case SQLITE_PERM:
            return TWadaBazy::TylkoOdczyt;
        case SQLITE_FULL:
            return TWadaBazy::BrakMiejsca;
        case SQLITE_IOERR:
            return TWadaBazy::BladDysku;
        case SQLITE_CANTOPEN:
            return TWadaBazy::NieOtwarta;
        default:
            return TWadaBazy::Brak;
    }
}

bool MoznaCzytac(TWadaBazy wada) {
    return wada == TWadaBazy::TylkoOdczyt || wada == TWadaBazy::BrakMiejsca ||
           wada == TWadaBazy::BladDysku || wada == TWadaBazy::ObceObiekty;
}

QString KomunikatWadyBazy(TWadaBazy wada, const QString& katalog, const QString& tekstBazy) {
    const QString plik = QStringLiteral("„%1” w folderze „%2”")
                             .arg(PlikBazy, QDir::toNativeSeparators(QDir::cleanPath(katalog)));
    const QString tylkoCzytanie = QStringLiteral(
        " Dane można przeglądać, ale żadna zmiana nie zostanie zapisana, dopóki przyczyna nie "
        "zostanie usunięta.");
    QString opis;
    switch (wada) {
        case TWadaBazy::Uszkodzona:
            opis = QStringLiteral(
                       "Plik bazy danych %1 jest uszkodzony i nie można na nim pracować. Program "
                       "nie zmienia ani nie usuwa tego pliku. Przywróć bazę z kopii zapasowej "
                       "albo przekaż plik serwisowi do naprawy.")
                       .arg(plik);
            break;
        case TWadaBazy::ObcyPlik:
            opis = QStringLiteral(
                       "Plik %1 nie jest bazą danych programu Wirdolan. Program nie zmienia ani "
                       "nie usuwa tego pliku. Przenieś go w inne miejsce, a program utworzy "
                       "nową, pustą bazę, albo przywróć bazę z kopii zapasowej.")
                       .arg(plik);
            break;
        case TWadaBazy::TylkoOdczyt:
            opis = QStringLiteral(
                       "Nie można zapisywać w bazie danych %1: folder lub plik jest tylko do "
                       "odczytu.%2 Nadaj prawo zapisu do folderu i pliku bazy, a potem uruchom "
                       "program ponownie.")
                       .arg(plik, tylkoCzytanie);
            break;
        case TWadaBazy::BrakMiejsca:
            opis = QStringLiteral(
                       "Brak miejsca na dysku z bazą danych %1.%2 Zwolnij miejsce na dysku i "
                       "powtórz operację.")
                       .arg(plik, tylkoCzytanie);
            break;
        case TWadaBazy::BladDysku:
            opis = QStringLiteral(
                       "Błąd odczytu lub zapisu dysku z bazą danych %1 (dysk pełny, odłączony "
                       "lub uszkodzony).%2 Sprawdź dysk i powtórz operację.")
                       .arg(plik, tylkoCzytanie);
            break;
        case TWadaBazy::NieOtwarta:
            opis = QStringLiteral(
                       "Nie można otworzyć pliku bazy danych %1. Sprawdź, czy folder istnieje "
                       "i czy masz prawo do zapisu w nim, a potem uruchom program ponownie.")
                       .arg(plik);
            break;
        case TWadaBazy::ObceObiekty:
            return QStringLiteral(
                       "Baza danych %1 zawiera obiekty, których program nie utworzył: %2. "
                       "Takie obiekty mogą zmienić lub usunąć dane przy zapisie, dlatego "
                       "program otwiera bazę tylko do odczytu.%3 Usuń je poleceniem "
                       "„Narzędzia” → „Sprawdź bazę danych” (program najpierw zapisze kopię "
                       "bazy) albo przywróć bazę z kopii zapasowej.")
                .arg(plik, tekstBazy, tylkoCzytanie);
        case TWadaBazy::Brak:
            return tekstBazy;
    }
    return opis + QStringLiteral("\n") + tekstBazy;
}

QString TekstBleduBazy(int kod, const QString& tekstBazy) {
    const TWadaBazy wada = WadaZKodu(kod);
    const TBaza* b = TBaza::Aktywna();
    if (wada == TWadaBazy::Brak || !b) return tekstBazy;
    // A write refused because of objects the program did not make.
    if (wada == TWadaBazy::TylkoOdczyt && b->Wada() == TWadaBazy::ObceObiekty)
        return KomunikatWadyBazy(b->Wada(), b->Katalog(), b->TekstWady()) + '\n' + tekstBazy;
    return KomunikatWadyBazy(wada, b->Katalog(), tekstBazy);
}

QString TekstBleduBazy(sqlite3* uchwyt) {
    return TekstBleduBazy(sqlite3_extended_errcode(uchwyt),
                          QString::fromUtf8(sqlite3_errmsg(uchwyt)));
}

QString AdresSerweraBazy() {
    if (const QString adres = qEnvironmentVariable("WIRDOLAN_BAZA").trimmed(); !adres.isEmpty())
        return adres;
    return AdresZWyboru(WczytajWyborBazy());
}

namespace {

// Asks for the server's password, masked; empty when the operator ends the program.
std::optional<QString> ZapytajOHaslo(const QString& serwer) {
    QInputDialog okno;
    okno.setObjectName(QStringLiteral("TfHaslo"));
    okno.setWindowTitle(QStringLiteral("Hasło do bazy danych"));
    okno.setLabelText(QStringLiteral("Serwer bazy danych %1 wymaga hasła.\nProgram nie zapisuje "
                                     "hasła: pamięta je do końca pracy.\n\nHasło:")
                          .arg(serwer));
    okno.setTextEchoMode(QLineEdit::Password);
    okno.setOkButtonText(QStringLiteral("OK"));
    okno.setCancelButtonText(QStringLiteral("Zakończ"));
    if (PokazModalnie(okno) != QDialog::Accepted) return std::nullopt;
    return okno.textValue();
}

}  // namespace

bool PolaczSerwerNaStarcie(const QString& adres, const QString& katalogBazy) {
    for (;;) {
        try {
            TBaza::PolaczSerwer(adres, katalogBazy);
            return true;
        } catch (const TBladBazy& e) {
            if (e.Kod() == KodBrakHasla) {
                const std::optional<QString> haslo = ZapytajOHaslo(OpisSerwera(adres));
                if (!haslo) return false;
                UstawHasloSerwera(*haslo);
                continue;
            }
            const TKomunikat pytanie{
                QStringLiteral("Nie można połączyć się z serwerem bazy danych (%1).\n%2")
                    .arg(OpisSerwera(adres), e.Tekst()),
                TytulAplikacji, TIkona::Ostrzezenie, QMessageBox::Retry | QMessageBox::Close,
                QMessageBox::Retry};
            if (PokazKomunikat(pytanie, WpisWadyBazy) != QMessageBox::Retry) return false;
        }
    }
}

bool PolaczNaStarcie(const QString& katalogBazy, const TOfertaKopii& oferta) {
    if (const QString adres = AdresSerweraBazy(); !adres.isEmpty())
        return PolaczSerwerNaStarcie(adres, katalogBazy);
    bool zaproponowano = false;
    for (;;) {
        try {
            TBaza::Polacz(katalogBazy);
        } catch (const TBladBazy& e) {
            const TWadaBazy wada = WadaZKodu(e.Kod());
            const QString tekst = KomunikatWadyBazy(wada, katalogBazy, e.Tekst());
            const bool uszkodzona = wada == TWadaBazy::Uszkodzona || wada == TWadaBazy::ObcyPlik;
            const QString kopia =
                uszkodzona && !zaproponowano && oferta.najnowsza && oferta.przywroc
                    ? oferta.najnowsza(katalogBazy)
                    : QString();
            if (kopia.isEmpty()) {
                BladOgolny(tekst);
                return false;
            }
            zaproponowano = true;
            const QDateTime chwila = oferta.chwila ? oferta.chwila(kopia) : QDateTime();
            const QString kiedy = chwila.isValid()
                                      ? QStringLiteral(" (wykonana %1 o godz. %2)")
                                            .arg(DataDluga(chwila.date()),
                                                 chwila.time().toString(QStringLiteral("HH:mm")))
                                      : QString();
            const TKomunikat pytanie{
                tekst + QStringLiteral("\n\nNajnowsza kopia automatyczna bazy to „%1”%2. Czy "
                                       "przywrócić bazę z tej kopii? Obecny plik zostanie "
                                       "zachowany.")
                            .arg(QDir::toNativeSeparators(kopia), kiedy),
                TytulAplikacji, TIkona::Pytanie, QMessageBox::Yes | QMessageBox::No,
                QMessageBox::Yes};
            if (PokazKomunikat(pytanie, WpisWadyBazy) != QMessageBox::Yes) return false;
            const QString blad = oferta.przywroc(kopia, katalogBazy);
            if (!blad.isEmpty()) {
                BladOgolny(blad);
                return false;
            }
            continue;
        }
        const TBaza* b = TBaza::Aktywna();
        if (b->Wada() != TWadaBazy::Brak)
            PokazKomunikat({KomunikatWadyBazy(b->Wada(), katalogBazy, b->TekstWady()),
                            TytulAplikacji, TIkona::Ostrzezenie, QMessageBox::Ok, QMessageBox::Ok},
                           WpisWadyBazy);
        if (const QString siec = SiecowySystemPlikow(SystemPlikow(katalogBazy)); !siec.isEmpty())
            Uwaga(KomunikatFolderuSieciowego(katalogBazy, siec));
        return true;
    }
}
