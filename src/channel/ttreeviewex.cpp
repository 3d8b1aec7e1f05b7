#include "channel/ttreeviewex.h"

#include "channel/channeltreemodel.h"

#include <QFile>
#include <QHeaderView>
#include <QPainter>
#include <QPixmap>

namespace tidewell::channel {

TTreeViewEx::TTreeViewEx(QWidget *parent) : QTreeView(parent), m_ownModel(new ChannelTreeModel(this)) {
    setHeaderHidden(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    setUniformRowHeights(true);
    setChannelModel(m_ownModel);
}

TTreeViewEx::~TTreeViewEx() = default;

void TTreeViewEx::setChannelModel(ChannelTreeModel *model) {
    m_model = model ? model : m_ownModel;
    m_model->setKindDecorations({kindIcon(PlainNode), kindIcon(ChannelSectionNode), kindIcon(ItemNode)});
    setModel(m_model);
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
