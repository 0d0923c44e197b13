// The client record: creates a new client or edits a stored one, takes payments into
// the client's balance, opens the client's arrears and the town list editor.
#pragma once

#include <QHash>
#include <memory>
#include <utility>
#include <vector>

#include "store/Kwota.h"
#include "store/TQuery.h"
#include "widgets/OknoRekordu.h"

class QComboBox;

namespace Ui {
class TfKlient;
}

class TfKlient : public TOknoRekordu {
    Q_OBJECT
public:
    explicit TfKlient(QWidget* parent = nullptr);
    ~TfKlient() override;
    // Sets the client to edit (0 = a new client) and fills the dialog from it; the
    // caller then shows the dialog modally (OK after a save, Cancel otherwise).
    void UstawKlienta(int id) { UstawRekord(id); }
    // When the first-name or surname box was entered during this showing: the surname,
    // a blank and the first name; otherwise the empty text.
    QString NazwaKlienta() const;
    // The town pick list (filled from the town word list).
    QComboBox* cbMiejscowosc = nullptr;

    void bZapiszClick();
    void bWplataClick();
    void bZaleglosciClick();
    void Button1Click();

protected:
    void FormShow() override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    void cbAbonamentClick(bool zaznaczony);
    void UstawAbonament(bool zaznaczony);
    void eSaldoChange();
    // The client's payments and refunds from the till journal.
    void PokazRuchy();
    QWidget* NastepnyPoEnter(QWidget* pole) const;

    std::unique_ptr<Ui::TfKlient> ui;
    TQuery Query1;
    bool NowyAbonament = false;
    bool NazwaEdytowana = false;
    int LicznikAb = 0;  // the stored counter, carried through
    // Payments taken in this showing (journal kind, amount), booked by Save.
    std::vector<std::pair<QString, TKwota>> WplatyPokazu;
    int RabatZapisany = 0;  // the stored discount, kept when the list has no such entry
    QHash<QWidget*, QWidget*> lancuchEnter;
};

// The window created once at program entry.
extern TfKlient* fKlient;
