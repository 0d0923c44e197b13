#include "admin/KopieAutomatyczne.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <algorithm>
#include <utility>

#include "admin/Kopie.h"
#include "admin/KopieSerwera.h"
#include "store/Baza.h"
#include "store/Interakcja.h"
#include "store/Tlumacz.h"

namespace {

const QRegularExpression& WzorNazwy() {
    static const QRegularExpression wzor(
        QStringLiteral("^wirdolan-\\d{4}-\\d{2}-\\d{2}-\\d{6}\\.sqlite$"));
    return wzor;
}

}  // namespace

QString NazwaKopiiAutomatycznej(const QDateTime& chwila) {
    return QStringLiteral("wirdolan-") + chwila.toString(QStringLiteral("yyyy-MM-dd-HHmmss")) +
           QStringLiteral(".sqlite");
}

QDateTime ChwilaKopiiAutomatycznej(const QString& plik) {
    const QString nazwa = QFileInfo(plik).fileName();
    if (!WzorNazwy().match(nazwa).hasMatch()) return {};
    return QDateTime::fromString(nazwa.mid(9, 17), QStringLiteral("yyyy-MM-dd-HHmmss"));
}

QStringList KopieAutomatyczne(const QString& katalogKopii) {
    QStringList kopie =
        QDir(katalogKopii).entryList({QStringLiteral("wirdolan-*.sqlite")}, QDir::Files);
    kopie.removeIf([](const QString& nazwa) { return !WzorNazwy().match(nazwa).hasMatch(); });
    std::sort(kopie.begin(), kopie.end(), std::greater<>());
    return kopie;
}

QString NajnowszaKopiaAutomatyczna(const QString& katalogBazy) {
    const QString katalog = KatalogKopii(katalogBazy);
    const QStringList kopie = KopieAutomatyczne(katalog);
    return kopie.isEmpty() ? QString() : katalog + kopie.first();
}

QString NajnowszaSprawnaKopiaAutomatyczna(const QString& katalogBazy) {
    const QString katalog = KatalogKopii(katalogBazy);
    for (const QString& nazwa : KopieAutomatyczne(katalog))
        if (OpiszKopie(katalog + nazwa).blad.isEmpty()) return katalog + nazwa;
    return {};
}

void PrzytnijKopie(const QString& katalogKopii, int ile, qint64 najwiecej) {
    const QDir katalog(katalogKopii);
    qint64 razem = 0;
    int zostalo = 0;
    bool pelne = false;  // the newest ones are kept without a gap
    for (const QString& nazwa : KopieAutomatyczne(katalogKopii)) {
        const QString plik = katalog.filePath(nazwa);
        const qint64 rozmiar = QFileInfo(plik).size();
        pelne = pelne || (zostalo > 0 && (zostalo >= ile || razem + rozmiar > najwiecej));
        if (pelne) {
            QFile::remove(plik);
        } else {
            razem += rozmiar;
            ++zostalo;
        }
    }
}

QString ZrobKopieAutomatyczna(const QString& katalogBazy, const QDateTime& chwila,
                              std::stop_token stop, const std::function<void(int)>& postep) {
    const QString katalog = KatalogKopii(katalogBazy);
    if (!QDir().mkpath(katalog))
        return QStringLiteral("Nie można utworzyć katalogu kopii: ") + katalog;
    const QString blad = KopiujBaze(QDir(katalogBazy).filePath(PlikBazy),
                                    katalog + NazwaKopiiAutomatycznej(chwila), stop, postep);
    if (blad.isEmpty()) PrzytnijKopie(katalog);
    return blad;
}

void TKopieAutomatyczne::PrzyStarcie(const QString& katalogBazy, const QDateTime& chwila) {
    Zaczekaj();
    std::function<QString(std::stop_token, const std::function<void(int)>&)> kopiuj;
    TBaza* baza = TBaza::Aktywna();
    if (baza && baza->Rodzaj() == TRodzajBazy::Serwer) {
        // The shared store is copied by one counter a day, the first to start: it claims the
        // day in the store. The copy's file is made here, its rows are filled beside the desk.
        const QString adres = baza->Adres();
        const QDate dzien = chwila.date();
        QString blad;
        try {
            if (!ZajmijKopieDnia(*baza, dzien)) return;
        } catch (const TBladBazy& e) {
            blad = e.Tekst();
        }
        const QString katalog = KatalogKopii(katalogBazy);
        const QString cel = katalog + NazwaKopiiAutomatycznej(chwila);
        if (blad.isEmpty() && !QDir().mkpath(katalog))
            blad = QStringLiteral("Nie można utworzyć katalogu kopii: ") + katalog;
        if (blad.isEmpty()) blad = PrzygotujKopieSerwera(cel);
        if (!blad.isEmpty()) {
            ZwolnijKopieDnia(adres, dzien);
            Zglos(blad);
            return;
        }
        kopiuj = [adres, cel, katalog, dzien](std::stop_token stop,
                                              const std::function<void(int)>& postep) {
            QString wynik = WypelnijKopieSerwera(adres, cel, stop, postep);
            if (wynik.isEmpty()) {
                ZakonczKopieDnia(adres, dzien);
                PrzytnijKopie(katalog);
            } else {
                ZwolnijKopieDnia(adres, dzien);
            }
            return wynik;
        };
    } else {
        const QString dzien =
            QStringLiteral("wirdolan-") + chwila.date().toString(QStringLiteral("yyyy-MM-dd-"));
        const QStringList kopie = KopieAutomatyczne(KatalogKopii(katalogBazy));
        if (std::any_of(kopie.begin(), kopie.end(),
                        [&](const QString& nazwa) { return nazwa.startsWith(dzien); }))
            return;
        kopiuj = [katalogBazy, chwila](std::stop_token stop,
                                       const std::function<void(int)>& postep) {
            return ZrobKopieAutomatyczna(katalogBazy, chwila, stop, postep);
        };
    }
    zakonczona = false;
    const int ta = ++kopia;
    watek = std::jthread([this, kopiuj, ta](std::stop_token stop) {
        ObnizPriorytetWatku();
        QString blad = kopiuj(stop, [this, ta](int procent) {
            QMetaObject::invokeMethod(
                &kontekst,
                [this, ta, procent] {
                    // Nothing of a copy whose end was already taken.
                    if (Postep && ta == kopia) Postep(procent);
                },
                Qt::QueuedConnection);
        });
        // A copy stopped on purpose is no failure.
        wynikWTle = stop.stop_requested() ? QString() : std::move(blad);
        zakonczona = true;
        QMetaObject::invokeMethod(
            &kontekst, [this] { Odbierz(); }, Qt::QueuedConnection);
    });
}

void TKopieAutomatyczne::PrzyZamknieciu(const QString& katalogBazy, const QDateTime& chwila) {
    watek.request_stop();
    Zaczekaj();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const QString blad = ZrobKopieAutomatyczna(katalogBazy, chwila);
    QGuiApplication::restoreOverrideCursor();
    Zglos(blad);
}

void TKopieAutomatyczne::Zaczekaj() {
    if (!watek.joinable()) return;
    if (!zakonczona) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool kursor = !zakonczona;
    watek.join();
    ++kopia;
    if (kursor) QGuiApplication::restoreOverrideCursor();
    if (Postep) Postep(-1);
    Zglos(std::exchange(wynikWTle, QString()));
}

void TKopieAutomatyczne::Odbierz() {
    if (zakonczona) Zaczekaj();
}

void TKopieAutomatyczne::Zglos(const QString& blad) {
    if (blad.isEmpty() || zgloszono) return;
    zgloszono = true;
    Uwaga(QStringLiteral("Automatyczna kopia bazy danych nie powiodła się.\n") + blad);
}
