// The desk with a barcode scanner: numbers and Enter typed into whatever holds the focus,
// a whole rental and a whole return with the keyboard alone.
#include "Operacje.h"
#include "store/TQuery.h"
#include "test_panele_pulpit.h"

namespace {

class Skaner : public PulpitPaneli {
protected:
    void SetUp() override {
        PrzedStartem({Klient(1, "Jan", "Nowak"), Klient(2, "Ewa", "Lis"),
                      Film(8, "Matrix", "Matrix", 6.5), Film(9, "Alien", "Obcy", 5)});
        Uruchom();
        fMain->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(fMain));
    }

    // Only the widget that holds the focus gets the keys, as from a scanner.
    static QWidget* Fokus() {
        QApplication::processEvents();
        return QApplication::focusWidget();
    }
    static QString NazwaFokusu() { return Fokus() ? Fokus()->objectName() : QString(); }
    static void Klawisz(Qt::Key klawisz, Qt::KeyboardModifiers mod = Qt::NoModifier) {
        QTest::keyClick(Fokus(), klawisz, mod);
    }
    static void Skanuj(const QString& numer) {
        QTest::keyClicks(Fokus(), numer);
        Klawisz(Qt::Key_Return);
    }
    // The field holds the focus with its whole text selected.
    ::testing::AssertionResult Gotowe(const char* nazwa) {
        QApplication::processEvents();
        if (NazwaFokusu() != nazwa)
            return ::testing::AssertionFailure() << "focus in " << NazwaFokusu().toStdString();
        if (pole(nazwa)->selectedText() != pole(nazwa)->text())
            return ::testing::AssertionFailure()
                   << "selected \"" << pole(nazwa)->selectedText().toStdString() << "\" of \""
                   << pole(nazwa)->text().toStdString() << "\"";
        return ::testing::AssertionSuccess();
    }
    int Otwarte(int klient) {
        TQuery q;
        q.UstawSQL(QStringLiteral("select count(*) n from rental r, klient k where "
                                  "r.id_klienta = k.id and k.numer_klienta = %1 and "
                                  "r.zwrocono = false")
                       .arg(klient));
        q.Open();
        return q.FieldByName(QStringLiteral("n")).AsInteger();
    }
};

}  // namespace

TEST_F(Skaner, WypozyczenieIZwrotSamaKlawiatura) {
    Klawisz(Qt::Key_Tab);
    ASSERT_EQ(NazwaFokusu(), "eKlientNr");
    Skanuj("0001");
    EXPECT_EQ(k<QComboBox>("cbKlient")->currentText(), "Nowak Jan");
    EXPECT_TRUE(Gotowe("eFilmNr"));

    Skanuj("8");
    EXPECT_EQ(k<QComboBox>("cbTytulOrg")->currentText(), "Matrix");
    EXPECT_TRUE(Gotowe("eFilmNr"));
    Klawisz(Qt::Key_Insert);
    EXPECT_TRUE(Gotowe("eFilmNr"));
    Skanuj("9");
    EXPECT_EQ(pole("eFilmNr")->text(), "9") << "the second scan replaces the first";
    EXPECT_EQ(k<QComboBox>("cbTytulOrg")->currentText(), "Alien");
    Klawisz(Qt::Key_Insert);
    EXPECT_EQ(Wiersz(0)[0], "Matrix");
    EXPECT_EQ(Wiersz(1)[0], "Alien");
    EXPECT_TRUE(Gotowe("eFilmNr"));

    fake.PrzyOknie(::Kliknij("bZapisz"));
    Klawisz(Qt::Key_F2);
    EXPECT_EQ(fake.Teksty(), std::vector<QString>{operacje::Zapisane});
    EXPECT_EQ(Otwarte(1), 2);
    EXPECT_TRUE(Gotowe("eKlientNr"));

    // The next day both films come back; the second is marked with the arrow keys.
    UstawDzisiaj(Wtorek().addDays(1));
    fake.Wyczysc();
    Skanuj("0001");
    EXPECT_EQ(pole("eKlientNr")->text(), "0001") << "the new number replaces the old";
    EXPECT_TRUE(Gotowe("eFilmNr"));
    for (int i = 0; i < 8 && NazwaFokusu() != "sgWypozyczenie"; ++i) Klawisz(Qt::Key_Tab);
    ASSERT_EQ(NazwaFokusu(), "sgWypozyczenie");
    Klawisz(Qt::Key_Down);
    Klawisz(Qt::Key_Up);
    Klawisz(Qt::Key_Down);
    fake.Odpowiedz(QMessageBox::Yes);
    Klawisz(Qt::Key_F3);
    EXPECT_EQ(fake.Teksty(), (std::vector<QString>{operacje::TylkoZaznaczone, operacje::Zwrocone}));
    EXPECT_EQ(Otwarte(1), 1);
    EXPECT_EQ(Wiersz(0)[0], "Matrix") << "Alien, the marked row, is back";
    EXPECT_TRUE(Gotowe("eKlientNr"));

    // The rest with the whole list.
    Skanuj("0001");
    fake.Odpowiedz(QMessageBox::Yes);
    Klawisz(Qt::Key_F3);
    EXPECT_EQ(Otwarte(1), 0);
    EXPECT_TRUE(Gotowe("eKlientNr"));
}

TEST_F(Skaner, NumerNigdyNieDoklejaSieDoPoprzedniego) {
    // An unknown client: the number stays selected for the next scan.
    Klawisz(Qt::Key_Tab);
    Skanuj("77");
    EXPECT_TRUE(Gotowe("eKlientNr"));
    Skanuj("2");
    EXPECT_EQ(pole("eKlientNr")->text(), "2");
    EXPECT_EQ(k<QComboBox>("cbKlient")->currentText(), "Lis Ewa");

    // An unknown film likewise; a click into a field with a number selects it too.
    Skanuj("55");
    EXPECT_TRUE(Gotowe("eFilmNr"));
    QTest::mouseClick(pole("eKlientNr"), Qt::LeftButton, {}, QPoint(3, 5));
    EXPECT_TRUE(Gotowe("eKlientNr"));
    QTest::mouseClick(pole("eFilmNr"), Qt::LeftButton, {}, QPoint(3, 5));
    EXPECT_TRUE(Gotowe("eFilmNr"));
    Skanuj("9");
    EXPECT_EQ(pole("eFilmNr")->text(), "9");
    EXPECT_EQ(k<QComboBox>("cbTytulOrg")->currentText(), "Alien");
}
