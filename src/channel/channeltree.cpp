#include "channel/channeltree.h"

#include <algorithm>

namespace tidewell::channel {

TreeNode *TreeNode::nextSibling() const
{
    const size_t next = size_t(m_row) + 1;
    return (m_siblings && next < m_siblings->size()) ? (*m_siblings)[next].get() : nullptr;
}

int TreeNode::level() const
{
    int depth = 0;
    for (const TreeNode *p = m_parent; p; p = p->m_parent) {
        ++depth;
    }
    return depth;
}

size_t TreeNode::descendantCount() const
{
    size_t count = 0;
    std::vector<const TreeNode *> stack{this};
    while (!stack.empty()) {
        const TreeNode *node = stack.back();
        stack.pop_back();
        count += node->m_children.size();
        for (const auto &child : node->m_children) {
            if (!child->m_children.empty()) {
                stack.push_back(child.get());
            }
        }
    }
    return count;
}

ChannelTree::ChannelTree(ChannelTree &&other) noexcept : m_top(std::move(other.m_top))
{
    other.m_top = std::make_unique<std::vector<std::unique_ptr<TreeNode>>>();
}

ChannelTree &ChannelTree::operator=(ChannelTree &&other) noexcept
{
    if (this != &other) {
        clear();
        std::swap(m_top, other.m_top);
    }
    return *this;
}

size_t ChannelTree::nodeCount() const
{
    size_t count = m_top->size();
    for (const auto &node : *m_top) {
        count += node->descendantCount();
    }
    return count;
}

int ChannelTree::childCount(const TreeNode *parent) const
{
    return parent ? parent->childCount() : topLevelCount();
}

TreeNode *ChannelTree::childAt(const TreeNode *parent, int row) const
{
    const int count = childCount(parent);
    if (row < 0 || row >= count) {
        return nullptr;
    }
    return parent ? parent->child(row) : topLevel(row);
}

std::vector<std::unique_ptr<TreeNode>> &ChannelTree::siblingsOf(TreeNode *parent)
{
    return parent ? parent->m_children : *m_top;
}

void ChannelTree::renumber(std::vector<std::unique_ptr<TreeNode>> &siblings, size_t from)
{
    for (size_t i = from; i < siblings.size(); ++i) {
        siblings[i]->m_row = int(i);
    }
}

TreeNode *ChannelTree::insert(TreeNode *parent, int row, std::string text, int kind)
{
    auto &siblings = siblingsOf(parent);
    const size_t at = std::min(size_t(std::max(row, 0)), siblings.size());
    auto node = std::make_unique<TreeNode>();
    node->text = std::move(text);
    node->kind = kind;
    node->m_parent = parent;
    node->m_siblings = &siblings;
    TreeNode *raw = node.get();
    siblings.insert(siblings.begin() + std::ptrdiff_t(at), std::move(node));
    renumber(siblings, at);
    return raw;
}

TreeNode *ChannelTree::append(TreeNode *parent, std::string text, int kind)
{
    return insert(parent, childCount(parent), std::move(text), kind);
}

void ChannelTree::reserveChildren(TreeNode *parent, int count)
{
    if (count > 0) {
        auto &siblings = siblingsOf(parent);
        siblings.reserve(siblings.size() + size_t(count));
    }
}

void ChannelTree::remove(TreeNode *node)
{
    if (!node) {
        return;
    }
    auto &siblings = siblingsOf(node->m_parent);
    const size_t at = size_t(node->m_row);
    std::vector<std::unique_ptr<TreeNode>> taken;
    taken.push_back(std::move(siblings[at]));
    siblings.erase(siblings.begin() + std::ptrdiff_t(at));
    renumber(siblings, at);
    destroy(std::move(taken));
}

void ChannelTree::clear()
{
    std::vector<std::unique_ptr<TreeNode>> pending = std::move(*m_top);
    m_top->clear();
    destroy(std::move(pending));
}

void ChannelTree::destroy(std::vector<std::unique_ptr<TreeNode>> pending)
{
    // Deep trees are freed without deep recursion: children are detached before their parent goes.
    while (!pending.empty()) {
        std::unique_ptr<TreeNode> node = std::move(pending.back());
        pending.pop_back();
        for (auto &child : node->m_children) {
            pending.push_back(std::move(child));
        }
        node->m_children.clear();
    }
}

namespace {
void copyInto(ChannelTree &target, TreeNode *targetParent, const TreeNode &source)
{
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
        for (int i = step.source->childCount() - 1; i >= 0; --i) {
            stack.push_back({step.source->child(i), copy});
        }
    }
}
} // namespace

ChannelTree ChannelTree::clone() const
{
    ChannelTree copy;
    copy.m_top->reserve(m_top->size());
    for (const auto &node : *m_top) {
        copyInto(copy, nullptr, *node);
    }
    return copy;
}

TreeNode *ChannelTree::next(const TreeNode *node)
{
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

std::string upperAscii(std::string_view text)
{
    std::string out(text);
    for (char &c : out) {
        if (c >= 'a' && c <= 'z') {
            c = char(c - 'a' + 'A');
        }
    }
    return out;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
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

TreeNode *findnode(TreeNode *start, std::string_view name)
{
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

TreeNode *findnode(const ChannelTree &tree, std::string_view name)
{
    return findnode(tree.firstTopLevel(), name);
}

std::string sectionValue(const TreeNode *section)
{
    if (!section) {
        return {};
    }
    const TreeNode *value = section->firstChild();
    return value ? value->text : std::string();
}

} // namespace tidewell::channel
