#include "channel/channeltreemodel.h"
#include "channel/documentfile.h"
#include "channel/expandedtreemodel.h"
#include "channel/mdi_newchannel.h"
#include "channel/rss_global.h"
#include "channel/ttreeviewex.h"
#include "platform/clock.h"
#include "scriptedprompts.h"
#include "testhome.h"
#include "treetext.h"

#include <climits>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace tidewell;
using namespace tidewell::channel;
using test::treeFromText;

namespace {

// Two channel sections and six items of three fields each: 46 nodes on three levels.
ChannelTree fixture() {
    QByteArray text = "[1] Title\n\tHarbour\n[1] Link\n\thttp://h\n";
    for (const char *item : {"a", "b", "c", "d", "e", "f"}) {
        text += QByteArray("[2] Item - ") + item + "\n\tTitle\n\t\tT" + item + "\n\tLink\n\t\thttp://h/" +
                item + "\n\tDescription\n\t\tAbout " + item + "\n";
    }
    return treeFromText(text);
}

// The nodes of the rows the view shows, top to bottom.
std::vector<const TreeNode *> shownRows(const TTreeViewEx &view) {
    std::vector<const TreeNode *> rows;
    for (QModelIndex index = view.model()->index(0, 0); index.isValid(); index = view.indexBelow(index)) {
        rows.push_back(view.nodeAt(index));
    }
    return rows;
}

std::vector<const TreeNode *> preOrder(const ChannelTree &tree) {
    std::vector<const TreeNode *> nodes;
    for (const TreeNode *node = tree.first(); node; node = ChannelTree::next(node)) {
        nodes.push_back(node);
    }
    return nodes;
}

// A shown view holding the fixture; threshold 1 shows every expanded tree as the flat list.
struct ShownView {
    explicit ShownView(int threshold, int height = 60 /* about three rows */) {
        view.setExpandedListThreshold(threshold);
        view.channelModel()->replaceTree(fixture());
        view.resize(240, height);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
    }
    const ChannelTree &tree() const { return view.channelModel()->tree(); }
    const TreeNode *node(std::string_view text) const { return view.channelModel()->findnode(text); }
    const TreeNode *top() const { return view.nodeAt(view.indexAt(QPoint(1, 1))); }
    TTreeViewEx view;
};

} // namespace

class TestExpandedTree final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void expand_showsEveryNodeLikeAnExpandedTree_data();
    void expand_showsEveryNodeLikeAnExpandedTree();
    void selectionAndTop_keptAcrossExpandAndCollapse();
    void changesWhileExpanded_followTheTree();
    void window_editsTheNodeDoubleClickedInTheList();

private:
    std::unique_ptr<test::TestHome> m_home;
    std::unique_ptr<test::ScriptedPrompts> m_prompts;
};

void TestExpandedTree::init() {
    m_home = std::make_unique<test::TestHome>();
    m_prompts = std::make_unique<test::ScriptedPrompts>();
}

void TestExpandedTree::cleanup() {
    QCOMPARE(m_prompts->unexpected(), 0);
    m_prompts.reset();
    m_home.reset();
}

void TestExpandedTree::expand_showsEveryNodeLikeAnExpandedTree_data() {
    QTest::addColumn<int>("threshold");
    QTest::addColumn<bool>("list");
    QTest::newRow("no threshold: the tree expands") << INT_MAX << false;
    QTest::newRow("one node below the threshold: the tree expands") << 47 << false;
    QTest::newRow("at the threshold: the flat list") << 46 << true;
    QTest::newRow("above the threshold: the flat list") << 1 << true;
}

void TestExpandedTree::expand_showsEveryNodeLikeAnExpandedTree() {
    QFETCH(int, threshold);
    QFETCH(bool, list);
    ShownView shown(threshold, 400);
    ShownView reference(INT_MAX, 400);
    shown.view.expandAll();
    reference.view.expandAll();
    shown.view.selectNode(shown.node("Link"));
    reference.view.selectNode(reference.node("Link"));

    QCOMPARE(shown.view.isShowingExpandedList(), list);
    QCOMPARE(shownRows(shown.view), preOrder(shown.tree()));
    if (list) {
        for (int row = 0; row < shown.view.model()->rowCount(); ++row) {
            const QModelIndex index = shown.view.model()->index(row, 0);
            QCOMPARE(index.data(ExpandedTreeModel::LevelRole).toInt(), shown.view.nodeAt(index)->level());
            QVERIFY(!shown.view.model()->hasChildren(index));
        }
    }
    // Drawn as the expanded tree is: indentation, branch marks, icons, texts and the selected row.
    QCOMPARE(shown.view.viewport()->grab().toImage(), reference.view.viewport()->grab().toImage());

    shown.view.collapseAll();
    QVERIFY(!shown.view.isShowingExpandedList());
    QCOMPARE(shown.view.model(), shown.view.channelModel());
    QCOMPARE(int(shownRows(shown.view).size()), shown.tree().topLevelCount());
}

void TestExpandedTree::selectionAndTop_keptAcrossExpandAndCollapse() {
    ShownView shown(1);
    const TreeNode *itemB = shown.node("Item - b");
    const TreeNode *itemD = shown.node("Item - d");
    const TreeNode *valueC = shown.node("http://h/c");
    // Collapsed: item d selected, item b scrolled to the top.
    shown.view.selectNode(itemD);
    shown.view.scrollTo(shown.view.viewIndexOf(itemB), QAbstractItemView::PositionAtTop);
    QCOMPARE(shown.top(), itemB);

    shown.view.expandAll();
    QVERIFY(shown.view.isShowingExpandedList());
    QCOMPARE(shown.view.selectedNode(), itemD);
    QCOMPARE(shown.view.nodeAt(shown.view.currentIndex()), itemD);
    QCOMPARE(shown.top(), itemB);

    // A field value picked in the list, a field of item c scrolled to the top: collapsing shows item c
    // at the top with nothing expanded, the value still selected.
    shown.view.selectNode(valueC);
    shown.view.scrollTo(shown.view.viewIndexOf(shown.node("Tc")), QAbstractItemView::PositionAtTop);
    QCOMPARE(shown.top(), shown.node("Tc"));
    shown.view.collapseAll();
    QVERIFY(!shown.view.isShowingExpandedList());
    QCOMPARE(shown.top(), shown.node("Item - c"));
    QCOMPARE(shown.view.selectedNode(), valueC);
    QCOMPARE(shown.view.nodeAt(shown.view.currentIndex()), valueC);
    QVERIFY(!shown.view.isExpanded(shown.view.viewIndexOf(shown.node("Item - c"))));
    QCOMPARE(int(shownRows(shown.view).size()), shown.tree().topLevelCount());

    shown.view.expandAll();
    QCOMPARE(shown.view.selectedNode(), valueC);
    shown.view.selectNode(nullptr);
    QCOMPARE(shown.view.selectedNode(), nullptr);
}

void TestExpandedTree::changesWhileExpanded_followTheTree() {
    ShownView shown(1);
    ChannelTreeModel *model = shown.view.channelModel();
    shown.view.expandAll();
    const TreeNode *itemB = shown.node("Item - b");
    shown.view.selectNode(itemB);

    // An item added shows at its place, with its fields; the selection stays.
    TreeNode *added = model->insertNode(nullptr, 3, "Item - new", ItemNode);
    model->appendNode(model->appendNode(added, "Title"), "Tnew");
    QVERIFY(shown.view.isShowingExpandedList());
    QCOMPARE(shownRows(shown.view), preOrder(shown.tree()));
    QCOMPARE(shown.view.selectedNode(), itemB);

    // A text change shows without a rebuild.
    model->setNodeText(added, "Item - renamed");
    QCOMPARE(shown.view.viewIndexOf(added).data().toString(), QStringLiteral("Item - renamed"));

    // Removing the selected item drops it from the rows and from the selection.
    model->removeNode(const_cast<TreeNode *>(itemB));
    QCOMPARE(shownRows(shown.view), preOrder(shown.tree()));
    QCOMPARE(shown.view.selectedNode(), nullptr);
    QCOMPARE(shown.view.nodeAt(shown.view.currentIndex()), nullptr);

    // A new tree (loading a document) shows collapsed, as in the tree.
    model->replaceTree(fixture());
    QVERIFY(!shown.view.isShowingExpandedList());
    QCOMPARE(int(shownRows(shown.view).size()), shown.tree().topLevelCount());
    shown.view.expandAll();
    QCOMPARE(shownRows(shown.view), preOrder(shown.tree()));
}

void TestExpandedTree::window_editsTheNodeDoubleClickedInTheList() {
    const QString path = m_home->filePath(QStringLiteral("items.chf"));
    QVERIFY(saveChannelDocument(fixture(), path));
    Tchannelchild window;
    window.resize(1000, 640);
    window.show();
    auto *view = window.findChild<TTreeViewEx *>(QStringLiteral("rsstree"));
    view->setExpandedListThreshold(1);
    filetoopen() = path;
    QVERIFY(window.setform(0));
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("SpeedButton7")), Qt::LeftButton);
    QVERIFY(view->isShowingExpandedList());

    const QModelIndex itemC = view->viewIndexOf(window.channelModel()->findnode("Item - c"));
    view->scrollTo(itemC);
    const QPoint at = view->visualRect(itemC).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("PageControl1"));
    QCOMPARE(tabs->currentWidget(), window.findChild<QWidget *>(QStringLiteral("editTab")));
    QCOMPARE(window.findChild<QLineEdit *>(QStringLiteral("u_title"))->text(), QStringLiteral("Tc"));
    QCOMPARE(window.findChild<QLineEdit *>(QStringLiteral("u_link"))->text(), QStringLiteral("http://h/c"));
}

QTEST_MAIN(TestExpandedTree)
#include "tst_expandedtree.moc"
