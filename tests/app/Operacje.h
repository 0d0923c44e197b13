// The desk on a test store for the operations on its list: a client shown as a client
// load shows it, films in the store, the basket filled as the film panel fills it, the
// payment and days dialogs answered from a script, and the stored rows read back.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>
#include <ostream>

#include "app/KoszykPulpitu.h"
#include "app/ListaWypozyczen.h"
#include "app/PanelKlienta.h"
#include "app/uIloscDni.h"
#include "app/uMain.h"
#include "app/uProgram.h"
#include "clients/uWplata.h"
#include "settings/uConfig.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/Katalogi.h"
#include "store/Liczby.h"
#include "support/FakeInterakcja.h"
#include "support/TestowaBaza.h"

inline void PrintTo(const QString& tekst, std::ostream* os) {
    *os << '"' << tekst.toStdString() << '"';
}

namespace operacje {

// A rental row of the store, read back.
struct TZapisany {
    bool jest = false;
    bool zwrocono = false;
    double platnosc = 0, platnosc1 = 0, zAbonamentu = 0, naleznosc = 0, stawka = 0;
    QString dataOD, dataDO, dataZwrotu;
};

// What the payment dialog proposed.
struct TPropozycja {
    QString etykieta;
    double kwota = -1;
    QString rozliczenie;  // the breakdown's lines
};

// The messages shown, the extension's closing box by its first line (the lines of its
// films are checked on their own).
inline std::vector<QString> BezLiniiFilmow(std::vector<QString> teksty) {
    const QString przedluzone = QStringLiteral("Przedłużenie zostało zapisane.");
    for (QString& t : teksty)
        if (t.startsWith(przedluzone + QLatin1Char('\n'))) t = przedluzone;
    return teksty;
}

// A film row for the list: the film's ID, number, price of the row, days and rate.
struct TPozycja {
    int id;
    int numer;
    double cena;
    int dni;
    double stawka;
};

class Operacje : public ::testing::Test {
protected:
    // Monday 4 March 2024 unless a test moves the clock.
    Operacje() : baza(QDate(2024, 3, 4)) {
        UtworzOkna();
        KatalogBazy = baza.Katalog();
        TUstawienia u;
        u.KolejnaDoba = 50;
        u.PoTerminie = 100;
        u.PrzedTerminem = false;
        u.Weekend = 0;
        u.TypAb = 1;
        u.AbGratis = 3;
        fConfig->Ustawienia = u;
    }
    ~Operacje() override {
        ZniszczOkna();
        KatalogBazy.clear();
    }

    template <typename T>
    T* k(const char* nazwa) {
        T* w = fMain->findChild<T*>(nazwa);
        EXPECT_NE(w, nullptr) << nazwa;
        return w;
    }
    QTableWidget* sg() { return k<QTableWidget>("sgWypozyczenie"); }
    QString Komorka(int w, int kol) {
        const QTableWidgetItem* i = sg()->item(w, kol);
        return i ? i->text() : QString();
    }
    std::vector<QString> Kolumna(int kol) {
        std::vector<QString> t;
        for (int w = 0; w < sg()->rowCount(); ++w) t.push_back(Komorka(w, kol));
        return t;
    }

    // ---------------------------------------------------------------- the store

    void Film(int id, int numer, const QString& tytul, double stawka) {
        baza.Wykonaj(QStringLiteral("insert into film (ID, Numer_filmu, Tytul_oryginalny, "
                                    "Tytul_polski, Stawka, Wplywy, Ilosc_wypozyczen, Status, "
                                    "Aktualny) values (%1, %2, '%3', '%3', %4, 0, 0, 1, 1)")
                         .arg(id)
                         .arg(numer)
                         .arg(tytul)
                         .arg(KwotaSQL(TKwota::ZeZlotych(stawka))));
    }
    // Alien (ID and number 1) and Heat (2), both at 5,00 a day.
    void AlienIHeat() {
        Film(1, 1, "Alien", 5);
        Film(2, 2, "Heat", 5);
    }
    // Client 1 (number 7, "Nowak Anna") with a balance, shown on the desk.
    void Klient(double saldo, bool abonament = false, const QDate& abonamentDo = QDate(),
                int licznikAb = 0, int rabat = 0) {
        baza.Wykonaj(QStringLiteral("insert into klient (ID, Numer_klienta, Imie, Nazwisko, "
                                    "Saldo, Abonament, Abonament_OD, Abonament_DO, Licznik, "
                                    "LicznikAb, Aktualny, Rabat) values (1, 7, 'Anna', 'Nowak', "
                                    "%1, %2, %3, %4, 0, %5, 1, %6)")
                         .arg(KwotaSQL(TKwota::ZeZlotych(saldo)))
                         .arg(abonament ? 1 : 0)
                         .arg(abonamentDo.isValid()
                                  ? "'" + abonamentDo.addDays(-30).toString(Qt::ISODate) + "'"
                                  : QStringLiteral("null"))
                         .arg(abonamentDo.isValid() ? "'" + abonamentDo.toString(Qt::ISODate) + "'"
                                                    : QStringLiteral("null"))
                         .arg(licznikAb)
                         .arg(rabat));
        Przeladuj();
    }
    // An open rental put straight into the store.
    void Otwarte(int film, const QDate& od, const QDate& do_, double naleznosc, double platnosc,
                 double stawka) {
        baza.Wykonaj(QStringLiteral("insert into rental (id_filmu, id_klienta, dataOD, dataDO, "
                                    "zwrocono, platnosc, Platnosc1, Z_abonamentu, Naleznosc, "
                                    "Stawka) values (%1, 1, '%2', '%3', 0, %4, 0, 0, %5, %6)")
                         .arg(film)
                         .arg(od.toString(Qt::ISODate), do_.toString(Qt::ISODate),
                              KwotaSQL(TKwota::ZeZlotych(platnosc)),
                              KwotaSQL(TKwota::ZeZlotych(naleznosc)),
                              KwotaSQL(TKwota::ZeZlotych(stawka))));
        baza.Wykonaj(QStringLiteral("update film set Status = False where ID = %1").arg(film));
    }

    // The client loaded as its number and Enter load it: the panel from the store, then
    // the list.
    void Przeladuj() {
        auto* cb = k<QComboBox>("cbKlient");
        if (cb->findText("Nowak Anna") < 0) cb->addItem("Nowak Anna");
        k<QLineEdit>("eKlientNr")->setText("0007");
        ASSERT_TRUE(fMain->WczytajKLIENTA());
    }

    // Every later update of the table fails with the store's error "Zapis zablokowany".
    void Zablokuj(const QString& tabela) {
        baza.Zablokuj("update", tabela.toLatin1().constData(), "Zapis zablokowany");
    }
    // How many times the message was shown (a store's error text as the store words it
    // around the message: the server adds the trigger that raised it).
    int Ile(const QString& tekst) const {
        const std::vector<QString> t = fake.Teksty();
        return static_cast<int>(std::count_if(t.begin(), t.end(), [&](const QString& k) {
            return k == tekst || (TestowaBaza::NaSerwerze() && k.contains(tekst));
        }));
    }

    double Saldo() { return baza.Wartosc("select Saldo from klient where ID = 1").toDouble(); }
    bool NaPolce(int film) {
        return baza.Ile(QStringLiteral("select Status from film where ID = %1").arg(film)) != 0;
    }
    // The client's rental of the film: the open one, else the last returned one.
    TZapisany Zapisany(int film) {
        TZapisany z;
        const QString gdzie = QStringLiteral(
                                  " from rental where id_klienta = 1 and id_filmu = %1 "
                                  "order by zwrocono, rowid desc limit 1")
                                  .arg(film);
        const auto w = [&](const char* kolumna) {
            return baza.Wartosc(QStringLiteral("select ") + kolumna + gdzie);
        };
        z.jest = baza.Ile(QStringLiteral("select count(*) from rental where id_klienta = 1 and "
                                         "id_filmu = %1")
                              .arg(film)) > 0;
        z.zwrocono = w("zwrocono").toInt() != 0;
        z.platnosc = w("platnosc").toDouble();
        z.platnosc1 = w("Platnosc1").toDouble();
        z.zAbonamentu = w("Z_abonamentu").toDouble();
        z.naleznosc = w("Naleznosc").toDouble();
        z.stawka = w("Stawka").toDouble();
        z.dataOD = w("dataOD").toString();
        z.dataDO = w("dataDO").toString();
        z.dataZwrotu = w("DataZwrotu").toString();
        return z;
    }
    // Another connection to the same store: what a program started anew would read.
    double SaldoZInnegoPolaczenia() {
        return baza.DrugiePolaczenie("select Saldo from klient where ID = 1").toDouble();
    }

    // ---------------------------------------------------------------- the desk

    // Films added to the list as the film panel adds them: below the listed rentals, the
    // total row re-summed, the paid field proposed (the total for a regular client,
    // 0,00 for a subscriber) while it is enabled.
    void DoKoszyka(const std::vector<TPozycja>& pozycje) {
        QTableWidget* s = sg();
        const bool wplataWlaczona = k<QLineEdit>("eWplata")->isEnabled();
        int r = s->rowCount() == 1 ? 0 : s->rowCount() - 2;
        for (const TPozycja& p : pozycje) {
            s->setRowCount(r + 3);
            const QString wiersz[6] = {QStringLiteral("Film %1").arg(p.numer),
                                       Numer4(p.numer),
                                       KwotaNaEkran(TKwota::ZeZlotych(p.cena)),
                                       QString::number(p.id),
                                       QString::number(p.dni),
                                       KwotaNaEkran(TKwota::ZeZlotych(p.stawka))};
            for (int kol = 0; kol < 6; ++kol) s->setItem(r, kol, new QTableWidgetItem(wiersz[kol]));
            ++r;
        }
        double razem = 0;
        for (int i = 0; i < r; ++i) razem += *LiczbaZEkranu(Komorka(i, 2));
        s->setItem(r, 0, new QTableWidgetItem(QString(80, '=')));
        s->setItem(r, 1, new QTableWidgetItem(QString(21, '=')));
        s->setItem(r, 2, new QTableWidgetItem(QString(21, '=')));
        s->setItem(r + 1, 0, new QTableWidgetItem("RAZEM DO ZAPŁATY"));
        s->setItem(r + 1, 1, new QTableWidgetItem(""));
        const bool abonent = k<QCheckBox>("cbAbonament")->isChecked();
        auto* wplata = k<QLineEdit>("eWplata");
        if (wplataWlaczona)
            wplata->setText(abonent ? "0,00" : KwotaNaEkran(TKwota::ZeZlotych(razem)));
        const double wyswietlone =
            (abonent || !wplataWlaczona) ? razem - *LiczbaZEkranu(wplata->text()) : razem;
        s->setItem(r + 1, 2, new QTableWidgetItem(KwotaNaEkran(TKwota::ZeZlotych(wyswietlone))));
        fMain->Koszyk().Zmieniony = true;
    }
    void Wypozycz() { k<QPushButton>("bWypozycz")->click(); }

    void Zaznacz(int od, int do_) {
        sg()->clearSelection();
        sg()->setRangeSelected(QTableWidgetSelectionRange(od, 0, do_, 5), true);
    }

    // The payment dialog answered: the amount typed and confirmed, or declined (< 0).
    void Zaplac(double kwota, TPropozycja* zapis = nullptr) {
        fake.PrzyOknie([kwota, zapis](QDialog& okno) {
            auto& wplata = static_cast<TfWplata&>(okno);
            if (zapis) {
                zapis->kwota = wplata.Kwota().Zlote();
                if (auto* l = okno.findChild<QLabel*>("Label1")) zapis->etykieta = l->text();
                if (auto* m = okno.findChild<QPlainTextEdit*>("mRozliczenie"))
                    zapis->rozliczenie = m->isVisibleTo(&okno) ? m->toPlainText() : QString();
            }
            if (kwota < 0) {
                okno.findChild<QAbstractButton*>("bAnuluj")->click();
            } else {
                okno.findChild<QLineEdit*>("eKwota")->setText(
                    KwotaNaEkran(TKwota::ZeZlotych(kwota)));
                okno.findChild<QAbstractButton*>("bZapisz")->click();
            }
            return okno.result();
        });
    }
    // The days dialog answered with a number of days, or cancelled (< 0).
    void Dni(int dni) {
        fake.PrzyOknie([dni](QDialog& okno) {
            if (dni < 0) {
                okno.findChild<QAbstractButton*>("bAnuluj")->click();
            } else {
                okno.findChild<QLineEdit*>("eIleDni")->setText(QString::number(dni));
                okno.findChild<QAbstractButton*>("bOK")->click();
            }
            return okno.result();
        });
    }
    // The row question answered.
    void Odpowiedz(QMessageBox::StandardButton o) { fake.Odpowiedz(o); }

    std::vector<QString> Teksty() const { return BezLiniiFilmow(fake.Teksty()); }

    TestowaBaza baza;
    FakeInterakcja fake;
};

const QString Zapisane = QStringLiteral("Wypożyczenie zostało zapisane.");
const QString Zwrocone = QStringLiteral("Zwrot został zapisany.");
const QString Wycofane = QStringLiteral("Wypożyczenie zostało wycofane.");
const QString Przedluzone = QStringLiteral("Przedłużenie zostało zapisane.");
const QString TylkoZaznaczone =
    QStringLiteral("Czy wykonać operację tylko dla zaznaczonych wierszy?");
const QString CalaLista =
    QStringLiteral("Nie zaznaczono żadnego wiersza.\nCzy wykonać operację dla całej listy?");

}  // namespace operacje
