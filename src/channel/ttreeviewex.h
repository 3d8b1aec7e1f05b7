#pragma once

#include "channel/channeltree.h"
#include "channel/documentfile.h"

#include <functional>
#include <QString>
#include <QTreeView>

class QIODevice;

namespace tidewell::channel {

class ChannelTreeModel;

// The tree view of channel trees (rsstree): shows a ChannelTreeModel read-only, selecting whole rows,
// with an icon per node kind, and saves / loads the shown tree as a channel document. Loading builds a
// plain tree first and hands it to the model in one reset, so big documents load fast.
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

private:
    // A document file whose callbacks forward to this view's.
    DocumentFile documentFile();
    bool finishLoad(bool ok, ChannelTree &tree, const DocumentFile &file);

    ChannelTreeModel *m_model = nullptr;
    ChannelTreeModel *m_ownModel = nullptr;
    QString m_error;
};

} // namespace tidewell::channel
