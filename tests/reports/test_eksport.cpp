#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "Pomocnicze.h"
#include "reports/uAbonenci.h"
#include "reports/uArchiwum.h"
#include "reports/uFilmyWyp.h"
#include "support/FakeInterakcja.h"
#include "support/TestowaBaza.h"
#include "widgets/uEksport.h"

namespace {

// A list as the windows fill it: a hidden ID column at the end, and a working column of
// width 0 in the middle.
void Wypelnij(QTableWidget& sg) {
    sg.setColumnCount(5);
    sg.setHorizontalHeaderLabels({"Nr klienta", "Klient", "ukryta", "Saldo", "ID"});
    const std::vector<std::vector<QString>> dane = {
        {"0003", "Nowak Anna", "x", "12,50", "1"},
        {"0008", QString::fromUtf8("Żak; Łukasz"), "y", "-0,50", "2"},
        {"0015", "Kowalski \"Kowal\" Jan", "z", "0,00", "3"},
        {"", "", "", "", ""}};
    sg.setRowCount(static_cast<int>(dane.size()));
    for (int w = 0; w < sg.rowCount(); ++w)
        for (int k = 0; k < 5; ++k)
            sg.setItem(w, k,
                       new QTableWidgetItem(dane[static_cast<size_t>(w)][static_cast<size_t>(k)]));
    sg.setColumnHidden(4, true);
    sg.setColumnWidth(2, 0);
}

QString ZawartoscPliku(const QString& plik) {
    QFile f(plik);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return QString::fromUtf8(f.readAll());
}

}  // namespace

TEST(Eksport, TekstCSVSrednikiCudzyslowyIPrzecinekDziesietny) {
    const TWierszeTekstu wiersze = {{"Nr", "Klient", "Saldo"},
                                    {"0003", "Nowak; Anna", "12,50"},
                                    {"0008", "Jan \"Kowal\"", "-0,50"},
                                    {"0009", "dwie\nlinie", " 1,00"},
                                    {"", "O'Brien", "0,00"}};
    EXPECT_EQ(TekstCSV(wiersze), QString::fromUtf8("Nr;Klient;Saldo\r\n"
                                                   "0003;\"Nowak; Anna\";12,50\r\n"
                                                   "0008;\"Jan \"\"Kowal\"\"\";-0,50\r\n"
                                                   "0009;\"dwie\nlinie\";\" 1,00\"\r\n"
                                                   ";O'Brien;0,00\r\n"));
    EXPECT_EQ(TekstCSV({}), QString());
}

TEST(Eksport, TekstSchowkaTabulatory) {
    EXPECT_EQ(TekstSchowka({{"0003", "Nowak; Anna", "12,50"}, {"0008", "a\tb", "c\nd"}}),
              QString("0003\tNowak; Anna\t12,50\n0008\ta b\tc d\n"));
}

TEST(Eksport, FormulyArkuszaJakoTekstLiczbyJakLiczby) {
    struct Przypadek {
        const char* komorka;
        const char* csv;
        const char* schowek;
    };
    const Przypadek przypadki[] = {
        {"=HYPERLINK(\"http://x.pl\",\"Kliknij\")",
         "\"'=HYPERLINK(\"\"http://x.pl\"\",\"\"Kliknij\"\")\"",
         "'=HYPERLINK(\"http://x.pl\",\"Kliknij\")"},
        {"@SUM(1+1)", "'@SUM(1+1)", "'@SUM(1+1)"},
        {"+48 42 111 22 33", "'+48 42 111 22 33", "'+48 42 111 22 33"},
        {"-2+3", "'-2+3", "'-2+3"},
        {"-", "'-", "'-"},
        {"\t=1+1", "'\t=1+1", "' =1+1"},
        {"\r=1+1", "\"'\r=1+1\"", "' =1+1"},
        {"-12,50", "-12,50", "-12,50"},
        {"+5", "+5", "+5"},
        {"-,5", "-,5", "-,5"},
        {"Kowalski = Nowak", "Kowalski = Nowak", "Kowalski = Nowak"},
        {" =1+1", "\" =1+1\"", " =1+1"},
    };
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE(p.komorka);
        EXPECT_EQ(TekstCSV({{"0003", p.komorka}}), QString("0003;") + p.csv + "\r\n");
        EXPECT_EQ(TekstSchowka({{p.komorka, "0003"}}), QString(p.schowek) + "\t0003\n");
    }
}

TEST(Eksport, UkryteKolumnyIPustaLiniaPominiete) {
    QTableWidget sg;
    Wypelnij(sg);
    const auto kolumny = KolumnyEksportu(sg, {});
    EXPECT_EQ(kolumny, (std::vector<int>{0, 1, 3}));
    EXPECT_EQ(KolumnyEksportu(sg, {0}), (std::vector<int>{1, 3}));
    EXPECT_EQ(NaglowekSiatki(sg, kolumny), (std::vector<QString>{"Nr klienta", "Klient", "Saldo"}));
    EXPECT_EQ(WierszeSiatki(sg, {3, 0}, kolumny),
              (TWierszeTekstu{{"0003", "Nowak Anna", "12,50"}}));
}

TEST(Eksport, NazwaDoPlikuBezZnakowNiedozwolonych) {
    EXPECT_EQ(NazwaDoPliku(QStringLiteral("a\\b/c:d*e?f\"g<h>i|j")),
              QStringLiteral("a_b_c_d_e_f_g_h_i_j"));
    EXPECT_EQ(NazwaDoPliku(QString::fromUtf8("Żak - saldo (12,50)")),
              QString::fromUtf8("Żak - saldo (12,50)"));
}

TEST(Eksport, KopiujZaznaczoneWierszeWKolejnosciListy) {
    QTableWidget sg;
    Wypelnij(sg);
    sg.setSelectionBehavior(QAbstractItemView::SelectRows);
    sg.setSelectionMode(QAbstractItemView::ExtendedSelection);
    DodajMenuEksportu(&sg);
    EXPECT_EQ(sg.contextMenuPolicy(), Qt::ActionsContextMenu);
    sg.selectRow(2);
    sg.selectionModel()->select(sg.model()->index(0, 0),
                                QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QApplication::clipboard()->clear();
    auto* kopiuj = sg.findChild<QAction*>("miKopiuj");
    ASSERT_NE(kopiuj, nullptr);
    EXPECT_EQ(kopiuj->text(), "Kopiuj");
    kopiuj->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(),
              QString("0003\tNowak Anna\t12,50\n0015\tKowalski \"Kowal\" Jan\t0,00\n"));

    // Nothing marked: the current line goes.
    sg.clearSelection();
    sg.setCurrentCell(1, 0, QItemSelectionModel::NoUpdate);
    kopiuj->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8("0008\tŻak; Łukasz\t-0,50\n"));
}

TEST(Eksport, ZapiszCSVWszystkichWierszyZNaglowkiem) {
    QTemporaryDir katalog;
    const QString plik = katalog.filePath("lista.csv");
    QDialog okno;
    okno.setWindowTitle(QString::fromUtf8("Filmy wypożyczone"));
    auto* sg = new QTableWidget(&okno);
    Wypelnij(*sg);
    DodajMenuEksportu(sg);
    FakeInterakcja f;
    QString proponowany;
    f.PrzyOknie([&](QDialog& d) {
        auto& dialog = dynamic_cast<QFileDialog&>(d);
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        proponowany = dialog.selectedFiles().value(0);
        dialog.selectFile(plik);
        return QDialog::Accepted;
    });
    auto* zapisz = sg->findChild<QAction*>("miZapiszCSV");
    ASSERT_NE(zapisz, nullptr);
    EXPECT_EQ(zapisz->text(), QString::fromUtf8("Zapisz jako CSV…"));
    zapisz->trigger();
    EXPECT_EQ(f.pokazaneOkna, (std::vector<QString>{"dZapiszCSV"}));
    EXPECT_TRUE(f.komunikaty.empty());
    EXPECT_TRUE(proponowany.endsWith(QString::fromUtf8("Filmy wypożyczone.csv")))
        << proponowany.toStdString();
    QFile f2(plik);
    ASSERT_TRUE(f2.open(QIODevice::ReadOnly));
    const QByteArray dane = f2.readAll();
    EXPECT_TRUE(dane.startsWith("\xEF\xBB\xBF")) << "a byte-order mark for spreadsheets";
    EXPECT_EQ(QString::fromUtf8(dane.mid(3)),
              QString::fromUtf8("Nr klienta;Klient;Saldo\r\n"
                                "0003;Nowak Anna;12,50\r\n"
                                "0008;\"Żak; Łukasz\";-0,50\r\n"
                                "0015;\"Kowalski \"\"Kowal\"\" Jan\";0,00\r\n"));
}

TEST(Eksport, BladZapisuJasnyKomunikat) {
    QTableWidget sg;
    Wypelnij(sg);
    FakeInterakcja f;
    f.PrzyOknie([](QDialog& d) {
        dynamic_cast<QFileDialog&>(d).selectFile("/nie/ma/takiego/folderu/lista.csv");
        return QDialog::Accepted;
    });
    EXPECT_FALSE(ZapiszCSV(sg));
    ASSERT_EQ(f.komunikaty.size(), 1u);
    EXPECT_TRUE(f.komunikaty[0].tekst.startsWith(
        QString::fromUtf8("Nie udało się zapisać listy w pliku \"")));
    EXPECT_TRUE(f.komunikaty[0].tekst.contains("/nie/ma/takiego/folderu/lista.csv\"."));
    EXPECT_EQ(f.komunikaty[0].ikona, TIkona::Ostrzezenie);

    // Cancelled: nothing written, nothing said.
    f.Wyczysc();
    f.PrzyOknie([](QDialog&) { return QDialog::Rejected; });
    EXPECT_FALSE(ZapiszCSV(sg));
    EXPECT_TRUE(f.komunikaty.empty());
}

TEST(Eksport, ZapisZastepujePlikDopieroGdyNowyJestGotowy) {
    QTemporaryDir katalog;
    const QString plik = katalog.filePath("a.csv");
    ASSERT_TRUE(ZapiszPlikCSV(plik, "stary\r\n"));
    ASSERT_TRUE(ZapiszPlikCSV(plik, QString::fromUtf8("nowy;żółw\r\n")));
    EXPECT_EQ(ZawartoscPliku(plik), QString::fromUtf8("\xEF\xBB\xBFnowy;żółw\r\n"));
    EXPECT_EQ(QDir(katalog.path()).entryList(QDir::Files), QStringList{"a.csv"});
}

TEST(Eksport, MenuWListachRaportow) {
    TestowaBaza baza;
    TfFilmyWyp filmy;
    TfArchiwum archiwum;
    TfAbonenci abonenci;
    for (QDialog* okno : std::initializer_list<QDialog*>{&filmy, &archiwum, &abonenci}) {
        auto* sg = okno->findChild<QTableView*>();
        ASSERT_NE(sg, nullptr);
        EXPECT_NE(sg->findChild<QAction*>("miKopiuj"), nullptr) << okno->objectName().toStdString();
        EXPECT_NE(sg->findChild<QAction*>("miZapiszCSV"), nullptr)
            << okno->objectName().toStdString();
    }
    // The hidden ID of the rented-films list never goes out.
    baza.Wykonaj(
        "insert into klient (ID, Numer_klienta, Imie, Nazwisko) values (7, 3, 'Anna', 'Nowak')");
    baza.Wykonaj(
        "insert into film (ID, Tytul_oryginalny, Tytul_polski) values (1, 'Alien', 'Obcy')");
    baza.Wykonaj(
        "insert into rental (id_filmu, id_klienta, dataOD, dataDO, zwrocono) values "
        "(1, 7, '2024-03-01', '2024-03-04', 0)");
    filmy.WczytajWypozyczone(0);
    filmy.show();
    auto* sg = filmy.findChild<QTableWidget*>("sgFilmy");
    sg->selectRow(0);
    sg->findChild<QAction*>("miKopiuj")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(),
              QString("Alien (Obcy)\tNowak Anna\t01.03.2024\t04.03.2024\n"));
}
