#include "clirun.h"
#include "testhome.h"
#include "transferserver.h"

#include <QDir>
#include <QFile>
#include <QTest>

using tidewell::test::TestHome;
using Server = tidewell::test::TransferServer;

namespace {
const QByteArray kFeed =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<rss version=\"2.0\">\r\n<channel>\r\n"
    "<title>T\xc3\xaate</title>\r\n</channel>\r\n</rss>\r\n";

QByteArray readFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
} // namespace

// tidewell-cli upload run as a process against loopback servers.
class TestCliUpload final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void upload_data();
    void upload();
    void uploadBlog_data();
    void uploadBlog();
};

void TestCliUpload::upload_data() {
    QTest::addColumn<int>("protocol");
    QTest::addColumn<QStringList>("serverArguments");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("storedAs"); // empty: nothing may arrive

    const QStringList none;
    const QStringList intoHtdocs{QStringLiteral("--dir"), QStringLiteral("/htdocs")};
    QTest::newRow("ftp into a folder")
        << int(Server::Protocol::Ftp) << none << "secret" << intoHtdocs << 0 << "htdocs/news.xml";
    QTest::newRow("ftp at the root") << int(Server::Protocol::Ftp) << none << "secret" << none << 0
                                     << "news.xml";
    QTest::newRow("ftp wrong password") << int(Server::Protocol::Ftp) << none << "wrong" << none << 1 << "";
    QTest::newRow("ftp upload refused")
        << int(Server::Protocol::Ftp) << QStringList{QStringLiteral("--readonly")} << "secret" << none << 1
        << "";
    QTest::newRow("ftp missing folder")
        << int(Server::Protocol::Ftp) << none << "secret"
        << QStringList{QStringLiteral("--dir"), QStringLiteral("/nowhere")} << 1 << "";
    QTest::newRow("sftp first key refused")
        << int(Server::Protocol::Sftp) << none << "secret" << intoHtdocs << 1 << "";
    QTest::newRow("sftp first key accepted")
        << int(Server::Protocol::Sftp) << none << "secret"
        << (intoHtdocs + QStringList{QStringLiteral("--accept-new-host-key")}) << 0 << "htdocs/news.xml";
}

void TestCliUpload::upload() {
    QFETCH(int, protocol);
    QFETCH(QStringList, serverArguments);
    QFETCH(QString, password);
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    QFETCH(QString, storedAs);

    TestHome home;
    Server server(Server::Protocol(protocol), serverArguments);
    QVERIFY2(server.started(), qPrintable(server.errorOutput()));
    QDir(server.root()).mkpath(QStringLiteral("htdocs"));
    const QString feed = home.filePath(QStringLiteral("news.xml"));
    const QString passwordFile = home.filePath(QStringLiteral("password"));
    const QList<std::pair<QString, QByteArray>> files{{feed, kFeed},
                                                      {passwordFile, password.toUtf8() + "\n"}};
    for (const auto &[path, bytes] : files) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    const tidewell::test::CliRun cli =
        tidewell::test::runCli(QStringList{QStringLiteral("upload"), feed, QStringLiteral("--server"),
                                           server.address(), QStringLiteral("--user"), Server::user(),
                                           QStringLiteral("--password-file"), passwordFile} +
                                   options,
                               {}, {}, 120000);
    const QString &out = cli.out;
    QVERIFY2(cli.status == exitCode, qPrintable(out + cli.err));

    const QStringList lines = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(!lines.isEmpty());
    QVERIFY(!out.contains(QLatin1String("secret")));
    if (exitCode == 0) {
        QVERIFY2(lines.contains(QStringLiteral("Connected to server")), qPrintable(out));
        QCOMPARE(lines.last(), QStringLiteral("Operation completed.."));
        QCOMPARE(readFile(server.filePath(storedAs)), kFeed);
    } else {
        QVERIFY2(!out.contains(QLatin1String("Operation completed..")), qPrintable(out));
        QVERIFY2(lines.last().startsWith(QLatin1String("Error : ")), qPrintable(out));
        QVERIFY(!QFile::exists(server.filePath(QStringLiteral("news.xml"))));
        QVERIFY(!QFile::exists(server.filePath(QStringLiteral("htdocs/news.xml"))));
    }
    if (protocol == int(Server::Protocol::Sftp)) {
        // The key is kept only when it was accepted.
        QCOMPARE(readFile(home.filePath(QStringLiteral("known_hosts"))).contains(server.hostKey().toLatin1()),
                 exitCode == 0);
    }
    if (storedAs.isEmpty() && exitCode == 1 && password == QLatin1String("wrong")) {
        QVERIFY2(out.contains(QLatin1String("Error : ")), qPrintable(out));
    }
}

void TestCliUpload::uploadBlog_data() {
    QTest::addColumn<QStringList>("serverArguments");
    QTest::addColumn<bool>("folderGiven"); // else published/ of the user folder
    QTest::addColumn<int>("exitCode");

    QTest::newRow("folder given") << QStringList() << true << 0;
    QTest::newRow("published folder of the user") << QStringList() << false << 0;
    QTest::newRow("server refuses") << QStringList{QStringLiteral("--readonly")} << true << 1;
}

void TestCliUpload::uploadBlog() {
    QFETCH(QStringList, serverArguments);
    QFETCH(bool, folderGiven);
    QFETCH(int, exitCode);

    TestHome home;
    Server server(Server::Protocol::Ftp, serverArguments);
    QVERIFY2(server.started(), qPrintable(server.errorOutput()));
    const QString folder = home.filePath(folderGiven ? QStringLiteral("site") : QStringLiteral("published"));
    const QList<std::pair<QString, QByteArray>> files{
        {QStringLiteral("index.htm"), "<html>\r\n</html>\r\n"},
        {QStringLiteral("archive/months.htm"), "<p>May</p>\r\n"},
        {QStringLiteral("images/logo.png"), QByteArray("\x89PNG\r\n\x1a\n\0", 9)}};
    for (const auto &[name, bytes] : files) {
        writeFile(folder + QLatin1Char('/') + name, bytes);
    }
    const QString passwordFile = home.filePath(QStringLiteral("password"));
    writeFile(passwordFile, Server::password().toUtf8() + "\n");

    QStringList arguments{QStringLiteral("upload-blog"),
                          QStringLiteral("--server"),
                          server.address(),
                          QStringLiteral("--user"),
                          Server::user(),
                          QStringLiteral("--dir"),
                          QStringLiteral("www/blog"),
                          QStringLiteral("--password-file"),
                          passwordFile};
    if (folderGiven) {
        arguments << folder;
    }
    const tidewell::test::CliRun cli = tidewell::test::runCli(arguments, {}, {}, 120000);
    const QString &out = cli.out;
    QVERIFY2(cli.status == exitCode, qPrintable(out + cli.err));
    const QStringList lines = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(!lines.isEmpty());
    if (exitCode == 0) {
        QCOMPARE(lines.last(), QStringLiteral("3 files stored in www/blog."));
        for (const auto &[name, bytes] : files) {
            QCOMPARE(readFile(server.filePath(QStringLiteral("www/blog/") + name)), bytes);
        }
    } else {
        QVERIFY2(lines.last().startsWith(QLatin1String("Error : ")), qPrintable(out));
        QVERIFY(!out.contains(QLatin1String("stored in")));
        QVERIFY(!QFile::exists(server.filePath(QStringLiteral("www"))));
    }
}

QTEST_GUILESS_MAIN(TestCliUpload)
#include "tst_cli_upload.moc"
