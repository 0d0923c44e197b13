#include "admin/TabelaParadox.h"

#include <QDate>
#include <QFile>
#include <QStringDecoder>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <set>

#include "admin/Pxlib.h"

namespace {

// Paradox counts days from 1 January of the year 1; the Julian day number of that day
// is one more than this offset.
constexpr qint64 PrzesuniecieDni = 1721425;

unsigned slowo(const QByteArray& b, int i) {
    return static_cast<unsigned char>(b[i]) | static_cast<unsigned char>(b[i + 1]) << 8;
}
quint32 dlugie(const QByteArray& b, int i) {
    return slowo(b, i) | static_cast<quint32>(slowo(b, i + 2)) << 16;
}

bool typZnany(int typ) {
    switch (typ) {
        case pxfAlpha:
        case pxfDate:
        case pxfShort:
        case pxfLong:
        case pxfCurrency:
        case pxfNumber:
        case pxfLogical:
        case pxfMemoBLOb:
        case pxfBLOb:
        case pxfFmtMemoBLOb:
        case pxfOLE:
        case pxfGraphic:
        case pxfTime:
        case pxfTimestamp:
        case pxfAutoInc:
        case pxfBCD:
        case pxfBytes:
            return true;
        default:
            return false;
    }
}

// A field of a fixed-size kind has that size: pxlib copies the field's bytes into a value
// of the kind's size, so a longer one would overrun it.
bool dlugoscZgodna(int typ, int dlugosc) {
    switch (typ) {
        case pxfLogical:
            return dlugosc == 1;
        case pxfShort:
            return dlugosc == 2;
        case pxfDate:
        case pxfLong:
        case pxfTime:
        case pxfAutoInc:
            return dlugosc == 4;
        case pxfCurrency:
        case pxfNumber:
        case pxfTimestamp:
            return dlugosc == 8;
        default:
            return true;
    }
}

// The version byte from which the header carries the code page and the second
// encryption word, and the field list starts later.
constexpr int WersjaZeStronaKodowa = 5;

struct TDokument {
    pxdoc_t* doc;
    ~TDokument() {
        if (doc) {
            PX_close(doc);
            PX_delete(doc);
        }
    }
};

}  // namespace

void ZapiszBladParadox(px_doc*, int, const char* tekst, void* dane) {
    static_cast<TTabelaParadox*>(dane)->bladBiblioteki = QString::fromLocal8Bit(tekst);
}

QString NazwaTypuParadox(int typ) {
    switch (typ) {
        case pxfAlpha:
            return QStringLiteral("A");
        case pxfDate:
            return QStringLiteral("D");
        case pxfShort:
            return QStringLiteral("S");
        case pxfLong:
            return QStringLiteral("I");
        case pxfCurrency:
            return QStringLiteral("$");
        case pxfNumber:
            return QStringLiteral("N");
        case pxfLogical:
            return QStringLiteral("L");
        case pxfMemoBLOb:
            return QStringLiteral("M");
        case pxfBLOb:
            return QStringLiteral("B");
        case pxfFmtMemoBLOb:
            return QStringLiteral("F");
        case pxfOLE:
            return QStringLiteral("O");
        case pxfGraphic:
            return QStringLiteral("G");
        case pxfTime:
            return QStringLiteral("T");
        case pxfTimestamp:
            return QStringLiteral("@");
        case pxfAutoInc:
            return QStringLiteral("+");
        case pxfBCD:
            return QStringLiteral("#");
        case pxfBytes:
            return QStringLiteral("Y");
        default:
            return QString::number(typ);
    }
}

QString SprawdzStruktureParadox(const QByteArray& p) {
    if (p.size() < 0x58) return QStringLiteral("plik jest za krótki na tabelę Paradox");
    const unsigned rozmiarWiersza = slowo(p, 0x00);
    const unsigned rozmiarNaglowka = slowo(p, 0x02);
    const int rodzaj = static_cast<unsigned char>(p[0x04]);
    const int kilobajty = static_cast<unsigned char>(p[0x05]);
    const quint32 liczbaWierszy = dlugie(p, 0x06);
    const unsigned blokow = slowo(p, 0x0C);
    const unsigned pierwszy = slowo(p, 0x0E);
    const unsigned liczbaPol = slowo(p, 0x21);
    const int wersja = static_cast<unsigned char>(p[0x39]);

    if (rodzaj != pxfFileTypIndexDB && rodzaj != pxfFileTypNonIndexDB)
        return QStringLiteral("plik nie jest tabelą Paradox");
    if (kilobajty != 1 && kilobajty != 2 && kilobajty != 3 && kilobajty != 4 && kilobajty != 8 &&
        kilobajty != 16 && kilobajty != 32)
        return QStringLiteral("nagłówek podaje nieznany rozmiar bloku");
    const qint64 rozmiarBloku = kilobajty * 1024;
    const int poczatekPol = wersja >= WersjaZeStronaKodowa ? 0x78 : 0x58;
    if (rozmiarWiersza == 0 || liczbaPol == 0 || poczatekPol + 2 * liczbaPol > rozmiarNaglowka ||
        rozmiarNaglowka > unsigned(p.size()))
        return QStringLiteral("nagłówek tabeli jest uszkodzony");
    // The first encryption word of a table without a password is 0 or FF00FF00h; pxlib,
    // given an encrypted table without its password, never finishes opening it.
    const quint32 szyfr = dlugie(p, 0x25);
    if ((szyfr != 0 && szyfr != 0xFF00FF00u) ||
        (wersja >= WersjaZeStronaKodowa && dlugie(p, 0x5C) != 0))
        return QStringLiteral("tabela jest zabezpieczona hasłem");

    unsigned suma = 0;
    for (unsigned i = 0; i < liczbaPol; ++i) {
        const int typ = static_cast<unsigned char>(p[poczatekPol + 2 * i]);
        const int dlugosc = static_cast<unsigned char>(p[poczatekPol + 2 * i + 1]);
        // A BCD field always takes 17 bytes; its byte here counts the decimal places.
        const bool bcd = typ == pxfBCD;
        if (!typZnany(typ) || (bcd ? dlugosc > 32 : dlugosc == 0) || !dlugoscZgodna(typ, dlugosc))
            return QStringLiteral("opis pól tabeli jest uszkodzony");
        suma += bcd ? 17 : dlugosc;
    }
    if (suma != rozmiarWiersza)
        return QStringLiteral("opis pól nie zgadza się z długością wiersza");

    // The data blocks, from the first along their links: each inside the file, none twice,
    // holding together as many rows as the header says.
    quint64 wierszy = 0;
    std::set<unsigned> odwiedzone;
    for (unsigned blok = liczbaWierszy == 0 && pierwszy == 0 ? 0 : pierwszy; blok != 0;) {
        const qint64 poczatek = rozmiarNaglowka + (blok - 1) * rozmiarBloku;
        if (blok > blokow || poczatek + rozmiarBloku > p.size() || !odwiedzone.insert(blok).second)
            return QStringLiteral("łańcuch bloków danych jest uszkodzony lub plik jest obcięty");
        const int dodatkowe = static_cast<qint16>(slowo(p, int(poczatek) + 4));
        if (dodatkowe >= 0) {
            if (dodatkowe % rozmiarWiersza != 0 || 6 + dodatkowe + rozmiarWiersza > rozmiarBloku)
                return QStringLiteral("blok danych jest uszkodzony");
            wierszy += dodatkowe / rozmiarWiersza + 1;
        }
        blok = slowo(p, int(poczatek));
    }
    if (wierszy != liczbaWierszy)
        return QStringLiteral("liczba wierszy w blokach nie zgadza się z nagłówkiem");
    return {};
}

TTabelaParadox::TTabelaParadox(const QString& plik) : plikTabeli(plik) {
    if (!plikTabeli.open(QIODevice::ReadOnly)) {
        blad = plikTabeli.errorString();
        return;
    }
    const qint64 rozmiar = plikTabeli.size();
    mapa = rozmiar > 0 ? plikTabeli.map(0, rozmiar) : nullptr;
    if (!mapa) {
        kopia = plikTabeli.readAll();
        mapa = reinterpret_cast<const uchar*>(kopia.constData());
    }
    const QByteArray p = QByteArray::fromRawData(reinterpret_cast<const char*>(mapa),
                                                 kopia.isNull() ? rozmiar : kopia.size());
    blad = SprawdzStruktureParadox(p);
    if (!blad.isEmpty()) return;

    PX_boot();
    TDokument d{PX_new3(ZapiszBladParadox, nullptr, nullptr, nullptr, this)};
    if (!d.doc || PX_open_file(d.doc, QFile::encodeName(plik).constData()) < 0) {
        blad = bladBiblioteki.isEmpty() ? QStringLiteral("nie można odczytać nagłówka")
                                        : bladBiblioteki;
        if (d.doc) PX_delete(d.doc);
        d.doc = nullptr;
        return;
    }
    const pxhead_t* h = d.doc->px_head;
    stronaKodowa = h->px_doscodepage;
    liczbaWierszy = PX_get_num_records(d.doc);
    autonumer = h->px_autoinc;
    for (int i = 0; i < PX_get_num_fields(d.doc); ++i) {
        const pxfield_t* pole = PX_get_field(d.doc, i);
        pola.push_back(
            {QString::fromLatin1(pole->px_fname), pole->px_ftype, pole->px_flen, pole->px_fdc});
    }
    // A table from the DOS days carries no code page of its own.
    if (stronaKodowa == 0) stronaKodowa = h->px_fileversion >= 40 ? 1250 : 852;
    kodowanie = "CP" + QByteArray::number(stronaKodowa);
    dekoder = QStringDecoder(kodowanie.constData());
    if (!dekoder.isValid()) {
        blad = QStringLiteral("nieznana strona kodowa %1").arg(stronaKodowa);
        return;
    }
    bufor.resize(PX_get_recordsize(d.doc));

    // The rows are read from the data blocks along their chain, as the check found them.
    const unsigned rozmiarWiersza = slowo(p, 0x00);
    const qint64 rozmiarBloku = static_cast<unsigned char>(p[0x05]) * 1024;
    int wiersz = 0;
    for (unsigned blok = liczbaWierszy == 0 ? 0 : slowo(p, 0x0E); blok != 0;) {
        const qint64 poczatek = slowo(p, 0x02) + (blok - 1) * rozmiarBloku;
        const int dodatkowe = static_cast<qint16>(slowo(p, int(poczatek) + 4));
        if (dodatkowe >= 0) {
            bloki.push_back({poczatek + 6, wiersz});
            wiersz += dodatkowe / int(rozmiarWiersza) + 1;
        }
        blok = slowo(p, int(poczatek));
    }
    doc = d.doc;
    d.doc = nullptr;
}

TTabelaParadox::~TTabelaParadox() {
    if (doc) {
        PX_close(doc);
        PX_delete(doc);
    }
}

int TTabelaParadox::IndeksPola(const QString& nazwa) const {
    for (size_t i = 0; i < pola.size(); ++i)
        if (pola[i].nazwa.compare(nazwa, Qt::CaseInsensitive) == 0) return int(i);
    return -1;
}

namespace {

// A whole number read by pxlib's reader of the field's type into w; pxlib's result.
template <typename T>
int Calkowita(int (*czytaj)(pxdoc_t*, char*, int, T*), pxdoc_t* doc, char* dane, int dlugosc,
              QVariant& w) {
    T x = 0;
    const int jest = czytaj(doc, dane, dlugosc, &x);
    if (jest > 0) w = qint64(x);
    return jest;
}

}  // namespace

bool TTabelaParadox::CzytajWiersz(int i, std::vector<QVariant>& wartosci, QString& powod) {
    wartosci.assign(pola.size(), QVariant());
    if (!doc) {
        powod = blad;
        return false;
    }
    if (i < 0 || i >= liczbaWierszy || bloki.empty()) {
        powod = QStringLiteral("nie można odczytać wiersza");
        return false;
    }
    // The block holding row i: the current one or the next when reading in order.
    const auto wBloku = [&](size_t b) {
        return i >= bloki[b].pierwszyWiersz &&
               (b + 1 == bloki.size() || i < bloki[b + 1].pierwszyWiersz);
    };
    if (biezacyBlok >= bloki.size() || !wBloku(biezacyBlok)) {
        if (biezacyBlok + 1 < bloki.size() && wBloku(biezacyBlok + 1)) {
            ++biezacyBlok;
        } else {
            const auto za =
                std::upper_bound(bloki.begin(), bloki.end(), i,
                                 [](int w, const TBlok& b) { return w < b.pierwszyWiersz; });
            biezacyBlok = size_t(za - bloki.begin()) - 1;
        }
    }
    const TBlok& blok = bloki[biezacyBlok];
    std::memcpy(bufor.data(),
                mapa + blok.poczatek + qint64(i - blok.pierwszyWiersz) * qint64(bufor.size()),
                bufor.size());
    char* dane = bufor.data();
    for (size_t k = 0; k < pola.size(); dane += pola[k].dlugosc, ++k) {
        const TPoleParadox& pole = pola[k];
        QVariant& w = wartosci[k];
        // An empty field is all zero bytes; pxlib's own test reads past a 4-byte field
        // on 64-bit systems, so it is made here.
        if (std::all_of(dane, dane + pole.dlugosc, [](char c) { return c == 0; })) continue;
        int jest = 0;
        switch (pole.typ) {
            case pxfAlpha: {
                char* tekst = nullptr;
                jest = PX_get_data_alpha(doc, dane, pole.dlugosc, &tekst);
                if (jest > 0 && tekst) {
                    dekoder.resetState();
                    const QString t = dekoder.decode(QByteArrayView(tekst));
                    std::free(tekst);
                    if (dekoder.hasError()) {
                        powod = QStringLiteral("pole %1: znaki spoza strony kodowej %2")
                                    .arg(pole.nazwa)
                                    .arg(stronaKodowa);
                        return false;
                    }
                    w = t;
                }
                break;
            }
            case pxfShort:
                jest = Calkowita(PX_get_data_short, doc, dane, pole.dlugosc, w);
                break;
            case pxfLong:
            case pxfAutoInc:
                jest = Calkowita(PX_get_data_long, doc, dane, pole.dlugosc, w);
                break;
            case pxfCurrency:
            case pxfNumber: {
                double d = 0;
                jest = PX_get_data_double(doc, dane, pole.dlugosc, &d);
                if (jest > 0) {
                    if (!std::isfinite(d)) {
                        powod = QStringLiteral("pole %1: niepoprawna liczba").arg(pole.nazwa);
                        return false;
                    }
                    w = d;
                }
                break;
            }
            case pxfBCD: {
                char* tekst = nullptr;
                jest = PX_get_data_bcd(doc, reinterpret_cast<unsigned char*>(dane), pole.miejsca,
                                       &tekst);
                // pxlib may hand out the text whatever it reports: freed in every case.
                const bool maTekst = tekst != nullptr;
                const QString cyfry = maTekst ? QString::fromLatin1(tekst) : QString();
                std::free(tekst);
                if (jest > 0 && maTekst) {
                    bool ok = false;
                    const double d = cyfry.toDouble(&ok);
                    if (!ok) {
                        powod = QStringLiteral("pole %1: niepoprawna liczba").arg(pole.nazwa);
                        return false;
                    }
                    w = d;
                }
                break;
            }
            case pxfLogical: {
                char b = 0;
                jest = PX_get_data_byte(doc, dane, pole.dlugosc, &b);
                if (jest > 0) w = b != 0;
                break;
            }
            case pxfDate:
            case pxfTimestamp: {
                qint64 dni = 0;
                if (pole.typ == pxfDate) {
                    long l = 0;
                    jest = PX_get_data_long(doc, dane, pole.dlugosc, &l);
                    dni = l;
                } else {
                    double ms = 0;
                    jest = PX_get_data_double(doc, dane, pole.dlugosc, &ms);
                    // Beyond the year 9999 either way is no date; kept out before the cast.
                    const double doby = std::floor(ms / 86400000.0);
                    dni = std::isfinite(doby) && std::fabs(doby) < 4.0e6 ? qint64(doby) : 0;
                }
                if (jest > 0) {
                    const QDate data = QDate::fromJulianDay(dni + PrzesuniecieDni);
                    if (dni < 1 || !data.isValid() || data.year() > 9999) {
                        powod = QStringLiteral("pole %1: niepoprawna data").arg(pole.nazwa);
                        return false;
                    }
                    w = data;
                }
                break;
            }
            default:
                break;  // memos, graphics, times and bytes are not read
        }
        if (jest < 0) {
            powod = QStringLiteral("pole %1: nie można odczytać wartości").arg(pole.nazwa);
            return false;
        }
    }
    return true;
}
