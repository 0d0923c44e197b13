#include "widgets/ListaNumerowana.h"

#include <QTableView>
#include <algorithm>

#include "store/Formaty.h"
#include "store/TQuery.h"
#include "store/uWspolneDB.h"

QString TPozycjeListy::Tekst(int wiersz) const {
    if (!zmienione.isEmpty())
        if (const auto it = zmienione.constFind(wiersz); it != zmienione.cend()) return *it;
    const auto w = static_cast<size_t>(wiersz);
    return QString::fromUtf8(teksty.Bajty(w > 0 ? wiersze[w - 1].koniec : 0, wiersze[w].koniec));
}

void TPozycjeListy::Zmien(int wiersz, qint64 numer, const QString& tekst) {
    wiersze[static_cast<size_t>(wiersz)].numer = numer;
    zmienione.insert(wiersz, tekst);
}

std::optional<TPozycjeListy> CzytajListeNumerowana(TQuery& q, const QString& sql,
                                                   const QString& kolumnaNumeru,
                                                   const QString& kolumnaTekstu) {
    OtworzSQL(q, sql);
    if (!q.Active()) return std::nullopt;
    TPozycjeListy lista;
    const QString kolumnaId = QStringLiteral("ID");
    const int nr = q.IndeksPola(kolumnaNumeru);
    const int tekst = q.IndeksPola(kolumnaTekstu);
    const int id = q.IndeksPola(kolumnaId);
    // A missing column is reported as its first read would report it.
    if (!q.Eof())
        for (const auto& [indeks, nazwa] :
             {std::pair{nr, kolumnaNumeru}, {tekst, kolumnaTekstu}, {id, kolumnaId}})
            if (indeks < 0) q.FieldByName(nazwa);
    QByteArray zapas;
    for (; !q.Eof(); q.Next()) {
        if (tekst >= 0) lista.teksty.Dopisz(q.TekstUtf8(tekst, zapas));
        lista.wiersze.push_back({nr < 0 ? 0 : q.Calkowita(nr),
                                 id < 0 ? 0 : static_cast<int>(q.Calkowita(id)),
                                 lista.teksty.Koniec()});
    }
    q.Close();
    return lista;
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
    pozycje.Zmien(wiersz, numer, tekst);
    emit dataChanged(index(wiersz, KolNr), index(wiersz, KolTekst));
}

bool TListaNumerowana::Jest(int wiersz) const {
    return wiersz >= 0 && wiersz < pozycje.Liczba();
}

int TListaNumerowana::Id(int wiersz) const {
    return Jest(wiersz) ? pozycje.Id(wiersz) : 0;
}

QString TListaNumerowana::Tekst(int wiersz) const {
    return Jest(wiersz) ? pozycje.Tekst(wiersz) : QString();
}

int TListaNumerowana::rowCount(const QModelIndex& rodzic) const {
    return rodzic.isValid() ? 0 : pozycje.Liczba();
}

int TListaNumerowana::columnCount(const QModelIndex& rodzic) const {
    return rodzic.isValid() ? 0 : LiczbaKolumn;
}

QVariant TListaNumerowana::data(const QModelIndex& indeks, int rola) const {
    if (rola != Qt::DisplayRole || !indeks.isValid() || !Jest(indeks.row())) return {};
    const int w = indeks.row();
    switch (indeks.column()) {
        case KolNr:
            return Numer4(pozycje.Numer(w));
        case KolTekst:
            return pozycje.Tekst(w);
        case KolId:
            return QString::number(pozycje.Id(w));
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
