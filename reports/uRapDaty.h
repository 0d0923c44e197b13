// The date range of the periodic report and the cash-up (with the cash-up's choice of a
// counter), and the calendar its date fields open.
#pragma once

#include <QDate>
#include <QDialog>
#include <QStringList>
#include <memory>

class QCalendarWidget;
class QDateEdit;
class QLabel;
namespace Ui {
class TfRapDaty;
}

// A calendar to pick one day from ("Wybierz datę"): a year and a month back or forward,
// OK or a double click takes the day shown as chosen.
class TKalendarz : public QDialog {
    Q_OBJECT
public:
    explicit TKalendarz(const QDate& wybrana, QWidget* parent = nullptr);
    QDate Data() const;
    // Moves the calendar by whole years or months, keeping the chosen day where it can.
    void Przesun(int lata, int miesiace);

private:
    void PokazMiesiac();

    QCalendarWidget* kalendarz = nullptr;
    QLabel* lMiesiac = nullptr;
};

class TfRapDaty : public QDialog {
    Q_OBJECT
public:
    explicit TfRapDaty(QWidget* parent = nullptr);
    ~TfRapDaty() override;

    // The first and the last day of the range.
    QDateEdit* DataOD = nullptr;
    QDateEdit* DataDO = nullptr;

    // Shows the choice of a counter (cbStanowisko, hidden until then): "Wszystkie
    // stanowiska", chosen at first, then the names given.
    void PokazStanowiska(const QStringList& stanowiska);
    // The counter chosen; empty for every counter.
    QString Stanowisko() const;

protected:
    void showEvent(QShowEvent* zdarzenie) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    void DataODChange();
    void DataDOChange();
    // Opens the calendar for the field; the day picked goes into it.
    void PokazKalendarz(QDateEdit* pole);

    std::unique_ptr<Ui::TfRapDaty> ui;
};
