#pragma once

#include <functional>
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSslCertificate>
#include <QString>
#include <QUrl>
#include <stdexcept>

class QNetworkAccessManager;
class QNetworkReply;
class QNetworkRequest;

namespace tidewell::platform {

// An error raised out of HttpClient::fetch: the host cannot be resolved, the connection cannot be made,
// the transfer stalled, the answer grew past the size limit, a redirect pointed somewhere other than a web
// address, the answer broke off or could not be decoded, or the address is unusable. The command that
// called fetch ends; its caller shows message() in an error box. Nothing of the answer is kept.
class HttpError final : public std::runtime_error {
public:
    enum Kind {
        InvalidAddress,
        InvalidHost,
        ConnectionFailed,
        TimedOut,
        TooLarge,
        TooManyRedirects,
        RefusedRedirect,
        Incomplete,
        Undecodable,
        Other
    };

    HttpError(Kind kind, const QString &message);
    Kind kind() const { return m_kind; }
    QString message() const { return m_message; }

private:
    Kind m_kind;
    QString m_message;
};

// The HTTP client of the feed dialogs, the OPML batch and the article editor: one object per use, owned
// by whoever uses it. fetch() performs one GET (http:// or https://, no proxy) and returns only when the
// transfer is over; while it waits, pending interface events run (a local event loop), and the events
// below are raised from inside the call, so a whole import can run inside onSuccess.
//
// Events (all optional; an unset event does nothing):
//   onAboutToSend()             before each request is sent (also after a redirect)
//   onConnect()                 the connection to the server is up (once per request)
//   onConnectionFailed()        the connection cannot be made; fetch then throws ConnectionFailed
//   onInvalidHost(handled)      the host name cannot be resolved. Setting handled = true makes the client
//                               look the host up once more; when that fails too, or when the event is
//                               left unhandled, fetch throws InvalidHost
//   onRedirect(status, location, handled)
//                               an answer 300..303, 307 or 308 with a Location: the client asks the new
//                               location (at most 10 times); handled = true stops there and fetch
//                               returns Outcome::Stopped. A location that is not an http:// or https://
//                               address raises no event: fetch throws RefusedRedirect
//   onSuccess()                 an answer below 300, after any redirects; body() holds the document
//   onFailure(status)           an answer of 400 or above; fetch returns normally (Outcome::Failure)
//   onStatus(level, text)       progress texts of level <= reportLevel (1: start and end, 2: basic
//                               progress, 3: every block received); reportLevel 0 reports nothing
//   onDisconnect()              the transfer is over (every outcome but a cancel)
//
// A transfer that receives fewer than 1,024 bytes in any timeoutMs (60 s) throws TimedOut. The body is
// read as it arrives through a bounded buffer and decoded here (gzip), so memory stays near maxBodySize
// whatever the server sends: a body that decodes to more throws TooLarge. An answer that ends short of
// its Content-Length, breaks off, or cannot be decoded throws Incomplete or Undecodable. cancel() (a
// closing dialog calls it) ends a fetch in progress: fetch returns Outcome::Cancelled and raises no
// further event. The body can be read after fetch returns with body() (decoded bytes).
class HttpClient final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HttpClient)

public:
    enum class Outcome { Success, Failure, Stopped, Cancelled, Busy, Other };

    explicit HttpClient(QObject *parent = nullptr);
    ~HttpClient() override;

    // Settings. port 0 keeps the address's own port (80 / 443); another value replaces it.
    int port = 0;
    int reportLevel = 0;
    // Sent as User-Agent, From and Referer; an empty text sends no header.
    QString localProgram = QStringLiteral("Tidewell RSS import module");
    QString localMailAddress;
    QString referer;
    // The stall window. Its default is 60 s, or TIDEWELL_HTTP_STALL_MS when that is set (tests of
    // programs run as processes use it to stay fast).
    int timeoutMs = defaultTimeoutMs();
    qint64 maxBodySize = qint64(512) * 1024 * 1024;
    // Extra certificate authorities trusted for https (tests serve a self-signed certificate).
    QList<QSslCertificate> extraCaCertificates;

    std::function<void()> onAboutToSend;
    std::function<void()> onConnect;
    std::function<void()> onConnectionFailed;
    std::function<void(bool &handled)> onInvalidHost;
    std::function<void(int status, const QUrl &location, bool &handled)> onRedirect;
    std::function<void()> onSuccess;
    std::function<void(int status)> onFailure;
    std::function<void(int level, const QString &text)> onStatus;
    std::function<void()> onDisconnect;

    // GET address ("http://host/path"; an address without a scheme is taken as http://). Returns when
    // the transfer is over; throws HttpError as described above. A fetch started while another one of
    // this client is running (a key pressed twice) returns Busy at once and raises nothing.
    Outcome fetch(const QString &address);
    void cancel();
    bool isBusy() const { return m_busy; }

    // The last answer: body bytes, status code (0 when none came), the address finally asked.
    const QByteArray &body() const { return m_body; }
    int statusCode() const { return m_status; }
    QUrl finalUrl() const { return m_url; }

    // The address text as fetch reads it; an invalid QUrl when it is not an http(s) address with a host.
    static QUrl parseAddress(const QString &address);
    static int defaultTimeoutMs();

private:
    enum class Step { Done, Redirected, HostNotFound, Retry };
    QNetworkRequest makeRequest(const QUrl &url) const;
    Step runRequest(const QUrl &url, bool secondLookup);
    void status(int level, const QString &text);
    bool keep(const char *data, qsizetype size);

    QNetworkAccessManager *m_manager = nullptr;
    QNetworkReply *m_reply = nullptr;
    QByteArray m_body;
    QUrl m_url;
    QUrl m_redirectTarget;
    int m_status = 0;
    bool m_busy = false;
    bool m_cancelled = false;
};

} // namespace tidewell::platform
