#include <QMenu>

#include "admin/SklepParadox.h"
#include "admin/WyborTestowy.h"
#include "admin/uSprawdzBaze.h"
#include "app/test_panele_pulpit.h"

namespace {

class ImportNaPulpicie : public PulpitPaneli {
protected:
    QTemporaryDir stare;
    WyborTestowy wybor;
};

TEST_F(ImportNaPulpicie, PoImporcieZMenuPulpitPokazujeOtwarteWypozyczeniaKlienta) {
    Uruchom();
    ZapiszSklep(stare.path(), true, 852);
    wybor.plik = stare.path();
    QString raport;
    fake.PrzyOknie([](QDialog& okno) { return okno.exec(); });  // the import's window
    fake.PrzyOknie([&](QDialog& okno) {
        raport = dynamic_cast<TfSprawdzBaze&>(okno).Wynik();
        return int(QDialog::Accepted);
    });
    auto* menu = fMain->findChild<QMenu*>("miNarzedzia");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), "Narzędzia");
    auto* akcja = k<QAction>("miImportParadox");
    EXPECT_EQ(akcja->text(), "Import z tabel Paradox…");
    akcja->trigger();
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_TRUE(fake.komunikaty[0].tekst.startsWith("Import z tabel Paradox zakończony."));
    EXPECT_EQ(raport, BrakBledow) << "the store check runs after the import";

    // The settings, the pick lists and the desk follow the imported shop.
    EXPECT_DOUBLE_EQ(fConfig->Ustawienia.KolejnaDoba, 90);
    EXPECT_EQ(fConfig->Ustawienia.TypAb, 2);
    EXPECT_EQ(fConfig->Ustawienia.AbStawka, TKwota::ZGroszy(350));
    EXPECT_GE(k<QComboBox>("cbKlient")->findText("Óśćżółń Ęwa"), 0);
    EXPECT_GE(k<QComboBox>("cbTytulOrg")->findText("Dzień świra"), 0);

    KlientNr("9");
    EXPECT_FALSE(pole("eWplata")->isEnabled()) << "open rentals: mode Zwrot";
    EXPECT_EQ(Wiersz(0), QStringList({"Dzień świra", "0006", "0,00", "20", "3", "6,00"}));
    EXPECT_EQ(Wiersz(1), QStringList({"Cześć Tereska", "0007", "0,00", "21", "2", "2,50"}));
    EXPECT_EQ(Wiersz(3), QStringList({"RAZEM DO ZAPŁATY", "", "6,00", "", "", ""}));
}

}  // namespace
