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
// answers redirects and error codes, can hang without answering (time-out tests) or send forever (size
// limit tests), and records every request. Unknown paths get 404. It stops with the object.
// With https set it serves TLS with a self-signed certificate for 127.0.0.1 (certificate()).
class FixtureServer final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FixtureServer)

public:
    enum class Mode { Answer, Hang, Endless };
    struct Reply {
        int status = 200;
        QByteArray body;
        QList<QPair<QByteArray, QByteArray>> headers;
        Mode mode = Mode::Answer;
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

    quint16 port() const;
    // "http://127.0.0.1:<port><path>" (https:// for a TLS server).
    QString url(const QByteArray &path) const;
    const QList<Request> &requests() const { return m_requests; }

    // The certificate the TLS server presents (trust it in the client under test).
    static QSslCertificate certificate();
    // A loopback port on which nothing listens.
    static quint16 refusedPort();

private:
    void accept();
    void readRequest(QTcpSocket *socket);
    void answer(QTcpSocket *socket, const QByteArray &path);

    QTcpServer *m_server = nullptr;
    bool m_https = false;
    QHash<QByteArray, Reply> m_routes;
    QHash<QTcpSocket *, QByteArray> m_pending;
    QList<Request> m_requests;
};

} // namespace tidewell::test
