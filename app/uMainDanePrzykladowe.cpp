// The desk's "Narzędzia" -> "Dane przykładowe": the demo shop, written at the desk.
#include <QApplication>

#include "admin/SklepPrzykladowy.h"
#include "app/KasaPulpitu.h"
#include "app/uMain.h"
#include "settings/UstawieniaSlownik.h"
#include "store/Interakcja.h"
#include "store/Katalogi.h"
#include "store/Zegar.h"
#include "widgets/uDialog.h"

namespace {

// The demo shop's tariff: further days at half the rate, the late charge at the rate, a
// deposit, five films at most, and a subscription of 30,00 zł with every third film free.
TUstawienia TaryfaPrzykladowa() {
    TUstawienia u;
    u.KolejnaDoba = 50;
    u.PoTerminie = 100;
    u.Kara = TKwota::ZGroszy(300);
    u.Kaucja = TKwota::ZGroszy(2000);
    u.FilmMax = 5;
    u.AbOplata = TKwota::ZGroszy(3000);
    u.TypAb = 1;
    u.AbGratis = 3;
    NormalizujUstawienia(u);
    return u;
}

}  // namespace

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
    // A tariff of its own, unless the shop has already set one.
    if (wynik.Blad.isEmpty() && CzytajTekstyUstawien(Query1, KatalogBazy).isEmpty())
        ZapiszUstawieniaWBazie(Query1, TaryfaPrzykladowa());
    // The desk starts from nothing chosen, with the new clients and titles in its lists.
    PoPrzywroceniu();
    setUpdatesEnabled(true);
    QApplication::restoreOverrideCursor();

    if (wynik.Blad.isEmpty())
        Informacja(OpisWyniku(wynik));
    else
        BladOgolny(QStringLiteral("Nie wczytano wszystkich danych przykładowych.\n") + wynik.Blad);
}
