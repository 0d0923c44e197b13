#include "store/ObceObiekty.h"

#include <sqlite3.h>

#include <QRegularExpression>
#include <algorithm>

namespace {

// The tables as the creation of a store (Baza.cpp) and the upgrade's steps (uStruktura.cpp,
// Kasa.cpp) make them, with every column a step adds.
struct TTabela {
    const char* nazwa;
    const char* kolumny;
};
const TTabela Tabele[] = {
    {"klient",
     "ID Numer_klienta Imie Nazwisko Firma Kod Miejscowosc Ulica Nr_Posesji Nr_lokalu Telefon "
     "NIP Ostatnie_wypozyczenie Saldo Abonament Abonament_OD Abonament_DO Licznik Upowazniony "
     "LicznikAb Aktualny Rabat"},
    {"film",
     "ID Numer_filmu Tytul_oryginalny Tytul_polski Produkcja Rola_glowna_1 Rola_glowna_2 "
     "Rola_glowna_3 Rola_glowna_4 Rola_glowna_5 Gatunek Nosnik Czas_trwania Rezyseria_1 "
     "Rezyseria_2 Stawka Wplywy Ilosc_wypozyczen Cena_zakupu Opis Status Aktualny "
     "DataWprowadzenia"},
    {"rental",
     "id_filmu id_klienta dataOD dataDO zwrocono platnosc Platnosc1 Z_abonamentu Naleznosc "
     "Stawka DataZwrotu"},
    {"dictionary", "Nazwa Wartosc Opis"},
    {"kasa", "ID Data Czas id_klienta Rodzaj Kwota Opis Stanowisko"},
    {"ustawienia", "Klucz Wartosc"},
};

// The indexes with their definitions (Baza.cpp, Indeksy.cpp, Kasa.cpp, uStruktura.cpp).
struct TIndeks {
    const char* nazwa;
    const char* tabela;
    const char* definicja;
};
const TIndeks Indeksy[] = {
    {"klient_numer", "klient", "create index klient_numer on klient(Numer_klienta)"},
    {"klient_nazwisko", "klient", "create index klient_nazwisko on klient(Nazwisko, Imie)"},
    {"film_numer", "film", "create index film_numer on film(Numer_filmu)"},
    {"film_tytul", "film", "create index film_tytul on film(Tytul_oryginalny)"},
    {"rental_klient", "rental", "create index rental_klient on rental(id_klienta, zwrocono)"},
    {"rental_film", "rental", "create index rental_film on rental(id_filmu, zwrocono)"},
    {"dictionary_nazwa", "dictionary", "create index dictionary_nazwa on dictionary(Nazwa)"},
    {"rental_otwarte", "rental",
     "create index rental_otwarte on rental(zwrocono) where zwrocono = 0"},
    {"rental_od", "rental", "create index rental_od on rental(dataOD)"},
    {"rental_zwrocone_naleznosc", "rental",
     "create index rental_zwrocone_naleznosc on rental(zwrocono, naleznosc, id_klienta)"},
    {"kasa_data", "kasa", "create index kasa_data on kasa(Data, ID)"},
    {"film_wprowadzenie", "film", "create index film_wprowadzenie on film(DataWprowadzenia)"},
    {"rental_otwarty_film", "rental",
     "create unique index rental_otwarty_film on rental(id_filmu) where not zwrocono"},
};

bool Rowne(const QString& a, const char* b) {
    return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

// A definition without the letter case, blanks, quotes and "if not exists" that do not
// change its meaning.
QString Znormalizowana(const QString& sql) {
    static const QRegularExpression zbedne(QStringLiteral("[\\s\"`\\[\\]]"));
    return sql.toLower().remove(zbedne).remove(QStringLiteral("ifnotexists"));
}

QString Tekst(sqlite3_stmt* st, int i) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, i)));
}

// SQLite's own tables (the keys of autoincrement, the statistics).
bool Wewnetrzna(const QString& nazwa) {
    return Rowne(nazwa, "sqlite_sequence") ||
           nazwa.startsWith(QStringLiteral("sqlite_stat"), Qt::CaseInsensitive);
}

// The columns of a table of the program beyond its own, and computed ones; false when they
// cannot be read.
bool ObceKolumny(sqlite3* uchwyt, const TTabela& t, const QString& nazwa,
                 std::vector<TObcyObiekt>& obce) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(uchwyt, "select name, hidden from pragma_table_xinfo(?1)", -1, &st,
                           nullptr) != SQLITE_OK)
        return false;
    const QByteArray n = nazwa.toUtf8();
    sqlite3_bind_text(st, 1, n.constData(), static_cast<int>(n.size()), SQLITE_TRANSIENT);
    const QStringList wlasne = QString::fromLatin1(t.kolumny).split(' ');
    int kod;
    while ((kod = sqlite3_step(st)) == SQLITE_ROW) {
        const QString kolumna = Tekst(st, 0);
        const bool nasza = wlasne.contains(kolumna, Qt::CaseInsensitive);
        if (!nasza || sqlite3_column_int(st, 1) != 0)
            obce.push_back({TRodzajObiektu::Kolumna, kolumna, nazwa, !nasza});
    }
    sqlite3_finalize(st);
    return kod == SQLITE_DONE;
}

QString Cytat(const QString& nazwa) {
    return '"' + QString(nazwa).replace('"', QStringLiteral("\"\"")) + '"';
}

}  // namespace

void ZabezpieczPolaczenie(sqlite3* uchwyt) {
    sqlite3_db_config(uchwyt, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(uchwyt, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
}

std::optional<std::vector<TObcyObiekt>> ObceObiekty(sqlite3* uchwyt) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(uchwyt, "select type, name, tbl_name, sql from sqlite_master", -1, &st,
                           nullptr) != SQLITE_OK)
        return std::nullopt;
    std::vector<TObcyObiekt> obce;
    std::vector<std::pair<const TTabela*, QString>> tabele;
    int kod;
    while ((kod = sqlite3_step(st)) == SQLITE_ROW) {
        const QString typ = Tekst(st, 0), nazwa = Tekst(st, 1), tabela = Tekst(st, 2);
        if (typ == QStringLiteral("trigger")) {
            obce.push_back({TRodzajObiektu::Wyzwalacz, nazwa, tabela});
        } else if (typ == QStringLiteral("view")) {
            obce.push_back({TRodzajObiektu::Widok, nazwa, {}});
        } else if (typ == QStringLiteral("index")) {
            // An index without a definition belongs to a constraint of its table.
            if (sqlite3_column_type(st, 3) == SQLITE_NULL) continue;
            const auto i = std::find_if(std::begin(Indeksy), std::end(Indeksy),
                                        [&](const TIndeks& x) { return Rowne(nazwa, x.nazwa); });
            if (i == std::end(Indeksy) || !Rowne(tabela, i->tabela) ||
                Znormalizowana(Tekst(st, 3)) != Znormalizowana(QString::fromLatin1(i->definicja)))
                obce.push_back({TRodzajObiektu::Indeks, nazwa, tabela});
        } else if (typ == QStringLiteral("table") && !Wewnetrzna(nazwa)) {
            const auto t = std::find_if(std::begin(Tabele), std::end(Tabele),
                                        [&](const TTabela& x) { return Rowne(nazwa, x.nazwa); });
            if (t == std::end(Tabele))
                obce.push_back({TRodzajObiektu::Tabela, nazwa, {}});
            else
                tabele.emplace_back(t, nazwa);
        }
    }
    sqlite3_finalize(st);
    if (kod != SQLITE_DONE) return std::nullopt;
    for (const auto& [t, nazwa] : tabele)
        if (!ObceKolumny(uchwyt, *t, nazwa, obce)) return std::nullopt;
    std::stable_sort(obce.begin(), obce.end(), [](const TObcyObiekt& a, const TObcyObiekt& b) {
        return a.rodzaj < b.rodzaj;
    });
    return obce;
}

QStringList ObiektySchematu() {
    QStringList nazwy;
    for (const TTabela& t : Tabele) nazwy << QString::fromLatin1(t.nazwa);
    for (const TIndeks& i : Indeksy) nazwy << QString::fromLatin1(i.nazwa);
    return nazwy;
}

QString OpisObiektu(const TObcyObiekt& o) {
    // The description of each TRodzajObiektu, in its order; a computed column has its own.
    const char* const wzory[] = {"wyzwalacz „%1” (tabela %2)", "widok „%1”",
                                 "indeks „%1” (tabela %2)", "tabela „%1”",
                                 "kolumna „%1” (tabela %2)"};
    const char* wzor = wzory[static_cast<int>(o.rodzaj)];
    if (o.rodzaj == TRodzajObiektu::Kolumna && !o.usuwalny)
        wzor = "wyliczana kolumna „%1” (tabela %2)";
    QString opis = QString::fromUtf8(wzor).arg(o.nazwa);
    return o.tabela.isEmpty() ? opis : opis.arg(o.tabela);
}

QString OpisObcychObiektow(const std::vector<TObcyObiekt>& obiekty) {
    QStringList opisy;
    for (const TObcyObiekt& o : obiekty) opisy << OpisObiektu(o);
    return opisy.join(QStringLiteral(", "));
}

QString UsunObceObiekty(sqlite3* uchwyt, const std::vector<TObcyObiekt>& obiekty) {
    QStringList polecenia{QStringLiteral("begin")};
    for (const TObcyObiekt& o : obiekty) {
        if (!o.usuwalny) continue;
        // The removal of each TRodzajObiektu but a column, in its order.
        const char* const usuniecia[] = {"drop trigger if exists ", "drop view if exists ",
                                         "drop index if exists ", "drop table if exists "};
        if (o.rodzaj == TRodzajObiektu::Kolumna)
            polecenia << QStringLiteral("alter table %1 drop column %2")
                             .arg(Cytat(o.tabela), Cytat(o.nazwa));
        else
            polecenia << QString::fromLatin1(usuniecia[static_cast<int>(o.rodzaj)]) +
                             Cytat(o.nazwa);
    }
    polecenia << QStringLiteral("commit");
    for (const QString& p : polecenia) {
        if (sqlite3_exec(uchwyt, p.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK)
            continue;
        const QString blad = QString::fromUtf8(sqlite3_errmsg(uchwyt));
        sqlite3_exec(uchwyt, "rollback", nullptr, nullptr, nullptr);
        return blad;
    }
    return {};
}
