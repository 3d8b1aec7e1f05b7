#pragma once

#include <QWidget>

namespace tidewell::channel {

class ChannelTreeModel;

// The channel window: edits one channel tree. (Being built out; the public operations below are the
// ones the main window uses.)
class Tchannelchild final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tchannelchild)

public:
    explicit Tchannelchild(QWidget *parent = nullptr);
    ~Tchannelchild() override;

    // 1: new-channel defaults; 0: open the document named by filetoopen(). Returns false when the
    // document could not be loaded (the error was shown).
    bool setform(int flag);
    // "Process, export,  & save feed information". Returns true when the feed was written.
    bool ToolButton2Click();
    // The channel tree shown in rsstree.
    ChannelTreeModel *channelModel() const { return m_model; }

private:
    ChannelTreeModel *m_model = nullptr;
};

} // namespace tidewell::channel
