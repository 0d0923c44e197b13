#include "reports/ModelArchiwum.h"

#include "store/Formaty.h"

void TModelArchiwum::Wczytaj(std::vector<TLiniaArchiwum> nowe, bool historiaKlienta) {
    beginResetModel();
    klienta = historiaKlienta;
    linie = std::move(nowe);
    pustych = linie.empty() ? 1 : 0;
    endResetModel();
}

void TModelArchiwum::Wyczysc() {
    beginResetModel();
    pustych = rowCount();
    linie.clear();
    endResetModel();
}

const TLiniaArchiwum* TModelArchiwum::Linia(int wiersz) const {
    if (wiersz < 0 || static_cast<size_t>(wiersz) >= linie.size()) return nullptr;
    return &linie[static_cast<size_t>(wiersz)];
}

std::optional<int> TModelArchiwum::IdDrugiejStrony(int wiersz) const {
    const TLiniaArchiwum* l = Linia(wiersz);
    if (!l || !l->id) return std::nullopt;
    return static_cast<int>(*l->id);
}

int TModelArchiwum::rowCount(const QModelIndex& rodzic) const {
    return rodzic.isValid() ? 0 : static_cast<int>(linie.size()) + pustych;
}

int TModelArchiwum::columnCount(const QModelIndex& rodzic) const {
    return rodzic.isValid() ? 0 : LiczbaKolumn;
}

QVariant TModelArchiwum::data(const QModelIndex& indeks, int rola) const {
    if (rola != Qt::DisplayRole && rola != Qt::EditRole) return {};
    const TLiniaArchiwum* l = Linia(indeks.row());
    if (!l) return {};
    switch (indeks.column()) {
        case KolNumer:
            return l->numer ? Numer4(*l->numer) : QString();
        case KolNazwa:
            return l->nazwa;
        case KolDataOd:
            return DataDluga(l->dataOd);
        case KolDataZwrotu:
            return DataDluga(l->dataZwrotu);
        case KolId:
            return l->id ? QString::number(*l->id) : QString();
        default:
            return {};
    }
}

QVariant TModelArchiwum::headerData(int sekcja, Qt::Orientation kierunek, int rola) const {
    if (kierunek != Qt::Horizontal || rola != Qt::DisplayRole)
        return QAbstractTableModel::headerData(sekcja, kierunek, rola);
    switch (sekcja) {
        case KolNumer:
            return klienta ? QStringLiteral("Nr filmu") : QStringLiteral("Nr klienta");
        case KolNazwa:
            return klienta ? QStringLiteral("Tytuł") : QStringLiteral("Klient");
        case KolDataOd:
            return QStringLiteral("Data wypożyczenia");
        case KolDataZwrotu:
            return QStringLiteral("Data zwrotu");
        case KolId:
            return QString();
        default:
            return {};
    }
}
