#include "reports/uEtykiety.h"

#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/Liczby.h"
#include "store/Zegar.h"
#include "ui_uEtykiety.h"
#include "widgets/Polecenie.h"

namespace {

QString Mm(double mm) {
    return LiczbaOgolna(mm);
}

// A size in millimetres with two decimals and the decimal comma, rounded as amounts are.
QString MmDwaMiejsca(double mm) {
    return KwotaNaEkran(TKwota::ZeZlotych(mm));
}

}  // namespace

TfEtykiety::TfEtykiety(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TfEtykiety>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("TfEtykiety"));
    const TUkladEtykiet u = WczytajUkladEtykiet();
    (u.Arkusz ? ui->rbArkusz : ui->rbDrukarka)->setChecked(true);
    ui->eMarginesGorny->setText(Mm(u.MarginesGorny));
    ui->eMarginesLewy->setText(Mm(u.MarginesLewy));
    ui->eOdstepPoziomy->setText(Mm(u.OdstepPoziomy));
    ui->eOdstepPionowy->setText(Mm(u.OdstepPionowy));
    ui->eSzerokosc->setText(Mm(u.Szerokosc));
    ui->eWysokosc->setText(Mm(u.Wysokosc));

    for (QLineEdit* e : {ui->eMarginesGorny, ui->eMarginesLewy, ui->eOdstepPoziomy,
                         ui->eOdstepPionowy, ui->eSzerokosc, ui->eWysokosc})
        connect(e, &QLineEdit::textChanged, this, [this, e](const QString& tekst) {
            if (!TekstLiczbyPoprawny(tekst)) {
                Ostrzezenie(NiepoprawnaWartosc);
                e->setText(QStringLiteral("0"));
            }
            PokazRozmiar();
        });
    for (QLineEdit* e : {ui->eOd, ui->eDo})
        connect(e, &QLineEdit::textChanged, this, [e](const QString& tekst) {
            if (!TekstCalkowitejPoprawny(tekst)) {
                Ostrzezenie(NiepoprawnaWartosc);
                e->clear();
            }
        });
    connect(ui->rbArkusz, &QRadioButton::toggled, this, [this] { UstawDostepnosc(); });
    connect(ui->rbZakres, &QRadioButton::toggled, this, [this] { UstawDostepnosc(); });
    PolaczPolecenie(this, ui->bPodglad, ui->miPodglad, [this] { bPodgladClick(); });
    PolaczPolecenie(this, ui->bAnuluj, ui->miAnuluj, [this] { reject(); });
    UstawDostepnosc();
    PokazRozmiar();
}

TfEtykiety::~TfEtykiety() = default;

void TfEtykiety::UstawDostepnosc() {
    const bool zakres = ui->rbZakres->isChecked();
    for (QWidget* w : {ui->eOd, ui->eDo}) w->setEnabled(zakres);
    const bool arkusz = ui->rbArkusz->isChecked();
    for (QWidget* w :
         {ui->eMarginesGorny, ui->eMarginesLewy, ui->eOdstepPoziomy, ui->eOdstepPionowy})
        w->setEnabled(arkusz);
    for (QWidget* w : {ui->eSzerokosc, ui->eWysokosc}) w->setEnabled(!arkusz);
    ui->lRozmiar->setVisible(arkusz);
}

void TfEtykiety::PokazRozmiar() {
    TUkladEtykiet u;
    u.MarginesGorny = LiczbaZEkranu(ui->eMarginesGorny->text()).value_or(0);
    u.MarginesLewy = LiczbaZEkranu(ui->eMarginesLewy->text()).value_or(0);
    u.OdstepPoziomy = LiczbaZEkranu(ui->eOdstepPoziomy->text()).value_or(0);
    u.OdstepPionowy = LiczbaZEkranu(ui->eOdstepPionowy->text()).value_or(0);
    ui->lRozmiar->setText(
        QStringLiteral("Etykieta: %1 × %2 mm")
            .arg(MmDwaMiejsca(u.SzerokoscEtykiety()), MmDwaMiejsca(u.WysokoscEtykiety())));
}

std::optional<TUkladEtykiet> TfEtykiety::Uklad() {
    TUkladEtykiet u;
    u.Arkusz = ui->rbArkusz->isChecked();
    const std::pair<QLineEdit*, double*> pola[] = {
        {ui->eMarginesGorny, &u.MarginesGorny}, {ui->eMarginesLewy, &u.MarginesLewy},
        {ui->eOdstepPoziomy, &u.OdstepPoziomy}, {ui->eOdstepPionowy, &u.OdstepPionowy},
        {ui->eSzerokosc, &u.Szerokosc},         {ui->eWysokosc, &u.Wysokosc}};
    for (const auto& [pole, wartosc] : pola) {
        const std::optional<double> v = LiczbaZEkranu(pole->text());
        if (!v) {
            Ostrzezenie(QStringLiteral("Podaj wymiar w milimetrach."));
            pole->setFocus();
            return std::nullopt;
        }
        *wartosc = *v;
    }
    const QString blad = u.Blad();
    if (!blad.isEmpty()) {
        Ostrzezenie(blad);
        return std::nullopt;
    }
    return u;
}

std::optional<std::vector<TEtykieta>> TfEtykiety::Filmy() {
    if (ui->rbDzisiaj->isChecked()) {
        std::vector<TEtykieta> filmy = EtykietyDnia(Dzisiaj());
        if (filmy.empty()) {
            Informacja(QStringLiteral("Dzisiaj nie wprowadzono żadnego filmu."));
            return std::nullopt;
        }
        return filmy;
    }
    const std::optional<int> od = CalkowitaZEkranu(ui->eOd->text());
    const std::optional<int> do_ = CalkowitaZEkranu(ui->eDo->text());
    if (!od && !do_) {
        Ostrzezenie(QStringLiteral("Podaj numery filmów."));
        ui->eOd->setFocus();
        return std::nullopt;
    }
    // One number alone is a range of one film.
    const qint64 pierwszy = od.value_or(*do_), ostatni = do_.value_or(*od);
    if (pierwszy > ostatni) {
        Ostrzezenie(QStringLiteral("Numer początkowy jest większy niż końcowy."));
        ui->eOd->setFocus();
        return std::nullopt;
    }
    std::vector<TEtykieta> filmy = EtykietyZakresu(pierwszy, ostatni);
    if (filmy.empty()) {
        Informacja(QStringLiteral("Nie znaleziono filmów o podanych numerach."));
        return std::nullopt;
    }
    return filmy;
}

void TfEtykiety::bPodgladClick() {
    const std::optional<TUkladEtykiet> uklad = Uklad();
    if (!uklad) return;
    std::optional<std::vector<TEtykieta>> filmy = Filmy();
    if (!filmy) return;
    // Labels not kept for the next time (the store's error text has been shown) can still be
    // printed now.
    ZapiszUkladEtykiet(*uklad);
    TRapEtykiety raport(std::move(*filmy), *uklad);
    raport.Pokaz();
}
