#include "store/Formaty.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

#include "store/Kwota.h"
#include "store/Zegar.h"

namespace {

const QLocale& wzorzecC() {
    static const QLocale c = QLocale::c();
    return c;
}

}  // namespace

double ZaokraglijDoGroszy(double kwota) {
    return static_cast<double>(Grosze(kwota)) / 100.0;
}
qint64 Grosze(double kwota) {
    return TKwota::ZeZlotych(kwota).Grosze();
}
bool KwotaZerowa(double kwota) {
    return Grosze(kwota) == 0;
}
bool KwotaUjemna(double kwota) {
    return Grosze(kwota) < 0;
}
bool KwotaDodatnia(double kwota) {
    return Grosze(kwota) > 0;
}

QString KwotaSQL(double kwota) {
    return KwotaSQL(TKwota::ZeZlotych(kwota));
}
QString KwotaNaEkran(double kwota) {
    return KwotaSQL(kwota).replace('.', ',');
}

std::optional<double> LiczbaZEkranu(const QString& tekst) {
    QString t = tekst.trimmed();
    if (t.isEmpty()) return std::nullopt;
    static const QRegularExpression wzor(QStringLiteral("^[+-]?(\\d+(,\\d*)?|,\\d+)$"));
    if (!wzor.match(t).hasMatch()) return std::nullopt;
    if (t.endsWith(',')) t.chop(1);
    t.replace(',', '.');
    bool ok = false;
    const double v = wzorzecC().toDouble(t, &ok);
    if (!ok) return std::nullopt;
    return v;
}

std::optional<int> CalkowitaZEkranu(const QString& tekst) {
    const QString t = tekst.trimmed();
    static const QRegularExpression wzor(QStringLiteral("^[+-]?\\d+$"));
    if (!wzor.match(t).hasMatch()) return std::nullopt;
    bool ok = false;
    const int v = t.toInt(&ok);
    if (!ok) return std::nullopt;
    return v;
}

bool TekstLiczbyPoprawny(const QString& tekst) {
    if (tekst.isEmpty()) return true;
    const auto v = LiczbaZEkranu(tekst);
    return v && *v >= 0 && !tekst.trimmed().startsWith('-');
}

bool TekstCalkowitejPoprawny(const QString& tekst) {
    if (tekst.isEmpty()) return true;
    const auto v = CalkowitaZEkranu(tekst);
    return v && *v >= 0 && !tekst.trimmed().startsWith('-');
}

QString LiczbaOgolna(double liczba) {
    QString t = wzorzecC().toString(liczba, 'g', 15);
    if (t.contains('e')) t = wzorzecC().toString(liczba, 'f', 15);
    if (t.contains('.')) {
        while (t.endsWith('0')) t.chop(1);
        if (t.endsWith('.')) t.chop(1);
    }
    if (t == QLatin1String("-0")) t = QStringLiteral("0");
    return t.replace('.', ',');
}

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
    return numer < 0 ? '-' + QStringLiteral("%1").arg(-numer, 4, 10, QLatin1Char('0'))
                     : QStringLiteral("%1").arg(numer, 4, 10, QLatin1Char('0'));
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
