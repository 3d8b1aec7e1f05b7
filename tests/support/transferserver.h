#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace tidewell::test {

// A loopback FTP, FTP-over-TLS or SFTP server for one test (transferserver.py under /usr/bin/python3),
// serving the folder root() to the user "tester" with the password "secret". It stops when the object
// goes (its standard input closes), or by itself after two minutes.
class TransferServer final {
public:
    enum class Protocol { Ftp, Ftps, Sftp };
    // extraArguments: "--readonly", "--throttle" "N" ...; stateDir keeps host keys and certificates
    // between servers (empty: a folder of its own).
    explicit TransferServer(Protocol protocol, const QStringList &extraArguments = {},
                            const QString &stateDir = {});
    ~TransferServer();
    TransferServer(const TransferServer &) = delete;
    TransferServer &operator=(const TransferServer &) = delete;

    bool started() const { return m_port != 0; }
    int port() const { return m_port; }
    // "ftp://127.0.0.1:port" (ftps://, sftp://).
    QString address() const;
    QString root() const { return m_root.path(); }
    QString filePath(const QString &relative) const { return m_root.filePath(relative); }
    // SFTP: the server's host key and another key of the same type, as "type base64".
    QString hostKey() const { return m_hostKey; }
    QString otherKey() const { return m_otherKey; }
    QString errorOutput() const { return m_errors; }

    static QString user() { return QStringLiteral("tester"); }
    static QString password() { return QStringLiteral("secret"); }

private:
    Protocol m_protocol;
    QTemporaryDir m_root;
    QTemporaryDir m_state;
    QProcess m_process;
    int m_port = 0;
    QString m_hostKey;
    QString m_otherKey;
    QString m_errors;
};

} // namespace tidewell::test
