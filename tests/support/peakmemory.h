#pragma once

#include <QByteArray>
#include <QFile>

namespace tidewell::test {

// Peak memory of this process around one operation, from /proc/self/status: the peak (VmHWM) is reset to
// the current use first (writing "5" to /proc/self/clear_refs), so earlier tests do not hide a rise.
class PeakMemory final {
public:
    // Resets the peak; false when the system does not allow it (the caller then skips).
    bool start() {
        QFile clear(QStringLiteral("/proc/self/clear_refs"));
        if (!clear.open(QIODevice::WriteOnly) || clear.write("5") != 1) {
            return false;
        }
        clear.close();
        m_start = field("VmRSS:");
        return m_start > 0;
    }
    // How far the peak rose above the use at start(), in kB.
    qint64 riseKb() const { return field("VmHWM:") - m_start; }

private:
    static qint64 field(const char *name) {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly)) {
            return -1;
        }
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith(name)) {
                return line.mid(qsizetype(qstrlen(name))).trimmed().split(' ').value(0).toLongLong();
            }
        }
        return -1;
    }
    qint64 m_start = 0;
};

} // namespace tidewell::test
