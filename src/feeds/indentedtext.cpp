#include "feeds/indentedtext.h"

namespace tidewell::feeds {

using channel::ChannelTree;
using channel::TreeNode;

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t i = 0;
    while (i < text.size()) {
        size_t j = i;
        while (j < text.size() && text[j] != '\n' && text[j] != '\r') {
            ++j;
        }
        lines.push_back(text.substr(i, j - i));
        if (j < text.size() && text[j] == '\r' && j + 1 < text.size() && text[j + 1] == '\n') {
            ++j;
        }
        i = j + 1;
    }
    return lines;
}

void appendIndentedLines(std::vector<std::string> &lines, int depth, std::string_view text) {
    const std::vector<std::string_view> parts = splitLines(text);
    if (parts.empty()) {
        lines.emplace_back(size_t(depth), '\t');
        return;
    }
    std::string first(size_t(depth), '\t');
    first += parts.front();
    lines.push_back(std::move(first));
    for (size_t i = 1; i < parts.size(); ++i) {
        lines.emplace_back(parts[i]);
    }
}

bool readIndentedLines(const std::vector<std::string> &lines, ChannelTree &tree, QString *error) {
    ChannelTree built;
    std::vector<TreeNode *> lastAtDepth; // the last node made at each depth
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string &line = lines[i];
        size_t level = 0;
        while (level < line.size() && (line[level] == '\t' || line[level] == ' ')) {
            ++level;
        }
        std::string text = line.substr(level);
        size_t depth = level;
        if (i == 0) {
            depth = 0;
        } else if (level > lastAtDepth.size()) {
            // lastAtDepth.size() is the previous node's depth + 1.
            if (error) {
                *error = QStringLiteral("Invalid level (%1) for item \"%2\"")
                             .arg(level)
                             .arg(QString::fromUtf8(text.data(), qsizetype(text.size())));
            }
            return false;
        }
        TreeNode *parent = depth == 0 ? nullptr : lastAtDepth[depth - 1];
        TreeNode *node = built.append(parent, std::move(text));
        lastAtDepth.resize(depth);
        lastAtDepth.push_back(node);
    }
    tree = std::move(built);
    return true;
}

} // namespace tidewell::feeds
