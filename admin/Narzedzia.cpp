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

// The copies, their restore and the check work on the store file; a server store is told so.
bool BazaWPliku() {
    if (TBaza::Aktywna()->Rodzaj() == TRodzajBazy::Plik) return true;
    Uwaga(QStringLiteral(
        "Baza danych jest na serwerze PostgreSQL. Kopię zapasową, przywracanie z kopii i "
        "sprawdzenie takiej bazy wykonuje się narzędziami serwera (pg_dump, pg_restore)."));
    return false;
}

bool ToSamPlik(const QString& a, const QString& b) {
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

}  // namespace

void KopiaZapasowa(QWidget* rodzic, const std::function<void(int)>& postep, std::stop_token stop) {
    if (!TBaza::Aktywna() || !BazaWPliku()) return;
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
    QString blad;
    {
        QEventLoop petla;
        // Destroyed before the loop: joined, and no event of it waits for the loop any more.
        const std::jthread watek([&] {
            blad = KopiujBaze(baza, plik, stop, [&](int procent) {
                QMetaObject::invokeMethod(
                    &petla,
                    [&postep, procent] {
                        if (postep) postep(procent);
                    },
                    Qt::QueuedConnection);
            });
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
    if (!TBaza::Aktywna() || !BazaWPliku()) return false;
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

bool SprawdzBazeDanych(QWidget* rodzic) {
    if (!TBaza::Aktywna() || !BazaWPliku()) return false;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto problemy = SprawdzBaze(TBaza::Aktywna()->Uchwyt());
    QGuiApplication::restoreOverrideCursor();
    {
        TfSprawdzBaze okno(rodzic);
        okno.UstawWynik(problemy);
        PokazModalnie(okno);
    }
    std::vector<TObcyObiekt> usuwalne;
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
