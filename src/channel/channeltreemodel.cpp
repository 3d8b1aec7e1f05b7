#include "channel/channeltreemodel.h"

#include "platform/textcodec.h"

namespace tidewell::channel {

ChannelTreeModel::ChannelTreeModel(QObject *parent) : QAbstractItemModel(parent) {}

TreeNode *ChannelTreeModel::nodeFromIndex(const QModelIndex &index) const {
    return index.isValid() ? static_cast<TreeNode *>(index.internalPointer()) : nullptr;
}

QModelIndex ChannelTreeModel::indexFromNode(const TreeNode *node, int column) const {
    if (!node) {
        return {};
    }
    return createIndex(node->row(), column, const_cast<TreeNode *>(node));
}

TreeNode *ChannelTreeModel::insertNode(TreeNode *parent, int row, std::string text, int kind) {
    const int count = m_tree.childCount(parent);
    const int at = std::clamp(row, 0, count);
    beginInsertRows(indexFromNode(parent), at, at);
    TreeNode *node = m_tree.insert(parent, at, std::move(text), kind);
    endInsertRows();
    Q_EMIT treeChanged();
    return node;
}

TreeNode *ChannelTreeModel::appendNode(TreeNode *parent, std::string text, int kind) {
    return insertNode(parent, m_tree.childCount(parent), std::move(text), kind);
}

void ChannelTreeModel::removeNode(TreeNode *node) {
    if (!node) {
        return;
    }
    beginRemoveRows(indexFromNode(node->parent()), node->row(), node->row());
    m_tree.remove(node);
    endRemoveRows();
    Q_EMIT treeChanged();
}

void ChannelTreeModel::setNodeText(TreeNode *node, std::string text) {
    if (!node || node->text == text) {
        return;
    }
    node->text = std::move(text);
    const QModelIndex index = indexFromNode(node);
    Q_EMIT dataChanged(index, index);
    Q_EMIT treeChanged();
}

void ChannelTreeModel::setSectionValue(TreeNode *section, std::string value) {
    if (!section) {
        return;
    }
    // The value node follows the section's attribute sections, if it has any.
    for (int i = 0; i < section->childCount(); ++i) {
        if (TreeNode *valueNode = section->child(i); !isAttributeSection(valueNode)) {
            setNodeText(valueNode, std::move(value));
            return;
        }
    }
    appendNode(section, std::move(value));
}

void ChannelTreeModel::clear() {
    editTree([](ChannelTree &tree) { tree.clear(); });
}

void ChannelTreeModel::replaceTree(ChannelTree tree) {
    editTree([&tree](ChannelTree &own) { own = std::move(tree); });
}

void ChannelTreeModel::setKindDecorations(const QVariantList &decorations) {
    m_decorations = decorations;
    if (!m_tree.isEmpty()) {
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, 0));
    }
}

QModelIndex ChannelTreeModel::index(int row, int column, const QModelIndex &parent) const {
    if (column != 0) {
        return {};
    }
    TreeNode *child = m_tree.childAt(nodeFromIndex(parent), row);
    return child ? createIndex(row, column, child) : QModelIndex();
}

QModelIndex ChannelTreeModel::parent(const QModelIndex &child) const {
    const TreeNode *node = nodeFromIndex(child);
    return node ? indexFromNode(node->parent()) : QModelIndex();
}

int ChannelTreeModel::rowCount(const QModelIndex &parent) const {
    if (parent.column() > 0) {
        return 0;
    }
    return m_tree.childCount(nodeFromIndex(parent));
}

int ChannelTreeModel::columnCount(const QModelIndex &) const {
    return 1;
}

bool ChannelTreeModel::hasChildren(const QModelIndex &parent) const {
    return rowCount(parent) > 0;
}

QVariant ChannelTreeModel::data(const QModelIndex &index, int role) const {
    const TreeNode *node = nodeFromIndex(index);
    if (!node) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return platform::displayText(node->text);
    case Qt::DecorationRole:
        if (node->kind >= 0 && node->kind < m_decorations.size()) {
            return m_decorations.at(node->kind);
        }
        return {};
    case KindRole:
        return node->kind;
    case BytesRole:
        return QByteArray(node->text.data(), qsizetype(node->text.size()));
    default:
        return {};
    }
}

} // namespace tidewell::channel
