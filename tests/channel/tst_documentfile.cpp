#include "channel/documentfile.h"
#include "treetext.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QTest>

using namespace tidewell::channel;
using tidewell::test::treeFromText;
using tidewell::test::treeToText;

namespace {

// Document bytes written by hand, field by field.
class Bytes {
public:
    Bytes &i32(qint32 value) {
        char raw[4];
        qToLittleEndian(value, raw);
        m_bytes.append(raw, 4);
        return *this;
    }
    Bytes &text(const QByteArray &text) {
        i32(qint32(text.size()));
        m_bytes.append(text);
        return *this;
    }
    // A record header up to and including the child count.
    Bytes &record(const QByteArray &text, qint32 level, qint32 childCount, qint32 kind = 0) {
        return this->text(text).i32(level).i32(kind).i32(-1).i32(0).i32(-1).i32(childCount);
    }
    Bytes &raw(const QByteArray &bytes) {
        m_bytes.append(bytes);
        return *this;
    }
    QByteArray bytes() const { return m_bytes; }
    operator QByteArray() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

QByteArray fromHex(const char *hex) {
    return QByteArray::fromHex(QByteArray(hex).replace(' ', ""));
}

} // namespace

class TestDocumentFile final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void encode_data();
    void encode();
    void roundTrip_keepsEveryField();
    void dataBlock_readThenSkippedOnWrite();
    void requestDataSize_writesBlock();
    void levelZeroChild_becomesTopLevel();
    void damagedFile_data();
    void damagedFile();
    void deepNesting_readAndWrittenWithoutRecursion();
    void nodeLoaded_calledBeforeChildren();
    void fileCutShortWhileRead_data();
    void fileCutShortWhileRead();
    void missingFile_cannotOpen();
    void unwritablePath_cannotCreate();
    void streamForms();
    void streamedFile_landsWholeOnCommit();
};

void TestDocumentFile::encode_data() {
    QTest::addColumn<QByteArray>("tree");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("empty tree") << QByteArray() << fromHex("00000000");
    // The 65-byte example: section Ttl (kind 0) holding the value 30.
    QTest::newRow("Ttl 30") << QByteArray("Ttl\n\t30")
                            << fromHex("01000000"
                                       "03000000 54746c 00000000 00000000 ffffffff 00000000 ffffffff 01000000"
                                       "02000000 3330 01000000 00000000 ffffffff 00000000 ffffffff 00000000");
    QTest::newRow("kinds, levels, empty text")
        << QByteArray("[2] Item\n\t[0] \n\t\t[1] x")
        << Bytes().i32(1).record("Item", 0, 1, 2).record("", 1, 1).record("x", 2, 0, 1).bytes();
}

void TestDocumentFile::encode() {
    QFETCH(QByteArray, tree);
    QFETCH(QByteArray, expected);
    const QByteArray bytes = DocumentFile().encode(treeFromText(tree));
    QCOMPARE(bytes.toHex(' '), expected.toHex(' '));
    if (QByteArray(QTest::currentDataTag()) == "Ttl 30") {
        QCOMPARE(bytes.size(), 65);
    }
}

void TestDocumentFile::roundTrip_keepsEveryField() {
    ChannelTree tree =
        treeFromText("[1] Title\n\tCaf\xc3\xa9 & <b>\n[0] \n[2] Item - a\n\tTitle\n\t\ta\n\t\tsecond\n"
                     "\tEmpty\n[1] Ttl\n\t30\n");
    tree.topLevel(0)->stateIndex = 7;
    tree.topLevel(0)->selectedIndex = -3;
    tree.topLevel(1)->kind = 9; // kept even though no icon shows it
    // Long texts (the length field is 32 bits) and bytes that are not text.
    tree.append(tree.topLevel(1), std::string(70000, 'x'));
    tree.append(tree.topLevel(1), std::string("a\0b\xff", 4));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.chf"));
    QString error;
    QVERIFY2(saveChannelDocument(tree, path, &error), qPrintable(error));
    ChannelTree loaded = treeFromText("Old\n\tcontent");
    QVERIFY2(loadChannelTree(loaded, path, &error), qPrintable(error));
    QCOMPARE(treeToText(loaded), treeToText(tree));
    QCOMPARE(loaded.topLevel(1)->child(0)->text.size(), size_t(70000));
}

void TestDocumentFile::dataBlock_readThenSkippedOnWrite() {
    // First node carries a 3-byte data block; its child and the next top-level node must still be read
    // from the right place.
    const QByteArray bytes = Bytes()
                                 .i32(2)
                                 .text("A")
                                 .i32(0)
                                 .i32(1)
                                 .i32(-1)
                                 .i32(0)
                                 .i32(3)
                                 .raw("\x01\x02\x03")
                                 .i32(1)
                                 .record("a", 1, 0)
                                 .record("B", 0, 0);
    DocumentFile file;
    ChannelTree tree;
    QVERIFY2(file.decode(bytes, tree, QStringLiteral("x.chf")), qPrintable(file.errorString()));
    QCOMPARE(treeToText(tree), QByteArray("[1] A data=010203\n\t[0] a\n[0] B\n"));
    // Written again without OnRequestDataSize: data size -1 and no data bytes.
    QCOMPARE(file.encode(tree).toHex(),
             Bytes().i32(2).record("A", 0, 1, 1).record("a", 1, 0).record("B", 0, 0).bytes().toHex());
}

void TestDocumentFile::requestDataSize_writesBlock() {
    ChannelTree tree = treeFromText("A\nB");
    tree.topLevel(0)->data = std::make_unique<std::string>("xyz");
    DocumentFile file;
    QList<QByteArray> asked;
    file.OnRequestDataSize = [&](const TreeNode &node, int &size) {
        asked.append(QByteArray::fromStdString(node.text));
        size = 100; // more than the node holds: only its 3 bytes can be written
    };
    const QByteArray bytes = file.encode(tree);
    QCOMPARE(asked, QList<QByteArray>{"A"}); // B has no data block to ask about
    ChannelTree back;
    QVERIFY(file.decode(bytes, back, QStringLiteral("x")));
    QCOMPARE(treeToText(back), QByteArray("[0] A data=78797a\n[0] B\n"));
}

void TestDocumentFile::levelZeroChild_becomesTopLevel() {
    // P announces two children: c1 (level 1) and z with level 0, which has its own child zc; then Q.
    const QByteArray bytes = Bytes()
                                 .i32(2)
                                 .record("P", 0, 2)
                                 .record("c1", 1, 0)
                                 .record("z", 0, 1)
                                 .record("zc", 1, 0)
                                 .record("Q", 0, 0);
    ChannelTree tree;
    DocumentFile file;
    QVERIFY2(file.decode(bytes, tree, QStringLiteral("x")), qPrintable(file.errorString()));
    QCOMPARE(treeToText(tree), QByteArray("[0] P\n\t[0] c1\n[0] z\n\t[0] zc\n[0] Q\n"));
}

void TestDocumentFile::damagedFile_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected"); // the error text after the file name

    const QByteArray oneChild = Bytes().i32(1).record("Ttl", 0, 1).record("30", 1, 0);
    QTest::newRow("empty file") << QByteArray() << "it ends inside a node record at byte offset 0.";
    QTest::newRow("inside top count")
        << QByteArray("\x01\x00", 2) << "it ends inside a node record at byte offset 0.";
    // Counts and lengths fit, but the file stops before the data size of the record.
    QTest::newRow("inside a record") << Bytes().i32(1).text("abcdefghij").i32(0).i32(0).i32(-1).i32(0).bytes()
                                     << "it ends inside a node record at byte offset 34.";
    QTest::newRow("child record cut off")
        << oneChild.left(61) << "child count 1 at byte offset 31 is more than the 26 bytes left can hold.";
    QTest::newRow("too short for its records")
        << oneChild.left(30) << "top-level count 1 at byte offset 0 is more than the 26 bytes left can hold.";
    QTest::newRow("negative top count")
        << Bytes().i32(-1).bytes() << "negative top-level count -1 at byte offset 0.";
    QTest::newRow("absurd top count") << Bytes().i32(0x7fffffff).record("a", 0, 0).bytes()
                                      << "top-level count 2147483647 at byte offset 0 is more than the 29 "
                                         "bytes left can hold.";
    QTest::newRow("negative text length") << Bytes().i32(1).i32(-5).raw(QByteArray(24, '\0')).bytes()
                                          << "negative text length -5 at byte offset 4.";
    QTest::newRow("text longer than file")
        << Bytes().i32(1).i32(1000).raw(QByteArray(30, 'a')).bytes()
        << "text length 1000 at byte offset 4 is more than the 30 bytes left can hold.";
    QTest::newRow("absurd child count")
        << Bytes().i32(1).record("a", 0, 1000000).record("b", 1, 0).bytes()
        << "child count 1000000 at byte offset 29 is more than the 29 bytes left can hold.";
    // Two top-level records announced: the child count of the first must leave room for the second.
    QTest::newRow("children crowd out siblings")
        << Bytes().i32(2).record("a", 0, 1).record("b", 1, 0).bytes()
        << "child count 1 at byte offset 29 is more than the 29 bytes left can hold.";
    QTest::newRow("negative child count")
        << Bytes().i32(1).record("a", 0, -2).bytes() << "negative child count -2 at byte offset 29.";
    QTest::newRow("negative data size")
        << Bytes().i32(1).text("a").i32(0).i32(0).i32(-1).i32(0).i32(-7).i32(0).bytes()
        << "negative data size -7 at byte offset 25.";
    QTest::newRow("data longer than file")
        << Bytes().i32(1).text("a").i32(0).i32(0).i32(-1).i32(0).i32(50).raw("xy").i32(0).bytes()
        << "data size 50 at byte offset 25 is more than the 6 bytes left can hold.";
}

void TestDocumentFile::damagedFile() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("damaged.chf"));
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(bytes);
    out.close();

    ChannelTree tree = treeFromText("Kept\n\tvalue");
    QString error;
    QVERIFY(!loadChannelTree(tree, path, &error));
    QCOMPARE(error, QStringLiteral("File %1 is damaged: %2").arg(path, expected));
    QCOMPARE(treeToText(tree), QByteArray("[0] Kept\n\t[0] value\n"));
}

void TestDocumentFile::deepNesting_readAndWrittenWithoutRecursion() {
    constexpr int depth = 200000;
    Bytes bytes;
    bytes.i32(1);
    for (int level = 0; level < depth; ++level) {
        bytes.record("n", level, level + 1 < depth ? 1 : 0);
    }
    DocumentFile file;
    ChannelTree tree;
    QVERIFY2(file.decode(bytes.bytes(), tree, QStringLiteral("deep")), qPrintable(file.errorString()));
    QCOMPARE(tree.nodeCount(), size_t(depth));
    QCOMPARE(file.encode(tree), bytes.bytes());
}

void TestDocumentFile::nodeLoaded_calledBeforeChildren() {
    const ChannelTree source = treeFromText("A\n\ta1\n\ta2\nB");
    DocumentFile file;
    QList<QByteArray> seen;
    file.OnNodeLoaded = [&](TreeNode &node) {
        seen.append(QByteArray::fromStdString(node.text) + '/' + QByteArray::number(node.childCount()));
    };
    ChannelTree tree;
    QVERIFY(file.decode(file.encode(source), tree, QStringLiteral("x")));
    QCOMPARE(seen, (QList<QByteArray>{"A/0", "a1/0", "a2/0", "B/0"}));
}

void TestDocumentFile::fileCutShortWhileRead_data() {
    QTest::addColumn<QString>("where");
    QTest::newRow("emptied") << "emptied";
    QTest::newRow("among short records") << "records";
    QTest::newRow("inside a long text") << "long text";
}

void TestDocumentFile::fileCutShortWhileRead() {
    // Another program truncates the document right after its first node was read: the rest of the file
    // is gone from under the reader. It must report that and keep the tree, not crash.
    QFETCH(QString, where);
    ChannelTree source;
    TreeNode *channel = source.append(nullptr, "Channel");
    for (int i = 0; i < 30000; ++i) {
        source.append(channel, "field value number " + std::to_string(i));
    }
    source.append(source.append(nullptr, "Long"), std::string(2000000, 'x'));
    source.append(nullptr, "End");
    const QByteArray bytes = DocumentFile().encode(source);
    qint64 cut = 0;
    if (where == QLatin1String("records")) {
        cut = bytes.size() / 4;
    } else if (where == QLatin1String("long text")) {
        cut = bytes.indexOf(QByteArray(1000, 'x')) + 1000000;
    }
    QVERIFY(cut < bytes.size());

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.chf"));
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly));
    QCOMPARE(out.write(bytes), bytes.size());
    out.close();

    DocumentFile file;
    bool cutDone = false;
    file.OnNodeLoaded = [&](TreeNode &) {
        if (!cutDone) {
            cutDone = QFile::resize(path, cut);
        }
    };
    ChannelTree tree = treeFromText("Kept\n\tvalue");
    QVERIFY(!file.LoadTreeFromFile(tree, path));
    QVERIFY(cutDone);
    const QString expected =
        QStringLiteral("File %1 was cut short while it was read: it ends at byte offset ").arg(path);
    QVERIFY2(file.errorString().startsWith(expected), qPrintable(file.errorString()));
    if (cut > 0) {
        // Past what the reader had taken in before the cut, it names the exact place the file ends.
        QVERIFY2(file.errorString().contains(
                     QStringLiteral(" offset %1 instead of %2.").arg(cut).arg(bytes.size())),
                 qPrintable(file.errorString()));
    }
    QCOMPARE(treeToText(tree), QByteArray("[0] Kept\n\t[0] value\n"));
}

void TestDocumentFile::missingFile_cannotOpen() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing.chf"));
    ChannelTree tree = treeFromText("Kept");
    QString error;
    QVERIFY(!loadChannelTree(tree, path, &error));
    QCOMPARE(error, QStringLiteral("Cannot open file ") + path);
    QCOMPARE(tree.topLevelCount(), 1);
}

void TestDocumentFile::unwritablePath_cannotCreate() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("no/such/folder/doc.chf"));
    QString error;
    QVERIFY(!saveChannelDocument(treeFromText("A"), path, &error));
    // With the reason the system gave.
    QCOMPARE(error, QStringLiteral("Cannot create file %1: No such file or directory").arg(path));
    QVERIFY(!QFile::exists(path));
}

void TestDocumentFile::streamForms() {
    const ChannelTree tree = treeFromText("[1] Title\n\tx\n[2] Item - y");
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    buffer.write("junk"); // the stream forms work from the device's position
    DocumentFile file;
    QVERIFY(file.SaveTreeToStream(tree, &buffer));
    QVERIFY(file.SaveTreeToStream(tree, nullptr)); // a missing stream writes nothing
    buffer.seek(4);
    ChannelTree loaded;
    QVERIFY(file.LoadTreeFromStream(loaded, &buffer));
    QCOMPARE(treeToText(loaded), treeToText(tree));
    QVERIFY(file.LoadTreeFromStream(loaded, nullptr)); // a missing stream changes nothing
    QCOMPARE(loaded.topLevelCount(), 2);
}

void TestDocumentFile::streamedFile_landsWholeOnCommit() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.chf"));
    QVERIFY(saveChannelDocument(treeFromText("Old"), path));
    const QByteArray old = DocumentFile().encode(treeFromText("Old"));
    const ChannelTree tree = treeFromText("[1] Title\n\tx\n[2] item - a\n\ttitle\n\t\ta\nlink\n\ty");
    const auto fileBytes = [&path] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    {
        // Dropped before its commit: the file at path is untouched.
        StreamedDocumentFile abandoned(path);
        QVERIFY(abandoned.open());
        abandoned.append(*tree.topLevel(0));
    }
    QCOMPARE(fileBytes(), old);
    StreamedDocumentFile streamed(path);
    QVERIFY(streamed.open());
    for (int i = 0; i < tree.topLevelCount(); ++i) {
        streamed.append(*tree.topLevel(i));
        QCOMPARE(fileBytes(), old);
    }
    QVERIFY(streamed.commit());
    // The count filled in at the end: the same bytes as a tree written whole.
    QCOMPARE(fileBytes(), DocumentFile().encode(tree));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("doc.chf")});
}

QTEST_GUILESS_MAIN(TestDocumentFile)
#include "tst_documentfile.moc"
