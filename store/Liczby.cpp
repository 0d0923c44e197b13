#include "store/Liczby.h"

#include <QLocale>
#include <QRegularExpression>

namespace {

const QLocale& wzorzecC() {
    static const QLocale c = QLocale::c();
    return c;
}

}  // namespace

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
