// The desk's "Narzędzia" -> "Dane przykładowe": the demo shop, written at the desk.
#include <QApplication>

#include "admin/SklepPrzykladowy.h"
#include "app/KasaPulpitu.h"
#include "app/uMain.h"
#include "store/Interakcja.h"
#include "store/Katalogi.h"
#include "store/Zegar.h"
#include "widgets/uDialog.h"

void TfMain::miDanePrzykladoweClick() {
    if (!BazaBezKlientowIFilmow()) {
        Uwaga(BazaNiePusta);
        return;
    }
    if (!Pytanie(PytanieODanePrzykladowe, true)) return;

    const QString listy = KatalogProgramu + QStringLiteral("Config/");
    const TPlanSklepu plan =
        PlanSklepu(Dzisiaj(), WczytajPlikListy(listy + QStringLiteral("miasta.wdn")),
                   WczytajPlikListy(listy + QStringLiteral("gatunek.wdn")),
                   WczytajPlikListy(listy + QStringLiteral("nosnik.wdn")));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    setUpdatesEnabled(false);
    TWynikSklepu wynik;
    {
        TKasaPulpitu kasa(*this);
        wynik = WypelnijSklep(plan, kasa);
    }
    // The desk starts from nothing chosen, with the new clients and titles in its lists.
    PoPrzywroceniu();
    setUpdatesEnabled(true);
    QApplication::restoreOverrideCursor();

    if (wynik.Blad.isEmpty())
        Informacja(OpisWyniku(wynik));
    else
        BladOgolny(QStringLiteral("Nie wczytano wszystkich danych przykładowych.\n") + wynik.Blad);
}
