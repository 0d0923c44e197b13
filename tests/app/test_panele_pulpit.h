// A started desk on a store filled by the test, for the panels and the basket.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "app/KoszykPulpitu.h"
#include "app/PanelKlienta.h"
#include "app/uMain.h"
#include "app/uProgram.h"
#include "settings/uConfig.h"
#include "store/Baza.h"
#include "store/Katalogi.h"
#include "store/Zegar.h"
#include "support/FakeInterakcja.h"

class PulpitPaneli : public ::testing::Test {
protected:
    // Tuesday.
    static QDate Wtorek() { return QDate(2024, 3, 5); }

    PulpitPaneli() {
        UstawDzisiaj(Wtorek());
        folder = katalog.path() + '/';
        UtworzOkna();
        fMain->KatalogStartowy = folder;
        fMain->PlikKonfiguracjiBDE = folder + "silnik.ini";
        fMain->PlikBlokady = folder + "Wirdolan2";
        fMain->OtworzDokument = [](const QUrl&) {};
    }
    ~PulpitPaneli() override {
        ZniszczOkna();
        TBaza::Rozlacz();
        KatalogProgramu.clear();
        KatalogBazy.clear();
        UstawDzisiaj(QDate());
    }

    // Rows put into the store before the program starts (the store's own SQL).
    void PrzedStartem(const QStringList& polecenia) {
        TBaza::Polacz(folder + "Bazy/");
        for (const QString& p : polecenia) TBaza::Aktywna()->Wykonaj(p);
        TBaza::Rozlacz();
    }
    void Uruchom() {
        ASSERT_TRUE(fMain->Start());
        fMain->CzekajNaListy();
        ASSERT_TRUE(fake.komunikaty.empty()) << fake.komunikaty[0].tekst.toStdString();
    }

    static QString Klient(int numer, const QString& imie, const QString& nazwisko,
                          const QString& reszta = {}) {
        QString kolumny = "Numer_klienta, Imie, Nazwisko, Aktualny";
        QString wartosci = QString("%1, '%2', '%3', 1").arg(numer).arg(imie, nazwisko);
        if (!reszta.isEmpty()) {
            const int p = reszta.indexOf('|');
            kolumny += ", " + reszta.left(p);
            wartosci += ", " + reszta.mid(p + 1);
        }
        return "insert into klient (" + kolumny + ") values (" + wartosci + ")";
    }
    static QString Film(int numer, const QString& org, const QString& pol, double stawka,
                        bool naPolce = true, bool aktualny = true) {
        return QString(
                   "insert into film (Numer_filmu, Tytul_oryginalny, Tytul_polski, Stawka, "
                   "Status, Aktualny) values (%1, '%2', '%3', %4, %5, %6)")
            .arg(numer)
            .arg(org, pol)
            .arg(stawka)
            .arg(naPolce ? 1 : 0)
            .arg(aktualny ? 1 : 0);
    }

    template <typename T>
    T* k(const char* nazwa) {
        T* w = fMain->findChild<T*>(nazwa);
        EXPECT_NE(w, nullptr) << nazwa;
        return w;
    }
    QLineEdit* pole(const char* nazwa) { return k<QLineEdit>(nazwa); }
    QTableWidget* lista() { return k<QTableWidget>("sgWypozyczenie"); }
    QString Komorka(int w, int kol) {
        const QTableWidgetItem* i = lista()->item(w, kol);
        return i ? i->text() : QString();
    }
    QStringList Wiersz(int w) {
        QStringList t;
        for (int kol = 0; kol < 6; ++kol) t << Komorka(w, kol);
        return t;
    }

    void Enter(const char* nazwa) { QTest::keyClick(k<QWidget>(nazwa), Qt::Key_Return); }
    void KlientNr(const QString& numer) {
        pole("eKlientNr")->setText(numer);
        Enter("eKlientNr");
    }
    void FilmNr(const QString& numer) {
        pole("eFilmNr")->setText(numer);
        Enter("eFilmNr");
    }
    // The operator's choice of a pick-list entry.
    void Wybierz(const char* nazwaListy, const QString& wpis) {
        auto* cb = k<QComboBox>(nazwaListy);
        const int i = cb->findText(wpis);
        ASSERT_GE(i, 0) << wpis.toStdString();
        cb->setCurrentIndex(i);
        emit cb->activated(i);
    }
    void Wybierz(const char* nazwaListy, int indeks) {
        auto* cb = k<QComboBox>(nazwaListy);
        cb->setCurrentIndex(indeks);
        emit cb->activated(indeks);
    }
    void Opusc(const char* nazwa) {
        QFocusEvent wyjscie(QEvent::FocusOut);
        QApplication::sendEvent(k<QWidget>(nazwa), &wyjscie);
    }
    // The rent controls as a client without open rentals leaves them.
    void TrybWypozyczanie() {
        for (const char* n : {"bWypozycz", "bNastepny"}) k<QWidget>(n)->setEnabled(true);
        for (const char* n : {"miWypozycz", "miNastepny"}) k<QAction>(n)->setEnabled(true);
        pole("eWplata")->setEnabled(true);
    }
    void Dodaj() { k<QPushButton>("bNastepny")->click(); }
    void Dodaj(int numer, const QString& dni = "1") {
        FilmNr(QString::number(numer));
        pole("eIleDni")->setText(dni);
        Dodaj();
    }
    void ZaznaczWiersze(int od, int do_) {
        lista()->clearSelection();
        lista()->setCurrentCell(od, 0, QItemSelectionModel::NoUpdate);
        lista()->setRangeSelected(QTableWidgetSelectionRange(od, 0, do_, 5), true);
    }
    // A click on a row of the list.
    void Kliknij(int w) {
        const QRect r = lista()->visualRect(lista()->model()->index(w, 0));
        QTest::mouseClick(lista()->viewport(), Qt::LeftButton, {}, r.center());
    }
    TUstawienia& Ustawienia() { return fConfig->Ustawienia; }

    QTemporaryDir katalog;
    QString folder;
    FakeInterakcja fake;
};
