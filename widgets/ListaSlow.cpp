#include "widgets/ListaSlow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

const char* const StronaKodowa = "windows-1250";
constexpr char KoniecPliku = 26;  // Ctrl+Z

// Every character the code page holds, except the two that carry meaning in the file.
const QSet<char16_t>& ZnakiStronyKodowej() {
    static const QSet<char16_t> znaki = [] {
        QByteArray wszystkie;
        for (int b = 0; b < 256; ++b)
            if (b != '\r' && b != KoniecPliku) wszystkie.append(static_cast<char>(b));
        QStringDecoder dekoder(StronaKodowa);
        const QString tekst = dekoder(wszystkie);
        QSet<char16_t> zbior;
        for (const QChar c : tekst)
            if (c != QChar::ReplacementCharacter) zbior.insert(c.unicode());
        return zbior;
    }();
    return znaki;
}

}  // namespace

QStringList OdczytajListeSlow(const QByteArray& bajty) {
    QByteArray tresc = bajty;
    const qsizetype koniec = tresc.indexOf(KoniecPliku);
    if (koniec >= 0) tresc.truncate(koniec);
    QStringDecoder dekoder(StronaKodowa);
    const QString tekst = dekoder(tresc);

    QStringList wpisy;
    QString linia;
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        const QChar c = tekst.at(i);
        if (c == '\r') {
            wpisy.append(linia);
            linia.clear();
            if (i + 1 < tekst.size() && tekst.at(i + 1) == '\n') ++i;
        } else {
            linia.append(c);
        }
    }
    if (!linia.isEmpty()) wpisy.append(linia);
    return wpisy;
}

QString ZnakiSpozaStronyKodowej(const QString& tekst) {
    QString obce;
    for (const QChar c : tekst)
        if (!ZnakiStronyKodowej().contains(c.unicode()) && !obce.contains(c)) obce.append(c);
    return obce;
}

QByteArray ZakodujListeSlow(const QStringList& wpisy) {
    QString tekst;
    for (const QString& wpis : wpisy) {
        for (const QChar c : wpis)
            tekst.append(ZnakiStronyKodowej().contains(c.unicode()) ? c : '?');
        tekst.append(QStringLiteral("\r\n"));
    }
    QStringEncoder koder(StronaKodowa);
    return koder(tekst);
}

QStringList WczytajPlikListy(const QString& sciezka) {
    QFile plik(sciezka);
    if (!plik.open(QIODevice::ReadOnly)) return {};
    return OdczytajListeSlow(plik.readAll());
}

bool ZapiszPlikListy(const QString& sciezka, const QStringList& wpisy, QString* blad) {
    // The old list is replaced only once the new one is complete: a failed or interrupted
    // write leaves it as it was.
    QDir().mkpath(QFileInfo(sciezka).absolutePath());
    QSaveFile plik(sciezka);
    const QByteArray bajty = ZakodujListeSlow(wpisy);
    if (!plik.open(QIODevice::WriteOnly) || plik.write(bajty) != bajty.size()) {
        if (blad) *blad = plik.errorString();
        plik.cancelWriting();
        return false;
    }
    if (!plik.commit()) {
        if (blad) *blad = plik.errorString();
        return false;
    }
    return true;
}
