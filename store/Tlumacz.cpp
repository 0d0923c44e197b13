#include "store/Tlumacz.h"

#include <QDate>
#include <algorithm>
#include <cstdint>
#include <vector>

#include "store/Formaty.h"
#include "store/Porzadek.h"
#include "store/Zegar.h"

namespace {

// What the last significant token was, as far as the meaning of a quoted token depends on it.
enum class TPoprzedni {
    Inny,
    Tabela,     // FROM, JOIN, TABLE, UPDATE, INTO: a table reference follows
    Przecinek,  // a comma (inside a FROM list: another table follows)
    Like,       // LIKE: a pattern follows, never a date
};

enum class TSlowo {
    Zwykle,
    Prawda,
    Falsz,
    Od,           // FROM
    PrzedTabela,  // JOIN, TABLE, UPDATE, INTO
    Like,
    KoniecListy,  // ends a FROM list: WHERE, GROUP, ORDER, ON, UNION ...
    Ddl,          // ALTER, CREATE
    Money,
};

bool poczatekNazwy(QChar c) {
    return c.isLetter() || c == u'_';
}
bool ciagNazwy(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c == u'$';
}
bool cyfra(QChar c) {
    return c >= u'0' && c <= u'9';
}
bool odstep(QChar c) {
    return c.isSpace();
}

bool rowne(QStringView a, const char* b) {
    return a.compare(QLatin1StringView(b), Qt::CaseInsensitive) == 0;
}

TSlowo rozpoznaj(QStringView s) {
    // Only words of keyword length are compared at all.
    switch (s.size()) {
        case 2:
            if (rowne(s, "on")) return TSlowo::KoniecListy;
            break;
        case 4:
            if (rowne(s, "true")) return TSlowo::Prawda;
            if (rowne(s, "from")) return TSlowo::Od;
            if (rowne(s, "join") || rowne(s, "into")) return TSlowo::PrzedTabela;
            if (rowne(s, "like")) return TSlowo::Like;
            break;
        case 5:
            if (rowne(s, "false")) return TSlowo::Falsz;
            if (rowne(s, "table")) return TSlowo::PrzedTabela;
            if (rowne(s, "where") || rowne(s, "group") || rowne(s, "order") || rowne(s, "union") ||
                rowne(s, "limit"))
                return TSlowo::KoniecListy;
            if (rowne(s, "alter")) return TSlowo::Ddl;
            if (rowne(s, "money")) return TSlowo::Money;
            break;
        case 6:
            if (rowne(s, "update")) return TSlowo::PrzedTabela;
            if (rowne(s, "having") || rowne(s, "select") || rowne(s, "values"))
                return TSlowo::KoniecListy;
            if (rowne(s, "create")) return TSlowo::Ddl;
            break;
        case 3:
            if (rowne(s, "set")) return TSlowo::KoniecListy;
            break;
        default:
            break;
    }
    return TSlowo::Zwykle;
}

// Columns of the tables that hold no text (numbers, money, dates, booleans). An ORDER BY
// on one of them keeps the store's own order, so an index on it still serves the order;
// every other ORDER BY term is compared in Polish alphabetical order (the collation leaves
// numbers alone, and ISO dates compare alike in both orders).
const char* const KolumnyNieTekstowe[] = {
    "ID",
    "rowid",
    "Numer_klienta",
    "Numer_filmu",
    "Ostatnie_wypozyczenie",
    "Saldo",
    "Abonament",
    "Abonament_OD",
    "Abonament_DO",
    "Licznik",
    "LicznikAb",
    "Aktualny",
    "Rabat",
    "Stawka",
    "Wplywy",
    "Status",
    "Ilosc_wypozyczen",
    "Cena_zakupu",
    "id_filmu",
    "id_klienta",
    "dataOD",
    "dataDO",
    "zwrocono",
    "platnosc",
    "Platnosc1",
    "Z_abonamentu",
    "Naleznosc",
    "DataZwrotu",
};

bool nieTekstowa(QStringView nazwa) {
    for (const char* k : KolumnyNieTekstowe)
        if (rowne(nazwa, k)) return true;
    return false;
}

// The table named by a file name or a full path ("klient.db", "C:\...\klient.db"), or an
// empty view.
QStringView tabelaPliku(QStringView tresc) {
    if (tresc.size() < 4 || !tresc.endsWith(QLatin1StringView(".db"), Qt::CaseInsensitive))
        return {};
    QStringView nazwa = tresc.first(tresc.size() - 3);
    for (qsizetype i = nazwa.size() - 1; i >= 0; --i) {
        if (nazwa[i] == u'/' || nazwa[i] == u'\\') {
            nazwa = nazwa.sliced(i + 1);
            break;
        }
    }
    if (nazwa.isEmpty() || !poczatekNazwy(nazwa[0])) return {};
    for (QChar c : nazwa)
        if (!ciagNazwy(c)) return {};
    return nazwa;
}

// Reads dd.mm.yy or dd.mm.yyyy (one- or two-digit day and month). False when the text
// has another shape; the date itself may still be impossible.
bool czytajDate(QStringView t, int& dzien, int& miesiac, int& rok, int& cyfrRoku) {
    int czesci[3] = {0, 0, 0};
    int cyfry[3] = {0, 0, 0};
    int k = 0;
    for (QChar c : t) {
        if (c == u'.') {
            if (++k > 2) return false;
        } else if (cyfra(c)) {
            czesci[k] = czesci[k] * 10 + (c.unicode() - u'0');
            if (++cyfry[k] > 4) return false;
        } else {
            return false;
        }
    }
    if (k != 2 || cyfry[0] < 1 || cyfry[0] > 2 || cyfry[1] < 1 || cyfry[1] > 2 ||
        (cyfry[2] != 2 && cyfry[2] != 4))
        return false;
    dzien = czesci[0];
    miesiac = czesci[1];
    rok = czesci[2];
    cyfrRoku = cyfry[2];
    return true;
}

// The text between two quote characters, each quote inside it doubled.
void dopiszWCudzyslowie(QString& wynik, QStringView tresc, QChar cudzyslow) {
    wynik += cudzyslow;
    for (QChar c : tresc) {
        if (c == cudzyslow) wynik += cudzyslow;
        wynik += c;
    }
    wynik += cudzyslow;
}

// ---- The order of the rentals read on the server.
//
// SQLite gives the rows of a statement without ORDER BY in the order of the index its planner
// takes (rows of one key in rowid order), and the program shows and pays a client's rentals
// in that order. The server's rental keeps the rowid's order in its key column; a read of
// rental without an order of its own gets the order SQLite's plan gives, which follows from
// the conditions of its WHERE on rental's indexes (SQLite without statistics):
// - id_klienta or id_filmu together with zwrocono equal to a value, or dataOD equal to one:
//   rowid;
// - id_klienta or id_filmu without zwrocono: zwrocono, then rowid;
// - zwrocono alone: false (the open rentals' index) rowid; else naleznosc, id_klienta, rowid;
// - a range of dataOD: dataOD, then rowid;
// - anything else (the whole table read): rowid.
// (SQLite may read a few indexed columns of the whole table from an index alone, in that
// index's order; the program reads rental so only to count it or to find a row in it.)

enum class TRodzajTokenu { Nazwa, Stala, Znak };

struct TToken {
    TRodzajTokenu rodzaj;
    QStringView tekst;
};

// The tokens of a condition; quoted texts and numbers are values, operators one token.
std::vector<TToken> tokenyWarunku(QStringView w) {
    std::vector<TToken> t;
    const qsizetype n = w.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = w[i];
        const qsizetype od = i;
        if (odstep(c)) {
            ++i;
            continue;
        }
        TRodzajTokenu rodzaj = TRodzajTokenu::Znak;
        if (poczatekNazwy(c)) {
            while (i < n && ciagNazwy(w[i])) ++i;
            const QStringView slowo = w.sliced(od, i - od);
            rodzaj = rowne(slowo, "true") || rowne(slowo, "false") || rowne(slowo, "null")
                         ? TRodzajTokenu::Stala
                         : TRodzajTokenu::Nazwa;
        } else if (cyfra(c) || (c == u':' && i + 1 < n && poczatekNazwy(w[i + 1]))) {
            ++i;
            while (i < n && (ciagNazwy(w[i]) || w[i] == u'.')) ++i;
            rodzaj = TRodzajTokenu::Stala;
        } else if (c == u'\'' || c == u'"') {
            ++i;
            while (i < n && (w[i] != c || (i + 1 < n && w[i + 1] == c && ++i))) ++i;
            ++i;
            rodzaj = TRodzajTokenu::Stala;
        } else if (c == u'<' || c == u'>' || c == u'=' || c == u'!') {
            while (i < n && (w[i] == u'<' || w[i] == u'>' || w[i] == u'=' || w[i] == u'!')) ++i;
        } else {
            ++i;
        }
        t.push_back({rodzaj, w.sliced(od, std::min(i, n) - od)});
    }
    return t;
}

// The conditions of a WHERE on rental's indexed columns: which are equal to a value, and
// which are ranges.
struct TWarunkiWypozyczen {
    bool klient = false, film = false, od = false, zakresOd = false;
    bool zwrocono = false, otwarte = false;  // zwrocono equal to a value; to false
};

// One condition of the AND list: [alias.]column op value, or value op column.
void warunek(const TToken* t, qsizetype n, QStringView alias, TWarunkiWypozyczen& w) {
    const auto kolumna = [&](qsizetype& k) -> QStringView {
        if (k < n && t[k].rodzaj == TRodzajTokenu::Nazwa) {
            if (k + 2 < n && t[k + 1].tekst == u"." && t[k + 2].rodzaj == TRodzajTokenu::Nazwa) {
                if (t[k].tekst.compare(alias, Qt::CaseInsensitive) != 0) return {};
                k += 3;
                return t[k - 1].tekst;
            }
            return t[k++].tekst;
        }
        return {};
    };
    const auto wartosc = [&](qsizetype k, qsizetype koniec) {
        if (k < koniec && t[k].tekst == u"-") ++k;
        if (k + 1 == koniec && t[k].rodzaj == TRodzajTokenu::Stala) return true;
        return k < koniec && t[k].tekst == u"(" && t[koniec - 1].tekst == u")";
    };
    qsizetype k = 0;
    QStringView nazwa = kolumna(k);
    QStringView op, stala;
    if (!nazwa.isEmpty() && k < n) {
        op = t[k].tekst;
        const bool jestNull = k + 2 == n && rowne(op, "is") && rowne(t[k + 1].tekst, "null");
        if (!jestNull && !rowne(op, "between") && !wartosc(k + 1, n)) return;
        if (jestNull) op = u"=";
        if (k + 1 < n) stala = t[k + 1].tekst;
    } else if (n >= 3 && t[0].rodzaj == TRodzajTokenu::Stala) {
        k = 2;
        nazwa = kolumna(k);
        if (nazwa.isEmpty() || k != n) return;
        op = t[1].tekst;
        stala = t[0].tekst;
    } else {
        return;
    }
    const bool rowny = op == u"=" || op == u"==";
    const bool zakres =
        op == u"<" || op == u">" || op == u"<=" || op == u">=" || rowne(op, "between");
    if (rowny && rowne(nazwa, "id_klienta")) w.klient = true;
    if (rowny && rowne(nazwa, "id_filmu")) w.film = true;
    if (rowny && rowne(nazwa, "dataOD")) w.od = true;
    if (zakres && rowne(nazwa, "dataOD")) w.zakresOd = true;
    if (rowny && rowne(nazwa, "zwrocono")) {
        w.zwrocono = true;
        w.otwarte = rowne(stala, "false") || stala == u"0";
    }
}

// The ORDER BY terms giving the server's rentals SQLite's order for the condition gdzie
// (empty: none); alias names rental in the statement. remisy: for the rows an ORDER BY of
// the statement leaves equal, which keep the order SQLite read them in when it sorts a
// client's or a film's rentals found by its index (nothing otherwise).
QString porzadekWypozyczen(QStringView gdzie, QStringView alias, bool remisy) {
    const std::vector<TToken> t = tokenyWarunku(gdzie);
    TWarunkiWypozyczen w;
    int glebokosc = 0;
    bool miedzy = false, alternatywa = false;
    size_t poczatek = 0;
    for (size_t k = 0; k <= t.size(); ++k) {
        if (k < t.size()) {
            const QStringView x = t[k].tekst;
            if (x == u"(") ++glebokosc;
            if (x == u")") --glebokosc;
            if (glebokosc != 0 || t[k].rodzaj != TRodzajTokenu::Nazwa) continue;
            if (rowne(x, "between")) miedzy = true;
            if (rowne(x, "or")) alternatywa = true;
            if (!rowne(x, "and")) continue;
            if (miedzy) {
                miedzy = false;
                continue;
            }
        }
        warunek(t.data() + poczatek, static_cast<qsizetype>(k - poczatek), alias, w);
        poczatek = k + 1;
    }
    // Alternatives at the top: no index bounds the whole condition.
    if (alternatywa) w = {};
    if (remisy && !w.klient && !w.film) return {};
    const QString a = alias.toString() + u'.';
    const QString wiersz = a + QLatin1StringView(KolumnaKolejnosci);
    if (((w.klient || w.film) && w.zwrocono) || w.od) return wiersz;
    if (w.klient || w.film) return a + QLatin1StringView("zwrocono nulls first, ") + wiersz;
    if (w.zwrocono && w.otwarte) return wiersz;
    if (w.zwrocono)
        return a + QLatin1StringView("naleznosc nulls first, ") + a +
               QLatin1StringView("id_klienta nulls first, ") + wiersz;
    if (w.zakresOd) return a + QLatin1StringView("dataOD nulls first, ") + wiersz;
    return wiersz;
}

// The statement names the table rental (its rowid is then rental's key column).
bool naWypozyczeniach(QStringView s) {
    for (qsizetype k = s.indexOf(u"rental", 0, Qt::CaseInsensitive); k >= 0;
         k = s.indexOf(u"rental", k + 1, Qt::CaseInsensitive)) {
        const bool przed = k > 0 && ciagNazwy(s[k - 1]);
        const bool po = k + 6 < s.size() && ciagNazwy(s[k + 6]);
        if (!przed && !po) return true;
    }
    return false;
}

class TTlumacz {
    // The SELECT of one parenthesis level, as far as its order is concerned.
    enum class TEtap { Lista, PierwszaTabela, Alias, Tabele, Warunek, Grupy, Porzadek, Koniec };
    struct TZapytanie {
        bool czynne = false;
        TEtap etap = TEtap::Lista;
        bool wypozyczenia = false;  // the first table of FROM is rental
        bool wykluczone = false;    // groups, an aggregate, DISTINCT, a compound
        QString alias;
        qsizetype gdzieOd = -1, gdzieDo = -1;  // the WHERE condition
        qsizetype grupyOd = -1, grupyDo = -1;  // the GROUP BY terms
    };
    static constexpr int MaksZapytan = 8;

public:
    // parametryPG: the server's dialect, gathering the parameters' names; nullptr: SQLite's.
    explicit TTlumacz(const QString& zrodlo, QStringList* parametryPG = nullptr)
        : s(zrodlo), n(zrodlo.size()), serwer(parametryPG) {}

    QString Tlumacz() {
        while (i < n) {
            const QChar c = s[i];
            if (odstep(c)) {
                while (i < n && odstep(s[i])) ++i;
            } else if (poczatekNazwy(c)) {
                nazwa();
            } else if (cyfra(c) || (c == u'.' && i + 1 < n && cyfra(s[i + 1]))) {
                while (i < n && (cyfra(s[i]) || s[i] == u'.')) ++i;
                poprzedni = TPoprzedni::Inny;
                wyrazenie({});
            } else if (c == u'\'' || c == u'"') {
                cytowany(c);
            } else if (c == u':' && i + 1 < n && poczatekNazwy(s[i + 1])) {
                const qsizetype start = i++;
                while (i < n && ciagNazwy(s[i])) ++i;
                if (serwer) parametr(start);
                poprzedni = TPoprzedni::Inny;
                wyrazenie({});
            } else {
                ++i;
                znak(c);
            }
        }
        koniecPorzadku();
        if (serwer) koniecZapytania(koniecTekstu());
        if (!zmieniony) return s;  // nothing to change: the text itself, not a copy
        wynik += QStringView(s).sliced(kopiuj);
        return std::move(wynik);
    }

private:
    void nazwa() {
        const qsizetype start = i;
        while (i < n && ciagNazwy(s[i])) ++i;
        const QStringView slowo = QStringView(s).sliced(start, i - start);
        const TSlowo rodzaj = rozpoznaj(slowo);
        slowoPorzadku(slowo);
        if (pierwszeSlowo) {
            ddl = rodzaj == TSlowo::Ddl;
            pierwszeSlowo = false;
        }
        poprzedni = TPoprzedni::Inny;
        if (!serwer && rowne(slowo, "for") && blokadaWierszy(start)) return;
        if (serwer) slowoZapytania(slowo, start);
        if (serwer && rowne(slowo, "rowid")) {
            // rental's key column keeps the order of its rows; other tables' rows are
            // found by their place.
            zamien(start, i);
            wynik += naWypozyczeniach(s) ? QLatin1StringView(KolumnaKolejnosci)
                                         : QLatin1StringView("ctid");
            return;
        }
        switch (rodzaj) {
            case TSlowo::Prawda:
                zamien(start, i);
                wynik += serwer ? QLatin1StringView("true") : QLatin1StringView("1");
                return;
            case TSlowo::Falsz:
                zamien(start, i);
                wynik += serwer ? QLatin1StringView("false") : QLatin1StringView("0");
                return;
            case TSlowo::Od:
                ustawListe(true);
                poprzedni = TPoprzedni::Tabela;
                break;
            case TSlowo::PrzedTabela:
                poprzedni = TPoprzedni::Tabela;
                break;
            case TSlowo::Like:
                poprzedni = TPoprzedni::Like;
                break;
            case TSlowo::KoniecListy:
                ustawListe(false);
                break;
            case TSlowo::Money:
                if (ddl && serwer) {
                    zamien(start, i);
                    wynik += QLatin1StringView("numeric(12,2)");
                    return;
                }
                if (ddl) {
                    // A money column gets REAL affinity, so that whole amounts stay reals;
                    // the declared type still begins with MONEY.
                    zamien(i, i);
                    wynik += QLatin1StringView(" REAL");
                    return;
                }
                break;
            default:
                break;
        }
    }

    // FOR UPDATE ending a statement: the server locks the rows read; the file store has
    // nothing to lock by row (a write holds the whole store from its start) and drops it.
    bool blokadaWierszy(qsizetype start) {
        const qsizetype od = pominOdstep(i);
        qsizetype k = od;
        while (k < n && ciagNazwy(s[k])) ++k;
        if (!rowne(QStringView(s).sliced(od, k - od), "update")) return false;
        for (qsizetype r = k; r < n; ++r)
            if (!odstep(s[r]) && s[r] != u';') return false;
        zamien(start, k);
        i = k;
        return true;
    }

    void znak(QChar c) {
        znakPorzadku(c);
        if (serwer) znakZapytania(c);
        if (c == u'(') {
            ++glebokosc;
            ustawListe(false);
        } else if (c == u')') {
            ustawListe(false);
            if (glebokosc > 0) --glebokosc;
        }
        poprzedni = c == u',' ? TPoprzedni::Przecinek : TPoprzedni::Inny;
    }

    // Reads a quoted token at i; returns its content (doubled quotes made single) and moves
    // past the closing quote.
    QStringView tresc(QChar cudzyslow, QString& bufor) {
        const qsizetype start = ++i;
        bool podwojone = false;
        while (i < n) {
            if (s[i] == cudzyslow) {
                if (i + 1 < n && s[i + 1] == cudzyslow) {
                    podwojone = true;
                    i += 2;
                    continue;
                }
                const QStringView t = QStringView(s).sliced(start, i - start);
                ++i;
                if (!podwojone) return t;
                bufor.reserve(t.size());
                for (qsizetype k = 0; k < t.size(); ++k) {
                    bufor += t[k];
                    if (t[k] == cudzyslow) ++k;
                }
                return bufor;
            }
            ++i;
        }
        throw TBladBazy(QStringLiteral("Niezakończony tekst w poleceniu SQL: %1%2")
                            .arg(cudzyslow)
                            .arg(QStringView(s).sliced(start)));
    }

    qsizetype pominOdstep(qsizetype k) const {
        while (k < n && odstep(s[k])) ++k;
        return k;
    }

    void cytowany(QChar cudzyslow) {
        // A column named through its table's file ("klient.db"."Col") is still a name.
        QString kolumna;
        tabelaWZapytaniu = false;
        cytowanyToken(cudzyslow, kolumna);
        if (serwer && !tabelaWZapytaniu) tokenZapytania();
        wyrazenie(kolumna);
    }

    void cytowanyToken(QChar cudzyslow, QString& kolumnaPliku) {
        const qsizetype start = i;
        QString bufor;
        const QStringView t = tresc(cudzyslow, bufor);
        const TPoprzedni przed = poprzedni;
        poprzedni = TPoprzedni::Inny;

        const QStringView tabela = tabelaPliku(t);
        if (!tabela.isEmpty()) {
            // "klient.db"."Col" names the column alone.
            const qsizetype kropka = pominOdstep(i);
            if (kropka < n && s[kropka] == u'.') {
                const qsizetype k = pominOdstep(kropka + 1);
                if (k < n && (s[k] == u'"' || poczatekNazwy(s[k]))) {
                    zamien(start, k);
                    i = k;
                    QString b;
                    QStringView kolumna;
                    if (s[k] == u'"') {
                        kolumna = tresc(u'"', b);
                    } else {
                        const qsizetype p = i;
                        while (i < n && ciagNazwy(s[i])) ++i;
                        kolumna = QStringView(s).sliced(p, i - p);
                    }
                    if (!serwer)
                        dopiszWCudzyslowie(wynik, kolumna, u'"');
                    else if (nazwaProsta(kolumna))
                        wynik += kolumna;
                    else
                        dopiszWCudzyslowie(wynik, kolumna.toString().toLower(), u'"');
                    kopiuj = i;
                    if (glebokoscPorzadku >= 0) kolumnaPliku = kolumna.toString();
                    return;
                }
            }
            if (przed == TPoprzedni::Tabela || (przed == TPoprzedni::Przecinek && wLiscie())) {
                zamien(start, i);
                wynik += tabela;
                if (serwer) tabelaZapytania(tabela);
                return;
            }
        }
        // The server reads a backslash in a LIKE pattern as an escape; SQLite as itself.
        const bool wzorSerwera = serwer && przed == TPoprzedni::Like && t.contains(u'\\');
        if (cudzyslow == u'\'' && !wzorSerwera) {
            return;  // already a literal of the store's SQL
        }
        int d, m, r, cyfryRoku;
        if (przed != TPoprzedni::Like && czytajDate(t, d, m, r, cyfryRoku)) {
            if (cyfryRoku == 2) {
                if (!biezacyRok) biezacyRok = Dzisiaj().year();  // once per statement
                r = RokZOkna(r, biezacyRok);
            }
            if (!QDate::isValid(r, m, d))
                throw TBladBazy(QStringLiteral("Niepoprawna data w poleceniu SQL: \"%1\"").arg(t));
            zamien(start, i);
            dopiszDate(r, m, d);
            return;
        }
        zamien(start, i);
        // The content of a double-quoted token as a single-quoted literal.
        if (wzorSerwera)
            dopiszWCudzyslowie(wynik, t.toString().replace(u'\\', QStringLiteral("\\\\")), u'\'');
        else
            dopiszWCudzyslowie(wynik, t, u'\'');
    }

    // 'YYYY-MM-DD'
    void dopiszDate(int r, int m, int d) {
        char16_t z[12] = {u'\'',
                          char16_t(u'0' + r / 1000 % 10),
                          char16_t(u'0' + r / 100 % 10),
                          char16_t(u'0' + r / 10 % 10),
                          char16_t(u'0' + r % 10),
                          u'-',
                          char16_t(u'0' + m / 10),
                          char16_t(u'0' + m % 10),
                          u'-',
                          char16_t(u'0' + d / 10),
                          char16_t(u'0' + d % 10),
                          u'\''};
        wynik += QStringView(z, 12);
    }

    // ---- ORDER BY: a term on text gets the Polish collation after its expression.

    // A token of an expression at i's left; kolumna is its column name when the token
    // names a column, empty otherwise.
    void wyrazenie(QStringView kolumna) {
        poOrder = false;
        if (glebokoscPorzadku >= 0) koniecTerminu = i;
        if (glebokoscPorzadku < 0 || przyrostek) return;
        if (glebokosc > glebokoscPorzadku || kolumna.isEmpty())
            prostota = -1;
        else if (prostota == 0 || prostota == 2)
            prostota = 1;
        else
            prostota = -1;
        if (prostota == 1) nazwaKolumny = kolumna.toString();
        koniecWyrazenia = i;
    }

    void slowoPorzadku(QStringView slowo) {
        const bool order = rowne(slowo, "order");
        if (poOrder && rowne(slowo, "by")) {
            koniecPorzadku();
            glebokoscPorzadku = glebokosc;
            poOrder = false;
            return;
        }
        if (glebokoscPorzadku >= 0 && glebokosc == glebokoscPorzadku) {
            if (rowne(slowo, "limit") || rowne(slowo, "union") || rowne(slowo, "except") ||
                rowne(slowo, "intersect") || rowne(slowo, "for")) {
                koniecPorzadku();
            } else if (rowne(slowo, "asc") || rowne(slowo, "desc") || rowne(slowo, "nulls")) {
                przyrostek = true;
                koniecTerminu = i;
                if (rowne(slowo, "desc")) malejaco = true;
                if (rowne(slowo, "nulls")) maNulls = true;
            } else if (rowne(slowo, "collate")) {
                przyrostek = true;
                maPorzadek = true;
            } else {
                wyrazenie(slowo);
            }
        } else {
            wyrazenie(slowo);
        }
        poOrder = order;
    }

    void znakPorzadku(QChar c) {
        poOrder = false;
        if (glebokoscPorzadku < 0) return;
        if (glebokosc == glebokoscPorzadku && (c == u',' || c == u')' || c == u';')) {
            koniecWyrazu();
            if (c != u',') koniecPorzadku();
            return;
        }
        koniecTerminu = i;
        if (przyrostek) return;
        if (c == u'.' && glebokosc == glebokoscPorzadku && prostota == 1) {
            prostota = 2;  // a table's alias: the column's name follows
        } else {
            prostota = -1;
        }
        koniecWyrazenia = i;
    }

    // The current term ends: its expression gets the collation unless it names a column
    // without text or already has one (the server's text columns carry their own). On the
    // server, nulls take the place SQLite gives them: first going up, last going down.
    void koniecWyrazu() {
        if (serwer && koniecTerminu >= kopiuj && !maNulls) {
            zamien(koniecTerminu, koniecTerminu);
            wynik +=
                malejaco ? QLatin1StringView(" nulls last") : QLatin1StringView(" nulls first");
        }
        koniecTerminu = -1;
        malejaco = false;
        maNulls = false;
        if (!serwer && koniecWyrazenia >= kopiuj && !maPorzadek &&
            !(prostota == 1 && nieTekstowa(nazwaKolumny))) {
            zamien(koniecWyrazenia, koniecWyrazenia);
            wynik += QLatin1StringView(" collate ");
            wynik += QLatin1StringView(NazwaPorzadku);
        }
        koniecWyrazenia = -1;
        prostota = 0;
        nazwaKolumny.clear();
        maPorzadek = false;
        przyrostek = false;
    }

    void koniecPorzadku() {
        if (glebokoscPorzadku < 0) return;
        koniecWyrazu();
        glebokoscPorzadku = -1;
    }

    // ---- A read of rental without an order of its own gets SQLite's order (see
    // porzadekWypozyczen), one with an order gets it for the rows the order leaves equal.
    // Each parenthesis level follows its SELECT: the top level gets the order at its end (or
    // before LIMIT or FOR UPDATE), a subquery before its LIMIT.

    TZapytanie* zapytanie() {
        return glebokosc < MaksZapytan && zapytania[glebokosc].czynne ? &zapytania[glebokosc]
                                                                      : nullptr;
    }

    void slowoZapytania(QStringView slowo, qsizetype start) {
        if (rowne(slowo, "select")) {
            qsizetype k = start;
            while (k > 0 && odstep(s[k - 1])) --k;
            const bool poczatek = glebokosc == 0 ? k == 0 : k > 0 && s[k - 1] == u'(';
            if (poczatek && glebokosc < MaksZapytan) {
                zapytania[glebokosc] = TZapytanie();
                zapytania[glebokosc].czynne = true;
            } else if (TZapytanie* z = zapytanie()) {
                z->wykluczone = true;  // a compound SELECT
            }
            return;
        }
        if (const qsizetype k = pominOdstep(i); k < n && s[k] == u'(' && funkcjaAgregujaca(slowo)) {
            // An aggregate gives one row (or groups): it belongs to the nearest SELECT.
            for (int g = std::min(glebokosc, MaksZapytan - 1); g >= 0; --g)
                if (zapytania[g].czynne) {
                    zapytania[g].wykluczone = true;
                    break;
                }
        }
        TZapytanie* z = zapytanie();
        if (!z) return;
        switch (z->etap) {
            case TEtap::Lista:
                if (rowne(slowo, "distinct")) z->wykluczone = true;
                if (rowne(slowo, "from")) z->etap = TEtap::PierwszaTabela;
                return;
            case TEtap::PierwszaTabela:
                tabelaZapytania(slowo);
                return;
            case TEtap::Alias:
                if (rowne(slowo, "as")) return;
                z->etap = TEtap::Tabele;
                if (!slowoKonczaceTabele(slowo)) {
                    z->alias = slowo.toString();
                    return;
                }
                break;
            case TEtap::Grupy:
                if (rowne(slowo, "by") && z->grupyOd < 0) {
                    z->grupyOd = i;
                    return;
                }
                if (rowne(slowo, "having")) {
                    if (z->grupyDo < 0) z->grupyDo = start;
                    return;
                }
                break;
            case TEtap::Tabele:
            case TEtap::Warunek:
            case TEtap::Porzadek:
                break;
            case TEtap::Koniec:
                return;
        }
        if (rowne(slowo, "where") && z->etap == TEtap::Tabele) {
            z->etap = TEtap::Warunek;
            z->gdzieOd = i;
        } else if (rowne(slowo, "limit") || (glebokosc == 0 && rowne(slowo, "for"))) {
            if (z->etap == TEtap::Warunek) z->gdzieDo = start;
            if (z->etap == TEtap::Grupy && z->grupyDo < 0) z->grupyDo = start;
            dopiszPorzadekGrup(*z, start);
            dopiszPorzadek(*z, start);
            z->etap = TEtap::Koniec;
        } else if (rowne(slowo, "order") && z->etap != TEtap::Porzadek) {
            if (z->etap == TEtap::Warunek) z->gdzieDo = start;
            if (z->etap == TEtap::Grupy && z->grupyDo < 0) z->grupyDo = start;
            z->etap = TEtap::Porzadek;
        } else if (rowne(slowo, "group") &&
                   (z->etap == TEtap::Tabele || z->etap == TEtap::Warunek)) {
            if (z->etap == TEtap::Warunek) z->gdzieDo = start;
            z->wykluczone = true;
            z->etap = TEtap::Grupy;
        } else if (rowne(slowo, "group") || rowne(slowo, "having") || rowne(slowo, "union") ||
                   rowne(slowo, "except") || rowne(slowo, "intersect") || rowne(slowo, "window")) {
            z->grupyOd = -1;
            z->wykluczone = true;
            z->etap = TEtap::Koniec;
        }
    }

    static bool funkcjaAgregujaca(QStringView slowo) {
        for (const char* f : {"count", "sum", "min", "max", "avg", "total", "group_concat",
                              "string_agg", "array_agg", "bool_and", "bool_or", "every"})
            if (rowne(slowo, f)) return true;
        return false;
    }

    static bool slowoKonczaceTabele(QStringView slowo) {
        for (const char* k :
             {"where",   "left",  "right",  "full",      "inner",  "outer", "cross",
              "natural", "join",  "on",     "using",     "group",  "order", "having",
              "limit",   "union", "except", "intersect", "window", "for"})
            if (rowne(slowo, k)) return true;
        return false;
    }

    // The first table of the FROM list.
    void tabelaZapytania(QStringView tabela) {
        TZapytanie* z = zapytanie();
        if (!z || z->etap != TEtap::PierwszaTabela) return;
        z->wypozyczenia = rowne(tabela, "rental");
        z->alias = tabela.toString();
        z->etap = TEtap::Alias;
        tabelaWZapytaniu = true;
    }

    // A quoted token: a table's file is told by tabelaZapytania before it.
    void tokenZapytania() {
        TZapytanie* z = zapytanie();
        if (!z) return;
        if (z->etap == TEtap::PierwszaTabela) z->wypozyczenia = false;
        if (z->etap == TEtap::PierwszaTabela || z->etap == TEtap::Alias) z->etap = TEtap::Tabele;
    }

    void znakZapytania(QChar c) {
        if (c == u')' && glebokosc < MaksZapytan) {
            // The subquery of this level ends: its LIMIT, if any, has had its order.
            zapytania[glebokosc] = TZapytanie();
            if (glebokosc > 0) return;
        }
        TZapytanie* z = zapytanie();
        if (!z) return;
        if (c == u';' && glebokosc == 0) {
            koniecZapytania(i - 1);
            return;
        }
        if (z->etap == TEtap::PierwszaTabela) z->wypozyczenia = false;
        if (z->etap == TEtap::PierwszaTabela || z->etap == TEtap::Alias) z->etap = TEtap::Tabele;
    }

    // The top level's statement ends at od.
    void koniecZapytania(qsizetype od) {
        TZapytanie& z = zapytania[0];
        if (!z.czynne || z.etap == TEtap::Koniec) return;
        if (z.etap == TEtap::Warunek) z.gdzieDo = od;
        if (z.etap == TEtap::Grupy && z.grupyDo < 0) z.grupyDo = od;
        dopiszPorzadekGrup(z, od);
        const bool remisy = z.etap == TEtap::Porzadek;
        z.etap = TEtap::Koniec;
        if (!z.wypozyczenia || z.wykluczone) return;
        const QString terminy = porzadekWypozyczen(gdzie(z), z.alias, remisy);
        if (terminy.isEmpty()) return;
        zamien(od, od);
        wynik += remisy ? QLatin1StringView(", ") : QLatin1StringView(" order by ");
        wynik += terminy;
    }

    // Before the word at od (LIMIT, FOR); the terms for equal rows just after the ORDER BY
    // list.
    void dopiszPorzadek(const TZapytanie& z, qsizetype od) {
        if (!z.wypozyczenia || z.wykluczone) return;
        const bool remisy = z.etap == TEtap::Porzadek;
        const QString terminy = porzadekWypozyczen(gdzie(z), z.alias, remisy);
        if (terminy.isEmpty()) return;
        if (remisy) {
            while (od > kopiuj && odstep(s[od - 1])) --od;
            zamien(od, od);
            wynik += QLatin1StringView(", ") + terminy;
            return;
        }
        zamien(od, od);
        wynik += QLatin1StringView("order by ") + terminy + u' ';
    }

    // A grouped SELECT's ORDER BY leaves equal rows in the order SQLite forms the groups in:
    // that of the GROUP BY terms, a text column's by its bytes, nulls first. Before od, after the
    // ORDER BY list. (Without an ORDER BY the order of the groups is left to the server.)
    void dopiszPorzadekGrup(const TZapytanie& z, qsizetype od) {
        if (z.etap != TEtap::Porzadek || z.grupyOd < 0 || z.grupyDo < z.grupyOd) return;
        QString terminy;
        for (QStringView t : QStringView(s).sliced(z.grupyOd, z.grupyDo - z.grupyOd).split(u',')) {
            t = t.trimmed();
            if (t.isEmpty()) return;
            const qsizetype kropka = t.lastIndexOf(u'.');
            const QStringView kolumna = t.sliced(kropka + 1);
            // An expression gives no order of groups.
            if (!nazwaProsta(kolumna) || (kropka >= 0 && !nazwaProsta(t.first(kropka)))) return;
            terminy += QLatin1StringView(", ");
            terminy += t;
            if (!nieTekstowa(kolumna)) terminy += QLatin1StringView(" collate \"C\"");
            terminy += QLatin1StringView(" nulls first");
        }
        while (od > kopiuj && odstep(s[od - 1])) --od;
        zamien(od, od);
        wynik += terminy;
    }

    QStringView gdzie(const TZapytanie& z) const {
        if (z.gdzieOd < 0 || z.gdzieDo < z.gdzieOd) return {};
        return QStringView(s).sliced(z.gdzieOd, z.gdzieDo - z.gdzieOd);
    }

    // Just past the text's last token.
    qsizetype koniecTekstu() const {
        qsizetype k = n;
        while (k > kopiuj && odstep(s[k - 1])) --k;
        return k;
    }

    // The source from kopiuj up to od stays as written; od..do_ is replaced by what the
    // caller appends next.
    void zamien(qsizetype od, qsizetype do_) {
        if (!zmieniony) wynik.reserve(n + 16);
        zmieniony = true;
        wynik += QStringView(s).sliced(kopiuj, od - kopiuj);
        kopiuj = do_;
    }

    // The :name parameter from od to i becomes $n.
    void parametr(qsizetype od) {
        const QString nazwa = QStringView(s).sliced(od, i - od).toString().toUpper();
        qsizetype numer = serwer->indexOf(nazwa);
        if (numer < 0) {
            numer = serwer->size();
            serwer->append(nazwa);
        }
        zamien(od, i);
        wynik += u'$';
        wynik += QString::number(numer + 1);
    }

    static bool nazwaProsta(QStringView nazwa) {
        if (nazwa.isEmpty() || !poczatekNazwy(nazwa[0])) return false;
        for (QChar c : nazwa)
            if (!ciagNazwy(c) || c.unicode() >= 0x80) return false;
        return true;
    }

    // The FROM list of the current parenthesis level.
    void ustawListe(bool w) {
        if (glebokosc >= 64) return;
        const std::uint64_t bit = std::uint64_t{1} << glebokosc;
        listy = w ? (listy | bit) : (listy & ~bit);
    }
    bool wLiscie() const {
        return glebokosc < 64 && (listy & (std::uint64_t{1} << glebokosc)) != 0;
    }

    const QString& s;
    const qsizetype n;
    QStringList* serwer;
    qsizetype i = 0;
    qsizetype kopiuj = 0;  // the source before this is already in wynik
    bool zmieniony = false;
    int biezacyRok = 0;
    QString wynik;
    TPoprzedni poprzedni = TPoprzedni::Inny;
    int glebokosc = 0;
    std::uint64_t listy = 0;
    bool pierwszeSlowo = true;
    bool ddl = false;
    // ORDER BY list being read (depth -1: none) and its current term.
    bool poOrder = false;
    int glebokoscPorzadku = -1;
    qsizetype koniecWyrazenia = -1;  // just past the term's expression; -1 before it
    int prostota = 0;  // 0 empty, 1 a column name, 2 an alias and a point, -1 anything else
    QString nazwaKolumny;
    bool maPorzadek = false;       // COLLATE written
    bool przyrostek = false;       // ASC, DESC, NULLS or COLLATE read: the expression is over
    qsizetype koniecTerminu = -1;  // just past the term's last token; -1 before it
    bool malejaco = false;         // DESC read
    bool maNulls = false;          // NULLS read
    TZapytanie zapytania[MaksZapytan];
    bool tabelaWZapytaniu = false;  // the quoted token read was the first table
};

}  // namespace

namespace {
void (*zbieranie)(const QString&) = nullptr;
}  // namespace

void UstawZbieraniePolecen(void (*zbieraj)(const QString&)) {
    zbieranie = zbieraj;
}

QString PrzetlumaczSQL(const QString& lokalny) {
    if (zbieranie) zbieranie(lokalny);
    return TTlumacz(lokalny).Tlumacz();
}

QString PrzetlumaczSQLSerwera(const QString& lokalny, QStringList& parametry) {
    if (zbieranie) zbieranie(lokalny);
    parametry.clear();
    return TTlumacz(lokalny, &parametry).Tlumacz();
}
