#include "widgets/ListaNumerowana.h"

#include <QTableView>
#include <algorithm>

#include "store/Formaty.h"
#include "store/TQuery.h"

TPozycjaListy TCzytajPozycje::operator()(TQuery& query) const {
    return {query.FieldByName(kolumnaNumeru).AsLargeInt(),
            query.FieldByName(kolumnaTekstu).AsString(),
            query.FieldByName(QStringLiteral("ID")).AsInteger()};
}

TListaNumerowana::TListaNumerowana(const QString& naglowekNumeru, const QString& naglowekTekstu,
                                   QObject* rodzic)
    : QAbstractTableModel(rodzic), naglowki{naglowekNumeru, naglowekTekstu} {}

void TListaNumerowana::Wczytaj(TPozycjeListy wiersze) {
    beginResetModel();
    pozycje = std::move(wiersze);
    endResetModel();
}

void TListaNumerowana::UstawWiersz(int wiersz, qint64 numer, const QString& tekst) {
    if (!Jest(wiersz)) return;
    pozycje[static_cast<size_t>(wiersz)].Numer = numer;
    pozycje[static_cast<size_t>(wiersz)].Tekst = tekst;
    emit dataChanged(index(wiersz, KolNr), index(wiersz, KolTekst));
}

bool TListaNumerowana::Jest(int wiersz) const {
    return wiersz >= 0 && static_cast<size_t>(wiersz) < pozycje.size();
}

int TListaNumerowana::Id(int wiersz) const {
    return Jest(wiersz) ? pozycje[static_cast<size_t>(wiersz)].Id : 0;
}

QString TListaNumerowana::Tekst(int wiersz) const {
    return Jest(wiersz) ? pozycje[static_cast<size_t>(wiersz)].Tekst : QString();
}

int TListaNumerowana::rowCount(const QModelIndex& rodzic) const {
    return rodzic.isValid() ? 0 : static_cast<int>(pozycje.size());
}

int TListaNumerowana::columnCount(const QModelIndex& rodzic) const {
    return rodzic.isValid() ? 0 : LiczbaKolumn;
}

QVariant TListaNumerowana::data(const QModelIndex& indeks, int rola) const {
    if (rola != Qt::DisplayRole || !indeks.isValid() || !Jest(indeks.row())) return {};
    const TPozycjaListy& p = pozycje[static_cast<size_t>(indeks.row())];
    switch (indeks.column()) {
        case KolNr:
            return Numer4(p.Numer);
        case KolTekst:
            return p.Tekst;
        case KolId:
            return QString::number(p.Id);
        default:
            return {};
    }
}

QVariant TListaNumerowana::headerData(int sekcja, Qt::Orientation kierunek, int rola) const {
    if (kierunek != Qt::Horizontal || rola != Qt::DisplayRole) return {};
    if (sekcja == KolNr || sekcja == KolTekst) return naglowki[sekcja];
    return sekcja == KolId ? QVariant(QString()) : QVariant();
}

void PrzygotujListeNumerowana(QTableView* sg, TListaNumerowana* model) {
    sg->setModel(model);
    sg->setColumnHidden(TListaNumerowana::KolId, true);
    sg->setSelectionMode(QAbstractItemView::SingleSelection);
    sg->setSelectionBehavior(QAbstractItemView::SelectRows);
    sg->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

int WypelnijListeNumerowana(QTableView* sg, TListaNumerowana& model, TPozycjeListy wiersze) {
    const int biezacy = std::max(0, sg->currentIndex().row());
    model.Wczytaj(std::move(wiersze));
    const int wierszy = model.rowCount();
    if (wierszy > 0)
        sg->setCurrentIndex(model.index(std::min(biezacy, wierszy - 1), TListaNumerowana::KolNr));
    return IdBiezacego(sg);
}

int IdBiezacego(const QTableView* sg) {
    const auto* model = qobject_cast<const TListaNumerowana*>(sg->model());
    return model ? model->Id(sg->currentIndex().row()) : 0;
}
