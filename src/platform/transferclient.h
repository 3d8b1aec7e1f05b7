#pragma once

#include "platform/remotelisting.h"
#include "platform/result.h"

#include <curl/curl.h>
#include <functional>
#include <memory>
#include <QFile>
#include <QList>
#include <QObject>
#include <QString>

namespace tidewell::platform {

class CurlPump;

enum class TransferProtocol { Ftp, Ftps, Sftp };

// Where to log in: protocol, host, port and the user's credentials.
struct TransferServer {
    TransferProtocol protocol = TransferProtocol::Ftp;
    QString host;
    int port = 0; // 0: the protocol's own port (21, 22)
    QString user;
    QString password;

    // "host", "host:port" or "[ipv6]:port", optionally behind "ftp://", "ftps://" or "sftp://" (which
    // then decides the protocol; without one, fallback does). The error names what is wrong.
    static Result<TransferServer> parse(const QString &address,
                                        TransferProtocol fallback = TransferProtocol::Ftp);
    int effectivePort() const;
    // "host:port" as the trusted-certificate list names a server.
    QString hostPort() const;
};

// The file transfer client of the upload windows and tidewell-cli, on libcurl: FTP (passive), FTP over
// explicit TLS (control and data channel protected, the certificate verified) and SFTP (password login,
// host key checked against known_hosts). Every operation starts at once and returns; libcurl runs in
// the Qt event loop (CurlPump), and the events below are raised on the caller's thread while it does.
//
//   Idle --login--> Busy --> Ready --changeDirectory / store--> Busy --> Ready ... --logout--> Idle
//
// A login that fails (refused, unknown host, wrong password, time-out, untrusted server) returns to
// Idle. An operation that the server refuses returns to Ready with the connection kept. logout() closes
// the connection at once, also in the middle of an operation (which then ends as cancelled); it is how a
// closing window cancels a wait.
//
// Questions to the user (an unknown SSH host key, a TLS certificate that cannot be verified) go to
// onQuestion, or to Prompts when it is unset; a changed host key is refused with a warning.
class TransferClient final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TransferClient)

public:
    enum class State { Idle, Busy, Ready };
    enum class Question { UnknownHostKey, UntrustedCertificate };
    enum class TransferType { Binary, Ascii };
    struct StoreOptions {
        // Binary keeps the bytes exactly as they are; ASCII lets the server rewrite line ends.
        TransferType type = TransferType::Binary;
        // Creates missing folders of the remote path (the path then goes to the server folder by folder).
        bool createFolders = false;
    };

    explicit TransferClient(QObject *parent = nullptr);
    ~TransferClient() override;

    // Settings, read when an operation starts.
    int connectTimeoutMs = 30000;    // connecting and logging in
    int idleTimeoutMs = 60000;       // an operation that receives nothing for this long ends with an error
    QString knownHostsFile;          // empty: known_hosts in the user folder
    QString trustedCertificatesFile; // empty: trusted_certificates in the user folder
    qint64 maxListingSize = 16 * 1024 * 1024;
    // Returns true when the user accepts; text is the whole question.
    std::function<bool(Question question, const QString &text)> onQuestion;

    State state() const { return m_state; }
    bool isBusy() const { return m_state == State::Busy; }
    bool isConnected() const { return m_connected; }
    const TransferServer &server() const { return m_server; }

    // Connects, logs in and lists the directory the server starts in. Does nothing unless Idle.
    void login(const TransferServer &server);
    // Lists directory (an absolute path with '/' separators; empty: the starting directory) and makes
    // it the current one. Only when Ready; returns false when nothing was started.
    bool changeDirectory(const QString &directory);
    // Sends localPath to remotePath (absolute, '/' separators), replacing a file of that name. Only when
    // Ready, with a remote path and an existing local file; returns false when nothing was started.
    bool store(const QString &remotePath, const QString &localPath, StoreOptions options);
    bool store(const QString &remotePath, const QString &localPath) {
        return store(remotePath, localPath, {});
    }
    // Closes the connection at once; an operation in progress ends as cancelled.
    void logout();

    // Lets events run until the client is no longer busy; the outcome of the last operation.
    Status waitWhileBusy();
    const Status &lastResult() const { return m_result; }

    // The current directory (absolute, '/' separators) and its entries, from the last listing.
    const QString &currentDirectory() const { return m_directory; }
    const QList<RemoteEntry> &entries() const { return m_entries; }

    // The remote path of a local file stored into directory: directory, '/', the local file's name.
    // '\' separators of directory are taken as '/'; the root directory is "" or "/".
    static QString remoteFilePath(const QString &directory, const QString &localPath);

Q_SIGNALS:
    void connected();
    void disconnected();
    void errorReply(int code, const QString &line);
    void loginError(int code, const QString &text);
    void status(int code, const QString &info);
    void reply(int code, const QString &line);
    // A command line sent to the server (a password shown as "****").
    void commandSent(const QString &line);
    // A listing completed; currentDirectory() and entries() hold it.
    void directoryListed(const QString &directory);
    // Bytes sent of a file being stored.
    void storeProgress(qint64 sent, qint64 total);
    void stateChanged(tidewell::platform::TransferClient::State state);

private:
    enum class Operation { None, Login, List, Store };
    friend struct TransferCallbacks;

    CURL *newHandle(const QString &path, bool directory);
    CURL *newListingHandle(const QString &directory);
    void start(Operation operation, CURL *easy);
    void onFinished(CURL *easy, CURLcode code);
    void finishOperation(CURLcode code);
    void closeConnection();
    void setState(State state);
    void deliverEvents();
    void queue(std::function<void()> event);
    QString urlFor(const QString &path, bool directory) const;
    QString errorText(CURLcode code) const;

    // Callbacks of libcurl (run inside libcurl, so they only queue events).
    void debugText(curl_infotype type, const char *data, size_t size);
    void replyLine(const QString &line);
    int hostKey(const curl_khkey *found, curl_khmatch match);
    bool certificateFailed(const QByteArray &der, const QString &reason);
    bool ask(Question question, const QString &text);

    CurlPump *m_pump = nullptr;
    CURL *m_easy = nullptr;
    Operation m_operation = Operation::None;
    State m_state = State::Idle;
    bool m_connected = false;
    TransferServer m_server;
    Status m_result;
    QString m_directory;
    QString m_pendingDirectory;
    QString m_entryDirectory;
    QList<RemoteEntry> m_entries;
    QByteArray m_listing;
    bool m_listingTooLarge = false;
    QString m_refusal; // why a host key or certificate was refused
    QByteArray m_partialIn;
    int m_lastReplyCode = 0;
    QList<std::function<void()>> m_events;
    std::unique_ptr<QFile> m_upload;
    QString m_acceptedCertificate;
    qint64 m_lastProgress = 0;
    QString m_storePath;
    char m_errorBuffer[CURL_ERROR_SIZE] = {};
    bool m_delivering = false;
};

} // namespace tidewell::platform
