#include "fixtureserver.h"
#include "platform/httpclient.h"

#include <QTest>
#include <QTimer>

using tidewell::platform::HttpClient;
using tidewell::platform::HttpError;
using tidewell::test::FixtureServer;

Q_DECLARE_METATYPE(HttpClient::Outcome)

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

HttpError::Kind fetchError(HttpClient &client, const QString &address) {
    try {
        client.fetch(address);
    } catch (const HttpError &error) {
        return error.kind();
    }
    return HttpError::Kind(-1);
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
    void endlessServer_isBounded();
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

void TestHttpClient::endlessServer_isBounded() {
    FixtureServer server;
    server.endless("/forever");
    HttpClient client;
    client.maxBodySize = 1024 * 1024;
    QCOMPARE(fetchError(client, server.url("/forever")), HttpError::TooLarge);
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
