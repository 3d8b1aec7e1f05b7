#include "platform/httpclient.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QTimer>

namespace tidewell::platform {

namespace {
constexpr int kMaxRedirects = 10;

bool isRedirectStatus(int status) {
    return (status >= 300 && status <= 303) || status == 307 || status == 308;
}

// What one request ended with, before the client turns it into events.
enum class Ending { Answer, HostNotFound, ConnectionFailed, TimedOut, TooLarge, Cancelled, OtherError };
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
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        return {};
    }
    return url;
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
            status(2, QStringLiteral("Redirected to %1").arg(m_redirectTarget.toString()));
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

HttpClient::Step HttpClient::runRequest(const QUrl &requestUrl, bool secondLookup) {
    QUrl url = requestUrl;
    if (port != 0) {
        url.setPort(port);
    }
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
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

    if (onAboutToSend) {
        onAboutToSend();
    }
    status(1, QStringLiteral("Requesting %1").arg(url.toString()));
    status(2, QStringLiteral("Looking up host %1").arg(url.host()));

    m_body.clear();
    m_status = 0;
    Ending ending = Ending::Answer;
    bool connected = false;
    QEventLoop loop;
    QTimer idle;
    idle.setSingleShot(true);
    idle.setInterval(timeoutMs);

    QNetworkReply *reply = m_manager->get(request);
    m_reply = reply;
    const auto touched = [&idle] { idle.start(); };
    const auto markConnected = [&] {
        if (!connected) {
            connected = true;
            status(2, QStringLiteral("Connected to %1").arg(url.host()));
            if (onConnect) {
                onConnect();
            }
        }
    };
    connect(reply, &QNetworkReply::socketStartedConnecting, &loop, [&] {
        touched();
        status(2, QStringLiteral("Connecting to %1").arg(url.host()));
    });
    connect(reply, &QNetworkReply::requestSent, &loop, [&] {
        touched();
        markConnected();
    });
    connect(reply, &QNetworkReply::metaDataChanged, &loop, [&] {
        touched();
        markConnected();
        const qint64 announced = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
        if (announced > maxBodySize) {
            ending = Ending::TooLarge;
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::readyRead, &loop, [&] {
        touched();
        m_body += reply->readAll();
        status(3, QStringLiteral("%1 bytes received").arg(m_body.size()));
        if (m_body.size() > maxBodySize) {
            ending = Ending::TooLarge;
            reply->abort();
        }
    });
    connect(&idle, &QTimer::timeout, &loop, [&] {
        ending = Ending::TimedOut;
        reply->abort();
    });
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);

    idle.start();
    if (!reply->isFinished()) {
        loop.exec();
    }
    idle.stop();
    m_reply = nullptr;

    if (ending == Ending::Answer && !m_cancelled) {
        m_body += reply->readAll();
        // An error answer (404 ...) also sets an error on the reply; what counts is that an answer came.
        m_status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (m_body.size() > maxBodySize) {
            ending = Ending::TooLarge;
        } else if (m_status == 0) {
            switch (reply->error()) {
            case QNetworkReply::HostNotFoundError:
                ending = Ending::HostNotFound;
                break;
            case QNetworkReply::ConnectionRefusedError:
            case QNetworkReply::RemoteHostClosedError:
            case QNetworkReply::NetworkSessionFailedError:
            case QNetworkReply::TemporaryNetworkFailureError:
            case QNetworkReply::UnknownNetworkError:
                ending = Ending::ConnectionFailed;
                break;
            case QNetworkReply::TimeoutError:
                ending = Ending::TimedOut;
                break;
            default:
                ending = Ending::OtherError;
                break;
            }
        }
    }
    if (m_cancelled) {
        ending = Ending::Cancelled;
    }
    const QString errorText = reply->errorString();
    const QUrl location = reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
    delete reply;

    if (ending != Ending::Cancelled && onDisconnect) {
        onDisconnect();
    }
    switch (ending) {
    case Ending::Cancelled:
        return Step::Done;
    case Ending::HostNotFound: {
        status(1, QStringLiteral("Host %1 not found").arg(url.host()));
        bool handled = false;
        if (onInvalidHost) {
            onInvalidHost(handled);
        }
        if (handled && !secondLookup) {
            return Step::Retry;
        }
        throw HttpError(HttpError::InvalidHost, QStringLiteral("Host %1 not found").arg(url.host()));
    }
    case Ending::ConnectionFailed:
        if (onConnectionFailed) {
            onConnectionFailed();
        }
        throw HttpError(HttpError::ConnectionFailed,
                        QStringLiteral("Connection to %1 failed: %2").arg(url.authority(), errorText));
    case Ending::TimedOut:
        throw HttpError(HttpError::TimedOut, QStringLiteral("Time-out: %1 sent nothing for %2 seconds")
                                                 .arg(url.authority())
                                                 .arg(timeoutMs / 1000.0));
    case Ending::TooLarge:
        m_body.clear();
        throw HttpError(HttpError::TooLarge, QStringLiteral("The answer from %1 is larger than %2 bytes")
                                                 .arg(url.authority())
                                                 .arg(maxBodySize));
    case Ending::OtherError:
        throw HttpError(HttpError::Other,
                        QStringLiteral("Fetching %1 failed: %2").arg(url.toString(), errorText));
    case Ending::Answer:
        break;
    }

    status(1, QStringLiteral("Answer %1, %2 bytes").arg(m_status).arg(m_body.size()));
    if (isRedirectStatus(m_status) && location.isValid() && !location.isEmpty()) {
        m_redirectTarget = url.resolved(location);
        return Step::Redirected;
    }
    return Step::Done;
}

} // namespace tidewell::platform
