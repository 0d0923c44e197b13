// Length limits that count whole characters: a Polish letter, an emoji (two UTF-16 units)
// or a letter with its combining marks is one character and is never cut in half.
#pragma once

#include <QString>
#include <QValidator>

class QLineEdit;
class QWidget;

// The number of whole characters (grapheme clusters) of the text.
qsizetype LiczbaZnakow(const QString& tekst);
// The first n whole characters of the text.
QString PierwszeZnaki(const QString& tekst, qsizetype n);

// Refuses an edit that would make the text of its line edit (the parent) longer than n
// whole characters.
class TLimitZnakow : public QValidator {
public:
    TLimitZnakow(int limit, QLineEdit* pole);
    int Limit() const { return n; }
    State validate(QString& tekst, int& pozycja) const override;

private:
    int n;
    qsizetype przyjete = 0;  // whole characters of the text last in the edit
};

// The edit takes at most n whole characters (instead of QLineEdit's maxLength, which
// counts UTF-16 units and cuts an emoji in half).
void OgraniczZnaki(QLineEdit* pole, int n);
// Every line edit of the window that has a maxLength and no validator of its own gets the
// same limit counted in whole characters.
void OgraniczZnakiOkna(QWidget* okno);
