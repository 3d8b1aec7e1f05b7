#include "channel/channeltree.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>

namespace tidewell::channel {

TreeNode *TreeNode::nextSibling() const {
    const size_t next = size_t(m_row) + 1;
    return (m_siblings && next < m_siblings->size) ? m_siblings->items[next] : nullptr;
}

int TreeNode::level() const {
    int depth = 0;
    for (const TreeNode *p = m_parent; p; p = p->m_parent) {
        ++depth;
    }
    return depth;
}

size_t TreeNode::descendantCount() const {
    size_t count = 0;
    std::vector<const TreeNode *> stack{this};
    while (!stack.empty()) {
        const TreeNode *node = stack.back();
        stack.pop_back();
        count += node->m_children.size;
        for (uint32_t i = 0; i < node->m_children.size; ++i) {
            const TreeNode *child = node->m_children.items[i];
            if (child->m_children.size > 0) {
                stack.push_back(child);
            }
        }
    }
    return count;
}

ChannelTree::ChannelTree(ChannelTree &&other) noexcept
    : m_arena(std::move(other.m_arena)), m_top(std::move(other.m_top)) {
    other.m_top = std::make_unique<TreeNode::Children>();
}

ChannelTree &ChannelTree::operator=(ChannelTree &&other) noexcept {
    if (this != &other) {
        clear();
        std::swap(m_arena, other.m_arena);
        std::swap(m_top, other.m_top);
    }
    return *this;
}

size_t ChannelTree::nodeCount() const {
    size_t count = m_top->size;
    for (uint32_t i = 0; i < m_top->size; ++i) {
        count += m_top->items[i]->descendantCount();
    }
    return count;
}

int ChannelTree::childCount(const TreeNode *parent) const {
    return parent ? parent->childCount() : topLevelCount();
}

TreeNode *ChannelTree::childAt(const TreeNode *parent, int row) const {
    const int count = childCount(parent);
    if (row < 0 || row >= count) {
        return nullptr;
    }
    return parent ? parent->child(row) : topLevel(row);
}

TreeNode::Children &ChannelTree::siblingsOf(TreeNode *parent) {
    return parent ? parent->m_children : *m_top;
}

void ChannelTree::renumber(TreeNode::Children &siblings, size_t from) {
    for (size_t i = from; i < siblings.size; ++i) {
        siblings.items[i]->m_row = int(i);
    }
}

void ChannelTree::reserve(TreeNode::Children &list, size_t more) {
    const size_t needed = size_t(list.size) + more;
    if (needed <= list.capacity) {
        return;
    }
    if (needed > INT32_MAX) {
        throw std::length_error("too many children");
    }
    const size_t bytes = NodeArena::blockSize(needed * sizeof(TreeNode *));
    auto **items = static_cast<TreeNode **>(m_arena.allocate(bytes));
    if (list.size > 0) {
        std::memcpy(items, list.items, list.size * sizeof(TreeNode *));
    }
    m_arena.release(list.items, list.capacity * sizeof(TreeNode *));
    list.items = items;
    list.capacity = uint32_t(bytes / sizeof(TreeNode *));
}

TreeNode *ChannelTree::insert(TreeNode *parent, int row, std::string text, int kind) {
    auto &siblings = siblingsOf(parent);
    const size_t at = std::min(size_t(std::max(row, 0)), size_t(siblings.size));
    if (siblings.size == siblings.capacity) {
        reserve(siblings, std::max<size_t>(siblings.size, 1)); // doubling
    }
    auto *node = new (m_arena.allocate(sizeof(TreeNode))) TreeNode;
    node->text = std::move(text);
    node->kind = kind;
    node->m_parent = parent;
    node->m_siblings = &siblings;
    std::memmove(siblings.items + at + 1, siblings.items + at, (siblings.size - at) * sizeof(TreeNode *));
    siblings.items[at] = node;
    ++siblings.size;
    renumber(siblings, at);
    return node;
}

TreeNode *ChannelTree::append(TreeNode *parent, std::string text, int kind) {
    return insert(parent, childCount(parent), std::move(text), kind);
}

void ChannelTree::reserveChildren(TreeNode *parent, int count) {
    if (count > 0) {
        reserve(siblingsOf(parent), size_t(count));
    }
}

void ChannelTree::remove(TreeNode *node) {
    if (!node) {
        return;
    }
    auto &siblings = siblingsOf(node->m_parent);
    const size_t at = size_t(node->m_row);
    std::memmove(siblings.items + at, siblings.items + at + 1, (siblings.size - at - 1) * sizeof(TreeNode *));
    --siblings.size;
    renumber(siblings, at);
    destroy(node);
}

void ChannelTree::clear() {
    for (uint32_t i = 0; i < m_top->size; ++i) {
        destroy(m_top->items[i]);
    }
    // The top-level list is the tree's own, like every child list: give it back as destroy() does.
    m_arena.release(m_top->items, m_top->capacity * sizeof(TreeNode *));
    *m_top = {};
    // Every node is gone: the chunks go back to the system at once.
    m_arena.releaseAll();
}

void ChannelTree::destroy(TreeNode *node) {
    // Deep trees are freed without deep recursion: children are taken over before their parent goes.
    std::vector<TreeNode *> pending{node};
    while (!pending.empty()) {
        TreeNode *current = pending.back();
        pending.pop_back();
        const TreeNode::Children children = current->m_children;
        pending.insert(pending.end(), children.items, children.items + children.size);
        m_arena.release(children.items, children.capacity * sizeof(TreeNode *));
        current->~TreeNode();
        m_arena.release(current, sizeof(TreeNode));
    }
}

namespace {
void copyInto(ChannelTree &target, TreeNode *targetParent, const TreeNode &source) {
    // Iterative: a hostile document may nest very deeply.
    struct Step {
        const TreeNode *source;
        TreeNode *parent;
    };
    std::vector<Step> stack{{&source, targetParent}};
    while (!stack.empty()) {
        const Step step = stack.back();
        stack.pop_back();
        TreeNode *copy = target.append(step.parent, step.source->text, step.source->kind);
        copy->stateIndex = step.source->stateIndex;
        copy->selectedIndex = step.source->selectedIndex;
        if (step.source->data) {
            copy->data = std::make_unique<std::string>(*step.source->data);
        }
        target.reserveChildren(copy, step.source->childCount());
        for (int i = step.source->childCount() - 1; i >= 0; --i) {
            stack.push_back({step.source->child(i), copy});
        }
    }
}
} // namespace

ChannelTree ChannelTree::clone() const {
    ChannelTree copy;
    copy.reserveChildren(nullptr, topLevelCount());
    for (uint32_t i = 0; i < m_top->size; ++i) {
        copyInto(copy, nullptr, *m_top->items[i]);
    }
    return copy;
}

TreeNode *ChannelTree::next(const TreeNode *node) {
    if (!node) {
        return nullptr;
    }
    if (TreeNode *child = node->firstChild()) {
        return child;
    }
    for (const TreeNode *n = node; n; n = n->parent()) {
        if (TreeNode *sibling = n->nextSibling()) {
            return sibling;
        }
    }
    return nullptr;
}

std::string upperAscii(std::string_view text) {
    std::string out(text);
    for (char &c : out) {
        if (c >= 'a' && c <= 'z') {
            c = char(c - 'a' + 'A');
        }
    }
    return out;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'a' && x <= 'z') {
            x = char(x - 'a' + 'A');
        }
        if (y >= 'a' && y <= 'z') {
            y = char(y - 'a' + 'A');
        }
        if (x != y) {
            return false;
        }
    }
    return true;
}

TreeNode *findnode(TreeNode *start, std::string_view name) {
    // Pre-order from start over start's subtree and the subtrees of its following siblings; an explicit
    // stack keeps deep trees from exhausting the call stack.
    if (!start) {
        return nullptr;
    }
    std::vector<TreeNode *> stack;
    for (TreeNode *n = start; n; n = n->nextSibling()) {
        stack.push_back(n);
    }
    std::reverse(stack.begin(), stack.end());
    while (!stack.empty()) {
        TreeNode *node = stack.back();
        stack.pop_back();
        if (equalsIgnoringCase(node->text, name)) {
            return node;
        }
        for (int i = node->childCount() - 1; i >= 0; --i) {
            stack.push_back(node->child(i));
        }
    }
    return nullptr;
}

TreeNode *findnode(const ChannelTree &tree, std::string_view name) {
    return findnode(tree.firstTopLevel(), name);
}

bool isAttributeSection(const TreeNode *node) {
    return node->childCount() > 0 && !node->text.empty() && node->text.front() == '@';
}

std::string sectionValue(const TreeNode *section) {
    if (!section) {
        return {};
    }
    for (int i = 0; i < section->childCount(); ++i) {
        if (const TreeNode *child = section->child(i); !isAttributeSection(child)) {
            return child->text;
        }
    }
    return {};
}

} // namespace tidewell::channel
