#pragma once

#include "channel/channeltree.h"
#include "channel/documentfile.h"

#include <functional>
#include <QString>
#include <QTreeView>

class QIODevice;

namespace tidewell::channel {

class ChannelTreeModel;
class ExpandedTreeModel;

// The tree view of channel trees (rsstree): shows a ChannelTreeModel read-only, selecting whole rows,
// with an icon per node kind, and saves / loads the shown tree as a channel document. Loading builds a
// plain tree first and hands it to the model in one reset, so big documents load fast. Expanding a big
// tree shows it as a flat list of every node, indented by level (ExpandedTreeModel), instead of keeping
// an expanded state per node; view indexes then belong to that list, so callers map them to nodes with
// nodeAt / selectedNode / selectNode, which work in both modes.
class TTreeViewEx final : public QTreeView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TTreeViewEx)

public:
    // Creates its own model; setChannelModel shows another one instead.
    explicit TTreeViewEx(QWidget *parent = nullptr);
    ~TTreeViewEx() override;

    ChannelTreeModel *channelModel() const { return m_model; }
    // Shows model (not owned unless it is the view's own); its kind decorations are set.
    void setChannelModel(ChannelTreeModel *model);

    // Asked while writing, for each node that carries a data block: the number of its bytes to write.
    std::function<void(TTreeViewEx *sender, const TreeNode &node, int &size)> OnRequestDataSize;
    // Told while reading, after each node is created and before its children are read.
    std::function<void(TTreeViewEx *sender, TreeNode &node)> OnNodeLoaded;

    // On failure these return false with the error in errorString(): "Cannot create file <path>",
    // "Cannot open file <path>" or a damaged-file text; a failed load leaves the shown tree as it was.
    bool SaveTreeToFile(const QString &path);
    bool LoadTreeFromFile(const QString &path);
    bool SaveTreeToStream(QIODevice *stream);
    bool LoadTreeFromStream(QIODevice *stream);
    QString errorString() const { return m_error; }

    // The icons shown for node kinds 0, 1 and 2.
    static QIcon kindIcon(int kind);

    // The node shown at viewIndex (an index of the model shown now), nullptr if none.
    TreeNode *nodeAt(const QModelIndex &viewIndex) const;
    // The index of the row showing node in the model shown now; invalid if node is not shown.
    QModelIndex viewIndexOf(const TreeNode *node) const;
    // The node of the selected row, nullptr if none.
    TreeNode *selectedNode() const;
    // Makes node the current and only selected row (nullptr: clears the selection).
    void selectNode(const TreeNode *node);

    // From this many nodes on, expandAll shows the flat list of all nodes (preset 20,000).
    void setExpandedListThreshold(int nodes) { m_expandedListThreshold = nodes; }
    // True while the flat list of all nodes is shown.
    bool isShowingExpandedList() const { return m_expanded != nullptr; }

public Q_SLOTS:
    // These hide QTreeView's: below the threshold they expand / collapse as it does; above it, expanding
    // shows the flat list and collapsing goes back to the tree with nothing expanded. The selected and
    // current nodes are kept, and the node at the top of the view stays there (or its top-level node).
    void expandAll();
    void collapseAll();

private:
    struct Shown {
        const TreeNode *selected = nullptr;
        const TreeNode *current = nullptr;
        const TreeNode *top = nullptr;
    };
    Shown shownNodes() const;
    void showNodes(const Shown &shown);
    // Puts model (the tree or the flat list) in the view, dropping the old selection model.
    void showModel(QAbstractItemModel *model);
    void leaveExpandedList();

    // A document file whose callbacks forward to this view's.
    DocumentFile documentFile();
    bool finishLoad(bool ok, ChannelTree &tree, const DocumentFile &file);

    ChannelTreeModel *m_model = nullptr;
    ChannelTreeModel *m_ownModel = nullptr;
    QString m_error;
    int m_expandedListThreshold = 20000;
    ExpandedTreeModel *m_expanded = nullptr;
    QAbstractItemDelegate *m_treeDelegate = nullptr;
    QAbstractItemDelegate *m_levelDelegate = nullptr;
    bool m_treeRootDecorated = true;
    QMetaObject::Connection m_resetConnection;
    // While the flat list rebuilds: what to show again, held as indexes of the tree so that nodes
    // removed meanwhile are dropped.
    QPersistentModelIndex m_keepSelected, m_keepCurrent, m_keepTop;
};

} // namespace tidewell::channel
