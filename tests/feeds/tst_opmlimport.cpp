#include "feeds/opmlimport.h"
#include "fixtureserver.h"
#include "platform/httpclient.h"
#include "testhome.h"

#include <QDir>
#include <QFile>
#include <QTest>

using tidewell::feeds::OpmlImport;
using tidewell::platform::HttpClient;
using tidewell::test::FixtureServer;

namespace {
QStringList rowTexts(const OpmlImport &batch) {
    QStringList out;
    for (const OpmlImport::Row &row : batch.rows()) {
        out << row.status + QLatin1Char('/') + row.handled + QLatin1Char('/') + QString::number(row.mark);
    }
    return out;
}

QByteArray outline(const QString &url) {
    return "  <outline text=\"x\" type=\"rss\" xmlUrl=\"" + url.toUtf8() + "\" htmlUrl=\"http://h/\"/>\n";
}
} // namespace

class TestOpmlImport final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void extractAddresses_data();
    void extractAddresses();
    void batch_storesEveryFeed();
    void batch_goesOnAfterFailures();
    void batch_fetchesTheDecodedAddress();
    void remoteFileName_data();
    void remoteFileName();
    void sourceCopy_joinsFolderTextAndName();
};

void TestOpmlImport::extractAddresses_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("address");
    QTest::newRow("double quotes") << QStringLiteral(
                                          "<outline text=\"a\" xmlUrl=\"http://x/a.rss\" type=\"rss\"/>")
                                   << QStringLiteral("http://x/a.rss");
    QTest::newRow("category outline")
        << QStringLiteral("  <outline text=\"News\">") << QStringLiteral("ine text=");
    QTest::newRow("lower-case attribute")
        << QStringLiteral("<outline xmlurl=\"http://x/a.rss\"/>") << QStringLiteral("e xmlurl=");
    QTest::newRow("two outlines: first wins")
        << QStringLiteral("<outline xmlUrl=\"http://x/1\"/><outline xmlUrl=\"http://x/2\"/>")
        << QStringLiteral("http://x/1");
    QTest::newRow("single quotes run to next double quote")
        << QStringLiteral("<outline xmlUrl='http://x/a.rss' title=\"t\"/>")
        << QStringLiteral("http://x/a.rss' title=");
    QTest::newRow("references decoded")
        << QStringLiteral("<outline xmlUrl=\"http://x/f.php?a=1&amp;b=2&#38;c=&lt;3&gt;&#x26;d\"/>")
        << QStringLiteral("http://x/f.php?a=1&b=2&c=<3>&d");
    QTest::newRow("bare ampersand kept") << QStringLiteral("<outline xmlUrl=\"http://x/f?a=1&b=2&amp\"/>")
                                         << QStringLiteral("http://x/f?a=1&b=2&amp");
    QTest::newRow("single quotes to line end")
        << QStringLiteral("<outline xmlUrl='http://x/a.rss'/>") << QStringLiteral("http://x/a.rss'/>");
}

void TestOpmlImport::extractAddresses() {
    QFETCH(QString, line);
    QFETCH(QString, address);
    const QStringList lines{QStringLiteral("<opml version=\"1.0\">"), line, QStringLiteral("</opml>")};
    QCOMPARE(OpmlImport::extractAddresses(lines), QStringList{address});
}

void TestOpmlImport::batch_storesEveryFeed() {
    tidewell::test::TestHome home;
    FixtureServer server;
    server.serve("/a/news.rss", "<rss>a</rss>\n");
    server.serve("/b/news.rss", "<rss>b</rss>\n"); // same name as the first: must not overwrite it
    server.serve("/c/feed/", "<rss>c</rss>\n");
    const QByteArray opml = "<opml version=\"1.0\"><body>\n" + outline(server.url("/a/news.rss")) +
                            outline(server.url("/b/news.rss")) + outline(server.url("/c/feed/")) +
                            "</body></opml>\n";
    const QStringList addresses = OpmlImport::extractAddresses(OpmlImport::textLines(opml));
    QCOMPARE(addresses.size() - 1, 2); // the number panel

    OpmlImport batch;
    HttpClient client;
    QStringList messages;
    batch.onMessage = [&](const QString &m) { messages << m; };
    batch.processurls(addresses, client);
    QCOMPARE(rowTexts(batch), QStringList(3, QStringLiteral("Done/Yes/0")));
    QCOMPARE(messages.constLast(), QStringLiteral("Importing action done.."));
    const QDir data(home.filePath(QStringLiteral("data")));
    QCOMPARE(data.entryList(QDir::Files),
             (QStringList{QStringLiteral("127.0.0.1_c_feed.xml"), QStringLiteral("news-2.rss"),
                          QStringLiteral("news.rss")}));
    QFile first(data.filePath(QStringLiteral("news.rss")));
    QVERIFY(first.open(QIODevice::ReadOnly));
    QCOMPARE(first.readAll(), QByteArray("<rss>a</rss>\r\n"));
    QCOMPARE(server.requests().constFirst().headers.value("from"), QByteArray());
}

void TestOpmlImport::batch_goesOnAfterFailures() {
    tidewell::test::TestHome home;
    FixtureServer server;
    server.serve("/one.rss", "<rss>1</rss>");
    server.serve("/two.rss", "<rss>2</rss>");
    const QStringList addresses{server.url("/one.rss"), server.url("/gone.rss"),
                                QStringLiteral("http://dead-feed.invalid/x.rss"),
                                QStringLiteral("http://127.0.0.1:%1/r.rss").arg(FixtureServer::refusedPort()),
                                server.url("/two.rss")};
    OpmlImport batch;
    HttpClient client;
    batch.processurls(addresses, client);
    QCOMPARE(rowTexts(batch), (QStringList{QStringLiteral("Done/Yes/0"), QStringLiteral("Error/No/1"),
                                           QStringLiteral("Error/No/1"), QStringLiteral("Error/No/1"),
                                           QStringLiteral("Done/Yes/0")}));
    QVERIFY(QFile::exists(home.filePath(QStringLiteral("data/one.rss"))));
    QVERIFY(QFile::exists(home.filePath(QStringLiteral("data/two.rss"))));
}

// An OPML list writes "&" in an address as "&amp;": the server must be asked for the address itself.
void TestOpmlImport::batch_fetchesTheDecodedAddress() {
    tidewell::test::TestHome home;
    FixtureServer server;
    server.serve("/feed.php?id=7&fmt=rss", "<rss>q</rss>");
    const QByteArray opml = "<opml version=\"1.1\">\n <body>\n" +
                            outline(server.url("/feed.php?id=7&amp;fmt=rss")) + " </body>\n</opml>\n";
    OpmlImport batch;
    HttpClient client;
    batch.processurls(OpmlImport::extractAddresses(OpmlImport::textLines(opml)), client);
    QCOMPARE(rowTexts(batch), QStringList{QStringLiteral("Done/Yes/0")});
    QCOMPARE(server.requests().constFirst().path, QByteArray("/feed.php?id=7&fmt=rss"));
}

void TestOpmlImport::remoteFileName_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("name");
    QTest::newRow("file name") << QStringLiteral("http://lists.example/a/subs.opml")
                               << QStringLiteral("subs.opml");
    QTest::newRow("folder address") << QStringLiteral("https://lists.example/opml/")
                                    << QStringLiteral("lists.example_opml.xml");
    QTest::newRow("query") << QStringLiteral("http://lists.example/export?user=5")
                           << QStringLiteral("lists.example_export_user_5.xml");
}

void TestOpmlImport::remoteFileName() {
    QFETCH(QString, address);
    QFETCH(QString, name);
    QCOMPARE(OpmlImport::remoteFileName(address), name);
}

void TestOpmlImport::sourceCopy_joinsFolderTextAndName() {
    QTemporaryDir dir;
    QString error;
    const QStringList lines{QStringLiteral("<opml>"), QStringLiteral("</opml>")};
    // A typed folder without a final separator is joined directly with the name.
    const QString path = OpmlImport::writeSourceCopy(lines, dir.filePath(QStringLiteral("out")),
                                                     QStringLiteral("list.opml"), &error);
    QCOMPARE(path, dir.filePath(QStringLiteral("outlist.opml")));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("<opml>\r\n</opml>\r\n"));
    QVERIFY(OpmlImport::writeSourceCopy(lines, dir.filePath(QStringLiteral("missing/")),
                                        QStringLiteral("a.opml"), &error)
                .isEmpty());
    QVERIFY(error.startsWith(QLatin1String("Cannot create file")));
}

QTEST_GUILESS_MAIN(TestOpmlImport)
#include "tst_opmlimport.moc"
