// The desk's reads of films and rentals, on a store without any window.
#include <gtest/gtest.h>

#include "money/OdczytPulpitu.h"
#include "store/Katalogi.h"
#include "store/TQuery.h"
#include "support/FakeInterakcja.h"
#include "support/TestowaBaza.h"

namespace {

class OdczytPulpitu : public ::testing::Test {
protected:
    OdczytPulpitu() {
        KatalogBazy = baza.Katalog();
        baza.Wykonaj(
            "insert into klient (ID, Numer_klienta, Imie, Nazwisko, Aktualny) values "
            "(1, 7, 'Anna', 'Nowak', 1), (2, 8, 'Jan', 'Lis', 1)");
        // Number 12 was reused: the withdrawn copy 4 and the current copy 3.
        baza.Wykonaj(
            "insert into film (ID, Numer_filmu, Tytul_oryginalny, Tytul_polski, Stawka, Status, "
            "Aktualny) values (4, 12, 'Stary', 'Stary', 1, 1, 0), (3, 12, 'Alien', 'Obcy', 4.5, "
            "0, 1), (5, 13, 'Alien', 'Obcy', 2.005, 1, 1)");
        // Client 1 holds film 3 (a rental older than its rate column); client 2 owes on a
        // returned rental.
        baza.Wykonaj(
            "insert into rental (id_filmu, id_klienta, dataOD, dataDO, zwrocono, platnosc, "
            "Platnosc1, Naleznosc, Stawka) values (3, 1, '2024-03-01', '2024-03-03', 0, 0, 0, "
            "9.005, null), (5, 2, '2024-02-01', '2024-02-02', 1, 0, 1.5, 3, 3)");
    }
    ~OdczytPulpitu() override { KatalogBazy.clear(); }

    TestowaBaza baza;
    FakeInterakcja fake;
    TQuery q;
};

TEST_F(OdczytPulpitu, FilmyPoNumerzeITytuleIKtoTrzymaFilm) {
    EXPECT_EQ(IdFilmuONumerze(q, 12, false), 3) << "the current copy first";
    EXPECT_EQ(IdFilmuONumerze(q, 12, true), 3);
    EXPECT_EQ(IdFilmuONumerze(q, 99, false), std::nullopt);
    const auto film = BiezacyFilmONumerze(q, 12);
    ASSERT_TRUE(film);
    EXPECT_EQ(film->Id, 3);
    EXPECT_EQ(film->TytulPolski, "Obcy");
    EXPECT_EQ(film->Stawka, TKwota::ZGroszy(450));
    EXPECT_FALSE(film->NaPolce);
    const auto filmy = FilmyOTytule(q, "Alien");
    ASSERT_TRUE(filmy);
    ASSERT_EQ(filmy->size(), 2u);
    EXPECT_EQ(filmy->back().Stawka, TKwota::ZGroszy(201)) << "rounded once to the grosz";
    EXPECT_EQ(NumerKlientaZFilmem(q, 12), 7);
    EXPECT_EQ(NumerKlientaZFilmem(q, 13), std::nullopt);
    const auto tytuly = TytulyFilmow(q);
    ASSERT_TRUE(tytuly);
    ASSERT_EQ(tytuly->Polskie.Liczba(), 2);
    EXPECT_EQ(tytuly->Polskie.Tekst(0), "Obcy");
    EXPECT_EQ(tytuly->Polskie.Tekst(1), "Obcy");
    EXPECT_TRUE(fake.komunikaty.empty());
}

TEST_F(OdczytPulpitu, WypozyczeniaINaleznosciKlientow) {
    const auto otwarte = OtwarteWypozyczenia(q, 1);
    ASSERT_EQ(otwarte.size(), 1u);
    EXPECT_EQ(otwarte[0].NumerFilmu, 12);
    EXPECT_EQ(otwarte[0].Rozliczenie.Naleznosc, TKwota::ZGroszy(901));
    EXPECT_EQ(otwarte[0].Rozliczenie.Stawka, std::nullopt);
    EXPECT_EQ(otwarte[0].Rozliczenie.StawkaFilmu, TKwota::ZGroszy(450));
    EXPECT_TRUE(OtwarteWypozyczenia(q, 2).empty());
    // {client, owes anything, has arrears}
    for (auto [klient, naleznosci, zaleglosci] :
         {std::tuple{1, false, false}, std::tuple{2, true, true}}) {
        EXPECT_EQ(KlientMaNaleznosci(q, klient), naleznosci) << klient;
        EXPECT_EQ(KlientMaZaleglosci(q, klient), zaleglosci) << klient;
    }
}

TEST_F(OdczytPulpitu, NieudanyOdczytDajeNicPoJednymKomunikacie) {
    baza.Wykonaj("drop table rental");
    EXPECT_EQ(KlientMaNaleznosci(q, 1), std::nullopt);
    EXPECT_TRUE(OtwarteWypozyczenia(q, 1).empty());
    EXPECT_EQ(fake.komunikaty.size(), 2u);
    baza.Wykonaj("drop table film");
    EXPECT_EQ(FilmyOTytule(q, "Alien"), std::nullopt);
    EXPECT_EQ(TytulyFilmow(q), std::nullopt);
    EXPECT_EQ(fake.komunikaty.size(), 4u);
}

}  // namespace
