// The engine and alias checks of the start-up.
#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include "store/Formaty.h"
#include "store/uWspolneDB.h"
#include "support/FakeInterakcja.h"

namespace {

const QString TekstInstalacji = QString::fromUtf8(
    "Za chwilę zostanie uruchomiona instalacja BDE koniecznego do uruchomienia programu. Po "
    "włożeniu do napędu CD-ROM płyty z instalatorem aplikacji proszę nacisnąć OK.");
const QString PytanieOPobranie = QString::fromUtf8(
    "Brak instalatora BDE na dysku CD-ROM. Odpowiedni plik można pobrać ze strony internetowej "
    "producenta oprogramowania. Całkowity rozmiar instalatora wynosi: 5.7 MB.\nCzy połączyć się "
    "ze stroną producenta w celu pobrania BDE?");
const QString PytanieOAlias = QString::fromUtf8(
    "Brak aliasu (\"Film\") w BDE lub niepoprawne określenie ścieżki dostępu do Bazy danych. "
    "Czy chcesz zmienić to ustawienie? \nJeśli nie jesteś pewny swej decyzji - naciśnij NIE i "
    "skontaktuj się z administratorem systemu.");

// Scripted answers go to questions only, as the support fake documents; a plain notice
// never takes one.
class Odpowiedzi : public FakeInterakcja {
public:
    QMessageBox::StandardButton Pokaz(const TKomunikat& k) override {
        if (k.przyciski == QMessageBox::Ok) {
            komunikaty.push_back(k);
            return QMessageBox::Ok;
        }
        return FakeInterakcja::Pokaz(k);
    }
};

struct Srodowisko {
    bool silnik = false;
    QStringList pliki;
    QStringList uruchomione;
    QList<QUrl> strony;
    TSrodowiskoStartu Start() {
        return {[this] { return silnik; }, [this](const QString& p) { return pliki.contains(p); },
                [this](const QString& p) { uruchomione << p; },
                [this](const QUrl& u) { strony << u; }};
    }
};

// The message shown, field by field.
void Sprawdz(const TKomunikat& k, const TKomunikat& oczekiwany) {
    EXPECT_EQ(k.tekst, oczekiwany.tekst);
    EXPECT_EQ(k.tytul, oczekiwany.tytul);
    EXPECT_EQ(k.ikona, oczekiwany.ikona);
    EXPECT_EQ(k.przyciski, oczekiwany.przyciski);
    EXPECT_EQ(k.domyslny, oczekiwany.domyslny);
}

}  // namespace

TEST(SprawdzBDE, DzialajacySilnikNiczegoNiePokazuje) {
    Odpowiedzi fake;
    Srodowisko s;
    s.silnik = true;
    EXPECT_TRUE(SprawdzBDE(s.Start()));
    EXPECT_TRUE(fake.komunikaty.empty());
}

TEST(SprawdzBDE, InstalatorNaDyskachDiEUruchamiaTylkoTenZD) {
    Odpowiedzi fake;
    Srodowisko s;
    s.pliki = {"E:\\BDE\\setup.exe", "D:\\BDE\\setup.exe"};
    EXPECT_FALSE(SprawdzBDE(s.Start()));
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    Sprawdz(fake.komunikaty[0], {TekstInstalacji, TytulAplikacji, TIkona::Ostrzezenie,
                                 QMessageBox::Ok, QMessageBox::Ok});
    EXPECT_EQ(s.uruchomione, QStringList{"D:\\BDE\\setup.exe"});
    EXPECT_TRUE(s.strony.isEmpty());
}

// Without the installer the download is offered: Yes opens the page, No ends without it.
TEST(SprawdzBDE, BezInstalatoraPytaOStrone) {
    for (const QMessageBox::StandardButton odpowiedz : {QMessageBox::Yes, QMessageBox::No}) {
        Odpowiedzi fake;
        fake.Odpowiedz(odpowiedz);
        Srodowisko s;
        EXPECT_FALSE(SprawdzBDE(s.Start()));
        ASSERT_EQ(fake.komunikaty.size(), 2u);
        EXPECT_EQ(fake.komunikaty[0].tekst, TekstInstalacji);
        Sprawdz(fake.komunikaty[1], {PytanieOPobranie, TytulAplikacji, TIkona::Pytanie,
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes});
        EXPECT_EQ(s.strony,
                  odpowiedz == QMessageBox::Yes ? QList<QUrl>{StronaPobierania} : QList<QUrl>{});
        EXPECT_TRUE(s.uruchomione.isEmpty());
    }
}

namespace {

class Alias : public ::testing::Test {
protected:
    void SetUp() override {
        program = katalog.path() + "/program/";
        QDir().mkpath(program + "Bazy");
    }
    QString Sciezka() const {
        QSettings ini(plik, QSettings::IniFormat);
        return ini.value("Film/PATH").toString();
    }
    void UstawSciezke(const QString& sciezka) {
        TSesjaBDE(plik).DodajAlias("Film", "STANDARD", sciezka, "PARADOX");
    }
    QTemporaryDir katalog;
    QString plik = katalog.path() + "/konfiguracja/silnik.ini";
    QString program;
    Odpowiedzi fake;
};

}  // namespace

TEST_F(Alias, BrakujacyAliasTworzonyIPrzechodzi) {
    TSesjaBDE sesja(plik);
    QString katalogBazy;
    EXPECT_TRUE(SprawdzAlias(sesja, program, katalogBazy));
    EXPECT_EQ(katalogBazy, program + "Bazy/");
    EXPECT_TRUE(fake.komunikaty.empty());
    QSettings ini(plik, QSettings::IniFormat);
    EXPECT_EQ(ini.value("Film/TYPE").toString(), "STANDARD");
    EXPECT_EQ(ini.value("Film/PATH").toString(), program + "Bazy/");
    EXPECT_EQ(ini.value("Film/DEFAULT DRIVER").toString(), "PARADOX");
}

TEST_F(Alias, ProgramBezUkosnikaNaKoncu) {
    TSesjaBDE sesja(plik);
    QString katalogBazy;
    program.chop(1);
    EXPECT_TRUE(SprawdzAlias(sesja, program, katalogBazy));
    EXPECT_EQ(katalogBazy, program + "/Bazy/");
}

TEST_F(Alias, TenSamKatalogInnaWielkoscLiterPrzechodziBezPytania) {
    QDir().mkpath(program + "bazy");  // on this platform the folder must exist to connect
    UstawSciezke(program + "bazy");
    TSesjaBDE sesja(plik);
    QString katalogBazy;
    EXPECT_TRUE(SprawdzAlias(sesja, program, katalogBazy));
    EXPECT_EQ(katalogBazy, program + "bazy/");
    EXPECT_TRUE(fake.komunikaty.empty());
}

TEST_F(Alias, InnyKatalogNieKonczyProgram) {
    QDir().mkpath(katalog.path() + "/inne");
    UstawSciezke(katalog.path() + "/inne/");
    fake.Odpowiedz(QMessageBox::No);
    TSesjaBDE sesja(plik);
    QString katalogBazy;
    EXPECT_FALSE(SprawdzAlias(sesja, program, katalogBazy));
    ASSERT_EQ(fake.komunikaty.size(), 1u);
    Sprawdz(fake.komunikaty[0], {PytanieOAlias, TytulAplikacji, TIkona::Pytanie,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No});
    EXPECT_EQ(Sciezka(), katalog.path() + "/inne/");  // nothing rewritten
    EXPECT_TRUE(katalogBazy.isEmpty());
}

TEST_F(Alias, InnyKatalogTakPrzepisujeAKolejnyStartPrzechodzi) {
    QDir().mkpath(katalog.path() + "/inne");
    UstawSciezke(katalog.path() + "/inne/");
    fake.Odpowiedz(QMessageBox::Yes);
    {
        TSesjaBDE sesja(plik);
        QString katalogBazy;
        EXPECT_TRUE(SprawdzAlias(sesja, program, katalogBazy));
        EXPECT_EQ(katalogBazy, program + "Bazy/");
    }
    EXPECT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_EQ(Sciezka(), program + "Bazy/");
    TSesjaBDE nastepna(plik);
    QString katalogBazy;
    EXPECT_TRUE(SprawdzAlias(nastepna, program, katalogBazy));
    EXPECT_EQ(katalogBazy, program + "Bazy/");
    EXPECT_EQ(fake.komunikaty.size(), 1u);
}

TEST_F(Alias, NieistniejacyKatalogAliasuPyta) {
    UstawSciezke(katalog.path() + "/nie-ma/");
    fake.Odpowiedz(QMessageBox::Yes);
    TSesjaBDE sesja(plik);
    QString katalogBazy;
    EXPECT_TRUE(SprawdzAlias(sesja, program, katalogBazy));
    EXPECT_EQ(fake.komunikaty.size(), 1u);
    EXPECT_EQ(katalogBazy, program + "Bazy/");
}

TEST(DodajUkosnik, JedenSeparatorNigdyPodwojny) {
    EXPECT_EQ(DodajUkosnik("/opt/wirdolan"), "/opt/wirdolan/");
    EXPECT_EQ(DodajUkosnik("/opt/wirdolan/"), "/opt/wirdolan/");
    EXPECT_EQ(DodajUkosnik("C:\\Wirdolan\\"), "C:\\Wirdolan\\");
    EXPECT_EQ(DodajUkosnik(""), "");
    EXPECT_EQ(DodajUkosnik("a"), "a/");
}
