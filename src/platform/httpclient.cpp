#include "platform/httpclient.h"

#include <deque>
#include <functional>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QTimer>
#include <zlib.h>

namespace tidewell::platform {

namespace {
constexpr int kMaxRedirects = 10;
// What Qt holds of an answer before the client takes it, and what one read takes.
constexpr qint64 kReadBufferSize = 256 * 1024;
constexpr qint64 kReadChunk = 64 * 1024;
// A transfer slower than this many bytes per stall window ends.
constexpr qint64 kMinBytesPerWindow = 1024;

bool isRedirectStatus(int status) {
    return (status >= 300 && status <= 303) || status == 307 || status == 308;
}

bool isWebUrl(const QUrl &url) {
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() &&
           (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

// A reply error that only repeats an error answer (404 -> ContentNotFoundError ...); any other error
// once the answer began means the transfer itself broke.
bool onlyRepeatsStatus(QNetworkReply::NetworkError error, int status) {
    return status >= 400 && error >= QNetworkReply::ProxyConnectionRefusedError &&
           error != QNetworkReply::ProtocolFailure;
}

// What one request ended with, before the client turns it into events.
enum class Ending {
    Answer,
    HostNotFound,
    ConnectionFailed,
    TimedOut,
    TooLarge,
    Incomplete,
    Undecodable,
    Cancelled,
    OtherError
};

// Watches the pace of a transfer: it is too slow once some window of windowMs has passed with fewer than
// kMinBytesPerWindow bytes received. Only the newest arrivals that still make up the minimum are kept.
class PaceWatch final {
public:
    PaceWatch(qint64 windowMs, qint64 startMs) : m_windowMs(windowMs), m_startMs(startMs) {}

    void received(qint64 bytes, qint64 nowMs) {
        if (bytes <= 0) {
            return;
        }
        if (!m_arrivals.empty() && m_arrivals.back().atMs == nowMs) {
            m_arrivals.back().bytes += bytes;
        } else {
            m_arrivals.push_back({nowMs, bytes});
        }
        m_total += bytes;
        while (m_total - m_arrivals.front().bytes >= kMinBytesPerWindow) {
            m_total -= m_arrivals.front().bytes;
            m_arrivals.pop_front();
        }
    }

    // The moment the window since then holds too little, should nothing more arrive.
    qint64 deadlineMs() const {
        return (m_total >= kMinBytesPerWindow ? m_arrivals.front().atMs : m_startMs) + m_windowMs;
    }

private:
    struct Arrival {
        qint64 atMs;
        qint64 bytes;
    };
    std::deque<Arrival> m_arrivals;
    qint64 m_total = 0;
    qint64 m_windowMs;
    qint64 m_startMs;
};

// Undoes the Content-Encoding of a body piece by piece as it arrives. The client asks for gzip itself, so
// Qt leaves compressed bodies alone and no decoded byte is held anywhere but in the client's body.
class BodyDecoder final {
public:
    // false: stop, the body is full.
    using Sink = std::function<bool(const char *data, qsizetype size)>;
    enum class Result { Ok, Full, Failed };

    BodyDecoder() = default;
    Q_DISABLE_COPY_MOVE(BodyDecoder)
    ~BodyDecoder() {
        if (m_compressed) {
            inflateEnd(&m_stream);
        }
    }

    // false when the encoding is one this client cannot read.
    bool start(const QByteArray &contentEncoding) {
        const QByteArray encoding = contentEncoding.trimmed().toLower();
        if (encoding.isEmpty() || encoding == "identity") {
            return true;
        }
        if (encoding != "gzip" && encoding != "x-gzip" && encoding != "deflate") {
            return false;
        }
        m_gzip = encoding != "deflate";
        // 32: gzip or zlib, told by the stream's header.
        m_compressed = inflateInit2(&m_stream, 15 + 32) == Z_OK;
        return m_compressed;
    }

    Result feed(const char *data, qsizetype size, const Sink &sink) {
        if (size <= 0) {
            return Result::Ok;
        }
        if (!m_compressed) {
            return sink(data, size) ? Result::Ok : Result::Full;
        }
        m_started = true;
        m_stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data));
        m_stream.avail_in = uInt(size);
        char out[kReadChunk];
        for (;;) {
            if (m_ended) {
                if (m_stream.avail_in == 0 || !m_gzip) {
                    return Result::Ok; // bytes after a zlib stream are left alone
                }
                inflateReset(&m_stream); // gzip: the next member follows
                m_ended = false;
            }
            m_stream.next_out = reinterpret_cast<Bytef *>(out);
            m_stream.avail_out = uInt(sizeof out);
            const int rc = inflate(&m_stream, Z_NO_FLUSH);
            if (rc != Z_OK && rc != Z_STREAM_END && rc != Z_BUF_ERROR) {
                return Result::Failed;
            }
            const qsizetype produced = qsizetype(sizeof out - m_stream.avail_out);
            if (produced > 0 && !sink(out, produced)) {
                return Result::Full;
            }
            if (rc == Z_STREAM_END) {
                m_ended = true;
            } else if (m_stream.avail_out != 0) {
                return Result::Ok; // all input taken, all output handed on
            }
        }
    }

    // false when a compressed body stopped before its stream ended.
    bool complete() const { return !m_compressed || !m_started || m_ended; }

private:
    z_stream m_stream{};
    bool m_compressed = false;
    bool m_gzip = false;
    bool m_started = false;
    bool m_ended = false;
};

// Takes a reply's body as Qt hands it over: counts the raw bytes for the pace and decodes them into the
// client's body through the sink. ending() tells why it stopped early (the body is full, or it cannot be
// decoded); the caller then aborts the reply.
class BodyReader final {
public:
    BodyReader(QNetworkReply *reply, BodyDecoder::Sink sink) : m_reply(reply), m_sink(std::move(sink)) {}

    void drain(PaceWatch &pace, const QElapsedTimer &clock) {
        if (!m_started) {
            m_started = true;
            m_encoding = m_reply->rawHeader("Content-Encoding");
            if (!m_decoder.start(m_encoding)) {
                m_ending = Ending::Undecodable;
            }
        }
        char chunk[kReadChunk];
        while (m_ending == Ending::Answer && m_reply->bytesAvailable() > 0) {
            const qint64 got = m_reply->read(chunk, kReadChunk);
            if (got <= 0) {
                break;
            }
            m_raw += got;
            pace.received(got, clock.elapsed());
            switch (m_decoder.feed(chunk, qsizetype(got), m_sink)) {
            case BodyDecoder::Result::Ok:
                break;
            case BodyDecoder::Result::Full:
                m_ending = Ending::TooLarge;
                break;
            case BodyDecoder::Result::Failed:
                m_ending = Ending::Undecodable;
                break;
            }
        }
    }

    Ending ending() const { return m_ending; }
    qint64 rawReceived() const { return m_raw; }
    const QByteArray &encoding() const { return m_encoding; }
    bool complete() const { return m_decoder.complete(); }

private:
    QNetworkReply *m_reply;
    BodyDecoder::Sink m_sink;
    BodyDecoder m_decoder;
    QByteArray m_encoding;
    qint64 m_raw = 0;
    bool m_started = false;
    Ending m_ending = Ending::Answer;
};

// How a reply that finished by itself ended: no answer at all (and why), an answer that broke off or
// ended short of its Content-Length, a body left undecoded, or a whole answer. reason gets a better
// text than Qt's where the client found the fault itself.
Ending endingOf(const QNetworkReply &reply, int status, const BodyReader &body, QString &reason) {
    const QNetworkReply::NetworkError error = reply.error();
    if (status == 0) {
        switch (error) {
        case QNetworkReply::HostNotFoundError:
            return Ending::HostNotFound;
        case QNetworkReply::ConnectionRefusedError:
        case QNetworkReply::RemoteHostClosedError:
        case QNetworkReply::NetworkSessionFailedError:
        case QNetworkReply::TemporaryNetworkFailureError:
        case QNetworkReply::UnknownNetworkError:
            return Ending::ConnectionFailed;
        case QNetworkReply::TimeoutError:
            return Ending::TimedOut;
        default:
            return Ending::OtherError;
        }
    }
    if (error != QNetworkReply::NoError && !onlyRepeatsStatus(error, status)) {
        return Ending::Incomplete;
    }
    const QVariant announced = reply.header(QNetworkRequest::ContentLengthHeader);
    if (announced.isValid() && body.rawReceived() < announced.toLongLong()) {
        reason = HttpClient::tr("%1 bytes were announced").arg(announced.toLongLong());
        return Ending::Incomplete;
    }
    return body.complete() ? Ending::Answer : Ending::Undecodable;
}
} // namespace

HttpError::HttpError(Kind kind, const QString &message)
    : std::runtime_error(message.toStdString()), m_kind(kind), m_message(message) {}

HttpClient::HttpClient(QObject *parent) : QObject(parent), m_manager(new QNetworkAccessManager(this)) {
    m_manager->setProxy(QNetworkProxy::NoProxy);
}

HttpClient::~HttpClient() {
    cancel();
}

QUrl HttpClient::parseAddress(const QString &address) {
    QString text = address.trimmed();
    if (!text.contains(QLatin1String("://"))) {
        text.prepend(QLatin1String("http://"));
    }
    QUrl url(text, QUrl::TolerantMode);
    return isWebUrl(url) ? url : QUrl();
}

int HttpClient::defaultTimeoutMs() {
    static const int window = [] {
        bool ok = false;
        const int fromEnvironment = qEnvironmentVariableIntValue("TIDEWELL_HTTP_STALL_MS", &ok);
        return ok && fromEnvironment > 0 ? fromEnvironment : 60000;
    }();
    return window;
}

bool HttpClient::keep(const char *data, qsizetype size) {
    if (size > maxBodySize - m_body.size()) {
        return false;
    }
    // Grow by doubling, but never past the limit: plain doubling would reserve up to twice the limit for
    // a body that ends just under it.
    const qsizetype needed = m_body.size() + size;
    if (needed > m_body.capacity()) {
        m_body.reserve(qMin<qint64>(qMax<qint64>(needed, 2 * m_body.capacity()), maxBodySize));
    }
    m_body.append(data, size);
    return true;
}

void HttpClient::cancel() {
    m_cancelled = true;
    if (m_reply) {
        m_reply->abort();
    }
}

void HttpClient::status(int level, const QString &text) {
    if (level <= reportLevel && onStatus) {
        onStatus(level, text);
    }
}

HttpClient::Outcome HttpClient::fetch(const QString &address) {
    if (m_busy) {
        return Outcome::Busy;
    }
    m_busy = true;
    struct BusyGuard {
        bool &busy;
        ~BusyGuard() { busy = false; }
    } guard{m_busy};

    m_body.clear();
    m_status = 0;
    m_cancelled = false;
    m_url = parseAddress(address);
    if (!m_url.isValid()) {
        throw HttpError(
            HttpError::InvalidAddress,
            QStringLiteral("Invalid address \"%1\": an http:// or https:// address with a host name "
                           "is needed")
                .arg(address));
    }

    int redirects = 0;
    bool secondLookup = false;
    for (;;) {
        const Step step = runRequest(m_url, secondLookup);
        if (m_cancelled) {
            return Outcome::Cancelled;
        }
        if (step == Step::Retry) {
            secondLookup = true;
            continue;
        }
        if (step == Step::Redirected) {
            // A web server may send us to another web address only: never to a file, a FIFO or
            // anything else Qt could open.
            if (!isWebUrl(m_redirectTarget)) {
                m_body.clear();
                throw HttpError(HttpError::RefusedRedirect,
                                tr("%1 redirected to %2: only http:// and https:// addresses are followed")
                                    .arg(m_url.toString(), m_redirectTarget.toString()));
            }
            bool handled = false;
            if (onRedirect) {
                onRedirect(m_status, m_redirectTarget, handled);
            }
            if (handled) {
                return Outcome::Stopped;
            }
            if (++redirects > kMaxRedirects) {
                throw HttpError(HttpError::TooManyRedirects,
                                QStringLiteral("Too many redirects while fetching %1").arg(address));
            }
            status(2, tr("Redirected to %1").arg(m_redirectTarget.toString()));
            m_url = m_redirectTarget;
            secondLookup = false;
            continue;
        }
        break;
    }

    if (m_status >= 200 && m_status < 300) {
        if (onSuccess) {
            onSuccess();
        }
        return Outcome::Success;
    }
    if (m_status >= 400) {
        if (onFailure) {
            onFailure(m_status);
        }
        return Outcome::Failure;
    }
    return Outcome::Other;
}

QNetworkRequest HttpClient::makeRequest(const QUrl &url) const {
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    // Asking for gzip here keeps Qt from inflating bodies itself; BodyDecoder does it, bounded.
    request.setRawHeader("Accept-Encoding", "gzip");
    if (!localProgram.isEmpty()) {
        request.setHeader(QNetworkRequest::UserAgentHeader, localProgram);
    }
    if (!localMailAddress.isEmpty()) {
        request.setRawHeader("From", localMailAddress.toUtf8());
    }
    if (!referer.isEmpty()) {
        request.setRawHeader("Referer", referer.toUtf8());
    }
    if (!extraCaCertificates.isEmpty()) {
        QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
        ssl.addCaCertificates(extraCaCertificates);
        request.setSslConfiguration(ssl);
    }
    return request;
}

HttpClient::Step HttpClient::runRequest(const QUrl &requestUrl, bool secondLookup) {
    QUrl url = requestUrl;
    if (port != 0) {
        url.setPort(port);
    }
    const QNetworkRequest request = makeRequest(url);
    if (onAboutToSend) {
        onAboutToSend();
    }
    status(1, tr("Requesting %1").arg(url.toString()));
    status(2, tr("Looking up host %1").arg(url.host()));

    m_body.clear();
    m_status = 0;
    Ending ending = Ending::Answer;
    bool connected = false;
    QEventLoop loop;
    QElapsedTimer clock;
    clock.start();
    PaceWatch pace(timeoutMs, 0);
    QTimer stall;
    stall.setSingleShot(true);

    QNetworkReply *reply = m_manager->get(request);
    reply->setReadBufferSize(kReadBufferSize);
    m_reply = reply;
    BodyReader body(reply, [this](const char *data, qsizetype size) { return keep(data, size); });
    const auto endWith = [&](Ending why) {
        if (ending == Ending::Answer) {
            ending = why;
        }
        reply->abort();
    };
    const auto markConnected = [&] {
        if (!connected) {
            connected = true;
            status(2, tr("Connected to %1").arg(url.host()));
            if (onConnect) {
                onConnect();
            }
        }
    };
    const auto drain = [&] {
        body.drain(pace, clock);
        if (body.ending() != Ending::Answer) {
            endWith(body.ending());
        }
        stall.start(int(qMax<qint64>(0, pace.deadlineMs() - clock.elapsed())));
    };
    connect(reply, &QNetworkReply::socketStartedConnecting, &loop,
            [&] { status(2, tr("Connecting to %1").arg(url.host())); });
    connect(reply, &QNetworkReply::requestSent, &loop, markConnected);
    connect(reply, &QNetworkReply::metaDataChanged, &loop, [&] {
        markConnected();
        qint64 headBytes = 0;
        for (const auto &[name, value] : reply->rawHeaderPairs()) {
            headBytes += name.size() + value.size() + 4;
        }
        pace.received(headBytes, clock.elapsed());
        if (reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > maxBodySize) {
            endWith(Ending::TooLarge);
        }
    });
    connect(reply, &QNetworkReply::readyRead, &loop, drain);
    // What the network layer has taken in, read by us or not: a chunked body can pile up below the reply's
    // read buffer, so the limit is held against this count too.
    connect(reply, &QNetworkReply::downloadProgress, &loop, [&](qint64 received, qint64) {
        if (received > maxBodySize) {
            endWith(Ending::TooLarge);
        }
    });
    connect(&stall, &QTimer::timeout, &loop, [&] {
        if (clock.elapsed() >= pace.deadlineMs()) {
            endWith(Ending::TimedOut);
        } else {
            stall.start(int(pace.deadlineMs() - clock.elapsed()));
        }
    });
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);

    stall.start(timeoutMs);
    if (!reply->isFinished()) {
        loop.exec();
    }
    m_reply = nullptr;

    QString errorText = reply->errorString();
    if (ending == Ending::Answer && !m_cancelled) {
        drain();
    }
    stall.stop();
    if (ending == Ending::Answer && !m_cancelled) {
        // An error answer (404 ...) also sets an error on the reply; what counts is that an answer came.
        m_status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        ending = endingOf(*reply, m_status, body, errorText);
    }
    if (m_cancelled) {
        ending = Ending::Cancelled;
    }
    const QUrl location = reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
    delete reply;
    if (ending != Ending::Answer) {
        m_body.clear(); // nothing of a failed transfer is kept
    }

    if (ending != Ending::Cancelled && onDisconnect) {
        onDisconnect();
    }
    switch (ending) {
    case Ending::Cancelled:
        return Step::Done;
    case Ending::HostNotFound: {
        status(1, tr("Host %1 not found").arg(url.host()));
        bool handled = false;
        if (onInvalidHost) {
            onInvalidHost(handled);
        }
        if (handled && !secondLookup) {
            return Step::Retry;
        }
        throw HttpError(HttpError::InvalidHost, tr("Host %1 not found").arg(url.host()));
    }
    case Ending::ConnectionFailed:
        if (onConnectionFailed) {
            onConnectionFailed();
        }
        throw HttpError(HttpError::ConnectionFailed,
                        QStringLiteral("Connection to %1 failed: %2").arg(url.authority(), errorText));
    case Ending::TimedOut:
        throw HttpError(HttpError::TimedOut, tr("Time-out: %1 sent fewer than %2 bytes in %3 seconds")
                                                 .arg(url.authority())
                                                 .arg(kMinBytesPerWindow)
                                                 .arg(timeoutMs / 1000.0));
    case Ending::TooLarge:
        throw HttpError(
            HttpError::TooLarge,
            tr("The answer from %1 is larger than %2 bytes").arg(url.authority()).arg(maxBodySize));
    case Ending::Incomplete:
        throw HttpError(HttpError::Incomplete,
                        tr("The transfer from %1 broke off before the answer was complete (%2 bytes "
                           "received): %3")
                            .arg(url.authority())
                            .arg(body.rawReceived())
                            .arg(errorText));
    case Ending::Undecodable:
        throw HttpError(HttpError::Undecodable,
                        tr("The answer from %1 cannot be decoded: its content encoding \"%2\" is broken or "
                           "unknown")
                            .arg(url.authority(), QString::fromLatin1(body.encoding())));
    case Ending::OtherError:
        throw HttpError(HttpError::Other, tr("Fetching %1 failed: %2").arg(url.toString(), errorText));
    case Ending::Answer:
        break;
    }

    status(1, tr("Answer %1, %2 bytes").arg(m_status).arg(m_body.size()));
    if (isRedirectStatus(m_status) && location.isValid() && !location.isEmpty()) {
        m_redirectTarget = url.resolved(location);
        return Step::Redirected;
    }
    return Step::Done;
}

} // namespace tidewell::platform
