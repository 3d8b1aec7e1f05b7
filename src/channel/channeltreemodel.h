#pragma once

#include "channel/channeltree.h"

#include <QAbstractItemModel>
#include <QVariantList>

namespace tidewell::channel {

// The channel tree as an item model. Every change to a shown channel goes through this class, so the
// tree view, the writer and the export never disagree. Texts are shown decoded (UTF-8, else
// Windows-1252); the node kind is given under KindRole and picks the decoration.
class ChannelTreeModel final : public QAbstractItemModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChannelTreeModel)

public:
    enum Roles { KindRole = Qt::UserRole + 1, BytesRole };

    explicit ChannelTreeModel(QObject *parent = nullptr);

    const ChannelTree &tree() const { return m_tree; }

    // Lookups and index conversion.
    TreeNode *nodeFromIndex(const QModelIndex &index) const;
    QModelIndex indexFromNode(const TreeNode *node, int column = 0) const;
    TreeNode *findnode(std::string_view name) const { return channel::findnode(m_tree, name); }

    // Changes.
    TreeNode *insertNode(TreeNode *parent, int row, std::string text, int kind = PlainNode);
    TreeNode *appendNode(TreeNode *parent, std::string text, int kind = PlainNode);
    void removeNode(TreeNode *node);
    void setNodeText(TreeNode *node, std::string text);
    // Sets the value of a section (the text of its first child, created when missing).
    void setSectionValue(TreeNode *section, std::string value);
    void clear();
    // Replaces the whole tree at once (loading a document): one reset instead of a signal per node.
    void replaceTree(ChannelTree tree);
    // Whole-tree edits done on the plain tree (many nodes at once), then shown with one reset.
    template <typename Edit> void editTree(Edit &&edit) {
        beginResetModel();
        edit(m_tree);
        endResetModel();
        Q_EMIT treeChanged();
    }

    // Decorations by node kind (icons set by the window layer); index = kind.
    void setKindDecorations(const QVariantList &decorations);

    // QAbstractItemModel
    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool hasChildren(const QModelIndex &parent = {}) const override;

Q_SIGNALS:
    // Any change of texts, kinds or shape.
    void treeChanged();

private:
    ChannelTree m_tree;
    QVariantList m_decorations;
};

} // namespace tidewell::channel
