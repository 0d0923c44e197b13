// The desk's printed pages beyond the reports (the slip of the last operation, the
// client card, the copies' labels) and the shop's details.
#include <QAction>
#include <QComboBox>

#include "admin/uDaneWypozyczalni.h"
#include "app/uMain.h"
#include "reports/uEtykiety.h"
#include "reports/uRapKartaKlienta.h"
#include "reports/uRapPotwierdzenie.h"
#include "settings/Wypozyczalnia.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/Zegar.h"
#include "ui_uMain.h"

void TfMain::ZapamietajPotwierdzenie(TPotwierdzenie potwierdzenie) {
    potwierdzenie.IdKlienta = IdKlienta;
    UzupelnijPotwierdzenie(potwierdzenie);
    OstatniePotwierdzenie = std::move(potwierdzenie);
    ui->miPotwierdzenie->setEnabled(true);
}

void TfMain::miPotwierdzenieClick() {
    if (!OstatniePotwierdzenie) return;
    TRapPotwierdzenie raport(*OstatniePotwierdzenie, WczytajWypozyczalnie());
    raport.Pokaz();
}

void TfMain::miKartaKlientaClick() {
    if (ui->cbKlient->currentText().isEmpty() || IdKlienta == 0) return;
    TKartaKlienta karta;
    if (!WczytajKarteKlienta(IdKlienta, karta)) {
        Uwaga(QStringLiteral("Nie znaleziono klienta."));
        return;
    }
    TRapKartaKlienta raport(karta, WczytajWypozyczalnie());
    raport.Pokaz();
}

void TfMain::miEtykietyClick() {
    TfEtykiety okno(this);
    PokazModalnie(okno);
}

void TfMain::miDaneWypozyczalniClick() {
    TfDaneWypozyczalni okno(this);
    PokazModalnie(okno);
}
