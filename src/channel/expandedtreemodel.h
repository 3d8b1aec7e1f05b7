#pragma once

#include "channel/channeltree.h"

#include <memory>
#include <QAbstractListModel>
#include <vector>

namespace tidewell::channel {

class ChannelTreeModel;

// A channel tree shown fully expanded as a flat list: every node of a ChannelTreeModel in pre-order, one
// row each, with its depth under LevelRole. Lets a view show a huge tree expanded without holding an
// expanded state per node. Internal pointers are the TreeNode, as in the source model; texts,
// decorations and kinds come from the source. Any change of shape in the source rebuilds the list in
// one reset.
class ExpandedTreeModel final : public QAbstractListModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ExpandedTreeModel)

public:
    enum Roles { LevelRole = Qt::UserRole + 16 };

    explicit ExpandedTreeModel(ChannelTreeModel *source, QObject *parent = nullptr);

    TreeNode *nodeFromIndex(const QModelIndex &index) const;
    // The row of node (a linear search), invalid when node is not in the tree.
    QModelIndex indexFromNode(const TreeNode *node) const;

    // QAbstractItemModel
    int rowCount(const QModelIndex &parent = {}) const override;
    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    void rebuild();
    void append(TreeNode *node);
    void clearRows();
    TreeNode *rowNode(size_t row) const { return m_blocks[row >> kBlockBits][row & (kBlockSize - 1)]; }
    void beginChange();
    void endChange();

    // The rows in fixed blocks: built in one walk without counting the nodes first or moving them.
    static constexpr size_t kBlockBits = 16;
    static constexpr size_t kBlockSize = size_t(1) << kBlockBits;
    ChannelTreeModel *m_source;
    std::vector<std::unique_ptr<TreeNode *[]>> m_blocks;
    size_t m_count = 0;
    // Set between the source's "about to" signal and its matching "done" signal.
    bool m_changing = false;
};

} // namespace tidewell::channel
