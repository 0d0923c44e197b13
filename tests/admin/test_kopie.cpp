// Copies of the store: the online copy, the restore through the desk, files that are no
// store, and the automatic copies with their rotation.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <algorithm>
#include <stop_token>
#include <vector>

#include "admin/Kopie.h"
#include "admin/KopieAutomatyczne.h"
#include "admin/Narzedzia.h"
#include "admin/WyborTestowy.h"
#include "app/Operacje.h"
#include "app/test_panele_pulpit.h"
#include "clients/uKlienci.h"
#include "reports/uAbonenci.h"
#include "reports/uFilmyWyp.h"
#include "store/Interakcja.h"
#include "store/TQuery.h"
#include "store/uStruktura.h"
#include "support/TestowaBaza.h"

namespace {

// One value of a query on a store file, read on a connection of its own.
QString Z(const QString& plik, const char* sql) {
    sqlite3* h = nullptr;
    QString wynik = QStringLiteral("<brak>");
    if (sqlite3_open_v2(QFile::encodeName(plik).constData(), &h, SQLITE_OPEN_READONLY, nullptr) ==
        SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(h, sql, -1, &st, nullptr) == SQLITE_OK &&
            sqlite3_step(st) == SQLITE_ROW)
            wynik = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
        sqlite3_finalize(st);
    }
    sqlite3_close(h);
    return wynik;
}

void Zapisz(const QString& plik, const QByteArray& tresc) {
    QFile f(plik);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(tresc);
}

class KopiaWTrakcie : public operacje::Operacje {};

class Kopie : public PulpitPaneli {
protected:
    void Start() {
        PrzedStartem({Klient(7, "Anna", "Nowak"), Klient(8, "Jan", "Kowalski"),
                      Film(1, "Alien", "Obcy", 5)});
        Uruchom();
    }
    QString Baza() const { return folder + "Bazy/wirdolan.sqlite"; }
    QStringList Klienci() {
        QStringList w;
        auto* cb = k<QComboBox>("cbKlient");
        for (int i = 0; i < cb->count(); ++i) w << cb->itemText(i);
        return w;
    }
    void Menu(const char* pozycja) { k<QAction>(pozycja)->trigger(); }

    QTemporaryDir obce;  // the operator's own folder
    WyborTestowy wybor;
};

}  // namespace

TEST_F(KopiaWTrakcie, KopiaPodczasWplatyMaStanSprzedWypozyczenia) {
    Film(1, 1, "Alien", 6);
    Klient(4);
    DoKoszyka({{1, 1, 6, 1, 6}});
    const QString kopia = baza.Katalog() + "kopia.sqlite";
    QString blad = "nie wywołano";
    fake.PrzyOknie([&](QDialog& okno) {
        // The credit is already spent inside the open operation.
        blad = KopiujBaze(baza.Katalog() + "wirdolan.sqlite", kopia);
        okno.findChild<QAbstractButton*>("bZapisz")->click();
        return okno.result();
    });
    Wypozycz();
    EXPECT_EQ(blad, "");
    EXPECT_EQ(baza.Ile("select count(*) from rental"), 1) << "the rental itself is stored";
    EXPECT_EQ(Z(kopia, "select count(*) from rental"), "0");
    EXPECT_EQ(Z(kopia, "select Saldo from klient"), "4.0");
    EXPECT_EQ(Z(kopia, "select Status from film"), "1");
    EXPECT_EQ(Z(kopia, "PRAGMA journal_mode"), "delete") << "one self-contained file";
    EXPECT_FALSE(QFile::exists(kopia + ".czesc"));
}

TEST_F(Kopie, KopiaZapasowaZMenuDoWybranegoPliku) {
    Start();
    // The menu follows "Ustawienia".
    QStringList menu;
    for (QAction* a : fMain->menuBar()->actions()) menu << a->text();
    const int i = menu.indexOf("Ustawienia");
    ASSERT_GE(i, 0);
    EXPECT_EQ(menu.value(i + 1), "Narzędzia");
    auto* narzedzia = fMain->findChild<QMenu*>("miNarzedzia");
    ASSERT_NE(narzedzia, nullptr);
    QStringList pozycje;
    for (QAction* a : narzedzia->actions())
        if (!a->isSeparator()) pozycje << a->objectName();
    EXPECT_EQ(pozycje, (QStringList{"miKopiaZapasowa", "miPrzywroc", "miSprawdzBaze",
                                    "miBazaDanych", "miImportParadox", "miDanePrzykladowe",
                                    "miDaneWypozyczalni", "miZasady"}));

    // Cancelled: nothing.
    Menu("miKopiaZapasowa");
    EXPECT_TRUE(wybor.propozycja.endsWith("/wirdolan-2024-03-05.sqlite"));
    EXPECT_TRUE(fake.komunikaty.empty());

    wybor.plik = obce.path() + "/sklep.sqlite";
    Menu("miKopiaZapasowa");
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_EQ(fake.komunikaty[0].ikona, TIkona::Informacja);
    EXPECT_TRUE(fake.komunikaty[0].tekst.contains(QDir::toNativeSeparators(wybor.plik)));
    EXPECT_TRUE(fake.komunikaty[0].tekst.contains(
        "Rozmiar: " + RozmiarPliku(QFileInfo(wybor.plik).size()) + "."));
    const TOpisKopii opis = OpiszKopie(wybor.plik);
    EXPECT_EQ(opis.blad, "");
    EXPECT_EQ(opis.klientow, 2);
    EXPECT_EQ(opis.filmow, 1);

    // A folder that is not there: the reason in Polish, nothing left behind.
    fake.Wyczysc();
    wybor.plik = obce.path() + "/brak/sklep.sqlite";
    Menu("miKopiaZapasowa");
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_TRUE(fake.komunikaty[0].tekst.startsWith(
        "Nie udało się zapisać kopii bazy danych w pliku:\n" + wybor.plik +
        "\nNie można otworzyć ani utworzyć pliku: brak katalogu albo prawa zapisu.\n"))
        << fake.komunikaty[0].tekst.toStdString();

    // Never over the store itself.
    fake.Wyczysc();
    wybor.plik = Baza();
    Menu("miKopiaZapasowa");
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_EQ(fake.komunikaty[0].tytul, "Ostrzeżenie");
    EXPECT_EQ(Z(Baza(), "select count(*) from klient"), "2");

    EXPECT_EQ(RozmiarPliku(512), "512 B");
    EXPECT_EQ(RozmiarPliku(1536), "1,5 KB");
    EXPECT_EQ(RozmiarPliku(qint64{5} * 1024 * 1024 / 2), "2,5 MB");
    EXPECT_EQ(RozmiarPliku(qint64{3} * 1024 * 1024 * 1024), "3,0 GB");
}

TEST_F(Kopie, PrzywrocenieZastepujeBazeIPulpitPokazujeKopie) {
    Start();
    const QString kopia = obce.path() + "/sklep.sqlite";
    ASSERT_EQ(KopiujBaze(Baza(), kopia), "");
    // After the copy: a new client, and a client shown on the desk.
    TBaza::Aktywna()->Wykonaj(Klient(9, "Ewa", "Zielińska"));
    fMain->WczytajKlientow();
    KlientNr("0009");
    ASSERT_EQ(k<QComboBox>("cbKlient")->currentText(), "Zielińska Ewa");

    // Lists used before hold no statement open.
    for (QDialog* lista : std::initializer_list<QDialog*>{fKlienci, fFilmyWyp, fAbonenci}) {
        lista->show();
        lista->hide();
    }
    wybor.plik = kopia;
    fake.Odpowiedz(QMessageBox::Yes);
    Menu("miPrzywroc");
    ASSERT_EQ(fake.komunikaty.size(), 2u) << fake.komunikaty.back().tekst.toStdString();
    const TKomunikat& pytanie = fake.komunikaty[0];
    EXPECT_EQ(pytanie.domyslny, QMessageBox::No);
    EXPECT_TRUE(pytanie.tekst.contains("klientów: 2\nfilmów: 1\nwypożyczeń: 0"))
        << pytanie.tekst.toStdString();
    EXPECT_TRUE(pytanie.tekst.contains(QFileInfo(kopia).lastModified().toString("dd.MM.yyyy")));
    EXPECT_EQ(fake.komunikaty[1].ikona, TIkona::Informacja);

    // The desk shows the copy's data and nothing of the replaced store.
    EXPECT_EQ(Klienci(), (QStringList{"Kowalski Jan", "Nowak Anna"}));
    EXPECT_EQ(pole("eKlientNr")->text(), "");
    EXPECT_EQ(k<QComboBox>("cbTytulOrg")->count(), 1);
    EXPECT_EQ(fMain->PanelKlienta().Id(), 0);
    KlientNr("0008");
    EXPECT_EQ(k<QComboBox>("cbKlient")->currentText(), "Kowalski Jan");

    // The replaced store is kept in Bazy/Kopie.
    const QStringList zachowane =
        QDir(folder + "Bazy/Kopie").entryList({"przed-przywroceniem-*.sqlite"}, QDir::Files);
    ASSERT_EQ(zachowane.size(), 1);
    EXPECT_EQ(Z(folder + "Bazy/Kopie/" + zachowane[0], "select count(*) from klient"), "3");
    EXPECT_TRUE(fake.komunikaty[1].tekst.contains(zachowane[0]));
    EXPECT_EQ(Z(Baza(), "select count(*) from klient"), "2");
    EXPECT_FALSE(QFile::exists(Baza() + ".przywracana"));

    // No: nothing is replaced.
    fake.Wyczysc();
    wybor.plik = folder + "Bazy/Kopie/" + zachowane[0];
    fake.Odpowiedz(QMessageBox::No);
    Menu("miPrzywroc");
    EXPECT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_EQ(Z(Baza(), "select count(*) from klient"), "2");
}

TEST_F(Kopie, PlikKtoryNieJestBazaOdrzucony) {
    Start();
    const QString tekstowy = obce.path() + "/lista.sqlite";
    Zapisz(tekstowy, QByteArray("To jest zwykły plik tekstowy, a nie baza danych.\n").repeated(50));
    const QString obca = obce.path() + "/obca.sqlite";
    {
        sqlite3* h = nullptr;
        sqlite3_open(QFile::encodeName(obca).constData(), &h);
        sqlite3_exec(h, "create table klient (x); create table towary (y)", nullptr, nullptr,
                     nullptr);
        sqlite3_close(h);
    }
    // A copy with a page overwritten in the middle of its tables.
    const QString uszkodzona = obce.path() + "/uszkodzona.sqlite";
    TBaza::Aktywna()->Wykonaj(
        "with recursive n(i) as (select 10 union all select i + 1 from n where i < 400) "
        "insert into klient (Numer_klienta, Imie, Nazwisko, Aktualny) "
        "select i, 'Imię ' || i, 'Nazwisko ' || i, 1 from n");
    ASSERT_EQ(KopiujBaze(Baza(), uszkodzona), "");
    {
        QFile f(uszkodzona);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_GT(f.size(), 8 * 4096);
        f.seek(f.size() / 2);
        f.write(QByteArray(4096, '\x5a'));
    }

    for (const QString& plik : {tekstowy, obca, uszkodzona, obce.path() + "/brak.sqlite"}) {
        fake.Wyczysc();
        wybor.plik = plik;
        Menu("miPrzywroc");
        ASSERT_EQ(fake.komunikaty.size(), 1u) << plik.toStdString();
        const QString naglowek =
            plik == uszkodzona
                ? "Wybrana kopia bazy danych jest uszkodzona i nie można z niej przywrócić "
                  "bazy danych:\n"
                : "Wybrany plik nie jest kopią bazy danych programu Wirdolan:\n";
        EXPECT_TRUE(
            fake.komunikaty[0].tekst.startsWith(naglowek + QDir::toNativeSeparators(plik) + "\n"))
            << fake.komunikaty[0].tekst.toStdString();
        EXPECT_EQ(Z(Baza(), "select count(*) from klient"), "393");
    }
    // A copy a newer program made.
    const QString nowsza = obce.path() + "/nowsza.sqlite";
    ASSERT_EQ(KopiujBaze(Baza(), nowsza), "");
    sqlite3* h = nullptr;
    ASSERT_EQ(sqlite3_open(nowsza.toUtf8().constData(), &h), SQLITE_OK);
    const QByteArray wersja =
        QString("PRAGMA user_version = %1").arg(WersjaSchematu() + 1).toUtf8();
    EXPECT_EQ(sqlite3_exec(h, wersja.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(h);
    EXPECT_EQ(OpiszKopie(nowsza).blad, KomunikatNowszejBazy(WersjaSchematu() + 1));
    EXPECT_TRUE(OpiszKopie(obca).blad.contains("brak tabel"));
    EXPECT_TRUE(OpiszKopie(uszkodzona).blad.startsWith("Plik jest uszkodzony"))
        << OpiszKopie(uszkodzona).blad.toStdString();
    EXPECT_FALSE(QDir(folder + "Bazy/Kopie").entryList({"przed-*"}, QDir::Files).size());
}

TEST(KopieAutomatyczneRotacja, Zostaje14NajnowszychWGranicyRozmiaru) {
    QTemporaryDir katalog;
    const QString k = katalog.path() + "/";
    QStringList wszystkie;
    for (int d = 1; d <= 20; ++d) {
        const QString nazwa =
            NazwaKopiiAutomatycznej(QDateTime(QDate(2024, 3, d), QTime(18, 30, d)));
        Zapisz(k + nazwa, QByteArray(1000, 'x'));
        wszystkie << nazwa;
    }
    // Not automatic copies: left alone.
    const QStringList inne = {"przed-przywroceniem-2024-01-01-120000.sqlite",
                              "wirdolan-2024-01-01.sqlite", "notatki.txt"};
    for (const QString& n : inne) Zapisz(k + n, "x");
    EXPECT_EQ(wszystkie[0], "wirdolan-2024-03-01-183001.sqlite");

    PrzytnijKopie(k);
    QStringList najnowsze = wszystkie.mid(6);
    std::reverse(najnowsze.begin(), najnowsze.end());
    EXPECT_EQ(KopieAutomatyczne(k), najnowsze);
    for (const QString& n : inne) EXPECT_TRUE(QFile::exists(k + n)) << n.toStdString();

    // Never more than the size: the newest ones that fit, and the newest one always.
    PrzytnijKopie(k, 14, 3500);
    EXPECT_EQ(KopieAutomatyczne(k), najnowsze.mid(0, 3));
    PrzytnijKopie(k, 14, 10);
    EXPECT_EQ(KopieAutomatyczne(k), najnowsze.mid(0, 1));
}

TEST(KopieAutomatyczneStart, PierwszyStartDniaIKazdeZamkniecie) {
    TestowaBaza baza;
    FakeInterakcja fake;
    TKopieAutomatyczne kopie;
    const QString katalog = baza.Katalog() + "Kopie/";
    kopie.PrzyStarcie(baza.Katalog(), QDateTime(QDate(2024, 3, 5), QTime(9, 0)));
    kopie.PrzyStarcie(baza.Katalog(), QDateTime(QDate(2024, 3, 5), QTime(14, 0)));
    kopie.Zaczekaj();
    EXPECT_EQ(KopieAutomatyczne(katalog), QStringList{"wirdolan-2024-03-05-090000.sqlite"});
    kopie.PrzyZamknieciu(baza.Katalog(), QDateTime(QDate(2024, 3, 5), QTime(20, 0)));
    kopie.PrzyStarcie(baza.Katalog(), QDateTime(QDate(2024, 3, 6), QTime(8, 0)));
    kopie.Zaczekaj();
    EXPECT_EQ(KopieAutomatyczne(katalog).size(), 3);
    EXPECT_EQ(NajnowszaKopiaAutomatyczna(baza.Katalog()),
              katalog + "wirdolan-2024-03-06-080000.sqlite");
    EXPECT_EQ(OpiszKopie(NajnowszaKopiaAutomatyczna(baza.Katalog())).blad, "");
    EXPECT_EQ(ChwilaKopiiAutomatycznej(NajnowszaKopiaAutomatyczna(baza.Katalog())),
              QDateTime(QDate(2024, 3, 6), QTime(8, 0)));
    EXPECT_FALSE(ChwilaKopiiAutomatycznej(katalog + "wirdolan-2024-13-06-080000.sqlite").isValid());
    EXPECT_TRUE(fake.komunikaty.empty());

    // A folder that cannot hold copies: told once in the run.
    QDir(katalog).removeRecursively();
    Zapisz(baza.Katalog() + "Kopie", "to nie katalog");
    kopie.PrzyStarcie(baza.Katalog(), QDateTime(QDate(2024, 3, 7), QTime(8, 0)));
    kopie.Zaczekaj();
    kopie.PrzyZamknieciu(baza.Katalog(), QDateTime(QDate(2024, 3, 7), QTime(20, 0)));
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_TRUE(
        fake.komunikaty[0].tekst.startsWith("Automatyczna kopia bazy danych nie powiodła się."));
}

TEST_F(Kopie, ZamkniecieRobiKopieANieudanaNieZatrzymuje) {
    Start();
    const QString kopie = folder + "Bazy/Kopie/";
    QCoreApplication::processEvents();
    fMain->ZaczekajNaKopie();
    EXPECT_EQ(KopieAutomatyczne(kopie).size(), 1) << "the first start of the day";
    EXPECT_TRUE(KopieAutomatyczne(kopie)[0].startsWith("wirdolan-2024-03-05-"));

    QDir(kopie).removeRecursively();
    Zapisz(folder + "Bazy/Kopie", "to nie katalog");
    fake.Odpowiedz(QMessageBox::Yes);
    EXPECT_TRUE(fMain->close());
    ASSERT_EQ(fake.komunikaty.size(), 2u);
    EXPECT_TRUE(
        fake.komunikaty[1].tekst.startsWith("Automatyczna kopia bazy danych nie powiodła się."));
    EXPECT_EQ(fake.komunikaty[1].ikona, TIkona::Ostrzezenie);
}

TEST_F(Kopie, KopiaDniaPoPokazaniuPulpituRazNaDzien) {
    const QString kopie = folder + "Bazy/Kopie/";
    Start();
    EXPECT_TRUE(fMain->isVisible());
    EXPECT_TRUE(KopieAutomatyczne(kopie).isEmpty()) << "no copy before the desk is shown";
    QCoreApplication::processEvents();
    fMain->ZaczekajNaKopie();
    ASSERT_EQ(KopieAutomatyczne(kopie).size(), 1);
    EXPECT_EQ(OpiszKopie(kopie + KopieAutomatyczne(kopie)[0]).klientow, 2);

    // The day's second start copies nothing; closing while its check is pending copies once.
    ZniszczOkna();
    TBaza::Rozlacz();
    UtworzOkna();
    fMain->KatalogStartowy = folder;
    fMain->PlikKonfiguracjiBDE = folder + "silnik.ini";
    fMain->PlikBlokady = folder + "Wirdolan2";
    Uruchom();
    QCoreApplication::processEvents();
    fMain->ZaczekajNaKopie();
    EXPECT_EQ(KopieAutomatyczne(kopie).size(), 1);
    EXPECT_TRUE(fake.komunikaty.empty());
}

// The copy's progress in the status bar while it runs; the bar gone at its end; a backup
// stopped leaves no file and says nothing.
TEST_F(Kopie, PostepKopiiNaPaskuStanuIZatrzymanaBezPliku) {
    Start();
    auto* pasek = k<QStatusBar>("sbStan");
    auto* pb = k<QProgressBar>("pbKopia");
    EXPECT_FALSE(pasek->isVisible()) << "no copy yet";
    QStringList widziane;
    QObject::connect(pb, &QProgressBar::valueChanged, [&](int) {
        if (pasek->isVisible()) widziane << pb->text();
    });
    QCoreApplication::processEvents();
    fMain->ZaczekajNaKopie();
    EXPECT_FALSE(pasek->isVisible());
    widziane.clear();
    wybor.plik = obce.path() + "/sklep.sqlite";
    Menu("miKopiaZapasowa");
    EXPECT_EQ(widziane.value(widziane.size() - 1), "Kopia zapasowa bazy danych: 100%");
    EXPECT_FALSE(pasek->isVisible());
    EXPECT_TRUE(k<QAction>("miKopiaZapasowa")->isEnabled());

    fake.Wyczysc();
    wybor.plik = obce.path() + "/zatrzymana.sqlite";
    std::stop_source stop;
    stop.request_stop();
    KopiaZapasowa(fMain, {}, stop.get_token());
    EXPECT_FALSE(QFile::exists(wybor.plik));
    EXPECT_FALSE(QFile::exists(wybor.plik + ".czesc"));
    EXPECT_TRUE(fake.komunikaty.empty());
}

TEST_F(Kopie, ZamkniecieWTrakcieKopiiDnia) {
    Start();
    QCoreApplication::processEvents();  // the day's copy begins in the background
    fake.Odpowiedz(QMessageBox::Yes);
    EXPECT_TRUE(fMain->close());
    EXPECT_EQ(fake.komunikaty.size(), 1u) << "only the question";
    const QString kopie = folder + "Bazy/Kopie/";
    const QStringList pliki = QDir(kopie).entryList(QDir::Files);
    EXPECT_FALSE(pliki.isEmpty());
    for (const QString& plik : pliki) {
        EXPECT_FALSE(plik.endsWith(".czesc")) << "a stopped copy leaves nothing";
        EXPECT_EQ(OpiszKopie(kopie + plik).blad, "") << plik.toStdString();
    }
}

// A store damaged since the newest automatic copy: the start offers the copy with its moment.
class UszkodzonaNaStarcie : public Kopie {
protected:
    void SetUp() override {
        PrzedStartem({Klient(7, "Anna", "Nowak"), Film(1, "Alien", "Obcy", 5)});
        TBaza::Polacz(folder + "Bazy/");
        TBaza::Aktywna()->Wykonaj(Klient(8, "Jan", "Kowalski"));
        if (zKopia) {
            ASSERT_EQ(ZrobKopieAutomatyczna(folder + "Bazy/",
                                            QDateTime(QDate(2024, 3, 4), QTime(20, 15))),
                      "");
        }
        TBaza::Aktywna()->Wykonaj(Klient(9, "Zofia", "Lis"));
        PoKopii();
        TBaza::Rozlacz();
        QFile f(Baza());
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.seek(100);  // the schema page
        f.write(QByteArray(3000, '\x7f'));
        f.close();
        uszkodzona = Tresc(Baza());
    }
    static QByteArray Tresc(const QString& plik) {
        QFile f(plik);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList Zachowane() const {
        return QDir(folder + "Bazy/Kopie").entryList({"przed-przywroceniem-*"}, QDir::Files);
    }
    virtual void PoKopii() {}
    // The start with the offer taken: the copy of 04.03.2024 20:15 is offered and restored,
    // the desk shows its clients and the damaged store is kept as it was.
    void StartZPrzywroconaKopia() {
        fake.Odpowiedz(QMessageBox::Yes);
        ASSERT_TRUE(fMain->Start());
        ASSERT_EQ(fake.komunikaty.size(), 2u);
        const QString& pytanie = fake.komunikaty[0].tekst;
        EXPECT_EQ(fake.komunikaty[0].ikona, TIkona::Pytanie);
        EXPECT_TRUE(pytanie.contains("jest uszkodzony")) << pytanie.toStdString();
        EXPECT_TRUE(pytanie.contains(
            "Najnowsza kopia automatyczna bazy to „" +
            QDir::toNativeSeparators(folder + "Bazy/Kopie/wirdolan-2024-03-04-201500.sqlite") +
            "” (wykonana 04.03.2024 o godz. 20:15). Czy przywrócić bazę z tej kopii?"))
            << pytanie.toStdString();
        EXPECT_EQ(Klienci(), (QStringList{"Kowalski Jan", "Nowak Anna"})) << "the copy's clients";
        ASSERT_EQ(Zachowane().size(), 1u);
        EXPECT_EQ(Tresc(folder + "Bazy/Kopie/" + Zachowane()[0]), uszkodzona)
            << "the damaged file is kept as it was";
        EXPECT_TRUE(fake.komunikaty[1].tekst.contains(Zachowane()[0]));
    }
    // The start without the offer: one stop message naming the damage and not the offer's
    // text, the damaged store left as it was.
    void StartBezOferty(const char* oferta) {
        EXPECT_FALSE(fMain->Start());
        ASSERT_EQ(fake.komunikaty.size(), 1u);
        EXPECT_EQ(fake.komunikaty[0].ikona, TIkona::Stop);
        EXPECT_TRUE(fake.komunikaty[0].tekst.contains("jest uszkodzony"));
        EXPECT_FALSE(fake.komunikaty[0].tekst.contains(oferta));
        EXPECT_EQ(Tresc(Baza()), uszkodzona);
    }
    bool zKopia = true;
    QByteArray uszkodzona;
};

class UszkodzonaBezKopii : public UszkodzonaNaStarcie {
protected:
    void SetUp() override {
        zKopia = false;
        UszkodzonaNaStarcie::SetUp();
    }
};

TEST_F(UszkodzonaNaStarcie, KopiaPrzyjetaPulpitPokazujeJejDane) {
    StartZPrzywroconaKopia();
}

TEST_F(UszkodzonaNaStarcie, OdmowaKonczyStartBezZmian) {
    fake.Odpowiedz(QMessageBox::No);
    EXPECT_FALSE(fMain->Start());
    EXPECT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_EQ(Tresc(Baza()), uszkodzona);
    EXPECT_TRUE(Zachowane().isEmpty());
    EXPECT_EQ(TBaza::Aktywna(), nullptr);
}

TEST_F(UszkodzonaBezKopii, BezKopiiBezOferty) {
    StartBezOferty("Najnowsza kopia automatyczna");
}

// Later automatic copies damaged as well: one with a table's page overwritten (a bad
// sector), one that no longer has a readable list of tables.
class UszkodzoneNowszeKopie : public UszkodzonaNaStarcie {
protected:
    void PoKopii() override {
        const QString bazy = folder + "Bazy/";
        for (int dzien : {5, 6})
            ASSERT_EQ(ZrobKopieAutomatyczna(bazy, QDateTime(QDate(2024, 3, dzien), QTime(20, 15))),
                      "");
        const QString kopie = bazy + "Kopie/";
        const QString strona = kopie + "wirdolan-2024-03-05-201500.sqlite";
        const int rozmiar = Z(strona, "PRAGMA page_size").toInt();
        const int korzen =
            Z(strona, "select rootpage from sqlite_master where name = 'klient'").toInt();
        ASSERT_GT(rozmiar, 0);
        ASSERT_GT(korzen, 1);
        Nadpisz(strona, qint64(korzen - 1) * rozmiar, QByteArray(rozmiar, '\x5a'));
        Nadpisz(kopie + "wirdolan-2024-03-06-201500.sqlite", 100, QByteArray(3000, '\x7f'));
        if (wszystkie)
            Nadpisz(kopie + "wirdolan-2024-03-04-201500.sqlite", 100, QByteArray(3000, '\x7f'));
        for (const QString& nazwa : QDir(kopie).entryList(QDir::Files))
            przedStartem[nazwa] = Tresc(kopie + nazwa);
    }
    static void Nadpisz(const QString& plik, qint64 gdzie, const QByteArray& co) {
        QFile f(plik);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.seek(gdzie));
        ASSERT_EQ(f.write(co), co.size());
    }
    // The copies are left as they were, damaged ones included.
    void KopieNietkniete() {
        const QString kopie = folder + "Bazy/Kopie/";
        QStringList automatyczne = przedStartem.keys();
        EXPECT_EQ(KopieAutomatyczne(kopie).size(), automatyczne.size());
        for (const QString& nazwa : automatyczne)
            EXPECT_EQ(Tresc(kopie + nazwa), przedStartem[nazwa]) << nazwa.toStdString();
    }
    bool wszystkie = false;
    QMap<QString, QByteArray> przedStartem;
};

class WszystkieKopieUszkodzone : public UszkodzoneNowszeKopie {
protected:
    void SetUp() override {
        wszystkie = true;
        UszkodzoneNowszeKopie::SetUp();
    }
};

TEST_F(UszkodzoneNowszeKopie, OferowanaStarszaSprawnaZJejChwila) {
    const QString kopie = folder + "Bazy/Kopie/";
    ASSERT_EQ(KopieAutomatyczne(kopie).size(), 3);
    const TOpisKopii strona = OpiszKopie(kopie + "wirdolan-2024-03-05-201500.sqlite");
    EXPECT_TRUE(strona.uszkodzona);
    EXPECT_TRUE(strona.blad.startsWith("Plik jest uszkodzony: test spójności"))
        << strona.blad.toStdString();
    const TOpisKopii spis = OpiszKopie(kopie + "wirdolan-2024-03-06-201500.sqlite");
    EXPECT_TRUE(spis.uszkodzona);
    EXPECT_TRUE(spis.blad.startsWith("Plik jest uszkodzony")) << spis.blad.toStdString();

    StartZPrzywroconaKopia();  // the older, sound copy
    EXPECT_EQ(Z(Baza(), "select count(*) from klient"), "2");
    KopieNietkniete();
}

TEST_F(WszystkieKopieUszkodzone, BezOfertyNicNieZmienione) {
    StartBezOferty("kopia automatyczna");
    EXPECT_TRUE(Zachowane().isEmpty());
    EXPECT_EQ(TBaza::Aktywna(), nullptr);
    KopieNietkniete();
}

TEST(KopiaPrzerwana, ZatrzymanaNieZostawiaPliku) {
    TestowaBaza baza;
    std::stop_source stop;
    stop.request_stop();
    const QString cel = baza.Katalog() + "kopia.sqlite";
    EXPECT_TRUE(KopiujBaze(baza.Katalog() + "wirdolan.sqlite", cel, stop.get_token())
                    .endsWith("Kopię przerwano."));
    EXPECT_FALSE(QFile::exists(cel));
    EXPECT_FALSE(QFile::exists(cel + ".czesc"));
}

// The desk writes on while the day's copy runs; the copy holds one moment of the store.
TEST(KopiaWTle, ZapisyWTrakcieKopiiNieRozbijajaJej) {
    TestowaBaza baza;
    FakeInterakcja fake;
    sqlite3* h = TBaza::Aktywna()->Uchwyt();
    ASSERT_EQ(sqlite3_exec(h,
                           "with recursive n(i) as (select 1 union all select i + 1 from n "
                           "where i < 3000) insert into klient (Numer_klienta, Nazwisko) "
                           "select i, printf('%.2000c', 'x') from n; "
                           "insert into film (Numer_filmu) select Numer_klienta from klient",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    TKopieAutomatyczne kopie;
    std::vector<int> postep;
    kopie.Postep = [&](int procent) { postep.push_back(procent); };
    kopie.PrzyStarcie(baza.Katalog(), QDateTime(QDate(2024, 3, 5), QTime(9, 0)));
    for (int i = 3001; kopie.Trwa() || i < 3011; ++i) {
        QCoreApplication::processEvents();
        ASSERT_EQ(sqlite3_exec(h,
                               QString("begin; insert into klient (Numer_klienta) values (%1); "
                                       "insert into film (Numer_filmu) values (%1); commit")
                                   .arg(i)
                                   .toUtf8(),
                               nullptr, nullptr, nullptr),
                  SQLITE_OK)
            << "the desk is not kept waiting by the copy";
    }
    kopie.Zaczekaj();
    const QString kopia = NajnowszaKopiaAutomatyczna(baza.Katalog());
    const TOpisKopii opis = OpiszKopie(kopia);
    EXPECT_EQ(opis.blad, "");
    EXPECT_GE(opis.klientow, 3000);
    EXPECT_EQ(opis.klientow, opis.filmow) << "each pair is in the copy whole or not at all";
    EXPECT_TRUE(fake.komunikaty.empty());
    // Heard on the program's thread as the events are served: growing, then the end.
    ASSERT_GE(postep.size(), 2u);
    EXPECT_EQ(postep.back(), -1);
    EXPECT_TRUE(std::is_sorted(postep.begin(), postep.end() - 1));
    EXPECT_EQ(std::count(postep.begin(), postep.end(), -1), 1);
}

TEST(PrzywrocenieBezOtwartejBazy, UszkodzonaBazaZachowanaIZastapionaKopia) {
    QTemporaryDir katalog;
    const QString bazy = katalog.path() + "/Bazy/";
    TBaza::Polacz(bazy);
    TBaza::Aktywna()->Wykonaj(
        "insert into klient (Numer_klienta, Imie, Nazwisko) values (7, 'Anna', 'Nowak')");
    ASSERT_EQ(ZrobKopieAutomatyczna(bazy, QDateTime(QDate(2024, 3, 5), QTime(9, 0))), "");
    TBaza::Rozlacz();
    // The store as a failed disk leaves it: not a store any more.
    const QByteArray smieci = QByteArray("uszkodzony sektor ").repeated(300);
    Zapisz(bazy + "wirdolan.sqlite", smieci);
    Zapisz(bazy + "wirdolan.sqlite-journal", "dziennik");

    QString zachowana;
    EXPECT_EQ(PrzywrocBaze(NajnowszaKopiaAutomatyczna(bazy), bazy,
                           QDateTime(QDate(2024, 3, 6), QTime(8, 0)), &zachowana),
              "");
    ASSERT_NE(TBaza::Aktywna(), nullptr) << "the restored store is open";
    EXPECT_EQ(Z(bazy + "wirdolan.sqlite", "select Nazwisko from klient"), "Nowak");
    EXPECT_EQ(zachowana, bazy + "Kopie/przed-przywroceniem-2024-03-06-080000.sqlite");
    QFile f(zachowana);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), smieci) << "the damaged file is kept as it was";
    QFile dziennik(zachowana + "-journal");
    ASSERT_TRUE(dziennik.open(QIODevice::ReadOnly)) << "and its log beside it";
    EXPECT_EQ(dziennik.readAll(), "dziennik");
    EXPECT_FALSE(QFile::exists(bazy + "wirdolan.sqlite-journal"));
    TBaza::Rozlacz();
}

TEST(PrzywrocenieWTrakcie, OtwartePolecenieBlokujeZamiane) {
    TestowaBaza baza;
    baza.Wykonaj("insert into klient (Numer_klienta, Imie, Nazwisko) values (7, 'Anna', 'Nowak')");
    const QString kopia = baza.Katalog() + "kopia.sqlite";
    ASSERT_EQ(KopiujBaze(baza.Katalog() + "wirdolan.sqlite", kopia), "");
    baza.Wykonaj("insert into klient (Numer_klienta, Imie, Nazwisko) values (8, 'Jan', 'Lis')");
    {
        TQuery otwarte;
        otwarte.UstawSQL("select * from klient");
        otwarte.Open();
        const QString blad = PrzywrocBaze(kopia, baza.Katalog(), QDateTime::currentDateTime());
        EXPECT_TRUE(
            blad.endsWith("Baza danych jest w użyciu: zamknij otwarte okna i spróbuj "
                          "ponownie."))
            << blad.toStdString();
        EXPECT_EQ(baza.Ile("select count(*) from klient"), 2);
    }
    EXPECT_EQ(PrzywrocBaze(kopia, baza.Katalog(), QDateTime::currentDateTime()), "");
    EXPECT_EQ(baza.Ile("select count(*) from klient"), 1);
}
