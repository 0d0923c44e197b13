// Makes the pictures of the operator's guide from the program's own windows: a scratch
// store is filled with the demo shop, then each window the guide shows is opened and
// driven the way the operator does it and saved as a PNG named after the picture.
// Usage: wirdolan_zrzuty <folder for the pictures> <folder of the default word lists>
#include "Zrzuty.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTranslator>

#include "app/uMain.h"
#include "app/uProgram.h"
#include "app/uWitamy.h"
#include "app/uWyglad.h"
#include "reports/uRapDaty.h"
#include "store/Baza.h"
#include "store/Formaty.h"
#include "store/Godzina.h"
#include "store/PlikUstawien.h"
#include "store/TQuery.h"
#include "store/Zegar.h"
#include "store/uWspolneDB.h"

namespace {

// The day the demo shop ends on: the pictures come out the same at every run.
const QDate DzienZrzutow(2025, 11, 14);

TZrzuty* zrzuty = nullptr;

template <typename T = QWidget>
T* Pole(QWidget& okno, const char* nazwa) {
    T* w = okno.findChild<T*>(QString::fromLatin1(nazwa));
    zrzuty->Wymagaj(w != nullptr, QString::fromLatin1(nazwa));
    return w;
}

// Types a number into a desk field and confirms it with Enter, as a scanner does.
void Wpisz(const char* pole, const QString& tekst) {
    auto* e = Pole<QLineEdit>(*fMain, pole);
    if (!e) return;
    e->setFocus();
    e->setText(tekst);
    for (QEvent::Type typ : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent klawisz(typ, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(e, &klawisz);
    }
}

void Wykonaj(const char* akcja) {
    if (auto* a = Pole<QAction>(*fMain, akcja)) a->trigger();
}

// The first number the query gives (column nr), 0 when none.
int Numer(const QString& sql) {
    TQuery q;
    OtworzSQL(q, sql);
    const int n = q.Active() && !q.Eof() ? q.FieldByName(QStringLiteral("nr")).AsInteger() : 0;
    q.Close();
    zrzuty->Wymagaj(n > 0, sql);
    return n;
}

// Rows of a list, without the desk's separator and total.
int Wiersze(QWidget& okno, const char* lista) {
    auto* sg = Pole<QAbstractItemView>(okno, lista);
    const QAbstractItemModel* model = sg ? sg->model() : nullptr;
    int n = 0;
    for (int w = 0; model && w < model->rowCount(); ++w)
        if (!model->index(w, 0).data().toString().trimmed().isEmpty()) ++n;
    return n;
}

// A handler that pictures the dialog (after przygotuj) and presses its button.
TZrzuty::TObsluga Obraz(const QString& nazwa, const char* przycisk,
                        std::function<void(QDialog&)> przygotuj = {}) {
    return [=](QDialog& okno) {
        if (przygotuj) przygotuj(okno);
        zrzuty->Zrzut(okno, nazwa);
        return Nacisnij(okno, przycisk);
    };
}

// A handler that pictures a list window once its list has rows.
TZrzuty::TObsluga Lista(const QString& nazwa, const char* lista, const char* przycisk) {
    return Obraz(nazwa, przycisk, [=](QDialog& okno) {
        zrzuty->Wymagaj(Wiersze(okno, lista) > 1, nazwa + QStringLiteral(": pusta lista"));
    });
}

void Pulpit(const QString& dzis) {
    // Renting: a client with nothing out, two films in the basket, then the payment.
    Wpisz("eKlientNr",
          Numer4(Numer(QStringLiteral(
              "select numer_klienta nr from klient k where aktualny = True and abonament = "
              "False and not exists (select * from rental r where r.id_klienta = k.id and "
              "zwrocono = False) order by numer_klienta"))));
    for (const char* gatunek : {"komedia", "thriller"}) {
        Wpisz("eFilmNr",
              Numer4(Numer(QStringLiteral("select numer_filmu nr from film where status = True "
                                          "and aktualny = True and gatunek = '") +
                           QString::fromLatin1(gatunek) +
                           QStringLiteral("' order by numer_filmu desc"))));
        Pole<QLineEdit>(*fMain, "eIleDni")->setText(QStringLiteral("2"));
        Wykonaj("miNastepny");
    }
    zrzuty->Wymagaj(Wiersze(*fMain, "sgWypozyczenie") >= 3, QStringLiteral("koszyk"));
    zrzuty->Zrzut(*fMain, QStringLiteral("pulpit"));
    zrzuty->PrzyOknie(QStringLiteral("TfWplata"),
                      Obraz(QStringLiteral("wypozyczenie_wplata"), "bZapisz"));
    Wykonaj("miWypozycz");

    // Returning: a client holding overdue films, the films marked.
    Wpisz("eKlientNr",
          Numer4(Numer(QStringLiteral("select k.numer_klienta nr from klient k, rental r where "
                                      "r.id_klienta = k.id and r.zwrocono = False and "
                                      "r.dataDO < ") +
                       dzis +
                       QStringLiteral(" group by k.numer_klienta order by count(*) desc, "
                                      "k.numer_klienta"))));
    auto* sg = Pole<QTableWidget>(*fMain, "sgWypozyczenie");
    const int filmy = Wiersze(*fMain, "sgWypozyczenie") - 2;  // without the separator and total
    zrzuty->Wymagaj(filmy >= 1, QStringLiteral("filmy klienta"));
    sg->setRangeSelected(QTableWidgetSelectionRange(0, 0, filmy - 1, sg->columnCount() - 1), true);
    zrzuty->Zrzut(*fMain, QStringLiteral("pulpit_zwrot"));

    // Extending: the number of days asked for, then cancelled.
    zrzuty->PrzyOknie(QStringLiteral("TfIloscDni"),
                      Obraz(QStringLiteral("przedluzenie"), "bAnuluj"));
    Wykonaj("miPrzedluzenie");

    // The return of the marked films and its payment.
    sg->setRangeSelected(QTableWidgetSelectionRange(0, 0, filmy - 1, sg->columnCount() - 1), true);
    zrzuty->ZrzutKomunikatu(QStringLiteral("Czy wykonać operację tylko dla zaznaczonych"),
                            QStringLiteral("zwrot_pytanie"));
    zrzuty->Odpowiedz(QMessageBox::Yes);
    zrzuty->PrzyOknie(QStringLiteral("TfWplata"), Obraz(QStringLiteral("zwrot_wplata"), "bZapisz"));
    Wykonaj("miZwrot");
}

void Klient() {
    // A client's arrears.
    Wpisz("eKlientNr",
          Numer4(Numer(QStringLiteral(
              "select k.numer_klienta nr from klient k, rental r where r.id_klienta = k.id and "
              "r.zwrocono = True and r.platnosc1 <> 0 and k.aktualny = True group by "
              "k.numer_klienta order by count(*) desc, k.numer_klienta"))));
    zrzuty->PrzyOknie(QStringLiteral("TfZaleglosci"),
                      Lista(QStringLiteral("zaleglosci"), "sgZaleglosci", "bZamknij"));
    Wykonaj("miZaleglosci");

    // A subscriber's record.
    Wpisz("eKlientNr", Numer4(Numer(QStringLiteral(
                           "select numer_klienta nr from klient where abonament = True and "
                           "aktualny = True order by numer_klienta"))));
    zrzuty->PrzyOknie(QStringLiteral("TfKlient"),
                      Obraz(QStringLiteral("klient_abonent"), "bAnuluj"));
    Wykonaj("miKlientEdytuj");
}

void Listy() {
    zrzuty->PrzyOknie(QStringLiteral("TfConfig"), Obraz(QStringLiteral("ustawienia"), "bAnuluj"));
    Wykonaj("miUstawienia");
    zrzuty->PrzyOknie(QStringLiteral("TfKlienci"),
                      Lista(QStringLiteral("klienci"), "sgKlienci", "bZamknij"));
    Wykonaj("miKlienci");
    zrzuty->PrzyOknie(QStringLiteral("TfFilmy"),
                      Lista(QStringLiteral("filmy"), "sgFilmy", "bZamknij"));
    Wykonaj("miFilmy");

    // The search with the wildcard, and the films it finds.
    zrzuty->PrzyOknie(QStringLiteral("TfSzukaj"),
                      Obraz(QStringLiteral("szukaj"), "bSzukaj", [](QDialog& okno) {
                          Pole<QLineEdit>(okno, "eTytul")->setText(QStringLiteral("%dzień%"));
                      }));
    zrzuty->PrzyOknie(QStringLiteral("TfFilmy"),
                      Lista(QStringLiteral("szukaj_wynik"), "sgFilmy", "bZamknij"));
    Wykonaj("miFilmSzukaj");
}

void Raporty() {
    // The periodic report for the last month: its dates, then its preview; not printed.
    zrzuty->PrzyOknie(QStringLiteral("TfRapDaty"),
                      Obraz(QStringLiteral("raport_daty"), "bGeneruj", [](QDialog& okno) {
                          auto& daty = static_cast<TfRapDaty&>(okno);
                          daty.DataOD->setDate(Dzisiaj().addMonths(-1));
                          daty.DataDO->setDate(Dzisiaj());
                      }));
    zrzuty->PrzyOknie(QStringLiteral("TfPodglad"), [](QDialog& okno) {
        okno.resize(760, 620);
        Nacisnij(okno, "bCalaStrona");
        zrzuty->Zrzut(okno, QStringLiteral("raport_podglad"));
        return Nacisnij(okno, "bZamknij");
    });
    zrzuty->Odpowiedz(QMessageBox::No);
    Wykonaj("miRaportOkresowy");

    zrzuty->PrzyOknie(QStringLiteral("TfFilmyWyp"),
                      Lista(QStringLiteral("filmy_wypozyczone"), "sgFilmy", "bZamknij"));
    Wykonaj("miRapFilmyWyp");
}

void Narzedzia() {
    zrzuty->ZrzutKomunikatu(QStringLiteral("Kopia zapasowa bazy danych została zapisana"),
                            QStringLiteral("kopia"));
    Wykonaj("miKopiaZapasowa");
    // The copy is dated on the shop's day, as if made at closing time.
    QFile kopia(zrzuty->PlikKopii);
    if (!kopia.open(QIODevice::ReadWrite) ||
        !kopia.setFileTime(QDateTime(Dzisiaj(), QTime(20, 5)), QFileDevice::FileModificationTime))
        zrzuty->Bledy << QStringLiteral("Nie ustawiono daty kopii.");
    kopia.close();
    // The restore shows what the copy holds and is declined.
    zrzuty->ZrzutKomunikatu(QString(), QStringLiteral("przywroc"));
    zrzuty->Odpowiedz(QMessageBox::No);
    Wykonaj("miPrzywroc");
    zrzuty->PrzyOknie(QStringLiteral("TfSprawdzBaze"),
                      Obraz(QStringLiteral("sprawdz_baze"), "bZamknij"));
    Wykonaj("miSprawdzBaze");
    // The shop's details as the operator types them for the printed slips.
    zrzuty->PrzyOknie(QStringLiteral("TfDaneWypozyczalni"),
                      Obraz(QStringLiteral("dane_wypozyczalni"), "bZapisz", [](QDialog& okno) {
                          const std::pair<const char*, const char*> pola[] = {
                              {"eNazwa", "Wypożyczalnia Filmów „Kadr”"},
                              {"eAdres", "ul. Długa 12"},
                              {"eMiejscowosc", "31-147 Kraków"},
                              {"eTelefon", "12 345 67 89"},
                              {"eNIP", "676-000-00-00"},
                          };
                          for (const auto& [pole, tekst] : pola)
                              Pole<QLineEdit>(okno, pole)->setText(QString::fromUtf8(tekst));
                      }));
    Wykonaj("miDaneWypozyczalni");
    zrzuty->PrzyOknie(QStringLiteral("TfZasady"),
                      Obraz(QStringLiteral("zasady"), "bAnuluj", [](QDialog& okno) {
                          Pole<QLineEdit>(okno, "eLimitDlugu")->setText(QStringLiteral("50,00"));
                          Pole<QCheckBox>(okno, "cbNiedziele")->setChecked(true);
                          Nacisnij(okno, "bSwieta");
                      }));
    Wykonaj("miZasady");
    // The second counter's choice of the shop's server, as the technician fills it in.
    zrzuty->PrzyOknie(QStringLiteral("TfBazaDanych"),
                      Obraz(QStringLiteral("baza_danych"), "bAnuluj", [](QDialog& okno) {
                          Pole<QRadioButton>(okno, "rbSerwer")->setChecked(true);
                          const std::pair<const char*, const char*> pola[] = {
                              {"eSerwer", "serwer-sklep"}, {"ePort", "5432"},
                              {"eBaza", "wirdolan"},       {"eUzytkownik", "wirdolan"},
                              {"eStanowisko", "Kasa 2"},
                          };
                          for (const auto& [pole, tekst] : pola)
                              Pole<QLineEdit>(okno, pole)->setText(QString::fromUtf8(tekst));
                          Pole<QCheckBox>(okno, "cbSzyfrowanie")->setChecked(true);
                      }));
    Wykonaj("miBazaDanych");
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    PrzygotujAplikacje();
    if (argc < 3) {
        QTextStream(stderr) << "Użycie: wirdolan_zrzuty <katalog zrzutów> <katalog Config>\n";
        return 2;
    }
    const QString cel = DodajUkosnik(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
    const QDir listy(QString::fromLocal8Bit(argv[2]));
    if (!QDir().mkpath(cel) || listy.entryList({QStringLiteral("*.wdn")}).isEmpty()) {
        QTextStream(stderr) << "Brak katalogu " << cel << " lub list w " << listy.path() << '\n';
        return 2;
    }

    // A scratch program folder with the default word lists and its own settings file.
    QTemporaryDir tmp;
    const QString folder = DodajUkosnik(tmp.path());
    QDir().mkpath(folder + QStringLiteral("Config"));
    for (const QString& plik : listy.entryList({QStringLiteral("*.wdn")}, QDir::Files))
        QFile::copy(listy.filePath(plik), folder + QStringLiteral("Config/") + plik);
    UstawPlikUstawienProgramu(folder + QStringLiteral("wirdolan.ini"));
    UstawDzisiaj(DzienZrzutow);
    UstawGodzine(QTime(17, 45));

    TZrzuty skrypt(cel);
    zrzuty = &skrypt;
    skrypt.KatalogKopii = folder + QStringLiteral("Pendrive/");
    QDir().mkpath(skrypt.KatalogKopii);
    skrypt.PokazSciezke(skrypt.KatalogKopii, QStringLiteral("/media/sklep/PENDRIVE/"));
    skrypt.PokazSciezke(folder, QStringLiteral("/home/sklep/.local/share/Wirdolan/"));
    UstawInterakcje(&skrypt);
    UstawWyborPliku(&skrypt);
    UtworzOkna();
    fMain->KatalogStartowy = folder;
    fMain->PlikKonfiguracjiBDE = folder + QStringLiteral("silnik.ini");
    fMain->PlikBlokady = folder + QStringLiteral("blokada");
    fMain->OtworzDokument = [](const QUrl&) {};
    if (fMain->Start()) {
        if (fWitamy) fWitamy->hide();
        fMain->showNormal();
        fMain->resize(828, 596);
        // An empty store: the ways to begin.
        zrzuty->Zrzut(*fMain, QStringLiteral("pierwsze_kroki"));

        skrypt.Odpowiedz(QMessageBox::Yes);
        skrypt.ZrzutKomunikatu(QStringLiteral("Wczytano dane przykładowe"),
                               QStringLiteral("dane_przykladowe"));
        Wykonaj("miDanePrzykladowe");
        Pulpit(DataSQL(Dzisiaj()));
        Klient();
        Listy();
        Raporty();
        Narzedzia();
    } else {
        skrypt.Bledy << QStringLiteral("Program nie wystartował.");
    }

    UstawWyborPliku(nullptr);
    UstawInterakcje(nullptr);
    ZniszczOkna();
    TBaza::Rozlacz();
    QTextStream wyjscie(stdout);
    for (const QString& nazwa : skrypt.Zrobione) wyjscie << nazwa << ".png\n";
    QTextStream bledy(stderr);
    for (const QString& b : skrypt.Bledy) bledy << b << '\n';
    return skrypt.Bledy.isEmpty() ? 0 : 1;
}
