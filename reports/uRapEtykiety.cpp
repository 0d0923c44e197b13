#include "reports/uRapEtykiety.h"

#include <algorithm>

#include "reports/KodKreskowy.h"
#include "reports/Uklad.h"
#include "settings/UstawieniaSklepu.h"
#include "store/Formaty.h"

namespace {

const QString Grupa = QStringLiteral("ETYKIETY");
constexpr double NajmniejszaEtykieta = 15;  // mm each way

// Places one label's contents into its box.
void UlozEtykiete(TStrona& s, const TEtykieta& e, const QRectF& miejsce) {
    const double brzeg = std::min(3.0, miejsce.width() * 0.05);
    const QRectF w = miejsce.adjusted(brzeg, brzeg, -brzeg, -brzeg);
    const TCzcionka tytul = TCzcionka::Pogrubiona(w.height() < 25 ? 7 : 8);
    const TCzcionka numer = TCzcionka::Pogrubiona(w.height() < 25 ? 9 : 11);

    // The title in up to two lines; a longer one ends with an ellipsis when painted.
    QStringList linie = PodzielNaWiersze(e.Tytul, tytul, w.width());
    if (linie.size() > 2) linie = QStringList{linie[0], linie.mid(1).join(' ')};
    double y = w.top();
    for (const QString& l : linie) {
        s.teksty.push_back({l, QRectF(w.left(), y, w.width(), tytul.WysokoscWiersza()), tytul,
                            TWyrownanie::DoSrodka, TRodzajPasma::Szczegoly});
        y += tytul.WysokoscWiersza();
    }
    y += 0.5;
    const double wysNumeru = numer.WysokoscWiersza();
    const double dolKodu = w.bottom() - wysNumeru;
    const QString tekst = Numer4(e.Numer);
    const TKodKreskowy kod = KodCode128(tekst, QRectF(w.left(), y, w.width(), dolKodu - y));
    s.pola.insert(s.pola.end(), kod.kreski.begin(), kod.kreski.end());
    s.teksty.push_back({tekst, QRectF(w.left(), dolKodu, w.width(), wysNumeru), numer,
                        TWyrownanie::DoSrodka, TRodzajPasma::Szczegoly});
}

}  // namespace

double TUkladEtykiet::SzerokoscEtykiety() const {
    if (!Arkusz) return Szerokosc;
    return (TFormatStrony{}.szerokosc - 2 * MarginesLewy - (Kolumny - 1) * OdstepPoziomy) / Kolumny;
}

double TUkladEtykiet::WysokoscEtykiety() const {
    if (!Arkusz) return Wysokosc;
    return (TFormatStrony{}.wysokosc - 2 * MarginesGorny - (Wiersze - 1) * OdstepPionowy) / Wiersze;
}

QString TUkladEtykiet::Blad() const {
    for (double v :
         {MarginesGorny, MarginesLewy, OdstepPoziomy, OdstepPionowy, Szerokosc, Wysokosc})
        if (!(v >= 0)) return QStringLiteral("Wymiary etykiet nie mogą być ujemne.");
    if (SzerokoscEtykiety() < NajmniejszaEtykieta || WysokoscEtykiety() < NajmniejszaEtykieta)
        return Arkusz ? QStringLiteral(
                            "Przy takich marginesach i odstępach etykiety byłyby "
                            "mniejsze niż 15 × 15 mm.\nZmniejsz marginesy lub odstępy.")
                      : QStringLiteral("Etykieta musi mieć co najmniej 15 × 15 mm.");
    if (!Arkusz && (Szerokosc > 300 || Wysokosc > 300))
        return QStringLiteral("Etykieta może mieć najwyżej 300 × 300 mm.");
    return {};
}

TUkladEtykiet WczytajUkladEtykiet() {
    const QVariantMap w = WczytajUstawieniaSklepu(Grupa);
    TUkladEtykiet u;
    auto liczba = [&](const char* klucz, double& pole) {
        bool ok = false;
        const double v = w.value(QLatin1String(klucz)).toDouble(&ok);
        if (ok) pole = v;
    };
    u.Arkusz = w.value(QStringLiteral("Arkusz"), true).toBool();
    liczba("MarginesGorny", u.MarginesGorny);
    liczba("MarginesLewy", u.MarginesLewy);
    liczba("OdstepPoziomy", u.OdstepPoziomy);
    liczba("OdstepPionowy", u.OdstepPionowy);
    liczba("Szerokosc", u.Szerokosc);
    liczba("Wysokosc", u.Wysokosc);
    // A file edited by hand into nonsense gives the defaults.
    if (!u.Blad().isEmpty()) return {};
    return u;
}

bool ZapiszUkladEtykiet(const TUkladEtykiet& u) {
    return ZapiszUstawieniaSklepu(Grupa, {{QStringLiteral("Arkusz"), u.Arkusz},
                                          {QStringLiteral("MarginesGorny"), u.MarginesGorny},
                                          {QStringLiteral("MarginesLewy"), u.MarginesLewy},
                                          {QStringLiteral("OdstepPoziomy"), u.OdstepPoziomy},
                                          {QStringLiteral("OdstepPionowy"), u.OdstepPionowy},
                                          {QStringLiteral("Szerokosc"), u.Szerokosc},
                                          {QStringLiteral("Wysokosc"), u.Wysokosc}});
}

TRapEtykiety::TRapEtykiety(std::vector<TEtykieta> drukowane, const TUkladEtykiet& ulozenie)
    : etykiety(std::move(drukowane)), uklad(ulozenie) {
    TytulZadania = QStringLiteral("Wirdolan - etykiety");
    // Sheets and labels are laid out from the paper's corner.
    Format = uklad.Arkusz ? TFormatStrony{210, 297, 0}
                          : TFormatStrony{uklad.Szerokosc, uklad.Wysokosc, 0};
}

QRectF TRapEtykiety::MiejsceEtykiety(int n) const {
    const double w = uklad.SzerokoscEtykiety(), h = uklad.WysokoscEtykiety();
    if (!uklad.Arkusz) return {0, 0, w, h};
    const int kolumna = n % TUkladEtykiet::Kolumny;
    const int wiersz = n / TUkladEtykiet::Kolumny;
    return {uklad.MarginesLewy + kolumna * (w + uklad.OdstepPoziomy),
            uklad.MarginesGorny + wiersz * (h + uklad.OdstepPionowy), w, h};
}

std::vector<TStrona> TRapEtykiety::Uloz() {
    const int naStronie = uklad.Arkusz ? TUkladEtykiet::Kolumny * TUkladEtykiet::Wiersze : 1;
    std::vector<TStrona> arkusze;
    for (size_t i = 0; i < etykiety.size(); ++i) {
        const int n = static_cast<int>(i % naStronie);
        if (n == 0) arkusze.emplace_back();
        UlozEtykiete(arkusze.back(), etykiety[i], MiejsceEtykiety(n));
    }
    if (arkusze.empty()) arkusze.emplace_back();
    return arkusze;
}
