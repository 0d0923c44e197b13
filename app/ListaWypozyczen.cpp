#include "app/ListaWypozyczen.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QStringList>
#include <QTableWidget>
#include <algorithm>

#include "app/PanelKlienta.h"
#include "app/StanKlienta.h"
#include "app/uMainLista.h"
#include "clients/uWplata.h"
#include "money/Koszyk.h"
#include "money/OdczytPulpitu.h"
#include "settings/uConfig.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/Katalogi.h"
#include "store/Zegar.h"

// ---------------------------------------------------------------- list cells

QString TekstKomorki(const QTableWidget* sg, int wiersz, int kolumna) {
    const QTableWidgetItem* k = sg->item(wiersz, kolumna);
    return k ? k->text() : QString();
}

void UstawKomorke(QTableWidget* sg, int wiersz, int kolumna, const QString& tekst) {
    if (QTableWidgetItem* k = sg->item(wiersz, kolumna))
        k->setText(tekst);
    else
        sg->setItem(wiersz, kolumna, new QTableWidgetItem(tekst));
}

std::optional<TKwota> KwotaKomorki(const QString& tekst) {
    // The list shows amounts with the decimal comma; a point is read the same way.
    return KwotaZEkranu(QString(tekst).replace('.', ','));
}

void UstawTloListy(QTableWidget* sg, bool poTerminie) {
    const QPalette systemowa = QApplication::palette();
    QPalette p = sg->palette();
    p.setColor(QPalette::Base, systemowa.color(poTerminie ? QPalette::Dark : QPalette::Button));
    sg->setPalette(p);
}

void DopiszPodsumowanie(QTableWidget* sg, int wiersz, TKwota razem) {
    UstawKomorke(sg, wiersz, 0, SeparatorTytulu());
    UstawKomorke(sg, wiersz, 1, SeparatorKwoty());
    UstawKomorke(sg, wiersz, 2, SeparatorKwoty());
    UstawKomorke(sg, wiersz + 1, 0, RazemDoZaplaty);
    UstawKomorke(sg, wiersz + 1, 1, QString());
    UstawKomorke(sg, wiersz + 1, 2, KwotaNaEkran(razem));
}

void ZaznaczPole(QLineEdit* pole) {
    pole->setFocus();
    pole->selectAll();
}

const TUstawienia& UstawieniaProgramu() {
    static const TUstawienia domyslne;
    return fConfig ? fConfig->Ustawienia : domyslne;
}

int DniZwloki(const QDate& termin, const QDate& dzisiaj) {
    return std::max(0, UstawieniaProgramu().Zasady.DniOtwarte(termin, dzisiaj));
}

TKwota PokazWplate(const TPropozycjaWplaty& propozycja, const QStringList& rozliczenie) {
    if (!propozycja.Pokaz || !fWplata) return TKwota();
    fWplata->UstawKwote(propozycja.Etykieta, propozycja.Kwota);
    fWplata->UstawRozliczenie(rozliczenie);
    PokazModalnie(*fWplata);
    // The amount is read whatever the result: declining gives 0.
    return fWplata->Kwota();
}

// ---------------------------------------------------------------- open rentals

TListaWypozyczen::TListaWypozyczen(QTableWidget* sgWypozyczenie, QLineEdit* wplata, QLabel* termin,
                                   TQuery& q)
    : sg(sgWypozyczenie), eWplata(wplata), lTermin(termin), query(q) {
    // The separator rows are cut at the column's edge, as the titles are.
    sg->setTextElideMode(Qt::ElideNone);
    QObject::connect(sg, &QTableWidget::currentCellChanged, lTermin,
                     [this](int wiersz) { PokazTermin(wiersz); });
    PokazTermin(-1);
}

TListaWypozyczen::~TListaWypozyczen() = default;

void TListaWypozyczen::Wyczysc() {
    sumaPlatnosci = TKwota();
    wplaconoWczesniej = TKwota();
    otwarte.clear();
    wiersze.clear();
    zeskanowane = 0;
    UstawTloListy(sg, false);
    PokazTermin(-1);
}

bool TListaWypozyczen::WczytajWypozyczenia(int idKlienta) {
    Wyczysc();
    sg->clearContents();
    sg->clearSelection();
    sg->setRowCount(1);
    eWplata->clear();

    otwarte = OtwarteWypozyczenia(query, idKlienta);
    if (otwarte.empty()) return false;

    // One row per rental, the separator and the total.
    std::vector<TOtwarteWypozyczenie> rozliczenia;
    for (const TWypozyczenieNaLiscie& w : otwarte) rozliczenia.push_back(w.Rozliczenie);
    const TWykazOtwartych wykaz = PodsumujOtwarte(rozliczenia, Dzisiaj());
    const int k = static_cast<int>(otwarte.size());
    sg->setRowCount(k + 2);
    for (int i = 0; i < k; ++i) {
        const TWierszOtwarty& w = wykaz.Wiersze[static_cast<size_t>(i)];
        wiersze.push_back(
            {otwarte[static_cast<size_t>(i)].IdFilmu, w.Naleznosc, w.IloscDni, w.Stawka});
    }
    PokazWiersze();
    DopiszPodsumowanie(sg, k, wykaz.Razem);
    UstawTloListy(sg, wykaz.PoTerminie);
    eWplata->setText(KwotaNaEkran(wykaz.Wplacono));
    sumaPlatnosci = wykaz.SumaPlatnosci;
    wplaconoWczesniej = wykaz.WplaconoWczesniej;
    PokazTermin(sg->currentRow());
    return true;
}

void TListaWypozyczen::PokazWiersze() {
    const QDate dzisiaj = Dzisiaj();
    for (int i = 0; i < static_cast<int>(wiersze.size()); ++i) {
        const TWierszListy& w = wiersze[static_cast<size_t>(i)];
        const TWypozyczenieNaLiscie& z = otwarte[static_cast<size_t>(i)];
        UstawKomorke(sg, i, 0, z.Tytul);
        UstawKomorke(sg, i, 1, Numer4(z.NumerFilmu));
        UstawKomorke(sg, i, 2, KwotaNaEkran(w.Naleznosc));
        UstawKomorke(sg, i, 3, QString::number(z.IdFilmu));
        UstawKomorke(sg, i, 4, QString::number(w.IloscDni));
        UstawKomorke(sg, i, 5, KwotaNaEkran(w.Stawka));
        const bool poTerminie = dzisiaj > z.Rozliczenie.DataDO;
        for (int kolumna = 0; kolumna < 6; ++kolumna)
            sg->item(i, kolumna)->setForeground(poTerminie ? QBrush(Qt::red) : QBrush());
    }
}

std::vector<int> TListaWypozyczen::DniPoTerminie() const {
    std::vector<int> dni;
    for (const TWypozyczenieNaLiscie& z : otwarte)
        if (const int d = DniZwloki(z.Rozliczenie.DataDO, Dzisiaj()); d > 0) dni.push_back(d);
    return dni;
}

void TListaWypozyczen::PokazTermin(int wiersz) {
    if (wiersz < 0 || wiersz >= static_cast<int>(otwarte.size())) {
        lTermin->clear();
        return;
    }
    const QDate termin = otwarte[static_cast<size_t>(wiersz)].Rozliczenie.DataDO;
    const int dniPo = DniZwloki(termin, Dzisiaj());
    lTermin->setText(TerminZwrotuTekst(termin, Dzisiaj(), dniPo));
    lTermin->setStyleSheet(dniPo > 0 ? QStringLiteral("color: #c00000;") : QString());
}

bool TListaWypozyczen::ZaznaczFilm(int idFilmu) {
    const auto it = std::find_if(otwarte.begin(), otwarte.end(),
                                 [idFilmu](const auto& z) { return z.IdFilmu == idFilmu; });
    if (it == otwarte.end()) return false;
    const int wiersz = static_cast<int>(it - otwarte.begin());
    // A film not yet marked moves up to join the marked rows, so that they stay one range.
    if (wiersz >= zeskanowane) {
        std::rotate(otwarte.begin() + zeskanowane, it, it + 1);
        std::rotate(wiersze.begin() + zeskanowane, wiersze.begin() + wiersz,
                    wiersze.begin() + wiersz + 1);
        ++zeskanowane;
        PokazWiersze();
    }
    sg->clearSelection();
    sg->setCurrentCell(std::min(wiersz, zeskanowane - 1), 0, QItemSelectionModel::NoUpdate);
    sg->setRangeSelected(QTableWidgetSelectionRange(0, 0, zeskanowane - 1, sg->columnCount() - 1),
                         true);
    return true;
}

std::optional<std::pair<int, int>> TListaWypozyczen::WybierzWiersze() {
    const int k = static_cast<int>(wiersze.size());
    if (k == 0) return std::nullopt;

    int gora = -1, dol = -1;
    for (const QTableWidgetSelectionRange& z : sg->selectedRanges()) {
        gora = gora < 0 ? z.topRow() : std::min(gora, z.topRow());
        dol = std::max(dol, z.bottomRow());
    }
    if (zeskanowane > 0 && gora == 0 && dol == zeskanowane - 1)
        return std::make_pair(0, zeskanowane - 1);
    if (gora >= 0) {
        // A marking that starts on the separator, the total or a film added below the
        // rentals applies to nothing.
        if (gora >= k) return std::nullopt;
        if (dol >= k) {
            dol = k - 1;
            sg->clearSelection();
            sg->setRangeSelected(QTableWidgetSelectionRange(gora, 0, dol, sg->columnCount() - 1),
                                 true);
        }
        const auto odpowiedz = PokazKomunikat(
            {QStringLiteral("Czy wykonać operację tylko dla zaznaczonych wierszy?"), TytulAplikacji,
             TIkona::Pytanie, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
             QMessageBox::Yes});
        if (odpowiedz == QMessageBox::Yes) return std::make_pair(gora, dol);
        if (odpowiedz == QMessageBox::No) return std::make_pair(0, k - 1);
        return std::nullopt;
    }
    if (Pytanie(QStringLiteral("Nie zaznaczono żadnego wiersza.\nCzy wykonać operację dla całej "
                               "listy?"),
                true))
        return std::make_pair(0, k - 1);
    return std::nullopt;
}

TPozycjaRozliczenia TListaWypozyczen::Pozycja(int wiersz, TKwota kwota) const {
    TPozycjaRozliczenia pozycja;
    pozycja.Numer = Numer4(TekstKomorki(sg, wiersz, 1).toLongLong());
    pozycja.Tytul = TekstKomorki(sg, wiersz, 0);
    pozycja.Kwota = kwota;
    return pozycja;
}

QStringList TListaWypozyczen::RozliczenieKoszyka(const TDaneWypozyczenia& dane,
                                                 const TPrzedWypozyczeniem& przed) const {
    // The films added; in mode Zwrot what the open rentals still owe comes with them.
    std::vector<TPozycjaRozliczenia> filmy;
    TKwota noweFilmy;
    for (int i = static_cast<int>(wiersze.size()); i < static_cast<int>(dane.Wiersze.size()); ++i) {
        filmy.push_back(Pozycja(i, dane.Wiersze[static_cast<size_t>(i)].Naleznosc));
        noweFilmy += filmy.back().Kwota;
    }
    std::vector<std::pair<QString, TKwota>> dalej;
    if (dane.TrybZwrot && dane.Razem != noweFilmy)
        dalej.push_back(
            {QStringLiteral("Do zapłaty za filmy wypożyczone wcześniej"), dane.Razem - noweFilmy});
    return LinieRozliczenia(filmy, dalej,
                            dane.Abonament ? QStringLiteral("Na saldo abonenta")
                                           : QStringLiteral("Z nadpłaty na koncie klienta"),
                            przed.Wplata.Kwota);
}

QStringList TListaWypozyczen::RozliczenieZwrotu(const TDaneZwrotu& dane,
                                                const TPrzedZwrotem& przed) const {
    std::vector<TPozycjaRozliczenia> filmy;
    for (int i = dane.Pierwszy; i <= dane.Ostatni; ++i) {
        const TWierszZwrotu& w = dane.Wiersze[static_cast<size_t>(i)];
        TPozycjaRozliczenia f = Pozycja(i, przed.Naleznosci[static_cast<size_t>(i)]);
        f.Zwloka = OplataZaZwloke(dane, w);
        if (!f.Zwloka.Zero()) f.DniZwloki = DniZwloki(w.DataDO, dane.Dzisiaj);
        filmy.push_back(f);
    }
    return LinieRozliczenia(filmy, {}, QStringLiteral("Wpłacono wcześniej, saldo i abonament"),
                            przed.Wplata.Kwota);
}

QString TListaWypozyczen::NumeryFilmow(std::pair<int, int> zakres) const {
    QStringList filmy;
    for (int i = zakres.first; i <= zakres.second; ++i)
        filmy << Numer4(TekstKomorki(sg, i, 1).toLongLong());
    return filmy.join(QStringLiteral(", "));
}

void TListaWypozyczen::PokazNaleznosci(const std::vector<TKwota>& naleznosci) {
    for (int i = 0; i < static_cast<int>(naleznosci.size()); ++i)
        UstawKomorke(sg, i, 2, KwotaNaEkran(naleznosci[static_cast<size_t>(i)]));
}

void TListaWypozyczen::PokazRazem(TKwota razem) {
    UstawKomorke(sg, sg->rowCount() - 1, 2, KwotaNaEkran(razem));
}

// ---------------------------------------------------------------- the operations' inputs

TDaneZwrotu DaneZwrotu(const TListaWypozyczen& lista, const TPanelKlienta& klient,
                       std::pair<int, int> wiersze) {
    TDaneZwrotu dane;
    dane.Pierwszy = wiersze.first;
    dane.Ostatni = wiersze.second;
    dane.Ustawienia = UstawieniaProgramu();
    dane.RabatKlienta = klient.Rabat();
    dane.Abonament = klient.Abonament();
    dane.AbonamentDo = klient.AbonamentDo();
    dane.Saldo = klient.Saldo();
    dane.Wplacono = lista.WplaconoWczesniej();
    dane.Dzisiaj = Dzisiaj();
    return dane;
}

namespace {

// What the undo and the extension take alike from the list and the client.
template <typename TDane>
TDane DaneWierszy(const TListaWypozyczen& lista, const TPanelKlienta& klient,
                  std::pair<int, int> wiersze) {
    TDane dane;
    dane.Wiersze = lista.Wiersze();
    dane.Pierwszy = wiersze.first;
    dane.Ostatni = wiersze.second;
    dane.Razem = lista.SumaPlatnosci();
    dane.Wplacono = lista.WplaconoWczesniej();
    dane.Saldo = klient.Saldo();
    dane.LicznikAb = klient.LicznikAb();
    return dane;
}

}  // namespace

TDaneWycofania DaneWycofania(const TListaWypozyczen& lista, const TPanelKlienta& klient,
                             std::pair<int, int> wiersze) {
    return DaneWierszy<TDaneWycofania>(lista, klient, wiersze);
}

TDanePrzedluzenia DanePrzedluzenia(const TListaWypozyczen& lista, const TPanelKlienta& klient,
                                   std::pair<int, int> wiersze, int iloscDni) {
    auto dane = DaneWierszy<TDanePrzedluzenia>(lista, klient, wiersze);
    dane.IloscDni = iloscDni;
    dane.Dzisiaj = Dzisiaj();
    dane.Abonament = klient.Abonament();
    dane.Ustawienia = UstawieniaProgramu();
    dane.RabatKlienta = klient.Rabat();
    return dane;
}
