#include "clients/uZaleglosci.h"

#include <QHeaderView>
#include <vector>

#include "clients/uWplata.h"
#include "money/Cennik.h"
#include "money/RozliczenieZaleglosci.h"
#include "money/Zapis.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "ui_uZaleglosci.h"
#include "widgets/Komunikaty.h"

TfZaleglosci* fZaleglosci = nullptr;

namespace {

enum Kolumna { KolTytul, KolDataOD, KolDataZwrotu, KolNaleznosc, KolIdFilmu, KolZwrocono };
constexpr int IloscKolumn = 6;

// " = "dd.mm.yyyy"" for a date of the list, " is null" for an empty one.
void UstawKomorke(QTableWidget* sg, int w, int k, const QString& tekst) {
    auto* komorka = new QTableWidgetItem(tekst);
    if (k == KolNaleznosc) komorka->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    sg->setItem(w, k, komorka);
}

// The payment refused because another desk changed the arrears; doZaplaty: what the
// refreshed window lists.
QString ZaleglosciZmienione(TKwota doZaplaty) {
    return QStringLiteral(
               "Zaległości klienta zostały w międzyczasie zmienione na innym stanowisku "
               "(wpłata lub zwrot). Wpłata nie została zapisana.\n\n") +
           (doZaplaty == TKwota()
                ? QStringLiteral("Klient nie ma już zaległych należności.")
                : QStringLiteral("Okno pokazuje aktualne zaległości: razem do zapłaty %1 zł. "
                                 "Przyjmij wpłatę ponownie.")
                      .arg(KwotaNaEkran(doZaplaty)));
}

}  // namespace

TfZaleglosci::TfZaleglosci(QWidget* parent)
    : TOknoListy(parent), ui(std::make_unique<Ui::TfZaleglosci>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("TfZaleglosci"));
    setWindowTitle(QStringLiteral("Zaległe należności"));
    DodajPolecenie(ui->bWplata, ui->miWplata, [this] { bWplataClick(); });
    DodajPolecenie(ui->bZamknij, ui->miZamknij, [this] { accept(); });
    QTableWidget* sg = ui->sgZaleglosci;
    sg->setHorizontalHeaderLabels({QStringLiteral("Tytuł"), QStringLiteral("Data wypożyczenia"),
                                   QStringLiteral("Data zwrotu"), QStringLiteral("Należność"),
                                   QString(), QString()});
    sg->horizontalHeaderItem(KolNaleznosc)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    sg->setTextElideMode(Qt::ElideNone);  // the separator row is clipped, not shortened
    sg->setWordWrap(false);
    UstawSiatke(sg, {KolIdFilmu, KolZwrocono}, [this] { UstawSzerokosciKolumn(); });
}

TfZaleglosci::~TfZaleglosci() = default;

void TfZaleglosci::UstawKlienta(int id) {
    IdKlienta = id;
}

void TfZaleglosci::reject() {
    if (Zaksiegowano)
        accept();
    else
        QDialog::reject();
}

void TfZaleglosci::FormShow() {
    Zaksiegowano = false;
    // A failed read lists nothing.
    Linie = ZaleglosciKlienta(Query1, IdKlienta).value_or(std::vector<TZalegloscFilmu>{});

    QTableWidget* sg = ui->sgZaleglosci;
    const int n = static_cast<int>(Linie.size());
    sg->clearContents();
    sg->setRowCount(n + 2);
    for (int w = 0; w < n; ++w) {
        const TZalegloscFilmu& l = Linie[static_cast<size_t>(w)];
        UstawKomorke(sg, w, KolTytul, l.Tytul);
        UstawKomorke(sg, w, KolDataOD, DataDluga(l.DataOD));
        UstawKomorke(sg, w, KolDataZwrotu, DataDluga(l.DataZwrotu));
        UstawKomorke(sg, w, KolNaleznosc, QString());
        UstawKomorke(sg, w, KolIdFilmu, QString::number(l.IdFilmu));
        UstawKomorke(sg, w, KolZwrocono, QStringLiteral("1"));
    }
    UstawKomorke(sg, n, KolTytul, QString(47, '='));
    for (int k = KolDataOD; k <= KolNaleznosc; ++k) UstawKomorke(sg, n, k, QString(16, '='));
    UstawKomorke(sg, n + 1, KolTytul, QStringLiteral("Razem do zapłaty"));
    for (int k = KolDataOD; k <= KolNaleznosc; ++k) UstawKomorke(sg, n + 1, k, QString());
    for (int k = KolIdFilmu; k < IloscKolumn; ++k) {
        UstawKomorke(sg, n, k, QString());
        UstawKomorke(sg, n + 1, k, QString());
    }
    PokazKwoty();
    sg->setCurrentCell(0, KolTytul);
    UstawSzerokosciKolumn();
    sg->setFocus();
}

std::vector<TKwota> TfZaleglosci::Naleznosci() const {
    std::vector<TKwota> kwoty;
    for (const TZalegloscFilmu& l : Linie) kwoty.push_back(l.Naleznosc);
    return kwoty;
}

TKwota TfZaleglosci::Razem() const {
    return Suma(Naleznosci());
}

void TfZaleglosci::PokazKwoty() {
    QTableWidget* sg = ui->sgZaleglosci;
    const int n = static_cast<int>(Linie.size());
    for (int w = 0; w < n; ++w)
        sg->item(w, KolNaleznosc)->setText(KwotaNaEkran(Linie[static_cast<size_t>(w)].Naleznosc));
    sg->item(n + 1, KolNaleznosc)->setText(KwotaNaEkran(Razem()));
}

void TfZaleglosci::bWplataClick() {
    if (!fWplata) return;
    const TKwota naleznosc = Razem();

    const TPropozycjaWplaty propozycja = WplataZaleglosci(naleznosc);
    fWplata->UstawKwote(propozycja.Etykieta, propozycja.Kwota);
    if (PokazModalnie(*fWplata) != QDialog::Accepted) return;

    const TOcenaWplatyZaleglosci ocena = OcenWplateZaleglosci(naleznosc, fWplata->Kwota());
    if (ocena.Nadplata) PokazKomunikatRozliczenia(*ocena.Nadplata);
    if (ocena.Pytaj && !Pytanie(ocena.Pytanie, false)) return;

    const TWynikZaleglosci wynik = RozliczZaleglosci(Naleznosci(), ocena.Wplata);
    // The rows as the store knows them: film, start date, return date and unpaid part.
    const std::vector<TZaleglosc> wiersze(Linie.begin(), Linie.end());
    bool zmienione = false;
    if (!ZapiszZaleglosci(IdKlienta, wiersze, ocena, wynik, &zmienione)) {
        // Nothing was stored (the error has been shown): show the store's amounts again.
        // Arrears changed at another desk change the client's balance too: the desk
        // reloads it when the window closes.
        const bool wczesniej = Zaksiegowano || zmienione;
        FormShow();
        Zaksiegowano = wczesniej;
        if (zmienione) Uwaga(ZaleglosciZmienione(Razem()));
        return;
    }
    Zaksiegowano = true;
    for (size_t w = 0; w < Linie.size(); ++w) Linie[w].Naleznosc = wynik.Zaleglosci[w];
    PokazKwoty();
}

void TfZaleglosci::UstawSzerokosciKolumn() {
    // 100 pixels each for the dates and the amount, unless a header needs more in the
    // font in force; the title takes the rest less a 10-pixel margin.
    QTableWidget* sg = ui->sgZaleglosci;
    const QHeaderView* naglowek = sg->horizontalHeader();
    int reszta = sg->width() - 10;
    for (int k = KolDataOD; k <= KolNaleznosc; ++k) {
        const int szerokosc = std::max(100, naglowek->sectionSizeHint(k));
        sg->setColumnWidth(k, szerokosc);
        reszta -= szerokosc;
    }
    sg->setColumnWidth(KolTytul, std::max(0, reszta));
    sg->setColumnHidden(KolIdFilmu, true);
    sg->setColumnHidden(KolZwrocono, true);
}

bool PokazZaleglosci(int idKlienta) {
    TQuery q;
    const std::optional<bool> sa = KlientMaZaleglosci(q, idKlienta);
    if (!sa) return false;  // the error has been shown
    if (!*sa) {
        Informacja(QStringLiteral("Wszystkie należności zostały uregulowane."));
        return false;
    }
    if (!fZaleglosci) return false;
    fZaleglosci->UstawKlienta(idKlienta);
    return PokazModalnie(*fZaleglosci) == QDialog::Accepted;
}
