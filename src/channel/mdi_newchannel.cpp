#include "channel/mdi_newchannel.h"

#include "channel/channeltreemodel.h"

namespace tidewell::channel {

Tchannelchild::Tchannelchild(QWidget *parent) : QWidget(parent), m_model(new ChannelTreeModel(this)) {}

Tchannelchild::~Tchannelchild() = default;

bool Tchannelchild::setform(int)
{
    return true;
}

bool Tchannelchild::ToolButton2Click()
{
    return false;
}

} // namespace tidewell::channel
