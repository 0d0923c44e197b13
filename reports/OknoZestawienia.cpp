#include "reports/OknoZestawienia.h"

#include <QAction>
#include <QPushButton>
#include <QTableView>

#include "clients/uKlient.h"
#include "store/Interakcja.h"

void TOknoZestawienia::PolaczListe(QTableView* sg, int kolumnaId) {
    siatkaListy = sg;
    kolId = kolumnaId;
    UstawSiatke(
        sg, {kolId}, [this] { UstawSzerokosciKolumn(); }, [this](int wiersz) { Dwuklik(wiersz); });
    DodajPolecenie(findChild<QPushButton*>(QStringLiteral("bRaport")),
                   findChild<QAction*>(QStringLiteral("miRaport")), [this] { Raport(); });
    DodajPolecenie(findChild<QPushButton*>(QStringLiteral("bZamknij")),
                   findChild<QAction*>(QStringLiteral("miZamknij")), [this] { reject(); });
}

std::optional<int> TOknoZestawienia::IdWiersza(int wiersz) const {
    bool ok = false;
    const int id = siatkaListy->model()->index(wiersz, kolId).data().toString().toInt(&ok);
    if (!ok) return std::nullopt;
    return id;
}

bool TOknoZestawienia::PokazKlienta(int id) {
    if (!fKlient) return false;
    fKlient->UstawKlienta(id);
    return PokazModalnie(*fKlient) == QDialog::Accepted;
}
