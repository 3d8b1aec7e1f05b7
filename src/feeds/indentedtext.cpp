#include "feeds/indentedtext.h"

namespace tidewell::feeds {

using channel::ChannelTree;
using channel::TreeNode;

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    forEachLine(text, [&lines](std::string_view line) { lines.push_back(line); });
    return lines;
}

void IndentedLines::appendLine(std::string_view line) {
    m_lines.push_back({m_text.size(), line.size()});
    m_text.append(line);
}

void IndentedLines::append(int depth, std::string_view text) {
    forEachIndentedLine(depth, text, m_scratch, [this](std::string_view line) { appendLine(line); });
}

void IndentedLines::remove(size_t from, size_t count) {
    if (from >= m_lines.size()) {
        return;
    }
    count = std::min(count, m_lines.size() - from);
    m_lines.erase(m_lines.begin() + std::ptrdiff_t(from), m_lines.begin() + std::ptrdiff_t(from + count));
}

void IndentedLines::dropPrefix(size_t i, size_t count) {
    Span &span = m_lines[i];
    count = std::min(count, span.length);
    span.offset += count;
    span.length -= count;
}

std::vector<std::string> IndentedLines::toStrings() const {
    std::vector<std::string> out;
    out.reserve(size());
    for (size_t i = 0; i < size(); ++i) {
        out.emplace_back((*this)[i]);
    }
    return out;
}

bool IndentedTreeReader::add(std::string_view line, QString *error) {
    size_t level = 0;
    while (level < line.size() && (line[level] == '\t' || line[level] == ' ')) {
        ++level;
    }
    const std::string_view text = line.substr(level);
    // The first line is top level whatever its indentation; m_path.size() is the previous node's depth + 1.
    const size_t depth = m_path.empty() ? 0 : level;
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
        if (!reader.add(lines[i], error)) {
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
