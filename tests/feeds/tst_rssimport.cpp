#include "channel/channelopen.h"
#include "channel/documentfile.h"
#include "channel/rsswriter.h"
#include "feeds/feedfilename.h"
#include "feeds/indentedtext.h"
#include "feeds/rssimport.h"
#include "testhome.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace tidewell;
using channel::ChannelTree;
using channel::TreeNode;
using feeds::RssImport;
using platform::Progress;

namespace {
QString fixture(const char *name) {
    return QStringLiteral(TIDEWELL_TEST_SOURCE_DIR "/fixtures/") + QLatin1String(name);
}

// A tree as text: one line per node, two blanks per level.
QString dump(const ChannelTree &tree) {
    QStringList lines;
    for (TreeNode *node = tree.first(); node; node = ChannelTree::next(node)) {
        lines << QString(node->level() * 2, QLatin1Char(' ')) + QString::fromStdString(node->text);
    }
    return lines.join(QLatin1Char('\n'));
}

// Copies a fixture into dir so the import writes its document there.
QString copied(const QTemporaryDir &dir, const char *name, const QString &as = QString()) {
    const QString target = dir.filePath(as.isEmpty() ? QLatin1String(name) : as);
    QFile::remove(target);
    if (!QFile::copy(fixture(name), target)) {
        qFatal("cannot copy fixture %s", name);
    }
    return target;
}

// Writes content into dir as a file of that name.
QString written(const QTemporaryDir &dir, const QByteArray &content, const char *name = "in.rss") {
    const QString path = dir.filePath(QLatin1String(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) {
        qFatal("cannot write %s", name);
    }
    return path;
}

ChannelTree loaded(const QString &path) {
    ChannelTree tree;
    QString error;
    if (!channel::loadChannelTree(tree, path, &error)) {
        qWarning("%s", qPrintable(error));
    }
    return tree;
}

std::vector<std::string> linesOf(const QString &text) {
    std::vector<std::string> lines;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        lines.push_back(line.toStdString());
    }
    return lines;
}
} // namespace

class TestRssImport final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sampleFeed_givesChannelTreeShape();
    void importedDocument_opensAndExportsAgain();
    void realWorldFeeds_data();
    void realWorldFeeds();
    void wildFeed_keepsEveryField();
    void refused_data();
    void refused();
    void invalidLevel_writesNothing();
    void roads_giveTheSameDocument_data();
    void roads_giveTheSameDocument();
    void existingDocument_isReplaced();
    void outputPath_data();
    void outputPath();
    void readIndentedLines_data();
    void readIndentedLines();
    void feedFileName_data();
    void feedFileName();
    void batchNames_neverRepeat();
    void fetchedFeed_storedWithCrLf();
};

void TestRssImport::sampleFeed_givesChannelTreeShape() {
    QTemporaryDir dir;
    const RssImport::Result result = RssImport::importFile(copied(dir, "sample.rss"), Progress::silent());
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(result.outputPath, dir.filePath(QStringLiteral("sample.chf")));
    QCOMPARE(result.warning, QString());
    // generator and lastBuildDate of the channel gone, the item's own generator kept; the channel's
    // comment a top-level "Comment"; a text over several lines one value with its line breaks; the
    // enclosure's attributes as "@" sections; "Item"/"Title" not renamed; a title without text gives
    // "item - ".
    QCOMPARE(dump(loaded(result.outputPath)), QStringLiteral("title\n"
                                                             "  Fish & Chips\n"
                                                             "link\n"
                                                             "  http://example.com/\n"
                                                             "description\n"
                                                             "  All about\n"
                                                             "      fish and\n"
                                                             "      chips\n"
                                                             "Comment\n"
                                                             "item - First post\n"
                                                             "  title\n"
                                                             "    First post\n"
                                                             "  link\n"
                                                             "    http://example.com/1\n"
                                                             "  enclosure\n"
                                                             "    @url\n"
                                                             "      http://example.com/a.mp3\n"
                                                             "    @length\n"
                                                             "      123\n"
                                                             "    @type\n"
                                                             "      audio/mpeg\n"
                                                             "  generator\n"
                                                             "    item keeps this\n"
                                                             "item\n"
                                                             "  link\n"
                                                             "    http://example.com/2\n"
                                                             "  description\n"
                                                             "    No title here\n"
                                                             "Item\n"
                                                             "  title\n"
                                                             "    Capital item\n"
                                                             "item\n"
                                                             "  Title\n"
                                                             "    Capital title\n"
                                                             "item - \n"
                                                             "  title\n"
                                                             "  link\n"
                                                             "    http://example.com/5"));
}

void TestRssImport::importedDocument_opensAndExportsAgain() {
    test::TestHome home;
    QTemporaryDir dir;
    const RssImport::Result first = RssImport::importFile(copied(dir, "sample.rss"), Progress::silent());
    QVERIFY(first.ok);
    ChannelTree opened;
    QVERIFY(channel::loadChannelDocument(opened, first.outputPath));
    QCOMPARE(QString::fromStdString(opened.topLevel(0)->text), QStringLiteral("Title"));
    const QString exported = dir.filePath(QStringLiteral("again.rss"));
    QString error;
    QVERIFY2(channel::export_rssfile(opened, exported, Progress::silent(), &error), qPrintable(error));
    QFile rss(exported);
    QVERIFY(rss.open(QIODevice::ReadOnly));
    const QByteArray text = rss.readAll();
    QVERIFY(text.contains("Fish &amp; Chips"));
    // The exported feed imports again with the same items.
    const RssImport::Result second = RssImport::importFile(exported, Progress::silent());
    QVERIFY2(second.ok, qPrintable(second.error));
    const QString again = dump(loaded(second.outputPath));
    QVERIFY2(again.contains(QLatin1String("item - First post")), qPrintable(again));
    QVERIFY(again.contains(QLatin1String("Fish & Chips")));
}

void TestRssImport::realWorldFeeds_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("fragments"); // parts of the result's dump
    QTest::addColumn<bool>("wellFormed");

    QTest::newRow("namespaces, CDATA, style sheet")
        << QStringLiteral("namespaces.rss")
        << QStringList{QStringLiteral("@xmlns:content\n  http://purl.org/rss/1.0/modules/content/\n"
                                      "@xmlns:dc\n  http://purl.org/dc/elements/1.1/\n@xmlns:itunes\n"),
                       QStringLiteral("@xmlns:media\n  http://search.yahoo.com/mrss/\n"
                                      "title\n  Pod & Blog\nlink\n  https://example.org/\nitunes:author"),
                       QStringLiteral(
                           "itunes:image\n  @href\n    https://example.org/cover.jpg\nimage\n  url\n"
                           "    https://example.org/logo.png"),
                       QStringLiteral("item - Episode 1\n  title\n    Episode 1\n  dc:creator\n    Ann"),
                       QStringLiteral("  description\n    <p>Hello <b>world</b> &amp; more</p>"),
                       QStringLiteral("  content:encoded\n    <p>Full text</p>\n  media:content\n    @url\n"
                                      "      https://example.org/e1.mp4\n    @type\n      video/mp4\n"
                                      "    media:title\n      Clip\n  guid\n    @isPermaLink\n      false\n"
                                      "    e1")}
        << true;
    QTest::newRow("ISO-8859-1") << QStringLiteral("latin1.rss")
                                << QStringList{QStringLiteral("title\n  Caf\u00e9 Cr\u00e8me"),
                                               QStringLiteral("item - Na\u00efve r\u00e9sum\u00e9")}
                                << true;
    QTest::newRow("UTF-8") << QStringLiteral("utf8.rss")
                           << QStringList{QStringLiteral("title\n  Z\u00fcrich \u2013 \u65e5\u672c"),
                                          QStringLiteral("item - \u20ac 5")}
                           << true;
    // Text never changes the tree: a text over several lines is one value with its line breaks.
    QTest::newRow("multi-line CDATA")
        << QStringLiteral("multiline-cdata.rss")
        << QStringList{QStringLiteral("item - A\n  title\n    A\n  description\n    line one\nline two")}
        << true;
    QTest::newRow("CDATA with indented lines")
        << QStringLiteral("deep-cdata.rss")
        << QStringList{QStringLiteral("item - A\n  title\n    A\n  description\n    <div>\n"
                                      "            <p>indented</p>\n</div>")}
        << true;
    // HTML's entities need no DTD; the channel's entity is the broken spot, the title's stray br the
    // other (it closes nothing, so the link lands in the title as markup).
    QTest::newRow("HTML entity and stray br")
        << QStringLiteral("broken.rss")
        << QStringList{QStringLiteral("title\n  Broken\u00a0feed\nitem - One<br>")} << false;
    QTest::newRow("RSS 0.91 with HTML entities")
        << QStringLiteral("rss091-entities.rss")
        << QStringList{QStringLiteral(
                           "title\n  Caf\u00e9 & cr\u00e8me\nlink\n  http://bistro.example/?a=1&b=2\n"
                           "description\n  Menu\u00a0du jour \u2014 <fresh> \u00a9 2003\nlanguage"),
                       QStringLiteral("item - Cr\u00e8me br\u00fbl\u00e9e \u2013 \u20ac5\n"),
                       QStringLiteral("  link\n    http://bistro.example/menu?item=7&lang=fr\n  description\n"
                                      "    \u00abD\u00e9licieux\u00bb says Ren\u00e9")}
        << true;
    // After the broken spot (an entity nobody declares) every later reference is kept.
    QTest::newRow("recovered after an unknown entity")
        << QStringLiteral("recovered.rss")
        << QStringList{QStringLiteral("title\n  Night\u00a0Market"),
                       QStringLiteral("description\n    Opening soon  and more"),
                       QStringLiteral("item - Stall & stand\n  title\n    Stall & stand\n  link\n"
                                      "    http://market.example/s?a=1&b=2\n  description\n"
                                      "    <b>bold</b> & plain, caf\u00e9")}
        << false;
    // Markup put unescaped into a description is its text; a broken byte spoils only itself.
    QTest::newRow("markup inside a text element, broken byte")
        << QStringLiteral("markup-in-text.rss")
        << QStringList{QStringLiteral("item - Raw markup\n  title\n    Raw markup\n  description\n"
                                      "    <p class=\"x\">Hi <b>there</b> &amp; welcome<br/>\n"
                                      "  second line</p>\n  pubDate\n    Wed, 04 Jun 2025 10:00:00 GMT"),
                       QStringLiteral(
                           "item - Bad byte \u00e9 here\n  title\n    Bad byte \u00e9 here\n  link\n"
                           "    http://blog.example/2?x=1&y=2\n  description\n"
                           "    Z\u00fcrich \u2013 caf\u00e9")}
        << false;
}

// A pretty-printed podcast: every attribute, namespace declaration and text comes back in its place,
// texts whole with their line breaks and leading TABs, and the fields after them stay in their item.
void TestRssImport::wildFeed_keepsEveryField() {
    QTemporaryDir dir;
    const RssImport::Result result =
        RssImport::importFile(copied(dir, "podcast-pretty.rss"), Progress::silent());
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(result.warning, QString());
    QCOMPARE(
        dump(loaded(result.outputPath)),
        QStringLiteral("@xmlns:itunes\n  http://www.itunes.com/dtds/podcast-1.0.dtd\n"
                       "@xmlns:content\n  http://purl.org/rss/1.0/modules/content/\n"
                       "@xmlns:atom\n  http://www.w3.org/2005/Atom\n"
                       "@xmlns:dc\n  http://purl.org/dc/elements/1.1/\n"
                       "title\n  Harbour Talk\n"
                       "link\n  https://harbour.example/\n"
                       "atom:link\n  @href\n    https://harbour.example/feed/\n  @rel\n    self\n"
                       "  @type\n    application/rss+xml\n"
                       "description\n  Weekly talk\n   from the harbour.\n"
                       "itunes:image\n  @href\n    https://harbour.example/cover.jpg\n"
                       "item - Tides & times\n"
                       "  @xml:lang\n    en-GB\n"
                       "  title\n    Tides & times\n"
                       "  content:encoded\n    \n\t<div class=\"entry\">\n\t\t<p>First paragraph.</p>\n\n"
                       "    <pre>\n  indented code\n\ttabbed line\n    </pre>\n\t</div>\n\n"
                       "  description\n    Line one of the notes\n\t\t\t\t  still indented\n"
                       "  enclosure\n    @url\n      https://harbour.example/ep1.mp3?src=rss&n=1\n"
                       "    @length\n      24986239\n    @type\n      audio/mpeg\n"
                       "  pubDate\n    Tue, 03 Jun 2025 09:00:00 +0000\n"
                       "  guid\n    @isPermaLink\n      false\n    harbour-ep-1\n"
                       "  category\n    @domain\n      https://harbour.example/tags\n    boats\n"
                       "  dc:creator\n    Ann Example"));
}

void TestRssImport::realWorldFeeds() {
    QFETCH(QString, file);
    QFETCH(QStringList, fragments);
    QFETCH(bool, wellFormed);
    QTemporaryDir dir;
    const RssImport::Result result =
        RssImport::importFile(copied(dir, file.toLatin1().constData()), Progress::silent());
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(result.warning.isEmpty(), wellFormed);
    const QString tree = dump(loaded(result.outputPath));
    for (const QString &fragment : fragments) {
        QVERIFY2(tree.contains(fragment), qPrintable(tree));
    }
}

void TestRssImport::refused_data() {
    QTest::addColumn<QByteArray>("content"); // empty: the RDF fixture
    QTest::addColumn<QString>("error");
    const QString notRss = QStringLiteral("This does not seem to be a valid RSS file");
    QTest::newRow("RDF root") << QByteArray() << notRss;
    QTest::newRow("empty file") << QByteArray(" ") << notRss;
    QTest::newRow("truncated before rss") << QByteArray("<?xml version=\"1.0\"?><rs") << notRss;
    QTest::newRow("external entity only")
        << QByteArray("<!DOCTYPE x [<!ENTITY e SYSTEM \"/etc/hostname\">]><x>&e;</x>") << notRss;
}

void TestRssImport::refused() {
    QFETCH(QByteArray, content);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const QString path = content.isEmpty() ? copied(dir, "feed.rdf") : written(dir, content.trimmed());
    const RssImport::Result result = RssImport::importFile(path, Progress::silent());
    QVERIFY(!result.ok);
    QCOMPARE(result.error, error);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1); // nothing written beside the source
}

// Elements still make levels: a feed without a channel whose first element has children jumps one.
void TestRssImport::invalidLevel_writesNothing() {
    QTemporaryDir dir;
    const RssImport::Result result = RssImport::importFile(copied(dir, "no-channel.rss"), Progress::silent());
    QVERIFY(!result.ok);
    QCOMPARE(result.error, QStringLiteral("Invalid level (2) for item \"title\""));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("no-channel.chf"))));
}

void TestRssImport::roads_giveTheSameDocument_data() {
    QTest::addColumn<QString>("fixtureName"); // empty: content
    QTest::addColumn<QByteArray>("content");
    for (const char *name :
         {"sample.rss", "namespaces.rss", "multiline-cdata.rss", "broken.rss", "deep-cdata.rss", "latin1.rss",
          "podcast-pretty.rss", "rss091-entities.rss", "recovered.rss", "markup-in-text.rss"}) {
        QTest::newRow(name) << QString::fromLatin1(name) << QByteArray();
    }
    QByteArray items;
    for (int i = 0; i < 300; ++i) {
        items += "<item><title>t" + QByteArray::number(i) + "</title><category><x>deep</x></category>" +
                 (i % 7 == 0 ? "<description><![CDATA[one\n\ttwo]]></description>" : "") + "</item>";
    }
    QTest::newRow("many items") << QString() << "<rss><channel><title>T</title>" + items + "</channel></rss>";
    QTest::newRow("no channel") << QString()
                                << QByteArray("<rss><title>T</title><item><title>A</title></item></rss>");
    QTest::newRow("two channels")
        << QString()
        << QByteArray("<rss><channel><title>A</title><item><title>x</title></item></channel>"
                      "<channel><title>B</title></channel></rss>");
    QTest::newRow("text line reading as the channel")
        << QString()
        << QByteArray("<rss><channel><title>T</title><item><description><![CDATA[a\n\tchannel\nb]]>"
                      "</description></item></channel></rss>");
    QTest::newRow("text lines starting with blanks")
        << QString()
        << QByteArray(
               "<rss><channel><title>T</title><item><title>A</title><description><![CDATA[x\n y\n  z]]>"
               "</description></item><item><title>B</title></item></channel></rss>");
    QTest::newRow("item inside item")
        << QString()
        << QByteArray(
               "<rss><channel><item><title>a</title><item><title>b</title></item></item></channel></rss>");
    QTest::newRow("element after the channel")
        << QString() << QByteArray("<rss><channel><title>T</title></channel><extra>e</extra></rss>");
    QTest::newRow("empty rss") << QString() << QByteArray("<rss/>");
    QTest::newRow("namespaces without a channel")
        << QString() << QByteArray("<rss xmlns:dc=\"urn:dc\"><dc:x a=\"1\">v</dc:x></rss>");
    QTest::newRow("attributes of a dropped generator")
        << QString()
        << QByteArray("<rss><channel><generator uri=\"u\" version=\"1\"/><title x=\"1\">T</title>"
                      "</channel></rss>");
    QTest::newRow("text, CDATA and markup in one element")
        << QString()
        << QByteArray("<rss><channel><item><description>\n  a &amp; <![CDATA[<i>b</i>]]>\n\t<p>c\n d</p>  "
                      "</description><title>\tT\n</title></item></channel></rss>");
    QTest::newRow("broken before the channel")
        << QString() << QByteArray("<rss><x>&bad;</x><channel><title>T &amp; U</title></channel></rss>");
    QTest::newRow("lines ahead of rss")
        << QString() << QByteArray("<?a x?><?b y?><rss><channel><title>T</title></channel></rss>");
}

// The import builds the usual feed's document while it scans and takes the road through the whole lines
// only for unusual shapes; both must give the same bytes, or the same error.
void TestRssImport::roads_giveTheSameDocument() {
    QFETCH(QString, fixtureName);
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path =
        fixtureName.isEmpty() ? written(dir, content) : copied(dir, fixtureName.toLatin1().constData());
    const auto run = [&path](RssImport::Road road) {
        const RssImport::Result result = RssImport::importFile(path, Progress::silent(), road);
        QFile document(result.outputPath);
        const QByteArray bytes = document.open(QIODevice::ReadOnly) ? document.readAll() : QByteArray();
        document.remove();
        return QStringList{QString::number(result.ok), result.error, result.warning,
                           QString::fromLatin1(bytes.toHex())};
    };
    const QStringList lines = run(RssImport::Road::Lines);
    const QStringList direct = run(RssImport::Road::Direct);
    QCOMPARE(direct, lines);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1); // no scratch file left behind
}

void TestRssImport::existingDocument_isReplaced() {
    QTemporaryDir dir;
    const QString source = copied(dir, "utf8.rss", QStringLiteral("news.rss"));
    const QString old = dir.filePath(QStringLiteral("news.chf"));
    QFile stale(old);
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write("stale");
    stale.close();
    QVERIFY(RssImport::importFile(source, Progress::silent()).ok);
    QVERIFY(dump(loaded(old)).startsWith(QLatin1String("title")));
}

void TestRssImport::outputPath_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("expected");
    QTest::newRow("extension replaced") << QStringLiteral("/d/news.rss") << QStringLiteral("/d/news.chf");
    QTest::newRow("commas in the name only")
        << QStringLiteral("/a,b/n,ews.xml") << QStringLiteral("/a,b/news.chf");
    QTest::newRow("relative folder with comma")
        << QStringLiteral("x,y/f,.rss") << QStringLiteral("x,y/f.chf");
    QTest::newRow("no extension") << QStringLiteral("/d/feed") << QStringLiteral("/d/feed.chf");
    QTest::newRow("dot in folder only") << QStringLiteral("/d.x/feed") << QStringLiteral("/d.x/feed.chf");
}

void TestRssImport::outputPath() {
    QFETCH(QString, source);
    QFETCH(QString, expected);
    QCOMPARE(RssImport::outputPathFor(source), expected);
}

void TestRssImport::readIndentedLines_data() {
    QTest::addColumn<QString>("lines"); // '\n' between lines
    QTest::addColumn<QString>("tree");  // dump, or the error text
    QTest::newRow("nesting and back")
        << QStringLiteral("a\n\tb\n\t\tc\n\td\ne") << QStringLiteral("a\n  b\n    c\n  d\ne");
    QTest::newRow("blanks count as levels")
        << QStringLiteral("a\n b\n  c") << QStringLiteral("a\n  b\n    c");
    QTest::newRow("first line always top level") << QStringLiteral("\t\tx\n\ty") << QStringLiteral("x\n  y");
    QTest::newRow("jump back several levels")
        << QStringLiteral("a\n\tb\n\t\tc\n\t\t\td\n\te") << QStringLiteral("a\n  b\n    c\n      d\n  e");
    QTest::newRow("level jump") << QStringLiteral("a\n\tb\n\t\t\tc")
                                << QStringLiteral("Invalid level (3) for item \"c\"");
}

void TestRssImport::readIndentedLines() {
    QFETCH(QString, lines);
    QFETCH(QString, tree);
    ChannelTree result;
    QString error;
    if (feeds::readIndentedLines(linesOf(lines), result, &error)) {
        QCOMPARE(dump(result), tree);
    } else {
        QCOMPARE(error, tree);
        QVERIFY(result.isEmpty());
    }
}

void TestRssImport::feedFileName_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << QStringLiteral("http://example.com/news/feed.rss")
                           << QStringLiteral("feed.rss");
    QTest::newRow("with port") << QStringLiteral("http://127.0.0.1:8080/a.xml") << QStringLiteral("a.xml");
    QTest::newRow("final slash") << QStringLiteral("https://example.com/feed/")
                                 << QStringLiteral("example.com_feed.xml");
    QTest::newRow("query") << QStringLiteral("http://example.com/rss.php?id=3&x=y")
                           << QStringLiteral("example.com_rss.php_id_3_x_y.xml");
    QTest::newRow("host only") << QStringLiteral("http://example.com/") << QStringLiteral("example.com.xml");
}

void TestRssImport::feedFileName() {
    QFETCH(QString, address);
    QFETCH(QString, name);
    QCOMPARE(feeds::feedFileName(address), name);
}

void TestRssImport::batchNames_neverRepeat() {
    feeds::BatchFileNames names;
    QCOMPARE(names.claim(QStringLiteral("feed.rss")), QStringLiteral("feed.rss"));
    QCOMPARE(names.claim(QStringLiteral("feed.rss")), QStringLiteral("feed-2.rss"));
    QCOMPARE(names.claim(QStringLiteral("feed.rss")), QStringLiteral("feed-3.rss"));
    QCOMPARE(names.claim(QStringLiteral("feed-2.rss")), QStringLiteral("feed-2-2.rss"));
}

void TestRssImport::fetchedFeed_storedWithCrLf() {
    test::TestHome home;
    QString error;
    const QString path =
        RssImport::storeFetchedFeed(QStringLiteral("http://example.com/a/news.rss"), "a\nb\r\nc\rd", &error);
    QVERIFY2(!path.isEmpty(), qPrintable(error));
    QVERIFY(path.endsWith(QLatin1String("/data/news.rss")));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("a\r\nb\r\nc\r\nd\r\n"));
}

QTEST_GUILESS_MAIN(TestRssImport)
#include "tst_rssimport.moc"
