#include "app/KasaPulpitu.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>

#include "app/uMain.h"
#include "store/Formaty.h"
#include "store/Kwota.h"
#include "store/Zegar.h"

namespace {

template <typename T>
T* Kontrolka(QObject& okno, const char* nazwa) {
    return okno.findChild<T*>(QString::fromLatin1(nazwa));
}

// The operator's typing: the focus enters the field, the text is typed, the focus leaves.
// A field entered and never left would go on showing a blinking text cursor.
void Wpisz(QObject& okno, const char* pole, const QString& tekst) {
    auto* e = Kontrolka<QLineEdit>(okno, pole);
    if (!e) return;
    QFocusEvent wejscie(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(e, &wejscie);
    e->setText(tekst);
    QFocusEvent wyjscie(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(e, &wyjscie);
}

void Kliknij(QObject& okno, const char* przycisk) {
    if (auto* b = Kontrolka<QAbstractButton>(okno, przycisk)) b->click();
}

void Enter(QWidget* pole) {
    QKeyEvent wcisniety(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(pole, &wcisniety);
}

void WybierzZListy(QObject& okno, const char* lista, const QString& tekst) {
    auto* cb = Kontrolka<QComboBox>(okno, lista);
    if (!cb) return;
    const int i = cb->findText(tekst);
    if (i >= 0)
        cb->setCurrentIndex(i);
    else if (cb->isEditable())
        cb->setEditText(tekst);
}

}  // namespace

TKasaPulpitu::TKasaPulpitu(TfMain& okno) : pulpit(okno), poprzednia(&Interakcja()) {
    UstawInterakcje(this);
}

TKasaPulpitu::~TKasaPulpitu() {
    UstawInterakcje(poprzednia);
}

void TKasaPulpitu::Niepowodzenie(const QString& co) {
    if (!blad.isEmpty()) return;
    blad = co;
    if (!ostatniKomunikat.isEmpty()) blad += QStringLiteral(": ") + ostatniKomunikat;
}

void TKasaPulpitu::Wykonaj(const char* akcja) {
    if (QAction* a = Kontrolka<QAction>(pulpit, akcja); a && a->isEnabled())
        a->trigger();
    else
        Niepowodzenie(QStringLiteral("Operacja niedostępna na pulpicie (%1)")
                          .arg(QString::fromLatin1(akcja)));
}

void TKasaPulpitu::WybierzKlienta(int klient) {
    auto* pole = Kontrolka<QLineEdit>(pulpit, "eKlientNr");
    pole->setText(Numer4(klient));
    Enter(pole);
}

void TKasaPulpitu::WybierzFilm(int film) {
    auto* pole = Kontrolka<QLineEdit>(pulpit, "eFilmNr");
    pole->setText(Numer4(film));
    Enter(pole);
}

// ---------------------------------------------------------------- operations

void TKasaPulpitu::NowyKlient(const TKlientPlanu& klient) {
    klientDoZapisu = &klient;
    Wykonaj("miKlientNowy");
    klientDoZapisu = nullptr;
}

void TKasaPulpitu::Abonament(int klient, const QDate& doDnia) {
    WybierzKlienta(klient);
    abonamentDo = doDnia;
    placenie = TPlacenie::Calosc;
    Wykonaj("miKlientEdytuj");
    abonamentDo = QDate();
}

void TKasaPulpitu::NowyFilm(const TFilmPlanu& film) {
    filmDoZapisu = &film;
    Wykonaj("miFilmNowy");
    filmDoZapisu = nullptr;
}

void TKasaPulpitu::Wypozycz(int klient, const std::vector<int>& filmy, int dni,
                            TPlacenie placenieWypozyczenia) {
    WybierzKlienta(klient);
    for (int film : filmy) {
        WybierzFilm(film);
        Wpisz(pulpit, "eIleDni", QString::number(dni));
        Wykonaj("miNastepny");
    }
    placenie = placenieWypozyczenia;
    Wykonaj("miWypozycz");
}

void TKasaPulpitu::Zwroc(int klient, TPlacenie placenieZwrotu) {
    WybierzKlienta(klient);
    Kontrolka<QTableWidget>(pulpit, "sgWypozyczenie")->clearSelection();
    placenie = placenieZwrotu;
    Wykonaj("miZwrot");
}

void TKasaPulpitu::Przedluz(int klient, int dni) {
    WybierzKlienta(klient);
    Kontrolka<QTableWidget>(pulpit, "sgWypozyczenie")->clearSelection();
    dniPrzedluzenia = dni;
    placenie = TPlacenie::Calosc;
    Wykonaj("miPrzedluzenie");
}

void TKasaPulpitu::SplacZaleglosci(int klient) {
    WybierzKlienta(klient);
    placenie = TPlacenie::Calosc;
    Wykonaj("miZaleglosci");
}

void TKasaPulpitu::ArchiwizujKlienta(int klient) {
    WybierzKlienta(klient);
    Wykonaj("miKlientUsun");
}

void TKasaPulpitu::WycofajFilm(int film) {
    WybierzFilm(film);
    Wykonaj("miFilmUsun");
}

// ---------------------------------------------------------------- the dialogs, answered

QMessageBox::StandardButton TKasaPulpitu::Pokaz(const TKomunikat& komunikat) {
    ostatniKomunikat = komunikat.tekst;
    // A store's error or the program's error box stops the plan.
    if (komunikat.ikona == TIkona::Brak || komunikat.ikona == TIkona::Stop)
        Niepowodzenie(QStringLiteral("Błąd bazy danych"));
    // The questions of the operations ask whether to go on: the operator says yes.
    if (komunikat.przyciski.testFlag(QMessageBox::Yes)) return QMessageBox::Yes;
    return QMessageBox::Ok;
}

int TKasaPulpitu::PokazModalnie(QDialog& okno) {
    // Shown as the operator would see it (its showing fills it), but not on the screen.
    const bool bezEkranu = okno.testAttribute(Qt::WA_DontShowOnScreen);
    okno.setAttribute(Qt::WA_DontShowOnScreen, true);
    okno.show();
    const int wynik = Odpowiedz(okno);
    okno.hide();
    okno.setAttribute(Qt::WA_DontShowOnScreen, bezEkranu);
    return wynik;
}

int TKasaPulpitu::Odpowiedz(QDialog& okno) {
    const QString nazwa = okno.objectName();
    if (nazwa == QStringLiteral("TfWplata")) return DialogWplaty(okno);
    if (nazwa == QStringLiteral("TfKlient")) return DialogKlienta(okno);
    if (nazwa == QStringLiteral("TfFilm")) return DialogFilmu(okno);
    if (nazwa == QStringLiteral("TfIloscDni")) {
        Wpisz(okno, "eIleDni", QString::number(dniPrzedluzenia));
        Kliknij(okno, "bOK");
        return okno.result();
    }
    if (nazwa == QStringLiteral("TfZaleglosci")) {
        placenie = TPlacenie::Calosc;
        Kliknij(okno, "bWplata");
        Kliknij(okno, "bZamknij");
        return okno.result();
    }
    Niepowodzenie(QStringLiteral("Nieoczekiwane okno %1").arg(nazwa));
    return QDialog::Rejected;
}

int TKasaPulpitu::DialogWplaty(QDialog& okno) {
    auto* kwota = Kontrolka<QLineEdit>(okno, "eKwota");
    if (placenie == TPlacenie::Nic || !kwota) {
        Kliknij(okno, "bAnuluj");
        return okno.result();
    }
    if (placenie == TPlacenie::Czesc) {
        // About half, in whole złoty (the proposal is never below zero).
        const TKwota proponowana = KwotaZEkranu(kwota->text()).value_or(TKwota());
        kwota->setText(KwotaNaEkran(TKwota::ZGroszy(proponowana.Grosze() / 200 * 100)));
    }
    Kliknij(okno, "bZapisz");
    return okno.result();
}

int TKasaPulpitu::DialogKlienta(QDialog& okno) {
    if (klientDoZapisu) {
        const TKlientPlanu& k = *klientDoZapisu;
        Wpisz(okno, "eNr", QString::number(k.Numer));
        Wpisz(okno, "eImie", k.Imie);
        Wpisz(okno, "eNazwisko", k.Nazwisko);
        Wpisz(okno, "eUlica", k.Ulica);
        Wpisz(okno, "eNrPosesji", k.NrPosesji);
        Wpisz(okno, "eNrLokalu", k.NrLokalu);
        WybierzZListy(okno, "cbMiejscowosc", k.Miejscowosc);
        Wpisz(okno, "eKod", k.Kod);
        Wpisz(okno, "eTelefon", k.Telefon);
    } else if (abonamentDo.isValid()) {
        auto* abonament = Kontrolka<QCheckBox>(okno, "cbAbonament");
        if (abonament && !abonament->isChecked()) abonament->click();
        Kontrolka<QDateEdit>(okno, "dAbonamentOD")->setDate(Dzisiaj());
        Kontrolka<QDateEdit>(okno, "dAbonamentDO")->setDate(abonamentDo);
        Kliknij(okno, "bWplata");
    }
    Kliknij(okno, "bZapisz");
    if (okno.result() != QDialog::Accepted) Niepowodzenie(QStringLiteral("Nie zapisano klienta"));
    return okno.result();
}

int TKasaPulpitu::DialogFilmu(QDialog& okno) {
    if (filmDoZapisu) {
        const TFilmPlanu& f = *filmDoZapisu;
        Wpisz(okno, "eNr", QString::number(f.Numer));
        Wpisz(okno, "eTytulOrg", f.TytulOryginalny);
        Wpisz(okno, "eTytulPol", f.TytulPolski);
        WybierzZListy(okno, "cbGatunek", f.Gatunek);
        WybierzZListy(okno, "cbNosnik", f.Nosnik);
        Wpisz(okno, "eProdukcja", f.Produkcja);
        Wpisz(okno, "eCzas", QStringLiteral("%1 min").arg(f.CzasTrwania));
        Wpisz(okno, "eRezyser1", f.Rezyseria);
        Wpisz(okno, "eStawka", KwotaNaEkran(TKwota::ZeZlotych(f.Stawka)));
        Wpisz(okno, "eCena", KwotaNaEkran(TKwota::ZeZlotych(f.CenaZakupu)));
    }
    Kliknij(okno, "bZapisz");
    if (okno.result() != QDialog::Accepted) Niepowodzenie(QStringLiteral("Nie zapisano filmu"));
    return okno.result();
}
