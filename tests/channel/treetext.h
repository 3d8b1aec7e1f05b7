#pragma once

#include "channel/channeltree.h"

#include <QByteArray>
#include <QList>
#include <string>

namespace tidewell::test {

// Builds a channel tree from indented text: one node per line, one TAB per level, an optional "[k] "
// prefix giving the node kind (0 without it). The same shape tidewell-cli dump prints.
inline channel::ChannelTree treeFromText(const QByteArray &text) {
    channel::ChannelTree tree;
    QList<channel::TreeNode *> parents; // parents[level] = last node of that level
    for (QByteArray line : text.split('\n')) {
        if (line.trimmed().isEmpty()) {
            continue;
        }
        int level = 0;
        while (level < line.size() && line.at(level) == '\t') {
            ++level;
        }
        line = line.mid(level);
        int kind = 0;
        if (line.size() >= 4 && line.at(0) == '[' && line.at(2) == ']' && line.at(3) == ' ') {
            kind = line.at(1) - '0';
            line = line.mid(4);
        }
        Q_ASSERT(level <= parents.size());
        parents.resize(level);
        channel::TreeNode *parent = level > 0 ? parents.at(level - 1) : nullptr;
        parents.append(tree.append(parent, line.toStdString(), kind));
    }
    return tree;
}

// The tree as indented text in the shape treeFromText reads, with kinds and the two indexes.
inline QByteArray treeToText(const channel::ChannelTree &tree) {
    QByteArray out;
    for (const channel::TreeNode *n = tree.first(); n; n = channel::ChannelTree::next(n)) {
        out += QByteArray(n->level(), '\t') + '[' + QByteArray::number(n->kind) + "] " +
               QByteArray::fromStdString(n->text);
        if (n->stateIndex != -1 || n->selectedIndex != 0) {
            out +=
                " {" + QByteArray::number(n->stateIndex) + ',' + QByteArray::number(n->selectedIndex) + '}';
        }
        if (n->data) {
            out += " data=" + QByteArray::fromStdString(*n->data).toHex();
        }
        out += '\n';
    }
    return out;
}

} // namespace tidewell::test
