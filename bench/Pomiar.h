// What the measuring tools share: the process's peak resident memory.
#pragma once

#include <QFile>

// The peak resident memory of this process so far, in megabytes (0 when unknown).
inline qint64 SzczytPamieciMB() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& l : f.readAll().split('\n'))
        if (l.startsWith("VmHWM:"))
            return l.mid(6).trimmed().split(' ').value(0).toLongLong() / 1024;
    return 0;
}
