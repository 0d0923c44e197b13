#include "admin/Narzedzia.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>
#include <algorithm>
#include <iterator>
#include <thread>

#include "admin/Kopie.h"
#include "admin/KopieSerwera.h"
#include "admin/SprawdzenieBazy.h"
#include "admin/WyborPliku.h"
#include "admin/uSprawdzBaze.h"
#include "store/Baza.h"
#include "store/Godzina.h"
#include "store/Interakcja.h"
#include "store/ObceObiekty.h"
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

bool NaSerwerze() {
    return TBaza::Aktywna()->Rodzaj() == TRodzajBazy::Serwer;
}

bool ToSamPlik(const QString& a, const QString& b) {
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

}  // namespace

void KopiaZapasowa(QWidget* rodzic, const std::function<void(int)>& postep, std::stop_token stop) {
    if (!TBaza::Aktywna()) return;
    const QString propozycja =
        QDir(Dokumenty())
            .filePath(QStringLiteral("wirdolan-") +
                      Dzisiaj().toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".sqlite"));
    const QString plik = WyborPliku().DoZapisu(rodzic, QStringLiteral("Kopia zapasowa bazy danych"),
                                               propozycja, FiltrKopii);
    if (plik.isEmpty()) return;
    const QString baza = PlikOtwartejBazy();
    const QString adres = TBaza::Aktywna()->Adres();
    if (!NaSerwerze() && ToSamPlik(plik, baza)) {
        Ostrzezenie(QStringLiteral("Kopii nie można zapisać w miejscu samej bazy danych."));
        return;
    }
    // A server store's copy is a store file made here, then filled beside the desk.
    QString blad = NaSerwerze() ? PrzygotujKopieSerwera(plik) : QString();
    if (blad.isEmpty()) {
        QEventLoop petla;
        // Destroyed before the loop: joined, and no event of it waits for the loop any more.
        const std::jthread watek([&] {
            const auto naPasku = [&](int procent) {
                QMetaObject::invokeMethod(
                    &petla,
                    [&postep, procent] {
                        if (postep) postep(procent);
                    },
                    Qt::QueuedConnection);
            };
            blad = adres.isEmpty() ? KopiujBaze(baza, plik, stop, naPasku)
                                   : WypelnijKopieSerwera(adres, plik, stop, naPasku);
            QMetaObject::invokeMethod(&petla, &QEventLoop::quit, Qt::QueuedConnection);
        });
        petla.exec();
    }
    if (postep) postep(-1);
    if (stop.stop_requested()) return;
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
    if (!NaSerwerze() && ToSamPlik(plik, PlikOtwartejBazy())) {
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
               : opis.obceObiekty
                   ? QStringLiteral("Wybrana kopia bazy danych zawiera obiekty, których program "
                                    "nie utworzył, i nie można z niej przywrócić bazy danych:\n")
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
    const QString blad = NaSerwerze() ? PrzywrocBazeSerwera(plik, katalogBazy, Chwila(), &zachowana)
                                      : PrzywrocBaze(plik, katalogBazy, Chwila(), &zachowana);
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

bool SprawdzBazeDanych(QWidget* rodzic) {
    if (!TBaza::Aktywna()) return false;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    // SQLite's own checks only on a file; the server keeps its pages and types itself.
    const auto problemy = NaSerwerze() ? SprawdzBazeSerwera(*TBaza::Aktywna())
                                       : SprawdzBaze(TBaza::Aktywna()->Uchwyt());
    QGuiApplication::restoreOverrideCursor();
    {
        TfSprawdzBaze okno(rodzic);
        okno.UstawWynik(problemy);
        PokazModalnie(okno);
    }
    std::vector<TObcyObiekt> usuwalne;
    if (NaSerwerze()) return false;
    if (const auto obce = ObceObiekty(TBaza::Aktywna()->Uchwyt()))
        std::copy_if(obce->begin(), obce->end(), std::back_inserter(usuwalne),
                     [](const TObcyObiekt& o) { return o.usuwalny; });
    if (usuwalne.empty()) return false;
    const QString katalogBazy = TBaza::Aktywna()->Katalog();
    if (!Pytanie(QStringLiteral("Baza danych zawiera obiekty, których program nie utworzył: ") +
                     OpisObcychObiektow(usuwalne) +
                     QStringLiteral(".\n\nCzy usunąć je z bazy danych? Najpierw zostanie "
                                    "zapisana kopia bazy danych w katalogu:\n") +
                     QDir::toNativeSeparators(KatalogKopii(katalogBazy)),
                 false))
        return false;
    QString kopia;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const QString blad = UsunObceObiektyZBazy(katalogBazy, Chwila(), &kopia);
    QGuiApplication::restoreOverrideCursor();
    if (!blad.isEmpty()) {
        Uwaga(blad);
        return false;
    }
    const TBaza* b = TBaza::Aktywna();
    QString tekst = QStringLiteral(
                        "Usunięto z bazy danych obiekty, których program nie utworzył.\nKopia "
                        "bazy danych sprzed zmiany została zapisana w pliku:\n") +
                    QDir::toNativeSeparators(kopia);
    if (b->Wada() != TWadaBazy::Brak)
        tekst += QStringLiteral("\n\n") + KomunikatWadyBazy(b->Wada(), katalogBazy, b->TekstWady());
    Informacja(tekst);
    return true;
}
