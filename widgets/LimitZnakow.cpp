#include "widgets/LimitZnakow.h"

#include <QLineEdit>
#include <QTextBoundaryFinder>

namespace {

// QLineEdit's own maxLength when none was set.
constexpr int BezLimitu = 32767;

}  // namespace

qsizetype LiczbaZnakow(const QString& tekst) {
    QTextBoundaryFinder granice(QTextBoundaryFinder::Grapheme, tekst);
    qsizetype n = 0;
    while (granice.toNextBoundary() > 0) ++n;
    return n;
}

QString PierwszeZnaki(const QString& tekst, qsizetype n) {
    if (n <= 0) return {};
    QTextBoundaryFinder granice(QTextBoundaryFinder::Grapheme, tekst);
    qsizetype koniec = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const qsizetype nastepna = granice.toNextBoundary();
        if (nastepna < 0) return tekst;
        koniec = nastepna;
    }
    return tekst.left(koniec);
}

TLimitZnakow::TLimitZnakow(int limit, QLineEdit* pole)
    : QValidator(pole), n(limit), przyjete(LiczbaZnakow(pole->text())) {
    connect(pole, &QLineEdit::textChanged, this,
            [this](const QString& tekst) { przyjete = LiczbaZnakow(tekst); });
}

// Only an edit that grows the text beyond the limit is refused: a longer text already in
// the edit (put there by the program) stays acceptable and can be shortened.
QValidator::State TLimitZnakow::validate(QString& tekst, int&) const {
    const qsizetype dlugosc = LiczbaZnakow(tekst);
    return dlugosc <= n || dlugosc <= przyjete ? Acceptable : Invalid;
}

void OgraniczZnaki(QLineEdit* pole, int n) {
    pole->setMaxLength(BezLimitu);
    pole->setValidator(new TLimitZnakow(n, pole));
}

void OgraniczZnakiOkna(QWidget* okno) {
    for (QLineEdit* pole : okno->findChildren<QLineEdit*>())
        if (pole->maxLength() < BezLimitu && !pole->validator())
            OgraniczZnaki(pole, pole->maxLength());
}
