#include "reports/Raport.h"

#include <algorithm>

#include "store/Formaty.h"
#include "store/Katalogi.h"
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
            return KwotaNaEkran(brak ? 0.0 : pole->AsFloat());
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

TRaport::~TRaport() = default;

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

std::vector<TStrona> TRaport::Uloz() {
    const TPasmo* naglowek = ZnajdzPasmo(TRodzajPasma::NaglowekStrony);
    const TPasmo* tytul = ZnajdzPasmo(TRodzajPasma::Tytul);
    const TPasmo* kolumny = ZnajdzPasmo(TRodzajPasma::NaglowekKolumn);
    const TPasmo* szczegoly = ZnajdzPasmo(TRodzajPasma::Szczegoly);
    const TPasmo* stopka = ZnajdzPasmo(TRodzajPasma::StopkaStrony);
    const double dol = WysokoscObszaru - (stopka ? stopka->wysokosc : 0);

    std::vector<TStrona> wynik;
    double y = 0;
    int wierszyNaStronie = 0;

    auto zamknijStrone = [&] {
        if (stopka) Wstaw(wynik.back(), *stopka, dol, &Dane);
    };
    auto nowaStrona = [&] {
        wynik.emplace_back();
        y = 0;
        wierszyNaStronie = 0;
        auto wstaw = [&](const TPasmo* p) {
            if (!p) return;
            Wstaw(wynik.back(), *p, y, &Dane);
            y += p->wysokosc + p->odstepPo;
        };
        wstaw(naglowek);
        if (wynik.size() == 1) wstaw(tytul);
        wstaw(kolumny);
    };

    nowaStrona();
    if (szczegoly && Dane.Active()) {
        for (Dane.First(); !Dane.Eof(); Dane.Next()) {
            TPasmo wiersz = *szczegoly;
            if (PrzedSzczegolem) PrzedSzczegolem(wiersz, Dane);
            // A row that does not fit goes to a new page; a page takes at least one row.
            if (wierszyNaStronie > 0 && y + wiersz.wysokosc > dol) {
                zamknijStrone();
                nowaStrona();
            }
            Wstaw(wynik.back(), wiersz, y, &Dane);
            y += wiersz.wysokosc + wiersz.odstepPo;
            ++wierszyNaStronie;
        }
    }
    zamknijStrone();
    return wynik;
}

const std::vector<TStrona>& TRaport::Strony() {
    if (!wyprodukowany) {
        strony = Uloz();
        wyprodukowany = true;
        Dane.Close();
        for (TPasmo& p : pasma)
            if (p.zrodlo) p.zrodlo->Close();
    }
    return strony;
}

QString TabelaBazy(const QString& plik) {
    return '"' + KatalogBazy + plik + '"';
}
