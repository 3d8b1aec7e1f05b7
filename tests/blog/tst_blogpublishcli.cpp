#include "blog/blogpublisher.h"
#include "blogfixture.h"
#include "clirun.h"
#include "testhome.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace tidewell;
using test::CliRun;
using test::runCli;

class TstBlogPublishCli : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void publish_printsStatusAndWritesFeed();
    void badArguments_data();
    void badArguments();
    void emptyBlog_failsWithMessage();
};

void TstBlogPublishCli::publish_printsStatusAndWritesFeed() {
    test::TestHome home;
    {
        test::BlogFixture blog;
        blog.setInformation(QStringLiteral("Harbour Notes"), QStringLiteral("Ana"), QString());
        blog.add({QStringLiteral("2026-11-20"), QStringLiteral("10:15:00"), QStringLiteral("Ana"),
                  QStringLiteral("Tides & moon"), QStringLiteral("https://example.org/"),
                  QStringLiteral("Tables"), QStringLiteral("<p>High water.</p>\r\n"),
                  QStringLiteral("High water."), QString(32, QLatin1Char('a'))},
                 false);
    }
    const CliRun run = runCli({QStringLiteral("blog"), QStringLiteral("publish"), QStringLiteral("--feed"),
                               QStringLiteral("--path"), QStringLiteral("https://example.org/blog")});
    QVERIFY2(run.status == 0, qPrintable(run.err));
    for (const char *line : {"1 Records processed..", "Publishing record # 0", "Publishing feeditem # 0",
                             "0 archived records processed..", "Scanning month #12", "Publishing done.."}) {
        QVERIFY2(run.out.contains(QLatin1String(line) + QLatin1Char('\n')), line);
    }
    QFile feed(QDir(blog::BlogPublisher::publishedFolder()).filePath(QStringLiteral("news.xml")));
    QVERIFY(feed.open(QIODevice::ReadOnly));
    const QByteArray xml = feed.readAll();
    // The blog's name by default; the path given gets its "/".
    QVERIFY(xml.contains("  <title>Harbour Notes</title>\r\n"));
    QVERIFY(
        xml.contains("    <link>https://example.org/blog/aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa.htm</link>\r\n"));
    QVERIFY(xml.contains("    <title>Tides &amp; moon</title>\r\n"));
}

void TstBlogPublishCli::badArguments_data() {
    QTest::addColumn<QStringList>("args");
    QTest::newRow("feed option without --feed") << QStringList(
        {QStringLiteral("blog"), QStringLiteral("publish"), QStringLiteral("--title"), QStringLiteral("T")});
    QTest::newRow("value missing") << QStringList({QStringLiteral("blog"), QStringLiteral("publish"),
                                                   QStringLiteral("--feed"), QStringLiteral("--path")});
    QTest::newRow("unknown option") << QStringList(
        {QStringLiteral("blog"), QStringLiteral("publish"), QStringLiteral("--upload")});
}

void TstBlogPublishCli::badArguments() {
    QFETCH(QStringList, args);
    test::TestHome home;
    const CliRun run = runCli(args);
    QCOMPARE(run.status, 2);
    QVERIFY(run.err.contains(QStringLiteral("Try 'tidewell-cli --help'.")));
    QVERIFY(!QFileInfo::exists(blog::BlogPublisher::publishedFolder()));
}

void TstBlogPublishCli::emptyBlog_failsWithMessage() {
    test::TestHome home;
    const CliRun run = runCli({QStringLiteral("blog"), QStringLiteral("publish")});
    QCOMPARE(run.status, 1);
    QCOMPARE(run.err, QStringLiteral("tidewell-cli: Nothing to publish, please enter data first.\n"));
}

QTEST_GUILESS_MAIN(TstBlogPublishCli)
#include "tst_blogpublishcli.moc"
