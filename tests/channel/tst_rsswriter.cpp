#include "channel/documentfile.h"
#include "channel/newchannel.h"
#include "channel/rssdate.h"
#include "channel/rsswriter.h"
#include "platform/clock.h"
#include "platform/guid.h"
#include "platform/prompts.h"
#include "platform/statusline.h"
#include "teststrings.h"
#include "treetext.h"

#include <QDir>
#include <QFile>
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
const QUuid kFixedGuid(QStringLiteral("{0a1b2c3d-4e5f-6071-8293-a4b5c6d7e8f9}"));

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

class RecordingStatusLine final : public platform::StatusLine {
public:
    RecordingStatusLine() { install(this); }
    ~RecordingStatusLine() override { install(nullptr); }
    void statusmsg(const QString &message) override { messages.append(message); }
    void setStatusText(const QString &) override {}
    void setProgressMaximum(int maximum) override { maximums.append(maximum); }
    void setProgressPosition(int position) override { lastPosition = position; }

    QStringList messages;
    QList<int> maximums;
    int lastPosition = -1;
};

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
    QString saveFile(const QString &caption, const QString &, const QString &filter, const QString &suffix,
                     bool overwrite) override {
        ++asked;
        this->caption = caption;
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
    QString caption, filter, suffix;
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
    void blockedChf_keepsFeedFiles();
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
    platform::Guid::setGenerator([] { return kFixedGuid; });
}

void TestRssWriter::cleanup() {
    platform::Clock::setSource({});
    platform::Guid::setGenerator({});
}

QByteArray TestRssWriter::exportTree(const ChannelTree &tree) {
    const QString base = m_dir.filePath(QStringLiteral("feed"));
    QString error;
    if (!export_rssfile(tree, base, &error)) {
        qWarning("export failed: %s", qPrintable(error));
        return {};
    }
    return readFile(base + QStringLiteral(".rss"));
}

void TestRssWriter::golden_data() {
    QTest::addColumn<QString>("caseName");
    // newchannel: the new-channel defaults (no tree.txt); items: three items, escaping, one generated guid;
    // image: image block with its defaults, docs and rating.
    for (const char *name : {"newchannel", "items", "image"}) {
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

    QXmlStreamReader xml(rss);
    while (!xml.atEnd()) {
        xml.readNext();
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
}

void TestRssWriter::itemRules_data() {
    QTest::addColumn<QByteArray>("tree");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");

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
        << channel + "item - a\n\tLink\n\t\tL" << strings({"  <link>L</link>"})
        << strings({"   <item>", "   </item>"});
    QTest::newRow("item text without hyphen")
        << channel + "Item\n\tLink\n\t\tL" << strings({"   <item>", "   </item>"}) << QStringList();
    // Without a channel Description, the whole-tree lookup takes the first item's, and the item loses it.
    QTest::newRow("description from item")
        << QByteArray("Title\n\tT\nItem - a\n\tDescription\n\t\tfirst\n\tTitle\n\t\tA")
        << strings({"  <description>first</description>", "     <title>A</title>"})
        << strings({"     <description>first</description>"});
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
    for (const QString &line : absent) {
        QVERIFY2(!lines.contains(line) && !lines.filter(line).size(),
                 qPrintable(QStringLiteral("found: ") + line));
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
    QVERIFY2(export_rssfile(tree, dir.filePath(fileName), &error), qPrintable(error));
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
    QCOMPARE(status.maximums, (QList<int>{9, 8}));
    QCOMPARE(status.lastPosition, 0);
}

void TestRssWriter::missingFolder_cannotCreateRss() {
    const QString base = m_dir.filePath(QStringLiteral("missing/feed"));
    QString error;
    QVERIFY(!export_rssfile(newChannelTree(NewChannelBoxes::defaults(), kFixedNow), base, &error));
    QCOMPARE(error, QStringLiteral("Cannot create file ") + base + QStringLiteral(".rss"));
}

void TestRssWriter::blockedChf_keepsFeedFiles() {
    QTemporaryDir dir;
    const QString base = dir.filePath(QStringLiteral("feed"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("feed.chf"))); // a folder where the document should go
    RecordingStatusLine status;
    QString error;
    QVERIFY(!export_rssfile(treeFromText("Title\n\tT"), base, &error));
    QVERIFY2(error.startsWith(QStringLiteral("Cannot create file %1.chf: ").arg(base)), qPrintable(error));
    QVERIFY(readFile(base + QStringLiteral(".rss")).contains("<title>T</title>"));
    QVERIFY(QFile::exists(base + QStringLiteral(".xml")));
    QCOMPARE(status.messages,
             QStringList{QStringLiteral("Exporting and saving RSS file")}); // no success text
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
    QTest::addColumn<QUuid>("uuid");
    QTest::addColumn<QString>("expected");
    QTest::newRow("fresh") << kFixedGuid << "TW0A1B2C3D4E5F60718293A4B5C6D7E8F9";
    QTest::newRow("generator failed") << QUuid() << "TW";
}

void TestRssWriter::makeGuid() {
    QFETCH(QUuid, uuid);
    QFETCH(QString, expected);
    platform::Guid::setGenerator([uuid] { return uuid; });
    QCOMPARE(make_guid(), expected);
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
    QCOMPARE(channel::processExportFileName(title), expected);
    QCOMPARE(probe.asked, asks ? 1 : 0);
    QCOMPARE(probe.others, 0);
    if (asks) {
        QCOMPARE(probe.caption, QStringLiteral("Save as"));
        QCOMPARE(probe.filter, QStringLiteral("RSS files (*.rss);;XML file (*.xml)"));
        QCOMPARE(probe.suffix, QStringLiteral("rss"));
        QVERIFY(!probe.askOverwrite);
    }
    // Save as always asks.
    SaveDialogProbe saveAs(answer);
    QCOMPARE(saveAsFileName(), answer);
    QCOMPARE(saveAs.asked, 1);
}

QTEST_GUILESS_MAIN(TestRssWriter)
#include "tst_rsswriter.moc"
