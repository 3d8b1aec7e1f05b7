#include "channel/channeltreemodel.h"
#include "channel/documentfile.h"
#include "channel/ttreeviewex.h"
#include "treetext.h"

#include <QBuffer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tidewell::channel;
using tidewell::test::treeFromText;
using tidewell::test::treeToText;

class TestTTreeViewEx final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void loadFromFile_showsTreeInOneReset();
    void failedLoad_keepsShownTree();
    void streamsAndCallbacks();
};

void TestTTreeViewEx::loadFromFile_showsTreeInOneReset() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.chf"));
    QVERIFY(saveChannelDocument(treeFromText("[1] Title\n\tT\n[2] Item - a\n\tTitle\n\t\tA"), path));

    TTreeViewEx view;
    QSignalSpy resets(view.channelModel(), &QAbstractItemModel::modelReset);
    QSignalSpy inserts(view.channelModel(), &QAbstractItemModel::rowsInserted);
    QVERIFY2(view.LoadTreeFromFile(path), qPrintable(view.errorString()));
    QCOMPARE(resets.count(), 1);
    QCOMPARE(inserts.count(), 0);
    QCOMPARE(treeToText(view.channelModel()->tree()),
             QByteArray("[1] Title\n\t[0] T\n[2] Item - a\n\t[0] Title\n"
                        "\t\t[0] A\n"));

    // Read-only rows with an icon per node kind.
    QCOMPARE(view.editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(view.selectionBehavior(), QAbstractItemView::SelectRows);
    const QAbstractItemModel *model = view.model();
    const QIcon section = model->index(0, 0).data(Qt::DecorationRole).value<QIcon>();
    const QIcon item = model->index(1, 0).data(Qt::DecorationRole).value<QIcon>();
    const QIcon value = model->index(0, 0, model->index(0, 0)).data(Qt::DecorationRole).value<QIcon>();
    QVERIFY(!section.isNull() && !item.isNull() && !value.isNull());
    QVERIFY(section.pixmap(16).toImage() != item.pixmap(16).toImage());
    QVERIFY(section.pixmap(16).toImage() != value.pixmap(16).toImage());
}

void TestTTreeViewEx::failedLoad_keepsShownTree() {
    QTemporaryDir dir;
    const QString damaged = dir.filePath(QStringLiteral("damaged.chf"));
    QVERIFY(saveChannelDocument(treeFromText("A\n\tB"), damaged));
    QFile file(damaged);
    QVERIFY(file.resize(10));

    TTreeViewEx view;
    view.channelModel()->replaceTree(treeFromText("Shown"));
    QVERIFY(!view.LoadTreeFromFile(damaged));
    QVERIFY(view.errorString().startsWith(QStringLiteral("File ") + damaged + QStringLiteral(" is damaged")));
    QVERIFY(!view.LoadTreeFromFile(dir.filePath(QStringLiteral("missing.chf"))));
    QCOMPARE(view.errorString(),
             QStringLiteral("Cannot open file ") + dir.filePath(QStringLiteral("missing.chf")));
    QCOMPARE(treeToText(view.channelModel()->tree()), QByteArray("[0] Shown\n"));
    QVERIFY(!view.SaveTreeToFile(dir.filePath(QStringLiteral("no/such/x.chf"))));
    QVERIFY(view.errorString().startsWith(QStringLiteral("Cannot create file ")));
}

void TestTTreeViewEx::streamsAndCallbacks() {
    // A view showing another model: the window's own.
    ChannelTreeModel windowModel;
    ChannelTree tree = treeFromText("A\n\ta\nB");
    tree.topLevel(0)->data = std::make_unique<std::string>("xy");
    windowModel.replaceTree(std::move(tree));
    TTreeViewEx source;
    source.setChannelModel(&windowModel);
    QList<TTreeViewEx *> senders;
    source.OnRequestDataSize = [&](TTreeViewEx *sender, const TreeNode &, int &size) {
        senders.append(sender);
        size = 2;
    };
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    QVERIFY(source.SaveTreeToStream(&buffer));
    QCOMPARE(senders, QList<TTreeViewEx *>{&source});

    TTreeViewEx target;
    QByteArrayList loaded;
    target.OnNodeLoaded = [&](TTreeViewEx *sender, TreeNode &node) {
        QCOMPARE(sender, &target);
        loaded.append(QByteArray::fromStdString(node.text));
    };
    buffer.seek(0);
    QVERIFY(target.LoadTreeFromStream(&buffer));
    QCOMPARE(loaded, (QByteArrayList{"A", "a", "B"}));
    QCOMPARE(treeToText(target.channelModel()->tree()), QByteArray("[0] A data=7879\n\t[0] a\n[0] B\n"));
}

QTEST_MAIN(TestTTreeViewEx)
#include "tst_ttreeviewex.moc"
