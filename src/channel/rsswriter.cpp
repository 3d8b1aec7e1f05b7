#include "channel/rsswriter.h"

#include "channel/documentfile.h"
#include "channel/rss_global.h"
#include "channel/rssdate.h"
#include "platform/clock.h"
#include "platform/eventpump.h"
#include "platform/folders.h"
#include "platform/guid.h"
#include "platform/prompts.h"
#include "platform/statusline.h"
#include "platform/textcodec.h"

#include <algorithm>
#include <array>
#include <climits>
#include <QCoreApplication>
#include <QSaveFile>
#include <string_view>
#include <vector>

namespace tidewell::channel {

namespace {

QString tr(const char *text) {
    return QCoreApplication::translate("Tchannelchild", text);
}

// Progress positions are passed on every this many nodes: the bar moves smoothly without a call per node.
constexpr size_t kProgressStep = 1024;

// The export's scratch copy of the channel tree. The copy only ever loses nodes (the channel values
// taken out, then every top-level node that is not an item), so it is held as the channel tree plus the
// set of nodes deleted from it: lookups and walks in the copy skip those subtrees. This gives exactly the
// copy's contents without duplicating a large tree.
class ScratchCopy final {
public:
    ScratchCopy(const ChannelTree &tree, size_t nodeCount) : m_tree(tree), m_nodeCount(nodeCount) {}

    bool isRemoved(const TreeNode *node) const {
        for (const TreeNode *removed : m_removed) {
            if (removed == node) {
                return true;
            }
        }
        return false;
    }

    void remove(const TreeNode *node) {
        if (node) {
            m_removed.push_back(node);
            m_nodeCount -= 1 + node->descendantCount();
        }
    }

    size_t nodeCount() const { return m_nodeCount; }

    // findnode in the copy: from start (a node of the copy), its descendants, then its following siblings
    // with their descendants, skipping deleted subtrees.
    const TreeNode *findnode(const TreeNode *start, std::string_view name) const {
        std::vector<const TreeNode *> stack;
        for (const TreeNode *n = start; n; n = n->nextSibling()) {
            stack.push_back(n);
        }
        std::reverse(stack.begin(), stack.end());
        while (!stack.empty()) {
            const TreeNode *node = stack.back();
            stack.pop_back();
            if (isRemoved(node)) {
                continue;
            }
            if (equalsIgnoringCase(node->text, name)) {
                return node;
            }
            for (int i = node->childCount() - 1; i >= 0; --i) {
                stack.push_back(node->child(i));
            }
        }
        return nullptr;
    }

    // The lookup of name in the copy, given its result in the channel tree: the same node unless it lies
    // in a subtree deleted from the copy, when the copy is searched.
    const TreeNode *findFirst(const TreeNode *inTree, std::string_view name) const {
        if (!inTree) {
            return nullptr; // not in the tree, so not in the copy
        }
        for (const TreeNode *p = inTree; p; p = p->parent()) {
            if (isRemoved(p)) {
                return findnode(first(), name);
            }
        }
        return inTree;
    }

    // The first top-level node of the copy.
    const TreeNode *first() const {
        for (int row = 0; row < m_tree.topLevelCount(); ++row) {
            if (!isRemoved(m_tree.topLevel(row))) {
                return m_tree.topLevel(row);
            }
        }
        return nullptr;
    }

    // Number of nodes of a subtree of the copy.
    size_t subtreeSize(const TreeNode *node) const {
        if (node->childCount() == 0) {
            return 1;
        }
        size_t size = 1 + node->descendantCount();
        for (const TreeNode *removed : m_removed) {
            for (const TreeNode *p = removed->parent(); p; p = p->parent()) {
                if (p == node) {
                    size -= 1 + removed->descendantCount();
                    break;
                }
            }
        }
        return size;
    }

private:
    const ChannelTree &m_tree;
    std::vector<const TreeNode *> m_removed;
    size_t m_nodeCount;
};

// The names the writer looks up in the whole channel tree: the first node of each, and the number of nodes,
// found in one walk instead of one walk per name.
class ChannelLookups final {
public:
    explicit ChannelLookups(const ChannelTree &tree) {
        size_t missing = kNames.size();
        for (const TreeNode *node = tree.first(); node; node = ChannelTree::next(node)) {
            ++m_nodeCount;
            if (missing == 0) {
                continue;
            }
            for (size_t i = 0; i < kNames.size(); ++i) {
                if (!m_found[i] && equalsIgnoringCase(node->text, kNames[i])) {
                    m_found[i] = node;
                    --missing;
                }
            }
        }
    }

    // findnode(tree, name) for one of kNames.
    const TreeNode *find(std::string_view name) const {
        for (size_t i = 0; i < kNames.size(); ++i) {
            if (kNames[i] == name) {
                return m_found[i];
            }
        }
        Q_ASSERT(false);
        return nullptr;
    }
    size_t nodeCount() const { return m_nodeCount; }

private:
    static constexpr std::array<std::string_view, 11> kNames = {
        "Title",     "Link",           "ttl",   "rating", "Description", "Language", "Copyright",
        "Webmaster", "ManagingEditor", "image", "docs"};
    std::array<const TreeNode *, kNames.size()> m_found{};
    size_t m_nodeCount = 0;
};

// Text bytes of the tree as UTF-8 with &, < and > escaped. Bytes that are not valid UTF-8 (documents
// made on older Windows installs) are read as Windows-1252, as the tree view shows them.
void appendEscaped(std::string &out, std::string_view value) {
    bool ascii = true;
    for (const char c : value) {
        if (uchar(c) >= 0x80) {
            ascii = false;
            break;
        }
    }
    QByteArray converted;
    if (!ascii && !platform::isValidUtf8(value)) {
        converted = platform::decodeWindows1252(value).toUtf8();
        value = std::string_view(converted.constData(), size_t(converted.size()));
    }
    size_t plainFrom = 0;
    for (size_t i = 0; i < value.size(); ++i) {
        std::string_view entity;
        switch (value[i]) {
        case '&':
            entity = "&amp;";
            break;
        case '<':
            entity = "&lt;";
            break;
        case '>':
            entity = "&gt;";
            break;
        default:
            continue;
        }
        out.append(value.data() + plainFrom, i - plainFrom);
        out.append(entity);
        plainFrom = i + 1;
    }
    out.append(value.data() + plainFrom, value.size() - plainFrom);
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
    // indent spaces + <tag> + escaped value + </tag>
    void addElement(int indent, std::string_view tag, std::string_view value) {
        m_text.append(size_t(indent), ' ');
        m_text.push_back('<');
        m_text.append(tag);
        m_text.push_back('>');
        appendEscaped(m_text, value);
        m_text.append("</");
        m_text.append(tag);
        m_text.append(">\r\n");
    }
    void addElement(int indent, std::string_view tag, const QString &value) {
        const QByteArray bytes = value.toUtf8();
        addElement(indent, tag, std::string_view(bytes.constData(), size_t(bytes.size())));
    }
    void addIfNotEmpty(int indent, std::string_view tag, const std::string &value) {
        if (!value.empty()) {
            addElement(indent, tag, value);
        }
    }
    // The generated guid: the last line of the last item.
    void addGuid(const QString &guid) {
        m_text.append("     <guid isPermaLink=\"false\">");
        m_text.append(guid.toStdString());
        m_text.append("</guid>\r\n");
    }

    void flushIfFull() {
        if (m_text.size() >= kChunkBytes) {
            flush();
        }
    }
    // Write errors are kept by the files and reported by their commit().
    void flush() {
        for (QIODevice *output : m_outputs) {
            output->write(m_text.data(), qint64(m_text.size()));
        }
        m_text.clear();
    }

private:
    static constexpr size_t kChunkBytes = 64 * 1024;
    std::string m_text;
    std::vector<QIODevice *> m_outputs;
};

// Item element names follow the field section: lower case (A to Z only), spaces removed, and pubDate
// keeps its capital D.
std::string elementName(std::string_view sectionText) {
    std::string name;
    name.reserve(sectionText.size());
    for (char c : sectionText) {
        if (c == ' ') {
            continue;
        }
        if (c >= 'A' && c <= 'Z') {
            c = char(c - 'A' + 'a');
        }
        name.push_back(c);
    }
    if (name == "pubdate") {
        name = "pubDate";
    }
    return name;
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

} // namespace

QString make_guid() {
    const QUuid uuid = platform::Guid::create();
    if (uuid.isNull()) {
        return QStringLiteral("TW");
    }
    return QStringLiteral("TW") + QString::fromLatin1(uuid.toByteArray(QUuid::Id128)).toUpper();
}

bool export_rssfile(const ChannelTree &tree, const QString &fileName, QString *error) {
    platform::StatusLine &status = platform::StatusLine::current();
    status.statusmsg(tr("Exporting and saving RSS file"));

    const ChannelLookups lookups(tree);
    ScratchCopy copy(tree, lookups.nodeCount());

    // Channel values by name; each one found is taken out of the copy by the same lookup there.
    const auto take = [&](std::string_view name) {
        const TreeNode *node = lookups.find(name);
        if (!node) {
            return std::string();
        }
        copy.remove(copy.findFirst(node, name));
        return sectionValue(node);
    };
    const std::string title = take("Title");
    const std::string link = take("Link");
    const std::string ttl = take("ttl");
    const std::string rating = take("rating");
    const std::string description = take("Description");
    const std::string language = take("Language");
    const std::string copyright = take("Copyright");
    const std::string webMaster = take("Webmaster");
    const std::string managingEditor = take("ManagingEditor");

    const TreeNode *imageSection = lookups.find("image");
    const bool imagePresent = imageSection != nullptr;
    std::string imageTitle, imageUrl, imageLink, imageDescription;
    std::string imageHeight = "31";
    std::string imageWidth = "88";
    if (imagePresent) {
        const TreeNode *image = copy.findFirst(imageSection, "image");
        const auto imageValue = [&](std::string_view name, std::string &value) {
            if (const TreeNode *field = image ? copy.findnode(image, name) : nullptr) {
                value = sectionValue(field);
            }
        };
        imageValue("title", imageTitle);
        imageValue("url", imageUrl);
        imageValue("link", imageLink);
        imageValue("description", imageDescription);
        imageValue("height", imageHeight);
        imageValue("width", imageWidth);
        copy.remove(image);
    }
    const std::string docs = take("docs");

    // Stripping pass: from the last absolute index of the copy down to 0, every top-level node whose text
    // does not hold "Item" (this letter case) goes. Pending events run meanwhile.
    const size_t stripCount = copy.nodeCount();
    status.setProgressMaximum(int(std::min<size_t>(stripCount, INT_MAX)));
    status.setProgressPosition(0);
    for (size_t index = stripCount; index-- > 0;) {
        if (index % kProgressStep == 0) {
            status.setProgressPosition(int(index));
        }
        if (index % 64 == 0) {
            platform::letPendingEventsRun();
        }
    }
    std::vector<const TreeNode *> items;
    for (int row = 0; row < tree.topLevelCount(); ++row) {
        const TreeNode *node = tree.topLevel(row);
        if (!copy.isRemoved(node) && node->text.find("Item") != std::string::npos) {
            items.push_back(node);
        }
    }

    LineList lines;
    lines.add("<?xml version=\"1.0\"?>");
    lines.add(QStringLiteral("<!-- Generated with %1, an RSS 2.0 channel authoring tool -->")
                  .arg(kVersionText)
                  .toStdString());
    lines.add("<rss version=\"2.0\">");
    lines.add(" <channel>");
    lines.addElement(1, "generator", kVersionText);
    lines.addElement(1, "lastBuildDate", rssDate(platform::Clock::now()));
    lines.addElement(2, "title", title);
    lines.addElement(2, "link", link);
    lines.addIfNotEmpty(2, "description", description);
    lines.addIfNotEmpty(2, "language", language);
    lines.addIfNotEmpty(2, "copyright", copyright);
    lines.addIfNotEmpty(2, "managingEditor", managingEditor);
    lines.addIfNotEmpty(2, "webMaster", webMaster);
    lines.addIfNotEmpty(2, "ttl", ttl);
    lines.addIfNotEmpty(2, "docs", docs);
    lines.addIfNotEmpty(2, "rating", rating);
    lines.addElement(2, "pubDate", rssDate(platform::Clock::now()));
    if (imagePresent) {
        lines.add("  <image>");
        lines.addIfNotEmpty(4, "title", imageTitle);
        lines.addIfNotEmpty(4, "url", imageUrl);
        lines.addIfNotEmpty(4, "link", imageLink);
        lines.addIfNotEmpty(4, "description", imageDescription);
        lines.addIfNotEmpty(4, "height", imageHeight);
        lines.addIfNotEmpty(4, "width", imageWidth);
        lines.add("  </image>");
    }

    // The .rss and its .xml copy are written side by side from the same text. Each is written whole or
    // not at all; a .rss written before the .xml failed stays.
    const QString rssPath = platform::replaceExtension(fileName, QStringLiteral(".rss"));
    const QString xmlPath = platform::replaceExtension(fileName, QStringLiteral(".xml"));
    const QString chfPath = platform::replaceExtension(fileName, QStringLiteral(".chf"));
    const auto cannotCreate = [error](const QString &path) {
        if (error) {
            *error = tr("Cannot create file %1").arg(path);
        }
        return false;
    };
    QSaveFile rssFile(rssPath);
    if (!rssFile.open(QIODevice::WriteOnly)) {
        return cannotCreate(rssPath);
    }
    QSaveFile xmlFile(xmlPath);
    const bool xmlOpen = xmlFile.open(QIODevice::WriteOnly);
    lines.setOutputs(xmlOpen ? std::vector<QIODevice *>{&rssFile, &xmlFile}
                             : std::vector<QIODevice *>{&rssFile});

    // Item pass over the stripped copy in absolute order: an item node opens an element (closing the one
    // before it), and each value of an item field section becomes one element named after the section.
    size_t itemCount = 0;
    for (const TreeNode *item : items) {
        itemCount += copy.subtreeSize(item);
    }
    status.setProgressMaximum(int(std::min<size_t>(itemCount, INT_MAX)));
    status.setProgressPosition(0);
    bool guidSeen = false;
    size_t index = 0;
    size_t nextReport = 0;
    for (const TreeNode *item : items) {
        if (index >= nextReport) {
            status.setProgressPosition(int(index));
            nextReport = index + kProgressStep;
        }
        lines.flushIfFull();
        if (index > 0) {
            lines.add("   </item>");
        }
        lines.add("   <item>");
        ++index;
        for (int f = 0; f < item->childCount(); ++f) {
            const TreeNode *field = item->child(f);
            if (copy.isRemoved(field)) {
                continue;
            }
            ++index;
            if (field->childCount() == 0) {
                continue;
            }
            const std::string name = elementName(field->text);
            for (int v = 0; v < field->childCount(); ++v) {
                const TreeNode *value = field->child(v);
                if (copy.isRemoved(value)) {
                    continue;
                }
                index += copy.subtreeSize(value);
                if (value->text.empty()) {
                    continue;
                }
                if (name == "guid") {
                    guidSeen = true;
                }
                lines.addElement(5, name, value->text);
            }
        }
    }
    if (!items.empty()) {
        if (!guidSeen) {
            lines.addGuid(make_guid());
        }
        lines.add("   </item>");
    }
    lines.add(" </channel>");
    lines.add("</rss>");

    lines.flush();
    if (!rssFile.commit()) {
        return cannotCreate(rssPath);
    }
    if (!xmlOpen || !xmlFile.commit()) {
        return cannotCreate(xmlPath);
    }
    DocumentFile document;
    if (!document.SaveTreeToFile(tree, chfPath)) {
        if (error) {
            *error = document.errorString();
        }
        return false;
    }
    status.setProgressPosition(0);
    status.statusmsg(QStringLiteral("File ") + platform::fileNamePart(chfPath) +
                     tr(" succesfully exported to RSS format, Data has been saved."));
    return true;
}

QString askExportFileName() {
    return platform::Prompts::current().saveFile(
        tr("Save as"), QString(), tr("RSS files (*.rss);;XML file (*.xml)"), QStringLiteral("rss"), false);
}

QString processExportFileName(const QString &windowTitle) {
    if (untitledUpper(windowTitle).contains(QLatin1String("UNTITLED"))) {
        return askExportFileName();
    }
    return windowTitle;
}

QString saveAsFileName() {
    return askExportFileName();
}

} // namespace tidewell::channel
