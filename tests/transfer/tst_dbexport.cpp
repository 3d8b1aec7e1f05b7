#include "channel/channelopen.h"
#include "channel/rss_global.h"
#include "feeds/rssimport.h"
#include "platform/clock.h"
#include "platform/folders.h"
#include "platform/progress.h"
#include "testhome.h"
#include "transfer/dbexport.h"
#include "tst_dbexport_helpers.h"

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

using namespace tidewell;
using channel::ChannelTree;
using test::readTable;
using transfer::DbExport;
using transfer::DbExportColumns;
using transfer::DbExportOptions;

namespace {

class RecordingProgress final : public platform::Progress {
public:
    void status(const QString &text) override { texts << text; }
    QStringList texts;
};

// The column lists as shipped with the program.
DbExportColumns shippedColumns() {
    auto columns = DbExport::readColumnFiles();
    return columns ? *columns : DbExportColumns{};
}

QString fixture(const char *name) {
    return QStringLiteral(TIDEWELL_TEST_SOURCE_DIR "/../feeds/fixtures/") + QLatin1String(name);
}

// The value a row holds for a column, found without regard to letter case as the engine finds it.
QVariant valueOf(const QVariantMap &row, const QString &column) {
    for (auto it = row.cbegin(); it != row.cend(); ++it) {
        if (it.key().compare(column, Qt::CaseInsensitive) == 0) {
            return it.value();
        }
    }
    return QStringLiteral("<no column %1>").arg(column);
}

channel::TreeNode *addSection(ChannelTree &tree, channel::TreeNode *parent, const char *name,
                              const char *value, int row = -1) {
    channel::TreeNode *section = row < 0 ? tree.append(parent, name) : tree.insert(parent, row, name);
    tree.append(section, value);
    return section;
}

} // namespace

class TestDbExport final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void newChannelWithTwoItems_givesTheRows();
    void secondExportToSameFile_failsAndLeavesItUnchanged();
    void formatVersion_data();
    void formatVersion();
    void fieldsBeyondTheColumnLists();
    void hostileNames_data();
    void hostileNames();
    void importedFeeds_loseNothing_data();
    void importedFeeds_loseNothing();
    void columnFileWithoutTitle_noIndexAndTheExportGoesOn();
    void failures_data();
    void failures();
    void missingColumnFile_refusedBeforeAnythingIsMade();
    void hostileShapes_refusedBeforeAnythingIsMade_data();
    void hostileShapes_refusedBeforeAnythingIsMade();

private:
    std::unique_ptr<test::TestHome> m_home;
    QString path(const char *name) const { return m_home->filePath(QLatin1String(name)); }
};

void TestDbExport::init() {
    m_home = std::make_unique<test::TestHome>();
    platform::Clock::setSource([] { return QDateTime(QDate(2024, 3, 5), QTime(8, 30)); });
}

void TestDbExport::cleanup() {
    platform::Clock::setSource({});
    platform::Folders::setProgramFolderOverride(QString());
    m_home.reset();
}

void TestDbExport::newChannelWithTwoItems_givesTheRows() {
    const ChannelTree tree = test::newChannelWithItems(2);
    const QString file = path("export.sqlite");
    RecordingProgress progress;
    const platform::Status status =
        DbExport::run(tree, shippedColumns(), {file, QStringLiteral("tw_feeditems"), 40}, progress);
    QVERIFY2(status.ok(), qPrintable(status.error()));

    QCOMPARE(progress.texts,
             QStringList({QStringLiteral("Database created.."), QStringLiteral("Channel table created.."),
                          QStringLiteral("Item table created.."),
                          QStringLiteral("Parsing && adding channel data.."),
                          QStringLiteral("Parsing && adding item data.."),
                          QStringLiteral("Done.. data exported..")}));

    const QList<QVariantMap> fileInfo = readTable(file, QStringLiteral("FileInfo"));
    QCOMPARE(fileInfo.size(), 1);
    QCOMPARE(fileInfo[0].value(QStringLiteral("rss")), QVariant(QStringLiteral("2.0")));
    QCOMPARE(fileInfo[0].value(QStringLiteral("generator")), QVariant(channel::kVersionText));
    QCOMPARE(fileInfo[0].value(QStringLiteral("date")),
             QVariant(QLocale::system().toString(QDate(2024, 3, 5), QLocale::ShortFormat)));
    QVERIFY(!fileInfo[0].value(QStringLiteral("id")).isValid());

    // The channel row holds the value of each of the nine sections of a new channel.
    const QList<QVariantMap> channelInfo = readTable(file, QStringLiteral("ChannelInfo"));
    QCOMPARE(channelInfo.size(), 1);
    int sections = 0;
    for (int row = 0; row < tree.topLevelCount(); ++row) {
        const channel::TreeNode *node = tree.topLevel(row);
        if (node->kind != channel::ItemNode) {
            ++sections;
            QCOMPARE(valueOf(channelInfo[0], QString::fromStdString(node->text)),
                     QVariant(QString::fromStdString(channel::sectionValue(node))));
        }
    }
    QCOMPARE(sections, 9);

    // One row per item, numbered from 0, each field in its column.
    const QList<QVariantMap> items = readTable(file, QStringLiteral("tw_feeditems"));
    QCOMPARE(items.size(), 2);
    for (int i = 0; i < 2; ++i) {
        const channel::TreeNode *item = tree.topLevel(9 + i);
        QCOMPARE(items[i].value(QStringLiteral("ID")), QVariant(qint64(i)));
        QCOMPARE(item->childCount(), 6);
        for (int f = 0; f < item->childCount(); ++f) {
            QCOMPARE(valueOf(items[i], QString::fromStdString(item->child(f)->text)),
                     QVariant(QString::fromStdString(channel::sectionValue(item->child(f)))));
        }
    }

    // The index rules: primary keys on FileInfo.rss and ChannelInfo.title, a plain index on the items' title.
    QCOMPARE(
        test::queryInteger(file, "SELECT count(*) FROM pragma_index_list('ChannelInfo') WHERE \"unique\""),
        qint64(1));
    QCOMPARE(test::queryInteger(file, "SELECT count(*) FROM pragma_index_list('FileInfo') WHERE \"unique\""),
             qint64(1));
    QCOMPARE(test::queryInteger(
                 file, "SELECT count(*) FROM pragma_index_list('tw_feeditems') WHERE NOT \"unique\""),
             qint64(1));
    // A finished export is one plain file, without a log beside it.
    QVERIFY(!QFile::exists(file + QLatin1String("-wal")));
}

void TestDbExport::secondExportToSameFile_failsAndLeavesItUnchanged() {
    const QString file = path("twice.sqlite");
    QVERIFY(DbExport::run(test::newChannelWithItems(1), shippedColumns(), {file, QStringLiteral("items"), 40},
                          platform::Progress::silent())
                .ok());
    const QByteArray before = test::fileBytes(file);
    QVERIFY(!before.isEmpty());

    const platform::Status again =
        DbExport::run(test::newChannelWithItems(3), shippedColumns(), {file, QStringLiteral("items"), 30},
                      platform::Progress::silent());
    QVERIFY(!again.ok());
    QVERIFY2(again.error().contains(QLatin1String("already exists")), qPrintable(again.error()));
    QCOMPARE(test::fileBytes(file), before);
    QCOMPARE(readTable(file, QStringLiteral("items")).size(), 1);
}

void TestDbExport::formatVersion_data() {
    QTest::addColumn<int>("format");
    QTest::newRow("30") << 30;
    QTest::newRow("40") << 40;
}

void TestDbExport::formatVersion() {
    QFETCH(int, format);
    const QString file = path("format.sqlite");
    QVERIFY(DbExport::run(test::newChannelWithItems(1), shippedColumns(),
                          {file, QStringLiteral("items"), format}, platform::Progress::silent())
                .ok());
    QCOMPARE(test::queryInteger(file, "PRAGMA user_version"), qint64(format));
}

// What the column lists do not name is not lost: an unnamed channel section becomes an item row of its
// own, in tree order; fields beyond items.dat get columns; a repeated field keeps every value; a field
// named like the row number does not overwrite it; and the channel row never takes a field out of an item.
void TestDbExport::fieldsBeyondTheColumnLists() {
    ChannelTree tree = test::newChannelWithItems(2);
    // The channel has no Copyright section of its own, but the first item has one.
    for (int row = 0; row < tree.topLevelCount(); ++row) {
        if (tree.topLevel(row)->text == "Copyright") {
            tree.remove(tree.topLevel(row));
            break;
        }
    }
    channel::TreeNode *first = tree.topLevel(8);
    QCOMPARE(first->kind, int(channel::ItemNode));
    addSection(tree, first, "Copyright", "(c) item one");
    addSection(tree, first, "Category", "Second category");
    addSection(tree, first, "id", "tag:example.com,2024:1");
    addSection(tree, nullptr, "sy:updatePeriod", "hourly", 8); // between the channel sections and the items

    const QString file = path("extra.sqlite");
    const platform::Status status = DbExport::run(tree, shippedColumns(), {file, QStringLiteral("items"), 40},
                                                  platform::Progress::silent());
    QVERIFY2(status.ok(), qPrintable(status.error()));

    QVERIFY(!valueOf(readTable(file, QStringLiteral("ChannelInfo")).value(0), QStringLiteral("copyright"))
                 .isValid());
    const QList<QVariantMap> items = readTable(file, QStringLiteral("items"));
    QCOMPARE(items.size(), 3);
    QCOMPARE(items[0].value(QStringLiteral("ID")), QVariant(qint64(0)));
    QCOMPARE(items[0].value(QStringLiteral("sy:updatePeriod")), QVariant(QStringLiteral("hourly")));
    QCOMPARE(items[1].value(QStringLiteral("ID")), QVariant(qint64(1)));
    QCOMPARE(valueOf(items[1], QStringLiteral("title")), QVariant(QStringLiteral("Item 1")));
    QCOMPARE(valueOf(items[1], QStringLiteral("Copyright")), QVariant(QStringLiteral("(c) item one")));
    QCOMPARE(valueOf(items[1], QStringLiteral("category")),
             QVariant(QStringLiteral("News\nSecond category")));
    QCOMPARE(valueOf(items[1], QStringLiteral("id_")), QVariant(QStringLiteral("tag:example.com,2024:1")));
    QCOMPARE(items[2].value(QStringLiteral("ID")), QVariant(qint64(2)));
    QCOMPARE(valueOf(items[2], QStringLiteral("title")), QVariant(QStringLiteral("Item 2")));
}

void TestDbExport::hostileNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("table");
    QTest::newRow("double quote") << QStringLiteral("say \"hi\"") << QStringLiteral("tw\"items");
    QTest::newRow("brackets") << QStringLiteral("[field]") << QStringLiteral("[items]");
    QTest::newRow("closing bracket") << QStringLiteral("a]b") << QStringLiteral("it]ems");
    QTest::newRow("single quote") << QStringLiteral("o'clock") << QStringLiteral("it's");
    QTest::newRow("statement") << QStringLiteral("x\"); DROP TABLE \"FileInfo\"; --")
                               << QStringLiteral("t\"; DROP TABLE \"ChannelInfo\"; --");
}

void TestDbExport::hostileNames() {
    QFETCH(QString, name);
    QFETCH(QString, table);
    ChannelTree tree = test::newChannelWithItems(1);
    const std::string bytes = name.toStdString();
    addSection(tree, tree.topLevel(9), bytes.c_str(), "item value");
    addSection(tree, nullptr, bytes.c_str(), "section value", 0);

    const QString file = path("hostile.sqlite");
    const platform::Status status =
        DbExport::run(tree, shippedColumns(), {file, table, 40}, platform::Progress::silent());
    QVERIFY2(status.ok(), qPrintable(status.error()));

    QCOMPARE(readTable(file, QStringLiteral("FileInfo")).size(), 1);
    QCOMPARE(readTable(file, QStringLiteral("ChannelInfo")).size(), 1);
    const QList<QVariantMap> items = readTable(file, table);
    QCOMPARE(items.size(), 2);
    QCOMPARE(items[0].value(name), QVariant(QStringLiteral("section value")));
    QCOMPARE(items[1].value(name), QVariant(QStringLiteral("item value")));
}

void TestDbExport::importedFeeds_loseNothing_data() {
    QTest::addColumn<QString>("feed");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("value");
    const QString podcast = fixture("podcast-pretty.rss");
    QTest::newRow("enclosure url") << podcast << QStringLiteral("enclosure@url")
                                   << QStringLiteral("https://harbour.example/ep1.mp3?src=rss&n=1");
    QTest::newRow("enclosure length")
        << podcast << QStringLiteral("enclosure@length") << QStringLiteral("24986239");
    QTest::newRow("enclosure type") << podcast << QStringLiteral("enclosure@type")
                                    << QStringLiteral("audio/mpeg");
    QTest::newRow("guid and its attribute")
        << podcast << QStringLiteral("guid") << QStringLiteral("harbour-ep-1");
    QTest::newRow("guid attribute") << podcast << QStringLiteral("guid@isPermaLink")
                                    << QStringLiteral("false");
    QTest::newRow("category beside its domain")
        << podcast << QStringLiteral("category") << QStringLiteral("boats");
    QTest::newRow("item language") << podcast << QStringLiteral("@xml:lang") << QStringLiteral("en-GB");
    QTest::newRow("namespaced field")
        << podcast << QStringLiteral("dc:creator") << QStringLiteral("Ann Example");
    QTest::newRow("nested element") << fixture("namespaces.rss")
                                    << QStringLiteral("media:content/media:title") << QStringLiteral("Clip");
    QTest::newRow("nested element's attribute")
        << fixture("namespaces.rss") << QStringLiteral("media:content@url")
        << QStringLiteral("https://example.org/e1.mp4");
}

// A feed imported as a user imports it, then exported: every value of the item arrives in a column, and
// every top-level node that is not a channel section is one item row.
void TestDbExport::importedFeeds_loseNothing() {
    QFETCH(QString, feed);
    QFETCH(QString, column);
    QFETCH(QString, value);
    const QString copy = path("feed.rss");
    QVERIFY(QFile::copy(feed, copy));
    const feeds::RssImport::Result imported =
        feeds::RssImport::importFile(copy, platform::Progress::silent());
    QVERIFY2(imported.ok, qPrintable(imported.error));
    ChannelTree tree;
    QVERIFY(channel::loadChannelDocument(tree, imported.outputPath));

    const QString file = path("imported.sqlite");
    const platform::Status status = DbExport::run(tree, shippedColumns(), {file, QStringLiteral("items"), 40},
                                                  platform::Progress::silent());
    QVERIFY2(status.ok(), qPrintable(status.error()));

    const QList<QVariantMap> items = readTable(file, QStringLiteral("items"));
    QVERIFY(!items.isEmpty());
    const QVariantMap &item = items.last();
    QVERIFY(QString::fromStdString(tree.topLevel(tree.topLevelCount() - 1)->text)
                .startsWith(QLatin1String("Item - ")));
    QCOMPARE(item.value(column), QVariant(value));

    // The channel's title went into the channel row; everything else at the top level is a row.
    const QList<QVariantMap> channelInfo = readTable(file, QStringLiteral("ChannelInfo"));
    QCOMPARE(channelInfo.value(0).value(QStringLiteral("title")),
             QVariant(QString::fromStdString(channel::sectionValue(channel::findnode(tree, "title")))));
    int channelSections = 0;
    const DbExportColumns columns = shippedColumns();
    for (int row = 0; row < tree.topLevelCount(); ++row) {
        channelSections +=
            columns.channel.contains(QString::fromStdString(tree.topLevel(row)->text), Qt::CaseInsensitive);
    }
    QCOMPARE(items.size(), tree.topLevelCount() - channelSections);
}

void TestDbExport::columnFileWithoutTitle_noIndexAndTheExportGoesOn() {
    const DbExportColumns columns{{QStringLiteral("link")}, {QStringLiteral("link")}};
    const ChannelTree tree = test::newChannelWithItems(1);
    const QString file = path("untitled.sqlite");
    const platform::Status status =
        DbExport::run(tree, columns, {file, QStringLiteral("items"), 40}, platform::Progress::silent());
    QVERIFY2(status.ok(), qPrintable(status.error()));
    QCOMPARE(test::queryInteger(file, "SELECT count(*) FROM pragma_index_list('ChannelInfo')"), qint64(0));
    QCOMPARE(readTable(file, QStringLiteral("ChannelInfo")).value(0).value(QStringLiteral("link")),
             QVariant(QString::fromStdString(channel::sectionValue(channel::findnode(tree, "link")))));
    // Every other section is an item row of its own.
    QCOMPARE(readTable(file, QStringLiteral("items")).size(), tree.topLevelCount() - 1);
}

void TestDbExport::failures_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("format");
    QTest::addColumn<bool>("empty");
    QTest::addColumn<QString>("message");
    QTest::newRow("nothing to export") << QStringLiteral("a.sqlite") << QStringLiteral("items") << 40 << true
                                       << QStringLiteral("There is nothing to export at this time");
    QTest::newRow("table named like FileInfo") << QStringLiteral("a.sqlite") << QStringLiteral("fileinfo")
                                               << 40 << false << QStringLiteral("fileinfo");
    QTest::newRow("table named like ChannelInfo")
        << QStringLiteral("a.sqlite") << QStringLiteral("CHANNELINFO") << 40 << false
        << QStringLiteral("CHANNELINFO");
    QTest::newRow("no table name") << QStringLiteral("a.sqlite") << QStringLiteral(" ") << 40 << false
                                   << QStringLiteral("table");
    QTest::newRow("unknown format") << QStringLiteral("a.sqlite") << QStringLiteral("items") << 35 << false
                                    << QStringLiteral("35");
    QTest::newRow("folder missing") << QStringLiteral("no/such/folder/a.sqlite") << QStringLiteral("items")
                                    << 40 << false << QStringLiteral("Cannot create file");
    // The engine refuses the name once the file exists: the half-made file goes again.
    QTest::newRow("engine refuses the table") << QStringLiteral("a.sqlite") << QStringLiteral("sqlite_items")
                                              << 40 << false << QStringLiteral("sqlite_");
}

void TestDbExport::failures() {
    QFETCH(QString, file);
    QFETCH(QString, table);
    QFETCH(int, format);
    QFETCH(bool, empty);
    QFETCH(QString, message);
    const QString target = m_home->filePath(file);
    const platform::Status status =
        DbExport::run(empty ? ChannelTree() : test::newChannelWithItems(1), shippedColumns(),
                      {target, table, format}, platform::Progress::silent());
    QVERIFY(!status.ok());
    QVERIFY2(status.error().contains(message), qPrintable(status.error()));
    QVERIFY(!QFile::exists(target));
    QVERIFY(!QFile::exists(target + QLatin1String("-wal")));
}

void TestDbExport::missingColumnFile_refusedBeforeAnythingIsMade() {
    QTemporaryDir program;
    QVERIFY(QFile::copy(platform::Folders::programFile(QStringLiteral("items.dat")),
                        program.filePath(QStringLiteral("items.dat"))));
    platform::Folders::setProgramFolderOverride(program.path());
    const auto columns = DbExport::readColumnFiles();
    QVERIFY(!columns.ok());
    QCOMPARE(columns.error(), QStringLiteral("Serious error: data file not found, please reinstall program"));
}

void TestDbExport::hostileShapes_refusedBeforeAnythingIsMade_data() {
    QTest::addColumn<int>("depth");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("message");
    QTest::newRow("nested 100000 levels deep") << 100000 << 1 << QStringLiteral("too deeply");
    QTest::newRow("5000 different fields") << 1 << 5000 << QStringLiteral("1000");
}

// Every field name becomes a column: a document with more names than a table can hold, or nested so deep
// that the names grow without end, is refused with a reason, quickly and before the file is made.
void TestDbExport::hostileShapes_refusedBeforeAnythingIsMade() {
    QFETCH(int, depth);
    QFETCH(int, width);
    QFETCH(QString, message);
    ChannelTree tree = test::newChannelWithItems(1);
    channel::TreeNode *item = tree.topLevel(9);
    for (int i = 0; i < width; ++i) {
        addSection(tree, item, ("field" + std::to_string(i)).c_str(), "v");
    }
    channel::TreeNode *node = item;
    for (int level = 0; level < depth; ++level) {
        tree.append(node, "value");
        node = tree.append(node, "n");
    }
    const QString file = path("hostile.sqlite");
    const platform::Status status = DbExport::run(tree, shippedColumns(), {file, QStringLiteral("items"), 40},
                                                  platform::Progress::silent());
    QVERIFY(!status.ok());
    QVERIFY2(status.error().contains(message), qPrintable(status.error()));
    QVERIFY(!QFile::exists(file));
}

QTEST_GUILESS_MAIN(TestDbExport)
#include "tst_dbexport.moc"
