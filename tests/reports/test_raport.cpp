#include <gtest/gtest.h>

#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include "FakeDrukarka.h"
#include "Pomocnicze.h"
#include "reports/PodgladStron.h"
#include "reports/Raport.h"
#include "reports/uPodglad.h"
#include "store/Formaty.h"
#include "store/uWspolneDB.h"
#include "support/FakeInterakcja.h"
#include "support/TestowaBaza.h"

namespace {

// A client list over the store: page header, title, column header, detail, footer.
class TRaportProbny : public TRaport {
public:
    TRaportProbny() {
        TytulZadania = QStringLiteral("Wirdolan - próba");
        auto& naglowek = Pasmo(TRodzajPasma::NaglowekStrony, 8);
        naglowek.Etykieta(QStringLiteral("Klienci"), 0, TCzcionka::PogrubionaKursywa());
        naglowek.DataWydruku(165, TCzcionka::PogrubionaKursywa());
        auto& tytul = Pasmo(TRodzajPasma::Tytul, 10);
        tytul.ramka = true;
        tytul.Etykieta(QStringLiteral("Lista klientów"), 3, TCzcionka::Pogrubiona(12));
        auto& kolumny = Pasmo(TRodzajPasma::NaglowekKolumn, 6);
        kolumny.ramka = true;
        kolumny.Etykieta(QStringLiteral("Nr"), 0, TCzcionka::Pogrubiona()).KonczySieNa(15);
        kolumny.Etykieta(QStringLiteral("Klient"), 20, TCzcionka::Pogrubiona());
        auto& wiersz = Pasmo(TRodzajPasma::Szczegoly, 5);
        wiersz.Pole(QStringLiteral("nr"), 0, TFormat::NumerGdyJest).KonczySieNa(15);
        wiersz.Pole(QStringLiteral("klient"), 20);
        wiersz.Pole(QStringLiteral("saldo"), 120, TFormat::Kwota);
        wiersz.Pole(QStringLiteral("od"), 150, TFormat::Data);
    }
    void Przygotuj() {
        OtworzSQL(Dane, QStringLiteral("select Numer_klienta nr, Nazwisko klient, Saldo saldo, "
                                       "Abonament_OD od from klient order by ID"));
    }
};

void DodajKlientow(const TestowaBaza& baza, int ile) {
    for (int i = 1; i <= ile; ++i)
        baza.Wykonaj(QStringLiteral("insert into klient (Numer_klienta, Nazwisko, Saldo) "
                                    "values (%1, 'Klient %1', %1.5)")
                         .arg(i));
}

QString PdfNaTekst(const QString& plik) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), plik, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

TEST(Raport, PasmaStronyJednejZDanymi) {
    TestowaBaza baza(QDate(2024, 3, 5));
    DodajKlientow(baza, 2);
    baza.Wykonaj("insert into klient (Nazwisko, Abonament_OD) values ('Bez numeru', '2024-02-01')");
    TRaportProbny r;
    r.Przygotuj();
    const auto strony = r.Strony();
    ASSERT_EQ(strony.size(), 1u);
    const TStrona& s = strony[0];

    EXPECT_EQ(Teksty(s, TRodzajPasma::NaglowekStrony),
              (std::vector<QString>{"Klienci", "05.03.2024"}));
    EXPECT_EQ(Teksty(s, TRodzajPasma::Tytul), (std::vector<QString>{"Lista klientów"}));
    EXPECT_EQ(Teksty(s, TRodzajPasma::Szczegoly),
              (std::vector<QString>{"0001", "Klient 1", "1,50", "0002", "Klient 2", "2,50",
                                    "Bez numeru", "0,00", "01.02.2024"}));

    // Bands follow one another down the page; the footer sits at its bottom.
    const auto* data = s.Znajdz("05.03.2024");
    EXPECT_DOUBLE_EQ(data->prostokat.x(), 165);
    EXPECT_TRUE(data->czcionka.pogrubiona && data->czcionka.kursywa);
    EXPECT_DOUBLE_EQ(s.Znajdz("Lista klientów")->prostokat.y(), 8);
    EXPECT_DOUBLE_EQ(s.Znajdz("Klient")->prostokat.y(), 18);
    EXPECT_DOUBLE_EQ(s.Znajdz("0001")->prostokat.y(), 24);
    EXPECT_DOUBLE_EQ(s.Znajdz("0002")->prostokat.y(), 29);
    const auto* nr = s.Znajdz("Nr");
    EXPECT_EQ(nr->wyrownanie, TWyrownanie::DoPrawej);
    EXPECT_DOUBLE_EQ(nr->prostokat.right(), 15);
    ASSERT_EQ(s.ramki.size(), 2u);
    EXPECT_EQ(s.ramki[0], QRectF(0, 8, 190, 10));
    EXPECT_EQ(s.ramki[1], QRectF(0, 18, 190, 6));

    const auto stopka = s.TekstyPasma(TRodzajPasma::StopkaStrony);
    ASSERT_EQ(stopka.size(), 1u);
    EXPECT_EQ(stopka[0].tekst, "Wydruk z programu Wirdolan");
    EXPECT_EQ(stopka[0].czcionka, TCzcionka::Zwykla(7));
    EXPECT_EQ(stopka[0].wyrownanie, TWyrownanie::DoPrawej);
    EXPECT_DOUBLE_EQ(stopka[0].prostokat.right(), 190);
    EXPECT_GE(stopka[0].prostokat.y(), 270);
    EXPECT_LE(stopka[0].prostokat.bottom(), 277);
    EXPECT_FALSE(r.Dane.Active()) << "the produced report closes its query";
}

TEST(Raport, DlugaListaDzieliSieNaStronyZNaglowkamiIStopkaNaKazdej) {
    TestowaBaza baza;
    DodajKlientow(baza, 120);
    TRaportProbny r;
    r.Przygotuj();
    const auto& strony = r.Strony();
    ASSERT_GE(strony.size(), 3u);

    int wierszy = 0;
    int oczekiwany = 1;
    for (size_t i = 0; i < strony.size(); ++i) {
        const TStrona& s = strony[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(Teksty(s, TRodzajPasma::NaglowekStrony).size(), 2u);
        EXPECT_EQ(Teksty(s, TRodzajPasma::NaglowekKolumn), (std::vector<QString>{"Nr", "Klient"}));
        EXPECT_EQ(Teksty(s, TRodzajPasma::Tytul).size(), i == 0 ? 1u : 0u);
        EXPECT_EQ(Teksty(s, TRodzajPasma::StopkaStrony),
                  (std::vector<QString>{"Wydruk z programu Wirdolan"}));
        const double gornaStopki = s.TekstyPasma(TRodzajPasma::StopkaStrony)[0].prostokat.y();
        for (const auto& t : s.TekstyPasma(TRodzajPasma::Szczegoly)) {
            EXPECT_LE(t.prostokat.bottom(), gornaStopki + 0.5);
            if (t.prostokat.x() == 0) {  // the number: rows run on without a gap or repeat
                EXPECT_EQ(t.tekst, Numer4(oczekiwany++));
                ++wierszy;
            }
        }
        if (i + 1 < strony.size()) {  // a full page leaves no room for another row
            const auto w = s.TekstyPasma(TRodzajPasma::Szczegoly);
            EXPECT_GT(w.back().prostokat.y() + 2 * 5, 277 - 5);
        }
    }
    EXPECT_EQ(wierszy, 120);
}

TEST(Raport, PustyRaportDrukujeNaglowkiIStopke) {
    TestowaBaza baza;
    TRaportProbny r;
    r.Przygotuj();
    const auto& strony = r.Strony();
    ASSERT_EQ(strony.size(), 1u);
    EXPECT_NE(strony[0].Znajdz("Lista klientów"), nullptr);
    EXPECT_NE(strony[0].Znajdz("Klient"), nullptr);
    EXPECT_NE(strony[0].Znajdz("Wydruk z programu Wirdolan"), nullptr);
    EXPECT_TRUE(strony[0].TekstyPasma(TRodzajPasma::Szczegoly).empty());

    TRaport bezZapytania;  // a query that failed to open leaves the same
    EXPECT_EQ(bezZapytania.Strony().size(), 1u);
}

TEST(Raport, HakPrzedWierszemWypelniaTekstyNazwane) {
    TestowaBaza baza;
    DodajKlientow(baza, 3);
    TRaport r;
    auto& wiersz = r.Pasmo(TRodzajPasma::Szczegoly, 5);
    wiersz.Etykieta(QString(), 10).Nazwa("lOpis");
    wiersz.Etykieta("stały", 100);
    r.PrzedSzczegolem = [](TPasmo& p, const TQuery& q) {
        p.Element("lOpis")->tekst = "nr " + q.FieldByName("nr").AsString();
        if (q.FieldByName("nr").AsInteger() == 2) p.Element("lOpis")->widoczny = false;
    };
    OtworzSQL(r.Dane, "select Numer_klienta nr from klient order by nr");
    const auto t = Teksty(r.Strony()[0], TRodzajPasma::Szczegoly);
    EXPECT_EQ(t, (std::vector<QString>{"nr 1", "stały", "stały", "nr 3", "stały"}));
}

TEST(Raport, WierszeCzytaneRazASumaWTytule) {
    TestowaBaza baza;
    DodajKlientow(baza, 3);
    TRaport r;
    auto& tytul = r.Pasmo(TRodzajPasma::Tytul, 7);
    tytul.Etykieta("Razem:", 0);
    tytul.Etykieta("?", 30).Nazwa("lRazem");
    r.Pasmo(TRodzajPasma::Szczegoly, 5).Pole("los", 0);
    int wierszy = 0;
    r.PrzedSzczegolem = [&](TPasmo&, const TQuery&) { ++wierszy; };
    r.PoSzczegolach = [&] {
        r.ZnajdzPasmo(TRodzajPasma::Tytul)->Element("lRazem")->tekst = QString::number(wierszy);
    };
    // A sorted result of values drawn anew each time the statement runs.
    OtworzSQL(r.Dane, "select Numer_klienta nr, random() los from klient order by nr");
    const QString pierwszy = r.Dane.FieldByName("los").AsString();
    const TStrona s = r.Strona(0);
    const auto linie = Teksty(s, TRodzajPasma::Szczegoly);
    ASSERT_EQ(linie.size(), 3u);
    EXPECT_EQ(linie[0], pierwszy) << "the statement ran again for the layout";
    EXPECT_EQ(Teksty(s, TRodzajPasma::Tytul), (std::vector<QString>{"Razem:", "3"}));
    EXPECT_EQ(s.Znajdz("3")->prostokat.top(), s.Znajdz("Razem:")->prostokat.top());
    EXPECT_EQ(wierszy, 3) << "each row laid out once";
}

TEST(Raport, PodgladPotemPytaniePotemDrukNaDomyslnejDrukarce) {
    TestowaBaza baza;
    DodajKlientow(baza, 70);
    TRaportProbny r;
    r.Przygotuj();
    FakeDrukarka drukarka;
    FakeInterakcja f;
    int stronPodgladu = 0;
    f.PrzyOknie([&](QDialog& okno) {
        auto* podglad = okno.findChild<TPodgladStron*>("podglad");
        stronPodgladu = podglad->LiczbaStron();
        return QDialog::Accepted;
    });
    f.Odpowiedz(QMessageBox::Yes);
    r.Pokaz();
    EXPECT_EQ(f.pokazaneOkna, (std::vector<QString>{"TfPodglad"}));
    EXPECT_EQ(stronPodgladu, 2);
    ASSERT_EQ(f.komunikaty.size(), 1u);
    EXPECT_EQ(f.komunikaty[0].tekst, "Czy rozpocząć drukowanie?");
    EXPECT_EQ(f.komunikaty[0].domyslny, QMessageBox::Yes);
    EXPECT_EQ(drukarka.zadania, (std::vector<QString>{"Wirdolan - próba"}));
    EXPECT_EQ(drukarka.strony, (std::vector<int>{2}));
}

TEST(Raport, OdpowiedzNieNicNieDrukuje) {
    TestowaBaza baza;
    TRaportProbny r;
    FakeDrukarka drukarka;
    FakeInterakcja f;
    f.PrzyOknie([](QDialog&) { return QDialog::Accepted; });
    f.Odpowiedz(QMessageBox::No);
    r.Pokaz();
    EXPECT_TRUE(drukarka.zadania.empty());
}

TEST(Raport, BezDrukarkiOperatorWieIMozeZapisacPdf) {
    TestowaBaza baza;
    TRaportProbny r;
    r.Przygotuj();
    FakeDrukarka drukarka(false);
    FakeInterakcja f;
    QTemporaryDir katalog;
    const QString plik = katalog.filePath("zapis.pdf");
    f.Odpowiedz(QMessageBox::Yes);  // save as PDF instead
    f.PrzyOknie([&](QDialog& okno) {
        auto& dialog = dynamic_cast<QFileDialog&>(okno);
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        dialog.selectFile(plik);
        return QDialog::Accepted;
    });
    r.Drukuj();
    ASSERT_EQ(f.komunikaty.size(), 1u);
    EXPECT_TRUE(f.komunikaty[0].tekst.contains("nie ma zainstalowanej drukarki"));
    EXPECT_TRUE(drukarka.zadania.empty());
    EXPECT_TRUE(PdfNaTekst(plik).contains("Lista klientów"));
}

TEST(Raport, NieudanyDrukINieudanyZapisSaZgloszone) {
    TestowaBaza baza;
    TRaportProbny r;
    FakeInterakcja f;
    {
        FakeDrukarka drukarka(true, false);
        r.Drukuj();
        ASSERT_EQ(f.komunikaty.size(), 1u);
        EXPECT_TRUE(f.komunikaty[0].tekst.startsWith("Nie udało się wydrukować raportu."));
    }
    f.Wyczysc();
    f.PrzyOknie([](QDialog& okno) {
        dynamic_cast<QFileDialog&>(okno).selectFile("/nie/ma/takiego/folderu/r.pdf");
        return QDialog::Accepted;
    });
    EXPECT_FALSE(r.ZapiszJakoPDF());
    EXPECT_FALSE(r.ZapiszPDF("/nie/ma/takiego/folderu/r.pdf"));
    ASSERT_EQ(f.komunikaty.size(), 1u);
    EXPECT_TRUE(f.komunikaty[0].tekst.startsWith("Nie udało się zapisać raportu w pliku"));
}

TEST(Raport, ZapisPDFProponujeTytulZadaniaJakoNazwePliku) {
    TestowaBaza baza;
    TRaportProbny r;
    r.TytulZadania = QStringLiteral("Wirdolan - raport: A/B");
    FakeInterakcja f;
    QString proponowany;
    f.PrzyOknie([&](QDialog& okno) {
        auto& dialog = dynamic_cast<QFileDialog&>(okno);
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("pdf"));
        proponowany = dialog.selectedFiles().value(0);
        return QDialog::Rejected;
    });
    // Cancelled: nothing is written and nothing is reported.
    EXPECT_FALSE(r.ZapiszJakoPDF());
    EXPECT_EQ(f.pokazaneOkna, (std::vector<QString>{"dZapiszPDF"}));
    EXPECT_TRUE(f.komunikaty.empty());
    EXPECT_TRUE(proponowany.endsWith(QStringLiteral("/Wirdolan - raport_ A_B.pdf")))
        << proponowany.toStdString();
}

TEST(Raport, PodgladPokazujeStronyPoKoleiIRysujeTylkoBiezaca) {
    TestowaBaza baza;
    DodajKlientow(baza, 70);
    TRaportProbny r;
    r.Przygotuj();
    TfPodglad okno(r);
    okno.resize(700, 900);
    okno.show();
    auto* podglad = okno.findChild<TPodgladStron*>("podglad");
    auto* nastepna = okno.findChild<QPushButton*>("bNastepna");
    auto* poprzednia = okno.findChild<QPushButton*>("bPoprzednia");
    ASSERT_EQ(podglad->LiczbaStron(), 2);
    EXPECT_EQ(okno.OpisStrony(), "Strona 1 z 2");
    EXPECT_FALSE(poprzednia->isEnabled());
    const QImage pierwsza = podglad->widget()->grab().toImage();
    nastepna->click();
    EXPECT_EQ(podglad->BiezacaStrona(), 2);
    EXPECT_EQ(okno.findChild<QLabel*>("lStrona")->text(), "Strona 2 z 2");
    EXPECT_FALSE(nastepna->isEnabled());
    // The second page is another picture than the first, and not a blank sheet.
    const QImage druga = podglad->widget()->grab().toImage();
    EXPECT_NE(pierwsza, druga);
    QImage pusta = druga;
    pusta.fill(Qt::white);
    EXPECT_NE(druga, pusta);
    poprzednia->click();
    EXPECT_EQ(podglad->BiezacaStrona(), 1);
    // Zooming in widens the sheet; fitting the width brings it back into the view.
    const int szerokosc = podglad->widget()->width();
    okno.findChild<QPushButton*>("bPowieksz")->click();
    EXPECT_GT(podglad->widget()->width(), szerokosc);
    okno.findChild<QPushButton*>("bSzerokoscStrony")->click();
    EXPECT_LE(podglad->widget()->width(), podglad->viewport()->width());
}
