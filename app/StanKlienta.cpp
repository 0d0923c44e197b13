#include "app/StanKlienta.h"

#include <QStringList>
#include <algorithm>

QString LiczbaDniTekst(int dni) {
    return QString::number(dni) + (dni == 1 ? QStringLiteral(" dzień") : QStringLiteral(" dni"));
}

QString LiczbaFilmowTekst(int filmy) {
    const int jednosci = filmy % 10, dziesiatki = filmy % 100 / 10;
    const QString koncowka = filmy == 1 ? QString()
                             : jednosci >= 2 && jednosci <= 4 && dziesiatki != 1
                                 ? QStringLiteral("y")
                                 : QStringLiteral("ów");
    return QString::number(filmy) + QStringLiteral(" film") + koncowka;
}

QString UwagaOKliencie(const TStanKlienta& stan) {
    QStringList czesci;
    if (stan.Zaleglosci.Dodatnia())
        czesci << QStringLiteral("Zaległości: ") + KwotaNaEkran(stan.Zaleglosci) +
                      QStringLiteral(" zł");
    if (stan.Saldo.Ujemna())
        czesci << QStringLiteral("Saldo: ") + KwotaNaEkran(stan.Saldo) + QStringLiteral(" zł");
    if (!stan.DniPoTerminie.empty()) {
        const int najdluzej =
            *std::max_element(stan.DniPoTerminie.begin(), stan.DniPoTerminie.end());
        czesci << QStringLiteral("Po terminie: ") +
                      LiczbaFilmowTekst(static_cast<int>(stan.DniPoTerminie.size())) +
                      QStringLiteral(" (najdłużej ") + LiczbaDniTekst(najdluzej) +
                      QStringLiteral(")");
    }
    return czesci.join(QStringLiteral(" · "));
}

QString TerminZwrotuTekst(const QDate& termin, const QDate& dzisiaj, int dniPo) {
    const QString poczatek =
        QStringLiteral("Termin zwrotu: ") + termin.toString(QStringLiteral("dd.MM.yyyy"));
    if (dniPo > 0) return poczatek + QStringLiteral(", po terminie ") + LiczbaDniTekst(dniPo);
    const qint64 zostalo = dzisiaj.daysTo(termin);
    if (zostalo <= 0) return poczatek + QStringLiteral(", zwrot dzisiaj");
    return poczatek + QStringLiteral(", zostało ") + LiczbaDniTekst(static_cast<int>(zostalo));
}
