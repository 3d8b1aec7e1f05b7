#include "channel/channelopen.h"

#include "channel/documentfile.h"

namespace tidewell::channel {

bool loadChannelDocument(ChannelTree &tree, const QString &path, QString *error) {
    tree.clear();
    if (!loadChannelTree(tree, path, error)) {
        return false;
    }
    normaliseOpenedTree(tree);
    return true;
}

void normaliseOpenedTree(ChannelTree &tree) {
    for (int row = 0; row < tree.topLevelCount(); ++row) {
        TreeNode *node = tree.topLevel(row);
        std::string &text = node->text;
        if (!text.empty() && text.front() >= 'a' && text.front() <= 'z') {
            text.front() = char(text.front() - 'a' + 'A');
        }
        node->kind =
            upperAscii(node->text).find("ITEM -") != std::string::npos ? ItemNode : ChannelSectionNode;
    }
}

} // namespace tidewell::channel
