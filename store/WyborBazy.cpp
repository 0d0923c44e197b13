#include "store/WyborBazy.h"

#include <QDir>
#include <QSysInfo>
#include <QVariantMap>

#include "store/PlikUstawien.h"

namespace {

const QString Rodzaj = QStringLiteral("Rodzaj");
const QString Serwer = QStringLiteral("Serwer");
const QString Port = QStringLiteral("Port");
const QString Baza = QStringLiteral("Baza");
const QString Uzytkownik = QStringLiteral("Uzytkownik");
const QString Szyfrowanie = QStringLiteral("Szyfrowanie");
const QString RodzajSerwer = QStringLiteral("SERWER");
const QString RodzajPlik = QStringLiteral("PLIK");

// How long a connection attempt waits for a server that does not answer, in seconds.
constexpr int CzekanieNaSerwer = 10;

}  // namespace

TWyborBazy WczytajWyborBazy() {
    const QVariantMap w = WczytajGrupeUstawien(GrupaBazy);
    TWyborBazy d;
    d.Stanowisko = QSysInfo::machineHostName();
    if (w.value(Rodzaj).toString() == RodzajSerwer) d.Rodzaj = TRodzajBazy::Serwer;
    d.Serwer = w.value(Serwer, d.Serwer).toString();
    bool liczba = false;
    const int port = w.value(Port).toString().toInt(&liczba);
    if (liczba && port > 0 && port <= 65535) d.Port = port;
    d.Baza = w.value(Baza, d.Baza).toString();
    d.Uzytkownik = w.value(Uzytkownik, d.Uzytkownik).toString();
    if (w.contains(Szyfrowanie)) d.Szyfrowanie = w.value(Szyfrowanie).toBool();
    if (const QString s = w.value(KluczStanowiska).toString().trimmed(); !s.isEmpty())
        d.Stanowisko = s;
    return d;
}

bool ZapiszWyborBazy(const TWyborBazy& d, QString* blad) {
    const QVariantMap w{
        {Rodzaj, d.Rodzaj == TRodzajBazy::Serwer ? RodzajSerwer : RodzajPlik},
        {Serwer, d.Serwer},
        {Port, d.Port},
        {Baza, d.Baza},
        {Uzytkownik, d.Uzytkownik},
        {Szyfrowanie, d.Szyfrowanie},
        {KluczStanowiska, d.Stanowisko},
    };
    if (ZapiszGrupeUstawien(GrupaBazy, w)) return true;
    if (blad)
        *blad = QStringLiteral(
                    "Nie udało się zapisać ustawień bazy danych w pliku \"%1\".\n"
                    "Sprawdź, czy folder istnieje i czy można w nim zapisywać.")
                    .arg(QDir::toNativeSeparators(PlikUstawienProgramu()));
    return false;
}

QString WartoscAdresu(const QString& wartosc) {
    QString w = wartosc;
    w.replace('\\', QStringLiteral("\\\\"));
    w.replace('\'', QStringLiteral("\\'"));
    return '\'' + w + '\'';
}

QString AdresZWyboru(const TWyborBazy& d) {
    if (d.Rodzaj != TRodzajBazy::Serwer) return {};
    QStringList czesci{QStringLiteral("host=") + WartoscAdresu(d.Serwer.trimmed()),
                       QStringLiteral("port=") + WartoscAdresu(QString::number(d.Port)),
                       QStringLiteral("dbname=") + WartoscAdresu(d.Baza.trimmed())};
    if (!d.Uzytkownik.trimmed().isEmpty())
        czesci << QStringLiteral("user=") + WartoscAdresu(d.Uzytkownik.trimmed());
    if (d.Szyfrowanie) czesci << QStringLiteral("sslmode='require'");
    czesci << QStringLiteral("connect_timeout='%1'").arg(CzekanieNaSerwer);
    return czesci.join(' ');
}
