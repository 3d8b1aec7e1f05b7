#pragma once

#include "channel/channeltree.h"

#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace tidewell::feeds {

// The indented tree text the import passes its trees through: one line per node in pre-order, one TAB
// per level of depth before the node's text. A node text holding line breaks becomes several lines.

// Appends the lines of a node text at a depth (tabs, text; split at CR LF, lone CR and lone LF).
void appendIndentedLines(std::vector<std::string> &lines, int depth, std::string_view text);

// Splits text into lines at CR LF, lone CR or lone LF (a final line break adds no empty line).
std::vector<std::string_view> splitLines(std::string_view text);

// Reads lines back as the nodes of tree (its old nodes are replaced). A line's level is the number of TAB or
// blank characters that begin it. The first line becomes a top-level node; every further line becomes a node
// at depth = its level, under the last node one level up; a level more than one deeper than the previous
// node's depth fails with "Invalid level (%d) for item "%s"" in error and leaves tree unchanged.
bool readIndentedLines(const std::vector<std::string> &lines, channel::ChannelTree &tree, QString *error);

} // namespace tidewell::feeds
