#pragma once

#include <QCoreApplication>
#include <QList>
#include <sys/resource.h>

// Pieces the benchmark programs share.
namespace tidewell::bench {

// CPU time (user + system) in milliseconds: of this process (RUSAGE_SELF) or of the children it waited
// for (RUSAGE_CHILDREN).
inline double cpuMs(int who) {
    rusage usage{};
    getrusage(who, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// The sizes given as the program's arguments, or the defaults when none are.
inline QList<int> sizesFromArguments(const QList<int> &defaults) {
    QList<int> sizes;
    for (const QString &arg : QCoreApplication::arguments().mid(1)) {
        sizes.append(arg.toInt());
    }
    return sizes.isEmpty() ? defaults : sizes;
}

} // namespace tidewell::bench
