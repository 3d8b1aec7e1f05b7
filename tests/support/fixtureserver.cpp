#include "fixtureserver.h"

#include <QFile>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <zlib.h>

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

void FixtureServer::endlessChunked(const QByteArray &path) {
    Reply reply;
    reply.mode = Mode::EndlessChunked;
    route(path, reply);
}

void FixtureServer::trickle(const QByteArray &path, const QByteArray &body, qsizetype pieceSize,
                            int intervalMs) {
    Reply reply;
    reply.mode = Mode::Trickle;
    reply.body = body;
    reply.pieceSize = pieceSize;
    reply.intervalMs = intervalMs;
    route(path, reply);
}

void FixtureServer::serveHostile() {
    const QByteArray feed = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                            "<rss version=\"2.0\">\n  <channel>\n    <title>Harbour news</title>\n"
                            "    <link>http://harbour.example/</link>\n    <description>Tides &amp; "
                            "ships</description>\n    <item>\n      <title>Spring tide</title>\n"
                            "    </item>\n  </channel>\n</rss>\n";
    redirect("/hostile/redirect-file", "file:///etc/passwd");
    redirect("/hostile/redirect-data", "data:text/plain,%3Crss%3E%3C/rss%3E", 301);
    redirect("/hostile/redirect-chain", "/hostile/redirect-file", 307);
    trickle("/hostile/trickle", feed, 1, 1000);
    cutShort("/hostile/cut-short", feed.left(feed.size() / 2), feed.size());
    // A gzip header, then bytes that are no deflate stream.
    serveEncoded("/hostile/broken-gzip", QByteArray::fromHex("1f8b0800000000000003") + "garbage\xff\xfe\n",
                 "gzip");
    const QByteArray packed = gzip(feed);
    serveEncoded("/hostile/cut-gzip", packed.left(packed.size() / 2), "gzip");
    serveEncoded("/hostile/unknown-encoding", feed, "br");
}

void FixtureServer::cutShort(const QByteArray &path, const QByteArray &body, qint64 announcedLength) {
    Reply reply;
    reply.mode = Mode::CutShort;
    reply.body = body;
    reply.announcedLength = announcedLength;
    route(path, reply);
}

void FixtureServer::serveEncoded(const QByteArray &path, const QByteArray &body, const QByteArray &encoding) {
    Reply reply;
    reply.body = body;
    reply.headers.append({"Content-Encoding", encoding});
    route(path, reply);
}

QByteArray FixtureServer::gzip(const QByteArray &data, qint64 times) {
    z_stream stream{};
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, 15 + 16, 9, Z_DEFAULT_STRATEGY) != Z_OK) {
        qFatal("fixture server: deflateInit2 failed");
    }
    QByteArray out;
    char buffer[64 * 1024];
    for (qint64 i = 0; i <= times; ++i) {
        const bool last = i == times;
        stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
        stream.avail_in = last ? 0 : uInt(data.size());
        do {
            stream.next_out = reinterpret_cast<Bytef *>(buffer);
            stream.avail_out = sizeof buffer;
            deflate(&stream, last ? Z_FINISH : Z_NO_FLUSH);
            out.append(buffer, qsizetype(sizeof buffer - stream.avail_out));
        } while (stream.avail_out == 0);
    }
    deflateEnd(&stream);
    return out;
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
    switch (reply.mode) {
    case Mode::Endless:
        socket->write(head + "Content-Type: application/rss+xml\r\n\r\n<rss>");
        pump(socket, QByteArray(64 * 1024, 'x'));
        return;
    case Mode::EndlessChunked: {
        head.replace(0, 8, "HTTP/1.1");
        socket->write(head + "Content-Type: application/rss+xml\r\nTransfer-Encoding: chunked\r\n\r\n");
        const QByteArray data(64 * 1024, 'x');
        pump(socket, QByteArray::number(data.size(), 16) + "\r\n" + data + "\r\n");
        return;
    }
    case Mode::Trickle: {
        socket->write(head + "Content-Type: application/rss+xml\r\nContent-Length: " +
                      QByteArray::number(reply.body.size()) + "\r\n\r\n");
        auto *timer = new QTimer(socket);
        connect(timer, &QTimer::timeout, socket, [socket, timer, reply, sent = qsizetype(0)]() mutable {
            socket->write(reply.body.mid(sent, reply.pieceSize));
            sent += reply.pieceSize;
            if (sent >= reply.body.size()) {
                timer->stop();
                socket->disconnectFromHost();
            }
        });
        timer->start(reply.intervalMs);
        return;
    }
    case Mode::CutShort:
        socket->write(head + "Content-Length: " + QByteArray::number(reply.announcedLength) +
                      "\r\nConnection: close\r\n\r\n" + reply.body);
        socket->disconnectFromHost();
        return;
    case Mode::Answer:
    case Mode::Hang:
        break;
    }
    head += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\nConnection: close\r\n\r\n";
    socket->write(head + reply.body);
    socket->disconnectFromHost();
}

// Writes block after block for as long as the client reads, keeping at most two blocks queued.
void FixtureServer::pump(QTcpSocket *socket, const QByteArray &block) {
    connect(socket, &QTcpSocket::bytesWritten, socket, [socket, block] {
        if (socket->bytesToWrite() < block.size()) {
            socket->write(block);
        }
    });
    socket->write(block);
}

} // namespace tidewell::test
