#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "admin/uDaneWypozyczalni.h"
#include "store/PlikUstawien.h"
#include "support/FakeInterakcja.h"
#include "support/TestowaBaza.h"

namespace {

class DaneWypozyczalni : public ::testing::Test {
protected:
    DaneWypozyczalni() { UstawPlikUstawienProgramu(katalog.filePath(QStringLiteral("w.ini"))); }
    ~DaneWypozyczalni() override { UstawPlikUstawienProgramu(QString()); }

    void Wpisz(TfDaneWypozyczalni& okno, const char* pole, const QString& tekst) {
        auto* e = okno.findChild<QLineEdit*>(pole);
        ASSERT_NE(e, nullptr) << pole;
        e->setText(tekst);
    }

    QTemporaryDir katalog;
    TestowaBaza baza;
    FakeInterakcja fake;
};

TEST_F(DaneWypozyczalni, ZapisanePokazujeSiePrzyNastepnymOtwarciu) {
    {
        TfDaneWypozyczalni okno;
        Wpisz(okno, "eNazwa", QStringLiteral("Wypożyczalnia Żółw"));
        Wpisz(okno, "eMiejscowosc", QStringLiteral("90-001 Łódź"));
        Wpisz(okno, "eNIP", QStringLiteral("725-001-00-03"));
        okno.findChild<QComboBox*>("cbPapier")->setCurrentIndex(1);
        okno.findChild<QPushButton*>("bZapisz")->click();
        EXPECT_EQ(okno.result(), QDialog::Accepted);
    }
    EXPECT_TRUE(fake.komunikaty.empty());
    const TWypozyczalnia d = WczytajWypozyczalnie();
    EXPECT_EQ(d.Nazwa, QStringLiteral("Wypożyczalnia Żółw"));
    EXPECT_EQ(d.Papier, TPapierPotwierdzenia::Rolka80);
    TfDaneWypozyczalni znowu;
    EXPECT_EQ(znowu.findChild<QLineEdit*>("eMiejscowosc")->text(), QStringLiteral("90-001 Łódź"));
    EXPECT_EQ(znowu.findChild<QComboBox*>("cbPapier")->currentText(),
              QStringLiteral("Rolka 80 mm"));
}

TEST_F(DaneWypozyczalni, ZlyNIPOdrzuconyNicNieZapisanoTekstZostaje) {
    TfDaneWypozyczalni okno;
    Wpisz(okno, "eNazwa", QStringLiteral("Sklep"));
    Wpisz(okno, "eNIP", QStringLiteral("725-001-00-08"));
    okno.findChild<QPushButton*>("bZapisz")->click();
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_EQ(fake.komunikaty[0].tytul, QStringLiteral("Ostrzeżenie"));
    EXPECT_TRUE(fake.komunikaty[0].tekst.startsWith(QStringLiteral("Niepoprawny NIP.")));
    EXPECT_NE(okno.result(), QDialog::Accepted);
    EXPECT_EQ(okno.findChild<QLineEdit*>("eNIP")->text(), QStringLiteral("725-001-00-08"));
    EXPECT_EQ(WczytajWypozyczalnie(), TWypozyczalnia{});
}

}  // namespace
