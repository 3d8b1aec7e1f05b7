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
    // Removes count characters (at most the whole line) from the start of line i.
    void dropPrefix(size_t i, size_t count);
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
    std::string m_scratch;
};

// Calls f(line) for each line of text: lines end at CR LF, lone CR or lone LF, and a final line break adds
// no empty line (an empty text has no lines).
template <typename F> void forEachLine(std::string_view text, F &&f) {
    size_t i = 0;
    while (i < text.size()) {
        size_t j = i;
        while (j < text.size() && text[j] != '\n' && text[j] != '\r') {
            ++j;
        }
        f(text.substr(i, j - i));
        if (j < text.size() && text[j] == '\r' && j + 1 < text.size() && text[j + 1] == '\n') {
            ++j;
        }
        i = j + 1;
    }
}

// Calls f(line) for each line of a node text written at depth: the first line (empty for an empty text)
// carries one TAB per level of depth, the lines after a line break start at the left margin. scratch holds
// the indented first line while f runs.
template <typename F>
void forEachIndentedLine(int depth, std::string_view text, std::string &scratch, F &&f) {
    scratch.assign(size_t(depth > 0 ? depth : 0), '\t');
    bool first = true;
    forEachLine(text, [&](std::string_view line) {
        if (first) {
            first = false;
            scratch.append(line);
            f(std::string_view(scratch));
        } else {
            f(line);
        }
    });
    if (first) {
        f(std::string_view(scratch));
    }
}

// Reads indented lines one at a time into a tree, by the reading rules: a line's level is the number of
// TAB or blank characters that begin it; the first line becomes a top-level node; every further line
// becomes a node at depth = its level, under the last node placed one level up. A level more than one
// deeper than the previous node's depth fails with "Invalid level (%d) for item "%s"".
class IndentedTreeReader final {
public:
    explicit IndentedTreeReader(channel::ChannelTree &tree) : m_tree(tree) {}
    // Places one line as a new node of the tree; false (error set, nothing added) on a level jump.
    bool add(std::string_view line, QString *error);

private:
    channel::ChannelTree &m_tree;
    std::vector<channel::TreeNode *> m_path; // the last node placed at each depth, down to the previous node
};

// Splits text into lines (forEachLine).
std::vector<std::string_view> splitLines(std::string_view text);

// Reads lines back as the nodes of tree (its old nodes are replaced) by IndentedTreeReader's rules; on a
// level jump, fails with its error and leaves tree unchanged.
bool readIndentedLines(const IndentedLines &lines, channel::ChannelTree &tree, QString *error);
bool readIndentedLines(const std::vector<std::string> &lines, channel::ChannelTree &tree, QString *error);

} // namespace tidewell::feeds
