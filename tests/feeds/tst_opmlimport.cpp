#include "feeds/opmlimport.h"
#include "fixtureserver.h"
#include "oddfiles.h"
#include "peakmemory.h"
#include "platform/httpclient.h"
#include "testhome.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
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

// Reads list as a file named list.opml would be read, with its copy written under folderText.
tidewell::platform::Result<OpmlImport::Source> readList(QByteArray list, const QString &folderText) {
    QBuffer buffer(&list);
    buffer.open(QIODevice::ReadOnly);
    return OpmlImport::readList(buffer, folderText, QStringLiteral("list.opml"));
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
    void readList_copiesLinesAndKeepsOutlines_data();
    void readList_copiesLinesAndKeepsOutlines();
    void readList_unwritableCopy_fails();
    void openList_refusesOddFiles_data();
    void openList_refusesOddFiles();
    void readList_lineBreaks50MB_boundedMemory();
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
    QTemporaryDir copies;
    const QStringList addresses = OpmlImport::extractAddresses(readList(opml, copies.path())->outlineLines);
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
    batch.processurls(OpmlImport::extractAddresses(QString::fromUtf8(opml).split(QLatin1Char('\n'))), client);
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

void TestOpmlImport::readList_copiesLinesAndKeepsOutlines_data() {
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QByteArray>("copy");
    QTest::addColumn<QStringList>("outlines");
    const QByteArray head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
    QTest::newRow("LF lines, nested outlines")
        << head + "\n<opml version=\"1.1\">\n  <body>\n    <outline text=\"News\">\n"
                  "      <outline text=\"Caf\xC3\xA9\" xmlUrl=\"http://x/a.rss\"/>\n    </outline>\n  "
                  "</body>\n</opml>\n"
        << head + "\r\n<opml version=\"1.1\">\r\n  <body>\r\n    <outline text=\"News\">\r\n"
                  "      <outline text=\"Caf\xC3\xA9\" xmlUrl=\"http://x/a.rss\"/>\r\n    </outline>\r\n  "
                  "</body>\r\n"
                  "</opml>\r\n"
        << QStringList{QStringLiteral("    <outline text=\"News\">"),
                       QStringLiteral("      <outline text=\"Caf\u00e9\" xmlUrl=\"http://x/a.rss\"/>")};
    QTest::newRow("CR lines, last line without break, a byte that is not UTF-8 kept in the copy")
        << QByteArray("<opml>\r<outline xmlUrl=\"http://x/\xE9\"/>\r\r</opml>")
        << QByteArray("<opml>\r\n<outline xmlUrl=\"http://x/\xE9\"/>\r\n\r\n</opml>\r\n")
        << QStringList{QStringLiteral("<outline xmlUrl=\"http://x/\ufffd\"/>")};
    QTest::newRow("empty list") << QByteArray() << QByteArray() << QStringList();
}

void TestOpmlImport::readList_copiesLinesAndKeepsOutlines() {
    QFETCH(QByteArray, list);
    QFETCH(QByteArray, copy);
    QFETCH(QStringList, outlines);
    QTemporaryDir dir;
    // A typed folder without a final separator is joined directly with the name.
    const auto source = readList(list, dir.filePath(QStringLiteral("out")));
    QVERIFY(source.ok());
    QCOMPARE(source->copyPath, dir.filePath(QStringLiteral("outlist.opml")));
    QCOMPARE(source->outlineLines, outlines);
    QFile file(source->copyPath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), copy);
}

void TestOpmlImport::readList_unwritableCopy_fails() {
    QTemporaryDir dir;
    const auto source = readList("<opml>\n</opml>\n", dir.filePath(QStringLiteral("missing/")));
    QVERIFY(!source.ok());
    QCOMPARE(source.error(), QStringLiteral("Cannot create file %1: No such file or directory")
                                 .arg(dir.filePath(QStringLiteral("missing/list.opml"))));
}

void TestOpmlImport::openList_refusesOddFiles_data() {
    QTest::addColumn<bool>("fifo");
    QTest::newRow("endless device") << false;
    QTest::newRow("FIFO without writer") << true;
}

void TestOpmlImport::openList_refusesOddFiles() {
    QFETCH(bool, fifo);
    QTemporaryDir dir;
    const QString path = fifo ? tidewell::test::makeFifo(dir.filePath(QStringLiteral("list.opml")))
                              : tidewell::test::endlessDevice();
    QVERIFY(!path.isEmpty());
    QFile file(path);
    const tidewell::platform::Status opened = OpmlImport::openList(file);
    QVERIFY(!opened.ok());
    QCOMPARE(opened.error(), QStringLiteral("%1 is not a regular file").arg(path));
    QVERIFY(!file.isOpen());
}

void TestOpmlImport::readList_lineBreaks50MB_boundedMemory() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("breaks.opml"));
    QVERIFY(tidewell::test::writeLineBreaks(path, qint64(50) * 1024 * 1024));
    QFile file(path);
    QVERIFY(OpmlImport::openList(file).ok());
    tidewell::test::PeakMemory peak;
    if (!peak.start()) {
        QSKIP("the peak memory of this process cannot be reset here");
    }
    const auto source =
        OpmlImport::readList(file, dir.path() + QLatin1Char('/'), QStringLiteral("copy.opml"));
    const qint64 rise = peak.riseKb();
    QVERIFY(source.ok());
    QVERIFY(source->outlineLines.isEmpty());
    QCOMPARE(QFileInfo(source->copyPath).size(), qint64(100) * 1024 * 1024); // each line now ends in CR LF
    // One string per line would take gigabytes, the whole text 50 MB.
    QVERIFY2(rise < 16 * 1024, qPrintable(QStringLiteral("peak rose by %1 kB").arg(rise)));
}

QTEST_GUILESS_MAIN(TestOpmlImport)
#include "tst_opmlimport.moc"
