#include "store/uWspolneDB.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>
#include <utility>

#include "store/Baza.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/StanBazy.h"
#include "store/TQuery.h"
#include "store/Tlumacz.h"

namespace {

int glebokosc = 0;       // nesting of transaction guards
bool przerwana = false;  // a statement of the operation in force failed
int ponowien = 0;        // tries of the write in force left after this one
bool konflikt = false;   // the operation in force failed for a conflict with another counter
QString odlozony;        // the operation's error, shown once its transaction has ended

// A store error: outside an operation shown at once; inside one shown when its transaction
// has been taken back, so that no lock waits on the operator, and not at all when the server
// took the operation back for a conflict with another counter and the write runs again.
void zglos(int kod, const QString& tekst) {
    TBaza* b = TBaza::Aktywna();
    if (glebokosc > 0 && ponowien > 0 && kod == 5 && b && b->Rodzaj() == TRodzajBazy::Serwer) {
        konflikt = true;
        return;
    }
    if (glebokosc > 0) {
        if (odlozony.isEmpty()) odlozony = tekst;
        return;
    }
    KomunikatBledu(tekst);
}

// Runs one statement of the store's own SQL; false, with the store's text in blad and its
// code in kod, when it fails or no store is connected.
bool wykonajWBazie(const QString& sql, QString* blad = nullptr, int* kod = nullptr) {
    TBaza* b = TBaza::Aktywna();
    if (!b) {
        if (blad) *blad = QStringLiteral("Brak połączenia z bazą danych.");
        return false;
    }
    try {
        b->Wykonaj(sql);
        return true;
    } catch (const TBladBazy& e) {
        if (blad) *blad = TekstBleduBazy(e.Kod(), e.Tekst());
        if (kod) *kod = e.Kod();
        return false;
    }
}

template <typename Krok>
void wykonajPolecenie(TQuery& query, const QString& tekst, Krok krok) {
    query.Close();
    if (przerwana) return;  // the operation already failed: skip the rest of it
    query.UstawSQL(tekst);
    try {
        krok();
    } catch (const TBladBazy& e) {
        query.Close();
        if (glebokosc > 0) przerwana = true;
        zglos(e.Kod(), TekstBleduBazy(e.Kod(), e.Tekst()));
    }
}

const QString AliasFilm = QStringLiteral("Film");

}  // namespace

void ZglosBladBazy(const QString& tekst) {
    if (przerwana) return;
    if (glebokosc > 0) przerwana = true;
    zglos(0, tekst);
}

void UruchomSQL(TQuery& query, const QString& tekst) {
    wykonajPolecenie(query, tekst, [&] {
        query.ExecSQL();
        query.Close();
    });
}

void OtworzSQL(TQuery& query, const QString& tekst) {
    wykonajPolecenie(query, tekst, [&] { query.Open(); });
}

// The outermost guard is a transaction, every inner one a savepoint in it: an inner guard
// that ends without Zatwierdz takes back only its own statements.
TTransakcja::TTransakcja() : zewnetrzna(glebokosc == 0) {
    poziom = ++glebokosc;
    if (zewnetrzna) {
        przerwana = false;
        QString blad = QStringLiteral("Brak połączenia z bazą danych.");
        TBaza* b = TBaza::Aktywna();
        try {
            if (b) b->Zacznij();
        } catch (const TBladBazy& e) {
            blad = TekstBleduBazy(e.Kod(), e.Tekst());
            b = nullptr;
        }
        if (!b) {
            przerwana = true;
            KomunikatBledu(blad);
        }
    } else if (!przerwana) {
        wykonajWBazie(QStringLiteral("savepoint t%1").arg(poziom));
    }
}

TTransakcja::~TTransakcja() {
    if (!zakonczona) Zakoncz(false);
}

void TTransakcja::Zakoncz(bool zatwierdz) {
    zakonczona = true;
    glebokosc = poziom - 1;
    if (zewnetrzna) {
        if (!zatwierdz) wykonajWBazie(QStringLiteral("rollback"));
        przerwana = false;
        if (!odlozony.isEmpty()) KomunikatBledu(std::exchange(odlozony, QString()));
        return;
    }
    if (przerwana) return;  // the outermost guard takes everything back
    const QString punkt = QStringLiteral("t%1").arg(poziom);
    if (!zatwierdz) wykonajWBazie(QStringLiteral("rollback to ") + punkt);
    wykonajWBazie(QStringLiteral("release ") + punkt);
}

bool TTransakcja::Zatwierdz() {
    if (zakonczona) return false;
    if (przerwana) {
        if (zewnetrzna) Zakoncz(false);
        return false;
    }
    QString blad;
    int kod = 0;
    if (zewnetrzna && !wykonajWBazie(QStringLiteral("commit"), &blad, &kod)) {
        zglos(kod, blad);
        Zakoncz(false);
        return false;
    }
    Zakoncz(true);
    return true;
}

bool TTransakcja::Przerwana() {
    return przerwana;
}

bool ZapiszZPowtorzeniem(const std::function<bool()>& zapis) {
    if (glebokosc > 0) return zapis();
    for (int proba = 0;; ++proba) {
        ponowien = PowtorzeniaZapisu - proba;
        konflikt = false;
        const bool zapisano = zapis();
        const bool ponow = konflikt && !zapisano;
        ponowien = 0;
        konflikt = false;
        if (!ponow) return zapisano;
        // The other counter's transaction ends meanwhile.
        QThread::msleep(static_cast<unsigned long>(20 * (proba + 1)));
    }
}

// ---------------------------------------------------------------- engine configuration

TSesjaBDE::TSesjaBDE(QString plikKonfiguracji) : plik(std::move(plikKonfiguracji)) {}

bool TSesjaBDE::JestAlias(const QString& nazwa) const {
    QSettings ini(plik, QSettings::IniFormat);
    return ini.childGroups().contains(nazwa, Qt::CaseInsensitive);
}

void TSesjaBDE::DodajAlias(const QString& nazwa, const QString& typ, const QString& sciezka,
                           const QString& sterownik) {
    QDir().mkpath(QFileInfo(plik).absolutePath());
    QSettings ini(plik, QSettings::IniFormat);
    ini.beginGroup(nazwa);
    ini.setValue(QStringLiteral("TYPE"), typ);
    ini.setValue(QStringLiteral("PATH"), sciezka);
    ini.setValue(QStringLiteral("DEFAULT DRIVER"), sterownik);
    ini.endGroup();
    ini.sync();
}

void TSesjaBDE::UsunAlias(const QString& nazwa) {
    QSettings ini(plik, QSettings::IniFormat);
    for (const QString& grupa : ini.childGroups())
        if (grupa.compare(nazwa, Qt::CaseInsensitive) == 0) ini.remove(grupa);
    ini.sync();
}

QString TSesjaBDE::Polacz(const QString& nazwa) const {
    QSettings ini(plik, QSettings::IniFormat);
    for (const QString& grupa : ini.childGroups()) {
        if (grupa.compare(nazwa, Qt::CaseInsensitive) != 0) continue;
        const QString sciezka = ini.value(grupa + QStringLiteral("/PATH")).toString();
        if (sciezka.isEmpty() || !QFileInfo(sciezka).isDir()) return {};
        return DodajUkosnik(sciezka);
    }
    return {};
}

QString DomyslnyPlikKonfiguracjiBDE() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Wirdolan/silnik.ini");
}

// ---------------------------------------------------------------- start-up checks

TSrodowiskoStartu TSrodowiskoStartu::Systemowe() {
    return {
        [] { return SilnikDziala(); },
        [](const QString& p) { return QFileInfo::exists(p); },
        [](const QString& p) { QProcess::startDetached(p, {}); },
        [](const QUrl& u) { QDesktopServices::openUrl(u); },
    };
}

bool SprawdzBDE(const TSrodowiskoStartu& srodowisko) {
    if (srodowisko.silnikDziala()) return true;
    PokazKomunikat({QStringLiteral("Za chwilę zostanie uruchomiona instalacja BDE koniecznego do "
                                   "uruchomienia programu. Po włożeniu do napędu CD-ROM płyty z "
                                   "instalatorem aplikacji proszę nacisnąć OK."),
                    TytulAplikacji, TIkona::Ostrzezenie, QMessageBox::Ok, QMessageBox::Ok});
    for (char dysk = 'C'; dysk <= 'Z'; ++dysk) {
        const QString instalator = QStringLiteral("%1:\\BDE\\setup.exe").arg(QChar(dysk));
        if (srodowisko.plikIstnieje(instalator)) {
            srodowisko.uruchomMaksymalnie(instalator);
            return false;
        }
    }
    if (Pytanie(QStringLiteral("Brak instalatora BDE na dysku CD-ROM. Odpowiedni plik można pobrać "
                               "ze strony internetowej producenta oprogramowania. Całkowity "
                               "rozmiar instalatora wynosi: 5.7 MB.\n"
                               "Czy połączyć się ze stroną producenta w celu pobrania BDE?"),
                true))
        srodowisko.otworzStrone(StronaPobierania);
    return false;
}

bool SprawdzAlias(TSesjaBDE& sesja, const QString& katalogProgramu, QString& katalogBazy) {
    const QString wlasciwy = DodajUkosnik(katalogProgramu) + QStringLiteral("Bazy/");
    if (!sesja.JestAlias(AliasFilm))
        sesja.DodajAlias(AliasFilm, QStringLiteral("STANDARD"), wlasciwy,
                         QStringLiteral("PARADOX"));
    const QString znaleziony = sesja.Polacz(AliasFilm);
    if (znaleziony.compare(wlasciwy, Qt::CaseInsensitive) == 0) {
        katalogBazy = znaleziony;
        return true;
    }
    if (!Pytanie(QStringLiteral("Brak aliasu (\"Film\") w BDE lub niepoprawne określenie ścieżki "
                                "dostępu do Bazy danych. Czy chcesz zmienić to ustawienie? \n"
                                "Jeśli nie jesteś pewny swej decyzji - naciśnij NIE i skontaktuj "
                                "się z administratorem systemu."),
                 false))
        return false;
    sesja.UsunAlias(AliasFilm);
    sesja.DodajAlias(AliasFilm, QStringLiteral("STANDARD"), wlasciwy, QStringLiteral("PARADOX"));
    katalogBazy = wlasciwy;
    return true;
}
