#include "reports/uRapRentownosc.h"

#include "store/Formaty.h"
#include "store/uWspolneDB.h"

QString KwotaRankingu(const TField& pole) {
    return KwotaNaEkran(pole.IsNull() ? 0.0 : pole.AsFloat()) + QStringLiteral(" zł");
}

TfRapRentownosc::TfRapRentownosc() {
    const TCzcionka pk = TCzcionka::PogrubionaKursywa();
    const TCzcionka pogrubiona = TCzcionka::Pogrubiona();

    auto& naglowek = Pasmo(TRodzajPasma::NaglowekStrony, 8);
    naglowek.odstepPo = 1;
    naglowek.Etykieta(QString(), 0, pk).Nazwa(QStringLiteral("lTytul")).Szerokosc(137);
    naglowek.Etykieta(QStringLiteral("Stan na dzień"), 139.7, pk);
    naglowek.DataWydruku(165.1, pk);

    auto& kolumny = Pasmo(TRodzajPasma::NaglowekKolumn, 6);
    kolumny.ramka = true;
    kolumny.Etykieta(QString(), 0, pogrubiona)
        .Y(0.5)
        .KonczySieNa(18.3)
        .Nazwa(QStringLiteral("lKolumna1"));
    kolumny.Etykieta(QString(), 25.4, pogrubiona).Y(0.5).Nazwa(QStringLiteral("lKolumna2"));
    kolumny.Etykieta(QString(), 147.1, pogrubiona).Y(0.5).Nazwa(QStringLiteral("lKolumna3"));

    auto& wiersz = Pasmo(TRodzajPasma::Szczegoly, 5);
    wiersz.Pole(QStringLiteral("nr"), 5.3, TFormat::NumerGdyJest).Y(0.4).Szerokosc(18);
    wiersz.Etykieta(QString(), 24.9).Y(0.4).Szerokosc(120).Nazwa(QStringLiteral("lNazwa"));
    wiersz.Etykieta(QString(), 130).Y(0.4).KonczySieNa(162.9).Nazwa(QStringLiteral("lKwota"));

    PrzedSzczegolem = [this](TPasmo& p, const TQuery& q) {
        if (Rodzaj == 1) {
            p.Element(QStringLiteral("lNazwa"))->tekst =
                q.FieldByName(QStringLiteral("tytul")).AsString();
            p.Element(QStringLiteral("lKwota"))->tekst =
                KwotaRankingu(q.FieldByName(QStringLiteral("wplywy")));
        } else {
            p.Element(QStringLiteral("lNazwa"))->tekst =
                q.FieldByName(QStringLiteral("nazwisko")).AsString() + ' ' +
                q.FieldByName(QStringLiteral("imie")).AsString();
            p.Element(QStringLiteral("lKwota"))->tekst =
                KwotaRankingu(q.FieldByName(QStringLiteral("kwota")));
        }
    };
}

void TfRapRentownosc::Przygotuj(int rodzaj) {
    Rodzaj = rodzaj;
    const bool filmy = rodzaj == 1;
    TytulZadania = filmy ? QStringLiteral("Wirdolan - najczęściej wypożyczane filmy")
                         : QStringLiteral("Wirdolan - najlepsi klienci");
    ZnajdzPasmo(TRodzajPasma::NaglowekStrony)->Element(QStringLiteral("lTytul"))->tekst =
        filmy ? QStringLiteral("Najczęściej wypożyczane filmy")
              : QStringLiteral("Najczęściej wypożyczający klienci");
    TPasmo* kolumny = ZnajdzPasmo(TRodzajPasma::NaglowekKolumn);
    kolumny->Element(QStringLiteral("lKolumna1"))->tekst =
        filmy ? QStringLiteral("Nr filmu") : QStringLiteral("Nr klienta");
    kolumny->Element(QStringLiteral("lKolumna2"))->tekst =
        filmy ? QStringLiteral("Tytuł") : QStringLiteral("Dane klienta");
    kolumny->Element(QStringLiteral("lKolumna3"))->tekst =
        filmy ? QStringLiteral("Wpływy") : QStringLiteral("Suma płatności");
    // Equal amounts come in alphabetical order of the title or the name.
    if (filmy)
        // Withdrawn films are never ranked.
        OtworzSQL(Dane, QStringLiteral("select Numer_filmu nr, Tytul_oryginalny || ' (' || "
                                       "Tytul_polski || ')' tytul, wplywy from ") +
                            TabelaBazy(QStringLiteral("film.db")) +
                            QStringLiteral(" where aktualny = true order by wplywy desc, tytul"));
    else
        // Only returned rentals count; archived clients are ranked too.
        OtworzSQL(Dane, QStringLiteral("select k.id, k.numer_klienta nr, k.nazwisko, k.imie, "
                                       "sum( r.naleznosc ) kwota from ") +
                            TabelaBazy(QStringLiteral("klient.db")) + QStringLiteral(" k, ") +
                            TabelaBazy(QStringLiteral("rental.db")) +
                            QStringLiteral(" r where k.id = r.id_klienta and zwrocono = true "
                                           "group by k.id, k.nazwisko, k.imie, k.numer_klienta "
                                           "order by kwota desc, k.nazwisko, k.imie"));
}
