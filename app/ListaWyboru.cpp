#include "app/ListaWyboru.h"

#include <QCollator>
#include <QComboBox>
#include <QListView>
#include <algorithm>
#include <vector>

void TModelWyboru::Ustaw(TTekstyUtf8 teksty) {
    beginResetModel();
    wpisy = std::move(teksty);
    endResetModel();
}

int TModelWyboru::Znajdz(const QString& tekst) const {
    return wpisy.Znajdz(tekst);
}

int TModelWyboru::rowCount(const QModelIndex& rodzic) const {
    return rodzic.isValid() ? 0 : wpisy.Liczba();
}

QVariant TModelWyboru::data(const QModelIndex& i, int rola) const {
    if (!i.isValid() || i.row() >= wpisy.Liczba()) return {};
    if (rola == Qt::DisplayRole || rola == Qt::EditRole) return wpisy.Tekst(i.row());
    return {};
}

bool TModelWyboru::setData(const QModelIndex& i, const QVariant& wartosc, int rola) {
    if (!i.isValid() || i.row() >= wpisy.Liczba()) return false;
    if (rola != Qt::DisplayRole && rola != Qt::EditRole) return false;
    wpisy.Zmien(i.row(), wartosc.toString());
    emit dataChanged(i, i, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags TModelWyboru::flags(const QModelIndex& i) const {
    return i.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

bool TModelWyboru::insertRows(int wiersz, int ile, const QModelIndex& rodzic) {
    if (rodzic.isValid() || wiersz < 0 || wiersz > wpisy.Liczba() || ile < 1) return false;
    beginInsertRows({}, wiersz, wiersz + ile - 1);
    wpisy.Wstaw(wiersz, ile);
    endInsertRows();
    return true;
}

bool TModelWyboru::removeRows(int wiersz, int ile, const QModelIndex& rodzic) {
    if (rodzic.isValid() || wiersz < 0 || ile < 1 || wiersz + ile > wpisy.Liczba()) return false;
    beginRemoveRows({}, wiersz, wiersz + ile - 1);
    wpisy.Usun(wiersz, ile);
    endRemoveRows();
    return true;
}

void UstawModelWyboru(QComboBox* lista) {
    lista->setModel(new TModelWyboru(lista));
    if (auto* widok = qobject_cast<QListView*>(lista->view())) widok->setUniformItemSizes(true);
    // The box's width comes from the desk's layout, not from its longest entry.
    lista->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
}

void UstawWpisy(QComboBox* lista, TTekstyUtf8 teksty) {
    if (auto* model = qobject_cast<TModelWyboru*>(lista->model())) {
        model->Ustaw(std::move(teksty));
        return;
    }
    lista->clear();
    for (int i = 0; i < teksty.Liczba(); ++i) lista->addItem(teksty.Tekst(i));
}

void DodajWpisy(QComboBox* lista, TTekstyUtf8 teksty) {
    auto* model = qobject_cast<TModelWyboru*>(lista->model());
    if (!model) {
        for (int i = 0; i < teksty.Liczba(); ++i) lista->addItem(teksty.Tekst(i));
        return;
    }
    const int biezacy = lista->currentIndex();
    if (model->rowCount() > 0) {
        TTekstyUtf8 wszystkie = model->Teksty();
        wszystkie.Dopisz(teksty);
        teksty = std::move(wszystkie);
    }
    model->Ustaw(std::move(teksty));
    lista->setCurrentIndex(biezacy);
}

void DodajWpisy(QComboBox* lista, const QStringList& teksty) {
    DodajWpisy(lista, TTekstyUtf8(teksty));
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
    TTekstyUtf8 posortowane;
    for (const auto& w : wpisy) posortowane.Dopisz(w.second);
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
