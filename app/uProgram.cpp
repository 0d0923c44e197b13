#include "app/uProgram.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/Aplikacja.h"
#include "app/uAbout.h"
#include "app/uIloscDni.h"
#include "app/uMain.h"
#include "app/uWitamy.h"
#include "app/uWyglad.h"
#include "clients/uKlienci.h"
#include "clients/uKlient.h"
#include "clients/uWplata.h"
#include "clients/uZaleglosci.h"
#include "films/uFilm.h"
#include "films/uSzukaj.h"
#include "reports/uAbonenci.h"
#include "reports/uArchiwum.h"
#include "reports/uFilmyWyp.h"
#include "reports/uRapArchiwum.h"
#include "settings/uConfig.h"
#include "store/Baza.h"
#include "store/Dziennik.h"
#include "store/Interakcja.h"

// The windows belong to the program, not to the desk, so that each window's controls
// are found by name in that window alone.
void UtworzOkna() {
    fMain = new TfMain;
    fWplata = new TfWplata;
    fKlient = new TfKlient;
    fFilm = new TfFilm;
    fConfig = new TfConfig;
    fKlienci = new TfKlienci;
    fSzukaj = new TfSzukaj;
    fWitamy = new TfWitamy;
    fZaleglosci = new TfZaleglosci;
    fArchiwum = new TfArchiwum;
    fFilmyWyp = new TfFilmyWyp;
    fAbonenci = new TfAbonenci;
    fIloscDni = new TfIloscDni;
    fAbout = new TfAbout;
    PolaczArchiwum(*fKlienci);
    QObject::connect(fFilm, &TfFilm::StatusZmieniony, fMain, &TfMain::WczytajFILM);
}

namespace {

template <typename T>
void zniszcz(T*& okno) {
    delete okno;
    okno = nullptr;
}

}  // namespace

void ZniszczOkna() {
    // In the reverse order of creation; the desk last.
    zniszcz(fAbout);
    zniszcz(fIloscDni);
    zniszcz(fAbonenci);
    zniszcz(fFilmyWyp);
    zniszcz(fArchiwum);
    zniszcz(fZaleglosci);
    zniszcz(fWitamy);
    zniszcz(fSzukaj);
    zniszcz(fKlienci);
    zniszcz(fConfig);
    zniszcz(fFilm);
    zniszcz(fKlient);
    zniszcz(fWplata);
    zniszcz(fMain);
}

void PrzygotujAplikacje() {
    QApplication::setApplicationName(TytulAplikacji);
    QApplication::setApplicationVersion(QStringLiteral(WIRDOLAN_WERSJA));
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    UstawWyglad();
    // Qt's own dialogs (choosing a file, printing) speak Polish too.
    static QTranslator qt;
    if (qt.load(QLocale(QLocale::Polish, QLocale::Poland), QStringLiteral("qtbase"),
                QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qt);
}

int UruchomProgram(int argc, char** argv) {
    TAplikacja app(argc, argv);
    PrzygotujAplikacje();
    UtworzOkna();
    const int wynik = fMain->Start() ? QApplication::exec() : 0;
    ZakonczProgram();
    return wynik;
}

void ZakonczProgram() {
    ZniszczOkna();
    TBaza::Rozlacz();
    ZapiszWDzienniku(WpisKonca, QStringLiteral("Zamknięcie programu"));
}
