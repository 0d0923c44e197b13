#include "store/Formaty.h"

#include <QLocale>
#include <QRegularExpression>

#include "store/Zegar.h"

QString DataKrotka(const QDate& data) {
    return data.isValid() ? data.toString(QStringLiteral("dd.MM.yy")) : QString();
}
QString DataDluga(const QDate& data) {
    if (!data.isValid()) return {};
    int r = 0, m = 0, d = 0;
    data.getDate(&r, &m, &d);
    if (r < 0 || r > 9999) return data.toString(QStringLiteral("dd.MM.yyyy"));
    // Put together directly: lists show thousands of dates, and a date format is parsed
    // anew at every call.
    const auto c = [](int cyfra) { return QChar(u'0' + cyfra); };
    const QChar t[10] = {c(d / 10),   c(d % 10),       u'.',           c(m / 10), c(m % 10), u'.',
                         c(r / 1000), c(r / 100 % 10), c(r / 10 % 10), c(r % 10)};
    return QString(t, 10);
}

QDate DataZTekstu(const QString& tekst) {
    static const QRegularExpression wzor(
        QStringLiteral("^\\s*(\\d{1,2})\\.(\\d{1,2})\\.(\\d{2}|\\d{4})\\s*$"));
    const auto m = wzor.match(tekst);
    if (!m.hasMatch()) return {};
    int rok = m.captured(3).toInt();
    if (m.captured(3).size() == 2) rok = RokZOkna(rok);
    return QDate(rok, m.captured(2).toInt(), m.captured(1).toInt());
}

int RokZOkna(int rokDwucyfrowy) {
    return RokZOkna(rokDwucyfrowy, Dzisiaj().year());
}

int RokZOkna(int rokDwucyfrowy, int biezacyRok) {
    const int poczatekOkna = biezacyRok - 50;
    int rok = (poczatekOkna / 100) * 100 + rokDwucyfrowy;
    if (rok < poczatekOkna) rok += 100;
    return rok;
}

QString DataSQL(const QDate& data) {
    return '"' + DataDluga(data) + '"';
}

QString Numer4(qint64 numer) {
    // Put together directly, as the dates are.
    quint64 modul = numer < 0 ? 0 - static_cast<quint64>(numer) : static_cast<quint64>(numer);
    char16_t znaki[24];
    int i = 24;
    do {
        znaki[--i] = static_cast<char16_t>(u'0' + modul % 10);
        modul /= 10;
    } while (modul);
    while (i > 20) znaki[--i] = u'0';
    if (numer < 0) znaki[--i] = u'-';
    return QString(reinterpret_cast<const QChar*>(znaki + i), 24 - i);
}

QString TekstSQL(const QString& tekst) {
    QString t = tekst;
    t.replace('\'', QStringLiteral("''"));
    return '\'' + t + '\'';
}

QString DodajUkosnik(const QString& sciezka) {
    if (sciezka.isEmpty() || sciezka.endsWith('/') || sciezka.endsWith('\\')) return sciezka;
    return sciezka + '/';
}
