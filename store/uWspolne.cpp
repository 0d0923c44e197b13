#include "store/uWspolne.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace {

class TPrawdziwaInterakcja : public TInterakcja {
public:
    QMessageBox::StandardButton Pokaz(const TKomunikat& k) override {
        QMessageBox box;
        box.setWindowTitle(k.tytul);
        box.setText(k.tekst);
        switch (k.ikona) {
            case TIkona::Brak:
                box.setIcon(QMessageBox::NoIcon);
                break;
            case TIkona::Informacja:
                box.setIcon(QMessageBox::Information);
                break;
            case TIkona::Ostrzezenie:
                box.setIcon(QMessageBox::Warning);
                break;
            case TIkona::Pytanie:
                box.setIcon(QMessageBox::Question);
                break;
            case TIkona::Stop:
                box.setIcon(QMessageBox::Critical);
                break;
        }
        box.setStandardButtons(k.przyciski);
        if (k.domyslny != QMessageBox::NoButton) box.setDefaultButton(k.domyslny);
        polskiePrzyciski(box);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    }
    int PokazModalnie(QDialog& okno) override { return okno.exec(); }

private:
    static void polskiePrzyciski(QMessageBox& box) {
        const std::pair<QMessageBox::StandardButton, const char*> napisy[] = {
            {QMessageBox::Yes, "&Tak"},
            {QMessageBox::No, "&Nie"},
            {QMessageBox::Ok, "OK"},
            {QMessageBox::Cancel, "Anuluj"},
        };
        for (const auto& [przycisk, napis] : napisy)
            if (auto* b = box.button(przycisk)) b->setText(QString::fromUtf8(napis));
    }
};

TPrawdziwaInterakcja& prawdziwa() {
    static TPrawdziwaInterakcja interakcja;
    return interakcja;
}

TInterakcja* zainstalowana = nullptr;
QDate ustalonyDzien;

const QLocale& wzorzecC() {
    static const QLocale c = QLocale::c();
    return c;
}

}  // namespace

TInterakcja& Interakcja() {
    return zainstalowana ? *zainstalowana : prawdziwa();
}
void UstawInterakcje(TInterakcja* interakcja) {
    zainstalowana = interakcja;
}

QMessageBox::StandardButton PokazKomunikat(const TKomunikat& komunikat) {
    return Interakcja().Pokaz(komunikat);
}
int PokazModalnie(QDialog& okno) {
    return Interakcja().PokazModalnie(okno);
}

void Ostrzezenie(const QString& tekst) {
    PokazKomunikat({tekst, QStringLiteral("Ostrzeżenie"), TIkona::Ostrzezenie, QMessageBox::Ok,
                    QMessageBox::Ok});
}
void Informacja(const QString& tekst) {
    PokazKomunikat({tekst, TytulAplikacji, TIkona::Informacja, QMessageBox::Ok, QMessageBox::Ok});
}
void Uwaga(const QString& tekst) {
    PokazKomunikat({tekst, TytulAplikacji, TIkona::Ostrzezenie, QMessageBox::Ok, QMessageBox::Ok});
}
bool Pytanie(const QString& tekst, bool takDomyslnie) {
    return PokazKomunikat({tekst, TytulAplikacji, TIkona::Pytanie,
                           QMessageBox::Yes | QMessageBox::No,
                           takDomyslnie ? QMessageBox::Yes : QMessageBox::No}) == QMessageBox::Yes;
}
void KomunikatBledu(const QString& tekst) {
    PokazKomunikat({tekst, TytulAplikacji, TIkona::Brak, QMessageBox::Ok, QMessageBox::Ok});
}
void BladOgolny(const QString& tekst) {
    PokazKomunikat({tekst, TytulAplikacji, TIkona::Stop, QMessageBox::Ok, QMessageBox::Ok});
}

QDate Dzisiaj() {
    return ustalonyDzien.isValid() ? ustalonyDzien : QDate::currentDate();
}
void UstawDzisiaj(const QDate& dzien) {
    ustalonyDzien = dzien;
}

double ZaokraglijDoGroszy(double kwota) {
    return static_cast<double>(Grosze(kwota)) / 100.0;
}
qint64 Grosze(double kwota) {
    // The small bias absorbs binary residues such as 2.675 held as 2.67499999...
    const double g = kwota * 100.0;
    return static_cast<qint64>(g < 0 ? std::ceil(g - 0.5 - 1e-7) : std::floor(g + 0.5 + 1e-7));
}
bool KwotyRowne(double a, double b) {
    return Grosze(a - b) == 0;
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
    const qint64 g = Grosze(kwota);
    const qint64 a = g < 0 ? -g : g;
    return QStringLiteral("%1%2.%3")
        .arg(g < 0 ? QStringLiteral("-") : QString())
        .arg(a / 100)
        .arg(a % 100, 2, 10, QLatin1Char('0'));
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
    return data.isValid() ? data.toString(QStringLiteral("dd.MM.yyyy")) : QString();
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
