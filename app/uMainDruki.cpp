// The desk's printed pages beyond the reports: the slip of the last operation and the
// client card.
#include <QAction>
#include <QComboBox>

#include "app/PanelKlienta.h"
#include "app/uMain.h"
#include "reports/uRapKartaKlienta.h"
#include "reports/uRapPotwierdzenie.h"
#include "settings/Wypozyczalnia.h"
#include "store/Formaty.h"
#include "store/Interakcja.h"
#include "store/Zegar.h"
#include "ui_uMain.h"

void TfMain::ZapamietajPotwierdzenie(TPotwierdzenie potwierdzenie) {
    potwierdzenie.IdKlienta = panelKlienta->Id();
    UzupelnijPotwierdzenie(potwierdzenie);
    OstatniePotwierdzenie = std::move(potwierdzenie);
    ui->miPotwierdzenie->setEnabled(true);
}

void TfMain::miPotwierdzenieClick() {
    // The operation just stored, or the loaded client's last one read back from the store.
    std::optional<TPotwierdzenie> potwierdzenie = OstatniePotwierdzenie;
    if (panelKlienta->Wybrany() &&
        (!potwierdzenie || potwierdzenie->IdKlienta != panelKlienta->Id())) {
        potwierdzenie = OstatniaOperacja(panelKlienta->Id());
        if (!potwierdzenie) {
            Informacja(QStringLiteral("Klient nie ma jeszcze operacji do potwierdzenia."));
            return;
        }
    }
    if (!potwierdzenie) return;
    TRapPotwierdzenie raport(*potwierdzenie, WczytajWypozyczalnie());
    raport.Pokaz();
}

void TfMain::miKartaKlientaClick() {
    if (ui->cbKlient->currentText().isEmpty() || panelKlienta->Id() == 0) return;
    TKartaKlienta karta;
    if (!WczytajKarteKlienta(panelKlienta->Id(), karta)) {
        Uwaga(QStringLiteral("Nie znaleziono klienta."));
        return;
    }
    TRapKartaKlienta raport(karta, WczytajWypozyczalnie());
    raport.Pokaz();
}
