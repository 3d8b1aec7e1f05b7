#include "feeds/feedcheck.h"
#include "feeds/feedvalidator.h"
#include "feeds/indentedtext.h"
#include "feeds/linepieces.h"
#include "oddfiles.h"
#include "peakmemory.h"
#include "platform/folders.h"
#include "platform/progress.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>

using tidewell::feeds::FeedCheck;
using tidewell::feeds::FeedValidator;
using tidewell::feeds::LinePieces;
using tidewell::platform::Progress;

namespace {
const QStringList kElements{QStringLiteral("title"), QStringLiteral("link"), QStringLiteral("description")};

QByteArray feed(const QByteArray &items) {
    return "<?xml version=\"1.0\"?>\n<rss version=\"2.0\">\n<channel>\n<title>T</title>\n" + items +
           "</channel>\n</rss>\n";
}

class RecordingProgress final : public Progress {
public:
    void status(const QString &text) override { texts << text; }
    void setMaximum(int m) override { maximum = m; }
    void setPosition(int p) override { positions << p; }
    QStringList texts;
    int maximum = -1;
    QList<int> positions;
};

tidewell::feeds::ValidationReport markerChecks(const QByteArray &text,
                                               Progress &progress = Progress::silent()) {
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    return FeedValidator::markerChecks(buffer, kElements, progress);
}

QStringList feedCheck(const QByteArray &text) {
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    QStringList rows;
    for (const auto &row : FeedCheck::run(buffer)) {
        rows << QString::number(row.line) + QLatin1Char(' ') + row.message;
    }
    return rows;
}

// A podcast feed as they come: pretty-printed, namespaces, CDATA holding indented HTML with blank lines,
// entities, an enclosure with all its attributes.
const QByteArray kPodcast =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
    "<rss version=\"2.0\" xmlns:itunes=\"http://www.itunes.com/dtds/podcast-1.0.dtd\"\r\n"
    "     xmlns:content=\"http://purl.org/rss/1.0/modules/content/\"\r\n"
    "     xmlns:atom=\"http://www.w3.org/2005/Atom\">\r\n"
    "  <channel>\r\n"
    "    <title>Caf&#233; Talk &amp; Friends</title>\r\n"
    "    <link>https://cafe.example.org/</link>\r\n"
    "    <description>Weekly talk</description>\r\n"
    "    <atom:link href=\"https://cafe.example.org/feed\" rel=\"self\" "
    "type=\"application/rss+xml\"/>\r\n"
    "    <lastBuildDate>Mon, 06 Sep 2010 00:01:00 +0000</lastBuildDate>\r\n"
    "    <itunes:author>Cafe</itunes:author>\r\n"
    "    <item>\r\n"
    "      <title>Episode 1</title>\r\n"
    "      <link>https://cafe.example.org/1?a=1&amp;b=2</link>\r\n"
    "      <content:encoded><![CDATA[\r\n"
    "        <p>Hello</p>\r\n"
    "\r\n"
    "        <p>World</p>\r\n"
    "      ]]></content:encoded>\r\n"
    "      <enclosure url=\"https://cafe.example.org/1.mp3\" length=\"1234\" "
    "type=\"audio/mpeg\"/>\r\n"
    "      <guid isPermaLink=\"false\">cafe-1</guid>\r\n"
    "      <pubDate>Sun, 05 Sep 2010 10:00:00 EST</pubDate>\r\n"
    "    </item>\r\n"
    "  </channel>\r\n"
    "</rss>\r\n";

// The podcast with one line replaced (line numbers from 1).
QByteArray podcastWith(int line, const QByteArray &text) {
    QList<QByteArray> lines = kPodcast.split('\n');
    lines[line - 1] = text + '\r';
    return lines.join('\n');
}
} // namespace

class TestFeedValidator final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void linePieces_splitLikeForEachLine_data();
    void linePieces_splitLikeForEachLine();
    void rows_data();
    void rows();
    void perLineCheck_coversTrimmedLines();
    void elementList_readFromProgramFolder();
    void feedCheck_data();
    void feedCheck();
    void rfc822Dates_data();
    void rfc822Dates();
    void ownWriterFeed_passesBothLists_data();
    void ownWriterFeed_passesBothLists();
    void oddFiles_refusedBeforeReading_data();
    void oddFiles_refusedBeforeReading();
    void lineBreaks50MB_boundedMemory();
};

void TestFeedValidator::linePieces_splitLikeForEachLine_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("LF, CR LF, lone CR") << QByteArray("a\nb\r\nc\rd");
    QTest::newRow("final break adds no line") << QByteArray("a\r\n");
    QTest::newRow("blank lines") << QByteArray("\n\r\n\r\r\n\n");
    QTest::newRow("long line") << QByteArray(40, 'x') + "\r\n" + QByteArray(17, 'y');
}

void TestFeedValidator::linePieces_splitLikeForEachLine() {
    QFETCH(QByteArray, text);
    const auto expected =
        tidewell::feeds::splitLines(std::string_view(text.constData(), size_t(text.size())));
    // Every block size, so a CR LF and a line cut between two blocks are met.
    for (qsizetype block = 1; block <= 8; ++block) {
        QBuffer buffer(&text);
        buffer.open(QIODevice::ReadOnly);
        LinePieces lines(buffer, block);
        std::vector<std::string> got;
        std::string line;
        std::string_view piece;
        bool lineEnds = false;
        while (lines.next(piece, lineEnds)) {
            line.append(piece);
            if (lineEnds) {
                got.push_back(line);
                line.clear();
            }
        }
        QCOMPARE(got.size(), expected.size());
        for (size_t i = 0; i < got.size(); ++i) {
            QCOMPARE(got[i], std::string(expected[i]));
        }
    }
}

void TestFeedValidator::rows_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<bool>("stopped");

    QTest::newRow("empty buffer: five markers, stopped")
        << QByteArray()
        << QStringList{QStringLiteral("Missing XML tag (<?xml version=1.0\"?>)"),
                       QStringLiteral("Missing <rss version=\"\"> field"),
                       QStringLiteral("Missing RSS end marker (</rss>)"),
                       QStringLiteral("Missing channel tag (<channel>)"),
                       QStringLiteral("Missing channel end marker (</channel>)")}
        << true;
    QTest::newRow("no </rss>") << QByteArray(
                                      "<?xml version=\"1.0\"?>\n<rss version=\"2.0\"><channel>\n</channel>")
                               << QStringList{QStringLiteral("Missing RSS end marker (</rss>)")} << false;
    QTest::newRow("clean feed") << feed("<item>\n<title>a</title>\n<link>b</link>\n</item>\n")
                                << QStringList() << false;
    QTest::newRow("3 starts, 2 ends")
        << feed("<item>\n<title>a</title>\n</item>\n<item>\n</item>\n<item>\n")
        << QStringList{QStringLiteral("Difference in item start and end markers (3 <item> and 2 </item>)")}
        << false;
    QTest::newRow("opened on one line, closed on the next")
        << feed("<item>\n<title>a\n</title>\n</item>\n")
        << QStringList{QStringLiteral("error in title marker ")} << false;
    QTest::newRow("CR LF and lone CR lines")
        << feed("<item>\r\n<title>a\r</title>\r\n</item>\r\n")
        << QStringList{QStringLiteral("error in title marker ")} << false;
    QTest::newRow("first trimmed line never tested")
        << feed("<item><title>a\n</title>\n</item>\n") << QStringList() << false;
    QTest::newRow("opening tag with attributes not counted")
        << feed("<item>\n<link rel=\"x\">a\n</item>\n") << QStringList() << false;
    QTest::newRow("single line") << QByteArray(
                                        "<?xml version=\"1.0\"?><rss version=\"2.0\"><channel><item><title>"
                                        "</item></channel></rss>")
                                 << QStringList() << false;
    // </channel> above the first <item>: the second cut finds nothing and cuts nothing, so the lines
    // below the first item are all checked.
    QTest::newRow("</channel> above the items")
        << QByteArray("<?xml version=\"1.0\"?>\n<rss version=\"2.0\"><channel></channel>\n<item>\n<title>x\n"
                      "</item>\n</rss>\n")
        << QStringList{QStringLiteral("error in title marker ")} << false;
    // A marker cut in two by the reader's block boundary (64 KB) is still found on its line.
    QTest::newRow("marker across a block boundary")
        << feed("<item>\n<title>a</title>\n</item>\n" + QByteArray(64 * 1024 - 120, ' ') + "</channel>\n")
        << QStringList() << false;
    QTest::newRow("long line holding open and close")
        << feed("<item>\n<description>" + QByteArray(200 * 1024, 'x') + "</description>\n</item>\n")
        << QStringList() << false;
}

void TestFeedValidator::rows() {
    QFETCH(QByteArray, text);
    QFETCH(QStringList, rows);
    QFETCH(bool, stopped);
    const auto report = markerChecks(text);
    QCOMPARE(report.rows, rows);
    QCOMPARE(report.stopped, stopped);
}

void TestFeedValidator::perLineCheck_coversTrimmedLines() {
    // Without any <item> line only the first line goes: the check starts at the file's third line.
    RecordingProgress progress;
    const auto report = markerChecks("<?xml version=\"1.0\"?>\n<title>skipped\n<title>checked\n<rss "
                                     "version=\"2.0\"><channel>\n<link>x\n</channel>\n<title>below\n</rss>",
                                     progress);
    QCOMPARE(report.rows, (QStringList{QStringLiteral("error in title marker "),
                                       QStringLiteral("error in link marker ")}));
    QCOMPARE(progress.maximum, 3);
    QCOMPARE(progress.positions, (QList<int>{1, 2, 3}));
}

void TestFeedValidator::elementList_readFromProgramFolder() {
    const auto shipped = FeedValidator::elementList();
    QVERIFY(shipped.has_value());
    for (const char *name : {"title", "link", "description", "pubDate", "guid", "category", "author"}) {
        QVERIFY2(shipped->contains(QLatin1String(name)), name);
    }
    QTemporaryDir empty;
    tidewell::platform::Folders::setProgramFolderOverride(empty.path());
    QVERIFY(!FeedValidator::elementList().has_value());
    const auto report = FeedValidator::validateText(feed(QByteArray()), Progress::silent());
    QCOMPARE(report.error(), QStringLiteral("Cannot load datafile, reinstall program please!"));
    tidewell::platform::Folders::setProgramFolderOverride(QString());
}

void TestFeedValidator::feedCheck_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("rows"); // "line fragment-of-the-message"

    QTest::newRow("wild podcast: clean") << kPodcast << QStringList();
    QTest::newRow("undeclared prefix") << podcastWith(11, "    <dc:creator>Ann</dc:creator>")
                                       << QStringList{QStringLiteral("11 The prefix \"dc\"")};
    QTest::newRow("HTML entity without a DTD")
        << podcastWith(8, "    <description>Weekly&nbsp;talk</description>")
        << QStringList{QStringLiteral("8 The feed is not well-formed XML")};
    QTest::newRow("mismatched end tag") << podcastWith(13, "      <title>Episode 1</titel>")
                                        << QStringList{QStringLiteral("13 The feed is not well-formed XML")};
    QTest::newRow("channel without description")
        << podcastWith(8, QByteArray()) << QStringList{QStringLiteral("5 The channel lacks <description>.")};
    QTest::newRow("item with neither title nor description")
        << podcastWith(13, QByteArray()) << QStringList{QStringLiteral("12 The item has neither")};
    QTest::newRow("ISO 8601 date") << podcastWith(22, "      <pubDate>2010-09-05T10:00:00Z</pubDate>")
                                   << QStringList{QStringLiteral("22 The date \"2010-09-05T10:00:00Z\"")};
    QTest::newRow("relative link") << podcastWith(14, "      <link>/1.html</link>")
                                   << QStringList{
                                          QStringLiteral("14 The address \"/1.html\" in <item/link>")};
    QTest::newRow("ftp channel link")
        << podcastWith(7, "    <link>ftp://cafe.example.org/</link>")
        << QStringList{QStringLiteral("7 The address \"ftp://cafe.example.org/\"")};
    QTest::newRow("enclosure without length and type")
        << podcastWith(20, "      <enclosure url=\"https://cafe.example.org/1.mp3\"/>")
        << QStringList{QStringLiteral("20 The enclosure lacks length, type.")};
    QTest::newRow("guid taken as permanent link")
        << podcastWith(21, "      <guid>tag:cafe.example.org,2010:1</guid>")
        << QStringList{
               QStringLiteral("21 The guid \"tag:cafe.example.org,2010:1\" counts as a permanent link")};
    QTest::newRow("permanent link guid that is an address")
        << podcastWith(21, "      <guid isPermaLink=\"true\">https://cafe.example.org/1</guid>")
        << QStringList();
    const QByteArray twoItems = kPodcast.left(kPodcast.indexOf("  </channel>")) +
                                "    <item>\r\n      <title>Episode 2</title>\r\n"
                                "      <guid isPermaLink=\"false\">cafe-1</guid>\r\n    </item>\r\n"
                                "  </channel>\r\n</rss>\r\n";
    QTest::newRow("duplicate guid") << twoItems
                                    << QStringList{QStringLiteral(
                                           "26 The guid \"cafe-1\" was already used on line 21.")};
    QTest::newRow("RSS 1.0 root") << QByteArray("<?xml version=\"1.0\"?>\n<rdf:RDF "
                                                "xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
                                                "</rdf:RDF>\n")
                                  << QStringList{
                                         QStringLiteral("2 The root element is <rdf:RDF>, not <rss>.")};
    // Long runs of blank lines are read short; the rows still name the file's lines.
    for (const QByteArray &lineBreak : {QByteArray("\n"), QByteArray("\r\n"), QByteArray("\r")}) {
        QTest::addRow("10000 blank lines ending %d", int(lineBreak.size() + lineBreak.at(0)))
            << "<?xml version=\"1.0\"?>\n<rss version=\"2.0\">" + lineBreak.repeated(10000) +
                   "<channel><title>t</title><link>http://x/</link><description>d</description>" +
                   lineBreak.repeated(9000) + "<dc:x/><item><title>a</titel></item></channel></rss>\n"
            << QStringList{QStringLiteral("19002 The prefix \"dc\""),
                           QStringLiteral("19002 The feed is not well-formed XML")};
    }
    QTest::newRow("empty document") << QByteArray()
                                    << QStringList{QStringLiteral("1 The feed is not well-formed")};
}

void TestFeedValidator::feedCheck() {
    QFETCH(QByteArray, text);
    QFETCH(QStringList, rows);
    const QStringList got = ::feedCheck(text);
    QVERIFY2(got.size() == rows.size(), qPrintable(got.join(QLatin1Char('\n'))));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        QVERIFY2(got[i].startsWith(rows[i]), qPrintable(got[i]));
    }
}

void TestFeedValidator::rfc822Dates_data() {
    QTest::addColumn<QString>("date");
    QTest::addColumn<bool>("valid");
    QTest::newRow("our writer's form") << QStringLiteral("Tue, 09 Dec 2003 14:05:09 GMT") << true;
    QTest::newRow("no day name, offset, no seconds") << QStringLiteral("9 Dec 2003 14:05 +0100") << true;
    QTest::newRow("two-digit year, US zone") << QStringLiteral("Tue,09 Dec 03 14:05:09 EST") << true;
    QTest::newRow("military zone, blanks around") << QStringLiteral("  Sat, 07 Sep 2002 00:00:01 Z ") << true;
    QTest::newRow("ISO 8601") << QStringLiteral("2003-12-09T14:05:09Z") << false;
    QTest::newRow("no zone") << QStringLiteral("Tue, 09 Dec 2003 14:05:09") << false;
    QTest::newRow("31 February") << QStringLiteral("Mon, 31 Feb 2003 10:00:00 GMT") << false;
    QTest::newRow("hour 25") << QStringLiteral("Tue, 09 Dec 2003 25:00:00 GMT") << false;
    QTest::newRow("long day name") << QStringLiteral("Tuesday, 09 Dec 2003 14:05:09 GMT") << false;
    QTest::newRow("offset minutes 75") << QStringLiteral("Tue, 09 Dec 2003 14:05:09 +0175") << false;
    QTest::newRow("trailing words") << QStringLiteral("Tue, 09 Dec 2003 14:05:09 GMT today") << false;
    QTest::newRow("empty") << QString() << false;
}

void TestFeedValidator::rfc822Dates() {
    QFETCH(QString, date);
    QFETCH(bool, valid);
    QCOMPARE(tidewell::feeds::isRfc822Date(date.toStdString()), valid);
}

void TestFeedValidator::ownWriterFeed_passesBothLists_data() {
    QTest::addColumn<QString>("golden");
    QTest::newRow("items") << QStringLiteral("items");
    QTest::newRow("new channel") << QStringLiteral("newchannel");
}

void TestFeedValidator::ownWriterFeed_passesBothLists() {
    // The writer's own expected output, kept in step with it by the writer's tests.
    QFETCH(QString, golden);
    const QString path =
        QStringLiteral(TIDEWELL_TEST_SOURCE_DIR "/../channel/golden/%1/expected.rss").arg(golden);
    QVERIFY(QFile::exists(path));
    const auto report = FeedValidator::validateFile(path, Progress::silent());
    QVERIFY(report.ok());
    QVERIFY2(report->rows.isEmpty(), qPrintable(report->rows.join(QLatin1Char('\n'))));
    QStringList findings;
    for (const auto &row : report->feedCheck) {
        findings << QString::number(row.line) + QLatin1Char(' ') + row.message;
    }
    QVERIFY2(report->feedCheck.isEmpty(), qPrintable(findings.join(QLatin1Char('\n'))));
    QVERIFY(report->passed());
    QCOMPARE(report->verdict(), QStringLiteral("Congratulations, this file seems to checks out ok"));
}

void TestFeedValidator::oddFiles_refusedBeforeReading_data() {
    QTest::addColumn<bool>("fifo");
    QTest::newRow("endless device") << false;
    QTest::newRow("FIFO without writer") << true;
}

void TestFeedValidator::oddFiles_refusedBeforeReading() {
    QFETCH(bool, fifo);
    QTemporaryDir dir;
    const QString path = fifo ? tidewell::test::makeFifo(dir.filePath(QStringLiteral("feed.xml")))
                              : tidewell::test::endlessDevice();
    QVERIFY(!path.isEmpty());
    QVERIFY(FeedValidator::missingFileNotice(path).isEmpty());
    const auto report = FeedValidator::validateFile(path, Progress::silent());
    QVERIFY(!report.ok());
    QCOMPARE(report.error(), QStringLiteral("%1 is not a regular file").arg(path));
}

void TestFeedValidator::lineBreaks50MB_boundedMemory() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("breaks.xml"));
    QVERIFY(tidewell::test::writeLineBreaks(path, qint64(50) * 1024 * 1024));
    tidewell::test::PeakMemory peak;
    if (!peak.start()) {
        QSKIP("the peak memory of this process cannot be reset here");
    }
    const auto report = FeedValidator::validateFile(path, Progress::silent());
    const qint64 rise = peak.riseKb();
    QVERIFY(report.ok());
    QCOMPARE(report->rows.size(), 5); // every marker missing
    QVERIFY(report->stopped);
    QCOMPARE(report->feedCheck.size(), 1);
    // Reading the file whole would take 50 MB, a line index hundreds more.
    QVERIFY2(rise < 16 * 1024, qPrintable(QStringLiteral("peak rose by %1 kB").arg(rise)));
}

QTEST_GUILESS_MAIN(TestFeedValidator)
#include "tst_feedvalidator.moc"
