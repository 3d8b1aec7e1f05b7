#include "channel/expandedtreemodel.h"

#include "channel/channeltreemodel.h"

#include <algorithm>

namespace tidewell::channel {

ExpandedTreeModel::ExpandedTreeModel(ChannelTreeModel *source, QObject *parent)
    : QAbstractListModel(parent), m_source(source) {
    rebuild();
    // Texts and kinds change in place: the rows stay, the view repaints them.
    connect(source, &QAbstractItemModel::dataChanged, this, [this] {
        if (m_count > 0 && !m_changing) {
            Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, 0));
        }
    });
    // Between an "about to" signal and its "done" the source's tree may hold nodes already freed, so
    // the list is emptied (the reset begun) before and rebuilt after.
    connect(source, &QAbstractItemModel::rowsAboutToBeInserted, this, &ExpandedTreeModel::beginChange);
    connect(source, &QAbstractItemModel::rowsInserted, this, &ExpandedTreeModel::endChange);
    connect(source, &QAbstractItemModel::rowsAboutToBeRemoved, this, &ExpandedTreeModel::beginChange);
    connect(source, &QAbstractItemModel::rowsRemoved, this, &ExpandedTreeModel::endChange);
    connect(source, &QAbstractItemModel::rowsAboutToBeMoved, this, &ExpandedTreeModel::beginChange);
    connect(source, &QAbstractItemModel::rowsMoved, this, &ExpandedTreeModel::endChange);
    connect(source, &QAbstractItemModel::modelAboutToBeReset, this, &ExpandedTreeModel::beginChange);
    connect(source, &QAbstractItemModel::modelReset, this, &ExpandedTreeModel::endChange);
    connect(source, &QAbstractItemModel::layoutAboutToBeChanged, this, &ExpandedTreeModel::beginChange);
    connect(source, &QAbstractItemModel::layoutChanged, this, &ExpandedTreeModel::endChange);
}

void ExpandedTreeModel::beginChange() {
    if (m_changing) {
        return;
    }
    beginResetModel();
    m_changing = true;
    clearRows();
}

void ExpandedTreeModel::endChange() {
    if (!m_changing) {
        return;
    }
    rebuild();
    m_changing = false;
    endResetModel();
}

void ExpandedTreeModel::clearRows() {
    m_blocks.clear();
    m_count = 0;
}

void ExpandedTreeModel::append(TreeNode *node) {
    if ((m_count & (kBlockSize - 1)) == 0) {
        m_blocks.push_back(std::make_unique_for_overwrite<TreeNode *[]>(kBlockSize));
    }
    m_blocks.back()[m_count & (kBlockSize - 1)] = node;
    ++m_count;
    for (int row = 0; row < node->childCount(); ++row) {
        append(node->child(row));
    }
}

void ExpandedTreeModel::rebuild() {
    clearRows();
    const ChannelTree &tree = m_source->tree();
    for (int row = 0; row < tree.topLevelCount(); ++row) {
        append(tree.topLevel(row));
    }
}

TreeNode *ExpandedTreeModel::nodeFromIndex(const QModelIndex &index) const {
    return index.isValid() && index.model() == this ? static_cast<TreeNode *>(index.internalPointer())
                                                    : nullptr;
}

QModelIndex ExpandedTreeModel::indexFromNode(const TreeNode *node) const {
    if (!node) {
        return {};
    }
    for (size_t block = 0; block < m_blocks.size(); ++block) {
        const size_t size = std::min(kBlockSize, m_count - block * kBlockSize);
        TreeNode *const *rows = m_blocks[block].get();
        const auto found = std::find(rows, rows + size, node);
        if (found != rows + size) {
            return createIndex(int(block * kBlockSize + size_t(found - rows)), 0, *found);
        }
    }
    return {};
}

int ExpandedTreeModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_count);
}

QModelIndex ExpandedTreeModel::index(int row, int column, const QModelIndex &parent) const {
    if (parent.isValid() || column != 0 || row < 0 || size_t(row) >= m_count) {
        return {};
    }
    return createIndex(row, 0, rowNode(size_t(row)));
}

QVariant ExpandedTreeModel::data(const QModelIndex &index, int role) const {
    const TreeNode *node = nodeFromIndex(index);
    if (!node) {
        return {};
    }
    if (role == LevelRole) {
        return node->level();
    }
    return m_source->data(m_source->indexFromNode(node), role);
}

Qt::ItemFlags ExpandedTreeModel::flags(const QModelIndex &index) const {
    // Never having children spares the view a lookup of an expanded state per row.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren
                           : Qt::NoItemFlags;
}

} // namespace tidewell::channel
