#include "store/TQuery.h"

#include "store/Baza.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/Kursor.h"
#include "store/Liczby.h"
#include "store/StanBazy.h"
#include "store/Tlumacz.h"
#include "store/uWspolneDB.h"

int TField::AsInteger() const {
    return static_cast<int>(AsLargeInt());
}

qint64 TField::AsLargeInt() const {
    if (wartosc.isNull()) return 0;
    if (wartosc.typeId() == QMetaType::Double) return static_cast<qint64>(wartosc.toDouble());
    if (wartosc.typeId() == QMetaType::QString) {
        bool ok = false;
        const qint64 v = wartosc.toString().trimmed().toLongLong(&ok);
        return ok ? v : 0;
    }
    return wartosc.toLongLong();
}

double TField::AsFloat() const {
    if (wartosc.isNull()) return 0.0;
    if (wartosc.typeId() == QMetaType::QString) {
        const QString t = wartosc.toString().trimmed();
        bool ok = false;
        double v = t.toDouble(&ok);
        if (ok) return v;
        const auto zEkranu = LiczbaZEkranu(t);
        return zEkranu ? *zEkranu : 0.0;
    }
    return wartosc.toDouble();
}

TKwota TField::AsKwota() const {
    return TKwota::ZeZlotych(AsFloat());
}

bool TField::AsBoolean() const {
    if (wartosc.isNull()) return false;
    if (wartosc.typeId() == QMetaType::QString) {
        const QString t = wartosc.toString();
        return t.startsWith('T', Qt::CaseInsensitive) || t.startsWith('Y', Qt::CaseInsensitive) ||
               t == QLatin1String("1");
    }
    return wartosc.toLongLong() != 0;
}

namespace {

// The stored form YYYY-MM-DD (anything may follow it) read directly; otherwise as Qt reads
// an ISO date.
QDate DataISO(const QString& t) {
    const auto cyfra = [&](int i) { return t[i] >= u'0' && t[i] <= u'9'; };
    const auto liczba = [&](int od, int ile) {
        int n = 0;
        for (int i = od; i < od + ile; ++i) n = n * 10 + (t[i].unicode() - u'0');
        return n;
    };
    if (t.size() >= 10 && t[4] == u'-' && t[7] == u'-' && cyfra(0) && cyfra(1) && cyfra(2) &&
        cyfra(3) && cyfra(5) && cyfra(6) && cyfra(8) && cyfra(9))
        return QDate(liczba(0, 4), liczba(5, 2), liczba(8, 2));
    return QDate::fromString(t.left(10), Qt::ISODate);
}

}  // namespace

QDate TField::AsDate() const {
    if (wartosc.isNull()) return {};
    const QString t = wartosc.toString();
    QDate d = DataISO(t);
    if (!d.isValid()) d = DataZTekstu(t);
    return d;
}

QString TField::AsString() const {
    if (wartosc.isNull()) return {};
    switch (typ) {
        case TTyp::Logiczny:
            return AsBoolean() ? QStringLiteral("True") : QStringLiteral("False");
        case TTyp::Data: {
            const QDate d = AsDate();
            return d.isValid() ? DataDluga(d) : wartosc.toString();
        }
        default:
            break;
    }
    if (wartosc.typeId() == QMetaType::Double) return LiczbaOgolna(wartosc.toDouble());
    return wartosc.toString();
}

TQuery::TQuery(TBaza* polaczenie) : baza(polaczenie) {}

TQuery::~TQuery() {
    Close();
}

void TQuery::UstawSQL(const QString& sql) {
    Close();
    tekst = sql;
}

void TQuery::UstawParametr(const QString& nazwa, const QVariant& wartosc) {
    parametry[(nazwa.startsWith(':') ? nazwa : ':' + nazwa).toUpper()] = wartosc;
}

std::unique_ptr<TKursor> TQuery::Przygotuj() {
    TBaza* b = baza ? baza : TBaza::Aktywna();
    if (!b) throw TBladBazy(QStringLiteral("Brak połączenia z bazą danych."));
    return b->Przygotuj(tekst, parametry);
}

void TQuery::Open() {
    Close();
    kursor = Przygotuj();
    liczbaKolumn = kursor->LiczbaKolumn();
    wczytane.assign(static_cast<size_t>(liczbaKolumn), 0);
    // Each column's name and kind once per statement, not once per value read.
    for (int i = 0; i < liczbaKolumn; ++i) {
        const char* nazwa = kursor->NazwaKolumny(i);
        nazwyKolumn.emplace_back(nazwa);
        wiersz.emplace_back(QString::fromUtf8(nazwa), kursor->TypKolumny(i), QVariant());
    }
    pozycja = 0;
    Krok();
}

void TQuery::Krok() {
    std::fill(wczytane.begin(), wczytane.end(), 0);
    try {
        koniec = !kursor->Krok();
    } catch (const TBladBazy&) {
        Close();
        throw;
    }
}

QString TQuery::FieldName(int i) const {
    if (!kursor || i < 0 || i >= liczbaKolumn) return {};
    return wiersz[static_cast<size_t>(i)].FieldName();
}

// Column i of the current row (null at the end of the result).
const TField& TQuery::Pole(int i) const {
    const auto k = static_cast<size_t>(i);
    TField& pole = wiersz[k];
    if (wczytane[k]) return pole;
    pole.wartosc = koniec ? QVariant() : kursor->Wartosc(i);
    wczytane[k] = 1;
    return pole;
}

qint64 TQuery::Calkowita(int i) const {
    qint64 v = 0;
    if (!koniec && !wczytane[static_cast<size_t>(i)] && kursor->Calkowita(i, v)) return v;
    return Pole(i).AsLargeInt();
}

QByteArrayView TQuery::TekstUtf8(int i, QByteArray& zapas) const {
    // Text of a column of no particular kind shows as stored; anything else as AsString().
    const char* utf8 = nullptr;
    int dlugosc = 0;
    if (!koniec && wiersz[static_cast<size_t>(i)].typ == TField::TTyp::Inny &&
        kursor->TekstUtf8(i, utf8, dlugosc))
        return QByteArrayView(utf8, dlugosc);
    zapas = Pole(i).AsString().toUtf8();
    return zapas;
}

void TQuery::ExecSQL() {
    Close();
    const std::unique_ptr<TKursor> k = Przygotuj();
    while (k->Krok()) {
    }
    zmienione = k->Zmienione();
}

void TQuery::Close() {
    kursor.reset();
    koniec = true;
    pozycja = 0;
    liczbaKolumn = 0;
    wiersz.clear();
    wczytane.clear();
    brakZgloszony = false;
    nazwyKolumn.clear();
}

void TQuery::Next() {
    if (!kursor || koniec) return;
    ++pozycja;
    KrokBezWyjatku();
}

void TQuery::Dalej() {
    if (!kursor || koniec) return;
    ++pozycja;
    Krok();
}

void TQuery::First() {
    if (!kursor) return;
    kursor->OdNowa();
    pozycja = 0;
    KrokBezWyjatku();
}

// Moving through an open result never throws: a failing read is reported with the
// store's error text, and the query ends closed, so that reading loops stop.
void TQuery::KrokBezWyjatku() {
    try {
        Krok();
    } catch (const TBladBazy& e) {
        ZglosBladBazy(TekstBleduBazy(e.Kod(), e.Tekst()));
    }
}

int TQuery::RecordCount() {
    if (!kursor) return 0;
    const int zachowana = pozycja;
    const bool bylKoniec = koniec;
    kursor->OdNowa();
    int n = 0;
    while (kursor->Krok()) ++n;
    kursor->OdNowa();
    pozycja = 0;
    Krok();
    while (pozycja < zachowana && !koniec) {
        ++pozycja;
        Krok();
    }
    if (bylKoniec && !koniec) {
        while (!koniec) Next();
    }
    return n;
}

namespace {

// A result column's name (UTF-8 from the store) equals the asked name, letter case
// ignored; plain ASCII names are compared without converting anything.
bool rowneNazwy(const char* kolumna, const QString& nazwa) {
    const auto n = nazwa.size();
    qsizetype k = 0;
    for (; k < n; ++k) {
        const char16_t z = nazwa[k].unicode();
        const auto c = static_cast<unsigned char>(kolumna[k]);
        if (c == 0) return false;
        if (z >= 0x80 || c >= 0x80)
            return QString::fromUtf8(kolumna).compare(nazwa, Qt::CaseInsensitive) == 0;
        const auto male = [](unsigned x) { return x >= 'A' && x <= 'Z' ? x + ('a' - 'A') : x; };
        if (male(z) != male(c)) return false;
    }
    return kolumna[k] == 0;
}

}  // namespace

int TQuery::IndeksPola(const QString& nazwa) const {
    for (int i = 0; i < liczbaKolumn; ++i)  // the first of equal names wins
        if (rowneNazwy(nazwyKolumn[static_cast<size_t>(i)].constData(), nazwa)) return i;
    return -1;
}

const TField* TQuery::FindField(const QString& nazwa) const {
    if (!kursor) return nullptr;
    const int i = IndeksPola(nazwa);
    return i < 0 ? nullptr : &Pole(i);
}

const TField& TQuery::FieldByName(const QString& nazwa) const {
    if (const TField* pole = FindField(nazwa)) return *pole;
    if (!brakZgloszony) {
        brakZgloszony = true;
        ZglosBladBazy(QStringLiteral("Nie znaleziono pola '%1'.").arg(nazwa));
    }
    brak = TField(nazwa, TField::TTyp::Inny, QVariant());
    return brak;
}
