// The desk: program entry, the start-up sequence, the single running copy, the menu,
// keys and buttons in the empty mode, resizing, closing, and the reloads after dialogs.
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLockFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSysInfo>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/uAbout.h"
#include "app/uIloscDni.h"
#include "app/uMain.h"
#include "app/uMainLista.h"
#include "app/uProgram.h"
#include "app/uWitamy.h"
#include "clients/uKlienci.h"
#include "clients/uKlient.h"
#include "clients/uWplata.h"
#include "clients/uZaleglosci.h"
#include "films/uFilm.h"
#include "films/uSzukaj.h"
#include "reports/uAbonenci.h"
#include "reports/uArchiwum.h"
#include "reports/uFilmyWyp.h"
#include "settings/uConfig.h"
#include "store/Baza.h"
#include "store/Katalogi.h"
#include "store/TQuery.h"
#include "store/uStruktura.h"
#include "support/FakeInterakcja.h"
#include "test_panele_pulpit.h"

namespace {

// The panels' started desk, with the shell's "open" recorded.
class Pulpit : public PulpitPaneli {
protected:
    Pulpit() {
        fMain->OtworzDokument = [this](const QUrl& u) { otwarte.push_back(u); };
    }

    void Aktywuj() {
        fMain->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(fMain));
    }
    QStringList Wpisy(const char* lista) {
        QStringList w;
        auto* cb = k<QComboBox>(lista);
        for (int i = 0; i < cb->count(); ++i) w << cb->itemText(i);
        return w;
    }

    std::vector<QUrl> otwarte;
};

TEST_F(Pulpit, OknaPowstajaRazWUstalonymPorzadku) {
    const std::pair<QWidget*, const char*> okna[] = {
        {fMain, "Wirdolan"},         {fWplata, "Wpłata"},
        {fKlient, "Klient"},         {fFilm, "Film"},
        {fConfig, "Ustawienia"},     {fKlienci, "Klienci"},
        {fSzukaj, "Wyszukiwanie"},   {fZaleglosci, "Zaległe należności"},
        {fArchiwum, "Archiwum"},     {fFilmyWyp, "Filmy wypożyczone"},
        {fAbonenci, "Abonenci"},     {fIloscDni, "Przedłużenie"},
        {fAbout, "O programie ..."},
    };
    QStringList nazwy;
    for (const auto& [okno, tytul] : okna) {
        ASSERT_NE(okno, nullptr) << tytul;
        EXPECT_EQ(okno->windowTitle(), QString::fromUtf8(tytul));
        nazwy << okno->objectName();
    }
    ASSERT_NE(fWitamy, nullptr);
    EXPECT_EQ(fWitamy->objectName(), "TfWitamy");
    EXPECT_EQ(nazwy, QStringList({"TfMain", "TfWplata", "TfKlient", "TfFilm", "TfConfig",
                                  "TfKlienci", "TfSzukaj", "TfZaleglosci", "TfArchiwum",
                                  "TfFilmyWyp", "TfAbonenci", "TfIloscDni", "TfAbout"}));
    // The dialogs are windows of their own: the desk's controls are found in the desk alone.
    for (QWidget* okno : {static_cast<QWidget*>(fKlient), static_cast<QWidget*>(fConfig)})
        EXPECT_FALSE(fMain->isAncestorOf(okno));
}

TEST_F(Pulpit, StartNaNowymFolderzeZakladaBazeIZostawiaPulpitPusty) {
    Uruchom();
    EXPECT_TRUE(QFileInfo::exists(folder + "Bazy/wirdolan.sqlite"));
    EXPECT_EQ(KatalogBazy, folder + "Bazy/");
    EXPECT_EQ(KatalogProgramu, folder);
    EXPECT_EQ(IdFilmu, 0);
    EXPECT_TRUE(fMain->isVisible());
    EXPECT_TRUE(fMain->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(fMain->focusWidget(), k<QWidget>("cbKlient"));

    // Disabled in the empty mode, and disabled by design (read-only client details, the
    // rate box while the rate may not be changed); everything else is enabled.
    const QSet<QString> wylaczone = {
        "bUsun",         "miDelete",       "bWypozycz",      "bZwrot",         "bCofnij",
        "bPrzedluzenie", "miWypozycz",     "miZwrot",        "miCofnij",       "miPrzedluzenie",
        "miFilmEdytuj",  "miFilmUsun",     "miKlientEdytuj", "miKlientUsun",   "bKlientKonto",
        "bFilmKonto",    "miZaleglosci",   "miRaportFilm",   "miRaportKlient", "bKlientDane",
        "bFilmDane",     "bNastepny",      "miNastepny",     "eUpowazniony",   "cbAbonament",
        "eCena",         "miKartaKlienta", "miPotwierdzenie"};
    QSet<QString> widziane;
    for (QWidget* w : fMain->findChildren<QWidget*>()) {
        const QString n = w->objectName();
        if (!(n.startsWith('b') || n.startsWith('e') || n.startsWith("cb") || n.startsWith("sg")) ||
            qobject_cast<QMenu*>(w))
            continue;
        widziane << n;
        EXPECT_EQ(w->isEnabled(), !wylaczone.contains(n)) << n.toStdString();
    }
    for (QAction* a : fMain->findChildren<QAction*>()) {
        if (!a->objectName().startsWith("mi")) continue;
        widziane << a->objectName();
        EXPECT_EQ(a->isEnabled(), !wylaczone.contains(a->objectName()))
            << a->objectName().toStdString();
    }
    for (const QString& n : wylaczone) EXPECT_TRUE(widziane.contains(n)) << n.toStdString();
    EXPECT_TRUE(k<QLineEdit>("eWplata")->text().isEmpty());
    EXPECT_EQ(k<QLineEdit>("eIleDni")->text(), "1");
    EXPECT_EQ(k<QTableWidget>("sgWypozyczenie")->rowCount(), 1);
    EXPECT_EQ(k<QTableWidget>("sgWypozyczenie")->columnCount(), 6);
}

TEST_F(Pulpit, ListyWyboruZawierajaAktualnychKlientowITytuly) {
    PrzedStartem({
        "insert into klient (Numer_klienta, Imie, Nazwisko, Aktualny) values (1, 'Jan', 'Nowak', "
        "1)",
        "insert into klient (Numer_klienta, Imie, Nazwisko, Aktualny) values (2, 'Ewa', 'Łukasik', "
        "1)",
        "insert into klient (Numer_klienta, Imie, Nazwisko, Aktualny) values (3, 'Adam', 'Lis', 1)",
        "insert into klient (Numer_klienta, Imie, Nazwisko, Aktualny) values (4, 'Piotr', "
        "'Zieliński', 0)",
        "insert into klient (Numer_klienta, Imie, Nazwisko, Aktualny) values (5, 'Anna', 'Ćwik', "
        "1)",
        "insert into film (Numer_filmu, Tytul_oryginalny, Tytul_polski, Aktualny) values (1, "
        "'Matrix', 'Matrix', 1)",
        "insert into film (Numer_filmu, Tytul_oryginalny, Tytul_polski, Aktualny) values (2, "
        "'Alien', 'Obcy', 1)",
        "insert into film (Numer_filmu, Tytul_oryginalny, Tytul_polski, Aktualny) values (3, "
        "'Zorro', 'Zorro', 0)",
    });
    Uruchom();
    EXPECT_EQ(Wpisy("cbKlient"),
              QStringList({"Ćwik Anna", "Lis Adam", "Łukasik Ewa", "Nowak Jan"}));
    EXPECT_EQ(Wpisy("cbTytulOrg"), QStringList({"Alien", "Matrix"}));
    EXPECT_EQ(Wpisy("cbTytulPol"), QStringList({"Obcy", "Matrix"}));
    for (const char* lista : {"cbKlient", "cbTytulOrg", "cbTytulPol"})
        EXPECT_EQ(k<QComboBox>(lista)->currentIndex(), -1) << lista;
}

TEST_F(Pulpit, TytulyWPolskimPorzadku) {
    QStringList filmy;
    int numer = 0;
    for (const char* tytul : {"Zorro", "Łowca", "Lot", "Ósmy", "Orzeł", "Śnieg", "Sen", "Żar"}) {
        ++numer;
        filmy << Film(numer, QString::fromUtf8(tytul), QString::number(numer), 5);
    }
    PrzedStartem(filmy);
    Uruchom();
    EXPECT_EQ(Wpisy("cbTytulOrg"),
              QStringList({"Lot", "Łowca", "Orzeł", "Ósmy", "Sen", "Śnieg", "Zorro", "Żar"}));
    EXPECT_EQ(Wpisy("cbTytulPol"), QStringList({"3", "2", "5", "4", "7", "6", "1", "8"}));
}

TEST_F(Pulpit, DrugaKopiaProgramuJestOdrzucana) {
    QLockFile pierwsza(folder + "Wirdolan2");
    ASSERT_TRUE(pierwsza.tryLock(0));
    EXPECT_FALSE(fMain->Start());
    ASSERT_EQ(fake.Teksty(), std::vector<QString>{"Program jest już uruchomiony."});
    EXPECT_EQ(fake.komunikaty[0].tytul, "Wirdolan");
    EXPECT_EQ(fake.komunikaty[0].ikona, TIkona::Ostrzezenie);
    EXPECT_FALSE(QFileInfo::exists(folder + "Bazy/wirdolan.sqlite")) << "nothing else is done";
    EXPECT_FALSE(QFileInfo::exists(folder + "silnik.ini"));
    EXPECT_FALSE(fMain->isVisible());

    // Once the first copy ends, the program starts.
    pierwsza.unlock();
    fake.Wyczysc();
    Uruchom();
}

// A store a newer program wrote ends the start with its message and stays as it was.
TEST_F(Pulpit, BazaNowszegoProgramuKonczyStart) {
    const int nowsza = WersjaSchematu() + 1;
    PrzedStartem({QString("PRAGMA user_version = %1").arg(nowsza)});
    EXPECT_FALSE(fMain->Start());
    EXPECT_EQ(fake.Teksty(), std::vector<QString>{KomunikatNowszejBazy(nowsza)});
    EXPECT_EQ(TBaza::Aktywna(), nullptr);
    TBaza::Polacz(folder + "Bazy/");
    EXPECT_EQ(WersjaBazy(), nowsza);
    TBaza::Rozlacz();
}

TEST_F(Pulpit, ZabitaKopiaNieBlokujeStartu) {
    const QString plik = folder + "Wirdolan2";
    const pid_t dziecko = fork();
    if (dziecko == 0) {
        QLockFile blokada(plik);
        blokada.setStaleLockTime(0);
        if (blokada.tryLock(0)) raise(SIGKILL);
        _exit(1);
    }
    int stan = 0;
    ASSERT_EQ(waitpid(dziecko, &stan, 0), dziecko);
    ASSERT_TRUE(WIFSIGNALED(stan)) << "the copy held the lock and was killed";
    ASSERT_TRUE(QFileInfo::exists(plik)) << "its lock file stays behind";
    Uruchom();
}

TEST_F(Pulpit, BlokadaTrwaDoZamknieciaPulpitu) {
    Uruchom();
    k<QLineEdit>("eKlientNr")->setText("0012");
    QLockFile druga(folder + "Wirdolan2");
    EXPECT_FALSE(druga.tryLock(0)) << "a running copy's lock never goes stale";

    fake.Odpowiedz(QMessageBox::No);
    EXPECT_FALSE(fMain->close());
    ASSERT_EQ(fake.Teksty(), std::vector<QString>{"Czy zakończyć pracę programu?"});
    EXPECT_EQ(fake.komunikaty[0].domyslny, QMessageBox::No);
    EXPECT_EQ(fake.komunikaty[0].ikona, TIkona::Pytanie);
    EXPECT_EQ(fake.komunikaty[0].tytul, "Wirdolan");
    EXPECT_TRUE(fMain->isVisible());
    EXPECT_EQ(k<QLineEdit>("eKlientNr")->text(), "0012") << "state unchanged";
    EXPECT_FALSE(druga.tryLock(0));

    fake.Odpowiedz(QMessageBox::Yes);
    EXPECT_TRUE(fMain->close());
    EXPECT_FALSE(fMain->isVisible());
    EXPECT_TRUE(druga.tryLock(0)) << "closing releases the single-copy lock";
}

TEST_F(Pulpit, KlawiszeIPrzyciskiNicNieRobiaWPustymTrybie) {
    Uruchom();
    Aktywuj();
    int wywolane = 0;
    for (QAction* a : fMain->findChildren<QAction*>())
        if (a->objectName() != "miPomoc" && a->objectName() != "miKoniec")
            QObject::connect(a, &QAction::triggered, [&] { ++wywolane; });
    auto* lista = k<QTableWidget>("sgWypozyczenie");
    for (QWidget* fokus : {k<QWidget>("cbKlient"), static_cast<QWidget*>(lista)}) {
        fokus->setFocus();
        for (Qt::Key klawisz : {Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_F5, Qt::Key_F6,
                                Qt::Key_F7, Qt::Key_F8, Qt::Key_F9, Qt::Key_Insert, Qt::Key_Delete})
            QTest::keyClick(QApplication::focusWidget(), klawisz);
    }
    for (const char* przycisk :
         {"bWypozycz", "bZwrot", "bCofnij", "bPrzedluzenie", "bUsun", "bKlientDane", "bKlientKonto",
          "bFilmDane", "bFilmKonto", "bNastepny"})
        QTest::mouseClick(k<QPushButton>(przycisk), Qt::LeftButton);
    EXPECT_EQ(wywolane, 0);
    EXPECT_TRUE(fake.komunikaty.empty());
    EXPECT_TRUE(fake.pokazaneOkna.empty());

    // The keys do reach the window: F1 is live in every mode.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    EXPECT_EQ(fake.Teksty(), std::vector<QString>{"Brak pliku: \"" + folder + "pomoc.chm\"."});
    // F10 asks to end the program.
    fake.Odpowiedz(QMessageBox::No);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
    EXPECT_EQ(fake.komunikaty.back().tekst, "Czy zakończyć pracę programu?");
    EXPECT_TRUE(fMain->isVisible());
}

TEST_F(Pulpit, PomocOtwieraPlikGdyIstnieje) {
    Uruchom();
    fMain->findChild<QAction*>("miPomoc")->trigger();
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_EQ(fake.komunikaty[0].ikona, TIkona::Informacja);
    EXPECT_TRUE(otwarte.empty());

    QFile plik(folder + "pomoc.chm");
    ASSERT_TRUE(plik.open(QIODevice::WriteOnly));
    plik.close();
    fake.Wyczysc();
    fMain->findChild<QAction*>("miPomoc")->trigger();
    EXPECT_TRUE(fake.komunikaty.empty());
    ASSERT_EQ(otwarte.size(), 1u);
    EXPECT_EQ(otwarte[0], QUrl::fromLocalFile(folder + "pomoc.chm"));
}

TEST_F(Pulpit, PomocBezChmOtwieraPrzewodnik) {
    Uruchom();
    QTemporaryDir wspolny;
    fMain->KatalogWspolnyProgramu = wspolny.path() + "/";
    QDir().mkpath(wspolny.path() + "/pomoc");
    QFile przewodnik(wspolny.path() + "/pomoc/index.html");
    ASSERT_TRUE(przewodnik.open(QIODevice::WriteOnly));
    przewodnik.close();

    fMain->findChild<QAction*>("miPomoc")->trigger();
    EXPECT_TRUE(fake.komunikaty.empty());
    ASSERT_EQ(otwarte.size(), 1u);
    EXPECT_EQ(otwarte[0], QUrl::fromLocalFile(wspolny.path() + "/pomoc/index.html"));
}

TEST(SzerokosciKolumn, TrzyWidoczneKolumnyDzielaSzerokoscListy) {
    for (int w = 0; w <= 3000; ++w) {
        const int q = w / 4;
        const std::array<int, 6> oczekiwane = {w - 2 * q + 35, q - 20, q - 20, 0, 0, 0};
        ASSERT_EQ(SzerokosciKolumn(w), oczekiwane) << w;
    }
    EXPECT_EQ(SzerokosciKolumn(401), (std::array<int, 6>{236, 80, 80, 0, 0, 0}));
    EXPECT_EQ(SzerokosciKolumn(577), (std::array<int, 6>{324, 124, 124, 0, 0, 0}));
}

TEST_F(Pulpit, RozmiaryPodazajaZaOknem) {
    Uruchom();
    fMain->showNormal();
    fMain->resize(100, 100);
    EXPECT_EQ(fMain->size(), QSize(644, 484)) << "the window is never smaller";
    for (const QSize rozmiar : {QSize(644, 484), QSize(828, 596), QSize(1280, 1000)}) {
        fMain->resize(rozmiar);
        auto* panel = k<QWidget>("pLista");
        auto* lista = k<QTableWidget>("sgWypozyczenie");
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return panel->width() == fMain->centralWidget()->width(); }));
        QCoreApplication::processEvents();
        const int w = panel->width() - 243;
        EXPECT_EQ(lista->width(), w) << rozmiar.width();
        EXPECT_EQ(lista->height(), panel->height() - 39) << rozmiar.height();
        const auto kolumny = SzerokosciKolumn(w);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(lista->columnWidth(i), kolumny[static_cast<size_t>(i)]) << i;
        auto* pasek = k<QWidget>("pPrzyciski");
        auto* koniec = k<QWidget>("bKoniec");
        EXPECT_EQ(koniec->x(), pasek->width() - koniec->width() - 13);
        const int listy = k<QWidget>("pKlient")->width() - 475;
        for (const char* n : {"cbKlient", "eUpowazniony", "cbTytulOrg", "cbTytulPol"})
            EXPECT_EQ(k<QWidget>(n)->width(), listy) << n;
        // Controls beside the pick lists never overlap them.
        EXPECT_GT(k<QWidget>("lKlientNr")->x(), k<QWidget>("cbKlient")->geometry().right());
        EXPECT_GT(k<QWidget>("lFilmNr")->x(), k<QWidget>("cbTytulOrg")->geometry().right());
        EXPECT_LE(k<QWidget>("bKlientDane")->geometry().right(), k<QWidget>("pKlient")->width());
        EXPECT_GT(koniec->x(), k<QWidget>("bPrzedluzenie")->geometry().right());
    }
}

TEST_F(Pulpit, MenuZawieraKazdaPozycjeZKlawiszem) {
    const std::tuple<const char*, const char*, QKeySequence> pozycje[] = {
        {"miKlientNowy", "Nowy", {}},
        {"miKlientEdytuj", "Edytuj", Qt::Key_F6},
        {"miKlientUsun", "Usuń", {}},
        {"miZaleglosci", "Zaległe płatności", {}},
        {"miKlienci", "Baza klientów", {}},
        {"miArchiwumK", "Archiwum klientów", {}},
        {"miFilmNowy", "Nowy", {}},
        {"miFilmEdytuj", "Edytuj", Qt::Key_F7},
        {"miFilmUsun", "Usuń", {}},
        {"miFilmSzukaj", "Szukaj", {}},
        {"miFilmy", "Baza filmów", {}},
        {"miRaportOkresowy", "Okresowy", {}},
        {"miRaportKasowy", "Raport kasowy", {}},
        {"miRaportKlient", "Archiwum klienta", Qt::Key_F8},
        {"miRaportFilm", "Archiwum filmu", Qt::Key_F9},
        {"miRapFilmyWyp", "Filmy wypożyczone", {}},
        {"miRapFilmyWyp2", "Wypożyczenia przeterminowane", {}},
        {"miRapAbonenci", "Abonenci", {}},
        {"miRapRentownoscF", "Najczęściej wypożyczane filmy", {}},
        {"miRapRentownoscK", "Najlepsi klienci", {}},
        {"miUstawienia", "Ustawienia", {}},
        {"miPomoc", "Pomoc", Qt::Key_F1},
        {"Ofirmie1", "O firmie", {}},
        {"miKoniec", "Zakończ", Qt::Key_F10},
        {"miWypozycz", "Wypożyczenie", Qt::Key_F2},
        {"miZwrot", "Zwrot", Qt::Key_F3},
        {"miCofnij", "Cofnij", Qt::Key_F4},
        {"miPrzedluzenie", "Przedluzenie", Qt::Key_F5},
        {"miNastepny", "Następny", Qt::Key_Insert},
        {"miDelete", "Usuń", Qt::Key_Delete},
    };
    for (const auto& [nazwa, tekst, klawisz] : pozycje) {
        auto* a = k<QAction>(nazwa);
        if (!a) continue;
        EXPECT_EQ(a->text(), QString::fromUtf8(tekst)) << nazwa;
        EXPECT_EQ(a->shortcut(), klawisz) << nazwa;
    }
    QStringList pasek;
    for (QAction* a : fMain->menuBar()->actions()) pasek << a->text();
    EXPECT_EQ(pasek, QStringList({"Klient", "Film", "Raport", "Ustawienia", "Narzędzia", "Pomoc",
                                  "O firmie", "Zakończ"}));
    // The rent keys ride on a menu the bar does not show, and act on the whole window.
    auto* ukryte = k<QMenu>("menuWypozyczanie");
    EXPECT_EQ(ukryte->title(), "Wypożyczanie");
    for (const char* n : {"miWypozycz", "miZwrot", "miCofnij", "miPrzedluzenie", "miNastepny"})
        EXPECT_TRUE(fMain->actions().contains(k<QAction>(n))) << n;
    EXPECT_TRUE(k<QMenu>("pmWypozyczenie")->actions().contains(k<QAction>("miDelete")));
    EXPECT_EQ(k<QAction>("miDelete")->shortcutContext(), Qt::WidgetWithChildrenShortcut);

    const std::tuple<const char*, const char*, const char*> przyciski[] = {
        {"bKlientDane", "Dane <F6>", "Wyświetl dane klienta"},
        {"bKlientKonto", "Archiwum <F8> ", "Wygeneruj raport wypożyczeń klienta"},
        {"bFilmDane", "Dane <F7>", "Wyświetl informacje o filmie"},
        {"bFilmKonto", "Archiwum <F9> ", "Wygeneruj raport wypożyczeń klienta"},
        {"bNastepny", "Dodaj do wypożyczanych <Insert>", "Dodaj na listę wypożyczonych"},
        {"bUsun", "Usuń z listy <Delete>", "Usuń z listy wypożyczonych"},
        {"bWypozycz", "Wypożyczenie <F2> ", "Zapisz wypożyczenie"},
        {"bZwrot", "Zwrot <F3>", "Zapisz zwrot filmów"},
        {"bCofnij", "Cofnij <F4>", "Wycofaj wypożyczenie"},
        {"bPrzedluzenie", "Przedłużenie <F5>", "Zapisz przedłużenie wypożyczenia"},
        {"bKoniec", "KONIEC <F10>", "Wyjdź z programu"},
    };
    for (const auto& [nazwa, napis, podpowiedz] : przyciski) {
        auto* b = k<QPushButton>(nazwa);
        if (!b) continue;
        EXPECT_EQ(b->text(), QString::fromUtf8(napis)) << nazwa;
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(podpowiedz)) << nazwa;
    }
    for (const char* n : {"eKlientNr", "eFilmNr"}) {
        EXPECT_EQ(k<QLineEdit>(n)->maxLength(), 10);
        EXPECT_EQ(k<QLineEdit>(n)->toolTip(), "Po wpisaniu numeru naciśnij ENTER");
    }
    EXPECT_EQ(k<QLineEdit>("eIleDni")->maxLength(), 10);
    EXPECT_EQ(k<QLineEdit>("eWplata")->maxLength(), 10);
}

TEST_F(Pulpit, EnterPrzenosiFokusWzdluzPol) {
    Uruchom();
    Aktywuj();
    const auto enter = [&](const char* z) {
        k<QWidget>(z)->setFocus();
        QTest::keyClick(k<QWidget>(z), Qt::Key_Return);
        return QApplication::focusWidget()->objectName();
    };
    EXPECT_EQ(enter("cbTytulOrg"), "cbTytulPol");
    EXPECT_EQ(enter("eIleDni"), "eWplata");
    EXPECT_EQ(enter("eWplata"), "sgWypozyczenie");
    EXPECT_EQ(enter("sgWypozyczenie"), "cbKlient");
    k<QLineEdit>("eWplata")->setEnabled(false);
    EXPECT_EQ(enter("eIleDni"), "sgWypozyczenie");
}

TEST_F(Pulpit, UstawieniaPoAnulowaniuWciazCzytajaBaze) {
    PrzedStartem({"insert into dictionary values ('K_STAWKA', 'True', '')"});
    Uruchom();
    auto* cena = k<QLineEdit>("eCena");
    EXPECT_TRUE(cena->isEnabled());
    EXPECT_EQ(cena->focusPolicy(), Qt::StrongFocus);

    fake.PrzyOknie([](QDialog& okno) {
        EXPECT_TRUE(okno.findChild<QCheckBox*>("cbStawka")->isChecked()) << "filled before showing";
        okno.findChild<QCheckBox*>("cbStawka")->setChecked(false);
        okno.findChild<QPushButton*>("bAnuluj")->click();
        return okno.result();
    });
    k<QAction>("miUstawienia")->trigger();
    EXPECT_EQ(fake.pokazaneOkna, std::vector<QString>{"TfConfig"});
    EXPECT_TRUE(fConfig->Ustawienia.ZmianaStawki) << "reloaded from the store";
    EXPECT_TRUE(cena->isEnabled());

    fake.PrzyOknie([](QDialog& okno) {
        okno.findChild<QCheckBox*>("cbStawka")->setChecked(false);
        okno.findChild<QPushButton*>("bZapisz")->click();
        return okno.result();
    });
    k<QAction>("miUstawienia")->trigger();
    EXPECT_FALSE(cena->isEnabled());
    EXPECT_EQ(cena->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(fake.komunikaty.empty());
}

TEST_F(Pulpit, BazaKlientowZawszeOdbudowujeListe) {
    PrzedStartem(
        {"insert into klient (Numer_klienta, Imie, Nazwisko, Aktualny) values (1, 'Jan', 'Nowak', "
         "1)"});
    Uruchom();
    for (const char* pozycja : {"miKlienci", "miArchiwumK"}) {
        k<QLineEdit>("eKlientNr")->setText("0001");
        k<QComboBox>("cbKlient")->addItem("Ktoś Obcy");
        fake.PrzyOknie([](QDialog& okno) {
            TBaza::Aktywna()->Wykonaj(
                "insert into klient (Numer_klienta, Imie, Nazwisko, Aktualny) values (9, 'Ewa', "
                "'Adamska', 1)");
            return okno.result();
        });
        k<QAction>(pozycja)->trigger();
        EXPECT_TRUE(k<QLineEdit>("eKlientNr")->text().isEmpty()) << pozycja;
        EXPECT_EQ(Wpisy("cbKlient").first(), "Adamska Ewa") << pozycja;
        EXPECT_FALSE(Wpisy("cbKlient").contains("Ktoś Obcy")) << pozycja;
        EXPECT_EQ(Wpisy("cbKlient").count("Nowak Jan"), 1) << pozycja;
        EXPECT_EQ(k<QComboBox>("cbKlient")->currentIndex(), -1);
        EXPECT_FALSE(k<QPushButton>("bKlientDane")->isEnabled());
    }
    EXPECT_EQ(fake.pokazaneOkna, (std::vector<QString>{"TfKlienci", "TfKlienciArchiwum"}));
}

// After the film list the title lists hold the store's titles with none chosen, whether
// nothing changed or a change came through the program or through another connection.
TEST_F(Pulpit, BazaFilmowZostawiaListyTytulowZgodneZBaza) {
    PrzedStartem({Film(1, "Heat", "Gorączka", 4), Film(2, "Alien", "Obcy", 4)});
    Uruchom();
    const QString plik = folder + "Bazy/" + PlikBazy;
    const std::vector<std::pair<const char*, std::function<void()>>> zmiany = {
        {"bez zmian", [] {}},
        {"przez program",
         [] { TBaza::Aktywna()->Wykonaj("update film set Tytul_polski = 'Obcy 2' where ID = 2"); }},
        {"przez inne połączenie", [&] {
             sqlite3* h = nullptr;
             ASSERT_EQ(sqlite3_open(plik.toUtf8().constData(), &h), SQLITE_OK);
             EXPECT_EQ(sqlite3_exec(h, "update film set Tytul_oryginalny = 'Aliens' where ID = 2",
                                    nullptr, nullptr, nullptr),
                       SQLITE_OK);
             sqlite3_close(h);
         }}};
    const QStringList oczekiwane[] = {
        {"Alien", "Heat", "Obcy"}, {"Alien", "Heat", "Obcy 2"}, {"Aliens", "Heat", "Obcy 2"}};
    for (size_t i = 0; i < zmiany.size(); ++i) {
        const char* opis = zmiany[i].first;
        Wybierz("cbTytulOrg", 0);
        pole("eFilmNr")->setText("0002");
        fake.PrzyOknie([&](QDialog& okno) {
            zmiany[i].second();
            return okno.result();
        });
        k<QAction>("miFilmy")->trigger();
        EXPECT_EQ(Wpisy("cbTytulOrg"), oczekiwane[i].mid(0, 2)) << opis;
        EXPECT_EQ(Wpisy("cbTytulPol").value(0), oczekiwane[i][2]) << opis;
        EXPECT_EQ(k<QComboBox>("cbTytulOrg")->currentIndex(), -1) << opis;
        EXPECT_EQ(k<QComboBox>("cbTytulPol")->currentIndex(), -1) << opis;
        EXPECT_TRUE(pole("eFilmNr")->text().isEmpty()) << opis;
        EXPECT_FALSE(k<QPushButton>("bFilmDane")->isEnabled()) << opis;
    }
}

// The title lists are read while the desk works (the fixture's start waits for them; these
// do not): a film shown by its number waits for them.
TEST_F(Pulpit, ListyTytulowCzytaneWTlePrzyjdaPrzedPierwszymFilmem) {
    PrzedStartem({Film(1, "Heat", "Gorączka", 4), Film(2, "Alien", "Obcy", 4)});
    ASSERT_TRUE(fMain->Start());
    FilmNr("0001");
    EXPECT_EQ(k<QComboBox>("cbTytulOrg")->currentText(), "Heat");
    EXPECT_EQ(k<QComboBox>("cbTytulPol")->currentText(), "Gorączka");
    EXPECT_EQ(Wpisy("cbTytulPol"), QStringList({"Obcy", "Gorączka"}));
}

// A key in a list waits for them too; a film added by another counter while they were read
// is in them after the film list.
TEST_F(Pulpit, ListyTytulowCzytaneWTleWidzaZmianeBazy) {
    PrzedStartem({Film(1, "Heat", "Gorączka", 4), Film(2, "Alien", "Obcy", 4)});
    ASSERT_TRUE(fMain->Start());
    sqlite3* h = nullptr;
    ASSERT_EQ(sqlite3_open((folder + "Bazy/" + PlikBazy).toUtf8().constData(), &h), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(h, Film(3, "Zorro", "Zorro", 4).toUtf8().constData(), nullptr, nullptr,
                           nullptr),
              SQLITE_OK);
    sqlite3_close(h);
    QTest::keyClick(k<QComboBox>("cbTytulOrg"), Qt::Key_Down);
    EXPECT_EQ(k<QComboBox>("cbTytulOrg")->currentText(), "Alien");
    EXPECT_EQ(pole("eFilmNr")->text(), "0002");
    fake.PrzyOknie([](QDialog& okno) { return okno.result(); });
    k<QAction>("miFilmy")->trigger();
    EXPECT_EQ(Wpisy("cbTytulOrg"), QStringList({"Alien", "Heat", "Zorro"}));
}

TEST_F(Pulpit, ZaleglePlatnosciBezZaleglosciDajaInformacje) {
    Uruchom();
    auto* zalegle = k<QAction>("miZaleglosci");
    zalegle->setEnabled(true);
    zalegle->trigger();
    EXPECT_EQ(fake.Teksty(), std::vector<QString>{"Wszystkie należności zostały uregulowane."});
    EXPECT_TRUE(fake.pokazaneOkna.empty());
}

TEST_F(Pulpit, OFirmiePokazujeUzytkownikaIKomputer) {
    Uruchom();
    fake.PrzyOknie([](QDialog& okno) {
        EXPECT_EQ(okno.findChild<QLabel*>("lTytul")->text(), "Wirdolan");
        EXPECT_EQ(okno.findChild<QLabel*>("lUzytkownik")->text(), NazwaUzytkownika());
        EXPECT_EQ(okno.findChild<QLabel*>("lKomputer")->text(), QSysInfo::machineHostName());
        return 0;
    });
    k<QAction>("Ofirmie1")->trigger();
    EXPECT_EQ(fake.pokazaneOkna, std::vector<QString>{"TfAbout"});
    EXPECT_FALSE(NazwaUzytkownika().isEmpty());
}

TEST(Witamy, ZamykaSiePoCzasieLubKliknieciu) {
    {
        TfWitamy okno;
        auto* czas = okno.findChild<QTimer*>("tZamknij");
        ASSERT_NE(czas, nullptr);
        EXPECT_TRUE(czas->isActive()) << "runs from the window's creation";
        EXPECT_EQ(czas->interval(), 2000);
        okno.show();
        czas->start(0);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !okno.isVisible(); }));
    }
    TfWitamy okno;
    okno.show();
    QTest::mouseClick(&okno, Qt::LeftButton);
    EXPECT_FALSE(okno.isVisible());
}

TEST_F(Pulpit, UsuniecieFilmuWybieraAktualnyFilmOPowtorzonymNumerze) {
    PrzedStartem(
        {"insert into film (ID, Numer_filmu, Tytul_oryginalny, Status, Aktualny) values "
         "(1, 5, 'Stary', 1, 0)",
         "insert into film (ID, Numer_filmu, Tytul_oryginalny, Status, Aktualny) values "
         "(2, 5, 'Nowy', 1, 1)"});
    Uruchom();
    k<QLineEdit>("eFilmNr")->setText("0005");
    auto* usun = k<QAction>("miFilmUsun");
    usun->setEnabled(true);
    fake.Odpowiedz(QMessageBox::Yes);
    usun->trigger();
    TQuery q;
    q.UstawSQL("select ID, Aktualny from film order by ID");
    q.Open();
    EXPECT_FALSE(q.FieldByName("Aktualny").AsBoolean());  // ID 1 was already withdrawn
    q.Next();
    EXPECT_FALSE(q.FieldByName("Aktualny").AsBoolean());  // ID 2 is withdrawn now
    EXPECT_TRUE(k<QLineEdit>("eFilmNr")->text().isEmpty());
}

TEST_F(Pulpit, NieWPytaniuOUsuniecieFilmuTakzeCzysciWyborFilmu) {
    PrzedStartem(
        {"insert into film (ID, Numer_filmu, Tytul_oryginalny, Tytul_polski, Status, "
         "Aktualny) values (1, 5, 'Matrix', 'Matrix', 1, 1)"});
    Uruchom();
    k<QLineEdit>("eFilmNr")->setText("0005");
    k<QLineEdit>("eCena")->setText("5,00");
    auto* usun = k<QAction>("miFilmUsun");
    usun->setEnabled(true);
    fake.Odpowiedz(QMessageBox::No);
    usun->trigger();
    EXPECT_TRUE(k<QLineEdit>("eFilmNr")->text().isEmpty());
    EXPECT_TRUE(k<QLineEdit>("eCena")->text().isEmpty());
    EXPECT_EQ(Wpisy("cbTytulOrg"), QStringList{"Matrix"});  // reloaded, the film still current
    TQuery q;
    q.UstawSQL("select Aktualny from film where ID = 1");
    q.Open();
    EXPECT_TRUE(q.FieldByName("Aktualny").AsBoolean());
}

TEST_F(Pulpit, DaneFilmuONieznanymNumerzeDajaKomunikat) {
    PrzedStartem(
        {"insert into film (ID, Numer_filmu, Tytul_oryginalny, Tytul_polski, Status, "
         "Aktualny) values (1, 5, 'Matrix', 'Matrix', 1, 1)"});
    Uruchom();
    auto* numer = k<QLineEdit>("eFilmNr");
    numer->setText("5");
    QTest::keyClick(numer, Qt::Key_Return);
    ASSERT_TRUE(k<QPushButton>("bFilmDane")->isEnabled());
    numer->setText("555");  // typed over the film shown, without Enter
    k<QPushButton>("bFilmDane")->click();
    ASSERT_EQ(fake.Teksty(), std::vector<QString>{"Nie znaleziono filmu o podanym numerze."});
    EXPECT_EQ(fake.komunikaty[0].ikona, TIkona::Ostrzezenie);
    EXPECT_EQ(fake.komunikaty[0].tytul, "Wirdolan");
    EXPECT_TRUE(fake.pokazaneOkna.empty()) << "no film dialog";
    EXPECT_EQ(numer->text(), "555");
}

TEST_F(Pulpit, RaportyOkresowyIRankingiSaPodpietePodMenu) {
    Uruchom();
    fake.PrzyOknie([](QDialog& okno) { return okno.result(); });  // date range: cancelled
    k<QAction>("miRaportOkresowy")->trigger();
    EXPECT_EQ(fake.pokazaneOkna, std::vector<QString>{"TfRapDaty"});
    EXPECT_TRUE(fake.komunikaty.empty());
    // The cash-up follows the periodic report in the menu and asks for its range the same way.
    const auto raporty = k<QMenu>("menuRaport")->actions();
    EXPECT_EQ(raporty.indexOf(k<QAction>("miRaportKasowy")),
              raporty.indexOf(k<QAction>("miRaportOkresowy")) + 1);
    fake.Wyczysc();
    fake.PrzyOknie([](QDialog& okno) { return okno.result(); });
    k<QAction>("miRaportKasowy")->trigger();
    EXPECT_EQ(fake.pokazaneOkna, std::vector<QString>{"TfRapDaty"});
    EXPECT_TRUE(fake.komunikaty.empty());
    for (const char* pozycja : {"miRapRentownoscF", "miRapRentownoscK"}) {
        fake.Wyczysc();
        fake.PrzyOknie([](QDialog&) { return 0; });  // the preview, closed
        fake.Odpowiedz(QMessageBox::No);             // not printed
        k<QAction>(pozycja)->trigger();
        EXPECT_EQ(fake.pokazaneOkna, std::vector<QString>{"TfPodglad"}) << pozycja;
        EXPECT_EQ(fake.Teksty(), std::vector<QString>{"Czy rozpocząć drukowanie?"}) << pozycja;
    }
}

}  // namespace

// The error log beside the store opens with the start and its version and closes with the
// clean end; a start without an end tells the technician of a crash.
TEST_F(Pulpit, DziennikZapisujeStartZWersjaIKoniec) {
    const QString wersja = QCoreApplication::applicationVersion();
    QCoreApplication::setApplicationVersion("9.8.7");
    Uruchom();
    QCoreApplication::setApplicationVersion(wersja);
    ZakonczProgram();
    QFile f(folder + "Bazy/wirdolan.log");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList w = QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(w.size(), 2) << w.join('\n').toStdString();
    EXPECT_TRUE(w[0].endsWith("[Start] Uruchomienie programu Wirdolan 9.8.7"));
    EXPECT_TRUE(w[1].endsWith("[Koniec] Zamknięcie programu"));
}
