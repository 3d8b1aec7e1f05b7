#pragma once

#include "channel/channeltree.h"

#include <cstdint>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace tidewell::feeds {

// The import's trees between scan and result: the nodes in pre-order, each with its depth and its text.
// This is the indented tree text (one line per node, one TAB per level before its text) with each line's
// level kept beside its text instead of in front of it, so that a text's line breaks and its leading
// blanks or TABs stay in the one node and never change the tree.
//
// The texts live in one buffer with an index of spans, so a feed of a million nodes costs no allocation
// per node, and removing nodes or lifting them moves no text.
class IndentedLines final {
public:
    // A section (an element, an attribute's "@" section, a comment ...) or the value of one (a text).
    enum class Kind : std::uint8_t { Section, Value };

    // Appends one node at a depth (negative counts as 0).
    void append(int depth, std::string_view text, Kind kind = Kind::Section);
    // Appends one line of the indented text form: its level is the number of TAB or blank characters
    // that begin it, its text the rest.
    void appendLine(std::string_view line);
    // Room for text bytes and nodes, so a large document's nodes are not copied as they grow (pages
    // reserved but never used cost no memory).
    void reserve(size_t bytes, size_t nodes) {
        m_text.reserve(bytes);
        m_nodes.reserve(nodes);
    }

    size_t size() const { return m_nodes.size(); }
    bool empty() const { return m_nodes.empty(); }
    std::string_view operator[](size_t i) const {
        return std::string_view(m_text).substr(m_nodes[i].offset, m_nodes[i].length);
    }
    int depth(size_t i) const { return m_nodes[i].depth; }
    Kind kind(size_t i) const { return m_nodes[i].kind; }
    // Removes nodes [from, from + count).
    void remove(size_t from, size_t count = 1);
    // Moves every node up by levels; a node never rises above the top level.
    void lift(int levels);
    // The nodes as lines of the indented text form (TABs, then the text).
    std::vector<std::string> toStrings() const;
    void clear() {
        m_text.clear();
        m_nodes.clear();
    }

private:
    struct Node {
        size_t offset;
        size_t length;
        int depth;
        Kind kind;
    };
    std::string m_text;
    std::vector<Node> m_nodes;
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

// Reads nodes one at a time into a tree, by the reading rules of the indented tree text: the first node
// becomes a top-level node whatever its level; every further node becomes a node at depth = its level,
// under the last node placed one level up. A level more than one deeper than the previous node's depth
// fails with "Invalid level (%d) for item "%s"".
class IndentedTreeReader final {
public:
    explicit IndentedTreeReader(channel::ChannelTree &tree) : m_tree(tree) {}
    // Places one node; false (error set, nothing added) on a level jump.
    bool add(int level, std::string_view text, QString *error);

private:
    channel::ChannelTree &m_tree;
    std::vector<channel::TreeNode *> m_path; // the last node placed at each depth, down to the previous node
};

// Splits text into lines (forEachLine).
std::vector<std::string_view> splitLines(std::string_view text);

// Reads nodes back as tree (its old nodes are replaced) by IndentedTreeReader's rules; on a level jump,
// fails with its error and leaves tree unchanged.
bool readIndentedLines(const IndentedLines &lines, channel::ChannelTree &tree, QString *error);
// The same for lines of the indented text form.
bool readIndentedLines(const std::vector<std::string> &lines, channel::ChannelTree &tree, QString *error);

} // namespace tidewell::feeds
