#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>

#include "Pomocnicze.h"
#include "reports/uRapPotwierdzenie.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/Zegar.h"
#include "store/uWspolneDB.h"
#include "support/FakeInterakcja.h"
#include "support/Kwoty.h"
#include "support/TestowaBaza.h"

namespace {

TWypozyczalnia Sklep(TPapierPotwierdzenia papier) {
    return {QStringLiteral("Wypożyczalnia Żółw"), QStringLiteral("ul. Świętokrzyska 5"),
            QStringLiteral("90-001 Łódź"),        QStringLiteral("42 600 00 00"),
            QStringLiteral("725-001-00-03"),      papier};
}

TPotwierdzenie Operacja(TRodzajOperacji rodzaj) {
    TPotwierdzenie p;
    p.Rodzaj = rodzaj;
    p.Chwila = QDateTime(QDate(2024, 3, 4), QTime(14, 5));
    p.NumerKlienta = 7;
    p.Klient = QStringLiteral("Nowak Anna");
    const QDate koniec =
        rodzaj == TRodzajOperacji::Przedluzenie ? QDate(2024, 3, 9) : QDate(2024, 3, 6);
    TPozycjaPotwierdzenia f{
        1, 12, QStringLiteral("Matrix (Matrix)"), QDate(2024, 3, 4), koniec, QDate(), 10_zl};
    TPozycjaPotwierdzenia g{2,
                            345,
                            QStringLiteral("Ogniem i mieczem (Ogniem i mieczem)"),
                            QDate(2024, 3, 4),
                            koniec,
                            QDate(),
                            7.50_zl};
    if (rodzaj == TRodzajOperacji::Zwrot) f.DataZwrotu = g.DataZwrotu = QDate(2024, 3, 6);
    p.Pozycje = {f, g};
    p.Zaplacono = 15_zl;
    p.Pozostaje = 2.50_zl;
    p.Saldo = -2.50_zl;
    p.Termin = rodzaj == TRodzajOperacji::Zwrot ? QDate() : koniec;
    return p;
}

std::vector<QString> Wszystkie(const std::vector<TStrona>& strony) {
    std::vector<QString> t;
    for (const TStrona& s : strony)
        for (const TUlozonyTekst& u : s.teksty) t.push_back(u.tekst);
    return t;
}

bool Jest(const std::vector<QString>& teksty, const QString& tekst) {
    return std::find(teksty.begin(), teksty.end(), tekst) != teksty.end();
}

// The same amount of money and the same films on every paper; a roll fits its width
// and is as long as its content.
class Potwierdzenie : public ::testing::TestWithParam<TPapierPotwierdzenia> {};

TEST_P(Potwierdzenie, WypozyczenieZTerminemDuzymDrukiem) {
    TRapPotwierdzenie raport(Operacja(TRodzajOperacji::Wypozyczenie), Sklep(GetParam()));
    const auto& strony = raport.Strony();
    ASSERT_EQ(strony.size(), 1u);
    const std::vector<QString> t = Wszystkie(strony);
    for (const char* s :
         {"Wypożyczalnia Żółw", "ul. Świętokrzyska 5", "90-001 Łódź", "tel. 42 600 00 00",
          "NIP 725-001-00-03", "Data: 04.03.2024, godz. 14:05", "Klient: 0007 Nowak Anna",
          "Razem opłaty:", "17,50 zł", "Zapłacono:", "15,00 zł", "Pozostaje do zapłaty:", "2,50 zł",
          "Saldo klienta:", "-2,50 zł", "Termin zwrotu:", "Wydruk z programu Wirdolan"})
        EXPECT_TRUE(Jest(t, QString::fromUtf8(s))) << s;
    EXPECT_FALSE(Jest(t, QStringLiteral("Wydano nadpłatę:"))) << "nothing handed back";

    // The due date in large print, below the money.
    const TUlozonyTekst* termin = nullptr;
    for (const TUlozonyTekst& u : strony[0].teksty)
        if (u.tekst == QStringLiteral("06.03.2024") && u.czcionka.punkty >= 18) termin = &u;
    ASSERT_NE(termin, nullptr);
    EXPECT_GT(termin->prostokat.top(),
              strony[0].Znajdz(QStringLiteral("Saldo klienta:"))->prostokat.top());

    const double szerokosc = raport.Format.SzerokoscObszaru();
    for (const TUlozonyTekst& u : strony[0].teksty) {
        EXPECT_GE(u.prostokat.left(), 0) << u.tekst.toStdString();
        EXPECT_LE(u.prostokat.right(), szerokosc + 1e-9) << u.tekst.toStdString();
    }
    if (GetParam() == TPapierPotwierdzenia::A4) {
        EXPECT_EQ(raport.Format, TFormatStrony{});
        EXPECT_TRUE(Jest(t, QStringLiteral("Matrix (Matrix)")));
        EXPECT_TRUE(Jest(t, QStringLiteral("0345")));
        EXPECT_TRUE(Jest(t, QStringLiteral("Termin zwrotu")));
        EXPECT_TRUE(Jest(t, QStringLiteral("POTWIERDZENIE WYPOŻYCZENIA")));
    } else {
        EXPECT_EQ(raport.Format.szerokosc, GetParam() == TPapierPotwierdzenia::Rolka80 ? 80 : 58);
        EXPECT_TRUE(Jest(t, QStringLiteral("0012 Matrix (Matrix)")));
        EXPECT_TRUE(Jest(t, QStringLiteral("04.03.2024 - 06.03.2024")));
        EXPECT_TRUE(Jest(t, QStringLiteral("WYPOŻYCZENIA")));
        // The roll ends below the last line, not at A4's length.
        double dol = 0;
        for (const TUlozonyTekst& u : strony[0].teksty) dol = std::max(dol, u.prostokat.bottom());
        EXPECT_GE(raport.Format.WysokoscObszaru(), dol);
        EXPECT_LE(raport.Format.WysokoscObszaru(), dol + 2);
    }
}

TEST_P(Potwierdzenie, ZwrotPodajeDateZwrotuINadplate) {
    TPotwierdzenie p = Operacja(TRodzajOperacji::Zwrot);
    p.Wydano = 4_zl;
    TRapPotwierdzenie raport(p, Sklep(GetParam()));
    const std::vector<QString> t = Wszystkie(raport.Strony());
    EXPECT_TRUE(Jest(t, QStringLiteral("Wszystkie filmy zostały zwrócone.")) ||
                Jest(t, QStringLiteral("Wszystkie filmy zostały")))
        << "no film left out";
    EXPECT_FALSE(Jest(t, QStringLiteral("Termin zwrotu:")));
    EXPECT_TRUE(Jest(t, QStringLiteral("Wydano nadpłatę:")));
    EXPECT_TRUE(Jest(t, QStringLiteral("4,00 zł")));
    if (GetParam() == TPapierPotwierdzenia::A4) {
        EXPECT_TRUE(Jest(t, QStringLiteral("POTWIERDZENIE ZWROTU")));
        EXPECT_TRUE(Jest(t, QStringLiteral("Zwrócono")));
        EXPECT_FALSE(Jest(t, QStringLiteral("Termin zwrotu")));
    } else {
        EXPECT_TRUE(Jest(t, QStringLiteral("ZWROTU")));
        EXPECT_TRUE(Jest(t, QStringLiteral("04.03.2024, zwrot 06.03.2024")));
    }

    // Films still out after a partial return: their first due date.
    p.Termin = QDate(2024, 3, 8);
    TRapPotwierdzenie czesciowy(p, Sklep(GetParam()));
    const std::vector<QString> c = Wszystkie(czesciowy.Strony());
    EXPECT_TRUE(Jest(c, QStringLiteral("08.03.2024")));
    EXPECT_FALSE(Jest(c, QStringLiteral("Wszystkie filmy zostały zwrócone.")));
}

TEST_P(Potwierdzenie, PrzedluzenieZNowymTerminem) {
    TRapPotwierdzenie raport(Operacja(TRodzajOperacji::Przedluzenie), Sklep(GetParam()));
    const std::vector<QString> t = Wszystkie(raport.Strony());
    EXPECT_TRUE(Jest(t, QStringLiteral("09.03.2024")));
    EXPECT_TRUE(Jest(t, QStringLiteral("Termin zwrotu:")));
    EXPECT_TRUE(Jest(t, GetParam() == TPapierPotwierdzenia::A4
                            ? QStringLiteral("POTWIERDZENIE PRZEDŁUŻENIA")
                            : QStringLiteral("PRZEDŁUŻENIA")));
}

INSTANTIATE_TEST_SUITE_P(Papiery, Potwierdzenie,
                         ::testing::Values(TPapierPotwierdzenia::A4, TPapierPotwierdzenia::Rolka80,
                                           TPapierPotwierdzenia::Rolka58));

TEST(PotwierdzenieStrony, WieleFilmowNaA4DalejNaRolceJednaStrona) {
    TPotwierdzenie p = Operacja(TRodzajOperacji::Wypozyczenie);
    p.Pozycje.assign(70, p.Pozycje[0]);
    TRapPotwierdzenie a4(p, Sklep(TPapierPotwierdzenia::A4));
    const auto& strony = a4.Strony();
    ASSERT_EQ(strony.size(), 2u);
    for (const TStrona& s : strony)
        for (const TUlozonyTekst& u : s.teksty)
            EXPECT_LE(u.prostokat.bottom(), TRaport::WysokoscObszaru + 1e-9);
    TRapPotwierdzenie rolka(p, Sklep(TPapierPotwierdzenia::Rolka80));
    EXPECT_EQ(rolka.Strony().size(), 1u);
    EXPECT_GT(rolka.Format.wysokosc, 297) << "a roll runs as long as the slip";
}

TEST(PotwierdzenieStrony, DlugaNazwaLamieSieNaWaskiejRolce) {
    TWypozyczalnia w = Sklep(TPapierPotwierdzenia::Rolka58);
    w.Nazwa = QStringLiteral("Wypożyczalnia Filmów Ósmy Pasażer Nostromo");
    TRapPotwierdzenie raport(Operacja(TRodzajOperacji::Wypozyczenie), w);
    const std::vector<QString> t = Wszystkie(raport.Strony());
    EXPECT_FALSE(Jest(t, w.Nazwa)) << "too wide for 52 mm in one line";
    EXPECT_TRUE(Jest(t, QStringLiteral("Wypożyczalnia Filmów")));
}

// Polish letters reach the PDF as letters.
TEST(PotwierdzenieStrony, PdfZPolskimiLiterami) {
    FakeInterakcja fake;
    QTemporaryDir katalog;
    const QString plik = katalog.filePath(QStringLiteral("potwierdzenie.pdf"));
    TRapPotwierdzenie raport(Operacja(TRodzajOperacji::Przedluzenie),
                             Sklep(TPapierPotwierdzenia::Rolka80));
    ASSERT_TRUE(raport.ZapiszPDF(plik));
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {plik, QStringLiteral("-")});
    p.waitForFinished(30000);
    const QString tekst = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(tekst.contains(QStringLiteral("PRZEDŁUŻENIA"))) << tekst.toStdString();
    EXPECT_TRUE(tekst.contains(QStringLiteral("90-001 Łódź")));
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {plik});
    info.waitForFinished(30000);
    const QString opis = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(opis.contains(QRegularExpression(QStringLiteral("Page size: +227 x"))))
        << "80 mm wide: " << opis.toStdString();
}

TEST(PotwierdzenieStrony, UzupelnieniePoNumerachZeSklepu) {
    TestowaBaza baza;
    baza.Wykonaj(
        QStringLiteral("insert into klient (ID, Numer_klienta, Imie, Nazwisko) values "
                       "(3, 41, 'Łucja', 'Żak')"));
    baza.Wykonaj(
        QStringLiteral("insert into film (ID, Numer_filmu, Tytul_oryginalny, "
                       "Tytul_polski) values (5, 77, 'Jaws', 'Szczęki'), (6, 78, "
                       "'Solaris', '')"));
    baza.Wykonaj(
        QStringLiteral("insert into rental (id_filmu, id_klienta, dataOD, dataDO, "
                       "zwrocono) values (5, 3, '2024-03-01', '2024-03-09', 0), (6, 3, "
                       "'2024-03-01', '2024-03-07', 0), (6, 3, '2024-02-01', "
                       "'2024-02-03', 1)"));
    TPotwierdzenie p;
    p.IdKlienta = 3;
    p.Pozycje = {{5, 0, {}, {}, {}, {}, 0_zl}, {6, 0, {}, {}, {}, {}, 0_zl}};
    UzupelnijPotwierdzenie(p);
    EXPECT_EQ(p.NumerKlienta, 41);
    EXPECT_EQ(p.Klient, QStringLiteral("Żak Łucja"));
    EXPECT_EQ(p.Pozycje[0].NumerFilmu, 77);
    EXPECT_EQ(p.Pozycje[0].Tytul, QStringLiteral("Jaws (Szczęki)"));
    EXPECT_EQ(p.Pozycje[1].Tytul, QStringLiteral("Solaris"));
    EXPECT_EQ(p.Termin, QDate(2024, 3, 7)) << "the first open due date, returned rows aside";
}

TEST(PotwierdzenieStrony, OstatniaOperacjaKlientaZeSklepu) {
    TestowaBaza baza;
    baza.Wykonaj(
        "insert into klient (ID, Numer_klienta, Imie, Nazwisko, Saldo) values (3, 41, 'Łucja', "
        "'Żak', -2.5)");
    baza.Wykonaj(
        "insert into film (ID, Numer_filmu, Tytul_oryginalny, Tytul_polski) values (5, 77, "
        "'Jaws', 'Szczęki'), (6, 78, 'Solaris', '')");
    EXPECT_FALSE(OstatniaOperacja(3)) << "no operation yet";
    const auto kasa = [&](const char* dzien, const char* rodzaj, double kwota, const char* opis) {
        baza.Wykonaj(QStringLiteral("insert into kasa (Data, Czas, id_klienta, Rodzaj, Kwota, "
                                    "Opis) values ('%1', '10:15:00', 3, '%2', %3, '%4')")
                         .arg(dzien, rodzaj, QString::number(kwota), opis));
    };
    // Rented on 4 March, 5,00 paid of 7,50.
    baza.Wykonaj(
        "insert into rental (id_filmu, id_klienta, dataOD, dataDO, zwrocono, platnosc, "
        "Platnosc1, naleznosc) values (5, 3, '2024-03-04', '2024-03-06', 0, 2.5, 0, 7.5)");
    kasa("2024-03-04", "Wypożyczenie", 5, "0077");
    // Returned on 6 March without money: the day's returns, without the time.
    const auto zwrot = [&] {
        baza.Wykonaj(
            "update rental set zwrocono = True, DataZwrotu = '2024-03-06', Platnosc1 = 2.5, "
            "platnosc = 0");
    };
    // An arrears payment on 7 March; an extension of Solaris on 8 March, a surplus handed back.
    const auto zaleglosci = [&] {
        baza.Wykonaj("update rental set Platnosc1 = 0; update klient set Saldo = 0");
        kasa("2024-03-07", "Zaległości", 2.5, "Wpłata zaległości");
    };
    const auto przedluzenie = [&] {
        baza.Wykonaj(
            "insert into rental (id_filmu, id_klienta, dataOD, dataDO, zwrocono, platnosc, "
            "Platnosc1, naleznosc) values (6, 3, '2024-03-08', '2024-03-12', 0, 0, 0, 9)");
        kasa("2024-03-08", "Przedłużenie", 10, "0078");
        kasa("2024-03-08", "Przedłużenie", -1, "0078");
    };
    const struct {
        std::function<void()> krok;
        TRodzajOperacji rodzaj;
        bool bezGodziny;
        std::vector<qint64> filmy;
        TKwota zaplacono, wydano, pozostaje;
    } kroki[] = {
        {[] {}, TRodzajOperacji::Wypozyczenie, false, {77}, 5_zl, 0_zl, 2.50_zl},
        {zwrot, TRodzajOperacji::Zwrot, true, {77}, 0_zl, 0_zl, 2.50_zl},
        {zaleglosci, TRodzajOperacji::Zaleglosci, false, {}, 2.50_zl, 0_zl, 0_zl},
        {przedluzenie, TRodzajOperacji::Przedluzenie, false, {78}, 10_zl, 1_zl, 0_zl},
    };
    for (const auto& k : kroki) {
        k.krok();
        const std::optional<TPotwierdzenie> p = OstatniaOperacja(3);
        ASSERT_TRUE(p);
        EXPECT_EQ(p->Rodzaj, k.rodzaj);
        EXPECT_EQ(p->BezGodziny, k.bezGodziny);
        std::vector<qint64> filmy;
        for (const TPozycjaPotwierdzenia& f : p->Pozycje) filmy.push_back(f.NumerFilmu);
        EXPECT_EQ(filmy, k.filmy);
        EXPECT_KWOTA(p->Zaplacono, k.zaplacono);
        EXPECT_KWOTA(p->Wydano, k.wydano);
        EXPECT_KWOTA(p->Pozostaje, k.pozostaje);
        EXPECT_EQ(p->Klient, QStringLiteral("Żak Łucja"));
    }
    // The arrears payment's slip: the money without a list of films.
    TPotwierdzenie wplata = Operacja(TRodzajOperacji::Zaleglosci);
    const std::vector<QString> t =
        Wszystkie(TRapPotwierdzenie(wplata, Sklep(TPapierPotwierdzenia::A4)).Strony());
    EXPECT_TRUE(Jest(t, QStringLiteral("POTWIERDZENIE WPŁATY ZALEGŁOŚCI")));
    EXPECT_FALSE(Jest(t, QStringLiteral("Razem opłaty:")));
    EXPECT_FALSE(Jest(t, QStringLiteral("Matrix (Matrix)")));
}

}  // namespace
