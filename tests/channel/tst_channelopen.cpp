#include "channel/channelopen.h"
#include "channel/documentfile.h"
#include "channel/newchannel.h"
#include "treetext.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tidewell::channel;
using tidewell::test::treeFromText;
using tidewell::test::treeToText;

class TestChannelOpen final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void normalise_data();
    void normalise();
    void exportedNewChannel_opensWithKindOne();
    void missingFile_leavesTreeEmpty();
};

void TestChannelOpen::normalise_data() {
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QByteArray>("opened");

    // As the RSS import writes them: element names in lower case, "item - " labels; the item's own field
    // sections keep their names.
    QTest::newRow("imported feed") << QByteArray("title\n\tt\nlink\nimage\n\turl\n\t\tu\n"
                                                 "item - First post\n\ttitle\n\t\tp")
                                   << QByteArray(
                                          "[1] Title\n\t[0] t\n[1] Link\n[1] Image\n\t[0] url\n\t\t[0] u\n"
                                          "[2] Item - First post\n\t[0] title\n\t\t[0] p\n");
    QTest::newRow("no space before hyphen") << QByteArray("[2] Item-x") << QByteArray("[1] Item-x\n");
    QTest::newRow("untitled imported item") << QByteArray("item") << QByteArray("[1] Item\n");
    QTest::newRow("empty text") << QByteArray("[2] ") << QByteArray("[1] \n");
    QTest::newRow("first letter outside a to z")
        << QByteArray("1st\n\xc3\xa9t\xc3\xa9") << QByteArray("[1] 1st\n[1] \xc3\xa9t\xc3\xa9\n");
    QTest::newRow("upper-cased test for item")
        << QByteArray("[0] xitem - y") << QByteArray("[2] Xitem - y\n");
}

void TestChannelOpen::normalise() {
    QFETCH(QByteArray, document);
    QFETCH(QByteArray, opened);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.chf"));
    QVERIFY(saveChannelDocument(treeFromText(document), path));
    ChannelTree tree = treeFromText("Previous");
    QString error;
    QVERIFY2(loadChannelDocument(tree, path, &error), qPrintable(error));
    QCOMPARE(treeToText(tree), opened);
}

void TestChannelOpen::exportedNewChannel_opensWithKindOne() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("new.chf"));
    QVERIFY(saveChannelDocument(newChannelTree(NewChannelBoxes::defaults(), QDateTime::currentDateTimeUtc()),
                                path));
    ChannelTree tree;
    QVERIFY(loadChannelDocument(tree, path));
    QCOMPARE(tree.topLevelCount(), 9);
    for (int row = 0; row < tree.topLevelCount(); ++row) {
        QCOMPARE(tree.topLevel(row)->kind, int(ChannelSectionNode));
        QCOMPARE(tree.topLevel(row)->childCount(), 1);
    }
}

void TestChannelOpen::missingFile_leavesTreeEmpty() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gone.chf"));
    ChannelTree tree = treeFromText("Previous");
    QString error;
    QVERIFY(!loadChannelDocument(tree, path, &error));
    QCOMPARE(error, QStringLiteral("Cannot open file ") + path);
    QVERIFY(tree.isEmpty());
}

QTEST_GUILESS_MAIN(TestChannelOpen)
#include "tst_channelopen.moc"
