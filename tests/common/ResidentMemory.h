#pragma once
// The memory the process holds, for checks and benchmarks of how much an
// operation keeps.

#include <QFile>
#include <QList>

namespace tracol::testing {

// Resident memory of the process in MB (Linux; 0 where it cannot be read).
inline double residentMegabytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * 4096 / (1024 * 1024) : 0;
}

} // namespace tracol::testing
