// The desk's parts on controls of their own, without the window: the client panel's
// state from the store, and the basket fed by the film panel and the client panel.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "app/KoszykPulpitu.h"
#include "app/ListaWypozyczen.h"
#include "app/PanelFilmu.h"
#include "app/PanelKlienta.h"
#include "store/Katalogi.h"
#include "store/TQuery.h"
#include "support/FakeInterakcja.h"
#include "support/TestowaBaza.h"

namespace {

class CzesciPulpitu : public ::testing::Test {
protected:
    CzesciPulpitu() {
        KatalogBazy = baza.Katalog();
        baza.Wykonaj(
            "insert into klient (ID, Numer_klienta, Imie, Nazwisko, Saldo, Abonament, "
            "Abonament_OD, Abonament_DO, LicznikAb, Rabat, Aktualny) values (1, 7, 'Anna', "
            "'Nowak', -12.5, 0, null, null, 0, 0, 1), (2, 8, 'Ewa', 'Lis', 0, 1, '2024-01-01', "
            "'2024-12-31', 2, 0, 1)");
        baza.Wykonaj(
            "insert into film (ID, Numer_filmu, Tytul_oryginalny, Tytul_polski, Stawka, Status, "
            "Aktualny) values (3, 12, 'Alien', 'Obcy', 4.5, 1, 1)");
        for (QComboBox* cb : {&cbKlient, &cbTytulOrg, &cbTytulPol}) UstawModelWyboru(cb);
        klient.WczytajKlientow();
        film.WczytajTytuly();
        lista.setColumnCount(6);
        lista.setRowCount(1);
    }
    ~CzesciPulpitu() override { KatalogBazy.clear(); }

    TestowaBaza baza;
    FakeInterakcja fake;
    TQuery q;
    QComboBox cbKlient, cbTytulOrg, cbTytulPol;
    QLineEdit eKlientNr, eUpowazniony, eOd, eDo, eSaldo, eFilmNr, eCena, eIleDni, eWplata;
    QCheckBox cbAbonament;
    QLabel lStatus, lTermin;
    QTableWidget lista;
    QPushButton pKlient, bKlientDane, bKlientKonto, bFilmDane, bFilmKonto, bNastepny, bUsun,
        bWypozycz;
    QAction miZaleglosci, miNastepny, miDelete;
    TPanelKlienta klient{{&cbKlient,
                          &eKlientNr,
                          &eUpowazniony,
                          &eOd,
                          &eDo,
                          &eSaldo,
                          &cbAbonament,
                          &pKlient,
                          &bKlientDane,
                          &bKlientKonto,
                          &miZaleglosci,
                          {&miZaleglosci}},
                         q};
    TPanelFilmu film{{&cbTytulOrg,
                      &cbTytulPol,
                      &eFilmNr,
                      &eCena,
                      &lStatus,
                      &bFilmDane,
                      &bFilmKonto,
                      &bNastepny,
                      &miNastepny,
                      {}},
                     q,
                     [] { return true; }};
    TListaWypozyczen wypozyczenia{&lista, &eWplata, &lTermin, q};
    TKoszykPulpitu koszyk{
        {&lista, &eIleDni, &eWplata, &bUsun, &bWypozycz, &miDelete}, klient, film, wypozyczenia, q};
};

TEST_F(CzesciPulpitu, KlientZNumeruZeStanemPanelu) {
    EXPECT_EQ(cbKlient.count(), 2);
    eKlientNr.setText("0007");
    ASSERT_TRUE(klient.Wczytaj());
    EXPECT_EQ(klient.Id(), 1);
    EXPECT_EQ(klient.Saldo(), TKwota::ZGroszy(-1250));
    EXPECT_EQ(eSaldo.text(), "-12,50");
    EXPECT_EQ(cbKlient.currentText(), "Nowak Anna");
    EXPECT_FALSE(klient.Abonent(QDate(2024, 3, 5)));
    eKlientNr.setText("9");
    EXPECT_FALSE(klient.Wczytaj());
    EXPECT_EQ(cbKlient.currentIndex(), -1);
    EXPECT_TRUE(fake.komunikaty.empty());
}

TEST_F(CzesciPulpitu, KoszykBierzeFilmPaneluIAbonentaKlienta) {
    eKlientNr.setText("8");
    ASSERT_TRUE(klient.Wczytaj());
    ASSERT_FALSE(wypozyczenia.WczytajWypozyczenia(klient.Id())) << "nothing open: a basket";
    eFilmNr.setText("12");
    film.WczytajFILM();
    EXPECT_EQ(cbTytulPol.currentText(), "Obcy");
    EXPECT_TRUE(film.NaPolce());
    eIleDni.setText("2");
    koszyk.bNastepnyClick();
    EXPECT_TRUE(koszyk.Zmieniony);
    EXPECT_EQ(lista.rowCount(), 3);
    EXPECT_EQ(lista.item(0, 0)->text(), "Alien");
    EXPECT_EQ(klient.LicznikAb(), 3) << "a subscriber's film counts";
    const auto dane = koszyk.DaneWypozyczenia(TKwota());
    ASSERT_TRUE(dane);
    ASSERT_EQ(dane->Wiersze.size(), 1u);
    EXPECT_EQ(dane->Wiersze[0].IdFilmu, 3);
    EXPECT_EQ(dane->Wiersze[0].IloscDni, 2);
    EXPECT_TRUE(dane->Abonament);
    EXPECT_EQ(dane->LicznikAb, 3);
    // The same film once only.
    koszyk.bNastepnyClick();
    EXPECT_EQ(lista.rowCount(), 3);
}

}  // namespace
