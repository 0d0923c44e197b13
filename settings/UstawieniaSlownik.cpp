#include "settings/UstawieniaSlownik.h"

#include <array>
#include <variant>

#include "store/Formaty.h"
#include "store/Liczby.h"
#include "store/TQuery.h"
#include "store/uWspolneDB.h"

namespace {

// One stored key: the field it holds and the insert's text after the value (the
// description, with the blanks each statement has).
struct TKluczUstawien {
    QString klucz;
    std::variant<double TUstawienia::*, int TUstawienia::*, bool TUstawienia::*,
                 TKwota TUstawienia::*>
        pole;
    QString koniec;
};

// Visits a key's field with the overload of its type.
template <typename... F>
struct TWedlugTypu : F... {
    using F::operator()...;
};
template <typename... F>
TWedlugTypu(F...) -> TWedlugTypu<F...>;  // clang before 17 deduces no aggregate's arguments

const std::array<TKluczUstawien, LiczbaKluczyUstawien>& Klucze() {
    static const std::array<TKluczUstawien, LiczbaKluczyUstawien> klucze = {{
        {QStringLiteral("K_KOLEJNADOBA"), &TUstawienia::KolejnaDoba,
         QStringLiteral("', 'opłata za kolejną dobę wypożyczenia' )")},
        {QStringLiteral("K_POTERMINIE"), &TUstawienia::PoTerminie,
         QStringLiteral("', 'opłata za filmy zwrócone po terminie' )")},
        {QStringLiteral("K_PRZEDTERMINEM"), &TUstawienia::PrzedTerminem,
         QStringLiteral("', 'czy potrącać jeśli filmy oddane przed terminem' )")},
        {QStringLiteral("K_WEEKEND"), &TUstawienia::Weekend,
         QStringLiteral("',  'weekendowa stawka wypożyczenia' )")},
        {QStringLiteral("K_KARA"), &TUstawienia::Kara, QStringLiteral("', 'wysokość kary' )")},
        {QStringLiteral("K_KAUCJA"), &TUstawienia::Kaucja,
         QStringLiteral("', 'wysokość kaucji' )")},
        {QStringLiteral("K_FILMMAX"), &TUstawienia::FilmMax,
         QStringLiteral("', 'maksymalna liczba filmów przy jedym wypożyczeniu' )")},
        {QStringLiteral("K_STAWKA"), &TUstawienia::ZmianaStawki,
         QStringLiteral("', 'możliwość zmiany wysokości stawki za film' )")},
        {QStringLiteral("K_ABONAMENT"), &TUstawienia::AbOplata,
         QStringLiteral("', 'wysokość abonamentu'  )")},
        {QStringLiteral("K_ABRABAT"), &TUstawienia::AbRabat,
         QStringLiteral("', 'wysokość rabatu - abonament kwotowy' )")},
        {QStringLiteral("K_ABGRATIS"), &TUstawienia::AbGratis,
         QStringLiteral("', 'co ktory film gratis - abonament ilościowy' )")},
        {QStringLiteral("K_ABSTAWKA"), &TUstawienia::AbStawka,
         QStringLiteral("', 'stawka za dobę - abonament cenowy ' )")},
        {QStringLiteral("K_TYPAB"), &TUstawienia::TypAb,
         QStringLiteral("', 'rodzaj abonamentu' )")},
    }};
    return klucze;
}

// The field from its stored text; a text not of the field's type leaves it as it is.
void CzytajPole(TUstawienia& u, const TKluczUstawien& k, const QString& tekst) {
    const auto ustaw = [&](auto pole, auto wartosc) {
        if (wartosc) u.*pole = *wartosc;
    };
    std::visit(TWedlugTypu{
                   [&](double TUstawienia::*p) { ustaw(p, RzeczywistaZTekstu(tekst)); },
                   [&](int TUstawienia::*p) { ustaw(p, CalkowitaZTekstu(tekst)); },
                   [&](bool TUstawienia::*p) { u.*p = LogicznaZTekstu(tekst); },
                   [&](TKwota TUstawienia::*p) { ustaw(p, KwotaZEkranu(tekst)); },
               },
               k.pole);
}

// The stored text of the field.
QString TekstPola(const TUstawienia& u, const TKluczUstawien& k) {
    return std::visit(TWedlugTypu{
                          [&](double TUstawienia::*p) { return LiczbaOgolna(u.*p); },
                          [&](int TUstawienia::*p) { return QString::number(u.*p); },
                          [&](bool TUstawienia::*p) {
                              return u.*p ? QStringLiteral("True") : QStringLiteral("False");
                          },
                          [&](TKwota TUstawienia::*p) { return KwotaOgolna(u.*p); },
                      },
                      k.pole);
}

}  // namespace

const QStringList& KluczeUstawien() {
    static const QStringList klucze = [] {
        QStringList lista;
        for (const TKluczUstawien& k : Klucze()) lista << k.klucz;
        return lista;
    }();
    return klucze;
}

bool LogicznaZTekstu(const QString& tekst) {
    if (tekst.isEmpty()) return false;
    const QChar c = tekst.at(0);
    return c == 'T' || c == 't' || c == 'Y' || c == 'y';
}

std::optional<double> RzeczywistaZTekstu(const QString& tekst) {
    return LiczbaZEkranu(tekst);
}

std::optional<int> CalkowitaZTekstu(const QString& tekst) {
    return CalkowitaZEkranu(tekst);
}

void NormalizujUstawienia(TUstawienia& u) {
    switch (u.TypAb) {
        case 0:
            u.AbGratis = 0;
            u.AbStawka = TKwota();
            if (u.AbRabat == 100) u.AbRabat = 10;
            break;
        case 1:
            if (u.AbGratis == 0) u.AbGratis = 10;
            u.AbRabat = 100;
            u.AbStawka = TKwota();
            break;
        case 2:
            u.AbGratis = 0;
            u.AbRabat = 100;
            if (u.AbStawka.Zero()) u.AbStawka = TKwota::ZGroszy(500);
            break;
        default:
            break;
    }
}

TUstawienia UstawieniaZTekstow(const QHash<QString, QString>& w) {
    TUstawienia u;  // the defaults
    for (const TKluczUstawien& k : Klucze())
        if (auto it = w.find(k.klucz); it != w.end()) CzytajPole(u, k, *it);
    NormalizujUstawienia(u);
    return u;
}

QHash<QString, QString> TekstyUstawien(const TUstawienia& u) {
    QHash<QString, QString> t;
    for (const TKluczUstawien& k : Klucze()) t.insert(k.klucz, TekstPola(u, k));
    return t;
}

QString ZapytanieUstawienia(const QString& katalogBazy, const QString& klucz) {
    return QStringLiteral("select Wartosc from ") + '"' + katalogBazy +
           QStringLiteral("dictionary.db") + '"' + QStringLiteral(" where Nazwa like '") + klucz +
           '\'';
}

QStringList PoleceniaZapisuUstawien(const TUstawienia& u) {
    QStringList polecenia = {QStringLiteral("delete from dictionary where Nazwa like 'K_%'")};
    for (const TKluczUstawien& k : Klucze())
        polecenia << QStringLiteral("insert into dictionary( Nazwa, Wartosc, Opis ) values ( '") +
                         k.klucz + QStringLiteral("', '") + TekstPola(u, k) + k.koniec;
    return polecenia;
}

QHash<QString, QString> CzytajTekstyUstawien(TQuery& q, const QString& katalogBazy) {
    QHash<QString, QString> wartosci;
    for (const QString& klucz : KluczeUstawien()) {
        OtworzSQL(q, ZapytanieUstawienia(katalogBazy, klucz));
        if (q.Active() && !q.Eof())
            wartosci.insert(klucz, q.FieldByName(QStringLiteral("WARTOSC")).AsString());
        q.Close();
    }
    return wartosci;
}

bool ZapiszUstawieniaWBazie(TQuery& q, const TUstawienia& u) {
    TTransakcja transakcja;
    for (const QString& polecenie : PoleceniaZapisuUstawien(u)) UruchomSQL(q, polecenie);
    return transakcja.Zatwierdz();
}
