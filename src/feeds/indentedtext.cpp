#include "feeds/indentedtext.h"

#include <cstdint>

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

void IndentedLines::appendLine(std::string_view line) {
    m_lines.push_back({m_text.size(), line.size()});
    m_text.append(line);
}

void IndentedLines::append(int depth, std::string_view text) {
    const size_t tabs = size_t(depth > 0 ? depth : 0);
    // The first line carries the indentation; the lines after a line break start at the left margin.
    const size_t start = m_text.size();
    m_text.append(tabs, '\t');
    size_t i = 0;
    size_t lineStart = start;
    for (;;) {
        size_t j = i;
        while (j < text.size() && text[j] != '\n' && text[j] != '\r') {
            ++j;
        }
        m_text.append(text.substr(i, j - i));
        m_lines.push_back({lineStart, m_text.size() - lineStart});
        if (j < text.size() && text[j] == '\r' && j + 1 < text.size() && text[j + 1] == '\n') {
            ++j;
        }
        i = j + 1;
        if (i >= text.size()) {
            break;
        }
        lineStart = m_text.size();
    }
}

void IndentedLines::remove(size_t from, size_t count) {
    if (from >= m_lines.size()) {
        return;
    }
    count = std::min(count, m_lines.size() - from);
    m_lines.erase(m_lines.begin() + std::ptrdiff_t(from), m_lines.begin() + std::ptrdiff_t(from + count));
}

void IndentedLines::trimStart(size_t i, char c, size_t count) {
    Span &span = m_lines[i];
    size_t n = 0;
    while (n < count && n < span.length && m_text[span.offset + n] == c) {
        ++n;
    }
    span.offset += n;
    span.length -= n;
}

std::vector<std::string> IndentedLines::toStrings() const {
    std::vector<std::string> out;
    out.reserve(size());
    for (size_t i = 0; i < size(); ++i) {
        out.emplace_back((*this)[i]);
    }
    return out;
}

bool readIndentedLines(const IndentedLines &lines, ChannelTree &tree, QString *error) {
    // First pass: the parent of every line (an index; none for a top-level line) and the number of
    // children of each, so that the second pass reserves every child list once.
    constexpr uint32_t kTop = UINT32_MAX;
    std::vector<uint32_t> parents(lines.size());
    std::vector<uint32_t> children(lines.size(), 0);
    std::vector<uint32_t> lastAtDepth; // the last line placed at each depth
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        size_t level = 0;
        while (level < line.size() && (line[level] == '\t' || line[level] == ' ')) {
            ++level;
        }
        size_t depth = level;
        if (i == 0) {
            depth = 0;
        } else if (level > lastAtDepth.size()) {
            // lastAtDepth.size() is the previous node's depth + 1.
            if (error) {
                const std::string_view text = line.substr(level);
                *error = QStringLiteral("Invalid level (%1) for item \"%2\"")
                             .arg(level)
                             .arg(QString::fromUtf8(text.data(), qsizetype(text.size())));
            }
            return false;
        }
        parents[i] = depth == 0 ? kTop : lastAtDepth[depth - 1];
        if (parents[i] != kTop) {
            ++children[parents[i]];
        }
        lastAtDepth.resize(depth);
        lastAtDepth.push_back(uint32_t(i));
    }

    ChannelTree built;
    std::vector<TreeNode *> nodes(lines.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        size_t level = 0;
        while (level < line.size() && (line[level] == '\t' || line[level] == ' ')) {
            ++level;
        }
        TreeNode *parent = parents[i] == kTop ? nullptr : nodes[parents[i]];
        nodes[i] = built.append(parent, std::string(line.substr(level)));
        built.reserveChildren(nodes[i], int(children[i]));
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
