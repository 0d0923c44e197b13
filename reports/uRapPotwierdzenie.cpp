#include "reports/uRapPotwierdzenie.h"

#include <algorithm>
#include <cmath>

#include "reports/Uklad.h"
#include "store/Formaty.h"

namespace {

QString Kwota(TKwota kwota) {
    return KwotaNaEkran(kwota) + QStringLiteral(" zł");
}

QString Tytul(TRodzajOperacji rodzaj) {
    switch (rodzaj) {
        case TRodzajOperacji::Zwrot:
            return QStringLiteral("ZWROTU");
        case TRodzajOperacji::Przedluzenie:
            return QStringLiteral("PRZEDŁUŻENIA");
        case TRodzajOperacji::Zaleglosci:
            return QStringLiteral("WPŁATY ZALEGŁOŚCI");
        case TRodzajOperacji::Wypozyczenie:
            break;
    }
    return QStringLiteral("WYPOŻYCZENIA");
}

// The date a line of the slip ends with: when the film is due, or when it came back.
QDate Koniec(const TPozycjaPotwierdzenia& p, TRodzajOperacji rodzaj) {
    return rodzaj == TRodzajOperacji::Zwrot ? p.DataZwrotu : p.DataDO;
}

}  // namespace

TRapPotwierdzenie::TRapPotwierdzenie(const TPotwierdzenie& potwierdzenie,
                                     const TWypozyczalnia& sklep)
    : dane(potwierdzenie), wypozyczalnia(sklep) {
    TytulZadania = QStringLiteral("Wirdolan - potwierdzenie");
    Format = FormatPapieru(wypozyczalnia.Papier);
}

TFormatStrony TRapPotwierdzenie::FormatPapieru(TPapierPotwierdzenia papier) {
    switch (papier) {
        case TPapierPotwierdzenia::Rolka80:
            return {80, 0, 4};
        case TPapierPotwierdzenia::Rolka58:
            return {58, 0, 3};
        case TPapierPotwierdzenia::A4:
            break;
    }
    return {};
}

std::vector<TStrona> TRapPotwierdzenie::Uloz() {
    const bool rolka = wypozyczalnia.Papier != TPapierPotwierdzenia::A4;
    Format = FormatPapieru(wypozyczalnia.Papier);
    TUkladacz u(Format.SzerokoscObszaru(), rolka ? 0 : Format.WysokoscObszaru());
    const double duza = rolka ? 9 : 10;  // the size of the ordinary lines
    const TCzcionka zwykla = TCzcionka::Zwykla(duza);
    const TCzcionka pogrubiona = TCzcionka::Pogrubiona(duza);
    const auto srodek = TWyrownanie::DoSrodka;

    // The shop.
    u.Wiersz(wypozyczalnia.Nazwa, TCzcionka::Pogrubiona(rolka ? 11 : 14), srodek);
    for (const QString& t : {wypozyczalnia.Adres, wypozyczalnia.Miejscowosc})
        if (!t.isEmpty()) u.Wiersz(t, zwykla, srodek);
    if (!wypozyczalnia.Telefon.isEmpty())
        u.Wiersz(QStringLiteral("tel. ") + wypozyczalnia.Telefon, zwykla, srodek);
    if (!wypozyczalnia.NIP.isEmpty())
        u.Wiersz(QStringLiteral("NIP ") + wypozyczalnia.NIP, zwykla, srodek);
    u.Odstep(2);
    u.Linia();
    u.Odstep(2);

    // What was done, when, for whom.
    const TCzcionka tytul = TCzcionka::Pogrubiona(rolka ? 10 : 13);
    if (rolka) {
        u.Wiersz(QStringLiteral("POTWIERDZENIE"), tytul, srodek);
        u.Wiersz(Tytul(dane.Rodzaj), tytul, srodek);
    } else {
        u.Wiersz(QStringLiteral("POTWIERDZENIE ") + Tytul(dane.Rodzaj), tytul, srodek);
    }
    u.Odstep(2);
    u.Wiersz(QStringLiteral("Data: ") + DataDluga(dane.Chwila.date()) +
                 (dane.BezGodziny ? QString()
                                  : QStringLiteral(", godz. ") +
                                        dane.Chwila.time().toString(QStringLiteral("HH:mm"))),
             zwykla);
    u.Wiersz(QStringLiteral("Klient: ") + Numer4(dane.NumerKlienta) + ' ' + dane.Klient, zwykla);
    u.Odstep(2);

    // An arrears payment has no films of its own.
    const bool filmy = dane.Rodzaj != TRodzajOperacji::Zaleglosci;
    if (filmy && rolka)
        UlozPozycjeRolka(u);
    else if (filmy)
        UlozPozycjeA4(u);

    // The money.
    const double etykieta = rolka ? u.szerokosc * 0.6 : 120;
    auto kwota = [&](const QString& opis, TKwota k, const TCzcionka& c) {
        u.Miejsce(c.WysokoscWiersza());
        u.Tekst(opis, 0, etykieta, c);
        u.Tekst(Kwota(k), etykieta, u.szerokosc - etykieta, c, TWyrownanie::DoPrawej);
        u.Dalej(c);
    };
    TKwota razem;
    for (const TPozycjaPotwierdzenia& p : dane.Pozycje) razem += p.Oplata;
    if (filmy) kwota(QStringLiteral("Razem opłaty:"), razem, pogrubiona);
    kwota(QStringLiteral("Zapłacono:"), dane.Zaplacono, zwykla);
    if (dane.Wydano.Dodatnia()) kwota(QStringLiteral("Wydano nadpłatę:"), dane.Wydano, zwykla);
    kwota(QStringLiteral("Pozostaje do zapłaty:"), dane.Pozostaje, zwykla);
    kwota(QStringLiteral("Saldo klienta:"), dane.Saldo, zwykla);
    u.Odstep(3);

    // The due date, large.
    const TCzcionka termin = TCzcionka::Pogrubiona(rolka ? (u.szerokosc < 60 ? 18 : 22) : 28);
    u.Miejsce(pogrubiona.WysokoscWiersza() + termin.WysokoscWiersza() + 4);
    u.Linia();
    u.Odstep(1);
    if (dane.Termin.isValid()) {
        u.Wiersz(dane.Rodzaj == TRodzajOperacji::Zwrot
                     ? QStringLiteral("Termin zwrotu pozostałych filmów:")
                     : QStringLiteral("Termin zwrotu:"),
                 pogrubiona, srodek);
        u.Wiersz(DataDluga(dane.Termin), termin, srodek);
    } else {
        u.Wiersz(QStringLiteral("Wszystkie filmy zostały zwrócone."), pogrubiona, srodek);
    }
    u.Odstep(1);
    u.Linia();
    u.Odstep(2);
    u.Wiersz(QStringLiteral("Dziękujemy i zapraszamy ponownie!"), zwykla, srodek);
    u.Odstep(2);
    // On A4 the printout's footer stands at the foot of the page, as on every report.
    const TCzcionka stopka = TCzcionka::Zwykla(7);
    if (!rolka) u.y = std::max(u.y, Format.WysokoscObszaru() - stopka.WysokoscWiersza());
    u.Wiersz(QStringLiteral("Wydruk z programu Wirdolan"), stopka, TWyrownanie::DoPrawej);

    // A roll is cut where the slip ends.
    if (rolka) Format.wysokosc = std::ceil(u.y) + 2 * Format.margines;
    return u.Wynik();
}

void TRapPotwierdzenie::UlozPozycjeA4(TUkladacz& u) const {
    const TCzcionka naglowek = TCzcionka::Pogrubiona(9);
    const TCzcionka wiersz = TCzcionka::Zwykla(9);
    const bool zwrot = dane.Rodzaj == TRodzajOperacji::Zwrot;
    auto kolumny = [&](const QString& nr, const QString& tytul, const QString& od,
                       const QString& koniec, const QString& oplata, const TCzcionka& c) {
        u.Tekst(nr, 0, 14, c, TWyrownanie::DoPrawej);
        u.Tekst(tytul, 17, 100, c);
        u.Tekst(od, 119, 22, c);
        u.Tekst(koniec, 143, 24, c);
        u.Tekst(oplata, 167, 23, c, TWyrownanie::DoPrawej);
        u.Dalej(c);
    };
    u.Miejsce(2 * naglowek.WysokoscWiersza());
    kolumny(QStringLiteral("Nr"), QStringLiteral("Tytuł"), QStringLiteral("Od"),
            zwrot ? QStringLiteral("Zwrócono") : QStringLiteral("Termin zwrotu"),
            QStringLiteral("Opłata"), naglowek);
    u.Linia();
    for (const TPozycjaPotwierdzenia& p : dane.Pozycje) {
        u.Miejsce(wiersz.WysokoscWiersza());
        kolumny(Numer4(p.NumerFilmu), p.Tytul, DataDluga(p.DataOD),
                DataDluga(Koniec(p, dane.Rodzaj)), KwotaNaEkran(p.Oplata), wiersz);
    }
    u.Linia();
    u.Odstep(1);
}

void TRapPotwierdzenie::UlozPozycjeRolka(TUkladacz& u) const {
    const TCzcionka tytul = TCzcionka::Pogrubiona(9);
    const TCzcionka wiersz = TCzcionka::Zwykla(8);
    const bool zwrot = dane.Rodzaj == TRodzajOperacji::Zwrot;
    u.Linia();
    for (const TPozycjaPotwierdzenia& p : dane.Pozycje) {
        u.Wiersz(Numer4(p.NumerFilmu) + ' ' + p.Tytul, tytul);
        const QString okres =
            zwrot ? DataDluga(p.DataOD) + QStringLiteral(", zwrot ") + DataDluga(p.DataZwrotu)
                  : DataDluga(p.DataOD) + QStringLiteral(" - ") + DataDluga(p.DataDO);
        const double kwota = u.szerokosc < 60 ? 13 : 16;
        u.Tekst(okres, 0, u.szerokosc - kwota, wiersz);
        u.Tekst(KwotaNaEkran(p.Oplata), u.szerokosc - kwota, kwota, wiersz, TWyrownanie::DoPrawej);
        u.Dalej(wiersz, 1);
    }
    u.Linia();
    u.Odstep(1);
}
