#pragma once

#include "channel/nodearena.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tidewell::channel {

// Node kinds: the image index of the tree view, deciding only the icon.
enum NodeKind : int { PlainNode = 0, ChannelSectionNode = 1, ItemNode = 2 };

// One node of a channel tree: a text (bytes, UTF-8 by convention), a kind, the two indexes the document
// file keeps, an optional opaque data block read from a document file, and ordered children.
class TreeNode final {
public:
    std::string text;
    int kind = PlainNode;
    int stateIndex = -1;
    int selectedIndex = 0;
    // Only ever filled from a document file that carries per-node data; never interpreted.
    std::unique_ptr<std::string> data;

    TreeNode *parent() const { return m_parent; }
    // Position among its parent's children (or among the top-level nodes).
    int row() const { return m_row; }
    int childCount() const { return int(m_children.size); }
    TreeNode *child(int row) const { return m_children.items[size_t(row)]; }
    TreeNode *firstChild() const { return m_children.size == 0 ? nullptr : m_children.items[0]; }
    TreeNode *nextSibling() const;
    // Depth: 0 for a top-level node.
    int level() const;
    // Number of nodes below this one.
    size_t descendantCount() const;

private:
    friend class ChannelTree;
    // An array of child pointers in the tree's arena; the tree owns and frees both it and the children.
    struct Children {
        TreeNode **items = nullptr;
        uint32_t size = 0;
        uint32_t capacity = 0;
    };
    TreeNode *m_parent = nullptr; // nullptr for top-level nodes
    const Children *m_siblings = nullptr;
    int m_row = 0;
    Children m_children;
};

// An ordered tree of text nodes: the in-memory document of one channel. Plain data without signals; the
// channel window changes it through ChannelTreeModel so that its view follows.
class ChannelTree final {
public:
    ChannelTree() = default;
    ~ChannelTree() { clear(); }
    // Moving keeps every node where it is: the arena and the top-level list move along.
    ChannelTree(ChannelTree &&other) noexcept;
    ChannelTree &operator=(ChannelTree &&other) noexcept;
    ChannelTree(const ChannelTree &) = delete;
    ChannelTree &operator=(const ChannelTree &) = delete;

    int topLevelCount() const { return int(m_top->size); }
    TreeNode *topLevel(int row) const { return m_top->items[size_t(row)]; }
    TreeNode *firstTopLevel() const { return m_top->size == 0 ? nullptr : m_top->items[0]; }
    bool isEmpty() const { return m_top->size == 0; }
    // Every node of the tree.
    size_t nodeCount() const;
    // Bytes the tree's node arena has handed out (its nodes' texts and huge child lists are on the heap).
    size_t arenaBytes() const { return m_arena.usedBytes(); }

    // Children of parent (nullptr: the top level).
    int childCount(const TreeNode *parent) const;
    TreeNode *childAt(const TreeNode *parent, int row) const;

    // Inserts a new node under parent (nullptr: top level) at row (clamped to the end).
    TreeNode *insert(TreeNode *parent, int row, std::string text, int kind = PlainNode);
    TreeNode *append(TreeNode *parent, std::string text, int kind = PlainNode);
    // Room for count more children of parent (nullptr: top level), so a reader that knows the count
    // allocates once.
    void reserveChildren(TreeNode *parent, int count);
    // Removes node and its descendants.
    void remove(TreeNode *node);
    void clear();

    // Deep copy of every node (texts, kinds, indexes, data blocks).
    ChannelTree clone() const;

    // Pre-order walk: the node after `node` (nullptr at the end); first() is the first top-level node.
    TreeNode *first() const { return firstTopLevel(); }
    static TreeNode *next(const TreeNode *node);

private:
    TreeNode::Children &siblingsOf(TreeNode *parent);
    // Room for `more` further entries in list (its items may move).
    void reserve(TreeNode::Children &list, size_t more);
    // Runs the destructors of node and its descendants and gives their memory back to the arena.
    void destroy(TreeNode *node);
    static void renumber(TreeNode::Children &siblings, size_t from);

    // Nodes and their child arrays (see NodeArena for why). Declared before m_top so that it outlives it.
    NodeArena m_arena;
    // On the heap so that top-level nodes keep a valid sibling list when the tree is moved.
    std::unique_ptr<TreeNode::Children> m_top = std::make_unique<TreeNode::Children>();
};

// Upper case of the letters a to z only; other bytes unchanged.
std::string upperAscii(std::string_view text);
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// The first node at or after start (start, its descendants, then each following sibling with its
// descendants, in pre-order) whose text equals name ignoring the case of a to z; nullptr if none or if
// start is nullptr.
TreeNode *findnode(TreeNode *start, std::string_view name);
// findnode from the first top-level node: a search of the whole tree.
TreeNode *findnode(const ChannelTree &tree, std::string_view name);

// "@name" with the value as its one child: an attribute of the parent element.
bool isAttributeSection(const TreeNode *node);
// The value of a section: the text of its first child that is not an attribute section (attributes come
// before the element's text), empty when it has none (or section is nullptr).
std::string sectionValue(const TreeNode *section);

} // namespace tidewell::channel
