#include "feeds/rssimport.h"

#include "channel/documentfile.h"
#include "feeds/feedfilename.h"
#include "feeds/indentedtext.h"
#include "platform/fileerrors.h"
#include "platform/folders.h"
#include "platform/xmlscanner.h"

#include <algorithm>
#include <QFileInfo>
#include <QSaveFile>

namespace tidewell::feeds {

using channel::ChannelTree;
using channel::equalsIgnoringCase;
using channel::TreeNode;
using platform::XmlScanner;

namespace {
// The host of the aggregator service whose addresses the import does not take.
constexpr auto kUnsupportedAggregator = "feedstack.example";

using Kind = IndentedLines::Kind;

// The text of the scanned tree's node for a part that is no element and no text (scratch holds it when
// it is made up).
std::string_view nodeText(const XmlScanner::Part &part, std::string &scratch) {
    switch (part.kind) {
    case XmlScanner::PartKind::XmlDeclaration:
        return "<?xml?>";
    case XmlScanner::PartKind::Comment:
        return "Comment";
    case XmlScanner::PartKind::ProcessingInstruction:
        scratch = part.name + ' ' + part.content;
        return scratch;
    case XmlScanner::PartKind::DocumentType:
        return "DTD";
    default:
        return part.name;
    }
}

bool prunedAt(int depth, std::string_view text) {
    if (depth == 0) {
        return equalsIgnoringCase(text, "<?xml?>") || equalsIgnoringCase(text, "Comment") ||
               equalsIgnoringCase(text, "DTD");
    }
    if (depth == 2) {
        return equalsIgnoringCase(text, "generator") || equalsIgnoringCase(text, "lastBuildDate");
    }
    return false;
}

// The node of the channel element, whose content is lifted.
bool isChannel(int depth, std::string_view text, Kind kind) {
    return depth == 1 && kind == Kind::Section && equalsIgnoringCase(text, "channel");
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isNamespaceDeclaration(std::string_view name) {
    return name == "xmlns" || name.starts_with("xmlns:");
}

// Elements whose content is text: markup a feed put inside one unescaped (<description><p>..</p>) is
// that text, not elements of the channel.
bool isTextElement(std::string_view name) {
    static constexpr std::string_view kNames[] = {"title",
                                                  "description",
                                                  "link",
                                                  "author",
                                                  "category",
                                                  "comments",
                                                  "copyright",
                                                  "managingEditor",
                                                  "webMaster",
                                                  "language",
                                                  "pubDate",
                                                  "lastBuildDate",
                                                  "docs",
                                                  "generator",
                                                  "ttl",
                                                  "rating",
                                                  "guid",
                                                  "source",
                                                  "content:encoded",
                                                  "itunes:summary",
                                                  "itunes:subtitle",
                                                  "media:description",
                                                  "media:title",
                                                  "dc:description",
                                                  "dc:title",
                                                  "dc:creator"};
    return std::find(std::begin(kNames), std::end(kNames), name) != std::end(kNames);
}

// Appends text as markup would hold it: & < > escaped, and " as well in an attribute value.
void appendEscaped(std::string &out, std::string_view text, bool attribute) {
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += attribute ? "&quot;" : "\"";
            break;
        default:
            out += c;
        }
    }
}

// The text of one element as it is read: its character data and CDATA sections, and markup inside a
// text element written back as text. The ends of character data lose their blanks, TABs and line
// breaks (pretty-printing); CDATA keeps every character; the inside keeps its line breaks.
class TextValue final {
public:
    bool empty() const { return m_depth < 0; }
    int depth() const { return m_depth; }

    // Character data or a CDATA section of the element whose value sits at depth; nested: it lies inside
    // markup that is written back as text.
    void characters(int depth, std::string_view text, bool cdata, bool nested) {
        start(depth);
        if (m_markup) {
            if (cdata && !nested) {
                appendProtected(text); // a CDATA section of the text element itself holds markup already
            } else {
                appendEscaped(m_text, text, false);
            }
            return;
        }
        if (cdata) {
            appendProtected(text);
            return;
        }
        if (m_text.empty()) {
            size_t blanks = 0;
            while (blanks < text.size() && isBlank(text[blanks])) {
                ++blanks;
            }
            text.remove_prefix(blanks);
        }
        m_plain.emplace_back(m_text.size(), text.size());
        m_text.append(text);
    }
    // Markup inside a text element: from now on the value is markup, and its character data so far is
    // escaped.
    std::string &markup(int depth) {
        start(depth);
        if (!m_markup) {
            m_markup = true;
            std::string escaped;
            escaped.reserve(m_text.size() + 16);
            size_t at = 0;
            for (const auto &[offset, length] : m_plain) {
                escaped.append(m_text, at, offset - at);
                appendEscaped(escaped, std::string_view(m_text).substr(offset, length), false);
                at = offset + length;
            }
            escaped.append(m_text, at);
            m_text.swap(escaped);
            m_protectedEnd = 0;
        }
        return m_text;
    }
    // The value, its trailing blanks gone; the value is reset.
    std::string_view take() {
        size_t end = m_text.size();
        while (end > m_protectedEnd && isBlank(m_text[end - 1])) {
            --end;
        }
        m_text.resize(end);
        m_depth = -1;
        m_markup = false;
        m_plain.clear();
        m_protectedEnd = 0;
        return m_text;
    }

private:
    void start(int depth) {
        if (m_depth < 0) {
            m_text.clear();
            m_depth = depth;
        }
    }
    void appendProtected(std::string_view text) {
        m_text.append(text);
        m_protectedEnd = m_text.size();
    }

    std::string m_text;
    int m_depth = -1;
    bool m_markup = false;
    size_t m_protectedEnd = 0;                      // characters before this are never trimmed
    std::vector<std::pair<size_t, size_t>> m_plain; // character data not yet escaped
};

// A start tag written back as text.
void appendTag(std::string &out, const XmlScanner::Part &part) {
    out += '<';
    out += part.name;
    for (const XmlScanner::Attribute &attribute : part.attributes) {
        out += ' ';
        out += attribute.name;
        out += "=\"";
        appendEscaped(out, attribute.value, true);
        out += '"';
    }
    out += part.kind == XmlScanner::PartKind::EmptyTag ? "/>" : ">";
}

// Scans the file and hands every node of the pruned document tree, in pre-order, to
// sink.node(depth, text, kind): one section per element named as written; its attributes as sections
// "@" + name, each with its value; one value node per text of an element; the namespace declarations of
// the rss and channel elements as "@xmlns..." sections of the channel. A sink's node() returning false
// ends the scan early. False when no node is "rss" (only meaningful for a scan that ran to the end).
template <typename Sink> bool scanFeed(const QString &path, Sink &sink, QString *scanError) {
    XmlScanner scanner;
    scanner.recover = true;
    bool sawRss = false;
    bool stopped = false;
    int skipDepth = -1;   // depth of a pruned node whose subtree is being skipped
    int markupDepth = -1; // depth of the text element whose inside is written back as text
    std::vector<XmlScanner::Attribute> rootNamespaces;
    TextValue value;
    std::string scratch;

    const auto emit = [&](int depth, std::string_view text, Kind kind) {
        if (stopped) {
            return;
        }
        if (skipDepth >= 0) {
            if (depth > skipDepth) {
                return;
            }
            skipDepth = -1;
        }
        if (kind == Kind::Section && prunedAt(depth, text)) {
            skipDepth = depth;
            return;
        }
        stopped = !sink.node(depth, text, kind);
    };
    const auto emitAttribute = [&](int depth, const XmlScanner::Attribute &attribute) {
        scratch = '@' + attribute.name;
        emit(depth, scratch, Kind::Section);
        emit(depth + 1, attribute.value, Kind::Value);
    };
    const auto flush = [&] {
        if (!value.empty()) {
            const int depth = value.depth();
            const std::string_view text = value.take();
            if (!text.empty()) {
                sawRss = sawRss || equalsIgnoringCase(text, "rss");
                emit(depth, text, Kind::Value);
            }
        }
    };

    scanner.loadFile(path);
    while (!stopped && scanner.next()) {
        const XmlScanner::Part &part = scanner.part();
        const bool inText = markupDepth >= 0 && part.depth > markupDepth;
        switch (part.kind) {
        case XmlScanner::PartKind::Text:
        case XmlScanner::PartKind::CData:
            value.characters(inText ? markupDepth + 1 : part.depth, part.content,
                             part.kind == XmlScanner::PartKind::CData,
                             part.depth > markupDepth + 1 && inText);
            continue;
        case XmlScanner::PartKind::EndTag:
            if (inText) {
                value.markup(markupDepth + 1).append("</" + part.name + '>');
                continue;
            }
            flush();
            markupDepth = -1;
            if (part.depth == 0) {
                stopped = true; // the end of the root element ends the scan
            }
            continue;
        case XmlScanner::PartKind::StartTag:
        case XmlScanner::PartKind::EmptyTag:
            if (inText) {
                appendTag(value.markup(markupDepth + 1), part);
                continue;
            }
            break;
        case XmlScanner::PartKind::Comment:
            if (inText) {
                value.markup(markupDepth + 1).append("<!--" + part.content + "-->");
                continue;
            }
            break;
        case XmlScanner::PartKind::ProcessingInstruction:
            if (inText) {
                value.markup(markupDepth + 1).append("<?" + part.name + ' ' + part.content + "?>");
                continue;
            }
            break;
        default:
            break;
        }
        flush();
        const std::string_view text = nodeText(part, scratch);
        const bool element =
            part.kind == XmlScanner::PartKind::StartTag || part.kind == XmlScanner::PartKind::EmptyTag;
        sawRss = sawRss || (element && equalsIgnoringCase(text, "rss"));
        emit(part.depth, text, Kind::Section);
        if (!element) {
            continue;
        }
        if (part.kind == XmlScanner::PartKind::StartTag && isTextElement(part.name)) {
            markupDepth = part.depth;
        }
        if (part.depth == 0) {
            // The root's namespace declarations go with the channel; its other attributes (version)
            // the writer makes itself.
            rootNamespaces.clear();
            for (const XmlScanner::Attribute &attribute : part.attributes) {
                if (isNamespaceDeclaration(attribute.name)) {
                    rootNamespaces.push_back(attribute);
                }
            }
        } else if (isChannel(part.depth, part.name, Kind::Section)) {
            // The channel's sections become the top level: the declarations of rss and channel first.
            for (const XmlScanner::Attribute &attribute : rootNamespaces) {
                emitAttribute(part.depth + 1, attribute);
            }
            rootNamespaces.clear();
            for (const XmlScanner::Attribute &attribute : part.attributes) {
                if (isNamespaceDeclaration(attribute.name)) {
                    emitAttribute(part.depth + 1, attribute);
                }
            }
        } else {
            for (const XmlScanner::Attribute &attribute : part.attributes) {
                emitAttribute(part.depth + 1, attribute);
            }
        }
    }
    flush();
    *scanError = scanner.errorString();
    return sawRss;
}

// Collects the nodes of the pruned tree, for reshape().
struct LinesSink {
    IndentedLines &lines;
    bool node(int depth, std::string_view text, Kind kind) {
        lines.append(depth, text, kind);
        return true;
    }
};

void renameItems(ChannelTree &tree) {
    for (TreeNode *node = tree.first(); node; node = ChannelTree::next(node)) {
        if (node->text != "item" || node->childCount() == 0) {
            continue;
        }
        for (int i = 0; i < node->childCount(); ++i) {
            const TreeNode *child = node->child(i);
            if (child->text == "title") {
                // A title without text gives the label with an empty title, so the item still opens as one.
                node->text = "item - " + channel::sectionValue(child);
            }
        }
    }
}

// Writes the result document while the scan runs, holding neither the nodes nor the whole tree: what
// reshape() and the renaming do, for the shape every feed with one channel element has. Each top-level
// node goes to the document as soon as the next one begins, so memory holds one item at a time.
// reshape() lifts the channel's content only after it has found the last channel node; this builder
// lifts every node from the start and takes the first channel node for that one. When the feed turns out
// to have no channel element or more than one, or a node jumps a level, the result could differ from
// reshape()'s: the builder stops, finish() says so, and the caller takes the road through the whole
// nodes (the document, never committed, is discarded).
class ChannelBuilder final {
public:
    explicit ChannelBuilder(channel::StreamedDocumentFile &document)
        : m_reader(m_tree), m_document(document) {}

    bool node(int depth, std::string_view text, Kind kind) {
        add(depth, text, kind);
        return !m_failed;
    }
    // True when the document holds what reshape() gives; then it only needs its commit.
    bool finish() {
        flushHead();
        if (m_failed || m_channels != 1) {
            return false;
        }
        writeCompleteNodes(0);
        return true;
    }

private:
    enum class Stage { First, Head, Body };

    void add(int depth, std::string_view text, Kind kind) {
        switch (m_stage) {
        case Stage::First: // the rss element's own node
            m_stage = Stage::Head;
            return;
        case Stage::Head:
            // Top-level nodes ahead of the first deeper one wait: an "rss" node among them drops them
            // all, as reshape() does for a style sheet instruction ahead of the rss element.
            if (depth == 0) {
                if (kind == Kind::Section && equalsIgnoringCase(text, "rss")) {
                    m_head.clear();
                    m_stage = Stage::Body;
                } else {
                    m_head.append(depth, text, kind);
                }
                return;
            }
            flushHead();
            break;
        case Stage::Body:
            break;
        }
        body(depth, text, kind);
    }
    void flushHead() {
        if (m_stage != Stage::Head) {
            return;
        }
        m_stage = Stage::Body;
        for (size_t i = 0; i < m_head.size(); ++i) {
            body(m_head.depth(i), m_head[i], m_head.kind(i));
        }
        m_head.clear();
    }
    void body(int depth, std::string_view text, Kind kind) {
        if (m_failed) {
            return;
        }
        if (isChannel(depth, text, kind) && ++m_channels == 1) {
            return;
        }
        m_failed = m_channels > 1 || !m_reader.add(std::max(depth - 2, 0), text, nullptr);
        // A new top-level node completes the one before it.
        writeCompleteNodes(1);
    }
    // Renames and writes all top-level nodes but the last keep ones, and frees them (their memory serves
    // the next nodes).
    void writeCompleteNodes(int keep) {
        if (m_tree.topLevelCount() <= keep) {
            return;
        }
        renameItems(m_tree);
        while (m_tree.topLevelCount() > keep) {
            TreeNode *node = m_tree.firstTopLevel();
            m_document.append(*node);
            m_tree.remove(node);
        }
    }

    ChannelTree m_tree;
    IndentedTreeReader m_reader;
    channel::StreamedDocumentFile &m_document;
    Stage m_stage = Stage::First;
    IndentedLines m_head;
    int m_channels = 0;
    bool m_failed = false;
};

} // namespace

QString RssImport::outputPathFor(const QString &source) {
    const qsizetype slash = source.lastIndexOf(QLatin1Char('/'));
    QString name = source.mid(slash + 1);
    name.remove(QLatin1Char(','));
    return platform::replaceExtension(source.left(slash + 1) + name, QStringLiteral(".chf"));
}

bool RssImport::reshape(IndentedLines &lines, ChannelTree &result, QString *error) {
    // The rss element's own node.
    lines.remove(0);
    // Top-level nodes ahead of the rss element (a style sheet instruction) left its node behind them:
    // drop those nodes together with it.
    for (size_t i = 0; i < lines.size() && lines.depth(i) == 0; ++i) {
        if (lines.kind(i) == Kind::Section && equalsIgnoringCase(lines[i], "rss")) {
            lines.remove(0, i + 1);
            break;
        }
    }
    // Lift the channel's content by two levels.
    for (size_t i = lines.size(); i-- > 0;) {
        if (isChannel(lines.depth(i), lines[i], lines.kind(i))) {
            lines.remove(i);
            lines.lift(2);
            break;
        }
    }
    if (!readIndentedLines(lines, result, error)) {
        return false;
    }
    renameItems(result);
    return true;
}

RssImport::Result RssImport::importFile(const QString &path, platform::Progress &progress, Road road) {
    Result result;
    result.outputPath = outputPathFor(path);
    progress.status(tr("Parsing RSS file"));
    QString scanError;
    bool isRss = false;
    bool direct = false;
    channel::StreamedDocumentFile document(result.outputPath);
    if (road == Road::Direct && document.open()) {
        ChannelBuilder builder(document);
        isRss = scanFeed(path, builder, &scanError);
        direct = isRss && builder.finish();
    }
    IndentedLines lines;
    if (!direct) {
        // An unusual shape (no channel element, several, a level jump), or no document could be
        // started: scan again for the whole nodes. They hold about the document's text, one node for
        // every few bytes of markup.
        const size_t size = size_t(std::max<qint64>(QFileInfo(path).size(), 0));
        lines.reserve(size + size / 8, size / 16);
        LinesSink sink{lines};
        isRss = scanFeed(path, sink, &scanError);
    }
    progress.status(tr("Parsing done, cleaning up"));
    if (!isRss) {
        result.outputPath.clear();
        result.error = tr("This does not seem to be a valid RSS file");
        if (!scanError.isEmpty()) {
            result.warning = scanError;
        }
        return result;
    }
    if (!scanError.isEmpty()) {
        result.warning =
            QStringLiteral("The feed is not well-formed (%1); it was imported as far as it could "
                           "be read.")
                .arg(scanError);
    }

    progress.status(tr("Saving resulting file to disk..."));
    if (direct) {
        if (!document.commit()) {
            result.error = document.errorString();
            return result;
        }
    } else {
        ChannelTree tree;
        if (!reshape(lines, tree, &result.error)) {
            return result;
        }
        lines.clear();
        if (!channel::saveChannelDocument(tree, result.outputPath, &result.error)) {
            return result;
        }
    }
    result.ok = true;
    progress.status(tr("%1 retrieved and parsed succesfully").arg(platform::fileNamePart(result.outputPath)));
    return result;
}

QString RssImport::storeFetchedFeed(const QString &address, const QByteArray &body, QString *error) {
    const QString path = platform::Folders::dataDirectory() + QLatin1Char('/') + feedFileName(address);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(withCrLfLines(body)) < 0 || !file.commit()) {
        if (error) {
            *error = platform::FileErrors::cannotCreate(file);
        }
        return {};
    }
    return path;
}

QString RssImport::refusedAddressWarning(const QString &address) {
    if (address.isEmpty() || address.compare(QLatin1String("http://"), Qt::CaseInsensitive) == 0) {
        return tr("Please fill in complete url of file to be retrieved");
    }
    return {};
}

QString RssImport::refusedAddressInformation(const QString &address) {
    if (address.contains(QLatin1String(kUnsupportedAggregator), Qt::CaseInsensitive)) {
        return tr("Feeds of %1 are not supported at this time.").arg(QLatin1String(kUnsupportedAggregator));
    }
    return {};
}

} // namespace tidewell::feeds
