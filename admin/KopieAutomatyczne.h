// Automatic copies of the store in Kopie/ of the tables' folder: at the first start of
// each day and at every close, the newest ones kept within a number and a size.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

inline constexpr int KopieDoZachowania = 14;
inline constexpr qint64 KopieNajwiecejBajtow = qint64{1024} * 1024 * 1024;

// "wirdolan-RRRR-MM-DD-GGMMSS.sqlite": the name sorts as the time it was made.
QString NazwaKopiiAutomatycznej(const QDateTime& chwila);
// The automatic copies in the folder (names only), newest first.
QStringList KopieAutomatyczne(const QString& katalogKopii);
// The full path of the newest automatic copy of the store in katalogBazy, empty when none.
QString NajnowszaKopiaAutomatyczna(const QString& katalogBazy);
// Removes the oldest automatic copies beyond the number ile and then beyond najwiecej
// bytes in all; the newest copy always stays. Other files of the folder are left alone.
void PrzytnijKopie(const QString& katalogKopii, int ile = KopieDoZachowania,
                   qint64 najwiecej = KopieNajwiecejBajtow);
// Copies the open store of katalogBazy into Kopie/ and trims the copies. The error text
// in Polish, empty on success.
QString ZrobKopieAutomatyczna(const QString& katalogBazy, const QDateTime& chwila);

// The program's automatic copies: a failing copy is reported once in a run and never
// stops the program.
class TKopieAutomatyczne {
public:
    // At start: a copy unless one of the day is there already.
    void PrzyStarcie(const QString& katalogBazy, const QDateTime& chwila);
    void PrzyZamknieciu(const QString& katalogBazy, const QDateTime& chwila);

private:
    void Zrob(const QString& katalogBazy, const QDateTime& chwila);
    bool zgloszono = false;
};
