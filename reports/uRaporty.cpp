#include "reports/uRaporty.h"

#include <QDateEdit>

#include "reports/uRapDaty.h"
#include "reports/uRapKasowy.h"
#include "reports/uRapOkresowy.h"
#include "reports/uRapRentownosc.h"
#include "store/Interakcja.h"
#include "store/Zegar.h"

void RaportOkresowy() {
    TfRapDaty daty;
    TfRapOkresowy raport;
    if (PokazModalnie(daty) != QDialog::Accepted) return;
    // A failed statement has shown its error text; nothing is printed.
    if (!raport.Init(daty.DataOD->date(), daty.DataDO->date())) return;
    raport.Pokaz();
}

void RaportKasowy() {
    TfRapDaty daty;
    daty.setWindowTitle(QStringLiteral("Raport kasowy"));
    daty.DataOD->setDate(Dzisiaj());
    // A failed read has shown its error text; the choice of a counter is then left out.
    if (const auto stanowiska = StanowiskaKasy()) daty.PokazStanowiska(*stanowiska);
    TfRapKasowy raport;
    if (PokazModalnie(daty) != QDialog::Accepted) return;
    // A failed statement has shown its error text; nothing is printed.
    if (!raport.Init(daty.DataOD->date(), daty.DataDO->date(), daty.Stanowisko())) return;
    raport.Pokaz();
}

int RodzajRentownosci(const QString& nazwaPozycji) {
    return nazwaPozycji == QLatin1String("miRapRentownoscF") ? 1 : 2;
}

void RaportRentownosci(const QString& nazwaPozycji) {
    TfRapRentownosc raport;
    raport.Przygotuj(RodzajRentownosci(nazwaPozycji));
    raport.Pokaz();
}
