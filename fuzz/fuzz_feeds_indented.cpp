// libFuzzer target for the indented tree text reader of the RSS import: any text must read as a tree,
// one node per line, or fail with the invalid-level error; a tree that was read must write as indented
// lines that read back to the same tree.

#include "feeds/indentedtext.h"

#include <cstdint>
#include <cstdlib>

using tidewell::channel::ChannelTree;
using tidewell::channel::TreeNode;

namespace {
tidewell::feeds::IndentedLines linesOf(const ChannelTree &tree) {
    tidewell::feeds::IndentedLines lines;
    for (TreeNode *node = tree.first(); node; node = ChannelTree::next(node)) {
        lines.append(node->level(), node->text);
    }
    return lines;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    tidewell::feeds::IndentedLines lines;
    for (const std::string_view line : tidewell::feeds::splitLines(text)) {
        lines.appendLine(line);
    }
    ChannelTree tree;
    QString error;
    if (!tidewell::feeds::readIndentedLines(lines, tree, &error)) {
        if (!error.startsWith(QLatin1String("Invalid level (")) || !tree.isEmpty()) {
            std::abort();
        }
        return 0;
    }
    if (tree.nodeCount() != lines.size()) {
        std::abort(); // every line is one node
    }
    const tidewell::feeds::IndentedLines written = linesOf(tree);
    ChannelTree again;
    if (!tidewell::feeds::readIndentedLines(written, again, &error) ||
        linesOf(again).toStrings() != written.toStrings()) {
        std::abort();
    }
    return 0;
}
