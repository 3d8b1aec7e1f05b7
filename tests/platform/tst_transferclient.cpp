#include "platform/knownhosts.h"
#include "platform/transferclient.h"
#include "scriptedprompts.h"
#include "testhome.h"
#include "transferserver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

using namespace tidewell::platform;
using tidewell::test::ScriptedPrompts;
using tidewell::test::TestHome;
using Server = tidewell::test::TransferServer;

namespace {

// Every event of a client as one line each: "connected", "reply 230 ...", "command STOR /x" ...
class EventLog final : public QObject {
public:
    explicit EventLog(TransferClient &client) {
        connect(&client, &TransferClient::connected, this, [this] { lines << QStringLiteral("connected"); });
        connect(&client, &TransferClient::disconnected, this,
                [this] { lines << QStringLiteral("disconnected"); });
        connect(&client, &TransferClient::errorReply, this, [this](int code, const QString &line) {
            lines << QStringLiteral("error %1 %2").arg(code).arg(line);
        });
        connect(&client, &TransferClient::loginError, this,
                [this](int, const QString &text) { lines << QStringLiteral("loginerror ") + text; });
        connect(&client, &TransferClient::reply, this,
                [this](int, const QString &line) { lines << QStringLiteral("reply ") + line; });
        connect(&client, &TransferClient::commandSent, this,
                [this](const QString &line) { lines << QStringLiteral("command ") + line; });
        connect(&client, &TransferClient::directoryListed, this,
                [this](const QString &directory) { lines << QStringLiteral("listed ") + directory; });
    }
    ~EventLog() override {
        if (qEnvironmentVariableIsSet("TRANSFER_TEST_LOG")) {
            qDebug().noquote() << lines.join(QLatin1Char('\n'));
        }
    }
    QStringList matching(const QString &prefix) const {
        QStringList found;
        for (const QString &line : lines) {
            if (line.startsWith(prefix)) {
                found << line;
            }
        }
        return found;
    }
    QStringList lines;
};

TransferServer serverFor(const Server &server, const QString &password = Server::password()) {
    auto parsed = TransferServer::parse(server.address());
    TransferServer result = *parsed;
    result.user = Server::user();
    result.password = password;
    return result;
}

Status login(TransferClient &client, const Server &server, const QString &password = Server::password()) {
    client.login(serverFor(server, password));
    return client.waitWhileBusy();
}

void writeFile(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool hasEntry(const TransferClient &client, const QString &name, RemoteEntry::Kind kind) {
    for (const RemoteEntry &entry : client.entries()) {
        if (entry.name == name && entry.kind == kind) {
            return true;
        }
    }
    return false;
}

// A feed as the writer makes it: UTF-8, CR LF line ends, markup inside CDATA.
const QByteArray kFeed =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<rss version=\"2.0\">\r\n<channel>\r\n"
    "<title>Caf\xc3\xa9 news</title>\r\n<description><![CDATA[<p>Two\r\n\r\nlines</p>]]>"
    "</description>\r\n</channel>\r\n</rss>\r\n";

} // namespace

class TestTransferClient final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void serverAddress_data();
    void serverAddress();
    void remoteFilePath_data();
    void remoteFilePath();
    void ftpLogin_listsAndChangesDirectory();
    void ftpStore_sendsWholePathAndExactBytes_data();
    void ftpStore_sendsWholePathAndExactBytes();
    void storeCreatesMissingFolders_data();
    void storeCreatesMissingFolders();
    void loginFailure_endsWaitWithLoginError_data();
    void loginFailure_endsWaitWithLoginError();
    void refusedUpload_isFailureNotSuccess();
    void logoutDuringTransfer_cancelsIt();
    void sftpUnknownHostKey_data();
    void sftpUnknownHostKey();
    void sftpChangedHostKey_isRefusedWithWarning();
    void ftpsSelfSignedCertificate_acceptedOncePerServer();

private:
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<ScriptedPrompts> m_prompts;
};

void TestTransferClient::init() {
    m_home = std::make_unique<TestHome>();
    m_prompts = std::make_unique<ScriptedPrompts>();
}

void TestTransferClient::cleanup() {
    m_prompts.reset();
    m_home.reset();
}

void TestTransferClient::serverAddress_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("protocol");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");

    QTest::newRow("bare host") << "ftp.example.com" << true << int(TransferProtocol::Ftp) << "ftp.example.com"
                               << 21;
    QTest::newRow("host and port") << "example.com:2121" << true << int(TransferProtocol::Ftp)
                                   << "example.com" << 2121;
    QTest::newRow("sftp scheme, trailing slash")
        << "SFTP://example.com/" << true << int(TransferProtocol::Sftp) << "example.com" << 22;
    QTest::newRow("ftps with port") << "ftps://10.0.0.1:990" << true << int(TransferProtocol::Ftps)
                                    << "10.0.0.1" << 990;
    QTest::newRow("bracketed IPv6 with port")
        << "[::1]:2222" << true << int(TransferProtocol::Ftp) << "::1" << 2222;
    QTest::newRow("bare IPv6") << "fe80::1" << true << int(TransferProtocol::Ftp) << "fe80::1" << 21;
    QTest::newRow("port out of range") << "example.com:70000" << false << 0 << "" << 0;
    QTest::newRow("port not a number") << "example.com:ftp" << false << 0 << "" << 0;
    QTest::newRow("unknown scheme") << "http://example.com" << false << 0 << "" << 0;
    QTest::newRow("a path") << "ftp://example.com/htdocs" << false << 0 << "" << 0;
    QTest::newRow("empty") << "  " << false << 0 << "" << 0;
}

void TestTransferClient::serverAddress() {
    QFETCH(QString, address);
    QFETCH(bool, ok);
    const Result<TransferServer> server = TransferServer::parse(address);
    QCOMPARE(server.ok(), ok);
    if (!ok) {
        QVERIFY(!server.error().isEmpty());
        return;
    }
    QFETCH(int, protocol);
    QFETCH(QString, host);
    QFETCH(int, port);
    QCOMPARE(int(server->protocol), protocol);
    QCOMPARE(server->host, host);
    QCOMPARE(server->effectivePort(), port);
}

void TestTransferClient::remoteFilePath_data() {
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("local");
    QTest::addColumn<QString>("expected");
    QTest::newRow("subfolder, Windows separators") << "\\htdocs\\rss"
                                                   << "/home/u/feeds/news.xml"
                                                   << "/htdocs/rss/news.xml";
    QTest::newRow("root as empty text") << ""
                                        << "/tmp/news.xml"
                                        << "/news.xml";
    QTest::newRow("root as slash") << "/"
                                   << "news.xml"
                                   << "/news.xml";
    QTest::newRow("trailing slash") << "/htdocs/"
                                    << "C:\\feeds\\news.xml"
                                    << "/htdocs/news.xml";
}

void TestTransferClient::remoteFilePath() {
    QFETCH(QString, directory);
    QFETCH(QString, local);
    QFETCH(QString, expected);
    QCOMPARE(TransferClient::remoteFilePath(directory, local), expected);
}

void TestTransferClient::ftpLogin_listsAndChangesDirectory() {
    Server server(Server::Protocol::Ftp);
    QVERIFY2(server.started(), qPrintable(server.errorOutput()));
    writeFile(server.filePath(QStringLiteral("htdocs/rss/old.xml")), "x");
    writeFile(server.filePath(QStringLiteral("readme.txt")), "hello");

    TransferClient client;
    EventLog log(client);
    QCOMPARE(client.state(), TransferClient::State::Idle);
    QVERIFY2(login(client, server).ok(), qPrintable(client.lastResult().error()));
    QCOMPARE(client.state(), TransferClient::State::Ready);
    QVERIFY(client.isConnected());
    QCOMPARE(log.lines.first(), QStringLiteral("connected"));
    QVERIFY(!log.matching(QStringLiteral("reply 220")).isEmpty());
    QVERIFY(!log.matching(QStringLiteral("reply 230")).isEmpty());
    QVERIFY(log.lines.contains(QStringLiteral("command PASS ****")));
    QVERIFY(log.matching(QStringLiteral("command PASS ")).size() == 1);
    QCOMPARE(client.currentDirectory(), QStringLiteral("/"));
    QVERIFY(hasEntry(client, QStringLiteral("htdocs"), RemoteEntry::Kind::Directory));
    QVERIFY(hasEntry(client, QStringLiteral("readme.txt"), RemoteEntry::Kind::File));
    QCOMPARE(log.lines.last(), QStringLiteral("listed /"));

    // A second login while logged in does nothing.
    client.login(serverFor(server));
    QCOMPARE(client.state(), TransferClient::State::Ready);

    QVERIFY(client.changeDirectory(QStringLiteral("\\htdocs\\rss")));
    QVERIFY(client.isBusy());
    QVERIFY(client.waitWhileBusy().ok());
    QCOMPARE(client.currentDirectory(), QStringLiteral("/htdocs/rss"));
    QVERIFY(hasEntry(client, QStringLiteral("old.xml"), RemoteEntry::Kind::File));
    QVERIFY(log.lines.contains(QStringLiteral("command LIST /htdocs/rss")));
    QCOMPARE(log.matching(QStringLiteral("connected")).size(), 1); // the connection was reused

    // A directory the server does not have: an error reply, and the connection stays usable.
    QVERIFY(client.changeDirectory(QStringLiteral("/missing")));
    const Status missing = client.waitWhileBusy();
    QVERIFY(!missing.ok());
    QVERIFY(!log.matching(QStringLiteral("error 550")).isEmpty());
    QCOMPARE(client.state(), TransferClient::State::Ready);
    QCOMPARE(client.currentDirectory(), QStringLiteral("/htdocs/rss"));
    QVERIFY(client.changeDirectory(QStringLiteral("/")));
    QVERIFY(client.waitWhileBusy().ok());
    QVERIFY(hasEntry(client, QStringLiteral("htdocs"), RemoteEntry::Kind::Directory));

    client.logout();
    QCOMPARE(client.state(), TransferClient::State::Idle);
    QVERIFY(!client.isConnected());
    QCOMPARE(log.lines.last(), QStringLiteral("disconnected"));
    QVERIFY(!client.changeDirectory(QStringLiteral("/htdocs")));
}

void TestTransferClient::ftpStore_sendsWholePathAndExactBytes_data() {
    QTest::addColumn<QString>("directory");
    QTest::addColumn<bool>("ascii");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("arrived");

    QTest::newRow("subfolder") << "\\htdocs\\rss" << false << "STOR /htdocs/rss/news.xml"
                               << "htdocs/rss/news.xml";
    QTest::newRow("root") << "" << false << "STOR /news.xml"
                          << "news.xml";
    QTest::newRow("ascii type") << "/htdocs" << true << "STOR /htdocs/news.xml"
                                << "htdocs/news.xml";
}

void TestTransferClient::ftpStore_sendsWholePathAndExactBytes() {
    QFETCH(QString, directory);
    QFETCH(bool, ascii);
    QFETCH(QString, command);
    QFETCH(QString, arrived);

    Server server(Server::Protocol::Ftp);
    QVERIFY2(server.started(), qPrintable(server.errorOutput()));
    QDir(server.root()).mkpath(QStringLiteral("htdocs/rss"));
    QTemporaryDir local;
    const QString feed = local.filePath(QStringLiteral("news.xml"));
    writeFile(feed, kFeed);

    TransferClient client;
    EventLog log(client);
    QVERIFY(login(client, server).ok());
    TransferClient::StoreOptions options;
    options.type = ascii ? TransferClient::TransferType::Ascii : TransferClient::TransferType::Binary;
    QVERIFY(client.store(TransferClient::remoteFilePath(directory, feed), feed, options));
    const Status stored = client.waitWhileBusy();
    QVERIFY2(stored.ok(), qPrintable(stored.error()));
    QCOMPARE(client.state(), TransferClient::State::Ready);

    const QStringList commands = log.matching(QStringLiteral("command "));
    QVERIFY2(commands.contains(QStringLiteral("command ") + command),
             qPrintable(commands.join(QLatin1Char('|'))));
    QVERIFY(commands.contains(QStringLiteral("command PASV")));
    // libcurl sends TYPE only when it changes; the listing of the login used ASCII.
    QCOMPARE(commands.contains(QStringLiteral("command TYPE I")), !ascii);
    QVERIFY(log.matching(QStringLiteral("command CWD")).isEmpty());
    QVERIFY(log.matching(QStringLiteral("error")).isEmpty());
    if (ascii) {
        // The server may write text with its own line ends; every line arrives.
        QCOMPARE(readFile(server.filePath(arrived)).replace("\r\n", "\n"),
                 QByteArray(kFeed).replace("\r\n", "\n"));
    } else {
        QCOMPARE(readFile(server.filePath(arrived)), kFeed);
    }
}

void TestTransferClient::storeCreatesMissingFolders_data() {
    QTest::addColumn<int>("protocol");
    QTest::newRow("ftp") << int(Server::Protocol::Ftp);
    QTest::newRow("sftp") << int(Server::Protocol::Sftp);
}

void TestTransferClient::storeCreatesMissingFolders() {
    QFETCH(int, protocol);
    Server server{Server::Protocol(protocol)};
    QVERIFY2(server.started(), qPrintable(server.errorOutput()));
    QTemporaryDir local;
    const QString page = local.filePath(QStringLiteral("index.htm"));
    writeFile(page, "<html>\r\n</html>\r\n");

    TransferClient client;
    client.onQuestion = [](TransferClient::Question, const QString &) { return true; };
    QVERIFY(login(client, server).ok());
    TransferClient::StoreOptions options;
    options.createFolders = true;
    QVERIFY(client.store(QStringLiteral("/blog/2024/index.htm"), page, options));
    const Status stored = client.waitWhileBusy();
    QVERIFY2(stored.ok(), qPrintable(stored.error()));
    QCOMPARE(readFile(server.filePath(QStringLiteral("blog/2024/index.htm"))),
             QByteArray("<html>\r\n</html>\r\n"));

    // Without the option a missing folder is an error, and nothing claims success.
    QVERIFY(client.store(QStringLiteral("/other/index.htm"), page));
    QVERIFY(!client.waitWhileBusy().ok());
    QVERIFY(!QFile::exists(server.filePath(QStringLiteral("other/index.htm"))));
}

void TestTransferClient::loginFailure_endsWaitWithLoginError_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("ftp wrong password") << "ftp password";
    QTest::newRow("sftp wrong password") << "sftp password";
    QTest::newRow("refused port") << "refused";
    QTest::newRow("server that never greets") << "silent";
}

void TestTransferClient::loginFailure_endsWaitWithLoginError() {
    QFETCH(QString, kind);
    std::unique_ptr<Server> server;
    QTcpServer silent;
    TransferServer target;
    if (kind.endsWith(QLatin1String("password"))) {
        server = std::make_unique<Server>(kind.startsWith(QLatin1String("ftp")) ? Server::Protocol::Ftp
                                                                                : Server::Protocol::Sftp);
        QVERIFY2(server->started(), qPrintable(server->errorOutput()));
        target = serverFor(*server, QStringLiteral("wrong"));
    } else {
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        target.host = QStringLiteral("127.0.0.1");
        target.port = silent.serverPort();
        target.user = QStringLiteral("u");
        if (kind == QLatin1String("refused")) {
            silent.close(); // nothing listens there any more
        }
    }

    TransferClient client;
    client.connectTimeoutMs = 6000; // pyftpdlib answers a wrong password after 3 s
    client.idleTimeoutMs = 6000;
    client.onQuestion = [](TransferClient::Question, const QString &) { return true; };
    EventLog log(client);
    QElapsedTimer timer;
    timer.start();
    client.login(target);
    const Status result = client.waitWhileBusy();
    QVERIFY(!result.ok());
    QVERIFY(timer.elapsed() < 20000);
    QCOMPARE(client.state(), TransferClient::State::Idle);
    QVERIFY(!client.isConnected());
    QCOMPARE(log.matching(QStringLiteral("loginerror ")).size(), 1);
    QVERIFY(!result.error().isEmpty());
    if (kind == QLatin1String("ftp password")) {
        QVERIFY(!log.matching(QStringLiteral("error 530")).isEmpty());
    }
    QCOMPARE(log.matching(QStringLiteral("disconnected")).size(),
             log.matching(QStringLiteral("connected")).size());
    QVERIFY(
        !client.store(QStringLiteral("/x.xml"), QStringLiteral(TIDEWELL_TEST_SOURCE_DIR "/CMakeLists.txt")));
}

void TestTransferClient::refusedUpload_isFailureNotSuccess() {
    Server server(Server::Protocol::Ftp, {QStringLiteral("--readonly")});
    QVERIFY2(server.started(), qPrintable(server.errorOutput()));
    QTemporaryDir local;
    const QString feed = local.filePath(QStringLiteral("news.xml"));
    writeFile(feed, kFeed);

    TransferClient client;
    EventLog log(client);
    QVERIFY(login(client, server).ok());
    QVERIFY(client.store(QStringLiteral("/news.xml"), feed));
    const Status stored = client.waitWhileBusy();
    QVERIFY(!stored.ok());
    QVERIFY(!stored.error().isEmpty());
    QVERIFY(!log.matching(QStringLiteral("error 550")).isEmpty());
    QVERIFY(!QFile::exists(server.filePath(QStringLiteral("news.xml"))));
    QCOMPARE(client.state(), TransferClient::State::Ready);

    // Nothing to send: nothing starts.
    QVERIFY(!client.store(QStringLiteral("/news.xml"), local.filePath(QStringLiteral("absent.xml"))));
    QVERIFY(!client.store(QString(), feed));
    QCOMPARE(client.state(), TransferClient::State::Ready);
}

void TestTransferClient::logoutDuringTransfer_cancelsIt() {
    Server server(Server::Protocol::Ftp, {QStringLiteral("--throttle"), QStringLiteral("65536")});
    QVERIFY2(server.started(), qPrintable(server.errorOutput()));
    QTemporaryDir local;
    const QString big = local.filePath(QStringLiteral("big.bin"));
    writeFile(big, QByteArray(8 * 1024 * 1024, 'x'));

    TransferClient client;
    EventLog log(client);
    QVERIFY(login(client, server).ok());
    // The window closes as soon as the first bytes went out.
    connect(&client, &TransferClient::storeProgress, &client, [&client](qint64 sent, qint64) {
        if (sent > 0 && client.isBusy()) {
            QTimer::singleShot(0, &client, [&client] { client.logout(); });
        }
    });
    QVERIFY(client.store(QStringLiteral("/big.bin"), big));
    QElapsedTimer timer;
    timer.start();
    const Status result = client.waitWhileBusy();
    QVERIFY(!result.ok());
    QVERIFY(timer.elapsed() < 30000);
    QCOMPARE(client.state(), TransferClient::State::Idle);
    QCOMPARE(log.lines.last(), QStringLiteral("disconnected"));
    QVERIFY(QFileInfo(server.filePath(QStringLiteral("big.bin"))).size() < 8 * 1024 * 1024);
}

void TestTransferClient::sftpUnknownHostKey_data() {
    QTest::addColumn<bool>("accept");
    QTest::newRow("accepted") << true;
    QTest::newRow("refused") << false;
}

void TestTransferClient::sftpUnknownHostKey() {
    QFETCH(bool, accept);
    Server server(Server::Protocol::Sftp);
    QVERIFY2(server.started(), qPrintable(server.errorOutput()));
    QDir(server.root()).mkpath(QStringLiteral("htdocs"));
    QTemporaryDir local;
    const QString feed = local.filePath(QStringLiteral("news.xml"));
    writeFile(feed, kFeed);
    const QString knownHosts = KnownHosts::defaultFile();

    m_prompts->answer(accept ? PromptAnswer::Yes : PromptAnswer::No);
    TransferClient client;
    EventLog log(client);
    const Status loggedIn = login(client, server);
    QCOMPARE(m_prompts->asked().size(), 1);
    const QByteArray blob = QByteArray::fromBase64(server.hostKey().section(QLatin1Char(' '), 1).toLatin1());
    QVERIFY(m_prompts->asked().first().text.contains(KnownHosts::fingerprint(blob)));
    QCOMPARE(m_prompts->asked().first().buttons, PromptButtons::YesNo);

    if (!accept) {
        QVERIFY(!loggedIn.ok());
        QCOMPARE(log.matching(QStringLiteral("loginerror ")).size(), 1);
        QVERIFY(!QFile::exists(knownHosts) || !readFile(knownHosts).contains(server.hostKey().toLatin1()));
        QCOMPARE(client.state(), TransferClient::State::Idle);
        return;
    }
    QVERIFY2(loggedIn.ok(), qPrintable(loggedIn.error()));
    QCOMPARE(readFile(knownHosts),
             QStringLiteral("[127.0.0.1]:%1 %2\n").arg(server.port()).arg(server.hostKey()).toLatin1());
    QVERIFY(hasEntry(client, QStringLiteral("htdocs"), RemoteEntry::Kind::Directory));
    QVERIFY(client.changeDirectory(QStringLiteral("/htdocs")));
    QVERIFY(client.waitWhileBusy().ok());
    QVERIFY(client.store(TransferClient::remoteFilePath(client.currentDirectory(), feed), feed));
    const Status stored = client.waitWhileBusy();
    QVERIFY2(stored.ok(), qPrintable(stored.error()));
    QCOMPARE(readFile(server.filePath(QStringLiteral("htdocs/news.xml"))), kFeed);
    client.logout();

    // The key is known now: the next login asks nothing.
    TransferClient again;
    QVERIFY(login(again, server).ok());
    QCOMPARE(m_prompts->asked().size(), 1);
}

void TestTransferClient::sftpChangedHostKey_isRefusedWithWarning() {
    Server server(Server::Protocol::Sftp);
    QVERIFY2(server.started(), qPrintable(server.errorOutput()));
    const QByteArray line =
        QStringLiteral("[127.0.0.1]:%1 %2\n").arg(server.port()).arg(server.otherKey()).toLatin1();
    writeFile(KnownHosts::defaultFile(), line);
    QTemporaryDir local;
    const QString feed = local.filePath(QStringLiteral("news.xml"));
    writeFile(feed, kFeed);

    TransferClient client;
    EventLog log(client);
    QVERIFY(!login(client, server).ok());
    QCOMPARE(client.state(), TransferClient::State::Idle);
    QCOMPARE(m_prompts->asked().size(), 1);
    QCOMPARE(m_prompts->asked().first().type, PromptType::Warning);
    QVERIFY(m_prompts->asked().first().text.contains(QLatin1String("changed")));
    QCOMPARE(log.matching(QStringLiteral("loginerror ")).size(), 1);
    QCOMPARE(readFile(KnownHosts::defaultFile()), line); // the known key stays as it was
    QVERIFY(QDir(server.root()).isEmpty());
}

void TestTransferClient::ftpsSelfSignedCertificate_acceptedOncePerServer() {
    QTemporaryDir state; // one certificate for both servers
    Server server(Server::Protocol::Ftps, {}, state.path());
    QVERIFY2(server.started(), qPrintable(server.errorOutput()));
    QTemporaryDir local;
    const QString feed = local.filePath(QStringLiteral("news.xml"));
    writeFile(feed, kFeed);

    // Refused: no login, nothing remembered.
    m_prompts->answer(PromptAnswer::No);
    {
        TransferClient client;
        EventLog log(client);
        QVERIFY(!login(client, server).ok());
        QCOMPARE(log.matching(QStringLiteral("loginerror ")).size(), 1);
        QVERIFY(log.matching(QStringLiteral("command USER")).isEmpty()); // no credentials went out
    }
    QCOMPARE(m_prompts->asked().size(), 1);
    QVERIFY(m_prompts->asked().first().text.contains(QLatin1String("SHA-256")));

    // Accepted: the upload goes over the protected data channel the server insists on.
    m_prompts->answer(PromptAnswer::Yes);
    TransferClient client;
    EventLog log(client);
    QVERIFY2(login(client, server).ok(), qPrintable(client.lastResult().error()));
    QVERIFY(log.lines.contains(QStringLiteral("command AUTH SSL")) ||
            log.lines.contains(QStringLiteral("command AUTH TLS")));
    QVERIFY(log.lines.contains(QStringLiteral("command PROT P")));
    QVERIFY(client.store(QStringLiteral("/news.xml"), feed));
    const Status stored = client.waitWhileBusy();
    QVERIFY2(stored.ok(), qPrintable(stored.error()));
    QCOMPARE(readFile(server.filePath(QStringLiteral("news.xml"))), kFeed);
    client.logout();
    QCOMPARE(m_prompts->asked().size(), 2);

    // Once per server: the next login trusts it without asking; another port is another server.
    TransferClient again;
    QVERIFY(login(again, server).ok());
    QCOMPARE(m_prompts->asked().size(), 2);
    Server other(Server::Protocol::Ftps, {}, state.path());
    QVERIFY(other.started());
    TransferClient third;
    QVERIFY(!login(third, other).ok());
    QCOMPARE(m_prompts->asked().size(), 3);
}

QTEST_GUILESS_MAIN(TestTransferClient)
#include "tst_transferclient.moc"
