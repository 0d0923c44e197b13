#include "widgets/uEksport.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTableView>
#include <algorithm>
#include <set>

#include "store/Interakcja.h"

namespace {

// A cell a spreadsheet would run as a formula (one beginning with =, +, -, @, a tab or a
// carriage return) gets a leading apostrophe, so that it shows as text; a plain number
// such as "-12,50" stays a number.
QString BezFormuly(const QString& tekst) {
    static const QRegularExpression liczba(QStringLiteral("^[+-]?(\\d+(,\\d*)?|,\\d+)$"));
    if (tekst.isEmpty() || !QStringLiteral("=+-@\t\r").contains(tekst.front())) return tekst;
    if (liczba.match(tekst).hasMatch()) return tekst;
    return '\'' + tekst;
}

QString KomorkaSchowka(const QString& komorka) {
    QString tekst = BezFormuly(komorka);
    tekst.replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (QChar znak : {QChar('\t'), QChar('\n'), QChar('\r')}) tekst.replace(znak, QChar(' '));
    return tekst;
}

QString KomorkaCSV(const QString& komorka) {
    const QString tekst = BezFormuly(komorka);
    const bool cytat = tekst.contains(';') || tekst.contains('"') || tekst.contains('\n') ||
                       tekst.contains('\r') ||
                       (!tekst.isEmpty() && (tekst.front().isSpace() || tekst.back().isSpace()));
    if (!cytat) return tekst;
    QString t = tekst;
    t.replace('"', QLatin1String("\"\""));
    return '"' + t + '"';
}

QString Zlacz(const TWierszeTekstu& wiersze, QString (*komorka)(const QString&),
              const QString& separator, const QString& koniecWiersza) {
    QString wynik;
    for (const auto& wiersz : wiersze) {
        for (size_t k = 0; k < wiersz.size(); ++k) {
            if (k > 0) wynik += separator;
            wynik += komorka(wiersz[k]);
        }
        wynik += koniecWiersza;
    }
    return wynik;
}

// The proposed file name: the window's caption, without the characters a file name
// cannot hold.
QString NazwaPliku(const QTableView& siatka) {
    QString nazwa = siatka.window() ? siatka.window()->windowTitle() : QString();
    nazwa = NazwaDoPliku(nazwa).trimmed();
    return nazwa.isEmpty() ? QStringLiteral("Lista") : nazwa;
}

}  // namespace

QString NazwaDoPliku(const QString& tekst) {
    static const QRegularExpression niedozwolone(QStringLiteral("[\\\\/:*?\"<>|]"));
    return QString(tekst).replace(niedozwolone, QStringLiteral("_"));
}

QString WybierzPlikZapisu(const QString& tytul, const QString& nazwaOkna,
                          const QString& proponowana, const QString& rozszerzenie,
                          const QString& filtr) {
    const QString katalog = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QFileDialog okno(nullptr, tytul, QDir(katalog).filePath(proponowana + '.' + rozszerzenie),
                     filtr);
    okno.setObjectName(nazwaOkna);
    okno.setAcceptMode(QFileDialog::AcceptSave);
    okno.setFileMode(QFileDialog::AnyFile);
    okno.setDefaultSuffix(rozszerzenie);
    okno.setOption(QFileDialog::DontUseNativeDialog);
    if (PokazModalnie(okno) != QDialog::Accepted || okno.selectedFiles().isEmpty())
        return QString();
    return okno.selectedFiles().constFirst();
}

QString TekstSchowka(const TWierszeTekstu& wiersze) {
    return Zlacz(wiersze, &KomorkaSchowka, QStringLiteral("\t"), QStringLiteral("\n"));
}

QString TekstCSV(const TWierszeTekstu& wiersze) {
    return Zlacz(wiersze, &KomorkaCSV, QStringLiteral(";"), QStringLiteral("\r\n"));
}

std::vector<int> KolumnyEksportu(const QTableView& siatka, const std::vector<int>& pomin) {
    std::vector<int> kolumny;
    const int kolumn = siatka.model() ? siatka.model()->columnCount() : 0;
    for (int k = 0; k < kolumn; ++k) {
        if (siatka.isColumnHidden(k) || siatka.columnWidth(k) <= 0) continue;
        if (std::find(pomin.begin(), pomin.end(), k) != pomin.end()) continue;
        kolumny.push_back(k);
    }
    return kolumny;
}

std::vector<QString> NaglowekSiatki(const QTableView& siatka, const std::vector<int>& kolumny) {
    std::vector<QString> naglowek;
    for (int k : kolumny)
        naglowek.push_back(siatka.model()->headerData(k, Qt::Horizontal).toString());
    return naglowek;
}

TWierszeTekstu WierszeSiatki(const QTableView& siatka, const std::vector<int>& wiersze,
                             const std::vector<int>& kolumny) {
    TWierszeTekstu wynik;
    for (int w : wiersze) {
        std::vector<QString> komorki;
        bool pusty = true;
        for (int k : kolumny) {
            komorki.push_back(siatka.model()->index(w, k).data().toString());
            if (!komorki.back().trimmed().isEmpty()) pusty = false;
        }
        if (!pusty) wynik.push_back(std::move(komorki));
    }
    return wynik;
}

std::vector<int> ZaznaczoneWiersze(const QTableView& siatka) {
    std::set<int> wiersze;
    if (const QItemSelectionModel* zaznaczenie = siatka.selectionModel())
        for (const QItemSelectionRange& zakres : zaznaczenie->selection())
            for (int w = zakres.top(); w <= zakres.bottom(); ++w) wiersze.insert(w);
    if (wiersze.empty() && siatka.currentIndex().row() >= 0)
        wiersze.insert(siatka.currentIndex().row());
    return {wiersze.begin(), wiersze.end()};
}

void KopiujWiersze(const QTableView& siatka, const std::vector<int>& pomin) {
    const auto kolumny = KolumnyEksportu(siatka, pomin);
    const auto wiersze = WierszeSiatki(siatka, ZaznaczoneWiersze(siatka), kolumny);
    if (wiersze.empty()) return;
    QApplication::clipboard()->setText(TekstSchowka(wiersze));
}

bool ZapiszPlikCSV(const QString& plik, const QString& tekst) {
    QSaveFile zapis(plik);
    if (!zapis.open(QIODevice::WriteOnly)) return false;
    const QByteArray dane = QByteArrayLiteral("\xEF\xBB\xBF") + tekst.toUtf8();
    if (zapis.write(dane) != dane.size()) {
        zapis.cancelWriting();
        return false;
    }
    return zapis.commit();
}

bool ZapiszCSV(const QTableView& siatka, const std::vector<int>& pomin) {
    const auto kolumny = KolumnyEksportu(siatka, pomin);
    const int wierszy = siatka.model() ? siatka.model()->rowCount() : 0;
    std::vector<int> wszystkie(static_cast<size_t>(wierszy));
    for (int w = 0; w < wierszy; ++w) wszystkie[static_cast<size_t>(w)] = w;
    TWierszeTekstu wiersze{NaglowekSiatki(siatka, kolumny)};
    for (auto& w : WierszeSiatki(siatka, wszystkie, kolumny)) wiersze.push_back(std::move(w));

    return ZapiszDoPliku(
        {QStringLiteral("Zapisz listę jako CSV"), QStringLiteral("dZapiszCSV"), NazwaPliku(siatka),
         QStringLiteral("csv"), QStringLiteral("Pliki CSV (*.csv)"), QStringLiteral("listy")},
        [&](const QString& plik) { return ZapiszPlikCSV(plik, TekstCSV(wiersze)); });
}

bool ZapiszDoPliku(const TZapisDoPliku& zapis, const std::function<bool(const QString&)>& zapisz) {
    const QString plik = WybierzPlikZapisu(zapis.tytul, zapis.nazwaOkna, zapis.proponowana,
                                           zapis.rozszerzenie, zapis.filtr);
    if (plik.isEmpty()) return false;
    if (!zapisz(plik)) {
        Uwaga(QStringLiteral("Nie udało się zapisać %1 w pliku \"%2\".\n"
                             "Sprawdź, czy folder istnieje i czy można w nim zapisywać.")
                  .arg(zapis.co, QDir::toNativeSeparators(plik)));
        return false;
    }
    return true;
}

void DodajMenuEksportu(QTableView* siatka, std::vector<int> pomin) {
    auto* kopiuj = new QAction(QStringLiteral("Kopiuj"), siatka);
    kopiuj->setObjectName(QStringLiteral("miKopiuj"));
    kopiuj->setShortcut(QKeySequence::Copy);
    kopiuj->setShortcutContext(Qt::WidgetShortcut);
    auto* zapisz = new QAction(QStringLiteral("Zapisz jako CSV…"), siatka);
    zapisz->setObjectName(QStringLiteral("miZapiszCSV"));
    QObject::connect(kopiuj, &QAction::triggered, siatka,
                     [siatka, pomin] { KopiujWiersze(*siatka, pomin); });
    QObject::connect(zapisz, &QAction::triggered, siatka,
                     [siatka, pomin] { ZapiszCSV(*siatka, pomin); });
    siatka->addAction(kopiuj);
    siatka->addAction(zapisz);
    siatka->setContextMenuPolicy(Qt::ActionsContextMenu);
}
