#pragma once

#include "channel/channeltree.h"

#include <optional>
#include <QString>
#include <string_view>

namespace tidewell::channel {

class ChannelTreeModel;

// The editing commands of the channel window as operations on its tree model, so that every change
// goes through the model and the view follows.

// Adds a channel section `name` (kind 0) before the first top-level node, with one value node holding
// titleText (the channel title box's content; callers overwrite it).
void createnewnode(ChannelTreeModel &model, std::string_view name, const QString &titleText);

// The channel box write-back: finds the section lookedUpName in the whole tree, creates createdName
// when there is none, then sets the section's value to value.
void writeChannelBox(ChannelTreeModel &model, std::string_view lookedUpName, std::string_view createdName,
                     const QString &value, const QString &titleText);

// The boxes of an item tab.
struct ItemFields {
    QString title;
    QString link;
    QString pubDate;
    QString description;
    QString category;
    QString author;
};

enum class AddItemResult { Added, NoTitle, NoLink };

// "Add item to feed": appends "Item - <title>" (kind 2) with Title and Link, then PubDate, Description,
// Category and Author when not empty. Refused without a title or without a link.
AddItemResult addItem(ChannelTreeModel &model, const ItemFields &fields, TreeNode **added = nullptr);

// The field values of an item by their upper-cased section names; fields it lacks stay empty.
ItemFields readItemFields(const TreeNode *item);

// "Update feed items": appends "Item - <title>" (kind 2) with a section for each non-empty box, in the
// add order, followed by copies of editnode's sections that the editor does not show; then removes
// editnode (when given). Returns the new item.
TreeNode *updateItem(ChannelTreeModel &model, TreeNode *editnode, const ItemFields &fields);

// "Delete section": removes node with its descendants when it has at least two children (an item or
// the image section); false (nothing removed) otherwise.
bool deleteSection(ChannelTreeModel &model, TreeNode *node);

// "Add image section": appends a top-level "image" section with empty url, title, link, width, height
// and description sections, and returns it; nullptr (nothing added) when the channel has one already.
TreeNode *addImageSection(ChannelTreeModel &model);

// What "Edit selected row" does with a node.
struct EditRowAction {
    bool showChannelInformation = false; // fewer than three children
    bool openItem = false;               // text contains ITEM
    bool openImage = false;              // text contains IMAGE (after the item, on the same node)
};
EditRowAction editRowAction(const TreeNode *node);

// The image fields shown in the Image Properties dialog; a field without a section under the image
// node is absent (the dialog keeps its preset, and the field is never added).
struct ImageFields {
    std::optional<QString> title;
    std::optional<QString> link;
    std::optional<QString> url;
    std::optional<QString> description;
    std::optional<QString> height;
    std::optional<QString> width;
};
ImageFields readImageFields(const TreeNode *node);
// Writes the dialog's values back into the sections that exist under node (looked up from node).
void applyImageFields(ChannelTreeModel &model, TreeNode *node, const ImageFields &fields);

// The channel boxes that opening a document fills: a box gets the value of the last top-level section
// of its name; a box without such a section keeps its content (absent here).
struct ChannelBoxValues {
    std::optional<QString> title;
    std::optional<QString> link;
    std::optional<QString> description;
    std::optional<QString> webmaster;
    std::optional<QString> managingEditor;
    std::optional<QString> copyright;
    int languageIndex = -1; // the language entry to select (the rule of languageIndexFor)
};
ChannelBoxValues channelBoxValues(const ChannelTree &tree, int currentLanguageIndex);

} // namespace tidewell::channel
