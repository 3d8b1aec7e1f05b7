#include "channel/rsswriter.h"

#include "channel/documentfile.h"
#include "channel/rss_global.h"
#include "channel/rssdate.h"
#include "platform/clock.h"
#include "platform/eventpump.h"
#include "platform/fileerrors.h"
#include "platform/folders.h"
#include "platform/markupescape.h"
#include "platform/prompts.h"
#include "platform/result.h"
#include "platform/textcodec.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstring>
#include <deque>
#include <QCoreApplication>
#include <QSaveFile>
#include <QUuid>
#include <string_view>
#include <unistd.h>
#include <unordered_set>
#include <vector>

namespace tidewell::channel {

namespace {

using platform::MarkupEscape;
using platform::Status;

// The context of the texts below, as the translation tools see it.
struct WriterText {
    Q_DECLARE_TR_FUNCTIONS(Tchannelchild)
};

// Progress positions are passed on every this many nodes, pending events run every kEventStep nodes.
constexpr size_t kProgressStep = 1024;
constexpr size_t kEventStep = 64;
// Nested elements indent by two more spaces per level up to this many, so a very deep tree does not
// make the text grow with the square of its depth.
constexpr int kMaxIndent = 32;

// The namespace of the generated guids' name-based UUIDs; fixed, so guids stay the same between exports.
constexpr QUuid kGuidNamespace(0x5f9077ef, 0xb41e, 0x4bef, 0xb6, 0xd2, 0xdb, 0x5d, 0x51, 0x88, 0xf6, 0x4d);

// Namespace URI for a prefix that is used but declared nowhere, not even in the table of usual ones.
constexpr std::string_view kUndeclaredPrefixUri = "urn:x-undeclared-prefix:";

// --- The tree's shape (see the shared convention of the import and the writer) ----------------------

// A node with children that is not an attribute: a (nested) element. A node without children is text.
bool isElementSection(const TreeNode *node) {
    return node->childCount() > 0 && !isAttributeSection(node);
}

bool hasElementChild(const TreeNode *section) {
    for (int i = 0; i < section->childCount(); ++i) {
        if (isElementSection(section->child(i))) {
            return true;
        }
    }
    return false;
}

// The text value of a section: its first child that is text (attributes and nested elements skipped).
std::string_view textValue(const TreeNode *section) {
    if (section) {
        for (int i = 0; i < section->childCount(); ++i) {
            const TreeNode *child = section->child(i);
            if (child->childCount() == 0) {
                return child->text;
            }
        }
    }
    return {};
}

// The first child of parent named name, ignoring case.
const TreeNode *childNamed(const TreeNode *parent, std::string_view name) {
    for (int i = 0; i < parent->childCount(); ++i) {
        if (equalsIgnoringCase(parent->child(i)->text, name)) {
            return parent->child(i);
        }
    }
    return nullptr;
}

// Where a section stands decides how its text becomes an element name.
enum class Placement {
    TopLevel,  // opening a document capitalised its first letter: undone ("TextInput" -> "textInput")
    ItemField, // without a prefix lower case as RSS names are ("Pub Date" -> "pubDate"); a prefix keeps
               // the name as it stands ("itunes:isClosedCaptioned")
    Nested,    // as it stands
};

std::string elementName(std::string_view text, Placement placement) {
    std::string name;
    name.reserve(text.size());
    for (const char c : text) {
        if (c != ' ') {
            name.push_back(c);
        }
    }
    if (placement == Placement::TopLevel && !name.empty() && name.front() >= 'A' && name.front() <= 'Z') {
        name.front() = char(name.front() - 'A' + 'a');
    } else if (placement == Placement::ItemField && name.find(':') == std::string::npos) {
        for (char &c : name) {
            if (c >= 'A' && c <= 'Z') {
                c = char(c - 'A' + 'a');
            }
        }
        if (name == "pubdate") {
            name = "pubDate";
        }
    }
    return name;
}

bool isNameStart(uchar c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c >= 0x80;
}

bool isNameChar(uchar c) {
    return isNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

// A name XML with namespaces accepts: a name, or prefix ":" local name. Anything else (a section a user
// named "My field?") cannot become an element or an attribute and is left out of the feed.
bool isXmlName(std::string_view name) {
    bool partStart = true;
    bool colonSeen = false;
    for (const char c : name) {
        if (c == ':') {
            if (partStart || colonSeen) {
                return false;
            }
            colonSeen = partStart = true;
        } else if (partStart ? !isNameStart(uchar(c)) : !isNameChar(uchar(c))) {
            return false;
        } else {
            partStart = false;
        }
    }
    return !partStart;
}

std::string_view prefixOf(std::string_view name) {
    const size_t colon = name.find(':');
    return colon == std::string_view::npos ? std::string_view() : name.substr(0, colon);
}

// --- Text -----------------------------------------------------------------------------------------------

void appendIndent(std::string &out, int indent) {
    out.append(size_t(std::min(indent, kMaxIndent)), ' ');
}

// ' name="value"'
void appendAttribute(std::string &out, std::string_view name, std::string_view value) {
    out.push_back(' ');
    out.append(name);
    out.append("=\"");
    platform::appendEscapedMarkup(out, value, MarkupEscape::Attribute);
    out.push_back('"');
}

// Names already written on one element (or declared on rss): a duplicate would make the element malformed.
// Linear in time whatever the number of names; the names must outlive the set.
class SeenNames final {
public:
    bool contains(std::string_view name) const {
        if (m_set.empty()) {
            return std::find(m_few.begin(), m_few.begin() + m_fewCount, name) != m_few.begin() + m_fewCount;
        }
        return m_set.contains(name);
    }
    // False when name was there already.
    bool insert(std::string_view name) {
        if (contains(name)) {
            return false;
        }
        if (m_set.empty() && m_fewCount < m_few.size()) {
            m_few[m_fewCount++] = name;
        } else {
            if (m_set.empty()) {
                m_set.insert(m_few.begin(), m_few.end());
            }
            m_set.insert(name);
        }
        return true;
    }

private:
    std::array<std::string_view, 8> m_few;
    size_t m_fewCount = 0;
    std::unordered_set<std::string_view> m_set;
};

// The attributes of element: each attribute section in tree order. A name that is not an XML name, or
// that an earlier attribute of the same element already had, is left out (either would make the element
// malformed).
void appendAttributes(std::string &out, const TreeNode *element) {
    SeenNames seen;
    for (int i = 0; i < element->childCount(); ++i) {
        const TreeNode *child = element->child(i);
        if (!isAttributeSection(child)) {
            continue;
        }
        const std::string_view name = std::string_view(child->text).substr(1);
        if (isXmlName(name) && seen.insert(name)) {
            appendAttribute(out, name, textValue(child));
        }
    }
}

// The RSS text, built in a buffer of a fixed size that is passed on to the output files whenever it fills,
// so a long channel never needs the whole text in memory.
class LineList final {
public:
    LineList() { m_text.reserve(2 * kChunkBytes); }

    void setOutputs(std::vector<QIODevice *> outputs) { m_outputs = std::move(outputs); }

    void add(std::string_view line) {
        m_text.append(line);
        m_text.append("\r\n");
    }
    // indent spaces + <tag attributes> + escaped value + </tag>
    void addElement(int indent, std::string_view tag, std::string_view value,
                    const TreeNode *attributesOf = nullptr) {
        appendIndent(m_text, indent);
        m_text.push_back('<');
        m_text.append(tag);
        if (attributesOf) {
            appendAttributes(m_text, attributesOf);
        }
        m_text.push_back('>');
        platform::appendEscapedMarkup(m_text, value, MarkupEscape::Text);
        m_text.append("</");
        m_text.append(tag);
        m_text.append(">\r\n");
    }
    void addElement(int indent, std::string_view tag, const QString &value) {
        const QByteArray bytes = value.toUtf8();
        addElement(indent, tag, std::string_view(bytes.constData(), size_t(bytes.size())));
    }
    // A fixed channel line from a section: written when always is set or the section's value is not empty.
    void addSection(int indent, std::string_view tag, const TreeNode *section, bool always = false) {
        const std::string_view value = textValue(section);
        if (always || !value.empty()) {
            addElement(indent, tag, value, section);
        }
    }
    void addIfNotEmpty(int indent, std::string_view tag, std::string_view value) {
        if (!value.empty()) {
            addElement(indent, tag, value);
        }
    }

    // Writes section as XML elements; false when nothing was written (no value, no attribute).
    bool addSectionTree(const TreeNode *section, Placement placement, int indent);

    void flushIfFull() {
        if (m_text.size() >= kChunkBytes) {
            flush();
        }
    }
    // Write errors are kept by the files and reported when they are finished.
    void flush() {
        for (QIODevice *output : m_outputs) {
            output->write(m_text.data(), qint64(m_text.size()));
        }
        m_text.clear();
    }

    std::string &text() { return m_text; }

private:
    static constexpr size_t kChunkBytes = 64 * 1024;
    // One value per element: each text child of a section without nested elements becomes an element of
    // its own (two values, two elements); attributes go on each; attributes alone make an empty element.
    bool addValueElements(const TreeNode *section, std::string_view name, int indent);

    std::string m_text;
    std::vector<QIODevice *> m_outputs;
};

bool LineList::addValueElements(const TreeNode *section, std::string_view name, int indent) {
    std::string attributes;
    appendAttributes(attributes, section);
    bool written = false;
    for (int i = 0; i < section->childCount(); ++i) {
        const TreeNode *value = section->child(i);
        if (value->childCount() > 0 || value->text.empty()) {
            continue;
        }
        appendIndent(m_text, indent);
        m_text.push_back('<');
        m_text.append(name);
        m_text.append(attributes);
        m_text.push_back('>');
        platform::appendEscapedMarkup(m_text, value->text, MarkupEscape::Text);
        m_text.append("</");
        m_text.append(name);
        m_text.append(">\r\n");
        written = true;
    }
    if (!written && !attributes.empty()) {
        appendIndent(m_text, indent);
        m_text.push_back('<');
        m_text.append(name);
        m_text.append(attributes);
        m_text.append("/>\r\n");
        written = true;
    }
    return written;
}

// A section with nested elements is one element holding its text children and nested elements in tree
// order, each on its own line. Iterative, so any depth of nesting is written without deep recursion.
bool LineList::addSectionTree(const TreeNode *section, Placement placement, int indent) {
    struct Frame {
        const TreeNode *section;
        Placement placement;
        int indent;
        int next;
    };
    std::vector<Frame> stack;
    bool written = false;
    // Writes a leaf-like section at once, or the start tag of one with nested elements (then pushed).
    const auto open = [&](const TreeNode *node, Placement where, int at) {
        const std::string name = elementName(node->text, where);
        if (!isXmlName(name)) {
            return;
        }
        if (!hasElementChild(node)) {
            written = addValueElements(node, name, at) || written;
            return;
        }
        appendIndent(m_text, at);
        m_text.push_back('<');
        m_text.append(name);
        appendAttributes(m_text, node);
        m_text.append(">\r\n");
        written = true;
        stack.push_back({node, where, at, 0});
    };
    open(section, placement, indent);
    while (!stack.empty()) {
        Frame &frame = stack.back();
        if (frame.next == frame.section->childCount()) {
            appendIndent(m_text, frame.indent);
            m_text.append("</");
            m_text.append(elementName(frame.section->text, frame.placement));
            m_text.append(">\r\n");
            stack.pop_back();
            continue;
        }
        const TreeNode *child = frame.section->child(frame.next++);
        if (isAttributeSection(child)) {
            continue;
        }
        if (child->childCount() == 0) {
            if (!child->text.empty()) {
                appendIndent(m_text, frame.indent + 2);
                platform::appendEscapedMarkup(m_text, child->text, MarkupEscape::Text);
                m_text.append("\r\n");
            }
            continue;
        }
        open(child, Placement::Nested, frame.indent + 2); // may grow the stack: frame is not used after
        flushIfFull();
    }
    return written;
}

// --- What the channel tree holds, found in one walk -----------------------------------------------------

// The channel lines with a fixed place in the feed, by top-level section name (compared ignoring case).
enum Fixed : size_t {
    FixedTitle,
    FixedLink,
    FixedDescription,
    FixedLanguage,
    FixedCopyright,
    FixedManagingEditor,
    FixedWebMaster,
    FixedTtl,
    FixedDocs,
    FixedRating,
    FixedImage,
    FixedCount
};
constexpr std::array<std::string_view, FixedCount> kFixedNames = {
    "Title",     "Link", "Description", "Language", "Copyright", "ManagingEditor",
    "WebMaster", "ttl",  "docs",        "rating",   "image"};
// Channel sections whose line the writer makes itself at every export (the time of the export, this
// program): the sections are not written.
constexpr std::array<std::string_view, 3> kRegeneratedNames = {"pubDate", "lastBuildDate", "generator"};

struct ItemEntry {
    const TreeNode *node;
    size_t nodeCount; // the item node and its descendants
};

// The channel tree sorted into what the feed is built from: the fixed channel sections (the first
// top-level section of each name), the other channel sections in tree order, the items, the namespace
// declarations kept by the import and every prefix used in a name that will be written.
class ChannelParts final {
public:
    explicit ChannelParts(const ChannelTree &tree) {
        for (int row = 0; row < tree.topLevelCount(); ++row) {
            sortTopLevel(tree.topLevel(row));
        }
    }

    std::array<const TreeNode *, FixedCount> fixed{};
    std::vector<const TreeNode *> extras;            // other channel sections, tree order
    std::vector<const TreeNode *> channelAttributes; // top-level "@name" sections other than declarations
    std::vector<const TreeNode *> declarations;      // top-level "@xmlns" / "@xmlns:p" sections
    std::vector<ItemEntry> items;
    std::deque<std::string> prefixes; // in the order first used (a deque: the strings never move)
    size_t itemNodeCount = 0;

    ChannelParts(const ChannelParts &) = delete;
    ChannelParts &operator=(const ChannelParts &) = delete;

private:
    void sortTopLevel(const TreeNode *node) {
        const std::string_view text = node->text;
        if (isAttributeSection(node)) {
            const std::string_view name = text.substr(1);
            if (name == "xmlns" || name.starts_with("xmlns:")) {
                declarations.push_back(node);
            } else if (name != "version") {
                channelAttributes.push_back(node);
                usePrefix(name);
            }
            return;
        }
        if (text.find("Item") != std::string_view::npos) {
            const size_t count = collectPrefixes(node, Placement::ItemField);
            items.push_back({node, count});
            itemNodeCount += count;
            return;
        }
        if (upperAscii(text).starts_with("ITEM")) {
            return; // an item of a document that was never opened: not written
        }
        for (size_t i = 0; i < FixedCount; ++i) {
            if (equalsIgnoringCase(text, kFixedNames[i])) {
                if (fixed[i]) {
                    break; // a second section of that name: written as it stands, with the others
                }
                fixed[i] = node;
                collectPrefixes(node, Placement::Nested);
                return;
            }
        }
        for (const std::string_view name : kRegeneratedNames) {
            if (equalsIgnoringCase(text, name)) {
                return;
            }
        }
        extras.push_back(node);
        usePrefix(elementName(text, Placement::TopLevel));
        collectPrefixes(node, Placement::Nested);
    }

    // Walks the subtree below top, noting the prefix of every element and attribute name written from it.
    // Returns the number of nodes of the subtree, top included.
    size_t collectPrefixes(const TreeNode *top, Placement childPlacement) {
        size_t count = 1;
        const TreeNode *end = top->nextSibling();
        for (const TreeNode *node = ChannelTree::next(top); node && node != end;
             node = ChannelTree::next(node)) {
            ++count;
            if (node->childCount() == 0 || node->text.find(':') == std::string::npos) {
                continue;
            }
            if (node->text.front() == '@') {
                usePrefix(std::string_view(node->text).substr(1));
            } else {
                usePrefix(
                    elementName(node->text, node->parent() == top ? childPlacement : Placement::Nested));
            }
        }
        return count;
    }

    void usePrefix(std::string_view name) {
        const std::string_view prefix = prefixOf(name);
        if (prefix.empty() || !isXmlName(name) || prefix == "xml" || prefix == "xmlns") {
            return;
        }
        if (!m_seenPrefixes.contains(prefix)) {
            m_seenPrefixes.insert(prefixes.emplace_back(prefix));
        }
    }

    SeenNames m_seenPrefixes; // views of the strings in prefixes
};

// The rss element's start tag: version, the declarations the import kept (the first of each name, each
// with a usable URI), then a declaration for every other prefix used.
std::string rssStartTag(const ChannelParts &parts) {
    std::string tag = "<rss version=\"2.0\"";
    SeenNames declared;
    for (const TreeNode *declaration : parts.declarations) {
        const std::string_view name = std::string_view(declaration->text).substr(1);
        const std::string_view prefix = name == "xmlns" ? std::string_view() : name.substr(6);
        const std::string_view uri = textValue(declaration);
        // An empty URI would undeclare a prefix, and xml / xmlns may not be declared at all.
        if ((uri.empty() && !prefix.empty()) || prefix == "xml" || prefix == "xmlns" ||
            (!prefix.empty() && (!isXmlName(prefix) || prefix.find(':') != std::string_view::npos)) ||
            !declared.insert(prefix)) {
            continue;
        }
        appendAttribute(tag, name, uri);
    }
    for (const std::string &prefix : parts.prefixes) {
        if (declared.contains(prefix)) {
            continue;
        }
        std::string uri(usualNamespace(prefix));
        if (uri.empty()) {
            uri = std::string(kUndeclaredPrefixUri) + prefix;
        }
        appendAttribute(tag, "xmlns:" + prefix, uri);
    }
    tag.push_back('>');
    return tag;
}

// --- Files ----------------------------------------------------------------------------------------------

// Finishes writing a temporary file without committing it: what is buffered is written and synced, so the
// commits at the end only rename, and a full disk is noticed before any file is replaced.
platform::Status finishWriting(QSaveFile &file) {
    if (file.error() == QFileDevice::NoError && file.flush() && ::fsync(file.handle()) == 0) {
        return {};
    }
    const QString reason =
        file.error() != QFileDevice::NoError ? file.errorString() : QString::fromLocal8Bit(strerror(errno));
    return platform::Status::failure(platform::FileErrors::cannotCreate(file.fileName(), reason));
}

platform::Status commit(QSaveFile &file) {
    if (file.commit()) {
        return {};
    }
    return platform::Status::failure(platform::FileErrors::cannotCreate(file.fileName(), file.errorString()));
}

// Writes the feed text of parts to the outputs of lines.
void writeFeed(const ChannelParts &parts, LineList &lines, platform::Progress &progress) {
    const auto &fixed = parts.fixed;

    lines.add("<?xml version=\"1.0\"?>");
    lines.add(QStringLiteral("<!-- Generated with %1, an RSS 2.0 channel authoring tool -->")
                  .arg(kVersionText)
                  .toStdString());
    lines.add(rssStartTag(parts));
    std::string &text = lines.text();
    text.append(" <channel");
    SeenNames channelAttributes;
    for (const TreeNode *attribute : parts.channelAttributes) {
        const std::string_view name = std::string_view(attribute->text).substr(1);
        if (isXmlName(name) && channelAttributes.insert(name)) {
            appendAttribute(text, name, textValue(attribute));
        }
    }
    text.append(">\r\n");
    lines.addElement(1, "generator", kVersionText);
    lines.addElement(1, "lastBuildDate", rssDate(platform::Clock::now()));
    lines.addSection(2, "title", fixed[FixedTitle], true);
    lines.addSection(2, "link", fixed[FixedLink], true);
    lines.addSection(2, "description", fixed[FixedDescription]);
    lines.addSection(2, "language", fixed[FixedLanguage]);
    lines.addSection(2, "copyright", fixed[FixedCopyright]);
    lines.addSection(2, "managingEditor", fixed[FixedManagingEditor]);
    lines.addSection(2, "webMaster", fixed[FixedWebMaster]);
    lines.addSection(2, "ttl", fixed[FixedTtl]);
    lines.addSection(2, "docs", fixed[FixedDocs]);
    lines.addSection(2, "rating", fixed[FixedRating]);
    lines.addElement(2, "pubDate", rssDate(platform::Clock::now()));
    if (const TreeNode *image = fixed[FixedImage]) {
        // The image block from the image section's own fields; any other field follows them.
        static constexpr std::array<std::string_view, 6> kImageFields = {"title",       "url",    "link",
                                                                         "description", "height", "width"};
        static constexpr std::array<std::string_view, 6> kImageDefaults = {"", "", "", "", "31", "88"};
        std::array<const TreeNode *, kImageFields.size()> fields{};
        text.append("  <image");
        appendAttributes(text, image);
        text.append(">\r\n");
        for (size_t i = 0; i < kImageFields.size(); ++i) {
            fields[i] = childNamed(image, kImageFields[i]);
            lines.addIfNotEmpty(4, kImageFields[i], fields[i] ? textValue(fields[i]) : kImageDefaults[i]);
        }
        for (int i = 0; i < image->childCount(); ++i) {
            const TreeNode *field = image->child(i);
            if (isElementSection(field) && std::find(fields.begin(), fields.end(), field) == fields.end()) {
                lines.addSectionTree(field, Placement::Nested, 4);
            }
        }
        lines.add("  </image>");
    }
    for (const TreeNode *extra : parts.extras) {
        lines.addSectionTree(extra, Placement::TopLevel, 2);
        lines.flushIfFull();
    }

    // Item pass: each item field section becomes elements named after it.
    progress.setMaximum(int(std::min<size_t>(parts.itemNodeCount, INT_MAX)));
    progress.setPosition(0);
    bool guidSeen = false;
    size_t position = 0;
    size_t nextReport = 0;
    size_t nextEvents = 0;
    for (const ItemEntry &item : parts.items) {
        if (position >= nextReport) {
            progress.setPosition(int(std::min<size_t>(position, INT_MAX)));
            nextReport = position + kProgressStep;
        }
        if (position >= nextEvents) {
            platform::letPendingEventsRun();
            nextEvents = position + kEventStep;
        }
        position += item.nodeCount;
        if (&item != &parts.items.front()) {
            lines.add("   </item>");
        }
        text.append("   <item");
        appendAttributes(text, item.node);
        text.append(">\r\n");
        for (int f = 0; f < item.node->childCount(); ++f) {
            const TreeNode *field = item.node->child(f);
            if (field->childCount() == 0 || isAttributeSection(field)) {
                continue;
            }
            if (lines.addSectionTree(field, Placement::ItemField, 5) &&
                elementName(field->text, Placement::ItemField) == "guid") {
                guidSeen = true;
            }
            lines.flushIfFull();
        }
    }
    if (!parts.items.empty()) {
        if (!guidSeen) {
            // The last line of the last item.
            const TreeNode *last = parts.items.back().node;
            const TreeNode *linkField = childNamed(last, "link");
            const TreeNode *titleField = childNamed(last, "title");
            text.append("     <guid isPermaLink=\"false\">");
            text.append(make_guid(textValue(fixed[FixedLink]), textValue(linkField), textValue(titleField))
                            .toStdString());
            text.append("</guid>\r\n");
        }
        lines.add("   </item>");
    }
    lines.add(" </channel>");
    lines.add("</rss>");
    lines.flush();
}

QString untitledUpper(const QString &title) {
    QString upper = title;
    for (QChar &c : upper) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
            c = QChar(c.unicode() - 'a' + 'A');
        }
    }
    return upper;
}

Status exportChannel(const ChannelTree &tree, const QString &fileName, platform::Progress &progress) {
    const QString rssPath = platform::replaceExtension(fileName, QStringLiteral(".rss"));
    const QString xmlPath = platform::replaceExtension(fileName, QStringLiteral(".xml"));
    const QString chfPath = platform::replaceExtension(fileName, QStringLiteral(".chf"));
    if (platform::fileNamePart(rssPath) == QLatin1String(".rss")) {
        const QString message = WriterText::tr(
            "Cannot export to \"%1\": the file name is empty. Choose a name such as news.rss.");
        return platform::Status::failure(message.arg(fileName));
    }

    progress.status(WriterText::tr("Exporting and saving RSS file"));

    const ChannelParts parts(tree);

    // Everything goes to temporary files first; nothing replaces a file before all three are written.
    QSaveFile rssFile(rssPath);
    if (!rssFile.open(QIODevice::WriteOnly)) {
        return platform::Status::failure(platform::FileErrors::cannotCreate(rssPath, rssFile.errorString()));
    }
    QSaveFile xmlFile(xmlPath);
    if (!xmlFile.open(QIODevice::WriteOnly)) {
        return platform::Status::failure(platform::FileErrors::cannotCreate(xmlPath, xmlFile.errorString()));
    }
    LineList lines;
    lines.setOutputs({&rssFile, &xmlFile});
    writeFeed(parts, lines, progress);
    for (QSaveFile *file : {&rssFile, &xmlFile}) {
        if (platform::Status finished = finishWriting(*file); !finished) {
            return finished;
        }
    }

    // The document first: once it is committed, the feed written from it may follow, never precede it.
    DocumentFile document;
    if (!document.SaveTreeToFile(tree, chfPath)) {
        return platform::Status::failure(document.errorString());
    }
    for (QSaveFile *file : {&rssFile, &xmlFile}) {
        if (platform::Status committed = commit(*file); !committed) {
            return committed;
        }
    }
    progress.setPosition(0);
    progress.status(WriterText::tr("File %1 succesfully exported to RSS format, Data has been saved.")
                        .arg(platform::fileNamePart(chfPath)));
    return {};
}

} // namespace

QString make_guid(std::string_view channelLink, std::string_view itemLink, std::string_view itemTitle) {
    // Each part ends in a NUL byte, so ("ab", "c") and ("a", "bc") name different items.
    QByteArray name;
    for (const std::string_view part : {channelLink, itemLink, itemTitle}) {
        name.append(part.data(), qsizetype(part.size()));
        name.append('\0');
    }
    const QUuid uuid = QUuid::createUuidV5(kGuidNamespace, name);
    return QStringLiteral("TW") + QString::fromLatin1(uuid.toByteArray(QUuid::Id128)).toUpper();
}

bool export_rssfile(const ChannelTree &tree, const QString &fileName, platform::Progress &progress,
                    QString *error) {
    const platform::Status result = exportChannel(tree, fileName, progress);
    if (!result && error) {
        *error = result.error();
    }
    return result.ok();
}

QString proposedFeedFileName(const QString &channelTitle) {
    QString name;
    for (const QChar c : channelTitle.trimmed()) {
        name +=
            (c.isLetterOrNumber() || c == QLatin1Char(' ') || c == QLatin1Char('-') || c == QLatin1Char('.'))
                ? c
                : QLatin1Char('_');
    }
    // No hidden file, no name of dots only.
    while (name.startsWith(QLatin1Char('.'))) {
        name.remove(0, 1);
    }
    name = name.trimmed();
    return (name.isEmpty() ? QStringLiteral("news") : name.left(100)) + QStringLiteral(".rss");
}

QString askExportFileName(const QString &channelTitle) {
    return platform::Prompts::current().saveFile(
        WriterText::tr("Save as"), proposedFeedFileName(channelTitle),
        WriterText::tr("RSS files (*.rss);;XML file (*.xml)"), QStringLiteral("rss"), false);
}

QString processExportFileName(const QString &windowTitle, const QString &channelTitle) {
    if (untitledUpper(windowTitle).contains(QLatin1String("UNTITLED"))) {
        return askExportFileName(channelTitle);
    }
    return windowTitle;
}

QString saveAsFileName(const QString &channelTitle) {
    return askExportFileName(channelTitle);
}

} // namespace tidewell::channel
