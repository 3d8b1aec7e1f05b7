#include "feeds/indentedtext.h"

namespace tidewell::feeds {

using channel::ChannelTree;
using channel::TreeNode;

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    forEachLine(text, [&lines](std::string_view line) { lines.push_back(line); });
    return lines;
}

void IndentedLines::append(int depth, std::string_view text, Kind kind) {
    m_nodes.push_back({m_text.size(), text.size(), std::max(depth, 0), kind});
    m_text.append(text);
}

void IndentedLines::appendLine(std::string_view line) {
    size_t level = 0;
    while (level < line.size() && (line[level] == '\t' || line[level] == ' ')) {
        ++level;
    }
    append(int(std::min<size_t>(level, size_t(INT32_MAX))), line.substr(level));
}

void IndentedLines::remove(size_t from, size_t count) {
    if (from >= m_nodes.size()) {
        return;
    }
    count = std::min(count, m_nodes.size() - from);
    m_nodes.erase(m_nodes.begin() + std::ptrdiff_t(from), m_nodes.begin() + std::ptrdiff_t(from + count));
}

void IndentedLines::lift(int levels) {
    for (Node &node : m_nodes) {
        node.depth = std::max(node.depth - levels, 0);
    }
}

std::vector<std::string> IndentedLines::toStrings() const {
    std::vector<std::string> out;
    out.reserve(size());
    for (size_t i = 0; i < size(); ++i) {
        out.emplace_back(size_t(depth(i)), '\t');
        out.back().append((*this)[i]);
    }
    return out;
}

bool IndentedTreeReader::add(int level, std::string_view text, QString *error) {
    // The first node is top level whatever its level; m_path.size() is the previous node's depth + 1.
    const size_t depth = m_path.empty() ? 0 : size_t(std::max(level, 0));
    if (depth > m_path.size()) {
        if (error) {
            *error = QStringLiteral("Invalid level (%1) for item \"%2\"")
                         .arg(level)
                         .arg(QString::fromUtf8(text.data(), qsizetype(text.size())));
        }
        return false;
    }
    TreeNode *parent = depth == 0 ? nullptr : m_path[depth - 1];
    m_path.resize(depth);
    m_path.push_back(m_tree.append(parent, std::string(text)));
    return true;
}

bool readIndentedLines(const IndentedLines &lines, ChannelTree &tree, QString *error) {
    ChannelTree built;
    IndentedTreeReader reader(built);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!reader.add(lines.depth(i), lines[i], error)) {
            return false;
        }
    }
    tree = std::move(built);
    return true;
}

bool readIndentedLines(const std::vector<std::string> &lines, ChannelTree &tree, QString *error) {
    IndentedLines indented;
    for (const std::string &line : lines) {
        indented.appendLine(line);
    }
    return readIndentedLines(indented, tree, error);
}

} // namespace tidewell::feeds
