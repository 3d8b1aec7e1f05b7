#include "../channel/treetext.h"
#include "channel/channelopen.h"
#include "channel/documentfile.h"
#include "clirun.h"
#include "oddfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tidewell;
using channel::ChannelTree;
using test::CliRun;
using test::runCli;

namespace {

QByteArray readFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestCli final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void errors_data();
    void errors();
    void help();
    void new_writesThreeFiles();
    void exportDocument_data();
    void exportDocument();
    void dump_showsLevelsAndKinds();
    void dump_veryDeepDocument();
    void validate_data();
    void validate();
    void import_writesDocumentThatOpensAsChannel();
    void oddFiles_refusedBeforeReading_data();
    void oddFiles_refusedBeforeReading();

private:
    QTemporaryDir m_dir;
    QString m_doc; // an imported-style document: lower-case names, one item
};

void TestCli::validate_data() {
    QTest::addColumn<QByteArray>("feed");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("output");
    QTest::newRow("clean") << QByteArray("<?xml version=\"1.0\"?>\r\n<rss version=\"2.0\">\r\n<channel>\r\n"
                                         "<title>t</title>\r\n<link>http://example.com/</link>\r\n"
                                         "<description>d</description>\r\n</channel>\r\n</rss>\r\n")
                           << 0
                           << QStringList{
                                  QStringLiteral("Congratulations, this file seems to checks out ok\n")};
    QTest::newRow("unbalanced items")
        << QByteArray("<rss><channel><item><title>x</title></channel>") << 1
        << QStringList{
               QStringLiteral("4\tDifference in item start and end markers (1 <item> and 0 </item>)\n"),
               QStringLiteral("Feed check\nline 1\tThe feed is not well-formed XML"),
               QStringLiteral("Errors in file, details are in the error display\n")};
    QTest::newRow("markers fine, feed check not")
        << QByteArray("<?xml version=\"1.0\"?>\n<rss version=\"2.0\">\n<channel>\n<title>t</title>\n"
                      "<link>news.html</link>\n<description>d</description>\n</channel>\n</rss>\n")
        << 1
        << QStringList{QStringLiteral("Feed check\nline 5\tThe address \"news.html\" in <channel/link>"),
                       QStringLiteral("Errors in file, details are in the error display\n")};
}

void TestCli::validate() {
    QFETCH(QByteArray, feed);
    QFETCH(int, status);
    QFETCH(QStringList, output);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("feed.xml")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(feed);
    file.close();
    const CliRun run = runCli({QStringLiteral("validate"), file.fileName()}, dir.path());
    QCOMPARE(run.status, status);
    for (const QString &part : output) {
        QVERIFY2(run.out.contains(part), qPrintable(run.out));
    }
}

void TestCli::oddFiles_refusedBeforeReading_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("fifo");
    for (const char *command : {"validate", "import", "opml", "dump"}) {
        QTest::addRow("%s, endless device", command) << QString::fromLatin1(command) << false;
        QTest::addRow("%s, FIFO without writer", command) << QString::fromLatin1(command) << true;
    }
}

void TestCli::oddFiles_refusedBeforeReading() {
    QFETCH(QString, command);
    QFETCH(bool, fifo);
    QTemporaryDir dir;
    const QString path =
        fifo ? test::makeFifo(dir.filePath(QStringLiteral("source.xml"))) : test::endlessDevice();
    QVERIFY(!path.isEmpty());
    QStringList args{command, path};
    if (command == QLatin1String("opml")) {
        args << dir.path();
    }
    const CliRun run = runCli(args, dir.path());
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains(QStringLiteral("%1 is not a regular file").arg(path)), qPrintable(run.err));
}

void TestCli::import_writesDocumentThatOpensAsChannel() {
    QTemporaryDir dir;
    QFile feed(dir.filePath(QStringLiteral("news,daily.rss")));
    QVERIFY(feed.open(QIODevice::WriteOnly));
    feed.write("<?xml version=\"1.0\"?><rss version=\"2.0\"><channel><title>News &amp; more</title>"
               "<item><title>First</title><link>http://x/1</link></item></channel></rss>");
    feed.close();
    const CliRun run = runCli({QStringLiteral("import"), feed.fileName()}, dir.path());
    QCOMPARE(run.status, 0);
    // The output path loses its commas.
    const QString document = dir.filePath(QStringLiteral("newsdaily.chf"));
    QCOMPARE(run.out.trimmed(), document);
    const CliRun dump = runCli({QStringLiteral("dump"), document}, dir.path());
    QCOMPARE(dump.status, 0);
    QVERIFY2(dump.out.contains(QStringLiteral("[1] Title\n\t[0] News & more\n")), qPrintable(dump.out));
    QVERIFY2(dump.out.contains(QStringLiteral("[2] Item - First\n")), qPrintable(dump.out));
}

void TestCli::initTestCase() {
    m_doc = m_dir.filePath(QStringLiteral("doc.chf"));
    QVERIFY(channel::saveChannelDocument(
        test::treeFromText("title\n\tMy & feed\nitem - one\n\ttitle\n\t\tFirst\n\tcomments\n\t\tc\td"),
        m_doc));
    QFile damaged(m_dir.filePath(QStringLiteral("damaged.chf")));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write(readFile(m_doc).left(20));
}

void TestCli::errors_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("no command") << QStringList() << 2 << "no command given.";
    QTest::newRow("unknown command") << QStringList{QStringLiteral("publish")} << 2
                                     << "unknown command 'publish'.";
    QTest::newRow("new without file") << QStringList{QStringLiteral("new")} << 2 << "'new' takes one FILE.";
    QTest::newRow("dump, two documents")
        << QStringList{QStringLiteral("dump"), QStringLiteral("a"), QStringLiteral("b")} << 2
        << "'dump' takes one DOC.chf.";
    QTest::newRow("missing document") << QStringList{QStringLiteral("export"), QStringLiteral("none.chf")}
                                      << 1 << "Cannot open file none.chf";
    QTest::newRow("damaged document")
        << QStringList{QStringLiteral("dump"), QStringLiteral("damaged.chf")} << 1
        << "File damaged.chf is damaged: top-level count 2 at byte offset 0";
    QTest::newRow("unwritable target") << QStringList{QStringLiteral("new"), QStringLiteral("no/folder/x")}
                                       << 1 << "Cannot create file no/folder/x.rss";
}

void TestCli::errors() {
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, message);
    const CliRun run = runCli(args, m_dir.path());
    QCOMPARE(run.status, status);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
}

void TestCli::help() {
    const CliRun run = runCli({QStringLiteral("--help")}, m_dir.path());
    QCOMPARE(run.status, 0);
    for (const char *command : {"new FILE", "export DOC.chf [FILE]", "dump DOC.chf", "validate FILE|URL",
                                "import FILE|URL", "opml FILE|URL [OUTDIR]"}) {
        QVERIFY2(run.out.contains(QLatin1String(command)), command);
    }
    // The feeds of an OPML list always go to the data folder; OUTDIR only takes the list's copy.
    const CliRun opml = runCli({QStringLiteral("opml"), QStringLiteral("--help")}, m_dir.path());
    QCOMPARE(opml.status, 0);
    QVERIFY2(opml.out.contains(QLatin1String("feeds always go to the data")), qPrintable(opml.out));
    QVERIFY(opml.out.contains(QLatin1String("OUTDIR (default: the data folder) receives the list's copy")));
}

void TestCli::new_writesThreeFiles() {
    QTemporaryDir dir;
    const CliRun run = runCli({QStringLiteral("new"), QStringLiteral("feed.rss")}, dir.path());
    QCOMPARE(run.status, 0);
    const QByteArray rss = readFile(dir.filePath(QStringLiteral("feed.rss")));
    QVERIFY(rss.contains("  <title>New title</title>\r\n"));
    QVERIFY(rss.contains("  <description>Description of feed</description>\r\n"));
    QCOMPARE(readFile(dir.filePath(QStringLiteral("feed.xml"))), rss);
    ChannelTree tree;
    QVERIFY(channel::loadChannelTree(tree, dir.filePath(QStringLiteral("feed.chf"))));
    QCOMPARE(tree.topLevelCount(), 9);
    QCOMPARE(tree.topLevel(8)->text, std::string("pubDate"));
}

void TestCli::exportDocument_data() {
    QTest::addColumn<QString>("target"); // empty: under the document's own name
    QTest::addColumn<QString>("written");
    QTest::newRow("own name") << ""
                              << "doc";
    QTest::newRow("given file") << "out/news.xml"
                                << "out/news";
}

void TestCli::exportDocument() {
    QFETCH(QString, target);
    QFETCH(QString, written);
    QTemporaryDir dir;
    QVERIFY(QFile::copy(m_doc, dir.filePath(QStringLiteral("doc.chf"))));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("out")));
    QStringList args{QStringLiteral("export"), QStringLiteral("doc.chf")};
    if (!target.isEmpty()) {
        args << target;
    }
    const CliRun run = runCli(args, dir.path());
    QCOMPARE(run.status, 0);
    const QByteArray rss = readFile(dir.filePath(written + QStringLiteral(".rss")));
    QVERIFY(rss.contains("  <title>My &amp; feed</title>\r\n"));
    QVERIFY(rss.contains("     <comments>c\td</comments>\r\n"));
    // The opened (normalised) tree is what gets saved, as the window would save it.
    ChannelTree saved;
    QVERIFY(channel::loadChannelTree(saved, dir.filePath(written + QStringLiteral(".chf"))));
    QCOMPARE(saved.topLevel(1)->text, std::string("Item - one"));
    QCOMPARE(saved.topLevel(1)->kind, int(channel::ItemNode));
}

void TestCli::dump_showsLevelsAndKinds() {
    const CliRun run = runCli({QStringLiteral("dump"), QStringLiteral("doc.chf")}, m_dir.path());
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out,
             QStringLiteral("[1] Title\n\t[0] My & feed\n[2] Item - one\n\t[0] title\n\t\t[0] First\n"
                            "\t[0] comments\n\t\t[0] c\\td\n"));
}

void TestCli::dump_veryDeepDocument() {
    // 100,000 levels: one TAB per level would print 5 GB; from level 33 on the lines keep 32 TABs and
    // name their level. A side branch after the deep chain and a last top-level node check that the
    // levels come back right after the deep walk.
    constexpr int depth = 100000;
    ChannelTree tree;
    channel::TreeNode *node = nullptr;
    channel::TreeNode *branchPoint = nullptr;
    for (int level = 0; level < depth; ++level) {
        node = tree.append(node, "n" + std::to_string(level));
        if (level == 33) {
            branchPoint = node;
        }
    }
    tree.append(branchPoint, "side");
    tree.append(nullptr, "end");
    QTemporaryDir dir;
    QVERIFY(channel::saveChannelDocument(tree, dir.filePath(QStringLiteral("deep.chf"))));

    const CliRun run = runCli({QStringLiteral("dump"), QStringLiteral("deep.chf")}, dir.path());
    QCOMPARE(run.status, 0);
    const QStringList lines = run.out.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), depth + 3); // and the empty rest after the last line break
    const QString tabs(32, QLatin1Char('\t'));
    QCOMPARE(lines[0], QStringLiteral("[1] N0")); // top-level nodes are normalised on opening
    QCOMPARE(lines[1], QStringLiteral("\t[0] n1"));
    QCOMPARE(lines[32], tabs + QStringLiteral("[0] n32"));
    QCOMPARE(lines[33], tabs + QStringLiteral("(level 33) [0] n33"));
    for (int level = 34; level < depth; ++level) {
        const QString expected = tabs + QStringLiteral("(level %1) [0] n%1").arg(level);
        if (lines[level] != expected) {
            QCOMPARE(lines[level], expected);
        }
    }
    QCOMPARE(lines[depth], tabs + QStringLiteral("(level 34) [0] side"));
    QCOMPARE(lines[depth + 1], QStringLiteral("[1] End"));
    QCOMPARE(lines[depth + 2], QString());
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
