#include "settings/UstawieniaSlownik.h"

#include "store/Formaty.h"

namespace {

const QString KKolejnaDoba = QStringLiteral("K_KOLEJNADOBA");
const QString KPoTerminie = QStringLiteral("K_POTERMINIE");
const QString KPrzedTerminem = QStringLiteral("K_PRZEDTERMINEM");
const QString KWeekend = QStringLiteral("K_WEEKEND");
const QString KKara = QStringLiteral("K_KARA");
const QString KKaucja = QStringLiteral("K_KAUCJA");
const QString KFilmMax = QStringLiteral("K_FILMMAX");
const QString KStawka = QStringLiteral("K_STAWKA");
const QString KAbonament = QStringLiteral("K_ABONAMENT");
const QString KAbRabat = QStringLiteral("K_ABRABAT");
const QString KAbGratis = QStringLiteral("K_ABGRATIS");
const QString KAbStawka = QStringLiteral("K_ABSTAWKA");
const QString KTypAb = QStringLiteral("K_TYPAB");

QString logicznaNaTekst(bool b) {
    return b ? QStringLiteral("True") : QStringLiteral("False");
}

void czytajRzeczywista(const QHash<QString, QString>& w, const QString& klucz, double& pole) {
    if (auto it = w.find(klucz); it != w.end())
        if (auto v = RzeczywistaZTekstu(*it)) pole = *v;
}

void czytajCalkowita(const QHash<QString, QString>& w, const QString& klucz, int& pole) {
    if (auto it = w.find(klucz); it != w.end())
        if (auto v = CalkowitaZTekstu(*it)) pole = *v;
}

void czytajLogiczna(const QHash<QString, QString>& w, const QString& klucz, bool& pole) {
    if (auto it = w.find(klucz); it != w.end()) pole = LogicznaZTekstu(*it);
}

}  // namespace

const QStringList& KluczeUstawien() {
    static const QStringList klucze = {
        KKolejnaDoba, KPoTerminie, KPrzedTerminem, KWeekend,  KKara,     KKaucja, KFilmMax,
        KStawka,      KAbonament,  KAbRabat,       KAbGratis, KAbStawka, KTypAb};
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
            u.AbStawka = 0;
            if (u.AbRabat == 100) u.AbRabat = 10;
            break;
        case 1:
            if (u.AbGratis == 0) u.AbGratis = 10;
            u.AbRabat = 100;
            u.AbStawka = 0;
            break;
        case 2:
            u.AbGratis = 0;
            u.AbRabat = 100;
            if (u.AbStawka == 0) u.AbStawka = 5.00;
            break;
        default:
            break;
    }
}

TUstawienia UstawieniaZTekstow(const QHash<QString, QString>& w) {
    TUstawienia u;  // the defaults
    czytajRzeczywista(w, KKolejnaDoba, u.KolejnaDoba);
    czytajCalkowita(w, KPoTerminie, u.PoTerminie);
    czytajLogiczna(w, KPrzedTerminem, u.PrzedTerminem);
    czytajCalkowita(w, KWeekend, u.Weekend);
    czytajRzeczywista(w, KKara, u.Kara);
    czytajRzeczywista(w, KKaucja, u.Kaucja);
    czytajCalkowita(w, KFilmMax, u.FilmMax);
    czytajLogiczna(w, KStawka, u.ZmianaStawki);
    czytajRzeczywista(w, KAbonament, u.AbOplata);
    czytajCalkowita(w, KAbRabat, u.AbRabat);
    czytajCalkowita(w, KAbGratis, u.AbGratis);
    czytajRzeczywista(w, KAbStawka, u.AbStawka);
    czytajCalkowita(w, KTypAb, u.TypAb);
    NormalizujUstawienia(u);
    return u;
}

QHash<QString, QString> TekstyUstawien(const TUstawienia& u) {
    return {
        {KKolejnaDoba, LiczbaOgolna(u.KolejnaDoba)},
        {KPoTerminie, QString::number(u.PoTerminie)},
        {KPrzedTerminem, logicznaNaTekst(u.PrzedTerminem)},
        {KWeekend, QString::number(u.Weekend)},
        {KKara, LiczbaOgolna(u.Kara)},
        {KKaucja, LiczbaOgolna(u.Kaucja)},
        {KFilmMax, QString::number(u.FilmMax)},
        {KStawka, logicznaNaTekst(u.ZmianaStawki)},
        {KAbonament, LiczbaOgolna(u.AbOplata)},
        {KAbRabat, QString::number(u.AbRabat)},
        {KAbGratis, QString::number(u.AbGratis)},
        {KAbStawka, LiczbaOgolna(u.AbStawka)},
        {KTypAb, QString::number(u.TypAb)},
    };
}

QString ZapytanieUstawienia(const QString& katalogBazy, const QString& klucz) {
    return QStringLiteral("select Wartosc from ") + '"' + katalogBazy +
           QStringLiteral("dictionary.db") + '"' + QStringLiteral(" where Nazwa like '") + klucz +
           '\'';
}

QStringList PoleceniaZapisuUstawien(const TUstawienia& u) {
    const QHash<QString, QString> t = TekstyUstawien(u);
    const QString poczatek =
        QStringLiteral("insert into dictionary( Nazwa, Wartosc, Opis ) values ( '");
    const auto wstaw = [&](const QString& klucz, const QString& srodek, const QString& koniec) {
        return poczatek + klucz + QStringLiteral("', '") + t.value(klucz) + srodek + koniec;
    };
    const QString zwykly = QStringLiteral("', '");
    const QString zamkniecie = QStringLiteral("' )");
    return {
        QStringLiteral("delete from dictionary where Nazwa like 'K_%'"),
        wstaw(KKolejnaDoba, zwykly,
              QStringLiteral("opłata za kolejną dobę wypożyczenia") + zamkniecie),
        wstaw(KPoTerminie, zwykly,
              QStringLiteral("opłata za filmy zwrócone po terminie") + zamkniecie),
        wstaw(KPrzedTerminem, zwykly,
              QStringLiteral("czy potrącać jeśli filmy oddane przed terminem") + zamkniecie),
        wstaw(KWeekend, QStringLiteral("',  '"),
              QStringLiteral("weekendowa stawka wypożyczenia") + zamkniecie),
        wstaw(KKara, zwykly, QStringLiteral("wysokość kary") + zamkniecie),
        wstaw(KKaucja, zwykly, QStringLiteral("wysokość kaucji") + zamkniecie),
        wstaw(KFilmMax, zwykly,
              QStringLiteral("maksymalna liczba filmów przy jedym wypożyczeniu") + zamkniecie),
        wstaw(KStawka, zwykly,
              QStringLiteral("możliwość zmiany wysokości stawki za film") + zamkniecie),
        wstaw(KAbonament, zwykly, QStringLiteral("wysokość abonamentu'  )")),
        wstaw(KAbRabat, zwykly, QStringLiteral("wysokość rabatu - abonament kwotowy") + zamkniecie),
        wstaw(KAbGratis, zwykly,
              QStringLiteral("co ktory film gratis - abonament ilościowy") + zamkniecie),
        wstaw(KAbStawka, zwykly, QStringLiteral("stawka za dobę - abonament cenowy ") + zamkniecie),
        wstaw(KTypAb, zwykly, QStringLiteral("rodzaj abonamentu") + zamkniecie),
    };
}
