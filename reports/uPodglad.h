// The print preview of a report: pages, zoom, and saving the report as PDF.
#pragma once

#include <QDialog>
#include <memory>

class TPodgladStron;
class TRaport;
namespace Ui {
class TfPodglad;
}

class TfPodglad : public QDialog {
    Q_OBJECT
public:
    explicit TfPodglad(TRaport& pokazany, QWidget* parent = nullptr);
    ~TfPodglad() override;

    TPodgladStron* Podglad() const { return podglad; }
    // "Strona n z m" as the page label shows it.
    QString OpisStrony() const;

private:
    void PokazNumerStrony();

    std::unique_ptr<Ui::TfPodglad> ui;
    TRaport& raport;
    TPodgladStron* podglad = nullptr;
};
