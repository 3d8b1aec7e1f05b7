#include "channel/channeltree.h"
#include "channel/channeltreemodel.h"

#include <malloc.h>
#include <QAbstractItemModelTester>
#include <QTest>

using namespace tidewell::channel;

class TestChannelTree final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void findnode_data();
    void findnode();
    void findnodeWithoutStart_returnsNone();
    void findnodeFromLaterSibling_skipsEarlierNodes();
    void sectionValue_emptyWithoutChildren();
    void insertAndRemove_keepRowsAndPreorder();
    void movedTree_keepsSiblingLinks();
    void clone_copiesEverything();
    void deepTree_freedWithoutRecursion();
    void arena_reusesRemovedNodesAndMovesWithTree();
    void longChildLists_freedWithTree();
    void model_passesItemModelChecks();
};

namespace {
// Title/"Link" (a value equal to a later section name), Link/"http://x", Item - a/Title/"a"
ChannelTree sampleTree() {
    ChannelTree tree;
    tree.append(tree.append(nullptr, "Title", ChannelSectionNode), "Link");
    tree.append(tree.append(nullptr, "Link", ChannelSectionNode), "http://x");
    TreeNode *item = tree.append(nullptr, "Item - a", ItemNode);
    tree.append(tree.append(item, "Title"), "a");
    tree.append(tree.append(item, "Author"), "me");
    return tree;
}
} // namespace

void TestChannelTree::findnode_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expectedPath"); // texts from the top level down, joined by '/'

    QTest::newRow("upper") << "TITLE"
                           << "Title";
    QTest::newRow("lower") << "title"
                           << "Title";
    // The title's value "Link" comes before the Link section in pre-order.
    QTest::newRow("value before section") << "link"
                                          << "Title/Link";
    // A missing channel section reaches the first item field of that name.
    QTest::newRow("item field") << "author"
                                << "Item - a/Author";
    QTest::newRow("only a to z fold") << "item - A"
                                      << "Item - a";
    QTest::newRow("missing") << "docs"
                             << "";
}

void TestChannelTree::findnode() {
    QFETCH(QString, name);
    QFETCH(QString, expectedPath);
    const ChannelTree tree = sampleTree();
    const TreeNode *found = tidewell::channel::findnode(tree, name.toStdString());
    QStringList path;
    for (const TreeNode *n = found; n; n = n->parent()) {
        path.prepend(QString::fromStdString(n->text));
    }
    QCOMPARE(path.join(QLatin1Char('/')), expectedPath);
}

void TestChannelTree::findnodeWithoutStart_returnsNone() {
    QCOMPARE(tidewell::channel::findnode(nullptr, "Title"), nullptr);
    ChannelTree empty;
    QCOMPARE(tidewell::channel::findnode(empty, "Title"), nullptr);
}

void TestChannelTree::findnodeFromLaterSibling_skipsEarlierNodes() {
    const ChannelTree tree = sampleTree();
    QCOMPARE(tidewell::channel::findnode(tree.topLevel(1), "Title"), tree.topLevel(2)->child(0));
}

void TestChannelTree::sectionValue_emptyWithoutChildren() {
    ChannelTree tree;
    TreeNode *bare = tree.append(nullptr, "Copyright");
    QCOMPARE(sectionValue(bare), std::string());
    QCOMPARE(sectionValue(nullptr), std::string());
    tree.append(bare, "(c)");
    QCOMPARE(sectionValue(bare), std::string("(c)"));
}

void TestChannelTree::insertAndRemove_keepRowsAndPreorder() {
    ChannelTree tree = sampleTree();
    TreeNode *first = tree.insert(nullptr, 0, "Ttl");
    tree.append(first, "30");
    QCOMPARE(tree.topLevelCount(), 4);
    for (int i = 0; i < tree.topLevelCount(); ++i) {
        QCOMPARE(tree.topLevel(i)->row(), i);
    }
    tree.remove(tree.topLevel(1));
    QCOMPARE(tree.topLevel(1)->text, std::string("Link"));
    QCOMPARE(tree.topLevel(1)->row(), 1);

    QStringList order;
    for (const TreeNode *n = tree.first(); n; n = ChannelTree::next(n)) {
        order << QString::fromStdString(n->text);
    }
    QCOMPARE(order.join(QLatin1Char(',')), QStringLiteral("Ttl,30,Link,http://x,Item - a,Title,a,Author,me"));
    QCOMPARE(tree.nodeCount(), size_t(9));
}

void TestChannelTree::movedTree_keepsSiblingLinks() {
    ChannelTree source = sampleTree();
    ChannelTree moved = std::move(source);
    QVERIFY(source.isEmpty());
    QCOMPARE(moved.topLevel(0)->nextSibling(), moved.topLevel(1));
    moved.insert(nullptr, 0, "Docs");
    QCOMPARE(moved.topLevel(0)->nextSibling()->text, std::string("Title"));
}

void TestChannelTree::clone_copiesEverything() {
    ChannelTree tree = sampleTree();
    tree.topLevel(0)->stateIndex = 7;
    tree.topLevel(0)->selectedIndex = 3;
    tree.topLevel(0)->data = std::make_unique<std::string>("blob");
    const ChannelTree copy = tree.clone();
    QCOMPARE(copy.nodeCount(), tree.nodeCount());
    QCOMPARE(copy.topLevel(0)->stateIndex, 7);
    QCOMPARE(copy.topLevel(0)->selectedIndex, 3);
    QCOMPARE(*copy.topLevel(0)->data, std::string("blob"));
    QCOMPARE(copy.topLevel(2)->kind, int(ItemNode));
    QVERIFY(copy.topLevel(2) != tree.topLevel(2));
    QCOMPARE(copy.topLevel(2)->child(1)->child(0)->text, std::string("me"));
}

void TestChannelTree::deepTree_freedWithoutRecursion() {
    ChannelTree tree;
    TreeNode *node = nullptr;
    for (int i = 0; i < 200000; ++i) {
        node = tree.append(node, "n");
    }
    QCOMPARE(node->level(), 199999);
    QCOMPARE(tidewell::channel::findnode(tree, "missing"), nullptr);
    const ChannelTree copy = tree.clone();
    QCOMPARE(copy.nodeCount(), size_t(200000));
    tree.clear();
    QVERIFY(tree.isEmpty());
}

void TestChannelTree::arena_reusesRemovedNodesAndMovesWithTree() {
    // Texts longer than the short-string buffer own heap memory: the sanitizer build sees any node that
    // is not destroyed or is used after its arena went away.
    const auto addItems = [](ChannelTree &tree, TreeNode *channel, int count) {
        for (int i = 0; i < count; ++i) {
            TreeNode *item =
                tree.append(channel, "Item - a title long enough for the heap " + std::to_string(i));
            for (const char *field : {"Title", "Link", "Description"}) {
                tree.append(tree.append(item, field), std::string(40, 'v'));
            }
        }
    };
    ChannelTree tree;
    TreeNode *channel = tree.append(nullptr, "Channel");
    addItems(tree, channel, 2000);
    const size_t used = tree.arenaBytes();
    QVERIFY(used > 0);
    for (int i = 0; i < 1000; ++i) {
        tree.remove(channel->child(channel->childCount() - 1));
    }
    addItems(tree, channel, 1000);
    QCOMPARE(tree.arenaBytes(), used); // removed nodes and child lists were reused, not leaked
    QCOMPARE(tree.nodeCount(), size_t(1 + 2000 * 7));

    ChannelTree target = sampleTree();
    {
        ChannelTree source = std::move(tree);
        target = std::move(source);
    } // source is gone; the nodes live on in target's arena
    QCOMPARE(target.arenaBytes(), used);
    QCOMPARE(target.topLevel(0)->child(1999)->text,
             std::string("Item - a title long enough for the heap 999"));
    QCOMPARE(target.topLevel(0)->child(5)->child(2)->firstChild()->text, std::string(40, 'v'));
    QCOMPARE(target.topLevel(0)->child(5)->nextSibling(), target.topLevel(0)->child(6));
}

void TestChannelTree::longChildLists_freedWithTree() {
    // Lists of more than 8,192 nodes are too big for the arena's chunks and live on the heap. Node texts
    // stay short so that nothing else of the tree is on the heap. The sanitizer build reports any leak
    // at exit; here the heap in use must come back to where it was, in every way a tree goes away.
    const auto build = [](ChannelTree &tree) {
        TreeNode *channel = tree.append(nullptr, "Channel");
        for (int i = 0; i < 10000; ++i) {
            tree.append(nullptr, "Item");
            tree.append(channel, "Field");
        }
        tree.reserveChildren(nullptr, 20000); // moves the top-level list to a bigger block
    };
    // In use: small blocks plus those the allocator maps on their own (big lists).
    const auto heapInUse = [] {
        const struct mallinfo2 info = mallinfo2();
        return qint64(info.uordblks + info.hblkhd);
    };
    const qint64 before = heapInUse();
    for (int round = 0; round < 20; ++round) {
        ChannelTree cleared;
        build(cleared);
        QCOMPARE(cleared.topLevelCount(), 10001);
        cleared.clear();
        build(cleared);
        ChannelTree destroyed;
        build(destroyed);
        ChannelTree target;
        build(target);
        target = std::move(destroyed);
        ChannelTree moved(std::move(target));
        QCOMPARE(moved.topLevel(0)->childCount(), 10000);
    }
    // 20 rounds of leaked lists would be several megabytes; allow for the allocator's own bookkeeping.
    const qint64 growth = heapInUse() - before;
    QVERIFY2(growth < 256 * 1024, qPrintable(QStringLiteral("heap grew by %1 bytes").arg(growth)));
}

void TestChannelTree::model_passesItemModelChecks() {
    ChannelTreeModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.replaceTree(sampleTree());
    TreeNode *section = model.insertNode(nullptr, 0, "Ttl");
    model.setSectionValue(section, "30");
    model.setSectionValue(section, "60");
    QCOMPARE(sectionValue(model.findnode("ttl")), std::string("60"));
    model.removeNode(model.findnode("Item - a"));
    QCOMPARE(model.rowCount(), 3);
    const QModelIndex link = model.indexFromNode(model.findnode("http://x"));
    QCOMPARE(model.data(link).toString(), QStringLiteral("http://x"));
    QCOMPARE(model.parent(link), model.indexFromNode(model.tree().topLevel(2)));
    model.clear();
    QCOMPARE(model.rowCount(), 0);
}

QTEST_GUILESS_MAIN(TestChannelTree)
#include "tst_channeltree.moc"
