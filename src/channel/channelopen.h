#pragma once

#include "channel/channeltree.h"

#include <QString>

namespace tidewell::channel {

// Opening a channel document (parserssfile without the boxes): empties tree, loads the file at path into
// it and normalises it with normaliseOpenedTree. On failure tree is left empty and error (may be null)
// receives "Cannot open file <path>" or the damaged-file text. The channel window (setform with 0) and
// tidewell-cli export / dump both open documents through this function.
//
// The window then fills its boxes from the top-level nodes in order (TITLE, LINK, DESCRIPTION,
// WEBMASTER, MANAGINGEDITOR, COPYRIGHT, LANGUAGE by upper-cased text, value = sectionValue(node)).
bool loadChannelDocument(ChannelTree &tree, const QString &path, QString *error = nullptr);

// The normalisation done on opening: every top-level node gets its first letter upper-cased (a to z
// only) and node kind 1, or 2 when its upper-cased text contains "ITEM -". Nothing else changes.
void normaliseOpenedTree(ChannelTree &tree);

} // namespace tidewell::channel
