#include "channel/ttreeviewex.h"

#include "channel/channeltreemodel.h"
#include "channel/expandedtreemodel.h"
#include "channel/levelindentdelegate.h"

#include <QFile>
#include <QHeaderView>
#include <QPainter>
#include <QPixmap>

namespace tidewell::channel {

namespace {
// Whether tree has at least count nodes, walking no further than that.
bool hasNodes(const ChannelTree &tree, int count) {
    int seen = 0;
    for (const TreeNode *node = tree.first(); node && seen < count; node = ChannelTree::next(node)) {
        ++seen;
    }
    return seen >= count;
}
} // namespace

TTreeViewEx::TTreeViewEx(QWidget *parent) : QTreeView(parent), m_ownModel(new ChannelTreeModel(this)) {
    setHeaderHidden(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    setUniformRowHeights(true);
    m_treeDelegate = itemDelegate();
    m_levelDelegate = new LevelIndentDelegate(this);
    setChannelModel(m_ownModel);
}

TTreeViewEx::~TTreeViewEx() = default;

void TTreeViewEx::setChannelModel(ChannelTreeModel *model) {
    leaveExpandedList();
    disconnect(m_resetConnection);
    m_model = model ? model : m_ownModel;
    m_model->setKindDecorations({kindIcon(PlainNode), kindIcon(ChannelSectionNode), kindIcon(ItemNode)});
    // A new tree shows collapsed, as a tree view shows a reset model. Connected before the flat list
    // connects to the model, so the list is gone before it would rebuild.
    m_resetConnection =
        connect(m_model, &QAbstractItemModel::modelAboutToBeReset, this, &TTreeViewEx::leaveExpandedList);
    showModel(m_model);
}

TreeNode *TTreeViewEx::nodeAt(const QModelIndex &viewIndex) const {
    // Both the tree and the flat list carry the node as the internal pointer.
    return viewIndex.isValid() && viewIndex.model() == model()
               ? static_cast<TreeNode *>(viewIndex.internalPointer())
               : nullptr;
}

QModelIndex TTreeViewEx::viewIndexOf(const TreeNode *node) const {
    return m_expanded ? m_expanded->indexFromNode(node) : m_model->indexFromNode(node);
}

TreeNode *TTreeViewEx::selectedNode() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? nullptr : nodeAt(rows.constFirst());
}

void TTreeViewEx::selectNode(const TreeNode *node) {
    const QModelIndex index = viewIndexOf(node);
    if (!index.isValid()) {
        selectionModel()->clear();
        return;
    }
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void TTreeViewEx::expandAll() {
    if (m_expanded) {
        return;
    }
    if (!hasNodes(m_model->tree(), m_expandedListThreshold)) {
        QTreeView::expandAll();
        return;
    }
    const Shown shown = shownNodes();
    m_expanded = new ExpandedTreeModel(m_model, this);
    // Connected before the view connects, so the shown nodes are taken while the list still has them.
    connect(m_expanded, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        const Shown before = shownNodes();
        m_keepSelected = m_model->indexFromNode(before.selected);
        m_keepCurrent = m_model->indexFromNode(before.current);
        m_keepTop = m_model->indexFromNode(before.top);
    });
    m_treeRootDecorated = rootIsDecorated();
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setItemDelegate(m_levelDelegate);
    showModel(m_expanded);

    // Connected after the view and its selection model, which clear their state on a reset.
    connect(m_expanded, &QAbstractItemModel::modelReset, this, [this] {
        showNodes({m_model->nodeFromIndex(m_keepSelected), m_model->nodeFromIndex(m_keepCurrent),
                   m_model->nodeFromIndex(m_keepTop)});
        m_keepSelected = m_keepCurrent = m_keepTop = QPersistentModelIndex();
    });
    showNodes(shown);
}

void TTreeViewEx::collapseAll() {
    if (!m_expanded) {
        QTreeView::collapseAll();
        return;
    }
    const Shown shown = shownNodes();
    leaveExpandedList();
    showNodes(shown);
}

void TTreeViewEx::leaveExpandedList() {
    if (!m_expanded) {
        return;
    }
    setItemDelegate(m_treeDelegate);
    setRootIsDecorated(m_treeRootDecorated);
    setItemsExpandable(true);
    showModel(m_model);
    // May run while the tree model signals a reset: cut the list off first so it is not called.
    disconnect(m_model, nullptr, m_expanded, nullptr);
    delete m_expanded;
    m_expanded = nullptr;
}

void TTreeViewEx::showModel(QAbstractItemModel *shownModel) {
    QItemSelectionModel *old = selectionModel();
    setModel(shownModel);
    // The view makes a selection model per model and leaves the old one to its owner.
    if (old && old != selectionModel() && old->parent() == this) {
        delete old;
    }
}

TTreeViewEx::Shown TTreeViewEx::shownNodes() const {
    return {selectedNode(), nodeAt(currentIndex()), nodeAt(indexAt(QPoint(0, 0)))};
}

void TTreeViewEx::showNodes(const Shown &shown) {
    // Without scrolling to the current node: in the tree that would expand its parents.
    const bool scrolls = hasAutoScroll();
    setAutoScroll(false);
    if (shown.current) {
        selectionModel()->setCurrentIndex(viewIndexOf(shown.current), QItemSelectionModel::NoUpdate);
    }
    if (shown.selected) {
        selectionModel()->select(viewIndexOf(shown.selected),
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    setAutoScroll(scrolls);
    const TreeNode *top = shown.top;
    // In the tree nothing is expanded: the top-level node of the one that was at the top.
    while (!m_expanded && top && top->parent()) {
        top = top->parent();
    }
    if (top) {
        scrollTo(viewIndexOf(top), QAbstractItemView::PositionAtTop);
    }
}

QIcon TTreeViewEx::kindIcon(int kind) {
    // Small drawn marks: a grey dot for values and fields, a blue tab for channel sections, an orange
    // page for items.
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (kind) {
    case ChannelSectionNode:
        painter.setPen(QColor(0x1f, 0x4e, 0x8c));
        painter.setBrush(QColor(0x4a, 0x86, 0xd4));
        painter.drawRoundedRect(QRectF(2.5, 3.5, 11, 9), 2, 2);
        break;
    case ItemNode:
        painter.setPen(QColor(0xa8, 0x4a, 0x00));
        painter.setBrush(QColor(0xf2, 0x8c, 0x28));
        painter.drawRect(QRectF(3.5, 1.5, 9, 13));
        painter.setPen(QPen(Qt::white, 1.2));
        painter.drawLine(QPointF(5.5, 5.5), QPointF(10.5, 5.5));
        painter.drawLine(QPointF(5.5, 8.5), QPointF(10.5, 8.5));
        painter.drawLine(QPointF(5.5, 11.5), QPointF(9, 11.5));
        break;
    default:
        painter.setPen(QColor(0x70, 0x70, 0x70));
        painter.setBrush(QColor(0xb8, 0xb8, 0xb8));
        painter.drawEllipse(QRectF(5, 5, 6, 6));
        break;
    }
    return QIcon(pixmap);
}

DocumentFile TTreeViewEx::documentFile() {
    DocumentFile file;
    if (OnRequestDataSize) {
        file.OnRequestDataSize = [this](const TreeNode &node, int &size) {
            OnRequestDataSize(this, node, size);
        };
    }
    if (OnNodeLoaded) {
        file.OnNodeLoaded = [this](TreeNode &node) { OnNodeLoaded(this, node); };
    }
    return file;
}

bool TTreeViewEx::finishLoad(bool ok, ChannelTree &tree, const DocumentFile &file) {
    if (!ok) {
        m_error = file.errorString();
        return false;
    }
    m_model->replaceTree(std::move(tree));
    return true;
}

bool TTreeViewEx::SaveTreeToFile(const QString &path) {
    DocumentFile file = documentFile();
    const bool ok = file.SaveTreeToFile(m_model->tree(), path);
    m_error = file.errorString();
    return ok;
}

bool TTreeViewEx::SaveTreeToStream(QIODevice *stream) {
    DocumentFile file = documentFile();
    const bool ok = file.SaveTreeToStream(m_model->tree(), stream);
    m_error = file.errorString();
    return ok;
}

bool TTreeViewEx::LoadTreeFromFile(const QString &path) {
    DocumentFile file = documentFile();
    ChannelTree tree;
    return finishLoad(file.LoadTreeFromFile(tree, path), tree, file);
}

bool TTreeViewEx::LoadTreeFromStream(QIODevice *stream) {
    if (!stream) {
        return true;
    }
    DocumentFile file = documentFile();
    ChannelTree tree;
    return finishLoad(file.LoadTreeFromStream(tree, stream), tree, file);
}

} // namespace tidewell::channel
