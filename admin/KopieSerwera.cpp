#include "admin/KopieSerwera.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <filesystem>
#include <system_error>
#include <thread>

#include "admin/Kopie.h"
#include "store/Baza.h"
#include "store/Interakcja.h"
#include "store/KopiaDanych.h"
#include "store/Kursor.h"
#include "store/TQuery.h"
#include "store/Tlumacz.h"
#include "store/uStruktura.h"

namespace {

QString Czesc(const QString& cel) {
    return cel + QStringLiteral(".czesc");
}

void UsunPlikBazy(const QString& plik) {
    for (const char* koncowka : {"", "-journal", "-wal", "-shm"})
        QFile::remove(plik + QString::fromLatin1(koncowka));
}

// Brings the store on the connection to the current schema through the start-up upgrade.
void Aktualizuj(TBaza& baza) {
    TNaBazie na(baza);
    TQuery query;
    AktualizujStrukture(query);
}

QString NaglowekKopii(const QString& cel) {
    return QStringLiteral("Nie udało się zapisać kopii bazy danych w pliku:\n") + cel + '\n';
}

}  // namespace

QString PrzygotujKopieSerwera(const QString& cel) {
    const QString czesc = Czesc(cel);
    UsunPlikBazy(czesc);
    try {
        const auto plik = TBaza::OtworzPlik(czesc);
        Aktualizuj(*plik);
        if (WersjaDanych(*plik) == WersjaSchematu()) return {};
    } catch (const TBladBazy& e) {
        UsunPlikBazy(czesc);
        return NaglowekKopii(cel) + e.Tekst();
    }
    UsunPlikBazy(czesc);
    return NaglowekKopii(cel) + QStringLiteral("Nie można utworzyć tabel kopii.");
}

QString WypelnijKopieSerwera(const QString& adres, const QString& cel, std::stop_token stop,
                             const std::function<void(int)>& postep) {
    const QString czesc = Czesc(cel);
    QString blad;
    if (!QFile::exists(czesc)) {
        blad = QStringLiteral("Brak pliku kopii.");
    } else {
        try {
            const auto serwer = TBaza::OtworzSerwer(adres, QString());
            const auto plik = TBaza::OtworzPlik(czesc);
            KopiujDane(*serwer, *plik, stop, postep);
        } catch (const TBladBazy& e) {
            blad = e.Tekst();
        }
    }
    if (stop.stop_requested()) blad = QStringLiteral("Kopię przerwano.");
    if (blad.isEmpty()) {
        // Committed through to the disk by the copy's connection; the name at the end.
        std::error_code kod;
        std::filesystem::rename(QFile::encodeName(czesc).toStdString(),
                                QFile::encodeName(cel).toStdString(), kod);
        if (kod)
            blad = QStringLiteral("Nie można zapisać pliku pod tą nazwą.\n") +
                   QString::fromLocal8Bit(kod.message());
    }
    if (blad.isEmpty()) return {};
    UsunPlikBazy(czesc);
    return NaglowekKopii(cel) + blad;
}

QString KopiujBazeSerwera(const QString& adres, const QString& cel) {
    const QString blad = PrzygotujKopieSerwera(cel);
    return blad.isEmpty() ? WypelnijKopieSerwera(adres, cel) : blad;
}

QString PrzywrocBazeSerwera(const QString& plikKopii, const QString& katalogBazy,
                            const QDateTime& teraz, QString* zachowana) {
    const QString naglowek =
        QStringLiteral("Nie udało się przywrócić bazy danych z kopii:\n") + plikKopii + '\n';
    const TOpisKopii opis = OpiszKopie(plikKopii);
    if (!opis.blad.isEmpty()) return naglowek + opis.blad;
    TBaza* baza = TBaza::Aktywna();
    if (!baza || baza->Rodzaj() != TRodzajBazy::Serwer)
        return naglowek + QStringLiteral("Baza danych na serwerze nie jest otwarta.");

    const QString katalog = KatalogKopii(katalogBazy);
    QDir().mkpath(katalog);
    const QString stara = katalog + QStringLiteral("przed-przywroceniem-") +
                          teraz.toString(QStringLiteral("yyyy-MM-dd-HHmmss")) +
                          QStringLiteral(".sqlite");
    if (const QString blad = KopiujBazeSerwera(baza->Adres(), stara); !blad.isEmpty())
        return naglowek + blad;
    if (zachowana) *zachowana = stara;

    // The chosen copy stays as it is: its rows are read from a copy of it, brought to the
    // current schema.
    const QString nowa = katalog + QStringLiteral("przywracana.sqlite");
    QString blad = KopiujBaze(plikKopii, nowa);
    if (blad.isEmpty()) {
        try {
            const auto plik = TBaza::OtworzPlik(nowa);
            Aktualizuj(*plik);
            KopiujDane(*plik, *baza);
        } catch (const TBladBazy& e) {
            blad = e.Tekst();
        }
    }
    UsunPlikBazy(nowa);
    return blad.isEmpty() ? QString() : naglowek + blad;
}

bool ZajmijKopieDnia(TBaza& baza, const QDate& dzien) {
    // The table is made by the first claim; two counters starting together make it once.
    // (A table an earlier version made gets the claimant's connection and the mark of the
    // copy made.)
    baza.ZablokujSchemat();
    try {
        baza.Wykonaj(QStringLiteral(
            "create table if not exists wirdolan_kopia_dnia (dzien date primary key); alter table "
            "wirdolan_kopia_dnia add column if not exists pid integer, add column if not exists "
            "zrobiona boolean not null default false"));
    } catch (...) {
        baza.OdblokujSchemat();
        throw;
    }
    baza.OdblokujSchemat();
    const QHash<QString, QVariant> parametry{{QStringLiteral(":DZIEN"), dzien}};
    // The day is claimed by this connection; a claim whose connection has ended (its
    // program stopped mid-copy) is taken over, a copy made is not made again.
    const auto k = baza.Przygotuj(
        QStringLiteral("insert into wirdolan_kopia_dnia (dzien, pid) values (:DZIEN, "
                       "pg_backend_pid()) on conflict (dzien) do update set pid = excluded.pid "
                       "where not wirdolan_kopia_dnia.zrobiona and not exists (select 1 from "
                       "pg_stat_activity a where a.pid = wirdolan_kopia_dnia.pid)"),
        parametry);
    k->Krok();
    if (k->Zmienione() != 1) return false;
    baza.Przygotuj(QStringLiteral("delete from wirdolan_kopia_dnia where dzien < :DZIEN"),
                   parametry)
        ->Krok();
    return true;
}

namespace {

// Runs a statement on the day's claim through a connection of its own; an error is left
// unsaid.
void ZmienKopieDnia(const QString& adres, const QDate& dzien, const QString& sql) {
    try {
        const auto baza = TBaza::OtworzSerwer(adres, QString());
        baza->Przygotuj(sql, {{QStringLiteral(":DZIEN"), dzien}})->Krok();
    } catch (const TBladBazy&) {
        // Given back: the next day's first start copies again; made: a counter starting
        // later this day may copy once more.
    }
}

}  // namespace

void ZwolnijKopieDnia(const QString& adres, const QDate& dzien) {
    ZmienKopieDnia(adres, dzien,
                   QStringLiteral("delete from wirdolan_kopia_dnia where dzien = :DZIEN"));
}

void ZakonczKopieDnia(const QString& adres, const QDate& dzien) {
    ZmienKopieDnia(
        adres, dzien,
        QStringLiteral("update wirdolan_kopia_dnia set zrobiona = True where dzien = :DZIEN"));
}

bool PrzeniesDaneNaSerwer(const QString& adres, const std::function<void(int)>& postep) {
    TBaza* plik = TBaza::Aktywna();
    if (!plik || plik->Rodzaj() != TRodzajBazy::Plik) {
        Uwaga(QStringLiteral(
            "Przenieść na serwer można tylko dane z bazy danych w pliku na tym komputerze."));
        return false;
    }
    const QString katalog = plik->Katalog();
    const QString serwer = OpisSerwera(adres);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QString blad;
    bool zajeta = false;
    try {
        const auto cel = TBaza::OtworzSerwer(adres, katalog);
        zajeta = BazaZawieraDane(*cel);
        if (!zajeta) {
            Aktualizuj(*cel);
            // The rows go over on connections of their own, beside the program's events (the
            // windows paint; the caller's dialog holds the desk).
            const auto zrodlo = TBaza::OtworzPlik(QDir(katalog).filePath(PlikBazy), true);
            QEventLoop petla;
            const std::jthread watek([&] {
                try {
                    KopiujDane(*zrodlo, *cel, {}, [&](int procent) {
                        QMetaObject::invokeMethod(
                            &petla,
                            [&postep, procent] {
                                if (postep) postep(procent);
                            },
                            Qt::QueuedConnection);
                    });
                } catch (const TBladBazy& e) {
                    blad = e.Tekst();
                }
                QMetaObject::invokeMethod(&petla, &QEventLoop::quit, Qt::QueuedConnection);
            });
            petla.exec();
        }
    } catch (const TBladBazy& e) {
        blad = e.Tekst();
    }
    QGuiApplication::restoreOverrideCursor();
    if (zajeta) {
        Uwaga(QStringLiteral("Baza danych na serwerze %1 zawiera już dane. Dane z tego komputera "
                             "można przenieść tylko do pustej bazy danych: wskaż nową bazę "
                             "danych albo połącz się z tą bazą bez przenoszenia danych.")
                  .arg(serwer));
        return false;
    }
    if (!blad.isEmpty()) {
        Uwaga(QStringLiteral("Nie udało się przenieść danych na serwer %1. Baza danych na "
                             "serwerze pozostała pusta, a program pracuje dalej na bazie "
                             "danych w pliku.\n")
                  .arg(serwer) +
              blad);
        return false;
    }
    try {
        TBaza::PolaczSerwer(adres, katalog);
    } catch (const TBladBazy& e) {
        // The rows are on the server; the desk goes on with the file until it connects.
        try {
            TBaza::Polacz(katalog);
        } catch (const TBladBazy&) {
        }
        Uwaga(QStringLiteral("Dane zostały przeniesione na serwer %1, ale nie można się z nim "
                             "połączyć. Program pracuje dalej na bazie danych w pliku.\n")
                  .arg(serwer) +
              e.Tekst());
        return false;
    }
    Informacja(QStringLiteral("Dane zostały przeniesione na serwer %1.\nProgram pracuje teraz na "
                              "bazie danych na serwerze. Plik bazy danych na tym komputerze "
                              "pozostał bez zmian.")
                   .arg(serwer));
    return true;
}
