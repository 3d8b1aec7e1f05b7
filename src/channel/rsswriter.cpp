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
    explicit ScratchCopy(const ChannelTree &tree) : m_tree(tree), m_nodeCount(tree.nodeCount()) {}

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

// Text bytes of the tree as UTF-8 with &, < and > escaped. Bytes that are not valid UTF-8 (documents
// made on older Windows installs) are read as Windows-1252, as the tree view shows them.
void appendEscaped(QByteArray &out, std::string_view value) {
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
        const char *entity = nullptr;
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
        out.append(value.data() + plainFrom, qsizetype(i - plainFrom));
        out.append(entity);
        plainFrom = i + 1;
    }
    out.append(value.data() + plainFrom, qsizetype(value.size() - plainFrom));
}

class LineList final {
public:
    explicit LineList(size_t expectedBytes) { m_text.reserve(qsizetype(expectedBytes)); }

    void add(const char *line) {
        m_text.append(line);
        m_text.append("\r\n");
    }
    // indent spaces + <tag> + escaped value + </tag>
    void addElement(int indent, std::string_view tag, std::string_view value) {
        m_text.append(indent, ' ');
        m_text.append('<');
        m_text.append(tag.data(), qsizetype(tag.size()));
        m_text.append('>');
        appendEscaped(m_text, value);
        m_text.append("</");
        m_text.append(tag.data(), qsizetype(tag.size()));
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
        m_text.append(guid.toLatin1());
        m_text.append("</guid>\r\n");
    }

    const QByteArray &text() const { return m_text; }

private:
    QByteArray m_text;
};

bool writeWhole(const QString &path, const QByteArray &bytes, QString *error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error) {
            *error = tr("Cannot create file %1").arg(path);
        }
        return false;
    }
    return true;
}

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

// Rough size of the RSS text, so the line list is allocated once.
size_t expectedRssBytes(const ChannelTree &tree) {
    return 1024 + tree.nodeCount() * 40;
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

    ScratchCopy copy(tree);

    // Channel values by name; each one found is taken out of the copy by the same lookup there.
    const auto take = [&](std::string_view name) {
        const TreeNode *node = findnode(tree, name);
        if (!node) {
            return std::string();
        }
        copy.remove(copy.findnode(copy.first(), name));
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

    const bool imagePresent = findnode(tree, "image") != nullptr;
    std::string imageTitle, imageUrl, imageLink, imageDescription;
    std::string imageHeight = "31";
    std::string imageWidth = "88";
    if (imagePresent) {
        const TreeNode *image = copy.findnode(copy.first(), "image");
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
        platform::letPendingEventsRun();
    }
    std::vector<const TreeNode *> items;
    for (int row = 0; row < tree.topLevelCount(); ++row) {
        const TreeNode *node = tree.topLevel(row);
        if (!copy.isRemoved(node) && node->text.find("Item") != std::string::npos) {
            items.push_back(node);
        }
    }

    LineList lines(expectedRssBytes(tree));
    lines.add("<?xml version=\"1.0\"?>");
    lines.add(QStringLiteral("<!-- Generated with %1, an RSS 2.0 channel authoring tool -->")
                  .arg(kVersionText)
                  .toUtf8()
                  .constData());
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

    const QString rssPath = platform::replaceExtension(fileName, QStringLiteral(".rss"));
    const QString xmlPath = platform::replaceExtension(fileName, QStringLiteral(".xml"));
    const QString chfPath = platform::replaceExtension(fileName, QStringLiteral(".chf"));
    if (!writeWhole(rssPath, lines.text(), error) || !writeWhole(xmlPath, lines.text(), error)) {
        return false;
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
