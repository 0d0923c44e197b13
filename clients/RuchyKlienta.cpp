#include "clients/RuchyKlienta.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QTableWidget>

#include "store/Formaty.h"
#include "store/Kwota.h"
#include "store/TQuery.h"
#include "store/uWspolneDB.h"
#include "widgets/uEksport.h"

std::optional<std::vector<TLiniaRuchu>> RuchyKlienta(TQuery& query, int idKlienta) {
    OtworzSQL(query, QStringLiteral("select Data, Czas, Rodzaj, Opis, Kwota from kasa "
                                    "where id_klienta = %1 order by Data desc, Czas desc, ID desc")
                         .arg(idKlienta));
    if (!query.Active()) return std::nullopt;
    std::vector<TLiniaRuchu> linie;
    for (; !query.Eof(); query.Next())
        linie.push_back({DataDluga(query.FieldByName(QStringLiteral("Data")).AsDate()),
                         query.FieldByName(QStringLiteral("Czas")).AsString(),
                         query.FieldByName(QStringLiteral("Rodzaj")).AsString(),
                         query.FieldByName(QStringLiteral("Opis")).AsString(),
                         KwotaNaEkran(query.FieldByName(QStringLiteral("Kwota")).AsKwota())});
    query.Close();
    return linie;
}

void PrzygotujSiatkeRuchow(QTableWidget* sg) {
    sg->setColumnCount(5);
    sg->setHorizontalHeaderLabels({QStringLiteral("Data"), QStringLiteral("Czas"),
                                   QStringLiteral("Rodzaj"), QStringLiteral("Opis"),
                                   QStringLiteral("Kwota")});
    sg->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sg->setSelectionBehavior(QAbstractItemView::SelectRows);
    sg->verticalHeader()->hide();
    sg->horizontalHeader()->setStretchLastSection(false);
    sg->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    DodajMenuEksportu(sg);
}

void PokazRuchyKlienta(QTableWidget* sg, TQuery& query, int idKlienta) {
    std::vector<TLiniaRuchu> linie;
    if (idKlienta != 0) {
        auto wczytane = RuchyKlienta(query, idKlienta);
        if (!wczytane) return;
        linie = std::move(*wczytane);
    }
    sg->clearContents();
    sg->setRowCount(static_cast<int>(linie.size()));
    for (int w = 0; w < sg->rowCount(); ++w)
        for (int k = 0; k < 5; ++k) {
            auto* komorka = new QTableWidgetItem(linie[static_cast<size_t>(w)][k]);
            if (k == 4) komorka->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            sg->setItem(w, k, komorka);
        }
}
