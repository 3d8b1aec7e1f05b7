#include "fixtureserver.h"

#include <QFile>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>

namespace tidewell::test {

namespace {
constexpr qsizetype kMaxRequestBytes = 64 * 1024;

QByteArray readFixture(const QString &name) {
    QFile file(QStringLiteral(TIDEWELL_SUPPORT_DIR "/fixtures/") + name);
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("fixture server: cannot read %s", qPrintable(file.fileName()));
    }
    return file.readAll();
}

QByteArray reasonPhrase(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}
} // namespace

FixtureServer::FixtureServer(bool https, QObject *parent) : QObject(parent), m_https(https) {
    if (https) {
        auto *server = new QSslServer(this);
        QSslConfiguration config = QSslConfiguration::defaultConfiguration();
        config.setLocalCertificate(certificate());
        config.setPrivateKey(QSslKey(readFixture(QStringLiteral("loopback.key")), QSsl::Rsa));
        config.setPeerVerifyMode(QSslSocket::VerifyNone);
        server->setSslConfiguration(config);
        // Requests are read once the handshake is done.
        connect(server, &QSslServer::startedEncryptionHandshake, this, [](QSslSocket *) {});
        m_server = server;
    } else {
        m_server = new QTcpServer(this);
    }
    connect(m_server, &QTcpServer::pendingConnectionAvailable, this, &FixtureServer::accept);
    if (!m_server->listen(QHostAddress::LocalHost)) {
        qFatal("fixture server: cannot listen on loopback");
    }
}

FixtureServer::~FixtureServer() {
    m_server->close();
}

void FixtureServer::serve(const QByteArray &path, const QByteArray &body, int status) {
    Reply reply;
    reply.status = status;
    reply.body = body;
    route(path, reply);
}

void FixtureServer::serveFile(const QByteArray &path, const QString &fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("fixture server: cannot read %s", qPrintable(fileName));
    }
    serve(path, file.readAll());
}

void FixtureServer::redirect(const QByteArray &path, const QByteArray &location, int status) {
    Reply reply;
    reply.status = status;
    reply.headers.append({"Location", location});
    route(path, reply);
}

void FixtureServer::hang(const QByteArray &path) {
    Reply reply;
    reply.mode = Mode::Hang;
    route(path, reply);
}

void FixtureServer::endless(const QByteArray &path) {
    Reply reply;
    reply.mode = Mode::Endless;
    route(path, reply);
}

quint16 FixtureServer::port() const {
    return m_server->serverPort();
}

QString FixtureServer::url(const QByteArray &path) const {
    return QStringLiteral("%1://127.0.0.1:%2%3")
        .arg(m_https ? QStringLiteral("https") : QStringLiteral("http"))
        .arg(port())
        .arg(QString::fromLatin1(path));
}

QSslCertificate FixtureServer::certificate() {
    return QSslCertificate(readFixture(QStringLiteral("loopback.crt")));
}

quint16 FixtureServer::refusedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

void FixtureServer::accept() {
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        socket->setParent(this);
        m_pending.insert(socket, {});
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_pending.remove(socket);
            socket->deleteLater();
        });
        if (socket->bytesAvailable() > 0) {
            readRequest(socket);
        }
    }
}

void FixtureServer::readRequest(QTcpSocket *socket) {
    auto it = m_pending.find(socket);
    if (it == m_pending.end()) {
        return;
    }
    it.value() += socket->readAll();
    const QByteArray &data = it.value();
    const qsizetype end = data.indexOf("\r\n\r\n");
    if (end < 0) {
        if (data.size() > kMaxRequestBytes) {
            socket->abort();
        }
        return;
    }
    const QList<QByteArray> lines = data.left(end).split('\n');
    Request request;
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    request.method = first.value(0);
    request.path = first.value(1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon > 0) {
            request.headers.insert(lines[i].left(colon).trimmed().toLower(),
                                   lines[i].mid(colon + 1).trimmed());
        }
    }
    m_requests.append(request);
    m_pending.remove(socket);
    disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
    answer(socket, request.path);
}

void FixtureServer::answer(QTcpSocket *socket, const QByteArray &path) {
    const auto it = m_routes.constFind(path);
    Reply reply;
    if (it != m_routes.constEnd()) {
        reply = it.value();
    } else {
        reply.status = 404;
        reply.body = "<html><body>Not found</body></html>";
    }
    if (reply.mode == Mode::Hang) {
        return; // keep the connection open, send nothing
    }
    QByteArray head =
        "HTTP/1.0 " + QByteArray::number(reply.status) + ' ' + reasonPhrase(reply.status) + "\r\n";
    for (const auto &[name, value] : reply.headers) {
        head += name + ": " + value + "\r\n";
    }
    if (reply.mode == Mode::Endless) {
        head += "Content-Type: application/rss+xml\r\n\r\n<rss>";
        socket->write(head);
        const QByteArray block(64 * 1024, 'x');
        connect(socket, &QTcpSocket::bytesWritten, socket, [socket, block] {
            if (socket->bytesToWrite() < block.size()) {
                socket->write(block);
            }
        });
        socket->write(block);
        return;
    }
    head += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\nConnection: close\r\n\r\n";
    socket->write(head + reply.body);
    socket->disconnectFromHost();
}

} // namespace tidewell::test
