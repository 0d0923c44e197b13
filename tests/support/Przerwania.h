// Breaking an operation at a chosen statement of the active store: a failure (the statement
// is interrupted) or a kill of a child process running the operation, and a dump of the
// whole store to compare the state before and after.
#pragma once

#include <QString>
#include <functional>

// The active store as text: user_version, the schema and every row of every table.
QString ZrzutBazy();

// While it lives, the numer-th statement that starts on the active connection fails (counting
// from 1). Liczba() is the number of statements started so far.
class TBladNaPoleceniu {
public:
    explicit TBladNaPoleceniu(int numer);
    ~TBladNaPoleceniu();
    TBladNaPoleceniu(const TBladNaPoleceniu&) = delete;
    TBladNaPoleceniu& operator=(const TBladNaPoleceniu&) = delete;
    int Liczba() const { return liczba; }

private:
    static int slad(unsigned, void* ja, void*, void* sql);
    int n;
    int liczba = 0;
};

// Runs the operation in a child process connected to the store in the folder, killed
// with SIGKILL as the n-th statement starts. The parent's connection is closed meanwhile
// and opened again afterwards. Returns true when the child was killed, false when the
// operation ended before its n-th statement.
bool UbijNaPoleceniu(const QString& katalogBazy, int n, const std::function<void()>& operacja);
