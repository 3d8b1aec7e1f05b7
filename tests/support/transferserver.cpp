#include "transferserver.h"

#include <QDeadlineTimer>

namespace tidewell::test {

TransferServer::TransferServer(Protocol protocol, const QStringList &extraArguments, const QString &stateDir)
    : m_protocol(protocol) {
    const QString name = protocol == Protocol::Ftp    ? QStringLiteral("ftp")
                         : protocol == Protocol::Ftps ? QStringLiteral("ftps")
                                                      : QStringLiteral("sftp");
    QStringList arguments{QStringLiteral(TIDEWELL_SUPPORT_DIR "/transferserver.py"),
                          name,
                          QStringLiteral("--root"),
                          m_root.path(),
                          QStringLiteral("--state"),
                          stateDir.isEmpty() ? m_state.path() : stateDir,
                          QStringLiteral("--user"),
                          user(),
                          QStringLiteral("--password"),
                          password()};
    arguments += extraArguments;
    m_process.start(QStringLiteral("/usr/bin/python3"), arguments);
    if (!m_process.waitForStarted(10000)) {
        m_errors = m_process.errorString();
        return;
    }
    // asyncssh takes a while to import on a loaded machine.
    const QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired()) {
        if (!m_process.canReadLine() && !m_process.waitForReadyRead(int(deadline.remainingTime()))) {
            break;
        }
        while (m_process.canReadLine()) {
            const QString line = QString::fromUtf8(m_process.readLine()).trimmed();
            if (line.startsWith(QLatin1String("PORT "))) {
                m_port = line.mid(5).toInt();
            } else if (line.startsWith(QLatin1String("KEY "))) {
                m_hostKey = line.mid(4);
            } else if (line.startsWith(QLatin1String("OTHERKEY "))) {
                m_otherKey = line.mid(9);
            }
        }
        if (m_port != 0 && (protocol != Protocol::Sftp || !m_otherKey.isEmpty())) {
            return;
        }
    }
    m_errors = QString::fromUtf8(m_process.readAllStandardError());
    m_port = 0;
}

TransferServer::~TransferServer() {
    m_process.closeWriteChannel();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(2000);
    }
}

QString TransferServer::address() const {
    const QString scheme = m_protocol == Protocol::Ftp    ? QStringLiteral("ftp")
                           : m_protocol == Protocol::Ftps ? QStringLiteral("ftps")
                                                          : QStringLiteral("sftp");
    return QStringLiteral("%1://127.0.0.1:%2").arg(scheme).arg(m_port);
}

} // namespace tidewell::test
