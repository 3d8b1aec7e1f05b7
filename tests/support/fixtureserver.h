#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSslCertificate>
#include <QString>

class QTcpServer;
class QTcpSocket;

namespace tidewell::test {

// An HTTP server on 127.0.0.1 for one test, in the test's own thread: it serves fixtures from memory,
// answers redirects and error codes, can hang without answering (time-out tests), send forever, plain or
// chunked (size limit tests), trickle one byte at a time (stall tests) or close before the announced
// length (cut-short tests), and records every request. Unknown paths get 404. It stops with the object.
// With https set it serves TLS with a self-signed certificate for 127.0.0.1 (certificate()).
class FixtureServer final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FixtureServer)

public:
    enum class Mode { Answer, Hang, Endless, EndlessChunked, Trickle, CutShort };
    struct Reply {
        int status = 200;
        QByteArray body;
        QList<QPair<QByteArray, QByteArray>> headers;
        Mode mode = Mode::Answer;
        // CutShort: the Content-Length announced (the body sent is shorter).
        qint64 announcedLength = -1;
        // Trickle: the body goes out pieceSize bytes every intervalMs.
        qsizetype pieceSize = 1;
        int intervalMs = 1000;
    };
    struct Request {
        QByteArray method;
        QByteArray path;
        QHash<QByteArray, QByteArray> headers; // names in lower case
    };

    explicit FixtureServer(bool https = false, QObject *parent = nullptr);
    ~FixtureServer() override;

    void route(const QByteArray &path, const Reply &reply) { m_routes.insert(path, reply); }
    void serve(const QByteArray &path, const QByteArray &body, int status = 200);
    void serveFile(const QByteArray &path, const QString &fileName);
    void redirect(const QByteArray &path, const QByteArray &location, int status = 302);
    void hang(const QByteArray &path);
    void endless(const QByteArray &path);
    void endlessChunked(const QByteArray &path);
    // Announces body, then sends it pieceSize bytes every intervalMs.
    void trickle(const QByteArray &path, const QByteArray &body, qsizetype pieceSize, int intervalMs);
    // Announces announcedLength bytes, sends body, then closes the connection.
    void cutShort(const QByteArray &path, const QByteArray &body, qint64 announcedLength);
    // Serves body with the given Content-Encoding header (the body is sent as it stands).
    void serveEncoded(const QByteArray &path, const QByteArray &body, const QByteArray &encoding);

    // Routes under /hostile/ on which the server misbehaves; every fetch of them must fail:
    //   redirect-file, redirect-data   a redirect to file:///etc/passwd, to a data: address
    //   redirect-chain                 a redirect to redirect-file
    //   trickle                        a feed announced, then one byte per second
    //   cut-short                      a feed shorter than its Content-Length, then the connection closes
    //   broken-gzip                    Content-Encoding: gzip over bytes that are not gzip
    //   cut-gzip                       a gzip stream cut in the middle, with a matching Content-Length
    //   unknown-encoding               Content-Encoding: br, never asked for
    void serveHostile();

    quint16 port() const;
    // "http://127.0.0.1:<port><path>" (https:// for a TLS server).
    QString url(const QByteArray &path) const;
    const QList<Request> &requests() const { return m_requests; }

    // The certificate the TLS server presents (trust it in the client under test).
    static QSslCertificate certificate();
    // A loopback port on which nothing listens.
    static quint16 refusedPort();
    // data repeated times times, as a gzip stream (streamed: a large expansion needs no large buffer).
    static QByteArray gzip(const QByteArray &data, qint64 times = 1);

private:
    void accept();
    void readRequest(QTcpSocket *socket);
    void answer(QTcpSocket *socket, const QByteArray &path);
    static void pump(QTcpSocket *socket, const QByteArray &block);

    QTcpServer *m_server = nullptr;
    bool m_https = false;
    QHash<QByteArray, Reply> m_routes;
    QHash<QTcpSocket *, QByteArray> m_pending;
    QList<Request> m_requests;
};

} // namespace tidewell::test
