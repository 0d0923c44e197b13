#include "admin/Narzedzia.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>

#include "admin/Kopie.h"
#include "admin/SprawdzenieBazy.h"
#include "admin/WyborPliku.h"
#include "admin/uSprawdzBaze.h"
#include "store/Baza.h"
#include "store/Godzina.h"
#include "store/Interakcja.h"
#include "store/Zegar.h"

namespace {

const QString FiltrKopii = QStringLiteral("Kopie bazy danych (*.sqlite);;Wszystkie pliki (*)");

// The user's documents folder, or the home folder where there is none.
QString Dokumenty() {
    const QString dokumenty = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(dokumenty).isDir() ? dokumenty : QDir::homePath();
}

QString PlikOtwartejBazy() {
    return QDir(TBaza::Aktywna()->Katalog()).filePath(PlikBazy);
}

bool ToSamPlik(const QString& a, const QString& b) {
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

}  // namespace

void KopiaZapasowa(QWidget* rodzic) {
    if (!TBaza::Aktywna()) return;
    const QString propozycja =
        QDir(Dokumenty())
            .filePath(QStringLiteral("wirdolan-") +
                      Dzisiaj().toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".sqlite"));
    const QString plik = WyborPliku().DoZapisu(rodzic, QStringLiteral("Kopia zapasowa bazy danych"),
                                               propozycja, FiltrKopii);
    if (plik.isEmpty()) return;
    const QString baza = PlikOtwartejBazy();
    if (ToSamPlik(plik, baza)) {
        Ostrzezenie(QStringLiteral("Kopii nie można zapisać w miejscu samej bazy danych."));
        return;
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const QString blad = KopiujBaze(baza, plik);
    QGuiApplication::restoreOverrideCursor();
    if (!blad.isEmpty()) {
        Uwaga(blad);
        return;
    }
    Informacja(QStringLiteral("Kopia zapasowa bazy danych została zapisana w pliku:\n") +
               QDir::toNativeSeparators(plik) + QStringLiteral("\nRozmiar: ") +
               RozmiarPliku(QFileInfo(plik).size()) + '.');
}

bool PrzywrocZKopii(QWidget* rodzic) {
    if (!TBaza::Aktywna()) return false;
    const QString katalogBazy = TBaza::Aktywna()->Katalog();
    const QString kopie = KatalogKopii(katalogBazy);
    const QString plik =
        WyborPliku().DoOdczytu(rodzic, QStringLiteral("Przywracanie bazy danych z kopii"),
                               QFileInfo::exists(kopie) ? kopie : Dokumenty(), FiltrKopii);
    if (plik.isEmpty()) return false;
    if (ToSamPlik(plik, PlikOtwartejBazy())) {
        Ostrzezenie(QStringLiteral("Wskazany plik jest obecną bazą danych, a nie jej kopią."));
        return false;
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const TOpisKopii opis = OpiszKopie(plik);
    QGuiApplication::restoreOverrideCursor();
    if (!opis.blad.isEmpty()) {
        Uwaga((opis.uszkodzona
                   ? QStringLiteral("Wybrana kopia bazy danych jest uszkodzona i nie można z "
                                    "niej przywrócić bazy danych:\n")
                   : QStringLiteral("Wybrany plik nie jest kopią bazy danych programu "
                                    "Wirdolan:\n")) +
              QDir::toNativeSeparators(plik) + '\n' + opis.blad);
        return false;
    }
    const QString pytanie =
        QStringLiteral("Czy zastąpić obecną bazę danych kopią z dnia ") +
        opis.data.toString(QStringLiteral("dd.MM.yyyy, 'godz.' HH:mm")) +
        QStringLiteral("?\n\nKopia zawiera:\nklientów: ") + QString::number(opis.klientow) +
        QStringLiteral("\nfilmów: ") + QString::number(opis.filmow) +
        QStringLiteral("\nwypożyczeń: ") + QString::number(opis.wypozyczen) +
        QStringLiteral("\n\nObecna baza danych zostanie zachowana w katalogu:\n") +
        QDir::toNativeSeparators(kopie);
    if (!Pytanie(pytanie, false)) return false;
    QString zachowana;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const QString blad = PrzywrocBaze(plik, katalogBazy, Chwila(), &zachowana);
    QGuiApplication::restoreOverrideCursor();
    if (!blad.isEmpty()) {
        Uwaga(blad);
        return false;
    }
    Informacja(QStringLiteral("Baza danych została przywrócona z kopii.\nPoprzednia baza danych "
                              "została zachowana w pliku:\n") +
               QDir::toNativeSeparators(zachowana));
    return true;
}

void SprawdzBazeDanych(QWidget* rodzic) {
    if (!TBaza::Aktywna()) return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto problemy = SprawdzBaze(TBaza::Aktywna()->Uchwyt());
    QGuiApplication::restoreOverrideCursor();
    TfSprawdzBaze okno(rodzic);
    okno.UstawWynik(problemy);
    PokazModalnie(okno);
}
