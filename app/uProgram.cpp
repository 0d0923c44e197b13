#include "app/uProgram.h"

#include <QApplication>
#include <QLocale>

#include "app/uAbout.h"
#include "app/uIloscDni.h"
#include "app/uMain.h"
#include "app/uWitamy.h"
#include "clients/uKlienci.h"
#include "clients/uKlient.h"
#include "clients/uWplata.h"
#include "clients/uZaleglosci.h"
#include "films/uFilm.h"
#include "films/uSzukaj.h"
#include "reports/uAbonenci.h"
#include "reports/uArchiwum.h"
#include "reports/uFilmyWyp.h"
#include "settings/uConfig.h"
#include "store/Baza.h"
#include "store/uWspolne.h"

void UtworzOkna() {
    fMain = new TfMain;
    fWplata = new TfWplata(fMain);
    fKlient = new TfKlient(fMain);
    fFilm = new TfFilm(fMain);
    fConfig = new TfConfig(fMain);
    fKlienci = new TfKlienci(fMain);
    fSzukaj = new TfSzukaj(fMain);
    fWitamy = new TfWitamy;  // its own top-level window: shown before the desk
    fZaleglosci = new TfZaleglosci(fMain);
    fArchiwum = new TfArchiwum(fMain);
    fFilmyWyp = new TfFilmyWyp(fMain);
    fAbonenci = new TfAbonenci(fMain);
    fIloscDni = new TfIloscDni(fMain);
    fAbout = new TfAbout(fMain);
}

void ZniszczOkna() {
    delete fWitamy;
    delete fMain;  // and the dialogs it owns
    fMain = nullptr;
    fWplata = nullptr;
    fKlient = nullptr;
    fFilm = nullptr;
    fConfig = nullptr;
    fKlienci = nullptr;
    fSzukaj = nullptr;
    fWitamy = nullptr;
    fZaleglosci = nullptr;
    fArchiwum = nullptr;
    fFilmyWyp = nullptr;
    fAbonenci = nullptr;
    fIloscDni = nullptr;
    fAbout = nullptr;
}

int UruchomProgram(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(TytulAplikacji);
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    UtworzOkna();
    const int wynik = fMain->Start() ? QApplication::exec() : 0;
    ZniszczOkna();
    TBaza::Rozlacz();
    return wynik;
}
