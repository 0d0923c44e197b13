// The desk's pick lists: entries kept in UTF-8, found through a hash.
#include <gtest/gtest.h>

#include <QComboBox>

#include "app/ListaWyboru.h"

TEST(ListaWyboru, ZnajdujePierwszyWpisIWidziKazdaZmiane) {
    QComboBox lista;
    UstawModelWyboru(&lista);
    DodajWpisy(&lista, {"Nowak Jan", "Łoś Ewa", "Nowak Jan", "nowak jan"});
    EXPECT_EQ(lista.count(), 4);
    EXPECT_EQ(ZnajdzWpis(&lista, "Nowak Jan"), 0);
    EXPECT_EQ(ZnajdzWpis(&lista, "nowak jan"), 3);  // letter case counts
    EXPECT_EQ(ZnajdzWpis(&lista, "Nowak"), -1);
    // The combo box's own changes reach the hash.
    lista.setItemText(0, "Zając Piotr");
    EXPECT_EQ(ZnajdzWpis(&lista, "Nowak Jan"), 2);
    EXPECT_EQ(ZnajdzWpis(&lista, "Zając Piotr"), 0);
    lista.removeItem(1);
    EXPECT_EQ(ZnajdzWpis(&lista, "Nowak Jan"), 1);
    lista.addItem("Żak Anna");
    EXPECT_EQ(ZnajdzWpis(&lista, "Żak Anna"), 3);
    EXPECT_EQ(lista.itemText(3), "Żak Anna");
    lista.insertItem(1, "Nowak Jan");
    EXPECT_EQ(ZnajdzWpis(&lista, "Nowak Jan"), 1);
    EXPECT_EQ(ZnajdzWpis(&lista, "Żak Anna"), 4);
    EXPECT_EQ(lista.itemText(2), "Nowak Jan");
}

TEST(ListaWyboru, DodaneWpisyZostawiajaWybranyAUstawioneGoZdejmuja) {
    QComboBox lista;
    UstawModelWyboru(&lista);
    DodajWpisy(&lista, {"A", "B"});
    lista.setCurrentIndex(1);
    DodajWpisy(&lista, {"C"});
    EXPECT_EQ(lista.currentText(), "B");
    EXPECT_EQ(lista.count(), 3);
    UstawWpisy(&lista, TTekstyUtf8(QStringList{"D"}));
    EXPECT_EQ(lista.count(), 1);
    EXPECT_EQ(ZnajdzWpis(&lista, "B"), -1);
    lista.clear();
    EXPECT_EQ(lista.count(), 0);
}
