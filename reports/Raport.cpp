#include "reports/Raport.h"

#include <QStringEncoder>
#include <algorithm>

#include "store/Formaty.h"
#include "store/Katalogi.h"
#include "store/TekstyUtf8.h"
#include "store/Zegar.h"

namespace {

QString Wartosc(const TElement& e, const TQuery* zrodlo) {
    switch (e.tresc) {
        case TElement::TTresc::Etykieta:
            return e.tekst;
        case TElement::TTresc::DataWydruku:
            return DataDluga(Dzisiaj());
        case TElement::TTresc::Pole:
            break;
    }
    const TField* pole = zrodlo && zrodlo->Active() ? zrodlo->FindField(e.pole) : nullptr;
    const bool brak = !pole || pole->IsNull();
    switch (e.format) {
        case TFormat::Tekst:
            return brak ? QString() : pole->AsString();
        case TFormat::Numer:
            return Numer4(brak ? 0 : pole->AsLargeInt());
        case TFormat::NumerGdyJest:
            return brak ? QString() : Numer4(pole->AsLargeInt());
        case TFormat::Kwota:
            return KwotaNaEkran(brak ? TKwota() : pole->AsKwota());
        case TFormat::Data:
            return DataDluga(brak ? QDate() : pole->AsDate());
    }
    return {};
}

// Places one band with its top at y on the page.
void Wstaw(TStrona& strona, const TPasmo& pasmo, double y, const TQuery* dane) {
    const QRectF obszar(0, y, TRaport::SzerokoscObszaru, pasmo.wysokosc);
    if (pasmo.ramka) strona.ramki.push_back(obszar);
    if (pasmo.liniaNad) strona.linie.emplace_back(obszar.topLeft(), obszar.topRight());
    const TQuery* zrodlo = pasmo.zrodlo ? pasmo.zrodlo : dane;
    for (const TElement& e : pasmo.elementy) {
        if (!e.widoczny) continue;
        const QString tekst = Wartosc(e, zrodlo);
        if (tekst.isEmpty()) continue;
        const double szerokosc = e.szerokosc > 0 ? e.szerokosc : TRaport::SzerokoscObszaru - e.x;
        const double wysokosc = e.wysokosc > 0 ? e.wysokosc : e.czcionka.WysokoscWiersza();
        strona.teksty.push_back({tekst, QRectF(e.x, y + e.y, szerokosc, wysokosc), e.czcionka,
                                 e.wyrownanie, pasmo.rodzaj});
    }
}

}  // namespace

TElement& TPasmo::Etykieta(const QString& tekst, double x, const TCzcionka& czcionka) {
    TElement e;
    e.tekst = tekst;
    e.x = x;
    e.czcionka = czcionka;
    elementy.push_back(e);
    return elementy.back();
}

TElement& TPasmo::Pole(const QString& kolumna, double x, TFormat format,
                       const TCzcionka& czcionka) {
    TElement e;
    e.tresc = TElement::TTresc::Pole;
    e.pole = kolumna;
    e.format = format;
    e.x = x;
    e.czcionka = czcionka;
    elementy.push_back(e);
    return elementy.back();
}

TElement& TPasmo::DataWydruku(double x, const TCzcionka& czcionka) {
    TElement e;
    e.tresc = TElement::TTresc::DataWydruku;
    e.x = x;
    e.czcionka = czcionka;
    elementy.push_back(e);
    return elementy.back();
}

void TPasmo::StanNaDzien(const QString& tekst, double x, double xDaty, const TCzcionka& czcionka) {
    Etykieta(tekst, x, czcionka);
    DataWydruku(xDaty, czcionka);
}

void TPasmo::Kolumny(std::initializer_list<std::pair<QString, double>> kolumny) {
    for (const auto& [tekst, x] : kolumny) Etykieta(tekst, x, TCzcionka::Pogrubiona()).Y(0.5);
}

TElement* TPasmo::Element(const QString& nazwa) {
    for (TElement& e : elementy)
        if (e.nazwa == nazwa) return &e;
    return nullptr;
}

const TUlozonyTekst* TStrona::Znajdz(const QString& tekst) const {
    for (const auto& t : teksty)
        if (t.tekst == tekst) return &t;
    return nullptr;
}

std::vector<TUlozonyTekst> TStrona::TekstyPasma(TRodzajPasma pasmo) const {
    std::vector<TUlozonyTekst> wynik;
    for (const auto& t : teksty)
        if (t.pasmo == pasmo) wynik.push_back(t);
    return wynik;
}

TRaport::TRaport() {
    auto& stopka = Pasmo(TRodzajPasma::StopkaStrony, 5);
    stopka.Etykieta(QStringLiteral("Wydruk z programu Wirdolan"), 0, TCzcionka::Zwykla(7))
        .Y(1)
        .DoPrawej();
}

TPasmo& TRaport::Pasmo(TRodzajPasma rodzaj, double wysokosc) {
    if (TPasmo* p = ZnajdzPasmo(rodzaj)) {
        p->wysokosc = wysokosc;
        return *p;
    }
    TPasmo p;
    p.rodzaj = rodzaj;
    p.wysokosc = wysokosc;
    pasma.push_back(p);
    return pasma.back();
}

TPasmo* TRaport::ZnajdzPasmo(TRodzajPasma rodzaj) {
    for (TPasmo& p : pasma)
        if (p.rodzaj == rodzaj) return &p;
    return nullptr;
}

namespace {

bool Rowne(const TUlozonyTekst& a, const TUlozonyTekst& b) {
    return a.tekst == b.tekst && a.prostokat == b.prostokat && a.czcionka == b.czcionka &&
           a.wyrownanie == b.wyrownanie && a.pasmo == b.pasmo;
}

bool Rowne(const TStrona& a, const TStrona& b) {
    return std::equal(a.teksty.begin(), a.teksty.end(), b.teksty.begin(), b.teksty.end(),
                      [](const auto& x, const auto& y) { return Rowne(x, y); }) &&
           a.ramki == b.ramki && a.linie == b.linie && a.pola == b.pola;
}

void Dolacz(TStrona& do_, const TStrona& z) {
    do_.teksty.insert(do_.teksty.end(), z.teksty.begin(), z.teksty.end());
    do_.ramki.insert(do_.ramki.end(), z.ramki.begin(), z.ramki.end());
    do_.linie.insert(do_.linie.end(), z.linie.begin(), z.linie.end());
    do_.pola.insert(do_.pola.end(), z.pola.begin(), z.pola.end());
}

}  // namespace

// A report made of bands, laid out compactly: the bands placed once per page (the same
// placing shared by the pages that repeat it) and, for each row, its place on the page and
// the texts of its detail band in one buffer.
class TRaport::TUkladPasm {
public:
    explicit TUkladPasm(const TPasmo* szczegoly) {
        if (szczegoly) wzor = *szczegoly;
    }

    struct TStronaUkladu {
        int naglowek = -1, kolumny = -1, stopka = -1;  // pieces in `kawalki`
        int pierwszyWiersz = 0;
    };

    // Keeps a piece, shared with the one before it when equal; its number.
    int Kawalek(TStrona kawalek) {
        if (!kawalki.empty() && Rowne(kawalki.back(), kawalek))
            return static_cast<int>(kawalki.size()) - 1;
        kawalki.push_back(std::move(kawalek));
        return static_cast<int>(kawalki.size()) - 1;
    }

    void Wiersz(const TPasmo& pasmo, double y, const TQuery& dane) {
        const TQuery* zrodlo = pasmo.zrodlo ? pasmo.zrodlo : &dane;
        for (const TElement& e : pasmo.elementy) {
            if (e.widoczny) Dopisz(Wartosc(e, zrodlo));
            konce.push_back(teksty.Koniec());
        }
        wiersze.push_back({static_cast<float>(y), static_cast<float>(pasmo.wysokosc), pasmo.ramka,
                           pasmo.liniaNad});
    }

    int Liczba() const { return static_cast<int>(strony.size()); }

    TStrona Strona(int numer) const {
        const TStronaUkladu& u = strony[static_cast<size_t>(numer)];
        TStrona s;
        if (u.naglowek >= 0) Dolacz(s, kawalki[static_cast<size_t>(u.naglowek)]);
        if (numer == 0) Dolacz(s, tytul);
        if (u.kolumny >= 0) Dolacz(s, kawalki[static_cast<size_t>(u.kolumny)]);
        const size_t ile = wzor.elementy.size();
        const size_t ostatni =
            static_cast<size_t>(numer) + 1 < strony.size()
                ? static_cast<size_t>(strony[static_cast<size_t>(numer) + 1].pierwszyWiersz)
                : wiersze.size();
        for (size_t w = static_cast<size_t>(u.pierwszyWiersz); w < ostatni; ++w) {
            const TWierszUkladu& r = wiersze[w];
            const QRectF obszar(0, r.y, TRaport::SzerokoscObszaru, r.wysokosc);
            if (r.ramka) s.ramki.push_back(obszar);
            if (r.liniaNad) s.linie.emplace_back(obszar.topLeft(), obszar.topRight());
            for (size_t i = 0; i < ile; ++i) {
                const size_t k = w * ile + i;
                const quint32 od = k > 0 ? konce[k - 1] : 0;
                if (konce[k] == od) continue;
                const TElement& e = wzor.elementy[i];
                const double szerokosc =
                    e.szerokosc > 0 ? e.szerokosc : TRaport::SzerokoscObszaru - e.x;
                const double wysokosc = e.wysokosc > 0 ? e.wysokosc : e.czcionka.WysokoscWiersza();
                s.teksty.push_back({Tekst(od, konce[k]),
                                    QRectF(e.x, r.y + e.y, szerokosc, wysokosc), e.czcionka,
                                    e.wyrownanie, TRodzajPasma::Szczegoly});
            }
        }
        if (u.stopka >= 0) Dolacz(s, kawalki[static_cast<size_t>(u.stopka)]);
        return s;
    }

    std::vector<TStronaUkladu> strony;
    TStrona tytul;  // the title band of the first page

private:
    struct TWierszUkladu {
        float y, wysokosc;
        bool ramka, liniaNad;
    };
    TPasmo wzor;  // the detail band: the place, size and font of each text
    std::vector<TStrona> kawalki;
    TTablicaWBlokach<TWierszUkladu> wiersze;
    // Every row's texts, one after another in UTF-8 (half the memory of the texts
    // themselves for the mostly Latin letters of titles and names), made into text again
    // only for a page made whole.
    void Dopisz(const QString& tekst) {
        if (tekst.isEmpty()) return;
        char* cel = teksty.Miejsce(utf8.requiredSpace(tekst.size()));
        teksty.Dopisane(utf8.appendToBuffer(cel, tekst) - cel);
    }
    QString Tekst(quint32 od, quint32 do_) const {
        return QString::fromUtf8(teksty.Bajty(od, do_));
    }
    QStringEncoder utf8{QStringEncoder::Utf8};
    TBlokiUtf8 teksty;
    TTablicaWBlokach<quint32> konce;  // the end of each row's each text
};

namespace {

// The room the title band takes on the first page.
double MiejsceTytulu(const TPasmo* tytul) {
    return tytul ? tytul->wysokosc + tytul->odstepPo : 0;
}

}  // namespace

std::unique_ptr<TRaport::TUkladPasm> TRaport::UlozPasma(bool ponownie) {
    const TPasmo* naglowek = ZnajdzPasmo(TRodzajPasma::NaglowekStrony);
    const TPasmo* tytul = ZnajdzPasmo(TRodzajPasma::Tytul);
    const double miejsceTytulu = MiejsceTytulu(tytul);
    const TPasmo* kolumny = ZnajdzPasmo(TRodzajPasma::NaglowekKolumn);
    const TPasmo* szczegoly = ZnajdzPasmo(TRodzajPasma::Szczegoly);
    const TPasmo* stopka = ZnajdzPasmo(TRodzajPasma::StopkaStrony);
    const double dol = WysokoscObszaru - (stopka ? stopka->wysokosc : 0);

    auto ulozone = std::make_unique<TUkladPasm>(szczegoly);
    double y = 0;
    int wierszyNaStronie = 0;
    int wierszy = 0;
    double yTytulu = 0;

    // One band placed alone, with its top at y.
    auto kawalek = [&](const TPasmo* p) {
        TStrona s;
        if (p) Wstaw(s, *p, y, &Dane);
        return s;
    };
    auto zamknijStrone = [&] {
        if (!stopka) return;
        const double gora = y;
        y = dol;
        ulozone->strony.back().stopka = ulozone->Kawalek(kawalek(stopka));
        y = gora;
    };
    auto nowaStrona = [&] {
        y = 0;
        wierszyNaStronie = 0;
        TUkladPasm::TStronaUkladu strona;
        strona.pierwszyWiersz = wierszy;
        auto wstaw = [&](const TPasmo* p) {
            TStrona s = kawalek(p);
            if (p) y += p->wysokosc + p->odstepPo;
            return s;
        };
        if (naglowek) strona.naglowek = ulozone->Kawalek(wstaw(naglowek));
        if (ulozone->strony.empty()) {
            yTytulu = y;
            ulozone->tytul = wstaw(tytul);
        }
        if (kolumny) strona.kolumny = ulozone->Kawalek(wstaw(kolumny));
        ulozone->strony.push_back(strona);
    };

    nowaStrona();
    if (PrzedSzczegolami) PrzedSzczegolami();
    if (szczegoly && Dane.Active()) {
        TPasmo wiersz = *szczegoly;
        // A query still on its first row is not run again (a sorted result would be
        // made twice).
        if (Dane.Pozycja() != 0) Dane.First();
        for (; !Dane.Eof(); Dane.Next()) {
            // The band as defined, then as the hook makes it for this row.
            for (size_t i = 0; i < wiersz.elementy.size(); ++i) {
                wiersz.elementy[i].tekst = szczegoly->elementy[i].tekst;
                wiersz.elementy[i].widoczny = szczegoly->elementy[i].widoczny;
            }
            wiersz.wysokosc = szczegoly->wysokosc;
            wiersz.odstepPo = szczegoly->odstepPo;
            wiersz.ramka = szczegoly->ramka;
            wiersz.liniaNad = szczegoly->liniaNad;
            if (PrzedSzczegolem) PrzedSzczegolem(wiersz, Dane);
            // A row that does not fit goes to a new page; a page takes at least one row.
            if (wierszyNaStronie > 0 && y + wiersz.wysokosc > dol) {
                zamknijStrone();
                nowaStrona();
            }
            ulozone->Wiersz(wiersz, y, Dane);
            y += wiersz.wysokosc + wiersz.odstepPo;
            ++wierszyNaStronie;
            ++wierszy;
        }
    }
    zamknijStrone();
    if (PoSzczegolach) {
        PoSzczegolach();
        // The hook may have added a band: the pointers are found again.
        tytul = ZnajdzPasmo(TRodzajPasma::Tytul);
        if (!ponownie && MiejsceTytulu(tytul) != miejsceTytulu) return UlozPasma(true);
        y = yTytulu;
        ulozone->tytul = kawalek(tytul);
    }
    return ulozone;
}

TRaport::~TRaport() = default;

std::vector<TStrona> TRaport::Uloz() {
    uklad = UlozPasma();
    // While producing, the pages stay compact; otherwise they are made whole.
    if (wProdukcji) return {};
    std::vector<TStrona> wynik;
    for (int i = 0; i < uklad->Liczba(); ++i) wynik.push_back(uklad->Strona(i));
    uklad.reset();
    return wynik;
}

void TRaport::Wyprodukuj() {
    if (wyprodukowany) return;
    uklad.reset();
    wProdukcji = true;
    std::vector<TStrona> ulozone = Uloz();
    wProdukcji = false;
    // A report that places its own pages gives them whole.
    if (!uklad) strony = std::move(ulozone);
    wyprodukowany = true;
    Dane.Close();
    for (TPasmo& p : pasma)
        if (p.zrodlo) p.zrodlo->Close();
}

int TRaport::LiczbaStron() {
    Wyprodukuj();
    return uklad ? uklad->Liczba() : static_cast<int>(strony.size());
}

TStrona TRaport::Strona(int numer) {
    Wyprodukuj();
    return uklad ? uklad->Strona(numer) : strony.at(static_cast<size_t>(numer));
}

const std::vector<TStrona>& TRaport::Strony() {
    Wyprodukuj();
    if (uklad && strony.empty())
        for (int i = 0; i < uklad->Liczba(); ++i) strony.push_back(uklad->Strona(i));
    return strony;
}

QString TabelaBazy(const QString& plik) {
    return '"' + KatalogBazy + plik + '"';
}
