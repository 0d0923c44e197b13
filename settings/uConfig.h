#pragma once

#include <QDialog>
#include <QHash>
#include <QString>
#include <memory>
#include <optional>

#include "settings/Ustawienia.h"
#include "settings/Zasady.h"
#include "store/TQuery.h"

class QAction;
class QLineEdit;
class QMenu;
class QRadioButton;
namespace Ui {
class TfConfig;
}

// The settings dialog; holds the settings record for the whole run.
class TfConfig : public QDialog {
    Q_OBJECT
public:
    explicit TfConfig(QWidget* parent = nullptr);
    ~TfConfig() override;

    // Loads the record from the store: defaults for missing rows, then normalised; the
    // shop's rules with it. First carries the shop's values of this computer's settings file
    // into a store that holds none (PrzeniesUstawieniaZPliku).
    void WczytajUstawienia();
    // Reads the stored settings and rules again and takes them only when they differ from
    // those read last (another counter changed them): the record's values set in this run
    // and not stored stay otherwise, and a first reading is only kept. True when taken.
    bool OdswiezZBazy();
    // Writes the whole record to the store as one operation; false when nothing was stored.
    bool ZapiszUstawienia();
    // Fills the controls from the store; run before every showing.
    void FormShow();

    TUstawienia Ustawienia;

    // The hidden menu "Zapis" with F2 (save) and F10 (cancel).
    QMenu* menuZapis = nullptr;
    QAction* miZapisz = nullptr;
    QAction* miAnuluj = nullptr;

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    void bZapiszClick();
    void bAnulujClick();
    void cbKolejnaDobaChange();
    void cbPoTerminieChange();
    void cbPrzedTerminemChange();
    void cbWeekendChange();
    void cbStawkaClick();
    void SprawdzPole(QLineEdit* pole, bool calkowita);
    void UmiescWLuce(QRadioButton* przycisk, QLineEdit* pole, const QString& przed,
                     const QString& luka);

    std::unique_ptr<Ui::TfConfig> ui;
    QList<QWidget*> pierscien;  // the Enter focus ring
    TQuery Query1;
    // The stored texts and rules read last (nothing before the first reading).
    std::optional<QHash<QString, QString>> tekstyZBazy;
    std::optional<TZasady> zasadyZBazy;
};

// The window created once at program entry.
extern TfConfig* fConfig;
