// Whole counter sessions through the real desk and its real dialogs, started on a fresh
// program folder: clients and films entered through their dialogs, the tariff set in the
// settings dialog, rentals, returns, extensions, undo and arrears as the operator does
// them, with the stored rows and the desk's state checked after every step.
#include <sqlite3.h>

#include <QDateEdit>
#include <QRadioButton>

#include "Operacje.h"  // PrintTo for QString; the desk's message texts
#include "app/uIloscDni.h"
#include "clients/uKlient.h"
#include "clients/uWplata.h"
#include "clients/uZaleglosci.h"
#include "films/uFilm.h"
#include "store/Baza.h"
#include "store/Formaty.h"
#include "store/Kwota.h"
#include "store/TQuery.h"
#include "store/Zegar.h"
#include "test_panele_pulpit.h"

namespace {

// Monday.
const QDate Poniedzialek(2024, 3, 4);

using operacje::CalaLista;
using operacje::Przedluzone;
using operacje::TylkoZaznaczone;
using operacje::Wycofane;
using operacje::Zapisane;
using operacje::Zwrocone;

// A stored rental, read back.
struct TRental {
    bool jest = false;
    bool zwrocono = false;
    double platnosc = 0, platnosc1 = 0, zAbonamentu = 0, naleznosc = 0, stawka = 0;
    QDate od, do_, zwrot;
};

class Przebieg : public PulpitPaneli {
protected:
    Przebieg() { UstawDzisiaj(Poniedzialek); }

    void SetUp() override {
        Uruchom();
        // Clients' IDs start far from films' and rentals', so that money booked on another
        // row's ID names no client in the journal.
        ASSERT_EQ(sqlite3_exec(TBaza::Aktywna()->Uchwyt(),
                               "delete from sqlite_sequence where name = 'klient'; insert into "
                               "sqlite_sequence (name, seq) values ('klient', 40)",
                               nullptr, nullptr, nullptr),
                  SQLITE_OK);
        fMain->activateWindow();
    }

    // ------------------------------------------------------------ the operator's hands

    // Typed key by key into a field that was emptied first.
    static void Wpisz(QLineEdit* pole, const QString& tekst) {
        ASSERT_NE(pole, nullptr);
        pole->clear();
        QTest::keyClicks(pole, tekst);
    }
    static void Wpisz(QDialog& okno, const char* nazwa, const QString& tekst) {
        auto* pole = okno.findChild<QLineEdit*>(nazwa);
        ASSERT_NE(pole, nullptr) << nazwa;
        Wpisz(pole, tekst);
    }
    static void Kliknij(QDialog& okno, const char* nazwa) {
        auto* b = okno.findChild<QAbstractButton*>(nazwa);
        ASSERT_NE(b, nullptr) << nazwa;
        b->click();
    }
    static void WybierzWpis(QDialog& okno, const char* nazwa, const QString& wpis) {
        auto* cb = okno.findChild<QComboBox*>(nazwa);
        ASSERT_NE(cb, nullptr) << nazwa;
        const int i = cb->findText(wpis);
        ASSERT_GE(i, 0) << wpis.toStdString();
        cb->setCurrentIndex(i);
        emit cb->activated(i);
    }

    // The payment dialog: what it proposed, then the amount typed and confirmed, or
    // "Nie wpłacono" (kwota < 0).
    struct TPropozycja {
        QString etykieta;
        QString kwota;
    };
    std::function<int(QDialog&)> Wplata(double kwota, TPropozycja* zapis) {
        return [kwota, zapis](QDialog& okno) {
            okno.show();
            EXPECT_EQ(okno.objectName(), "TfWplata");
            if (zapis) {
                zapis->etykieta = okno.findChild<QLabel*>("Label1")->text();
                zapis->kwota = okno.findChild<QLineEdit*>("eKwota")->text();
            }
            if (kwota < 0) {
                Kliknij(okno, "bAnuluj");
            } else {
                Wpisz(okno, "eKwota", KwotaNaEkran(TKwota::ZeZlotych(kwota)));
                Kliknij(okno, "bZapisz");
            }
            return okno.result();
        };
    }
    void Zaplac(double kwota, TPropozycja* zapis) { fake.PrzyOknie(Wplata(kwota, zapis)); }

    // "Ustawienia": further days at the given entry, late days at 100 %, the whole term
    // charged at an early return, no weekend offer, every n-th film free, the fee.
    void Ustaw(const QString& kolejnaDoba, int coKtoryGratis, double abonament) {
        fake.PrzyOknie([=](QDialog& okno) {
            okno.show();
            WybierzWpis(okno, "cbKolejnaDoba", kolejnaDoba);
            WybierzWpis(okno, "cbPoTerminie", QStringLiteral("100% należności"));
            WybierzWpis(okno, "cbPrzedTerminem", QStringLiteral("nie"));
            WybierzWpis(okno, "cbWeekend", QStringLiteral("bez zmian"));
            Wpisz(okno, "eWysokoscAb", KwotaNaEkran(TKwota::ZeZlotych(abonament)));
            okno.findChild<QRadioButton*>("rbAbIlosciowy")->click();
            Wpisz(okno, "eAbGratis", QString::number(coKtoryGratis));
            Kliknij(okno, "bZapisz");
            return okno.result();
        });
        k<QAction>("miUstawienia")->trigger();
        EXPECT_TRUE(fake.komunikaty.empty());
    }

    // "Klient" -> "Nowy": the proposed number kept, the names typed. A subscriber gets
    // the subscription ticked, valid from today, and pays the fee proposed.
    void NowyKlient(const QString& imie, const QString& nazwisko, bool abonent = false,
                    TPropozycja* oplata = nullptr) {
        fake.PrzyOknie([=, this](QDialog& okno) {
            okno.show();
            for (const char* nazwa : {"eImie", "eNazwisko"}) {
                QFocusEvent wejscie(QEvent::FocusIn, Qt::TabFocusReason);
                QApplication::sendEvent(okno.findChild<QLineEdit*>(nazwa), &wejscie);
            }
            Wpisz(okno, "eImie", imie);
            Wpisz(okno, "eNazwisko", nazwisko);
            if (abonent) {
                okno.findChild<QCheckBox*>("cbAbonament")->click();
                okno.findChild<QDateEdit*>("dAbonamentOD")->setDate(Dzisiaj());
                fake.PrzyOknie(Wplata(fConfig->Ustawienia.AbOplata.Zlote(), oplata));
                Kliknij(okno, "bWplata");
            }
            Kliknij(okno, "bZapisz");
            return okno.result();
        });
        k<QAction>("miKlientNowy")->trigger();
    }

    // "Film" -> "Nowy": the proposed number kept, the titles and the rate typed.
    void NowyFilm(const QString& org, const QString& pol, double stawka) {
        fake.PrzyOknie([=](QDialog& okno) {
            okno.show();
            Wpisz(okno, "eTytulOrg", org);
            Wpisz(okno, "eTytulPol", pol);
            Wpisz(okno, "eStawka", KwotaNaEkran(TKwota::ZeZlotych(stawka)));
            Kliknij(okno, "bZapisz");
            return okno.result();
        });
        k<QAction>("miFilmNowy")->trigger();
    }

    // The film typed by number, its days typed, then Insert.
    void DodajNumer(const QString& numer, const QString& dni) {
        Wpisz(pole("eFilmNr"), numer);
        Enter("eFilmNr");
        Wpisz(pole("eIleDni"), dni);
        Klawisz(Qt::Key_Insert);
    }
    // The film chosen by its original title, its days typed, then the add button.
    void DodajTytul(const QString& tytul, const QString& dni) {
        Wybierz("cbTytulOrg", tytul);
        Wpisz(pole("eIleDni"), dni);
        QTest::mouseClick(k<QPushButton>("bNastepny"), Qt::LeftButton);
    }
    // A key pressed on the desk, which is the active window again once a dialog has gone.
    void Klawisz(Qt::Key klawisz) {
        fMain->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(fMain));
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : fMain, klawisz);
    }
    void Odpowiedz(QMessageBox::StandardButton o) { fake.Odpowiedz(o); }
    QStringList Wpisy(const char* nazwaListy) {
        QStringList w;
        auto* cb = k<QComboBox>(nazwaListy);
        for (int i = 0; i < cb->count(); ++i) w << cb->itemText(i);
        return w;
    }
    // Rows marked with the mouse: a click on the first, a shift-click on the last.
    void Zaznacz(int od, int do_) {
        QTableWidget* sg = lista();
        const auto srodek = [&](int w) {
            return sg->visualRect(sg->model()->index(w, 0)).center();
        };
        QTest::mouseClick(sg->viewport(), Qt::LeftButton, {}, srodek(od));
        if (do_ != od)
            QTest::mouseClick(sg->viewport(), Qt::LeftButton, Qt::ShiftModifier, srodek(do_));
    }

    // ------------------------------------------------------------ what is stored

    static QVariant Wartosc(const QString& sql) {
        TQuery q;
        q.UstawSQL(sql);
        q.Open();
        if (!q.Active() || q.Eof()) return {};
        const TField& f = q.FieldByName(QStringLiteral("w"));
        return f.IsNull() ? QVariant() : QVariant(f.AsString());
    }
    static double Liczba(const QString& sql) {
        return Wartosc(sql).toString().replace(',', '.').toDouble();
    }
    static double Saldo(int numer) {
        return Liczba(
            QStringLiteral("select Saldo w from klient where Numer_klienta = %1").arg(numer));
    }
    static int Kolumna(const char* kolumna, int numer) {
        return static_cast<int>(
            Liczba(QStringLiteral("select %1 w from klient where Numer_klienta = %2")
                       .arg(QString::fromLatin1(kolumna))
                       .arg(numer)));
    }
    static bool NaPolce(int numerFilmu) {
        TQuery q;
        q.UstawSQL(
            QStringLiteral("select Status from film where Numer_filmu = %1").arg(numerFilmu));
        q.Open();
        return q.Active() && !q.Eof() && q.FieldByName("Status").AsBoolean();
    }
    static QDate OstatnieWypozyczenie(int numer) {
        TQuery q;
        q.UstawSQL(
            QStringLiteral("select Ostatnie_wypozyczenie from klient where Numer_klienta = %1")
                .arg(numer));
        q.Open();
        return q.Active() && !q.Eof() ? q.FieldByName("Ostatnie_wypozyczenie").AsDate() : QDate();
    }
    static double Wplywy(int numerFilmu) {
        return Liczba(
            QStringLiteral("select Wplywy w from film where Numer_filmu = %1").arg(numerFilmu));
    }
    static int IloscWypozyczen(int numerFilmu) {
        return static_cast<int>(
            Liczba(QStringLiteral("select Ilosc_wypozyczen w from film where Numer_filmu = %1")
                       .arg(numerFilmu)));
    }
    static int IleWypozyczen() { return static_cast<int>(Liczba("select count(*) w from rental")); }
    // The rental of the film (by number) to the client (by number): the open one, else
    // the last one.
    static TRental Rental(int numerFilmu, int numerKlienta) {
        TQuery q;
        q.UstawSQL(QStringLiteral("select r.* from rental r, film f, klient k where r.id_filmu = "
                                  "f.id and r.id_klienta = k.id and f.numer_filmu = %1 and "
                                  "k.numer_klienta = %2 order by r.zwrocono")
                       .arg(numerFilmu)
                       .arg(numerKlienta));
        q.Open();
        TRental r;
        if (!q.Active() || q.Eof()) return r;
        r.jest = true;
        r.zwrocono = q.FieldByName("zwrocono").AsBoolean();
        r.platnosc = q.FieldByName("platnosc").AsFloat();
        r.platnosc1 = q.FieldByName("platnosc1").AsFloat();
        r.zAbonamentu = q.FieldByName("z_abonamentu").AsFloat();
        r.naleznosc = q.FieldByName("naleznosc").AsFloat();
        r.stawka = q.FieldByName("stawka").AsFloat();
        r.od = q.FieldByName("dataOD").AsDate();
        r.do_ = q.FieldByName("dataDO").AsDate();
        r.zwrot = q.FieldByName("dataZwrotu").AsDate();
        return r;
    }

    // ------------------------------------------------------------ the desk's state

    QString Tekst(const char* nazwa) { return pole(nazwa)->text(); }
    bool Wlaczone(const char* nazwa) {
        if (auto* a = fMain->findChild<QAction*>(nazwa)) return a->isEnabled();
        return k<QWidget>(nazwa)->isEnabled();
    }
    // Mode Zwrot with the rentals listed as (title, number, charge), the total row and
    // the amount already paid.
    void SprawdzZwrot(const std::vector<QStringList>& wiersze, const QString& razem,
                      const QString& wplacono) {
        SCOPED_TRACE("mode Zwrot");
        for (const char* n :
             {"bZwrot", "bCofnij", "bPrzedluzenie", "miZwrot", "miCofnij", "miPrzedluzenie"})
            EXPECT_TRUE(Wlaczone(n)) << n;
        for (const char* n : {"bUsun", "miDelete", "bNastepny", "miNastepny", "eWplata"})
            EXPECT_FALSE(Wlaczone(n)) << n;
        const int k = static_cast<int>(wiersze.size());
        ASSERT_EQ(lista()->rowCount(), k + 2);
        for (int i = 0; i < k; ++i)
            EXPECT_EQ(Wiersz(i).mid(0, 3), wiersze[static_cast<size_t>(i)]) << "row " << i;
        EXPECT_EQ(Komorka(k, 0), QString(80, '='));
        EXPECT_EQ(Wiersz(k + 1).mid(0, 3), QStringList({"RAZEM DO ZAPŁATY", "", razem}));
        EXPECT_EQ(Tekst("eWplata"), wplacono);
    }
    // Mode Wypozyczanie with an empty basket.
    void SprawdzWypozyczanie() {
        SCOPED_TRACE("mode Wypozyczanie");
        for (const char* n : {"bWypozycz", "miWypozycz", "eWplata"}) EXPECT_TRUE(Wlaczone(n)) << n;
        for (const char* n : {"bZwrot", "bCofnij", "bPrzedluzenie", "miZwrot", "miCofnij",
                              "miPrzedluzenie", "bUsun", "miDelete"})
            EXPECT_FALSE(Wlaczone(n)) << n;
        EXPECT_EQ(lista()->rowCount(), 1);
        EXPECT_EQ(Komorka(0, 0), QString());
        EXPECT_EQ(Tekst("eWplata"), QString());
    }
    // The till journal's rows written since the last check ("Rodzaj Kwota Opis (klient
    // Numer)"); a row whose client ID names no client shows that ID instead.
    std::vector<QString> Kasa() {
        TQuery q;
        q.UstawSQL(QStringLiteral("select k.ID, k.Czas, k.Rodzaj, k.Kwota, k.Opis, k.id_klienta, "
                                  "kl.Numer_klienta from kasa k left join klient kl on kl.ID = "
                                  "k.id_klienta where k.ID > %1 order by k.ID")
                       .arg(kasaDo));
        q.Open();
        std::vector<QString> w;
        for (; q.Active() && !q.Eof(); q.Next()) {
            EXPECT_EQ(q.FieldByName("Czas").AsString().size(), 8);
            const TField& numer = q.FieldByName("Numer_klienta");
            const QString klient = numer.IsNull()
                                       ? "bez klienta, ID " + q.FieldByName("id_klienta").AsString()
                                       : "klient " + numer.AsString();
            w.push_back(q.FieldByName("Rodzaj").AsString() + " " +
                        KwotaNaEkran(TKwota::ZeZlotych(q.FieldByName("Kwota").AsFloat())) + " " +
                        q.FieldByName("Opis").AsString() + " (" + klient + ")");
            kasaDo = q.FieldByName("ID").AsInteger();
        }
        return w;
    }
    // What the till should hold: the journal's sum.
    static double StanKasy() { return Liczba("select sum(Kwota) w from kasa"); }
    int kasaDo = 0;

    // The messages shown since the last check, then forgotten.
    std::vector<QString> Komunikaty() {
        const std::vector<QString> t = operacje::BezLiniiFilmow(fake.Teksty());
        fake.Wyczysc();
        return t;
    }
};

// ---------------------------------------------------------------- regular client

TEST_F(Przebieg, KlientStalyWypozyczaDwaFilmyIOddajeJedenNaCzasDrugiPoTerminie) {
    Ustaw(QStringLiteral("50% stawki"), 3, 30);
    NowyFilm("Matrix", "Matrix", 5);
    NowyFilm("Alien", "Obcy", 4);
    EXPECT_EQ(Wpisy("cbTytulOrg"), QStringList({"Matrix", "Alien"}));
    EXPECT_EQ(Tekst("eFilmNr"), "0002") << "the new film is the desk's film";
    EXPECT_EQ(k<QLabel>("lStatus")->text(), "NA PÓŁCE");
    EXPECT_FALSE(Wlaczone("bNastepny")) << "no client chosen yet";
    NowyKlient("Jan", "Kowalski");
    ASSERT_TRUE(Komunikaty().empty());

    // The new client is chosen: an empty basket.
    EXPECT_EQ(k<QComboBox>("cbKlient")->currentText(), "Kowalski Jan");
    EXPECT_EQ(Tekst("eKlientNr"), "0001");
    EXPECT_EQ(Tekst("eSaldo"), "0,00");
    SprawdzWypozyczanie();

    // Two films for 2 days: 5,00 + 2,50 and 4,00 + 2,00.
    DodajNumer("1", "2");
    DodajTytul("Alien", "2");
    ASSERT_EQ(lista()->rowCount(), 4);
    EXPECT_EQ(Wiersz(0), QStringList({"Matrix", "1", "7,50", Wiersz(0)[3], "2", "5,00"}));
    EXPECT_EQ(Wiersz(1).mid(0, 3), QStringList({"Alien", "0002", "6,00"}));
    EXPECT_EQ(Wiersz(3).mid(0, 3), QStringList({"RAZEM DO ZAPŁATY", "", "13,50"}));
    EXPECT_EQ(Tekst("eWplata"), "13,50");
    EXPECT_TRUE(Wlaczone("bUsun"));

    // F2: the whole total paid.
    TPropozycja p;
    Zaplac(13.50, &p);
    Klawisz(Qt::Key_F2);
    EXPECT_EQ(p.etykieta, "Pobrano:");
    EXPECT_EQ(p.kwota, "13,50");
    EXPECT_EQ(Komunikaty(), std::vector<QString>{Zapisane});
    EXPECT_EQ(Kasa(), std::vector<QString>{"Wypożyczenie 13,50 0001, 0002 (klient 1)"});
    for (const auto& [film, naleznosc, stawka] :
         {std::tuple{1, 7.50, 5.0}, std::tuple{2, 6.00, 4.0}}) {
        const TRental r = Rental(film, 1);
        ASSERT_TRUE(r.jest) << film;
        EXPECT_FALSE(r.zwrocono);
        EXPECT_DOUBLE_EQ(r.naleznosc, naleznosc);
        EXPECT_DOUBLE_EQ(r.platnosc, 0);
        EXPECT_DOUBLE_EQ(r.stawka, stawka);
        EXPECT_EQ(r.od, Poniedzialek);
        EXPECT_EQ(r.do_, QDate(2024, 3, 6));
        EXPECT_FALSE(NaPolce(film));
    }
    EXPECT_DOUBLE_EQ(Saldo(1), 0);
    EXPECT_EQ(OstatnieWypozyczenie(1), Poniedzialek);
    SprawdzZwrot({{"Matrix", "0001", "7,50"}, {"Alien", "0002", "6,00"}}, "0,00", "13,50");
    EXPECT_EQ(Tekst("eSaldo"), "0,00");
    EXPECT_EQ(Tekst("eIleDni"), "1");
    // A rented film chosen again shows it is out.
    Wpisz(pole("eFilmNr"), "1");
    Enter("eFilmNr");
    EXPECT_EQ(k<QLabel>("lStatus")->text(), "WYPOŻYCZONY");

    // Wednesday, the due day: Alien comes back.
    UstawDzisiaj(QDate(2024, 3, 6));
    KlientNr("1");
    Zaznacz(1, 1);
    Odpowiedz(QMessageBox::Yes);
    Klawisz(Qt::Key_F3);
    EXPECT_EQ(Komunikaty(), (std::vector<QString>{TylkoZaznaczone, Zwrocone}))
        << "paid in full: no payment dialog";
    EXPECT_TRUE(Kasa().empty()) << "no money moved";
    const TRental alien = Rental(2, 1);
    EXPECT_TRUE(alien.zwrocono);
    EXPECT_EQ(alien.zwrot, QDate(2024, 3, 6));
    EXPECT_DOUBLE_EQ(alien.naleznosc, 6.00);
    EXPECT_DOUBLE_EQ(alien.platnosc1, 0);
    EXPECT_TRUE(NaPolce(2));
    EXPECT_EQ(IloscWypozyczen(2), 1);
    EXPECT_DOUBLE_EQ(Wplywy(2), 6.00);
    const TRental matrix = Rental(1, 1);
    EXPECT_FALSE(matrix.zwrocono);
    EXPECT_DOUBLE_EQ(matrix.naleznosc, 7.50);
    EXPECT_DOUBLE_EQ(matrix.platnosc, 0);
    EXPECT_DOUBLE_EQ(Saldo(1), 0);
    EXPECT_EQ(Kolumna("Licznik", 1), 1);
    SprawdzZwrot({{"Matrix", "0001", "7,50"}}, "0,00", "7,50");

    // Friday, two days late: Matrix is 7,50 + 2 x 5,00; 10,00 is still to pay.
    UstawDzisiaj(QDate(2024, 3, 8));
    KlientNr("0001");
    Odpowiedz(QMessageBox::Yes);
    Zaplac(10.00, &p);
    QTest::mouseClick(k<QPushButton>("bZwrot"), Qt::LeftButton);
    EXPECT_EQ(p.etykieta, "Do zapłaty: ");
    EXPECT_EQ(p.kwota, "10,00");
    EXPECT_EQ(Komunikaty(), (std::vector<QString>{CalaLista, Zwrocone}));
    EXPECT_EQ(Kasa(), std::vector<QString>{"Zwrot 10,00 0001 (klient 1)"});
    EXPECT_DOUBLE_EQ(StanKasy(), 23.50);
    const TRental poTerminie = Rental(1, 1);
    EXPECT_TRUE(poTerminie.zwrocono);
    EXPECT_DOUBLE_EQ(poTerminie.naleznosc, 17.50);
    EXPECT_DOUBLE_EQ(poTerminie.platnosc1, 0);
    EXPECT_TRUE(NaPolce(1));
    EXPECT_DOUBLE_EQ(Wplywy(1), 17.50);
    EXPECT_DOUBLE_EQ(Saldo(1), 0);
    EXPECT_EQ(Kolumna("Licznik", 1), 2);
    SprawdzWypozyczanie();
    EXPECT_EQ(Tekst("eSaldo"), "0,00");

    // Both films are on the shelf again and may be rented at once.
    DodajNumer("2", "1");
    EXPECT_EQ(Wiersz(0).mid(0, 3), QStringList({"Alien", "2", "4,00"}));
}

// ---------------------------------------------------------------- arrears

TEST_F(Przebieg, KlientPlaciMniejIPozniejSplacaZaleglosci) {
    Ustaw(QStringLiteral("50% stawki"), 3, 30);
    NowyFilm("Matrix", "Matrix", 5);
    NowyKlient("Ewa", "Nowak");
    ASSERT_TRUE(Komunikaty().empty());

    // One day at 5,00; 3,00 paid.
    DodajNumer("1", "1");
    EXPECT_EQ(Tekst("eWplata"), "5,00");
    TPropozycja p;
    Zaplac(3.00, &p);
    Klawisz(Qt::Key_F2);
    EXPECT_EQ(p.kwota, "5,00");
    EXPECT_EQ(Komunikaty(), std::vector<QString>{Zapisane});
    EXPECT_EQ(Kasa(), std::vector<QString>{"Wypożyczenie 3,00 0001 (klient 1)"});
    TRental r = Rental(1, 1);
    EXPECT_DOUBLE_EQ(r.naleznosc, 5.00);
    EXPECT_DOUBLE_EQ(r.platnosc, 2.00);
    EXPECT_DOUBLE_EQ(Saldo(1), -2.00);
    SprawdzZwrot({{"Matrix", "0001", "5,00"}}, "2,00", "3,00");
    EXPECT_EQ(Tekst("eSaldo"), "-2,00");
    EXPECT_EQ(k<QWidget>("pKlient")->palette().color(QPalette::Window),
              fMain->palette().color(QPalette::Dark))
        << "a client in debt";

    // Wednesday, one day late: 5,00 + 5,00, of which 3,00 was paid; nothing paid now.
    UstawDzisiaj(QDate(2024, 3, 6));
    Wybierz("cbKlient", "Nowak Ewa");
    Odpowiedz(QMessageBox::Yes);
    Zaplac(-1, &p);
    Klawisz(Qt::Key_F3);
    EXPECT_EQ(p.kwota, "7,00");
    EXPECT_EQ(Komunikaty(), (std::vector<QString>{CalaLista, Zwrocone}));
    EXPECT_TRUE(Kasa().empty()) << "nothing paid";
    r = Rental(1, 1);
    EXPECT_TRUE(r.zwrocono);
    EXPECT_DOUBLE_EQ(r.naleznosc, 10.00);
    EXPECT_DOUBLE_EQ(r.platnosc1, 7.00);
    EXPECT_DOUBLE_EQ(Saldo(1), -7.00);
    SprawdzWypozyczanie();
    EXPECT_EQ(Tekst("eSaldo"), "-7,00");

    // "Zaległe płatności": 4,00 of 7,00 paid and booked, then the rest.
    for (const auto& [kwota, pytanie, zostaje, saldo] :
         {std::tuple{4.00, true, "3,00", -3.00}, std::tuple{3.00, false, "0,00", 0.00}}) {
        SCOPED_TRACE(kwota);
        QString lista, razem, potem;
        fake.PrzyOknie([&, kwota = kwota, pytanie = pytanie, this](QDialog& okno) {
            okno.show();
            auto* sg = okno.findChild<QTableWidget*>("sgZaleglosci");
            // The header row is the list's own header.
            EXPECT_EQ(sg->horizontalHeaderItem(3)->text(), "Należność");
            EXPECT_EQ(sg->rowCount(), 3);
            if (sg->rowCount() != 3) return okno.result();
            lista = sg->item(0, 0)->text() + " | " + sg->item(0, 1)->text() + " | " +
                    sg->item(0, 2)->text() + " | " + sg->item(0, 3)->text();
            razem = sg->item(2, 3)->text();
            fake.PrzyOknie(Wplata(kwota, nullptr));
            if (pytanie) Odpowiedz(QMessageBox::Yes);
            Kliknij(okno, "bWplata");
            potem = sg->item(2, 3)->text();
            Kliknij(okno, "bZamknij");
            return okno.result();
        });
        k<QAction>("miZaleglosci")->trigger();
        EXPECT_EQ(lista, QString("Matrix (Matrix) | 04.03.2024 | 06.03.2024 | ") +
                             (kwota == 4.00 ? "7,00" : "3,00"));
        EXPECT_EQ(razem, kwota == 4.00 ? "7,00" : "3,00");
        EXPECT_EQ(potem, zostaje);
        const std::vector<QString> pokazane = Komunikaty();
        EXPECT_EQ(pokazane.size(), pytanie ? 1u : 0u);
        EXPECT_DOUBLE_EQ(Saldo(1), saldo);
        EXPECT_DOUBLE_EQ(Rental(1, 1).platnosc1, -saldo);
        EXPECT_EQ(Tekst("eSaldo"), KwotaNaEkran(TKwota::ZeZlotych(saldo)))
            << "the desk reloads the client";
        EXPECT_EQ(Kasa(),
                  std::vector<QString>{"Zaległości " + KwotaNaEkran(TKwota::ZeZlotych(kwota)) +
                                       " zaległe należności (klient 1)"});
    }
    EXPECT_DOUBLE_EQ(StanKasy(), 10.00);
    k<QAction>("miZaleglosci")->trigger();
    EXPECT_EQ(Komunikaty(), std::vector<QString>{"Wszystkie należności zostały uregulowane."});
}

// ---------------------------------------------------------------- subscriber

TEST_F(Przebieg, AbonentCoTrzeciFilmGratis) {
    Ustaw(QStringLiteral("50% stawki"), 3, 30);
    EXPECT_EQ(fConfig->Ustawienia.TypAb, 1);
    EXPECT_EQ(fConfig->Ustawienia.AbGratis, 3);
    NowyFilm("Matrix", "Matrix", 5);
    NowyFilm("Alien", "Obcy", 4);
    NowyFilm("Brazil", "Brazil", 3);
    TPropozycja oplata;
    NowyKlient("Adam", "Lis", true, &oplata);
    EXPECT_EQ(oplata.etykieta, "Do zapłaty:");
    EXPECT_EQ(oplata.kwota, "30,00");
    ASSERT_TRUE(Komunikaty().empty());
    EXPECT_EQ(Kasa(), std::vector<QString>{"Abonament 30,00 opłata za abonament (klient 1)"});
    EXPECT_DOUBLE_EQ(Saldo(1), 30.00);
    EXPECT_EQ(Wartosc("select Abonament w from klient").toString(), "True");
    EXPECT_TRUE(k<QCheckBox>("cbAbonament")->isChecked());
    EXPECT_EQ(Tekst("eAbonamentOD"), "04.03.24");
    EXPECT_EQ(Tekst("eAbonamentDO"), "03.04.24");
    EXPECT_EQ(Tekst("eSaldo"), "30,00");

    // Three films for a day each: the third is free; the subscriber pays nothing now.
    DodajNumer("1", "1");
    EXPECT_EQ(Tekst("eWplata"), "0,00");
    DodajNumer("2", "1");
    DodajNumer("3", "1");
    ASSERT_EQ(lista()->rowCount(), 5);
    EXPECT_EQ(Komorka(0, 2), "5,00");
    EXPECT_EQ(Komorka(1, 2), "4,00");
    EXPECT_EQ(Komorka(2, 2), "0,00");
    EXPECT_EQ(Komorka(4, 2), "9,00");
    EXPECT_EQ(Tekst("eWplata"), "0,00");
    EXPECT_EQ(fMain->PanelKlienta().LicznikAb(), 3);

    TPropozycja p;
    Zaplac(0, &p);
    Klawisz(Qt::Key_F2);
    EXPECT_EQ(p.kwota, "0,00");
    EXPECT_EQ(Komunikaty(), std::vector<QString>{Zapisane});
    EXPECT_TRUE(Kasa().empty()) << "nothing taken";
    EXPECT_DOUBLE_EQ(Rental(1, 1).platnosc, 5.00);
    EXPECT_DOUBLE_EQ(Rental(2, 1).platnosc, 4.00);
    EXPECT_DOUBLE_EQ(Rental(3, 1).platnosc, 0.00);
    EXPECT_DOUBLE_EQ(Rental(3, 1).naleznosc, 0.00);
    EXPECT_DOUBLE_EQ(Saldo(1), 21.00) << "the subscriber's credit is not spent at rental";
    EXPECT_EQ(Kolumna("LicznikAb", 1), 3);
    SprawdzZwrot(
        {{"Matrix", "0001", "5,00"}, {"Alien", "0002", "4,00"}, {"Brazil", "0003", "0,00"}}, "9,00",
        "0,00");
    EXPECT_EQ(Tekst("eSaldo"), "21,00");

    // Tuesday, on time: the subscription covers everything from the balance.
    UstawDzisiaj(QDate(2024, 3, 5));
    KlientNr("1");
    Odpowiedz(QMessageBox::Yes);
    Klawisz(Qt::Key_F3);
    EXPECT_EQ(Komunikaty(), (std::vector<QString>{CalaLista, Zwrocone}));
    for (const auto& [film, naleznosc] : {std::pair{1, 5.00}, {2, 4.00}, {3, 0.00}}) {
        const TRental r = Rental(film, 1);
        EXPECT_TRUE(r.zwrocono) << film;
        EXPECT_DOUBLE_EQ(r.naleznosc, naleznosc) << film;
        EXPECT_DOUBLE_EQ(r.zAbonamentu, naleznosc) << film;
        EXPECT_DOUBLE_EQ(r.platnosc1, 0) << film;
        EXPECT_TRUE(NaPolce(film));
    }
    EXPECT_DOUBLE_EQ(Saldo(1), 21.00);
    EXPECT_EQ(Kolumna("Licznik", 1), 3);
    EXPECT_EQ(Kolumna("LicznikAb", 1), 3);
    SprawdzWypozyczanie();

    // The counter goes on: the next two films are priced, the sixth is free again.
    DodajNumer("1", "1");
    DodajNumer("2", "1");
    DodajNumer("3", "1");
    EXPECT_EQ(Komorka(0, 2), "5,00");
    EXPECT_EQ(Komorka(1, 2), "4,00");
    EXPECT_EQ(Komorka(2, 2), "0,00");
}

// ---------------------------------------------------------------- extension

TEST_F(Przebieg, PrzedluzenieAPotemZwrotPoNowymTerminie) {
    Ustaw(QStringLiteral("50% stawki"), 3, 30);
    NowyFilm("Matrix", "Matrix", 5);
    NowyKlient("Jan", "Kowalski");
    DodajNumer("1", "2");
    Zaplac(7.50, nullptr);
    Klawisz(Qt::Key_F2);
    ASSERT_EQ(Komunikaty(), std::vector<QString>{Zapisane});

    // Thursday, a day late, the client keeps it 2 more days: a 5-day rental from Monday,
    // 5,00 + 4 x 2,50; 7,50 more.
    UstawDzisiaj(QDate(2024, 3, 7));
    KlientNr("1");
    fake.PrzyOknie([](QDialog& okno) {
        okno.show();
        EXPECT_EQ(okno.objectName(), "TfIloscDni");
        Wpisz(okno, "eIleDni", "2");
        Kliknij(okno, "bOK");
        return okno.result();
    });
    Odpowiedz(QMessageBox::Yes);
    TPropozycja p;
    Zaplac(7.50, &p);
    Klawisz(Qt::Key_F5);
    EXPECT_EQ(p.etykieta, "Dopłacono:");
    EXPECT_EQ(p.kwota, "7,50");
    EXPECT_EQ(Komunikaty(), (std::vector<QString>{CalaLista, Przedluzone}));
    EXPECT_EQ(Kasa(), (std::vector<QString>{"Wypożyczenie 7,50 0001 (klient 1)",
                                            "Przedłużenie 7,50 0001 (klient 1)"}));
    TRental r = Rental(1, 1);
    EXPECT_FALSE(r.zwrocono);
    EXPECT_EQ(r.do_, QDate(2024, 3, 9));
    EXPECT_DOUBLE_EQ(r.naleznosc, 15.00);
    EXPECT_DOUBLE_EQ(r.platnosc, 0);
    EXPECT_DOUBLE_EQ(Saldo(1), 0);
    SprawdzZwrot({{"Matrix", "0001", "15,00"}}, "0,00", "15,00");
    EXPECT_EQ(Komorka(0, 4), "5");
    EXPECT_EQ(Tekst("eIleDni"), "2");

    // Monday the 11th, two days past the new due date: 15,00 + 2 x 5,00.
    UstawDzisiaj(QDate(2024, 3, 11));
    KlientNr("1");
    Zaznacz(0, 0);
    Odpowiedz(QMessageBox::Yes);
    Zaplac(10.00, &p);
    Klawisz(Qt::Key_F3);
    EXPECT_EQ(p.kwota, "10,00");
    EXPECT_EQ(Komunikaty(), (std::vector<QString>{TylkoZaznaczone, Zwrocone}));
    EXPECT_EQ(Kasa(), std::vector<QString>{"Zwrot 10,00 0001 (klient 1)"});
    EXPECT_DOUBLE_EQ(StanKasy(), 25.00) << "the whole charge, paid in three parts";
    r = Rental(1, 1);
    EXPECT_TRUE(r.zwrocono);
    EXPECT_DOUBLE_EQ(r.naleznosc, 25.00);
    EXPECT_DOUBLE_EQ(r.platnosc1, 0);
    EXPECT_DOUBLE_EQ(Saldo(1), 0);
    EXPECT_DOUBLE_EQ(Wplywy(1), 25.00);
    SprawdzWypozyczanie();
}

// ---------------------------------------------------------------- undo

TEST_F(Przebieg, CofniecieJednegoZDwochFilmowOddajeNadwyzke) {
    Ustaw(QStringLiteral("50% stawki"), 3, 30);
    NowyFilm("Matrix", "Matrix", 5);
    NowyFilm("Alien", "Obcy", 4);
    NowyKlient("Jan", "Kowalski");
    DodajNumer("1", "2");
    DodajNumer("2", "2");
    // 10,00 of 13,50: Matrix paid, Alien 3,50 short.
    Zaplac(10.00, nullptr);
    Klawisz(Qt::Key_F2);
    ASSERT_EQ(Komunikaty(), std::vector<QString>{Zapisane});
    EXPECT_DOUBLE_EQ(Rental(1, 1).platnosc, 0);
    EXPECT_DOUBLE_EQ(Rental(2, 1).platnosc, 3.50);
    EXPECT_DOUBLE_EQ(Saldo(1), -3.50);
    SprawdzZwrot({{"Matrix", "0001", "7,50"}, {"Alien", "0002", "6,00"}}, "3,50", "10,00");

    // Matrix was a mistake: 10,00 paid for what now costs 6,00; 4,00 handed back.
    Zaznacz(0, 0);
    Odpowiedz(QMessageBox::Yes);
    Klawisz(Qt::Key_F4);
    EXPECT_EQ(Komunikaty(),
              (std::vector<QString>{TylkoZaznaczone, "Pobrano za wysoką kwotę.\nDo zwrotu 4,00",
                                    Wycofane}));
    EXPECT_EQ(Kasa(), (std::vector<QString>{"Wypożyczenie 10,00 0001, 0002 (klient 1)",
                                            "Wycofanie -4,00 0001 (klient 1)"}));
    EXPECT_FALSE(Rental(1, 1).jest);
    EXPECT_TRUE(NaPolce(1));
    EXPECT_DOUBLE_EQ(Rental(2, 1).platnosc, 0);
    EXPECT_DOUBLE_EQ(Saldo(1), 0);
    EXPECT_EQ(Kolumna("LicznikAb", 1), -1);
    EXPECT_EQ(IloscWypozyczen(1), 0);
    SprawdzZwrot({{"Alien", "0002", "6,00"}}, "0,00", "6,00");
    EXPECT_EQ(Tekst("eSaldo"), "0,00");

    // The rest withdrawn too: the desk is a basket again.
    Odpowiedz(QMessageBox::Yes);
    QTest::mouseClick(k<QPushButton>("bCofnij"), Qt::LeftButton);
    EXPECT_EQ(Komunikaty(), (std::vector<QString>{
                                CalaLista, "Pobrano za wysoką kwotę.\nDo zwrotu 6,00", Wycofane}));
    EXPECT_EQ(Kasa(), std::vector<QString>{"Wycofanie -6,00 0002 (klient 1)"});
    EXPECT_DOUBLE_EQ(StanKasy(), 0) << "everything handed back";
    EXPECT_EQ(IleWypozyczen(), 0);
    EXPECT_TRUE(NaPolce(2));
    EXPECT_DOUBLE_EQ(Saldo(1), 0);
    SprawdzWypozyczanie();
}

// ---------------------------------------------------------------- mixed list

TEST_F(Przebieg, DoOtwartychWypozyczenDochodziNowyFilm) {
    Ustaw(QStringLiteral("50% stawki"), 3, 30);
    NowyFilm("Matrix", "Matrix", 5);
    NowyFilm("Alien", "Obcy", 4);
    NowyKlient("Jan", "Kowalski");
    DodajNumer("1", "2");
    Zaplac(7.50, nullptr);
    Klawisz(Qt::Key_F2);
    ASSERT_EQ(Komunikaty(), std::vector<QString>{Zapisane});

    // Tuesday: the client comes back for another film, 3 days: 4,00 + 2 x 2,00.
    UstawDzisiaj(QDate(2024, 3, 5));
    KlientNr("1");
    SprawdzZwrot({{"Matrix", "0001", "7,50"}}, "0,00", "7,50");
    EXPECT_TRUE(Wlaczone("bWypozycz")) << "left as the earlier basket left it";
    DodajTytul("Alien", "3");
    ASSERT_EQ(lista()->rowCount(), 4);
    EXPECT_EQ(Wiersz(0).mid(0, 3), QStringList({"Matrix", "0001", "7,50"}));
    EXPECT_EQ(Wiersz(1).mid(0, 3), QStringList({"Alien", "0002", "8,00"}));
    EXPECT_EQ(Komorka(3, 2), "8,00") << "what is owed on the whole list";
    EXPECT_EQ(Tekst("eWplata"), "7,50");

    // 5,00 of 8,00 paid.
    TPropozycja p;
    Zaplac(5.00, &p);
    Klawisz(Qt::Key_F2);
    EXPECT_EQ(p.kwota, "8,00");
    EXPECT_EQ(Komunikaty(), std::vector<QString>{Zapisane});
    TRental matrix = Rental(1, 1), alien = Rental(2, 1);
    EXPECT_EQ(matrix.od, Poniedzialek);
    EXPECT_DOUBLE_EQ(matrix.platnosc, 0);
    EXPECT_EQ(alien.od, QDate(2024, 3, 5));
    EXPECT_EQ(alien.do_, QDate(2024, 3, 8));
    EXPECT_DOUBLE_EQ(alien.naleznosc, 8.00);
    EXPECT_DOUBLE_EQ(alien.platnosc, 3.00);
    EXPECT_EQ(IleWypozyczen(), 2);
    EXPECT_DOUBLE_EQ(Saldo(1), -3.00);
    SprawdzZwrot({{"Matrix", "0001", "7,50"}, {"Alien", "0002", "8,00"}}, "3,00", "12,50");
    EXPECT_EQ(Tekst("eSaldo"), "-3,00");

    // Friday both come back: Matrix two days late (7,50 + 10,00), Alien on time (8,00).
    UstawDzisiaj(QDate(2024, 3, 8));
    KlientNr("1");
    Odpowiedz(QMessageBox::Yes);
    Zaplac(13.00, &p);
    Klawisz(Qt::Key_F3);
    EXPECT_EQ(p.kwota, "13,00");
    EXPECT_EQ(Komunikaty(), (std::vector<QString>{CalaLista, Zwrocone}));
    matrix = Rental(1, 1);
    alien = Rental(2, 1);
    EXPECT_DOUBLE_EQ(matrix.naleznosc, 17.50);
    EXPECT_DOUBLE_EQ(alien.naleznosc, 8.00);
    EXPECT_DOUBLE_EQ(matrix.platnosc1 + alien.platnosc1, 0);
    EXPECT_DOUBLE_EQ(Saldo(1), 0);
    EXPECT_EQ(Kolumna("Licznik", 1), 2);
    SprawdzWypozyczanie();
}

}  // namespace

// ---------------------------------------------------------------- the till

TEST_F(Przebieg, KasaZapisujeNadplateIWplateNaKontoAleNieNieudanaOperacje) {
    Ustaw(QStringLiteral("50% stawki"), 3, 30);
    NowyFilm("Matrix", "Matrix", 5);
    NowyFilm("Alien", "Obcy", 4);
    NowyKlient("Jan", "Kowalski");
    ASSERT_TRUE(Komunikaty().empty());

    // 8,00 taken for 5,00: 3,00 handed back.
    DodajNumer("1", "1");
    Zaplac(8.00, nullptr);
    Klawisz(Qt::Key_F2);
    EXPECT_EQ(Komunikaty().size(), 2u);
    EXPECT_EQ(Kasa(), (std::vector<QString>{"Wypożyczenie 8,00 0001 (klient 1)",
                                            "Wypożyczenie -3,00 0001 (klient 1)"}));
    EXPECT_EQ(Liczba("select count(*) w from kasa where Data = \"04.03.2024\""), 2);

    // A commit whose last statement fails stores nothing, journal included.
    sqlite3_exec(TBaza::Aktywna()->Uchwyt(),
                 "create trigger blad before update of Ostatnie_wypozyczenie on klient "
                 "begin select raise(abort, 'blad'); end",
                 nullptr, nullptr, nullptr);
    DodajNumer("2", "1");
    Zaplac(4.00, nullptr);
    Klawisz(Qt::Key_F2);
    Komunikaty();
    EXPECT_TRUE(Kasa().empty());
    EXPECT_TRUE(NaPolce(2));
    sqlite3_exec(TBaza::Aktywna()->Uchwyt(), "drop trigger blad", nullptr, nullptr, nullptr);

    // A payment into the account in the client record is booked when the record is saved.
    for (const bool zapisz : {false, true}) {
        fake.PrzyOknie([&, this](QDialog& okno) {
            okno.show();
            fake.PrzyOknie(Wplata(12.50, nullptr));
            Kliknij(okno, "bWplata");
            Kliknij(okno, zapisz ? "bZapisz" : "bAnuluj");
            return okno.result();
        });
        QTest::mouseClick(k<QPushButton>("bKlientDane"), Qt::LeftButton);
        EXPECT_EQ(Kasa(),
                  zapisz ? std::vector<QString>{"Wpłata 12,50 wpłata na konto klienta (klient 1)"}
                         : std::vector<QString>{})
            << zapisz;
    }
    EXPECT_DOUBLE_EQ(Saldo(1), 12.50);

    EXPECT_DOUBLE_EQ(StanKasy(), 17.50);
}
