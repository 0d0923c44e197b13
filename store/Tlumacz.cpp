#include "store/Tlumacz.h"

#include <QDate>
#include <cstdint>

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

class TTlumacz {
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
        if (serwer && rowne(slowo, "rowid")) {
            zamien(start, i);
            wynik += QLatin1StringView("ctid");
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
        cytowanyToken(cudzyslow, kolumna);
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
