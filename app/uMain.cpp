#include "app/uMain.h"

#include <QCoreApplication>

#include "store/Baza.h"
#include "store/Tlumacz.h"
#include "store/uStruktura.h"
#include "store/uWspolne.h"
#include "store/uWspolneDB.h"

QString KatalogProgramu;
QString KatalogBazy;
int IdFilmu = 0;
bool FilmNaPolce = false;
TfMain* fMain = nullptr;

TfMain::TfMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("TfMain"));
    setWindowTitle(TytulAplikacji);
}

bool TfMain::Start() {
    if (!SprawdzBDE(TSrodowiskoStartu::Systemowe())) return false;
    if (KatalogProgramu.isEmpty())
        KatalogProgramu = DodajUkosnik(QCoreApplication::applicationDirPath());
    TSesjaBDE sesja(DomyslnyPlikKonfiguracjiBDE());
    if (!SprawdzAlias(sesja, KatalogProgramu, KatalogBazy)) return false;
    try {
        TBaza::Polacz(KatalogBazy);
    } catch (const TBladBazy& e) {
        BladOgolny(e.Tekst());
        return false;
    }
    AktualizujStrukture();
    return true;
}

void TfMain::AktualizujStrukture() { ::AktualizujStrukture(Query1); }

void TfMain::WczytajKLIENTA() {}
void TfMain::WczytajFILM() {}
