#include "store/Dziennik.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QRegularExpression>

#include "store/Formaty.h"
#include "store/Katalogi.h"

namespace {

QString katalogUstawiony;
QMutex zapis;  // a background copy may report while the counter does

// Makes room for the line: past the size the log becomes the older file. False when the
// old log cannot be moved aside (the folder is not writable), so it never grows on.
bool zrobMiejsce(const QString& plik, qint64 dopisek) {
    const QFileInfo info(plik);
    if (!info.exists() || info.size() + dopisek <= RozmiarDziennika) return true;
    const QString starszy = plik + QStringLiteral(".1");
    QFile::remove(starszy);
    return QFile::rename(plik, starszy);
}

}  // namespace

void UstawKatalogDziennika(const QString& katalog) {
    katalogUstawiony = katalog.isEmpty() ? QString() : DodajUkosnik(katalog);
}

QString KatalogDziennika() {
    return katalogUstawiony.isEmpty() ? KatalogBazy : katalogUstawiony;
}

QString WierszDziennika(const QDateTime& chwila, const QString& rodzaj, const QString& tekst) {
    static const QRegularExpression lamania(QStringLiteral("\\s*[\\r\\n\\x{2028}\\x{2029}]+\\s*"));
    QString jedenWiersz = tekst.trimmed();
    jedenWiersz.replace(lamania, QStringLiteral(" | "));
    return QStringLiteral("%1 [%2] %3\n")
        .arg(chwila.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), rodzaj, jedenWiersz);
}

void ZapiszWDzienniku(const QString& rodzaj, const QString& tekst) {
    const QString katalog = KatalogDziennika();
    if (katalog.isEmpty()) return;
    const QByteArray wiersz = WierszDziennika(QDateTime::currentDateTime(), rodzaj, tekst).toUtf8();
    const QMutexLocker blokada(&zapis);
    const QString plik = katalog + PlikDziennika;
    if (!zrobMiejsce(plik, wiersz.size())) return;
    QFile f(plik);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append)) return;
    f.write(wiersz);
}
