// Automatic copies of the store in Kopie/ of the tables' folder: at the first start of
// each day and at every close, the newest ones kept within a number and a size. A server
// store is copied once a day, by the counter that starts first.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <stop_token>
#include <thread>

inline constexpr int KopieDoZachowania = 14;
inline constexpr qint64 KopieNajwiecejBajtow = qint64{1024} * 1024 * 1024;

// "wirdolan-RRRR-MM-DD-GGMMSS.sqlite": the name sorts as the time it was made.
QString NazwaKopiiAutomatycznej(const QDateTime& chwila);
// The moment an automatic copy was made, read from its name; invalid for another name.
QDateTime ChwilaKopiiAutomatycznej(const QString& plik);
// The automatic copies in the folder (names only), newest first.
QStringList KopieAutomatyczne(const QString& katalogKopii);
// The full path of the newest automatic copy of the store in katalogBazy, empty when none.
QString NajnowszaKopiaAutomatyczna(const QString& katalogBazy);
// The same, skipping the copies that the restore would refuse (OpiszKopie, the restore's own
// check: damaged, no store of this program, or holding objects the program did not make),
// newest first; empty when no copy is sound.
QString NajnowszaSprawnaKopiaAutomatyczna(const QString& katalogBazy);
// Removes the oldest automatic copies beyond the number ile and then beyond najwiecej
// bytes in all; the newest copy always stays. Other files of the folder are left alone.
void PrzytnijKopie(const QString& katalogKopii, int ile = KopieDoZachowania,
                   qint64 najwiecej = KopieNajwiecejBajtow);
// Copies the open store of katalogBazy into Kopie/ and trims the copies; a stop requested
// through stop ends the copy and leaves no file; postep hears the percent copied. The error
// text in Polish, empty on success.
QString ZrobKopieAutomatyczna(const QString& katalogBazy, const QDateTime& chwila,
                              std::stop_token stop = {},
                              const std::function<void(int)>& postep = {});

// The program's automatic copies. The day's first copy is made on a thread of its own at
// the lowest priority, so the desk is at work meanwhile; the copy at close is made while the
// program waits. A
// failing copy is reported once in a run, on the program's thread, and never stops the
// program.
class TKopieAutomatyczne {
public:
    // Stops a copy still running and waits for it; a stopped copy leaves no file.
    ~TKopieAutomatyczne() = default;

    // At start: a copy in the background unless one of the day is there already (a server
    // store: unless another counter claimed the day in the store).
    void PrzyStarcie(const QString& katalogBazy, const QDateTime& chwila);
    // Stops the copy in the background, then copies the store.
    void PrzyZamknieciu(const QString& katalogBazy, const QDateTime& chwila);
    // Waits for the copy in the background to end and reports its failure.
    void Zaczekaj();
    // A copy runs in the background.
    bool Trwa() const { return watek.joinable() && !zakonczona; }

    // Hears, on the program's thread, the percent of the copy in the background as it
    // grows, and -1 once that copy has ended (made, failed or stopped).
    std::function<void(int)> Postep;

private:
    void Zglos(const QString& blad);
    // Takes the end of the background copy when it has ended.
    void Odbierz();
    bool zgloszono = false;
    int kopia = 0;      // counts the copies begun and ended; the progress heard names its copy
    QString wynikWTle;  // the background copy's error, read after joining
    std::atomic<bool> zakonczona = false;
    QObject kontekst;    // hears the background copy's end on the program's thread
    std::jthread watek;  // destroyed first: stopped and joined
};
