#pragma once

#include "channel/channeltree.h"

#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace tidewell::feeds {

// The indented tree text the import passes its trees through: one line per node in pre-order, one TAB
// per level of depth before the node's text. A node text holding line breaks becomes several lines.
//
// The lines live in one buffer with an index of line spans, so a feed of a million nodes costs no
// allocation per line, and cutting a line or characters off its start moves no text.
class IndentedLines final {
public:
    // Appends the lines of a node text at a depth (tabs, text; split at CR LF, lone CR and lone LF).
    void append(int depth, std::string_view text);
    // Room for text bytes and lines, so a large document's lines are not copied as they grow (pages
    // reserved but never used cost no memory).
    void reserve(size_t bytes, size_t lines) {
        m_text.reserve(bytes);
        m_lines.reserve(lines);
    }
    // Appends one line as it stands.
    void appendLine(std::string_view line);

    size_t size() const { return m_lines.size(); }
    bool empty() const { return m_lines.empty(); }
    std::string_view operator[](size_t i) const {
        return std::string_view(m_text).substr(m_lines[i].offset, m_lines[i].length);
    }
    // Removes lines [from, from + count).
    void remove(size_t from, size_t count = 1);
    // Removes up to count characters c from the start of line i.
    void trimStart(size_t i, char c, size_t count);
    std::vector<std::string> toStrings() const;
    void clear() {
        m_text.clear();
        m_lines.clear();
    }

private:
    struct Span {
        size_t offset;
        size_t length;
    };
    std::string m_text;
    std::vector<Span> m_lines;
};

// Splits text into lines at CR LF, lone CR or lone LF (a final line break adds no empty line).
std::vector<std::string_view> splitLines(std::string_view text);

// Reads lines back as the nodes of tree (its old nodes are replaced). A line's level is the number of TAB or
// blank characters that begin it. The first line becomes a top-level node; every further line becomes a node
// at depth = its level, under the last node one level up; a level more than one deeper than the previous
// node's depth fails with "Invalid level (%d) for item "%s"" in error and leaves tree unchanged.
bool readIndentedLines(const IndentedLines &lines, channel::ChannelTree &tree, QString *error);
bool readIndentedLines(const std::vector<std::string> &lines, channel::ChannelTree &tree, QString *error);

} // namespace tidewell::feeds
