#include <gtest/gtest.h>

#include "money/RozliczenieZwrotu.h"
#include "support/Kwoty.h"

namespace {

// Monday the 1st of a month and the days after it.
QDate Dzien(int d) {
    return QDate(2024, 4, 1).addDays(d - 1);
}

TUstawienia Taryfa() {
    TUstawienia u;
    u.KolejnaDoba = 50;
    u.PoTerminie = 100;
    return u;
}

TUstawienia TaryfaAbonamentu() {
    TUstawienia u = Taryfa();
    u.TypAb = 2;
    u.AbRabat = 100;
    u.AbStawka = 4_zl;
    return u;
}

// A rental of film id from Monday the 1st until day do_, listed with charge naleznosc.
TWierszZwrotu Wiersz(int id, TKwota naleznosc, int do_, TKwota stawka = 5_zl, int od = 1) {
    return {id, naleznosc, stawka, Dzien(od), Dzien(do_)};
}

TDaneZwrotu Zwrot(std::vector<TWierszZwrotu> wiersze, int dzis, TKwota saldo, TKwota wplacono,
                  TKwota p0) {
    TDaneZwrotu d;
    d.Wiersze = std::move(wiersze);
    d.Pierwszy = 0;
    d.Ostatni = static_cast<int>(d.Wiersze.size()) - 1;
    d.Ustawienia = Taryfa();
    d.Saldo = saldo;
    d.Wplacono = wplacono;
    d.SumaPlatnosci = p0;
    d.Dzisiaj = Dzien(dzis);
    return d;
}

TDaneZwrotu ZwrotAbonenta(std::vector<TWierszZwrotu> wiersze, int dzis, QDate abonamentDo,
                          TKwota saldo, TKwota wplacono, TKwota p0) {
    TDaneZwrotu d = Zwrot(std::move(wiersze), dzis, saldo, wplacono, p0);
    d.Ustawienia = TaryfaAbonamentu();
    d.Abonament = true;
    d.AbonamentDo = abonamentDo;
    return d;
}

TKwota Cena(const TDaneZwrotu& d, int i = 0) {
    return CenaZwrotu(d, d.Wiersze[i]).Naleznosc;
}
TKwota Czesc(const TDaneZwrotu& d, int i = 0) {
    return CenaZwrotu(d, d.Wiersze[i]).ZAbonamentu;
}

const QDate DalekoPotem(2024, 4, 30);

}  // namespace

// ---------------------------------------------------------------- repricing, regular client

TEST(ZwrotCena, PoTerminieWTerminieIKara) {
    TDaneZwrotu d = Zwrot({Wiersz(1, 7.50_zl, 3)}, 5, 0_zl, 0_zl, 0_zl);
    EXPECT_KWOTA(Cena(d), 17.50_zl);
    EXPECT_KWOTA(Czesc(d), 0_zl);
    d.Ustawienia.PoTerminie = 0;
    d.Ustawienia.Kara = 3.00_zl;
    EXPECT_KWOTA(Cena(d), 13.50_zl);
    d.Dzisiaj = Dzien(3);
    EXPECT_KWOTA(Cena(d), 7.50_zl);
}

TEST(ZwrotCena, PrzedTerminemZPotracaniemIBez) {
    TDaneZwrotu d = Zwrot({Wiersz(1, 12.50_zl, 5)}, 3, 0_zl, 0_zl, 0_zl);
    d.Ustawienia.PrzedTerminem = true;
    EXPECT_KWOTA(Cena(d), 7.50_zl);
    d.Ustawienia.PrzedTerminem = false;
    EXPECT_KWOTA(Cena(d), 12.50_zl);
}

TEST(ZwrotCena, WDniuWypozyczeniaStawkaBezRabatu) {
    TDaneZwrotu d = Zwrot({Wiersz(1, 12.50_zl, 5)}, 1, 0_zl, 0_zl, 0_zl);
    d.Ustawienia.PrzedTerminem = true;
    d.RabatKlienta = 20;
    EXPECT_KWOTA(Cena(d), 5.00_zl);
    d.Ustawienia.PrzedTerminem = false;
    EXPECT_KWOTA(Cena(d), 10.00_zl);  // the booked term, with the discount
}

TEST(ZwrotCena, WeekendIFilmGratis) {
    // Saturday the 6th for 2 days, back on time.
    TDaneZwrotu d = Zwrot({Wiersz(1, 5.00_zl, 8, 5.00_zl, 6)}, 8, 0_zl, 0_zl, 0_zl);
    d.Ustawienia.Weekend = 1;
    EXPECT_KWOTA(Cena(d), 5.00_zl);
    // A free film stays free however late it comes back, for anyone.
    d = Zwrot({Wiersz(1, 0.00_zl, 3)}, 20, 0_zl, 0_zl, 0_zl);
    EXPECT_EQ(Cena(d), 0_zl);
    d = ZwrotAbonenta({Wiersz(1, 0.00_zl, 3)}, 20, Dzien(2), 0_zl, 0_zl, 0_zl);
    EXPECT_EQ(Cena(d), 0_zl);
    EXPECT_EQ(Czesc(d), 0_zl);
}

// ---------------------------------------------------------------- repricing, subscriber
// Flat price 4.00 a day, further days at 50 % of 5.00, late days at 5.00.

TEST(ZwrotCena, AbonamentSkonczylSiePrzedTerminemAFilmPoTerminie) {
    // Ended Tuesday (first day without: Wednesday), due Friday, back Saturday.
    TDaneZwrotu d = ZwrotAbonenta({Wiersz(1, 16.00_zl, 5)}, 6, Dzien(2), 0_zl, 0_zl, 0_zl);
    EXPECT_KWOTA(Cena(d), 8.00_zl + 5.00_zl + 5.00_zl);
    EXPECT_KWOTA(Czesc(d), 8.00_zl);
}

TEST(ZwrotCena, AbonamentSkonczylSiePoTerminieAPrzedZwrotem) {
    // Due Wednesday, subscription to Wednesday, back Friday.
    TDaneZwrotu d = ZwrotAbonenta({Wiersz(1, 8.00_zl, 3)}, 5, Dzien(3), 0_zl, 0_zl, 0_zl);
    EXPECT_KWOTA(Cena(d), 8.00_zl + 10.00_zl);
    EXPECT_KWOTA(Czesc(d), 8.00_zl + 5.00_zl);
}

TEST(ZwrotCena, AbonamentSkonczylSieAFilmOddanyPrzedTerminem) {
    // Ended Tuesday, due Friday, back Thursday.
    TDaneZwrotu d = ZwrotAbonenta({Wiersz(1, 16.00_zl, 5)}, 4, Dzien(2), 0_zl, 0_zl, 0_zl);
    d.Ustawienia.PrzedTerminem = true;
    EXPECT_KWOTA(Cena(d), 8.00_zl + 2.50_zl);
    d.Ustawienia.PrzedTerminem = false;
    EXPECT_KWOTA(Cena(d), 8.00_zl + 5.00_zl);
    EXPECT_KWOTA(Czesc(d), 8.00_zl);
}

TEST(ZwrotCena, AbonamentTrwaFilmPoTerminieLubWTerminie) {
    TDaneZwrotu d = ZwrotAbonenta({Wiersz(1, 8.00_zl, 3)}, 5, DalekoPotem, 0_zl, 0_zl, 0_zl);
    EXPECT_KWOTA(Cena(d), 8.00_zl + 10.00_zl);
    EXPECT_KWOTA(Czesc(d), 18.00_zl);  // all of it within the subscription
    d.Dzisiaj = Dzien(3);
    EXPECT_KWOTA(Cena(d), 8.00_zl);
    EXPECT_KWOTA(Czesc(d), 8.00_zl);
}

TEST(ZwrotCena, AbonamentTrwaFilmOddanyPrzedTerminem) {
    TDaneZwrotu d = ZwrotAbonenta({Wiersz(1, 16.00_zl, 5)}, 3, DalekoPotem, 0_zl, 0_zl, 0_zl);
    d.Ustawienia.PrzedTerminem = true;
    EXPECT_KWOTA(Cena(d), 8.00_zl);
    d.Ustawienia.PrzedTerminem = false;
    EXPECT_KWOTA(Cena(d), 16.00_zl);
    EXPECT_KWOTA(Czesc(d), 16.00_zl);
}

TEST(ZwrotCena, AbonamentKonczySiePrzedTerminemFilmOddanyWczesniej) {
    // Subscription to Wednesday (first day without: Thursday), due Friday, back Tuesday.
    TDaneZwrotu d = ZwrotAbonenta({Wiersz(1, 16.00_zl, 5)}, 2, Dzien(3), 0_zl, 0_zl, 0_zl);
    d.Ustawienia.PrzedTerminem = true;
    EXPECT_KWOTA(Cena(d), 4.00_zl);
    d.Ustawienia.PrzedTerminem = false;
    EXPECT_KWOTA(Cena(d), 12.00_zl + 2.50_zl);
    EXPECT_KWOTA(Czesc(d), 14.50_zl);
}

TEST(ZwrotCena, AbonentOddajeWDniuWypozyczenia) {
    // Back on Monday itself: counted up to Tuesday.
    TDaneZwrotu d = ZwrotAbonenta({Wiersz(1, 8.00_zl, 3)}, 1, DalekoPotem, 0_zl, 0_zl, 0_zl);
    d.Ustawienia.PrzedTerminem = true;
    EXPECT_KWOTA(Cena(d), 4.00_zl);
    d.Ustawienia.PrzedTerminem = false;
    EXPECT_KWOTA(Cena(d), 8.00_zl);
}

TEST(ZwrotCena, AbonamentSkonczylSieDzienPrzedWypozyczeniemLubWczesniej) {
    // Ended Sunday: the first day without it would be the start day, so it moves on a day.
    TDaneZwrotu d = ZwrotAbonenta({Wiersz(1, 8.00_zl, 3)}, 3, QDate(2024, 3, 31), 0_zl, 0_zl, 0_zl);
    EXPECT_KWOTA(Cena(d), 4.00_zl + 2.50_zl);
    EXPECT_KWOTA(Czesc(d), 4.00_zl);
    // Ended long before the start: counted the same way, never as negative days.
    d.AbonamentDo = QDate(2024, 3, 20);
    EXPECT_KWOTA(Cena(d), 4.00_zl + 2.50_zl);
    EXPECT_KWOTA(Czesc(d), 4.00_zl);
}

// ---------------------------------------------------------------- money, regular client

TEST(ZwrotRozliczenie, ZaplaconyWTerminieBezOkna) {
    TDaneZwrotu d = Zwrot({Wiersz(7, 7.50_zl, 3)}, 3, 10.00_zl, 7.50_zl, 0_zl);
    const TPrzedZwrotem p = PrzygotujZwrot(d);
    EXPECT_FALSE(p.Nadplata);
    EXPECT_FALSE(p.Wplata.Pokaz);
    EXPECT_KWOTA(p.Razem, 7.50_zl);
    const TWynikZwrotu w = RozliczZwrot(d, p, 0_zl);
    EXPECT_KWOTA(w.Saldo, 10.00_zl);
    EXPECT_EQ(w.Zwrocone, 1);
    ASSERT_EQ(w.Wiersze.size(), 1u);
    EXPECT_TRUE(w.Wiersze[0].Zwrocony);
    EXPECT_EQ(w.Wiersze[0].IdFilmu, 7);
    EXPECT_KWOTA(w.Wiersze[0].Naleznosc, 7.50_zl);
    EXPECT_EQ(w.Wiersze[0].Platnosc1, 0_zl);
    EXPECT_EQ(w.Wiersze[0].ZAbonamentu, 0_zl);
    EXPECT_KWOTA(w.Wiersze[0].Wplywy, 7.50_zl);
}

TEST(ZwrotRozliczenie, NiezaplaconyWTerminieZaplataWOknie) {
    // Balance 10.00 before the rental, lowered by 7.50 when nothing was paid.
    TDaneZwrotu d = Zwrot({Wiersz(1, 7.50_zl, 3)}, 3, 2.50_zl, 0_zl, 7.50_zl);
    const TPrzedZwrotem p = PrzygotujZwrot(d);
    ASSERT_TRUE(p.Wplata.Pokaz);
    EXPECT_EQ(p.Wplata.Etykieta, "Do zapłaty: ");
    EXPECT_KWOTA(p.Wplata.Kwota, 7.50_zl);
    TWynikZwrotu w = RozliczZwrot(d, p, 7.50_zl);
    EXPECT_FALSE(w.Nadplata);
    EXPECT_KWOTA(w.Saldo, 10.00_zl);
    EXPECT_EQ(w.Wiersze[0].Platnosc1, 0_zl);
    EXPECT_KWOTA(w.Wplacono, 7.50_zl);

    w = RozliczZwrot(d, p, 0_zl);  // "Nie wpłacono"
    EXPECT_KWOTA(w.Saldo, 2.50_zl);
    EXPECT_KWOTA(w.Wiersze[0].Platnosc1, 7.50_zl);
    EXPECT_KWOTA(w.Wiersze[0].Wplywy, 7.50_zl);
}

TEST(ZwrotRozliczenie, PoTerminieDoplataZwloki) {
    TDaneZwrotu d = Zwrot({Wiersz(1, 7.50_zl, 3)}, 5, 0_zl, 7.50_zl, 0_zl);
    const TPrzedZwrotem p = PrzygotujZwrot(d);
    EXPECT_KWOTA(p.Naleznosci[0], 17.50_zl);
    EXPECT_KWOTA(p.Wplata.Kwota, 10.00_zl);
    TWynikZwrotu w = RozliczZwrot(d, p, 4.00_zl);
    EXPECT_KWOTA(w.Saldo, -6.00_zl);
    EXPECT_KWOTA(w.Wiersze[0].Platnosc1, 6.00_zl);
    EXPECT_KWOTA(w.Wiersze[0].Naleznosc, 17.50_zl);
}

TEST(ZwrotRozliczenie, NadplataWOknieOgraniczonaDoNaleznosci) {
    TDaneZwrotu d = Zwrot({Wiersz(1, 7.50_zl, 3)}, 3, -7.50_zl, 0_zl, 7.50_zl);
    const TWynikZwrotu w = RozliczZwrot(d, PrzygotujZwrot(d), 10.00_zl);
    ASSERT_TRUE(w.Nadplata);
    EXPECT_EQ(w.Nadplata->Tekst, QStringLiteral("Wpłacono za wysoką kwotę.\nDo zwrotu 2,50 zł."));
    EXPECT_EQ(w.Nadplata->Rodzaj, TRodzajKomunikatu::Informacja);
    EXPECT_KWOTA(w.Wplata, 7.50_zl);
    EXPECT_KWOTA(w.Saldo, 0_zl);
    EXPECT_EQ(w.Wiersze[0].Platnosc1, 0_zl);
}

TEST(ZwrotRozliczenie, ZwrotJednegoZDwochNiezaplaconych) {
    // Two films at 7.50 unpaid (balance -15.00); the first comes back on time, the
    // second, due Tuesday, is kept a day late and is charged as of today.
    TDaneZwrotu d =
        Zwrot({Wiersz(1, 7.50_zl, 3), Wiersz(2, 5.00_zl, 2)}, 3, -12.50_zl, 0_zl, 12.50_zl);
    d.Ostatni = 0;
    const TPrzedZwrotem p = PrzygotujZwrot(d);
    EXPECT_KWOTA(p.Naleznosci[1], 10.00_zl);
    EXPECT_KWOTA(p.Razem, 17.50_zl);
    EXPECT_KWOTA(p.Wplata.Kwota, 7.50_zl);

    TWynikZwrotu w = RozliczZwrot(d, p, 7.50_zl);
    EXPECT_EQ(w.Zwrocone, 1);
    EXPECT_KWOTA(w.Saldo, -10.00_zl);
    EXPECT_TRUE(w.Wiersze[0].Zwrocony);
    EXPECT_EQ(w.Wiersze[0].Platnosc1, 0_zl);
    EXPECT_FALSE(w.Wiersze[1].Zwrocony);
    EXPECT_KWOTA(w.Wiersze[1].Naleznosc, 10.00_zl);
    EXPECT_KWOTA(w.Wiersze[1].Platnosc, 10.00_zl);
    EXPECT_KWOTA(w.Reszta, 10.00_zl);

    w = RozliczZwrot(d, p, 0_zl);
    EXPECT_KWOTA(w.Saldo, -17.50_zl);
    EXPECT_KWOTA(w.Wiersze[0].Platnosc1, 7.50_zl);
    EXPECT_KWOTA(w.Wiersze[1].Platnosc, 10.00_zl);

    // Paying for both at once: no surplus, the kept row is paid too.
    w = RozliczZwrot(d, p, 17.50_zl);
    EXPECT_FALSE(w.Nadplata);
    EXPECT_KWOTA(w.Saldo, 0_zl);
    EXPECT_EQ(w.Wiersze[1].Platnosc, 0_zl);
}

TEST(ZwrotRozliczenie, PieniadzeZWypozyczeniaPrzechodzaNaZwracanyFilm) {
    // A paid, B unpaid; B comes back and takes the money, A now carries the debt.
    TDaneZwrotu d =
        Zwrot({Wiersz(1, 7.50_zl, 3), Wiersz(2, 7.50_zl, 3)}, 3, -7.50_zl, 7.50_zl, 7.50_zl);
    d.Pierwszy = d.Ostatni = 1;
    const TPrzedZwrotem p = PrzygotujZwrot(d);
    EXPECT_FALSE(p.Wplata.Pokaz);
    const TWynikZwrotu w = RozliczZwrot(d, p, 0_zl);
    EXPECT_KWOTA(w.Saldo, -7.50_zl);
    EXPECT_EQ(w.Wiersze[1].Platnosc1, 0_zl);
    EXPECT_KWOTA(w.Wiersze[0].Platnosc, 7.50_zl);
}

TEST(ZwrotRozliczenie, WplaconoZaDuzoWDniuWypozyczenia) {
    // Booked 4 days (12.50, paid), back on Wednesday and charged for 2 days (7.50).
    TDaneZwrotu d = Zwrot({Wiersz(1, 12.50_zl, 5)}, 3, 4.00_zl, 12.50_zl, 0_zl);
    d.Ustawienia.PrzedTerminem = true;
    const TPrzedZwrotem p = PrzygotujZwrot(d);
    ASSERT_TRUE(p.Nadplata);
    EXPECT_EQ(p.Nadplata->Tekst,
              QStringLiteral("Wpłacono za wysoką kwotę w dniu wypożyczenia.\nDo zwrotu 5,00 zł."));
    EXPECT_EQ(p.Nadplata->Rodzaj, TRodzajKomunikatu::Informacja);
    EXPECT_KWOTA(p.Wplacono, 7.50_zl);
    EXPECT_FALSE(p.Wplata.Pokaz);
    const TWynikZwrotu w = RozliczZwrot(d, p, 0_zl);
    EXPECT_FALSE(w.Nadplata);
    EXPECT_KWOTA(w.Saldo, 4.00_zl);
    EXPECT_EQ(w.Wiersze[0].Platnosc1, 0_zl);
    EXPECT_KWOTA(w.Wiersze[0].Wplywy, 7.50_zl);
}

TEST(ZwrotRozliczenie, NadplataPrzyCzesciowoNiezaplaconychCofaObciazenie) {
    // 12.50 paid on the first, 5.00 unpaid on the second (balance -5.00); both come back
    // on Tuesday and cost 5.00 and 2.00: 5.50 is handed back and the debit taken back.
    TDaneZwrotu d = Zwrot({Wiersz(1, 12.50_zl, 5), Wiersz(2, 5.00_zl, 5, 2.00_zl)}, 2, -5.00_zl,
                          12.50_zl, 5.00_zl);
    d.Ustawienia.PrzedTerminem = true;
    const TPrzedZwrotem p = PrzygotujZwrot(d);
    ASSERT_TRUE(p.Nadplata);
    EXPECT_KWOTA(p.Nadplata->Kwota, 5.50_zl);
    const TWynikZwrotu w = RozliczZwrot(d, p, 0_zl);
    EXPECT_KWOTA(w.Saldo, 0_zl);
    EXPECT_EQ(w.Wiersze[0].Platnosc1, 0_zl);
    EXPECT_EQ(w.Wiersze[1].Platnosc1, 0_zl);
    EXPECT_KWOTA(w.Wiersze[1].Wplywy, 2.00_zl);
}

TEST(ZwrotRozliczenie, RazemToSumaZaokraglonychWierszy) {
    TDaneZwrotu d = Zwrot({Wiersz(1, 3.33_zl, 2, 3.333_zl), Wiersz(2, 3.33_zl, 2, 3.333_zl),
                           Wiersz(3, 3.33_zl, 2, 3.333_zl)},
                          2, -9.99_zl, 0_zl, 9.99_zl);
    const TPrzedZwrotem p = PrzygotujZwrot(d);
    EXPECT_KWOTA(p.Naleznosci[0], 3.33_zl);
    EXPECT_KWOTA(p.Razem, 9.99_zl);
    EXPECT_KWOTA(p.Wplata.Kwota, 9.99_zl);
    const TWynikZwrotu w = RozliczZwrot(d, p, 9.99_zl);
    EXPECT_FALSE(w.Nadplata);
    EXPECT_KWOTA(w.Saldo, 0_zl);
}

// ---------------------------------------------------------------- money, subscriber

TEST(ZwrotAbonenta, SaldoDodatniePokrywaWszystko) {
    // Fee 30.00 paid in; the rental put 8.00 on the balance.
    TDaneZwrotu d = ZwrotAbonenta({Wiersz(1, 8.00_zl, 3)}, 3, DalekoPotem, 22.00_zl, 0_zl, 8.00_zl);
    const TPrzedZwrotem p = PrzygotujZwrot(d);
    EXPECT_FALSE(p.Wplata.Pokaz);
    const TWynikZwrotu w = RozliczZwrot(d, p, 0_zl);
    EXPECT_KWOTA(w.Saldo, 22.00_zl);
    EXPECT_KWOTA(w.Wiersze[0].ZAbonamentu, 8.00_zl);
    EXPECT_EQ(w.Wiersze[0].Platnosc1, 0_zl);
    EXPECT_EQ(w.Wiersze[0].Wplywy, 0_zl);
}

TEST(ZwrotAbonenta, SaldoUjemnePonadCzescAbonamentu) {
    // Subscription ended Tuesday, due Friday, back Saturday: 18.00 of which 8.00 within.
    TDaneZwrotu d = ZwrotAbonenta({Wiersz(1, 16.00_zl, 5)}, 6, Dzien(2), -16.00_zl, 0_zl, 16.00_zl);
    const TPrzedZwrotem p = PrzygotujZwrot(d);
    EXPECT_KWOTA(p.Wplata.Kwota, 18.00_zl);
    TWynikZwrotu w = RozliczZwrot(d, p, 0_zl);
    EXPECT_KWOTA(w.Saldo, -18.00_zl);
    EXPECT_EQ(w.Wiersze[0].ZAbonamentu, 0_zl);
    EXPECT_KWOTA(w.Wiersze[0].Platnosc1, 18.00_zl);
    w = RozliczZwrot(d, p, 18.00_zl);
    EXPECT_KWOTA(w.Saldo, 0_zl);
    EXPECT_EQ(w.Wiersze[0].Platnosc1, 0_zl);
    EXPECT_KWOTA(w.Wiersze[0].Wplywy, 18.00_zl);
}

TEST(ZwrotAbonenta, SaldoCzesciowoPokrywaAbonament) {
    // Fee 12.00, rental debit 16.00: after the return the balance is -6.00, so only
    // 2.00 of the 8.00 within the subscription is covered.
    TDaneZwrotu d = ZwrotAbonenta({Wiersz(1, 16.00_zl, 5)}, 6, Dzien(2), -4.00_zl, 0_zl, 16.00_zl);
    const TPrzedZwrotem p = PrzygotujZwrot(d);
    EXPECT_KWOTA(p.Wplata.Kwota, 16.00_zl);
    TWynikZwrotu w = RozliczZwrot(d, p, 0_zl);
    EXPECT_KWOTA(w.Saldo, -6.00_zl);
    EXPECT_KWOTA(w.Wiersze[0].ZAbonamentu, 2.00_zl);
    EXPECT_KWOTA(w.Wiersze[0].Platnosc1, 16.00_zl);
    EXPECT_KWOTA(w.Wiersze[0].Wplywy, 16.00_zl);

    w = RozliczZwrot(d, p, 20.00_zl);  // limit: the total less the covered part
    ASSERT_TRUE(w.Nadplata);
    EXPECT_KWOTA(w.Nadplata->Kwota, 4.00_zl);
    EXPECT_KWOTA(w.Saldo, 10.00_zl);
    EXPECT_EQ(w.Wiersze[0].Platnosc1, 0_zl);
}

TEST(ZwrotAbonenta, ZatrzymanyFilmNieJestObciazanyDwaRazy) {
    // Fee 30.00, two films at 8.00 put on the balance (22.00 - 8.00 = 14.00).
    TDaneZwrotu d = ZwrotAbonenta({Wiersz(1, 8.00_zl, 3), Wiersz(2, 8.00_zl, 3)}, 3, DalekoPotem,
                                  14.00_zl, 0_zl, 16.00_zl);
    d.Ostatni = 0;
    const TPrzedZwrotem p = PrzygotujZwrot(d);
    EXPECT_FALSE(p.Wplata.Pokaz);
    const TWynikZwrotu w = RozliczZwrot(d, p, 0_zl);
    EXPECT_KWOTA(w.Saldo, 14.00_zl);
    EXPECT_KWOTA(w.Wiersze[0].ZAbonamentu, 8.00_zl);
    EXPECT_KWOTA(w.Wiersze[1].Platnosc, 8.00_zl);  // still the provisional debit

    // The second film comes back later the same day: the balance stays at 30 - 16.
    TDaneZwrotu d2 = ZwrotAbonenta({Wiersz(2, 8.00_zl, 3)}, 3, DalekoPotem, w.Saldo,
                                   8.00_zl - w.Wiersze[1].Platnosc, w.Wiersze[1].Platnosc);
    const TWynikZwrotu w2 = RozliczZwrot(d2, PrzygotujZwrot(d2), 0_zl);
    EXPECT_KWOTA(w2.Saldo, 14.00_zl);
    EXPECT_KWOTA(w2.Wiersze[0].ZAbonamentu, 8.00_zl);
}
