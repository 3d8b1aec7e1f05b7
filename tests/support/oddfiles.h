#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <sys/stat.h>

namespace tidewell::test {

// Files no reader should take for a feed, a list or a document: a FIFO (an open for reading blocks until
// a writer comes) and a device that never ends.
inline QString makeFifo(const QString &path) {
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 ? path : QString();
}
inline QString endlessDevice() {
    return QStringLiteral("/dev/zero");
}

// Writes size bytes of line breaks to path in blocks of 1 MB; false on a write error.
inline bool writeLineBreaks(const QString &path, qint64 size) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const QByteArray block(1024 * 1024, '\n');
    for (qint64 written = 0; written < size; written += block.size()) {
        if (file.write(block) != block.size()) {
            return false;
        }
    }
    return true;
}

} // namespace tidewell::test
