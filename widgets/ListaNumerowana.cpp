#include "widgets/ListaNumerowana.h"

#include <QTableView>
#include <algorithm>

#include "store/Formaty.h"
#include "store/TQuery.h"

TListaNumerowana::TListaNumerowana(const QString& naglowekNumeru, const QString& naglowekTekstu,
                                   QObject* rodzic)
    : QAbstractTableModel(rodzic), naglowki{naglowekNumeru, naglowekTekstu} {}

void TListaNumerowana::Wczytaj(TQuery& query, const QString& kolumnaNumeru,
                               const QString& kolumnaTekstu) {
    std::vector<qint64> noweNumery;
    std::vector<int> noweIdy;
    std::vector<QString> noweTeksty;
    for (; !query.Eof(); query.Next()) {
        noweNumery.push_back(query.FieldByName(kolumnaNumeru).AsLargeInt());
        noweTeksty.push_back(query.FieldByName(kolumnaTekstu).AsString());
        noweIdy.push_back(query.FieldByName(QStringLiteral("ID")).AsInteger());
    }
    query.Close();
    beginResetModel();
    numery = std::move(noweNumery);
    idy = std::move(noweIdy);
    teksty = std::move(noweTeksty);
    endResetModel();
}

void TListaNumerowana::UstawWiersz(int wiersz, qint64 numer, const QString& tekst) {
    if (!Jest(wiersz)) return;
    numery[static_cast<size_t>(wiersz)] = numer;
    teksty[static_cast<size_t>(wiersz)] = tekst;
    emit dataChanged(index(wiersz, KolNr), index(wiersz, KolTekst));
}

bool TListaNumerowana::Jest(int wiersz) const {
    return wiersz >= 0 && static_cast<size_t>(wiersz) < idy.size();
}

int TListaNumerowana::Id(int wiersz) const {
    return Jest(wiersz) ? idy[static_cast<size_t>(wiersz)] : 0;
}

QString TListaNumerowana::Tekst(int wiersz) const {
    return Jest(wiersz) ? teksty[static_cast<size_t>(wiersz)] : QString();
}

int TListaNumerowana::rowCount(const QModelIndex& rodzic) const {
    return rodzic.isValid() ? 0 : static_cast<int>(idy.size());
}

int TListaNumerowana::columnCount(const QModelIndex& rodzic) const {
    return rodzic.isValid() ? 0 : LiczbaKolumn;
}

QVariant TListaNumerowana::data(const QModelIndex& indeks, int rola) const {
    if (rola != Qt::DisplayRole || !indeks.isValid() || !Jest(indeks.row())) return {};
    const auto w = static_cast<size_t>(indeks.row());
    switch (indeks.column()) {
        case KolNr:
            return Numer4(numery[w]);
        case KolTekst:
            return teksty[w];
        case KolId:
            return QString::number(idy[w]);
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

int WypelnijListeNumerowana(QTableView* sg, TListaNumerowana& model, TQuery& query,
                            const QString& kolumnaNumeru, const QString& kolumnaTekstu) {
    const int biezacy = std::max(0, sg->currentIndex().row());
    model.Wczytaj(query, kolumnaNumeru, kolumnaTekstu);
    const int wierszy = model.rowCount();
    if (wierszy > 0)
        sg->setCurrentIndex(model.index(std::min(biezacy, wierszy - 1), TListaNumerowana::KolNr));
    return IdBiezacego(sg);
}

int IdBiezacego(const QTableView* sg) {
    const auto* model = qobject_cast<const TListaNumerowana*>(sg->model());
    return model ? model->Id(sg->currentIndex().row()) : 0;
}
