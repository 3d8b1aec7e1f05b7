#include "fixtureserver.h"
#include "platform/httpclient.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QTimer>

using tidewell::platform::HttpClient;
using tidewell::platform::HttpError;
using tidewell::test::FixtureServer;

Q_DECLARE_METATYPE(HttpClient::Outcome)
Q_DECLARE_METATYPE(tidewell::platform::HttpError::Kind)

namespace {
// Records every event of a client as a short word, so a test compares the whole sequence.
struct EventLog {
    QStringList events;
    bool handleInvalidHost = false;
    bool handleRedirect = false;

    explicit EventLog(HttpClient &client) {
        client.onConnect = [this] { events << QStringLiteral("connect"); };
        client.onConnectionFailed = [this] { events << QStringLiteral("connectionFailed"); };
        client.onInvalidHost = [this](bool &handled) {
            events << QStringLiteral("invalidHost");
            handled = handleInvalidHost;
        };
        client.onRedirect = [this](int status, const QUrl &, bool &handled) {
            events << QStringLiteral("redirect%1").arg(status);
            handled = handleRedirect;
        };
        client.onSuccess = [this, &client] {
            events << QStringLiteral("success:") + QString::fromUtf8(client.body());
        };
        client.onFailure = [this](int status) { events << QStringLiteral("failure%1").arg(status); };
    }
};

// "a b c" -> {"a", "b", "c"}
QStringList words(const char *text) {
    return QString::fromLatin1(text).split(QLatin1Char(' '));
}

HttpError::Kind fetchError(HttpClient &client, const QString &address, QString *message = nullptr) {
    try {
        client.fetch(address);
    } catch (const HttpError &error) {
        if (message) {
            *message = error.message();
        }
        return error.kind();
    }
    return HttpError::Kind(-1);
}

// A field of /proc/self/status in bytes ("VmHWM", "VmRSS").
qint64 processMemory(const QByteArray &field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    while (!status.atEnd()) {
        const QByteArray line = status.readLine();
        if (line.startsWith(QByteArray(field + ':'))) {
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toLongLong() * 1024;
        }
    }
    return -1;
}

// Starts the peak-memory count (VmHWM) afresh from the current resident size.
bool resetPeakMemory() {
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    return clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1;
}
} // namespace

class TestHttpClient final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void answers_data();
    void answers();
    void redirectHandled_stopsWithoutFetching();
    void request_sendsIdentificationHeaders();
    void refusedPort_raisesConnectionFailed();
    void unknownHost_retriesOnceWhenHandled_data();
    void unknownHost_retriesOnceWhenHandled();
    void silentServer_timesOut();
    void hostileServer_failsTheTransfer_data();
    void hostileServer_failsTheTransfer();
    void slowSteadyServer_isNotCutOff();
    void endlessBody_staysWithinMemory_data();
    void endlessBody_staysWithinMemory();
    void https_servedWithTrustedCertificate();
    void https_untrustedCertificate_isAnError();
    void cancel_endsFetchWithoutEvents();
    void secondFetchWhileBusy_returnsBusy();
    void unusableAddress_isRefused_data();
    void unusableAddress_isRefused();
};

void TestHttpClient::answers_data() {
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<HttpClient::Outcome>("outcome");
    QTest::addColumn<QStringList>("events");

    QTest::newRow("200") << QByteArray("/feed.rss") << HttpClient::Outcome::Success
                         << words("connect success:<rss/>");
    QTest::newRow("302 followed") << QByteArray("/moved") << HttpClient::Outcome::Success
                                  << words("connect redirect302 connect success:<rss/>");
    QTest::newRow("301 then 302") << QByteArray("/old") << HttpClient::Outcome::Success
                                  << words("connect redirect301 connect redirect302 connect success:<rss/>");
    QTest::newRow("404") << QByteArray("/missing") << HttpClient::Outcome::Failure
                         << words("connect failure404");
    QTest::newRow("500") << QByteArray("/broken") << HttpClient::Outcome::Failure
                         << words("connect failure500");
    QTest::newRow("gzip body is decoded")
        << QByteArray("/packed.rss") << HttpClient::Outcome::Success << words("connect success:<rss/>");
    QTest::newRow("two gzip members")
        << QByteArray("/members.rss") << HttpClient::Outcome::Success << words("connect success:<rss/>");
}

void TestHttpClient::answers() {
    QFETCH(QByteArray, path);
    QFETCH(HttpClient::Outcome, outcome);
    QFETCH(QStringList, events);

    FixtureServer server;
    server.serve("/feed.rss", "<rss/>");
    server.redirect("/moved", "/feed.rss", 302);
    server.redirect("/old", server.url("/moved").toLatin1(), 301);
    server.serve("/broken", "oops", 500);
    server.serveEncoded("/packed.rss", FixtureServer::gzip("<rss/>"), "gzip");
    server.serveEncoded("/members.rss", FixtureServer::gzip("<rss") + FixtureServer::gzip("/>"), "x-gzip");

    HttpClient client;
    EventLog log(client);
    QCOMPARE(client.fetch(server.url(path)), outcome);
    QCOMPARE(log.events, events);
}

void TestHttpClient::redirectHandled_stopsWithoutFetching() {
    FixtureServer server;
    server.serve("/feed.rss", "<rss/>");
    server.redirect("/moved", "/feed.rss");
    HttpClient client;
    EventLog log(client);
    log.handleRedirect = true;
    QCOMPARE(client.fetch(server.url("/moved")), HttpClient::Outcome::Stopped);
    QCOMPARE(log.events, words("connect redirect302"));
    QCOMPARE(server.requests().size(), 1);
}

void TestHttpClient::request_sendsIdentificationHeaders() {
    FixtureServer server;
    server.serve("/a", "x");
    HttpClient plain;
    plain.fetch(server.url("/a"));
    HttpClient batch;
    batch.localMailAddress = QStringLiteral("none");
    batch.referer = QStringLiteral("none");
    batch.fetch(server.url("/a"));

    QCOMPARE(server.requests().size(), 2);
    const auto &first = server.requests()[0];
    QCOMPARE(first.method, QByteArray("GET"));
    QCOMPARE(first.headers.value("user-agent"), QByteArray("Tidewell RSS import module"));
    QVERIFY(!first.headers.contains("from"));
    QVERIFY(!first.headers.contains("referer"));
    QCOMPARE(server.requests()[1].headers.value("from"), QByteArray("none"));
    QCOMPARE(server.requests()[1].headers.value("referer"), QByteArray("none"));
}

void TestHttpClient::refusedPort_raisesConnectionFailed() {
    HttpClient client;
    EventLog log(client);
    const QString address = QStringLiteral("http://127.0.0.1:%1/feed.rss").arg(FixtureServer::refusedPort());
    QCOMPARE(fetchError(client, address), HttpError::ConnectionFailed);
    QCOMPARE(log.events, words("connectionFailed"));
}

void TestHttpClient::unknownHost_retriesOnceWhenHandled_data() {
    QTest::addColumn<bool>("handled");
    QTest::addColumn<int>("lookups");
    QTest::newRow("unhandled: error at once") << false << 1;
    QTest::newRow("handled: one more lookup") << true << 2;
}

void TestHttpClient::unknownHost_retriesOnceWhenHandled() {
    QFETCH(bool, handled);
    QFETCH(int, lookups);
    HttpClient client;
    EventLog log(client);
    log.handleInvalidHost = handled;
    QCOMPARE(fetchError(client, QStringLiteral("http://no-such-host.invalid/feed.rss")),
             HttpError::InvalidHost);
    QCOMPARE(log.events, QStringList(lookups, QStringLiteral("invalidHost")));
}

void TestHttpClient::silentServer_timesOut() {
    FixtureServer server;
    server.hang("/silent");
    HttpClient client;
    QCOMPARE(client.timeoutMs, 60000);
    client.timeoutMs = 300;
    EventLog log(client);
    QCOMPARE(fetchError(client, server.url("/silent")), HttpError::TimedOut);
    QVERIFY(!log.events.contains(QStringLiteral("success:")));
}

void TestHttpClient::hostileServer_failsTheTransfer_data() {
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<HttpError::Kind>("kind");
    QTest::addColumn<QString>("reason"); // a part of the message
    QTest::newRow("redirect to file://") << QByteArray("/hostile/redirect-file") << HttpError::RefusedRedirect
                                         << QStringLiteral("redirected to file:///etc/passwd");
    QTest::newRow("redirect to data:") << QByteArray("/hostile/redirect-data") << HttpError::RefusedRedirect
                                       << QStringLiteral("redirected to data:");
    QTest::newRow("second hop to file://")
        << QByteArray("/hostile/redirect-chain") << HttpError::RefusedRedirect
        << QStringLiteral("redirect-file redirected to file:");
    QTest::newRow("one byte per second") << QByteArray("/hostile/trickle") << HttpError::TimedOut
                                         << QStringLiteral("fewer than 1024 bytes in 2 seconds");
    QTest::newRow("shorter than Content-Length")
        << QByteArray("/hostile/cut-short") << HttpError::Incomplete << QStringLiteral("broke off");
    QTest::newRow("broken gzip") << QByteArray("/hostile/broken-gzip") << HttpError::Undecodable
                                 << QStringLiteral("\"gzip\" is broken");
    QTest::newRow("gzip stream cut short")
        << QByteArray("/hostile/cut-gzip") << HttpError::Undecodable << QStringLiteral("\"gzip\" is broken");
    QTest::newRow("encoding never asked for")
        << QByteArray("/hostile/unknown-encoding") << HttpError::Undecodable << QStringLiteral("\"br\"");
}

void TestHttpClient::hostileServer_failsTheTransfer() {
    QFETCH(QByteArray, path);
    QFETCH(HttpError::Kind, kind);
    QFETCH(QString, reason);
    FixtureServer server;
    server.serveHostile();
    HttpClient client;
    client.timeoutMs = 2000;
    EventLog log(client);
    QElapsedTimer clock;
    clock.start();
    QString message;
    QCOMPARE(fetchError(client, server.url(path), &message), kind);
    QVERIFY2(message.contains(reason), qPrintable(message));
    QVERIFY(clock.elapsed() < 15000);
    QVERIFY(client.body().isEmpty());
    QVERIFY(log.events.filter(QStringLiteral("success")).isEmpty());
    QVERIFY(!log.events.contains(QStringLiteral("redirect302"))); // a refused hop raises no event
}

void TestHttpClient::slowSteadyServer_isNotCutOff() {
    // 4,000 bytes in every 2 s window: slow, but above the minimum pace, for longer than one window.
    FixtureServer server;
    const QByteArray feed = "<rss>" + QByteArray(6000, 'x') + "</rss>";
    server.trickle("/slow.rss", feed, 200, 100);
    HttpClient client;
    client.timeoutMs = 2000;
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(client.fetch(server.url("/slow.rss")), HttpClient::Outcome::Success);
    QVERIFY(clock.elapsed() > 2000);
    QCOMPARE(client.body(), feed);
}

void TestHttpClient::endlessBody_staysWithinMemory_data() {
    QTest::addColumn<QByteArray>("path");
    QTest::newRow("plain") << QByteArray("/forever");
    QTest::newRow("chunked") << QByteArray("/forever-chunked");
    QTest::newRow("gzip bomb") << QByteArray("/bomb");
}

void TestHttpClient::endlessBody_staysWithinMemory() {
    QFETCH(QByteArray, path);
    constexpr qint64 limit = 64 * 1024 * 1024;
    constexpr qint64 margin = 64 * 1024 * 1024;
    FixtureServer server;
    server.endless("/forever");
    server.endlessChunked("/forever-chunked");
    if (path == "/bomb") {
        // 512 MB of blanks in about half a megabyte.
        server.serveEncoded("/bomb", FixtureServer::gzip(QByteArray(1024 * 1024, ' '), 512), "gzip");
    }
    HttpClient client;
    client.maxBodySize = limit;
    QVERIFY(resetPeakMemory());
    const qint64 before = processMemory("VmRSS");
    QCOMPARE(fetchError(client, server.url(path)), HttpError::TooLarge);
    const qint64 growth = processMemory("VmHWM") - before;
    QVERIFY2(growth < limit + margin, qPrintable(QStringLiteral("peak grew by %1 MB").arg(growth >> 20)));
    QVERIFY(client.body().isEmpty());
}

void TestHttpClient::https_servedWithTrustedCertificate() {
    FixtureServer server(true);
    server.serve("/secure.rss", "<rss/>");
    HttpClient client;
    client.extraCaCertificates = {FixtureServer::certificate()};
    EventLog log(client);
    QVERIFY(server.url("/secure.rss").startsWith(QLatin1String("https://")));
    QCOMPARE(client.fetch(server.url("/secure.rss")), HttpClient::Outcome::Success);
    QCOMPARE(log.events.constLast(), QStringLiteral("success:<rss/>"));
}

void TestHttpClient::https_untrustedCertificate_isAnError() {
    FixtureServer server(true);
    server.serve("/secure.rss", "<rss/>");
    HttpClient client;
    EventLog log(client);
    QCOMPARE(fetchError(client, server.url("/secure.rss")), HttpError::Other);
    QVERIFY(log.events.filter(QStringLiteral("success")).isEmpty());
}

void TestHttpClient::cancel_endsFetchWithoutEvents() {
    FixtureServer server;
    server.hang("/silent");
    HttpClient client;
    EventLog log(client);
    QTimer::singleShot(100, &client, [&client] { client.cancel(); });
    QCOMPARE(client.fetch(server.url("/silent")), HttpClient::Outcome::Cancelled);
    QVERIFY(!log.events.contains(QStringLiteral("connectionFailed")));
    QVERIFY(!client.isBusy());
}

void TestHttpClient::secondFetchWhileBusy_returnsBusy() {
    FixtureServer server;
    server.serve("/a", "first");
    HttpClient client;
    HttpClient::Outcome nested = HttpClient::Outcome::Other;
    client.onConnect = [&] { nested = client.fetch(server.url("/a")); };
    QCOMPARE(client.fetch(server.url("/a")), HttpClient::Outcome::Success);
    QCOMPARE(nested, HttpClient::Outcome::Busy);
    QCOMPARE(client.body(), QByteArray("first"));
    QCOMPARE(server.requests().size(), 1);
}

void TestHttpClient::unusableAddress_isRefused_data() {
    QTest::addColumn<QString>("address");
    QTest::newRow("empty") << QString();
    QTest::newRow("scheme only") << QStringLiteral("http://");
    QTest::newRow("ftp") << QStringLiteral("ftp://example.invalid/feed.rss");
}

void TestHttpClient::unusableAddress_isRefused() {
    QFETCH(QString, address);
    HttpClient client;
    EventLog log(client);
    QCOMPARE(fetchError(client, address), HttpError::InvalidAddress);
    QVERIFY(log.events.isEmpty());
}

QTEST_GUILESS_MAIN(TestHttpClient)
#include "tst_httpclient.moc"
