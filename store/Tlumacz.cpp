#include "store/Tlumacz.h"

#include <QDate>

#include "store/uWspolne.h"

namespace {

enum class TRodzaj { Odstep, Nazwa, Liczba, Apostrof, Cudzyslow, Parametr, Znak };

struct TToken {
    TRodzaj rodzaj;
    QString tekst;  // the raw text; for quoted tokens the unquoted content
};

bool poczatekNazwy(QChar c) { return c.isLetter() || c == '_'; }
bool ciagNazwy(QChar c) { return c.isLetterOrNumber() || c == '_' || c == '$'; }

QString cytowana(const QString& s, int& i, QChar cudzyslow) {
    QString tresc;
    ++i;
    while (i < s.size()) {
        if (s[i] == cudzyslow) {
            if (i + 1 < s.size() && s[i + 1] == cudzyslow) {
                tresc += cudzyslow;
                i += 2;
                continue;
            }
            ++i;
            return tresc;
        }
        tresc += s[i++];
    }
    throw TBladBazy(QStringLiteral("Niezakończony tekst w poleceniu SQL: %1%2")
                        .arg(cudzyslow)
                        .arg(tresc));
}

std::vector<TToken> tokeny(const QString& s) {
    std::vector<TToken> wynik;
    int i = 0;
    while (i < s.size()) {
        const QChar c = s[i];
        const int start = i;
        if (c.isSpace()) {
            while (i < s.size() && s[i].isSpace()) ++i;
            wynik.push_back({TRodzaj::Odstep, s.mid(start, i - start)});
        } else if (poczatekNazwy(c)) {
            while (i < s.size() && ciagNazwy(s[i])) ++i;
            wynik.push_back({TRodzaj::Nazwa, s.mid(start, i - start)});
        } else if (c.isDigit() || (c == '.' && i + 1 < s.size() && s[i + 1].isDigit())) {
            while (i < s.size() && (s[i].isDigit() || s[i] == '.')) ++i;
            wynik.push_back({TRodzaj::Liczba, s.mid(start, i - start)});
        } else if (c == '\'') {
            wynik.push_back({TRodzaj::Apostrof, cytowana(s, i, '\'')});
        } else if (c == '"') {
            wynik.push_back({TRodzaj::Cudzyslow, cytowana(s, i, '"')});
        } else if (c == ':' && i + 1 < s.size() && poczatekNazwy(s[i + 1])) {
            ++i;
            while (i < s.size() && ciagNazwy(s[i])) ++i;
            wynik.push_back({TRodzaj::Parametr, s.mid(start, i - start)});
        } else {
            static const QString dwuznaki[] = {"||", "<>", "<=", ">=", "!="};
            QString znak(c);
            for (const auto& d : dwuznaki)
                if (s.mid(i, 2) == d) znak = d;
            i += static_cast<int>(znak.size());
            wynik.push_back({TRodzaj::Znak, znak});
        }
    }
    return wynik;
}

// The table named by a quoted file name or path, or the empty text.
QString tabelaPliku(const QString& tresc) {
    if (!tresc.endsWith(QLatin1String(".db"), Qt::CaseInsensitive)) return {};
    QString nazwa = tresc.left(tresc.size() - 3);
    const auto ukosnik = std::max(nazwa.lastIndexOf('/'), nazwa.lastIndexOf('\\'));
    nazwa = nazwa.mid(ukosnik + 1);
    if (nazwa.isEmpty() || !poczatekNazwy(nazwa[0])) return {};
    for (QChar c : nazwa)
        if (!ciagNazwy(c)) return {};
    return nazwa;
}

bool wygladaNaDate(const QString& t) {
    // dd.mm.yy or dd.mm.yyyy
    const auto czesci = t.split('.');
    if (czesci.size() != 3) return false;
    for (const auto& c : czesci) {
        if (c.isEmpty()) return false;
        for (QChar z : c)
            if (!z.isDigit()) return false;
    }
    return czesci[0].size() <= 2 && czesci[1].size() <= 2 &&
           (czesci[2].size() == 2 || czesci[2].size() == 4);
}

QString literal(const QString& tresc) {
    QString t = tresc;
    t.replace('\'', QStringLiteral("''"));
    return '\'' + t + '\'';
}

QString identyfikator(const QString& nazwa) {
    QString t = nazwa;
    t.replace('"', QStringLiteral("\"\""));
    return '"' + t + '"';
}

}  // namespace

QString PrzetlumaczSQL(const QString& lokalny) {
    const auto t = tokeny(lokalny);
    QString wynik;
    wynik.reserve(lokalny.size() + 16);
    const auto n = t.size();
    for (size_t i = 0; i < n; ++i) {
        const TToken& tok = t[i];
        switch (tok.rodzaj) {
            case TRodzaj::Apostrof:
            case TRodzaj::Cudzyslow: {
                const QString tabela = tabelaPliku(tok.tekst);
                if (!tabela.isEmpty()) {
                    // "klient.db"."Col" names the column alone.
                    if (i + 2 < n && t[i + 1].rodzaj == TRodzaj::Znak && t[i + 1].tekst == "." &&
                        (t[i + 2].rodzaj == TRodzaj::Cudzyslow ||
                         t[i + 2].rodzaj == TRodzaj::Nazwa)) {
                        wynik += identyfikator(t[i + 2].tekst);
                        i += 2;
                    } else {
                        wynik += tabela;
                    }
                } else if (tok.rodzaj == TRodzaj::Apostrof) {
                    wynik += literal(tok.tekst);
                } else if (wygladaNaDate(tok.tekst)) {
                    const QDate d = DataZTekstu(tok.tekst);
                    if (!d.isValid())
                        throw TBladBazy(
                            QStringLiteral("Niepoprawna data w poleceniu SQL: \"%1\"").arg(tok.tekst));
                    wynik += '\'' + d.toString(Qt::ISODate) + '\'';
                } else {
                    wynik += literal(tok.tekst);
                }
                break;
            }
            case TRodzaj::Nazwa:
                if (tok.tekst.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
                    wynik += '1';
                else if (tok.tekst.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
                    wynik += '0';
                else
                    wynik += tok.tekst;
                break;
            default:
                wynik += tok.tekst;
        }
    }
    return wynik;
}
