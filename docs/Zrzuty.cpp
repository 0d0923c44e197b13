#include "Zrzuty.h"

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QThread>

namespace {

// Lets a window lay itself out and paint.
void Odczekaj() {
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
}

}  // namespace

bool ZapiszZrzut(QWidget& okno, const QString& plik, QStringList& bledy) {
    Odczekaj();
    // The focused field is pictured without its blinking text cursor, so a picture does
    // not depend on the moment it is taken.
    auto* pole = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    const bool bezKursora = pole && !pole->isReadOnly() && okno.isAncestorOf(pole);
    if (bezKursora) pole->setReadOnly(true);
    // A window's picture has a few hundred colours: a palette of 256 keeps the text
    // sharp at a third of the size.
    const QImage obraz = okno.grab().toImage().convertToFormat(
        QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    if (bezKursora) pole->setReadOnly(false);
    if (obraz.isNull() || !obraz.save(plik, "PNG", 0)) {
        bledy << QStringLiteral("Nie zapisano ") + plik;
        return false;
    }
    return true;
}

int Nacisnij(QDialog& okno, const char* przycisk) {
    auto* b = okno.findChild<QPushButton*>(QString::fromLatin1(przycisk));
    if (!b) return QDialog::Rejected;
    b->click();
    return okno.result();
}

TZrzuty::TZrzuty(QString docelowy) : folder(std::move(docelowy)) {}

void TZrzuty::PrzyOknie(const QString& nazwa, TObsluga obsluga) {
    obslugi[nazwa].push_back(std::move(obsluga));
}

void TZrzuty::ZrzutKomunikatu(const QString& poczatek, const QString& nazwa) {
    komunikaty.append({poczatek, nazwa});
}

void TZrzuty::Zrzut(QWidget& okno, const QString& nazwa) {
    if (ZapiszZrzut(okno, folder + nazwa + QStringLiteral(".png"), Bledy)) Zrobione << nazwa;
}

void TZrzuty::Wymagaj(bool warunek, const QString& opis) {
    if (!warunek) Bledy << QStringLiteral("Zrzut bez treści: ") + opis;
}

QMessageBox::StandardButton TZrzuty::Pokaz(const TKomunikat& k) {
    for (qsizetype i = 0; i < komunikaty.size(); ++i) {
        if (!k.tekst.startsWith(komunikaty[i].first)) continue;
        TKomunikat pokazany = k;
        for (const auto& [prawdziwa, pokazana] : sciezki)
            pokazany.tekst.replace(prawdziwa, pokazana);
        QMessageBox box;
        UlozKomunikat(box, pokazany);
        box.show();
        Zrzut(box, komunikaty.takeAt(i).second);
        break;
    }
    // A store's error or the program's general error means the script went wrong.
    if (k.ikona == TIkona::Brak || k.ikona == TIkona::Stop)
        Bledy << QStringLiteral("Komunikat błędu: ") + k.tekst;
    const bool wybor = (k.przyciski & ~QMessageBox::StandardButtons(QMessageBox::Ok)) != 0;
    if (!wybor) return QMessageBox::Ok;
    if (odpowiedzi.empty()) {
        Bledy << QStringLiteral("Nieoczekiwane pytanie: ") + k.tekst;
        return k.przyciski.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::No;
    }
    const auto odpowiedz = odpowiedzi.front();
    odpowiedzi.pop_front();
    return odpowiedz;
}

int TZrzuty::PokazModalnie(QDialog& okno) {
    auto kolejka = obslugi.find(okno.objectName());
    if (kolejka == obslugi.end() || kolejka->empty()) {
        Bledy << QStringLiteral("Nieoczekiwane okno: ") + okno.objectName();
        return QDialog::Rejected;
    }
    TObsluga obsluga = std::move(kolejka->front());
    kolejka->pop_front();
    okno.setResult(QDialog::Rejected);
    okno.show();
    Odczekaj();
    const int wynik = obsluga(okno);
    okno.hide();
    return wynik;
}
