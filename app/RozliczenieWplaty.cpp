#include "app/RozliczenieWplaty.h"

namespace {

QString Zl(TKwota kwota) {
    return KwotaNaEkran(kwota) + QStringLiteral(" zł");
}

QString Film(const TPozycjaRozliczenia& f) {
    return f.Numer + QLatin1Char(' ') + f.Tytul + QStringLiteral(": ");
}

}  // namespace

QStringList LinieRozliczenia(const std::vector<TPozycjaRozliczenia>& filmy,
                             const std::vector<std::pair<QString, TKwota>>& dalej,
                             const QString& roznica, TKwota doZaplaty) {
    QStringList linie;
    TKwota suma;
    for (const TPozycjaRozliczenia& f : filmy) {
        QString linia = Film(f) + Zl(f.Kwota);
        if (f.DniZwloki > 0)
            linia += QStringLiteral(" (w tym po terminie ") + QString::number(f.DniZwloki) +
                     (f.DniZwloki == 1 ? QStringLiteral(" dzień: ") : QStringLiteral(" dni: ")) +
                     Zl(f.Zwloka) + QLatin1Char(')');
        linie << linia;
        suma += f.Kwota;
    }
    for (const auto& [etykieta, kwota] : dalej) {
        linie << etykieta + QStringLiteral(": ") + Zl(kwota);
        suma += kwota;
    }
    if (const TKwota reszta = doZaplaty - suma; !reszta.Zero())
        linie << roznica + QStringLiteral(": ") + Zl(reszta);
    linie << QStringLiteral("Razem do zapłaty: ") + Zl(doZaplaty);
    return linie;
}

QString LiniaPrzedluzenia(const TPozycjaRozliczenia& film, TKwota przed, bool abonent) {
    QString linia = Film(film) + Zl(przed) + QStringLiteral(" → ") + Zl(film.Kwota);
    if (film.Kwota.Zero())
        linia += abonent ? QStringLiteral(" (film bezpłatny w abonamencie)")
                         : QStringLiteral(" (film wypożyczony bezpłatnie)");
    return linia;
}
