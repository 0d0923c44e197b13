#include "reports/PodgladStron.h"

#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <algorithm>
#include <vector>

#include "reports/Druk.h"

namespace {

constexpr double Odstep = 12;  // pixels of grey round the page
constexpr double MinSkala = 0.5, MaxSkala = 20, KrokSkali = 1.25;

}  // namespace

// The sheet of paper with the current page drawn on it.
class TPodgladStron::TKartka : public QWidget {
public:
    explicit TKartka(TPodgladStron& okno) : QWidget(&okno), podglad(okno) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Dark));
        const double s = podglad.skala;
        const TFormatStrony& f = podglad.format;
        const QRectF papier(Odstep, Odstep, f.szerokosc * s, f.wysokosc * s);
        p.fillRect(papier.translated(3, 3), Qt::darkGray);
        p.fillRect(papier, Qt::white);
        if (podglad.biezaca < 1) return;
        // The page is drawn at the screen's own millimetre, then scaled to the zoom, so
        // that its fonts grow with it.
        const double mmEkranu = logicalDpiX() / 25.4;
        p.translate(papier.topLeft() + QPointF(f.margines, f.margines) * s);
        p.scale(s / mmEkranu, s / mmEkranu);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        RysujStrone(p, podglad.Pokazana(), mmEkranu);
    }

private:
    TPodgladStron& podglad;
};

TPodgladStron::TPodgladStron(int liczbaStron, std::function<TStrona(int)> stronaNr, QWidget* parent)
    : QScrollArea(parent),
      liczba(liczbaStron),
      strona(std::move(stronaNr)),
      kartka(new TKartka(*this)) {
    setWidget(kartka);
    setWidgetResizable(false);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setBackgroundRole(QPalette::Dark);
    biezaca = liczba > 0 ? 1 : 0;
    Przelicz();
}

void TPodgladStron::UstawStrone(int numer) {
    if (liczba < 1) return;
    numer = std::clamp(numer, 1, LiczbaStron());
    if (numer == biezaca) return;
    biezaca = numer;
    verticalScrollBar()->setValue(0);
    kartka->update();
    emit Zmiana();
}

std::vector<TStrona> TPodgladStron::Strony() const {
    std::vector<TStrona> wszystkie;
    for (int i = 0; i < liczba; ++i) wszystkie.push_back(strona(i));
    return wszystkie;
}

const TStrona& TPodgladStron::Pokazana() {
    if (numerPokazanej != biezaca) {
        pokazana = strona(biezaca - 1);
        numerPokazanej = biezaca;
    }
    return pokazana;
}

void TPodgladStron::UstawFormat(const TFormatStrony& f) {
    format = f;
    Przelicz();
}

void TPodgladStron::DopasujSzerokosc() {
    dopasowanie = TDopasowanie::Szerokosc;
    Przelicz();
}

void TPodgladStron::CalaStrona() {
    dopasowanie = TDopasowanie::Strona;
    Przelicz();
}

void TPodgladStron::Powieksz() {
    dopasowanie = TDopasowanie::Brak;
    skala = std::min(MaxSkala, skala * KrokSkali);
    Przelicz();
}

void TPodgladStron::Pomniejsz() {
    dopasowanie = TDopasowanie::Brak;
    skala = std::max(MinSkala, skala / KrokSkali);
    Przelicz();
}

void TPodgladStron::resizeEvent(QResizeEvent* zdarzenie) {
    QScrollArea::resizeEvent(zdarzenie);
    if (dopasowanie != TDopasowanie::Brak) Przelicz();
}

void TPodgladStron::Przelicz() {
    const QSize widok = viewport()->size();
    const double szerokosc = (widok.width() - 2 * Odstep - 4) / format.szerokosc;
    const double wysokosc = (widok.height() - 2 * Odstep - 4) / format.wysokosc;
    if (dopasowanie == TDopasowanie::Szerokosc) skala = szerokosc;
    if (dopasowanie == TDopasowanie::Strona) skala = std::min(szerokosc, wysokosc);
    skala = std::clamp(skala, MinSkala, MaxSkala);
    kartka->resize(static_cast<int>(format.szerokosc * skala + 2 * Odstep + 4),
                   static_cast<int>(format.wysokosc * skala + 2 * Odstep + 4));
    kartka->update();
    emit Zmiana();
}
