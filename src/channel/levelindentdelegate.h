#pragma once

#include <QStyledItemDelegate>

class QTreeView;

namespace tidewell::channel {

// Paints the rows of an ExpandedTreeModel as an expanded tree would show them: each row indented by its
// level (plus the root's branch column) and an open branch mark before nodes that have children.
class LevelIndentDelegate final : public QStyledItemDelegate {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LevelIndentDelegate)

public:
    // view gives the indentation and the style; it owns the delegate.
    explicit LevelIndentDelegate(QTreeView *view);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    int indentOf(const QModelIndex &index) const;

    QTreeView *m_view;
};

} // namespace tidewell::channel
