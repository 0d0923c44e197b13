#include "reports/uRapOkresowy.h"

#include "store/Formaty.h"
#include "store/uWspolneDB.h"

namespace {

constexpr double KolNr = 2.1, KolKlient = 24.3, KolFilm = 95.3, KolPlatnosc = 172.5;
constexpr double Odstep = 2;

double Wartosc(const TQuery& q, const char* kolumna) {
    const TField* pole = q.FindField(QString::fromLatin1(kolumna));
    return pole ? pole->AsFloat() : 0.0;
}

}  // namespace

double KwotaWypozyczenia(const TKwotyWypozyczenia& r) {
    if (!r.jestNaleznosc) return 0;
    const double kwota =
        r.zwrocono ? r.naleznosc - r.platnosc1 - r.zAbonamentu : r.naleznosc - r.platnosc;
    return ZaokraglijDoGroszy(kwota);
}

TKwotyWypozyczenia KwotyWiersza(const TQuery& q) {
    TKwotyWypozyczenia r;
    const TField* zwrocono = q.FindField(QStringLiteral("zwrocono"));
    const TField* naleznosc = q.FindField(QStringLiteral("naleznosc"));
    r.zwrocono = zwrocono && zwrocono->AsBoolean();
    r.jestNaleznosc = naleznosc && !naleznosc->IsNull();
    r.naleznosc = Wartosc(q, "naleznosc");
    r.platnosc = Wartosc(q, "platnosc");
    r.platnosc1 = Wartosc(q, "platnosc1");
    r.zAbonamentu = Wartosc(q, "z_abonamentu");
    return r;
}

QString NaglowekOkresu(const QDate& od, const QDate& do_) {
    const QString tekstOd = DataDluga(od);
    const QString tekstDo = DataDluga(do_);
    if (tekstOd == tekstDo) return QStringLiteral("Raport wypożyczeń w dniu ") + tekstOd;
    return QStringLiteral("Raport wypożyczeń za okres od ") + tekstOd + QStringLiteral(" do ") +
           tekstDo;
}

TfRapOkresowy::TfRapOkresowy() {
    TytulZadania = QStringLiteral("Wirdolan - raport wypożyczeń");
    const TCzcionka pk = TCzcionka::PogrubionaKursywa();
    const TCzcionka p12 = TCzcionka::Pogrubiona(12);
    const TCzcionka pogrubiona = TCzcionka::Pogrubiona();

    auto& naglowek = Pasmo(TRodzajPasma::NaglowekStrony, 8);
    naglowek.Etykieta(QStringLiteral("Raport wypożyczeń"), 3.2, pk);
    naglowek.DataWydruku(171.5, pk);

    auto& tytul = Pasmo(TRodzajPasma::Tytul, 14);
    tytul.odstepPo = 2;
    tytul.Etykieta(QString(), 3.2, p12).Nazwa(QStringLiteral("lOkres"));
    tytul.Etykieta(QStringLiteral("Wpływy:"), 3.2, p12).Y(7);
    tytul.Etykieta(KwotaNaEkran(0), 24.3, p12).Y(7).Nazwa(QStringLiteral("lWplywy"));

    auto& kolumny = Pasmo(TRodzajPasma::NaglowekKolumn, 6);
    kolumny.ramka = true;
    kolumny.Etykieta(QStringLiteral("Nr klienta"), KolNr, pogrubiona).Y(0.5);
    kolumny.Etykieta(QStringLiteral("Klient"), KolKlient, pogrubiona).Y(0.5);
    kolumny.Etykieta(QStringLiteral("Film"), KolFilm, pogrubiona).Y(0.5);
    kolumny.Etykieta(QStringLiteral("Płatność"), KolPlatnosc, pogrubiona).Y(0.5);

    auto& wiersz = Pasmo(TRodzajPasma::Szczegoly, 5);
    wiersz.Etykieta(QString(), KolNr).Y(0.4).Nazwa(QStringLiteral("lNr"));
    wiersz.Etykieta(QString(), KolKlient)
        .Y(0.4)
        .Szerokosc(KolFilm - KolKlient - Odstep)
        .Nazwa(QStringLiteral("lKlient"));
    wiersz.Etykieta(QString(), KolFilm)
        .Y(0.4)
        .Szerokosc(KolPlatnosc - KolFilm - Odstep)
        .Nazwa(QStringLiteral("lFilm"));
    wiersz.Etykieta(QString(), KolPlatnosc).Y(0.4).Nazwa(QStringLiteral("lPlatnosc"));

    PrzedSzczegolem = [this](TPasmo& p, const TQuery& q) {
        const TField& nr = q.FieldByName(QStringLiteral("nr"));
        p.Element(QStringLiteral("lNr"))->tekst = nr.IsNull() ? QString() : Numer4(nr.AsLargeInt());
        p.Element(QStringLiteral("lKlient"))->tekst =
            q.FieldByName(QStringLiteral("klient")).AsString();
        p.Element(QStringLiteral("lFilm"))->tekst =
            q.FieldByName(QStringLiteral("tytul")).AsString();
        const double kwota = KwotaWypozyczenia(KwotyWiersza(q));
        suma += kwota;
        p.Element(QStringLiteral("lPlatnosc"))->tekst = KwotaNaEkran(kwota);
    };
    // The total goes into the title once the lines are laid out.
    PoSzczegolach = [this] {
        Wplywy = ZaokraglijDoGroszy(suma);
        ZnajdzPasmo(TRodzajPasma::Tytul)->Element(QStringLiteral("lWplywy"))->tekst =
            KwotaNaEkran(Wplywy);
    };
}

bool TfRapOkresowy::Init(const QDate& od, const QDate& do_) {
    ZnajdzPasmo(TRodzajPasma::Tytul)->Element(QStringLiteral("lOkres"))->tekst =
        NaglowekOkresu(od, do_);
    // A rental counts when it started in the range and was returned by its last day, or
    // is still out (an open rental that started after the range counts too).
    const QString sql = QStringLiteral(
                            "select k.numer_klienta nr, k.nazwisko || ' ' || k.imie klient, "
                            "f.tytul_oryginalny tytul, r.platnosc, r.platnosc1, r.z_abonamentu, "
                            "r.zwrocono, r.naleznosc from ") +
                        TabelaBazy(QStringLiteral("rental.db")) + QStringLiteral(" r, ") +
                        TabelaBazy(QStringLiteral("klient.db")) + QStringLiteral(" k, ") +
                        TabelaBazy(QStringLiteral("film.db")) +
                        QStringLiteral(" f where r.dataOD >= ") + DataSQL(od) +
                        QStringLiteral(" and ( ( r.dataZwrotu <= ") + DataSQL(do_) +
                        QStringLiteral(
                            " ) or ( r.dataZwrotu is null and r.zwrocono = false ) ) and k.id = "
                            "r.id_klienta and f.id = r.id_filmu ");
    OtworzSQL(Dane, sql);
    if (!Dane.Active()) return false;
    // The rows are read once: each line's amount is added to the total as it is laid out.
    suma = 0;
    Wyprodukuj();
    return true;
}
