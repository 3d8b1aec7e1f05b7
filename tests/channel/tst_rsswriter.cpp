#include "channel/documentfile.h"
#include "channel/newchannel.h"
#include "channel/rssdate.h"
#include "channel/rsswriter.h"
#include "platform/clock.h"
#include "platform/prompts.h"
#include "platform/statusline.h"
#include "recordingstatusline.h"
#include "teststrings.h"
#include "treetext.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <QXmlStreamReader>

using namespace tidewell;
using namespace tidewell::channel;
using test::treeFromText;
using test::treeToText;

namespace {

const QDateTime kFixedNow(QDate(2003, 12, 9), QTime(14, 5, 9), Qt::UTC);

QByteArray readFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Prints both texts line by line when they differ, so a failing golden comparison is readable.
bool sameText(const QByteArray &actual, const QByteArray &expected) {
    if (actual == expected) {
        return true;
    }
    const QList<QByteArray> a = actual.split('\n');
    const QList<QByteArray> e = expected.split('\n');
    for (qsizetype i = 0; i < std::max(a.size(), e.size()); ++i) {
        const QByteArray x = a.value(i), y = e.value(i);
        if (x != y) {
            qWarning("line %d differs:\n  actual:   %s\n  expected: %s", int(i + 1), x.constData(),
                     y.constData());
        }
    }
    return false;
}

using test::strings;

// Reads xml with namespace processing (an undeclared prefix is an error) and returns the text of every
// element and attribute as "path=text" rows, so a test can compare what a feed reader gets back.
QStringList readBack(const QByteArray &xml, QString *error) {
    QXmlStreamReader reader(xml);
    QStringList rows;
    QStringList path;
    QString text;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            path.append(reader.qualifiedName().toString());
            text.clear();
            for (const QXmlStreamAttribute &attribute : reader.attributes()) {
                rows.append(path.join(QLatin1Char('/')) + QStringLiteral("@") +
                            attribute.qualifiedName().toString() + QLatin1Char('=') +
                            attribute.value().toString());
            }
            break;
        case QXmlStreamReader::Characters:
            text += reader.text();
            break;
        case QXmlStreamReader::EndElement:
            if (!text.trimmed().isEmpty()) {
                rows.append(path.join(QLatin1Char('/')) + QLatin1Char('=') + text);
            }
            text.clear();
            path.removeLast();
            break;
        default:
            break;
        }
    }
    *error = reader.hasError() ? reader.errorString() : QString();
    return rows;
}

// The line of the feed that starts with prefix (empty when none).
QString lineStartingWith(const QByteArray &rss, const QString &prefix) {
    for (const QString &line : QString::fromUtf8(rss).split(QStringLiteral("\r\n"))) {
        if (line.startsWith(prefix)) {
            return line;
        }
    }
    return {};
}

using test::RecordingStatusLine;

// Records the save dialog's settings and answers with a fixed path (empty: cancelled).
class SaveDialogProbe final : public platform::Prompts {
public:
    explicit SaveDialogProbe(QString answer) : m_answer(std::move(answer)) { install(this); }
    ~SaveDialogProbe() override { install(nullptr); }
    platform::PromptAnswer message(platform::PromptType, const QString &, const QString &,
                                   platform::PromptButtons) override {
        ++others;
        return platform::PromptAnswer::Cancel;
    }
    QString openFile(const QString &, const QString &, const QString &) override {
        ++others;
        return {};
    }
    QString saveFile(const QString &caption, const QString &directory, const QString &filter,
                     const QString &suffix, bool overwrite) override {
        ++asked;
        this->caption = caption;
        this->directory = directory;
        this->filter = filter;
        this->suffix = suffix;
        askOverwrite = overwrite;
        return m_answer;
    }
    QString chooseDirectory(const QString &, const QString &) override {
        ++others;
        return {};
    }
    std::optional<QString> inputText(const QString &, const QString &, const QString &) override {
        ++others;
        return std::nullopt;
    }

    int asked = 0;
    int others = 0;
    QString caption, directory, filter, suffix;
    bool askOverwrite = true;

private:
    QString m_answer;
};

} // namespace

class TestRssWriter final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void golden_data();
    void golden();
    void itemRules_data();
    void itemRules();
    void outputPaths_data();
    void outputPaths();
    void export_reportsStatusAndProgress();
    void missingFolder_cannotCreateRss();
    void blockedChf_leavesAllFilesAsTheyWere_data();
    void blockedChf_leavesAllFilesAsTheyWere();
    void replacedFiles_keepPermissions();
    void emptyBaseName_refused_data();
    void emptyBaseName_refused();
    void imageFieldMissingFromChannel_exportEnds();
    void sections_data();
    void sections();
    void namespaces_data();
    void namespaces();
    void valuesReadBack_data();
    void valuesReadBack();
    void generatedGuid_isStable();
    void newChannelDefaults();
    void rssDate_data();
    void rssDate();
    void makeGuid_data();
    void makeGuid();
    void processExportFileName_data();
    void processExportFileName();

private:
    QByteArray exportTree(const ChannelTree &tree);
    QTemporaryDir m_dir;
};

void TestRssWriter::init() {
    platform::Clock::setSource([] { return kFixedNow; });
}

void TestRssWriter::cleanup() {
    platform::Clock::setSource({});
}

QByteArray TestRssWriter::exportTree(const ChannelTree &tree) {
    const QString base = m_dir.filePath(QStringLiteral("feed"));
    QString error;
    if (!export_rssfile(tree, base, platform::Progress::mainStatusLine(), &error)) {
        qWarning("export failed: %s", qPrintable(error));
        return {};
    }
    return readFile(base + QStringLiteral(".rss"));
}

void TestRssWriter::golden_data() {
    QTest::addColumn<QString>("caseName");
    // newchannel: the new-channel defaults (no tree.txt); items: three items, escaping, one generated guid;
    // image: image block with its defaults, docs and rating; podcast: a podcast as the import keeps it
    // (declarations, attributes, extension sections of channel and items, CDATA HTML text).
    for (const char *name : {"newchannel", "items", "image", "podcast"}) {
        QTest::newRow(name) << QString::fromLatin1(name);
    }
}

void TestRssWriter::golden() {
    QFETCH(QString, caseName);
    const QDir folder(QStringLiteral(TIDEWELL_TEST_SOURCE_DIR "/golden/") + caseName);
    const QByteArray treeText = readFile(folder.filePath(QStringLiteral("tree.txt")));
    const ChannelTree tree =
        treeText.isEmpty() ? newChannelTree(NewChannelBoxes::defaults(), kFixedNow) : treeFromText(treeText);
    const QByteArray before = treeToText(tree);

    const QByteArray rss = exportTree(tree);
    QVERIFY(sameText(rss, readFile(folder.filePath(QStringLiteral("expected.rss")))));
    QCOMPARE(treeToText(tree), before); // the channel tree is not changed

    QString error;
    readBack(rss, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error)); // well-formed, every prefix declared
}

void TestRssWriter::itemRules_data() {
    QTest::addColumn<QByteArray>("tree");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent"); // no line starts with one of these

    const QByteArray channel = "Title\n\tT\nDescription\n\tD\n";
    QTest::newRow("guid field in any case")
        << channel + "Item - a\n\tGUID\n\t\tg1\nItem - b\n\tTitle\n\t\tB" << strings({"     <guid>g1</guid>"})
        << strings({"     <guid isPermaLink=\"false\">"});
    QTest::newRow("empty value, two values")
        << channel + "Item - a\n\tAuthor\n\t\t[0] \n\tCategory\n\t\tx\n\t\ty"
        << strings({"     <category>x</category>", "     <category>y</category>"})
        << strings({"     <author></author>"});
    QTest::newRow("section names") << channel + "Item - a\n\tPub Date\n\t\tp\n\tCOMMENTS\n\t\tc"
                                   << strings({"     <pubDate>p</pubDate>", "     <comments>c</comments>"})
                                   << QStringList();
    QTest::newRow("lower-case item is stripped")
        << channel + "item - a\n\tLink\n\t\tL" << strings({"  <link></link>"})
        << strings({"   <item>", "   </item>", "     <link>"});
    QTest::newRow("item text without hyphen")
        << channel + "Item\n\tLink\n\t\tL" << strings({"   <item>", "   </item>"}) << QStringList();
    // Channel lines come from the channel's own sections: an item's description stays in its item.
    QTest::newRow("no channel description")
        << QByteArray("Title\n\tT\nItem - a\n\tDescription\n\t\tfirst\n\tTitle\n\t\tA")
        << strings({"     <description>first</description>", "     <title>A</title>"})
        << strings({"  <description>"});
    QTest::newRow("no channel link, image link")
        << QByteArray("Title\n\tT\nImage\n\tlink\n\t\thttp://x/img")
        << strings({"  <link></link>", "    <link>http://x/img</link>"}) << QStringList();
    QTest::newRow("image without height")
        << channel + "Image\n\turl\n\t\tu" << strings({"    <height>31</height>", "    <width>88</width>"})
        << strings({"    <title>T</title>"});
    QTest::newRow("empty channel title and link")
        << QByteArray("Ttl\n\t") << strings({"  <title></title>", "  <link></link>"})
        << strings({"  <ttl>", "  <description>"});
    // A value that is not UTF-8 (Windows-1252 from an old document) is written as UTF-8.
    QTest::newRow("windows-1252 value")
        << QByteArray("Title\n\tCaf\xe9") << strings({"  <title>Caf\xc3\xa9</title>"}) << QStringList();
}

void TestRssWriter::itemRules() {
    QFETCH(QByteArray, tree);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    const QStringList lines = QString::fromUtf8(exportTree(treeFromText(tree))).split(QStringLiteral("\r\n"));
    QVERIFY(lines.size() > 5);
    for (const QString &line : present) {
        QVERIFY2(lines.contains(line), qPrintable(QStringLiteral("missing: ") + line));
    }
    for (const QString &start : absent) {
        for (const QString &line : lines) {
            QVERIFY2(!line.startsWith(start), qPrintable(QStringLiteral("found: ") + line));
        }
    }
}

void TestRssWriter::outputPaths_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("base");
    QTest::newRow("xml name") << "news.xml"
                              << "news";
    QTest::newRow("no extension") << "news"
                                  << "news";
    QTest::newRow("dotted folder") << "v1.2/news"
                                   << "v1.2/news";
}

void TestRssWriter::outputPaths() {
    QFETCH(QString, fileName);
    QFETCH(QString, base);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("v1.2")));
    const ChannelTree tree = treeFromText("[1] Title\n\tT\n[2] Item - a\n\tTitle\n\t\tA");
    QString error;
    QVERIFY2(export_rssfile(tree, dir.filePath(fileName), platform::Progress::mainStatusLine(), &error),
             qPrintable(error));
    const QByteArray rss = readFile(dir.filePath(base + QStringLiteral(".rss")));
    QVERIFY(rss.contains("<title>A</title>"));
    QCOMPARE(readFile(dir.filePath(base + QStringLiteral(".xml"))), rss);
    ChannelTree saved;
    QVERIFY(loadChannelTree(saved, dir.filePath(base + QStringLiteral(".chf"))));
    QCOMPARE(treeToText(saved), treeToText(tree)); // the channel tree, not the stripped copy
}

void TestRssWriter::export_reportsStatusAndProgress() {
    RecordingStatusLine status;
    // 2 channel nodes taken out; the copy keeps 1 + 3 + 4 + 1 nodes of which 8 belong to items.
    const ChannelTree tree = treeFromText(
        "Title\n\tT\nStray\n[2] Item - a\n\tTitle\n\t\tA\n[2] Item - b\n\tTitle\n\t\tB\n\tAuthor\n\t\tL");
    QVERIFY(!exportTree(tree).isEmpty());
    QCOMPARE(status.messages,
             (QStringList{
                 QStringLiteral("Exporting and saving RSS file"),
                 QStringLiteral("File feed.chf succesfully exported to RSS format, Data has been saved.")}));
    QCOMPARE(status.maximums, (QList<int>{8})); // the nodes of the two items

    QCOMPARE(status.lastPosition, 0);
}

void TestRssWriter::missingFolder_cannotCreateRss() {
    const QString base = m_dir.filePath(QStringLiteral("missing/feed"));
    QString error;
    QVERIFY(!export_rssfile(newChannelTree(NewChannelBoxes::defaults(), kFixedNow), base,
                            platform::Progress::mainStatusLine(), &error));
    // The system's reason follows the path.
    QVERIFY2(error.startsWith(QStringLiteral("Cannot create file ") + base + QStringLiteral(".rss: ")),
             qPrintable(error));
    QVERIFY2(error.contains(QStringLiteral("No such file or directory")), qPrintable(error));
}

void TestRssWriter::blockedChf_leavesAllFilesAsTheyWere_data() {
    QTest::addColumn<bool>("oldFeed");
    QTest::newRow("an earlier export beside it") << true;
    QTest::newRow("first export") << false;
}

void TestRssWriter::blockedChf_leavesAllFilesAsTheyWere() {
    QFETCH(bool, oldFeed);
    QTemporaryDir dir;
    const QString base = dir.filePath(QStringLiteral("feed"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("feed.chf"))); // a folder where the document should go
    if (oldFeed) {
        for (const char *extension : {".rss", ".xml"}) {
            QFile file(base + QLatin1String(extension));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("old feed");
        }
    }
    RecordingStatusLine status;
    QString error;
    QVERIFY(!export_rssfile(treeFromText("Title\n\tT\n[2] Item - a\n\tTitle\n\t\tA"), base,
                            platform::Progress::mainStatusLine(), &error));
    QVERIFY2(error.startsWith(QStringLiteral("Cannot create file ") + base + QStringLiteral(".chf: ")),
             qPrintable(error));
    // The feed is not newer than the document: both stay as they were, and no temporary file is left.
    const QStringList expected =
        oldFeed ? strings({"feed.chf", "feed.rss", "feed.xml"}) : strings({"feed.chf"});
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name),
             expected);
    if (oldFeed) {
        QCOMPARE(readFile(base + QStringLiteral(".rss")), QByteArray("old feed"));
        QCOMPARE(readFile(base + QStringLiteral(".xml")), QByteArray("old feed"));
    }
    QCOMPARE(status.messages,
             QStringList{QStringLiteral("Exporting and saving RSS file")}); // no success text
}

void TestRssWriter::replacedFiles_keepPermissions() {
    QTemporaryDir dir;
    const QString base = dir.filePath(QStringLiteral("feed"));
    const ChannelTree tree = treeFromText("Title\n\tT");
    QVERIFY(export_rssfile(tree, base, platform::Progress::mainStatusLine()));
    const QFileDevice::Permissions groupRead =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    for (const char *extension : {".rss", ".xml", ".chf"}) {
        QVERIFY(QFile::setPermissions(base + QLatin1String(extension), groupRead));
    }
    QVERIFY(export_rssfile(treeFromText("Title\n\tChanged"), base, platform::Progress::mainStatusLine()));
    QVERIFY(readFile(base + QStringLiteral(".rss")).contains("<title>Changed</title>"));
    for (const char *extension : {".rss", ".xml", ".chf"}) {
        QCOMPARE(QFile::permissions(base + QLatin1String(extension)) & QFileDevice::Permissions(0x7077),
                 groupRead);
    }
}

void TestRssWriter::emptyBaseName_refused_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << "";
    QTest::newRow("only an extension") << ".rss";
    QTest::newRow("folder only") << "sub/";
}

void TestRssWriter::emptyBaseName_refused() {
    QFETCH(QString, name);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path())); // a relative empty name would write here
    QString error;
    const bool ok =
        export_rssfile(treeFromText("Title\n\tT"), name, platform::Progress::mainStatusLine(), &error);
    QDir::setCurrent(previous);
    QVERIFY(!ok);
    QVERIFY2(error.contains(QStringLiteral("file name is empty")), qPrintable(error));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             strings({"sub"}));
    QVERIFY(QDir(dir.filePath(QStringLiteral("sub")))
                .isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

void TestRssWriter::imageFieldMissingFromChannel_exportEnds() {
    // The image has a description, the channel none, and there are no items.
    const QByteArray rss = exportTree(
        treeFromText("Title\n\tT\nLink\n\thttp://x/\nimage\n\turl\n\t\thttp://x/i.png\n\tdescription\n"
                     "\t\tabout the logo"));
    QVERIFY(rss.contains("\r\n    <description>about the logo</description>\r\n"));
    QVERIFY(!rss.contains("\r\n  <description>")); // not taken for the channel
    QVERIFY(!rss.contains("<item>"));
}

void TestRssWriter::sections_data() {
    QTest::addColumn<QByteArray>("tree");
    QTest::addColumn<QStringList>("expected"); // lines that appear in this order

    const QByteArray channel = "Title\n\tT\nLink\n\thttp://x/\n";
    QTest::newRow("enclosure, only attributes")
        << channel + "Item - a\n\tenclosure\n\t\t@url\n\t\t\thttp://x/a.mp3\n\t\t@length\n\t\t\t1234\n"
                     "\t\t@type\n\t\t\taudio/mpeg"
        << strings({"     <enclosure url=\"http://x/a.mp3\" length=\"1234\" type=\"audio/mpeg\"/>"});
    QTest::newRow("guid with isPermaLink, nothing generated")
        << channel + "Item - a\n\tguid\n\t\t@isPermaLink\n\t\t\tfalse\n\t\te1\nItem - b\n\ttitle\n\t\tB"
        << strings({"     <guid isPermaLink=\"false\">e1</guid>", "     <title>B</title>", "   </item>",
                    " </channel>"});
    QTest::newRow("category with domain, source with url")
        << channel + "Item - a\n\tcategory\n\t\t@domain\n\t\t\thttp://x/c\n\t\tTech\n\tsource\n\t\t@url\n"
                     "\t\t\thttp://y/rss\n\t\tY"
        << strings({"     <category domain=\"http://x/c\">Tech</category>",
                    "     <source url=\"http://y/rss\">Y</source>"});
    QTest::newRow("attribute escaped")
        << channel + "Item - a\n\tenclosure\n\t\t@url\n\t\t\thttp://x/?a=1&b=\"2\"<3>"
        << strings({"     <enclosure url=\"http://x/?a=1&amp;b=&quot;2&quot;&lt;3&gt;\"/>"});
    QTest::newRow("nested item section")
        << channel + "Item - a\n\tmedia:content\n\t\t@url\n\t\t\thttp://x/p.jpg\n\t\t@medium\n\t\t\timage\n"
                     "\t\tmedia:title\n\t\t\t@type\n\t\t\t\tplain\n\t\t\tA picture\n\t\tmedia:thumbnail\n"
                     "\t\t\t@url\n\t\t\t\thttp://x/t.jpg\n\tdc:creator\n\t\tAnn"
        << strings({"     <media:content url=\"http://x/p.jpg\" medium=\"image\">",
                    "       <media:title type=\"plain\">A picture</media:title>",
                    "       <media:thumbnail url=\"http://x/t.jpg\"/>", "     </media:content>",
                    "     <dc:creator>Ann</dc:creator>"});
    // Opening a document capitalises top-level names; the feed gets the names back.
    QTest::newRow("channel extensions after the fixed lines, in tree order")
        << channel + "Itunes:author\n\tAnn\nCloud\n\t@domain\n\t\trpc.x\n\t@port\n\t\t80\nImage\n\turl\n"
                     "\t\thttp://x/i.png\nTextInput\n\ttitle\n\t\tSearch\n\tname\n\t\tq\nSkipHours\n\thour\n"
                     "\t\t1\n\thour\n\t\t2\nLanguage\n\ten\nItem - a\n\ttitle\n\t\tA"
        << strings({"  <language>en</language>", "  </image>", "  <itunes:author>Ann</itunes:author>",
                    "  <cloud domain=\"rpc.x\" port=\"80\"/>", "  <textInput>", "    <title>Search</title>",
                    "    <name>q</name>", "  </textInput>", "  <skipHours>", "    <hour>1</hour>",
                    "    <hour>2</hour>", "  </skipHours>", "   <item>"});
    QTest::newRow("prefixed item names keep their letter case")
        << channel + "Item - a\n\tPub Date\n\t\tp\n\titunes:isClosedCaptioned\n\t\tYes"
        << strings({"     <pubDate>p</pubDate>",
                    "     <itunes:isClosedCaptioned>Yes</itunes:isClosedCaptioned>"});
    QTest::newRow("regenerated channel lines are not repeated")
        << channel + "LastBuildDate\n\tMon, 01 Jan 2001 00:00:00 GMT\nGenerator\n\tOther\nPubDate\n\told"
        << strings({" <generator>Tidewell 0.30b</generator>",
                    "  <pubDate>Tue, 09 Dec 2003 14:05:09 GMT</pubDate>", " </channel>"});
}

void TestRssWriter::sections() {
    QFETCH(QByteArray, tree);
    QFETCH(QStringList, expected);
    const QByteArray rss = exportTree(treeFromText(tree));
    const QStringList lines = QString::fromUtf8(rss).split(QStringLiteral("\r\n"));
    qsizetype from = 0;
    for (const QString &line : expected) {
        const qsizetype at = lines.indexOf(line, from);
        QVERIFY2(at >= 0, qPrintable(QStringLiteral("missing or out of order: ") + line));
        from = at + 1;
    }
    QCOMPARE(QString::fromUtf8(rss).count(QStringLiteral("<generator>")), 1);
    QVERIFY(!rss.contains("Other") && !rss.contains("2001"));
    QString error;
    readBack(rss, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
}

void TestRssWriter::namespaces_data() {
    QTest::addColumn<QByteArray>("tree");
    QTest::addColumn<QString>("rssTag");

    const QByteArray item = "Item - a\n\tdc:creator\n\t\tAnn\n";
    QTest::newRow("no prefix") << QByteArray("Title\n\tT\n") + "Item - a\n\ttitle\n\t\tA"
                               << "<rss version=\"2.0\">";
    QTest::newRow("declaration kept from the source")
        << "@xmlns:dc\n\thttp://example.com/dc-as-declared\nTitle\n\tT\n" + item
        << "<rss version=\"2.0\" xmlns:dc=\"http://example.com/dc-as-declared\">";
    QTest::newRow("made here: the usual namespace")
        << "Title\n\tT\n" + item << "<rss version=\"2.0\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\">";
    QTest::newRow("kept and added, default namespace")
        << "@xmlns\n\thttp://example.com/default\n@xmlns:content\n\thttp://purl.org/rss/1.0/modules/content/"
           "\n"
           "Itunes:explicit\n\tno\n" +
               item
        << "<rss version=\"2.0\" xmlns=\"http://example.com/default\" "
           "xmlns:content=\"http://purl.org/rss/1.0/modules/content/\" "
           "xmlns:itunes=\"http://www.itunes.com/dtds/podcast-1.0.dtd\" "
           "xmlns:dc=\"http://purl.org/dc/elements/1.1/\">";
    QTest::newRow("prefix only in an attribute name")
        << QByteArray("Title\n\tT\nItem - a\n\tenclosure\n\t\t@podcast:role\n\t\t\thost\n\t\t@url\n\t\t\tu")
        << "<rss version=\"2.0\" xmlns:podcast=\"https://podcastindex.org/namespace/1.0\">";
    QTest::newRow("unknown prefix") << QByteArray("Title\n\tT\nItem - a\n\tfoo:bar\n\t\tx")
                                    << "<rss version=\"2.0\" xmlns:foo=\"urn:x-undeclared-prefix:foo\">";
    QTest::newRow("empty or repeated declaration, xml prefix")
        << QByteArray("@xmlns:dc\n\t[0] "
                      "\n@xmlns:media\n\thttp://search.yahoo.com/mrss/\n@xmlns:media\n\thttp://other/\n"
                      "Item - a\n\tmedia:title\n\t\t@xml:lang\n\t\t\ten\n\t\tM\n\tdc:creator\n\t\tAnn")
        << "<rss version=\"2.0\" xmlns:media=\"http://search.yahoo.com/mrss/\" "
           "xmlns:dc=\"http://purl.org/dc/elements/1.1/\">";
}

void TestRssWriter::namespaces() {
    QFETCH(QByteArray, tree);
    QFETCH(QString, rssTag);
    const QByteArray rss = exportTree(treeFromText(tree));
    QCOMPARE(lineStartingWith(rss, QStringLiteral("<rss")), rssTag);
    QVERIFY(!rss.contains("  <xmlns")); // declarations are never channel lines
    QString error;
    readBack(rss, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
}

void TestRssWriter::valuesReadBack_data() {
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("markup and entities")
        << QByteArray("<p>Caf\xc3\xa9 &amp; cr\xc3\xa8me &nbsp;</p> ]]> \"q\"");
    QTest::newRow("indented HTML with blank lines")
        << QByteArray("\n    <div>\n\t<p>One</p>\n\n\n    <p>Two</p>\n    </div>\n  ");
    QTest::newRow("CR LF and lone CR") << QByteArray("a\r\nb\rc\n\nd");
    QTest::newRow("control characters XML cannot hold") << QByteArray("a\x01b\x0b\tc");
}

void TestRssWriter::valuesReadBack() {
    QFETCH(QByteArray, value);
    ChannelTree tree = treeFromText("Title\n\tT\nItem - a\n\tcontent:encoded\n\tenclosure\n\t\t@url");
    TreeNode *item = tree.topLevel(1);
    tree.append(item->child(0), value.toStdString());
    tree.append(item->child(1)->child(0), value.toStdString());
    const QByteArray rss = exportTree(tree);
    // Every line ends in CR LF, those inside values too.
    QCOMPARE(rss.count('\n'), rss.count("\r\n"));
    QCOMPARE(rss.count('\r'), rss.count("\r\n"));

    QString error;
    const QStringList rows = readBack(rss, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    // What a reader gets: line ends as LF (XML reads CR LF and CR so), control characters left out.
    QString text = QString::fromUtf8(value);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.remove(QRegularExpression(QStringLiteral("[\\x01-\\x08\\x0b\\x0c\\x0e-\\x1f]")));
    QVERIFY(rows.contains(QStringLiteral("rss/channel/item/content:encoded=") + text));
    // In an attribute every character comes back as it was, line breaks and TABs too.
    QString attribute = QString::fromUtf8(value);
    attribute.remove(QRegularExpression(QStringLiteral("[\\x01-\\x08\\x0b\\x0c\\x0e-\\x1f]")));
    QVERIFY(rows.contains(QStringLiteral("rss/channel/item/enclosure@url=") + attribute));
}

void TestRssWriter::generatedGuid_isStable() {
    const QByteArray channel = "Title\n\tT\nLink\n\thttp://x/\n";
    const QByteArray item = "Item - a\n\tTitle\n\t\tFirst\n\tLink\n\t\thttp://x/1\n";
    const auto guidOf = [this](const QByteArray &tree) {
        return lineStartingWith(exportTree(treeFromText(tree)), QStringLiteral("     <guid"));
    };
    const QString guid = guidOf(channel + item);
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^     <guid isPermaLink=\"false\">TW([0-9A-F]{32})</guid>$"))
            .match(guid);
    QVERIFY2(match.hasMatch(), qPrintable(guid));
    QCOMPARE(QUuid::fromRfc4122(QByteArray::fromHex(match.captured(1).toLatin1())).version(), QUuid::Sha1);
    QCOMPARE(guidOf(channel + item), guid); // exported again: the same guid
    // The guid belongs to the last item, and follows the channel link and the item's link and title.
    QCOMPARE(guidOf(channel + "Item - z\n\tTitle\n\t\tOther\n" + item), guid);
    QVERIFY(guidOf(channel + "Item - a\n\tTitle\n\t\tSecond\n\tLink\n\t\thttp://x/1\n") != guid);
    QVERIFY(guidOf(channel + "Item - a\n\tTitle\n\t\tFirst\n\tLink\n\t\thttp://x/2\n") != guid);
    QVERIFY(guidOf("Title\n\tT\nLink\n\thttp://y/\n" + item) != guid);
}

void TestRssWriter::newChannelDefaults() {
    const ChannelTree tree =
        newChannelTree({QStringLiteral("T"), QStringLiteral("L"), QStringLiteral("D")}, kFixedNow);
    QCOMPARE(treeToText(tree),
             QByteArray("[1] Title\n\t[0] T\n[1] Link\n\t[0] L\n[1] Description\n\t[0] D\n"
                        "[1] Language\n\t[0] en-us\n[0] Copyright\n\t[0] \n[0] ManagingEditor\n"
                        "\t[0] \n[0] WebMaster\n\t[0] \n[0] Ttl\n\t[0] 30\n[0] pubDate\n"
                        "\t[0] Tue, 09 Dec 2003 14:05:09 GMT\n"));
    const NewChannelBoxes boxes = NewChannelBoxes::defaults();
    QCOMPARE(boxes.title, QStringLiteral("New title"));
    QCOMPARE(boxes.description, QStringLiteral("Description of feed"));
    QVERIFY(boxes.link.startsWith(QStringLiteral("http")));
}

void TestRssWriter::rssDate_data() {
    QTest::addColumn<QDateTime>("time");
    QTest::addColumn<QString>("expected");
    QTest::newRow("utc") << kFixedNow << "Tue, 09 Dec 2003 14:05:09 GMT";
    // Local times are converted: the letters GMT are true.
    QTest::newRow("east of utc, previous day in utc")
        << QDateTime(QDate(2004, 1, 1), QTime(1, 0, 0), QTimeZone(5 * 3600))
        << "Wed, 31 Dec 2003 20:00:00 GMT";
    QTest::newRow("west of utc") << QDateTime(QDate(2003, 7, 4), QTime(23, 59, 59), QTimeZone(-7 * 3600))
                                 << "Sat, 05 Jul 2003 06:59:59 GMT";
}

void TestRssWriter::rssDate() {
    QFETCH(QDateTime, time);
    QFETCH(QString, expected);
    QLocale::setDefault(QLocale(QLocale::German)); // day and month names stay English
    QCOMPARE(channel::rssDate(time), expected);
    QLocale::setDefault(QLocale::c());
}

void TestRssWriter::makeGuid_data() {
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("second");
    QTest::addColumn<bool>("same");
    QTest::newRow("same parts") << strings({"http://x/", "http://x/1", "One"})
                                << strings({"http://x/", "http://x/1", "One"}) << true;
    QTest::newRow("other title") << strings({"http://x/", "http://x/1", "One"})
                                 << strings({"http://x/", "http://x/1", "one"}) << false;
    QTest::newRow("parts joined differently")
        << strings({"http://x/", "ab", "c"}) << strings({"http://x/", "a", "bc"}) << false;
    QTest::newRow("empty parts") << strings({"", "", ""}) << strings({"", "", " "}) << false;
}

void TestRssWriter::makeGuid() {
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    QFETCH(bool, same);
    const auto guid = [](const QStringList &parts) {
        const std::string a = parts[0].toStdString(), b = parts[1].toStdString(), c = parts[2].toStdString();
        return make_guid(a, b, c);
    };
    QVERIFY(QRegularExpression(QStringLiteral("^TW[0-9A-F]{32}$")).match(guid(first)).hasMatch());
    QCOMPARE(guid(first) == guid(second), same);
}

void TestRssWriter::processExportFileName_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<QString>("expected");
    QTest::newRow("untitled, chosen") << "Untitled 1"
                                      << "/tmp/a.rss" << true << "/tmp/a.rss";
    QTest::newRow("untitled, cancelled") << "Untitled 2"
                                         << "" << true << "";
    QTest::newRow("any letter case") << "/docs/untitled notes.chf"
                                     << "/tmp/b.rss" << true << "/tmp/b.rss";
    QTest::newRow("document path") << "/docs/news.chf"
                                   << "/tmp/never.rss" << false << "/docs/news.chf";
}

void TestRssWriter::processExportFileName() {
    QFETCH(QString, title);
    QFETCH(QString, answer);
    QFETCH(bool, asks);
    QFETCH(QString, expected);
    SaveDialogProbe probe(answer);
    QCOMPARE(channel::processExportFileName(title, QStringLiteral("Harbour news: tides/weather")), expected);
    QCOMPARE(probe.asked, asks ? 1 : 0);
    QCOMPARE(probe.others, 0);
    if (asks) {
        QCOMPARE(probe.caption, QStringLiteral("Save as"));
        QCOMPARE(probe.directory, QStringLiteral("Harbour news_ tides_weather.rss")); // proposed name
        QCOMPARE(probe.filter, QStringLiteral("RSS files (*.rss);;XML file (*.xml)"));
        QCOMPARE(probe.suffix, QStringLiteral("rss"));
        QVERIFY(!probe.askOverwrite);
    }
    // Save as always asks.
    SaveDialogProbe saveAs(answer);
    QCOMPARE(saveAsFileName(QString()), answer);
    QCOMPARE(saveAs.directory, QStringLiteral("news.rss"));
    QCOMPARE(saveAs.asked, 1);
}

QTEST_GUILESS_MAIN(TestRssWriter)
#include "tst_rsswriter.moc"
