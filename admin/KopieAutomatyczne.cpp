#include "admin/KopieAutomatyczne.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>

#include "admin/Kopie.h"
#include "store/Baza.h"
#include "store/Interakcja.h"

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

QString ZrobKopieAutomatyczna(const QString& katalogBazy, const QDateTime& chwila) {
    const QString katalog = KatalogKopii(katalogBazy);
    if (!QDir().mkpath(katalog))
        return QStringLiteral("Nie można utworzyć katalogu kopii: ") + katalog;
    const QString blad =
        KopiujBaze(QDir(katalogBazy).filePath(PlikBazy), katalog + NazwaKopiiAutomatycznej(chwila));
    if (blad.isEmpty()) PrzytnijKopie(katalog);
    return blad;
}

void TKopieAutomatyczne::PrzyStarcie(const QString& katalogBazy, const QDateTime& chwila) {
    const QString dzien =
        QStringLiteral("wirdolan-") + chwila.date().toString(QStringLiteral("yyyy-MM-dd-"));
    const QStringList kopie = KopieAutomatyczne(KatalogKopii(katalogBazy));
    if (std::none_of(kopie.begin(), kopie.end(),
                     [&](const QString& nazwa) { return nazwa.startsWith(dzien); }))
        Zrob(katalogBazy, chwila);
}

void TKopieAutomatyczne::PrzyZamknieciu(const QString& katalogBazy, const QDateTime& chwila) {
    Zrob(katalogBazy, chwila);
}

void TKopieAutomatyczne::Zrob(const QString& katalogBazy, const QDateTime& chwila) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const QString blad = ZrobKopieAutomatyczna(katalogBazy, chwila);
    QGuiApplication::restoreOverrideCursor();
    if (blad.isEmpty() || zgloszono) return;
    zgloszono = true;
    Uwaga(QStringLiteral("Automatyczna kopia bazy danych nie powiodła się.\n") + blad);
}
