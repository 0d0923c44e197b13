#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>

#include "admin/ImportParadox.h"
#include "admin/Pxlib.h"
#include "admin/SklepParadox.h"
#include "admin/WyborTestowy.h"
#include "admin/uImportParadox.h"
#include "admin/uSprawdzBaze.h"
#include "store/Baza.h"
#include "support/FakeInterakcja.h"
#include "support/TestowaBaza.h"

// Texts shown as text in failure messages.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << s.toStdString();
}
QT_END_NAMESPACE

namespace {

// A value as the store holds it: dates as ISO text, booleans and integers as integers.
QVariant JakWBazie(const QVariant& v) {
    switch (v.typeId()) {
        case QMetaType::QDate:
            return v.toDate().toString(Qt::ISODate);
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::LongLong:
            return v.toLongLong();
        default:
            return v;
    }
}

class ImportTabelParadox : public ::testing::Test {
protected:
    QString Plik(const char* nazwa) const { return QDir(stare.path()).filePath(nazwa); }

    // Every row of a store table, in the import's column order, as SQLite holds it.
    std::vector<TWierszTestowy> Wiersze(const QString& tabela) {
        const QString sql =
            "select " + KolumnyImportu(tabela).join(", ") + " from " + tabela + " order by rowid";
        sqlite3_stmt* st = nullptr;
        std::vector<TWierszTestowy> wynik;
        if (sqlite3_prepare_v2(TBaza::Aktywna()->Uchwyt(), sql.toUtf8().constData(), -1, &st,
                               nullptr) != SQLITE_OK) {
            ADD_FAILURE() << sql.toStdString();
            return wynik;
        }
        while (sqlite3_step(st) == SQLITE_ROW) {
            TWierszTestowy w;
            for (int i = 0; i < sqlite3_column_count(st); ++i) {
                switch (sqlite3_column_type(st, i)) {
                    case SQLITE_INTEGER:
                        w.push_back(qlonglong(sqlite3_column_int64(st, i)));
                        break;
                    case SQLITE_FLOAT:
                        w.push_back(sqlite3_column_double(st, i));
                        break;
                    case SQLITE_TEXT:
                        w.push_back(QString::fromUtf8(
                            reinterpret_cast<const char*>(sqlite3_column_text(st, i))));
                        break;
                    default:
                        w.push_back(QVariant());
                }
            }
            wynik.push_back(w);
        }
        sqlite3_finalize(st);
        return wynik;
    }

    void SprawdzTabele(const TTabelaSklepu& t, bool staryKsztalt) {
        SCOPED_TRACE(t.nazwa);
        const auto oczekiwane = OczekiwaneWiersze(t, staryKsztalt);
        const auto zapisane = Wiersze(t.nazwa);
        ASSERT_EQ(zapisane.size(), oczekiwane.size());
        const QStringList kolumny = KolumnyImportu(t.nazwa);
        for (size_t w = 0; w < zapisane.size(); ++w)
            for (int k = 0; k < kolumny.size(); ++k) {
                const QVariant o = JakWBazie(oczekiwane[w][k]);
                const QVariant z = zapisane[w][k];
                const std::string gdzie =
                    "row " + std::to_string(w) + " " + kolumny[k].toStdString();
                if (o.typeId() == QMetaType::Double) {
                    ASSERT_EQ(z.typeId(), QMetaType::Double) << gdzie;
                    EXPECT_NEAR(z.toDouble(), o.toDouble(), 1e-9) << gdzie;
                } else {
                    EXPECT_EQ(z, o) << gdzie << ": " << z.toString().toStdString()
                                    << " != " << o.toString().toStdString();
                }
            }
    }

    // The import's window runs to its end (the values its bar takes are kept), then the
    // store check is shown: its report is kept.
    void OczekujSprawdzenia() {
        fake.PrzyOknie([this](QDialog& okno) {
            auto* pasek = okno.findChild<QProgressBar*>("pbPostep");
            EXPECT_NE(pasek, nullptr);
            if (!pasek) return int(QDialog::Rejected);
            postep.clear();
            QObject::connect(pasek, &QProgressBar::valueChanged,
                             [this](int v) { postep.push_back(v); });
            koniecPaska = pasek->maximum();
            return okno.exec();
        });
        fake.PrzyOknie([this](QDialog& okno) {
            raport = dynamic_cast<TfSprawdzBaze&>(okno).Wynik();
            return int(QDialog::Accepted);
        });
    }

    void ImportujISprawdz(bool staryKsztalt, int stronaKodowa) {
        ZapiszSklep(stare.path(), staryKsztalt, stronaKodowa);
        OczekujSprawdzenia();
        ASSERT_TRUE(ImportParadoxZKatalogu(stare.path()));
        for (const TTabelaSklepu& t : Sklep()) SprawdzTabele(t, staryKsztalt);
        EXPECT_EQ(raport, BrakBledow);
        // The bar goes up to its end, every row of the four tables.
        EXPECT_EQ(koniecPaska, 6 + 6 + 1000 + 4);
        ASSERT_FALSE(postep.empty());
        EXPECT_TRUE(std::is_sorted(postep.begin(), postep.end()));
        EXPECT_EQ(postep.back(), koniecPaska);
        EXPECT_EQ(Indeksy(), indeksyPustej) << "the store's indexes, as they were";
        ASSERT_EQ(fake.komunikaty.size(), 1u);
        EXPECT_EQ(fake.komunikaty[0].tekst,
                  "Import z tabel Paradox zakończony.\n\n"
                  "Klienci: przeniesiono 6, nie odczytano 0.\n"
                  "Filmy: przeniesiono 6, nie odczytano 0.\n"
                  "Wypożyczenia: przeniesiono 1000, nie odczytano 0.\n"
                  "Ustawienia: przeniesiono 4, nie odczytano 0.");
    }

    // The import refused with a message naming the file, and the store left empty.
    void SprawdzOdmowe(const QString& plik) {
        EXPECT_FALSE(ImportParadoxZKatalogu(stare.path()));
        ASSERT_EQ(fake.komunikaty.size(), 1u);
        EXPECT_TRUE(fake.komunikaty[0].tekst.contains(plik))
            << fake.komunikaty[0].tekst.toStdString();
        EXPECT_TRUE(fake.komunikaty[0].tekst.endsWith("Nic nie zostało zaimportowane."));
        EXPECT_EQ(baza.Ile("select count(*) from klient") + baza.Ile("select count(*) from film") +
                      baza.Ile("select count(*) from dictionary"),
                  0);
        fake.Wyczysc();
    }

    // The store's indexes: name and statement.
    static QStringList Indeksy() {
        QStringList wynik;
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(TBaza::Aktywna()->Uchwyt(),
                           "select name || ': ' || sql from sqlite_master where type = 'index' "
                           "and sql is not null order by name",
                           -1, &st, nullptr);
        while (sqlite3_step(st) == SQLITE_ROW)
            wynik << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
        sqlite3_finalize(st);
        return wynik;
    }

    TestowaBaza baza;
    const QStringList indeksyPustej = Indeksy();
    QTemporaryDir stare;
    FakeInterakcja fake;
    QString raport;
    std::vector<int> postep;
    int koniecPaska = -1;
};

TEST_F(ImportTabelParadox, StaryKsztaltWStronieKodowej852DostajeKolumnyJakPoAktualizacji) {
    ImportujISprawdz(true, 852);
}

TEST_F(ImportTabelParadox, BiezacyKsztaltWStronieKodowej1250ZachowujeWszystkieKolumny) {
    // A setting saved before the import gives way to the shop's own; others stay.
    baza.Wykonaj(
        "insert into dictionary (Nazwa, Wartosc, Opis) values ('K_KOLEJNADOBA', '100', '')");
    ImportujISprawdz(false, 1250);
    // Keys the store hands out later follow the old ones.
    baza.Wykonaj("insert into klient (Nazwisko) values ('Nowy')");
    EXPECT_EQ(baza.Ile("select max(ID) from klient"), 41);
}

TEST_F(ImportTabelParadox, PrzerwanieZostawiaBazeJakBylaPrzedImportem) {
    ZapiszSklep(stare.path(), false, 1250);
    baza.Wykonaj(
        "insert into dictionary (Nazwa, Wartosc, Opis) values ('K_KOLEJNADOBA', '100', '')");
    // "Przerwij" pressed when the bar is full: every row is written, not yet committed.
    fake.PrzyOknie([](QDialog& okno) {
        auto* pasek = okno.findChild<QProgressBar*>("pbPostep");
        auto* przerwij = okno.findChild<QPushButton*>("bPrzerwij");
        EXPECT_TRUE(pasek && przerwij);
        if (!pasek || !przerwij) return int(QDialog::Rejected);
        EXPECT_EQ(przerwij->text(), "Przerwij");
        QObject::connect(pasek, &QProgressBar::valueChanged, [pasek, przerwij](int v) {
            if (v == pasek->maximum()) przerwij->click();
        });
        return okno.exec();
    });
    EXPECT_FALSE(ImportParadoxZKatalogu(stare.path()));
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_EQ(fake.komunikaty[0].tekst, "Import został przerwany.\nNic nie zostało zaimportowane.");
    for (const char* tabela : {"klient", "film", "rental", "kasa"})
        EXPECT_EQ(baza.Ile(QStringLiteral("select count(*) from %1").arg(tabela)), 0) << tabela;
    EXPECT_EQ(baza.Ile("select count(*) from dictionary"), 1);
    EXPECT_EQ(baza.Wartosc("select Wartosc from dictionary"), "100");
    EXPECT_EQ(baza.Ile("select count(*) from sqlite_sequence where seq > 0"), 0);
    EXPECT_EQ(Indeksy(), indeksyPustej);
}

TEST_F(ImportTabelParadox, UszkodzonaTabelaOdrzuconaZNazwaINicNieZaimportowano) {
    ZapiszSklep(stare.path(), false, 1250);
    QFile zrodlo(Plik("rental.db"));
    ASSERT_TRUE(zrodlo.open(QIODevice::ReadOnly));
    const QByteArray dobry = zrodlo.readAll();
    zrodlo.close();
    const int naglowek = static_cast<unsigned char>(dobry[2]) | static_cast<unsigned char>(dobry[3])
                                                                    << 8;

    const auto zepsuj = [&](const char* jak, const std::function<void(QByteArray&)>& zmiana) {
        SCOPED_TRACE(jak);
        QByteArray b = dobry;
        zmiana(b);
        QFile f(Plik("rental.db"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(b);
        f.close();
        SprawdzOdmowe("\"rental.db\"");
    };
    zepsuj("cut short", [](QByteArray& b) { b.truncate(b.size() / 2); });
    zepsuj("not a table", [](QByteArray& b) { b.fill('x'); });
    zepsuj("empty file", [](QByteArray& b) { b.clear(); });
    zepsuj("protected by a password", [](QByteArray& b) { b[0x5C] = 0x17; });
    // Found by fuzzing: pxlib never finished opening it.
    zepsuj("first encryption word set", [](QByteArray& b) { b[0x25] = 0x2D; });
    zepsuj("block linked to itself", [&](QByteArray& b) {
        b[naglowek] = 1;
        b[naglowek + 1] = 0;
    });
    zepsuj("row count wrong", [](QByteArray& b) { b[0x06] = char(b[0x06] + 1); });
    zepsuj("field list broken", [](QByteArray& b) { b[0x78] = 0x7F; });

    // Found by fuzzing: a number field longer than a number, the row's length kept by a
    // shorter text field, overran pxlib's value.
    QFile klient(Plik("klient.db"));
    ASSERT_TRUE(klient.open(QIODevice::ReadWrite));
    QByteArray b = klient.readAll();
    const int pol = static_cast<unsigned char>(b[0x21]);
    int liczba = -1, tekst = -1;
    for (int i = 0; i < pol; ++i) {
        const int typ = b[0x78 + 2 * i], dlugosc = static_cast<unsigned char>(b[0x79 + 2 * i]);
        if ((typ == 0x05 || typ == 0x06) && liczba < 0) liczba = 0x79 + 2 * i;
        if (typ == 0x01 && dlugosc > 8 && tekst < 0) tekst = 0x79 + 2 * i;
    }
    ASSERT_TRUE(liczba > 0 && tekst > 0);
    b[liczba] = char(b[liczba] + 8);
    b[tekst] = char(b[tekst] - 8);
    klient.seek(0);
    klient.write(b);
    klient.close();
    QFile r(Plik("rental.db"));
    ASSERT_TRUE(r.open(QIODevice::WriteOnly | QIODevice::Truncate));
    r.write(dobry);
    r.close();
    SprawdzOdmowe("\"klient.db\"");
}

TEST_F(ImportTabelParadox, BrakujaceTabele) {
    ZapiszSklep(stare.path(), true, 852);
    QFile::remove(Plik("dictionary.db"));
    QFile::remove(Plik("rental.db"));

    // Without rental.db: the question; No imports nothing.
    fake.Odpowiedz(QMessageBox::No);
    EXPECT_FALSE(ImportParadoxZKatalogu(stare.path()));
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_EQ(fake.komunikaty[0].tekst,
              "W wybranym katalogu brak tabeli \"rental.db\". Czy zaimportować tylko klientów i "
              "filmy?");
    EXPECT_EQ(baza.Ile("select count(*) from klient"), 0);

    // Yes: clients and films; the settings stay at their defaults.
    fake.Wyczysc();
    fake.Odpowiedz(QMessageBox::Yes);
    OczekujSprawdzenia();
    EXPECT_TRUE(ImportParadoxZKatalogu(stare.path()));
    // The check names the films left marked out without their rentals.
    EXPECT_EQ(raport,
              "Film 0006 jest oznaczony jako wypożyczony, a nie ma otwartego wypożyczenia.\n"
              "Film 0007 jest oznaczony jako wypożyczony, a nie ma otwartego wypożyczenia.");
    EXPECT_EQ(baza.Ile("select count(*) from klient"), 6);
    EXPECT_EQ(baza.Ile("select count(*) from film"), 6);
    EXPECT_EQ(baza.Ile("select count(*) from rental"), 0);
    EXPECT_EQ(baza.Ile("select count(*) from dictionary"), 0);
    ASSERT_EQ(fake.komunikaty.size(), 2u);
    EXPECT_TRUE(fake.komunikaty[1].tekst.endsWith(
        "Wypożyczenia: brak tabeli \"rental.db\".\n"
        "Ustawienia: brak tabeli \"dictionary.db\", ustawienia pozostają domyślne."));

    // Without film.db nothing is imported.
    TestowaBaza pusta;
    fake.Wyczysc();
    QFile::remove(Plik("film.db"));
    SprawdzOdmowe("\"film.db\"");
}

TEST_F(ImportTabelParadox, BazaZDanymiOdrzucona) {
    ZapiszSklep(stare.path(), false, 1250);
    baza.Wykonaj("insert into film (Numer_filmu, Tytul_oryginalny) values (1, 'Kiler')");
    WyborTestowy wybor;
    wybor.plik = stare.path();
    EXPECT_FALSE(ImportParadox(nullptr));
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_TRUE(fake.komunikaty[0].tekst.startsWith(
        "Import z tabel Paradox jest możliwy tylko do pustej bazy danych"));
    EXPECT_EQ(baza.Ile("select count(*) from klient"), 0);
    // Also when the store gets a row between the reading and the writing.
    TOdczytParadox odczyt = CzytajTabeleParadox(stare.path());
    EXPECT_EQ(ZapiszOdczytParadox(odczyt, true), "Baza danych zawiera już dane.");
    EXPECT_EQ(baza.Ile("select count(*) from klient"), 0);
}

TEST_F(ImportTabelParadox, NieczytelneWierszePoliczoneZPrzyczynami) {
    const std::vector<TPoleTestowe> pola = {
        {"ID", pxfAutoInc, 4}, {"Nazwisko", pxfAlpha, 50}, {"Licznik", pxfNumber, 8}};
    ZapiszTabeleTestowa(Plik("klient.db"), pola, 1250,
                        {{1, "Kowalski", 1.0},
                         {1, "Nowak", 2.0},
                         {QVariant(), "Bez klucza", 3.0},
                         {4, "Wiśniewski", 2.5},
                         {5, "Wójcik", 7.0}});
    ZapiszTabeleTestowa(Plik("film.db"), {{"ID", pxfAutoInc, 4}}, 1250, {{1}});
    ZapiszTabeleTestowa(Plik("rental.db"), {{"id_filmu", pxfLong, 4}, {"id_klienta", pxfLong, 4}},
                        1250, {});
    OczekujSprawdzenia();
    ASSERT_TRUE(ImportParadoxZKatalogu(stare.path()));
    EXPECT_EQ(baza.Ile("select count(*) from klient where ID in (1, 5)"), 2);
    EXPECT_EQ(baza.Ile("select count(*) from klient"), 2);
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_EQ(fake.komunikaty[0].tekst,
              "Import z tabel Paradox zakończony.\n\n"
              "Klienci: przeniesiono 2, nie odczytano 3.\n"
              "Filmy: przeniesiono 1, nie odczytano 0.\n"
              "Wypożyczenia: przeniesiono 0, nie odczytano 0.\n"
              "Ustawienia: brak tabeli \"dictionary.db\", ustawienia pozostają domyślne.\n\n"
              "Nieodczytane wiersze (pierwsze przyczyny):\n"
              "- klient.db, wiersz 2: powtórzony klucz ID = 1\n"
              "- klient.db, wiersz 3: puste pole ID\n"
              "- klient.db, wiersz 4: pole Licznik: 2,5 nie jest liczbą całkowitą");

    // A column that cannot become the store's column refuses the table.
    TestowaBaza pusta;
    fake.Wyczysc();
    ZapiszTabeleTestowa(Plik("klient.db"), {{"ID", pxfAutoInc, 4}, {"Saldo", pxfAlpha, 10}}, 852,
                        {{1, "12,50"}});
    SprawdzOdmowe("Kolumny Saldo tabeli \"klient.db\" (typ A) nie można przenieść.");
}

TEST_F(ImportTabelParadox, PolaBcdIZnacznikCzasu) {
    ZapiszTabeleTestowa(Plik("klient.db"),
                        {{"ID", pxfAutoInc, 4},
                         {"Saldo", pxfBCD, 17, 2},
                         {"Licznik", pxfBCD, 17, 0},
                         {"Ostatnie_wypozyczenie", pxfTimestamp, 8}},
                        1250,
                        {{1, -1234.56, 12.0, QDate(1901, 1, 1)},
                         {2, 0.07, QVariant(), QDate(2038, 1, 19)},
                         {3, QVariant(), 7.0, QVariant()}});
    ZapiszTabeleTestowa(Plik("film.db"), {{"ID", pxfAutoInc, 4}}, 1250, {});
    fake.Odpowiedz(QMessageBox::Yes);  // no rental.db
    OczekujSprawdzenia();
    ASSERT_TRUE(ImportParadoxZKatalogu(stare.path()))
        << (fake.komunikaty.empty() ? QString() : fake.komunikaty.back().tekst).toStdString();
    const auto w = Wiersze("klient");
    ASSERT_EQ(w.size(), 3u);
    EXPECT_NEAR(w[0][13].toDouble(), -1234.56, 1e-9);
    EXPECT_EQ(w[0][17], QVariant(12LL));
    EXPECT_EQ(w[0][12], QVariant("1901-01-01"));
    EXPECT_NEAR(w[1][13].toDouble(), 0.07, 1e-9);
    EXPECT_TRUE(w[1][17].isNull());
    EXPECT_EQ(w[1][12], QVariant("2038-01-19"));
    EXPECT_TRUE(w[2][13].isNull());
    EXPECT_TRUE(w[2][12].isNull());
}

TEST_F(ImportTabelParadox, WartosciPozaZakresemOdrzucone) {
    ZapiszTabeleTestowa(
        Plik("klient.db"),
        {{"ID", pxfAutoInc, 4},
         {"Saldo", pxfCurrency, 8},
         {"Ostatnie_wypozyczenie", pxfTimestamp, 8}},
        1250,
        {{1, 1.0e20, QDate(2020, 1, 1)}, {2, 0.5, -6.34968e295}, {3, 2.5, QDate(2020, 1, 2)}});
    ZapiszTabeleTestowa(Plik("film.db"), {{"ID", pxfAutoInc, 4}}, 1250, {});
    fake.Odpowiedz(QMessageBox::Yes);  // no rental.db
    OczekujSprawdzenia();
    ASSERT_TRUE(ImportParadoxZKatalogu(stare.path()));
    EXPECT_EQ(baza.Ile("select count(*) from klient where ID = 3 and Saldo = 2.5"), 1);
    EXPECT_EQ(baza.Ile("select count(*) from klient"), 1);
    const QString tekst = fake.komunikaty.back().tekst;
    EXPECT_TRUE(tekst.contains("- klient.db, wiersz 1: pole Saldo: ")) << tekst.toStdString();
    EXPECT_TRUE(tekst.contains(" nie jest kwotą")) << tekst.toStdString();
    EXPECT_TRUE(
        tekst.contains("- klient.db, wiersz 2: pole Ostatnie_wypozyczenie: niepoprawna data"))
        << tekst.toStdString();
}

}  // namespace
