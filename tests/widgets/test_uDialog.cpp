#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QToolTip>

#include "support/FakeInterakcja.h"
#include "widgets/LimitZnakow.h"
#include "widgets/uDialog.h"

namespace {

QByteArray Bajty(const char* tekst) {
    return QByteArray(tekst);
}

QByteArray Czytaj(const QString& sciezka) {
    QFile f(sciezka);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<brak pliku>");
}

void Zapisz(const QString& sciezka, const QByteArray& bajty) {
    QFile f(sciezka);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bajty);
}

QListWidget* Lista(QDialog& okno) {
    return okno.findChild<QListWidget*>("ListBox1");
}
QLineEdit* Pole(QDialog& okno) {
    return okno.findChild<QLineEdit*>("Edit1");
}
QAbstractButton* Przycisk(QDialog& okno, const char* nazwa) {
    return okno.findChild<QAbstractButton*>(nazwa);
}
QStringList Wpisy(QDialog& okno) {
    return static_cast<TfDialog&>(okno).Wpisy();
}

void Zaznacz(QDialog& okno, int wiersz) {
    Lista(okno)->setCurrentRow(wiersz, QItemSelectionModel::ClearAndSelect);
}

int Zamknij(QDialog& okno) {
    Przycisk(okno, "bZamknij")->click();
    return okno.result();
}

class ListySlow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(katalog.isValid());
        UstawPlikUstawienProgramu(katalog.filePath("wirdolan.ini"));
        plik = katalog.filePath("gatunek.wdn");
    }
    void TearDown() override { UstawPlikUstawienProgramu(QString()); }

    // Runs the editor on the file with one scripted showing.
    bool Edytuj(std::function<int(QDialog&)> obsluga, int limit = 25) {
        fake.PrzyOknie(std::move(obsluga));
        TfDialog okno;
        return okno.ZmienZawartoscPliku(plik, limit);
    }

    QTemporaryDir katalog;
    QString plik;
    FakeInterakcja fake;
};

}  // namespace

// ---------------------------------------------------------------- file format

TEST(FormatListy, LiniaKonczySieNaCrAPoNimPomijaSieLf) {
    EXPECT_EQ(OdczytajListeSlow(Bajty("a\r\nb\rc\r\n")), (QStringList{"a", "b", "c"}));
    // A lone LF does not end a line: a file of LF line ends is one entry.
    EXPECT_EQ(OdczytajListeSlow(Bajty("dramat\nhorror\nkomedia\n")),
              (QStringList{"dramat\nhorror\nkomedia\n"}));
    // CR CR LF: an empty entry between, the LF belongs to the second line end.
    EXPECT_EQ(OdczytajListeSlow(Bajty("a\r\r\nb")), (QStringList{"a", "", "b"}));
}

TEST(FormatListy, BrakKoncaOstatniejLiniiDajeTeSameWpisy) {
    EXPECT_EQ(OdczytajListeSlow(Bajty("DVD\r\nVHS")), OdczytajListeSlow(Bajty("DVD\r\nVHS\r\n")));
    EXPECT_EQ(OdczytajListeSlow(Bajty("")), QStringList());
    EXPECT_EQ(OdczytajListeSlow(Bajty("\r\n")), QStringList{""});
}

TEST(FormatListy, WpisyBierzeSieWCalosci) {
    EXPECT_EQ(OdczytajListeSlow(Bajty("  Nowy Targ \r\n\r\nKrak\xf3w\r\n")),
              (QStringList{"  Nowy Targ ", "", QString::fromUtf8("Kraków")}));
}

TEST(FormatListy, CtrlZKonczyPlik) {
    EXPECT_EQ(OdczytajListeSlow(Bajty("a\r\nb\x1a"
                                      "c\r\nd\r\n")),
              (QStringList{"a", "b"}));
}

TEST(FormatListy, BajtyStronyKodowejPrzechodzaBezZmian) {
    QByteArray wszystkie;
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != 26) wszystkie.append(static_cast<char>(b));
    // One entry holding every byte but CR and Ctrl+Z (the LF stays inside it).
    const QByteArray plik = wszystkie + "\r\n" + "\xb9\xe6\xea\xb3\xf1\xf3\x9c\x9f\xbf\r\n";
    const QStringList wpisy = OdczytajListeSlow(plik);
    ASSERT_EQ(wpisy.size(), 2);
    EXPECT_EQ(wpisy[1], QString::fromUtf8("ąćęłńóśźż"));
    EXPECT_EQ(ZakodujListeSlow(wpisy), plik);
}

TEST(FormatListy, KazdyWpisKonczySieCrLf) {
    EXPECT_EQ(ZakodujListeSlow({"a", "", " b "}), Bajty("a\r\n\r\n b \r\n"));
    EXPECT_EQ(ZakodujListeSlow({}), QByteArray());
}

TEST(FormatListy, ZnakSpozaStronyKodowejNieKonczyPliku) {
    const QString obcy = QString::fromUtf8("Espa\u00f1a \u4e00");
    EXPECT_EQ(ZnakiSpozaStronyKodowej(obcy), QString::fromUtf8("\u00f1\u4e00"));
    EXPECT_EQ(ZnakiSpozaStronyKodowej(QString::fromUtf8("Łódź")), QString());
    const QByteArray bajty = ZakodujListeSlow({obcy, "dalej"});
    EXPECT_FALSE(bajty.contains('\x1a'));
    EXPECT_EQ(OdczytajListeSlow(bajty), (QStringList{"Espa?a ?", "dalej"}));
}

TEST(FormatListy, WczytajComboBox) {
    QTemporaryDir katalog;
    const QString plik = katalog.filePath("miasta.wdn");
    QComboBox combo;
    combo.addItems({"stare", "wpisy"});
    WczytajComboBox(plik, &combo);
    EXPECT_EQ(combo.count(), 0);

    Zapisz(plik,
           "Zielona G\xf3ra\r\n\xa3\xf3"
           "d\x9f\r\nZielona G\xf3ra");
    WczytajComboBox(plik, &combo);
    ASSERT_EQ(combo.count(), 3);
    EXPECT_EQ(combo.itemText(1), QString::fromUtf8("Łódź"));
    EXPECT_EQ(combo.itemText(2), QString::fromUtf8("Zielona Góra"));
    EXPECT_EQ(combo.currentIndex(), 0);
}

// A missing Config folder is created; a folder that cannot be made gives the error.
TEST(FormatListy, ZapisDoBrakujacegoFolderuGoTworzy) {
    QTemporaryDir katalog;
    QString blad;
    EXPECT_TRUE(ZapiszPlikListy(katalog.filePath("Config/gatunek.wdn"), {"a"}, &blad));
    EXPECT_EQ(WczytajPlikListy(katalog.filePath("Config/gatunek.wdn")), QStringList{"a"});
    Zapisz(katalog.filePath("plik"), "x");
    EXPECT_FALSE(ZapiszPlikListy(katalog.filePath("plik/gatunek.wdn"), {"a"}, &blad));
    EXPECT_FALSE(blad.isEmpty());
}

// ---------------------------------------------------------------- the editor

TEST_F(ListySlow, ZamkniecieBezZmianPrzepisujePlik) {
    Zapisz(plik, "dramat\r\nhorror");
    EXPECT_TRUE(Edytuj([](QDialog& okno) {
        EXPECT_EQ(Wpisy(okno), (QStringList{"dramat", "horror"}));
        return Zamknij(okno);
    }));
    EXPECT_TRUE(fake.komunikaty.empty());
    EXPECT_EQ(Czytaj(plik), Bajty("dramat\r\nhorror\r\n"));
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QColor(255, 255, 128));
}

TEST_F(ListySlow, BrakujacyPlikPowstajePusty) {
    EXPECT_TRUE(Edytuj([](QDialog& okno) {
        EXPECT_EQ(Lista(okno)->count(), 0);
        return Zamknij(okno);
    }));
    EXPECT_EQ(Czytaj(plik), QByteArray());
}

TEST_F(ListySlow, PlikLfJestJednymWpisemIZapisujeSieZCrLf) {
    Zapisz(plik, "dramat\nhorror\n");
    Edytuj([](QDialog& okno) {
        EXPECT_EQ(Lista(okno)->count(), 1);
        return Zamknij(okno);
    });
    EXPECT_EQ(Czytaj(plik), Bajty("dramat\nhorror\n\r\n"));
}

TEST_F(ListySlow, ZmianaWielkosciLiterPytaOZapis) {
    Zapisz(plik, "dramat\r\nhorror\r\n");
    fake.Odpowiedz(QMessageBox::Yes);
    Edytuj([](QDialog& okno) {
        Zaznacz(okno, 0);
        EXPECT_EQ(Pole(okno)->text(), "dramat");
        Pole(okno)->setText("Dramat");
        Przycisk(okno, "bPopraw")->click();
        EXPECT_TRUE(static_cast<TfDialog&>(okno).CzyZmiany());
        return Zamknij(okno);
    });
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_EQ(fake.komunikaty[0].tekst, QString::fromUtf8("Czy zapisać zmiany w zestawieniu?"));
    EXPECT_EQ(fake.komunikaty[0].tytul, QString::fromUtf8("Uwaga, zmiany!"));
    EXPECT_EQ(fake.komunikaty[0].przyciski,
              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(Czytaj(plik), Bajty("Dramat\r\nhorror\r\n"));
}

TEST_F(ListySlow, OdpowiedzNieOdrzucaZmiany) {
    Zapisz(plik, "dramat\nx");
    Edytuj([this](QDialog& okno) {
        Przycisk(okno, "bDodaj")->click();  // empty field: nothing to add
        fake.Odpowiedz(QMessageBox::No);
        Pole(okno)->setText("western");
        Przycisk(okno, "bDodaj")->click();
        EXPECT_TRUE(Pole(okno)->text().isEmpty());
        return Zamknij(okno);
    });
    EXPECT_EQ(fake.Teksty()[0], QString::fromUtf8("Nie ma nic do dodania ..."));
    EXPECT_EQ(fake.komunikaty[0].tytul, "Informacja");
    EXPECT_EQ(Czytaj(plik), Bajty("dramat\nx"));
}

TEST_F(ListySlow, AnulujWracaDoEdytoraZeZmianami) {
    Zapisz(plik, "DVD\r\n");
    fake.Odpowiedz(QMessageBox::Cancel);
    fake.Odpowiedz(QMessageBox::Yes);
    // Adding an entry already in the list gives two equal entries.
    fake.PrzyOknie([](QDialog& okno) {
        Pole(okno)->setText("DVD");
        Przycisk(okno, "bDodaj")->click();
        return Zamknij(okno);
    });
    Edytuj([](QDialog& okno) {
        EXPECT_EQ(Wpisy(okno), (QStringList{"DVD", "DVD"}));
        Pole(okno)->setText("VHS");
        Przycisk(okno, "bDodaj")->click();
        return Zamknij(okno);
    });
    EXPECT_EQ(fake.pokazaneOkna.size(), 2u);
    EXPECT_EQ(Czytaj(plik), Bajty("DVD\r\nDVD\r\nVHS\r\n"));
}

TEST_F(ListySlow, PrzesuwanieNaKoncachListy) {
    Zapisz(plik, "a\r\nb\r\nc\r\n");
    Edytuj([](QDialog& okno) {
        auto* gora = Przycisk(okno, "bbUp");
        auto* dol = Przycisk(okno, "bbDown");
        EXPECT_FALSE(gora->isEnabled());
        EXPECT_FALSE(dol->isEnabled());
        Zaznacz(okno, 0);
        EXPECT_FALSE(gora->isEnabled());
        EXPECT_TRUE(dol->isEnabled());
        Zaznacz(okno, 1);
        EXPECT_TRUE(gora->isEnabled());
        dol->click();  // the last-but-one becomes the last
        EXPECT_EQ(Wpisy(okno), (QStringList{"a", "c", "b"}));
        EXPECT_TRUE(Lista(okno)->item(2)->isSelected());
        EXPECT_FALSE(dol->isEnabled());
        EXPECT_TRUE(gora->isEnabled());
        dol->click();  // disabled: nothing moves
        static_cast<TfDialog&>(okno).PrzesunWDol();
        EXPECT_EQ(Wpisy(okno), (QStringList{"a", "c", "b"}));
        // The keypad's minus moves up, the plain minus does not.
        QTest::keyClick(Lista(okno), Qt::Key_Minus);
        EXPECT_EQ(Wpisy(okno), (QStringList{"a", "c", "b"}));
        QTest::keyClick(Lista(okno), Qt::Key_Minus, Qt::KeypadModifier);
        QTest::keyClick(Lista(okno), Qt::Key_Minus, Qt::KeypadModifier);
        EXPECT_EQ(Wpisy(okno), (QStringList{"b", "a", "c"}));
        EXPECT_FALSE(gora->isEnabled());
        QTest::keyClick(Lista(okno), Qt::Key_Plus, Qt::KeypadModifier);
        EXPECT_EQ(Wpisy(okno), (QStringList{"a", "b", "c"}));
        return Zamknij(okno);
    });
    // Moved back to the loaded order: nothing changed, no question.
    EXPECT_TRUE(fake.komunikaty.empty());
}

TEST_F(ListySlow, PrzesuniecieRownegoWpisuZaznaczaPierwszyRowny) {
    Zapisz(plik, "x\r\ny\r\nx\r\n");
    fake.Odpowiedz(QMessageBox::No);
    Edytuj([](QDialog& okno) {
        Zaznacz(okno, 2);
        Przycisk(okno, "bbUp")->click();
        EXPECT_EQ(Wpisy(okno), (QStringList{"x", "x", "y"}));
        EXPECT_TRUE(Lista(okno)->item(0)->isSelected());
        EXPECT_FALSE(Lista(okno)->item(1)->isSelected());
        EXPECT_FALSE(Przycisk(okno, "bbUp")->isEnabled());
        return Zamknij(okno);
    });
}

TEST_F(ListySlow, WyborKilkuWpisowIPoleTekstu) {
    Zapisz(plik, "a\r\nb\r\nc\r\n");
    Edytuj([](QDialog& okno) {
        Lista(okno)->item(2)->setSelected(true);
        Lista(okno)->item(0)->setSelected(true);
        // The field ends with the text of the last selected entry in list order.
        EXPECT_EQ(Pole(okno)->text(), "c");
        EXPECT_FALSE(Przycisk(okno, "bbUp")->isEnabled());
        EXPECT_FALSE(Przycisk(okno, "bbDown")->isEnabled());
        // Insert clears the choice.
        QTest::keyClick(Lista(okno), Qt::Key_Insert);
        EXPECT_TRUE(Lista(okno)->selectedItems().isEmpty());
        EXPECT_TRUE(Pole(okno)->text().isEmpty());
        return Zamknij(okno);
    });
}

TEST_F(ListySlow, UsuwaniePytaIUsuwaPierwszyZaznaczony) {
    Zapisz(plik, "a\r\nb\r\nc\r\n");
    fake.Odpowiedz(QMessageBox::No);
    fake.Odpowiedz(QMessageBox::Yes);
    fake.Odpowiedz(QMessageBox::Yes);  // save
    Edytuj([](QDialog& okno) {
        Przycisk(okno, "bUsun")->click();  // nothing selected: no question
        Lista(okno)->item(1)->setSelected(true);
        Lista(okno)->item(2)->setSelected(true);
        QTest::keyClick(Lista(okno), Qt::Key_Delete);  // No
        EXPECT_EQ(Lista(okno)->count(), 3);
        Przycisk(okno, "bUsun")->click();  // Yes
        EXPECT_EQ(Wpisy(okno), (QStringList{"a", "c"}));
        EXPECT_EQ(Lista(okno)->selectedItems().size(), 1);
        EXPECT_TRUE(Lista(okno)->item(0)->isSelected());
        EXPECT_EQ(Pole(okno)->text(), "a");
        return Zamknij(okno);
    });
    ASSERT_EQ(fake.komunikaty.size(), 3u);
    EXPECT_EQ(fake.komunikaty[0].tekst,
              QString::fromUtf8("Czy napewno usunąć : \"b\" z edytowanej listy?"));
    EXPECT_EQ(fake.komunikaty[0].tytul, QString::fromUtf8("Zatwierdź usunięcie"));
    EXPECT_EQ(fake.komunikaty[0].domyslny, QMessageBox::No);
    EXPECT_EQ(Czytaj(plik), Bajty("a\r\nc\r\n"));
}

TEST_F(ListySlow, UsuniecieOstatniegoWpisuWylaczaStrzalki) {
    Zapisz(plik, "a\r\n");
    fake.Odpowiedz(QMessageBox::Yes);
    fake.Odpowiedz(QMessageBox::Yes);
    Edytuj([](QDialog& okno) {
        Zaznacz(okno, 0);
        Przycisk(okno, "bUsun")->click();
        EXPECT_EQ(Lista(okno)->count(), 0);
        EXPECT_FALSE(Przycisk(okno, "bbUp")->isEnabled());
        EXPECT_FALSE(Przycisk(okno, "bbDown")->isEnabled());
        return Zamknij(okno);
    });
    EXPECT_EQ(Czytaj(plik), QByteArray());
}

TEST_F(ListySlow, PoprawBezTekstuLubBezWybranejLinii) {
    Zapisz(plik, "a\r\n");
    Edytuj([](QDialog& okno) {
        Przycisk(okno, "bPopraw")->click();  // no current entry
        Zaznacz(okno, 0);
        Pole(okno)->clear();
        Przycisk(okno, "bPopraw")->click();  // empty field
        EXPECT_EQ(Wpisy(okno), QStringList{"a"});
        return Zamknij(okno);
    });
    EXPECT_EQ(fake.Teksty(), (std::vector<QString>{"Nie wybrano linii do korekty ...",
                                                   "Nie wybrano linii do korekty ..."}));
}

TEST_F(ListySlow, TekstSpozaStronyKodowejJestOdrzucany) {
    Edytuj([](QDialog& okno) {
        Pole(okno)->setText(QString::fromUtf8("Espa\u00f1a"));
        Przycisk(okno, "bDodaj")->click();
        EXPECT_EQ(Lista(okno)->count(), 0);
        EXPECT_EQ(Pole(okno)->text(), QString::fromUtf8("Espa\u00f1a"));
        return Zamknij(okno);
    });
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_TRUE(fake.komunikaty[0].tekst.endsWith(QString::fromUtf8("\u00f1")));
}

TEST_F(ListySlow, SortowanieOdwracanieIUsuwanieWszystkiego) {
    Zapisz(plik,
           "\xbf\xf3\xb3w\r\nZebra\r\n\xb9"
           "b\r\nAc\r\nab\r\n");
    fake.Odpowiedz(QMessageBox::Yes);
    Edytuj([](QDialog& okno) {
        auto& edytor = static_cast<TfDialog&>(okno);
        Zaznacz(okno, 1);
        edytor.Sortuj();
        EXPECT_EQ(Wpisy(okno), (QStringList{"ab", "Ac", QString::fromUtf8("ąb"), "Zebra",
                                            QString::fromUtf8("żółw")}));
        EXPECT_FALSE(Przycisk(okno, "bbUp")->isEnabled());
        EXPECT_FALSE(Przycisk(okno, "bbDown")->isEnabled());
        Pole(okno)->setText("Aa");
        edytor.Dodaj();  // appended unsorted
        edytor.OdwrocKolejnosc();
        EXPECT_EQ(Wpisy(okno), (QStringList{"Aa", QString::fromUtf8("żółw"), "Zebra",
                                            QString::fromUtf8("ąb"), "Ac", "ab"}));
        return Zamknij(okno);
    });
    EXPECT_EQ(Czytaj(plik), Bajty("Aa\r\n\xbf\xf3\xb3w\r\nZebra\r\n\xb9"
                                  "b\r\nAc\r\nab\r\n"));

    fake.Odpowiedz(QMessageBox::Yes);
    Edytuj([](QDialog& okno) {
        static_cast<TfDialog&>(okno).UsunWszystko();
        static_cast<TfDialog&>(okno).OdwrocKolejnosc();
        EXPECT_EQ(Lista(okno)->count(), 0);
        return Zamknij(okno);
    });
    EXPECT_EQ(Czytaj(plik), QByteArray());
}

namespace {
// The limit counts whole characters (the edit's validator), not UTF-16 units.
int Limit(QDialog& okno) {
    const auto* limit = dynamic_cast<const TLimitZnakow*>(Pole(okno)->validator());
    return limit ? limit->Limit() : -1;
}
}  // namespace

TEST_F(ListySlow, LimitDlugosciWpisu) {
    Edytuj(
        [](QDialog& okno) {
            EXPECT_EQ(Limit(okno), 15);
            return Zamknij(okno);
        },
        15);
    Edytuj(
        [](QDialog& okno) {
            EXPECT_EQ(Limit(okno), 255);
            return Zamknij(okno);
        },
        0);
}

TEST_F(ListySlow, BladZapisuJestPokazany) {
    // A missing folder is created; a folder that is an ordinary file cannot be.
    QFile zwykly(katalog.filePath("plik"));
    ASSERT_TRUE(zwykly.open(QIODevice::WriteOnly));
    zwykly.close();
    plik = katalog.filePath("plik/nosnik.wdn");
    EXPECT_FALSE(Edytuj(Zamknij));
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_EQ(fake.komunikaty[0].ikona, TIkona::Stop);
    EXPECT_TRUE(fake.komunikaty[0].tekst.contains("nosnik.wdn"));
}

TEST_F(ListySlow, PolozenieOknaWSekcjiDialog) {
    {
        TfDialog okno;
        okno.show();
        okno.setGeometry(120, 90, 500, 300);
        okno.accept();
    }
    QSettings ustawienia(PlikUstawienProgramu(), QSettings::IniFormat);
    EXPECT_EQ(ustawienia.value("DIALOG/Width").toInt(), 500);
    EXPECT_EQ(ustawienia.value("DIALOG/Height").toInt(), 300);
    TfDialog drugie;
    EXPECT_EQ(drugie.size(), QSize(500, 300));
}
