#include "channel/levelindentdelegate.h"

#include "channel/expandedtreemodel.h"

#include <QPainter>
#include <QTreeView>

namespace tidewell::channel {

LevelIndentDelegate::LevelIndentDelegate(QTreeView *view) : QStyledItemDelegate(view), m_view(view) {}

int LevelIndentDelegate::indentOf(const QModelIndex &index) const {
    return (index.data(ExpandedTreeModel::LevelRole).toInt() + 1) * m_view->indentation();
}

void LevelIndentDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                const QModelIndex &index) const {
    const int indent = indentOf(index);
    // The indentation is the tree's branch column: the selection shows there where the style says so.
    QStyleOptionViewItem branchRow = option;
    branchRow.rect.setWidth(indent);
    if (m_view->style()->styleHint(QStyle::SH_ItemView_ShowDecorationSelected, &branchRow, m_view)) {
        m_view->style()->drawPrimitive(QStyle::PE_PanelItemViewRow, &branchRow, painter, m_view);
    }
    const auto *node = static_cast<const TreeNode *>(index.internalPointer());
    if (node && node->childCount() > 0) {
        QStyleOption branch;
        branch.initFrom(m_view);
        branch.rect = QRect(option.rect.left() + indent - m_view->indentation(), option.rect.top(),
                            m_view->indentation(), option.rect.height());
        branch.state = QStyle::State_Item | QStyle::State_Children | QStyle::State_Open;
        if (node->nextSibling()) {
            branch.state |= QStyle::State_Sibling;
        }
        m_view->style()->drawPrimitive(QStyle::PE_IndicatorBranch, &branch, painter, m_view);
    }
    QStyleOptionViewItem item = option;
    item.rect.setLeft(option.rect.left() + indent);
    QStyledItemDelegate::paint(painter, item, index);
}

QSize LevelIndentDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const {
    return QStyledItemDelegate::sizeHint(option, index) + QSize(indentOf(index), 0);
}

} // namespace tidewell::channel
