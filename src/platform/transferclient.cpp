#include "platform/transferclient.h"

#include "platform/curlpump.h"
#include "platform/folders.h"
#include "platform/knownhosts.h"
#include "platform/prompts.h"

#include <openssl/ssl.h>
#include <openssl/x509.h>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QUrl>

namespace tidewell::platform {

namespace {

QString trServer(const char *text) {
    return QCoreApplication::translate("TransferServer", text);
}

constexpr qsizetype kMaxReplyLine = 64 * 1024;

int secondsOf(int milliseconds) {
    return std::max(1, (milliseconds + 999) / 1000);
}

// Failures after which the server still holds the connection: it refused one request.
bool keepsConnection(CURLcode code) {
    switch (code) {
    case CURLE_REMOTE_ACCESS_DENIED:
    case CURLE_UPLOAD_FAILED:
    case CURLE_REMOTE_FILE_NOT_FOUND:
    case CURLE_QUOTE_ERROR:
    case CURLE_FTP_COULDNT_RETR_FILE:
    case CURLE_REMOTE_DISK_FULL:
    case CURLE_REMOTE_FILE_EXISTS:
    case CURLE_READ_ERROR:
        return true;
    default:
        return false;
    }
}

int sslClientIndex() {
    static const int index = SSL_CTX_get_ex_new_index(0, nullptr, nullptr, nullptr, nullptr);
    return index;
}

} // namespace

// libcurl's C callbacks, forwarding to the client.
struct TransferCallbacks {
    static int debug(CURL *, curl_infotype type, char *data, size_t size, void *client) {
        static_cast<TransferClient *>(client)->debugText(type, data, size);
        return 0;
    }

    static size_t listingData(char *data, size_t size, size_t count, void *client) {
        auto *self = static_cast<TransferClient *>(client);
        const size_t bytes = size * count;
        if (qint64(self->m_listing.size()) + qint64(bytes) > self->maxListingSize) {
            self->m_listingTooLarge = true;
            return 0;
        }
        self->m_listing.append(data, qsizetype(bytes));
        return bytes;
    }

    static size_t uploadData(char *buffer, size_t size, size_t count, void *client) {
        auto *self = static_cast<TransferClient *>(client);
        const qint64 read = self->m_upload->read(buffer, qint64(size * count));
        return read < 0 ? CURL_READFUNC_ABORT : size_t(read);
    }

    static int progress(void *client, curl_off_t, curl_off_t, curl_off_t total, curl_off_t sent) {
        auto *self = static_cast<TransferClient *>(client);
        if (self->m_operation == TransferClient::Operation::Store && sent > 0 &&
            std::exchange(self->m_lastProgress, sent) != sent) {
            self->queue([self, sent, total] { Q_EMIT self->storeProgress(sent, total); });
        }
        return 0;
    }

    static int hostKey(CURL *, const curl_khkey *, const curl_khkey *found, curl_khmatch match,
                       void *client) {
        return static_cast<TransferClient *>(client)->hostKey(found, match);
    }

    static CURLcode sslContext(CURL *, void *context, void *client) {
        auto *ctx = static_cast<SSL_CTX *>(context);
        SSL_CTX_set_ex_data(ctx, sslClientIndex(), client);
        SSL_CTX_set_verify(ctx, SSL_VERIFY_PEER, &TransferCallbacks::verifyPeer);
        return CURLE_OK;
    }

    // OpenSSL asks here about each certificate of the chain that fails verification.
    static int verifyPeer(int ok, X509_STORE_CTX *store) {
        if (ok) {
            return 1;
        }
        auto *ssl =
            static_cast<SSL *>(X509_STORE_CTX_get_ex_data(store, SSL_get_ex_data_X509_STORE_CTX_idx()));
        auto *self =
            ssl ? static_cast<TransferClient *>(SSL_CTX_get_ex_data(SSL_get_SSL_CTX(ssl), sslClientIndex()))
                : nullptr;
        X509 *leaf = X509_STORE_CTX_get0_cert(store);
        if (!self || !leaf) {
            return 0;
        }
        const int length = i2d_X509(leaf, nullptr);
        if (length <= 0) {
            return 0;
        }
        QByteArray der(length, Qt::Uninitialized);
        auto *out = reinterpret_cast<unsigned char *>(der.data());
        i2d_X509(leaf, &out);
        const QString reason =
            QString::fromUtf8(X509_verify_cert_error_string(X509_STORE_CTX_get_error(store)));
        if (!self->certificateFailed(der, reason)) {
            return 0;
        }
        X509_STORE_CTX_set_error(store, X509_V_OK);
        return 1;
    }
};

Result<TransferServer> TransferServer::parse(const QString &address, TransferProtocol fallback) {
    QString rest = address.trimmed();
    TransferServer server;
    server.protocol = fallback;
    const qsizetype schemeEnd = rest.indexOf(QLatin1String("://"));
    if (schemeEnd >= 0) {
        const QString scheme = rest.left(schemeEnd).toLower();
        if (scheme == QLatin1String("ftp")) {
            server.protocol = TransferProtocol::Ftp;
        } else if (scheme == QLatin1String("ftps")) {
            server.protocol = TransferProtocol::Ftps;
        } else if (scheme == QLatin1String("sftp")) {
            server.protocol = TransferProtocol::Sftp;
        } else {
            return Result<TransferServer>::failure(
                trServer("Unknown protocol \"%1\": use ftp://, ftps:// or sftp://.").arg(scheme));
        }
        rest = rest.mid(schemeEnd + 3);
    }
    if (rest.endsWith(QLatin1Char('/'))) {
        rest.chop(1);
    }
    QString portText;
    if (rest.startsWith(QLatin1Char('['))) {
        const qsizetype close = rest.indexOf(QLatin1Char(']'));
        if (close < 0) {
            return Result<TransferServer>::failure(
                trServer("The server address \"%1\" lacks a \"]\".").arg(address));
        }
        server.host = rest.mid(1, close - 1);
        const QString after = rest.mid(close + 1);
        if (!after.isEmpty()) {
            if (!after.startsWith(QLatin1Char(':'))) {
                return Result<TransferServer>::failure(
                    trServer("The server address \"%1\" is not valid.").arg(address));
            }
            portText = after.mid(1);
        }
    } else if (rest.count(QLatin1Char(':')) == 1) {
        server.host = rest.section(QLatin1Char(':'), 0, 0);
        portText = rest.section(QLatin1Char(':'), 1);
    } else {
        server.host = rest; // a name, an IPv4 address or a bare IPv6 address
    }
    if (server.host.isEmpty()) {
        return Result<TransferServer>::failure(trServer("No server address given."));
    }
    for (const QChar c : std::as_const(server.host)) {
        if (c.isSpace() || c.unicode() < 0x20 || c == QLatin1Char('/') || c == QLatin1Char('@') ||
            c == QLatin1Char('\\') || c == QLatin1Char('[') || c == QLatin1Char(']')) {
            return Result<TransferServer>::failure(
                trServer("The server address \"%1\" is not valid.").arg(address));
        }
    }
    if (!portText.isNull()) {
        bool ok = false;
        const int port = portText.toInt(&ok);
        if (!ok || port < 1 || port > 65535) {
            return Result<TransferServer>::failure(
                trServer("\"%1\" is not a port number (1 to 65535).").arg(portText));
        }
        server.port = port;
    }
    return server;
}

int TransferServer::effectivePort() const {
    if (port != 0) {
        return port;
    }
    return protocol == TransferProtocol::Sftp ? 22 : 21;
}

QString TransferServer::hostPort() const {
    return QStringLiteral("%1:%2").arg(host).arg(effectivePort());
}

TransferClient::TransferClient(QObject *parent) : QObject(parent), m_pump(new CurlPump(this)) {
    connect(m_pump, &CurlPump::settled, this, &TransferClient::deliverEvents);
    connect(m_pump, &CurlPump::finished, this, &TransferClient::onFinished);
}

TransferClient::~TransferClient() {
    if (m_easy) {
        m_pump->remove(m_easy);
        curl_easy_cleanup(m_easy);
        m_easy = nullptr;
    }
}

QString TransferClient::remoteFilePath(const QString &directory, const QString &localPath) {
    QString path = directory;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!path.startsWith(QLatin1Char('/'))) {
        path.prepend(QLatin1Char('/'));
    }
    if (!path.endsWith(QLatin1Char('/'))) {
        path += QLatin1Char('/');
    }
    return path + fileNamePart(localPath);
}

QString TransferClient::urlFor(const QString &path, bool directory) const {
    const bool sftp = m_server.protocol == TransferProtocol::Sftp;
    QString url = sftp ? QStringLiteral("sftp://") : QStringLiteral("ftp://");
    url += m_server.host.contains(QLatin1Char(':')) ? QLatin1Char('[') + m_server.host + QLatin1Char(']')
                                                    : m_server.host;
    url += QLatin1Char(':') + QString::number(m_server.effectivePort()) + QLatin1Char('/');
    if (path.isEmpty()) {
        // The directory the server starts in.
        return url + (sftp ? QStringLiteral("~/") : QString());
    }
    QStringList segments;
    for (const QString &segment : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        segments.append(QString::fromLatin1(QUrl::toPercentEncoding(segment)));
    }
    // An FTP path is absolute when its first '/' is encoded; SFTP paths always are.
    QString encoded = (sftp ? QString() : QStringLiteral("%2F")) + segments.join(QLatin1Char('/'));
    if (directory && !segments.isEmpty()) {
        encoded += QLatin1Char('/');
    }
    return url + encoded;
}

CURL *TransferClient::newHandle(const QString &path, bool directory) {
    CURL *easy = curl_easy_init();
    const auto set = [easy](CURLoption option, auto value) { curl_easy_setopt(easy, option, value); };
    set(CURLOPT_URL, urlFor(path, directory).toUtf8().constData());
    set(CURLOPT_PROTOCOLS_STR, "ftp,sftp");
    set(CURLOPT_USERNAME, m_server.user.toUtf8().constData());
    set(CURLOPT_PASSWORD, m_server.password.toUtf8().constData());
    set(CURLOPT_NOSIGNAL, 1L);
    set(CURLOPT_NOPROXY, "*");
    set(CURLOPT_CONNECTTIMEOUT_MS, long(connectTimeoutMs));
    set(CURLOPT_LOW_SPEED_LIMIT, 1L);
    set(CURLOPT_LOW_SPEED_TIME, long(secondsOf(idleTimeoutMs)));
    set(CURLOPT_SERVER_RESPONSE_TIMEOUT, long(secondsOf(idleTimeoutMs)));
    set(CURLOPT_FTP_USE_EPSV, 0L);
    set(CURLOPT_FTP_FILEMETHOD, long(CURLFTPMETHOD_NOCWD));
    set(CURLOPT_ERRORBUFFER, m_errorBuffer);
    set(CURLOPT_VERBOSE, 1L);
    set(CURLOPT_DEBUGFUNCTION, &TransferCallbacks::debug);
    set(CURLOPT_DEBUGDATA, this);
    if (m_server.protocol == TransferProtocol::Ftps) {
        set(CURLOPT_USE_SSL, long(CURLUSESSL_ALL));
        set(CURLOPT_SSL_CTX_FUNCTION, &TransferCallbacks::sslContext);
        set(CURLOPT_SSL_CTX_DATA, this);
    }
    if (m_server.protocol == TransferProtocol::Sftp) {
        const QString knownHosts = knownHostsFile.isEmpty() ? KnownHosts::defaultFile() : knownHostsFile;
        set(CURLOPT_SSH_AUTH_TYPES, long(CURLSSH_AUTH_PASSWORD));
        set(CURLOPT_SSH_KNOWNHOSTS, knownHosts.toUtf8().constData());
        set(CURLOPT_SSH_KEYFUNCTION, &TransferCallbacks::hostKey);
        set(CURLOPT_SSH_KEYDATA, this);
    }
    CurlPump::watchSockets(easy, m_pump);
    m_errorBuffer[0] = '\0';
    return easy;
}

void TransferClient::start(Operation operation, CURL *easy) {
    m_operation = operation;
    m_easy = easy;
    m_refusal.clear();
    m_partialIn.clear();
    m_result = Status();
    setState(State::Busy);
    m_pump->add(easy);
}

CURL *TransferClient::newListingHandle(const QString &directory) {
    m_listing.clear();
    m_listingTooLarge = false;
    CURL *easy = newHandle(directory, true);
    curl_easy_setopt(easy, CURLOPT_TRANSFERTEXT, 1L);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &TransferCallbacks::listingData);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, this);
    return easy;
}

void TransferClient::login(const TransferServer &server) {
    if (m_state != State::Idle) {
        return;
    }
    m_server = server;
    m_directory.clear();
    m_entryDirectory.clear();
    m_entries.clear();
    m_acceptedCertificate.clear();
    m_lastReplyCode = 0;
    CURL *easy = newListingHandle(QString());
    queue([this] { Q_EMIT status(0, tr("Connecting to %1").arg(m_server.hostPort())); });
    start(Operation::Login, easy);
    deliverEvents();
}

bool TransferClient::changeDirectory(const QString &directory) {
    if (m_state != State::Ready) {
        return false;
    }
    QString path = directory;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    m_pendingDirectory = path.isEmpty() ? m_entryDirectory : QLatin1Char('/') + parts.join(QLatin1Char('/'));
    CURL *easy = newListingHandle(m_pendingDirectory);
    queue([this] { Q_EMIT status(0, tr("Listing %1").arg(m_pendingDirectory)); });
    start(Operation::List, easy);
    deliverEvents();
    return true;
}

bool TransferClient::store(const QString &remotePath, const QString &localPath, StoreOptions options) {
    if (m_state != State::Ready || remotePath.isEmpty()) {
        return false;
    }
    auto file = std::make_unique<QFile>(localPath);
    if (!QFileInfo(localPath).isFile() || !file->open(QIODevice::ReadOnly)) {
        return false;
    }
    QString path = remotePath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    m_storePath = path;
    m_upload = std::move(file);
    m_lastProgress = 0;
    CURL *easy = newHandle(path, false);
    curl_easy_setopt(easy, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(easy, CURLOPT_READFUNCTION, &TransferCallbacks::uploadData);
    curl_easy_setopt(easy, CURLOPT_READDATA, this);
    curl_easy_setopt(easy, CURLOPT_INFILESIZE_LARGE, curl_off_t(m_upload->size()));
    curl_easy_setopt(easy, CURLOPT_TRANSFERTEXT, options.type == TransferType::Ascii ? 1L : 0L);
    curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, &TransferCallbacks::progress);
    curl_easy_setopt(easy, CURLOPT_XFERINFODATA, this);
    if (options.createFolders) {
        curl_easy_setopt(easy, CURLOPT_FTP_FILEMETHOD, long(CURLFTPMETHOD_MULTICWD));
        curl_easy_setopt(easy, CURLOPT_FTP_CREATE_MISSING_DIRS, long(CURLFTP_CREATE_DIR_RETRY));
    }
    queue([this] { Q_EMIT status(0, tr("Storing %1").arg(m_storePath)); });
    start(Operation::Store, easy);
    deliverEvents();
    return true;
}

void TransferClient::logout() {
    if (m_pump->insideCurl()) {
        // A window closed while libcurl waits on a question: log out once libcurl has returned.
        QMetaObject::invokeMethod(this, &TransferClient::logout, Qt::QueuedConnection);
        return;
    }
    if (m_easy) {
        m_pump->remove(m_easy);
        curl_easy_cleanup(m_easy);
        m_easy = nullptr;
        m_upload.reset();
        m_operation = Operation::None;
        m_result = Status::failure(tr("The transfer was cancelled."));
    }
    closeConnection();
    queue([this] { setState(State::Idle); });
    deliverEvents();
}

Status TransferClient::waitWhileBusy() {
    if (m_state == State::Busy) {
        QEventLoop loop;
        connect(this, &TransferClient::stateChanged, &loop, [&loop](State state) {
            if (state != State::Busy) {
                loop.quit();
            }
        });
        loop.exec();
    }
    return m_result;
}

void TransferClient::onFinished(CURL *easy, CURLcode code) {
    if (easy != m_easy) {
        return;
    }
    finishOperation(code);
}

void TransferClient::finishOperation(CURLcode code) {
    const Operation operation = std::exchange(m_operation, Operation::None);
    const char *entryPath = nullptr;
    if (operation == Operation::Login && code == CURLE_OK) {
        curl_easy_getinfo(m_easy, CURLINFO_FTP_ENTRY_PATH, &entryPath);
    }
    // Copied now: libcurl's text goes with the handle.
    const QString entryDirectory =
        entryPath && *entryPath ? QString::fromUtf8(entryPath) : QStringLiteral("/");
    m_pump->remove(m_easy);
    curl_easy_cleanup(m_easy);
    m_easy = nullptr;
    m_upload.reset();
    deliverEvents();

    if (code != CURLE_OK) {
        const QString text = errorText(code);
        m_result = Status::failure(text);
        if (operation == Operation::Login) {
            const int replyCode = m_lastReplyCode >= 400 ? m_lastReplyCode : int(code);
            queue([this, replyCode, text] { Q_EMIT loginError(replyCode, text); });
        } else {
            queue([this, text] { Q_EMIT status(0, text); });
        }
        if (operation == Operation::Login || !m_connected || !keepsConnection(code)) {
            closeConnection();
            queue([this] { setState(State::Idle); });
        } else {
            queue([this] { setState(State::Ready); });
        }
        deliverEvents();
        return;
    }

    if (operation == Operation::Store) {
        queue([this] { Q_EMIT status(0, tr("%1 stored").arg(m_storePath)); });
    } else {
        if (operation == Operation::Login) {
            m_entryDirectory = entryDirectory;
            m_directory = m_entryDirectory;
        } else {
            m_directory = m_pendingDirectory;
        }
        m_entries = parseRemoteListing(m_listing);
        m_listing.clear();
        if (operation == Operation::Login) {
            queue([this] { Q_EMIT status(0, tr("Logged in to %1").arg(m_server.hostPort())); });
        }
        queue([this] { Q_EMIT directoryListed(m_directory); });
    }
    queue([this] { setState(State::Ready); });
    deliverEvents();
}

void TransferClient::closeConnection() {
    m_pump->closeConnections();
    if (m_connected) {
        m_connected = false;
        queue([this] { Q_EMIT disconnected(); });
    }
}

void TransferClient::setState(State state) {
    if (m_state == state) {
        return;
    }
    m_state = state;
    Q_EMIT stateChanged(state);
}

void TransferClient::queue(std::function<void()> event) {
    m_events.append(std::move(event));
}

void TransferClient::deliverEvents() {
    if (m_delivering) {
        return; // the loop further up delivers what was added
    }
    m_delivering = true;
    while (!m_events.isEmpty()) {
        const std::function<void()> event = m_events.takeFirst();
        event();
    }
    m_delivering = false;
}

QString TransferClient::errorText(CURLcode code) const {
    if (!m_refusal.isEmpty()) {
        return m_refusal;
    }
    if (code == CURLE_WRITE_ERROR && m_listingTooLarge) {
        return tr("The directory listing is larger than %1 bytes.").arg(maxListingSize);
    }
    const QString detail = QString::fromUtf8(m_errorBuffer).trimmed();
    return detail.isEmpty() ? QString::fromUtf8(curl_easy_strerror(code)) : detail;
}

void TransferClient::debugText(curl_infotype type, const char *data, size_t size) {
    const QByteArray bytes(data, qsizetype(size));
    switch (type) {
    case CURLINFO_TEXT:
        if (bytes.startsWith("Connected to ") && !m_connected) {
            m_connected = true;
            queue([this] { Q_EMIT connected(); });
        } else if (bytes.startsWith("Closing connection") && m_connected) {
            m_connected = false;
            queue([this] { Q_EMIT disconnected(); });
        }
        break;
    case CURLINFO_HEADER_IN: {
        m_partialIn += bytes;
        if (m_partialIn.size() > kMaxReplyLine && !m_partialIn.contains('\n')) {
            m_partialIn += '\n'; // a reply line without end is shown in pieces
        }
        qsizetype end;
        while ((end = m_partialIn.indexOf('\n')) >= 0) {
            QByteArray line = m_partialIn.left(end);
            m_partialIn.remove(0, end + 1);
            while (line.endsWith('\r')) {
                line.chop(1);
            }
            replyLine(QString::fromUtf8(line));
        }
        break;
    }
    case CURLINFO_HEADER_OUT: {
        QString line = QString::fromUtf8(bytes).trimmed();
        if (line.startsWith(QLatin1String("PASS "), Qt::CaseInsensitive)) {
            line = QStringLiteral("PASS ****");
        }
        queue([this, line] { Q_EMIT commandSent(line); });
        break;
    }
    default:
        break;
    }
}

void TransferClient::replyLine(const QString &line) {
    int code = m_lastReplyCode;
    if (line.size() >= 3 && line.at(0).isDigit() && line.at(1).isDigit() && line.at(2).isDigit()) {
        code = line.left(3).toInt();
        m_lastReplyCode = code;
    }
    queue([this, code, line] { Q_EMIT reply(code, line); });
    if (code >= 400) {
        queue([this, code, line] { Q_EMIT errorReply(code, line); });
    }
}

bool TransferClient::ask(Question question, const QString &text) {
    if (onQuestion) {
        return onQuestion(question, text);
    }
    return Prompts::current().message(PromptType::Confirmation, tr("Unknown server"), text,
                                      PromptButtons::YesNo) == PromptAnswer::Yes;
}

int TransferClient::hostKey(const curl_khkey *found, curl_khmatch match) {
    if (match == CURLKHMATCH_OK) {
        return CURLKHSTAT_FINE;
    }
    if (!found || !found->key) {
        m_refusal = tr("The server %1 sent no host key.").arg(m_server.hostPort());
        return CURLKHSTAT_REJECT;
    }
    const QByteArray blob = found->len ? QByteArray(found->key, qsizetype(found->len))
                                       : QByteArray::fromBase64(QByteArray(found->key));
    const QString fingerprint = KnownHosts::fingerprint(blob);
    const QString file = knownHostsFile.isEmpty() ? KnownHosts::defaultFile() : knownHostsFile;
    if (match == CURLKHMATCH_MISMATCH) {
        m_refusal = tr("WARNING: the host key of %1 has changed; it is now %2. The connection was refused: "
                       "someone may be listening in. If the server's key was really replaced, remove its "
                       "line from %3 and connect again.")
                        .arg(m_server.hostPort(), fingerprint, file);
        const QString warning = m_refusal;
        queue([warning] { Prompts::warning(warning); });
        return CURLKHSTAT_REJECT;
    }
    const QString question = tr("The server %1 is not known yet. Its %2 host key has the fingerprint\n%3\n"
                                "Do you trust this server and want to connect to it?")
                                 .arg(m_server.hostPort(), KnownHosts::keyType(blob), fingerprint);
    if (!ask(Question::UnknownHostKey, question)) {
        m_refusal = tr("The host key of %1 (%2) was not accepted.").arg(m_server.hostPort(), fingerprint);
        return CURLKHSTAT_REJECT;
    }
    const Status added = KnownHosts::add(file, m_server.host, m_server.effectivePort(), blob);
    if (!added) {
        queue([this, text = added.error()] { Q_EMIT status(0, text); });
    }
    return CURLKHSTAT_FINE;
}

bool TransferClient::certificateFailed(const QByteArray &der, const QString &reason) {
    const QString fingerprint = TrustedCertificates::fingerprint(der);
    if (fingerprint == m_acceptedCertificate) {
        return true;
    }
    const QString file =
        trustedCertificatesFile.isEmpty() ? TrustedCertificates::defaultFile() : trustedCertificatesFile;
    if (TrustedCertificates::contains(file, m_server.hostPort(), fingerprint)) {
        m_acceptedCertificate = fingerprint;
        return true;
    }
    const QString question = tr("The certificate of the server %1 cannot be verified (%2).\n"
                                "Its SHA-256 fingerprint is\n%3\n"
                                "Do you trust this certificate for this server?")
                                 .arg(m_server.hostPort(), reason, fingerprint);
    if (!ask(Question::UntrustedCertificate, question)) {
        m_refusal = tr("The certificate of %1 was not accepted (%2).").arg(m_server.hostPort(), reason);
        return false;
    }
    m_acceptedCertificate = fingerprint;
    const Status added = TrustedCertificates::add(file, m_server.hostPort(), fingerprint);
    if (!added) {
        queue([this, text = added.error()] { Q_EMIT status(0, text); });
    }
    return true;
}

} // namespace tidewell::platform
