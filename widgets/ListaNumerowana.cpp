#include "widgets/ListaNumerowana.h"

#include <QSignalBlocker>
#include <QTableWidget>
#include <algorithm>
#include <vector>

#include "store/Formaty.h"
#include "store/TQuery.h"

namespace {

enum Kolumna { KolNr, KolTekst, KolId };

}  // namespace

int WypelnijListeNumerowana(QTableWidget* sg, TQuery& query, const QString& kolumnaNumeru,
                            const QString& kolumnaTekstu) {
    struct TWiersz {
        QString nr, tekst, id;
    };
    std::vector<TWiersz> wiersze;
    for (; !query.Eof(); query.Next())
        wiersze.push_back({Numer4(query.FieldByName(kolumnaNumeru).AsLargeInt()),
                           query.FieldByName(kolumnaTekstu).AsString(),
                           QString::number(query.FieldByName(QStringLiteral("ID")).AsLargeInt())});
    query.Close();

    const int biezacy = std::max(0, sg->currentRow());
    sg->clearContents();
    sg->setRowCount(static_cast<int>(wiersze.size()));
    {
        // One change notice per cell costs more than making the cell: the grid is
        // repainted once when all are in.
        const QSignalBlocker cisza(sg->model());
        for (int w = 0; w < static_cast<int>(wiersze.size()); ++w) {
            const TWiersz& r = wiersze[static_cast<size_t>(w)];
            sg->setItem(w, KolNr, new QTableWidgetItem(r.nr));
            sg->setItem(w, KolTekst, new QTableWidgetItem(r.tekst));
            sg->setItem(w, KolId, new QTableWidgetItem(r.id));
        }
    }
    sg->viewport()->update();
    sg->setColumnHidden(KolId, true);
    if (!wiersze.empty())
        sg->setCurrentCell(std::min(biezacy, static_cast<int>(wiersze.size()) - 1), KolNr);
    const QTableWidgetItem* komorka =
        sg->currentRow() >= 0 ? sg->item(sg->currentRow(), KolId) : nullptr;
    return komorka ? komorka->text().toInt() : 0;
}
