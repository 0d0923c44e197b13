#include "admin/ImportParadox.h"

#include <QDate>
#include <QDir>
#include <QSet>
#include <cmath>
#include <memory>

#include "admin/Pxlib.h"
#include "admin/TabelaParadox.h"
#include "store/Baza.h"
#include "store/Formaty.h"
#include "store/Kwota.h"
#include "store/Liczby.h"
#include "store/TQuery.h"
#include "store/Tlumacz.h"
#include "store/uWspolneDB.h"

namespace {

enum class TRodzaj { Calkowita, Tekst, Kwota, Data, Logiczna };
// What a column that an old table lacks gets: nothing, 0 or True (as the upgrade fills it).
enum class TWypelnienie { Brak, Zero, Prawda };

struct TKolumna {
    const char* nazwa;
    TRodzaj rodzaj;
    bool klucz = false;  // a table without this column cannot be brought over
    TWypelnienie wypelnienie = TWypelnienie::Brak;
};

struct TTabela {
    const char* tabela;
    const char* plik;
    bool kluczRozny;  // no two rows share the first column (the row key)
    std::vector<TKolumna> kolumny;
};

using R = TRodzaj;
using W = TWypelnienie;

const TTabela Klient{"klient",
                     "klient.db",
                     true,
                     {{"ID", R::Calkowita, true},
                      {"Numer_klienta", R::Calkowita},
                      {"Imie", R::Tekst},
                      {"Nazwisko", R::Tekst},
                      {"Firma", R::Tekst},
                      {"Kod", R::Tekst},
                      {"Miejscowosc", R::Tekst},
                      {"Ulica", R::Tekst},
                      {"Nr_Posesji", R::Tekst},
                      {"Nr_lokalu", R::Tekst},
                      {"Telefon", R::Tekst},
                      {"NIP", R::Tekst},
                      {"Ostatnie_wypozyczenie", R::Data},
                      {"Saldo", R::Kwota},
                      {"Abonament", R::Logiczna},
                      {"Abonament_OD", R::Data},
                      {"Abonament_DO", R::Data},
                      {"Licznik", R::Calkowita},
                      {"Upowazniony", R::Tekst},
                      {"LicznikAb", R::Calkowita, false, W::Zero},
                      {"Aktualny", R::Logiczna, false, W::Prawda},
                      {"Rabat", R::Calkowita, false, W::Zero}}};

const TTabela Film{"film",
                   "film.db",
                   true,
                   {{"ID", R::Calkowita, true},     {"Numer_filmu", R::Calkowita},
                    {"Tytul_oryginalny", R::Tekst}, {"Tytul_polski", R::Tekst},
                    {"Produkcja", R::Tekst},        {"Rola_glowna_1", R::Tekst},
                    {"Rola_glowna_2", R::Tekst},    {"Rola_glowna_3", R::Tekst},
                    {"Rola_glowna_4", R::Tekst},    {"Rola_glowna_5", R::Tekst},
                    {"Gatunek", R::Tekst},          {"Nosnik", R::Tekst},
                    {"Czas_trwania", R::Tekst},     {"Rezyseria_1", R::Tekst},
                    {"Rezyseria_2", R::Tekst},      {"Stawka", R::Kwota},
                    {"Wplywy", R::Kwota},           {"Ilosc_wypozyczen", R::Calkowita},
                    {"Cena_zakupu", R::Kwota},      {"Opis", R::Tekst},
                    {"Status", R::Logiczna},        {"Aktualny", R::Logiczna, false, W::Prawda}}};

const TTabela Rental{"rental",
                     "rental.db",
                     false,
                     {{"id_filmu", R::Calkowita, true},
                      {"id_klienta", R::Calkowita, true},
                      {"dataOD", R::Data},
                      {"dataDO", R::Data},
                      {"zwrocono", R::Logiczna},
                      {"platnosc", R::Kwota},
                      {"Platnosc1", R::Kwota},
                      {"Z_abonamentu", R::Kwota},
                      {"Naleznosc", R::Kwota},
                      {"Stawka", R::Kwota},
                      {"DataZwrotu", R::Data}}};

const TTabela Slownik{"dictionary",
                      "dictionary.db",
                      false,
                      {{"Nazwa", R::Tekst, true}, {"Wartosc", R::Tekst}, {"Opis", R::Tekst}}};

const TTabela* Tabele[] = {&Klient, &Film, &Rental, &Slownik};

bool typPasuje(TRodzaj rodzaj, int typ) {
    const bool liczba = typ == pxfShort || typ == pxfLong || typ == pxfAutoInc ||
                        typ == pxfNumber || typ == pxfCurrency || typ == pxfBCD;
    switch (rodzaj) {
        case R::Calkowita:
        case R::Kwota:
            return liczba;
        case R::Tekst:
            return liczba || typ == pxfAlpha;
        case R::Data:
            return typ == pxfDate || typ == pxfTimestamp;
        case R::Logiczna:
            return typ == pxfLogical;
    }
    return false;
}

// The value read from the table as the store's column holds it; false with the reason
// when it does not fit.
bool przelicz(const QVariant& v, TRodzaj rodzaj, QVariant& wynik, QString& powod) {
    wynik = QVariant();
    if (v.isNull()) return true;
    const bool calkowita = v.typeId() == QMetaType::LongLong;
    switch (rodzaj) {
        case R::Calkowita: {
            if (calkowita) {
                wynik = v;
                return true;
            }
            const double d = v.toDouble();
            if (d != std::floor(d) || std::fabs(d) > 9.0e15) {
                powod = LiczbaOgolna(d) + QStringLiteral(" nie jest liczbą całkowitą");
                return false;
            }
            wynik = qint64(d);
            return true;
        }
        case R::Kwota: {
            const double d = v.toDouble();
            if (std::fabs(d) >= 1.0e13) {
                powod = LiczbaOgolna(d) + QStringLiteral(" nie jest kwotą");
                return false;
            }
            wynik = TKwota::ZeZlotych(d).Zlote();
            return true;
        }
        case R::Tekst:
            wynik = v.typeId() == QMetaType::Double ? QString::number(v.toDouble(), 'g', 15)
                                                    : v.toString();
            return true;
        case R::Data:
        case R::Logiczna:
            wynik = v;
            return true;
    }
    return false;
}

QString plikWKatalogu(const QString& katalog, const QString& nazwa) {
    const QDir dir(katalog);
    for (const QString& p : dir.entryList(QDir::Files))
        if (p.compare(nazwa, Qt::CaseInsensitive) == 0) return dir.filePath(p);
    return {};
}

void dodajPowod(TOdczytParadox& odczyt, const QString& plik, int wiersz, const QString& powod) {
    ++odczyt.nieczytelne;
    if (odczyt.powody.size() < NajwyzejPowodow)
        odczyt.powody << QStringLiteral("%1, wiersz %2: %3").arg(plik).arg(wiersz).arg(powod);
}

// Reads one table; false with odczyt.blad set when it cannot be brought over.
bool czytajTabele(const QString& sciezka, const TTabela& opis, TOdczytTabeli& wynik,
                  TOdczytParadox& odczyt) {
    const QString plik = QString::fromLatin1(opis.plik);
    TTabelaParadox tabela(sciezka);
    if (!tabela.Otwarta()) {
        odczyt.blad =
            QStringLiteral("Nie można otworzyć tabeli \"%1\": %2.").arg(plik, tabela.Blad());
        return false;
    }
    wynik.autonumer = tabela.LicznikAutonumeru();

    // Where each column of the store comes from: a field of the table, or -1 when the
    // table lacks it.
    std::vector<int> zrodla;
    for (const TKolumna& k : opis.kolumny) {
        const QString nazwa = QString::fromLatin1(k.nazwa);
        const int i = tabela.IndeksPola(nazwa);
        if (i < 0 && k.klucz) {
            odczyt.blad = QStringLiteral("Tabela \"%1\" nie ma kolumny %2.").arg(plik, nazwa);
            return false;
        }
        if (i >= 0 && !typPasuje(k.rodzaj, tabela.Pola()[i].typ)) {
            odczyt.blad = QStringLiteral("Kolumny %1 tabeli \"%2\" (typ %3) nie można przenieść.")
                              .arg(nazwa, plik, NazwaTypuParadox(tabela.Pola()[i].typ));
            return false;
        }
        zrodla.push_back(i);
    }

    QSet<qint64> klucze;
    std::vector<QVariant> pola;
    for (int w = 0; w < tabela.LiczbaWierszy(); ++w) {
        QString powod;
        if (!tabela.CzytajWiersz(w, pola, powod)) {
            dodajPowod(odczyt, plik, w + 1, powod);
            continue;
        }
        std::vector<QVariant> wiersz(opis.kolumny.size());
        bool dobry = true;
        for (size_t k = 0; k < opis.kolumny.size() && dobry; ++k) {
            const TKolumna& kol = opis.kolumny[k];
            if (zrodla[k] < 0) {
                if (kol.wypelnienie == W::Zero) wiersz[k] = qint64(0);
                if (kol.wypelnienie == W::Prawda) wiersz[k] = true;
                continue;
            }
            if (!przelicz(pola[zrodla[k]], kol.rodzaj, wiersz[k], powod)) {
                powod = QStringLiteral("pole %1: %2").arg(QLatin1String(kol.nazwa), powod);
                dobry = false;
            } else if (kol.klucz && wiersz[k].isNull()) {
                powod = QStringLiteral("puste pole %1").arg(QLatin1String(kol.nazwa));
                dobry = false;
            }
        }
        if (dobry && opis.kluczRozny) {
            const qint64 klucz = wiersz[0].toLongLong();
            if (klucze.contains(klucz)) {
                powod = QStringLiteral("powtórzony klucz ID = %1").arg(klucz);
                dobry = false;
            }
            klucze.insert(klucz);
        }
        if (!dobry) {
            dodajPowod(odczyt, plik, w + 1, powod);
            continue;
        }
        wynik.wiersze.push_back(std::move(wiersz));
    }
    wynik.nieczytelne = tabela.LiczbaWierszy() - int(wynik.wiersze.size());
    return true;
}

QString wstawienie(const TTabela& opis) {
    QStringList kolumny, parametry;
    for (size_t k = 0; k < opis.kolumny.size(); ++k) {
        kolumny << QString::fromLatin1(opis.kolumny[k].nazwa);
        parametry << QStringLiteral(":p%1").arg(k);
    }
    return QStringLiteral("insert into %1( %2 ) values ( %3 )")
        .arg(QLatin1String(opis.tabela), kolumny.join(QStringLiteral(", ")),
             parametry.join(QStringLiteral(", ")));
}

void wstaw(TQuery& query, const TTabela& opis, const TOdczytTabeli& tabela) {
    const QString sql = wstawienie(opis);
    for (const auto& wiersz : tabela.wiersze) {
        query.UstawSQL(sql);
        for (size_t k = 0; k < wiersz.size(); ++k)
            query.UstawParametr(QStringLiteral("p%1").arg(k), wiersz[k]);
        query.ExecSQL();
    }
    query.Close();
}

// Keys the store hands out later continue after the old table's counter.
void kontynuujKlucze(const char* tabela, qint64 autonumer) {
    if (autonumer <= 0) return;
    TBaza::Aktywna()->Wykonaj(
        QStringLiteral("update sqlite_sequence set seq = max(seq, %1) where name = '%2'")
            .arg(autonumer)
            .arg(QLatin1String(tabela)));
}

QString wierszTabeli(const QString& nazwa, const TOdczytTabeli& t) {
    return QStringLiteral("%1: przeniesiono %2, nie odczytano %3.")
        .arg(nazwa)
        .arg(t.wiersze.size())
        .arg(t.nieczytelne);
}

}  // namespace

QStringList KolumnyImportu(const QString& tabela) {
    QStringList wynik;
    for (const TTabela* t : Tabele)
        if (tabela == QLatin1String(t->tabela))
            for (const TKolumna& k : t->kolumny) wynik << QString::fromLatin1(k.nazwa);
    return wynik;
}

TOdczytParadox CzytajTabeleParadox(const QString& katalog) {
    TOdczytParadox odczyt;
    TOdczytTabeli* wyniki[] = {&odczyt.klient, &odczyt.film, &odczyt.rental, &odczyt.dictionary};
    for (int i = 0; i < 4; ++i) {
        const TTabela& opis = *Tabele[i];
        TOdczytTabeli& wynik = *wyniki[i];
        wynik.plik = QString::fromLatin1(opis.plik);
        const QString sciezka = plikWKatalogu(katalog, wynik.plik);
        wynik.jest = !sciezka.isEmpty();
        if (!wynik.jest) {
            // Clients and films are the shop itself; the rentals and the settings may be
            // missing.
            if (i < 2) {
                odczyt.blad = QStringLiteral("Brak tabeli \"%1\" w katalogu %2.")
                                  .arg(wynik.plik, QDir::toNativeSeparators(katalog));
                break;
            }
            continue;
        }
        if (!czytajTabele(sciezka, opis, wynik, odczyt)) break;
    }
    if (!odczyt.blad.isEmpty()) {
        const QString blad = odczyt.blad;
        odczyt = TOdczytParadox();
        odczyt.blad = blad;
    }
    return odczyt;
}

bool BazaMaDane() {
    TQuery query;
    query.UstawSQL(
        QStringLiteral("select (select count(*) from klient) + (select count(*) from film) + "
                       "(select count(*) from rental) as ile"));
    query.Open();
    const bool dane = query.FieldByName(QStringLiteral("ile")).AsLargeInt() > 0;
    query.Close();
    return dane;
}

QString ZapiszOdczytParadox(const TOdczytParadox& odczyt, bool zWypozyczeniami) {
    if (!odczyt.blad.isEmpty()) return odczyt.blad;
    TTransakcja transakcja;
    if (TTransakcja::Przerwana())
        return QStringLiteral("Nie można rozpocząć zapisu do bazy danych.");
    try {
        if (BazaMaDane()) return QStringLiteral("Baza danych zawiera już dane.");
        TQuery query;
        wstaw(query, Klient, odczyt.klient);
        wstaw(query, Film, odczyt.film);
        if (zWypozyczeniami) wstaw(query, Rental, odczyt.rental);
        for (const auto& wiersz : odczyt.dictionary.wiersze) {
            query.UstawSQL(QStringLiteral("delete from dictionary where Nazwa = :n"));
            query.UstawParametr(QStringLiteral("n"), wiersz[0]);
            query.ExecSQL();
        }
        wstaw(query, Slownik, odczyt.dictionary);
        kontynuujKlucze("klient", odczyt.klient.autonumer);
        kontynuujKlucze("film", odczyt.film.autonumer);
    } catch (const TBladBazy& e) {
        return e.Tekst();  // the guard takes back everything written
    }
    if (!transakcja.Zatwierdz()) return QStringLiteral("Nie można zapisać danych w bazie.");
    return {};
}

QString PodsumowanieImportu(const TOdczytParadox& odczyt, bool zWypozyczeniami) {
    QStringList linie;
    linie << QStringLiteral("Import z tabel Paradox zakończony.") << QString();
    linie << wierszTabeli(QStringLiteral("Klienci"), odczyt.klient);
    linie << wierszTabeli(QStringLiteral("Filmy"), odczyt.film);
    if (!odczyt.rental.jest)
        linie << QStringLiteral("Wypożyczenia: brak tabeli \"rental.db\".");
    else if (!zWypozyczeniami)
        linie << QStringLiteral("Wypożyczenia: pominięte.");
    else
        linie << wierszTabeli(QStringLiteral("Wypożyczenia"), odczyt.rental);
    if (odczyt.dictionary.jest)
        linie << wierszTabeli(QStringLiteral("Ustawienia"), odczyt.dictionary);
    else
        linie << QStringLiteral(
            "Ustawienia: brak tabeli \"dictionary.db\", ustawienia pozostają domyślne.");
    if (!odczyt.powody.isEmpty()) {
        linie << QString() << QStringLiteral("Nieodczytane wiersze (pierwsze przyczyny):");
        for (const QString& p : odczyt.powody) linie << QStringLiteral("- ") + p;
    }
    return linie.join('\n');
}
