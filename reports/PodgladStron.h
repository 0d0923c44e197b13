// The pages of a laid-out report on screen, one at a time: only the page shown is
// painted, so a report of thousands of pages opens as fast as one of a single page.
#pragma once

#include <QScrollArea>
#include <functional>
#include <vector>

#include "reports/Raport.h"

class TPodgladStron : public QScrollArea {
    Q_OBJECT
public:
    // `stronaNr` makes the page of the given number (from 0) when it is shown; it must
    // stay valid while the view lives.
    TPodgladStron(int liczbaStron, std::function<TStrona(int)> stronaNr, QWidget* parent = nullptr);

    int LiczbaStron() const { return liczba; }
    // Every page, made on the spot.
    std::vector<TStrona> Strony() const;
    // 1-based; 0 when the report has no page.
    int BiezacaStrona() const { return biezaca; }
    void UstawStrone(int numer);
    // Zoom: the page across the view's width, the whole page in the view, or a step.
    void DopasujSzerokosc();
    void CalaStrona();
    void Powieksz();
    void Pomniejsz();
    // The paper the pages are drawn on (A4 with 10 mm margins unless set).
    void UstawFormat(const TFormatStrony& format);
    // Pixels per millimetre of paper at the current zoom.
    double Skala() const { return skala; }

signals:
    void Zmiana();

protected:
    void resizeEvent(QResizeEvent* zdarzenie) override;

private:
    enum class TDopasowanie { Szerokosc, Strona, Brak };
    class TKartka;
    void Przelicz();

    const TStrona& Pokazana();

    int liczba;
    std::function<TStrona(int)> strona;
    TStrona pokazana;  // the page on screen, made once when it is first shown
    int numerPokazanej = 0;
    TFormatStrony format;
    TKartka* kartka;
    int biezaca = 0;
    double skala = 3;
    TDopasowanie dopasowanie = TDopasowanie::Szerokosc;
};
