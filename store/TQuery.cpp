#include "store/TQuery.h"

#include <sqlite3.h>

#include <cctype>

#include "store/Baza.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/Liczby.h"
#include "store/StanBazy.h"
#include "store/Tlumacz.h"
#include "store/uWspolneDB.h"

namespace {

TField::TTyp typZDeklaracji(const char* deklaracja) {
    if (!deklaracja) return TField::TTyp::Inny;
    if (qstrnicmp(deklaracja, "BOOL", 4) == 0) return TField::TTyp::Logiczny;
    if (qstrnicmp(deklaracja, "DATE", 4) == 0) return TField::TTyp::Data;
    if (qstrnicmp(deklaracja, "MONEY", 5) == 0) return TField::TTyp::Kwota;
    return TField::TTyp::Inny;
}

TBladBazy bladBazy(sqlite3* uchwyt) {
    return TBladBazy(QString::fromUtf8(sqlite3_errmsg(uchwyt)), sqlite3_extended_errcode(uchwyt));
}

}  // namespace

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

sqlite3_stmt* TQuery::Przygotuj() {
    TBaza* b = baza ? baza : TBaza::Aktywna();
    if (!b) throw TBladBazy(QStringLiteral("Brak połączenia z bazą danych."));
    const QByteArray sql = PrzetlumaczSQL(tekst).toUtf8();
    sqlite3_stmt* s = nullptr;
    const char* reszta = nullptr;
    if (sqlite3_prepare_v2(b->Uchwyt(), sql.constData(), static_cast<int>(sql.size()), &s,
                           &reszta) != SQLITE_OK) {
        const TBladBazy blad = bladBazy(b->Uchwyt());
        sqlite3_finalize(s);
        throw blad;
    }
    if (!s) throw TBladBazy(QStringLiteral("Puste polecenie SQL."));
    // One statement at a time: anything after it other than blanks and semicolons is
    // refused rather than silently left out.
    for (const char* r = reszta; r && *r; ++r) {
        if (*r != ';' && !isspace(static_cast<unsigned char>(*r))) {
            sqlite3_finalize(s);
            throw TBladBazy(QStringLiteral("Polecenie SQL może zawierać tylko jedno polecenie."));
        }
    }
    for (int i = 1; i <= sqlite3_bind_parameter_count(s); ++i) {
        const char* nazwa = sqlite3_bind_parameter_name(s, i);
        const auto it =
            nazwa ? parametry.constFind(QString::fromUtf8(nazwa).toUpper()) : parametry.cend();
        if (it == parametry.cend() || it->isNull()) {
            sqlite3_bind_null(s, i);
            continue;
        }
        const QVariant& v = *it;
        switch (v.typeId()) {
            case QMetaType::Bool:
                sqlite3_bind_int(s, i, v.toBool() ? 1 : 0);
                break;
            case QMetaType::Int:
            case QMetaType::LongLong:
            case QMetaType::UInt:
            case QMetaType::ULongLong:
                sqlite3_bind_int64(s, i, v.toLongLong());
                break;
            case QMetaType::Double:
                sqlite3_bind_double(s, i, v.toDouble());
                break;
            case QMetaType::QDate: {
                const QByteArray d = v.toDate().toString(Qt::ISODate).toUtf8();
                sqlite3_bind_text(s, i, d.constData(), static_cast<int>(d.size()),
                                  SQLITE_TRANSIENT);
                break;
            }
            default: {
                const QByteArray t = v.toString().toUtf8();
                sqlite3_bind_text(s, i, t.constData(), static_cast<int>(t.size()),
                                  SQLITE_TRANSIENT);
            }
        }
    }
    return s;
}

void TQuery::Open() {
    Close();
    stmt = Przygotuj();
    liczbaKolumn = sqlite3_column_count(stmt);
    wczytane.assign(static_cast<size_t>(liczbaKolumn), 0);
    // Each column's name and kind once per statement, not once per value read.
    for (int i = 0; i < liczbaKolumn; ++i) {
        const char* nazwa = sqlite3_column_name(stmt, i);
        nazwyKolumn.emplace_back(nazwa);
        wiersz.emplace_back(QString::fromUtf8(nazwa),
                            typZDeklaracji(sqlite3_column_decltype(stmt, i)), QVariant());
    }
    pozycja = 0;
    Krok();
}

void TQuery::Krok() {
    const int rc = sqlite3_step(stmt);
    std::fill(wczytane.begin(), wczytane.end(), 0);
    if (rc == SQLITE_ROW) {
        koniec = false;
    } else if (rc == SQLITE_DONE) {
        koniec = true;
    } else {
        TBaza* b = baza ? baza : TBaza::Aktywna();
        const TBladBazy blad = b ? bladBazy(b->Uchwyt()) : TBladBazy(QString());
        Close();
        throw blad;
    }
}

QString TQuery::FieldName(int i) const {
    if (!stmt || i < 0 || i >= liczbaKolumn) return {};
    return QString::fromUtf8(sqlite3_column_name(stmt, i));
}

// Column i of the current row (null at the end of the result).
const TField& TQuery::Pole(int i) const {
    const auto k = static_cast<size_t>(i);
    TField& pole = wiersz[k];
    if (wczytane[k]) return pole;
    QVariant v;
    if (!koniec) {
        switch (sqlite3_column_type(stmt, i)) {
            case SQLITE_INTEGER:
                v = static_cast<qlonglong>(sqlite3_column_int64(stmt, i));
                break;
            case SQLITE_FLOAT:
                v = sqlite3_column_double(stmt, i);
                break;
            case SQLITE_TEXT:
                v = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)),
                                      sqlite3_column_bytes(stmt, i));
                break;
            case SQLITE_BLOB:
                v = QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt, i)),
                               sqlite3_column_bytes(stmt, i));
                break;
            default:
                break;
        }
    }
    pole.wartosc = std::move(v);
    wczytane[k] = 1;
    return pole;
}

qint64 TQuery::Calkowita(int i) const {
    if (!koniec && !wczytane[static_cast<size_t>(i)] &&
        sqlite3_column_type(stmt, i) == SQLITE_INTEGER)
        return sqlite3_column_int64(stmt, i);
    return Pole(i).AsLargeInt();
}

void TQuery::DopiszTekstUtf8(int i, QByteArray& cel) const {
    // Text of a column of no particular kind shows as stored; anything else as AsString().
    if (!koniec && wiersz[static_cast<size_t>(i)].typ == TField::TTyp::Inny &&
        sqlite3_column_type(stmt, i) == SQLITE_TEXT) {
        const auto* utf8 = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
        cel.append(utf8, sqlite3_column_bytes(stmt, i));
        return;
    }
    cel.append(Pole(i).AsString().toUtf8());
}

void TQuery::ExecSQL() {
    Close();
    sqlite3_stmt* s = Przygotuj();
    TBaza* b = baza ? baza : TBaza::Aktywna();
    int rc;
    while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
    }
    zmienione = sqlite3_changes(b->Uchwyt());
    sqlite3_finalize(s);
    if (rc != SQLITE_DONE) throw bladBazy(b->Uchwyt());
}

void TQuery::Close() {
    if (stmt) sqlite3_finalize(stmt);
    stmt = nullptr;
    koniec = true;
    pozycja = 0;
    liczbaKolumn = 0;
    wiersz.clear();
    wczytane.clear();
    brakZgloszony = false;
    nazwyKolumn.clear();
}

void TQuery::Next() {
    if (!stmt || koniec) return;
    ++pozycja;
    KrokBezWyjatku();
}

void TQuery::First() {
    if (!stmt) return;
    sqlite3_reset(stmt);
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
    if (!stmt) return 0;
    const int zachowana = pozycja;
    const bool bylKoniec = koniec;
    sqlite3_reset(stmt);
    int n = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW) ++n;
    sqlite3_reset(stmt);
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
    if (!stmt) return nullptr;
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
