#include "app/KoszykPulpitu.h"

#include <QAction>
#include <QEvent>
#include <QLineEdit>
#include <QTableWidget>
#include <algorithm>
#include <functional>

#include "app/ListaWypozyczen.h"
#include "app/PanelFilmu.h"
#include "app/PanelKlienta.h"
#include "app/uMainLista.h"
#include "films/uFilm.h"
#include "money/Cennik.h"
#include "money/Koszyk.h"
#include "money/OdczytPulpitu.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/Liczby.h"
#include "store/Zegar.h"

namespace {

// Runs a handler for the chosen events of the watched object; the event goes on.
class TObserwator : public QObject {
public:
    TObserwator(QObject* rodzic, QEvent::Type zdarzenie, std::function<void()> reakcja)
        : QObject(rodzic), typ(zdarzenie), obsluga(std::move(reakcja)) {}

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override {
        if (zdarzenie->type() == typ) obsluga();
        return QObject::eventFilter(obiekt, zdarzenie);
    }

private:
    QEvent::Type typ;
    std::function<void()> obsluga;
};

// The prices of rows 0 ... ostatni.
QStringList CenyWierszy(const QTableWidget* lista, int ostatni) {
    QStringList ceny;
    for (int w = 0; w <= ostatni; ++w) ceny << TekstKomorki(lista, w, 2);
    return ceny;
}

}  // namespace

void Obserwuj(QObject* obiekt, QEvent::Type typ, std::function<void()> obsluga) {
    obiekt->installEventFilter(new TObserwator(obiekt, typ, std::move(obsluga)));
}

TKoszykPulpitu::TKoszykPulpitu(const TKontrolkiKoszyka& kontrolki, TPanelKlienta& panelKlienta,
                               TPanelFilmu& panelFilmu, const TListaWypozyczen& wypozyczenia,
                               TQuery& q, QObject* rodzic)
    : QObject(rodzic),
      ui(kontrolki),
      klient(panelKlienta),
      film(panelFilmu),
      lista(wypozyczenia),
      query(q) {
    connect(ui.eIleDni, &QLineEdit::textChanged, this, &TKoszykPulpitu::eIleDniChange);
    Obserwuj(ui.eIleDni, QEvent::FocusOut, [this] { eIleDniExit(); });
    Obserwuj(ui.eWplata, QEvent::FocusOut, [this] { eWplataExit(); });
    Obserwuj(ui.sgWypozyczenie->viewport(), QEvent::MouseButtonRelease,
             [this] { sgWypozyczenieMouseUp(); });
    Obserwuj(ui.sgWypozyczenie, QEvent::KeyRelease, [this] { sgWypozyczenieMouseUp(); });
}

int TKoszykPulpitu::NoweFilmy() const {
    return std::max(0, LiczbaWierszyFilmow(ui.sgWypozyczenie->rowCount()) -
                           static_cast<int>(lista.Wiersze().size()));
}

int TKoszykPulpitu::WybranyWiersz() const {
    const QTableWidget* sg = ui.sgWypozyczenie;
    const QList<QTableWidgetSelectionRange> zakresy = sg->selectedRanges();
    if (zakresy.isEmpty()) return -1;
    const int biezacy = sg->currentRow();
    for (const auto& z : zakresy)
        if (biezacy >= z.topRow() && biezacy <= z.bottomRow()) return biezacy;
    return zakresy.first().topRow();
}

TKwota TKoszykPulpitu::KwotaWplaty() const {
    return KwotaZEkranu(ui.eWplata->text()).value_or(TKwota());
}

void TKoszykPulpitu::bNastepnyClick() {
    QTableWidget* sg = ui.sgWypozyczenie;
    sg->clearSelection();
    if (!film.NaPolce() || film.BezTytulu()) return;

    // A first row without a film number holds no film.
    const QString pierwszy = TekstKomorki(sg, 0, 1);
    if (!pierwszy.isEmpty() && !CalkowitaZEkranu(pierwszy)) {
        for (int k = 0; k <= 3; ++k) UstawKomorke(sg, 0, k, QString());
        sg->setRowCount(1);
    }

    const TUstawienia& u = UstawieniaProgramu();
    // The shop's limit of arrears: above it no film is added.
    if (const auto limit = u.Zasady.LimitDlugu; limit && klient.Zaleglosci() > *limit) {
        Ostrzezenie(QStringLiteral("Zaległości klienta wynoszą %1 zł i przekraczają limit %2 "
                                   "zł.\nNie można wypożyczyć filmu.")
                        .arg(KwotaNaEkran(klient.Zaleglosci()), KwotaNaEkran(*limit)));
        return;
    }
    if (LimitFilmowOsiagniety(u.FilmMax, sg->rowCount())) {
        Ostrzezenie(QStringLiteral("Nie można wypożyczyć większej liczby filmów."));
        return;
    }

    const TDniWiersza dni = DniNowegoWiersza(ui.eIleDni->text());
    if (ui.eIleDni->text().isEmpty()) ui.eIleDni->setText(QStringLiteral("1"));
    if (!dni.poprawne) {
        Ostrzezenie(QStringLiteral("Niewłaściwa wartość w polu \"Ilość dni\"."));
        ui.eIleDni->setText(QStringLiteral("1"));
    }

    const auto stawka = StawkaZEkranu(film.Stawka());
    if (!stawka) {
        Ostrzezenie(QStringLiteral("Niewłaściwa wartość w polu \"Stawka\"."));
        return;
    }

    // The same film once only; its number may be shown with or without leading zeros.
    const QString numer = film.Numer();
    const auto numerFilmu = CalkowitaZEkranu(numer);
    for (int w = 0; w <= sg->rowCount() - 2; ++w) {
        const QString tekst = TekstKomorki(sg, w, 1);
        if (tekst == numer || (numerFilmu && CalkowitaZEkranu(tekst) == numerFilmu)) return;
    }

    // The film of the number shown; a number typed over a shown film, or of no current
    // film, adds nothing.
    const int id = numerFilmu ? IdFilmuONumerze(query, *numerFilmu, true).value_or(0) : 0;
    if (id == 0 || id != IdFilmu) return;

    UstawTloListy(sg, false);
    const int r = sg->rowCount() == 1 ? 0 : sg->rowCount() - 2;
    if (r == 0)
        sg->setRowCount(3);
    else
        sg->setRowCount(sg->rowCount() + 1);

    const bool abonent = klient.Abonent(Dzisiaj());
    if (abonent) klient.UstawLicznikAb(klient.LicznikAb() + 1);
    const TKwota cena =
        CenaWKoszyku(u, klient.Rabat(), abonent, klient.LicznikAb(), *stawka, Dzisiaj(), dni.dni);
    UstawKomorke(sg, r, 0, film.Tytul());
    UstawKomorke(sg, r, 1, numer);
    UstawKomorke(sg, r, 2, KwotaNaEkran(cena));
    UstawKomorke(sg, r, 3, QString::number(id));
    UstawKomorke(sg, r, 4, ui.eIleDni->text());
    UstawKomorke(sg, r, 5, film.Stawka());

    const TKwota suma = SumaCenZEkranu(CenyWierszy(sg, r));
    const bool wlaczona = ui.eWplata->isEnabled();
    const TWplataKoszyka kwoty = WplataPoDodaniu(abonent, wlaczona, suma, KwotaWplaty());
    if (kwoty.wplata) ui.eWplata->setText(KwotaNaEkran(*kwoty.wplata));
    DopiszPodsumowanie(sg, r + 1, kwoty.razem);
    for (int w = r + 1; w <= r + 2; ++w)
        for (int k = 3; k <= 5; ++k) UstawKomorke(sg, w, k, QString());

    // The films added can be removed again, below open rentals too.
    ui.bUsun->setEnabled(true);
    ui.miDelete->setEnabled(true);
    Zmieniony = true;
    // Ready for the next film's number.
    film.ZaznaczNumer();
}

void TKoszykPulpitu::eIleDniChange() {
    QLineEdit* pole = ui.eIleDni;
    const QString tekst = pole->text();
    const int wiersz = WybranyWiersz();
    const auto dni = CalkowitaZEkranu(tekst);
    if (wiersz < 0 || !ui.bWypozycz->isEnabled()) {
        if (!tekst.isEmpty() && (!dni || *dni < 0 || tekst.trimmed().startsWith('-'))) {
            Ostrzezenie(NiepoprawnaWartosc);
            pole->clear();
        }
        return;
    }
    if (tekst.isEmpty()) return;
    if (!dni) {
        Ostrzezenie(NiepoprawnaWartosc);
        pole->clear();
        return;
    }
    if (*dni <= 0) {
        pole->clear();
        return;
    }

    QTableWidget* sg = ui.sgWypozyczenie;
    const int filmy = LiczbaWierszyFilmow(sg->rowCount());
    if (sg->rowCount() < 2 || wiersz >= filmy) return;
    // An open rental keeps its charge: only a film added is priced again.
    if (wiersz < static_cast<int>(lista.Wiersze().size())) return;
    UstawKomorke(sg, wiersz, 4, tekst);
    const TKwota stawka = KwotaZEkranu(TekstKomorki(sg, wiersz, 5)).value_or(TKwota());
    const bool abonent = klient.Abonent(Dzisiaj());
    const int licznik = abonent ? LicznikWierszaKoszyka(klient.LicznikAb(), filmy, wiersz) : 0;
    const TKwota cena = CenaWKoszyku(UstawieniaProgramu(), klient.Rabat(), abonent, licznik, stawka,
                                     Dzisiaj(), *dni);
    UstawKomorke(sg, wiersz, 2, KwotaNaEkran(cena));
    const TKwota suma = SumaCenZEkranu(CenyWierszy(sg, filmy - 1));
    UstawKomorke(sg, filmy + 1, 2,
                 KwotaNaEkran(RazemPoZmianie(ui.eWplata->isEnabled(), suma, KwotaWplaty())));
}

void TKoszykPulpitu::eIleDniExit() {
    if (ui.eIleDni->text().isEmpty()) ui.eIleDni->setText(QStringLiteral("1"));
}

void TKoszykPulpitu::sgWypozyczenieMouseUp() {
    ui.eIleDni->clear();
    const QTableWidget* sg = ui.sgWypozyczenie;
    const int wiersz = WybranyWiersz();
    if (wiersz < 0 || wiersz >= LiczbaWierszyFilmow(sg->rowCount())) return;
    const QString dni = TekstKomorki(sg, wiersz, 4);
    if (dni != ui.eIleDni->text()) ui.eIleDni->setText(dni);
}

void TKoszykPulpitu::miDeleteClick() {
    QTableWidget* sg = ui.sgWypozyczenie;
    const int filmy = LiczbaWierszyFilmow(sg->rowCount());
    const QList<QTableWidgetSelectionRange> zakresy = sg->selectedRanges();
    if (zakresy.isEmpty() || filmy == 0) return;
    int gora = sg->rowCount();
    for (const auto& z : zakresy) gora = qMin(gora, z.topRow());
    if (gora >= filmy) return;

    // The selected films added, the open rentals, the separator and total rows left out.
    const int otwarte = static_cast<int>(lista.Wiersze().size());
    QList<int> usuwane;
    for (int w = filmy - 1; w >= otwarte; --w)
        for (const auto& z : zakresy)
            if (w >= z.topRow() && w <= z.bottomRow()) {
                usuwane << w;
                break;
            }
    if (usuwane.isEmpty()) return;

    TKwota suma = KwotaZEkranu(TekstKomorki(sg, filmy + 1, 2)).value_or(TKwota());
    sg->clearSelection();
    for (int w : usuwane) {  // from the bottom up
        suma -= KwotaZEkranu(TekstKomorki(sg, w, 2)).value_or(TKwota());
        sg->removeRow(w);
    }
    const int ostatni = sg->rowCount() - 1;
    UstawKomorke(sg, ostatni, 0, RazemDoZaplaty);
    UstawKomorke(sg, ostatni, 1, QString());
    UstawKomorke(sg, ostatni, 2, KwotaNaEkran(suma));

    const bool pusty = sg->rowCount() <= 2;
    if (otwarte > 0 && NoweFilmy() == 0) {
        ui.bUsun->setEnabled(false);
        ui.miDelete->setEnabled(false);
    }
    if (ui.eWplata->isEnabled()) ui.eWplata->setText(KwotaNaEkran(pusty ? TKwota() : suma));
    if (pusty) {
        for (int w = 0; w < sg->rowCount(); ++w)
            for (int k = 0; k < sg->columnCount(); ++k) UstawKomorke(sg, w, k, QString());
        sg->setRowCount(1);
    }
}

void TKoszykPulpitu::eWplataExit() {
    if (TekstKomorki(ui.sgWypozyczenie, 0, 0).isEmpty()) return;
    const QString tekst = ui.eWplata->text();
    if (tekst.isEmpty()) return;
    // A number too long to be an amount is refused like any other bad text.
    const std::optional<TKwota> kwota = KwotaZEkranu(tekst);
    if (!StawkaZEkranu(tekst) || !kwota) {
        Ostrzezenie(NiepoprawnaWartosc);
        ui.eWplata->clear();
        return;
    }
    ui.eWplata->setText(KwotaNaEkran(*kwota));
}

std::optional<TDaneWypozyczenia> TKoszykPulpitu::DaneWypozyczenia(TKwota wplata) const {
    const QTableWidget* sg = ui.sgWypozyczenie;
    TDaneWypozyczenia dane;
    const int filmy = sg->rowCount() - 2;
    for (int i = 0; i < filmy; ++i) {
        const auto id = CalkowitaZEkranu(TekstKomorki(sg, i, 3));
        const auto naleznosc = KwotaKomorki(TekstKomorki(sg, i, 2));
        const auto dni = CalkowitaZEkranu(TekstKomorki(sg, i, 4));
        const auto stawka = KwotaKomorki(TekstKomorki(sg, i, 5));
        if (!id || !naleznosc) return std::nullopt;
        dane.Wiersze.push_back({*id, *naleznosc, dni.value_or(0), stawka.value_or(TKwota())});
    }
    dane.Razem = KwotaKomorki(TekstKomorki(sg, sg->rowCount() - 1, 2)).value_or(TKwota());
    dane.Saldo = klient.Saldo();
    dane.Wplata = wplata;
    dane.TrybZwrot = !ui.eWplata->isEnabled();
    dane.SumaPlatnosci = lista.SumaPlatnosci();
    dane.WplaconoWczesniej = lista.WplaconoWczesniej();
    dane.Abonament = klient.Abonament();
    dane.AbonamentDo = klient.AbonamentDo();
    dane.LicznikAb = klient.LicznikAb();
    dane.Dzien = Dzisiaj();
    dane.Zasady = UstawieniaProgramu().Zasady;
    return dane;
}
