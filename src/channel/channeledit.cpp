#include "channel/channeledit.h"

#include "channel/channeltreemodel.h"
#include "channel/languagelist.h"
#include "platform/textcodec.h"

namespace tidewell::channel {

using platform::displayText;
using platform::storedText;

namespace {
constexpr std::string_view kItemPrefix = "Item - ";

void appendSection(ChannelTreeModel &model, TreeNode *item, std::string_view name, const QString &value) {
    TreeNode *section = model.appendNode(item, std::string(name));
    model.appendNode(section, storedText(value));
}

void appendIfNotEmpty(ChannelTreeModel &model, TreeNode *item, std::string_view name, const QString &value) {
    if (!value.isEmpty()) {
        appendSection(model, item, name, value);
    }
}

bool contains(const std::string &text, std::string_view part) {
    return upperAscii(text).find(part) != std::string::npos;
}
// Appends an item node with a section for every field that has a value, in the window's order.
TreeNode *appendItem(ChannelTreeModel &model, const ItemFields &fields) {
    TreeNode *item = model.appendNode(nullptr, std::string(kItemPrefix) + storedText(fields.title), ItemNode);
    appendIfNotEmpty(model, item, "Title", fields.title);
    appendIfNotEmpty(model, item, "Link", fields.link);
    appendIfNotEmpty(model, item, "PubDate", fields.pubDate);
    appendIfNotEmpty(model, item, "Description", fields.description);
    appendIfNotEmpty(model, item, "Category", fields.category);
    appendIfNotEmpty(model, item, "Author", fields.author);
    return item;
}
} // namespace

void createnewnode(ChannelTreeModel &model, std::string_view name, const QString &titleText) {
    TreeNode *section = model.insertNode(nullptr, 0, std::string(name), PlainNode);
    model.appendNode(section, storedText(titleText));
}

void writeChannelBox(ChannelTreeModel &model, std::string_view lookedUpName, std::string_view createdName,
                     const QString &value, const QString &titleText) {
    TreeNode *section = model.findnode(lookedUpName);
    if (!section) {
        createnewnode(model, createdName, titleText);
        section = model.findnode(createdName);
    }
    model.setSectionValue(section, storedText(value));
}

AddItemResult addItem(ChannelTreeModel &model, const ItemFields &fields, TreeNode **added) {
    if (fields.title.isEmpty()) {
        return AddItemResult::NoTitle;
    }
    if (fields.link.isEmpty()) {
        return AddItemResult::NoLink;
    }
    TreeNode *item = appendItem(model, fields);
    if (added) {
        *added = item;
    }
    return AddItemResult::Added;
}

namespace {
// Fills the fields named in `targets` from the sections under node, by section name ignoring case.
// Field is QString or std::optional<QString> (a field without a section stays empty / unset).
template <typename Field>
void readSectionsByName(const TreeNode *node,
                        std::initializer_list<std::pair<const char *, Field *>> targets) {
    if (!node) {
        return;
    }
    for (int i = 0; i < node->childCount(); ++i) {
        const TreeNode *section = node->child(i);
        const std::string name = upperAscii(section->text);
        for (const auto &[upperName, field] : targets) {
            if (name == upperName) {
                *field = displayText(sectionValue(section));
                break;
            }
        }
    }
}
} // namespace

ItemFields readItemFields(const TreeNode *item) {
    ItemFields fields;
    readSectionsByName<QString>(item, {{"TITLE", &fields.title},
                                       {"LINK", &fields.link},
                                       {"DESCRIPTION", &fields.description},
                                       {"PUBDATE", &fields.pubDate},
                                       {"AUTHOR", &fields.author},
                                       {"CATEGORY", &fields.category}});
    return fields;
}

namespace {
// Copies source with its descendants as the last child of parent.
void appendCopy(ChannelTreeModel &model, TreeNode *parent, const TreeNode *source) {
    TreeNode *copy = model.appendNode(parent, source->text, source->kind);
    for (int i = 0; i < source->childCount(); ++i) {
        appendCopy(model, copy, source->child(i));
    }
}

bool shownInEditor(const TreeNode *section) {
    const std::string name = upperAscii(section->text);
    for (const char *shown : {"TITLE", "LINK", "DESCRIPTION", "PUBDATE", "AUTHOR", "CATEGORY"}) {
        if (name == shown) {
            return true;
        }
    }
    return false;
}
} // namespace

TreeNode *updateItem(ChannelTreeModel &model, TreeNode *editnode, const ItemFields &fields) {
    TreeNode *item = appendItem(model, fields);
    if (editnode) {
        // The sections the editor does not show (an imported guid, an enclosure, the content, extension
        // elements, the item's attributes) stay with the item rather than being lost with the old node.
        for (int i = 0; i < editnode->childCount(); ++i) {
            if (const TreeNode *section = editnode->child(i); !shownInEditor(section)) {
                appendCopy(model, item, section);
            }
        }
        model.removeNode(editnode);
    }
    return item;
}

bool deleteSection(ChannelTreeModel &model, TreeNode *node) {
    if (!node || node->childCount() < 2) {
        return false;
    }
    model.removeNode(node);
    return true;
}

EditRowAction editRowAction(const TreeNode *node) {
    EditRowAction action;
    if (!node) {
        return action;
    }
    if (node->childCount() < 3) {
        action.showChannelInformation = true;
        return action;
    }
    action.openItem = contains(node->text, "ITEM");
    action.openImage = contains(node->text, "IMAGE");
    return action;
}

TreeNode *addImageSection(ChannelTreeModel &model) {
    const ChannelTree &tree = model.tree();
    for (int i = 0; i < tree.topLevelCount(); ++i) {
        if (upperAscii(tree.topLevel(i)->text) == "IMAGE") {
            return nullptr;
        }
    }
    TreeNode *image = model.appendNode(nullptr, "image", ChannelSectionNode);
    for (const char *field : {"url", "title", "link", "width", "height", "description"}) {
        model.appendNode(image, field, PlainNode);
    }
    return image;
}

ImageFields readImageFields(const TreeNode *node) {
    ImageFields fields;
    readSectionsByName<std::optional<QString>>(node, {{"TITLE", &fields.title},
                                                      {"LINK", &fields.link},
                                                      {"DESCRIPTION", &fields.description},
                                                      {"URL", &fields.url},
                                                      {"HEIGHT", &fields.height},
                                                      {"WIDTH", &fields.width}});
    return fields;
}

void applyImageFields(ChannelTreeModel &model, TreeNode *node, const ImageFields &fields) {
    if (!node) {
        return;
    }
    const std::pair<std::string_view, const std::optional<QString> *> names[] = {
        {"TITLE", &fields.title},   {"LINK", &fields.link},
        {"URL", &fields.url},       {"DESCRIPTION", &fields.description},
        {"HEIGHT", &fields.height}, {"WIDTH", &fields.width},
    };
    // Collect the names first: writing a value may add a node under a value node found by the lookup.
    std::vector<std::pair<std::string_view, QString>> writes;
    for (int i = 0; i < node->childCount(); ++i) {
        const std::string name = upperAscii(node->child(i)->text);
        for (const auto &[fieldName, value] : names) {
            if (name == fieldName && value->has_value()) {
                writes.emplace_back(fieldName, **value);
            }
        }
    }
    for (const auto &[fieldName, value] : writes) {
        if (TreeNode *section = channel::findnode(node, fieldName)) {
            model.setSectionValue(section, storedText(value));
        }
    }
}

ChannelBoxValues channelBoxValues(const ChannelTree &tree, int currentLanguageIndex) {
    ChannelBoxValues boxes;
    boxes.languageIndex = currentLanguageIndex;
    for (int i = 0; i < tree.topLevelCount(); ++i) {
        const TreeNode *node = tree.topLevel(i);
        const std::string name = upperAscii(node->text);
        const QString value = displayText(sectionValue(node));
        if (name == "TITLE") {
            boxes.title = value;
        } else if (name == "LINK") {
            boxes.link = value;
        } else if (name == "DESCRIPTION") {
            boxes.description = value;
        } else if (name == "WEBMASTER") {
            boxes.webmaster = value;
        } else if (name == "MANAGINGEDITOR") {
            boxes.managingEditor = value;
        } else if (name == "COPYRIGHT") {
            boxes.copyright = value;
        } else if (name == "LANGUAGE") {
            boxes.languageIndex = languageIndexFor(value, boxes.languageIndex);
        }
    }
    return boxes;
}

} // namespace tidewell::channel
