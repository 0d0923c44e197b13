#include "reports/OknoZestawienia.h"

#include <QAction>
#include <QEvent>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>

#include "clients/uKlient.h"
#include "store/Interakcja.h"
#include "widgets/uEksport.h"

void TOknoZestawienia::PolaczListe(QTableView* siatka, int kolumnaId) {
    siatkaListy = siatka;
    kolId = kolumnaId;
    auto* miRaport = findChild<QAction*>(QStringLiteral("miRaport"));
    auto* miZamknij = findChild<QAction*>(QStringLiteral("miZamknij"));
    addAction(miRaport);
    addAction(miZamknij);
    siatkaListy->setColumnHidden(kolId, true);
    siatkaListy->installEventFilter(this);
    siatkaListy->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    DodajMenuEksportu(siatkaListy, {kolId});
    connect(findChild<QPushButton*>(QStringLiteral("bRaport")), &QPushButton::clicked, this,
            [this] { Raport(); });
    connect(miRaport, &QAction::triggered, this, [this] { Raport(); });
    connect(findChild<QPushButton*>(QStringLiteral("bZamknij")), &QPushButton::clicked, this,
            &QDialog::reject);
    connect(miZamknij, &QAction::triggered, this, &QDialog::reject);
    connect(siatkaListy, &QTableView::doubleClicked, this,
            [this](const QModelIndex& indeks) { Dwuklik(indeks.row()); });
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

bool TOknoZestawienia::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (obiekt == siatkaListy && zdarzenie->type() == QEvent::Resize) UstawSzerokosciKolumn();
    return QDialog::eventFilter(obiekt, zdarzenie);
}
