#include "bench/ZapisParadox.h"

#include <QDate>
#include <QFile>
#include <QStringEncoder>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "admin/Pxlib.h"

namespace {

// Paradox counts days from 1 January of the year 1.
long dzienParadox(const QDate& d) {
    return PX_GregorianToSdn(d.year(), d.month(), d.day()) - 1721425;
}

}  // namespace

// pxlib seeks and rereads the file for every row it writes; the table is therefore built
// in memory (pxlib's file access redirected to a buffer) and written out when closed.
struct TZapisParadox::TStan {
    pxdoc_t* doc = nullptr;
    QStringEncoder koder;
    std::vector<char> wiersz;
    QString sciezka;
    std::vector<char> plik;
    size_t poz = 0;
    QString bladBiblioteki;

    static TStan& z(pxdoc_t* p) { return *static_cast<TStan*>(PX_get_opaque(p)); }
    static void blad(pxdoc_t*, int, const char* tekst, void* dane) {
        static_cast<TStan*>(dane)->bladBiblioteki = QString::fromLocal8Bit(tekst);
    }
    static size_t czytaj(pxdoc_t* p, pxstream_t*, size_t ile, void* dokad) {
        TStan& s = z(p);
        const size_t n = s.poz < s.plik.size() ? std::min(ile, s.plik.size() - s.poz) : 0;
        std::memcpy(dokad, s.plik.data() + s.poz, n);
        s.poz += n;
        return n;
    }
    static size_t pisz(pxdoc_t* p, pxstream_t*, size_t ile, void* skad) {
        TStan& s = z(p);
        if (s.plik.size() < s.poz + ile) s.plik.resize(s.poz + ile);
        std::memcpy(s.plik.data() + s.poz, skad, ile);
        s.poz += ile;
        return ile;
    }
    static int szukaj(pxdoc_t* p, pxstream_t*, long przesuniecie, int skad) {
        TStan& s = z(p);
        const long od = skad == SEEK_SET ? 0 : skad == SEEK_CUR ? long(s.poz) : long(s.plik.size());
        if (od + przesuniecie < 0) return -1;
        s.poz = size_t(od + przesuniecie);
        return 0;
    }
    static long miejsce(pxdoc_t* p, pxstream_t*) { return long(z(p).poz); }
};

TZapisParadox::TZapisParadox(const QString& plik, const std::vector<TPoleZapisu>& polaTabeli,
                             int stronaKodowa)
    : stan(std::make_unique<TStan>()), pola(polaTabeli) {
    PX_boot();
    stan->sciezka = plik;
    stan->doc = PX_new3(TStan::blad, nullptr, nullptr, nullptr, stan.get());
    // pxlib keeps the field list and frees it with the document.
    auto* opis = static_cast<pxfield_t*>(std::malloc(pola.size() * sizeof(pxfield_t)));
    for (size_t i = 0; i < pola.size(); ++i)
        opis[i] = {strdup(pola[i].nazwa), char(pola[i].typ), pola[i].dlugosc, pola[i].miejsca};
    // The header pxlib writes when creating the table goes to a temporary file, then
    // everything to the buffer.
    FILE* tymczasowy = std::tmpfile();
    if (!tymczasowy ||
        PX_create_fp(stan->doc, opis, int(pola.size()), tymczasowy, pxfFileTypNonIndexDB) != 0) {
        blad = QStringLiteral("nie można utworzyć tabeli ") + plik;
        if (tymczasowy) std::fclose(tymczasowy);
        PX_delete(stan->doc);
        stan->doc = nullptr;
        return;
    }
    std::fflush(tymczasowy);
    stan->plik.resize(size_t(std::ftell(tymczasowy)));
    std::rewind(tymczasowy);
    if (std::fread(stan->plik.data(), 1, stan->plik.size(), tymczasowy) != stan->plik.size())
        blad = QStringLiteral("nie można utworzyć tabeli ") + plik;
    std::fclose(tymczasowy);
    stan->doc->px_stream->s.fp = nullptr;
    stan->poz = stan->plik.size();
    stan->doc->read = TStan::czytaj;
    stan->doc->write = TStan::pisz;
    stan->doc->seek = TStan::szukaj;
    stan->doc->tell = TStan::miejsce;
    PX_set_parameter(stan->doc, "tablename", QFile::encodeName(plik).constData());
    PX_set_value(stan->doc, "codepage", float(stronaKodowa));
    stan->koder = QStringEncoder(QByteArray("CP" + QByteArray::number(stronaKodowa)).constData());
    stan->wiersz.resize(PX_get_recordsize(stan->doc));
}

TZapisParadox::~TZapisParadox() {
    if (!stan->doc) return;
    PX_close(stan->doc);
    PX_delete(stan->doc);
    QFile f(stan->sciezka);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(stan->plik.data(), qint64(stan->plik.size()));
}

bool TZapisParadox::Dopisz(const TWierszZapisu& w) {
    if (!blad.isEmpty()) return false;
    pxdoc_t* doc = stan->doc;
    std::fill(stan->wiersz.begin(), stan->wiersz.end(), 0);
    char* dane = stan->wiersz.data();
    for (size_t i = 0; i < pola.size(); dane += pola[i].dlugosc, ++i) {
        const QVariant& v = w.at(i);
        if (v.isNull()) continue;
        switch (pola[i].typ) {
            case pxfAlpha: {
                stan->koder.resetState();
                QByteArray t = v.typeId() == QMetaType::QByteArray
                                   ? v.toByteArray()
                                   : QByteArray(stan->koder.encode(v.toString()));
                if (stan->koder.hasError()) {
                    blad = QStringLiteral("pole %1: znaki spoza strony kodowej")
                               .arg(QLatin1String(pola[i].nazwa));
                    return false;
                }
                if (t.size() > pola[i].dlugosc) {
                    blad = QStringLiteral("pole %1: tekst dłuższy niż %2 znaków")
                               .arg(QLatin1String(pola[i].nazwa))
                               .arg(pola[i].dlugosc);
                    return false;
                }
                PX_put_data_alpha(doc, dane, pola[i].dlugosc, t.data());
                break;
            }
            case pxfShort:
                PX_put_data_short(doc, dane, 2, short(v.toInt()));
                break;
            case pxfLong:
            case pxfAutoInc:
                PX_put_data_long(doc, dane, 4, v.toInt());
                break;
            case pxfCurrency:
            case pxfNumber:
                PX_put_data_double(doc, dane, 8, v.toDouble());
                break;
            case pxfLogical:
                PX_put_data_byte(doc, dane, 1, v.toBool() ? 1 : 0);
                break;
            case pxfDate:
                PX_put_data_long(doc, dane, 4, int(dzienParadox(v.toDate())));
                break;
            case pxfBCD: {
                // pxlib reads the digits right only with a decimal point present.
                QByteArray t = QByteArray::number(v.toDouble(), 'f', pola[i].miejsca);
                if (!t.contains('.')) t += '.';
                PX_put_data_bcd(doc, dane, pola[i].miejsca, t.data());
                break;
            }
            case pxfTimestamp: {
                // A double is written as it stands (a damaged table's value).
                if (v.typeId() == QMetaType::Double) {
                    PX_put_data_double(doc, dane, 8, v.toDouble());
                    break;
                }
                // Milliseconds of the Paradox day count; pxlib must read the same day.
                const QDate d = v.toDate();
                const double ms = double(dzienParadox(d)) * 86400000.0;
                char* tekst = PX_timestamp2string(doc, ms, "Y-m-d");
                const QString dzien = tekst ? QString::fromLatin1(tekst) : QString();
                std::free(tekst);
                if (dzien != d.toString(Qt::ISODate)) {
                    blad = QStringLiteral("pole %1: pxlib czyta %2 zamiast %3")
                               .arg(QLatin1String(pola[i].nazwa), dzien, d.toString(Qt::ISODate));
                    return false;
                }
                PX_put_data_double(doc, dane, 8, ms);
                break;
            }
            default:
                blad = QStringLiteral("pole %1: nieobsługiwany typ %2")
                           .arg(QLatin1String(pola[i].nazwa))
                           .arg(pola[i].typ);
                return false;
        }
    }
    if (PX_put_record(doc, stan->wiersz.data()) < 0) {
        blad = QStringLiteral("nie można zapisać wiersza");
        return false;
    }
    return true;
}

QString ZapiszTabeleParadox(const QString& plik, const std::vector<TPoleZapisu>& pola,
                            int stronaKodowa, const std::vector<TWierszZapisu>& wiersze) {
    TZapisParadox zapis(plik, pola, stronaKodowa);
    for (const TWierszZapisu& w : wiersze)
        if (!zapis.Dopisz(w)) break;
    return zapis.Blad();
}

const std::vector<TKsztaltTabeli>& KsztaltSklepuParadox() {
    static const std::vector<TKsztaltTabeli> ksztalt = {
        {"klient",
         "klient.db",
         {{"ID", pxfAutoInc, 4},
          {"Numer_klienta", pxfLong, 4},
          {"Imie", pxfAlpha, 30},
          {"Nazwisko", pxfAlpha, 50},
          {"Firma", pxfAlpha, 80},
          {"Kod", pxfAlpha, 10},
          {"Miejscowosc", pxfAlpha, 30},
          {"Ulica", pxfAlpha, 30},
          {"Nr_Posesji", pxfAlpha, 10},
          {"Nr_lokalu", pxfAlpha, 10},
          {"Telefon", pxfAlpha, 50},
          {"NIP", pxfAlpha, 20},
          {"Ostatnie_wypozyczenie", pxfDate, 4},
          {"Saldo", pxfCurrency, 8},
          {"Abonament", pxfLogical, 1},
          {"Abonament_OD", pxfDate, 4},
          {"Abonament_DO", pxfDate, 4},
          {"Licznik", pxfLong, 4},
          {"Upowazniony", pxfAlpha, 80},
          {"LicznikAb", pxfLong, 4},
          {"Aktualny", pxfLogical, 1},
          {"Rabat", pxfShort, 2}},
         18},
        {"film",
         "film.db",
         {{"ID", pxfAutoInc, 4},
          {"Numer_filmu", pxfLong, 4},
          {"Tytul_oryginalny", pxfAlpha, 50},
          {"Tytul_polski", pxfAlpha, 50},
          {"Produkcja", pxfAlpha, 25},
          {"Rola_glowna_1", pxfAlpha, 25},
          {"Rola_glowna_2", pxfAlpha, 25},
          {"Rola_glowna_3", pxfAlpha, 25},
          {"Rola_glowna_4", pxfAlpha, 25},
          {"Rola_glowna_5", pxfAlpha, 25},
          {"Gatunek", pxfAlpha, 25},
          {"Nosnik", pxfAlpha, 15},
          {"Czas_trwania", pxfAlpha, 15},
          {"Rezyseria_1", pxfAlpha, 25},
          {"Rezyseria_2", pxfAlpha, 25},
          {"Stawka", pxfCurrency, 8},
          {"Wplywy", pxfCurrency, 8},
          {"Ilosc_wypozyczen", pxfLong, 4},
          {"Cena_zakupu", pxfCurrency, 8},
          {"Opis", pxfAlpha, 255},
          {"Status", pxfLogical, 1},
          {"Aktualny", pxfLogical, 1}},
         21},
        {"rental",
         "rental.db",
         {{"id_filmu", pxfLong, 4},
          {"id_klienta", pxfLong, 4},
          {"dataOD", pxfDate, 4},
          {"dataDO", pxfDate, 4},
          {"zwrocono", pxfLogical, 1},
          {"platnosc", pxfCurrency, 8},
          {"Platnosc1", pxfCurrency, 8},
          {"Z_abonamentu", pxfCurrency, 8},
          {"Naleznosc", pxfNumber, 8},
          {"Stawka", pxfCurrency, 8},
          {"DataZwrotu", pxfDate, 4}},
         6},
        {"dictionary",
         "dictionary.db",
         {{"Nazwa", pxfAlpha, 20}, {"Wartosc", pxfAlpha, 30}, {"Opis", pxfAlpha, 60}},
         3}};
    return ksztalt;
}
