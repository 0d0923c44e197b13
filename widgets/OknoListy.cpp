#include "widgets/OknoListy.h"

#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QHeaderView>
#include <QShowEvent>
#include <QTableView>
#include <algorithm>

#include "widgets/Polecenie.h"
#include "widgets/uEksport.h"

TOknoListy::TOknoListy(QWidget* rodzic) : QDialog(rodzic) {}

void TOknoListy::UstawSiatke(QTableView* sg, const std::vector<int>& ukryte,
                             std::function<void()> szerokosci, std::function<void(int)> dwuklik) {
    siatka = sg;
    ustawSzerokosci = std::move(szerokosci);
    DodajMenuEksportu(sg, ukryte);
    for (int k : ukryte) sg->setColumnHidden(k, true);
    sg->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    sg->installEventFilter(this);
    if (dwuklik)
        connect(sg, &QAbstractItemView::doubleClicked, this,
                [dwuklik](const QModelIndex& indeks) { dwuklik(indeks.row()); });
    if (ustawSzerokosci) ustawSzerokosci();
}

void TOknoListy::UstawListeNumerowana(QTableView* sg, const QString& naglowekNumeru,
                                      const QString& naglowekTekstu,
                                      std::function<void(int)> dwuklik) {
    lista = new TListaNumerowana(naglowekNumeru, naglowekTekstu, this);
    PrzygotujListeNumerowana(sg, lista);
    // A row chosen by the mouse or the keys becomes the chosen record.
    connect(sg->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& biezacy) {
                if (wypelnianie) return;
                const int id = lista->Id(biezacy.row());
                if (id == 0) return;
                idWybranego = id;
                PokazSzczegoly();
            });
    UstawSiatke(
        sg, {TListaNumerowana::KolId},
        [sg] {
            sg->setColumnWidth(TListaNumerowana::KolNr, 64);
            sg->setColumnWidth(TListaNumerowana::KolTekst, std::max(0, sg->width() - 64 - 19));
        },
        std::move(dwuklik));
}

void TOknoListy::DodajPolecenie(QAbstractButton* przycisk, QAction* pozycja,
                                std::function<void()> akcja, bool wymagaWiersza) {
    PolaczPolecenie(this, przycisk, pozycja, akcja);
    if (!wymagaWiersza) return;
    zWierszem.emplace_back(przycisk, pozycja);
    przycisk->setEnabled(idWybranego != 0);
    pozycja->setEnabled(idWybranego != 0);
}

void TOknoListy::WlaczPolecenia(bool jestWiersz) {
    for (const auto& [przycisk, pozycja] : zWierszem) {
        przycisk->setEnabled(jestWiersz);
        pozycja->setEnabled(jestWiersz);
    }
}

void TOknoListy::WypelnijListe(std::optional<TPozycjeListy> wiersze) {
    if (!wiersze || !lista) return;
    wypelnianie = true;
    idWybranego = WypelnijListeNumerowana(siatka, *lista, std::move(*wiersze));
    wypelnianie = false;
    WlaczPolecenia(idWybranego != 0);
}

void TOknoListy::WczytajListe() {
    WypelnijListe(CzytajListe());
}

void TOknoListy::DodajPolecenieUsun(QAbstractButton* przycisk, QAction* pozycja,
                                    std::function<void(int)> usun) {
    DodajPolecenie(
        przycisk, pozycja,
        [this, usun] {
            if (idWybranego == 0) return;
            // Done, declined or failed: the list shows the stored state.
            usun(idWybranego);
            WczytajListe();
            PokazSzczegoly();
        },
        true);
}

void TOknoListy::DodajPolecenieArchiwum(QAbstractButton* przycisk, QAction* pozycja) {
    DodajPolecenie(
        przycisk, pozycja,
        [this] {
            if (idWybranego != 0) emit PokazArchiwum(idWybranego);
        },
        true);
}

void TOknoListy::FormShow() {
    if (!lista) return;
    WczytajListe();
    PokazSzczegoly();
    siatka->setFocus();
}

int TOknoListy::BiezacyWiersz() const {
    return siatka ? siatka->currentIndex().row() : -1;
}

void TOknoListy::showEvent(QShowEvent* zdarzenie) {
    QDialog::showEvent(zdarzenie);
    if (!zdarzenie->spontaneous()) FormShow();
}

bool TOknoListy::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (obiekt == siatka && zdarzenie->type() == QEvent::Resize && ustawSzerokosci)
        ustawSzerokosci();
    return QDialog::eventFilter(obiekt, zdarzenie);
}
