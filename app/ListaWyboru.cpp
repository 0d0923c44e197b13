#include "app/ListaWyboru.h"

#include <QCollator>
#include <QComboBox>
#include <QListView>
#include <algorithm>
#include <vector>

void TModelWyboru::Ustaw(QStringList teksty) {
    beginResetModel();
    wpisy = std::move(teksty);
    indeksAktualny = false;
    endResetModel();
}

int TModelWyboru::Znajdz(const QString& tekst) const {
    if (!indeksAktualny) {
        indeks.clear();
        indeks.reserve(wpisy.size());
        // From the end, so that each text keeps its first row.
        for (int i = static_cast<int>(wpisy.size()) - 1; i >= 0; --i) indeks[wpisy[i]] = i;
        indeksAktualny = true;
    }
    return indeks.value(tekst, -1);
}

int TModelWyboru::rowCount(const QModelIndex& rodzic) const {
    return rodzic.isValid() ? 0 : static_cast<int>(wpisy.size());
}

QVariant TModelWyboru::data(const QModelIndex& i, int rola) const {
    if (!i.isValid() || i.row() >= wpisy.size()) return {};
    if (rola == Qt::DisplayRole || rola == Qt::EditRole) return wpisy[i.row()];
    return {};
}

bool TModelWyboru::setData(const QModelIndex& i, const QVariant& wartosc, int rola) {
    if (!i.isValid() || i.row() >= wpisy.size()) return false;
    if (rola != Qt::DisplayRole && rola != Qt::EditRole) return false;
    wpisy[i.row()] = wartosc.toString();
    indeksAktualny = false;
    emit dataChanged(i, i, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags TModelWyboru::flags(const QModelIndex& i) const {
    return i.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

bool TModelWyboru::insertRows(int wiersz, int ile, const QModelIndex& rodzic) {
    if (rodzic.isValid() || wiersz < 0 || wiersz > wpisy.size() || ile < 1) return false;
    beginInsertRows({}, wiersz, wiersz + ile - 1);
    for (int i = 0; i < ile; ++i) wpisy.insert(wiersz, QString());
    indeksAktualny = false;
    endInsertRows();
    return true;
}

bool TModelWyboru::removeRows(int wiersz, int ile, const QModelIndex& rodzic) {
    if (rodzic.isValid() || wiersz < 0 || ile < 1 || wiersz + ile > wpisy.size()) return false;
    beginRemoveRows({}, wiersz, wiersz + ile - 1);
    wpisy.remove(wiersz, ile);
    indeksAktualny = false;
    endRemoveRows();
    return true;
}

void UstawModelWyboru(QComboBox* lista) {
    lista->setModel(new TModelWyboru(lista));
    if (auto* widok = qobject_cast<QListView*>(lista->view())) widok->setUniformItemSizes(true);
    // The box's width comes from the desk's layout, not from its longest entry.
    lista->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
}

void UstawWpisy(QComboBox* lista, QStringList teksty) {
    if (auto* model = qobject_cast<TModelWyboru*>(lista->model())) {
        model->Ustaw(std::move(teksty));
        return;
    }
    lista->clear();
    lista->addItems(teksty);
}

void DodajWpisy(QComboBox* lista, const QStringList& teksty) {
    auto* model = qobject_cast<TModelWyboru*>(lista->model());
    if (!model) {
        lista->addItems(teksty);
        return;
    }
    const int biezacy = lista->currentIndex();
    model->Ustaw(model->Teksty() + teksty);
    lista->setCurrentIndex(biezacy);
}

int ZnajdzWpis(const QComboBox* lista, const QString& tekst) {
    if (const auto* model = qobject_cast<const TModelWyboru*>(lista->model()))
        return model->Znajdz(tekst);
    return lista->findText(tekst, Qt::MatchFixedString | Qt::MatchCaseSensitive);
}

// The entries are compared by their collation keys and put back in one call.
void PosortujListe(QComboBox* lista) {
    const QString wybrany = lista->currentIndex() >= 0 ? lista->currentText() : QString();
    const bool bylWybrany = lista->currentIndex() >= 0;
    const QCollator porzadek{QLocale(QLocale::Polish, QLocale::Poland)};
    std::vector<std::pair<QCollatorSortKey, QString>> wpisy;
    wpisy.reserve(static_cast<size_t>(lista->count()));
    for (int i = 0; i < lista->count(); ++i) {
        const QString tekst = lista->itemText(i);
        wpisy.emplace_back(porzadek.sortKey(tekst), tekst);
    }
    std::stable_sort(wpisy.begin(), wpisy.end(),
                     [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
    QStringList posortowane;
    posortowane.reserve(static_cast<qsizetype>(wpisy.size()));
    for (auto& w : wpisy) posortowane << std::move(w.second);
    const QSignalBlocker blokada(lista);
    UstawWpisy(lista, std::move(posortowane));
    lista->setCurrentIndex(bylWybrany ? ZnajdzWpis(lista, wybrany) : -1);
}

TStanListy StanListy(bool odPoczatku, int wpisow) {
    return odPoczatku ? TStanListy{TBaza::Znacznik(), wpisow} : TStanListy{};
}

bool ListaAktualna(const TStanListy& stan, int wpisow) {
    return stan.znacznik.polaczenie != 0 && wpisow == stan.wpisow &&
           stan.znacznik == TBaza::Znacznik();
}
