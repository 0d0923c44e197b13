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
    const quint32 od = w > 0 ? konce[w - 1] : 0;
    if (konce[w] == od) return QString();
    const auto b = static_cast<size_t>(std::upper_bound(poczatki.begin(), poczatki.end(), od) -
                                       poczatki.begin() - 1);
    return QString::fromUtf8(bloki[b].constData() + (od - poczatki[b]), konce[w] - od);
}

QByteArray& TPozycjeListy::Blok() {
    constexpr qsizetype rozmiar = 1 << 20, zapas = 4096;
    if (bloki.empty() || bloki.back().capacity() - bloki.back().size() < zapas) {
        poczatki.push_back(
            bloki.empty() ? 0 : poczatki.back() + static_cast<quint32>(bloki.back().size()));
        bloki.emplace_back().reserve(rozmiar);
    }
    return bloki.back();
}

void TPozycjeListy::Zmien(int wiersz, qint64 numer, const QString& tekst) {
    numery[static_cast<size_t>(wiersz)] = numer;
    zmienione.insert(wiersz, tekst);
}

std::optional<TPozycjeListy> CzytajListeNumerowana(TQuery& q, const QString& sql,
                                                   const QString& kolumnaNumeru,
                                                   const QString& kolumnaTekstu) {
    OtworzSQL(q, sql);
    if (!q.Active()) return std::nullopt;
    TPozycjeListy wiersze;
    const QString kolumnaId = QStringLiteral("ID");
    const int nr = q.IndeksPola(kolumnaNumeru);
    const int tekst = q.IndeksPola(kolumnaTekstu);
    const int id = q.IndeksPola(kolumnaId);
    // A missing column is reported as its first read would report it.
    if (!q.Eof())
        for (const auto& [indeks, nazwa] :
             {std::pair{nr, kolumnaNumeru}, {tekst, kolumnaTekstu}, {id, kolumnaId}})
            if (indeks < 0) q.FieldByName(nazwa);
    for (; !q.Eof(); q.Next()) {
        wiersze.numery.push_back(nr < 0 ? 0 : q.Calkowita(nr));
        wiersze.idy.push_back(id < 0 ? 0 : static_cast<int>(q.Calkowita(id)));
        QByteArray& blok = wiersze.Blok();
        if (tekst >= 0) q.DopiszTekstUtf8(tekst, blok);
        wiersze.konce.push_back(wiersze.poczatki.back() + static_cast<quint32>(blok.size()));
    }
    q.Close();
    return wiersze;
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
